#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/theme.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  // The windows under test wear the look the game gives them.
  pictorio::ApplyGameTheme(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
