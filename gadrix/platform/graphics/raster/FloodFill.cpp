#include "gadrix/platform/graphics/raster/FloodFill.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace gadrix::raster {
namespace {

// A surface filled with a plain copy of another colour: a painted pixel no longer has the
// surface's colour, so the pixels themselves record which were reached and each one is painted
// as it is found. This is Heckbert's seed fill: each stacked run lies on a row already painted,
// with the direction (Dy) of the row still to be searched next to it; the row behind a run is
// searched again only where the new run sticks out past it, so most pixels are read once.
void FillSurfaceInPlace(const TTarget& Target, int X, int Y, TPixel Color, TPixel Fill) {
  const TRect& clip = Target.Clip;
  TPixelBuffer& buffer = *Target.Buffer;
  struct TRun {
    int Y, X0, X1, Dy;  // painted pixels X0..X1 (inclusive) of row Y; search row Y + Dy
  };
  std::vector<TRun> stack;
  auto push = [&](int RowY, int X0, int X1, int Dy) {
    if (RowY + Dy >= clip.Top && RowY + Dy < clip.Bottom) stack.push_back({RowY, X0, X1, Dy});
  };
  push(Y, X, X, 1);
  push(Y + 1, X, X, -1);  // popped first: paints the seed's own row
  while (!stack.empty()) {
    const TRun run = stack.back();
    stack.pop_back();
    const int y = run.Y + run.Dy;
    TPixel* row = buffer.Row(y);
    const auto isColor = [Color](TPixel P) { return P == Color; };
    // Leftwards from the run's first column; if that pixel is not of the colour, the search
    // starts by skipping to the next one that is.
    int left = run.X0 + 1;
    if (row[run.X0] == Color) {
      const std::reverse_iterator<TPixel*> from(row + run.X0 + 1), limit(row + clip.Left);
      left = static_cast<int>(std::find_if_not(from, limit, isColor).base() - row);
    }
    bool painting = left <= run.X0;
    int x = run.X0;
    if (painting) {
      if (left < run.X0) push(y, left, run.X0 - 1, -run.Dy);  // sticks out on the left
      x = run.X0;
    }
    do {
      if (painting) {
        x = static_cast<int>(std::find_if_not(row + x, row + clip.Right, isColor) - row);
        std::fill(row + left, row + x, Fill);
        push(y, left, x - 1, run.Dy);
        if (x > run.X1 + 1) push(y, run.X1 + 1, x - 1, -run.Dy);  // sticks out on the right
      }
      x = static_cast<int>(std::find(row + x + 1, row + std::max(run.X1 + 1, x + 1), Color) - row);
      left = x;
      painting = true;
    } while (x <= run.X1);
  }
}

}  // namespace

bool FloodFill(const TTarget& Target, int X, int Y, TPixel Color, TFloodMode Mode, const TPixelOp& Op) {
  const TRect& clip = Target.Clip;
  if (!clip.Contains({X, Y})) return false;
  TPixelBuffer& buffer = *Target.Buffer;
  Color &= 0xFFFFFF;
  if (Mode == TFloodMode::Surface && Op.IsCopy()) {
    if (buffer.Row(Y)[X] != Color) return false;
    if (Op.Color() != Color) FillSurfaceInPlace(Target, X, Y, Color, Op.Color());
    return true;  // a surface filled with its own colour stays as it is
  }
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
