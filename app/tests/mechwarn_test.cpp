// The warnings window: rows, grade colours, tips, units and the help panel.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <limits>

#include "app/mechwarnform.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);

struct Rig {
    double frontLoad = 500, rearLoad = 400, frontForce = 300, rearForce = 200;
    double gridFrontSF = 8, gridRearSF = 9, cabFrontSF = 10, cabRearSF = 11;
    int pickOption = 1, bestHole = 3, rigMode = 1;
    uint8_t metric = 1;
};

void Show(Tmechwarn& w, const Rig& r) {
    w.ShowWarnings(r.metric, r.pickOption, r.frontLoad, r.rearLoad, r.frontForce, r.rearForce,
                   r.gridFrontSF, r.gridRearSF, r.cabFrontSF, r.cabRearSF, r.bestHole, r.rigMode);
}

std::vector<QString> Tips(const Tmechwarn& w) {
    std::vector<QString> t;
    for (int i = 1; i <= 7; ++i) t.push_back(w.Tip(i));
    return t;
}

const QString kFrontHigh = "The load on the front grid pick point is too high";
const QString kRearHigh = "The load on the rear grid pick point is too high";
const QString kCogNot = "Center of gravity is not between the grid pick points";

}  // namespace

TEST(MechWarn, SafeRigIsAllGreenWithoutTips) {
    Tmechwarn w;
    Show(w, Rig{});
    for (QLabel* sf : {w.SFGFPPlab, w.SFGRPPlab, w.SFCFPPlab, w.SFCRPPlab})
        EXPECT_EQ(BackgroundColor(sf), kGreen) << sf->objectName().toStdString();
    for (QLabel* load : {w.GFPPlab, w.GRPPlab, w.CFPPlab, w.CRPPlab})
        EXPECT_EQ(FontColor(load), kGreen) << load->objectName().toStdString();
    const std::pair<QLabel*, const char*> shown[] = {
        {w.GFPPlab, "500.00 kg"}, {w.GRPPlab, "400.00 kg"}, {w.CFPPlab, "300.00 kg"}, {w.CRPPlab, "200.00 kg"},
        {w.SFGFPPlab, "8.00"},    {w.SFGRPPlab, "9.00"},    {w.SFCFPPlab, "10.00"},   {w.SFCRPPlab, "11.00"}};
    for (const auto& [label, text] : shown) EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    EXPECT_EQ(w.cogposlab->text(), "Between pick points OK");
    EXPECT_EQ(FontColor(w.cogposlab), kGreen);
    EXPECT_EQ(w.StaticText5->text(), "Cabinet Front links");
    for (const QString& t : Tips(w)) EXPECT_TRUE(t.isEmpty()) << t.toStdString();
}

TEST(MechWarn, GridFrontCautionGivesItsTips) {
    Tmechwarn w;
    Rig r;
    r.gridFrontSF = 6;
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGFPPlab), kYellow);
    EXPECT_EQ(FontColor(w.GFPPlab), kYellow);
    const std::vector<QString> expected = {kFrontHigh,
                                           "Try increasing the Coverage Start position",
                                           "Try reducing the number of boxes",
                                           "Try increasing the Coverage Stop position",
                                           "Try decreasing the Array Height",
                                           "Check that cabs are in front position on grid",
                                           ""};
    EXPECT_EQ(Tips(w), expected);
}

TEST(MechWarn, NegativeFrontLoadIsUnsafeWhateverTheFactor) {
    Tmechwarn w;
    Rig r;
    r.frontLoad = -20;
    r.gridFrontSF = 9;
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGFPPlab), kRed);
    EXPECT_EQ(w.cogposlab->text(), "NOT between pick points");
    EXPECT_EQ(FontColor(w.cogposlab), kRed);
    EXPECT_EQ(w.Tip(1), kCogNot);
    EXPECT_EQ(w.Tip(2), "Try increasing the Coverage Start position");
    EXPECT_EQ(w.Tip(7), "Check that lift bar is in rear position");
    EXPECT_EQ(w.GFPPlab->text(), "-20.00 kg");
}

