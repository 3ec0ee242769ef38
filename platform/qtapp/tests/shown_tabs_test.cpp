// A page control with hidden tabs: the keys and the wheel turn only to
// shown tabs, and the tab bar takes the focus only while it shows one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

#include "platform/qtapp/shown_tabs.h"

namespace {

enum How { CtrlTab, CtrlBacktab, Right, Left, WheelDown, WheelUp };

struct Pages {
    QTabWidget tabs;
    // Five pages, those not in `shown` with their tab hidden.
    explicit Pages(const std::vector<int>& shown) {
        for (int i = 0; i < 5; ++i) tabs.addTab(new QWidget, QString::number(i));
        qtapp::KeepKeysOnShownTabs(tabs);
        for (int i = 0; i < 5; ++i)
            qtapp::SetTabShown(tabs, i, std::find(shown.begin(), shown.end(), i) != shown.end());
    }
    void Key(QObject* to, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to, &press);
    }
    void Wheel(int delta) {
        QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs.tabBar(), &wheel);
    }
};

}  // namespace

TEST(ShownTabs, KeysAndTheWheelTurnOnlyToShownTabs) {
    const struct {
        std::vector<int> shown;
        int from;
        How how;
        int to;
    } rows[] = {
        {{1, 3}, 0, CtrlTab, 1},
        {{1, 3}, 1, CtrlTab, 3},
        {{1, 3}, 3, CtrlTab, 1},       // round the end
        {{1, 3}, 1, CtrlBacktab, 3},   // round the start
        {{1, 3}, 1, Right, 3},
        {{1, 3}, 3, Right, 3},         // no shown tab after it
        {{1, 3}, 1, Left, 1},
        {{1, 3}, 1, WheelDown, 3},
        {{1, 3}, 3, WheelUp, 1},
        {{}, 2, CtrlTab, 2},           // none shown: no turn
        {{}, 2, Right, 2},
        {{0, 1, 2, 3, 4}, 4, CtrlTab, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.from << " " << static_cast<int>(r.how));
        Pages p(r.shown);
        p.tabs.setCurrentIndex(r.from);
        switch (r.how) {
        case CtrlTab: p.Key(&p.tabs, Qt::Key_Tab, Qt::ControlModifier); break;
        case CtrlBacktab: p.Key(&p.tabs, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); break;
        case Right: p.Key(p.tabs.tabBar(), Qt::Key_Right, Qt::NoModifier); break;
        case Left: p.Key(p.tabs.tabBar(), Qt::Key_Left, Qt::NoModifier); break;
        case WheelDown: p.Wheel(-120); break;
        case WheelUp: p.Wheel(120); break;
        }
        EXPECT_EQ(p.tabs.currentIndex(), r.to);
        EXPECT_EQ(p.tabs.tabBar()->focusPolicy() == Qt::NoFocus, r.shown.empty());
    }
}
