#include "ui/screen_fit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
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

namespace {
class RoomCentring : public QObject {
 public:
  RoomCentring(QWidget& window, std::function<const QWidget*()> room)
      : QObject(&window), window_(window), room_(std::move(room)) {}

  // Before the window reaches the screen, so it appears where it belongs; and
  // again while its size settles (a message box sizes itself for its text, a
  // window manager adds its frame), but never once the player could move it.
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show && !e->spontaneous()) {
      shownAt_.start();
      Centre();
    } else if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) &&
               window_.isVisible() && shownAt_.isValid() && shownAt_.elapsed() < kSettleMs &&
               window_.frameGeometry().size() != centredFrame_) {
      Centre();
    }
    return false;
  }

 private:
  void Centre() {
    const QWidget* room = room_();
    if (!room) return;
    centredFrame_ = window_.frameGeometry().size();
    window_.move(room->geometry().center() - QRect(QPoint(), centredFrame_).center());
  }

  QWidget& window_;
  std::function<const QWidget*()> room_;
  QSize centredFrame_;
  QElapsedTimer shownAt_;
  static constexpr qint64 kSettleMs = 1000;
};
}  // namespace

void KeepCentredOnRoom(QWidget& window, std::function<const QWidget*()> room) {
  window.installEventFilter(new RoomCentring(window, std::move(room)));
}

const QWidget* MainRoom() {
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<const QMainWindow*>(window)) return window;
  return nullptr;
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
