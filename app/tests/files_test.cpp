// Venue files, the close question, mail and printing from the window,
// through scripted platform services (no dialog ever shows).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

#include "app/background1.h"
#include "app/form_venue_values.h"
#include "app/mail.h"
#include "platform/core/errors.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/services_qt.h"
#include "app/tests/test_support.h"

namespace {

// A venue file of the current layout, written by hand: the numbers in
// plain decimal form, as any reader takes them.
std::string VenueFile(const std::string& type, int n1, int n2, double arrayHeight, int rigMode,
                      const std::string& line7 = "") {
    std::ostringstream s;
    auto line = [&s](const std::string& t) { s << t << "\r\n"; };
    line("Town Hall");
    line("-4");
    line(type);
    line(std::to_string(arrayHeight));
    line("16");
    line(std::to_string(n1));
    line(line7.empty() ? std::to_string(n2) : line7);
    for (const char* v : {"12", "3.25", "30", "-0.75", "12", "0", "2.5", "8", "3", "20", "4.5",
                          "3", "41.5", "1.4", "1.8", "1.5"})
        line(v);
    line("TRUE");   // auto design
    line("FRONT");  // grid position
    line("1");      // pick option
    line("2");      // lift-bar position
    line(std::to_string(rigMode));
    line("FALSE");  // splay hoba
    line("350");    // push-over force
    line("FALSE");  // combination grid
    for (int i = 0; i < 40; ++i) {
        line(i == 0 ? "2" : i < n1 + n2 ? "1" : "0");
        line("0");
    }
    return s.str();
}

struct Window {
    ScratchDir user, program;
    std::shared_ptr<qtapp::ScriptedServices> services = std::make_shared<qtapp::ScriptedServices>();
    qtapp::ScopedProcessServices process{services};
    std::unique_ptr<TForm1> w;
    Window() {
        TForm1Environment env = TestEnv(user, program);
        env.Services = services;
        w = std::make_unique<TForm1>(env);
    }
    void Load(const std::string& path) {
        services->QueueOpenFile(QString::fromStdString(path));
        w->LoadTButClick();
    }
};

// The design values of a window, for comparing two windows.
std::vector<double> Values(const TForm1& w) {
    return {w.FArrayHeight, w.FMaxPickHeight, w.FMinTrimHeight, w.FP1Length, w.FP1Height,
            w.FP2Length,    w.FP2Height,      w.FP2Elev,        w.FP3Length, w.FP3Height,
            w.FP3Dist,      w.FP3Elev,        w.FCovStart,      w.FCovStop,  w.FP1EarHeight,
            w.FP2EarHeight, w.FP3EarHeight,   w.FFTValue,       double(w.FNumBoxes1),
            double(w.FNumBoxes2), double(w.FRigMode), double(w.FPickOption),
            double(w.FLiftBarPosition), double(w.FAutoDesign)};
}

}  // namespace

TEST(VenueFiles, WindowTableHoldsEveryVenueValueWithAFieldOnce) {
    // One row for each value of the hand-over but the shared splay list.
    std::map<std::string, int> rows;
    ForEachVenueValue([&](const auto& v) {
        int& n = rows[std::string(v.Name)];
        venuevalues::ForEachField([&](const auto& row) {
            if constexpr (std::is_same_v<decltype(row.Data), decltype(v.Data)>)
                n += row.Data == v.Data;
        });
    });
    EXPECT_EQ(rows.size(), kVenueValueCount);
    for (const auto& [name, n] : rows) EXPECT_EQ(n, name == "Splay" ? 0 : 1) << name;
}

