// The rigging options of the array page: flown or stacked, the cabinets'
// place on the grid, the pick points and lifting bar, the combination grid,
// the push-over force and the zoom of the rigging detail.  Each choice
// stores one value, hands the state to the venue and redraws (RedrawRig).

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>
#include <initializer_list>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "model/details/hole_detail.h"
#include "app/form_build.h"
#include "model/hardware/box.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/rules/ear_height.h"

namespace {

using formbuild::Spec;

constexpr Spec<QWidget> kPanels[] = {
    {&TForm1::pickpanel, "pickpanel", nullptr, {0, 72, 250, 44}},
    {&TForm1::Panel18, "Panel18", nullptr, {0, 118, 125, 44}},
    {&TForm1::Panel19, "Panel19", nullptr, {125, 118, 125, 44}},
    {&TForm1::Panel12, "Panel12", nullptr, {0, 212, 250, 24}},
};

// In RigPanel.
constexpr Spec<QLabel> kLabels[] = {
    {&TForm1::Label62, "Label62", "FT", {4, 166, 30, 20}},
    {&TForm1::splaycomlab, "splaycomlab", nullptr, {4, 268, 246, 34}},
    {&TForm1::Label76, "Label76", nullptr, {4, 304, 246, 18}},
};
constexpr Spec<QLineEdit> kEdits[] = {
    {&TForm1::FTedit, "FTedit", nullptr, {36, 166, 50, 20}},
};
constexpr Spec<qtapp::UpDown> kUpDowns[] = {
    {&TForm1::FTupdn, "FTupdn", nullptr, {88, 166}},
};
constexpr Spec<QCheckBox> kChecks[] = {
    {&TForm1::KelvarCB, "KelvarCB", "Use Combination grid (Part ZRK40519)", {4, 190, 246, 20}},
};
constexpr Spec<QPushButton> kButtons[] = {
    {&TForm1::ApplyAngBut, "ApplyAngBut", "Apply", {4, 240, 70, 24}},
};
constexpr Spec<qtapp::PictureBox> kPictures[] = {
    {&TForm1::gridposimg, "gridposimg", nullptr, {120, 2, 80, 40}},
    {&TForm1::gridfrontimg, "gridfrontimg", nullptr, {0, 0, 80, 40}},
    {&TForm1::gridrearimg, "gridrearimg", nullptr, {0, 0, 80, 40}},
};

// Radios in their own containers (a container holds one choice).
constexpr Spec<QRadioButton> kModeRadios[] = {
    {&TForm1::flyrad, "flyrad", "Flown", {4, 2, 80, 20}},
    {&TForm1::stackrad, "stackrad", "Stacked", {90, 2, 90, 20}},
};
constexpr Spec<QRadioButton> kGridRadios[] = {
    {&TForm1::Gridfrontrad, "Gridfrontrad", "Front", {4, 2, 70, 20}},
    {&TForm1::Gridrearrad, "Gridrearrad", "Rear", {4, 22, 70, 20}},
};
constexpr Spec<QRadioButton> kPickRadios[] = {
    {&TForm1::FandRPPrad, "FandRPPrad", "Front and Rear", {70, 2, 130, 20}},
    {&TForm1::liftbarrad, "liftbarrad", "Lifting Bar", {70, 22, 130, 20}},
};
constexpr Spec<QLabel> kPickLabels[] = {
    {&TForm1::StaticText5, "StaticText5", "Pick", {4, 2, 60, 20}},
};
constexpr Spec<QRadioButton> kLiftRadios[] = {
    {&TForm1::lb1prad, "lb1prad", "1 Point Lift", {4, 2, 118, 20}},
    {&TForm1::Lbshacklerad, "Lbshacklerad", "2 point Lift", {4, 22, 118, 20}},
};
constexpr Spec<QRadioButton> kSideRadios[] = {
    {&TForm1::lbfrad, "lbfrad", "Front", {4, 2, 118, 20}},
    {&TForm1::lbrrad, "lbrrad", "Rear", {4, 22, 118, 20}},
};
constexpr Spec<QRadioButton> kZoomRadios[] = {
    {&TForm1::GVallrad, "GVallrad", "OUT", {110, 2, 60, 20}},
    {&TForm1::GVdetailrad, "GVdetailrad", "IN", {172, 2, 60, 20}},
};

constexpr formbuild::On<QRadioButton> kRadioHandlers[] = {
    {&TForm1::flyrad, &TForm1::flyradClick},
    {&TForm1::stackrad, &TForm1::stackradClick},
    {&TForm1::Gridfrontrad, &TForm1::GridfrontradClick},
    {&TForm1::Gridrearrad, &TForm1::GridrearradClick},
    {&TForm1::FandRPPrad, &TForm1::FandRPPradClick},
    {&TForm1::liftbarrad, &TForm1::liftbarradClick},
    {&TForm1::lb1prad, &TForm1::lb1pradClick},
    {&TForm1::Lbshacklerad, &TForm1::LbshackleradClick},
    {&TForm1::lbfrad, &TForm1::lbfradClick},
    {&TForm1::lbrrad, &TForm1::lbrradClick},
    {&TForm1::GVallrad, &TForm1::GVallradClick},
    {&TForm1::GVdetailrad, &TForm1::GVdetailradClick},
};

// The arrays that can hang from a lifting bar.
bool HasLiftBar(const std::string& type) {
    for (const char* t : {"Bexa", "Hoba", "MIXHobaBexa", "MIXHobaDovi", "MIXIvorDovi", "MIXIvorElka",
                          "MIXBexaDovi", "MIXDoviElka", "MIXBexaCadri", "MIXIvorDoviElka", "Dovi",
                          "Ivor", "Elka"})
        if (type == t) return true;
    return false;
}

// The small picture of a cabinet hung at the front or the rear of its grid.
QImage GridPositionPicture(bool front) {
    // At the screen's pixel ratio, as every picture of the window.
    const double ratio = rtl::ScreenPixelRatio();
    QImage img(static_cast<int>(std::ceil(80 * ratio)), static_cast<int>(std::ceil(40 * ratio)),
               QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(4, 4, 72, 6);  // the grid
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRect(front ? 4 : 40, 12, 36, 24);  // the cabinet
    return img;
}

}  // namespace

void TForm1::BuildRigging() {
    RigPanel = formbuild::Make<QWidget>(ArrayTab, "RigPanel");
    RigPanel->setGeometry(302, 328, 250, 326);
    auto* modePanel = formbuild::Make<QWidget>(RigPanel, "RigModePanel");
    modePanel->setGeometry(0, 0, 250, 24);
    auto* gridPanel = formbuild::Make<QWidget>(RigPanel, "GridPosPanel");
    gridPanel->setGeometry(0, 26, 250, 44);
    formbuild::Build(*this, RigPanel, kPanels);
    formbuild::Build(*this, modePanel, kModeRadios);
    formbuild::Build(*this, gridPanel, kGridRadios);
    formbuild::Build(*this, gridPanel, kPictures);
    formbuild::Build(*this, pickpanel, kPickLabels);
    formbuild::Build(*this, pickpanel, kPickRadios);
    formbuild::Build(*this, Panel18, kLiftRadios);
    formbuild::Build(*this, Panel19, kSideRadios);
    auto* zoom = new QLabel(QStringLiteral("side view Zoom"), Panel12);
    zoom->setGeometry(4, 2, 100, 20);
    formbuild::Build(*this, Panel12, kZoomRadios);
    formbuild::Build(*this, RigPanel, kLabels);
    formbuild::Build(*this, RigPanel, kEdits);
    formbuild::Build(*this, RigPanel, kUpDowns);
    formbuild::Build(*this, RigPanel, kChecks);
    formbuild::Build(*this, RigPanel, kButtons);

    splaycomlab->setWordWrap(true);
    FTedit->setReadOnly(true);
    FTupdn->SetRange(100, 1000);
    FTupdn->SetIncrement(50);
    FTupdn->SetPosition(100);
    KelvarCB->setToolTip(QStringLiteral("Part Number ZRK40519"));
    gridfrontimg->SetPicture(GridPositionPicture(true));
    gridrearimg->SetPicture(GridPositionPicture(false));
    gridfrontimg->hide();
    gridrearimg->hide();
    gridposimg->SetPicture(gridfrontimg->Picture());
    flyrad->setChecked(true);
    Gridfrontrad->setChecked(true);
    FandRPPrad->setChecked(true);
    lbrrad->setChecked(true);
    GVallrad->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{liftbarrad, lb1prad, Lbshacklerad})
        w->setEnabled(false);

