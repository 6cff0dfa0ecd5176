// Pixels of a painted meter: needles, shadow, bands, scale, labels, caption, bezel, anchor, lamps,
// frames and the drawing events. The default meter is mlCirc90 at 297 x 209: centre (148, 191),
// radius 175, rims 8 (top), 10 (bottom) and 10 (sides).

#include <cmath>
#include <numbers>

#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

using testing::MeterTest;

constexpr int W = 297, H = 209, CX = 148, CY = 191;
const TColor kFace = ColorToRGB(clBtnFace);
constexpr TColor kMarker = 0x00C0FF;  // a colour nothing of the meter uses by default
constexpr TColor kOrange = 0x0080FF;

// The pixel at Radius on the ray of drawing angle Degrees (counter-clockwise from the right).
TPoint AtAngle(double Degrees, double Radius) {
  const double a = Degrees * std::numbers::pi / 180;
  return {static_cast<int>(std::lround(CX + Radius * std::cos(a))),
          static_cast<int>(std::lround(CY - Radius * std::sin(a)))};
}

TEST_F(MeterTest, AMeterWithoutRadiusDrawsNothingNotEvenItsBackground) {
  meter->SetHeight(30);  // radius 30 - 10 - 8 - 16 < 0
  ASSERT_LE(meter->GetMeterRadius(), 0);
  Paint(kMarker);
  EXPECT_EQ(Count(Rect(0, 0, W, 30), kMarker), W * 30);
}

TEST_F(MeterTest, TheNeedleTipLiesFourPixelsInsideTheScale) {
  meter->SetValue(0.5);
  meter->SetScaleVisible(false);
  Paint();
  EXPECT_EQ(At(CX, CY - 171), clBlack);  // the tip, outlined
  EXPECT_EQ(At(CX, CY - 172), clWhite);
  EXPECT_EQ(At(CX, CY - 160), clSilver);  // inside the head
  EXPECT_EQ(At(CX, 100), clBlack);        // a shaft of thickness 0 is a line

  meter->GetNeedleLayout()->SetPercentNeedleLength(60);  // 0.6 x 171 = 102.6
  Paint();
  EXPECT_EQ(At(CX, CY - 103), clBlack);
  EXPECT_EQ(At(CX, CY - 104), clWhite);

  meter->GetNeedleLayout()->SetPercentNeedleLength(100);
  for (double v : {0.0, 0.2, 1.0}) {
    meter->SetValue(v);
    Paint();
    EXPECT_EQ(At(OnRay(v, 171)), clBlack) << v;
    EXPECT_EQ(At(OnRay(v, 174)), clWhite) << v;
  }
}

TEST_F(MeterTest, AThickNeedleHasAFilledShaft) {
  meter->SetValue(0.5);
  meter->GetNeedleLayout()->SetThickness(8);
  Paint();
  EXPECT_EQ(At(CX, 100), clSilver);
  EXPECT_EQ(At(CX - 4, 100), clBlack);
  EXPECT_EQ(At(CX + 4, 100), clBlack);
  EXPECT_EQ(At(CX - 6, 100), clWhite);
}

TEST_F(MeterTest, TheShadowLiesOffsetLeftAndUpOfTheNeedle) {
  meter->SetValue(0.5);
  TNeedleLayout* needle = meter->GetNeedleLayout();
  needle->SetShadowColor(kMarker);
  Paint();
  EXPECT_EQ(Count(Rect(0, 0, W, H), kMarker), 0);  // no offset, no shadow
  needle->SetShadowDx(3);
  Paint();
  EXPECT_EQ(At(CX - 3, CY - 171), kMarker);
  EXPECT_EQ(At(CX, CY - 171), clBlack);
  EXPECT_EQ(At(CX - 3, 100), kMarker);
  needle->SetShadowDx(0);
  needle->SetShadowDy(2);
  Paint();
  EXPECT_EQ(At(CX, CY - 173), kMarker);
  EXPECT_EQ(At(CX, CY - 171), clBlack);
}

