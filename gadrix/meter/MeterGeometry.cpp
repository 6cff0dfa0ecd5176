#include "gadrix/meter/MeterGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gadrix/numeric/NumText.h"
#include "gadrix/quantis/NumUtils.h"

namespace gadrix {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

// Pixels kept between the scale and the bezel (and below the centre of the lower layouts).
constexpr int kScaleGap = 8;
// mlCirc120: the width a radius needs is 2 R sin 60, so R = half-width / sin 60.
constexpr double kCirc120WidthFactor = 1.1547;
// The height of a circular layout with its ends below the centre, in radii: 1 + cos(gap / 2).
constexpr double kCirc270HeightFactor = 1.70711;
constexpr double kCirc300HeightFactor = 1.866;
constexpr double kCirc360HeightFactor = 2.0;

// Relative tolerance of the logarithmic tick walk, so that 1000 counts as a power of ten even
// when a logarithm lands a hair beside it.
constexpr double kLogSlack = 0.999999999;
// Steps of 1, 2 or 5: the fraction of log10(range / n) at which the mantissa changes.
constexpr double kStepEpsilon = 1e-10;
const double kLog2 = std::log10(2.0);
const double kLog5 = std::log10(5.0);
// Ticks within this part of a step of the range's ends still count as inside it.
constexpr double kTickSlack = 0.001;
// The first tick is found in a few steps from just below the minimum; a step too small to move a
// value of the minimum's size must not keep the search going.
constexpr int kMaxFirstTickSteps = 8;

constexpr double kMaxCoord = 1e9;

double Direction(double Min, double Max) { return Max >= Min ? 1.0 : -1.0; }

}  // namespace

int MeterLayoutAngle(TMeterLayout Layout) {
  switch (Layout) {
    case mlCirc120: return 120;
    case mlCirc180: return 180;
    case mlCirc270: return 270;
    case mlCirc300: return 300;
    case mlCirc360: return 360;
    default: return 90;
  }
}

TMeterGeometry ComputeMeterGeometry(TMeterLayout Layout, int Width, int Height, int RimTop, int RimBottom,
                                    int RimSide) {
  const int d = Height - RimBottom;
  const double byHeight = d - RimTop - 2 * kScaleGap;
  const double byWidth = Width / 2 - RimSide - kScaleGap;
  TMeterGeometry g;
  g.Angle = MeterLayoutAngle(Layout);
  g.CenterX = Width / 2;
  g.CenterY = d - kScaleGap;
  g.Radius = byHeight;
  const auto centreBelowTop = [&](double HeightFactor) {
    g.Radius = std::min(byWidth, byHeight / HeightFactor);
    g.CenterY = RoundCoord(RimTop + kScaleGap + g.Radius);
  };
  switch (Layout) {
    case mlCirc120: g.Radius = std::min(byHeight, (Width / 2.0 - RimSide - kScaleGap) * kCirc120WidthFactor); break;
    case mlCirc180: g.Radius = std::min(byHeight, byWidth); break;
    case mlCirc270: centreBelowTop(kCirc270HeightFactor); break;
    case mlCirc300: centreBelowTop(kCirc300HeightFactor); break;
    case mlCirc360: centreBelowTop(kCirc360HeightFactor); break;
    default: break;
  }
  return g;
}

int RoundCoord(double X) {
  if (std::isnan(X)) return 0;
  return static_cast<int>(std::lround(std::clamp(X, -kMaxCoord, kMaxCoord)));
}

// --- values, angles and pixels -------------------------------------------------------------------

TMeterScale::TMeterScale(const TMeterGeometry& Geometry, double Min, double Max, bool Logarithmic)
    : geometry_(Geometry), min_(Min), max_(Max), logarithmic_(Logarithmic) {}

bool TMeterScale::UsesLog(double Value) const { return logarithmic_ && Value > 0 && min_ > 0 && max_ > 0; }

double TMeterScale::Clamp(double Value) const {
  if (std::isnan(Value)) return min_;
  return Value < min_ ? min_ : (Value > max_ ? max_ : Value);
}

double TMeterScale::Fraction(double Value) const {
  if (max_ == min_) return 0;
  if (UsesLog(Value)) {
    // Ends a few doubles apart may have the same logarithm: then linear.
    const double span = std::log(max_) - std::log(min_);
    if (span != 0) return (std::log(Value) - std::log(min_)) / span;
  }
  return (Value - min_) / (max_ - min_);
}

