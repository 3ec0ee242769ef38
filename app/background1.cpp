#include "background1.h"

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
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

#include "core/errors.h"
#include "core/numtext.h"
#include "core/rounding.h"
#include "fonts.h"
#include "hardware/splay.h"
#include "mechdll5.h"
#include "model/venue.h"
#include "qt/qt_canvas.h"
#include "qtapp/connect.h"
#include "qtapp/guarded.h"
#include "qtapp/picturebox.h"
#include "qtapp/updown.h"
#include "settings.h"
#include "venue_picture.h"

namespace {

constexpr int kToolBarHeight = 40;

// Exit status when the rigging library does not initialise.
constexpr int kLibraryInitFailed = 3;

template <class W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text,
                        QStyle::StandardPixmap icon) {
    auto* b = Named(new QToolButton(parent), name);
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    return b;
}

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text) {
    auto* e = Named(new QLineEdit(text, parent), name);
    e->setFixedWidth(70);
    return e;
}

// A small picture for the drawings: a framed logo.
rtl::Picture LogoPicture(int w, int h, const std::string& name) {
    rtl::Picture p(w, h, rtl::colors::White, name);
    for (int x = 0; x < w; ++x) {
        p.Set(x, 0, rtl::colors::Navy);
        p.Set(x, h - 1, rtl::colors::Navy);
    }
    for (int y = 0; y < h; ++y) {
        p.Set(0, y, rtl::colors::Navy);
        p.Set(w - 1, y, rtl::colors::Navy);
    }
    return p;
}

double ParseEditNumber(const QLineEdit* edit) {
    double v = 0.0;
    const std::string text = edit->text().toStdString();
    if (!rtl::TryParseDouble(text, v))
        throw rtl::RuntimeError(1, "'" + text + "' is not a valid floating point value");
    return v;
}

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
    // The venue and its array point at the splay list: they go first.
    FVenue.reset();
}

