#include "gadrix/platform/graphics/raster/Arc.h"

#include <cmath>
#include <numbers>

#include "gadrix/platform/graphics/raster/Line.h"

namespace gadrix::raster {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The angles of the arc, counter-clockwise on the screen (y grows downwards, so the angle of a
// point is measured with y negated). Whether a pixel lies within the sweep is decided with cross
// products of its direction and the two rays, exactly and without trigonometry, since shapes test
// every pixel of their box: a pixel on either ray belongs to the sweep.
class TSweep {
public:
  TSweep(const TRect& Box, TPoint Start, TPoint End)
      : cx_((Box.Left + Box.Right) / 2.0), cy_((Box.Top + Box.Bottom) / 2.0) {
    // A ray passes through the centre of the pixel its point names.
    startX_ = Start.X + 0.5 - cx_;
    startY_ = cy_ - (Start.Y + 0.5);
    endX_ = End.X + 0.5 - cx_;
    endY_ = cy_ - (End.Y + 0.5);
    start_ = std::atan2(startY_, startX_);
    sweep_ = Normalise(std::atan2(endY_, endX_) - start_);
    turn_ = Cross(startX_, startY_, endX_, endY_);
    full_ = turn_ == 0 && startX_ * endX_ + startY_ * endY_ >= 0;  // both rays point the same way
  }

  bool ContainsPixel(int X, int Y) const {
    if (full_) return true;
    const double px = X + 0.5 - cx_, py = cy_ - (Y + 0.5);
    const double fromStart = Cross(startX_, startY_, px, py), toEnd = Cross(px, py, endX_, endY_);
    if (turn_ > 0) return fromStart >= 0 && toEnd >= 0;  // less than half a turn
    if (turn_ < 0) return !(Cross(endX_, endY_, px, py) > 0 && Cross(px, py, startX_, startY_) > 0);
    return fromStart >= 0;  // exactly half a turn: the left side of the start ray
  }
  double Start() const { return start_; }
  double End() const { return start_ + sweep_; }
  double CentreX() const { return cx_; }
  double CentreY() const { return cy_; }

private:
  static double Cross(double AX, double AY, double BX, double BY) { return AX * BY - AY * BX; }
  static double Normalise(double A) {
    A = std::fmod(A, kTwoPi);
    return A < 0 ? A + kTwoPi : A;
  }
  double cx_, cy_, start_ = 0, sweep_ = 0;
  double startX_ = 0, startY_ = 0, endX_ = 0, endY_ = 0, turn_ = 0;
  bool full_ = false;
};

// The pixel where a ray at Angle from the centre leaves the ellipse.
TPoint PointOnEllipse(const TRect& Box, const TSweep& Sweep, double Angle) {
  const double a = Box.Width() / 2.0, b = Box.Height() / 2.0;
  const double x = Sweep.CentreX() + a * std::cos(Angle), y = Sweep.CentreY() - b * std::sin(Angle);
  const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
  return {std::min(std::max(px, Box.Left), Box.Right - 1), std::min(std::max(py, Box.Top), Box.Bottom - 1)};
}

TPoint CentrePixel(const TSweep& Sweep) {
  return {static_cast<int>(std::floor(Sweep.CentreX())), static_cast<int>(std::floor(Sweep.CentreY()))};
}

void MarkLine(TShapeMask& Mask, TPoint A, TPoint B, int PenWidth) {
  TraceLine(A, B, Mask.Box().Inflate(PenWidth, PenWidth),
            [&](int x, int y, std::int64_t) { Mask.MarkPenDisc(x, y, PenWidth); });
  Mask.MarkPenDisc(B.X, B.Y, PenWidth);
}

// The ellipse's outline pixels within the sweep, and (with Fill) its inner pixels within it.
void MarkSector(TShapeMask& Mask, const TRect& Box, const TSweep& Sweep, int PenWidth, bool Outline,
                bool Fill) {
  const TRowShape shape = EllipseShape(Box);
  const TRowShape inner = Erode(shape);
  const TRect visible = Mask.Box().Inflate(PenWidth, PenWidth);
  for (int i = 0; i < static_cast<int>(shape.Rows.size()); ++i) {
    const int y = shape.Top + i;
    if (y < visible.Top || y >= visible.Bottom) continue;
    const TRowSpan row = shape.Rows[i], in = inner.At(y);
    for (int x = std::max(row.Left, visible.Left); x <= std::min(row.Right, visible.Right - 1); ++x) {
      const bool onOutline = in.Empty() || x < in.Left || x > in.Right;
      if (!onOutline && !Fill) {
        x = in.Right;  // an arc has nothing inside the outline: on to the row's right end
        continue;
      }
      if (!Sweep.ContainsPixel(x, y)) continue;
      if (onOutline) {
        if (Outline) Mask.MarkPenDisc(x, y, PenWidth);
        else if (Fill) Mask.MarkFill(y, x, x + 1);
      } else {
        Mask.MarkFill(y, x, x + 1);
      }
    }
  }
}

}  // namespace

void MarkArc(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth) {
  if (Box.IsEmpty()) return;
  MarkSector(Mask, Box, TSweep(Box, Start, End), PenWidth, true, false);
}

void MarkPie(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth, bool Outline) {
  if (Box.IsEmpty()) return;
  const TSweep sweep(Box, Start, End);
  MarkSector(Mask, Box, sweep, PenWidth, Outline, true);
  if (!Outline) return;
  const TPoint centre = CentrePixel(sweep);
  MarkLine(Mask, centre, PointOnEllipse(Box, sweep, sweep.Start()), PenWidth);
  MarkLine(Mask, centre, PointOnEllipse(Box, sweep, sweep.End()), PenWidth);
}

void MarkChord(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth, bool Outline) {
  if (Box.IsEmpty()) return;
  const TSweep sweep(Box, Start, End);
  const TPoint a = PointOnEllipse(Box, sweep, sweep.Start()), b = PointOnEllipse(Box, sweep, sweep.End());
  // The chord keeps the pixels on the arc's side of the line from a to b: to its right, looking
  // from a to b with y pointing up (a sweep past half a turn puts the centre on that side too).
  const TRowShape shape = EllipseShape(Box);
  const TRowShape inner = Erode(shape);
  const TRect visible = Mask.Box().Inflate(PenWidth, PenWidth);
  const double ax = a.X + 0.5, ay = a.Y + 0.5, bx = b.X + 0.5, by = b.Y + 0.5;
  auto onArcSide = [&](int x, int y) {
    const double cross = (bx - ax) * (ay - (y + 0.5)) - (ay - by) * ((x + 0.5) - ax);
    return a == b || cross <= 0;
  };
  for (int i = 0; i < static_cast<int>(shape.Rows.size()); ++i) {
    const int y = shape.Top + i;
    if (y < visible.Top || y >= visible.Bottom) continue;
    const TRowSpan row = shape.Rows[i], in = inner.At(y);
    for (int x = std::max(row.Left, visible.Left); x <= std::min(row.Right, visible.Right - 1); ++x) {
      if (!onArcSide(x, y)) continue;
      const bool onOutline = in.Empty() || x < in.Left || x > in.Right;
      if (onOutline && Outline) Mask.MarkPenDisc(x, y, PenWidth);
      else Mask.MarkFill(y, x, x + 1);
    }
  }
  if (Outline) MarkLine(Mask, a, b, PenWidth);
}

}  // namespace gadrix::raster
