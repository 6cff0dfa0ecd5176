#include "gadrix/platform/graphics/Color.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "gadrix/platform/core/Exception.h"

namespace gadrix {
namespace {

// The classic Windows scheme, indexed by the system colour's low byte.
constexpr std::array<TColor, SystemColorCount> kSystemColors = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(181, 181, 181),  // (unassigned index 25)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // gradient of the active caption
    RGB(192, 192, 192),  // gradient of the inactive caption
    RGB(49, 106, 197),   // menu highlight
    RGB(236, 233, 216),  // menu bar
};

struct NamedColor {
  TColor Color;
  std::string_view Name;
};

constexpr NamedColor kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
};

bool ParseNumber(std::string_view text, TColor& color) {
  int base = 10;
  if (text.starts_with('$')) {
    text.remove_prefix(1);
    base = 16;
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  bool negative = base == 10 && text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty()) return false;
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  color = negative ? static_cast<TColor>(0u - value) : value;
  return true;
}

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (Color == clNone) return clWhite;
  if (Color == clDefault) return clBlack;
  if (IsSystemColor(Color)) {
    const unsigned index = Color & 0xFF;
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
  }
  return Color & 0x00FFFFFF;
}

std::string ColorToString(TColor Color) {
  for (const auto& named : kColorNames)
    if (named.Color == Color) return std::string(named.Name);
  char text[10];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(Color));
  return text;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
  for (const auto& named : kColorNames) {
    if (named.Name.size() != Ident.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < Ident.size() && same; ++i)
      same = (named.Name[i] | 0x20) == (Ident[i] | 0x20);
    if (same) {
      Color = named.Color;
      return true;
    }
  }
  return false;
}

TColor StringToColor(const std::string& Text) {
  TColor color = 0;
  if (IdentToColor(Text, color) || ParseNumber(Text, color)) return color;
  throw EConvertError("'" + Text + "' is not a valid colour");
}

}  // namespace gadrix
