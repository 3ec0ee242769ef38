#include "app/window_places.h"

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

void ShowCompanion(QWidget& companion) {
    // A minimised window that is shown again would stay minimised: the
    // user would never see it come up.
    companion.setWindowState(companion.windowState() & ~Qt::WindowMinimized);
    companion.show();
    companion.raise();
    companion.activateWindow();
}

}  // namespace windowplaces
