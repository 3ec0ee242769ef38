// The height captions and the cabinet-choice panel follow the rig mode; a
// load restores the venue page's controls; the tool bar gives captions room.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <array>

#include "platform/qtapp/updown.h"
#include "venue/model/venue.h"
#include "app/tests/test_support.h"

namespace {

using F = TForm1;

TEST(Controls, HeightCaptionsAndTheStackHintFollowTheRigMode) {
    const QString hint = QStringLiteral(
        "For Mixed Stacks design full range array with stage height offset by height of sub stack");
    const struct {
        bool designed, flownBack;  // stacked, then flown again
        const char *label22, *label2;
        bool label22Shown;
    } cases[] = {
        {false, false, "Stage Height", "Max", true},
        {false, true, "Array Height", "Max Pick", false},
        {true, false, "Stage Height", "Top Box", true},
        {true, true, "Array Height", "Max Pick", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "designed " << c.designed << ", flown " << c.flownBack);
        TestWindow t;
        if (c.designed) t->DesignTBut->click();
        t->stackrad->click();
        if (c.flownBack) t->flyrad->click();
        EXPECT_EQ(t->Label22->text().toStdString(), c.label22);
        EXPECT_EQ(!t->Label22->isHidden(), c.label22Shown);
        EXPECT_EQ(t->Label2->text().toStdString(), c.label2);
        EXPECT_EQ(t->Label3->isEnabled(), c.flownBack);
        EXPECT_EQ(t->Panel10->toolTip(), c.flownBack ? QString() : hint);
    }
}

// An up/down's min, max and position.
using Range = std::array<int, 3>;
Range Of(const qtapp::UpDown* u) { return {u->Min(), u->Max(), u->Position()}; }

TEST(Controls, ALoadRestoresTheTypeTheCountLimitsAndWhatThePageShows) {
    const struct {
        bool startUp;  // from the command line, else through Load
        QRadioButton* F::*radio;
        int n1, n2, n3;
        std::array<Range, 3> counts;
    } cases[] = {
        {false, &F::allbexarad, 6, 0, 0, {{{1, 16, 6}, {0, 0, 0}, {0, 0, 0}}}},
        {false, &F::mixarvobexarad, 6, 3, 0, {{{1, 15, 6}, {1, 8, 3}, {0, 0, 0}}}},  // two diagrams
        {false, &F::MIXIVORDOVIELKARAD, 4, 8, 2, {{{1, 4, 4}, {1, 9, 8}, {1, 2, 2}}}},
        {true, &F::mixdovielkarad, 10, 2, 0, {{{1, 15, 10}, {1, 2, 2}, {0, 0, 0}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n1 << "/" << c.n2 << "/" << c.n3);
        TestWindow a, t;
        ((*a).*c.radio)->setChecked(true);
        a->FNumBoxes1 = c.n1, a->FNumBoxes2 = c.n2, a->FNumBoxes3 = c.n3;
        a->Recalculate();
        a->FVenue->SaveToFile(a.user.Path("hall"));
        const std::string path = a.user.Path("hall.ven");
        TForm1& w = *t;
        if (!c.startUp) t.services->QueueOpenFile(QString::fromStdString(path));
        c.startUp ? w.LoadVenueFromCommandLine(path) : w.LoadTButClick();
        const bool mixed = c.n2 > 0;
        EXPECT_TRUE((w.*c.radio)->isChecked());
        EXPECT_EQ(w.boxchoicePC->currentWidget(), mixed ? w.Mixedts : w.Singlets);
        EXPECT_EQ((std::array{Of(w.numbox1updn), Of(w.numbox2updn), Of(w.numbox3updn)}), c.counts);
        // The venue page and its panels show; what is hidden inside stays so.
        EXPECT_EQ(w.Singlets->isHidden(), mixed);
        EXPECT_EQ(w.Mixedts->isHidden(), !mixed);
        EXPECT_TRUE(w.clearsingle->isHidden());
        EXPECT_TRUE(c.n3 > 0 || w.g3lab->isHidden());
        EXPECT_FALSE(w.HelpTBut->isHidden());
        // The patch page's strips stay with their page.
        EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
        EXPECT_TRUE(w.Panel22->isHidden() && w.Panel14->isHidden());
    }
}

TEST(Controls, ToolButtonsGiveEachCaptionItsRoom) {
    TestWindow t;
    TForm1& w = *t;
    w.DesignTBut->click();
    w.mailtbut->show();  // as the right click on "Venue planes" does
    w.ArrangeToolBar();
    // In their order, left to right along a row, then on down the next.
    int right = 0, top = 0;
    for (QToolButton* b : {w.LoadTBut, w.SaveTBut, w.DesignTBut, w.VenTBut, w.ArrayTBut, w.RigTBut,
                           w.PrintTBut, w.PrintSUTBut, w.webtbut, w.mailtbut, w.HelpTBut, w.tbauto,
                           w.tbman}) {
        SCOPED_TRACE(b->text().toStdString());
        ASSERT_FALSE(b->isHidden());
        EXPECT_GE(b->width(), b->sizeHint().width());
        EXPECT_TRUE(b->y() > top || (b->y() == top && b->x() > right));
        right = b->geometry().right();
        top = b->y();
    }
}

}  // namespace
