#pragma once
// The software rasteriser behind TCanvas. Everything here works in device coordinates of one
// TPixelBuffer and clips to a rectangle; nothing here knows of pens, brushes or canvases.
//
// Conventions, as GDI has them:
// - A pixel (x, y) is the unit square from (x, y) to (x + 1, y + 1); its centre is (x + .5, y + .5).
// - Rectangles exclude their right column and bottom row.
// - Lines include their start point and exclude their end point.

#include <cstdint>
#include <vector>

#include "gadrix/platform/graphics/PixelBuffer.h"
#include "gadrix/platform/graphics/Types.h"

namespace gadrix::raster {

// A pixel buffer and the part of it that may be written.
struct TTarget {
  TPixelBuffer* Buffer = nullptr;
  TRect Clip;  // already within the buffer's bounds
};

// A binary raster operation (the sixteen ROP2 codes 1 to 16): how a pen or brush colour P
// combines with the pixel D already there. Code - 1 is a truth table; bit (2P + D) of it is the
// result bit. So 13 (copy) gives P, 6 (not) gives not D, 7 gives P xor D.
class TPixelOp {
public:
  static constexpr int Copy = 13;

  TPixelOp() = default;
  TPixelOp(int Rop2, TPixel Color) : table_(static_cast<std::uint8_t>((Rop2 - 1) & 15)), color_(Color & 0xFFFFFF) {}

  bool IsCopy() const { return table_ == Copy - 1; }
  bool IsNop() const { return table_ == 0b1010; }  // the result is D
  TPixel Color() const { return color_; }

  TPixel Apply(TPixel D) const {
    const TPixel p = color_;
    TPixel r = 0;
    if (table_ & 8) r |= p & D;
    if (table_ & 4) r |= p & ~D;
    if (table_ & 2) r |= ~p & D;
    if (table_ & 1) r |= ~p & ~D;
    return r & 0xFFFFFF;
  }

private:
  std::uint8_t table_ = Copy - 1;
  TPixel color_ = 0;
};

// Applies Op to the pixels X0 <= x < X1 of row Y, within the clip.
void FillSpan(const TTarget& Target, int Y, int X0, int X1, const TPixelOp& Op);
// Applies Op to one pixel, if it lies within the clip.
void PlotPixel(const TTarget& Target, int X, int Y, const TPixelOp& Op);
// Applies Op to every pixel of R within the clip.
void FillRectangle(const TTarget& Target, const TRect& R, const TPixelOp& Op);

// One horizontal run per row, both ends inclusive; Left > Right means the row is empty.
struct TRowSpan {
  int Left = 0;
  int Right = -1;
  bool Empty() const { return Left > Right; }
};

// A shape that meets every row in at most one run (rectangles, ellipses), rows from Top down.
struct TRowShape {
  int Top = 0;
  std::vector<TRowSpan> Rows;

  TRowSpan At(int Y) const {
    const int i = Y - Top;
    return i >= 0 && i < static_cast<int>(Rows.size()) ? Rows[i] : TRowSpan{};
  }
};

TRowShape RectangleShape(const TRect& Box);
// The ellipse inscribed in Box: the pixels whose centres lie within it. Every row of the box
// holds at least one pixel, so the outline touches all four sides.
TRowShape EllipseShape(const TRect& Box);
// The pixels of the shape whose four neighbours all belong to it.
TRowShape Erode(const TRowShape& Shape);

// Paints Outer minus Inner with Pen and Inner with Brush (null: not at all). Inner must lie
// within Outer.
void PaintRing(const TTarget& Target, const TRowShape& Outer, const TRowShape& Inner,
               const TPixelOp* Pen, const TPixelOp* Brush);

}  // namespace gadrix::raster
