#pragma once
// The base library's colour table and colour arithmetic.
//
// Colours are 0x00BBGGRR; a top byte of 0xFF names a system colour by its index in the low byte
// (0xFF00000F button face). Nothing here resolves system colours: that needs the toolkit.

#include <array>
#include <cstdint>

#include "gadrix/helmar/Types.h"
#include "gadrix/platform/graphics/Color.h"

namespace gadrix {

// Number of entries of PredefinedColors.
constexpr int kNumPredefinedColors = 47;

// The colours a colour picker offers, indexed 0 to 46:
//   0..15  the basic 16 (black, maroon, green, olive, navy, purple, teal, grey, silver, red,
//          lime, yellow, blue, fuchsia, aqua, white);
//   0..19  the extended set: the basic 16 followed by money green, sky blue, cream and medium
//          grey;
//   20..46 the 27 system colours 0xFF000000 to 0xFF00001A in the order of their indices.
constexpr std::array<TColor, kNumPredefinedColors> PredefinedColors{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
    0xFF000000, 0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006,
    0xFF000007, 0xFF000008, 0xFF000009, 0xFF00000A, 0xFF00000B, 0xFF00000C, 0xFF00000D,
    0xFF00000E, 0xFF00000F, 0xFF000010, 0xFF000011, 0xFF000012, 0xFF000013, 0xFF000014,
    0xFF000015, 0xFF000016, 0xFF000017, 0xFF000018, 0xFF000019, 0xFF00001A};

// The colour halfway between A and B: each of red, green and blue is the mean of the two,
// rounded down. The result is always a plain RGB colour (top byte 0). A and B are taken as RGB
// values, so a caller holding a system colour resolves it first (ColorToRGB).
constexpr TColor MeanColor(TColor A, TColor B) {
  constexpr std::uint32_t kChannelMask = 0xFF;
  std::uint32_t mean = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t a = (A >> shift) & kChannelMask;
    const std::uint32_t b = (B >> shift) & kChannelMask;
    mean |= ((a + b) / 2) << shift;
  }
  return mean;
}

// The two line colours of a 3-D frame under a colour scheme: scheme 0 draws with fixed grey
// 0x808080 and white, any other scheme with the system's button shadow and highlight.
struct TSchemeLines {
  TColor Gray;
  TColor White;
};
constexpr TSchemeLines SchemeLineColors(TColorScheme Scheme) {
  return Scheme == 0 ? TSchemeLines{clGray, clWhite} : TSchemeLines{clBtnShadow, clBtnHighlight};
}

}  // namespace gadrix
