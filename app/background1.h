#pragma once
// The main window: every design value the user edits, the venue model it
// feeds, the venue section picture, the page control with its pages, the
// rigging results and the unit system remembered in "orandel.ini".
//
// Every change ends in one of four routines: PassValuesToVenue,
// Recalculate, RedrawWithAngles and ShowRiggingLoads.  They run from the
// handlers, from resizing and from page changes; the paint event of the
// picture only copies the off-screen image.  Recalculate and
// RedrawWithAngles ask for the active page's paint (FormPaint), which runs
// once the handler has returned.

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/array_readout.h"
#include "app/kept_picture.h"
#include "platform/core/checked.h"
#include "platform/core/canvas.h"
#include "model/hardware/textlist.h"
#include "platform/qtapp/posted_call.h"
#include "platform/qtapp/services.h"
#include "venue/drawings/amp_patch.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolButton;
class TSplay;
enum class TArrayType : uint8_t;
class TVenue;
class Tmechwarn;
class TForm3;
class TSurveyForm;
class Tssform;

namespace qtapp {
class PictureBox;
class UpDown;
enum class UDBtnType;
}  // namespace qtapp
namespace rtl {
class RasterCanvas;
}
namespace rules {
struct TypeControls;
}

// Where the window finds its files and how it starts the rigging library.
struct TForm1Environment {
    std::string ProgramDir;     // the program's folder, with a trailing "/"
    std::string UserConfigDir;  // the user's settings folder, "/"-ended, or empty
    QStringList Arguments;      // command-line arguments after the program name
    std::function<int32_t()> MechInit;  // the library's initialisation
    // Dialogs, message boxes, printer, mail, web and help; tests hand a
    // scripted double (qtapp/scripted_services.h).
    std::shared_ptr<qtapp::PlatformServices> Services = qtapp::MakeQtServices();

    // From the running process: its folder, the user's settings folder, its
    // arguments and the library's mechInit.
    static TForm1Environment FromProcess();
};

// Thrown by the constructor when the rigging library does not initialise:
// the program ends at once, without a message, with ExitCode.
class TProgramHalt : public std::exception {
public:
    explicit TProgramHalt(int exitCode) : ExitCode(exitCode) {}
    const char* what() const noexcept override { return "program halt"; }
    int ExitCode;
};

// An off-screen image the pictures are drawn into.
class TOffscreenImage {
public:
    TOffscreenImage();
    ~TOffscreenImage();
    int Width() const { return width_; }
    int Height() const { return height_; }
    // New size (at least 1 x 1); the picture is cleared.  The same size
    // keeps the picture: the redraws that do not clear draw over it.
    void SetSize(int width, int height);
    // The whole picture white, for a drawing that leaves parts of its area.
    void Clear();
    rtl::RasterCanvas& Canvas();
    const QImage& Image();

private:
    int width_ = 1;
    int height_ = 1;
    std::unique_ptr<rtl::RasterCanvas> canvas_;
};

// What the patch page's diagram picture is drawn from: the venue's
// inputs of the diagram, the picture's size and the diagrams it holds.
struct TPatchDiagramInputs {
    AmpPatchInputs Venue;
    int Width = 0;
    int Height = 0;
    bool TwoDiagrams = false;
    bool SecondModel = false;
    friend bool operator==(const TPatchDiagramInputs&, const TPatchDiagramInputs&) = default;
};

// A venue file's name without its ".ven" (lower case only, as the save
// adds it).
std::string StripVenExtension(const std::string& name);
// The file a save of the chosen name writes: the name without ".ven",
// then ".ven".
std::string SavedVenueFile(const std::string& chosen);

