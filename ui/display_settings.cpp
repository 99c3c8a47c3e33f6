#include "ui/display_settings.h"

#include <QtGui/private/qhighdpiscaling_p.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace pictorio {
namespace {

const char* const kDisplayKey = "display";
const char* const kWindowValue = "window";
const char* const kFullScreenValue = "fullscreen";

}  // namespace

DisplayChoice ReadDisplayChoice() {
  const QSettings settings;
  return settings.value(kDisplayKey).toString() == kWindowValue ? DisplayChoice::Window
                                                                : DisplayChoice::FullScreen;
}

void WriteDisplayChoice(DisplayChoice choice) {
  QSettings settings;
  settings.setValue(kDisplayKey,
                    choice == DisplayChoice::Window ? kWindowValue : kFullScreenValue);
}

double ApplySceneScale(DisplayChoice choice) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1.0;
  // Sizes in the system's own logical pixels: a system that already scales
  // (a device pixel ratio above 1) is not scaled twice.
  const double factor = SceneScale(choice, screen->size(), screen->availableSize());
  QHighDpiScaling::setGlobalFactor(factor);
  return factor;
}

QWidget* MakeBackdrop() {
  // Painted rather than dressed: the margins are not part of the game's look.
  class Backdrop : public QWidget {
   public:
    Backdrop()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
                               Qt::Tool) {
      setAttribute(Qt::WA_OpaquePaintEvent);
    }

   protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
  };
  auto* backdrop = new Backdrop;
  return backdrop;
}

}  // namespace pictorio
