// pictorio_assets <game-folder>: writes every picture, sound, tune, animation
// and the help text of the game into the folder. Deterministic: fixed seeds,
// no clock, so a rebuild gives the same files.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "generators.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <game-folder>\n", argv[0]);
    return 2;
  }
  // Text is drawn into pictures, which needs a GUI application but no screen.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's start-up chatter (no runtime dir and the like) is not ours to fix.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  try {
    const std::filesystem::path root = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(root);
    assets::Output out(root);
    assets::MakeRoom(out);
    assets::MakeTrophies(out);
    assets::MakeCursors(out);
    assets::MakePanels(out);
    assets::MakeItems(out);
    assets::MakeIcons(out);
    assets::MakeBrushes(out);
    assets::MakeScreens(out);
    assets::MakePeople(out);
    assets::MakeChallenges(out);
    assets::MakeSounds(out);
    assets::MakeMusic(out);
    assets::MakeAnimations(out);
    assets::MakeHelpText(out);
    // The review sheet goes beside the game folder, not into it.
    assets::MakeContactSheet(out, root.parent_path() / "contact-sheet.png");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pictorio_assets: %s\n", e.what());
    return 1;
  }
  return 0;
}
