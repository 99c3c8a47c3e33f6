#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/form_set.h"
#include "core/game.h"
#include "support/scripted_platform.h"

namespace pictorio {

class TForm1;

// A whole game as the program builds it, over a scripted platform and a
// temporary game folder that links to the generated assets.
class TestApp {
 public:
  TestApp();
  ~TestApp();

  // Builds the thirteen windows; the main window's start-up runs here.
  void Start();
  // Builds only the room, as the program does before its first frame; the
  // rest follows with windows().FinishStartUp().
  void StartRoomOnly();
  // Closes every window and starts again, as the next run of the program.
  void Restart();
  FormSet& windows() { return *windows_; }
  // Start() and a New game for `name`, answering the questions it asks.
  void StartNewGame(const std::string& name = "Tester");

  // Makes one asset file missing in this test's folder only.
  void RemoveAsset(const std::string& relative);

  Forms& forms() { return windows_->forms(); }
  TForm1& main() { return *windows_->forms().Form1; }

  std::filesystem::path dir;
  ScriptedPlatform platform;
  Game game{platform};

 private:
  std::unique_ptr<FormSet> windows_;
};

// Scripts the next modal window: choose `name` in the Load Game dialog and press Ok.
void ChooseInLoadDialog(TestApp& app, const std::string& name);

}  // namespace pictorio