    // The handlers run once the window is built, as every other area's.
    for (const formbuild::On<QRadioButton>& h : kRadioHandlers) {
        const auto handler = h.handler;
        qtapp::OnRadioClick(this->*h.control, this, [this, handler] {
            if (FReady) (this->*handler)();
        });
    }
    qtapp::OnCheckChange(KelvarCB, this, [this] {
        if (FReady) KelvarCBClick();
    });
    qtapp::OnUpDownClick(FTupdn, this, formbuild::UserChoice(this, [this](qtapp::UDBtnType b) { FTupdnClick(b); }));
    qtapp::OnButtonClick(ApplyAngBut, this, formbuild::UserChoice(this, [this] { ApplyAngButClick(); }));
}

// --- drawing --------------------------------------------------------------------

void TForm1::DrawRigSideView() {
    FVenueImage->SetSize(image1->width(), image1->height());
    if (TLoudspeakerArray* a = FVenue->LSArray.get())
        a->DrawSideView(FVenueImage->Canvas(), true, true, Panel1->width(), Panel1->height(),
                        FMetric != 0, FRigMode, false, FHobaMatched != 0);
    image1->SetPicture(FVenueImage->Image());
}

void TForm1::DrawGridDetail(int gridView) {
    TLoudspeakerArray* a = CurrentArray();
    if (a == nullptr) return;
    FSideViewImage->SetSize(gridimg->width(), gridimg->height());
    if (gridView == 2) {
        DrawArrayHoleDetail(*a, FSideViewImage->Canvas(), true, false, gridimg->width(),
                            gridimg->height(), 0, 0, FMetric != 0, FRigMode);
        if (FArrayType == "Dovi") {
            Label76->setEnabled(true);
            Label76->setText(QStringLiteral("Other side is mirrored"));
        } else {
            Label76->clear();
        }
    } else if (gridView == 1) {
        Label76->clear();
        rtl::Point pick;
        a->DrawFlyingDetail(FSideViewImage->Canvas(), true, false, gridimg->width(),
                            gridimg->height(), 0, 0, FMetric != 0, FRigMode, 0.0, 0.0, 0, 0, pick);
    }
    gridimg->SetPicture(FSideViewImage->Image());
}

