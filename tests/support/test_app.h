#pragma once

#include <sys/resource.h>

#include <QSize>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/form_set.h"
#include "core/game.h"
#include "support/scripted_platform.h"

class QComboBox;

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

using Lines = std::vector<std::string>;

// Scripts the next modal window: choose `name` in the Load Game dialog and press Ok.
void ChooseInLoadDialog(TestApp& app, const std::string& name);
// Scripts the next modal window, the entry window: enter `titles`, then accept.
void EnterAndAccept(TestApp& app, const Lines& titles);
// The clock's next tick brings game hour `hour` (Tuesday of week 1 starts at 24).
void TickTo(TestApp& app, int hour);

// What a modal window showed while it was open: a notice's lines and picture,
// and whether the game clock went on meanwhile.
struct SeenWindow {
  std::string caption;
  Lines lines;
  bool imageVisible = false;
  QSize imageSize;
  bool clockRan = false;
  bool operator==(const SeenWindow&) const = default;
};
void PrintTo(const SeenWindow& seen, std::ostream* out);
// The next `count` modal windows are noted in `seen`.
void Watch(TestApp& app, std::vector<SeenWindow>& seen, int count = 1);
Lines Captions(const std::vector<SeenWindow>& seen);

std::string Bytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string BaseName(const std::string& path);
// The titles a list box of the game offers, in order.
Lines Offered(const QComboBox& list);

// Files may not grow beyond `bytes` while alive: a real write failure, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace pictorio
