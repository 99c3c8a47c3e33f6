#include <QApplication>
#include <QTimer>
#include <chrono>

#include "app/form_set.h"
#include "app/main_window.h"
#include "core/game.h"
#include "ui/display_settings.h"
#include "ui/qt_platform.h"
#include "ui/theme.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pictorio");
  QApplication::setOrganizationName("Pictorio");
  // Before any window exists, so every one of them is born in the game's look
  // and at the game's scale.
  pictorio::ApplyGameTheme(app);
  pictorio::ApplySceneScale(pictorio::ReadDisplayChoice());
  // The one generator of chance, seeded from the clock once.
  const auto seed =
      static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
  pictorio::QtPlatform platform(seed);
  pictorio::Game game(platform);
  pictorio::FormSet windows(game);
  pictorio::TForm1& main = *windows.forms().Form1;
  if (main.CloseRequested()) return 1;
  // Closing the room ends the program, even with the info bar still open.
  QApplication::setQuitOnLastWindowClosed(false);
  main.ShowRoom();
  // The room and its splash reach the screen first; the hidden windows, their
  // pictures and the synthesiser follow as soon as the event loop runs.
  QTimer::singleShot(0, &main, [&windows] { windows.FinishStartUp(); });
  return app.exec();
}
