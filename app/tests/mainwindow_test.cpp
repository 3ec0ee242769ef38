// The main window: construction defaults, the settings file at start-up and
// on unit changes, the start of the rigging library, the start-up timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "app/background1.h"
#include "model/hardware/splay.h"
#include "riglink/mechdll5.h"
#include "venue/model/venue.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

struct Folders {
    ScratchDir user;
    ScratchDir program;
    TForm1Environment Env(QStringList args = {}) const {
        TForm1Environment env = TestEnv(user, program);
        env.UserConfigDir += "orandel/";
        env.Arguments = std::move(args);
        return env;
    }
    std::string UserIni() const { return user.Dir() + "orandel/orandel.ini"; }
    std::string ProgramIni() const { return program.Path("orandel.ini"); }
};

}  // namespace

TEST(MainWindow, ConstructionDefaults) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();

    // Fields; whole-number fields compare exactly as doubles.
#define FIELD(f, v) {#f, static_cast<double>(w.f), v}
    const struct {
        const char* name;
        double got, want;
    } numbers[] = {
        FIELD(FSaved, 0), FIELD(FNoDesign, 1), FIELD(FDrawVenueFlag, 1), FIELD(FArrayHeight, 6.0),
        FIELD(FMaxPickHeight, 20.0), FIELD(FMinTrimHeight, 3.0), FIELD(FP1Length, 60.0),
        FIELD(FP1Height, 0.0), FIELD(FP2Length, 20.0), FIELD(FP2Height, 4.0), FIELD(FP3Length, 13.0),
        FIELD(FP3Height, 0.0), FIELD(FP2EarHeight, 1.4), FIELD(FP1EarHeight, 1.8),
        FIELD(FP3EarHeight, 0.0), FIELD(FP3Dist, 80.0), FIELD(FP3Elev, 0.0), FIELD(FP2Elev, 0.0),
        FIELD(FCovStart, 1.0), FIELD(FCovStop, 80.0), FIELD(FAutoDesign, 1), FIELD(FNumBoxes1, 10),
        FIELD(FNumBoxes2, 0), FIELD(FNumBoxes3, 0), FIELD(FMaxBoxes, 16), FIELD(FPickOption, 1),
        FIELD(FLiftBarPosition, 0), FIELD(FHotA, 0), FIELD(FHotB, 0), FIELD(FHotC, 0),
        FIELD(FShowAngleHandles, 1), FIELD(FSelElement, 0), FIELD(FHeightStep, 0.1),
        FIELD(FCoverageStep, 1.0), FIELD(FMetric, 1), FIELD(FPrinterIndex, -1),
        FIELD(FShowWarnings, 1), FIELD(FPatchRow, 1), FIELD(FDrawOffsetX, 0), FIELD(FDrawOffsetY, 0),
        FIELD(FRigMode, 1), FIELD(FGridView, 1), FIELD(FChangingType, 0), FIELD(FSplayHoba, 1),
        FIELD(FFTValue, 550.0), FIELD(FSuppressChoice, 0), FIELD(FHobaMatched, 0),
        FIELD(FNumHoba, 10), FIELD(FCombinationGrid, 0), FIELD(FMixedChoice, 0),
        FIELD(FInstallMode, 0), FIELD(FBusy1, 0), FIELD(FBusy2, 0), FIELD(FBusy3, 0),
        FIELD(HelpAvailable, 0),
    };
