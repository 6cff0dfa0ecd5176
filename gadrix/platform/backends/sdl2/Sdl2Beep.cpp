#include "gadrix/platform/backends/sdl2/Sdl2Beep.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace gadrix::sdl2 {
namespace {

constexpr int kSampleRate = 44100;
constexpr double kVolume = 0.25;  // of full scale: a beep, not an alarm
constexpr int kFadeMs = 5;        // a soft start and end, so the tone does not click
// How long after the tone's end the device is closed: the device's own buffer still plays.
constexpr int kCloseDelayMs = 100;

std::vector<Sint16> Tone() {
  const int samples = kSampleRate * TSdl2Beeper::ToneMs / 1000;
  const int fade = kSampleRate * kFadeMs / 1000;
  std::vector<Sint16> wave(samples);
  for (int i = 0; i < samples; ++i) {
    const double envelope = std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(samples - i) / fade});
    const double phase = 2 * std::numbers::pi * TSdl2Beeper::ToneHz * i / kSampleRate;
    wave[i] = static_cast<Sint16>(32767 * kVolume * envelope * std::sin(phase));
  }
  return wave;
}

void RingTerminalBell() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

}  // namespace

TSdl2Beeper::~TSdl2Beeper() {
  CloseDevice();
  if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdl2Beeper::OpenDevice() {
  if (device_ != 0) return true;
  if (noAudio_) return false;
  if (!audioStarted_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      noAudio_ = true;
      return false;
    }
    audioStarted_ = true;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device_ == 0) noAudio_ = true;
  return device_ != 0;
}

void TSdl2Beeper::CloseDevice() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

void TSdl2Beeper::Beep(std::uint64_t Now) {
  if (!OpenDevice()) {
    RingTerminalBell();
    return;
  }
  static const std::vector<Sint16> tone = Tone();
  SDL_ClearQueuedAudio(device_);
  SDL_QueueAudio(device_, tone.data(), static_cast<Uint32>(tone.size() * sizeof(Sint16)));
  SDL_PauseAudioDevice(device_, 0);
  closeAt_ = Now + ToneMs + kCloseDelayMs;
}

int TSdl2Beeper::LimitWait(int TimeoutMs, std::uint64_t Now) const {
  if (device_ == 0) return TimeoutMs;
  const int untilClose = closeAt_ > Now ? static_cast<int>(closeAt_ - Now) : 0;
  return TimeoutMs < 0 ? untilClose : std::min(TimeoutMs, untilClose);
}

void TSdl2Beeper::Tidy(std::uint64_t Now) {
  if (device_ != 0 && Now >= closeAt_) CloseDevice();
}

}  // namespace gadrix::sdl2