TEST_F(MeterTest, TheSecondaryNeedleIsDrawnOverThePrimaryOnlyWhenVisible) {
  meter->SetScaleVisible(false);
  TNeedleLayout* second = meter->GetNeedleLayoutSec();
  second->SetColorOutline(clRed);
  meter->SetValueSec(1);
  Paint();
  EXPECT_EQ(Count(Rect(0, 0, W, H), clRed), 0);
  second->SetVisible(true);
  meter->SetValueSec(0.75);
  Paint();
  EXPECT_EQ(At(OnRay(0.75, 171)), clRed);
  EXPECT_EQ(At(OnRay(0, 171)), clBlack);  // the primary one still points at 0
  meter->SetValue(0.75);                  // both on one ray: the secondary lies on top
  Paint();
  EXPECT_EQ(At(OnRay(0.75, 171)), clRed);
}

TEST_F(MeterTest, BandsColourTheRimFromMinimumToMaximumWithTheDialInside) {
  meter->SetThresholdHigh(0.7);
  meter->SetThresholdLow(0.3);
  meter->SetScaleBkVisible(true);
  meter->SetScaleBkWidth(10);  // the band from radius 158 to 179
  meter->SetValue(1);          // keep the needle out of the way
  Paint();
  EXPECT_EQ(At(OnRay(0.12, 163)), clLime);
  EXPECT_EQ(At(OnRay(0.48, 163)), kOrange);
  EXPECT_EQ(At(OnRay(0.82, 163)), clRed);
  EXPECT_EQ(At(OnRay(0.12, 178)), clLime);  // 4 pixels beyond the arc
  EXPECT_EQ(At(OnRay(0.48, 140)), clWhite);
  EXPECT_EQ(At(OnRay(0.48, 182)), clWhite);
  meter->SetScaleBkWidth(100);  // the whole sector
  Paint();
  EXPECT_EQ(At(OnRay(0.48, 60)), kOrange);
}

TEST_F(MeterTest, ABandWhoseThresholdMeetsItsEndIsLeftOut) {
  meter->SetScaleBkVisible(true);
  meter->SetScaleBkWidth(10);
  Paint();  // ThresholdLow = minimum, ThresholdHigh = maximum: only the normal band
  EXPECT_EQ(At(OnRay(0.1, 163)), kOrange);
  EXPECT_EQ(At(OnRay(0.9, 163)), kOrange);
  // Outside the sweep, where a band of two equal rays would have drawn a whole circle.
  EXPECT_EQ(At(AtAngle(140, 163)), clWhite);
  EXPECT_EQ(At(AtAngle(40, 163)), clWhite);
  EXPECT_EQ(Count(Rect(0, 0, W, H), clLime), 0);
}

TEST_F(MeterTest, ScaleArcAndTicksInTheScaleColour) {
  meter->SetValue(1);
  Paint();
  EXPECT_TRUE(Near(OnRay(0.33, 175), clNavy));  // on the arc, between ticks
  EXPECT_FALSE(Near(OnRay(0.33, 171), clNavy));
  meter->SetMeterScaleLine(false);
  Paint();
  EXPECT_FALSE(Near(OnRay(0.33, 175), clNavy));
  // Major ticks run 8 pixels inwards from the arc, minor ones 4.
  EXPECT_EQ(At(CX, CY - 175), clNavy);  // the minor tick at 0.5
  EXPECT_EQ(At(CX, CY - 172), clNavy);
  EXPECT_EQ(At(CX, CY - 170), clWhite);
  EXPECT_EQ(At(OnRay(0.4, 175)), clNavy);
  EXPECT_TRUE(Near(OnRay(0.4, 169), clNavy));
  EXPECT_TRUE(Near(OnRay(0.45, 174), clNavy));
  EXPECT_FALSE(Near(OnRay(0.45, 169), clNavy));
  meter->SetMeterShortTicks(false);
  Paint();
  EXPECT_EQ(At(CX, CY - 175), clWhite);
  EXPECT_EQ(At(OnRay(0.4, 175)), clNavy);
  meter->SetScaleVisible(false);
  Paint();
  EXPECT_EQ(Count(Rect(0, 0, W, H), clNavy), 0);
}