TEST(MechWarn, LaterRowsColourButDoNotTakeOverTheTips) {
    Tmechwarn w;
    Rig r;
    r.gridFrontSF = 6;
    r.gridRearSF = 3;
    r.cabFrontSF = 2;
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGRPPlab), kRed);
    EXPECT_EQ(BackgroundColor(w.SFCFPPlab), kRed);
    EXPECT_EQ(w.Tip(1), kFrontHigh);
    EXPECT_EQ(w.Tip(6), "Check that cabs are in front position on grid");
}

TEST(MechWarn, RearRowSetsTipsWhenTheFrontIsSafe) {
    Tmechwarn w;
    Rig r;
    r.gridRearSF = 4;
    Show(w, r);
    const std::vector<QString> expected = {kRearHigh,
                                           "Try decreasing the Coverage Start position",
                                           "Try reducing the number of boxes",
                                           "Try decreasing the Coverage Stop position",
                                           "Try increasing the Array Height",
                                           "Check that cabs are on rear position on grid",
                                           ""};
    EXPECT_EQ(Tips(w), expected);

    r.rearLoad = -1;
    r.gridRearSF = 12;
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGRPPlab), kRed);
    EXPECT_EQ(w.Tip(1), kCogNot);
    EXPECT_EQ(w.Tip(7), "Check that lift bar is in front position`");
}

TEST(MechWarn, CouplingRows) {
    Tmechwarn w;
    Rig r;
    r.cabFrontSF = 2;
    Show(w, r);
    EXPECT_EQ(Tips(w), (std::vector<QString>{"The load on front cabinet couplings is too high",
                                             "Unsafe", "", "", "", "", ""}));
    r.cabFrontSF = 8;
    r.cabRearSF = 6;
    Show(w, r);
    EXPECT_EQ(Tips(w), (std::vector<QString>{"The load on rear cabinet couplings is too high", "",
                                             "", "", "", "", ""}));
    EXPECT_EQ(BackgroundColor(w.SFCRPPlab), kYellow);
    EXPECT_EQ(FontColor(w.CRPPlab), kYellow);
}

TEST(MechWarn, GradeBoundsFiveIsYellowSevenIsGreen) {
    Tmechwarn w;
    Rig r;
    r.gridFrontSF = 5;
    r.gridRearSF = 7;
    r.cabFrontSF = 4.99;
    r.cabRearSF = 6.99;
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGFPPlab), kYellow);
    EXPECT_EQ(BackgroundColor(w.SFGRPPlab), kGreen);
    EXPECT_EQ(BackgroundColor(w.SFCFPPlab), kRed);
    EXPECT_EQ(BackgroundColor(w.SFCRPPlab), kYellow);
    EXPECT_EQ(w.SFGFPPlab->text(), "5.00");
    EXPECT_EQ(w.SFCFPPlab->text(), "4.99");
}

TEST(MechWarn, FactorThatIsNotANumberCountsAsUnsafe) {
    Tmechwarn w;
    Show(w, Rig{});  // all green first: a stale colour would stay green
    Rig r;
    r.gridRearSF = std::numeric_limits<double>::quiet_NaN();
    Show(w, r);
    EXPECT_EQ(BackgroundColor(w.SFGRPPlab), kRed);
    EXPECT_EQ(w.Tip(1), kRearHigh);
}

TEST(MechWarn, ImperialLoadsInPounds) {
    Tmechwarn w;
    Rig r;
    r.metric = 0;
    r.frontLoad = 100;
    r.cabRearSF = 7.5;
    Show(w, r);
    EXPECT_EQ(w.GFPPlab->text(), "220.00 lb");
    EXPECT_EQ(w.GRPPlab->text(), "880.00 lb");
    EXPECT_EQ(w.SFCRPPlab->text(), "7.50");
}

