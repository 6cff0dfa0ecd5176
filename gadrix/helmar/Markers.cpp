#include "gadrix/helmar/Markers.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace gadrix {
namespace {

// Each symbol is described by one or two geometric parts, turned into a pixel stamp once: the
// stamp's rows are bit masks over the columns -MarkerRadius .. MarkerRadius (bit dx + MarkerRadius).
constexpr int StampSize = 2 * MarkerRadius + 1;
using TStamp = std::array<std::uint16_t, StampSize>;

enum TShape : std::uint8_t {
  shNone,
  shDot,
  shSquare,
  shCircle,
  shDiamond,
  shTriangleUp,
  shTriangleDown,
  shTriangleLeft,
  shTriangleRight,
  shHexagon,
  shStar,
  shPlus,
  shCross,
  shAsterisk,
  shHorzLine,
  shVertLine,
  shHorzBar,
  shVertBar,
  shHourglass,
  shBowTie
};

// A filled part covers its whole area; a hollow one only the pixels of its area that have a
// horizontal or vertical neighbour outside it (a one-pixel outline).
enum TFill : std::uint8_t { Filled, Hollow };

struct TPart {
  constexpr TPart() = default;
  constexpr TPart(TShape AShape, int ARadius, TFill AFill = Filled)
      : Shape(AShape), Radius(ARadius), Fill(AFill) {}
  TShape Shape = shNone;
  int Radius = 0;
  TFill Fill = Filled;
};

struct TMarkerDef {
  constexpr TMarkerDef(TPart AFirst, TPart ASecond = {}) : First(AFirst), Second(ASecond) {}
  TPart First;
  TPart Second;  // shNone when the symbol has one part
};

constexpr int Small = 3, Medium = 4, Large = 5;

// The symbols in the order of the header's table.
constexpr std::array<TMarkerDef, MarkerCount> MarkerDefs{{
    {{shDot, 0}},
    {{shSquare, 1}},
    {{shPlus, Small}},
    {{shPlus, Medium}},
    {{shPlus, Large}},
    {{shCross, Small}},
    {{shCross, Medium}},
    {{shCross, Large}},
    {{shAsterisk, Small}},
    {{shAsterisk, Medium}},
    {{shAsterisk, Large}},
    {{shSquare, Small, Hollow}},
    {{shSquare, Medium, Hollow}},
    {{shSquare, Large, Hollow}},
    {{shSquare, Small}},
    {{shSquare, Medium}},
    {{shSquare, Large}},
    {{shCircle, Small, Hollow}},
    {{shCircle, Medium, Hollow}},
    {{shCircle, Large, Hollow}},
    {{shCircle, Small}},
    {{shCircle, Medium}},
    {{shCircle, Large}},
    {{shTriangleUp, Medium, Hollow}},
    {{shTriangleUp, Medium}},
    {{shTriangleDown, Medium, Hollow}},
    {{shTriangleDown, Medium}},
    {{shTriangleLeft, Medium, Hollow}},
    {{shTriangleLeft, Medium}},
    {{shTriangleRight, Medium, Hollow}},
    {{shTriangleRight, Medium}},
    {{shDiamond, Medium, Hollow}},
    {{shDiamond, Medium}},
    {{shDiamond, Large, Hollow}},
    {{shDiamond, Large}},
    {{shHexagon, Large, Hollow}},
    {{shHexagon, Large}},
    {{shStar, Large, Hollow}},
    {{shStar, Large}},
    {{shHorzLine, Large}},
    {{shVertLine, Large}},
    {{shHorzBar, Large}},
    {{shVertBar, Large}},
    {{shSquare, Medium, Hollow}, {shDot, 0}},
    {{shCircle, Medium, Hollow}, {shDot, 0}},
    {{shCircle, Large, Hollow}, {shPlus, Large}},
    {{shSquare, Medium, Hollow}, {shCross, Medium}},
    {{shDiamond, Large, Hollow}, {shPlus, Large}},
    {{shSquare, Large, Hollow}, {shSquare, 2, Hollow}},
    {{shCircle, Large, Hollow}, {shCircle, 2}},
    {{shHourglass, Medium, Hollow}},
    {{shBowTie, Medium, Hollow}},
}};

// A triangle with its apex at -R on its axis and its base at +R across it: the half width grows by
// one pixel every two rows, from 0 at the apex to R at the base. Along is the offset along the axis
// (towards the base), Across the offset across it.
bool InTriangle(int R, int Along, int Across) {
  return Along >= -R && Along <= R && 2 * std::abs(Across) <= Along + R + 1;
}

// A hexagon with pointed left and right corners and flat top and bottom edges: a diamond with its
// top and bottom corners cut off two rows in.
bool InHexagon(int R, int DX, int DY) {
  constexpr int CutRows = 2;
  return std::abs(DY) <= R - CutRows && std::abs(DX) + std::abs(DY) <= R;
}

// The five-pointed star, drawn by hand at the large size: sampled from the geometric star at
// 11 pixels it loses its arms.
constexpr std::array<const char*, StampSize> StarArt{
    ".....#.....",
    ".....#.....",
    "....###....",
    "....###....",
    "###########",
    ".#########.",
    "..#######..",
    "...#####...",
    "..###.###..",
    ".##.....##.",
    ".#.......#.",
};

bool InStar(int DX, int DY) {
  if (std::abs(DX) > MarkerRadius || std::abs(DY) > MarkerRadius) return false;
  return StarArt[DY + MarkerRadius][DX + MarkerRadius] == '#';
}

// Whether the pixel at (DX, DY) from the centre lies in the area of Shape with radius R.
bool InShape(TShape Shape, int R, int DX, int DY) {
  const int ax = std::abs(DX), ay = std::abs(DY);
  if (ax > R || ay > R) return false;
  switch (Shape) {
    case shDot: return ax == 0 && ay == 0;
    case shSquare: return true;
    case shCircle: return DX * DX + DY * DY <= R * R + R;  // within R + 1/2 of the centre
    case shDiamond: return ax + ay <= R;
    case shTriangleUp: return InTriangle(R, DY, DX);
    case shTriangleDown: return InTriangle(R, -DY, DX);
    case shTriangleLeft: return InTriangle(R, DX, DY);
    case shTriangleRight: return InTriangle(R, -DX, DY);
    case shHexagon: return InHexagon(R, DX, DY);
    case shStar: return InStar(DX, DY);  // drawn at the large size only
    case shPlus: return ax == 0 || ay == 0;
    case shCross: return ax == ay;
    case shAsterisk: return ax == 0 || ay == 0 || ax == ay;
    case shHorzLine: return ay == 0;
    case shVertLine: return ax == 0;
    case shHorzBar: return ay <= 1;
    case shVertBar: return ax <= 1;
    case shHourglass: return ax <= ay;
    case shBowTie: return ay <= ax;
    case shNone: return false;
  }
  return false;
}

bool InPart(const TPart& Part, int DX, int DY) {
  if (!InShape(Part.Shape, Part.Radius, DX, DY)) return false;
  if (Part.Fill == Filled) return true;
  const auto outside = [&](int X, int Y) { return !InShape(Part.Shape, Part.Radius, X, Y); };
  return outside(DX - 1, DY) || outside(DX + 1, DY) || outside(DX, DY - 1) || outside(DX, DY + 1);
}

TStamp MakeStamp(const TMarkerDef& Def) {
  TStamp stamp{};
  for (int dy = -MarkerRadius; dy <= MarkerRadius; ++dy)
    for (int dx = -MarkerRadius; dx <= MarkerRadius; ++dx)
      if (InPart(Def.First, dx, dy) || InPart(Def.Second, dx, dy))
        stamp[dy + MarkerRadius] |= static_cast<std::uint16_t>(1u << (dx + MarkerRadius));
  return stamp;
}

const std::array<TStamp, MarkerCount>& Stamps() {
  static const std::array<TStamp, MarkerCount> stamps = [] {
    std::array<TStamp, MarkerCount> all{};
    for (int i = 0; i < MarkerCount; ++i) all[i] = MakeStamp(MarkerDefs[i]);
    return all;
  }();
  return stamps;
}

// Puts the pen back as it was, with its position, when the symbol is drawn.
class TPenKeeper {
public:
  explicit TPenKeeper(TCanvas* Canvas) : canvas_(Canvas), pos_(Canvas->GetPenPos()) {
    saved_.Assign(Canvas->GetPen());
  }
  ~TPenKeeper() {
    canvas_->GetPen()->Assign(&saved_);
    canvas_->MoveTo(pos_.X, pos_.Y);
  }
  TPenKeeper(const TPenKeeper&) = delete;
  TPenKeeper& operator=(const TPenKeeper&) = delete;

private:
  TCanvas* canvas_;
  TPoint pos_;
  TPen saved_;
};

// Draws the stamp's rows as horizontal runs of the thin pen, each pixel once (so that inverting pen
// modes invert each pixel exactly once).
void PaintStamp(TCanvas* Canvas, const TStamp& Stamp, int X, int Y) {
  for (int row = 0; row < StampSize; ++row) {
    const unsigned bits = Stamp[row];
    int col = 0;
    while (col < StampSize) {
      if ((bits >> col & 1u) == 0) {
        ++col;
        continue;
      }
      const int first = col;
      while (col < StampSize && (bits >> col & 1u) != 0) ++col;
      const int y = Y + row - MarkerRadius;
      Canvas->MoveTo(X + first - MarkerRadius, y);
      Canvas->LineTo(X + col - MarkerRadius, y);  // the end point, one past the run, is not drawn
    }
  }
}

}  // namespace

void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y) {
  // A centre this far out lies outside any canvas (and X + MarkerRadius must not overflow).
  constexpr int FarCoordinate = 1 << 29;
  if (Canvas == nullptr || Mark < 0 || Mark >= MarkerCount) return;
  if (X < -FarCoordinate || X > FarCoordinate || Y < -FarCoordinate || Y > FarCoordinate) return;
  if (Canvas->GetPen()->GetStyle() == psClear) return;
  TPenKeeper keeper(Canvas);
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetPen()->SetStyle(psSolid);
  PaintStamp(Canvas, Stamps()[Mark], X, Y);
}

}  // namespace gadrix