TEST(VenueFiles, LoadedElevationsStepDownByTheHeightStep) {
    // Loaded as 2.5 m and 4.5 m, each press of the down button takes 0.1 m off.
    const struct {
        qtapp::UpDown* TForm1::*upDown;
        double TForm1::*value;
        int presses;  // from the loaded value to 0
        bool below;   // one more goes below 0
    } cases[] = {{&TForm1::P2elevupdn, &TForm1::FP2Elev, 25, true},
                 {&TForm1::P3elevupdn, &TForm1::FP3Elev, 45, false}};
    for (const auto& c : cases) {
        Window a;
        WriteFile(a.user.Path("tiers.ven"), VenueFile("Arvo", 8, 0, 9.5, 1));
        a.Load(a.user.Path("tiers.ven"));
        TForm1& w = *a.w;
        for (int k = 1; k <= c.presses; ++k) {
            ASSERT_TRUE((w.*c.upDown)->Press(qtapp::UDBtnType::Prev)) << k;
            ASSERT_NEAR(w.*c.value, 0.1 * (c.presses - k), 1e-9) << k;
        }
        EXPECT_EQ((w.*c.upDown)->Press(qtapp::UDBtnType::Prev), c.below);
        EXPECT_EQ(a.services->Errors(), QStringList{});
    }
}

TEST(VenueFiles, OpenChangeSaveAndLoadIntoAFreshWindow) {
    Window a;
    const std::string hall = a.user.Path("hall.ven");
    WriteFile(hall, VenueFile("Arvo", 8, 0, 9.5, 1));
    a.Load(hall);
    TForm1& w = *a.w;
    EXPECT_EQ(a.services->Errors(), QStringList{});
    EXPECT_EQ(w.windowTitle(), "hall.ven");
    EXPECT_EQ(w.FVenueName, "hall.ven");
    EXPECT_EQ(w.FArrayType, "Arvo");
    EXPECT_EQ(w.FNumBoxes1, 8);
    EXPECT_DOUBLE_EQ(w.FArrayHeight, 9.5);
    EXPECT_DOUBLE_EQ(w.FP1Length, 30.0);
    EXPECT_DOUBLE_EQ(w.FP1Height, -0.75);
    EXPECT_DOUBLE_EQ(w.FCovStop, 41.5);
    EXPECT_DOUBLE_EQ(w.FP3EarHeight, 1.5);
    EXPECT_DOUBLE_EQ(w.FFTValue, 350.0);
    EXPECT_EQ(w.FLiftBarPosition, 0);  // an Arvo has no lift bar: its controls set 0
    EXPECT_EQ(w.P1Length->text(), "30.0");
    EXPECT_EQ(w.CovStop->text(), "41.5");
    EXPECT_EQ(w.FNoDesign, 0);
    EXPECT_EQ(w.FSuppressChoice, 0);
    EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
    EXPECT_FALSE(w.DesignModified());

    w.FNumBoxes1 = 10;
    w.Recalculate();
    EXPECT_TRUE(w.DesignModified());
    a.services->QueueSaveFile(QString::fromStdString(a.user.Path("new.ven")));
    w.SaveTButClick();
    EXPECT_EQ(a.services->Calls().back().args,
              (QStringList{"Save venue", "Venue files (*.ven)|*.VEN", "ven", QString::fromStdString(a.user.Dir().substr(0, a.user.Dir().size() - 1))}));
    EXPECT_EQ(w.windowTitle(), "new");
    EXPECT_EQ(w.FMailFileName, a.user.Path("new.ven"));
    EXPECT_FALSE(w.DesignModified());
    const std::string saved = ReadFile(a.user.Path("new.ven"));
    ASSERT_FALSE(saved.empty());

    Window b;
    b.Load(a.user.Path("new.ven"));
    EXPECT_EQ(b.services->Errors(), QStringList{});
    EXPECT_EQ(Values(*b.w), Values(w));
    EXPECT_EQ(b.w->FNumBoxes1, 10);
    b.services->QueueSaveFile(QString::fromStdString(a.user.Path("new")));
    b.services->QueueAnswer(qtapp::Answer::Yes);  // new.ven is there: replace it
    b.w->SaveTButClick();
    EXPECT_EQ(ReadFile(a.user.Path("new.ven")), saved);
}

