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

#include <iterator>

#include "app/background1.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/updown.h"
#include "app/form_venue_values.h"
#include "app/rules/array_height.h"
#include "app/rules/ear_height.h"
#include "app/rules/venue_page_layout.h"
#include "app/rules/venue_steps.h"

namespace {

using venuevalues::After;
using venuevalues::kLengths;
using venuevalues::LengthRow;

namespace page = rules::venuepage;
static_assert(std::size(kLengths) == page::kValueCount);

// The values' captions that the window keeps: the rig mode sets their
// texts (the array controls' set-up, the flown and stacked choices).
struct NamedCaption {
    QLineEdit* TForm1::*edit;
    QLabel* TForm1::*label;
    const char* name;
};
constexpr NamedCaption kNamedCaptions[] = {
    {&TForm1::ArrayHeight, &TForm1::Label22, "Label22"},
    {&TForm1::MaxPickHeight, &TForm1::Label2, "Label2"},
    {&TForm1::MinTrimHeight, &TForm1::Label3, "Label3"},
};

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

// Plain decimal text in metres, as the up/downs write it.
void WritePlain(QLineEdit* edit, double metres) {
    edit->setText(QString::fromStdString(rtl::FloatToStr(metres)));
}

}  // namespace

void TForm1::BuildVenuePage() {
    // In metres until a design starts; the values' own handlers format them.
    int i = 0;
    for (const LengthRow& v : kLengths) {
        const rules::Box cell = page::ValueCell(i);
        const int x = cell.Left, y = cell.Top;
        // caption, up/down, edit
        auto* caption = new QLabel(formbuild::Text(v.Caption), VenueTab);
        formbuild::PlaceAt(caption, {x, y, page::kCaptionWidth, page::kCellHeight});
        for (const NamedCaption& c : kNamedCaptions)
            if (c.edit == v.Edit) this->*c.label = formbuild::Named(caption, c.name);
        QLineEdit* edit = formbuild::Make<QLineEdit>(VenueTab, v.EditName, v.StartText);
        edit->setGeometry(x + page::kEditOffset, y, page::kEditWidth, page::kCellHeight);
        this->*v.Edit = edit;
        auto* upDown = formbuild::Make<qtapp::UpDown>(VenueTab, v.UpDownName);
        upDown->move(x + page::kUpDownOffset, y);
        upDown->SetRange(v.Min, v.Max);
        upDown->SetPosition(v.Position);
        upDown->hide();  // shown once a design has started or a venue is loaded
        this->*v.UpDown = upDown;
        ++i;
    }

    int p = 0;
    for (const EarSpec& e : kEars) {
        auto* box = new QGroupBox(formbuild::Text(e.title), VenueTab);
        const rules::Box group = page::EarGroup(p);
        box->setGeometry(group.Left, group.Top, group.Width, group.Height);
        // Seated and standing side by side, custom with its value under them.
        this->*e.sit = formbuild::Make<QRadioButton>(box, e.sitName, "Seated");
        this->*e.stand = formbuild::Make<QRadioButton>(box, e.standName, "Standing");
        this->*e.cust = formbuild::Make<QRadioButton>(box, e.custName, "Custom");
        formbuild::PlaceAt(this->*e.sit, {6, 18, 78, 20});
        formbuild::PlaceAt(this->*e.stand, {90, 18, 90, 20});
        formbuild::PlaceAt(this->*e.cust, {6, 41, 78, 20});
        this->*e.edit = formbuild::Make<QLineEdit>(box, e.editName, e.text);
        (this->*e.edit)->setGeometry(90, 41, 50, 20);
        this->*e.upDown = formbuild::Make<qtapp::UpDown>(box, e.upDownName);
        (this->*e.upDown)->move(144, 41);
        (this->*e.upDown)->SetRange(venuevalues::kEarHeightMin, venuevalues::kEarHeightMax);
        (this->*e.upDown)->SetPosition(14);
        (this->*e.upDown)->setEnabled(false);
        ++p;
    }
    // The start's ear heights: standing on plane 1, seated on planes 2 and 3.
    P1stand->setChecked(true);
    P2sit->setChecked(true);
    P3sit->setChecked(true);

    // Handlers; the radios above were checked before, so ran none.
    for (const LengthRow& v : kLengths) {
        qtapp::UpDown* upDown = this->*v.UpDown;
        if (v.Id == venuevalues::Length::ArrayHeight)
            qtapp::OnUpDownClick(upDown, this, [this](qtapp::UDBtnType b) { StepArrayHeightClick(b); });
        else
            qtapp::OnUpDownClick(upDown, this,
                                 [this, upDown](qtapp::UDBtnType b) { VenueUpDownClick(upDown, b); });
        QLineEdit* edit = this->*v.Edit;
        qtapp::OnEditChange(edit, this, [this, edit] { VenueEditChange(edit); });
    }
    // Leaving a custom ear height's edit rewrites the plane-2 elevation.
    for (QLineEdit* edit : {P1custedit, p2custedit})
        qtapp::OnEditChange(edit, this, [this] { VenueEditChange(P2elev); });
    formbuild::Connect(*this, kEarHandlers);
    formbuild::Connect(*this, kCustomUpDownHandlers);
    for (QRadioButton* r : {P1sit, P1stand, P2sit, P2stand, P3sit, P3stand})
        qtapp::OnButtonClick(r, this, [this] { P1sitMouseUp(); });
    // Leaving these three hands the ear heights to the venue, once a design
    // has started: before that a recalculation would write the stored values
    // over what the user has typed and not yet taken with Design.
    for (QRadioButton* r : {P2stand, P3sit, P3stand})
        qtapp::OnFocusOut(r, [this] {
            if (FReady && FNoDesign == 0) UpdateVenueActionExecute();
        });
}

