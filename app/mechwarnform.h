#pragma once
// The mechanical warnings window: loads and safety factors of the grid's
// pick points and of the weakest cabinet couplings, each coloured by its
// grade, the centre-of-gravity line and a panel of tips on making the rig
// safe.  The main window fills it and shows it when a rig is at caution or
// unsafe level.

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

#include "model/advice/rig_grading.h"

class QFrame;
class QLabel;
class QPushButton;

// The colour of a grade (advice/rig_grading.h gives the bounds).
QColor GradeQColor(advice::RigGrade g);
inline const QColor GradeRed = GradeQColor(advice::RigGrade::Unsafe);
inline const QColor GradeYellow = GradeQColor(advice::RigGrade::Caution);
inline const QColor GradeGreen = GradeQColor(advice::RigGrade::Safe);

class Tmechwarn : public QWidget {
    Q_OBJECT
public:
    explicit Tmechwarn(QWidget* owner = nullptr);

    // Fills the window (does not show it).  Loads and forces in kilograms.
    void ShowWarnings(uint8_t Metric, int PickOption, double FrontPickLoad, double RearPickLoad,
                      double FrontCouplingForce, double RearCouplingForce, double GridFrontSF,
                      double GridRearSF, double CouplingFrontSF, double CouplingRearSF,
                      int BestHole, int RigMode);
    // Opens or closes the tips panel.
    void HelpbutClick();

    int AlphaBlendValue() const { return FAlphaBlendValue; }
    bool HelpOpen() const { return FHelpOpen != 0; }
    int ClientHeight() const { return height(); }
    QString Tip(int i) const;  // 1..7

    // Controls, named as in the window's layout.
    QFrame* Bevel1;
    QFrame* Bevel2;
    QWidget* Panel1;
    QWidget* Panel2;
    QPushButton* Helpbut;
    QLabel* StaticText1;
    QLabel* StaticText2;
    QLabel* StaticText3;
    QLabel* StaticText4;
    QLabel* StaticText5;
    QLabel* StaticText6;
    QLabel* StaticText7;
    QLabel* StaticText8;
    QLabel* StaticText16;
    QLabel* CFPPlab;
    QLabel* SFCFPPlab;
    QLabel* CRPPlab;
    QLabel* SFCRPPlab;
    QLabel* GFPPlab;
    QLabel* SFGFPPlab;
    QLabel* GRPPlab;
    QLabel* SFGRPPlab;
    QLabel* cogposlab;
    std::array<QLabel*, 7> Tips{};  // Tip1 .. Tip7

    // The advice texts 0..17.
    std::array<QString, 18> Advice;

private:
    void SetAlphaBlend(int value);
    void SetClientHeight(int h);
    // Writes the seven tip lines and lays them out whole.
    void ShowTips(const std::array<std::string, 7>& tips);
    void LayoutTips();
    void ShowRowFigures(QLabel* loadLabel, QLabel* sfLabel, advice::RigGrade grade, double load,
                        double sf, uint8_t metric);

    uint8_t FHelpOpen = 0;
    int FAlphaBlendValue = 255;
};

// Sets a label's text colour / background colour through its palette.
void SetFontColor(QLabel* label, const QColor& colour);
void SetBackgroundColor(QWidget* widget, const QColor& colour);
QColor FontColor(const QLabel* label);
QColor BackgroundColor(const QWidget* widget);
