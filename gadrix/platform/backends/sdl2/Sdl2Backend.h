#pragma once
// The SDL2 backend: real windows for forms, with mouse, wheel, keyboard and text input, the
// system clipboard, cursors and the beep. It lives in the separate library gadrix_sdl2; a program
// links it and selects it once, before it creates its forms:
//
//   if (!gadrix::sdl2::UseSdl2Backend()) { /* no display: stay headless */ }
//
// This header does not include SDL's own headers.

#include <memory>

#include "gadrix/platform/backends/Backend.h"

namespace gadrix::sdl2 {

// Starts SDL's video and makes the SDL2 backend the one in use. False when no display can be
// reached (nor when SDL finds only its dummy or offscreen driver): the backend in use stays.
bool UseSdl2Backend();

// A new SDL2 backend on whatever video driver SDL picks, the dummy one included (tests use it
// with SDL_VIDEODRIVER=dummy); null when SDL's video cannot start. It is not made the backend in use.
std::unique_ptr<TBackend> CreateSdl2Backend();

}  // namespace gadrix::sdl2
