// The tool bar (page and command buttons, the safety lamp) and the unit
// system: the metric / imperial radios with the conversion of the shown
// values.

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/background1.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "model/arrays/lsarray.h"
#include "model/hardware/box.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/form_venue_values.h"
#include "app/rules/ear_height.h"
#include "app/rules/venue_page_layout.h"
#include "app/rules/venue_steps.h"

namespace {

using formbuild::ToolButtonSpec;

// In the order they are made; ArrangeToolBar gives the order on the bar.
constexpr ToolButtonSpec kToolButtons[] = {
    {&TForm1::LoadTBut, "LoadTBut", " Load ", QStyle::SP_DialogOpenButton},
    {&TForm1::DesignTBut, "DesignTBut", "Design", QStyle::SP_MediaPlay},
    {&TForm1::VenTBut, "VenTBut", "Venue", QStyle::SP_DirHomeIcon},
    {&TForm1::ArrayTBut, "ArrayTBut", "Array", QStyle::SP_FileDialogListView},
    {&TForm1::RigTBut, "RigTBut", "Patch", QStyle::SP_DriveNetIcon},
    {&TForm1::DevTBut, "DevTBut", "Dev", QStyle::SP_ComputerIcon},
    {&TForm1::PrintTBut, "PrintTBut", "Print", QStyle::SP_FileIcon},
    {&TForm1::PrintSUTBut, "PrintSUTBut", "Setup", QStyle::SP_FileDialogDetailedView},
    {&TForm1::SaveTBut, "SaveTBut", "Save", QStyle::SP_DialogSaveButton},
    {&TForm1::webtbut, "webtbut", "Corvane Audio", QStyle::SP_BrowserReload},
    {&TForm1::mailtbut, "mailtbut", "Support", QStyle::SP_ArrowForward},
    {&TForm1::HelpTBut, "HelpTBut", "Help", QStyle::SP_DialogHelpButton},
    {&TForm1::tbauto, "tbauto", "Auto ", QStyle::SP_BrowserReload},
    {&TForm1::tbman, "tbman", "Manual", QStyle::SP_ArrowUp},
};

// The bar's order, left to right.
constexpr QToolButton* TForm1::*kToolBarOrder[] = {
    &TForm1::LoadTBut, &TForm1::SaveTBut,  &TForm1::DesignTBut,  &TForm1::VenTBut,
    &TForm1::ArrayTBut, &TForm1::RigTBut,  &TForm1::DevTBut,     &TForm1::PrintTBut,
    &TForm1::PrintSUTBut, &TForm1::webtbut, &TForm1::mailtbut,   &TForm1::HelpTBut,
    &TForm1::tbauto,    &TForm1::tbman,
};

// Arranges the bar whenever one of its buttons is shown or hidden: the bar
// keeps its order whichever road shows a button (the design start, a load,
// the Support button's right click).
class ToolBarWatch : public QObject {
public:
    ToolBarWatch(QObject* owner, TForm1* form) : QObject(owner), form_(form) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
            qtapp::RunGuarded([this] { form_->ToolBarButtonsChanged(); });
        return false;
    }

private:
    TForm1* form_;
};

constexpr formbuild::On<QToolButton> kToolHandlers[] = {
    {&TForm1::DesignTBut, &TForm1::DesignTButClick}, {&TForm1::VenTBut, &TForm1::VenTButClick},
    {&TForm1::ArrayTBut, &TForm1::ArrayTButClick},   {&TForm1::RigTBut, &TForm1::RigTButClick},
    {&TForm1::HelpTBut, &TForm1::HelpTButClick},     {&TForm1::tbauto, &TForm1::tbautoClick},
    {&TForm1::tbman, &TForm1::tbmanClick},
};

constexpr formbuild::Spec<QRadioButton> kUnitRadios[] = {
    {&TForm1::MetricRad, "MetricRad", "m / kg - Metric", {8, 18, 130, 20}},
    {&TForm1::ImperialRad, "ImperialRad", "ft / lb - Imperial", {142, 18, 136, 20}},
};

constexpr formbuild::On<QRadioButton> kUnitHandlers[] = {
    {&TForm1::MetricRad, &TForm1::MetricRadClick},
    {&TForm1::ImperialRad, &TForm1::ImperialRadClick},
};

}  // namespace

