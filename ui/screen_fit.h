#pragma once

#include <QSize>

class QWidget;

namespace pictorio {

// True when a window of `window` size plus a window manager's frame does not
// fit on a screen offering `available`: then the window must cover the
// screen undecorated, or its bottom would be pushed off screen.
bool NeedsWholeScreen(const QSize& available, const QSize& window);

// Shows a game window that covers the room (the shop, the studio, a
// challenge) over it, maximised like the room when the room fills the screen.
void ShowOverRoom(QWidget& window, const QWidget& room);

// Keeps a small floating window (the info bar) above `window`. A window
// manager lifts a focused window that covers the whole screen even over
// "stay on top" windows, but never over the windows that belong to it; so
// the floating window is tied to the one that covers the screen now.
void FloatAbove(QWidget& floating, QWidget& window);
}  // namespace pictorio