TEST_F(MeterTest, LabelHandlerSeesEveryLabelAndAnEmptiedLabelKeepsItsTick) {
  meter->GetFont()->SetColor(kMarker);
  meter->GetFont()->SetQuality(fqNonAntialiased);
  meter->SetMeterScaleLine(false);
  struct Seen {
    std::string Label;
    int X, Y;
  };
  std::vector<Seen> seen;
  meter->SetOnBeforeDrawScaleLabel([&](TObject* Sender, TCanvas* Canvas, std::string& Label, int X, int Y) {
    EXPECT_EQ(Sender, meter);
    EXPECT_NE(Canvas, nullptr);
    seen.push_back({Label, X, Y});
    if (Label == "0.4") Label.clear();
  });
  meter->SetValue(1);
  Paint();
  std::vector<std::string> labels;
  for (const Seen& s : seen) labels.push_back(s.Label);
  EXPECT_EQ(labels, (std::vector<std::string>{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  TCanvas* measure = picture.GetCanvas();
  measure->SetFont(meter->GetFont());
  for (const Seen& s : seen) {
    const TSize size = measure->TextExtent(s.Label);
    const int inBox = Count(Bounds(s.X, s.Y, size.cx, size.cy), kMarker);
    if (s.Label == "0.4") {
      EXPECT_EQ(inBox, 0);
    } else {
      EXPECT_GT(inBox, 5) << s.Label;
    }
  }
  EXPECT_EQ(At(OnRay(0.4, 175)), clNavy);  // the tick stays
  // Labels lie inside the scale, clear of the arc.
  EXPECT_GT(seen[2].Y, CY - 175);
}

TEST_F(MeterTest, LabelsUseTheDecimalsAndTheControlsFont) {
  meter->SetMeterDecPlaces(0);
  meter->SetMeterMaxValue(100);
  std::vector<std::string> labels;
  meter->SetOnBeforeDrawScaleLabel(
      [&](TObject*, TCanvas*, std::string& Label, int, int) { labels.push_back(Label); });
  Paint();
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
  labels.clear();
  meter->SetMeterMinValue(1);
  meter->SetMeterMaxValue(1000);
  meter->SetLogarithmic(true);
  Paint();
  EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}));
}

TEST_F(MeterTest, TheCaptionIsCentredAThirdOfTheRadiusAboveTheCentre) {
  meter->GetFontCaption()->SetColor(kMarker);
  meter->GetFontCaption()->SetQuality(fqNonAntialiased);
  meter->GetFontCaption()->SetSize(14);
  meter->SetCaption("kPa");
  meter->SetValue(1);
  Paint();
  TCanvas* measure = picture.GetCanvas();
  measure->SetFont(meter->GetFontCaption());
  const TSize size = measure->TextExtent("kPa");
  const TRect box = Bounds(CX - size.cx / 2, CY - 58 - size.cy / 2, size.cx, size.cy);
  const int total = Count(Rect(0, 0, W, H), kMarker);
  EXPECT_GT(total, 20);
  EXPECT_EQ(Count(box, kMarker), total);
}

