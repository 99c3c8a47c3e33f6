#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace pictorio {

// Never blocks and answers no to every yes-or-no question: the benchmarks play no part
// in the game. A modal window is shown to `whileModal`, if set, and is then closed.
class QuietPlatform : public Platform {
 public:
  std::string folder = PICTORIO_GAME_DIR;
  std::function<void(QDialog&)> whileModal;
  std::string lastMessage;

  ModalResult MessageDlg(const std::string& text, MsgType, MsgButtons buttons) override {
    lastMessage = text;
    return buttons == MsgButtons::YesNo ? ModalResult::No : ModalResult::Ok;
  }
  std::string ChooseFolder(const std::string&, const std::string&) override { return ""; }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return "Bench";
  }
  void ShowModal(QDialog& window) override {
    if (whileModal) {
      window.show();
      whileModal(window);
    }
    if (!window.isHidden()) window.reject();
  }
  int Random(int) override { return 0; }
  double RandomReal() override { return 0.5; }
  bool MediaOpen(MediaChannel, const std::string&, std::string*) override { return true; }
  bool MediaPlay(MediaChannel, std::string*) override { return true; }
  void MediaStop(MediaChannel) override {}
  void SetMediaNotify(MediaChannel, std::function<void()>) override {}
  std::vector<QImage> LoadAnimation(const std::string&, std::string*) override { return {}; }
  void RegisterCursor(int, const std::string&) override {}
  void SetScreenCursor(int) override {}
  DisplayMode CurrentDisplayMode() override { return {800, 600, 16}; }
  std::vector<DisplayMode> DisplayModes() override { return {{800, 600, 16}}; }
  void SetDisplayMode(const DisplayMode&) override {}
  std::string CurrentDirectory() override { return folder; }
};

}  // namespace pictorio
