#include "gadrix/platform/grids/ScrollBar.h"

#include <algorithm>

namespace gadrix {
namespace {

// The track: the classic dither of button face and highlight, as one colour.
constexpr TColor kTrackColor = 0xE3E7E9;
// Arrow glyphs: a triangle this many pixels high (its base twice as long, less one).
constexpr int kArrowHeight = 4;

void FillColor(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->GetBrush()->SetColor(Color);
  Canvas->FillRect(R);
}

// A filled triangle centred in R, pointing towards the bar's start (back) or its end (forward):
// row i from the tip spans 2i + 1 pixels.
void DrawArrow(TCanvas* Canvas, const TRect& R, TScrollBarKind Kind, bool Forward) {
  const int cx = R.Left + (R.Width() - 1) / 2, cy = R.Top + (R.Height() - 1) / 2;
  Canvas->GetBrush()->SetColor(clBtnText);
  for (int i = 0; i < kArrowHeight; ++i) {
    const int half = Forward ? kArrowHeight - 1 - i : i;
    const int at = i - kArrowHeight / 2;
    if (Kind == sbVertical) Canvas->FillRect({cx - half, cy + at, cx + half + 1, cy + at + 1});
    else Canvas->FillRect({cx + at, cy - half, cx + at + 1, cy + half + 1});
  }
}

}  // namespace

void DrawRaisedFace(TCanvas* Canvas, const TRect& R) {
  if (R.IsEmpty()) return;
  FillColor(Canvas, R, clBtnFace);
  // Outer ring: light at the top and left, dark shadow at the bottom and right; inner ring: highlight
  // and shadow.
  FillColor(Canvas, {R.Left, R.Top, R.Right - 1, R.Top + 1}, cl3DLight);
  FillColor(Canvas, {R.Left, R.Top, R.Left + 1, R.Bottom - 1}, cl3DLight);
  FillColor(Canvas, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, cl3DDkShadow);
  FillColor(Canvas, {R.Right - 1, R.Top, R.Right, R.Bottom}, cl3DDkShadow);
  const TRect in = R.Inflate(-1, -1);
  if (in.IsEmpty()) return;
  FillColor(Canvas, {in.Left, in.Top, in.Right - 1, in.Top + 1}, clBtnHighlight);
  FillColor(Canvas, {in.Left, in.Top, in.Left + 1, in.Bottom - 1}, clBtnHighlight);
  FillColor(Canvas, {in.Left, in.Bottom - 1, in.Right, in.Bottom}, clBtnShadow);
  FillColor(Canvas, {in.Right - 1, in.Top, in.Right, in.Bottom}, clBtnShadow);
}

int TScrollBarModel::ButtonLength() const { return std::min(Thickness(), Length() / 2); }

int TScrollBarModel::TrackLength() const { return std::max(Length() - 2 * ButtonLength(), 0); }

int TScrollBarModel::ThumbLength() const {
  const int track = TrackLength();
  if (track < MinThumb || Max <= 0) return 0;
  const std::int64_t page = std::max(Page, 1);
  const auto proportional = static_cast<int>(track * page / (page + Max));
  return std::clamp(proportional, MinThumb, track);
}

int TScrollBarModel::ThumbStartFor(int APosition) const {
  const int free = TrackLength() - ThumbLength();
  if (Max <= 0) return TrackStart();
  const std::int64_t pos = std::clamp(APosition, 0, Max);
  return TrackStart() + static_cast<int>(free * pos / Max);
}

TRect TScrollBarModel::ThumbRect() const {
  const int length = ThumbLength();
  if (length == 0) return {};
  const int start = ThumbStart();
  return Kind == sbVertical ? TRect{Bounds.Left, Bounds.Top + start, Bounds.Right, Bounds.Top + start + length}
                            : TRect{Bounds.Left + start, Bounds.Top, Bounds.Left + start + length, Bounds.Bottom};
}

int TScrollBarModel::PositionAt(int Offset) const {
  const int free = TrackLength() - ThumbLength();
  if (free <= 0 || Max <= 0) return 0;
  const std::int64_t along = std::clamp(Offset - TrackStart(), 0, free);
  return static_cast<int>((along * Max + free / 2) / free);
}

TScrollHit TScrollBarModel::HitTest(TPoint P) const {
  if (!Bounds.Contains(P)) return shNone;
  const int along = Along(P);
  if (along < ButtonLength()) return shLineBack;
  if (along >= Length() - ButtonLength()) return shLineForward;
  if (ThumbLength() == 0) return shNone;
  if (along < ThumbStart()) return shPageBack;
  if (along >= ThumbStart() + ThumbLength()) return shPageForward;
  return shThumb;
}

void TScrollBarModel::Paint(TCanvas* Canvas) const {
  if (Bounds.IsEmpty()) return;
  FillColor(Canvas, Bounds, kTrackColor);
  const int button = ButtonLength();
  const TRect back = Kind == sbVertical ? TRect{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Top + button}
                                        : TRect{Bounds.Left, Bounds.Top, Bounds.Left + button, Bounds.Bottom};
  const TRect forward = Kind == sbVertical
                            ? TRect{Bounds.Left, Bounds.Bottom - button, Bounds.Right, Bounds.Bottom}
                            : TRect{Bounds.Right - button, Bounds.Top, Bounds.Right, Bounds.Bottom};
  DrawRaisedFace(Canvas, back);
  DrawRaisedFace(Canvas, forward);
  DrawArrow(Canvas, back, Kind, false);
  DrawArrow(Canvas, forward, Kind, true);
  DrawRaisedFace(Canvas, ThumbRect());
}

}  // namespace gadrix