void TForm1::BuildForm() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orandel 4.1"));
    setMinimumSize(640, 480);
    setFont(WindowFont("Arial", 11));
    resize(824, 751);

    // Tool bar of pages and commands.
    PagesToolBar = Named(new QWidget(this), "PagesToolBar");
    LoadTBut = ToolButton(PagesToolBar, "LoadTBut", QStringLiteral("Load"), QStyle::SP_DialogOpenButton);
    DesignTBut = ToolButton(PagesToolBar, "DesignTBut", QStringLiteral("Design"), QStyle::SP_MediaPlay);
    VenTBut = ToolButton(PagesToolBar, "VenTBut", QStringLiteral("Venue"), QStyle::SP_DirHomeIcon);
    ArrayTBut = ToolButton(PagesToolBar, "ArrayTBut", QStringLiteral("Array"), QStyle::SP_FileDialogListView);
    RigTBut = ToolButton(PagesToolBar, "RigTBut", QStringLiteral("Patch"), QStyle::SP_DriveNetIcon);
    DevTBut = ToolButton(PagesToolBar, "DevTBut", QStringLiteral("Dev"), QStyle::SP_ComputerIcon);
    PrintTBut = ToolButton(PagesToolBar, "PrintTBut", QStringLiteral("Print"), QStyle::SP_FileIcon);
    PrintSUTBut = ToolButton(PagesToolBar, "PrintSUTBut", QStringLiteral("Print Setup"), QStyle::SP_FileDialogDetailedView);
    SaveTBut = ToolButton(PagesToolBar, "SaveTBut", QStringLiteral("Save"), QStyle::SP_DialogSaveButton);
    webtbut = ToolButton(PagesToolBar, "webtbut", QStringLiteral("Web"), QStyle::SP_BrowserReload);
    mailtbut = ToolButton(PagesToolBar, "mailtbut", QStringLiteral("Mail"), QStyle::SP_ArrowForward);
    HelpTBut = ToolButton(PagesToolBar, "HelpTBut", QStringLiteral("Help"), QStyle::SP_DialogHelpButton);
    tbauto = ToolButton(PagesToolBar, "tbauto", QStringLiteral("Auto "), QStyle::SP_BrowserReload);
    tbman = ToolButton(PagesToolBar, "tbman", QStringLiteral("Manual"), QStyle::SP_ArrowUp);
    tbauto->setCheckable(true);
    tbman->setCheckable(true);
    tbauto->setAutoExclusive(true);
    tbman->setAutoExclusive(true);
    tbauto->setChecked(true);
    Image8 = Named(new qtapp::PictureBox(PagesToolBar), "Image8");
    Image8->setFixedSize(24, 24);
    Image8->setToolTip(QStringLiteral("Rigging safety"));

    // The picture.
    Panel1 = Named(new QWidget(this), "Panel1");
    image1 = Named(new qtapp::PictureBox(Panel1), "image1");
    image1->setCursor(Qt::CrossCursor);

    // The pages.
    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    VenueTab = Named(new QWidget, "VenueTab");
    ArrayTab = Named(new QWidget, "ArrayTab");
    ProcessorTab = Named(new QWidget, "ProcessorTab");
    AmpTab = Named(new QWidget, "AmpTab");
    DEVTAB = Named(new QWidget, "DEVTAB");
    PageControl1->addTab(VenueTab, QStringLiteral("Venue"));
    PageControl1->addTab(ArrayTab, QStringLiteral("Array"));
    PageControl1->addTab(ProcessorTab, QStringLiteral("Processor"));
    PageControl1->addTab(AmpTab, QStringLiteral("Amps"));
    PageControl1->addTab(DEVTAB, QStringLiteral("Dev"));

    // Venue page: the splay grids, the units and the venue values (in
    // metres until a design starts; the values' own handlers format them).
    ArvoStrGrid = Named(new QTableWidget(3, 8, VenueTab), "ArvoStrGrid");
    ArvoStrGrid->setGeometry(4, 4, 420, 96);
    ArvoStrGrid->verticalHeader()->setVisible(false);
    BexaStrGrid = Named(new QTableWidget(3, 8, VenueTab), "BexaStrGrid");
    BexaStrGrid->setGeometry(4, 104, 420, 0);
    BexaStrGrid->hide();
    auto* units = Named(new QGroupBox(QStringLiteral("Units"), VenueTab), "UnitsGB");
    units->setGeometry(430, 4, 170, 64);
    MetricRad = Named(new QRadioButton(QStringLiteral("m / kg - Metric"), units), "MetricRad");
    MetricRad->setGeometry(8, 18, 156, 20);
    ImperialRad = Named(new QRadioButton(QStringLiteral("ft / lb - Imperial"), units), "ImperialRad");
    ImperialRad->setGeometry(8, 38, 156, 20);
    MetricRad->setChecked(true);

    struct EditSpec {
        QLineEdit** edit;
        const char* name;
        const char* caption;
        const char* text;
    };
    const EditSpec edits[] = {
        {&MaxPickHeight, "MaxPickHeight", "Max pick height", "20"},
        {&MinTrimHeight, "MinTrimHeight", "Min trim height", "3"},
        {&ArrayHeight, "ArrayHeight", "Array height", "6"},
        {&CovStart, "CovStart", "Coverage start", "1"},
        {&CovStop, "CovStop", "Coverage stop", "80"},
        {&P1Length, "P1Length", "Plane 1 length", "60"},
        {&P1Height, "P1Height", "Plane 1 height", "0"},
        {&P2Length, "P2Length", "Plane 2 length", "20"},
        {&P2Height, "P2Height", "Plane 2 height", "4"},
        {&P2elev, "P2elev", "Plane 2 elevation", "0"},
        {&P3Length, "P3Length", "Plane 3 length", "13"},
        {&P3Height, "P3Height", "Plane 3 height", "0"},
        {&p3elev, "p3elev", "Plane 3 elevation", "0"},
        {&P3dist, "P3dist", "Plane 3 distance", "80"},
    };
    int i = 0;
    for (const EditSpec& e : edits) {
        const int col = i / 5, row = i % 5;
        auto* caption = new QLabel(QString::fromLatin1(e.caption), VenueTab);
        caption->setGeometry(610 + col * 190, 4 + row * 24, 100, 20);
        *e.edit = Edit(VenueTab, e.name, QString::fromLatin1(e.text));
        (*e.edit)->move(712 + col * 190, 4 + row * 24);
        ++i;
    }
    auto* boxesCaption = new QLabel(QStringLiteral("Cabinets"), VenueTab);
    boxesCaption->setGeometry(430, 76, 60, 20);
    NumBoxes = Edit(VenueTab, "NumBoxes", QStringLiteral("10"));
    NumBoxes->setFixedWidth(40);
    NumBoxes->move(492, 76);
    NumBoxes->setReadOnly(true);
    numbox1updn = Named(new qtapp::UpDown(VenueTab), "numbox1updn");
    numbox1updn->move(534, 76);
    numbox1updn->SetRange(1, 40);

    // Array page.
    arvoGB = Named(new QGroupBox(QStringLiteral("Cabinets"), ArrayTab), "arvoGB");
    arvoGB->setGeometry(4, 4, 150, 200);
    BexaGB = Named(new QGroupBox(QStringLiteral("Second model"), ArrayTab), "BexaGB");
    BexaGB->setGeometry(158, 4, 150, 200);
    alldovirad = Named(new QRadioButton(QStringLiteral("All Dovi"), arvoGB), "alldovirad");
    alldovirad->setGeometry(6, 20, 130, 20);
    allarvoxrad = Named(new QRadioButton(QStringLiteral("All Arvo"), arvoGB), "allarvoxrad");
    allarvoxrad->setGeometry(6, 42, 130, 20);
    mixarvoxbexarad = Named(new QRadioButton(QStringLiteral("Arvo + Bexa"), arvoGB), "mixarvoxbexarad");
    mixarvoxbexarad->setGeometry(6, 64, 130, 20);
    numhobaed = Named(new QLineEdit(QStringLiteral("10"), BexaGB), "numhobaed");
    numhobaed->setGeometry(6, 20, 40, 20);
    numhobaupdn = Named(new qtapp::UpDown(BexaGB), "numhobaupdn");
    numhobaupdn->move(48, 19);
    numhobaupdn->SetRange(1, 40);
    matchhobabut = Named(new QPushButton(QStringLiteral("Match Hoba"), BexaGB), "matchhobabut");
    matchhobabut->setGeometry(6, 46, 100, 24);
    UpdateEaseBut = Named(new QPushButton(QStringLiteral("Update"), BexaGB), "UpdateEaseBut");
    UpdateEaseBut->setGeometry(6, 74, 100, 24);

    Panel7 = Named(new QWidget(ArrayTab), "Panel7");
    Panel7->setGeometry(312, 4, 250, 260);
    auto rigLabel = [this](const char* caption, int y) {
        auto* l = new QLabel(QString::fromLatin1(caption), Panel7);
        l->setGeometry(4, y, 110, 18);
    };
    auto valueLabel = [this](const char* name, int x, int y, int w) {
        auto* l = Named(new QLabel(Panel7), name);
        l->setGeometry(x, y, w, 18);
        return l;
    };
    rigLabel("Total Mass  = ", 4);
    MTOTlab = valueLabel("MTOTlab", 116, 4, 120);
    rigLabel("Front Pick Load", 24);
    FFlab = valueLabel("FFlab", 116, 24, 120);
    rigLabel("Rear Pick Load", 44);
    FRlab = valueLabel("FRlab", 116, 44, 120);
    rigLabel("Best lift bar hole", 64);
    bestholelab = valueLabel("bestholelab", 116, 64, 120);
    rigLabel("Lift bar angle", 84);
    bestanglab = valueLabel("bestanglab", 116, 84, 120);
    Label77 = valueLabel("Label77", 4, 110, 246);
    Label4 = valueLabel("Label4", 4, 130, 246);
    Label5 = valueLabel("Label5", 4, 150, 246);
    Label6 = valueLabel("Label6", 4, 170, 246);
    gridimg = Named(new qtapp::PictureBox(Panel7), "gridimg");
    gridimg->setGeometry(4, 194, 240, 60);

    // Patch page.
    Panel16 = Named(new QWidget(ProcessorTab), "Panel16");
    Image3 = Named(new qtapp::PictureBox(ProcessorTab), "Image3");

    // Strips over the picture, placed by the paint road.
    Panel14 = Named(new QWidget(this), "Panel14");
    Panel14->setGeometry(0, 0, 400, 73);
    PaintBox2 = Named(new qtapp::PictureBox(Panel14), "PaintBox2");
    PaintBox2->setGeometry(0, 0, 400, 73);
    Panel14->hide();
    Panel22 = Named(new QWidget(this), "Panel22");
    Panel22->setGeometry(0, 0, 320, 24);
    showupperrad = Named(new QRadioButton(Panel22), "showupperrad");
    showupperrad->setGeometry(2, 2, 150, 20);
    showlowerrad = Named(new QRadioButton(Panel22), "showlowerrad");
    showlowerrad->setGeometry(160, 2, 150, 20);
    showupperrad->setChecked(true);
    Panel22->hide();

    BitBtn3 = Named(new QPushButton(QStringLiteral("Exit"), this), "BitBtn3");
    BitBtn3->hide();

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(50);

    Image2Picture = LogoPicture(263, 281, "Image2");
    Image5Picture = LogoPicture(64, 64, "Image5");
    BuildDialogButtons();
}