TEST(VenueFiles, ABrokenFileChangesNothing) {
    struct Case {
        const char* what;
        std::string contents;
        QString error;
    };
    const Case cases[] = {
        {"no number", VenueFile("Arvo", 8, 0, 9.5, 1, "two"), "Invalid numeric input"},
        {"unknown type", VenueFile("Zeta", 8, 0, 9.5, 1), "Zeta"},
        {"cut short", VenueFile("Arvo", 8, 0, 9.5, 1).substr(0, 200), "Read beyond end of file"},
        // Counts the type does not take are refused, not clamped: the file's
        // height and angles are those of its own counts.
        {"17 Arvo", VenueFile("Arvo", 17, 0, 9.5, 1),
         "NumBoxes1 = 17: outside the 1 to 16 cabinets of this model in a flown Arvo array"},
        {"no Arvo", VenueFile("Arvo", 0, 0, 9.5, 1),
         "NumBoxes1 = 0: outside the 1 to 16 cabinets of this model in a flown Arvo array"},
        {"7 Arvo stacked", VenueFile("Arvo", 7, 0, 1.0, 2),
         "NumBoxes1 = 7: outside the 2 to 6 cabinets of this model in a ground-stacked Arvo array"},
        {"15 Arvo and 2 Bexa", VenueFile("MIXArvoBexa", 15, 2, 9.5, 1),
         "NumBoxes1 + NumBoxes2 = 17: more than the 16 cabinets in all of a flown MIXArvoBexa array"},
    };
    for (const Case& c : cases) {
        Window a;
        const std::string good = a.user.Path("good.ven");
        WriteFile(good, VenueFile("Bexa", 6, 0, 7.0, 1));
        a.Load(good);
        TForm1& w = *a.w;
        const std::vector<double> before = Values(w);
        const double venueLength = w.FVenue->Plane1Length;
        const std::string bad = a.user.Path("bad.ven");
        WriteFile(bad, c.contents);
        a.services->ClearCalls();
        a.Load(bad);
        ASSERT_EQ(a.services->Errors().size(), 1) << c.what;
        EXPECT_TRUE(a.services->Errors()[0].contains(c.error)) << c.what << ": "
                                                               << a.services->Errors()[0].toStdString();
        EXPECT_TRUE(a.services->Errors()[0].contains(QString::fromStdString(bad)))
            << c.what << ": " << a.services->Errors()[0].toStdString();
        EXPECT_EQ(Values(w), before) << c.what;
        EXPECT_EQ(w.FArrayType, "Bexa") << c.what;
        EXPECT_EQ(w.FVenue->Plane1Length, venueLength) << c.what;
        EXPECT_EQ(w.windowTitle(), "good.ven") << c.what;
        EXPECT_EQ(w.FSuppressChoice, 0) << c.what;
        EXPECT_FALSE(w.DesignModified()) << c.what;
        // And the window goes on working: a change still recalculates.
        w.FNumBoxes1 = 7;
        EXPECT_NO_THROW(w.Recalculate()) << c.what;
    }
}

