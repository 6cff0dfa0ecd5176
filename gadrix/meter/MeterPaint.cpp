// TMeter's painting. The whole picture is built on an off-screen bitmap of the control's size and
// copied to the control's canvas in one step, so a meter that animates never shows a half-drawn
// dial. The layers, back to front: background, scale bands, scale, caption, needles, bezel, anchor
// and dial window, limit lamps, the user's OnMeterRendered, the outer frame.
//
// What lies under the needles (the dial) and over them (the cover) does not change with the
// values, so both are kept as bitmaps and drawn anew only after a change of what they show: a
// meter that animates draws its needles, lamps and frame on a copy of the dial and lays the
// cover's pixels over them. The result is the same, pixel for pixel, as drawing every layer.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "gadrix/helmar/Drawing.h"
#include "gadrix/meter/Meter.h"

namespace gadrix {

namespace {

// The fixed highlight and shadow lines of the dial window, the anchor and the lamps.
constexpr TColor kLineWhite = clWhite;
constexpr TColor kLineGrey = clGray;
constexpr TColor kLampSilver = clSilver;

// Scale ticks run inwards from the arc: minor ones 4 pixels, major ones 8.
constexpr int kMinorTickLength = 4;
constexpr int kMajorTickLength = 8;
// Labels keep this margin from the arc beyond half their size.
constexpr double kLabelMargin = 15;
// The bands reach this far beyond the arc.
constexpr double kBandOverhang = 4;
// ScaleBkWidth is a percentage of the radius.
constexpr double kWholeRadiusPercent = 100;
// Two band rays closer than this (radians) would make a whole circle of a pie: the band is empty.
constexpr double kEmptyBandAngle = 1e-6;
// Lamps: a 10-pixel square, 8 pixels in from the corner of the dial window.
constexpr int kLampSize = 10;
constexpr int kLampInset = 8;

void Line(TCanvas* C, TPoint From, TPoint To) {
  C->MoveTo(From.X, From.Y);
  C->LineTo(To.X, To.Y);
}

void PenAndBrush(TCanvas* C, TColor Color) {
  C->GetPen()->SetColor(Color);
  C->GetBrush()->SetColor(Color);
}

// The off-screen canvas as a new bitmap has it: black pen, white solid brush. Event handlers of the
// previous paint may have changed it.
void ResetCanvas(TCanvas* C) {
  TPen* pen = C->GetPen();
  pen->SetColor(clBlack);
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  C->GetBrush()->SetColor(clWhite);
  C->SetCopyMode(cmSrcCopy);
  C->SetOrigin({0, 0});
  C->ResetClipRect();
}

// A sunken lamp: black square, a white and silver lower-right edge and a grey upper-left one
// inside it, filled with Fill.
void PaintLamp(TCanvas* C, int Left, int Top, TColor Fill) {
  const int r = Left + kLampSize - 1, b = Top + kLampSize - 1;
  C->GetPen()->SetColor(clBlack);
  C->GetBrush()->SetColor(Fill);
  C->Rectangle(Left, Top, Left + kLampSize, Top + kLampSize);
  C->GetPen()->SetColor(kLineWhite);
  C->MoveTo(Left + 1, b);
  C->LineTo(r, b);
  C->LineTo(r, Top);
  C->GetPen()->SetColor(kLampSilver);
  C->MoveTo(Left + 2, b - 1);
  C->LineTo(r - 1, b - 1);
  C->LineTo(r - 1, Top + 1);
  C->GetPen()->SetColor(kLineGrey);
  C->MoveTo(Left + 1, b - 1);
  C->LineTo(Left + 1, Top + 1);
  C->LineTo(r, Top + 1);
}

void PaintNeedle(TCanvas* C, const TMeterScale& S, double Value, const TNeedleLayout& Needle) {
  const std::array<TPoint, 7> corners = NeedlePolygon(S, Value, Needle);
  std::vector<TPoint> polygon(corners.begin(), corners.end());
  if (Needle.HasShadow()) {
    std::vector<TPoint> shadow = polygon;
    for (TPoint& p : shadow) {
      p.X -= Needle.GetShadowDx();
      p.Y -= Needle.GetShadowDy();
    }
    PenAndBrush(C, Needle.GetShadowColor());
    C->Polygon(shadow);
  }
  C->GetPen()->SetColor(Needle.GetColorOutline());
  C->GetBrush()->SetColor(Needle.GetColorBody());
  C->Polygon(polygon);
}

}  // namespace

void TMeter::Paint() {
  const int w = GetWidth(), h = GetHeight();
  if (geometry_.Radius <= 0 || w <= 0 || h <= 0) return;
  if (frame_.GetWidth() != w || frame_.GetHeight() != h) {
    frame_.SetSize(w, h);
    dialDirty_ = true;
  }
  if (dialDirty_) RebuildLayers();
  RenderMeter(frame_);
  TCanvas* target = GetCanvas();
  target->SetCopyMode(cmSrcCopy);
  target->Draw(0, 0, &frame_);
}

void TMeter::RenderMeter(TBitmap& Frame) {
  TCanvas* C = Frame.GetCanvas();
  ResetCanvas(C);
  // A label handler may say something new on every paint: then the dial is drawn every time.
  if (onBeforeDrawScaleLabel_) {
    PaintDial(C);
  } else {
    C->Draw(0, 0, &dial_);
  }
  C->GetBrush()->SetStyle(bsClear);
  C->SetFont(GetFont());
  PaintNeedles(C, Scale());
  CopyCover(Frame);
  PaintLamps(C);
  if (onMeterRendered_) onMeterRendered_(this, C);
  PaintFrame(C);
}

void TMeter::RebuildLayers() {
  const int w = GetWidth(), h = GetHeight();
  dial_.SetSize(w, h);
  ResetCanvas(dial_.GetCanvas());
  if (!onBeforeDrawScaleLabel_) PaintDial(dial_.GetCanvas());
  // The cover drawn on black and on white: the pixels that come out alike are the ones it draws.
  TBitmap onWhite;
  onWhite.SetSize(w, h);
  cover_.SetSize(w, h);
  for (TBitmap* layer : {&cover_, &onWhite}) {
    TCanvas* c = layer->GetCanvas();
    ResetCanvas(c);
    c->GetBrush()->SetColor(layer == &cover_ ? clBlack : clWhite);
    c->FillRect(Rect(0, 0, w, h));
    PaintCover(c);
  }
  coverSpans_ = DrawnSpans(cover_, onWhite);
  dialDirty_ = false;
}

std::vector<TMeter::TSpan> TMeter::DrawnSpans(const TBitmap& OnBlack, const TBitmap& OnWhite) {
  std::vector<TSpan> spans;
  const int w = OnBlack.GetWidth();
  for (int y = 0; y < OnBlack.GetHeight(); ++y) {
    const TPixel* black = OnBlack.ScanLine(y);
    const TPixel* white = OnWhite.ScanLine(y);
    for (int x = 0; x < w;) {
      if (black[x] != white[x]) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < w && black[x] == white[x]) ++x;
      spans.push_back({y, left, x});
    }
  }
  return spans;
}

