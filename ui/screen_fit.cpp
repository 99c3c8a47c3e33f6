#include "ui/screen_fit.h"

#include <QWidget>
#include <QWindow>

namespace pictorio {

namespace {
// Room for a title bar and borders; generous, as their size is only known
// once the window is shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
}  // namespace

bool NeedsWholeScreen(const QSize& available, const QSize& window) {
  return available.width() < window.width() + kFrameWidth ||
         available.height() < window.height() + kFrameHeight;
}

void FloatAbove(QWidget& floating, QWidget& window) {
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