// The venue file keeps no touring / install choice: a design with more
// cabinets than an install array of its type takes loads whole as touring,
// whatever the window had chosen; one an install array takes keeps Install.
TEST(VenueFiles, ADesignOnlyATouringArrayTakesLoadsAsTouring) {
    const struct {
        const char* what;
        int n1;
        int rigMode;
        bool touring;
    } cases[] = {
        {"14 Bexa flown", 14, 1, true},
        {"16 Bexa flown", 16, 1, true},
        {"12 Bexa flown", 12, 1, false},
        {"6 Bexa stacked", 6, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window a;
        TForm1& w = *a.w;
        w.findChild<QRadioButton*>("allbexarad")->click();
        w.installrad->setChecked(true);
        ASSERT_EQ(w.FInstallMode, 1);
        const std::string file = a.user.Path("touring.ven");
        WriteFile(file, VenueFile("Bexa", c.n1, 0, c.rigMode == 2 ? 1.0 : 9.5, c.rigMode));
        a.services->ClearCalls();
        a.Load(file);
        EXPECT_TRUE(a.services->Errors().empty()) << a.services->Errors().join("|").toStdString();
        EXPECT_EQ(w.FNumBoxes1, c.n1);
        EXPECT_EQ(w.NumBoxes->text().toStdString(), std::to_string(c.n1));
        EXPECT_EQ(w.FInstallMode, c.touring ? 0 : 1);
        EXPECT_EQ(w.tourrad->isChecked(), c.touring);
        EXPECT_EQ(w.installrad->isChecked(), !c.touring);
    }
}

TEST(VenueFiles, CommandLineRoadKeepsTheCaptionWithoutExtension) {
    Window a;
    const std::string hall = a.user.Path("hall.ven");
    WriteFile(hall, VenueFile("Dovi", 6, 0, 8.0, 1));
    a.w->LoadVenueFromCommandLine(hall);
    EXPECT_EQ(a.w->windowTitle(), "hall");
    EXPECT_EQ(a.w->FArrayType, "Dovi");
    EXPECT_EQ(a.w->FViewFlags[10], 1);
    EXPECT_EQ(a.services->Kinds(), QStringList{});
}

TEST(VenueFiles, StackedLoadKeepsPlaneOneEarsBelowTheArray) {
    const struct {
        double arrayHeight;
        double ear;
    } cases[] = {{1.2, 1.2}, {3.0, 1.4}};
    for (const auto& c : cases) {
        Window a;
        const std::string p = a.user.Path("stack.ven");
        WriteFile(p, VenueFile("Arvo", 3, 0, c.arrayHeight, 2));
        a.Load(p);
        EXPECT_EQ(a.services->Errors(), QStringList{});
        EXPECT_DOUBLE_EQ(a.w->FP1EarHeight, c.ear) << c.arrayHeight;
    }
}

TEST(VenueFiles, CloseQuestion) {
    using qtapp::Answer;
    enum class Save { None, Cancel, Good, Fails };
    struct Case {
        const char* what;
        bool modified;
        std::optional<Answer> answer;
        Save save;
        bool closes;
        bool written;
    };
    const Case cases[] = {
        {"unmodified", false, std::nullopt, Save::None, true, false},
        {"modified, no", true, Answer::No, Save::None, true, false},
        {"modified, cancel", true, Answer::Cancel, Save::None, false, false},
        {"modified, yes, dialog cancelled", true, Answer::Yes, Save::Cancel, true, false},
        {"modified, yes, saved", true, Answer::Yes, Save::Good, true, true},
        {"modified, yes, save fails", true, Answer::Yes, Save::Fails, false, false},
    };
    for (const Case& c : cases) {
        Window a;
        const std::string hall = a.user.Path("hall.ven");
        WriteFile(hall, VenueFile("Arvo", 8, 0, 9.5, 1));
        a.Load(hall);
        if (c.modified) {
            a.w->FNumBoxes1 = 9;
            a.w->Recalculate();
        }
        a.services->ClearCalls();
        if (c.answer) a.services->QueueAnswer(*c.answer);
        const std::string target = a.user.Path("out.ven");
        if (c.save == Save::Cancel) a.services->QueueSaveFile(std::nullopt);
        if (c.save == Save::Good) a.services->QueueSaveFile(QString::fromStdString(target));
        if (c.save == Save::Fails)
            a.services->QueueSaveFile(QString::fromStdString(a.user.Path("no/such/dir/out.ven")));
        EXPECT_EQ(a.w->FormCloseQuery(), c.closes) << c.what;
        EXPECT_EQ(std::filesystem::exists(target), c.written) << c.what;
        EXPECT_EQ(a.services->Errors().size(), c.save == Save::Fails ? 1 : 0) << c.what;
        EXPECT_EQ(a.services->Unanswered(), 0) << c.what;
        EXPECT_EQ(a.services->PendingAnswers(), 0u) << c.what;
        if (c.answer) {
            EXPECT_EQ(a.services->Calls().front().args,
                      (QStringList{"Exit File save check", "Do you want to save the Venue ?", "YesNoCancel"}));
        }
    }
}

TEST(VenueFiles, AnEditTakenBackIsNoChange) {
    Window a;
    const std::string hall = a.user.Path("hall.ven");
    WriteFile(hall, VenueFile("Arvo", 8, 0, 9.5, 1));
    a.Load(hall);
    a.w->FNumBoxes1 = 9;
    a.w->Recalculate();
    EXPECT_TRUE(a.w->DesignModified());
    a.w->FNumBoxes1 = 8;
    a.w->Recalculate();
    EXPECT_FALSE(a.w->DesignModified());
    // A closing window that was never designed asks nothing.
    Window fresh;
    EXPECT_TRUE(fresh.w->FormCloseQuery());
    EXPECT_EQ(fresh.services->Kinds(), QStringList{});
}

TEST(VenueFiles, SupportButtonAppearsOnRightClickAtTheFixedCount) {
    const struct {
        int count;
        Qt::MouseButton button;
        bool shown;
    } cases[] = {{TForm1::kSupportButtonCount, Qt::RightButton, true},
                 {TForm1::kSupportButtonCount, Qt::LeftButton, false},
                 {TForm1::kSupportButtonCount - 1, Qt::RightButton, false}};
    for (const auto& c : cases) {
        Window a;
        a.w->FNumBoxes1 = c.count;
        ASSERT_NE(a.w->Label30, nullptr);
        EXPECT_EQ(a.w->Label30->text(), "Venue planes");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), c.button, c.button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(a.w->Label30, &press);
        EXPECT_EQ(!a.w->mailtbut->isHidden(), c.shown) << c.count << " " << int(c.button);
    }
}

