#pragma once

#include <QCursor>
#include <map>
#include <memory>
#include <random>

#include "ui/platform.h"
#include "ui/sdl_audio.h"

namespace pictorio {

// The real world: Qt dialogs and nested loops, SDL2_mixer, FFmpeg, X11's display.
class QtPlatform : public Platform {
 public:
  // `seed` comes from the clock, once, in main.
  explicit QtPlatform(unsigned seed);

  ModalResult MessageDlg(const std::string& text, MsgType type, MsgButtons buttons) override;
  std::string ChooseFolder(const std::string& caption, const std::string& start) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& proposed) override;
  void ShowModal(QDialog& window) override;
  int Random(int n) override;
  double RandomReal() override;
  bool MediaOpen(MediaChannel channel, const std::string& nativePath, std::string* error) override;
  bool MediaPlay(MediaChannel channel, std::string* error) override;
  void MediaStop(MediaChannel channel) override;
  void SetMediaNotify(MediaChannel channel, std::function<void()> onEnd) override;
  std::vector<QImage> LoadAnimation(const std::string& nativePath, std::string* error) override;
  void RegisterCursor(int number, const std::string& resourceName) override;
  void SetScreenCursor(int number) override;
  DisplayMode CurrentDisplayMode() override;
  std::vector<DisplayMode> DisplayModes() override;
  void SetDisplayMode(const DisplayMode& mode) override;
  std::string CurrentDirectory() override;
  std::string ProgramDirectory() override;
  std::string PlayerDataHome() override;

 private:
  std::mt19937 random_;
  std::string designFolder_;
  std::unique_ptr<SdlAudio> audio_;
  std::map<int, QCursor> cursors_;
  bool overrideCursor_ = false;
};

// A message as a dialog shows it: the game separates lines with line feed then
// carriage return, which a message box would show as two breaks; each pair,
// and any lone carriage return, becomes one line feed.
std::string DialogText(const std::string& text);

// Builds a cursor from its picture: black and white pixels, the rest see-through.
QCursor MakeCursor(const QImage& picture, int hotX, int hotY);

}  // namespace pictorio