// --- tool bar -------------------------------------------------------------------

void TForm1::BuildToolBar() {
    PagesToolBar = formbuild::Make<QWidget>(this, "PagesToolBar");
    // Made before the buttons, it goes before them when the bar is taken
    // down: no button's end arranges a bar half gone.
    auto* watch = new ToolBarWatch(PagesToolBar, this);
    formbuild::BuildToolButtons(*this, PagesToolBar, kToolButtons);
    // Auto and Manual are one choice: checking one, by a click or from
    // code, unchecks the other and runs the newly checked one's handler
    // (formbuild::Connect), so FAutoDesign always follows what they show.
    tbauto->setCheckable(true);
    tbman->setCheckable(true);
    tbauto->setAutoExclusive(true);
    tbman->setAutoExclusive(true);
    tbauto->setChecked(true);
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut}) b->setCheckable(true);
    VenTBut->setChecked(true);  // the page shown first
    // Until a design starts or a venue is loaded only Load and Design lead on.
    for (QToolButton* b : {HelpTBut, tbauto, tbman}) b->hide();
    formbuild::Connect(*this, kToolHandlers);
    Image8 = formbuild::Make<qtapp::PictureBox>(PagesToolBar, "Image8");
    Image8->setFixedSize(24, 24);
    Image8->setToolTip(QStringLiteral("Rigging safety"));
    for (QToolButton* TForm1::*member : kToolBarOrder) (this->*member)->installEventFilter(watch);
}

int TForm1::ArrangeToolBar() {
    // The buttons that are shown sit side by side in their order, the lamp
    // after them; a button is as wide as its caption needs, and at least
    // kToolButtonWidth.  What does not fit the window's width goes on to the
    // next row, so that every button and the lamp stay in sight however
    // narrow the window.  The bar is as high as the rows the shown buttons
    // and the lamp take: it keeps no empty row.
    constexpr int kMargin = 4, kGap = 2, kLampGap = 8, kLampSize = 24;
    const int limit = width();
    const auto flow = [&](bool place) {
        int x = kMargin, row = 0;
        for (QToolButton* TForm1::*member : kToolBarOrder) {
            QToolButton* b = this->*member;
            if (b->isHidden()) continue;
            const int w = std::max(kToolButtonWidth, b->sizeHint().width());
            if (x > kMargin && x + w > limit - kMargin) {
                ++row;
                x = kMargin;
            }
            if (place) b->setGeometry(x, row * kToolBarHeight + 1, w, kToolBarHeight - 2);
            x += w + kGap;
        }
        int lampX = x + kLampGap;
        if (x > kMargin && lampX + kLampSize > limit - kMargin) {
            ++row;
            lampX = kMargin + kLampGap;
        }
        if (place) Image8->move(lampX, row * kToolBarHeight + (kToolBarHeight - kLampSize) / 2);
        return row + 1;
    };
    const int height = flow(false) * kToolBarHeight;
    PagesToolBar->setGeometry(0, 0, limit, height);
    flow(true);
    return height;
}

void TForm1::ToolBarButtonsChanged() {
    // A bar that gained or lost a row moves the page below: the window is
    // laid out and painted again once the running handler is done, if the
    // bar's height then still differs from the one it was laid out for.
    if (ArrangeToolBar() != FLaidOutToolBarHeight && FRelayout != nullptr) FRelayout->Request();
}

// --- units ----------------------------------------------------------------------

void TForm1::BuildUnits() {
    auto* units = formbuild::Make<QGroupBox>(VenueTab, "UnitsGB", "Units");
    const rules::Box at = rules::venuepage::kUnits;
    units->setGeometry(at.Left, at.Top, at.Width, at.Height);
    formbuild::Build(*this, units, kUnitRadios);
    MetricRad->setChecked(true);
}

// Made once every area has built its controls, before the settings file is
// read: the unit radios, and the handlers on controls of other areas.
void TForm1::ConnectUnits() {
    formbuild::Connect(*this, kUnitHandlers);
    qtapp::OnEditChange(NumBoxes, this, [this] { NumBoxesChange(); });
    QObject::connect(BexaStrGrid, &QTableWidget::currentCellChanged, this,
                     qtapp::Guarded(formbuild::UserChoice(this, [this](int row, int, int, int) {
                         if (row >= 0) BexaStrGridSelectCell(row);
                     })));
}