void TForm1::ArrangeToolBar() {
    // The buttons that are shown sit side by side, the lamp after them.
    int x = 4;
    for (QToolButton* b : {LoadTBut, SaveTBut, DesignTBut, VenTBut, ArrayTBut, RigTBut, DevTBut,
                           PrintTBut, PrintSUTBut, webtbut, mailtbut, HelpTBut, tbauto, tbman}) {
        if (b->isHidden()) continue;
        b->setGeometry(x, 1, 62, kToolBarHeight - 2);
        x += 64;
    }
    Image8->move(x + 8, (kToolBarHeight - 24) / 2);
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
    FP2EarHeight = 1.4;
    FP1EarHeight = 1.8;
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
    FReadout = MakeArrayReadout([this] { return FVenue ? FVenue->LSArray.get() : nullptr; });
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
    qtapp::OnRadioClick(MetricRad, this, [this] { MetricRadClick(); });
    qtapp::OnRadioClick(ImperialRad, this, [this] { ImperialRadClick(); });
    LoadSettings();
    FMixedChoice = 0;
    FBusy1 = 0;
    FBusy2 = 0;
    FBusy3 = 0;
    FormCreate();
}

void TForm1::ConnectHandlers() {
    connect(Timer1, &QTimer::timeout, this, qtapp::Guarded([this] { Timer1Timer(); }));
    connect(BitBtn3, &QPushButton::clicked, this, qtapp::Guarded([this] { BitBtn3Click(); }));
    // A page change lays the window out for the new page and paints it.
    connect(PageControl1, &QTabWidget::currentChanged, this,
            qtapp::Guarded([this] { FormPaint(PageControl1); }));
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

// --- units --------------------------------------------------------------------

void TForm1::MetricRadClick() {
    const bool wasImperial = FMetric == 0;
    if (MetricRad->isChecked()) FMetric = 1;
    if (wasImperial) {
        ConvertEditUnits();
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ImperialRadClick() {
    const bool wasMetric = FMetric == 1;
    if (ImperialRad->isChecked()) FMetric = 0;
    if (wasMetric) {
        ConvertEditUnits();
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ConvertEditUnits() {
    const double factor = FMetric == 1 ? 0.3048 : 3.2808398950131235;
    for (QLineEdit* e : {MaxPickHeight, MinTrimHeight, P1Length, P1Height, CovStart, CovStop,
                         P2Length, P2Height, P2elev, P3Length, P3Height, p3elev, P3dist,
                         ArrayHeight}) {
        const double v = ParseEditNumber(e) * factor;
        e->setText(QString::fromStdString(rtl::FormatFixed(v, 5, 1)));
    }
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
    const std::string helpPath = FEnv.ProgramDir + "odhelp4.hlp";
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

void TForm1::LoadVenueFromCommandLine(const std::string& path) {
    throw rtl::RuntimeError(1, "Venue files cannot be opened yet: " + path);
}

// Filled in by the array controls, the array page and the file roads.
void TForm1::SetupArrayControls() {}
void TForm1::UpdateArrayPage() {}
void TForm1::RefreshControls() {}

void TForm1::SetRigReadout(std::unique_ptr<TRigReadout> readout) { FReadout = std::move(readout); }

// --- layout --------------------------------------------------------------------

void TForm1::ArrangeAligned() {
    const int w = width();
    PagesToolBar->setGeometry(0, 0, w, kToolBarHeight);
    ArrangeToolBar();
    QRect area(0, kToolBarHeight, w, std::max(0, height() - kToolBarHeight));

    // The order of the platform's alignment: top, bottom, left, then the
    // client area takes what is left.
    struct Item {
        QWidget* widget;
        TAlign align;
        int size;
    };
    const Item items[] = {{PageControl1, PageControl1Align,
                           PageControl1Align == TAlign::Left ? FPageControlWidth : FPageControlHeight},
                          {Panel1, Panel1Align, FPanel1Height}};
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Client}) {
        for (const Item& it : items) {
            if (it.align != pass) continue;
            const int size = std::max(0, it.size);
            switch (pass) {
            case TAlign::Top: {
                const int h = std::min(size, area.height());
                it.widget->setGeometry(area.left(), area.top(), area.width(), h);
                area.setTop(area.top() + h);
                break;
            }
            case TAlign::Bottom: {
                const int h = std::min(size, area.height());
                it.widget->setGeometry(area.left(), area.bottom() + 1 - h, area.width(), h);
                area.setBottom(area.bottom() - h);
                break;
            }
            case TAlign::Left: {
                const int wl = std::min(size, area.width());
                it.widget->setGeometry(area.left(), area.top(), wl, area.height());
                area.setLeft(area.left() + wl);
                break;
            }
            case TAlign::Client:
                it.widget->setGeometry(area);
                break;
            default:
                break;
            }
        }
    }
    image1->setGeometry(0, 0, Panel1->width(), Panel1->height());
}

void TForm1::resizeEvent(QResizeEvent*) {
    ArrangeAligned();
    if (FReady) qtapp::RunGuarded([this] { ScreenResizeExecute(this); });
}

void TForm1::ScreenResizeExecute(QObject* sender) { FormPaint(sender); }

void TForm1::DrawVenueInto(int width, int height, bool redrawFlags, int selElement,
                           bool useImage2) {
    TVenueDrawCall call;
    call.Width = width;
    call.Height = height;
    for (int k = 0; k <= 10; ++k) call.ViewFlags[static_cast<std::size_t>(k)] = FViewFlags[k];
    if (redrawFlags)
        for (int k : {1, 3, 4, 5, 7}) call.ViewFlags[static_cast<std::size_t>(k)] = 0;
    call.SelElement = selElement;
    call.UseImage2 = useImage2;
    DrawVenueSection(*this, FVenueImage->Canvas(), call);
}
