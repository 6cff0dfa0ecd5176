#include "gadrix/platform/graphics/raster/Line.h"

#include <algorithm>
#include <cmath>

namespace gadrix::raster {
namespace {

// The steps i (0 <= i < count) at which Start + Direction * i * Rate lies within [Low, High), with
// a margin of one step on either side; Rate is the movement per step (0 to 1).
void Narrow(double Start, double Direction, double Rate, int Low, int High, std::int64_t& First,
            std::int64_t& Last) {
  if (Rate == 0.0) {
    if (Start < Low || Start >= High) Last = First - 1;
    return;
  }
  double t0 = (Low - Start) / (Direction * Rate);
  double t1 = (High - Start) / (Direction * Rate);
  if (t0 > t1) std::swap(t0, t1);
  First = std::max<std::int64_t>(First, static_cast<std::int64_t>(std::floor(t0)) - 1);
  Last = std::min<std::int64_t>(Last, static_cast<std::int64_t>(std::ceil(t1)) + 1);
}

}  // namespace

TLineSteps VisibleSteps(TPoint A, TPoint B, const TRect& Clip) {
  const std::int64_t dx = std::int64_t{B.X} - A.X, dy = std::int64_t{B.Y} - A.Y;
  const std::int64_t adx = std::abs(dx), ady = std::abs(dy);
  const std::int64_t major = std::max(adx, ady);
  TLineSteps steps{0, major - 1};
  if (major == 0 || Clip.IsEmpty()) return {0, -1};
  const double dirX = dx < 0 ? -1.0 : 1.0, dirY = dy < 0 ? -1.0 : 1.0;
  Narrow(A.X, dirX, static_cast<double>(adx) / major, Clip.Left, Clip.Right, steps.First, steps.Last);
  Narrow(A.Y, dirY, static_cast<double>(ady) / major, Clip.Top, Clip.Bottom, steps.First, steps.Last);
  steps.First = std::max<std::int64_t>(steps.First, 0);
  steps.Last = std::min<std::int64_t>(steps.Last, major - 1);
  return steps;
}

}  // namespace gadrix::raster
