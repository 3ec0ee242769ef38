// The venue page's values: the heights, the coverage points and the three
// audience planes, each an edit with its caption and its up/down, and the
// ear height above each plane.  The values are held in metres in the
// window's fields; the edits show them in the unit system.  The edits are
// outputs once a design has started: the up/downs change the values and
// each edit's change handler writes its stored value back.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "app/background1.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/updown.h"
#include "app/rules/venue_steps.h"

namespace {

constexpr double kSeated = 1.4;
constexpr double kStanding = 1.8;

// What a value's up/down does besides its step.
enum class After {
    None,
    RewriteP2elev,   // plane-1 height: the plane-2 elevation's edit too
    RewriteP1Height, // plane-2 elevation: the plane-1 height's edit too
    Plane2Gone,      // plane-2 length below a step: stop at plane 1, no plane 3
    Plane3Gone,      // plane-3 length below a step: stop at the end of plane 2
    Plane3Flat,      // plane-3 height 0: coverage stop not beyond plane 2
};

// A venue value: its edit, caption and first text, its up/down with the
// up/down's range and first position, its field, step and rules.
struct ValueSpec {
    QLineEdit* TForm1::*edit;
    const char* name;
    const char* caption;
    const char* text;
    qtapp::UpDown* TForm1::*upDown;
    const char* upDownName;
    int min, max, position;
    double TForm1::*value;
    double TForm1::*step;
    rules::StepFloor floor;
    After after;
};

using F = rules::StepFloor;
constexpr ValueSpec kValues[] = {
    {&TForm1::MaxPickHeight, "MaxPickHeight", "Max pick height", "20", &TForm1::maxpickupdn,
     "maxpickupdn", 8, 1000, 8, &TForm1::FMaxPickHeight, &TForm1::FHeightStep, F::None, After::None},
    {&TForm1::MinTrimHeight, "MinTrimHeight", "Min trim height", "3", &TForm1::mintrimupdn,
     "mintrimupdn", 0, 1000, 0, &TForm1::FMinTrimHeight, &TForm1::FHeightStep, F::None, After::None},
    {&TForm1::ArrayHeight, "ArrayHeight", "Array height", "6", &TForm1::arrhupdn, "arrhupdn", 0,
     1000, 200, &TForm1::FArrayHeight, &TForm1::FHeightStep, F::None, After::None},
    {&TForm1::CovStart, "CovStart", "Coverage start", "1", &TForm1::covstartupdn, "covstartupdn", 0,
     1000, 40, &TForm1::FCovStart, &TForm1::FCoverageStep, F::ZeroBelowZero, After::None},
    {&TForm1::CovStop, "CovStop", "Coverage stop", "80", &TForm1::covstopupdn, "covstopupdn", 4,
     1000, 4, &TForm1::FCovStop, &TForm1::FCoverageStep, F::None, After::None},
    {&TForm1::P1Length, "P1Length", "Plane 1 length", "60", &TForm1::P1Lupdn, "P1Lupdn", 0, 1000, 0,
     &TForm1::FP1Length, &TForm1::FCoverageStep, F::None, After::None},
    {&TForm1::P1Height, "P1Height", "Plane 1 height", "0", &TForm1::P1Hupdn, "P1Hupdn", -100, 200,
     0, &TForm1::FP1Height, &TForm1::FHeightStep, F::None, After::RewriteP2elev},
    {&TForm1::P2Length, "P2Length", "Plane 2 length", "20", &TForm1::P2Lupdn, "P2Lupdn", 0, 1000,
     200, &TForm1::FP2Length, &TForm1::FCoverageStep, F::None, After::Plane2Gone},
    {&TForm1::P2Height, "P2Height", "Plane 2 height", "4", &TForm1::P2Hupdn, "P2Hupdn", 0, 1000, 12,
     &TForm1::FP2Height, &TForm1::FHeightStep, F::ZeroBelowOneStep, After::None},
    {&TForm1::P2elev, "P2elev", "Plane 2 elevation", "0", &TForm1::P2elevupdn, "P2elevupdn", -100,
     1000, 12, &TForm1::FP2Elev, &TForm1::FHeightStep, F::None, After::RewriteP1Height},
    {&TForm1::P3Length, "P3Length", "Plane 3 length", "13", &TForm1::P3Lupdn, "P3Lupdn", 0, 1000,
     200, &TForm1::FP3Length, &TForm1::FCoverageStep, F::None, After::Plane3Gone},
    {&TForm1::P3Height, "P3Height", "Plane 3 height", "0", &TForm1::P3Hupdn, "P3Hupdn", 0, 1000, 12,
     &TForm1::FP3Height, &TForm1::FHeightStep, F::ZeroBelowOneStep, After::Plane3Flat},
    {&TForm1::p3elev, "p3elev", "Plane 3 elevation", "0", &TForm1::P3elevupdn, "P3elevupdn", 0,
     1000, 12, &TForm1::FP3Elev, &TForm1::FHeightStep, F::ZeroBelowOneStep, After::None},
    {&TForm1::P3dist, "P3dist", "Plane 3 distance", "80", &TForm1::P3distupdn, "P3distupdn", 0,
     1000, 10, &TForm1::FP3Dist, &TForm1::FCoverageStep, F::None, After::None},
};

constexpr int kRowsPerColumn = 5;
constexpr int kColumnsLeft = 638;
constexpr int kColumnWidth = 206;
constexpr int kRowHeight = 24;

// The ear-height choice of one plane.
struct EarSpec {
    const char* title;
    QRadioButton* TForm1::*sit;
    const char* sitName;
    QRadioButton* TForm1::*stand;
    const char* standName;
    QRadioButton* TForm1::*cust;
    const char* custName;
    QLineEdit* TForm1::*edit;
    const char* editName;
    const char* text;
    qtapp::UpDown* TForm1::*upDown;
    const char* upDownName;
};

constexpr EarSpec kEars[] = {
    {"Plane 1 ear height", &TForm1::P1sit, "P1sit", &TForm1::P1stand, "P1stand", &TForm1::P1cust,
     "P1cust", &TForm1::P1custedit, "P1custedit", "1.8", &TForm1::p1custupdn, "p1custupdn"},
    {"Plane 2 ear height", &TForm1::P2sit, "P2sit", &TForm1::P2stand, "P2stand", &TForm1::P2cust,
     "P2cust", &TForm1::p2custedit, "p2custedit", "1.4", &TForm1::p2custupdn, "p2custupdn"},
    {"Plane 3 ear height", &TForm1::P3sit, "P3sit", &TForm1::P3stand, "P3stand", &TForm1::P3cust,
     "P3cust", &TForm1::p3custedit, "p3custedit", "1.4", &TForm1::P3custupdn, "P3custupdn"},
};

constexpr formbuild::On<QRadioButton> kEarHandlers[] = {
    {&TForm1::P1sit, &TForm1::P1sitClick},   {&TForm1::P1stand, &TForm1::P1sitClick},
    {&TForm1::P1cust, &TForm1::P1custClick}, {&TForm1::P2sit, &TForm1::P2sitClick},
    {&TForm1::P2stand, &TForm1::P2sitClick}, {&TForm1::P2cust, &TForm1::P2custClick},
    {&TForm1::P3sit, &TForm1::P3sitClick},   {&TForm1::P3stand, &TForm1::P3sitClick},
    {&TForm1::P3cust, &TForm1::P3custClick},
};

constexpr formbuild::On<qtapp::UpDown> kCustomUpDownHandlers[] = {
    {&TForm1::p1custupdn, &TForm1::p1custupdnClick},
    {&TForm1::p2custupdn, &TForm1::p2custupdnClick},
    {&TForm1::P3custupdn, &TForm1::P3custupdnClick},
};

const ValueSpec* SpecOf(const TForm1& form, const qtapp::UpDown* upDown) {
    for (const ValueSpec& v : kValues)
        if (form.*v.upDown == upDown) return &v;
    return nullptr;
}

// Plain decimal text in metres, as the up/downs write it.
void WritePlain(QLineEdit* edit, double metres) {
    edit->setText(QString::fromStdString(rtl::FloatToStr(metres)));
}

}  // namespace

