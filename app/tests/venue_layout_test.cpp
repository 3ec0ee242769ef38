// The venue page at the window sizes riggers use: every control it shows
// lies whole inside what the page shows, without scrolling, and no two
// controls lie over each other (a label counts as wide as its text).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

#include <string>
#include <vector>

#include "app/background1.h"
#include "app/rules/venue_page_layout.h"
#include "model/hardware/grid.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

// What a control covers in its parent: a label no more than its text.
QRect Covered(const QWidget* w) {
    QRect r = w->geometry();
    if (const auto* l = qobject_cast<const QLabel*>(w); l != nullptr && l->pixmap().isNull()) {
        const int text = l->fontMetrics().horizontalAdvance(l->text());
        r.setWidth(std::min(r.width(), text));
    }
    return r;
}

std::string Name(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return "label '" + l->text().toStdString() + "'";
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return "group '" + g->title().toStdString() + "'";
    return w->metaObject()->className();
}

// The parts of a container a person sees as controls of their own.
std::vector<QWidget*> ShownControls(QWidget* container) {
    std::vector<QWidget*> out;
    for (QWidget* c : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden() && c->width() > 0 && c->height() > 0 && Covered(c).width() > 0)
            out.push_back(c);
    return out;
}

// Walks the page: in each container every shown control lies whole inside
// `area` and over no sibling; group boxes, panels and the current page of a
// page control are containers in turn.  Grids, up/downs, edits and buttons
// are single controls.  A page that may scroll (`whole` false) only needs
// its controls apart; inside a group or a panel a control is always whole.
void ExpectLaidOut(QWidget* container, const QRect& area, std::vector<std::string>& faults,
                   bool whole = true) {
    const std::vector<QWidget*> controls = ShownControls(container);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect r = Covered(controls[i]);
        if (whole && !area.contains(r))
            faults.push_back(Name(controls[i]) + " lies outside " + Name(container));
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (r.intersects(Covered(controls[j])))
                faults.push_back(Name(controls[i]) + " lies over " + Name(controls[j]));
        QWidget* c = controls[i];
        if (auto* pages = qobject_cast<QTabWidget*>(c)) {
            QWidget* page = pages->currentWidget();
            ExpectLaidOut(page, page->rect(), faults);
        } else if (qobject_cast<QGroupBox*>(c) != nullptr ||
                   QByteArray(c->metaObject()->className()) == "QWidget") {
            ExpectLaidOut(c, c->rect(), faults);
        }
    }
}

struct Case {
    const char* what;
    QSize size;
    const char* type;
    int rigMode;
};

}  // namespace

