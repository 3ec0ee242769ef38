#include "platform/qtapp/dialog_owner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace qtapp {
namespace {

QPointer<QWidget>& MainWindowSlot() {
    static QPointer<QWidget> window;
    return window;
}

// The window `w` belongs to at the end of its chain of owners.
QWidget* Outermost(QWidget* w) {
    QWidget* top = w->window();
    while (QWidget* owner = top->parentWidget()) top = owner->window();
    return top;
}

}  // namespace

void SetMainWindow(QWidget* window) { MainWindowSlot() = window; }

QWidget* MainWindow() { return MainWindowSlot().data(); }

QWidget* DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* main = MainWindow(); main && main->isVisible()) return main;
    if (QWidget* active = QApplication::activeWindow()) return Outermost(active);
    return nullptr;
}

}  // namespace qtapp
