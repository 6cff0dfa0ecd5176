// Dial geometry of the six layouts and the mapping between values, angles and pixels.

#include <cmath>
#include <numbers>
#include <random>

#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

using testing::MeterTest;

constexpr TMeterLayout kLayouts[] = {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360};

TEST_F(MeterTest, Circ90AtTheDefaultSizeHasItsCentreAboveTheBottomRimAndReadsHalfStraightUp) {
  EXPECT_EQ(meter->GetMeterAngle(), 90);
  EXPECT_EQ(meter->GetMeterRadius(), 175);
  EXPECT_EQ(meter->GetMeterCenterX(), 148);
  EXPECT_EQ(meter->GetMeterCenterY(), 191);
  double value = -1;
  EXPECT_TRUE(meter->ConvertPixelToValue(148, 50, value));
  EXPECT_DOUBLE_EQ(value, 0.5);
  int x = 0, y = 0;
  meter->ConvertToPixelCoords(0.5, 100, x, y);
  EXPECT_EQ(x, 148);
  EXPECT_EQ(y, 16);
  meter->ConvertToPixelCoords(0, 100, x, y);  // the minimum: 45 degrees left of straight up
  EXPECT_EQ(x, 148 - 124);
  EXPECT_EQ(y, 191 - 124);
}

TEST(MeterGeometry, EachLayoutFollowsItsSizingRule) {
  const TMeterGeometry c120 = ComputeMeterGeometry(mlCirc120, 297, 209, 8, 10, 10);
  EXPECT_NEAR(c120.Radius, (297 / 2.0 - 18) * 1.1547, 1e-9);
  EXPECT_EQ(c120.CenterY, 191);
  const TMeterGeometry tall120 = ComputeMeterGeometry(mlCirc120, 600, 209, 8, 10, 10);
  EXPECT_EQ(tall120.Radius, 175);  // wide enough: the height decides

  const TMeterGeometry c300 = ComputeMeterGeometry(mlCirc300, 297, 209, 8, 10, 10);
  EXPECT_NEAR(c300.Radius, 175 / 1.866, 1e-9);
  EXPECT_EQ(c300.CenterX, 148);
  EXPECT_EQ(c300.CenterY, static_cast<int>(std::lround(16 + 175 / 1.866)));
  const TMeterGeometry narrow300 = ComputeMeterGeometry(mlCirc300, 120, 400, 8, 10, 10);
  EXPECT_EQ(narrow300.Radius, 60 - 18);
  EXPECT_EQ(narrow300.CenterY, 16 + 42);

  // Rims move the dial: a thicker bottom rim lifts the centre of mlCirc90.
  const TMeterGeometry rim90 = ComputeMeterGeometry(mlCirc90, 297, 209, 8, 30, 10);
  EXPECT_EQ(rim90.CenterY, 171);
  EXPECT_EQ(rim90.Radius, 155);
  EXPECT_EQ(ComputeMeterGeometry(static_cast<TMeterLayout>(77), 297, 209, 8, 10, 10).Angle, 90);
}

// Every layout keeps its scale (with the bands' overhang of 4 pixels) inside the dial window, at
// any size that leaves it a radius.
TEST(MeterGeometry, TheScaleOfEveryLayoutStaysInsideTheRims) {
  for (TMeterLayout layout : kLayouts)
    for (int w : {80, 150, 297, 500})
      for (int h : {80, 209, 400}) {
        const TMeterGeometry g = ComputeMeterGeometry(layout, w, h, 8, 10, 10);
        if (g.Radius <= 0) continue;
        const TMeterScale s(g, 0, 1, false);
        for (int i = 0; i <= 100; ++i) {
          const TPoint p = s.PointAt(i / 100.0, g.Radius + 4);
          const std::string where = "layout " + std::to_string(layout) + " at " + std::to_string(w) + " x " +
                                    std::to_string(h) + ", fraction " + std::to_string(i);
          // mlCirc90 takes its radius from the height alone: its sides may reach under the rims.
          if (layout != mlCirc90) {
            EXPECT_GE(p.X, 10) << where;
            EXPECT_LT(p.X, w - 10) << where;
          }
          EXPECT_GE(p.Y, 8) << where;
          EXPECT_LT(p.Y, h - 10) << where;
        }
      }
}