TEST(VenuePageLayout, EveryControlWholeInViewAndNoneOverAnother) {
    const Case cases[] = {
        {"1280 x 720 flown", {1280, 720}, "Arvo", 1},
        {"1280 x 720 stacked", {1280, 720}, "Arvo", 2},
        {"1920 x 1080 flown", {1920, 1080}, "Arvo", 1},
        {"1920 x 1080 stacked", {1920, 1080}, "Bexa", 2},
        {"1280 x 720 two models", {1280, 720}, "MIXArvoBexa", 1},
        {"1280 x 720 three models", {1280, 720}, "MIXIvorDoviElka", 1},
        {"1366 x 768 stacked two models", {1366, 768}, "MIXDoviElka", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir user, program;
        ErrorRecorder rec;
        InitAllowedAngles();
        TForm1 w(TestEnv(user, program));
        w.show();
        w.resize(c.size);
        // A design has started: every up/down and tool button shows.
        w.FArrayType = c.type;
        w.FMixedChoice = std::string(c.type).starts_with("MIX") ? 1 : 0;
        w.FNumBoxes1 = std::string(c.type) == "MIXIvorDoviElka" ? 4 : 5;
        w.FNumBoxes2 = w.FMixedChoice == 1 ? 2 : 0;
        w.FNumBoxes3 = std::string(c.type) == "MIXIvorDoviElka" ? 1 : 0;
        w.FRigMode = c.rigMode;
        w.FArrayHeight = c.rigMode == 2 ? 1.0 : 8.0;
        w.Recalculate();
        w.RefreshControls();
        w.PageControl1->setCurrentWidget(w.VenueTab);
        w.FormPaint(&w);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();

        EXPECT_EQ(w.AddsubsBut->isHidden(), c.rigMode == 1);
        const bool grid2 = w.FMixedChoice == 1;
        EXPECT_EQ(w.BexaStrGrid->isHidden(), !grid2);
        auto* h = w.VenueTab->findChild<QScrollBar*>("VenueTabHScroll");
        auto* v = w.VenueTab->findChild<QScrollBar*>("VenueTabVScroll");
        ASSERT_NE(h, nullptr);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(h->isHidden());
        EXPECT_TRUE(v->isHidden());
        std::vector<std::string> faults;
        ExpectLaidOut(w.VenueTab, w.VenueTab->rect(), faults);
        for (const std::string& f : faults) ADD_FAILURE() << f;
        // The grids shown stand side by side and each is wide enough for
        // its two columns.
        for (QTableWidget* g : {w.ArvoStrGrid, w.BexaStrGrid, w.box3strgrid}) {
            if (g->isHidden()) continue;
            EXPECT_GE(g->width(), 90) << Name(g);
            EXPECT_GE(g->height(), 100) << Name(g);
        }
        w.hide();
        EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
    }
}

// Below the smallest size the page still scrolls, so every control can be
// reached.
TEST(VenuePageLayout, SmallerWindowScrolls) {
    ScratchDir user, program;
    ErrorRecorder rec;
    InitAllowedAngles();
    TForm1 w(TestEnv(user, program));
    w.show();
    w.resize(900, 600);
    w.FormPaint(&w);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    auto* h = w.VenueTab->findChild<QScrollBar*>("VenueTabHScroll");
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(h->isHidden());
    w.hide();
}

// The page's blocks, as planned: they end inside the page control's height
// (the first grid plus 110 pixels, less its tab bar and frame).
TEST(VenuePageLayout, PlannedBlocksFitUnderTheGridRule) {
    namespace page = rules::venuepage;
    const int pageControl = page::kSplayGrids.Height + 110;
    // A tab bar of up to 26 pixels and a frame of 2 on each side.
    EXPECT_LE(page::ContentBottom(), pageControl - 26 - 4);
    // Side by side grids share the column and never touch.
    for (int shown = 1; shown <= 3; ++shown) {
        SCOPED_TRACE(shown);
        for (int s = 0; s + 1 < shown; ++s)
            EXPECT_LT(page::SplayGridSlot(s, shown).Right(), page::SplayGridSlot(s + 1, shown).Left);
        EXPECT_LE(page::SplayGridSlot(shown - 1, shown).Right(), page::kSplayGrids.Right());
        EXPECT_EQ(page::SplayGridSlot(0, shown).Left, page::kSplayGrids.Left);
    }
}

// The other pages hold their controls apart too.
TEST(PageLayout, ArrayAndPatchPagesHaveNoControlOverAnother) {
    for (const char* type : {"Arvo", "MIXArvoBexa", "MIXIvorDoviElka", "Hoba"}) {
        for (int rigMode : {1, 2}) {
            SCOPED_TRACE(std::string(type) + (rigMode == 1 ? " flown" : " stacked"));
            ScratchDir user, program;
            ErrorRecorder rec;
            InitAllowedAngles();
            TForm1 w(TestEnv(user, program));
            w.show();
            w.resize(1366, 768);
            w.FArrayType = type;
            w.FNumBoxes1 = 4;
            w.FNumBoxes2 = std::string(type).starts_with("MIX") ? 2 : 0;
            w.FNumBoxes3 = std::string(type) == "MIXIvorDoviElka" ? 1 : 0;
            w.FRigMode = rigMode;
            w.FArrayHeight = rigMode == 2 ? 1.0 : 8.0;
            w.Recalculate();
            w.RefreshControls();
            for (QWidget* page : {w.ArrayTab, w.ProcessorTab}) {
                SCOPED_TRACE(Name(page));
                w.PageControl1->setCurrentWidget(page);
                w.FormPaint(&w);
                for (int i = 0; i < 5; ++i) QApplication::processEvents();
                std::vector<std::string> faults;
                ExpectLaidOut(page, page->rect(), faults, false);
                for (const std::string& f : faults) ADD_FAILURE() << f;
            }
            w.hide();
            EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
        }
    }
}
