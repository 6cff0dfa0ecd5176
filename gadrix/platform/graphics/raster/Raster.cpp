#include "gadrix/platform/graphics/raster/Raster.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace gadrix::raster {
namespace {

// The C library's wide-character fill is its fastest 32-bit fill where wchar_t has 32 bits.
void FillPixels(TPixel* Pixels, std::size_t Count, TPixel Color) {
  // The library call costs more than a short run itself (a frame's edge is one pixel per row).
  constexpr std::size_t ShortRun = 16;
  if (Count <= ShortRun) {
    for (std::size_t i = 0; i < Count; ++i) Pixels[i] = Color;
    return;
  }
  if constexpr (sizeof(wchar_t) == sizeof(TPixel)) {
    std::wmemset(reinterpret_cast<wchar_t*>(Pixels), static_cast<wchar_t>(Color), Count);
  } else {
    std::fill_n(Pixels, Count, Color);
  }
}

}  // namespace

void FillSpan(const TTarget& Target, int Y, int X0, int X1, const TPixelOp& Op) {
  const TRect& c = Target.Clip;
  if (Y < c.Top || Y >= c.Bottom || Op.IsNop()) return;
  X0 = std::max(X0, c.Left);
  X1 = std::min(X1, c.Right);
  if (X0 >= X1) return;
  TPixel* row = Target.Buffer->Row(Y);
  if (Op.IsCopy()) {
    FillPixels(row + X0, X1 - X0, Op.Color());
    return;
  }
  for (int x = X0; x < X1; ++x) row[x] = Op.Apply(row[x]);
}

void PlotPixel(const TTarget& Target, int X, int Y, const TPixelOp& Op) {
  if (!Target.Clip.Contains({X, Y})) return;
  TPixel& p = Target.Buffer->Row(Y)[X];
  p = Op.Apply(p);
}

void FillRectangle(const TTarget& Target, const TRect& R, const TPixelOp& Op) {
  const TRect r = Intersect(R, Target.Clip);
  if (r.IsEmpty()) return;
  if (Op.IsCopy() && r.Left == 0 && r.Right == Target.Buffer->Width()) {
    // Whole rows lie next to each other: one fill covers them all.
    FillPixels(Target.Buffer->Row(r.Top), static_cast<std::size_t>(r.Width()) * r.Height(), Op.Color());
    return;
  }
  if (Op.IsCopy()) {
    for (int y = r.Top; y < r.Bottom; ++y) FillPixels(Target.Buffer->Row(y) + r.Left, r.Width(), Op.Color());
    return;
  }
  for (int y = r.Top; y < r.Bottom; ++y) FillSpan(Target, y, r.Left, r.Right, Op);
}

TRowShape RectangleShape(const TRect& Box) {
  TRowShape shape;
  shape.Top = Box.Top;
  if (Box.IsEmpty()) return shape;
  shape.Rows.assign(Box.Height(), TRowSpan{Box.Left, Box.Right - 1});
  return shape;
}

TRowShape EllipseShape(const TRect& Box) {
  TRowShape shape;
  shape.Top = Box.Top;
  if (Box.IsEmpty()) return shape;
  const double cx = (Box.Left + Box.Right) / 2.0, cy = (Box.Top + Box.Bottom) / 2.0;
  const double a = Box.Width() / 2.0, b = Box.Height() / 2.0;
  shape.Rows.resize(Box.Height());
  for (int y = Box.Top; y < Box.Bottom; ++y) {
    const double dy = (y + 0.5 - cy) / b;
    const double hw = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    TRowSpan span{static_cast<int>(std::ceil(cx - hw - 0.5)), static_cast<int>(std::floor(cx + hw - 0.5))};
    if (span.Empty()) span = {static_cast<int>(std::floor(cx - 0.5)), static_cast<int>(std::ceil(cx - 0.5))};
    shape.Rows[y - Box.Top] = span;
  }
  return shape;
}

TRowShape Erode(const TRowShape& Shape) {
  TRowShape inner;
  inner.Top = Shape.Top;
  inner.Rows.resize(Shape.Rows.size());
  for (int i = 0; i < static_cast<int>(Shape.Rows.size()); ++i) {
    const int y = Shape.Top + i;
    const TRowSpan here = Shape.Rows[i], above = Shape.At(y - 1), below = Shape.At(y + 1);
    if (here.Empty() || above.Empty() || below.Empty()) continue;
    inner.Rows[i] = {std::max({here.Left + 1, above.Left, below.Left}),
                     std::min({here.Right - 1, above.Right, below.Right})};
  }
  return inner;
}

void PaintRing(const TTarget& Target, const TRowShape& Outer, const TRowShape& Inner,
               const TPixelOp* Pen, const TPixelOp* Brush) {
  for (int i = 0; i < static_cast<int>(Outer.Rows.size()); ++i) {
    const int y = Outer.Top + i;
    const TRowSpan out = Outer.Rows[i], in = Inner.At(y);
    if (out.Empty()) continue;
    if (in.Empty()) {
      if (Pen) FillSpan(Target, y, out.Left, out.Right + 1, *Pen);
      continue;
    }
    if (Pen) {
      FillSpan(Target, y, out.Left, in.Left, *Pen);
      FillSpan(Target, y, in.Right + 1, out.Right + 1, *Pen);
    }
    if (Brush) FillSpan(Target, y, in.Left, in.Right + 1, *Brush);
  }
}

}  // namespace gadrix::raster
