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

class QFrame;
class QLabel;
class QPushButton;

// Grade colours, the bounds of the rig's safety level: below 5 red, below 7
// yellow, from 7 green.
inline const QColor GradeRed{0xFF, 0x00, 0x00};
inline const QColor GradeYellow{0xFF, 0xFF, 0x00};
inline const QColor GradeGreen{0x00, 0x80, 0x00};

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
    enum Row { GridFront, GridRear, CabinetFront, CabinetRear };

    void SetAlphaBlend(int value);
    void SetClientHeight(int h);
    void SetTips(std::initializer_list<int> adviceNumbers);
    void SetTipTexts(std::initializer_list<QString> texts);
    void ClearTips();
    bool AnyRowMarked() const;
    // The grade colour of a safety factor; a factor that is not a number
    // counts as unsafe.
    static QColor Grade(double sf);
    void ShowRowFigures(QLabel* loadLabel, QLabel* sfLabel, const QColor& colour, double load,
                        double sf, uint8_t metric);

    uint8_t FHelpOpen = 0;
    int FAlphaBlendValue = 255;
    std::array<bool, 4> FMarked{};
};

// Sets a label's text colour / background colour through its palette.
void SetFontColor(QLabel* label, const QColor& colour);
void SetBackgroundColor(QWidget* widget, const QColor& colour);
QColor FontColor(const QLabel* label);
QColor BackgroundColor(const QWidget* widget);
