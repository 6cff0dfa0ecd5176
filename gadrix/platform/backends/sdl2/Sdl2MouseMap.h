#pragma once
// Mouse input and cursors of SDL in the toolkit's terms. Pure functions, checked without a
// display.

#include <SDL.h>

#include <optional>

#include "gadrix/platform/controls/Input.h"

namespace gadrix::sdl2 {

// The toolkit's button for SDL's button index; none for the side buttons.
std::optional<TMouseButton> MouseButtonOf(Uint8 SdlButton);

// The mask bit (SDL_BUTTON_LMASK, ...) of a button, for tracking which buttons are down.
Uint32 ButtonMaskOf(TMouseButton Button);

// The wheel's turn as the toolkit counts it: WHEEL_DELTA per notch, positive away from the user.
// SDL reports a "natural scrolling" device as flipped; the toolkit sees the finger's direction.
int WheelDeltaOf(Sint32 Notches, Uint32 Direction);

// The system cursor that shows a toolkit cursor (crDefault and shapes SDL lacks show the arrow).
// crNone has no shape: the backend hides the pointer instead.
SDL_SystemCursor SystemCursorOf(TCursor Cursor);

}  // namespace gadrix::sdl2