// --- up/downs -------------------------------------------------------------------

void TForm1::VenueUpDownClick(qtapp::UpDown* upDown, qtapp::UDBtnType button) {
    const LengthRow* v = venuevalues::RowOfUpDown(*this, upDown);
    if (v == nullptr) return;
    const int direction = button == qtapp::UDBtnType::Next ? 1 : -1;
    const double step = venuevalues::StepOf(*this, *v);
    double& value = this->*v->Field;
    value = rules::StepValue(value, step, direction, v->Floor);

    switch (v->AfterStep) {
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
    WritePlain(this->*v->Edit, value);
    if (v->AfterStep == After::RewriteP2elev) WritePlain(P2elev, FP2Elev);
    if (v->AfterStep == After::RewriteP1Height) WritePlain(P1Height, FP1Height);
}

void TForm1::StepArrayHeightClick(qtapp::UDBtnType button) {
    const int direction = button == qtapp::UDBtnType::Next ? 1 : -1;
    // A ground stack's audience stands beside the stage: no ear above it.
    const rules::ArrayHeightStep r =
        rules::StepArrayHeight(FArrayHeight, FHeightStep, direction, FRigMode,
                               FVenue->LowestHeight, FP1EarHeight, P1sit->isChecked());
    FArrayHeight = r.ArrayHeight;
    WritePlain(ArrayHeight, FArrayHeight);
    FP1EarHeight = r.P1EarHeight;
    Recalculate();
}

// --- ear heights ----------------------------------------------------------------

void TForm1::P1sitClick() {
    p1custupdn->setEnabled(false);
    const double chosen = venuevalues::ChosenEarHeight(P1sit, P1stand, P1custedit);
    FP1EarHeight = rules::Plane1EarHeight(FRigMode, FArrayHeight, chosen);
    FVenue->SeatedEarHeight = chosen;
    WritePlain(P1custedit, FP1EarHeight);
}

void TForm1::P2sitClick() {
    FP2EarHeight = rules::SeatedOrStanding(P2sit->isChecked());
    p2custupdn->setEnabled(false);
    WritePlain(p2custedit, FP2EarHeight);
}

void TForm1::P3sitClick() {
    FP3EarHeight = rules::SeatedOrStanding(P3sit->isChecked());
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
    FP3EarHeight = venuevalues::ChosenEarHeight(P3sit, P3stand, p3custedit);
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
    const LengthRow* v = venuevalues::RowOfEdit(*this, edit);
    if (v == nullptr) return;
    const double metres = this->*v->Field;
    const double shown = FMetric == 1 ? metres : metres / units::kMetresPerFoot;
    const QString text = QString::fromStdString(rtl::FormatFixed(shown, 5, 1));
    if (edit->text() != text) edit->setText(text);
}

void TForm1::NumBoxesChange() {
    const QString text = QString::fromStdString(rtl::IntToStr(FNumBoxes1));
    if (NumBoxes->text() != text) NumBoxes->setText(text);
}

void TForm1::ShowDesignControls() {
    for (const LengthRow& v : kLengths) (this->*v.UpDown)->show();
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut, HelpTBut}) b->show();
    ShowDesignModeButtons(PageControl1->currentWidget() != ProcessorTab);
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
