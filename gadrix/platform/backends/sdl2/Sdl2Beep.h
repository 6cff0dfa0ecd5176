#pragma once
// The beep: a short tone on the default sound device, or the terminal's bell where there is none.
// It never blocks: the tone is queued and plays while the program goes on; the device is opened
// for the tone and closed once it has played, so that an idle program keeps no sound thread busy.

#include <SDL.h>

#include <cstdint>

namespace gadrix::sdl2 {

class TSdl2Beeper {
public:
  TSdl2Beeper() = default;
  ~TSdl2Beeper();
  TSdl2Beeper(const TSdl2Beeper&) = delete;
  TSdl2Beeper& operator=(const TSdl2Beeper&) = delete;

  // Starts the tone at Now (milliseconds); a tone still playing starts again.
  void Beep(std::uint64_t Now);
  // The longest the event loop may sleep (TimeoutMs as ProcessEvents takes it) so that the
  // device is closed soon after the tone ends.
  int LimitWait(int TimeoutMs, std::uint64_t Now) const;
  // Closes the device once the tone has played.
  void Tidy(std::uint64_t Now);

  static constexpr int ToneHz = 880;
  static constexpr int ToneMs = 120;

private:
  bool OpenDevice();
  void CloseDevice();

  SDL_AudioDeviceID device_ = 0;
  bool audioStarted_ = false;
  bool noAudio_ = false;  // no sound device: the terminal's bell rings instead
  std::uint64_t closeAt_ = 0;
};

}  // namespace gadrix::sdl2
