#include "platform/qtapp/shown_tabs.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace qtapp {

namespace {

void Turn(QTabWidget& pages, int step, bool wrap) {
    const int to = NextShownTab(pages, pages.currentIndex(), step, wrap);
    if (to >= 0) pages.setCurrentIndex(to);
}

// Takes the page turns of the keys and the wheel from the page control and
// its tab bar.
class ShownTabKeys : public QObject {
public:
    explicit ShownTabKeys(QTabWidget& pages) : QObject(&pages), pages_(pages), bar_(pages.tabBar()) {}

    // Only keys and the wheel are looked at, and the tab bar is known by the
    // pointer kept at the start: the page control's own members are not
    // called for the events its tab bar sends while the two are taken down.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) return false;
        if (watched == &pages_ && event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
            if (!tab || !(k->modifiers() & Qt::ControlModifier)) return false;
            const bool back = k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier);
            Turn(pages_, back ? -1 : 1, true);
            return true;
        }
        if (watched != bar_) return false;
        if (event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->key() != Qt::Key_Left && k->key() != Qt::Key_Right) return false;
            const bool back = (k->key() == Qt::Key_Left) != bar_->isRightToLeft();
            Turn(pages_, back ? -1 : 1, false);
            return true;
        }
        if (event->type() == QEvent::Wheel) {
            const QPoint d = static_cast<QWheelEvent*>(event)->angleDelta();
            const int delta = d.y() != 0 ? d.y() : d.x();
            if (delta != 0) Turn(pages_, delta > 0 ? -1 : 1, false);
            return true;
        }
        return false;
    }

private:
    QTabWidget& pages_;
    const QTabBar* bar_;
};

}  // namespace

void KeepKeysOnShownTabs(QTabWidget& pages) {
    auto* keys = new ShownTabKeys(pages);
    pages.installEventFilter(keys);
    pages.tabBar()->installEventFilter(keys);
}

void SetTabShown(QTabWidget& pages, int index, bool shown) {
    pages.setTabVisible(index, shown);
    bool any = false;
    for (int i = 0; i < pages.count() && !any; ++i) any = pages.isTabVisible(i);
    pages.tabBar()->setFocusPolicy(any ? Qt::TabFocus : Qt::NoFocus);
}

int NextShownTab(const QTabWidget& pages, int from, int step, bool wrap) {
    const int n = pages.count();
    if (n == 0 || (step != 1 && step != -1)) return -1;
    int i = from;
    for (int k = 0; k < n; ++k) {
        i += step;
        if (i < 0 || i >= n) {
            if (!wrap) return -1;
            i = (i + n) % n;
        }
        if (i == from) return -1;
        if (pages.isTabVisible(i) && pages.isTabEnabled(i)) return i;
    }
    return -1;
}

}  // namespace qtapp