void TForm1::BuildVenuePage() {
    // In metres until a design starts; the values' own handlers format them.
    int i = 0;
    for (const ValueSpec& v : kValues) {
        const int col = i / kRowsPerColumn, row = i % kRowsPerColumn;
        const int x = kColumnsLeft + col * kColumnWidth, y = 4 + row * kRowHeight;
        // caption, up/down, edit
        formbuild::PlaceAt(new QLabel(formbuild::Text(v.caption), VenueTab), {x, y, 82, 20});
        QLineEdit* edit = formbuild::Make<QLineEdit>(VenueTab, v.name, v.text);
        edit->setFixedWidth(70);
        edit->move(x + 102, y);
        this->*v.edit = edit;
        auto* upDown = formbuild::Make<qtapp::UpDown>(VenueTab, v.upDownName);
        upDown->move(x + 83, y);
        upDown->SetRange(v.min, v.max);
        upDown->SetPosition(v.position);
        upDown->hide();  // shown once a design has started or a venue is loaded
        this->*v.upDown = upDown;
        ++i;
    }

    int p = 0;
    for (const EarSpec& e : kEars) {
        auto* box = new QGroupBox(formbuild::Text(e.title), VenueTab);
        box->setGeometry(kColumnsLeft + p * kColumnWidth, 126, 186, 84);
        this->*e.sit = formbuild::Make<QRadioButton>(box, e.sitName, "Seated");
        this->*e.stand = formbuild::Make<QRadioButton>(box, e.standName, "Standing");
        this->*e.cust = formbuild::Make<QRadioButton>(box, e.custName, "Custom");
        formbuild::PlaceAt(this->*e.sit, {6, 18, 84, 20});
        formbuild::PlaceAt(this->*e.stand, {6, 38, 84, 20});
        formbuild::PlaceAt(this->*e.cust, {6, 58, 84, 20});
        this->*e.edit = formbuild::Make<QLineEdit>(box, e.editName, e.text);
        (this->*e.edit)->setGeometry(96, 56, 50, 22);
        this->*e.upDown = formbuild::Make<qtapp::UpDown>(box, e.upDownName);
        (this->*e.upDown)->move(150, 56);
        (this->*e.upDown)->SetRange(0, 1000);
        (this->*e.upDown)->SetPosition(14);
        (this->*e.upDown)->setEnabled(false);
        ++p;
    }
    // The start's ear heights: standing on plane 1, seated on planes 2 and 3.
    P1stand->setChecked(true);
    P2sit->setChecked(true);
    P3sit->setChecked(true);

    // Handlers; the radios above were checked before, so ran none.
    for (const ValueSpec& v : kValues) {
        qtapp::UpDown* upDown = this->*v.upDown;
        if (v.upDown == &TForm1::arrhupdn)
            qtapp::OnUpDownClick(upDown, this, [this](qtapp::UDBtnType b) { StepArrayHeightClick(b); });
        else
            qtapp::OnUpDownClick(upDown, this,
                                 [this, upDown](qtapp::UDBtnType b) { VenueUpDownClick(upDown, b); });
        QLineEdit* edit = this->*v.edit;
        qtapp::OnEditChange(edit, this, [this, edit] { VenueEditChange(edit); });
    }
    // Leaving a custom ear height's edit rewrites the plane-2 elevation.
    for (QLineEdit* edit : {P1custedit, p2custedit})
        qtapp::OnEditChange(edit, this, [this] { VenueEditChange(P2elev); });
    formbuild::Connect(*this, kEarHandlers);
    formbuild::Connect(*this, kCustomUpDownHandlers);
    for (QRadioButton* r : {P1sit, P1stand, P2sit, P2stand, P3sit, P3stand})
        qtapp::OnButtonClick(r, this, [this] { P1sitMouseUp(); });
    // Leaving these three hands the ear heights to the venue.
    for (QRadioButton* r : {P2stand, P3sit, P3stand})
        qtapp::OnFocusOut(r, [this] {
            if (FReady) UpdateVenueActionExecute();
        });
}