#undef FIELD
    for (const auto& n : numbers) EXPECT_EQ(n.got, n.want) << n.name;
    EXPECT_EQ(w.FMailFileName, "");
    EXPECT_EQ(w.FDesignMode, "MinSpiral");
    EXPECT_EQ(w.FStatusText, "STARTUP");
    EXPECT_EQ(w.FVenueName, "Unsaved Venue");
    EXPECT_EQ(w.FGridPosition, "FRONT");
    EXPECT_EQ(w.FArrayType, "Arvo");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.FTextLists[static_cast<std::size_t>(i)].Count(), 0);
    ASSERT_EQ(w.FTextLists[5].Count(), 1);
    EXPECT_EQ(w.FTextLists[5][0], "0");
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(w.FViewFlags[i], 0) << i;
    EXPECT_EQ(w.FViewFlags[10], 1);
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(w.FRigResults[i], 0.0);

    // The splay list exists; the automatic design has already worked on it
    // (its start values are the design's starting point, not a result).
    ASSERT_TRUE(w.FSplay);
    for (int i = 12; i <= 40; ++i) EXPECT_EQ(w.FSplay->Angle[i], 0.0) << i;

    // The venue got the values and works on the window's splay list.
    ASSERT_TRUE(w.FVenue);
    EXPECT_EQ(w.FVenue->Splay, w.FSplay.get());
    EXPECT_EQ(w.FVenue->ArrayHeight, 6.0);
    EXPECT_EQ(w.FVenue->NumBoxes1, 10);
    EXPECT_EQ(w.FVenue->CoverageStop, 80.0);
    EXPECT_EQ(w.FVenue->ArrayType, "Arvo");
    EXPECT_EQ(w.FVenue->FTValue, 200.0);
    EXPECT_EQ(w.FVenue->VenueName, "Unsaved Venue");
    ASSERT_TRUE(w.FVenue->LSArray);
    EXPECT_EQ(w.FVenue->LSArray->TypeCode, 0);

    // Widgets.
    EXPECT_EQ(w.windowTitle(), "Orandel 4.1");
    EXPECT_EQ(w.minimumSize(), QSize(640, 480));
    EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
    EXPECT_EQ(w.PageControl1->count(), 5);
    const QWidget* pages[] = {w.VenueTab, w.ArrayTab, w.ProcessorTab, w.AmpTab, w.DEVTAB};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.PageControl1->widget(i), pages[i]) << i;
    EXPECT_EQ(w.PageControl1Align, TAlign::Bottom);
    EXPECT_EQ(w.Panel1Align, TAlign::Client);
    EXPECT_FALSE(w.LoadTBut->isHidden());
    EXPECT_FALSE(w.DesignTBut->isHidden());
    for (QToolButton* b : {w.VenTBut, w.ArrayTBut, w.RigTBut, w.DevTBut, w.PrintTBut, w.webtbut,
                           w.mailtbut, w.PrintSUTBut, w.SaveTBut})
        EXPECT_TRUE(b->isHidden()) << b->objectName().toStdString();
    EXPECT_TRUE(w.MetricRad->isChecked());
    EXPECT_FALSE(w.ImperialRad->isChecked());
    EXPECT_EQ(w.numbox1updn->Position(), 10);
    EXPECT_EQ(w.numhobaupdn->Position(), 10);
    EXPECT_FALSE(w.numhobaed->isEnabled());
    EXPECT_FALSE(w.numhobaupdn->isEnabled());
    for (QWidget* c : std::initializer_list<QWidget*>{w.matchhobabut, w.alldovirad, w.allarvoxrad,
                                                      w.mixarvoxbexarad})
        EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_TRUE(w.UpdateEaseBut->isHidden());
    EXPECT_FALSE(w.BexaStrGrid->isEnabled());
    EXPECT_TRUE(w.BitBtn3->isHidden());
    EXPECT_EQ(w.ImageList1.size(), 13);
    EXPECT_EQ(w.Timer1->interval(), 50);
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.ArrayHeight->text(), "6.0");
    EXPECT_EQ(w.P1Length->text(), "60.0");
    // The picture was drawn once and is as large as the paint box.
    EXPECT_GT(w.FVenueImage->Width(), 1);
    // Every control a test or a later handler looks for is found by name.
    for (const char* name : {"PageControl1", "VenueTab", "ArrayTab", "image1", "Panel1",
                             "Image8", "MTOTlab", "FFlab", "FRlab", "bestholelab", "bestanglab",
                             "Label77", "Label4", "Label5", "Label6", "MetricRad", "ImperialRad",
                             "ArvoStrGrid", "numbox1updn", "PagesToolBar"})
        EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
    // No settings file was there, and none is written by a start in metric.
    EXPECT_EQ(w.SettingsPathRead(), "");
    EXPECT_FALSE(std::filesystem::exists(f.UserIni()));
}

TEST(MainWindow, DefaultWindowHeightIsFourTenths) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    w.resize(800, 615);
    EXPECT_EQ(w.DefaultWindowHeight(), 246);
    w.resize(800, 605);  // 242.0
    EXPECT_EQ(w.DefaultWindowHeight(), 242);
}

TEST(MainWindow, LibraryThatDoesNotStartEndsTheProgramSilently) {
    ErrorRecorder rec;
    Folders f;
    int calls = 0;
    TForm1Environment env = f.Env();
    env.MechInit = [&calls] {
        ++calls;
        return 0;
    };
    try {
        TForm1 w(env);
        FAIL() << "the window was built";
    } catch (const TProgramHalt& halt) {
        EXPECT_NE(halt.ExitCode, 0);
    }
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(rec.errors.isEmpty());
    // It stopped before the settings were read: a YANK file is not rewritten.
    WriteFile(f.ProgramIni(), "1\nYANK\n");
    env.MechInit = [] { return 2; };
    EXPECT_THROW(TForm1 w(env), TProgramHalt);
    EXPECT_FALSE(std::filesystem::exists(f.UserIni()));
}

