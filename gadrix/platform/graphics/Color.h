#pragma once
// Colours. A TColor is 0x00BBGGRR; a top byte of 0xFF names a system colour whose index is the
// low byte (0xFF00000F is the button face), resolved to RGB by ColorToRGB with the classic
// Windows scheme.

#include <cstdint>
#include <string>

namespace gadrix {

using TColor = std::uint32_t;

constexpr TColor RGB(int R, int G, int B) {
  return static_cast<TColor>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int GetRValue(TColor C) { return static_cast<int>(C & 0xFF); }
constexpr int GetGValue(TColor C) { return static_cast<int>((C >> 8) & 0xFF); }
constexpr int GetBValue(TColor C) { return static_cast<int>((C >> 16) & 0xFF); }

constexpr TColor clSystemColor = 0xFF000000;
constexpr bool IsSystemColor(TColor C) { return (C & 0xFF000000) == clSystemColor; }

// The basic colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// No colour at all, and "the control's default".
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The system colours, index in the low byte.
constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;
constexpr TColor clHotLight = 0xFF00001A;
constexpr TColor clGradientActiveCaption = 0xFF00001B;
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
constexpr TColor clMenuHighlight = 0xFF00001D;
constexpr TColor clMenuBar = 0xFF00001E;

// The number of system colour indices (0 to 30).
constexpr int SystemColorCount = 31;

// The RGB value of a colour: system colours resolve through the classic scheme, clNone to
// white and clDefault to black; other colours come back unchanged (with the top byte cleared).
TColor ColorToRGB(TColor Color);

// "clRed" for a named colour, "$00BBGGRR" (upper-case hex, eight digits) for any other.
std::string ColorToString(TColor Color);

// The inverse of ColorToString; also takes decimal numbers and "0x" hexadecimal. Raises
// EConvertError naming the text when it is none of these.
TColor StringToColor(const std::string& Text);

// Looks a colour name ("clBtnFace") up; false when the name is unknown.
bool IdentToColor(const std::string& Ident, TColor& Color);

}  // namespace gadrix