// --- up/downs -------------------------------------------------------------------

void TForm1::VenueUpDownClick(qtapp::UpDown* upDown, qtapp::UDBtnType button) {
    const ValueSpec* v = SpecOf(*this, upDown);
    if (v == nullptr) return;
    const int direction = button == qtapp::UDBtnType::Next ? 1 : -1;
    const double step = this->*v->step;
    double& value = this->*v->value;
    value = rules::StepValue(value, step, direction, v->floor);

    switch (v->after) {
    case After::None:
    case After::RewriteP2elev:
    case After::RewriteP1Height: break;
    case After::Plane2Gone:
        if (rules::BelowOneStep(FP2Length, FHeightStep)) {
            FCovStop = FP1Length;
            covstopupdn->SetPosition(rtl::Round(FCovStop / FCoverageStep));
            FP3Height = 0.0;
        }
        break;
    case After::Plane3Gone:
        if (rules::BelowOneStep(FP3Length, FHeightStep)) {
            FCovStop = FP1Length + FP2Length;
            covstopupdn->SetPosition(rtl::Round(FCovStop / FCoverageStep));
        }
        break;
    case After::Plane3Flat:
        if (FP1Length + FP2Length < FCovStop - rules::StepTolerance(FCoverageStep)) {
            FCovStop = FP1Length + FP2Length;
            covstopupdn->SetPosition(rtl::Round(FCovStop / FCoverageStep));
        }
        break;
    }
    Recalculate();
    WritePlain(this->*v->edit, value);
    if (v->after == After::RewriteP2elev) WritePlain(P2elev, FP2Elev);
    if (v->after == After::RewriteP1Height) WritePlain(P1Height, FP1Height);
}

void TForm1::StepArrayHeightClick(qtapp::UDBtnType button) {
    const int direction = button == qtapp::UDBtnType::Next ? 1 : -1;
    FArrayHeight = rules::StepArrayHeight(FArrayHeight, FHeightStep, direction, FRigMode,
                                          FVenue->LowestHeight, FP1EarHeight);
    WritePlain(ArrayHeight, FArrayHeight);
    // A ground stack's audience stands beside the stage: no ear above it.
    if (FRigMode == rules::kGroundStacked)
        FP1EarHeight = rules::Plane1EarHeight(FRigMode, FArrayHeight,
                                              P1sit->isChecked() ? kSeated : kStanding);
    Recalculate();
}