// Background, scale bands, scale and caption: the layers under the needles.
void TMeter::PaintDial(TCanvas* C) {
  const TMeterScale scale = Scale();
  PaintBackground(C);
  if (scaleBkVisible_) PaintScaleBands(C, scale);
  C->GetBrush()->SetStyle(bsClear);
  if (scaleVisible_) PaintScale(C, scale);
  PaintCaption(C);
}

// Bezel, anchor and the dial window's edge: what hides the needles' ends.
void TMeter::PaintCover(TCanvas* C) const {
  PaintBezel(C);
  PaintAnchor(C);
}

void TMeter::CopyCover(TBitmap& Target) const {
  for (const TSpan& span : coverSpans_) {
    const TPixel* from = cover_.ScanLine(span.Y);
    std::copy(from + span.Left, from + span.Right, Target.ScanLine(span.Y) + span.Left);
  }
}

void TMeter::PaintBackground(TCanvas* C) const {
  const int w = GetWidth(), h = GetHeight();
  if (!background_ || background_->GetEmpty()) {
    PenAndBrush(C, colorBakG_);
    C->Rectangle(0, 0, w, h);
    return;
  }
  const TBitmap* picture = background_.get();
  switch (bkgndFillMode_) {
    case 1: {
      const int previous = SetStretchBltMode(C, HALFTONE);
      C->StretchDraw(Rect(0, 0, w, h), picture);
      SetStretchBltMode(C, previous);
      break;
    }
    case 2: {
      const int pw = picture->GetWidth(), ph = picture->GetHeight();
      const int columns = (w - 1) / pw + 1, rows = (h - 1) / ph + 1;
      for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) C->Draw(column * pw, row * ph, picture);
      break;
    }
    default:
      // The canvas is as a new bitmap has it: a black outline around white, under the picture.
      C->Rectangle(0, 0, w, h);
      C->Draw(0, 0, picture);
      break;
  }
}

