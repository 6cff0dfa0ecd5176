#include <gtest/gtest.h>

#include "gadrix/platform/backends/sdl2/Sdl2KeyMap.h"
#include "gadrix/platform/backends/sdl2/Sdl2MouseMap.h"

namespace gadrix::sdl2 {
namespace {

Word Key(SDL_Keycode Symbol, SDL_Scancode Scancode, Uint16 Modifiers = KMOD_NONE) {
  return VirtualKeyOf(Symbol, Scancode, Modifiers);
}

TEST(Sdl2KeyMap, LettersAndDigitsFollowTheLayoutsSymbol) {
  EXPECT_EQ(Key(SDLK_a, SDL_SCANCODE_A), 'A');
  EXPECT_EQ(Key(SDLK_z, SDL_SCANCODE_Z), 'Z');
  EXPECT_EQ(Key(SDLK_a, SDL_SCANCODE_A, KMOD_SHIFT), 'A');
  // An AZERTY keyboard has its A where the US keyboard has Q.
  EXPECT_EQ(Key(SDLK_a, SDL_SCANCODE_Q), 'A');
  EXPECT_EQ(Key(SDLK_0, SDL_SCANCODE_0), '0');
  EXPECT_EQ(Key(SDLK_7, SDL_SCANCODE_7), '7');
}

TEST(Sdl2KeyMap, SymbolsOutsideAsciiFallBackToTheUsPosition) {
  EXPECT_EQ(Key(0xFC /* ü */, SDL_SCANCODE_LEFTBRACKET), VK_OEM_4);
  EXPECT_EQ(Key(0x444 /* Cyrillic ef */, SDL_SCANCODE_A), 'A');
  EXPECT_EQ(Key(0xE0 /* à */, SDL_SCANCODE_0), '0');
  EXPECT_EQ(Key(0xF9 /* ù */, SDL_SCANCODE_APOSTROPHE), VK_OEM_7);
  EXPECT_EQ(Key(0xA7 /* § */, SDL_SCANCODE_GRAVE), VK_OEM_3);
  EXPECT_EQ(Key(SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH), 226);
}

TEST(Sdl2KeyMap, PunctuationTakesTheOemCodes) {
  struct TCase {
    SDL_Keycode Symbol;
    SDL_Scancode Scancode;
    Word Key;
  };
  const TCase cases[] = {{SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, VK_OEM_1},
                         {SDLK_EQUALS, SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
                         {SDLK_COMMA, SDL_SCANCODE_COMMA, VK_OEM_COMMA},
                         {SDLK_MINUS, SDL_SCANCODE_MINUS, VK_OEM_MINUS},
                         {SDLK_PERIOD, SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
                         {SDLK_SLASH, SDL_SCANCODE_SLASH, VK_OEM_2},
                         {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, VK_OEM_3},
                         {SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
                         {SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, VK_OEM_5},
                         {SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
                         {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, VK_OEM_7}};
  for (const TCase& c : cases) {
    EXPECT_EQ(Key(c.Symbol, c.Scancode), c.Key) << c.Symbol;
    // The symbol decides, wherever the key sits.
    EXPECT_EQ(Key(c.Symbol, SDL_SCANCODE_UNKNOWN), c.Key) << c.Symbol;
  }
}

TEST(Sdl2KeyMap, NamedKeys) {
  const std::pair<SDL_Keycode, Word> cases[] = {
      {SDLK_BACKSPACE, VK_BACK},  {SDLK_TAB, VK_TAB},         {SDLK_RETURN, VK_RETURN},
      {SDLK_ESCAPE, VK_ESCAPE},   {SDLK_SPACE, VK_SPACE},     {SDLK_INSERT, VK_INSERT},
      {SDLK_DELETE, VK_DELETE},   {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},
      {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_LEFT, VK_LEFT},
      {SDLK_UP, VK_UP},           {SDLK_RIGHT, VK_RIGHT},     {SDLK_DOWN, VK_DOWN},
      {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},    {SDLK_LCTRL, VK_CONTROL},
      {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},
      {SDLK_LGUI, VK_LWIN},       {SDLK_RGUI, VK_RWIN},       {SDLK_APPLICATION, VK_APPS},
      {SDLK_CAPSLOCK, VK_CAPITAL}, {SDLK_NUMLOCKCLEAR, VK_NUMLOCK}, {SDLK_SCROLLLOCK, VK_SCROLL},
      {SDLK_PAUSE, VK_PAUSE},     {SDLK_PRINTSCREEN, VK_SNAPSHOT}, {SDLK_F1, VK_F1},
      {SDLK_F5, VK_F5},           {SDLK_F12, VK_F12},         {SDLK_F13, 124},
      {SDLK_F24, 135}};
  for (const auto& [symbol, key] : cases) EXPECT_EQ(Key(symbol, SDL_SCANCODE_UNKNOWN), key) << symbol;
  EXPECT_EQ(Key(SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP), 0);
}

TEST(Sdl2KeyMap, KeypadGivesDigitsWithNumLockAndNavigationWithout) {
  const SDL_Scancode digits[] = {SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3,
                                 SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7,
                                 SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
  const SDL_Keycode symbols[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                 SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Key(symbols[i], digits[i], KMOD_NUM), VK_NUMPAD0 + i);
  const Word navigation[] = {VK_INSERT, VK_END, VK_DOWN, VK_NEXT, VK_LEFT, VK_CLEAR, VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Key(symbols[i], digits[i]), navigation[i]) << i;
  EXPECT_EQ(Key(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM), VK_DECIMAL);
  EXPECT_EQ(Key(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD), VK_DELETE);
  // The operators and Enter do not depend on Num Lock.
  for (const Uint16 mod : {Uint16{KMOD_NONE}, Uint16{KMOD_NUM}}) {
    EXPECT_EQ(Key(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, mod), VK_RETURN);
    EXPECT_EQ(Key(SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, mod), VK_ADD);
    EXPECT_EQ(Key(SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, mod), VK_SUBTRACT);
    EXPECT_EQ(Key(SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, mod), VK_MULTIPLY);
    EXPECT_EQ(Key(SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, mod), VK_DIVIDE);
  }
}

TEST(Sdl2KeyMap, ShiftStateFromModifiersAndButtons) {
  EXPECT_EQ(ShiftStateOf(KMOD_NONE), 0);
  EXPECT_EQ(ShiftStateOf(KMOD_LSHIFT), ssShift);
  EXPECT_EQ(ShiftStateOf(KMOD_RSHIFT), ssShift);
  EXPECT_EQ(ShiftStateOf(KMOD_RCTRL), ssCtrl);
  EXPECT_EQ(ShiftStateOf(KMOD_LALT), ssAlt);
  EXPECT_EQ(ShiftStateOf(KMOD_LSHIFT | KMOD_RCTRL | KMOD_RALT), ssShift | ssCtrl | ssAlt);
  // Lock keys and the Windows key are no shift state.
  EXPECT_EQ(ShiftStateOf(KMOD_NUM | KMOD_CAPS | KMOD_LGUI), 0);
  EXPECT_EQ(ShiftStateOf(KMOD_NONE, SDL_BUTTON_LMASK), ssLeft);
  EXPECT_EQ(ShiftStateOf(KMOD_LCTRL, SDL_BUTTON_RMASK | SDL_BUTTON_MMASK), ssCtrl | ssRight | ssMiddle);
  EXPECT_EQ(ShiftStateOf(KMOD_NONE, SDL_BUTTON_X1MASK), 0);
}

TEST(Sdl2KeyMap, ControlCharactersThatSdlDoesNotTypeAsText) {
  EXPECT_EQ(ControlCharOf(VK_BACK, 0), U'\b');
  EXPECT_EQ(ControlCharOf(VK_TAB, 0), U'\t');
  EXPECT_EQ(ControlCharOf(VK_RETURN, 0), U'\r');
  EXPECT_EQ(ControlCharOf(VK_ESCAPE, 0), 27);
  EXPECT_EQ(ControlCharOf('A', ssCtrl), 1);
  EXPECT_EQ(ControlCharOf('C', ssCtrl), 3);
  EXPECT_EQ(ControlCharOf('C', ssCtrl | ssShift), 3);
  EXPECT_EQ(ControlCharOf('Z', ssCtrl), 26);
  // Printable characters come as text; Alt types nothing.
  EXPECT_EQ(ControlCharOf('A', 0), 0);
  EXPECT_EQ(ControlCharOf(VK_SPACE, 0), 0);
  EXPECT_EQ(ControlCharOf('1', ssCtrl), 0);
  EXPECT_EQ(ControlCharOf('A', ssAlt), 0);
  EXPECT_EQ(ControlCharOf(VK_LEFT, 0), 0);
  EXPECT_EQ(ControlCharOf(VK_F1, ssCtrl), 0);
}

TEST(Sdl2KeyMap, TextIsTakenUnlessControlOrLeftAltMakeItACommand) {
  EXPECT_TRUE(TakesText(KMOD_NONE));
  EXPECT_TRUE(TakesText(KMOD_LSHIFT | KMOD_CAPS | KMOD_NUM));
  EXPECT_FALSE(TakesText(KMOD_LCTRL));
  EXPECT_FALSE(TakesText(KMOD_RCTRL | KMOD_SHIFT));
  EXPECT_FALSE(TakesText(KMOD_LALT));
  EXPECT_TRUE(TakesText(KMOD_RALT));  // AltGr on systems that report it as the right Alt
  EXPECT_TRUE(TakesText(KMOD_LCTRL | KMOD_RALT));
  EXPECT_TRUE(TakesText(KMOD_MODE));
}

TEST(Sdl2KeyMap, TextBecomesCodePoints) {
  EXPECT_EQ(CodePointsOf("a1 "), (std::vector<char32_t>{U'a', U'1', U' '}));
  EXPECT_EQ(CodePointsOf("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), (std::vector<char32_t>{0xE9, 0x20AC, 0x1F600}));
  EXPECT_EQ(CodePointsOf("\xC3"), (std::vector<char32_t>{0xFFFD}));
  EXPECT_EQ(CodePointsOf("\xFF" "A"), (std::vector<char32_t>{0xFFFD, U'A'}));
  EXPECT_TRUE(CodePointsOf("").empty());
}

TEST(Sdl2MouseMap, ButtonsAndTheirMasks) {
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_LEFT), mbLeft);
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_RIGHT), mbRight);
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_MIDDLE), mbMiddle);
  EXPECT_FALSE(MouseButtonOf(SDL_BUTTON_X1).has_value());
  EXPECT_FALSE(MouseButtonOf(SDL_BUTTON_X2).has_value());
  EXPECT_EQ(ShiftStateOf(KMOD_NONE, ButtonMaskOf(mbLeft)), ssLeft);
  EXPECT_EQ(ShiftStateOf(KMOD_NONE, ButtonMaskOf(mbRight)), ssRight);
  EXPECT_EQ(ShiftStateOf(KMOD_NONE, ButtonMaskOf(mbMiddle)), ssMiddle);
}

TEST(Sdl2MouseMap, WheelNotchesCountAsWheelDeltaAwayFromTheUser) {
  EXPECT_EQ(WheelDeltaOf(1, SDL_MOUSEWHEEL_NORMAL), WHEEL_DELTA);
  EXPECT_EQ(WheelDeltaOf(-2, SDL_MOUSEWHEEL_NORMAL), -2 * WHEEL_DELTA);
  EXPECT_EQ(WheelDeltaOf(1, SDL_MOUSEWHEEL_FLIPPED), -WHEEL_DELTA);
  EXPECT_EQ(WheelDeltaOf(0, SDL_MOUSEWHEEL_NORMAL), 0);
}

TEST(Sdl2MouseMap, CursorsShowTheNearestSystemShape) {
  EXPECT_EQ(SystemCursorOf(crDefault), SDL_SYSTEM_CURSOR_ARROW);
  EXPECT_EQ(SystemCursorOf(crArrow), SDL_SYSTEM_CURSOR_ARROW);
  EXPECT_EQ(SystemCursorOf(crIBeam), SDL_SYSTEM_CURSOR_IBEAM);
  EXPECT_EQ(SystemCursorOf(crCross), SDL_SYSTEM_CURSOR_CROSSHAIR);
  EXPECT_EQ(SystemCursorOf(crHourGlass), SDL_SYSTEM_CURSOR_WAIT);
  EXPECT_EQ(SystemCursorOf(crAppStart), SDL_SYSTEM_CURSOR_WAITARROW);
  EXPECT_EQ(SystemCursorOf(crHandPoint), SDL_SYSTEM_CURSOR_HAND);
  EXPECT_EQ(SystemCursorOf(crSizeWE), SDL_SYSTEM_CURSOR_SIZEWE);
  EXPECT_EQ(SystemCursorOf(crHSplit), SDL_SYSTEM_CURSOR_SIZEWE);
  EXPECT_EQ(SystemCursorOf(crSizeNS), SDL_SYSTEM_CURSOR_SIZENS);
  EXPECT_EQ(SystemCursorOf(crVSplit), SDL_SYSTEM_CURSOR_SIZENS);
  EXPECT_EQ(SystemCursorOf(crSizeNESW), SDL_SYSTEM_CURSOR_SIZENESW);
  EXPECT_EQ(SystemCursorOf(crSizeNWSE), SDL_SYSTEM_CURSOR_SIZENWSE);
  EXPECT_EQ(SystemCursorOf(crSizeAll), SDL_SYSTEM_CURSOR_SIZEALL);
  EXPECT_EQ(SystemCursorOf(crNo), SDL_SYSTEM_CURSOR_NO);
  EXPECT_EQ(SystemCursorOf(crNoDrop), SDL_SYSTEM_CURSOR_NO);
  EXPECT_EQ(SystemCursorOf(crHelp), SDL_SYSTEM_CURSOR_ARROW);
}

}  // namespace
}  // namespace gadrix::sdl2
