// The four routines every change of the main window ends in.  The paint
// road that lays out and draws the active page is the picture's
// (form_picture.cpp).

#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QTabWidget>
#include <QScreen>
#include <QWindow>

#include "app/background1.h"
#include "app/form_venue_values.h"
#include "platform/core/checked.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "model/hardware/units.h"
#include "app/mechwarnform.h"
#include "model/drawings/lift_bar_reading.h"
#include "app/window_places.h"
#include "venue/model/venue.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/picturebox.h"
#include "app/venue_picture.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TForm1::PassValuesToVenue() {
    MarkModified();
    FVenue->SetVenueData(venuevalues::FromWindow(*this));
}

// Both ask for the page's paint once they have done their work: a road that
// failed has shown its error, and a paint would only run into it again.
void TForm1::Recalculate() {
    PassValuesToVenue();
    if (FNoDesign == 0) ShowRiggingLoads();
    FVenueImage->SetSize(image1->width(), image1->height());
    DrawVenueInto(Panel1->width(), Panel1->height(), false, FSelElement, false);
    image1->SetPicture(FVenueImage->Image());
    SetupArrayControls();
    RequestRepaint();
}

// What the Array and the Patch page draw is the array the window holds, also
// before the first design, when a type or count choice recalculates nothing.
void TForm1::HandWindowToVenue() {
    SetupTypeRigging();
    PassValuesToVenue();
    FVenue->UpdateArrayAngles();
}

void TForm1::RedrawWithAngles() {
    PassValuesToVenue();
    FVenue->UpdateArrayAngles();
    ShowAngles();
}

void TForm1::ShowAngles() {
    if (FNoDesign == 1) {
        RequestRepaint();
        return;
    }
    ShowRiggingLoads();
    DrawVenueInto(image1->width(), image1->height(), true, FSelElement, false);

    const bool metric = FMetric != 0;
    auto length = [metric](double metres) { return units::LengthText(metres, metric, 4, 1); };
    Label77->setText(Q("Angle bottom of last box with Hor " +
                       rtl::FormatFixed(FReadout->BottomAngle(), 4, 1) + " deg"));
    Label4->setText(Q("Highest point on grid (X) = " + length(FVenue->TopHeight)));
    Label5->setText(Q("Height of top Cab front edge (Y) = " +
                      length(FRigMode == 1 ? FVenue->ArrayHeight : FVenue->TopHeight)));
    Label6->setText(Q("Height bottom Cab front edge (Z) = " + length(FVenue->LowestHeight)));
    RequestRepaint();
}

void TForm1::FillRigResults() {
    const std::array<double, 8> r = RigResultsInWindowOrder(FReadout->RigResults());
    for (int k = 0; k <= 7; ++k) FRigResults[k] = r[static_cast<std::size_t>(k)];
}

void TForm1::ShowRiggingLoads() {
    // A level the library never gives counts as unsafe.
    uint8_t level = FReadout->SafetyLevel();
    if (level > 2) level = 2;
    Image8->Fill(level == 2 ? QColor(0xFF, 0x00, 0x00)
                            : level == 1 ? QColor(0xFF, 0xFF, 0x00) : QColor(0x00, 0x80, 0x00));
    if (level == 2) {
        FillRigResults();
        if (FShowWarnings == 1) {
            FillRigResults();
            ShowWarningsWindow();
        }
    } else if (level == 1) {
        if (FShowWarnings == 1) {
            FillRigResults();
            ShowWarningsWindow();
        }
    } else {
        if (FWarnings != nullptr && FNoDesign == 0) FWarnings->close();
    }

    const bool metric = FMetric != 0;
    auto mass = [metric](double kg) { return units::MassText(kg, metric, 4, 0); };
    MTOTlab->setText(Q(mass(FReadout->Mass())));
    FFlab->setText(Q(mass(FReadout->FrontPickLoad())));
    FRlab->setText(Q(mass(FReadout->RearPickLoad())));

    // Only the Elka's reading takes its cabinet's offset off: no other type
    // needs the array's current cabinet here.
    const uint8_t code = FReadout->TypeCode();
    const TLiftBarReading lift =
        ReadLiftBar(FReadout->BestHole(), FReadout->LiftBarAngle(), code,
                    code == TypeCodeOf(TArrayType::Elka) ? FReadout->TopAngleOffset() : 0.0);
    bestholelab->setText(Q(lift.Hole));
    bestanglab->setText(Q(lift.Angle));
}

void TForm1::ShowWarningsWindow() {
    if (FWarnings == nullptr) return;
    Tmechwarn& w = *FWarnings;
    w.ShowWarnings(FMetric, FPickOption, FRigResults[0], FRigResults[1], FRigResults[4],
                   FRigResults[5], FRigResults[2], FRigResults[3], FRigResults[6], FRigResults[7],
                   FReadout->BestHole(), FRigMode);
    using rtl::CheckedAdd;
    using rtl::CheckedSub;
    if (PageControl1->currentWidget() == ArrayTab) {
        const int spare = CheckedSub(CheckedSub(width(), PageControl1->width()), w.width());
        const int left = CheckedAdd(CheckedAdd(x(), PageControl1->width()), spare / 2);
        const int top = CheckedAdd(y(), image1->height() / 3);
        w.move(left, top);
    } else if (PageControl1->currentWidget() == VenueTab) {
        const int left = CheckedAdd(x(), CheckedSub(image1->width(), w.width()) / 2);
        int top = CheckedAdd(y(), PagesToolBar->height());
        top = CheckedAdd(top, 30);
        top = CheckedAdd(top, CheckedSub(image1->height(), w.height()) / 2);
        w.move(left, top);
    }
    // Shown and raised in sight, the keys left with the control the user is
    // working: key after key steps on.  A click on it makes it active.
    windowplaces::ShowCompanion(w, windowplaces::CompanionKeys::Leaves);
}