void TMeter::PaintScaleBands(TCanvas* C, const TMeterScale& S) const {
  const TMeterGeometry& g = geometry_;
  const int r4 = RoundCoord(g.Radius + kBandOverhang);
  const TRect box = Rect(g.CenterX - r4, g.CenterY - r4, g.CenterX + r4 + 1, g.CenterY + r4);
  // Each band runs counter-clockwise from the ray of its upper value to the ray of its lower one.
  const auto band = [&](double Upper, double Lower, TColor Color) {
    const double degrees = std::fabs(S.DrawingAngle(Upper) - S.DrawingAngle(Lower));
    if (degrees * std::numbers::pi / 180 <= kEmptyBandAngle) return;
    const TPoint from = S.PointAt(Upper, r4), to = S.PointAt(Lower, r4);
    PenAndBrush(C, Color);
    C->Pie(box.Left, box.Top, box.Right, box.Bottom, from.X, from.Y, to.X, to.Y);
  };
  band(thresholdLow_, minValue_, colorSclBkLow_);
  band(thresholdHigh_, thresholdLow_, colorSclBkNorm_);
  band(maxValue_, thresholdHigh_, colorSclBkHigh_);
  // The dial's background over the middle leaves the bands along the rim.
  const int ri = RoundCoord((kWholeRadiusPercent - scaleBkWidth_) * g.Radius / kWholeRadiusPercent);
  PenAndBrush(C, colorBakG_);
  C->Ellipse(g.CenterX - ri, g.CenterY - ri, g.CenterX + ri + 1, g.CenterY + ri);
}

void TMeter::PaintScale(TCanvas* C, const TMeterScale& S) {
  const TMeterGeometry& g = geometry_;
  const double r = g.Radius;
  C->GetPen()->SetColor(colorScale_);
  if (scaleLine_) {
    const int ri = RoundCoord(r);
    const TPoint high = S.PointAt(maxValue_, r), low = S.PointAt(minValue_, r);
    C->Arc(g.CenterX - ri, g.CenterY - ri, g.CenterX + ri + 1, g.CenterY + ri, high.X, high.Y, low.X, low.Y);
  }
  if (shortTicks_)
    for (double t : MinorTicks(CalcTickStep(minValue_, maxValue_, nrTicks_), minValue_, maxValue_))
      Line(C, S.PointAt(t, r), S.PointAt(t, r - kMinorTickLength));

  C->SetFont(GetFont());
  const TSize widest = C->TextExtent(ScaleLabel(maxValue_, decPlaces_));
  const double offsetX = widest.cx / 2.0 + kLabelMargin, offsetY = widest.cy / 2.0 + kLabelMargin;
  for (const TScaleTick& tick : ScaleTicks(minValue_, maxValue_, nrTicks_, logarithmic_)) {
    Line(C, S.PointAt(tick.Value, r), S.PointAt(tick.Value, r - kMajorTickLength));
    if (!tick.Labelled) continue;
    std::string label = ScaleLabel(tick.Value, decPlaces_);
    const TPoint anchor = S.LabelAnchor(tick.Value, offsetX, offsetY);
    if (onBeforeDrawScaleLabel_) {
      const TSize size = C->TextExtent(label);
      onBeforeDrawScaleLabel_(this, C, label, anchor.X - size.cx / 2, anchor.Y - size.cy / 2);
    }
    if (label.empty()) continue;
    const TSize size = C->TextExtent(label);
    C->TextOut(anchor.X - size.cx / 2, anchor.Y - size.cy / 2, label);
  }
}

void TMeter::PaintCaption(TCanvas* C) const {
  const std::string& caption = GetCaption();
  if (caption.empty()) return;
  C->SetFont(fontCaption_.get());
  const TSize size = C->TextExtent(caption);
  const int middle = geometry_.CenterY - RoundCoord(geometry_.Radius / 3);
  C->TextOut(geometry_.CenterX - size.cx / 2, middle - size.cy / 2, caption);
}

void TMeter::PaintNeedles(TCanvas* C, const TMeterScale& S) {
  bool drawn = false;
  if (onBeforeDrawNeedle_) onBeforeDrawNeedle_(this, C, drawn);
  if (!drawn) PaintNeedle(C, S, value_, *needle_);
  if (needleSec_->GetVisible()) PaintNeedle(C, S, valueSec_, *needleSec_);
}

void TMeter::PaintBezel(TCanvas* C) const {
  const int w = GetWidth(), h = GetHeight();
  PenAndBrush(C, colorCover_);
  C->Rectangle(0, 0, rimSide_ - 1, h);
  C->Rectangle(0, 0, w, rimTop_);
  C->Rectangle(w - rimSide_, 0, w, h);
  C->Rectangle(0, h - rimBottom_, w, h);
}