TEST_F(MeterTest, ResizingAndRimsRecomputeTheDial) {
  meter->SetMeterLayout(mlCirc360);
  const TMeterGeometry before = meter->GetGeometry();
  meter->SetBounds(0, 0, 200, 200);
  EXPECT_EQ(meter->GetMeterCenterX(), 100);
  EXPECT_NE(meter->GetMeterRadius(), before.Radius);
  meter->SetRimSide(40);
  EXPECT_EQ(meter->GetMeterRadius(), 100 - 40 - 8);
  EXPECT_EQ(meter->GetMeterAngle(), 360);
}

TEST_F(MeterTest, PixelsInTheGapOfCirc300LieOutsideTheScale) {
  meter->SetMeterLayout(mlCirc300);
  const int cx = meter->GetMeterCenterX(), cy = meter->GetMeterCenterY();
  double value = 7;
  EXPECT_FALSE(meter->ConvertPixelToValue(cx, cy + 20, value));
  EXPECT_EQ(value, 0);
  // 29 degrees either side of straight down is still in the 60-degree gap, 31 is on the scale.
  const auto at = [&](double DegreesFromDown) {
    const double a = DegreesFromDown * std::numbers::pi / 180;
    return TPoint{cx + static_cast<int>(std::lround(1000 * std::sin(a))),
                  cy + static_cast<int>(std::lround(1000 * std::cos(a)))};
  };
  EXPECT_FALSE(meter->ConvertPixelToValue(at(29).X, at(29).Y, value));
  EXPECT_FALSE(meter->ConvertPixelToValue(at(-29).X, at(-29).Y, value));
  EXPECT_TRUE(meter->ConvertPixelToValue(at(31).X, at(31).Y, value));  // right of down: the maximum's end
  EXPECT_NEAR(value, 1, 0.01);
  EXPECT_TRUE(meter->ConvertPixelToValue(at(-31).X, at(-31).Y, value));
  EXPECT_NEAR(value, 0, 0.01);
  // The centre itself reads as straight up.
  EXPECT_TRUE(meter->ConvertPixelToValue(cx, cy, value));
  EXPECT_DOUBLE_EQ(value, 0.5);
}

TEST_F(MeterTest, NeedleAngleRunsClockwiseFromTheMinimumAndIsClamped) {
  for (TMeterLayout layout : kLayouts) {
    meter->SetMeterLayout(layout);
    const double a = meter->GetMeterAngle();
    EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(0), 180 - a / 2);
    EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(1), 180 + a / 2);
    EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(0.5), 180);
    EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(-4), 180 - a / 2);
    EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(9), 180 + a / 2);
  }
  meter->SetMeterMaxValue(1000);
  meter->SetMeterMinValue(1);
  meter->SetLogarithmic(true);
  meter->SetMeterLayout(mlCirc90);
  EXPECT_DOUBLE_EQ(meter->CalcNeedleAngle(10), 180 - 45 + 30);  // a third of the decades
}