TEST(VenueFiles, WebButtonOpensTheSite) {
    Window a;
    a.services->QueueOpenResult(true);
    a.w->webtbutClick();
    ASSERT_EQ(a.services->Calls().size(), 1u);
    EXPECT_EQ(a.services->Calls()[0].kind, "OpenUrl");
    EXPECT_TRUE(a.services->Calls()[0].args[0].startsWith("https://"));
}

// The web button and Help say what could not be opened, and why, when the
// desktop found no browser for it.
TEST(VenueFiles, WebAndHelpSayWhatCouldNotBeOpened) {
    const struct {
        const char* what;
        bool taken;
        bool pageThere;
        QToolButton* TForm1::*button;
        const char* error;  // %1: the help page
    } cases[] = {
        {"web, opened", true, true, &TForm1::webtbut, nullptr},
        {"web, no browser", false, true, &TForm1::webtbut,
         "The web site https://www.example.com/ could not be opened: a web browser is needed to show it."},
        {"help, opened", true, true, &TForm1::HelpTBut, nullptr},
        {"help, no browser", false, true, &TForm1::HelpTBut,
         "The help page %1 could not be opened: a web browser is needed to show it."},
        {"help, page gone", true, false, &TForm1::HelpTBut, "The help page %1 could not be found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir user, program;
        const std::string page = program.Path("odhelp4.html");
        WriteFile(page, "<html></html>");
        auto services = std::make_shared<qtapp::ScriptedServices>();
        TForm1Environment env = TestEnv(user, program);
        env.Services = services;
        TForm1 w(env);
        if (!c.pageThere) std::filesystem::remove(page);
        if (c.pageThere) services->QueueOpenResult(c.taken);
        (w.*c.button)->click();
        const QStringList want =
            c.error ? QStringList{QString::fromLatin1(c.error).arg(QString::fromStdString(page))} : QStringList{};
        EXPECT_EQ(services->Errors().join("|").toStdString(), want.join("|").toStdString());
        EXPECT_EQ(services->PendingAnswers(), 0u);
    }
}

// A length from outside the up/downs (the design start's typed values, a
// venue file, the plane tools) is a number its up/down can stand at: from
// its lowest to its highest position times its step (0.1 m for heights,
// 1 m for lengths and coverage), or refused with the length named.  No
// endless or undefined length is taken, not even where a value below 0
// becomes 0.  The coverage stop may lie from 0 to the end of two planes at
// their longest, where the window itself puts it when a plane goes.
TEST(VenueFiles, LengthsFromOutsideWithinTheirUpDownsOrRefused) {
    TestWindow t;
    const struct {
        const char* caption;
        double lowest, highest, step;
        bool zeroBelow;  // below 0 it becomes 0
    } cases[] = {
        {"Max pick height", 0.8, 100.0, 0.1, false},   {"Min trim height", 0.0, 100.0, 0.1, false},
        {"Array height", 0.0, 100.0, 0.1, false},      {"Coverage start", 0.0, 1000.0, 1.0, true},
        {"Coverage stop", 0.0, 2000.0, 1.0, false},    {"Plane 1 length", 0.0, 1000.0, 1.0, false},
        {"Plane 1 height", -10.0, 20.0, 0.1, false},   {"Plane 2 length", 0.0, 1000.0, 1.0, false},
        {"Plane 2 height", 0.0, 100.0, 0.1, false},    {"Plane 2 elevation", -10.0, 100.0, 0.1, false},
        {"Plane 3 length", 0.0, 1000.0, 1.0, false},   {"Plane 3 height", 0.0, 100.0, 0.1, false},
        {"Plane 3 elevation", 0.0, 100.0, 0.1, false}, {"Plane 3 distance", 0.0, 1000.0, 1.0, false},
    };
    ASSERT_EQ(std::size(cases), std::size(venuevalues::kLengths));
    const auto refusal = [&](const venuevalues::LengthRow& row, double v) -> std::string {
        try {
            venuevalues::TakenLength(*t, row, v);
        } catch (const rtl::RuntimeError& e) {
            return e.what();
        }
        return "taken";
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.caption);
        const venuevalues::LengthRow* row = &venuevalues::kLengths[i];
        ASSERT_EQ(std::string(row->Caption), c.caption);
        const std::string refused = "Range check error (" + std::string(c.caption) + ")";
        for (double v : {HUGE_VAL, -HUGE_VAL, std::nan(""), 1e308, c.highest + c.step})
            EXPECT_EQ(refusal(*row, v), refused) << v;
        EXPECT_EQ(venuevalues::TakenLength(*t, *row, c.lowest), c.lowest);
        EXPECT_EQ(venuevalues::TakenLength(*t, *row, c.highest), c.highest);
        if (c.zeroBelow)
            EXPECT_EQ(venuevalues::TakenLength(*t, *row, -5.0), 0.0);
        else
            EXPECT_EQ(refusal(*row, c.lowest - c.step), refused);
    }
    // The ear heights, 0 to 100 m by their custom up/downs.
    for (const venuevalues::EarHeightRow& row : venuevalues::kEarHeights) {
        SCOPED_TRACE(row.Caption);
        EXPECT_EQ(venuevalues::TakenEarHeight(*t, row, 0.0), 0.0);
        EXPECT_EQ(venuevalues::TakenEarHeight(*t, row, 100.0), 100.0);
        for (double v : {-0.1, 100.1, 1e308, std::nan("")})
            EXPECT_THROW(venuevalues::TakenEarHeight(*t, row, v), rtl::RuntimeError) << v;
    }
}