TEST(MechWarn, GroundStackedShowsOnlyTheCogLine) {
    Tmechwarn w;
    Rig r;
    r.rigMode = 2;
    Show(w, r);
    EXPECT_FALSE(w.StaticText5->isHidden());
    EXPECT_EQ(w.StaticText5->text(), "COG in unsafe region");
    for (QWidget* c : std::initializer_list<QWidget*>{w.StaticText1, w.StaticText2, w.StaticText4, w.GFPPlab,
                                                      w.SFCRPPlab, w.cogposlab})
        EXPECT_TRUE(c->isHidden()) << c->objectName().toStdString();
    EXPECT_EQ(Tips(w), (std::vector<QString>{"Fix Grid to floor ",
                                             "Reduce allowable horizontal pull/push force", "", "",
                                             "", "", ""}));
    // Flown again: every row is back.
    r.rigMode = 1;
    Show(w, r);
    EXPECT_FALSE(w.GFPPlab->isHidden());
    EXPECT_EQ(w.StaticText5->text(), "Cabinet Front links");
}

TEST(MechWarn, LiftBarWithoutUsableHole) {
    Tmechwarn w;
    Rig r;
    r.pickOption = 4;
    r.bestHole = -1;
    Show(w, r);
    EXPECT_TRUE(w.cogposlab->isHidden());
    EXPECT_TRUE(w.GFPPlab->isHidden());
    EXPECT_TRUE(w.StaticText3->isHidden());
    EXPECT_FALSE(w.StaticText1->isHidden());
    EXPECT_EQ(w.StaticText1->text(), "C.O.G is not coincident with any Hole");
    EXPECT_EQ(BackgroundColor(w.StaticText1), kRed);
    EXPECT_EQ(w.Tip(1), "Adjust grid angle until C.O.G. is between pick points");

    // With a usable hole the grid rows go; on a later pick-point rig the
    // caption is back without the red.
    r.bestHole = 2;
    Show(w, r);
    EXPECT_TRUE(w.StaticText1->isHidden());
    EXPECT_TRUE(w.SFGRPPlab->isHidden());
    r.bestHole = -1;
    Show(w, r);
    r.pickOption = 1;
    Show(w, r);
    EXPECT_EQ(w.StaticText1->text(), "Grid Front Pick point");
    EXPECT_NE(BackgroundColor(w.StaticText1), kRed);
    EXPECT_FALSE(w.cogposlab->isHidden());
}

TEST(MechWarn, HelpPanelOpensAndCloses) {
    Tmechwarn w;
    const int closed = w.Bevel1->height() + w.Panel2->height() + w.Bevel2->height();
    auto expectLooks = [&](const char* caption, int height, int alpha) {
        EXPECT_EQ(w.Helpbut->text(), caption);
        EXPECT_EQ(w.ClientHeight(), height);
        EXPECT_EQ(w.AlphaBlendValue(), alpha);
    };
    Show(w, Rig{});
    expectLooks("Help >>", closed, 200);
    w.Helpbut->click();
    expectLooks("<< Close Help", closed + w.Panel1->height(), 255);
    w.Helpbut->click();
    expectLooks("Help >>", closed, 200);
}

TEST(MechWarn, EveryShowClosesTheHelpPanelSoTheNextClickOpensIt) {
    for (int rigMode : {1, 2}) {
        Tmechwarn w;
        Rig r;
        r.rigMode = rigMode;
        w.Helpbut->click();
        ASSERT_TRUE(w.HelpOpen());
        Show(w, r);
        EXPECT_FALSE(w.HelpOpen()) << rigMode;
        EXPECT_EQ(w.Helpbut->text(), "Help >>");
        w.Helpbut->click();
        EXPECT_TRUE(w.HelpOpen()) << rigMode;
        EXPECT_EQ(w.Helpbut->text(), "<< Close Help") << rigMode;
        EXPECT_EQ(w.AlphaBlendValue(), 255);
    }
}

TEST(MechWarn, WindowLooks) {
    Tmechwarn w;
    EXPECT_EQ(w.windowTitle(), "Mechanical Safety Warning");
    EXPECT_EQ(w.width(), 249);
    // A tool window kept above the main window by belonging to it, never
    // above everything: a dialog of the main window must not hide under it.
    EXPECT_EQ(w.windowType(), Qt::Tool);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    // Its small caption has no minimise or maximise button to cut its title.
    EXPECT_TRUE(w.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_FALSE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.Advice.size(), 18u);
    EXPECT_EQ(w.Advice[17], "Adjust grid angle until C.O.G. is between pick points");
}