void TForm1::RedrawRig(bool loads) {
    PassValuesToVenue();
    DrawRigSideView();
    UpdateArrayPage();
    if (loads) ShowRiggingLoads();
}

// --- handlers -----------------------------------------------------------------

void TForm1::GridfrontradClick() {
    FGridPosition = "FRONT";
    RedrawRig();
}

void TForm1::GridrearradClick() {
    FGridPosition = "REAR";
    RedrawRig();
}

void TForm1::FandRPPradClick() {
    FPickOption = 1;
    RedrawRig(FNoDesign == 0);
}

void TForm1::lb1pradClick() {
    FPickOption = 4;
    PassValuesToVenue();
    RedrawWithAngles();
    RedrawRig(FNoDesign == 0);
}

void TForm1::LbshackleradClick() {
    FPickOption = 5;
    PassValuesToVenue();
    RedrawWithAngles();
    RedrawRig(FNoDesign == 0);
}

void TForm1::lbfradClick() {
    FLiftBarPosition = 1;
    RedrawRig();
}

void TForm1::lbrradClick() {
    FLiftBarPosition = 2;
    RedrawRig();
}

void TForm1::KelvarCBClick() {
    FCombinationGrid = KelvarCB->isChecked() ? 1 : 0;
    RedrawRig();
}