// The replace question is about the file the save writes, whatever the
// letter case typed ("Hall2.VEN" is written as "Hall2.VEN.ven"); No goes
// back to the dialog and leaves every file as it was.
TEST(VenueFiles, ReplaceQuestionIsAboutTheFileWritten) {
    using qtapp::Answer;
    const struct {
        const char* typed;
        std::vector<Answer> answers;  // to the replace questions, in turn
        const char* asked;            // the file asked about, or nullptr
        const char* written;          // the file written, or nullptr
    } cases[] = {
        {"Hall2.VEN", {}, nullptr, "Hall2.VEN.ven"},
        {"UPPER.VEN", {}, nullptr, "UPPER.VEN.ven"},
        {"Hall2", {Answer::No}, "Hall2.ven", nullptr},
        {"Hall2", {Answer::Yes}, "Hall2.ven", "Hall2.ven"},
        {"Hall2.ven", {Answer::No}, "Hall2.ven", nullptr},
        {"Twice.VEN", {Answer::No}, "Twice.VEN.ven", nullptr},
        {"Twice.VEN", {Answer::Yes}, "Twice.VEN.ven", "Twice.VEN.ven"},
    };
    const char* existing[] = {"Hall2.ven", "UPPER.VEN", "Twice.VEN.ven"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.answers.size()));
        Window a;
        for (const char* f : existing) WriteFile(a.user.Path(f), std::string("made by hand: ") + f);
        WriteFile(a.user.Path("d.ven"), VenueFile("Arvo", 8, 0, 9.5, 1));
        a.Load(a.user.Path("d.ven"));
        a.services->ClearCalls();
        a.services->QueueSaveFile(QString::fromStdString(a.user.Path(c.typed)));
        for (Answer answer : c.answers) a.services->QueueAnswer(answer);
        if (!c.written) a.services->QueueSaveFile(std::nullopt);  // No, then the dialog cancelled
        a.w->SaveTButClick();
        EXPECT_EQ(a.services->PendingAnswers(), 0u);
        QStringList asked;
        for (const auto& call : a.services->Calls())
            if (call.kind == "Ask") asked.append(call.args[1]);
        EXPECT_EQ(asked, c.asked ? QStringList{QString(c.asked) + " already exists.\nDo you want to replace it?"}
                                 : QStringList{});
        for (const char* f : existing) {
            if (!c.written || std::string(f) != c.written) {
                EXPECT_EQ(ReadFile(a.user.Path(f)), std::string("made by hand: ") + f) << f;
            }
        }
        if (c.written) {
            EXPECT_EQ(QString::fromStdString(ReadFile(a.user.Path(c.written))).split("\r\n").value(2), "Arvo");
            EXPECT_EQ(a.w->FMailFileName, a.user.Path(c.written));
        }
        EXPECT_EQ(a.services->Errors(), QStringList{});
    }
}

