// The main window's side of its three dialogs: the plane calculator buttons
// and the calculator's take-over, the venue survey and the sub stack, with
// the buttons of the venue page that open them.

#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QRadioButton>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/background1.h"
#include "app/form_venue_values.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "platform/qtapp/connect.h"
#include "app/mechwarnform.h"
#include "app/rthetaxytool.h"
#include "app/rules/venue_page_layout.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/rules/ear_height.h"
#include "app/window_places.h"

namespace {

// Modal results of the dialogs.
constexpr int kResultApply = 1;
constexpr int kResultRemove = 3;

QPushButton* SmallButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int w) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Never narrower than its caption with the button's margins.
    const int need = b->fontMetrics().horizontalAdvance(caption) +
                     2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    b->setGeometry(x, y, std::max(w, need), 22);
    return b;
}

double EditNumber(const QLineEdit* edit) {
    double v = 0.0;
    const std::string text = edit->text().toStdString();
    if (!rtl::TryParseDouble(text, v))
        throw rtl::RuntimeError(1, "'" + text + "' is not a valid floating point value");
    return v;
}

}  // namespace

void TForm1::BuildDialogButtons() {
    // Beside the plane edits of the venue page.
    const QString calcHint =
        QStringLiteral("Click to open distance-and-angle to length-and-height calculator");
    namespace page = rules::venuepage;
    // A button in the cell of `edit`'s value, after the edit.
    const auto besideEdit = [this](const char* name, const QString& caption, const QLineEdit* edit) {
        const int x = edit->x() - page::kEditOffset + page::kCellButtonOffset;
        return SmallButton(VenueTab, name, caption, x, edit->y(), page::kCellButtonWidth);
    };
    BitBtn6 = besideEdit("BitBtn6", QStringLiteral("R-A"), P1Length);
    BitBtn4 = besideEdit("BitBtn4", QStringLiteral("R-A"), P2Length);
    BitBtn5 = besideEdit("BitBtn5", QStringLiteral("R-A"), P3Length);
    for (QPushButton* b : {BitBtn6, BitBtn4, BitBtn5}) b->setToolTip(calcHint);
    BitBtn8 = besideEdit("BitBtn8", QStringLiteral("... "), P2elev);
    BitBtn8->setToolTip(QStringLiteral("Venue Survey"));
    AddsubsBut = SmallButton(VenueTab, "AddsubsBut", QStringLiteral("Add Subs"), page::kAddSubs.Left,
                             page::kAddSubs.Top, page::kAddSubs.Width);
    AddsubsBut->hide();  // shown for ground-stacked arrays only

    qtapp::OnButtonClick(BitBtn6, this, [this] { BitBtn6Click(); });
    qtapp::OnButtonClick(BitBtn4, this, [this] { BitBtn4Click(); });
    qtapp::OnButtonClick(BitBtn5, this, [this] { BitBtn5Click(); });
    qtapp::OnButtonClick(BitBtn8, this, [this] { BitBtn8Click(); });
    qtapp::OnButtonClick(AddsubsBut, this, [this] { AddsubsButClick(); });
}

// --- companions ----------------------------------------------------------------

void TForm1::AdoptCompanion(QWidget* companion) {
    if (companion == nullptr || companion->parentWidget() == this) return;
    // The flags keep it a window of its own kind; a window parented to
    // this one is transient for it.  Re-parenting hides it.
    const bool shown = companion->isVisible();
    companion->setParent(this, companion->windowFlags());
    if (shown) companion->show();
    FCompanions.emplace_back(companion);
}

void TForm1::SetWarningsWindow(Tmechwarn* window) {
    FWarnings = window;
    AdoptCompanion(window);
}

void TForm1::SetDialogs(TForm3* calculator, TSurveyForm* survey, Tssform* subStack) {
    FCalculator = calculator;
    FSurvey = survey;
    FSubStack = subStack;
    for (QWidget* companion : std::initializer_list<QWidget*>{calculator, survey, subStack})
        AdoptCompanion(companion);
    if (FCalculator) {
        // The calculator may outlive this window.
        QPointer<TForm1> self(this);
        FCalculator->TakePlane = [self](int plane) {
            if (!self) return;
            switch (plane) {
            case 1: self->TakePlane1Calc(); break;
            case 2: self->TakePlane2Calc(); break;
            case 3: self->TakePlane3Calc(); break;
            default: break;
            }
        };
    }
}

// --- plane calculators ----------------------------------------------------------

QPoint TForm1::CalculatorFirstPlace() const {
    // Above the venue page's right end, clear of the plane values the
    // calculator works on and of the tool bar.
    const QMargins frame = windowplaces::FrameRoom(*FCalculator);
    const QPoint pageTopRight = PageControl1->mapToGlobal(QPoint(PageControl1->width(), 0));
    const QPoint at(pageTopRight.x() - frame.right() - FCalculator->width() - 8,
                    pageTopRight.y() - frame.bottom() - FCalculator->height() - 8);
    const QScreen* s = screen();
    return s ? windowplaces::KeptInside(at, FCalculator->size(), frame, s->availableGeometry()) : at;
}

void TForm1::ShowCalculatorForm() {
    if (!FCalculator) return;
    // Placed once; from then on it opens where the user last left it.
    if (!FCalculator->testAttribute(Qt::WA_Moved)) FCalculator->move(CalculatorFirstPlace());
    windowplaces::ShowCompanion(*FCalculator);
}

