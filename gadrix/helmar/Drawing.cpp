#include "gadrix/helmar/Drawing.h"

#include <algorithm>
#include <array>

namespace gadrix {
namespace {

// Which of the five frame colours a ring edge takes.
enum TFrameColorRole : std::uint8_t { fcHighlight, fcLight, fcShadow, fcDarkShadow, fcLine };

struct TRingLook {
  TFrameColorRole TopLeft;
  TFrameColorRole BottomRight;
};

struct TFrameLook {
  int Rings;                       // the border width in pixels
  std::array<TRingLook, 2> Ring;   // outer ring first
};

constexpr int LastFrameStyle = 5;

// The looks of styles 0 to 5, as tabled in the header.
constexpr std::array<TFrameLook, LastFrameStyle + 1> FrameLooks{{
    {0, {}},
    {1, {{{fcLine, fcLine}}}},
    {2, {{{fcShadow, fcHighlight}, {fcDarkShadow, fcLight}}}},
    {2, {{{fcLight, fcDarkShadow}, {fcHighlight, fcShadow}}}},
    {2, {{{fcHighlight, fcShadow}, {fcShadow, fcHighlight}}}},
    {2, {{{fcShadow, fcHighlight}, {fcHighlight, fcShadow}}}},
}};

// Coordinates farther out than this lie outside any canvas; they are pulled in to it, so that the
// arithmetic on them (one past the last pixel, rings further in) cannot overflow.
constexpr int FarCoordinate = 1 << 29;

int Near(int Coordinate) { return std::clamp(Coordinate, -FarCoordinate, FarCoordinate); }

const TFrameLook& LookOf(TFrameStyle FrameStyle) {
  return FrameLooks[FrameStyle <= LastFrameStyle ? FrameStyle : 0];
}

// Restores the brush when drawing is done, whatever the drawing did to it.
class TBrushKeeper {
public:
  explicit TBrushKeeper(TCanvas* Canvas) : canvas_(Canvas) { saved_.Assign(Canvas->GetBrush()); }
  ~TBrushKeeper() { canvas_->GetBrush()->Assign(&saved_); }
  TBrushKeeper(const TBrushKeeper&) = delete;
  TBrushKeeper& operator=(const TBrushKeeper&) = delete;

private:
  TCanvas* canvas_;
  TBrush saved_;
};

// Fills the inclusive span (Left, Top)..(Right, Bottom) in Color; nothing when it is empty.
void FillSpan(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color) {
  if (Right < Left || Bottom < Top) return;
  Canvas->GetBrush()->SetColor(Color);
  Canvas->FillRect(Rect(Left, Top, Right + 1, Bottom + 1));
}

// One ring along the inside of the inclusive rectangle: top and left edges in TopLeft, bottom and
// right edges (with the top-right and bottom-left corners) in BottomRight.
void DrawRing(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor TopLeft,
              TColor BottomRight) {
  FillSpan(Canvas, Left, Top, Right - 1, Top, TopLeft);
  FillSpan(Canvas, Left, Top + 1, Left, Bottom - 1, TopLeft);
  FillSpan(Canvas, Left, Bottom, Right, Bottom, BottomRight);
  FillSpan(Canvas, Right, Top, Right, Bottom - 1, BottomRight);
}

}  // namespace

int FrameBorderWidth(TFrameStyle FrameStyle) { return LookOf(FrameStyle).Rings; }

void DrawFrameBorder(TCanvas* Canvas, TFrameStyle FrameStyle, int Left, int Top, int Right,
                     int Bottom, TColor C1, TColor C2, TColor C3, TColor C4, TColor C5) {
  if (Canvas == nullptr || Right < Left || Bottom < Top) return;
  Left = Near(Left), Top = Near(Top), Right = Near(Right), Bottom = Near(Bottom);
  const std::array<TColor, 5> colors{C1, C2, C3, C4, C5};
  const TFrameLook& look = LookOf(FrameStyle);
  TBrushKeeper keeper(Canvas);
  for (int k = 0; k < look.Rings; ++k) {
    const int l = Left + k, t = Top + k, r = Right - k, b = Bottom - k;
    if (r < l || b < t) break;  // the rectangle is too small for this ring
    DrawRing(Canvas, l, t, r, b, colors[look.Ring[k].TopLeft], colors[look.Ring[k].BottomRight]);
  }
}

void DrawFrame(TCanvas* Canvas, TFrameStyle FrameStyle, int Left, int Top, int Right, int Bottom,
               TColor C1, TColor C2, TColor C3, TColor C4, TColor C5) {
  if (Canvas == nullptr || Right < Left || Bottom < Top) return;
  // FillRect leaves the inside alone when the brush is clear.
  Canvas->FillRect(Rect(Near(Left), Near(Top), Near(Right) + 1, Near(Bottom) + 1));
  DrawFrameBorder(Canvas, FrameStyle, Left, Top, Right, Bottom, C1, C2, C3, C4, C5);
}

void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom) {
  if (Canvas == nullptr || Right < Left || Bottom < Top) return;
  Left = Near(Left), Top = Near(Top), Right = Near(Right), Bottom = Near(Bottom);
  const TPoint penPos = Canvas->GetPenPos();
  Canvas->MoveTo(Left, Top);
  // A rectangle one pixel high or wide would retrace itself as a closed path: one line, reaching
  // one past its far end so that the end is drawn, covers it.
  if (Top == Bottom) {
    Canvas->LineTo(Right + 1, Top);
  } else if (Left == Right) {
    Canvas->LineTo(Left, Bottom + 1);
  } else {
    Canvas->LineTo(Right, Top);
    Canvas->LineTo(Right, Bottom);
    Canvas->LineTo(Left, Bottom);
    Canvas->LineTo(Left, Top);
  }
  Canvas->MoveTo(penPos.X, penPos.Y);
}

}  // namespace gadrix
