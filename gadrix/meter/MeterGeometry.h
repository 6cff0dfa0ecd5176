#pragma once
// The meter's geometry as pure functions: where the dial lies in each layout, how values map to
// angles and pixels and back, where the ticks go and what their labels say. TMeter paints from
// these and nothing here draws, so every rule can be tested without a canvas.
//
// Angles. Two conventions meet here; each function says which it uses:
// - the drawing angle phi: degrees counter-clockwise from the positive x axis, y pointing up. The
//   scale of sweep A is symmetric about the vertical through the centre and runs clockwise: the
//   minimum lies at A/2 + 90, the maximum at 90 - A/2, the middle of the scale straight up at 90.
// - the needle angle: degrees clockwise from straight down, so straight up is 180, the minimum
//   180 - A/2 and the maximum 180 + A/2.
// Pixels have x to the right and y down: the point at radius r on the ray phi is
// (round(cx + r cos phi), round(cy - r sin phi)).
//
// Worked example: mlCirc90 in a 297 x 209 control with rims 8 (top), 10 (bottom) and 10 (sides)
// has its centre at (148, 191) and a radius of 175; on the range 0 to 1 the pixel (148, 50),
// straight above the centre, reads 0.5, and the minimum lies at phi = 135 degrees, up and left.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gadrix/meter/NeedleLayout.h"
#include "gadrix/platform/graphics/Types.h"

namespace gadrix {

// The shape of the scale; the number is its sweep in degrees.
enum TMeterLayout : std::uint8_t { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

// Where the dial lies in the control.
struct TMeterGeometry {
  int Angle = 90;      // sweep of the scale in degrees
  double Radius = 0;   // of the scale arc, in pixels; nothing is drawn while it is 0 or less
  int CenterX = 0;     // of the arc, in the control's pixels
  int CenterY = 0;
};

// The sweep of a layout in degrees (90 for values without a name).
int MeterLayoutAngle(TMeterLayout Layout);

// The dial of a layout in a control of Width x Height with the given bezel widths. With
// d = Height - RimBottom, and a gap of 8 pixels kept between the scale and the bezel:
//   mlCirc90   R = d - RimTop - 16, centre (Width div 2, d - 8): the arc's top is 8 pixels below
//              the top rim, the centre 8 above the bottom one.
//   mlCirc120  the same centre; R also limited by the width: (Width / 2 - RimSide - 8) x 1.1547.
//   mlCirc180  the same centre; R = the smaller of d - RimTop - 16 and Width div 2 - RimSide - 8,
//              so that the two ends of the half circle stay clear of the side rims.
//   mlCirc270  R = the smaller of Width div 2 - RimSide - 8 and (d - RimTop - 16) / (1 + cos 45),
//              centre (Width div 2, round(RimTop + 8 + R)): the two ends of the scale, 45 degrees
//              either side of straight down, end 8 pixels above the bottom rim.
//   mlCirc300  the same with 1.866 = 1 + cos 30 for the 60-degree gap.
//   mlCirc360  the same with 2: the whole circle fits between the rims.
TMeterGeometry ComputeMeterGeometry(TMeterLayout Layout, int Width, int Height, int RimTop, int RimBottom,
                                    int RimSide);

// Rounds to the nearest int (halves away from 0); NaN gives 0 and values beyond the pixel range
// are held at +-1e9, so that a degenerate scale never makes an invalid conversion.
int RoundCoord(double X);

// The mapping between values, angles and pixels of one dial and range.
class TMeterScale {
public:
  TMeterScale(const TMeterGeometry& Geometry, double Min, double Max, bool Logarithmic);

  const TMeterGeometry& Geometry() const { return geometry_; }
  double Min() const { return min_; }
  double Max() const { return max_; }
  // Logarithmic placement is used only while the minimum and the maximum are above 0.
  bool Logarithmic() const { return logarithmic_; }