// --- ear heights ----------------------------------------------------------------

void TForm1::P1sitClick() {
    p1custupdn->setEnabled(false);
    const double chosen = P1sit->isChecked()     ? kSeated
                          : P1stand->isChecked() ? kStanding
                                                 : formbuild::EditNumber(P1custedit);
    FP1EarHeight = rules::Plane1EarHeight(FRigMode, FArrayHeight, chosen);
    FVenue->SeatedEarHeight = chosen;
    WritePlain(P1custedit, FP1EarHeight);
}

void TForm1::P2sitClick() {
    FP2EarHeight = P2sit->isChecked() ? kSeated : kStanding;
    p2custupdn->setEnabled(false);
    WritePlain(p2custedit, FP2EarHeight);
}

void TForm1::P3sitClick() {
    FP3EarHeight = P3sit->isChecked() ? kSeated : kStanding;
    WritePlain(p3custedit, FP3EarHeight);
    P3custupdn->setEnabled(false);
}

void TForm1::P1custClick() {
    p1custupdn->setEnabled(true);
    const double chosen = formbuild::EditNumber(P1custedit);
    FP1EarHeight = rules::Plane1EarHeight(FRigMode, FArrayHeight, chosen);
    FVenue->SeatedEarHeight = chosen;
}

void TForm1::P2custClick() {
    p2custupdn->setEnabled(true);
    FP2EarHeight = formbuild::EditNumber(p2custedit);
    WritePlain(p2custedit, FP2EarHeight);
}

void TForm1::P3custClick() {
    P3custupdn->setEnabled(true);
    FP3EarHeight = P3sit->isChecked()     ? kSeated
                   : P3stand->isChecked() ? kStanding
                                          : formbuild::EditNumber(p3custedit);
    WritePlain(p3custedit, FP3EarHeight);
}

namespace {

int DirectionOf(qtapp::UDBtnType b) { return b == qtapp::UDBtnType::Next ? 1 : -1; }

}  // namespace

void TForm1::p1custupdnClick(qtapp::UDBtnType button) {
    FP1EarHeight = rules::StepValue(FP1EarHeight, FHeightStep, DirectionOf(button),
                                    rules::StepFloor::ZeroBelowOneStep);
    Recalculate();
    WritePlain(P1custedit, FP1EarHeight);
}

void TForm1::p2custupdnClick(qtapp::UDBtnType button) {
    FP2EarHeight = rules::StepValue(FP2EarHeight, FHeightStep, DirectionOf(button),
                                    rules::StepFloor::ZeroBelowOneStep);
    Recalculate();
    WritePlain(p2custedit, FP2EarHeight);
}

void TForm1::P3custupdnClick(qtapp::UDBtnType button) {
    FP3EarHeight = rules::StepValue(FP3EarHeight, FHeightStep, DirectionOf(button),
                                    rules::StepFloor::ZeroBelowOneStep);
    Recalculate();
    WritePlain(p3custedit, FP3EarHeight);
}

void TForm1::P1sitMouseUp() {
    if (FNoDesign == 0) Recalculate();
}

void TForm1::UpdateVenueActionExecute() { Recalculate(); }

// --- the edits ------------------------------------------------------------------

void TForm1::VenueEditChange(QLineEdit* edit) {
    if (FNoDesign != 0) return;
    for (const ValueSpec& v : kValues) {
        if (this->*v.edit != edit) continue;
        const double shown = FMetric == 1 ? this->*v.value : this->*v.value / units::kMetresPerFoot;
        const QString text = QString::fromStdString(rtl::FormatFixed(shown, 5, 1));
        if (edit->text() != text) edit->setText(text);
        return;
    }
}

void TForm1::NumBoxesChange() {
    const QString text = QString::fromStdString(rtl::IntToStr(FNumBoxes1));
    if (NumBoxes->text() != text) NumBoxes->setText(text);
}

void TForm1::ShowDesignControls() {
    for (const ValueSpec& v : kValues) (this->*v.upDown)->show();
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut, HelpTBut, tbauto, tbman}) b->show();
    ArrangeToolBar();
}

// --- the second splay grid ------------------------------------------------------

void TForm1::BexaStrGridSelectCell(int row) {
    FSelElement = FNumBoxes2 == 0 ? row : row + FNumBoxes1;
    const std::string n = rtl::IntToStr(FSelElement + 1);
    FStatusText = FAutoDesign == 1
                      ? "AUTO-CALCULATED CABINET " + n + " selected"
                      : "CABINET " + n +
                            " selected - First position cursor in top half of screen then use left "
                            "and right mouse buttons to increase/decrease splay angles";
}