// ConvertPixelToValue undoes ConvertToPixelCoords over the whole scale of every layout, to within
// the value a pixel spans there; and the pixel lies where the needle angle points.
TEST_F(MeterTest, PixelAndValueConversionsAreInversesOverTheWholeScale) {
  std::mt19937 random(20240611);
  for (bool logarithmic : {false, true})
    for (TMeterLayout layout : kLayouts) {
      meter->SetMeterLayout(layout);
      meter->SetMeterMaxValue(logarithmic ? 5000 : 75);
      meter->SetMeterMinValue(logarithmic ? 0.5 : -25);
      meter->SetLogarithmic(logarithmic);
      const TMeterScale scale = meter->Scale();
      const double r = meter->GetMeterRadius(), a = meter->GetMeterAngle();
      for (int i = 0; i <= 200; ++i) {
        const double f = i / 200.0;
        const double v = logarithmic ? 0.5 * std::pow(10000.0, f) : -25 + 100 * f;
        int x = 0, y = 0;
        meter->ConvertToPixelCoords(v, 100, x, y);
        double back = 0;
        const bool inside = meter->ConvertPixelToValue(x, y, back);
        // The pixel's direction is off by at most half a pixel's diagonal at radius r.
        const double slackDegrees = std::asin(0.71 / r) * 180 / std::numbers::pi;
        const bool atAnEnd = layout != mlCirc360 && (i == 0 || i == 200);
        if (!atAnEnd) {
          ASSERT_TRUE(inside) << layout << " " << v;
        }
        if (!inside) continue;
        const double fractionBack = scale.Fraction(back);
        const double slack = slackDegrees / a + 1e-9;
        // At the ends of the full circle the same pixel may read as either end.
        if (layout == mlCirc360 && (i < 2 || i > 198)) continue;
        EXPECT_NEAR(fractionBack, f, slack) << "layout " << layout << " value " << v;
        const double needle = meter->CalcNeedleAngle(v) * std::numbers::pi / 180;
        EXPECT_NEAR(x, meter->GetMeterCenterX() - r * std::sin(needle), 0.5 + 1e-9);
        EXPECT_NEAR(y, meter->GetMeterCenterY() + r * std::cos(needle), 0.5 + 1e-9);
      }
      // Random pixels: reading a pixel's value and placing that value again lands on the same ray.
      for (int i = 0; i < 200; ++i) {
        const int x = std::uniform_int_distribution<int>(0, 296)(random);
        const int y = std::uniform_int_distribution<int>(0, 208)(random);
        double v = 0;
        if (!meter->ConvertPixelToValue(x, y, v)) continue;
        const double dx = x - meter->GetMeterCenterX(), dy = y - meter->GetMeterCenterY();
        const double distance = std::hypot(dx, dy);
        if (distance < 1) continue;
        int px = 0, py = 0;
        meter->ConvertToPixelCoords(v, 100 * distance / r, px, py);
        EXPECT_LE(std::abs(px - x), 1) << x << "," << y;
        EXPECT_LE(std::abs(py - y), 1) << x << "," << y;
      }
    }
}

TEST(MeterGeometry, FractionFallsBackToLinearWhereLogarithmsFail) {
  const TMeterGeometry g = ComputeMeterGeometry(mlCirc90, 297, 209, 8, 10, 10);
  const TMeterScale log(g, 1, 100, true);
  EXPECT_DOUBLE_EQ(log.Fraction(10), 0.5);
  EXPECT_DOUBLE_EQ(log.Fraction(-98), (-98.0 - 1) / 99);  // no logarithm: linear
  const TMeterScale negative(g, -1, 100, true);
  EXPECT_DOUBLE_EQ(negative.Fraction(10), 11.0 / 101);
  const double close = std::nextafter(1e43, 2e43);
  const TMeterScale sameLogarithms(g, 1e43, close, true);
  EXPECT_EQ(sameLogarithms.Fraction(1e43), 0);
  EXPECT_EQ(sameLogarithms.Fraction(close), 1);
  const TMeterScale empty(g, 3, 3, false);
  EXPECT_EQ(empty.Fraction(3), 0);
  EXPECT_EQ(empty.PointAt(3, 100).X, 148 - 71);  // the minimum's ray, no invalid number
}

TEST(MeterGeometry, RoundCoordHoldsDegenerateNumbers) {
  EXPECT_EQ(RoundCoord(2.5), 3);
  EXPECT_EQ(RoundCoord(-2.5), -3);
  EXPECT_EQ(RoundCoord(std::nan("")), 0);
  EXPECT_EQ(RoundCoord(1e300), 1000000000);
  EXPECT_EQ(RoundCoord(-HUGE_VAL), -1000000000);
}

}  // namespace
}  // namespace gadrix
