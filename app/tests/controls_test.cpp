// The window's named controls: the height captions and the cabinet-choice
// panel follow the rig mode, a loaded venue restores its controls (the type
// radio and page, the count limits, what the venue page shows), the tool
// bar's captions and their room, and the names the window still looks up.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/background1.h"
#include "app/form_build.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/updown.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "app/tests/test_support.h"

namespace {

const QString kStackHint = QStringLiteral(
    "For Mixed Stacks design full range array with stage height offset by height of sub stack");

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
    TForm1* operator->() const { return w.get(); }
};

// A venue file saved by a window set up for the type and counts; the path
// of the file written.
std::string SaveDesign(const ScratchDir& dir, const std::string& name,
                       QRadioButton* TForm1::*radio, int n1, int n2, int n3) {
    Window a;
    (a.w.get()->*radio)->setChecked(true);
    a->FNumBoxes1 = n1;
    a->FNumBoxes2 = n2;
    a->FNumBoxes3 = n3;
    a->Recalculate();
    a->FVenue->SaveToFile(dir.Path(name));
    EXPECT_EQ(a.services->Errors(), QStringList{});
    return dir.Path(name + ".ven");
}

// An up/down's range and position: min, max, position.
using Range = std::array<int, 3>;
Range Of(const qtapp::UpDown* u) { return {u->Min(), u->Max(), u->Position()}; }

}  // namespace

