#include "app/window_places.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace windowplaces {

QMargins FrameRoom(const QWidget& w) {
    const QRect client = w.geometry();
    const QRect frame = w.frameGeometry();
    const QMargins framed(client.left() - frame.left(), client.top() - frame.top(),
                          frame.right() - client.right(), frame.bottom() - client.bottom());
    return framed.isNull() ? kFrameAllowance : framed;
}

QRect CentredGeometry(const QRect& available, const QSize& own, const QMargins& frame) {
    const QRect room = available.marginsRemoved(frame);
    const QSize size = own.boundedTo(room.size()).expandedTo(QSize(1, 1));
    const QPoint centred(room.left() + (room.width() - size.width()) / 2,
                         room.top() + (room.height() - size.height()) / 2);
    return QRect(KeptInside(centred, size, frame, available), size);
}

QPoint KeptInside(const QPoint& at, const QSize& size, const QMargins& frame,
                  const QRect& available) {
    // The right and bottom bounds first, so that the left and top win
    // where the window is larger than the screen.
    const auto keep = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
    const int x = keep(at.x(), available.left() + frame.left(),
                       available.right() + 1 - frame.right() - size.width());
    const int y = keep(at.y(), available.top() + frame.top(),
                       available.bottom() + 1 - frame.bottom() - size.height());
    return {x, y};
}

void KeepWholeOnScreen(QWidget& w) {
    const QScreen* s = QGuiApplication::screenAt(w.frameGeometry().center());
    if (s == nullptr) s = w.screen();
    if (s == nullptr) return;
    const QPoint client = w.geometry().topLeft();
    const QPoint kept = KeptInside(client, w.size(), FrameRoom(w), s->availableGeometry());
    if (kept != client) w.move(w.pos() + (kept - client));
}

void ShowCompanion(QWidget& companion, CompanionKeys keys) {
    // A minimised window that is shown again would stay minimised: the
    // user would never see it come up.
    companion.setWindowState(companion.windowState() & ~Qt::WindowMinimized);
    KeepWholeOnScreen(companion);
    // Also the window manager gives a window that leaves the keys no focus
    // when it maps it.
    companion.setAttribute(Qt::WA_ShowWithoutActivating, keys == CompanionKeys::Leaves);
    companion.show();
    companion.raise();
    if (keys == CompanionKeys::Takes) companion.activateWindow();
}

}  // namespace windowplaces
