#include "gadrix/platform/graphics/raster/Polygon.h"

#include <algorithm>
#include <cmath>

#include "gadrix/platform/graphics/raster/Line.h"

namespace gadrix::raster {
namespace {

// Where an edge crosses a row: at X = Numerator / Denominator exactly (Denominator > 0), so that
// pixels on an edge are decided the same way whichever end the edge starts from.
struct Crossing {
  std::int64_t Numerator;
  std::int64_t Denominator;
  int Direction;  // +1 for an edge going down, -1 going up
  bool operator<(const Crossing& other) const {
    return static_cast<long double>(Numerator) * other.Denominator <
           static_cast<long double>(other.Numerator) * Denominator;
  }
};

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
  const std::int64_t q = A / B;
  return (A % B != 0 && (A < 0) != (B < 0)) ? q - 1 : q;
}

// The first pixel at or right of the crossing: ceil(X).
int FirstPixelAtOrAfter(const Crossing& C) {
  return static_cast<int>(-FloorDiv(-C.Numerator, C.Denominator));
}

void MarkPixelsBetween(TShapeMask& Mask, int Y, const Crossing& From, const Crossing& To) {
  const int x0 = FirstPixelAtOrAfter(From), x1 = FirstPixelAtOrAfter(To);
  if (x0 < x1) Mask.MarkFill(Y, x0, x1);
}

}  // namespace

TRect PointsBounds(const std::vector<TPoint>& Points) {
  if (Points.empty()) return {};
  TRect r{Points[0].X, Points[0].Y, Points[0].X + 1, Points[0].Y + 1};
  for (const TPoint& p : Points) r = Union(r, {p.X, p.Y, p.X + 1, p.Y + 1});
  return r;
}

void MarkPolygonFill(TShapeMask& Mask, const std::vector<TPoint>& Points, TFillRule Rule) {
  const std::size_t n = Points.size();
  if (n < 3) return;
  const TRect box = Intersect(Mask.Box(), PointsBounds(Points));
  std::vector<Crossing> crossings;
  for (int y = box.Top; y < box.Bottom; ++y) {
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const TPoint a = Points[i], b = Points[(i + 1) % n];
      if (a.Y == b.Y) continue;
      const bool down = a.Y < b.Y;
      const TPoint top = down ? a : b, bottom = down ? b : a;
      if (y < top.Y || y >= bottom.Y) continue;
      // X = top.X + (y - top.Y) * (bottom.X - top.X) / (bottom.Y - top.Y)
      const std::int64_t dy = std::int64_t{bottom.Y} - top.Y;
      const std::int64_t numerator =
          std::int64_t{top.X} * dy + (std::int64_t{y} - top.Y) * (std::int64_t{bottom.X} - top.X);
      crossings.push_back({numerator, dy, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end());
    if (Rule == TFillRule::Alternate) {
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
        MarkPixelsBetween(Mask, y, crossings[i], crossings[i + 1]);
    } else {
      int winding = 0;
      for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].Direction;
        if (winding != 0) MarkPixelsBetween(Mask, y, crossings[i], crossings[i + 1]);
      }
    }
  }
}

void MarkPolyline(TShapeMask& Mask, const std::vector<TPoint>& Points, bool Closed, int PenWidth) {
  const std::size_t n = Points.size();
  if (n == 0) return;
  const TRect reach = Mask.Box().Inflate(PenWidth, PenWidth);
  auto edge = [&](TPoint a, TPoint b) {
    TraceLine(a, b, reach, [&](int x, int y, std::int64_t) { Mask.MarkPenDisc(x, y, PenWidth); });
  };
  for (std::size_t i = 0; i + 1 < n; ++i) edge(Points[i], Points[i + 1]);
  if (Closed && n > 1) edge(Points[n - 1], Points[0]);
  // A wide pen also covers the end point of an open outline, with its round cap.
  if (!Closed && PenWidth > 1) Mask.MarkPenDisc(Points[n - 1].X, Points[n - 1].Y, PenWidth);
}

}  // namespace gadrix::raster
