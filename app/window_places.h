#pragma once
// Where the program's windows go on the screen, and how a companion window
// (the warnings window, the polar tool) comes up.  Places are in screen
// pixels; a window's geometry is its client area, its frame lies around it.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace windowplaces {

// The room a window manager's frame takes around a window that has none
// yet: a title bar above, a thin border elsewhere.
inline constexpr QMargins kFrameAllowance{4, 30, 4, 4};

// The frame around `w`, or, while it has none, the room one will take.
QMargins FrameRoom(const QWidget& w);

// The client area of a window of its own size `own`, made no larger than
// the free area `available` less the frame `frame`, centred in it.
QRect CentredGeometry(const QRect& available, const QSize& own, const QMargins& frame);

// The client top-left nearest `at` that keeps a window of client size
// `size` with its frame inside `available`; where it cannot fit, its
// top-left corner (the title bar) stays inside.
QPoint KeptInside(const QPoint& at, const QSize& size, const QMargins& frame,
                  const QRect& available);

// Brings a companion window up: shown, not minimised, above its owner and
// active.  It stays where it is: where it was first placed or where the
// user last moved it.
void ShowCompanion(QWidget& companion);

}  // namespace windowplaces
