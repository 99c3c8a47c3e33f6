#pragma once

#include <QDialog>

#include "ui/platform.h"

namespace pictorio {

// Answers every question at once and never blocks: the benchmarks play no part
// in the game. Yes/No questions get No, so nothing is overwritten or left.
class QuietPlatform : public Platform {
 public:
  ModalResult MessageDlg(const std::string&, MsgType, MsgButtons buttons) override {
    return buttons == MsgButtons::YesNo ? ModalResult::No : ModalResult::Ok;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return "Bench";
  }
  void ShowModal(QDialog& window) override { window.reject(); }
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
  std::string CurrentDirectory() override { return PICTORIO_GAME_DIR; }
};

}  // namespace pictorio