// The dial window's edge: lit from the top left, so its lower and right edges are white.
void TMeter::PaintWindowLines(TCanvas* C) const {
  const int left = rimSide_ - 1, right = GetWidth() - rimSide_;
  const int top = rimTop_, bottom = GetHeight() - rimBottom_;
  C->GetPen()->SetColor(kLineWhite);
  C->MoveTo(left, bottom);
  C->LineTo(right, bottom);
  C->LineTo(right, top);
  C->GetPen()->SetColor(kLineGrey);
  C->LineTo(left, top);
  C->LineTo(left, bottom);
}

void TMeter::PaintAnchor(TCanvas* C) const {
  if (!anchorCovered_) {
    PaintWindowLines(C);
    return;
  }
  const int cx = geometry_.CenterX, cy = geometry_.CenterY, s = anchorSize_;
  if (anchorPicture_ && !anchorPicture_->GetEmpty()) {
    PaintWindowLines(C);
    C->Draw(cx - anchorPicture_->GetWidth() / 2, cy - anchorPicture_->GetHeight() / 2, anchorPicture_.get());
    return;
  }
  if (meterLayout_ == mlCirc270 || meterLayout_ == mlCirc300 || meterLayout_ == mlCirc360) {
    // A raised disc in the middle of the dial.
    PenAndBrush(C, colorCover_);
    C->Ellipse(cx - s, cy - s, cx + s, cy + s);
    PaintWindowLines(C);
    C->GetPen()->SetColor(kLineWhite);
    C->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy - s, cx - s, cy + s);
    C->GetPen()->SetColor(kLineGrey);
    C->Arc(cx - s, cy - s, cx + s, cy + s, cx - s, cy + s, cx + s, cy - s);
    return;
  }
  // A half disc on a pillar that rises from the bottom rim; the window's edge runs around the pillar.
  const int w = GetWidth(), h = GetHeight();
  const int left = rimSide_ - 1, right = w - rimSide_, top = rimTop_, bottom = h - rimBottom_;
  PenAndBrush(C, colorCover_);
  C->Pie(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  C->Rectangle(cx - s, cy, cx + s, bottom);
  C->GetPen()->SetColor(kLineGrey);
  C->MoveTo(cx + s - 1, cy);
  C->LineTo(cx + s - 1, bottom);
  C->GetPen()->SetColor(kLineWhite);
  C->LineTo(right, bottom);
  C->LineTo(right, top);
  C->GetPen()->SetColor(kLineGrey);
  C->LineTo(left, top);
  C->LineTo(left, bottom);
  C->GetPen()->SetColor(kLineWhite);
  C->LineTo(cx - s, bottom);
  C->LineTo(cx - s, cy - 1);
  C->Arc(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  C->GetPen()->SetColor(kLineGrey);
  C->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy, cx + s, cy - s);
}

void TMeter::PaintLamps(TCanvas* C) const {
  const int top = rimTop_ + kLampInset;
  if (limWatchHighOn_)
    PaintLamp(C, GetWidth() - rimSide_ - kLampInset - kLampSize, top,
              highReached_ ? limWatchActColor_ : limWatchPsvColor_);
  if (limWatchLowOn_)
    PaintLamp(C, rimSide_ + kLampInset, top, lowReached_ ? limWatchActColor_ : limWatchPsvColor_);
}

void TMeter::PaintFrame(TCanvas* C) const {
  const int r = GetWidth() - 1, b = GetHeight() - 1;
  // Styles 2 and 3: the top-left and the bottom-right edge in two colours.
  const auto twoTone = [&](TColor TopLeft, TColor BottomRight) {
    C->GetPen()->SetColor(TopLeft);
    C->MoveTo(0, b);
    C->LineTo(0, 0);
    C->LineTo(r, 0);
    C->GetPen()->SetColor(BottomRight);
    C->LineTo(r, b);
    C->LineTo(0, b);
  };
  // Styles 4 and 5: an outline one pixel short of the right and bottom, and an inner and outer
  // line in the other colour: a ridge or a groove.
  const auto etched = [&](TColor Outline, TColor Lines) {
    C->GetPen()->SetColor(Outline);
    DrawRectangle(C, 0, 0, r - 1, b - 1);
    C->GetPen()->SetColor(Lines);
    C->MoveTo(1, b - 2);
    C->LineTo(1, 1);
    C->LineTo(r - 1, 1);
    C->MoveTo(1, b);
    C->LineTo(r, b);
    C->LineTo(r, 0);
  };
  switch (frameStyle_) {
    case 1:
      C->GetPen()->SetColor(colorBakG_);
      DrawRectangle(C, 0, 0, r, b);
      break;
    case 2: twoTone(colGrayLine_, colWhiteLine_); break;
    case 3: twoTone(colWhiteLine_, colGrayLine_); break;
    case 4: etched(colWhiteLine_, colGrayLine_); break;
    case 5: etched(colGrayLine_, colWhiteLine_); break;
    default: break;
  }
}

}  // namespace gadrix
