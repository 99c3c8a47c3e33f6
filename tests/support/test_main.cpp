#include <gtest/gtest.h>

#include <QApplication>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/theme.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // The player's own settings stay untouched: the tests keep theirs in a folder of their own.
  const std::string settings = std::filesystem::temp_directory_path() /
                               ("pictorio-test-settings-" + std::to_string(getpid()));
  setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Pictorio");
  QApplication::setApplicationName("Pictorio");
  // The windows under test wear the look the game gives them.
  pictorio::ApplyGameTheme(app);
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(settings, ignored);
  return failed;
}
