#pragma once

#include <QSize>
#include <functional>

class QWidget;

namespace pictorio {

// The room is an 800 x 600 scene; every window of the game is laid out on it.
inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;

// How the player wants the game shown: the whole screen (black around the
// scene) or a window on the desktop.
enum class DisplayChoice { FullScreen, Window };

// The factor the whole game is drawn at: for the whole screen the largest
// that fits `screen`; for a window the largest whose framed window fits the
// desktop's free area. Rounded down to hundredths, never below 1: on a
// screen too small for the scene the room covers it as it always did.
double SceneScale(DisplayChoice choice, const QSize& screen, const QSize& available);

// True when a window of `window` size plus a window manager's frame does not
// fit on a screen offering `available`: then the window must cover the
// screen undecorated, or its bottom would be pushed off screen.
bool NeedsWholeScreen(const QSize& available, const QSize& window);

// Shows a game window that covers the room (the shop, the studio, a
// challenge) over it, maximised like the room when the room fills the screen.
void ShowOverRoom(QWidget& window, const QWidget& room);

// Centres `window` on the room each time it is shown, its frame and title bar
// included; a window manager adds the frame only after showing, so the window
// is centred again once its frame is known. `room` is asked at every showing
// and may give none (nothing is moved then).
void KeepCentredOnRoom(QWidget& window, std::function<const QWidget*()> room);

// The room of the running game: its main window, or none.
const QWidget* MainRoom();

// Keeps a small floating window (the info bar) above `window`. A window
// manager lifts a focused window that covers the whole screen even over
// "stay on top" windows, but never over the windows that belong to it; so
// the floating window is tied to the one that covers the screen now.
void FloatAbove(QWidget& floating, QWidget& window);
}  // namespace pictorio
