// What the user sees can be used: every shown button is what a click at its
// centre reaches, and every shown caption is large enough for its text, on
// each page of the main window and in each dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <string>

#include "app/mechwarnform.h"
#include "app/rthetaxytool.h"
#include "app/spashform.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/tests/test_support.h"

namespace {

std::string NameOf(const QWidget* w) {
    if (w == nullptr) return "nothing";
    if (const auto* l = qobject_cast<const QLabel*>(w); l && w->objectName().isEmpty())
        return "label \"" + l->text().toStdString() + "\"";
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && w->objectName().isEmpty())
        return "button \"" + b->text().toStdString() + "\"";
    return w->objectName().toStdString();
}

void ExpectUsable(QWidget* top) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(top)) continue;
        QWidget* at = top->childAt(b->mapTo(top, b->rect().center()));
        EXPECT_TRUE(at == b || b->isAncestorOf(at)) << NameOf(b) << " lies under " << NameOf(at);
        // A radio's or a check box's caption with its mark; a push button's
        // with the style's margins, but not its least button width.
        int need = b->sizeHint().width();
        if (qobject_cast<QPushButton*>(b) != nullptr)
            need = std::min(need, b->fontMetrics().horizontalAdvance(b->text()) +
                                      2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin));
        if (qobject_cast<QToolButton*>(b) == nullptr) {
            EXPECT_LE(need, b->width()) << NameOf(b);
        }
    }
    for (QLabel* l : top->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(top) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
        const QSize need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width()))
                                         : l->sizeHint();
        EXPECT_TRUE(need.width() <= l->width() && need.height() <= l->height())
            << NameOf(l) << " is " << l->width() << " x " << l->height() << ", its text needs "
            << need.width() << " x " << need.height();
    }
}

TEST(UsableWindow, EveryButtonCanBeClickedAndEveryCaptionShowsWhole) {
    // Every page for a few types, the patch page for every other type.
    const struct {
        int width, height;
        const char* type;
        int n1, n2, n3;
        bool allPages, stackedInFeet = false;
    } cases[] = {
        {1366, 768, "Arvo", 10, 0, 0, true},           {1366, 768, "Arvo", 4, 0, 0, true, true},
                 {1280, 960, "Ivor", 8, 0, 0, true},
        {1366, 768, "MIXArvoBexa", 6, 3, 0, true},     {1366, 768, "MIXBexaDovi", 6, 4, 0, true},
        {1280, 960, "MIXIvorDoviElka", 4, 8, 2, true}, {1366, 768, "MIXDoviElka", 10, 2, 0, false},
        {1366, 768, "Bexa", 12, 0, 0, false},          {1366, 768, "Hoba", 6, 0, 0, false},
        {1366, 768, "Dovi", 4, 0, 0, false},           {1366, 768, "Elka", 4, 0, 0, false},
        {1366, 768, "Rudd", 4, 0, 0, false},           {1366, 768, "MIXRuddBexa", 4, 6, 0, false},
        {1366, 768, "MIXHobaBexa", 4, 6, 0, false},    {1366, 768, "MIXRuddArvo", 4, 6, 0, false},
        {1366, 768, "MIXHobaDovi", 4, 6, 0, false},    {1366, 768, "MIXArvoGiraF", 8, 2, 0, false},
        {1366, 768, "MIXBexaCadri", 8, 2, 0, false},   {1366, 768, "MIXIvorDovi", 4, 6, 0, false},
        {1366, 768, "MIXIvorElka", 6, 2, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.type);
        TestWindow t;
        TForm1& w = *t;
        w.show();
        w.resize(c.width, c.height);
        w.DesignTBut->click();
        if (c.stackedInFeet) {
            w.ImperialRad->click();
            w.stackrad->click();
        }
        w.FArrayType = c.type;
        w.FMixedChoice = c.n2 > 0 ? 1 : 0;
        w.FNumBoxes1 = c.n1, w.FNumBoxes2 = c.n2, w.FNumBoxes3 = c.n3;
        w.Recalculate();
        w.RefreshControls();
        // The Support button, as a right click on "Venue planes" shows it.
        w.FNumBoxes1 = TForm1::kSupportButtonCount;
        QMouseEvent right(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(w.Label30, &right);
        w.FNumBoxes1 = c.n1;
        ASSERT_FALSE(w.mailtbut->isHidden());
        if (!c.allPages) w.RigTBut->click();
        for (QToolButton* page : {w.VenTBut, w.ArrayTBut, w.RigTBut, w.VenTBut}) {
            SCOPED_TRACE(w.PageControl1->currentWidget()->objectName().toStdString());
            ExpectUsable(&w);
            if (!c.allPages) break;
            page->click();
        }
    }
}

TEST(UsableWindow, EveryDialogShowsItsCaptionsWhole) {
    TForm3 calc;
    TSurveyForm survey;
    Tssform subs;
    TForm2 splash;
    Tmechwarn warnings;  // an unsafe rig: every caption and tip shows
    warnings.ShowWarnings(0, 4, 5000, -400, 3000, 200, 1, 2, 1, 11, -1, 1);
    subs.Setup(false, true);
    for (QWidget* d : std::initializer_list<QWidget*>{&calc, &survey, &subs, &warnings, &splash}) {
        SCOPED_TRACE(d->objectName().toStdString());
        d->show();
        ExpectUsable(d);
        d->hide();
    }
}

}  // namespace
