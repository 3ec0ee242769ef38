#pragma once
// The window a dialog or message box belongs to.  A dialog that belongs to
// a window is transient for it: the window manager keeps it above that
// window and minimises and restores it with that window.  A dialog that
// belongs to no window is left to float on its own, above nothing.

class QWidget;

namespace qtapp {

// The program's main window, the owner of last resort; nullptr forgets it.
// The program names it once it is made.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The owner of a dialog about to open: the modal dialog running now, so
// that a box it opens stays above it; else the main window while it is
// shown; else the outermost window of the active one (a companion's
// owner, not the companion); nullptr when no window of the program is up.
QWidget* DialogOwner();

}  // namespace qtapp
