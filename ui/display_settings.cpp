#include "ui/display_settings.h"

#include <QtGui/private/qhighdpiscaling_p.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace pictorio {
namespace {

// The game writes a few short lines; anything much bigger is not its file.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

}  // namespace

PlayerSettings LoadSettings() {
  // A folder or a pipe in the file's place would make the reader hang or fail.
  const QFileInfo file(QSettings().fileName());
  if (file.exists() && (!file.isFile() || file.size() > kLargestSettingsFile)) return {};
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return {};
  SettingValues values;
  for (const QString& key : settings.childKeys())
    values[key.toStdString()] = settings.value(key).toString().toStdString();
  return SettingsFromValues(values);
}

void StoreSettings(const PlayerSettings& chosen) {
  QSettings settings;
  for (const auto& [key, value] : SettingsToValues(chosen))
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

DisplayChoice ReadDisplayChoice() {
  return LoadSettings().Windowed ? DisplayChoice::Window : DisplayChoice::FullScreen;
}

void WriteDisplayChoice(DisplayChoice choice) {
  PlayerSettings settings = LoadSettings();
  settings.Windowed = choice == DisplayChoice::Window;
  StoreSettings(settings);
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
