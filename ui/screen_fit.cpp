#include "ui/screen_fit.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace pictorio {

namespace {
// Room for a title bar and borders; generous, as their size is only known
// once the window is shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
double FloorToHundredths(double factor) {
  return std::floor(factor * 100.0 + 1e-9) / 100.0;
}

}  // namespace

double SceneScale(DisplayChoice choice, const QSize& screen, const QSize& available) {
  QSize room = choice == DisplayChoice::FullScreen ? screen : available;
  if (choice == DisplayChoice::Window) room -= QSize(kFrameWidth, kFrameHeight);
  const double factor = std::min(static_cast<double>(room.width()) / kSceneWidth,
                                 static_cast<double>(room.height()) / kSceneHeight);
  return std::max(1.0, FloorToHundredths(factor));
}

bool NeedsWholeScreen(const QSize& available, const QSize& window) {
  return available.width() < window.width() + kFrameWidth ||
         available.height() < window.height() + kFrameHeight;
}

void FloatAbove(QWidget& floating, QWidget& window) {
  // A bar lying inside another window as a strip floats with it already.
  if (!floating.isWindow()) return;
  QWindow* over = window.windowHandle();
  floating.winId();
  QWindow* own = floating.windowHandle();
  if (!over || !own || own->transientParent() == over) return;
  own->setTransientParent(over);
  // The window manager reads the tie when the window appears.
  if (floating.isVisible()) {
    const QPoint at = floating.pos();
    floating.hide();
    floating.move(at);
    floating.show();
  }
}

void ShowOverRoom(QWidget& window, const QWidget& room) {
  window.move(room.geometry().topLeft());
  if (room.isMaximized())
    window.showMaximized();
  else
    window.show();
}

}  // namespace pictorio