// A load over a design that differs from its file asks the close
// question's question first: Yes saves (over the design's file, or where the
// save dialog says), No loads, Cancel keeps the design and loads nothing.
TEST(VenueFiles, LoadOverUnsavedEditsAsksFirst) {
    using qtapp::Answer;
    enum class Save { None, OwnFile, Dialog, DialogCancelled };
    const struct {
        const char* what;
        const char* designFile;  // the file the design was loaded from
        bool edited;
        std::optional<Answer> answer;
        Save save;
        bool loads;
    } cases[] = {
        {"unedited", "hall.ven", false, std::nullopt, Save::None, true},
        {"no", "hall.ven", true, Answer::No, Save::None, true},
        {"cancel", "hall.ven", true, Answer::Cancel, Save::None, false},
        {"yes, own file", "hall.ven", true, Answer::Yes, Save::OwnFile, true},
        // "hall.VEN" is saved as "hall.VEN.ven": that is no file of its own.
        {"yes, through the dialog", "hall.VEN", true, Answer::Yes, Save::Dialog, true},
        {"yes, dialog cancelled", "hall.VEN", true, Answer::Yes, Save::DialogCancelled, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window a;
        const std::string hall = a.user.Path(c.designFile);
        const std::string other = a.user.Path("other.ven");
        WriteFile(hall, VenueFile("Arvo", 8, 0, 9.5, 1));
        WriteFile(other, VenueFile("Dovi", 6, 0, 8.0, 1));
        a.Load(hall);
        const std::string hallBytes = ReadFile(hall);
        if (c.edited) {
            ASSERT_TRUE(a.w->numbox1updn->Press(qtapp::UDBtnType::Next));
        }
        a.services->ClearCalls();
        a.services->QueueOpenFile(QString::fromStdString(other));
        if (c.answer) a.services->QueueAnswer(*c.answer);
        if (c.save == Save::Dialog) a.services->QueueSaveFile(QString::fromStdString(a.user.Path("kept.ven")));
        if (c.save == Save::DialogCancelled) a.services->QueueSaveFile(std::nullopt);
        a.w->LoadTButClick();
        EXPECT_EQ(a.services->PendingAnswers(), 0u);
        EXPECT_EQ(a.services->Errors(), QStringList{});
        if (c.answer) {
            ASSERT_GE(a.services->Calls().size(), 2u);
            EXPECT_EQ(a.services->Calls()[1].args[1], "Do you want to save the Venue ?");
            EXPECT_EQ(a.services->Calls()[1].args[2], "YesNoCancel");
        }
        EXPECT_EQ(a.w->FArrayType, c.loads ? "Dovi" : "Arvo");
        if (!c.loads) {
            EXPECT_EQ(a.w->FNumBoxes1, 9);
            EXPECT_TRUE(a.w->DesignModified());
        }
        // The edited count, line 6, where the design was saved.
        EXPECT_EQ(ReadFile(hall) != hallBytes, c.save == Save::OwnFile);
        if (c.save == Save::OwnFile) {
            EXPECT_EQ(QString::fromStdString(ReadFile(hall)).split("\r\n").value(5), "9");
        }
        EXPECT_EQ(std::filesystem::exists(a.user.Path("kept.ven")), c.save == Save::Dialog);
        if (c.save == Save::Dialog) {
            EXPECT_EQ(QString::fromStdString(ReadFile(a.user.Path("kept.ven"))).split("\r\n").value(5), "9");
        }
    }
}

// The start with a file removes what killed saves of it left behind.
TEST(VenueFiles, StartWithAFileRemovesItsSaveLeftovers) {
    Window a;
    const std::string hall = a.user.Path("hall.ven");
    WriteFile(hall, VenueFile("Dovi", 6, 0, 8.0, 1));
    WriteFile(a.user.Path(".hall.ven.k1LLed"), VenueFile("Dovi", 6, 0, 8.0, 1));
    // Killed a minute ago: a temporary only just made is left alone.
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    std::filesystem::last_write_time(a.user.Path(".hall.ven.k1LLed"), old);
    WriteFile(a.user.Path(".other.ven.k1LLed"), "x");
    a.w->LoadVenueFromCommandLine(hall);
    EXPECT_FALSE(std::filesystem::exists(a.user.Path(".hall.ven.k1LLed")));
    EXPECT_TRUE(std::filesystem::exists(a.user.Path(".other.ven.k1LLed")));
    EXPECT_EQ(a.w->FArrayType, "Dovi");
}

namespace {

// The rows of a picture's middle (a fifth off the top and the bottom, where
// the status line is, and the frame left out) that hold anything drawn.
int RowsDrawn(const QImage& img) {
    int rows = 0;
    for (int y = img.height() / 5; y < img.height() * 4 / 5; ++y) {
        bool ink = false;
        for (int x = 5; x < img.width() - 5 && !ink; ++x) ink = img.pixelColor(x, y) != QColor(Qt::white);
        rows += ink;
    }
    return rows;
}

}  // namespace

// A Load cancelled before anything was designed refreshes the controls, and
// the picture shows the section of the values the venue page shows, as the
// up/downs change them: never an empty frame.
TEST(VenueFiles, CancelledLoadAtTheStartShowsTheSection) {
    Window a;
    TForm1& w = *a.w;
    w.resize(1280, 720);
    w.show();
    a.services->QueueOpenFile(std::nullopt);
    w.LoadTButClick();
    EXPECT_TRUE(w.SaveTBut->isVisibleTo(&w));  // the controls refreshed
    EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
    EXPECT_GE(RowsDrawn(w.image1->Picture()), 20);
    const double before = w.FP1Height;
    ASSERT_TRUE(w.P1Hupdn->Press(qtapp::UDBtnType::Next));
    EXPECT_GT(w.FP1Height, before);
    EXPECT_GE(RowsDrawn(w.image1->Picture()), 20);
    EXPECT_EQ(a.services->Errors(), QStringList{});
}
