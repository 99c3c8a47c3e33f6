// The real game with one extra key: F9 does what the calendar's "Go To Event"
// does on a challenge day, opening the challenge window modally. For trying
// the challenge window under a real display before the calendar leads there.
#include <QApplication>
#include <QDir>
#include <QShortcut>
#include <chrono>

#include "app/form_set.h"
#include "app/main_window.h"
#include "challenges/challenge_window.h"
#include "core/game.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pictorio");
  const auto seed =
      static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
  pictorio::QtPlatform platform(seed, QDir::currentPath().toStdString() + "/design");
  pictorio::Game game(platform);
  pictorio::FormSet windows(game);
  pictorio::TForm1& main = *windows.forms().Form1;
  if (main.CloseRequested()) return 1;
  QApplication::setQuitOnLastWindowClosed(false);
  auto* goToEvent = new QShortcut(QKeySequence(Qt::Key_F9), &main);
  goToEvent->setContext(Qt::ApplicationShortcut);
  QObject::connect(goToEvent, &QShortcut::activated, [&] {
    if (game.ChallengeOpen) platform.ShowModal(*windows.forms().Form13);
  });
  main.show();
  return app.exec();
}