namespace {

// The unit radios back as they were, without running their handlers.
void CheckUnitRadio(QRadioButton* metric, QRadioButton* imperial, bool isMetric) {
    const QSignalBlocker m(metric), i(imperial);
    (isMetric ? metric : imperial)->setChecked(true);
}

}  // namespace

void TForm1::MetricRadClick() {
    const uint8_t before = FMetric;
    if (MetricRad->isChecked()) FMetric = 1;
    if (before == 0) {
        try {
            ConvertEditUnits();
        } catch (...) {
            // Nothing was converted: the units stay as they were.
            FMetric = before;
            CheckUnitRadio(MetricRad, ImperialRad, false);
            throw;
        }
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ImperialRadClick() {
    const uint8_t before = FMetric;
    if (ImperialRad->isChecked()) FMetric = 0;
    if (before == 1) {
        try {
            ConvertEditUnits();
        } catch (...) {
            FMetric = before;
            CheckUnitRadio(MetricRad, ImperialRad, true);
            throw;
        }
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ConvertEditUnits() {
    const double factor = FMetric == 1 ? units::kMetresPerFoot : units::kFeetPerMetre;
    // The typed lengths in the unit switch's order.  All are read before any
    // is written, so that a text that is no number leaves every edit as it
    // was.
    constexpr std::size_t n = std::size(venuevalues::kUnitConversionOrder);
    std::array<double, n> values{};
    for (std::size_t i = 0; i < n; ++i) {
        const venuevalues::LengthRow& row = venuevalues::Row(venuevalues::kUnitConversionOrder[i]);
        values[i] = formbuild::EditNumber(this->*row.Edit) * factor;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const venuevalues::LengthRow& row = venuevalues::Row(venuevalues::kUnitConversionOrder[i]);
        (this->*row.Edit)->setText(QString::fromStdString(rtl::FormatFixed(values[i], 5, 1)));
    }
}

// --- design start -----------------------------------------------------------------

namespace {

int CountIn(const QLineEdit* edit, int otherwise) {
    if (edit == nullptr) return otherwise;
    double v = 0.0;
    const std::string text = edit->text().toStdString();
    if (!rtl::TryParseDouble(text, v) || v != std::floor(v) || std::fabs(v) > 1e6)
        throw rtl::RuntimeError(1, "'" + text + "' is not a valid integer value");
    return static_cast<int>(v);
}

}  // namespace

void TForm1::DesignTButClick() {
    // Every typed value is read and checked before any is kept: a text that
    // is no number, or a value its up/down could not stand at, is refused
    // with the value's name and nothing changes.
    const double factor = FMetric == 1 ? 1.0 : units::kMetresPerFoot;
    std::array<double, std::size(venuevalues::kDesignStartOrder)> lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const venuevalues::LengthRow& row = venuevalues::Row(venuevalues::kDesignStartOrder[i]);
        lengths[i] = venuevalues::TakenLength(*this, row, formbuild::EditNumber(this->*row.Edit) * factor);
    }
    std::array<double, std::size(venuevalues::kEarHeights)> ears{};
    for (std::size_t i = 0; i < ears.size(); ++i) {
        const venuevalues::EarHeightRow& row = venuevalues::kEarHeights[i];
        ears[i] = venuevalues::TakenEarHeight(
            *this, row, venuevalues::ChosenEarHeight(this->*row.Sit, this->*row.Stand, this->*row.Edit));
    }
    const int n1 = CountIn(NumBoxes, FNumBoxes1), n2 = CountIn(NUMxaED, FNumBoxes2),
              n3 = CountIn(numbox3ed, FNumBoxes3);
    const bool flown = FRigMode == rules::kFlown;
    const double stackHeight =
        flown ? 0.0
              : venuevalues::TakenLength(*this, venuevalues::Row(venuevalues::Length::ArrayHeight),
                                         formbuild::EditNumber(ArrayHeight) * factor);

    // What a refused trim search puts back (its recalculations, and the one
    // that shows the values put back, write the stored values into the
    // edits).
    const VenueData before = venuevalues::FromWindow(*this);
    const std::string statusBefore = FStatusText;
    const auto viewFlagsBefore = FViewFlags;
    TVenueSnapshot snapshot(*FVenue, FSplay.get());
    try {
        for (std::size_t i = 0; i < lengths.size(); ++i)
            this->*venuevalues::Row(venuevalues::kDesignStartOrder[i]).Field = lengths[i];
        for (std::size_t i = 0; i < ears.size(); ++i) this->*venuevalues::kEarHeights[i].Field = ears[i];
        FNumBoxes1 = n1;
        FNumBoxes2 = n2;
        FNumBoxes3 = n3;
        for (int k = 1; k <= 4; ++k) FViewFlags[k] = 1;
        FViewFlags[5] = 0;
        FViewFlags[6] = 0;
        FViewFlags[8] = 0;
        if (flown)
            HangAtMinimumTrim();
        else {
            FArrayHeight = stackHeight;
            Recalculate();
        }
    } catch (...) {
        snapshot.Restore();
        venuevalues::ToWindow(*this, before);
        FStatusText = statusBefore;
        FViewFlags = viewFlagsBefore;
        try {
            Recalculate();
        } catch (const std::exception&) {
        }
        throw;
    }

    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const venuevalues::LengthRow& row = venuevalues::Row(venuevalues::kDesignStartOrder[i]);
        (this->*row.UpDown)->SetPosition(rtl::Round(this->*row.Field / venuevalues::StepOf(*this, row)));
    }
    for (const venuevalues::EarHeightRow& row : venuevalues::kEarHeights) (this->*row.Edit)->setReadOnly(true);
    FStatusText = "AUTO DESIGNED ARRAY. Edit data by clicking on up/down symbols";
    Recalculate();
    arrhupdn->SetPosition(rtl::Round(FArrayHeight / FHeightStep));
    FNoDesign = 0;
    SetupArrayControls();
    RefreshControls();
    ShowDesignControls();
    ShowRiggingLoads();
}

void TForm1::HangAtMinimumTrim() {
    // The search starts with the array at the minimum trim plus the front
    // heights of all its cabinets, near where its lowest point meets the
    // minimum (the splays take some height away, the grid's tilt may add
    // some).  The start is the type's and the counts' alone: the same in a
    // fresh window, where no array has been set up yet, and after any
    // design, so that a second press finds the same height.
    const std::unique_ptr<TLoudspeakerArray> model =
        CreateLoudspeakerArray(FArrayType.empty() ? std::string("Arvo") : FArrayType);
    model->Count1 = FNumBoxes1;
    model->Count2 = FNumBoxes2;
    model->Count3 = FNumBoxes3;
    double start = FMinTrimHeight;
    for (int i = 1; i <= FNumBoxes1 + FNumBoxes2 + FNumBoxes3; ++i) {
        model->SelectCabinet(i);
        if (model->CurrentBox != nullptr) start += model->CurrentBox->FrontHeight;
    }

    // From there down or up in centimetres to the first height whose lowest
    // cabinet is at or above the minimum trim.
    FStatusText = "WAIT - Setting Trim Height to Minimum Trim Height";
    VenSetButCursor(true);
    const std::optional<double> found = [&] {
        struct Cursor {
            TForm1& w;
            ~Cursor() { w.VenSetButCursor(false); }
        } cursor{*this};
        return rules::SearchTrimHeight(start, FMinTrimHeight, FMaxPickHeight, rules::kTrimSearchStep,
                                       [this](double height) {
                                           FArrayHeight = height;
                                           Recalculate();
                                           return rules::TrimPoint{FVenue->LowestHeight, FVenue->TopHeight};
                                       });
    }();
    if (!found)
        throw rtl::RuntimeError(
            0, "The minimum trim height of " + units::LengthText(FMinTrimHeight, FMetric != 0, 5, 1) +
                   " cannot be reached: the design was not started.");
    FArrayHeight = *found;
}

void TForm1::VenSetButCursor(bool wait) {
    if (wait)
        DesignTBut->setCursor(Qt::WaitCursor);
    else
        DesignTBut->unsetCursor();
}

// --- automatic or manual design --------------------------------------------------

void TForm1::tbautoClick() {
    if (tbman->isChecked())
        FAutoDesign = 0;
    else if (tbauto->isChecked())
        FAutoDesign = 1;
    if (FAutoDesign == 1) {
        FViewFlags[5] = 0;
        FShowAngleHandles = 1;
        FStatusText = "AUTO DESIGNED ARRAY Click on 'Manual' button to switch to manual design mode";
    } else {
        FViewFlags[5] = 1;
        FShowAngleHandles = 0;
        FStatusText =
            "MANUAL CALCULATION of splay angles - Position crosshair over blue square at end of ray "
            "to select or click on cabinet angle in table below";
    }
    if (PageControl1->currentWidget() == VenueTab) {
        if (FSuppressChoice != 1 && FChangingType != 1) Recalculate();
    } else if (PageControl1->currentWidget() == ArrayTab) {
        RedrawWithAngles();
        ShowRiggingLoads();
        FormPaint(tbauto);
        UpdateArrayPage();
    }
}

void TForm1::tbmanClick() { tbautoClick(); }

// --- tool bar pages -----------------------------------------------------------------

// The page buttons mark the page before it is turned to: the page change
// then finds the tool bar's road taken (PageControl1Change).
void TForm1::VenTButClick() {
    MarkShownPage(VenueTab);
    PageControl1->setCurrentWidget(VenueTab);
    FormPaint(VenTBut);
    Panel22->hide();
    ShowDesignModeButtons(true);
}

void TForm1::ArrayTButClick() {
    MarkShownPage(ArrayTab);
    PageControl1->setCurrentWidget(ArrayTab);
    FormPaint(ArrayTBut);
    Panel22->hide();
    ShowDesignModeButtons(true);
}

void TForm1::RigTButClick() {
    MarkShownPage(ProcessorTab);
    PageControl1->setCurrentWidget(ProcessorTab);
    SetupArrayControls();
    if (FNoDesign == 0) ShowRiggingLoads();
    FormPaint(RigTBut);
    ShowDesignModeButtons(false);
}

void TForm1::MarkShownPage(const QWidget* page) {
    VenTBut->setChecked(page == VenueTab);
    ArrayTBut->setChecked(page == ArrayTab);
    RigTBut->setChecked(page == ProcessorTab);
}

bool TForm1::ToolBarMarks(const QWidget* page) const {
    return VenTBut->isChecked() == (page == VenueTab) && ArrayTBut->isChecked() == (page == ArrayTab) &&
           RigTBut->isChecked() == (page == ProcessorTab);
}

void TForm1::ShowDesignModeButtons(bool beside) {
    // Until a design starts or a venue is loaded they are not shown at all.
    const bool shown = beside && FNoDesign == 0;
    tbauto->setVisible(shown);
    tbman->setVisible(shown);
}

void TForm1::PageControl1Change() {
    QWidget* page = PageControl1->currentWidget();
    if (ToolBarMarks(page)) {
        FormPaint(PageControl1);
    } else if (page == VenueTab) {
        VenTButClick();
    } else if (page == ArrayTab) {
        ArrayTButClick();
    } else if (page == ProcessorTab) {
        RigTButClick();
    } else {
        MarkShownPage(page);
        FormPaint(PageControl1);
    }
}

// --- help -----------------------------------------------------------------------

std::string TForm1::HelpFilePath() const { return FEnv.ProgramDir + "odhelp4.html"; }

void TForm1::HelpTButClick() {
    if (HelpAvailable != 1) return;
    const QString page = QString::fromStdString(HelpFilePath());
    // The page may have gone since the start.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(HelpFilePath(), ec)) {
        FEnv.Services->ShowError(QStringLiteral("The help page %1 could not be found.").arg(page));
        return;
    }
    // Said now, or once the desktop tells: the box may outlive the window.
    const std::shared_ptr<qtapp::PlatformServices> services = FEnv.Services;
    const auto notOpened = [services, page] {
        services->ShowError(QStringLiteral("The help page %1 could not be opened: a web browser is "
                                           "needed to show it.")
                                .arg(page));
    };
    if (!services->OpenHelp(page, notOpened)) notOpened();
}
