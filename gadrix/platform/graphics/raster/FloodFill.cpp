#include "gadrix/platform/graphics/raster/FloodFill.h"

#include <vector>

namespace gadrix::raster {

bool FloodFill(const TTarget& Target, int X, int Y, TPixel Color, TFloodMode Mode, const TPixelOp& Op) {
  const TRect& clip = Target.Clip;
  if (!clip.Contains({X, Y})) return false;
  TPixelBuffer& buffer = *Target.Buffer;
  Color &= 0xFFFFFF;
  auto qualifies = [&](int x, int y) {
    const bool same = buffer.Row(y)[x] == Color;
    return Mode == TFloodMode::Surface ? same : !same;
  };
  if (!qualifies(X, Y)) return false;

  // Runs are found first and painted afterwards, so that a fill colour that itself qualifies
  // cannot make the fill run on for ever.
  const int width = clip.Width();
  std::vector<bool> seen(static_cast<std::size_t>(width) * clip.Height(), false);
  auto mark = [&](int x, int y) { return seen[static_cast<std::size_t>(y - clip.Top) * width + (x - clip.Left)]; };
  struct Run { int Y, X0, X1; };
  std::vector<Run> runs;
  std::vector<TPoint> stack{{X, Y}};
  while (!stack.empty()) {
    const TPoint seed = stack.back();
    stack.pop_back();
    if (mark(seed.X, seed.Y) || !qualifies(seed.X, seed.Y)) continue;
    int x0 = seed.X, x1 = seed.X;
    while (x0 > clip.Left && !mark(x0 - 1, seed.Y) && qualifies(x0 - 1, seed.Y)) --x0;
    while (x1 + 1 < clip.Right && !mark(x1 + 1, seed.Y) && qualifies(x1 + 1, seed.Y)) ++x1;
    for (int x = x0; x <= x1; ++x) seen[static_cast<std::size_t>(seed.Y - clip.Top) * width + (x - clip.Left)] = true;
    runs.push_back({seed.Y, x0, x1 + 1});
    for (int ny : {seed.Y - 1, seed.Y + 1}) {
      if (ny < clip.Top || ny >= clip.Bottom) continue;
      bool inRun = false;
      for (int x = x0; x <= x1; ++x) {
        const bool open = !mark(x, ny) && qualifies(x, ny);
        if (open && !inRun) stack.push_back({x, ny});
        inRun = open;
      }
    }
  }
  for (const Run& run : runs) FillSpan(Target, run.Y, run.X0, run.X1, Op);
  return true;
}

}  // namespace gadrix::raster
