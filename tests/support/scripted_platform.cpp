#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <filesystem>

namespace pictorio {

ModalResult ScriptedPlatform::MessageDlg(const std::string& text, MsgType type,
                                         MsgButtons buttons) {
  messages.push_back({text, type, buttons});
  if (whileMessageOpen) whileMessageOpen(messages.back());
  if (!answers.empty()) {
    const ModalResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  if (buttons == MsgButtons::Ok) return ModalResult::Ok;
  ADD_FAILURE() << "No answer queued for the question: " << text;
  return buttons == MsgButtons::YesNo ? ModalResult::No : ModalResult::Cancel;
}

std::string ScriptedPlatform::ChooseFolder(const std::string& caption, const std::string&) {
  inputCaptions.push_back(caption);
  if (folders.empty()) {
    ADD_FAILURE() << "No folder queued for the dialog: " << caption;
    return "";
  }
  std::string folder = folders.front();
  folders.pop_front();
  return folder;
}

std::string ScriptedPlatform::InputBox(const std::string& caption, const std::string& /*prompt*/,
                                       const std::string& proposed) {
  inputCaptions.push_back(caption);
  if (inputs.empty()) {
    ADD_FAILURE() << "No input queued for the box: " << caption;
    return proposed;
  }
  std::optional<std::string> typed = inputs.front();
  inputs.pop_front();
  return typed ? *typed : proposed;
}

void ScriptedPlatform::ShowModal(QDialog& window) {
  modalsShown.push_back(window.windowTitle().toStdString());
  window.show();
  if (!modalScripts.empty()) {
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(window);
  }
  if (!window.isHidden()) window.reject();
}

int ScriptedPlatform::Random(int n) {
  randomCalls.push_back(n);
  int value = defaultRandom;
  if (!randoms.empty()) {
    value = randoms.front();
    randoms.pop_front();
  } else if (drawRandom) {
    value = n > 0 ? drawRandom(n) : 0;
  }
  EXPECT_TRUE(n <= 0 || (value >= 0 && value < n)) << "Random(" << n << ") scripted " << value;
  return value;
}

double ScriptedPlatform::RandomReal() {
  if (reals.empty()) return defaultReal;
  const double value = reals.front();
  reals.pop_front();
  return value;
}

bool ScriptedPlatform::MediaOpen(MediaChannel channel, const std::string& nativePath,
                                 std::string* error) {
  const int i = static_cast<int>(channel);
  if (!std::filesystem::is_regular_file(nativePath)) {
    opened_[i].clear();
    if (error) *error = "Cannot open file \"" + nativePath + "\".";
    return false;
  }
  opened_[i] = nativePath;
  return true;
}

bool ScriptedPlatform::MediaPlay(MediaChannel channel, std::string* error) {
  const int i = static_cast<int>(channel);
  if (opened_[i].empty()) {
    if (error) *error = "Nothing to play.";
    return false;
  }
  (channel == MediaChannel::Effects ? effects : tracks).push_back(opened_[i]);
  return true;
}

void ScriptedPlatform::MediaStop(MediaChannel channel) {
  if (channel == MediaChannel::Music) ++musicStops;
}

void ScriptedPlatform::SetMediaNotify(MediaChannel channel, std::function<void()> onEnd) {
  notify_[static_cast<int>(channel)] = std::move(onEnd);
}

void ScriptedPlatform::FinishPlayback(MediaChannel channel) {
  if (auto& notify = notify_[static_cast<int>(channel)]) notify();
}

std::vector<QImage> ScriptedPlatform::LoadAnimation(const std::string& nativePath,
                                                    std::string* error) {
  if (!std::filesystem::is_regular_file(nativePath)) {
    if (error) *error = "Cannot play animation \"" + nativePath + "\".";
    return {};
  }
  QImage frame(16, 16, QImage::Format_RGB32);
  frame.fill(Qt::white);
  return std::vector<QImage>(10, frame);
}

void ScriptedPlatform::RegisterCursor(int number, const std::string& resourceName) {
  cursors[number] = resourceName;
}

void ScriptedPlatform::SetScreenCursor(int number) {
  screenCursor = number;
}

void ScriptedPlatform::SetDisplayMode(const DisplayMode& mode) {
  if (refuseDisplayChange) throw DisplayModeError("refused");
  modesSet.push_back(mode);
  current = mode;
}

std::vector<std::string> ScriptedPlatform::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : messages) texts.push_back(m.text);
  return texts;
}

std::vector<std::string> ScriptedPlatform::EffectNames() const {
  std::vector<std::string> names;
  for (const std::string& path : effects)
    names.push_back(std::filesystem::path(path).filename().string());
  return names;
}

}  // namespace pictorio