  // Value held to [Min, Max]; NaN counts as the minimum.
  double Clamp(double Value) const;
  // Where Value lies on the scale, 0 at the minimum and 1 at the maximum (not clamped). On a
  // logarithmic scale (ln v - ln min) / (ln max - ln min) when Value is above 0 too, otherwise
  // (v - min) / (max - min), as also when the ends are too close for their logarithms to differ.
  // An empty range gives 0.
  double Fraction(double Value) const;
  // The drawing angle of Value in degrees: A/2 + 90 - A x fraction (not clamped).
  double DrawingAngle(double Value) const;
  // The needle angle of Value held to the range, in degrees: 180 - (A/2 - A x fraction).
  double NeedleAngle(double Value) const;
  // The pixel at Radius pixels from the centre on the ray of Value (not clamped).
  TPoint PointAt(double Value, double Radius) const;
  // The pixel at PercentRadius percent of the radius on the ray of Value held to the range.
  TPoint PixelAt(double Value, double PercentRadius) const;
  // The value under pixel (X, Y): nothing when the pixel's direction from the centre lies outside
  // the scale (in the gap of a layout below 360 degrees). Not limited by the distance from the
  // centre; the centre itself reads as straight up.
  std::optional<double> ValueAt(int X, int Y) const;
  // Where the label of a tick at Value is centred: on the ray of Value, OffsetX pixels in from
  // the arc horizontally and OffsetY pixels vertically, so that a label of that half-size plus a
  // margin clears the arc.
  TPoint LabelAnchor(double Value, double OffsetX, double OffsetY) const;

private:
  bool UsesLog(double Value) const;
  TMeterGeometry geometry_;
  double min_, max_;
  bool logarithmic_;
};

// --- ticks ---------------------------------------------------------------------------------------

// The major step of a scale and where its first major tick lies.
struct TTickStep {
  double First = 0;        // the first multiple of Step not below the minimum (within Step / 1000)
  double Step = 0;         // 1, 2 or 5 times a power of ten; negative when Max < Min; 0 for Min = Max
  int MinorIntervals = 1;  // minor intervals per step: 4 for a mantissa of 2, otherwise 5
};

// The largest step of 1, 2 or 5 times a power of ten that is below |Max - Min| / NrTicks (NrTicks
// below 1 counts as 1; exactly 2 or 5 times a power of ten per interval takes the next smaller
// step, exactly a power of ten that power), and the first tick. Range 0..100 with 3 intervals: 100 / 3 = 33.3,
// step 20 with 4 minor intervals, first tick 0. Range -7.3..12 with 4: 4.825 gives step 2 and
// first tick -6.
TTickStep CalcTickStep(double Min, double Max, int NrTicks);

// The most ticks a list below holds, whatever the range: a guard against ranges at the limits of
// double precision, where adding a step may not move a value.
constexpr int kMaxScaleTicks = 4096;

// Major ticks First + i x Step for i = 0, 1, ... while they do not pass Max by more than Step / 1000;
// at least one tick (First alone when the step is 0 or not finite).
std::vector<double> MajorTicks(const TTickStep& Step, double Max);

// Minor ticks every Step / MinorIntervals from First - Step on, leaving out the major ticks and
// values below Min, while they do not pass Max by more than a thousandth of their spacing.
std::vector<double> MinorTicks(const TTickStep& Step, double Min, double Max);

struct TScaleTick {
  double Value = 0;
  bool Labelled = true;
};

// Ticks of a logarithmic scale (Min and Max above 0) that spans at least a decade: 1 to 9 times
// each power of ten from the decade of Min on, within [Min, Max] (within a part in 1e9); labelled
// at 1, 2 and 5 times the power, and all labelled when Max / Min is below 10. 1 to 1000 gives
// 1, 2, ..., 9, 10, 20, ..., 90, 100, ..., 900, 1000 with labels on 1, 2, 5, 10, 20, 50, ..., 1000.
std::vector<TScaleTick> LogarithmicTicks(double Min, double Max);

// The major ticks a scale shows: on a logarithmic scale (Min and Max above 0) spanning a decade or
// more the ticks above; otherwise the linear major ticks of CalcTickStep, all labelled (a
// logarithmic scale of less than a decade places them by its logarithmic fraction).
std::vector<TScaleTick> ScaleTicks(double Min, double Max, int NrTicks, bool Logarithmic);

// The label of a tick: fixed notation with Decimals places and no padding ("0.2", "-6", "12.50").
// A value that rounds to zero is written without a sign, so that the tick at 0 reached by adding
// steps never reads "-0.0".
std::string ScaleLabel(double Value, int Decimals);

// --- needle --------------------------------------------------------------------------------------

// The seven corners of a needle pointing at Value, in drawing order: one barb, the tip, the other
// barb, where the shaft meets the head on one side, the shaft's two corners at the centre, and
// where it meets the head on the other side. The tip lies (R - 4) x PercentNeedleLength / 100
// pixels from the centre on the ray of Value.
std::array<TPoint, 7> NeedlePolygon(const TMeterScale& Scale, double Value, const TNeedleLayout& Needle);

}  // namespace gadrix
