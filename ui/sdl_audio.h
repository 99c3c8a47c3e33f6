#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "ui/platform.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace pictorio {

// Effects and music on SDL2_mixer. Without an audio device the game runs
// silently: files are still checked so a missing one is reported.
class SdlAudio {
 public:
  SdlAudio();
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool Available() const { return available_; }
  bool Open(MediaChannel channel, const std::string& path, std::string* error);
  bool Play(MediaChannel channel, std::string* error);
  void Stop(MediaChannel channel);
  void SetNotify(MediaChannel channel, std::function<void()> onEnd);

 private:
  static void OnMusicFinished();
  static void OnChannelFinished(int channel);
  void Deliver(MediaChannel channel, int generation);

  bool available_ = false;
  Mix_Chunk* effect_ = nullptr;
  Mix_Music* music_ = nullptr;
  std::function<void()> notify_[2];
  // Each play gets a number; a stop or a newer play cancels the end report of an older one.
  std::atomic<int> generation_[2] = {0, 0};
  int cancelled_[2] = {0, 0};
};

}  // namespace pictorio