TEST_F(MeterTest, ANeedleHandlerThatDrewItsOwnNeedleStillGetsBezelAnchorAndLamps) {
  meter->SetValue(0.5);
  meter->SetOnBeforeDrawNeedle([](TObject*, TCanvas* Canvas, bool& NeedleDrawn) {
    EXPECT_FALSE(NeedleDrawn);
    Canvas->GetBrush()->SetColor(kMarker);
    Canvas->FillRect(Rect(0, 0, W, H));
    NeedleDrawn = true;
  });
  Paint();
  EXPECT_EQ(At(CX, CY - 171), kMarker);  // no built-in needle
  EXPECT_EQ(At(CX, 100), kMarker);
  EXPECT_EQ(At(3, 100), kFace);            // bezel over it
  EXPECT_EQ(At(CX + 10, CY - 10), kFace);  // anchor
  EXPECT_EQ(At(273, 20), clGray);          // lamp
  // A handler that leaves NeedleDrawn false gets the needle drawn over its work.
  meter->SetOnBeforeDrawNeedle([](TObject*, TCanvas*, bool&) {});
  Paint();
  EXPECT_EQ(At(CX, CY - 171), clBlack);
}

TEST_F(MeterTest, OnMeterRenderedComesAfterTheDialAndBeforeTheFrame) {
  meter->SetOnMeterRendered([](TObject*, TCanvas* Canvas) {
    Canvas->GetBrush()->SetColor(kMarker);
    Canvas->FillRect(Rect(0, 0, W, H));
  });
  Paint();
  EXPECT_EQ(At(0, 0), clWhite);  // the raised frame
  EXPECT_EQ(At(W - 1, H - 1), clGray);
  EXPECT_EQ(At(1, 1), kMarker);
  EXPECT_EQ(At(3, 100), kMarker);
  EXPECT_EQ(At(273, 20), kMarker);
}

TEST_F(MeterTest, BezelAndDialWindowLitFromTheTopLeft) {
  meter->SetFrameStyle(0);
  Paint();
  EXPECT_EQ(At(0, 0), kFace);
  EXPECT_EQ(At(8, 100), kFace);   // RimSide - 2: the last bezel column on the left
  EXPECT_EQ(At(9, 100), clGray);  // the window's left edge
  EXPECT_EQ(At(10, 100), clWhite);
  EXPECT_EQ(At(W - 10, 100), clWhite);  // its right edge
  EXPECT_EQ(At(W - 9, 100), kFace);
  EXPECT_EQ(At(100, 7), kFace);
  EXPECT_EQ(At(100, 8), clGray);        // top edge
  EXPECT_EQ(At(50, H - 10), clWhite);   // bottom edge, left of the anchor's pillar
  EXPECT_EQ(At(250, H - 10), clWhite);  // and right of it
  EXPECT_EQ(At(100, H - 9), kFace);
}

TEST_F(MeterTest, AHalfDiscAnchorOnAPillarForTheUpperLayouts) {
  meter->SetFrameStyle(0);
  Paint();  // the needle points at the minimum, up and to the left
  EXPECT_EQ(At(CX + 10, CY - 10), kFace);  // half disc
  EXPECT_EQ(At(CX + 10, CY + 4), kFace);   // pillar
  EXPECT_EQ(At(CX + 23, CY + 4), clGray);  // its right edge in shadow
  EXPECT_EQ(At(CX - 24, CY + 4), clWhite); // its left edge lit
  EXPECT_EQ(At(CX + 30, CY + 4), clWhite); // beside the pillar: the dial
  meter->SetAnchorCovered(false);
  Paint();
  EXPECT_EQ(At(CX + 10, CY - 10), clWhite);
  EXPECT_EQ(At(CX + 10, CY + 4), clWhite);
  EXPECT_EQ(At(CX + 10, H - 10), clWhite);  // the plain window edge
}

TEST_F(MeterTest, ARaisedDiscAnchorForTheCircularLayouts) {
  constexpr TColor dial = 0xE0E0E0;
  for (TMeterLayout layout : {mlCirc270, mlCirc300, mlCirc360}) {
    meter->SetMeterLayout(layout);
    meter->SetColorBakG(dial);
    meter->SetScaleVisible(false);
    meter->SetValue(0.25);  // the needle points to the left, clear of the column scanned
    Paint();
    const int cx = meter->GetMeterCenterX(), cy = meter->GetMeterCenterY(), s = meter->GetAnchorSize();
    EXPECT_EQ(At(cx + 10, cy + 10), kFace) << layout;
    int y = cy - s - 3;
    while (At(cx, y) == dial) ++y;
    EXPECT_EQ(At(cx, y), clWhite) << layout;  // the lit upper edge
    y = cy + s + 3;
    while (At(cx, y) == dial) --y;
    EXPECT_EQ(At(cx, y), clGray) << layout;  // the shaded lower edge
  }
}

