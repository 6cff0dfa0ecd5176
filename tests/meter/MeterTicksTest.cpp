// Tick steps, major and minor ticks, logarithmic ticks and scale labels.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "gadrix/meter/MeterGeometry.h"

namespace gadrix {
namespace {

std::vector<double> Values(const std::vector<TScaleTick>& Ticks) {
  std::vector<double> v;
  for (const TScaleTick& t : Ticks) v.push_back(t.Value);
  return v;
}

std::vector<double> Labelled(const std::vector<TScaleTick>& Ticks) {
  std::vector<double> v;
  for (const TScaleTick& t : Ticks)
    if (t.Labelled) v.push_back(t.Value);
  return v;
}

void ExpectNear(const std::vector<double>& Actual, const std::vector<double>& Expected) {
  ASSERT_EQ(Actual.size(), Expected.size());
  for (std::size_t i = 0; i < Actual.size(); ++i)
    EXPECT_NEAR(Actual[i], Expected[i], 1e-9 * std::max(1.0, std::fabs(Expected[i]))) << "tick " << i;
}

TEST(TickStep, WorkedExamples) {
  const TTickStep hundred = CalcTickStep(0, 100, 3);
  EXPECT_DOUBLE_EQ(hundred.Step, 20);
  EXPECT_EQ(hundred.MinorIntervals, 4);
  EXPECT_DOUBLE_EQ(hundred.First, 0);
  ExpectNear(MajorTicks(hundred, 100), {0, 20, 40, 60, 80, 100});

  const TTickStep one = CalcTickStep(0, 1, 3);
  EXPECT_DOUBLE_EQ(one.Step, 0.2);
  EXPECT_DOUBLE_EQ(one.First, 0);
  ExpectNear(MajorTicks(one, 1), {0, 0.2, 0.4, 0.6, 0.8, 1.0});

  const TTickStep odd = CalcTickStep(-7.3, 12, 4);
  EXPECT_DOUBLE_EQ(odd.Step, 2);
  EXPECT_DOUBLE_EQ(odd.First, -6);
  ExpectNear(MajorTicks(odd, 12), {-6, -4, -2, 0, 2, 4, 6, 8, 10, 12});

  // Exact powers of ten and the mantissa boundaries.
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 30, 3).Step, 10);
  EXPECT_EQ(CalcTickStep(0, 30, 3).MinorIntervals, 5);
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 0.3, 3).Step, 0.1);
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 7, 3).Step, 2);
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 16, 3).Step, 5);
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 0.016, 3).Step, 0.005);
  // Exactly 2 or 5 per interval sits on the boundary, which belongs to the smaller mantissa.
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 6, 3).Step, 1);
  EXPECT_DOUBLE_EQ(CalcTickStep(0, 15, 3).Step, 2);
}

TEST(TickStep, DegenerateRangesGiveOneTickAndNoLoop) {
  const TTickStep flat = CalcTickStep(4, 4, 3);
  EXPECT_EQ(flat.Step, 0);
  EXPECT_EQ(flat.MinorIntervals, 1);
  EXPECT_EQ(MajorTicks(flat, 4), std::vector<double>{4});
  EXPECT_TRUE(MinorTicks(flat, 4, 4).empty());
  // A range that overflows a double: one tick at most, never an endless walk.
  const TTickStep huge = CalcTickStep(-1.7e308, 1.7e308, 3);
  EXPECT_LE(MajorTicks(huge, 1.7e308).size(), 1u);
  EXPECT_TRUE(MinorTicks(huge, -1.7e308, 1.7e308).empty());
  // Steps lost in the magnitude of the values: bounded lists.
  const TTickStep fine = CalcTickStep(1e20, 1e20 + 1e5, 21);
  EXPECT_LE(MajorTicks(fine, 1e20 + 1e5).size(), static_cast<std::size_t>(kMaxScaleTicks));
  EXPECT_LE(MinorTicks(fine, 1e20, 1e20 + 1e5).size(), static_cast<std::size_t>(kMaxScaleTicks));
}

TEST(TickStep, AFallingRangeStepsDownwards) {
  const TTickStep down = CalcTickStep(10, 0, 3);
  EXPECT_DOUBLE_EQ(down.Step, -2);
  EXPECT_DOUBLE_EQ(down.First, 10);
  ExpectNear(MajorTicks(down, 0), {10, 8, 6, 4, 2, 0});
}

