#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

#include "app/tests/test_support.h"

static QRect Covered(const QWidget* c) {
    QRect r = c->geometry();
    if (const auto* l = qobject_cast<const QLabel*>(c); l != nullptr && l->pixmap().isNull())
        r.setWidth(std::min(r.width(), l->fontMetrics().horizontalAdvance(l->text())));
    return r;
}

static std::string Name(const QWidget* c) {
    const auto* l = qobject_cast<const QLabel*>(c);
    return (c->objectName().isEmpty() && l != nullptr ? l->text() : c->objectName()).toStdString();
}

// No shown control lies over a sibling, in `container` or any group, panel or
// current page inside it; each lies whole inside those (and, if `whole`, in
// `container`).  A label counts as wide as its text.
static void ExpectLaidOut(QWidget* container, bool whole) {
    std::vector<QWidget*> shown;
    for (QWidget* c : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden() && !Covered(c).isEmpty() && qobject_cast<QScrollBar*>(c) == nullptr)
            shown.push_back(c);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QRect r = Covered(shown[i]);
        if (whole && !container->rect().contains(r))
            ADD_FAILURE() << Name(shown[i]) << " lies outside " << Name(container);
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (r.intersects(Covered(shown[j])))
                ADD_FAILURE() << Name(shown[i]) << " lies over " << Name(shown[j]);
        if (auto* pages = qobject_cast<QTabWidget*>(shown[i]))
            ExpectLaidOut(pages->currentWidget(), true);
        else if (qobject_cast<QGroupBox*>(shown[i]) != nullptr ||
                 QByteArray(shown[i]->metaObject()->className()) == "QWidget")
            ExpectLaidOut(shown[i], true);
    }
}

TEST(PageLayout, VenuePageWholeInViewAndNoControlOverAnotherOnAnyPage) {
    const struct { int width, height; const char* type; int rigMode, grids; } cases[] = {
        {1280, 720, "Arvo", 1, 1},        {1280, 720, "Arvo", 2, 1},
        {1920, 1080, "Arvo", 1, 1},       {1920, 1080, "Bexa", 2, 1},
        {1280, 720, "MIXArvoBexa", 1, 2}, {1280, 720, "MIXIvorDoviElka", 1, 3},
        {1366, 768, "MIXDoviElka", 2, 2}, {1366, 768, "Hoba", 1, 1},
        {1366, 768, "Hoba", 2, 1},        {900, 600, "Arvo", 2, 1},  // scrolls
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.type << " " << c.rigMode);
        TestWindow win;
        TForm1& w = *win;  // shown, with a started design: every up/down and tool button shows
        w.show();
        w.resize(c.width, c.height);
        w.FArrayType = c.type;
        w.FMixedChoice = c.grids > 1 ? 1 : 0;
        w.FNumBoxes1 = c.grids == 3 ? 4 : 5;
        w.FNumBoxes2 = c.grids > 1 ? 2 : 0;
        w.FNumBoxes3 = c.grids == 3 ? 1 : 0;
        w.FRigMode = c.rigMode;
        w.FArrayHeight = c.rigMode == 2 ? 1.0 : 8.0;
        w.Recalculate();
        w.RefreshControls();
        const bool scrolls = c.width < 1280;
        for (QWidget* page : {w.VenueTab, w.ArrayTab, w.ProcessorTab}) {
            SCOPED_TRACE(Name(page));
            w.PageControl1->setCurrentWidget(page);
            w.FormPaint(&w);
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
            ExpectLaidOut(page, page == w.VenueTab && !scrolls);
        }
        EXPECT_EQ(w.ScrollBarsOf(w.VenueTab).H->isHidden(), !scrolls);
        EXPECT_TRUE(w.ScrollBarsOf(w.VenueTab).V->isHidden() || scrolls);
        EXPECT_EQ(w.AddsubsBut->isHidden(), c.rigMode == 1);
        int grids = 0;  // shown, wide and high enough for two columns
        for (QTableWidget* g : {w.ArvoStrGrid, w.BexaStrGrid, w.box3strgrid})
            grids += !g->isHidden() && g->width() >= 90 && g->height() >= 100 ? 1 : 0;
        EXPECT_EQ(grids, c.grids);
    }
}
