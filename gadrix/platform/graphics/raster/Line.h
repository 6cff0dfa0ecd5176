#pragma once
// Thin lines. A line from A to B covers the pixels Bresenham's rule chooses, A included and B
// excluded: the major axis advances one pixel per step, and after i steps the minor axis has
// advanced round(i * minor / major) pixels, a half rounding away from A.

#include <cstdint>

#include "gadrix/platform/graphics/Types.h"

namespace gadrix::raster {

// The steps of a line that can reach a clip rectangle, so that a line from far outside costs
// only what is visible.
struct TLineSteps {
  std::int64_t First = 0;  // the first step that may be visible
  std::int64_t Last = -1;  // the last one, inclusive
};

TLineSteps VisibleSteps(TPoint A, TPoint B, const TRect& Clip);

// Calls Plot(x, y, i) for the pixels of the line from A to B that may lie within Clip, i being the
// pixel's step count from A (dash patterns use it). Plot still checks the clip itself.
template <class PlotFn>
void TraceLine(TPoint A, TPoint B, const TRect& Clip, PlotFn&& Plot) {
  const std::int64_t dx = std::int64_t{B.X} - A.X, dy = std::int64_t{B.Y} - A.Y;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const std::int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
  if (major == 0) return;
  const TLineSteps steps = VisibleSteps(A, B, Clip);
  // After i steps the minor axis has moved k = floor((2 i minor + major) / (2 major)); r is the
  // remainder of that division, carried from step to step.
  const std::int64_t twoMajor = 2 * major;
  std::int64_t numerator = 2 * steps.First * minor + major;
  std::int64_t k = numerator / twoMajor;
  std::int64_t r = numerator % twoMajor;
  for (std::int64_t i = steps.First; i <= steps.Last; ++i) {
    const std::int64_t along = xMajor ? A.X + sx * i : A.Y + sy * i;
    const std::int64_t across = xMajor ? A.Y + sy * k : A.X + sx * k;
    if (xMajor)
      Plot(static_cast<int>(along), static_cast<int>(across), i);
    else
      Plot(static_cast<int>(across), static_cast<int>(along), i);
    r += 2 * minor;
    if (r >= twoMajor) {
      r -= twoMajor;
      ++k;
    }
  }
}

}  // namespace gadrix::raster
