// The cabinet choice through the window: the type radios, the count limits
// per type and rig mode, the count up/downs and the array controls that
// follow the type.  Controls are found by name, as a user's clicks reach them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <string>
#include <vector>

#include "app/background1.h"
#include "model/hardware/splay.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

struct Folders {
    ScratchDir user, program;
    TForm1Environment Env() const { return TestEnv(user, program); }
};

template <class W>
W* Named(TForm1& w, const char* name) {
    W* c = w.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Chooses a type as a click on its radio would.
void Choose(TForm1& w, const char* radio) {
    QRadioButton* r = Named<QRadioButton>(w, radio);
    r->setChecked(false);
    r->setChecked(true);
}

qtapp::UpDown* UpDown(TForm1& w, int k) {
    return Named<qtapp::UpDown>(w, k == 1 ? "numbox1updn" : k == 2 ? "numbox2updn" : "numbox3updn");
}

std::string Text(TForm1& w, const char* edit) {
    return Named<QLineEdit>(w, edit)->text().toStdString();
}

struct Lim {
    int max1, min1, max2, min2, max3, min3, total;
};

// The limits as the count up/downs and the total show them.
Lim Shown(TForm1& w) {
    return {UpDown(w, 1)->Max(), UpDown(w, 1)->Min(), UpDown(w, 2)->Max(), UpDown(w, 2)->Min(),
            UpDown(w, 3)->Max(), UpDown(w, 3)->Min(), w.FBoxMaxTotal};
}

bool operator==(const Lim& a, const Lim& b) {
    return a.max1 == b.max1 && a.min1 == b.min1 && a.max2 == b.max2 && a.min2 == b.min2 &&
           a.max3 == b.max3 && a.min3 == b.min3 && a.total == b.total;
}

std::ostream& operator<<(std::ostream& o, const Lim& l) {
    return o << l.max1 << "/" << l.min1 << " " << l.max2 << "/" << l.min2 << " " << l.max3 << "/"
             << l.min3 << " total " << l.total;
}

TEST(CabinetChoice, LimitsOfEveryTypeFlownStackedTouringInstall) {
    struct Case {
        const char* radio;
        Lim touring, install, stacked;  // flown touring, flown install, stacked
    };
    const Case cases[] = {
        {"allarvorad", {16, 1, 0, 0, 0, 0, 16}, {16, 1, 0, 0, 0, 0, 16}, {6, 2, 0, 0, 0, 0, 6}},
        {"allbexarad", {16, 1, 0, 0, 0, 0, 16}, {12, 1, 0, 0, 0, 0, 12}, {6, 2, 0, 0, 0, 0, 6}},
        {"alldovirad", {16, 1, 0, 0, 0, 0, 16}, {12, 1, 0, 0, 0, 0, 12}, {6, 2, 0, 0, 0, 0, 6}},
        {"AllElkarad", {6, 1, 0, 0, 0, 0, 6}, {6, 1, 0, 0, 0, 0, 6}, {3, 1, 0, 0, 0, 0, 3}},
        {"allruddrad", {16, 1, 0, 0, 0, 0, 16}, {16, 1, 0, 0, 0, 0, 16}, {16, 1, 0, 0, 0, 0, 16}},
        {"allarvoxrad", {12, 1, 0, 0, 0, 0, 12}, {12, 1, 0, 0, 0, 0, 12}, {12, 1, 0, 0, 0, 0, 12}},
        {"allivorrad", {8, 1, 0, 0, 0, 0, 8}, {8, 1, 0, 0, 0, 0, 8}, {8, 1, 0, 0, 0, 0, 8}},
        {"mixarvobexarad", {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}},
        {"mixarvogirafrad", {15, 1, 2, 1, 0, 0, 16}, {15, 1, 2, 1, 0, 0, 16}, {15, 1, 2, 1, 0, 0, 16}},
        {"mixBexaCadrirad", {15, 1, 2, 1, 0, 0, 16}, {15, 1, 2, 1, 0, 0, 16}, {15, 1, 2, 1, 0, 0, 16}},
        {"mixbexadoviRAD", {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}},
        {"mixdovielkarad", {15, 1, 2, 1, 0, 0, 16}, {11, 1, 2, 1, 0, 0, 12}, {5, 1, 2, 1, 0, 0, 6}},
        {"mixruddarvorad", {15, 1, 15, 1, 0, 0, 16}, {15, 1, 15, 1, 0, 0, 16}, {15, 1, 15, 1, 0, 0, 16}},
        {"mixruddbexarad", {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}, {15, 1, 8, 1, 0, 0, 16}},
        {"mixarvoxbexarad", {8, 1, 10, 1, 0, 0, 14}, {8, 1, 10, 1, 0, 0, 14}, {8, 1, 10, 1, 0, 0, 14}},
        {"mixhobadovirad", {6, 1, 12, 1, 0, 0, 13}, {6, 1, 12, 1, 0, 0, 13}, {6, 1, 12, 1, 0, 0, 13}},
        {"mixivordovirad", {4, 1, 10, 1, 0, 0, 14}, {4, 1, 10, 1, 0, 0, 14}, {4, 1, 10, 1, 0, 0, 14}},
        {"MIXIVORELKARAD", {4, 1, 6, 1, 0, 0, 10}, {4, 1, 6, 1, 0, 0, 10}, {4, 1, 6, 1, 0, 0, 10}},
        {"MIXIVORDOVIELKARAD", {4, 1, 9, 1, 2, 1, 15}, {4, 1, 9, 1, 2, 1, 15}, {4, 1, 9, 1, 2, 1, 15}},
    };
    ErrorRecorder rec;
    for (const Case& c : cases) {
        for (int mode : {1, 2}) {
            for (bool install : {false, true}) {
                Folders f;
                TForm1 w(f.Env());
                w.FRigMode = mode;
                Choose(w, c.radio);
                if (install) Named<QRadioButton>(w, "installrad")->setChecked(true);
                // Hoba and Ivor hang whatever the rig mode was.
                const Lim want = mode == 2 ? c.stacked : install ? c.install : c.touring;
                EXPECT_EQ(Shown(w), want) << c.radio << " mode " << mode << " install " << install;
                // The counts lie within the limits and the boxes show them.
                EXPECT_GE(w.FNumBoxes1, want.min1);
                EXPECT_LE(w.FNumBoxes1, want.max1);
                EXPECT_LE(w.FNumBoxes1 + w.FNumBoxes2 + w.FNumBoxes3, want.total) << c.radio;
                EXPECT_EQ(Text(w, "NumBoxes"), std::to_string(w.FNumBoxes1));
                EXPECT_EQ(UpDown(w, 1)->Position(), w.FNumBoxes1);
            }
        }
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

// Counts set as a loaded venue would set them, then limited.
void SetCounts(TForm1& w, int n1, int n2, int n3 = 0) {
    w.FNumBoxes1 = n1;
    w.FNumBoxes2 = n2;
    w.FNumBoxes3 = n3;
    w.SetBoxLimits();
}

TEST(CabinetChoice, WorkedSequences) {
    struct Case {
        const char* name;
        const char* first;  // type radio
        int n1, n2, n3;
        const char* second;  // a type radio chosen next, or nullptr
        int upDown;          // count whose up/down is pressed, or 0
        qtapp::UDBtnType button;
        int w1, w2, w3;
    };
    using B = qtapp::UDBtnType;
    const Case cases[] = {
        {"Rudd Arvo 2/14 to Hoba Dovi", "mixruddarvorad", 2, 14, 0, "mixhobadovirad", 0, B::Next, 6, 1, 0},
        {"Arvo Bexa 14/2, count 1 up", "mixarvobexarad", 14, 2, 0, nullptr, 1, B::Next, 15, 1, 0},
        {"Arvo Bexa 15/1, count 2 up", "mixarvobexarad", 15, 1, 0, nullptr, 2, B::Next, 14, 2, 0},
        {"Arvo Bexa 15/1, count 1 down", "mixarvobexarad", 15, 1, 0, nullptr, 1, B::Prev, 14, 1, 0},
        {"Ivor Dovi Elka 4/9/1, count 3 up", "MIXIVORDOVIELKARAD", 4, 9, 1, nullptr, 3, B::Next, 4, 8, 2},
        {"Ivor Dovi Elka 4/8/2, count 2 up", "MIXIVORDOVIELKARAD", 4, 8, 2, nullptr, 2, B::Next, 4, 9, 1},
        {"Ivor Dovi Elka 3/9/1, count 1 up", "MIXIVORDOVIELKARAD", 3, 9, 1, nullptr, 1, B::Next, 4, 9, 1},
        {"Arvo 10 to Bexa keeps 10", "allarvorad", 10, 0, 0, "allbexarad", 0, B::Next, 10, 0, 0},
        {"Arvo Bexa 8/3 to Elka drops the second count", "mixarvobexarad", 8, 3, 0, "AllElkarad", 0, B::Next, 6, 0, 0},
        {"Hoba Bexa 8/6 to Ivor Dovi Elka", "mixarvoxbexarad", 8, 6, 0, "MIXIVORDOVIELKARAD", 0, B::Next, 4, 6, 1},
    };
    ErrorRecorder rec;
    for (const Case& c : cases) {
        Folders f;
        TForm1 w(f.Env());
        Choose(w, c.first);
        SetCounts(w, c.n1, c.n2, c.n3);
        ASSERT_EQ(w.FNumBoxes1, c.n1) << c.name;
        ASSERT_EQ(w.FNumBoxes2, c.n2) << c.name;
        if (c.second != nullptr) Choose(w, c.second);
        if (c.upDown != 0) {
            EXPECT_TRUE(UpDown(w, c.upDown)->Press(c.button)) << c.name;
        }
        EXPECT_EQ(w.FNumBoxes1, c.w1) << c.name;
        EXPECT_EQ(w.FNumBoxes2, c.w2) << c.name;
        EXPECT_EQ(w.FNumBoxes3, c.w3) << c.name;
        EXPECT_EQ(Text(w, "NumBoxes"), std::to_string(c.w1)) << c.name;
        EXPECT_EQ(Text(w, "NUMxaED"), std::to_string(c.w2)) << c.name;
        EXPECT_EQ(Text(w, "numbox3ed"), std::to_string(c.w3)) << c.name;
        EXPECT_EQ(UpDown(w, 1)->Position(), c.w1) << c.name;
        EXPECT_EQ(UpDown(w, 2)->Position(), c.w2) << c.name;
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(CabinetChoice, ArvoFlownTenSwitchedToStackedLeavesSix) {
    Folders f;
    TForm1 w(f.Env());
    ASSERT_EQ(w.FNumBoxes1, 10);
    w.FRigMode = 2;  // as the stack radio sets it
    w.SetBoxLimits();
    EXPECT_EQ(w.FNumBoxes1, 6);
    EXPECT_EQ(Text(w, "NumBoxes"), "6");
    EXPECT_EQ(UpDown(w, 1)->Min(), 2);
    EXPECT_EQ(UpDown(w, 1)->Max(), 6);
}

TEST(CabinetChoice, CountBoxFollowsTheUpDown) {
    Folders f;
    TForm1 w(f.Env());
    ASSERT_TRUE(UpDown(w, 1)->Press(qtapp::UDBtnType::Next));
    EXPECT_EQ(Text(w, "NumBoxes"), "11");
    ASSERT_TRUE(UpDown(w, 1)->Press(qtapp::UDBtnType::Prev));
    ASSERT_TRUE(UpDown(w, 1)->Press(qtapp::UDBtnType::Prev));
    EXPECT_EQ(Text(w, "NumBoxes"), "9");
    EXPECT_EQ(w.FNumBoxes1, 9);
}

TEST(CabinetChoice, HandlersRunOncePerChangeAndNeverFromRefills) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    const int start = w.FCabinetHandlerRuns;
    Named<QRadioButton>(w, "allbexarad")->setChecked(true);
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 1);
    EXPECT_EQ(w.FArrayType, "Bexa");
    // The Arvo radio on the same page gave way without a run of its own.
    EXPECT_FALSE(Named<QRadioButton>(w, "allarvorad")->isChecked());
    // Checking it again changes nothing and runs nothing.
    Named<QRadioButton>(w, "allbexarad")->setChecked(true);
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 1);
    // Refilling the controls runs no handler.
    w.SetupArrayControls();
    w.SetBoxLimits();
    w.Recalculate();
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 1);
    // An up/down at its limit does not run.
    SetCounts(w, 16, 0);
    EXPECT_FALSE(UpDown(w, 1)->Press(qtapp::UDBtnType::Next));
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 1);
    EXPECT_EQ(w.FNumBoxes1, 16);
    EXPECT_TRUE(UpDown(w, 1)->Press(qtapp::UDBtnType::Prev));
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 2);
    // The second count of a single type has no room at all.
    EXPECT_FALSE(UpDown(w, 2)->Press(qtapp::UDBtnType::Next));
    EXPECT_EQ(w.FCabinetHandlerRuns, start + 2);
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(CabinetChoice, InstallLeavesOnlyTheInstallTypes) {
    ErrorRecorder rec;
    Folders f;
    TForm1 w(f.Env());
    Named<QRadioButton>(w, "installrad")->setChecked(true);
    const std::vector<std::string> choosable = {"allbexarad", "alldovirad", "AllElkarad",
                                                "mixdovielkarad", "mixBexaCadrirad"};
    for (QRadioButton* r : w.boxchoicePC->findChildren<QRadioButton*>()) {
        const std::string name = r->objectName().toStdString();
        const bool on = std::find(choosable.begin(), choosable.end(), name) != choosable.end();
        EXPECT_EQ(r->isEnabled(), on) << name;
    }
    EXPECT_FALSE(w.matchhobabut->isEnabled());
    EXPECT_FALSE(w.tourrad->isChecked());
    Named<QRadioButton>(w, "tourrad")->setChecked(true);
    for (QRadioButton* r : w.boxchoicePC->findChildren<QRadioButton*>())
        EXPECT_TRUE(r->isEnabled()) << r->objectName().toStdString();
    EXPECT_TRUE(w.numhobaupdn->isEnabled());
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

// A designed Bexa array under Install: no road that recalculates or
// refreshes the page offers the Hoba match again; Touring does.
TEST(CabinetChoice, InstallKeepsTheHobaMatchGreyedThroughEveryRecalculation) {
    const struct {
        const char* what;
        void (*act)(TForm1&);
    } roads[] = {
        {"Install", [](TForm1&) {}},
        {"count up", [](TForm1& w) { UpDown(w, 1)->Press(qtapp::UDBtnType::Next); }},
        {"Dovi, then Bexa again", [](TForm1& w) { Choose(w, "alldovirad"), Choose(w, "allbexarad"); }},
        {"Design", [](TForm1& w) { w.DesignTBut->click(); }},
        {"Patch page", [](TForm1& w) { w.RigTBut->click(); }},
        {"Manual, then Auto", [](TForm1& w) { w.tbman->click(), w.tbauto->click(); }},
    };
    TestWindow t;
    Choose(*t, "allbexarad");
    t->DesignTBut->click();
    const auto matchOn = [&] {
        return std::vector<bool>{t->matchhobabut->isEnabled(), t->numhobaed->isEnabled(),
                                 t->numhobaupdn->isEnabled()};
    };
    ASSERT_EQ(matchOn(), std::vector<bool>(3, true));
    Named<QRadioButton>(*t, "installrad")->setChecked(true);
    for (const auto& road : roads) {
        road.act(*t);
        EXPECT_EQ(matchOn(), std::vector<bool>(3, false)) << road.what;
    }
    Named<QRadioButton>(*t, "tourrad")->setChecked(true);
    EXPECT_EQ(matchOn(), std::vector<bool>(3, true));
}

TEST(CabinetChoice, TurningThePageUnchecksTheOtherPage) {
    Folders f;
    TForm1 w(f.Env());
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    Choose(w, "mixarvoxbexarad");
    EXPECT_EQ(w.FMixedChoice, 1);
    w.boxchoicePC->setCurrentWidget(w.Singlets);
    EXPECT_FALSE(Named<QRadioButton>(w, "allarvorad")->isChecked());
    Choose(w, "allarvorad");
    EXPECT_EQ(w.FMixedChoice, 0);
    EXPECT_TRUE(Named<QRadioButton>(w, "mixarvoxbexarad")->isChecked());
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    for (QRadioButton* r : w.Mixedts->findChildren<QRadioButton*>())
        EXPECT_FALSE(r->isChecked()) << r->objectName().toStdString();
    EXPECT_TRUE(Named<QRadioButton>(w, "allarvorad")->isChecked());
}

TEST(CabinetChoice, MatchWithADoviArrayChangesNothing) {
    Folders f;
    TForm1 w(f.Env());
    Choose(w, "alldovirad");
    const int n1 = w.FNumBoxes1;
    w.matchhobabut->click();
    EXPECT_EQ(w.FArrayType, "Dovi");
    EXPECT_EQ(w.FNumBoxes1, n1);
    EXPECT_EQ(w.FHobaMatched, 0);
}

// --- the array controls of each type -------------------------------------------------

std::vector<std::string> Column(QTableWidget* g, int column) {
    std::vector<std::string> out;
    for (int r = 0; r < g->rowCount(); ++r) {
        QTableWidgetItem* i = g->item(r, column);
        out.push_back(i ? i->text().toStdString() : std::string());
    }
    return out;
}

using Strings = std::vector<std::string>;

TEST(ArrayControls, CaptionsAndRowLabelsPerType) {
    struct Case {
        const char* radio;
        int rigMode;
        int n1, n2, n3;
        const char* count1;
        const char* count2;  // "" hidden
        const char* title1;
        const char* title2;
        Strings labels1, labels2, labels3;
    };
    const Case cases[] = {
        {"allbexarad", 1, 3, 0, 0, "Num Bexa", "", "Bexa Splay Angles", "",
         {"1 Grid", "exa 2", "exa 3"}, {}, {}},
        {"allbexarad", 2, 3, 0, 0, "Num Bexa", "", "Bexa Splay Angles", "",
         {"exa 1", "exa 2", "3 Grid"}, {}, {}},
        {"AllElkarad", 2, 1, 0, 0, "Num Elka", "", "Elka Splay Angles", "", {"1 Grid"}, {}, {}},
        {"allarvoxrad", 2, 2, 0, 0, "Num Hoba", "", "Hoba Splay Angles", "",
         {"1 Grid", "Hoba 2"}, {}, {}},
        {"mixarvoxbexarad", 1, 2, 2, 0, "Num Hoba", "Num Bexa", "Hoba Splay Angles",
         "Bexa Splay Angles", {"1 Grid", "oba  2"}, {"exa 1", "exa 2"}, {}},
        {"mixarvogirafrad", 1, 3, 2, 0, "Num Arvo", "Num Gira", "Arvo Splay Angles",
         "Gira Splay Angles", {"1 Grid", "rvo 2", "rvo 3"}, {"ira 1", "ira 2"}, {}},
        {"mixdovielkarad", 2, 3, 2, 0, "Num Dovi", "Num Elka", "Dovi Splay Angles",
         "Elka Splay Angles", {"ovi 1", "ovi 2", "ovi 3"}, {"lka 1", "lka 2"}, {}},
        {"mixivordovirad", 1, 2, 3, 0, "Ivor", "Num Dovi", "Ivor Splay Angles", "Dovi Splay Angles",
         {"1 Grid", "vor  2"}, {"ovi 1", "ovi 2", "ovi 3"}, {}},
        {"MIXIVORDOVIELKARAD", 1, 2, 3, 2, "Ivor", "Num Dovi", "Ivor Splay Angles",
         "Dovi Splay Angles", {"1 Grid", "vor  2"}, {"ovi 1", "ovi 2", "ovi 3"}, {"lka 1", "lka 2"}},
        {"mixBexaCadrirad", 1, 2, 1, 0, "Num Bexa", "Num Cadri", "Bexa Splay Angles",
         "Cadri Splay Angles", {"1 Grid", "exa 2"}, {"adri 1"}, {}},
    };
    ErrorRecorder rec;
    for (const Case& c : cases) {
        Folders f;
        TForm1 w(f.Env());
        w.FRigMode = c.rigMode;
        w.FAutoDesign = 0;
        Choose(w, c.radio);
        w.FRigMode = c.rigMode;
        SetCounts(w, c.n1, c.n2, c.n3);
        w.FNoDesign = 0;
        w.SetupArrayControls();
        EXPECT_EQ(w.NumBox1Lab->text().toStdString(), c.count1) << c.radio;
        EXPECT_EQ(!w.numbox2lab->isHidden(), *c.count2 != 0) << c.radio;
        if (*c.count2 != 0) {
            EXPECT_EQ(w.numbox2lab->text().toStdString(), c.count2) << c.radio;
        }
        EXPECT_EQ(w.g1lab->text().toStdString(), c.title1) << c.radio;
        EXPECT_EQ(w.g2lab->text().toStdString(), c.title2) << c.radio;
        EXPECT_EQ(Column(w.ArvoStrGrid, 0), c.labels1) << c.radio;
        if (*c.count2 != 0) {
            EXPECT_EQ(Column(w.BexaStrGrid, 0), c.labels2) << c.radio;
        }
        EXPECT_EQ(w.box3strgrid->isHidden(), c.labels3.empty()) << c.radio;
        if (!c.labels3.empty()) {
            EXPECT_EQ(Column(w.box3strgrid, 0), c.labels3) << c.radio;
        }
        EXPECT_EQ(w.BexaStrGrid->isHidden(), c.count2[0] == 0) << c.radio;
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(ArrayControls, ArvoBeforeTheFirstDesignShowsBareNumbers) {
    Folders f;
    TForm1 w(f.Env());
    SetCounts(w, 4, 0);
    w.FSplay->Angle[0] = 1.75;
    w.SetupArrayControls();
    EXPECT_EQ(Column(w.ArvoStrGrid, 0), (Strings{"1 Grid", "2", "3", "4"}));
    EXPECT_EQ(Column(w.ArvoStrGrid, 1)[0], "1.75");
    w.FNoDesign = 0;
    w.SetupArrayControls();
    EXPECT_EQ(Column(w.ArvoStrGrid, 0), (Strings{"1 Grid", "rvo 2", "rvo 3", "rvo 4"}));
    EXPECT_EQ(w.g1lab->text(), "Arvo Splay Angles");
    EXPECT_TRUE(w.g2lab->isHidden());
}

TEST(ArrayControls, TopRowOfElkaLessTheWedge) {
    Folders f;
    TForm1 w(f.Env());
    w.FAutoDesign = 0;
    Choose(w, "AllElkarad");
    w.Recalculate();
    w.FSplay->Angle[0] = 1.75;
    w.SetupArrayControls();
    // 1.75 less the downfill's half wedge of 10.
    EXPECT_EQ(Column(w.ArvoStrGrid, 1)[0], "-8.25");
}

TEST(ArrayControls, JointUnderArvoIsLabelledFromArvo) {
    Folders f;
    TForm1 w(f.Env());
    w.FAutoDesign = 0;
    Choose(w, "mixarvobexarad");
    SetCounts(w, 3, 2);
    w.FSplay->ChoiceIndex[3] = 2;
    w.Recalculate();
    // The joint below the third Arvo is set with the Arvo steps: "2.0 ".
    EXPECT_EQ(Column(w.BexaStrGrid, 1)[0], "2.0 ");
}

TEST(ArrayControls, UserTestForceKeptUntilTypeOrRigModeChanges) {
    Folders f;
    TForm1 w(f.Env());
    Choose(w, "allbexarad");
    w.SetupArrayControls();
    EXPECT_EQ(w.FFTValue, 400.0);
    w.FFTValue = 650.0;  // the user's push-over force
    w.Recalculate();
    w.SetupArrayControls();
    EXPECT_EQ(w.FFTValue, 650.0);
    w.FRigMode = 2;
    w.SetupArrayControls();
    EXPECT_EQ(w.FFTValue, 400.0);
    w.FFTValue = 300.0;
    Choose(w, "alldovirad");
    w.SetupArrayControls();
    EXPECT_EQ(w.FFTValue, 200.0);
}

TEST(ArrayControls, TailOnlyForAnUnknownTypeAndLengthsInFeet) {
    Folders f;
    TForm1 w(f.Env());
    const QString title = w.g1lab->text();
    // Ground-stacked through the stack radio, on a 6 m stage.
    w.stackrad->setChecked(true);
    w.FArrayHeight = 6.0;
    w.FArrayType = "Nonsense";
    w.FMetric = 0;
    w.SetupArrayControls();
    EXPECT_EQ(w.g1lab->text(), title);
    EXPECT_EQ(w.ArrayHeight->text(), "19.7");
    EXPECT_EQ(w.CovStop->text(), "262.5");
    EXPECT_TRUE(w.AddsubsBut->isVisibleTo(w.VenueTab));
    EXPECT_FALSE(w.MinTrimHeight->isEnabled());
    w.FArrayType = "";
    w.FRigMode = 1;
    w.SetupArrayControls();
    EXPECT_TRUE(w.MinTrimHeight->isEnabled());
    EXPECT_EQ(w.g1lab->text(), title);
}

TEST(ArrayControls, ArvoBexaStackedHangsAndThreeModelsToOneLeavesNothing) {
    Folders f;
    TForm1 w(f.Env());
    w.FAutoDesign = 0;
    Choose(w, "mixarvobexarad");
    w.FRigMode = 2;
    w.SetupArrayControls();
    EXPECT_EQ(w.FRigMode, 1);

    Choose(w, "MIXIVORDOVIELKARAD");
    SetCounts(w, 2, 3, 2);
    w.SetupArrayControls();
    ASSERT_FALSE(w.box3strgrid->isHidden());
    Choose(w, "allbexarad");
    w.SetupArrayControls();
    EXPECT_TRUE(w.box3strgrid->isHidden());
    EXPECT_TRUE(w.BexaStrGrid->isHidden());
    EXPECT_TRUE(w.NumBox2Pan->isHidden());
    EXPECT_TRUE(w.Numbox3Pan->isHidden());
    for (QTableWidget* g : {w.BexaStrGrid, w.box3strgrid})
        for (int r = 0; r < std::min(18, g->rowCount()); ++r)
            for (int col = 0; col < 2; ++col)
                if (QTableWidgetItem* i = g->item(r, col)) {
                    EXPECT_EQ(i->text(), "");
                }
}

}  // namespace