void TForm1::GVallradClick() {
    FGridView = 1;
    UpdateArrayPage();
}

void TForm1::GVdetailradClick() {
    FGridView = 2;
    UpdateArrayPage();
}

void TForm1::liftbarradClick() {
    if (!HasLiftBar(FArrayType)) return;
    FPickOption = Lbshacklerad->isChecked() ? 5 : 4;
    const int side = FVenue->LiftBarPosition;
    FLiftBarPosition = (side == 1 || side == 2) ? side : 2;
    RedrawRig();
}

void TForm1::flyradClick() {
    tbauto->setChecked(true);
    Panel10->setToolTip(QString());
    FRigMode = 1;
    {
        // Read before the recalculation below rebuilds the array.
        const TLoudspeakerArray& a = RequireArray();
        if (a.CurrentBox == nullptr) throw rtl::RuntimeError(1, "The array has no current cabinet");
        FArrayHeight = FNumBoxes1 * a.CurrentBox->FrontHeight + 4.0;
    }
    FPickOption = 1;
    EnableFlownOnlyChoices(true);
    for (QWidget* w : std::initializer_list<QWidget*>{matchhobabut, numhobaed, numhobaupdn})
        w->setEnabled(true);
    SetBoxLimits();
    FP1EarHeight = rules::SeatedOrStanding(Plane1Seated());
    if (FNoDesign == 0) Recalculate();
    if (FNoDesign == 1) {
        Label22->hide();
        Label22->setText(QStringLiteral("Array Height"));
        ArrayHeight->hide();
        ArrayHeight->setReadOnly(true);
        Label2->setText(QStringLiteral("Max Pick"));
        Label3->setEnabled(true);
        MinTrimHeight->setEnabled(true);
        mintrimupdn->setEnabled(true);
        flyrad->setChecked(true);
        stackrad->setChecked(false);
    }
}

void TForm1::stackradClick() {
    FRigMode = 2;
    if (FSuppressChoice != 1) {
        FArrayHeight = 2.0;
        covstartupdn->SetPosition(rtl::Round(FCovStart / FCoverageStep));
        arrhupdn->SetPosition(rtl::Round(FArrayHeight / FHeightStep));
    }
    SetBoxLimits();
    FGridPosition = "FRONT";
    FPickOption = 6;
    Panel10->setToolTip(QStringLiteral(
        "For Mixed Stacks design full range array with stage height offset by height of sub stack"));
    EnableFlownOnlyChoices(false);
    if (FNoDesign == 0) Recalculate();
    if (FNoDesign == 1) {
        Label22->setEnabled(true);
        Label22->show();
        Label22->setText(QStringLiteral("Stage Height"));
        ArrayHeight->setEnabled(true);
        ArrayHeight->show();
        ArrayHeight->setReadOnly(false);
        Label2->setText(QStringLiteral("Max"));
        Label3->setEnabled(false);
        MinTrimHeight->setEnabled(false);
        mintrimupdn->setEnabled(false);
        FPickOption = 6;
        flyrad->setChecked(false);
        stackrad->setChecked(true);
        NumBoxes->setText(QStringLiteral("6"));
        ArrayHeight->setText(QStringLiteral("2"));
        CovStart->setText(QStringLiteral("2"));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{matchhobabut, numhobaed, numhobaupdn})
        w->setEnabled(false);
}

void TForm1::FTupdnClick(qtapp::UDBtnType) {
    FFTValue = FTupdn->Position();
    FTedit->setText(QString::fromStdString(rtl::FloatToStr(FFTValue)));
    RedrawWithAngles();
    ShowRiggingLoads();
    DrawRigSideView();
    DrawGridDetail(1);
}

void TForm1::ApplyAngButClick() {
    // Without a usable hole there is no angle to apply.
    if (FReadout->BestHole() < 0) return;
    FSplay->Angle[0] = -FReadout->LiftBarAngle();
    tbman->setChecked(true);
    RedrawWithAngles();
    ShowRiggingLoads();
    FormPaint(ApplyAngBut);
    UpdateArrayPage();
}