namespace {

// Each plane's length and height edits, planes 1 to 3.
struct PlaneEdits {
    QLineEdit* TForm1::*length;
    QLineEdit* TForm1::*height;
};
constexpr PlaneEdits kPlaneEdits[] = {{&TForm1::P1Length, &TForm1::P1Height},
                                      {&TForm1::P2Length, &TForm1::P2Height},
                                      {&TForm1::P3Length, &TForm1::P3Height}};
constexpr int kPlanes = static_cast<int>(std::size(kPlaneEdits));

// The plane's length and height as its edits show them.
std::pair<double, double> PlanePoint(TForm1& w, int plane) {
    const PlaneEdits& edits = kPlaneEdits[plane - 1];
    return {EditNumber(w.*edits.length), EditNumber(w.*edits.height)};
}

void OpenCalculator(TForm1& w, int plane) {
    if (!w.FCalculator) return;
    const auto [x, y] = PlanePoint(w, plane);
    w.ShowCalculatorForm();
    w.FCalculator->SetPoint(plane, w.FMetric == 1, x, y);
}

}  // namespace

void TForm1::HandPlaneToCalculator() {
    if (!FCalculator) return;
    const int plane = FCalculator->PlaneNumber;
    if (plane < 1 || plane > kPlanes) return;
    const auto [x, y] = PlanePoint(*this, plane);
    FCalculator->SetPoint(plane, FMetric == 1, x, y);
}

void TForm1::BitBtn6Click() { OpenCalculator(*this, 1); }
void TForm1::BitBtn4Click() { OpenCalculator(*this, 2); }
void TForm1::BitBtn5Click() { OpenCalculator(*this, 3); }

namespace {

using venuevalues::Length;

// Lengths a plane tool hands over are taken as the window takes any value
// from outside (venuevalues::TakenLength): all are checked before any is
// kept; a refused one is named as the venue page names it.  The
// recalculation then writes their edits, as it writes every length.
void TakeLengths(TForm1& w, std::initializer_list<std::pair<Length, double>> values) {
    std::vector<double> taken;
    for (const auto& [id, metres] : values) {
        taken.push_back(venuevalues::TakenLength(w, venuevalues::Row(id), metres));
    }
    auto kept = taken.begin();
    for (const auto& value : values) w.*venuevalues::Row(value.first).Field = *kept++;
    w.Recalculate();
}

void TakePlane(TForm1& w, Length length, Length height) {
    if (!w.FCalculator) return;
    const double factor = w.FMetric == 1 ? 1.0 : units::kMetresPerFoot;
    TakeLengths(w, {{length, w.FCalculator->PointX * factor}, {height, w.FCalculator->PointY * factor}});
}

}  // namespace

void TForm1::TakePlane1Calc() { TakePlane(*this, Length::P1Length, Length::P1Height); }
void TForm1::TakePlane2Calc() { TakePlane(*this, Length::P2Length, Length::P2Height); }
void TForm1::TakePlane3Calc() { TakePlane(*this, Length::P3Length, Length::P3Height); }

// --- venue survey ---------------------------------------------------------------------

void TForm1::BitBtn8Click() {
    if (!FSurvey) return;
    FSurvey->move(x() + (width() - FSurvey->width()) / 2, y() + height() / 4);
    FSurvey->Setup(FMetric == 1, FP1Length, FP1Height, FP2Length, FP2Height, FP2Elev, FP3Length,
                   FP3Height, FP3Elev, FP3Dist);
    if (FSurvey->exec() != kResultApply) return;
    double p1l = 0, p1h = 0, p2l = 0, p2h = 0, p2e = 0, p3l = 0, p3h = 0, p3e = 0, p3d = 0;
    FSurvey->GetResults(p1l, p1h, p2l, p2h, p2e, p3l, p3h, p3e, p3d);
    TakeLengths(*this, {{Length::P1Length, p1l},
                        {Length::P1Height, p1h},
                        {Length::P2Length, p2l},
                        {Length::P2Height, p2h},
                        {Length::P2Elev, p2e},
                        {Length::P3Length, p3l},
                        {Length::P3Height, p3h},
                        {Length::P3Elev, p3e},
                        {Length::P3Dist, p3d}});
}

// --- sub stack -----------------------------------------------------------------------------

bool TForm1::Plane1Seated() const {
    return P1sit->isChecked();
}

void TForm1::AddsubsButClick() {
    if (!FSubStack) return;
    FSubStack->Setup(FMetric == 1, FArrayType == "Arvo");
    const int result = FSubStack->exec();
    if (result == kResultApply) {
        if (FSubStack->OnFloor)
            FArrayHeight = FSubStack->StackHeight;
        else
            FArrayHeight += FSubStack->StackHeight;
    } else if (result == kResultRemove) {
        if (FArrayHeight > FSubStack->StackHeight) FArrayHeight -= FSubStack->StackHeight;
    } else {
        // Cancelled or closed: the window keeps every value, a custom ear
        // height included.
        return;
    }
    FP1EarHeight = rules::StackedEarHeight(FArrayHeight, rules::SeatedOrStanding(Plane1Seated()));
    // The recalculation writes the array height's edit.
    Recalculate();
}