// --- the settings file at start-up ---------------------------------------------

struct SettingsCase {
    const char* name;
    const char* contents;
    bool imperial;
};

class StartupSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(StartupSettings, UnitsAfterStart) {
    const SettingsCase& c = GetParam();
    for (bool inUserFolder : {true, false}) {
        ErrorRecorder rec;
        Folders f;
        WriteFile(inUserFolder ? f.UserIni() : f.ProgramIni(), c.contents);
        TForm1 w(f.Env());
        EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
        EXPECT_EQ(w.FMetric, c.imperial ? 0 : 1) << c.name;
        EXPECT_EQ(w.ImperialRad->isChecked(), c.imperial) << c.name;
        EXPECT_EQ(w.MetricRad->isChecked(), !c.imperial) << c.name;
        if (c.imperial) {
            // Shown in feet (60 m = 196.85 ft), stored in metres, file
            // rewritten into the user's folder.
            EXPECT_EQ(w.P1Length->text(), "196.9");
            EXPECT_EQ(w.ArrayHeight->text(), "19.7");
            EXPECT_EQ(w.MaxPickHeight->text(), "65.6");
            EXPECT_EQ(w.P2Height->text(), "13.1");
            EXPECT_EQ(w.FP1Length, 60.0);
            EXPECT_EQ(ReadFile(f.UserIni()), "1\r\nYANK\r\n");
        } else {
            EXPECT_EQ(w.P1Length->text(), "60.0") << c.name;
            // Nothing changed, so nothing is written: a file in the user's
            // folder keeps its bytes and none appears there otherwise.
            if (inUserFolder)
                EXPECT_EQ(ReadFile(f.UserIni()), c.contents);
            else
                EXPECT_FALSE(std::filesystem::exists(f.UserIni())) << c.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, StartupSettings,
    ::testing::Values(SettingsCase{"BRIT", "1\r\nBRIT\r\n", false},
                      SettingsCase{"YANK", "1\nYANK\n", true},
                      SettingsCase{"YANK_CRLF", "1\r\nYANK\r\n", true},
                      SettingsCase{"lower_yank", "1\nyank\n", false},
                      SettingsCase{"YANK_blank", "1\nYANK \n", false},
                      SettingsCase{"garbage", "garbage\x01\x02\nYANK\n", false},
                      SettingsCase{"empty", "", false},
                      SettingsCase{"one_line", "1\n", false}),
    [](const ::testing::TestParamInfo<SettingsCase>& i) { return std::string(i.param.name); });

TEST(MainWindow, SettingsWriteFailureIsShownAndTheProgramGoesOn) {
    ErrorRecorder rec;
    Folders f;
    WriteFile(f.ProgramIni(), "1\nYANK\n");
    // The user's folder cannot be made: its parent is a plain file.
    WriteFile(f.user.Path("plain"), "x");
    TForm1Environment env = f.Env();
    env.UserConfigDir = f.user.Path("plain") + "/orandel/";
    TForm1 w(env);
    ASSERT_EQ(rec.errors.size(), 1);
    EXPECT_TRUE(rec.errors[0].contains("orandel.ini")) << rec.errors[0].toStdString();
    // The new units are in effect; the window is whole.
    EXPECT_EQ(w.FMetric, 0);
    EXPECT_EQ(w.P1Length->text(), "196.9");
    EXPECT_TRUE(w.FVenue);
    EXPECT_EQ(ReadFile(f.ProgramIni()), "1\nYANK\n");

    // Switching back fails the same way and is shown again.
    w.MetricRad->setChecked(true);
    EXPECT_EQ(rec.errors.size(), 2);
    EXPECT_EQ(w.FMetric, 1);
    EXPECT_EQ(w.P1Length->text(), "60.0");
}

TEST(MainWindow, UnitSwitchConvertsTheEditsAndRemembersTheChoice) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    w.P1Length->setText("10.0");
    w.ImperialRad->setChecked(true);
    EXPECT_EQ(w.FMetric, 0);
    EXPECT_EQ(w.P1Length->text(), "32.8");
    EXPECT_EQ(ReadFile(f.UserIni()), "1\r\nYANK\r\n");
    w.MetricRad->setChecked(true);
    EXPECT_EQ(w.FMetric, 1);
    EXPECT_EQ(w.P1Length->text(), "10.0");
    EXPECT_EQ(ReadFile(f.UserIni()), "1\r\nBRIT\r\n");
    // Metric again while metric: nothing converted, the file still written.
    std::filesystem::remove(f.UserIni());
    w.MetricRadClick();
    EXPECT_EQ(w.P1Length->text(), "10.0");
    EXPECT_EQ(ReadFile(f.UserIni()), "1\r\nBRIT\r\n");
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST(MainWindow, TypedTextThatIsNoNumberStopsTheConversion) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    w.P1Height->setText("abc");
    w.ImperialRad->setChecked(true);
    ASSERT_EQ(rec.errors.size(), 1);
    EXPECT_EQ(rec.errors[0], "'abc' is not a valid floating point value");
    // All or none: nothing converted, the units stay metric.
    EXPECT_EQ(w.MaxPickHeight->text(), "20.0");
    EXPECT_EQ(w.P1Length->text(), "60.0");
    EXPECT_EQ(w.P1Height->text(), "abc");
    EXPECT_EQ(w.CovStop->text(), "80.0");
    EXPECT_EQ(w.FMetric, 1);
    EXPECT_TRUE(w.MetricRad->isChecked());
    EXPECT_FALSE(w.ImperialRad->isChecked());
}

// --- help file and the start-up timer ----------------------------------------------

TEST(MainWindow, HelpFileBesideTheProgram) {
    ErrorRecorder rec;
    Folders f;
    WriteFile(f.program.Path("odhelp4.html"), "help");
    TForm1 w(f.Env());
    EXPECT_EQ(w.HelpAvailable, 1);
}

namespace {

class CountingForm : public TForm1 {
public:
    using TForm1::TForm1;
    void LoadVenueFromCommandLine(const std::string& path) override { loaded.push_back(path); }
    std::vector<std::string> loaded;
};

}  // namespace

TEST(MainWindow, StartupTimerPaintsOnceAndOpensOneExistingFile) {
    ErrorRecorder rec;
    Folders f;
    const std::string ven = f.program.Path("hall.ven");
    WriteFile(ven, "x");
    const QString v = QString::fromStdString(ven);
    const struct {
        QStringList args;
        bool opens;
    } cases[] = {{{v}, true},
                 {{v, v}, false},
                 {{QString::fromStdString(f.program.Path("missing.ven"))}, false},
                 {{}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(" ").toStdString());
        CountingForm w(f.Env(c.args));
        w.Timer1Timer();
        EXPECT_FALSE(w.Timer1->isActive());
        EXPECT_EQ(w.FViewFlags[8], 1);
        EXPECT_EQ(w.loaded, c.opens ? std::vector<std::string>{ven} : std::vector<std::string>{});
        EXPECT_FALSE(w.image1->Picture().isNull());
    }
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST(MainWindow, ResizeLaysOutTheVenuePage) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    w.resize(1000, 700);
    w.ScreenResizeExecute(&w);
    EXPECT_EQ(w.PageControl1->height(), w.ArvoStrGrid->height() + 110);
    EXPECT_EQ(w.PageControl1->geometry().bottom(), w.height() - 1);
    EXPECT_EQ(w.Panel1->geometry().bottom() + 1, w.PageControl1->geometry().top());
    EXPECT_EQ(w.image1->size(), w.Panel1->size());
    EXPECT_EQ(w.image1->Picture().size(), w.image1->size());
    // The amplifier page: the picture takes a quarter of the height at the top.
    w.PageControl1->setCurrentWidget(w.AmpTab);
    EXPECT_EQ(w.Panel1Align, TAlign::Top);
    EXPECT_EQ(w.Panel1->height(), 175);
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

#include "app/mechwarnform.h"
#include "app/rthetaxytool.h"
#include "app/spashform.h"
#include "app/substack.h"
#include "app/surveyorform.h"

TEST(MainWindow, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen) {
    ErrorRecorder rec;
    Folders f;
    TForm2 splash;  // still within its first two seconds
    splash.show();
    TForm1 w(f.Env());
    Tmechwarn warn;
    TForm3 tool;
    TSurveyForm survey;
    Tssform substack;
    w.SetWarningsWindow(&warn);
    w.show();
    warn.show();
    tool.show();
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    // Only a guard against hanging: the loop must end by the close.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(20000);
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(rec.errors.isEmpty());
}
