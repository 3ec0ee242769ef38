#pragma once
// The sub stack dialog: a stack of subwoofer cabinets under a ground-stacked
// array.  Made once at start-up and kept, with its choices, between showings.
//
// Modal results: 1 for "Stack subs on stage" and "Stack subs on floor"
// (OnFloor tells them apart), 3 for "Remove from Stage Height", 2 for
// "Cancel".  StackHeight is written only by the first three.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qtapp {
class UpDown;
enum class UDBtnType;
}  // namespace qtapp

class Tssform : public QDialog {
public:
    explicit Tssform(QWidget* owner = nullptr);

    // Before each showing: the main window's metric flag (kept, no effect:
    // the stack height is always shown in metres) and whether the array
    // hangs its cabinets two wide.
    void Setup(bool unitsFlag, bool twoWide);

    double StackHeight = 0.0;     // metres, set by the closing buttons
    double SubUnitHeight = 0.0;   // metres, one cabinet of the chosen model
    bool OnFloor = false;         // "Stack subs on floor" was chosen
    int NumSubs = 1;              // kept between showings
    bool UnitsFlag = true;

    // Handlers.
    void UpDown1Click(qtapp::UDBtnType button);
    void jumoradClick();
    void katoradClick();
    void ruddradClick();
    void hobaradClick();
    void BitBtn1Click();  // on stage
    void Button1Click();  // on floor
    void BitBtn3Click();  // remove from stage height
    void BitBtn2Click();  // cancel

    QRadioButton* jumorad;
    QRadioButton* katorad;
    QRadioButton* ruddrad;
    QRadioButton* hobarad;
    QLabel* Label1;
    QLineEdit* Edit1;
    qtapp::UpDown* UpDown1;
    QLabel* Label2;
    QLabel* subheightlab;
    QPushButton* BitBtn1;
    QPushButton* Button1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn2;

private:
    void ShowStackHeight();
};
