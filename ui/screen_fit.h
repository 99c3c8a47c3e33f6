#pragma once

#include <QSize>

namespace pictorio {

// True when a window of `window` size plus a window manager's frame does not
// fit on a screen offering `available`: then the window must cover the
// screen undecorated, or its bottom would be pushed off screen.
bool NeedsWholeScreen(const QSize& available, const QSize& window);

}  // namespace pictorio
