#pragma once
// The glyphs of the seven-segment display.
//
// A glyph is assembled on a master image of 312 x 432 pixels from six part bitmaps of the
// library's resources, each a black shape on a white ground: one slanted vertical segment
// (SEGVERT, 68 x 190), one horizontal segment (SEGHORZ, 200 x 38), the decimal point (SEGDOT,
// 38 x 38), the plus sign (SEGPLUS, 200 x 190), the degree sign (SEGDEG, 160 x 138) and the colon
// (SEGCOLON, 68 x 190). The seven segment positions of a digit are numbered
//
//        1            1 top           5 lower left
//      2   3          2 upper left    6 lower right
//        4            3 upper right   7 bottom
//      5   6          4 middle
//        7   .
//
// The parts are recoloured in place (their shapes take the text colour), copied onto a white
// master with the AND copy mode, so that overlapping shapes combine, and the white ground around
// them, reached from the corner (1, 1), is flooded with the background colour.

#include <array>
#include <cstdint>
#include <string_view>

#include "gadrix/platform/graphics/Bitmap.h"
#include "gadrix/platform/graphics/Color.h"

namespace gadrix {

// The 21 characters that have a cell in the glyph cache, in cache order, as UTF-8: the digits,
// minus, plus, colon, the degree sign (U+00B0), A to F, and the decimal point alone.
inline constexpr std::string_view SevenSegCharList = "0123456789-+:\xC2\xB0" "ABCDEF.";

constexpr int SevenSegCellCount = 21;

// The cell (1 to 21) of a character in SevenSegCharList after upper-casing a to z; 0 for a
// character that has no cell.
int SevenSegCellOf(char32_t Ch);

// The character of a cell (1 to 21) as a code point; 0 outside the range.
char32_t SevenSegCellChar(int Cell);

// The digit segments lit for a character: bit n - 1 set for segment n (1 to 7). Digits, '-',
// and A to F (a to f alike) light segments; every other character none.
std::uint8_t SevenSegLitSegments(char32_t Ch);

// The six part bitmaps and the master image one glyph at a time is composed on. Each instance
// owns its bitmaps; nothing is shared.
class TSevenSegGlyphs {
public:
  static constexpr int MasterWidth = 312;
  static constexpr int MasterHeight = 432;
  // Shapes recoloured to white take this colour instead, so that they never share the white of
  // the master's ground.
  static constexpr TColor NearWhite = 0xFEFEFE;

  // Loads the six parts by resource name, as 32-bit bitmaps; EResNotFound when one is missing.
  TSevenSegGlyphs();
  TSevenSegGlyphs(const TSevenSegGlyphs&) = delete;
  TSevenSegGlyphs& operator=(const TSevenSegGlyphs&) = delete;

  // Gives the shape of every part the colour Color (resolved; white becomes NearWhite) by flood
  // filling the area of whatever colour lies at the part's seed points.
  void Colorize(TColor Color);

  // Composes the glyph of Ch on the master image: the parts that Ch shows, plus the decimal point
  // when WithDot, on a ground of Background. '.' and ',' show the decimal point alone; a character
  // without a glyph leaves the master filled with Background.
  void Compose(char32_t Ch, bool WithDot, TColor Background);

  const TBitmap& Master() const { return master_; }

private:
  // Copies the part that belongs at a glyph position (1 to 11) there, through the copy mode.
  void CopyPart(int Position);

  std::array<TBitmap, 6> parts_;  // SEGVERT, SEGHORZ, SEGDOT, SEGPLUS, SEGDEG, SEGCOLON
  TBitmap master_;
};

}  // namespace gadrix
