#include "gadrix/platform/graphics/raster/ShapeMask.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace gadrix::raster {

TShapeMask::TShapeMask(const TRect& Box) : box_(Box.IsEmpty() ? TRect{} : Box) {
  bits_.assign(static_cast<std::size_t>(box_.Width()) * box_.Height(), 0);
}

void TShapeMask::Mark(int Y, int X0, int X1, std::uint8_t Bit) {
  if (Y < box_.Top || Y >= box_.Bottom) return;
  X0 = std::max(X0, box_.Left);
  X1 = std::min(X1, box_.Right);
  std::uint8_t* row = bits_.data() + static_cast<std::size_t>(Y - box_.Top) * box_.Width() - box_.Left;
  for (int x = X0; x < X1; ++x) row[x] |= Bit;
}

void TShapeMask::MarkFill(int Y, int X0, int X1) { Mark(Y, X0, X1, kFill); }
void TShapeMask::MarkPen(int X, int Y) { Mark(Y, X, X + 1, kPen); }
void TShapeMask::MarkPenSpan(int Y, int X0, int X1) { Mark(Y, X0, X1, kPen); }

void TShapeMask::MarkPenDisc(int X, int Y, int Width) {
  if (Width <= 1) {
    MarkPen(X, Y);
    return;
  }
  // The disc is centred on the pixel's centre; a pixel belongs to it when its centre lies within
  // Width / 2 of that centre.
  const double radius = Width / 2.0;
  const int reach = Width / 2;
  for (int dy = -reach; dy <= reach; ++dy) {
    const double half = std::sqrt(std::max(0.0, radius * radius - double(dy) * dy));
    const int dx = static_cast<int>(std::floor(half + 1e-9));
    MarkPenSpan(Y + dy, X - dx, X + dx + 1);
  }
}

void TShapeMask::Paint(const TTarget& Target, const TPixelOp* Pen, const TPixelOp* Brush) const {
  const TRect area = Intersect(box_, Target.Clip);
  constexpr int kWord = sizeof(std::uint64_t);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const std::uint8_t* row = bits_.data() + static_cast<std::size_t>(y - box_.Top) * box_.Width() - box_.Left;
    TPixel* pixels = Target.Buffer->Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      // Outlines leave most of their box unmarked: skip it a word at a time.
      std::uint64_t word;
      while (x + kWord <= area.Right && (std::memcpy(&word, row + x, kWord), word == 0)) x += kWord;
      if (x >= area.Right) break;
      const std::uint8_t bits = row[x];
      if ((bits & kPen) && Pen)
        pixels[x] = Pen->Apply(pixels[x]);
      else if (bits == kFill && Brush)
        pixels[x] = Brush->Apply(pixels[x]);
    }
  }
}

}  // namespace gadrix::raster
