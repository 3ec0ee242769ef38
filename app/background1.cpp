#include "app/background1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <string_view>

#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/fonts.h"
#include "app/form_build.h"
#include "app/rules/ear_height.h"
#include "model/hardware/splay.h"
#include "riglink/mechdll5.h"
#include "venue/model/venue.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/shown_tabs.h"
#include "platform/qtapp/updown.h"
#include "app/settings.h"
#include "app/venue_picture.h"
#include "app/window_places.h"

namespace {

// Exit status when the rigging library does not initialise.
constexpr int kLibraryInitFailed = 3;

constexpr formbuild::On<QTimer> kTimerHandlers[] = {
    {&TForm1::Timer1, &TForm1::Timer1Timer},
};
constexpr formbuild::On<QPushButton> kButtonHandlers[] = {
    {&TForm1::BitBtn3, &TForm1::BitBtn3Click},
};

}  // namespace

// ---------------------------------------------------------------------------

TForm1Environment TForm1Environment::FromProcess() {
    TForm1Environment env;
    env.ProgramDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    env.UserConfigDir = settings::UserConfigDir();
    env.Arguments = QCoreApplication::arguments().mid(1);
    env.MechInit = [] { return mechInit(); };
    return env;
}

TOffscreenImage::TOffscreenImage() : canvas_(std::make_unique<rtl::RasterCanvas>(1, 1)) {}
TOffscreenImage::~TOffscreenImage() = default;

void TOffscreenImage::SetSize(int width, int height) {
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    canvas_->Resize(width_, height_);
}

void TOffscreenImage::Clear() { canvas_->Clear(); }

rtl::RasterCanvas& TOffscreenImage::Canvas() { return *canvas_; }
const QImage& TOffscreenImage::Image() { return canvas_->Image(); }

// ---------------------------------------------------------------------------

TForm1::TForm1(TForm1Environment environment, QWidget* owner)
    : QWidget(owner), FEnv(std::move(environment)) {
    BuildForm();
    Construct();
    ConnectHandlers();
    FReady = true;
    Timer1->start();
}

TForm1::~TForm1() {
    // No handler runs from here on.  Out of sight first, while the window is
    // whole: the focus leaves its controls now, and what their focus handlers
    // call runs on this window, not on the plain widget that is left of it
    // once the children go.
    FReady = false;
    disconnect(FFocusScroll);
    hide();
    // The companions go back to whoever made them, unshown: they are not
    // this window's to free.
    for (const QPointer<QWidget>& companion : FCompanions)
        if (companion) companion->setParent(nullptr, companion->windowFlags());
    // The venue and its array point at the splay list: they go first.
    FVenue.reset();
}

// The window, then each area's controls (app/README.md maps the areas to
// their files).  Children made later lie above earlier ones.
void TForm1::BuildForm() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orandel 4.1"));
    setMinimumSize(640, 480);
    setFont(WindowFont("Arial", 11));
    resize(kFormWidth, kFormHeight);

    BuildToolBar();
    BuildPages();
    BuildArrayControls();
    BuildUnits();
    BuildVenuePage();
    BuildCabinetChoice();
    BuildArrayPage();
    BuildPicture();

    BitBtn3 = formbuild::Make<QPushButton>(this, "BitBtn3", "Exit");
    BitBtn3->hide();
    Timer1 = formbuild::Named(new QTimer(this), "Timer1");
    Timer1->setInterval(50);
    BuildDialogButtons();
    BuildFiles();
}

void TForm1::BuildPages() {
    PageControl1 = formbuild::Make<QTabWidget>(this, "PageControl1");
    const struct {
        QWidget* TForm1::*page;
        const char* name;
        const char* caption;
    } pages[] = {
        {&TForm1::VenueTab, "VenueTab", "Venue"},
        {&TForm1::ArrayTab, "ArrayTab", "Array"},
        {&TForm1::ProcessorTab, "ProcessorTab", "Processor"},
        {&TForm1::AmpTab, "AmpTab", "Amps"},
        {&TForm1::DEVTAB, "DEVTAB", "Dev"},
    };
    for (const auto& p : pages) {
        this->*p.page = formbuild::Make<QWidget>(nullptr, p.name);
        PageControl1->addTab(this->*p.page, formbuild::Text(p.caption));
    }
    // The keys turn only to a page whose tab is shown (the design hides
    // them all: the tool bar turns the pages).
    qtapp::KeepKeysOnShownTabs(*PageControl1);
}