// How a page control or a panel is laid out in the window.
enum class TAlign { Top, Bottom, Left, Client, Custom };

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TForm1Environment environment, QWidget* owner = nullptr);
    ~TForm1() override;

    // --- window state -----------------------------------------------------
    std::string FMailFileName;
    uint8_t HelpAvailable = 0;
    std::unique_ptr<TVenue> FVenue;
    uint8_t FSaved = 0;
    uint8_t FNoDesign = 1;
    std::unique_ptr<TSplay> FSplay;
    uint8_t FDrawVenueFlag = 1;
    double FArrayHeight = 0.0;
    double FMaxPickHeight = 0.0;
    double FMinTrimHeight = 0.0;
    double FP1Length = 0.0;
    double FP1Height = 0.0;
    double FP2Length = 0.0;
    double FP2Height = 0.0;
    double FP3Length = 0.0;
    double FP3Height = 0.0;
    double FP2EarHeight = 0.0;
    double FP1EarHeight = 0.0;
    double FP3EarHeight = 0.0;
    double FP3Dist = 0.0;
    double FP3Elev = 0.0;
    double FP2Elev = 0.0;
    double FCovStart = 0.0;
    double FCovStop = 0.0;
    uint8_t FAutoDesign = 0;
    std::string FDesignMode;
    int FNumBoxes1 = 0;
    int FNumBoxes2 = 0;
    int FNumBoxes3 = 0;
    int FMaxBoxes = 0;
    std::string FStatusText;
    std::string FVenueName;
    std::string FGridPosition;
    int FPickOption = 0;
    int FLiftBarPosition = 0;
    std::array<TTextList, 6> FTextLists;
    rtl::CheckedArray<uint8_t, 0, 10> FViewFlags;
    rtl::CheckedArray<rtl::Point, 0, 140> FHotPoints;
    rtl::Point FHotPointA;
    rtl::Point FHotPointB;
    uint8_t FHotA = 0;
    uint8_t FHotB = 0;
    uint8_t FShowAngleHandles = 0;
    rtl::Point FHotPointC;
    uint8_t FHotC = 0;
    int FSelElement = 0;
    double FHeightStep = 0.0;
    double FCoverageStep = 0.0;
    uint8_t FMetric = 1;
    int FPrinterIndex = 0;
    std::unique_ptr<TOffscreenImage> FVenueImage;
    std::unique_ptr<TOffscreenImage> FSideViewImage;
    // The patch page's diagram as last drawn into FVenueImage.
    TKeptPicture<TPatchDiagramInputs> FPatchDiagram;
    rtl::CheckedArray<double, 0, 7> FRigResults;
    uint8_t FShowWarnings = 0;
    std::string FArrayType;
    int FPatchRow = 0;
    int FDrawOffsetX = 0;
    int FDrawOffsetY = 0;
    int FRigMode = 0;
    int FGridView = 0;
    std::array<uint8_t, 8> FSideViewInfo{};
    uint8_t FChangingType = 0;
    uint8_t FSplayHoba = 0;
    double FFTValue = 0.0;
    uint8_t FSuppressChoice = 0;
    uint8_t FHobaMatched = 0;
    int FNumHoba = 0;
    uint8_t FCombinationGrid = 0;
    uint8_t FMixedChoice = 0;
    uint8_t FInstallMode = 0;
    int FBoxMax1 = 0, FBoxMin1 = 0, FBoxMax2 = 0, FBoxMin2 = 0, FBoxMax3 = 0, FBoxMin3 = 0,
        FBoxMaxTotal = 0;
    uint8_t FBusy1 = 0, FBusy2 = 0, FBusy3 = 0;

    // --- routines ---------------------------------------------------------
    int DefaultWindowHeight();
    void LoadSettings();
    void SaveSettings();
    // The settings file read at start-up, or empty when there was none.
    std::string SettingsPathRead() const;
    std::string SettingsPathWritten() const;

    void PassValuesToVenue();
    void Recalculate();
    void RedrawWithAngles();
    void ShowRiggingLoads();
    // The Array and the Patch page's hand-over before they draw: the current
    // type's rig choices (SetupTypeRigging), the window's values and the
    // array's angles.
    void HandWindowToVenue();
    // RedrawWithAngles once the angles are the venue's: the loads, the
    // section and the angle and height labels.
    void ShowAngles();

    // Lays out and paints the active page.
    void FormPaint(QObject* sender);
    // Asks for the active page's paint after the running handler: one paint
    // however often it is asked for, none while FormPaint runs (it is that
    // paint).
    void RequestRepaint();
    void ScreenResizeExecute(QObject* sender);

    // Shown at start-up: maximised, and restored (by the title bar) to its
    // own size centred on the screen, title bar and all inside the screen's
    // free area.
    void ShowAtStart();

    void Timer1Timer();
    void FormCreate();
    void FormClose();
    void BitBtn3Click();

    void MetricRadClick();
    void ImperialRadClick();
    void ConvertEditUnits();

    // Filled in by the array controls, the array page and the file roads.
    void SetupArrayControls();
    // The rigging controls the current type offers and the rig fields it
    // fixes (a part of SetupArrayControls).
    void SetupTypeRigging();
    void UpdateArrayPage();
    void RefreshControls();
    virtual void LoadVenueFromCommandLine(const std::string& path);

    // The warnings window the results go to (made after this window); the
    // window adopts it as its companion (AdoptCompanion).
    void SetWarningsWindow(Tmechwarn* window);
    Tmechwarn* WarningsWindow() const { return FWarnings; }
    // Replaces what the window reads of the array (tests).
    void SetRigReadout(std::unique_ptr<TRigReadout> readout);
    TRigReadout& RigReadout() { return *FReadout; }

    // Applies the page control's and the picture panel's alignment.
    void ArrangeAligned();
    // Lays out the tool bar over the window's width; returns its height.
    int ArrangeToolBar();
    // A tool button shown or hidden: the bar arranged again, and the window
    // when the bar's height changed.
    void ToolBarButtonsChanged();
    TAlign PageControl1Align = TAlign::Top;
    TAlign Panel1Align = TAlign::Top;

    const TForm1Environment& Environment() const { return FEnv; }

    // --- the three dialogs and their venue-page buttons (form_dialogs.cpp) ---
    // The dialogs are made after this window; it reaches them through these
    // and adopts them as its companions (AdoptCompanion).
    void SetDialogs(TForm3* calculator, TSurveyForm* survey, Tssform* subStack);
    // Makes `companion` belong to this window, whoever made it: the window
    // manager keeps it above this window and minimises and restores it with
    // this one.  It stays the kind of window it is (a tool window, a
    // dialog); whoever made it still owns it: this window hands it back,
    // unshown, when it goes.
    void AdoptCompanion(QWidget* companion);
    // Where the polar tool first opens: beside the venue page, inside the
    // screen's free area.
    QPoint CalculatorFirstPlace() const;
    void BuildDialogButtons();
    void ShowCalculatorForm();
    // Hands the polar tool the plane it was last given, as the venue page
    // now shows it (after a load).
    void HandPlaneToCalculator();
    void BitBtn6Click();  // plane 1 calculator
    void BitBtn4Click();  // plane 2 calculator
    void BitBtn5Click();  // plane 3 calculator
    void TakePlane1Calc();
    void TakePlane2Calc();
    void TakePlane3Calc();
    void BitBtn8Click();     // venue survey
    void AddsubsButClick();  // sub stack
    bool Plane1Seated() const;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* AddsubsBut = nullptr;
    TForm3* FCalculator = nullptr;
    TSurveyForm* FSurvey = nullptr;
    Tssform* FSubStack = nullptr;

    // --- controls -------------------------------------------------------
    QWidget* PagesToolBar;
    QToolButton* LoadTBut;
    QToolButton* DesignTBut;
    QToolButton* VenTBut;
    QToolButton* ArrayTBut;
    QToolButton* RigTBut;
    QToolButton* DevTBut;
    QToolButton* PrintTBut;
    QToolButton* PrintSUTBut;
    QToolButton* SaveTBut;
    QToolButton* webtbut;
    QToolButton* mailtbut;
    QToolButton* HelpTBut;
    QToolButton* tbauto;
    QToolButton* tbman;
    qtapp::PictureBox* Image8;  // the safety lamp

    QWidget* Panel1;
    qtapp::PictureBox* image1;

    QTabWidget* PageControl1;
    QWidget* VenueTab;
    QWidget* ArrayTab;
    QWidget* ProcessorTab;
    QWidget* AmpTab;
    QWidget* DEVTAB;

    // Venue page.
    QTableWidget* ArvoStrGrid;
    QTableWidget* BexaStrGrid;
    QRadioButton* MetricRad;
    QRadioButton* ImperialRad;
    QLineEdit* MaxPickHeight;
    QLineEdit* MinTrimHeight;
    QLineEdit* P1Length;
    QLineEdit* P1Height;
    QLineEdit* CovStart;
    QLineEdit* CovStop;
    QLineEdit* P2Length;
    QLineEdit* P2Height;
    QLineEdit* P2elev;
    QLineEdit* P3Length;
    QLineEdit* P3Height;
    QLineEdit* p3elev;
    QLineEdit* P3dist;
    QLineEdit* ArrayHeight;
    QLineEdit* NumBoxes;
    qtapp::UpDown* numbox1updn;

    // Array page.
    QGroupBox* arvoGB;
    QGroupBox* BexaGB;
    QWidget* Panel7;
    qtapp::PictureBox* gridimg;
    QLabel* MTOTlab;
    QLabel* FFlab;
    QLabel* FRlab;
    QLabel* bestholelab;
    QLabel* bestanglab;
    QLabel* Label77;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* numhobaed;
    qtapp::UpDown* numhobaupdn;
    QPushButton* matchhobabut;
    QRadioButton* alldovirad;
    QRadioButton* allarvoxrad;
    QRadioButton* mixarvoxbexarad;
    QPushButton* UpdateEaseBut;

    // Patch page and the strips over the picture.
    QWidget* Panel16;
    qtapp::PictureBox* Image3;
    QWidget* Panel14;
    qtapp::PictureBox* PaintBox2;
    QWidget* Panel22;
    QRadioButton* showupperrad;
    QRadioButton* showlowerrad;

    QPushButton* BitBtn3;  // "Exit", hidden
    QTimer* Timer1;        // start-up, 50 ms
    QList<QIcon> ImageList1;
    // The small pictures handed to the drawings.
    rtl::Picture Image2Picture;
    rtl::Picture Image5Picture;

    // --- venue value editing, units, design start, tool bar pages, help
    // (form_venue_page.cpp, form_units_toolbar.cpp) ---
    qtapp::UpDown* maxpickupdn = nullptr;
    qtapp::UpDown* mintrimupdn = nullptr;
    qtapp::UpDown* covstartupdn = nullptr;
    qtapp::UpDown* covstopupdn = nullptr;
    qtapp::UpDown* P1Lupdn = nullptr;
    qtapp::UpDown* P1Hupdn = nullptr;
    qtapp::UpDown* P2Lupdn = nullptr;
    qtapp::UpDown* P2Hupdn = nullptr;
    qtapp::UpDown* P2elevupdn = nullptr;
    qtapp::UpDown* P3Lupdn = nullptr;
    qtapp::UpDown* P3Hupdn = nullptr;
    qtapp::UpDown* P3distupdn = nullptr;
    qtapp::UpDown* P3elevupdn = nullptr;
    qtapp::UpDown* arrhupdn = nullptr;
    QRadioButton* P1sit = nullptr;
    QRadioButton* P1stand = nullptr;
    QRadioButton* P1cust = nullptr;
    QRadioButton* P2sit = nullptr;
    QRadioButton* P2stand = nullptr;
    QRadioButton* P2cust = nullptr;
    QRadioButton* P3sit = nullptr;
    QRadioButton* P3stand = nullptr;
    QRadioButton* P3cust = nullptr;
    QLineEdit* P1custedit = nullptr;
    QLineEdit* p2custedit = nullptr;
    QLineEdit* p3custedit = nullptr;
    qtapp::UpDown* p1custupdn = nullptr;
    qtapp::UpDown* p2custupdn = nullptr;
    qtapp::UpDown* P3custupdn = nullptr;
    // One up/down of a venue value (the table in form_venue_page.cpp).
    void VenueUpDownClick(qtapp::UpDown* upDown, qtapp::UDBtnType button);
    void StepArrayHeightClick(qtapp::UDBtnType button);
    void P1sitClick();  // also P1standClick
    void P2sitClick();
    void P3sitClick();
    void P1custClick();
    void P2custClick();
    void P3custClick();
    void p1custupdnClick(qtapp::UDBtnType button);
    void p2custupdnClick(qtapp::UDBtnType button);
    void P3custupdnClick(qtapp::UDBtnType button);
    void P1sitMouseUp();
    void UpdateVenueActionExecute();
    // The change handler of a venue value's edit: the stored value, formatted.
    void VenueEditChange(QLineEdit* edit);
    void NumBoxesChange();
    void DesignTButClick();
    // The design start's trim search (flown): FArrayHeight at the first
    // centimetre where the lowest cabinet is at or above the minimum trim;
    // the error that the trim cannot be reached when no such height is found
    // with the pick at or below the maximum pick height.
    void HangAtMinimumTrim();
    void tbautoClick();
    void tbmanClick();
    void VenTButClick();
    void ArrayTButClick();
    void RigTButClick();
    // The tool bar's page buttons: the one of `page` marked, the others not
    // (no button of the amplifier and developer pages is marked).
    void MarkShownPage(const QWidget* page);
    bool ToolBarMarks(const QWidget* page) const;
    // Auto and Manual beside the venue and array pages, once a design has
    // started.
    void ShowDesignModeButtons(bool beside);
    // A page turned to: the tool bar's road for it, unless that road turned
    // it; the page laid out and painted.
    void PageControl1Change();
    void BexaStrGridSelectCell(int row);
    void HelpTButClick();
    // The help page beside the program.
    std::string HelpFilePath() const;
    // Shows the venue page's up/downs and the tool bar's page, help and
    // design-mode buttons once a design has started.
    void ShowDesignControls();
    void VenSetButCursor(bool wait);
    // --- venue files, mail, web and printing (form_files.cpp, form_print.cpp) ---
    // Every edit of the design ends in MarkModified() (PassValuesToVenue
    // calls it); save and load clear it, and the close question and the
    // Support mail ask DesignModified().
    void MarkModified();
    bool DesignModified();
    void LoadTButClick();
    void SaveTButClick();
    void mailtbutClick();
    void webtbutClick();
    void Label30MouseDown(Qt::MouseButton button);
    // False keeps the window open.
    bool FormCloseQuery();
    // One load pass of the file's contents, read and checked already.
    void LoadVenueFile(const std::string& fileName, const std::string& contents);
    void PrintTButClick();
    void PrintSUTButClick();
    // The first-model count at which a right click on "Venue planes" shows
    // the Support button.
    static constexpr int kSupportButtonCount = 13;
    QLabel* Label30 = nullptr;
    uint8_t FModified = 0;
    std::string FSavedText;  // the venue file as last saved or loaded
    // Their helpers.
    void BuildFiles();
    bool LoadVenueThreeTimes(const std::string& path);
    // The file's contents once the venue and the window would take them;
    // else the load's error.  Changes nothing.
    std::string ReadLoadableVenueFile(const std::string& path) const;
    void SelectArrayTypeControl();
    void ShowLoadedValues();
    void ShowLoadedControls();
    void SetPageTabsVisible(std::initializer_list<std::pair<QWidget*, bool>> tabs);
    void DesignSaved();
    void LoadedDesignSaved();
    bool SaveVenueAs(const std::string& chosen);
    // The save dialog, opened in the last file's folder, or on the last
    // file itself when `proposeLastName`; nullopt when cancelled.
    // Asks before an existing file is replaced, about the file the save
    // writes: a No opens the dialog again.
    std::optional<std::string> AskSaveName(const QString& title, bool proposeLastName = false);
    // Before a load replaces a design that differs from its file: asks
    // whether to save it; Yes saves (over its file, or through the save
    // dialog), No goes on, Cancel or a save not made keeps the design.
    // True when the load may go on.
    bool SavedBeforeReplacing();
    void PrintArrayReport();
    void PrintVenuePage();
    // --- cabinet choice, count limits and array controls
    //     (form_cabinet_choice.cpp, form_array_controls.cpp) ---
    QTabWidget* boxchoicePC = nullptr;
    QWidget* Singlets = nullptr;
    QWidget* Mixedts = nullptr;
    QRadioButton *allarvorad = nullptr, *allbexarad = nullptr, *AllElkarad = nullptr,
                 *allruddrad = nullptr, *allivorrad = nullptr;
    QRadioButton *mixarvobexarad = nullptr, *mixarvogirafrad = nullptr,
                 *mixBexaCadrirad = nullptr, *mixbexadoviRAD = nullptr, *mixdovielkarad = nullptr,
                 *mixruddarvorad = nullptr, *mixruddbexarad = nullptr, *mixhobadovirad = nullptr,
                 *mixivordovirad = nullptr, *MIXIVORELKARAD = nullptr,
                 *MIXIVORDOVIELKARAD = nullptr;
    QPushButton *clearsingle = nullptr, *clearmix = nullptr;
    QLabel* SplayHobalab = nullptr;
    QCheckBox* SplayHobachk = nullptr;
    QWidget *Numbox1pan = nullptr, *NumBox2Pan = nullptr, *Numbox3Pan = nullptr;
    QLineEdit *NUMxaED = nullptr, *numbox3ed = nullptr;
    qtapp::UpDown *numbox2updn = nullptr, *numbox3updn = nullptr;
    QLabel *NumBox1Lab = nullptr, *numbox2lab = nullptr, *numbox3lab = nullptr;
    QLabel *g1lab = nullptr, *g2lab = nullptr, *g3lab = nullptr;
    QRadioButton *tourrad = nullptr, *installrad = nullptr;
    QTableWidget* box3strgrid = nullptr;

    // One handler for the 19 type radios: `radio` is the one that became checked.
    void CabinetChoiceClick(QRadioButton* radio);
    void SplayHobachkClick();
    void SetBoxLimits();
    void ShowOneTypeControls();
    void ShowTwoTypeControls();
    void ShowThreeTypeControls();
    void installradClick();
    // Touring chosen, its limits set, without a recalculation.
    void ChooseTouring();
    void tourradClick();
    void numbox1updnClick(qtapp::UDBtnType button);
    void numbox2updnClick(qtapp::UDBtnType button);
    void numbox3updnClick(qtapp::UDBtnType button);
    void matchhobabutClick();
    void numhobaupdnClick(qtapp::UDBtnType button);
    void ClearMixedRadios();
    void ClearSingleRadios();
    void clearmixClick();
    void clearsingleClick();
    void boxchoicePCChange();
    void ClearSplayGrids(bool grid1, bool grid2, bool grid3);
    void SetupTypeRigging(const rules::TypeControls& c);
    // Places the splay grids shown side by side, each with its title.
    void PlaceSplayGrids();
    // The array type and rig mode whose push-over test force default was
    // last applied: the default replaces the user's value only when these change.
    std::string FFTDefaultType;
    int FFTDefaultRigMode = -1;
    // Runs of the cabinet-choice, count and touring / install handlers.
    int FCabinetHandlerRuns = 0;
    // --- array page rows, splay angle entry and rigging options (arraypage) ---
    // The rows of the two cabinet boxes: row k's controls carry 100 + k in
    // their "Tag" property.  Lists: arvoGB rows 1..21, BexaGB rows 1..23.
    std::array<QComboBox*, 21> ArvoLists{};
    std::array<QComboBox*, 23> BexaLists{};
    std::array<QLabel*, 22> ArvoRowLabels{};
    std::array<QLabel*, 24> BexaRowLabels{};
    QLineEdit* A0ed = nullptr;
    qtapp::UpDown* A0sp = nullptr;
    QLineEdit* A0Cedit = nullptr;
    qtapp::UpDown* A0lsp = nullptr;
    QLabel* splaycomlab = nullptr;
    QLabel* Label76 = nullptr;
    QLabel* fflabh = nullptr;
    QLabel* frlabh = nullptr;
    QLabel* nearholelab = nullptr;
    QLabel* ActAng = nullptr;
    // The rigging options.
    QWidget* RigPanel = nullptr;
    QRadioButton* flyrad = nullptr;
    QRadioButton* stackrad = nullptr;
    QRadioButton* Gridfrontrad = nullptr;
    QRadioButton* Gridrearrad = nullptr;
    qtapp::PictureBox* gridposimg = nullptr;
    qtapp::PictureBox* gridfrontimg = nullptr;
    qtapp::PictureBox* gridrearimg = nullptr;
    QWidget* pickpanel = nullptr;
    QLabel* StaticText5 = nullptr;
    QRadioButton* FandRPPrad = nullptr;
    QRadioButton* liftbarrad = nullptr;
    QWidget* Panel18 = nullptr;
    QRadioButton* lb1prad = nullptr;
    QRadioButton* Lbshacklerad = nullptr;
    QWidget* Panel19 = nullptr;
    QRadioButton* lbfrad = nullptr;
    QRadioButton* lbrrad = nullptr;
    QLabel* Label62 = nullptr;
    QLineEdit* FTedit = nullptr;
    qtapp::UpDown* FTupdn = nullptr;
    QCheckBox* KelvarCB = nullptr;
    QWidget* Panel12 = nullptr;
    QRadioButton* GVallrad = nullptr;
    QRadioButton* GVdetailrad = nullptr;
    QPushButton* ApplyAngBut = nullptr;
    // Runs of the lists' change handler (the user's choices only).
    int ArrayListChoices = 0;

    void arraycombochangeExecute(QObject* sender);
    void A0spClick(qtapp::UDBtnType button);
    void HighlightArrayrowExecute(QObject* sender);
    void unhighlightrowExecute(QObject* sender);
    // Hands the state to the venue, draws the side view, fills the array
    // page and shows the loads (these only when `loads`).
    void RedrawRig(bool loads = true);
    void flyradClick();
    void stackradClick();
    void GridfrontradClick();
    void GridrearradClick();
    void FandRPPradClick();
    void liftbarradClick();
    void lb1pradClick();
    void LbshackleradClick();
    void lbfradClick();
    void lbrradClick();
    void KelvarCBClick();
    void FTupdnClick(qtapp::UDBtnType button);
    void GVallradClick();
    void GVdetailradClick();
    void ApplyAngButClick();
    // The array's side view into image1; the grid or hole detail into gridimg.
    void DrawRigSideView();
    void DrawGridDetail(int gridView);
    void BuildArrayRows();
    void BuildRigging();

    // --- picture: paint road, page layout, mouse and key editing (form_picture.cpp) ---
    void FillInfoLabels();
    void ArrangePatchPage(int settingsHeight);
    // The venue section's pointer and keyboard editing.  `buttons` are the
    // mouse buttons held during the move.
    void Image1MouseMove(Qt::MouseButtons buttons, int X, int Y);
    // The patch page: the strip of row pictures and the two diagram choices.
    void PaintBox2MouseMove(int X);
    void showupperradClick();
    void showlowerradClick();
    void Image1MouseDown(Qt::MouseButton button);
    void FormKeyDown(int key);
    void ArvoStrGridSelectCell(int row);
    void SelectGridRow(QTableWidget* grid, int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // How often the paint road ran (FormPaint and the picture redraws); the
    // paint events of the widgets never run it.
    int PaintRoadRuns() const { return FPaintRoadRuns; }
    QLabel* headA = nullptr;
    QLabel* headB = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* H1com = nullptr;
    QLabel* H2com = nullptr;
    QLabel* H3com = nullptr;
    QLabel* StaticText1b = nullptr;
    QLabel* StaticText2b = nullptr;
    QLabel* StaticText3b = nullptr;
    QLabel* h1comb = nullptr;
    QLabel* h2comb = nullptr;
    QLabel* h3comb = nullptr;
    QLabel* contnote = nullptr;

    // --- the patch strip's row pictures (form_picture.cpp) ---
    // On the amplifier page: the strip's picture with row 1, 2 or 3 chosen,
    // each drawn at the strip's size; the strip shows a copy of one.
    qtapp::PictureBox* r1highimg = nullptr;
    qtapp::PictureBox* r2highimg = nullptr;
    qtapp::PictureBox* r3highimg = nullptr;
    // The picture of row 1 to 3; nullptr for any other row.
    qtapp::PictureBox* RowPictureOf(int row) const;
    // Draws the three row pictures at `size`.
    void DrawRowPictures(QSize size);
    // Copies the picture of `row` into the strip, drawing the row pictures
    // again first when the strip's size has changed; any other row copies
    // nothing.
    void ShowPatchRow(int row);

private:
    // Redraws the venue section into FVenueImage and copies it to image1;
    // a flag of 0 or 1 replaces that view flag, -1 keeps it.
    void RedrawPicture(const std::array<int, 11>& flags, bool useImage2, bool sizeImage);
    // One step of the selected cabinet's angle (+1 up, -1 down).
    void StepSelectedAngle(int direction, bool key);
    // The array height stepped by the mouse (+1 up, -1 down).
    void StepArrayHeightByMouse(int direction);
    // Scroll bars for a page whose controls do not fit it.
    void ScrollPage(QWidget* page);
    void ShiftPage(QWidget* page, QPoint to);
    // Scrolls the page that holds `focused` so that it is in sight; run on
    // every focus change of the program while the window is whole.
    void ScrollIntoView(QWidget* focused);
    QMetaObject::Connection FFocusScroll;
    int FPaintRoadRuns = 0;
    // The paint asked for by RequestRepaint, and how deep FormPaint runs.
    void RepaintActivePage();
    qtapp::PostedCall* FRepaint = nullptr;
    // The window's layout and paint after the tool bar changed its height,
    // and the height the window was last laid out for: buttons shown and
    // hidden again inside one handler leave the layout as it was.
    qtapp::PostedCall* FRelayout = nullptr;
    int FLaidOutToolBarHeight = -1;
    int FPaintDepth = 0;

public:
    // --- named controls reached through their members, the cabinet-choice
    //     panel and what a load shows (form_venue_page.cpp,
    //     form_cabinet_choice.cpp, form_files.cpp, form_picture.cpp) ---
    // The captions of ArrayHeight, MaxPickHeight and MinTrimHeight: their
    // texts follow the rig mode.
    QLabel* Label22 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    // The panel of the cabinet choice: it holds boxchoicePC and carries the
    // stacked hint.
    QWidget* Panel10 = nullptr;
    // The type radio of an array type (one per type).
    QRadioButton* TypeRadio(TArrayType type) const;
    // Enables or greys the choices that can only be flown.
    void EnableFlownOnlyChoices(bool on);
    // Enables or greys the Hoba match (its button, count and up/down): it
    // stays greyed while Install is chosen, whatever the caller allows.
    void EnableHobaMatch(bool on);
    // The controls directly on the venue page and those inside its panels:
    // what a loaded venue makes visible.  Not the pages of a page control,
    // the insides of grids, up/downs and lists, nor the page's scroll bars.
    QList<QWidget*> VenuePageControls() const;
    // The scroll bars ScrollPage made for a page, and how far they moved
    // the page's controls.
    struct TPageScrollBars {
        QWidget* Page = nullptr;
        QScrollBar* H = nullptr;
        QScrollBar* V = nullptr;
        QPoint Offset;
    };
    std::vector<TPageScrollBars> FPageScrollBars;
    TPageScrollBars& ScrollBarsOf(QWidget* page);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building: the window's frame and one builder per area of the window,
    // each in the area's own file (app/README.md).
    void BuildForm();           // background1.cpp: the window, pages, timer
    void BuildPages();          // background1.cpp
    void BuildToolBar();        // form_units_toolbar.cpp
    void BuildUnits();          // form_units_toolbar.cpp
    void BuildArrayControls();  // form_array_controls.cpp
    void BuildVenuePage();      // form_venue_page.cpp
    void BuildCabinetChoice();  // form_cabinet_choice.cpp
    void BuildArrayPage();      // form_array_page.cpp
    void BuildPicture();        // form_picture.cpp
    void Construct();
    // The handlers' connections, made once construction is done; the unit
    // radios' before the settings file is read.
    void ConnectHandlers();
    void ConnectUnits();
    // Draws the venue section into FVenueImage.
    void DrawVenueInto(int width, int height, bool redrawFlags, int selElement, bool useImage2);
    // Hands the rigging results to the warnings window, places and shows it.
    void ShowWarningsWindow();
    void FillRigResults();

    // The window's own size, restored from maximised.
    static constexpr int kFormWidth = 824;
    static constexpr int kFormHeight = 751;
    static constexpr int kToolBarHeight = 40;
    static constexpr int kToolButtonWidth = 62;

    TForm1Environment FEnv;
    Tmechwarn* FWarnings = nullptr;
    std::vector<QPointer<QWidget>> FCompanions;
    std::unique_ptr<TRigReadout> FReadout;
    std::string FSettingsRead;
    int FPageControlHeight = 240;
    int FPageControlWidth = 320;
    int FPanel1Height = 300;
    bool FReady = false;  // construction finished

public:
    // --- fills of the window's own controls and the current array ----------
    // While a fill of the window's own controls holds a TFillGuard, no
    // handler of a user's choice runs (a list's choice, a grid's cell, an
    // up/down's press, a button's click): what a fill shows is no choice of
    // the user's.  Fills nest.
    class TFillGuard {
    public:
        explicit TFillGuard(TForm1& form) : form_(form) { ++form_.FFillDepth; }
        ~TFillGuard() { --form_.FFillDepth; }
        TFillGuard(const TFillGuard&) = delete;
        TFillGuard& operator=(const TFillGuard&) = delete;

    private:
        TForm1& form_;
    };
    // True when a handler of a user's choice may run: the window is built
    // and no fill is under way.
    bool TakesUserChoice() const { return FReady && FFillDepth == 0; }
    // The venue's current array, read afresh: every recalculation rebuilds
    // it, so no routine keeps it across a call that can recalculate.
    TLoudspeakerArray* CurrentArray() const;
    // The same, for a routine that cannot go on without one.
    TLoudspeakerArray& RequireArray() const;

private:
    int FFillDepth = 0;
};
