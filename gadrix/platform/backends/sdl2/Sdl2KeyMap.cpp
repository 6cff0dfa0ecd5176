#include "gadrix/platform/backends/sdl2/Sdl2KeyMap.h"

#include "gadrix/platform/backends/headless/Simulation.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix::sdl2 {
namespace {

// The key between the left Shift and Z of European keyboards ("<>" or "\|").
constexpr Word kVkOem102 = 226;

Word KeypadKeyOf(SDL_Scancode Scancode, bool NumLock) {
  switch (Scancode) {
    case SDL_SCANCODE_KP_DIVIDE: return VK_DIVIDE;
    case SDL_SCANCODE_KP_MULTIPLY: return VK_MULTIPLY;
    case SDL_SCANCODE_KP_MINUS: return VK_SUBTRACT;
    case SDL_SCANCODE_KP_PLUS: return VK_ADD;
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_KP_PERIOD: return NumLock ? VK_DECIMAL : VK_DELETE;
    default: break;
  }
  // SDL numbers the keypad 1 to 9, then 0.
  int digit = Scancode == SDL_SCANCODE_KP_0 ? 0 : Scancode - SDL_SCANCODE_KP_1 + 1;
  if (digit < 0 || digit > 9) return 0;
  if (NumLock) return static_cast<Word>(VK_NUMPAD0 + digit);
  static constexpr Word navigation[10] = {VK_INSERT, VK_END,  VK_DOWN, VK_NEXT, VK_LEFT,
                                          VK_CLEAR,  VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR};
  return navigation[digit];
}

bool IsKeypad(SDL_Scancode Scancode) {
  return Scancode >= SDL_SCANCODE_KP_DIVIDE && Scancode <= SDL_SCANCODE_KP_PERIOD;
}

Word PunctuationKeyOf(SDL_Keycode Symbol) {
  switch (Symbol) {
    case ';': return VK_OEM_1;
    case '=': return VK_OEM_PLUS;
    case ',': return VK_OEM_COMMA;
    case '-': return VK_OEM_MINUS;
    case '.': return VK_OEM_PERIOD;
    case '/': return VK_OEM_2;
    case '`': return VK_OEM_3;
    case '[': return VK_OEM_4;
    case '\\': return VK_OEM_5;
    case ']': return VK_OEM_6;
    case '\'': return VK_OEM_7;
    default: return 0;
  }
}

Word NamedKeyOf(SDL_Keycode Symbol) {
  switch (Symbol) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT: case SDLK_RALT: return VK_MENU;
    case SDLK_LGUI: return VK_LWIN;
    case SDLK_RGUI: return VK_RWIN;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDLK_SCROLLLOCK: return VK_SCROLL;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    case SDLK_CLEAR: return VK_CLEAR;
    case SDLK_HELP: return VK_HELP;
    case SDLK_SELECT: return VK_SELECT;
    default: break;
  }
  if (Symbol >= SDLK_F1 && Symbol <= SDLK_F12) return static_cast<Word>(VK_F1 + (Symbol - SDLK_F1));
  // F13 to F24 follow F12 in the classic numbering (F24 is 135).
  if (Symbol >= SDLK_F13 && Symbol <= SDLK_F24) return static_cast<Word>(VK_F12 + 1 + (Symbol - SDLK_F13));
  return PunctuationKeyOf(Symbol);
}

// Where the key sits on a US keyboard.
Word PositionalKeyOf(SDL_Scancode Scancode) {
  if (Scancode >= SDL_SCANCODE_A && Scancode <= SDL_SCANCODE_Z)
    return static_cast<Word>('A' + (Scancode - SDL_SCANCODE_A));
  if (Scancode >= SDL_SCANCODE_1 && Scancode <= SDL_SCANCODE_9)
    return static_cast<Word>('1' + (Scancode - SDL_SCANCODE_1));
  switch (Scancode) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_SEMICOLON: return VK_OEM_1;
    case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
    case SDL_SCANCODE_COMMA: return VK_OEM_COMMA;
    case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
    case SDL_SCANCODE_PERIOD: return VK_OEM_PERIOD;
    case SDL_SCANCODE_SLASH: return VK_OEM_2;
    case SDL_SCANCODE_GRAVE: return VK_OEM_3;
    case SDL_SCANCODE_LEFTBRACKET: return VK_OEM_4;
    case SDL_SCANCODE_BACKSLASH: return VK_OEM_5;
    case SDL_SCANCODE_RIGHTBRACKET: return VK_OEM_6;
    case SDL_SCANCODE_APOSTROPHE: return VK_OEM_7;
    case SDL_SCANCODE_NONUSBACKSLASH: return kVkOem102;
    default: return 0;
  }
}

}  // namespace

Word VirtualKeyOf(SDL_Keycode Symbol, SDL_Scancode Scancode, Uint16 Modifiers) {
  if (IsKeypad(Scancode)) return KeypadKeyOf(Scancode, (Modifiers & KMOD_NUM) != 0);
  if (Symbol >= 'a' && Symbol <= 'z') return static_cast<Word>(Symbol - 'a' + 'A');
  if (Symbol >= '0' && Symbol <= '9') return static_cast<Word>(Symbol);
  if (const Word named = NamedKeyOf(Symbol)) return named;
  return PositionalKeyOf(Scancode);
}

TShiftState ShiftStateOf(Uint16 Modifiers, Uint32 MouseButtons) {
  TShiftState shift = 0;
  if (Modifiers & KMOD_SHIFT) shift |= ssShift;
  if (Modifiers & KMOD_CTRL) shift |= ssCtrl;
  if (Modifiers & KMOD_ALT) shift |= ssAlt;
  if (MouseButtons & SDL_BUTTON_LMASK) shift |= ssLeft;
  if (MouseButtons & SDL_BUTTON_RMASK) shift |= ssRight;
  if (MouseButtons & SDL_BUTTON_MMASK) shift |= ssMiddle;
  return shift;
}

char32_t ControlCharOf(Word Key, TShiftState Shift) {
  const char32_t ch = sim::CharOfKey(Key, Shift);
  return ch < U' ' ? ch : 0;
}

bool TakesText(Uint16 Modifiers) {
  const bool control = Modifiers & KMOD_CTRL;
  const bool anyAlt = Modifiers & KMOD_ALT;
  if (control) return anyAlt;
  return !(Modifiers & KMOD_LALT);
}

std::vector<char32_t> CodePointsOf(std::string_view Utf8) {
  std::vector<char32_t> points;
  for (std::size_t pos = 0; pos < Utf8.size();) points.push_back(detail::DecodeUtf8(Utf8, pos));
  return points;
}

}  // namespace gadrix::sdl2