namespace {

// The room a label's text needs at the label's width: wrapped when the
// label wraps, on one line when it does not.
QSize NeededSize(const QLabel* l) {
    const QFontMetrics fm(l->font());
    if (l->wordWrap())
        return fm.boundingRect(QRect(0, 0, l->width(), 1 << 20), Qt::TextWordWrap, l->text()).size();
    return fm.size(Qt::TextSingleLine, l->text());
}

// The label's text fits it, and the label lies inside its parent's area.
void ExpectShownWhole(const QLabel* l, const std::string& what) {
    const QSize need = NeededSize(l);
    EXPECT_LE(need.width(), l->width()) << what << ": " << l->text().toStdString();
    EXPECT_LE(need.height(), l->height()) << what << ": " << l->text().toStdString();
    const QRect inside(QPoint(0, 0), l->parentWidget()->size());
    EXPECT_TRUE(inside.contains(l->geometry())) << what << ": " << l->text().toStdString();
}

}  // namespace

TEST(MechWarn, EveryTipIsShownWhole) {
    struct Case {
        const char* name;
        Rig rig;
    };
    auto rig = [](auto change) {
        Rig r;
        change(r);
        return r;
    };
    // Between them these rigs show every tip text the window has.
    const Case cases[] = {
        {"front caution", rig([](Rig& r) { r.gridFrontSF = 6; })},
        {"front load negative", rig([](Rig& r) { r.frontLoad = -5; })},
        {"rear caution", rig([](Rig& r) { r.gridRearSF = 6; })},
        {"rear load negative", rig([](Rig& r) { r.rearLoad = -5; })},
        {"front coupling unsafe", rig([](Rig& r) { r.cabFrontSF = 2; })},
        {"rear coupling caution", rig([](Rig& r) { r.cabRearSF = 6; })},
        {"lift bar without hole", rig([](Rig& r) {
             r.pickOption = 4;
             r.bestHole = -1;
         })},
        {"ground-stacked", rig([](Rig& r) { r.rigMode = 2; })},
    };
    for (const Case& c : cases) {
        Tmechwarn w;
        Show(w, c.rig);
        w.Helpbut->click();
        ASSERT_TRUE(w.HelpOpen());
        ExpectShownWhole(w.StaticText16, c.name);
        int previousBottom = w.StaticText16->geometry().bottom();
        for (int i = 1; i <= 7; ++i) {
            const QLabel* tip = w.Tips[static_cast<std::size_t>(i - 1)];
            if (tip->text().isEmpty()) continue;
            ExpectShownWhole(tip, std::string(c.name) + " tip " + std::to_string(i));
            // Wrapped tips push the next ones down instead of overlapping.
            EXPECT_GT(tip->geometry().top(), previousBottom) << c.name << " tip " << i;
            previousBottom = tip->geometry().bottom();
        }
        // The open panel lies wholly inside the window.
        EXPECT_LE(w.Panel1->geometry().bottom() + 1, w.ClientHeight()) << c.name;
        EXPECT_LE(w.Panel1->geometry().right() + 1, w.width()) << c.name;
        // and the window's height is the four parts, the panel as tall as
        // its tips need.
        EXPECT_EQ(w.ClientHeight(), w.Bevel1->height() + w.Panel2->height() +
                                        w.Panel1->height() + w.Bevel2->height())
            << c.name;
    }
}

TEST(MechWarn, NoUsableHoleCaptionIsShownWhole) {
    Tmechwarn w;
    Rig r;
    r.pickOption = 4;
    r.bestHole = -1;
    Show(w, r);
    ASSERT_EQ(w.StaticText1->text(), "C.O.G is not coincident with any Hole");
    ExpectShownWhole(w.StaticText1, "no usable hole");
    // A later pick-point rig puts the caption back in its own column.
    r.pickOption = 1;
    Show(w, r);
    ExpectShownWhole(w.StaticText1, "grid front caption");
    EXPECT_LE(w.StaticText1->geometry().right(), w.GFPPlab->geometry().left());
}
