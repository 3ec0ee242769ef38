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

// Moves `w` just far enough to lie whole, frame and all, inside the free
// area of the screen it is on (or, off every screen, its own screen).
void KeepWholeOnScreen(QWidget& w);

// Whether a companion that comes up takes the keyboard: a tool the user
// opened does; a window that comes up by itself (the warnings) leaves the
// keys with the control the user is working, until it is clicked.
enum class CompanionKeys { Takes, Leaves };

// Brings a companion window up: shown, not minimised, above its owner, and
// active when it takes the keys.  It stays where it is, where it was first
// placed or where the user last moved it, moved just far enough to lie
// whole inside the screen's free area.
void ShowCompanion(QWidget& companion, CompanionKeys keys = CompanionKeys::Takes);

}  // namespace windowplaces