void TForm1::ShowAtStart() {
    // The geometry a window has when it is first shown is the one the
    // window manager restores it to.
    if (const QScreen* s = screen())
        setGeometry(windowplaces::CentredGeometry(s->availableGeometry(), QSize(kFormWidth, kFormHeight),
                                                  windowplaces::FrameRoom(*this)));
    showMaximized();
}

int TForm1::DefaultWindowHeight() { return rtl::Round(height() * 0.4); }

void TForm1::Construct() {
    FHotA = 0;
    FHotB = 0;
    FHotC = 0;
    FShowAngleHandles = 1;
    FViewFlags[5] = 0;
    FNoDesign = 1;
    FSuppressChoice = 0;
    Panel22->hide();  // placed by hand, never by alignment
    FChangingType = 0;
    FVenueImage = std::make_unique<TOffscreenImage>();
    FSideViewImage = std::make_unique<TOffscreenImage>();
    FArrayType = "Arvo";
    FPatchRow = 1;
    FMetric = 1;
    FSaved = 0;
    FDrawVenueFlag = 1;
    FPanel1Height = DefaultWindowHeight();
    Panel1Align = TAlign::Top;
    image1->resize(width(), height());
    FVenueImage->SetSize(image1->width(), image1->height());
    // Until a venue is loaded or a design started only Load and Design lead on.
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut, DevTBut, PrintTBut, webtbut, mailtbut,
                           PrintSUTBut, SaveTBut})
        b->hide();
    std::array<double, 41> list{};
    list[0] = 1.75;
    for (int k = 4; k <= 11; ++k) list[static_cast<std::size_t>(k)] = 1.0;
    FSplay = std::make_unique<TSplay>();
    FSplay->SetAngles(list);
    FMaxBoxes = 16;
    FMaxPickHeight = 20.0;
    FMinTrimHeight = 3.0;
    FNumBoxes1 = 10;
    numbox1updn->SetPosition(10);
    FNumBoxes2 = 0;
    FNumBoxes3 = 0;
    FArrayHeight = 6.0;
    FP1Length = 60.0;
    FP1Height = 0.0;
    FP2Length = 20.0;
    FP2Height = 4.0;
    FP2EarHeight = rules::kSeatedEarHeight;    // plane 2 seated
    FP1EarHeight = rules::kStandingEarHeight;  // plane 1 standing
    FP3Length = 13.0;
    FP3Height = 0.0;
    FP3Dist = 80.0;
    FP3Elev = 0.0;
    FP2Elev = 0.0;
    FCovStop = 80.0;
    FCovStart = 1.0;
    FAutoDesign = 1;
    FDesignMode = "MinSpiral";
    FFTValue = 200.0;
    FNumHoba = 10;
    numhobaupdn->SetPosition(FNumHoba);
    FShowWarnings = 1;
    for (int k = 0; k <= 9; ++k) FViewFlags[k] = 0;
    FViewFlags[10] = 1;
    FStatusText = "STARTUP";
    FVenueName = "Unsaved Venue";
    FHobaMatched = 0;
    FGridPosition = "FRONT";
    FLiftBarPosition = 2;
    FPickOption = 1;
    FRigMode = 1;
    FVenue = std::make_unique<TVenue>();
    FReadout = MakeArrayReadout([this] { return CurrentArray(); });
    PassValuesToVenue();
    DrawVenueInto(image1->width(), image1->height(), false, FSelElement, false);
    for (TTextList& l : FTextLists) l.Clear();
    FTextLists[5].Add("0");
    FSplayHoba = 1;
    SetupArrayControls();
    UpdateArrayPage();
    FHeightStep = 0.1;
    FCoverageStep = 1.0;
    PageControl1->setCurrentIndex(0);
    PageControl1Align = TAlign::Bottom;
    Panel1Align = TAlign::Client;
    ArrangeAligned();
    // The pictures of the tool buttons, for the menus and tool bars.
    FPrinterIndex = -1;
    ImageList1.clear();
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_DirHomeIcon, QStyle::SP_FileDialogListView, QStyle::SP_DriveNetIcon,
          QStyle::SP_ComputerIcon, QStyle::SP_FileIcon, QStyle::SP_FileDialogDetailedView,
          QStyle::SP_DialogOpenButton, QStyle::SP_MediaPlay, QStyle::SP_DialogSaveButton,
          QStyle::SP_DialogHelpButton, QStyle::SP_DialogCloseButton, QStyle::SP_BrowserReload,
          QStyle::SP_ArrowForward})
        ImageList1.append(style()->standardIcon(icon));
    PageControl1->setCurrentWidget(VenueTab);
    {
        QPalette p = ArvoStrGrid->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Base));
        ArvoStrGrid->setPalette(p);
        QPalette q = BexaStrGrid->palette();
        q.setColor(QPalette::Base, palette().color(QPalette::Button));
        BexaStrGrid->setPalette(q);
        BexaStrGrid->setEnabled(false);
    }
    FGridView = 1;
    // Without its table of rigging elements nothing the program shows
    // would be right.
    const int32_t init = FEnv.MechInit ? FEnv.MechInit() : 0;
    if (init != 1) throw TProgramHalt(kLibraryInitFailed);
    matchhobabut->setEnabled(false);
    numhobaed->setEnabled(false);
    numhobaupdn->setEnabled(false);
    alldovirad->setEnabled(true);
    allarvoxrad->setEnabled(true);
    mixarvoxbexarad->setEnabled(true);
    matchhobabut->setEnabled(true);
    UpdateEaseBut->hide();
    // The unit radios must be connected before the settings are read.
    ConnectUnits();
    LoadSettings();
    FMixedChoice = 0;
    FBusy1 = 0;
    FBusy2 = 0;
    FBusy3 = 0;
    FormCreate();
}

