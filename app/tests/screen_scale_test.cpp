// The window on screens of any scale and size: its pictures hold the
// screen's device pixels, the pointer hits what it points at, the tool bar
// and the safety lamp stay in sight in the smallest window, a first layout is
// the one a resize would give, and a control that takes no input looks it.
// These tests run with every window test (scale 1) and again in the ctest
// entry app_tests_scale_2 (QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <vector>

#include "app/spashform.h"
#include "app/tests/test_support.h"
#include "model/hardware/splay.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"

namespace {

double Ratio() { return qApp->devicePixelRatio(); }

// Device pixels that cover `logical` units at the screen's ratio.
int Covering(int logical) { return static_cast<int>(std::ceil(logical * Ratio() - 1e-6)); }

// A shown window of `size` with a design.
struct Shown : TestWindow {
    explicit Shown(QSize size) {
        w->resize(size);
        w->show();
        w->DesignTBut->click();
    }
};

void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent e(type, QPointF(at), to->mapToGlobal(QPointF(at)), button,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

}  // namespace

TEST(ScreenScale, PicturesHoldTheScreensDevicePixels) {
    Shown t(QSize(1280, 720));
    using Box = qtapp::PictureBox* TForm1::*;
    const struct {
        QToolButton* TForm1::*page;
        std::vector<Box> pictures;
    } pages[] = {
        {&TForm1::VenTBut, {&TForm1::image1}},
        {&TForm1::ArrayTBut, {&TForm1::image1, &TForm1::gridimg, &TForm1::gridposimg}},
        {&TForm1::RigTBut, {&TForm1::image1, &TForm1::Image3, &TForm1::PaintBox2}},
    };
    for (const auto& p : pages) {
        (t.w.get()->*p.page)->click();
        for (Box m : p.pictures) {
            const qtapp::PictureBox* box = t.w.get()->*m;
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(box->Picture().devicePixelRatio(), Ratio());
            EXPECT_EQ(box->Picture().size(), QSize(Covering(box->PictureSize().width()),
                                                   Covering(box->PictureSize().height())));
            if (m != &TForm1::gridposimg) {
                EXPECT_EQ(box->PictureSize(), box->size());
            }
        }
    }
    TForm2 splash;
    EXPECT_EQ(splash.spalsh->pixmap().devicePixelRatio(), Ratio());
}

TEST(ScreenScale, ThePointerOnACabinetSelectsItAndAClickStepsItsAngle) {
    Shown t(QSize(1280, 720));
    t->tbman->click();
    t->VenTBut->click();
    Send(t->image1, QEvent::MouseMove, QPoint(0, 0), Qt::NoButton);  // the marks of this picture
    const int cabinet = 3;
    const QPoint at(t->FHotPoints[cabinet].x, t->FHotPoints[cabinet].y);
    ASSERT_TRUE(t->image1->rect().contains(at));
    Send(t->image1, QEvent::MouseMove, at, Qt::NoButton);
    EXPECT_EQ(t->FSelElement, cabinet);
    // The picture shows the array where the pointer is: something drawn
    // within two pixels of the mark.
    bool drawn = false;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) drawn = drawn || t->image1->PixelColor(at.x() + dx, at.y() + dy) != Qt::white;
    EXPECT_TRUE(drawn);
    const int index = t->FSplay->ChoiceIndex[cabinet];
    Send(t->image1, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_EQ(t->FSplay->ChoiceIndex[cabinet], index + 1);
}

TEST(ScreenScale, EveryToolButtonAndTheLampStayInTheSmallestWindows) {
    for (const QSize size : {QSize(640, 480), QSize(800, 600)}) {
        for (QToolButton* TForm1::*page : {&TForm1::VenTBut, &TForm1::ArrayTBut, &TForm1::RigTBut}) {
            Shown t(size);
            t->mailtbut->show();  // the widest bar: as a right click on "Venue planes" does
            (t.w.get()->*page)->click();
            SCOPED_TRACE((t.w.get()->*page)->text().toStdString() + " " + std::to_string(size.width()));
            ASSERT_EQ(t->size(), size);
            std::vector<QWidget*> shown{t->Image8};
            for (QToolButton* b : t->PagesToolBar->findChildren<QToolButton*>())
                if (b->isVisible()) shown.push_back(b);
            for (QWidget* c : shown) {
                SCOPED_TRACE(c->objectName().toStdString());
                const QRect r(c->mapTo(t.w.get(), QPoint(0, 0)), c->size());
                EXPECT_TRUE(c->isVisible());
                EXPECT_TRUE(t->rect().contains(r));
                // Nothing lies over it.
                EXPECT_EQ(t->childAt(r.center()), c);
            }
        }
    }
}

// The patch page's angle table is whole in the restored window and the
// smallest ones, or the page scrolls so that it can be read whole, never
// behind a scroll bar; the tool bar keeps no row without a button or the
// lamp.
TEST(ScreenScale, ThePatchPagesTableIsWholeAndTheToolBarHasNoEmptyRow) {
    const struct { QSize size; int cabinets; bool scrolls; } cases[] = {
        {{824, 734}, 10, false}, {{800, 600}, 10, false}, {{1366, 768}, 10, false},
        {{640, 480}, 16, true},  // 18 rows of 15 pixels do not fit under the settings
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " " << c.cabinets);
        TestWindow t;
        t->resize(1366, 768);
        t->show();
        for (int n = 10; n < c.cabinets; ++n) t->numbox1updn->Press(qtapp::UDBtnType::Next);
        t->DesignTBut->click();
        t->RigTBut->click();
        // Restored, and made smaller, on the patch page.
        for (const QSize step : {QSize(824, 734), c.size}) {
            t->resize(step);
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
        }
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        ASSERT_EQ(t->size(), c.size);
        ASSERT_EQ(t->FNumBoxes1, c.cabinets);
        QWidget* page = t->ProcessorTab;
        QScrollBar* h = t->ScrollBarsOf(page).H;
        QScrollBar* v = t->ScrollBarsOf(page).V;
        EXPECT_FALSE(h->isVisible());
        EXPECT_EQ(v->isVisible(), c.scrolls);
        const QRect shown(0, 0, page->width() - (v->isVisible() ? v->width() : 0), page->height());
        // The table: the title and heading rows and one per cabinet, 15
        // pixels each, then the footnote.
        const int rows = c.cabinets + 2;
        EXPECT_GE(t->Image3->height(), rows * 15);
        EXPECT_LE(t->Image3->geometry().right(), shown.right());
        if (c.scrolls) v->setValue(v->maximum());
        EXPECT_LE(t->Image3->geometry().bottom(), shown.bottom());
        EXPECT_GE(t->Image3->geometry().bottom(), shown.bottom() - 1);
        if (!c.scrolls) {
            EXPECT_GE(t->Image3->y(), 0);
        }
        // Every row of the tool bar holds something shown.
        const int rowsOfBar = t->PagesToolBar->height() / 40;
        ASSERT_GE(rowsOfBar, 1);
        for (int r = 0; r < rowsOfBar; ++r) {
            bool held = false;
            for (QWidget* b : t->PagesToolBar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                held = held || (b->isVisible() && b->y() >= r * 40 && b->y() < (r + 1) * 40);
            EXPECT_TRUE(held) << "row " << r;
        }
    }
}

TEST(ScreenScale, TheFirstLayoutIsTheOneAResizeGives) {
    // The design hides the page tabs: the pages grow after the window's
    // layout, and their scroll bars must follow.
    for (const bool design : {false, true}) {
        SCOPED_TRACE(design);
        TestWindow t;
        t->resize(1024, 768);
        t->show();
        if (design) t->DesignTBut->click();
        QApplication::processEvents();
        const auto bars = [&] {
            std::vector<QRect> shown;
            for (QWidget* page : {t->VenueTab, t->ArrayTab})
                for (QScrollBar* b : page->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
                    shown.push_back(b->isVisible() ? b->geometry() : QRect());
            shown.push_back(t->VenueTab->geometry());
            return shown;
        };
        const std::vector<QRect> first = bars();
        t->resize(1025, 769);
        t->resize(1024, 768);
        QApplication::processEvents();
        EXPECT_EQ(bars(), first);
    }
}

TEST(ScreenScale, TheTopAngleBoxLooksItTakesNoInputInAutoMode) {
    Shown t(QSize(1280, 720));
    t->ArrayTBut->click();
    const QColor black(Qt::black);
    for (QToolButton* mode : {t->tbauto, t->tbman}) {
        mode->click();
        const bool manual = mode == t->tbman;
        SCOPED_TRACE(manual ? "manual" : "auto");
        QLineEdit* top = t->A0ed;
        EXPECT_EQ(top->isEnabled(), manual);
        const QPalette::ColorGroup g = top->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor shown = top->palette().color(g, QPalette::Text);
        // The text as the list beside it shows its own.
        const QComboBox* list = t->ArvoLists[1];
        EXPECT_EQ(list->isEnabled(), manual);
        EXPECT_EQ(shown, list->palette().color(g, QPalette::Text));
        EXPECT_EQ(shown == black, manual);
    }
}

TEST(ScreenScale, TheVenueGridsLabelsShowWhole) {
    for (const char* type : {"Hoba", "Arvo", "MIXHobaBexa"}) {
        SCOPED_TRACE(type);
        Shown t(QSize(1280, 720));
        t->FArrayType = type;
        t->FMixedChoice = std::string(type).starts_with("MIX");
        t->FNumBoxes1 = 12, t->FNumBoxes2 = t->FMixedChoice ? 4 : 0;
        t->Recalculate();
        t->SetupArrayControls();
        for (QTableWidget* g : {t->ArvoStrGrid, t->BexaStrGrid}) {
            if (g->isHidden()) continue;
            // A cell's text has the focus frame's margin and a pixel on each side.
            const int margin = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
            for (int r = 0; r < g->rowCount(); ++r)
                if (const QTableWidgetItem* item = g->item(r, 0)) {
                    EXPECT_GE(g->columnWidth(0), g->fontMetrics().horizontalAdvance(item->text()) + margin)
                        << item->text().toStdString();
                }
        }
    }
}
