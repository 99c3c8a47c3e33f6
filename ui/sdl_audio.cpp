#include "ui/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdlib>
#include <filesystem>

#include "core/read_file.h"

namespace pictorio {
namespace {

SdlAudio* g_audio = nullptr;  // SDL's finish hooks carry no user pointer.

constexpr int kEffectChannel = 0;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

int Index(MediaChannel channel) {
  return static_cast<int>(channel);
}

}  // namespace

SdlAudio::SdlAudio() {
  if (!std::getenv("SDL_SOUNDFONTS") && std::filesystem::exists(kSoundFont))
    setenv("SDL_SOUNDFONTS", kSoundFont, 0);
  // SDL would otherwise swallow SIGTERM and SIGINT, and the game could not be ended.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  available_ = true;
  g_audio = this;
  Mix_HookMusicFinished(&SdlAudio::OnMusicFinished);
  Mix_ChannelFinished(&SdlAudio::OnChannelFinished);
}

SdlAudio::~SdlAudio() {
  if (!available_) return;
  Mix_HookMusicFinished(nullptr);
  Mix_ChannelFinished(nullptr);
  g_audio = nullptr;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (effect_) Mix_FreeChunk(effect_);
  if (music_) Mix_FreeMusic(music_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::Open(MediaChannel channel, const std::string& path, std::string* error) {
  if (!IsReadableRegularFile(path, error)) return false;
  if (!available_) return true;
  Stop(channel);
  if (channel == MediaChannel::Effects) {
    if (effect_) Mix_FreeChunk(effect_);
    effect_ = Mix_LoadWAV(path.c_str());
    if (!effect_ && error) *error = "Cannot play \"" + path + "\": " + Mix_GetError();
    return effect_ != nullptr;
  }
  if (music_) Mix_FreeMusic(music_);
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_ && error) *error = "Cannot play \"" + path + "\": " + Mix_GetError();
  return music_ != nullptr;
}

bool SdlAudio::Play(MediaChannel channel, std::string* error) {
  if (!available_) return true;
  const int i = Index(channel);
  Stop(channel);
  ++generation_[i];
  int rc = -1;
  if (channel == MediaChannel::Effects) {
    if (effect_) rc = Mix_PlayChannel(kEffectChannel, effect_, 0);
  } else if (music_) {
    rc = Mix_PlayMusic(music_, 0);
  }
  if (rc < 0) {
    cancelled_[i] = generation_[i];
    if (error) *error = std::string("Cannot play: ") + Mix_GetError();
    return false;
  }
  return true;
}

void SdlAudio::Stop(MediaChannel channel) {
  if (!available_) return;
  const int i = Index(channel);
  cancelled_[i] = generation_[i];
  if (channel == MediaChannel::Effects)
    Mix_HaltChannel(kEffectChannel);
  else
    Mix_HaltMusic();
}

void SdlAudio::SetNotify(MediaChannel channel, std::function<void()> onEnd) {
  notify_[Index(channel)] = std::move(onEnd);
}

// Runs on SDL's audio thread: only hand the news to the UI thread.
void SdlAudio::OnMusicFinished() {
  SdlAudio* audio = g_audio;
  if (!audio || !QCoreApplication::instance()) return;
  const int generation = audio->generation_[1].load();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [audio, generation] {
        if (g_audio == audio) audio->Deliver(MediaChannel::Music, generation);
      },
      Qt::QueuedConnection);
}

void SdlAudio::OnChannelFinished(int channel) {
  SdlAudio* audio = g_audio;
  if (channel != kEffectChannel || !audio || !QCoreApplication::instance()) return;
  const int generation = audio->generation_[0].load();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [audio, generation] {
        if (g_audio == audio) audio->Deliver(MediaChannel::Effects, generation);
      },
      Qt::QueuedConnection);
}

void SdlAudio::Deliver(MediaChannel channel, int generation) {
  const int i = Index(channel);
  if (generation != generation_[i].load() || generation == cancelled_[i]) return;
  cancelled_[i] = generation;
  if (notify_[i]) notify_[i]();
}

}  // namespace pictorio