void TForm1::ConnectHandlers() {
    formbuild::Connect(*this, kTimerHandlers);
    formbuild::Connect(*this, kButtonHandlers);
    // A page change lays the window out for the new page and paints it;
    // a page the user turned to by its tab gets the tool bar's road.
    connect(PageControl1, &QTabWidget::currentChanged, this,
            qtapp::Guarded([this] { PageControl1Change(); }));
    FFocusScroll = connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { qtapp::RunGuarded([this, now] { ScrollIntoView(now); }); });
}

// --- settings file ----------------------------------------------------------

std::string TForm1::SettingsPathRead() const { return FSettingsRead; }

std::string TForm1::SettingsPathWritten() const {
    return settings::SettingsPathToWrite(FEnv.UserConfigDir, FEnv.ProgramDir);
}

void TForm1::LoadSettings() {
    FSettingsRead = settings::SettingsPathToRead(FEnv.UserConfigDir, FEnv.ProgramDir);
    if (FSettingsRead.empty()) return;
    // A file that cannot be read or says nothing usable leaves the units as
    // they are (metric at start-up).
    const std::optional<settings::Units> units = settings::ReadSettingsFile(FSettingsRead);
    if (!units) return;
    if (*units == settings::Units::Metric)
        MetricRad->setChecked(true);
    else
        ImperialRad->setChecked(true);
}

void TForm1::SaveSettings() {
    settings::WriteSettingsFile(SettingsPathWritten(), FMetric == 1 ? settings::Units::Metric
                                                                     : settings::Units::Imperial);
}

// --- start-up and closing ----------------------------------------------------

void TForm1::Timer1Timer() {
    Timer1->stop();
    FViewFlags[8] = 1;
    FormPaint(Timer1);
    if (FEnv.Arguments.size() == 1) {
        const QString path = FEnv.Arguments.front();
        if (QFileInfo(path).isFile()) LoadVenueFromCommandLine(path.toStdString());
    }
}

void TForm1::FormCreate() {
    const std::string helpPath = HelpFilePath();
    std::error_code ec;
    HelpAvailable = std::filesystem::exists(helpPath, ec) ? 1 : 0;
}

void TForm1::FormClose() {
    // There is no help viewer of the program's own to shut down; a help
    // window opened by the desktop stays the desktop's.
}

void TForm1::BitBtn3Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    qtapp::RunGuarded([this] { FormClose(); });
    event->accept();
    // The program ends with its main window, whatever else is still open.
    // Not quit(): that asks every window first, and a splash within its
    // first seconds refuses to close.
    QCoreApplication::exit(0);
}

void TForm1::SetRigReadout(std::unique_ptr<TRigReadout> readout) { FReadout = std::move(readout); }

TLoudspeakerArray* TForm1::CurrentArray() const { return FVenue ? FVenue->LSArray.get() : nullptr; }

TLoudspeakerArray& TForm1::RequireArray() const {
    TLoudspeakerArray* a = CurrentArray();
    if (a == nullptr) throw rtl::RuntimeError(1, "No loudspeaker array");
    return *a;
}
