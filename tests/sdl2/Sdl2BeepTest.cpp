#include <gtest/gtest.h>

#include "gadrix/platform/backends/sdl2/Sdl2Beep.h"

namespace gadrix::sdl2 {
namespace {

// The tone plays on SDL's dummy sound device: it opens for the tone and closes after it, so that
// an idle program keeps no sound thread running, and the event loop wakes up in time to close it.
TEST(Sdl2Beep, TheDeviceIsOpenOnlyWhileTheToneSounds) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  TSdl2Beeper beeper;
  EXPECT_EQ(beeper.LimitWait(-1, 1000), -1);
  beeper.Beep(1000);
  const int wait = beeper.LimitWait(-1, 1000);
  EXPECT_GT(wait, TSdl2Beeper::ToneMs);
  EXPECT_LT(wait, 10 * TSdl2Beeper::ToneMs);
  EXPECT_EQ(beeper.LimitWait(5, 1000), 5);
  EXPECT_EQ(beeper.LimitWait(-1, 1000 + wait + 1), 0);
  beeper.Tidy(1000 + TSdl2Beeper::ToneMs);  // still playing
  EXPECT_EQ(beeper.LimitWait(-1, 1000 + TSdl2Beeper::ToneMs), wait - TSdl2Beeper::ToneMs);
  beeper.Tidy(1000 + wait);
  EXPECT_EQ(beeper.LimitWait(-1, 1000 + wait), -1);
  EXPECT_EQ(beeper.LimitWait(7, 1000 + wait), 7);
}

}  // namespace
}  // namespace gadrix::sdl2
