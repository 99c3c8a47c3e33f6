#include "support/test_app.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QComboBox>
#include <QSettings>
#include <atomic>
#include <fstream>
#include <sstream>

#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "simulation/notice_window.h"
#include "ui/display_settings.h"
#include "venues/entry_window.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

fs::path MakeTempFolder() {
  static std::atomic<int> counter{0};
  fs::path dir = fs::temp_directory_path() /
                 ("pictorio-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace

TestApp::TestApp() : dir(MakeTempFolder()) {
  const fs::path assets = PICTORIO_GAME_DIR;
  for (const auto& entry : fs::directory_iterator(assets)) {
    const std::string name = entry.path().filename().string();
    if (name == "savegames" || name == "pictures" || name == "pictorio" || name[0] == '.') continue;
    fs::create_symlink(entry.path(), dir / name);
  }
  fs::create_directories(dir / "savegames");
  fs::create_directories(dir / "pictures");
  platform.currentDirectory = dir.string();
  // Every game starts with the player's settings as a new player has them,
  // but for the summaries and tips, which only their own tests want to answer.
  QSettings().clear();
  PlayerSettings quiet;
  quiet.News = quiet.Tips = false;
  StoreSettings(quiet);
}

TestApp::~TestApp() {
  windows_.reset();
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

void TestApp::StartRoomOnly() {
  windows_ = std::make_unique<FormSet>(game);
}

void TestApp::Start() {
  windows_ = std::make_unique<FormSet>(game);
  // The program runs this right after the room's first frame.
  windows_->FinishStartUp();
}

void TestApp::Restart() {
  windows_.reset();
  Start();
}

void TestApp::StartNewGame(const std::string& name) {
  if (!windows_) Start();
  platform.answers.push_back(ModalResult::Ok);  // "Start new game?"
  platform.inputs.push_back(name);
  main().New1Click();
}

void TestApp::RemoveAsset(const std::string& relative) {
  // The asset's linked top folder becomes a tree of links of this test's own,
  // so the removal touches only this test's copy.
  const fs::path top = dir / *fs::path(relative).begin();
  if (top != dir / relative && fs::is_symlink(top)) {
    const fs::path source = fs::read_symlink(top);
    fs::remove(top);
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
      if (entry.is_directory()) continue;
      const fs::path at = top / fs::relative(entry.path(), source);
      fs::create_directories(at.parent_path());
      fs::create_symlink(entry.path(), at);
    }
  }
  ASSERT_TRUE(fs::exists(fs::symlink_status(dir / relative))) << relative;
  fs::remove(dir / relative);
}

void ChooseInLoadDialog(TestApp& app, const std::string& name) {
  app.platform.modalScripts.push_back([name](QDialog& window) {
    auto& dialog = dynamic_cast<TForm5&>(window);
    const int item = dialog.ComboBox1->findText(QString::fromStdString(name));
    ASSERT_GE(item, 0) << name << " is not offered";
    dialog.ComboBox1->setCurrentIndex(item);
    dialog.Button1Click();
  });
}

void EnterAndAccept(TestApp& app, const Lines& titles) {
  app.platform.modalScripts.push_back([titles](QDialog& window) {
    auto& entry = dynamic_cast<TForm8&>(window);
    for (const std::string& title : titles) {
      const int item = entry.ComboBox1->findText(QString::fromStdString(title));
      ASSERT_GE(item, 0) << title << " is not offered";
      entry.ComboBox1->setCurrentIndex(item);
      entry.Button1Click();
    }
    entry.Button2Click();
  });
}

void TickTo(TestApp& app, int hour) {
  app.game.ElapsedHours = hour - 1;
  app.main().Timer1Timer();
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

Lines Offered(const QComboBox& list) {
  Lines titles;
  for (int i = 0; i < list.count(); ++i) titles.push_back(list.itemText(i).toStdString());
  return titles;
}

std::string BaseName(const std::string& path) {
  return fs::path(path).filename().string();
}

void PrintTo(const SeenWindow& seen, std::ostream* out) {
  *out << seen.caption << " " << ::testing::PrintToString(seen.lines) << " picture "
       << seen.imageVisible << " " << seen.imageSize.width() << "x" << seen.imageSize.height()
       << " clock ran " << seen.clockRan;
}

void Watch(TestApp& app, std::vector<SeenWindow>& seen, int count) {
  for (int i = 0; i < count; ++i)
    app.platform.modalScripts.push_back([&app, &seen](QDialog& window) {
      TForm12& notice = *app.forms().Form12;
      seen.push_back(
          {window.windowTitle().toStdString(), {}, false, {}, app.main().Timer1.Enabled()});
      if (&window == &notice)
        std::tie(seen.back().lines, seen.back().imageVisible, seen.back().imageSize) =
            std::tuple(notice.Lines(), notice.Image1->Visible(), notice.Image1->size());
    });
}

Lines Captions(const std::vector<SeenWindow>& seen) {
  Lines captions;
  for (const SeenWindow& s : seen) captions.push_back(s.caption);
  return captions;
}

}  // namespace pictorio