double TMeterScale::DrawingAngle(double Value) const {
  const double a = geometry_.Angle;
  return a / 2 + 90 - a * Fraction(Value);
}

double TMeterScale::NeedleAngle(double Value) const {
  const double a = geometry_.Angle;
  return 180 - (a / 2 - a * Fraction(Clamp(Value)));
}

TPoint TMeterScale::PointAt(double Value, double Radius) const {
  const double phi = DrawingAngle(Value) * kDegree;
  return {RoundCoord(geometry_.CenterX + Radius * std::cos(phi)),
          RoundCoord(geometry_.CenterY - Radius * std::sin(phi))};
}

TPoint TMeterScale::PixelAt(double Value, double PercentRadius) const {
  const double a = (-90 - NeedleAngle(Value)) * kDegree;
  const double r = PercentRadius * 0.01 * geometry_.Radius;
  return {RoundCoord(r * std::cos(a) + geometry_.CenterX), RoundCoord(geometry_.CenterY - r * std::sin(a))};
}

std::optional<double> TMeterScale::ValueAt(int X, int Y) const {
  const double dx = X - geometry_.CenterX, dy = Y - geometry_.CenterY;
  // The direction of (dx, dy) on the screen, clockwise from the positive x axis, in [0, 2 pi).
  double theta;
  if (dx == 0) {
    theta = dy <= 0 ? 1.5 * kPi : 0.5 * kPi;
  } else {
    theta = std::atan(dy / dx);
    if (dx < 0) theta += kPi;
  }
  if (theta < 0) theta += 2 * kPi;
  if (theta > 2 * kPi) theta -= 2 * kPi;
  // Degrees clockwise from straight down: the needle angle.
  double d = theta / kDegree - 90;
  if (d < 0) d += 360;
  const double half = geometry_.Angle / 2.0;
  if (d < 180 - half || d > 180 + half) return std::nullopt;
  const double part = (d - (180 - half)) / geometry_.Angle;
  if (logarithmic_ && min_ > 0 && max_ > 0)
    return std::exp((std::log(max_) - std::log(min_)) * part + std::log(min_));
  return min_ + part * (max_ - min_);
}

TPoint TMeterScale::LabelAnchor(double Value, double OffsetX, double OffsetY) const {
  const double phi = DrawingAngle(Value) * kDegree;
  const double r = geometry_.Radius;
  return {RoundCoord(geometry_.CenterX + (r - OffsetX) * std::cos(phi)),
          RoundCoord(geometry_.CenterY - (r - OffsetY) * std::sin(phi))};
}

// --- ticks -----------------------------------------------------------------------------------------

TTickStep CalcTickStep(double Min, double Max, int NrTicks) {
  if (Max == Min) return {Min, 0, 1};
  const double e = Direction(Min, Max);
  double g = std::log10(std::fabs(Max - Min) / std::max(NrTicks, 1));
  double h = g - std::trunc(g);
  if (std::fabs(h) < kStepEpsilon || std::fabs(h) > 1 - kStepEpsilon) {
    g = std::round(g);
    h = 0;
  }
  // Below 1 the integer part of g is one too high and h negative: move both to the decade below.
  if (g < 0 && h != 0) g -= 1;
  if (h < 0) h += 1;
  TTickStep step;
  double mantissa;
  if (h < kLog2 + kStepEpsilon) {
    mantissa = 1;
    step.MinorIntervals = 5;
  } else if (h < kLog5 + kStepEpsilon) {
    mantissa = 2;
    step.MinorIntervals = 4;
  } else {
    mantissa = 5;
    step.MinorIntervals = 5;
  }
  step.Step = e * mantissa * std::pow(10.0, std::trunc(g));
  const double s = step.Step;
  double first = (std::trunc(Min / s) - 1) * s;
  for (int i = 0; i < kMaxFirstTickSteps && kTickSlack * std::fabs(s) < e * (Min - first); ++i) first += s;
  step.First = first;
  return step;
}

std::vector<double> MajorTicks(const TTickStep& Step, double Max) {
  if (!std::isfinite(Step.First)) return {};
  if (Step.Step == 0 || !std::isfinite(Step.Step)) return {Step.First};
  const double e = Step.Step > 0 ? 1.0 : -1.0;
  const double limit = e * Max + kTickSlack * std::fabs(Step.Step);
  std::vector<double> ticks{Step.First};
  for (int i = 1; i < kMaxScaleTicks; ++i) {
    const double t = Step.First + i * Step.Step;
    if (e * t > limit) break;
    ticks.push_back(t);
  }
  return ticks;
}

