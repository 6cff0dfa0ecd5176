#pragma once
// A mask over a box that records which pixels a shape's pen and brush cover, so that a shape whose
// parts overlap (an outline over its fill, the joints of a wide polyline) touches every pixel
// once: an inverting pen inverts each pixel once, as GDI's shapes do.

#include <cstdint>
#include <vector>

#include "gadrix/platform/graphics/raster/Raster.h"

namespace gadrix::raster {

class TShapeMask {
public:
  // Box is the only area the mask can mark; callers pass the part of the shape that can be seen.
  explicit TShapeMask(const TRect& Box);

  const TRect& Box() const { return box_; }
  void MarkFill(int Y, int X0, int X1);  // X1 exclusive
  void MarkPen(int X, int Y);
  void MarkPenSpan(int Y, int X0, int X1);  // X1 exclusive
  // A disc of diameter Width centred on the pixel (X, Y), for pens wider than one pixel.
  void MarkPenDisc(int X, int Y, int Width);

  // Paints the pen's pixels with Pen and the others of the fill with Brush (either may be null).
  void Paint(const TTarget& Target, const TPixelOp* Pen, const TPixelOp* Brush) const;

private:
  static constexpr std::uint8_t kFill = 1, kPen = 2;
  void Mark(int Y, int X0, int X1, std::uint8_t Bit);
  TRect box_;
  std::vector<std::uint8_t> bits_;
};

}  // namespace gadrix::raster
