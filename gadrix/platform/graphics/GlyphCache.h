#pragma once
// FreeType faces at given pixel sizes, their glyphs and the coverage images rendered from them.
// Part of the text engine; the canvas never uses these directly.
//
// Two coordinate systems meet here. FreeType outlines are in 26.6 fixed point (1/64 pixel) with
// y growing upwards from the baseline; coverage images are in whole pixels with y growing
// downwards, as on the screen. Rasterize converts between them.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Types.h"

namespace gadrix::detail {

// 8-bit coverage at a place on the pixel grid: pixel (i, j) of the image lies at
// (origin X + Left + i, origin Y + Top + j), y down. Images are trimmed to their ink.
struct TCoverage {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Values;  // Width * Height, row by row

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  TRect Bounds() const { return gadrix::Bounds(Left, Top, Width, Height); }
};

// The whole plane: no clipping.
inline constexpr TRect kUnclipped{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

// An outline kept in vectors (26.6, y up), so that glyphs can own theirs and copies are cheap.
class TOutline {
public:
  TOutline() = default;
  explicit TOutline(const FT_Outline& Source);
  // A rectangle from (Left, Bottom) to (Right, Top), 26.6, y up.
  static TOutline Rectangle(FT_Pos Left, FT_Pos Bottom, FT_Pos Right, FT_Pos Top);

  bool IsEmpty() const { return points_.empty(); }
  std::size_t Bytes() const;
  // A FreeType view on this outline's storage, to transform or render it in place; it stays
  // valid as long as this outline lives.
  FT_Outline View();

private:
  using TPointCount = decltype(FT_Outline::n_points);
  using TContourCount = decltype(FT_Outline::n_contours);
  using TContourEnd = std::remove_pointer_t<decltype(FT_Outline::contours)>;

  std::vector<FT_Vector> points_;
  std::vector<char> tags_;
  std::vector<TContourEnd> contours_;
  int flags_ = 0;
};

// Renders Outline, first transformed by Matrix (when not null), then moved by Offset (26.6, y up),
// into a coverage image relative to the outline's origin, cut to Clip (pixels, y down, relative to
// the same origin). Antialiased gives 8-bit coverage, else 0 or 255 only. An outline FreeType
// cannot render (beyond its coordinate range) gives an empty image.
TCoverage Rasterize(FT_Library Library, TOutline Outline, const FT_Matrix* Matrix, FT_Vector Offset,
                    bool Antialiased, const TRect& Clip);

// The FreeType library and every face opened from it; a face is opened once and kept.
class TFontLibrary {
public:
  TFontLibrary();  // raises Exception when FreeType cannot start
  ~TFontLibrary();
  TFontLibrary(const TFontLibrary&) = delete;
  TFontLibrary& operator=(const TFontLibrary&) = delete;

  FT_Library Library() const { return library_; }
  // Raises Exception when the file cannot be opened as a font.
  FT_Face Face(const std::string& Path, int Index);

private:
  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
};

// Whether a face is bold (a semi-bold face passes) or italic (an oblique face passes); a face that
// is not has the style synthesised when it is asked for.
bool FaceIsBold(FT_Face Face);
bool FaceIsItalic(FT_Face Face);

// How a face is to be rendered at one size.
struct TGlyphStyle {
  int PixelSize = 0;  // the em height in pixels
  bool Antialiased = true;
  bool SynthesiseBold = false;
  bool SynthesiseItalic = false;
  friend auto operator<=>(const TGlyphStyle&, const TGlyphStyle&) = default;
};

struct TGlyph {
  FT_UInt Index = 0;  // the glyph's index in its face
  int Advance = 0;  // whole pixels, hinted, including any synthetic emboldening
  TOutline Outline;  // hinted, emboldened and slanted as the style asks; origin at the pen position
  std::optional<TCoverage> Upright;  // rendered on first use
};

// A horizontal bar of the text cell (underline or strike-out): its rows, y down from the
// reference point.
struct TBar {
  int Top = 0;
  int Thickness = 0;
};

// A quarter turn, in tenths of a degree.
inline constexpr int kQuarterTurn = 900;

// The position of a rotated glyph's origin within a pixel, in steps of 1 / kSubpixelSteps pixel.
inline constexpr int kSubpixelSteps = 4;
struct TSubpixel {
  int X = 0;  // 0 .. kSubpixelSteps - 1
  int Y = 0;
};

// One face at one pixel size and style: metrics, glyphs and their images, all cached. Every byte
// cached is added to the counter passed in, so that the owner can bound the memory of all fonts.
class TSizedFont {
public:
  TSizedFont(FT_Library Library, FT_Face Face, const TGlyphStyle& Style, std::size_t& CacheBytes);
  ~TSizedFont();
  TSizedFont(const TSizedFont&) = delete;
  TSizedFont& operator=(const TSizedFont&) = delete;

  const TFontMetrics& Metrics() const { return metrics_; }
  TBar Underline() const { return underline_; }
  TBar StrikeOut() const { return strikeOut_; }
  // No ink of any glyph lies farther than this from the glyph's origin, at any angle.
  int InkRadius() const { return inkRadius_; }

  // The glyph of a code point; the font's .notdef glyph when the font has none for it. The
  // reference stays valid as long as this font lives.
  TGlyph& Glyph(char32_t Code);
  const TCoverage& UprightImage(TGlyph& Glyph);
  // The glyph turned by Rotation (which must be the matrix of Orientation, tenths of a degree)
  // with its origin at the given subpixel position. Quarter turns turn the upright image, so that
  // their pixels are exactly the upright ones.
  const TCoverage& RotatedImage(TGlyph& Glyph, int Orientation, const FT_Matrix& Rotation, TSubpixel Phase);

private:
  static constexpr char32_t kAsciiEnd = 128;

  void MeasureFace();
  TGlyph LoadGlyph(FT_UInt Index);
  void Account(std::size_t Bytes) { cacheBytes_ += Bytes; }

  FT_Library library_;
  FT_Face face_;
  FT_Size size_ = nullptr;
  TGlyphStyle style_;
  FT_Int32 loadFlags_ = 0;
  int emboldenPixels_ = 0;
  std::size_t& cacheBytes_;

  TFontMetrics metrics_;
  TBar underline_;
  TBar strikeOut_;
  int inkRadius_ = 0;

  std::unordered_map<FT_UInt, TGlyph> glyphs_;
  std::array<TGlyph*, kAsciiEnd> ascii_{};
  std::unordered_map<std::uint64_t, TCoverage> rotated_;
};

}  // namespace gadrix::detail
