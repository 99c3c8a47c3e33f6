#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace pictorio {

// Answers every question from queues and remembers what the game showed and played.
class ScriptedPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    MsgType type;
    MsgButtons buttons;
  };

  // Answers to questions (OK/Cancel, Yes/No) in order. A question with no answer
  // queued fails the test; a plain OK message needs no answer.
  std::deque<ModalResult> answers;
  // Text typed into input boxes; nullopt is the player pressing Cancel.
  std::deque<std::optional<std::string>> inputs;
  // Folders chosen in folder dialogs; an empty one is the player cancelling.
  std::deque<std::string> folders;
  // What the player does while a modal window is open; it is closed afterwards
  // if the script left it open.
  std::deque<std::function<void(QDialog&)>> modalScripts;
  std::deque<int> randoms;
  // Draws Random(n) when no value is queued (a seeded generator for long runs);
  // unset, every unqueued draw is defaultRandom.
  std::function<int(int n)> drawRandom;
  std::deque<double> reals;
  // Runs while each message box is open, for what goes on beneath it (timers).
  std::function<void(const Message&)> whileMessageOpen;
  int defaultRandom = 0;
  double defaultReal = 0.5;  // no fire, no burglary

  std::vector<Message> messages;
  std::vector<std::string> inputCaptions;
  std::vector<std::string> modalsShown;  // window captions
  std::vector<std::string> effects;      // paths opened on the effects player and played
  std::vector<std::string> tracks;       // paths played on the music player
  std::vector<int> randomCalls;          // the n of every Random(n)
  int musicStops = 0;

  DisplayMode current{800, 600, 16};
  std::vector<DisplayMode> modes{{800, 600, 16}};
  bool refuseDisplayChange = false;
  std::vector<DisplayMode> modesSet;
  std::string currentDirectory;
  std::string programDirectory;  // empty: the same as the current one
  std::string dataHome;
  std::map<int, std::string> cursors;
  int screenCursor = 0;

  // Ends the playback of a channel as if the file had played to its end.
  void FinishPlayback(MediaChannel channel);
  // Texts of the messages shown, in order.
  std::vector<std::string> MessageTexts() const;
  // Base names ("s17.wav") of the effects played, in order.
  std::vector<std::string> EffectNames() const;

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
  DisplayMode CurrentDisplayMode() override { return current; }
  std::vector<DisplayMode> DisplayModes() override { return modes; }
  void SetDisplayMode(const DisplayMode& mode) override;
  std::string CurrentDirectory() override { return currentDirectory; }
  std::string ProgramDirectory() override {
    return programDirectory.empty() ? currentDirectory : programDirectory;
  }
  std::string PlayerDataHome() override { return dataHome; }

 private:
  std::string opened_[2];
  std::function<void()> notify_[2];
};

}  // namespace pictorio
