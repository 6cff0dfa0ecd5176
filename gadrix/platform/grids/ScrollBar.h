#pragma once
// A scroll bar that a control draws in its own non-client area (a grid, a drop-down list): its
// geometry, its look and what a point on it means. The control keeps the interaction.
//
// Positions run from 0 to Max; Page is how many positions one view shows, which sets the length
// of the thumb. Along the bar lie: the back arrow button, the track with the thumb, the forward
// arrow button; the buttons are square (the bar's thickness) unless the bar is too short for them.

#include <cstdint>

#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix {

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

// The part of a scroll bar under a point.
enum TScrollHit : std::uint8_t { shNone, shLineBack, shLineForward, shPageBack, shPageForward, shThumb };

struct TScrollBarModel {
  // The shortest thumb, so that it can still be caught.
  static constexpr int MinThumb = 8;

  TScrollBarKind Kind = sbVertical;
  TRect Bounds;       // where the bar lies, in the coordinates it is drawn in
  int Max = 0;        // the largest position
  int Page = 1;       // positions per view, at least 1
  int Position = 0;   // 0 to Max

  int Length() const { return Kind == sbVertical ? Bounds.Height() : Bounds.Width(); }
  int Thickness() const { return Kind == sbVertical ? Bounds.Width() : Bounds.Height(); }
  int ButtonLength() const;
  int TrackStart() const { return ButtonLength(); }
  int TrackLength() const;
  // 0 when the track is too short to hold a thumb.
  int ThumbLength() const;
  // Offset of the thumb along the bar, from the bar's start.
  int ThumbStart() const { return ThumbStartFor(Position); }
  int ThumbStartFor(int APosition) const;
  TRect ThumbRect() const;
  // The position whose thumb starts at Offset along the bar (clamped to 0 to Max).
  int PositionAt(int Offset) const;
  // The offset along the bar of a point.
  int Along(TPoint P) const { return Kind == sbVertical ? P.Y - Bounds.Top : P.X - Bounds.Left; }
  TScrollHit HitTest(TPoint P) const;

  // Draws the bar: raised arrow buttons, a light track and a raised thumb.
  void Paint(TCanvas* Canvas) const;
};

// A raised button face along the inside of R, as scroll bar buttons and thumbs look.
void DrawRaisedFace(TCanvas* Canvas, const TRect& R);

}  // namespace gadrix
