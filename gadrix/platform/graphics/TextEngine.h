#pragma once
// The text engine: resolves font families with Fontconfig, rasterises UTF-8 text with FreeType
// and keeps a glyph cache. It knows nothing of canvases: it measures text and renders it into a
// coverage mask that the canvas blends in the font's colour.
//
// Coordinates: the reference point of a text is the top-left corner of its (unrotated) text cell,
// as GDI's TextOut places it. The cell is Advance wide and Ascent + Descent high; the baseline lies
// Ascent pixels below the reference point. A rotated text turns about the reference point,
// counter-clockwise for positive angles (as GDI's escapement does on a screen whose y grows down):
// at angle a the baseline runs along (cos a, -sin a), so a text at 900 runs upwards from its
// reference point, its cell lying right of it.
//
// Text is UTF-8. A byte sequence that is not well-formed UTF-8 draws as U+FFFD (one replacement
// per maximal ill-formed part); a character the font lacks draws as the font's .notdef glyph.
//
// Bold and italic take the family's bold and italic faces; a family without them is emboldened
// (stems one pixel or em / 24 wider, every advance as much wider) or slanted by 12 degrees.
// Underline and strike-out are bars across the whole advance: the underline at least one pixel
// below the baseline and inside the cell, the strike-out where the font's OS/2 table puts it.
//
// Every call raises Exception when no font can be loaded at all (no font installed, a font file
// that cannot be read); nothing else the text or the font description holds raises.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gadrix/platform/graphics/Types.h"

namespace gadrix {

// Everything that decides how a text looks.
struct TFontSpec {
  std::string Name = "Tahoma";  // family name; unknown families fall back to DejaVu Sans
  int PixelSize = 11;           // the em height in pixels (a size in points times 96 / 72), 1 to 1024
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int Orientation = 0;     // tenths of a degree, counter-clockwise; any value, taken modulo 3600
  bool Antialiased = true;  // false: every coverage value is 0 or 255
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

struct TFontMetrics {
  int Ascent = 0;    // pixels from the top of the cell to the baseline
  int Descent = 0;   // pixels from the baseline to the bottom of the cell
  int Height = 0;    // Ascent + Descent, what TextHeight reports
  int AveCharWidth = 0;
};

// Text rendered into an 8-bit coverage mask. Pixel (i, j) of the mask lies at
// (reference X + Left + i, reference Y + Top + j). Underline and strike-out are part of the mask.
struct TTextMask {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height values, row by row; 0 transparent, 255 opaque
};

class TTextEngine {
public:
  // The one engine of the process; created on first use.
  static TTextEngine& Instance();

  TTextEngine(const TTextEngine&) = delete;
  TTextEngine& operator=(const TTextEngine&) = delete;
  ~TTextEngine();

  // The font file a family name resolves to ("Arial" gives Liberation Sans).
  std::string ResolveFontFile(const TFontSpec& Font);

  // Ascent and descent are the font's Windows ascent and descent (OS/2 table) scaled to the pixel
  // size and rounded up; AveCharWidth is its average character width, scaled and rounded.
  // Underline, strike-out and orientation do not change the metrics.
  TFontMetrics Metrics(const TFontSpec& Font);

  // The advance of the text along its baseline, in pixels: the width of its unrotated cell. It is
  // the sum of the glyphs' rounded hinted advances, without kerning, exactly as Render places the
  // glyphs, so a text drawn in two pieces at X and X + TextWidth(first piece) equals the whole.
  int TextWidth(const TFontSpec& Font, std::string_view Utf8);

  // The text rendered at Font.Orientation about the reference point (0, 0). The mask is cut to
  // the ink; an empty text, or one of spaces only without underline or strike-out, gives an empty
  // mask (Width and Height 0).
  TTextMask Render(const TFontSpec& Font, std::string_view Utf8);

  // The same mask cut to Clip (relative to the reference point). Glyphs wholly outside Clip are
  // neither rendered nor stored, so the cost and the mask grow with the visible part only: what
  // a canvas wants for a long (above all a long rotated) text of which little is visible.
  TTextMask Render(const TFontSpec& Font, std::string_view Utf8, const TRect& Clip);

private:
  TTextEngine();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace gadrix