TEST_F(MeterTest, LampsLightWhileTheirLimitIsReached) {
  constexpr int highX = W - 10 - 18, lowX = 10 + 8, top = 8 + 8;
  meter->SetThresholdLow(0.2);
  meter->SetThresholdHigh(0.8);
  meter->SetValue(0.5);
  Paint();
  EXPECT_EQ(At(highX, top), clBlack);  // outline
  EXPECT_EQ(At(highX + 4, top + 4), clGray);
  EXPECT_EQ(At(lowX + 4, top + 4), clGray);
  EXPECT_EQ(At(highX + 4, top + 9), clWhite);   // lower edge
  EXPECT_EQ(At(highX + 9, top + 4), clWhite);   // right edge
  EXPECT_EQ(At(highX + 8, top + 4), clSilver);  // inside it
  EXPECT_EQ(At(highX + 1, top + 4), clGray);    // left edge
  meter->SetValue(0.9);
  Paint();
  EXPECT_EQ(At(highX + 4, top + 4), clRed);
  EXPECT_EQ(At(lowX + 4, top + 4), clGray);
  meter->SetLimWatchActColor(clLime);
  meter->SetValue(0.1);
  Paint();
  EXPECT_EQ(At(highX + 4, top + 4), clGray);
  EXPECT_EQ(At(lowX + 4, top + 4), clLime);
  meter->SetLimWatchLowOn(false);
  meter->SetLimWatchHighOn(false);
  Paint();
  EXPECT_EQ(At(lowX + 4, top + 4), clWhite);
  EXPECT_EQ(At(highX, top), clWhite);
}

TEST_F(MeterTest, EachFrameStyleDrawsItsEdges) {
  const TColor cover = kFace;
  struct Expect {
    TFrameStyle Style;
    TColor TopLeft, BottomRight, TopRight, BottomLeft, Inner, InnerFar;
  };
  constexpr TColor g = clGray, w = clWhite, bg = 0xE0FFFF;
  meter->SetColorBakG(bg);
  const Expect styles[] = {
      {0, cover, cover, cover, cover, cover, cover},
      {1, bg, bg, bg, bg, cover, cover},
      {2, g, w, w, g, cover, cover},
      {3, w, g, g, w, cover, cover},
      {4, w, g, cover, cover, g, w},
      {5, g, w, cover, cover, w, g},
  };
  for (const Expect& e : styles) {
    meter->SetFrameStyle(e.Style);
    Paint();
    const std::string style = "style " + std::to_string(e.Style);
    EXPECT_EQ(At(0, 0), e.TopLeft) << style;
    EXPECT_EQ(At(W - 1, H - 1), e.BottomRight) << style;
    EXPECT_EQ(At(W - 1, 0), e.TopRight) << style;
    EXPECT_EQ(At(0, H - 1), e.BottomLeft) << style;
    EXPECT_EQ(At(1, 1), e.Inner) << style;           // styles 4 and 5: the inner line
    EXPECT_EQ(At(W - 2, H - 2), e.InnerFar) << style;  // and the outline's far corner
    EXPECT_EQ(At(2, 2), cover) << style;
  }
  meter->SetFrameStyle(9);
  Paint();
  EXPECT_EQ(At(0, 0), cover);
  meter->SetColorScheme(1);
  meter->SetFrameStyle(3);
  Paint();
  EXPECT_EQ(At(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(W - 1, H - 1), ColorToRGB(clBtnShadow));
}

}  // namespace
}  // namespace gadrix
