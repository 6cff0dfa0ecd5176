#include "gadrix/platform/backends/sdl2/Sdl2MouseMap.h"

namespace gadrix::sdl2 {

std::optional<TMouseButton> MouseButtonOf(Uint8 SdlButton) {
  switch (SdlButton) {
    case SDL_BUTTON_LEFT: return mbLeft;
    case SDL_BUTTON_RIGHT: return mbRight;
    case SDL_BUTTON_MIDDLE: return mbMiddle;
    default: return std::nullopt;
  }
}

Uint32 ButtonMaskOf(TMouseButton Button) {
  switch (Button) {
    case mbLeft: return SDL_BUTTON_LMASK;
    case mbRight: return SDL_BUTTON_RMASK;
    case mbMiddle: return SDL_BUTTON_MMASK;
  }
  return 0;
}

int WheelDeltaOf(Sint32 Notches, Uint32 Direction) {
  const int delta = Notches * WHEEL_DELTA;
  return Direction == SDL_MOUSEWHEEL_FLIPPED ? -delta : delta;
}

SDL_SystemCursor SystemCursorOf(TCursor Cursor) {
  switch (Cursor) {
    case crCross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crIBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case crSizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case crSizeNS: case crVSplit: return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case crSizeWE: case crHSplit: return SDL_SYSTEM_CURSOR_SIZEWE;
    case crSizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case crHourGlass: return SDL_SYSTEM_CURSOR_WAIT;
    case crSQLWait: case crAppStart: return SDL_SYSTEM_CURSOR_WAITARROW;
    case crNoDrop: case crNo: return SDL_SYSTEM_CURSOR_NO;
    case crHandPoint: return SDL_SYSTEM_CURSOR_HAND;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

}  // namespace gadrix::sdl2