TEST(Controls, HeightCaptionsAndTheStackHintFollowTheRigMode) {
    enum class Start { Fresh, Designed };
    struct Case {
        const char* what;
        Start start;
        std::vector<QRadioButton* TForm1::*> clicks;
        const char* label22;
        bool label22Shown;
        bool arrayHeightShown;
        const char* label2;
        bool minTrimEnabled;
        QString hint;
    };
    const Case cases[] = {
        {"fresh", Start::Fresh, {}, "Array Height", true, true, "Max Pick", true, ""},
        {"stacked before a design", Start::Fresh, {&TForm1::stackrad}, "Stage Height", true, true,
         "Max", false, kStackHint},
        {"stacked, then flown before a design", Start::Fresh, {&TForm1::stackrad, &TForm1::flyrad},
         "Array Height", false, false, "Max Pick", true, ""},
        {"designed", Start::Designed, {}, "Array Height", true, true, "Max Pick", true, ""},
        {"stacked after a design", Start::Designed, {&TForm1::stackrad}, "Stage Height", true, true,
         "Top Box", false, kStackHint},
        {"stacked, then flown after a design", Start::Designed,
         {&TForm1::stackrad, &TForm1::flyrad}, "Array Height", true, true, "Max Pick", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window t;
        TForm1& w = *t.w;
        if (c.start == Start::Designed) w.DesignTBut->click();
        for (QRadioButton* TForm1::*radio : c.clicks) (w.*radio)->click();
        EXPECT_EQ(t.services->Errors(), QStringList{});
        EXPECT_EQ(w.Label22->text().toStdString(), c.label22);
        EXPECT_EQ(!w.Label22->isHidden(), c.label22Shown);
        EXPECT_EQ(!w.ArrayHeight->isHidden(), c.arrayHeightShown);
        EXPECT_EQ(w.Label2->text().toStdString(), c.label2);
        // The caption of the minimum trim goes with its edit and up/down.
        EXPECT_EQ(w.Label3->isEnabled(), c.minTrimEnabled);
        EXPECT_EQ(w.MinTrimHeight->isEnabled(), c.minTrimEnabled);
        EXPECT_EQ(w.mintrimupdn->isEnabled(), c.minTrimEnabled);
        EXPECT_EQ(w.Panel10->toolTip(), c.hint);
    }
}

TEST(Controls, ALoadChecksTheTypeOnItsPageAndSetsTheCountLimits) {
    enum class Road { ToolBar, CommandLine };
    using F = TForm1;
    struct Case {
        const char* what;
        Road road;
        QRadioButton* F::*radio;
        int n1, n2, n3;
        QWidget* F::*page;
        Range count1, count2, count3;
    };
    const Case cases[] = {
        {"Bexa", Road::ToolBar, &F::allbexarad, 6, 0, 0, &F::Singlets, {1, 16, 6}, {0, 0, 0}, {0, 0, 0}},
        {"Hoba", Road::ToolBar, &F::allarvoxrad, 9, 0, 0, &F::Singlets, {1, 12, 9}, {0, 0, 0}, {0, 0, 0}},
        {"Arvo Bexa", Road::ToolBar, &F::mixarvobexarad, 6, 3, 0, &F::Mixedts, {1, 15, 6}, {1, 8, 3}, {0, 0, 0}},
        {"Arvo Bexa at start-up", Road::CommandLine, &F::mixarvobexarad, 6, 3, 0, &F::Mixedts,
         {1, 15, 6}, {1, 8, 3}, {0, 0, 0}},
        {"Ivor Dovi Elka", Road::ToolBar, &F::MIXIVORDOVIELKARAD, 4, 8, 2, &F::Mixedts, {1, 4, 4},
         {1, 9, 8}, {1, 2, 2}},
        {"Dovi Elka at start-up", Road::CommandLine, &F::mixdovielkarad, 10, 2, 0, &F::Mixedts,
         {1, 15, 10}, {1, 2, 2}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir files;
        const std::string path = SaveDesign(files, "hall", c.radio, c.n1, c.n2, c.n3);
        Window t;
        TForm1& w = *t.w;
        if (c.road == Road::ToolBar) {
            t.services->QueueOpenFile(QString::fromStdString(path));
            w.LoadTButClick();
        } else {
            w.LoadVenueFromCommandLine(path);
        }
        EXPECT_EQ(t.services->Errors(), QStringList{});
        EXPECT_EQ(w.FSuppressChoice, 0);
        EXPECT_EQ(w.boxchoicePC->currentWidget(), w.*c.page);
        EXPECT_TRUE((w.*c.radio)->isChecked());
        // The page shown holds that one choice only.
        for (QRadioButton* r : (w.*c.page)->findChildren<QRadioButton*>()) {
            if (r != w.*c.radio) {
                EXPECT_FALSE(r->isChecked()) << r->objectName().toStdString();
            }
        }
        EXPECT_EQ(w.FMixedChoice, c.page == &F::Mixedts ? 1 : 0);
        EXPECT_EQ(Of(w.numbox1updn), c.count1);
        EXPECT_EQ(Of(w.numbox2updn), c.count2);
        EXPECT_EQ(Of(w.numbox3updn), c.count3);
        EXPECT_EQ(w.FNumBoxes1, c.n1);
        EXPECT_EQ(w.FNumBoxes2, c.n2);
        EXPECT_EQ(w.FNumBoxes3, c.n3);
        // The second count's up/down works from the loaded count.
        if (c.count2[1] > c.count2[2]) {
            w.numbox2updn->UpButton()->click();
            EXPECT_EQ(w.FNumBoxes2, c.n2 + 1);
        }
    }
}

TEST(Controls, ALoadShowsThePageAndItsPanelsButNothingHiddenInside) {
    struct Case {
        const char* what;
        QRadioButton* TForm1::*radio;
        int n1, n2;
    };
    const Case cases[] = {
        {"single", &TForm1::allarvorad, 8, 0},
        {"mixed", &TForm1::mixruddbexarad, 6, 3},
        {"mixed with two patch diagrams", &TForm1::mixarvobexarad, 6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir files;
        const std::string path = SaveDesign(files, "hall", c.radio, c.n1, c.n2, 0);
        Window t;
        TForm1& w = *t.w;
        t.services->QueueOpenFile(QString::fromStdString(path));
        w.LoadTButClick();
        EXPECT_EQ(t.services->Errors(), QStringList{});
        const bool mixed = c.n2 > 0;
        // Only the current page of the cabinet choice.
        EXPECT_EQ(w.Singlets->isHidden(), mixed);
        EXPECT_EQ(w.Mixedts->isHidden(), !mixed);
        // The grids' hidden headers and the hidden clear button stay hidden;
        // no third grid or its title for a type of fewer models.
        for (QTableWidget* g : {w.ArvoStrGrid, w.BexaStrGrid, w.box3strgrid}) {
            EXPECT_TRUE(g->horizontalHeader()->isHidden()) << g->objectName().toStdString();
            EXPECT_TRUE(g->verticalHeader()->isHidden()) << g->objectName().toStdString();
        }
        EXPECT_TRUE(w.clearsingle->isHidden());
        EXPECT_TRUE(w.box3strgrid->isHidden());
        EXPECT_TRUE(w.g3lab->isHidden());
        EXPECT_TRUE(w.Numbox3Pan->isHidden());
        EXPECT_EQ(w.BexaStrGrid->isHidden(), !mixed);
        EXPECT_EQ(w.NumBox2Pan->isHidden(), !mixed);
        // What a load does show: the venue values' up/downs, the array
        // height with its caption, Help with the other tool buttons.
        for (QWidget* shown : std::initializer_list<QWidget*>{
                 w.covstartupdn, w.arrhupdn, w.P3elevupdn, w.ArrayHeight, w.Label22, w.HelpTBut,
                 w.VenTBut, w.SaveTBut})
            EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
        EXPECT_TRUE(w.mailtbut->isHidden());
        // The patch page's strips belong to that page: turning the pages'
        // tabs off on the way does not leave them over the venue picture.
        EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
        EXPECT_TRUE(w.Panel22->isHidden());
        EXPECT_TRUE(w.Panel14->isHidden());
    }
}

TEST(Controls, ToolButtonsGiveEachCaptionItsRoom) {
    Window t;
    TForm1& w = *t.w;
    w.DesignTBut->click();
    w.mailtbut->show();  // as the right click on "Venue planes" does
    w.ArrangeToolBar();
    EXPECT_EQ(t.services->Errors(), QStringList{});
    std::vector<QToolButton*> shown;
    for (QToolButton* b : {w.LoadTBut, w.SaveTBut, w.DesignTBut, w.VenTBut, w.ArrayTBut, w.RigTBut,
                           w.PrintTBut, w.PrintSUTBut, w.webtbut, w.mailtbut, w.HelpTBut, w.tbauto,
                           w.tbman})
        if (!b->isHidden()) shown.push_back(b);
    ASSERT_EQ(shown.size(), 13u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(shown[i]->text().toStdString());
        EXPECT_GE(shown[i]->width(), shown[i]->sizeHint().width());
        if (i > 0) {
            EXPECT_GT(shown[i]->x(), shown[i - 1]->geometry().right());
        }
    }
    // The lamp after the last of them.
    EXPECT_GT(w.Image8->x(), shown.back()->geometry().right());
}