// For many random ranges and every allowed count: the step is 1, 2 or 5 times a power of ten and
// the largest such not above range / n; the major ticks are multiples of it, start within a step of
// the minimum, end within a step of the maximum, and number between n and 2.5 n + 1; minor ticks lie
// strictly between major ones, evenly spaced.
TEST(TickStep, PropertyTicksAreMultiplesOfTheStepAndCoverTheRange) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-6, 8), unit(-1, 1);
  for (int trial = 0; trial < 3000; ++trial) {
    const double scale = std::pow(10.0, exponent(random));
    double lo = unit(random) * scale, hi = unit(random) * scale;
    if (lo > hi) std::swap(lo, hi);
    if (hi - lo < scale * 1e-6) continue;
    const int n = 2 + trial % 20;
    const std::string where = "range " + std::to_string(lo) + ".." + std::to_string(hi) + " n " + std::to_string(n);
    const TTickStep step = CalcTickStep(lo, hi, n);
    const double s = step.Step;
    ASSERT_GT(s, 0) << where;
    const double power = std::pow(10.0, std::floor(std::log10(s) + 1e-9));
    const double mantissa = s / power;
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
        << where << " step " << s;
    EXPECT_LE(s, (hi - lo) / n * (1 + 1e-9)) << where;
    EXPECT_GE(s * 2.5, (hi - lo) / n) << where;
    EXPECT_EQ(step.MinorIntervals, std::fabs(mantissa - 2) < 1e-9 ? 4 : 5) << where;

    const std::vector<double> major = MajorTicks(step, hi);
    ASSERT_FALSE(major.empty()) << where;
    for (double t : major) {
      const double multiples = t / s;
      EXPECT_NEAR(multiples, std::round(multiples), 1e-6 * std::max(1.0, std::fabs(multiples))) << where << " " << t;
    }
    EXPECT_GE(major.front(), lo - 0.001 * s) << where;
    EXPECT_LT(major.front(), lo + s) << where;
    EXPECT_LE(major.back(), hi + 0.001 * s) << where;
    EXPECT_GT(major.back(), hi - s) << where;
    EXPECT_GE(static_cast<int>(major.size()), n) << where;
    EXPECT_LE(static_cast<double>(major.size()), 2.5 * n + 1) << where;

    const std::vector<double> minor = MinorTicks(step, lo, hi);
    const double spacing = s / step.MinorIntervals;
    for (double t : minor) {
      EXPECT_GE(t, lo) << where;
      EXPECT_LE(t, hi + 0.001 * spacing) << where;
      const double parts = (t - step.First) / spacing;
      EXPECT_NEAR(parts, std::round(parts), 1e-6 * std::max(1.0, std::fabs(parts))) << where;
      EXPECT_NE(static_cast<long long>(std::llround(parts)) % step.MinorIntervals, 0) << where << " " << t;
    }
  }
}

TEST(TickStep, MinorTicksFillTheEdgesBeforeTheFirstMajorTick) {
  const TTickStep step = CalcTickStep(-7.3, 12, 4);  // majors -6 .. 12, minors every 0.5
  const std::vector<double> minor = MinorTicks(step, -7.3, 12);
  ASSERT_FALSE(minor.empty());
  EXPECT_DOUBLE_EQ(minor.front(), -7);
  EXPECT_DOUBLE_EQ(minor.back(), 11.5);
  EXPECT_EQ(minor.size(), 2u + 9u * 3u);  // -7, -6.5 (no -6), then three between each major pair
}

TEST(LogarithmicTicks, DecadesGetNineTicksAndLabelsAtOneTwoAndFive) {
  const std::vector<TScaleTick> ticks = LogarithmicTicks(1, 1000);
  ExpectNear(Values(ticks), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400,
                             500, 600, 700, 800, 900, 1000});
  ExpectNear(Labelled(ticks), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});

  // Ends between decades: only the ticks inside the range.
  const std::vector<TScaleTick> partial = LogarithmicTicks(0.03, 0.7);
  ExpectNear(Values(partial), {0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
  ExpectNear(Labelled(partial), {0.05, 0.1, 0.2, 0.5});
}

TEST(LogarithmicTicks, LessThanADecadeIsWholeLinearTicksPlacedLogarithmically) {
  // Within one decade the logarithmic walk labels everything.
  for (const TScaleTick& t : LogarithmicTicks(2, 15)) EXPECT_TRUE(t.Labelled) << t.Value;
  // What the scale shows for less than a decade: the linear step, all labelled.
  const std::vector<TScaleTick> ticks = ScaleTicks(2, 15, 3, true);
  ExpectNear(Values(ticks), {2, 4, 6, 8, 10, 12, 14});
  EXPECT_EQ(Labelled(ticks).size(), ticks.size());
  // A decade or more: the decade walk.
  EXPECT_EQ(ScaleTicks(1, 10, 3, true).size(), 10u);
  // Not logarithmic, or an end not above 0: linear.
  ExpectNear(Values(ScaleTicks(0, 100, 3, true)), {0, 20, 40, 60, 80, 100});
  ExpectNear(Values(ScaleTicks(1, 1000, 3, false)), {200, 400, 600, 800, 1000});
}

TEST(LogarithmicTicks, HostileRangesGiveBoundedListsAndNoTicksWithoutLogarithms) {
  EXPECT_TRUE(LogarithmicTicks(0, 10).empty());
  EXPECT_TRUE(LogarithmicTicks(-1, 10).empty());
  const std::vector<TScaleTick> wide = LogarithmicTicks(1e-100, 1e308);
  EXPECT_GT(wide.size(), 3000u);
  EXPECT_LE(wide.size(), static_cast<std::size_t>(kMaxScaleTicks));
  const std::vector<double> values = Values(wide);
  const std::set<double> distinct(values.begin(), values.end());
  EXPECT_EQ(distinct.size(), wide.size());
}

TEST(ScaleLabel, FixedNotationWithoutPaddingAndNoNegativeZero) {
  EXPECT_EQ(ScaleLabel(0.2, 1), "0.2");
  EXPECT_EQ(ScaleLabel(-6, 0), "-6");
  EXPECT_EQ(ScaleLabel(12.5, 2), "12.50");
  EXPECT_EQ(ScaleLabel(0.6000000000000001, 1), "0.6");
  EXPECT_EQ(ScaleLabel(-1.1e-16, 1), "0.0");  // -0.6 + 3 x 0.2
  EXPECT_EQ(ScaleLabel(-0.04, 1), "0.0");
  EXPECT_EQ(ScaleLabel(-0.06, 1), "-0.1");
  EXPECT_EQ(ScaleLabel(1000, 4), "1000.0000");
}

}  // namespace
}  // namespace gadrix
