#pragma once
// Painting a seven-segment display into a bitmap and reading its segments back.
//
// Points are given on the 312 x 432 glyph (where the segments are drawn) and mapped into a digit
// cell of the painted picture. Sampling the middle of each segment tells which are lit.

#include <array>
#include <memory>
#include <string>

#include "gadrix/displays/sevenseg.h"
#include "gadrix/platform/controls/Controls.h"

namespace gadrix::testing {

constexpr int GlyphWidth = 312, GlyphHeight = 432;

struct TGlyphPoint {
  int X, Y;
};

// The middle of segments 1 to 7 (index 0 unused) and of the decimal point on the glyph.
constexpr std::array<TGlyphPoint, 8> SegmentMiddles = {
    {{0, 0}, {194, 19}, {71, 118}, {278, 118}, {157, 216}, {34, 315}, {241, 315}, {120, 413}}};
constexpr TGlyphPoint DotMiddle{288, 416};

inline std::unique_ptr<TBitmap> Snapshot(TSevenSeg* Display) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(Display->GetWidth(), Display->GetHeight());
  Display->PaintTo(bitmap->GetCanvas(), 0, 0);
  return bitmap;
}

// The picture point of glyph point P in digit cell Digit (1-based).
inline TPoint CellPoint(const TSevenSeg& Display, int Digit, TGlyphPoint P) {
  const int w = Display.CellWidth(), h = Display.CellHeight();
  const int left = (Digit - 1) * (w + Display.GetInterDigDist()) + Display.GetMargin();
  return {left + (2 * P.X + 1) * w / (2 * GlyphWidth), Display.GetMargin() + (2 * P.Y + 1) * h / (2 * GlyphHeight)};
}

inline TColor PixelAt(const TBitmap& Picture, TPoint P) { return Picture.ScanLine(P.Y)[P.X]; }

// The lit segments of a cell as a string of their numbers ("1234567"), told apart by the red
// channel: the tests draw red (0x0000FF) segments on the dark grey ground (0x333333).
inline std::string LitSegments(const TSevenSeg& Display, const TBitmap& Picture, int Digit) {
  std::string lit;
  for (int s = 1; s <= 7; ++s)
    if ((PixelAt(Picture, CellPoint(Display, Digit, SegmentMiddles[s])) & 0xFF) > 0x99) lit += char('0' + s);
  return lit;
}

inline bool DotLit(const TSevenSeg& Display, const TBitmap& Picture, int Digit) {
  return (PixelAt(Picture, CellPoint(Display, Digit, DotMiddle)) & 0xFF) > 0x99;
}

// A display large enough (three times the glyph scale of the default) to sample reliably.
inline TSevenSeg* LargeDisplay(TForm& Form, int Digits = 4) {
  auto* display = new TSevenSeg(&Form);
  display->SetParent(&Form);
  display->SetBounds(0, 0, 16 + Digits * 106, 160);
  display->SetNumDigits(Digits);
  return display;
}

}  // namespace gadrix::testing
