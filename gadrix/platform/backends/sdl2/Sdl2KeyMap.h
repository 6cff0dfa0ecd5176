#pragma once
// Keyboard input of SDL in the toolkit's terms: virtual key codes, shift states and the
// characters a key types. Pure functions of the event's fields, so that they can be checked
// without a display.
//
// Letters and digits take their code from the symbol the layout gives the key (an 'A' on an
// AZERTY keyboard is VK 'A' wherever it sits); keys whose symbol is no ASCII character (a 'ü',
// a Cyrillic letter) fall back to where the key sits on a US keyboard. The numeric keypad acts
// as the classic system has it: digits while Num Lock is on, else the navigation keys printed
// beside them (7 Home, 8 Up, 9 Page Up, 4 Left, 5 Clear, 6 Right, 1 End, 2 Down, 3 Page Down,
// 0 Insert, the point Delete).

#include <SDL.h>

#include <string_view>
#include <vector>

#include "gadrix/platform/controls/Input.h"

namespace gadrix::sdl2 {

// The virtual key of a key event; 0 for a key the classic codes do not name.
Word VirtualKeyOf(SDL_Keycode Symbol, SDL_Scancode Scancode, Uint16 Modifiers);

// ssShift, ssCtrl and ssAlt from SDL's modifier bits, ssLeft, ssRight and ssMiddle from its mouse
// button mask (SDL_BUTTON_LMASK, ...).
TShiftState ShiftStateOf(Uint16 Modifiers, Uint32 MouseButtons = 0);

// The character a key types that SDL does not deliver as text: Backspace 8, Tab 9, Enter 13,
// Escape 27, and Control with a letter 1 (A) to 26 (Z). 0 for every other key.
char32_t ControlCharOf(Word Key, TShiftState Shift);

// Whether text typed with these modifiers is text: not with the left Alt alone (a menu
// shortcut), nor with Control alone (Control+C is a command; its character comes from
// ControlCharOf). Control with Alt is the AltGr of some systems and does type.
bool TakesText(Uint16 Modifiers);

// The code points of a UTF-8 text as SDL delivers it; malformed bytes become U+FFFD.
std::vector<char32_t> CodePointsOf(std::string_view Utf8);

}  // namespace gadrix::sdl2