std::vector<double> MinorTicks(const TTickStep& Step, double Min, double Max) {
  std::vector<double> ticks;
  if (Step.Step == 0 || !std::isfinite(Step.Step) || !std::isfinite(Step.First) || Step.MinorIntervals < 1)
    return ticks;
  const int k = Step.MinorIntervals;
  const double e = Step.Step > 0 ? 1.0 : -1.0;
  const double spacing = Step.Step / k;
  const double limit = e * Max + kTickSlack * std::fabs(spacing);
  const double start = Step.First - Step.Step;
  for (int i = 0; i < kMaxScaleTicks * k; ++i) {
    const double t = start + i * spacing;
    if (e * t > limit || static_cast<int>(ticks.size()) >= kMaxScaleTicks) break;
    // A whole number of steps from the first tick is a major tick.
    if (i % k != 0 && e * t >= e * Min) ticks.push_back(t);
  }
  return ticks;
}

std::vector<TScaleTick> LogarithmicTicks(double Min, double Max) {
  std::vector<TScaleTick> ticks;
  if (!(Min > 0 && Max > 0) || !std::isfinite(Min) || !std::isfinite(Max)) return ticks;
  const double power = std::pow(10.0, IntNeg(std::log10(kLogSlack * Min)));
  if (!(power > 0)) return ticks;  // a minimum below the smallest normal double
  const bool allLabelled = Max / Min < 10;
  // Each pass covers one decade, 1 to 9 times its power of ten.
  for (double decade = power; kLogSlack * decade <= Max; decade *= 10) {
    for (int j = 1; j <= 9; ++j) {
      const double v = j * decade;
      if (v / kLogSlack > Min && j * kLogSlack * decade < Max)
        ticks.push_back({v, allLabelled || j == 1 || j == 2 || j == 5});
    }
    if (static_cast<int>(ticks.size()) >= kMaxScaleTicks) break;
  }
  return ticks;
}

std::vector<TScaleTick> ScaleTicks(double Min, double Max, int NrTicks, bool Logarithmic) {
  if (Logarithmic && Min > 0 && Max > 0 && std::fabs(std::log10(Max / Min)) >= 1)
    return LogarithmicTicks(Min, Max);
  std::vector<TScaleTick> ticks;
  for (double t : MajorTicks(CalcTickStep(Min, Max, NrTicks), Max)) ticks.push_back({t, true});
  return ticks;
}

std::string ScaleLabel(double Value, int Decimals) {
  std::string text = RealToText(1, Decimals, Value);
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

// --- needle ----------------------------------------------------------------------------------------

std::array<TPoint, 7> NeedlePolygon(const TMeterScale& Scale, double Value, const TNeedleLayout& Needle) {
  const TMeterGeometry& g = Scale.Geometry();
  const double theta = Scale.DrawingAngle(Value) * kDegree;
  const double length = (g.Radius - 4) * Needle.GetPercentNeedleLength() * 0.01;
  const TPoint tip{RoundCoord(g.CenterX + length * std::cos(theta)), RoundCoord(g.CenterY - length * std::sin(theta))};
  const double halfHead = Needle.GetHeadAngle() * kDegree / 2;
  const double hx = std::sin(theta) * Needle.GetThickness() / 2;
  const double hy = std::cos(theta) * Needle.GetThickness() / 2;
  const double barb = Needle.GetHeadSize();
  const double mid = Needle.GetHeadMidLeng();
  const auto at = [](double X, double Y) { return TPoint{RoundCoord(X), RoundCoord(Y)}; };
  return {at(tip.X - barb * std::cos(theta + halfHead), tip.Y + barb * std::sin(theta + halfHead)),
          tip,
          at(tip.X - barb * std::cos(theta - halfHead), tip.Y + barb * std::sin(theta - halfHead)),
          at(tip.X - hx - mid * std::cos(theta), tip.Y - hy + mid * std::sin(theta)),
          at(g.CenterX - hx, g.CenterY - hy),
          at(g.CenterX + hx, g.CenterY + hy),
          at(tip.X + hx - mid * std::cos(theta), tip.Y + hy + mid * std::sin(theta))};
}

}  // namespace gadrix
