// TMeter: published properties, the range rules, the value events, pictures and pointer tracking.
// Painting is in MeterPaint.cpp, the geometry in MeterGeometry.cpp.

#include "gadrix/meter/Meter.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>
#include <limits>

#include "gadrix/helmar/Colors.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

namespace {

constexpr int kDefaultWidth = 297;
constexpr int kDefaultHeight = 209;
// A logarithmic scale refuses ends and thresholds at or below this.
constexpr double kLogFloor = 1e-100;
constexpr int kMinDecPlaces = 0, kMaxDecPlaces = 4;
constexpr int kMinNrTicks = 2, kMaxNrTicks = 21;
constexpr double kMaxBandPercent = 100.0;

constexpr double kLargest = std::numeric_limits<double>::max();

// The end a range gets when the other end moves onto or past it: one unit away, or the next double
// where a unit is lost in the value's magnitude, so that the range never becomes empty; never
// beyond the largest finite double.
double Above(double X) { return std::min(X + 1 > X ? X + 1 : std::nextafter(X, HUGE_VAL), kLargest); }
double Below(double X) { return std::max(X - 1 < X ? X - 1 : std::nextafter(X, -HUGE_VAL), -kLargest); }

}  // namespace

const TClassInfo& TMeter::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TMeter>(
      "TMeter", &TGraphicControl::StaticClassInfo(),
      {EnumProperty("MeterLayout", &TMeter::GetMeterLayout, &TMeter::SetMeterLayout,
                    {"mlCirc90", "mlCirc120", "mlCirc180", "mlCirc270", "mlCirc300", "mlCirc360"}, mlCirc90),
       FloatProperty("MeterMinValue", &TMeter::GetMeterMinValue, &TMeter::SetMeterMinValue, 0.0),
       FloatProperty("MeterMaxValue", &TMeter::GetMeterMaxValue, &TMeter::SetMeterMaxValue, 1.0),
       FloatProperty("Value", &TMeter::GetValue, &TMeter::SetValue, 0.0),
       FloatProperty("ValueSec", &TMeter::GetValueSec, &TMeter::SetValueSec, 0.0),
       FloatProperty("ThresholdLow", &TMeter::GetThresholdLow, &TMeter::SetThresholdLow, 0.0),
       FloatProperty("ThresholdHigh", &TMeter::GetThresholdHigh, &TMeter::SetThresholdHigh, 1.0),
       BooleanProperty("Logarithmic", &TMeter::GetLogarithmic, &TMeter::SetLogarithmic, false),
       IntegerProperty("MeterDecPlaces", &TMeter::GetMeterDecPlaces, &TMeter::SetMeterDecPlaces, 1),
       IntegerProperty("MeterNrTicks", &TMeter::GetMeterNrTicks, &TMeter::SetMeterNrTicks, 3),
       BooleanProperty("MeterShortTicks", &TMeter::GetMeterShortTicks, &TMeter::SetMeterShortTicks, true),
       BooleanProperty("MeterScaleLine", &TMeter::GetMeterScaleLine, &TMeter::SetMeterScaleLine, true),
       BooleanProperty("ScaleVisible", &TMeter::GetScaleVisible, &TMeter::SetScaleVisible, true),
       BooleanProperty("ScaleBkVisible", &TMeter::GetScaleBkVisible, &TMeter::SetScaleBkVisible, false),
       FloatProperty("ScaleBkWidth", &TMeter::GetScaleBkWidth, &TMeter::SetScaleBkWidth, 0.0),
       ColorProperty("ColorSclBkLow", &TMeter::GetColorSclBkLow, &TMeter::SetColorSclBkLow, clLime),
       ColorProperty("ColorSclBkNorm", &TMeter::GetColorSclBkNorm, &TMeter::SetColorSclBkNorm, 0x0080FF),
       ColorProperty("ColorSclBkHigh", &TMeter::GetColorSclBkHigh, &TMeter::SetColorSclBkHigh, clRed),
       ColorProperty("ColorScale", &TMeter::GetColorScale, &TMeter::SetColorScale, clNavy),
       ColorProperty("ColorBakG", &TMeter::GetColorBakG, &TMeter::SetColorBakG, clWhite),
       ColorProperty("ColorCover", &TMeter::GetColorCover, &TMeter::SetColorCover, clBtnFace),
       IntegerProperty("ColorScheme", &TMeter::GetColorScheme, &TMeter::SetColorScheme, 0),
       IntegerProperty("FrameStyle", &TMeter::GetFrameStyle, &TMeter::SetFrameStyle, 3),
       IntegerProperty("RimTop", &TMeter::GetRimTop, &TMeter::SetRimTop, 8),
       IntegerProperty("RimBottom", &TMeter::GetRimBottom, &TMeter::SetRimBottom, 10),
       IntegerProperty("RimSide", &TMeter::GetRimSide, &TMeter::SetRimSide, 10),
       BooleanProperty("AnchorCovered", &TMeter::GetAnchorCovered, &TMeter::SetAnchorCovered, true),
       IntegerProperty("AnchorSize", &TMeter::GetAnchorSize, &TMeter::SetAnchorSize, 24),
       StringProperty("AnchorImage", &TMeter::GetAnchorImage, &TMeter::SetAnchorImage, std::string()),
       StringProperty("BackGroundImg", &TMeter::GetBackGroundImg, &TMeter::SetBackGroundImg, std::string()),
       IntegerProperty("BkgndFillMode", &TMeter::GetBkgndFillMode, &TMeter::SetBkgndFillMode, 0),
       StringProperty("Caption", &TControl::GetCaption, &TControl::SetCaption, std::string()),
       ObjectProperty("FontCaption", &TMeter::GetFontCaption),
       BooleanProperty("LimWatchHighOn", &TMeter::GetLimWatchHighOn, &TMeter::SetLimWatchHighOn, true),
       BooleanProperty("LimWatchLowOn", &TMeter::GetLimWatchLowOn, &TMeter::SetLimWatchLowOn, true),
       ColorProperty("LimWatchActColor", &TMeter::GetLimWatchActColor, &TMeter::SetLimWatchActColor, clRed),
       ColorProperty("LimWatchPsvColor", &TMeter::GetLimWatchPsvColor, &TMeter::SetLimWatchPsvColor, clGray),
       ObjectProperty("NeedleLayout", &TMeter::GetNeedleLayout),
       ObjectProperty("NeedleLayoutSec", &TMeter::GetNeedleLayoutSec),
       IntegerProperty("Width", &TMeter::GetWidth, &TMeter::SetWidth, kDefaultWidth),
       IntegerProperty("Height", &TMeter::GetHeight, &TMeter::SetHeight, kDefaultHeight)});
  return info;
}

TMeter::TMeter(TComponent* AOwner)
    : TGraphicControl(AOwner),
      fontCaption_(std::make_unique<TFont>()),
      needle_(std::make_unique<TNeedleLayout>(true)),
      needleSec_(std::make_unique<TNeedleLayout>(false)) {
  fontCaption_->Assign(GetFont());
  fontCaption_->SetOnChange([this](TObject*) { DialChanged(); });
  const TNotifyEvent repaint = [this](TObject*) { Repaint(); };
  needle_->SetOnChange(repaint);
  needleSec_->SetOnChange(repaint);
  SetBounds(GetLeft(), GetTop(), kDefaultWidth, kDefaultHeight);  // computes the dial's geometry
}

TMeter::~TMeter() = default;

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  RecomputeGeometry();
  dialDirty_ = true;
}

void TMeter::DialChanged() {
  dialDirty_ = true;
  Repaint();
}

void TMeter::FontChanged() {
  dialDirty_ = true;
  TGraphicControl::FontChanged();
}

void TMeter::RecomputeGeometry() {
  geometry_ = ComputeMeterGeometry(meterLayout_, GetWidth(), GetHeight(), rimTop_, rimBottom_, rimSide_);
}

void TMeter::Loaded() {
  TGraphicControl::Loaded();
  // A form file may hold any range: restore the rules the setters keep.
  if (!(maxValue_ > minValue_)) {
    maxValue_ = Above(minValue_);
    if (!(maxValue_ > minValue_)) minValue_ = Below(maxValue_);  // the minimum was the largest double
  }
  if (minValue_ <= kLogFloor || maxValue_ <= kLogFloor) logarithmic_ = false;
  value_ = InRange(value_);
  valueSec_ = InRange(valueSec_);
  thresholdLow_ = InRange(thresholdLow_);
  thresholdHigh_ = std::max(InRange(thresholdHigh_), thresholdLow_);
  RecomputeGeometry();
  LoadPictures();
  DialChanged();
}

TMeterScale TMeter::Scale() const { return TMeterScale(geometry_, minValue_, maxValue_, logarithmic_); }

double TMeter::InRange(double Value) const {
  return Value < minValue_ ? minValue_ : (Value > maxValue_ ? maxValue_ : Value);
}

bool TMeter::RefusedOnLogScale(double Value) const { return logarithmic_ && Value < kLogFloor; }

// --- range and values ----------------------------------------------------------------------------

void TMeter::SetMeterLayout(TMeterLayout Value) {
  if (Value == meterLayout_) return;
  meterLayout_ = Value;
  RecomputeGeometry();
  DialChanged();
}

void TMeter::SetMeterMinValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    minValue_ = Value;
    return;
  }
  if (RefusedOnLogScale(Value) || Value == minValue_) return;
  minValue_ = Value;
  if (maxValue_ <= Value) {
    maxValue_ = Above(Value);
    if (maxValue_ <= minValue_) minValue_ = Below(maxValue_);  // nothing lies above the largest double
  }
  value_ = std::max(value_, Value);
  valueSec_ = std::max(valueSec_, Value);
  thresholdLow_ = std::max(thresholdLow_, Value);
  thresholdHigh_ = std::max(thresholdHigh_, Value);
  DialChanged();
}

void TMeter::SetMeterMaxValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    maxValue_ = Value;
    return;
  }
  if (RefusedOnLogScale(Value) || Value == maxValue_) return;
  maxValue_ = Value;
  if (Value <= minValue_) {
    minValue_ = Below(Value);
    // 5 on a logarithmic scale from 10 gets the minimum 4; 0.5 gets 0.05, as -0.5 has no logarithm.
    if (logarithmic_ && minValue_ <= 0) minValue_ = Value / 10;
    if (minValue_ >= maxValue_) maxValue_ = Above(minValue_);  // nothing lies below the lowest double
  }
  value_ = std::min(value_, Value);
  valueSec_ = std::min(valueSec_, Value);
  thresholdLow_ = std::min(thresholdLow_, Value);
  thresholdHigh_ = std::min(thresholdHigh_, Value);
  DialChanged();
}

void TMeter::SetThresholdLow(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    thresholdLow_ = Value;
    return;
  }
  if (RefusedOnLogScale(Value) || Value == thresholdLow_) return;
  thresholdLow_ = InRange(Value);
  thresholdHigh_ = std::max(thresholdHigh_, thresholdLow_);
  lowReached_ = value_ <= thresholdLow_;
  DialChanged();
  if (lowReached_) Raise(onUnderFlow_);
}

void TMeter::SetThresholdHigh(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    thresholdHigh_ = Value;
    return;
  }
  if (RefusedOnLogScale(Value) || Value == thresholdHigh_) return;
  thresholdHigh_ = InRange(Value);
  thresholdLow_ = std::min(thresholdLow_, thresholdHigh_);
  highReached_ = value_ >= thresholdHigh_;
  DialChanged();
  if (highReached_) Raise(onOverFlow_);
}

void TMeter::SetLogarithmic(bool Value) {
  if (Loading()) {
    logarithmic_ = Value;
    return;
  }
  if (Value == logarithmic_) return;
  logarithmic_ = Value && minValue_ > kLogFloor && maxValue_ > kLogFloor;
  DialChanged();
}

void TMeter::SetValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    value_ = Value;
    return;
  }
  if (Value == value_) return;
  value_ = InRange(Value);
  highReached_ = lowReached_ = false;
  if (needle_->GetVisible()) {
    RaiseValueEvent(value_);
  } else {
    Repaint();
  }
}

void TMeter::SetValueSec(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    valueSec_ = Value;
    return;
  }
  if (Value == valueSec_) return;
  valueSec_ = InRange(Value);
  highReached_ = lowReached_ = false;
  // A hidden secondary needle shows nothing that could change.
  if (needleSec_->GetVisible()) RaiseValueEvent(valueSec_);
}

// Repaints with the new lamp state, then raises the event, so that a handler sees the meter as
// the value left it.
void TMeter::RaiseValueEvent(double Value) {
  const TNotifyEvent* event;
  if (Value >= thresholdHigh_) {
    highReached_ = true;
    event = &onOverFlow_;
  } else if (Value > thresholdLow_) {
    event = &onNormalRange_;
  } else {
    lowReached_ = true;
    event = &onUnderFlow_;
  }
  Repaint();
  Raise(*event);
}

// --- scale and dial ------------------------------------------------------------------------------

void TMeter::SetMeterDecPlaces(int Value) { Store(decPlaces_, std::clamp(Value, kMinDecPlaces, kMaxDecPlaces)); }

void TMeter::SetMeterNrTicks(int Value) { Store(nrTicks_, std::clamp(Value, kMinNrTicks, kMaxNrTicks)); }

void TMeter::SetMeterShortTicks(bool Value) { Store(shortTicks_, Value); }
void TMeter::SetMeterScaleLine(bool Value) { Store(scaleLine_, Value); }
void TMeter::SetScaleVisible(bool Value) { Store(scaleVisible_, Value); }
void TMeter::SetScaleBkVisible(bool Value) { Store(scaleBkVisible_, Value); }

void TMeter::SetScaleBkWidth(double Value) {
  if (std::isnan(Value)) return;
  Store(scaleBkWidth_, std::clamp(Value, 0.0, kMaxBandPercent));
}

void TMeter::SetColorScheme(TColorScheme Value) {
  if (Value == colorScheme_) return;
  colorScheme_ = Value;
  const TSchemeLines lines = SchemeLineColors(Value);
  colGrayLine_ = lines.Gray;
  colWhiteLine_ = lines.White;
  DialChanged();
}

void TMeter::StoreRim(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  RecomputeGeometry();
  DialChanged();
}

// --- pictures ----------------------------------------------------------------------------------------

bool TMeter::LoadPicture(const std::string& FileName, std::unique_ptr<TBitmap>& Picture) {
  Picture.reset();
  if (FileName.empty()) return true;
  std::error_code error;
  if (!std::filesystem::is_regular_file(FileName, error)) return false;
  try {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromFile(FileName);
    Picture = std::move(picture);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TMeter::LoadPictures() {
  if (!LoadPicture(backGroundImg_, background_)) backGroundImg_.clear();
  if (!LoadPicture(anchorImage_, anchorPicture_)) anchorImage_.clear();
}

void TMeter::SetBackGroundImg(const std::string& Value) {
  if (Value == backGroundImg_) return;
  backGroundImg_ = Value;
  // While a form file is read, Loaded loads the picture once everything is known.
  if (Loading()) return;
  if (!LoadPicture(backGroundImg_, background_)) backGroundImg_.clear();
  DialChanged();
}

void TMeter::SetAnchorImage(const std::string& Value) {
  if (Value == anchorImage_) return;
  anchorImage_ = Value;
  if (Loading()) return;
  if (!LoadPicture(anchorImage_, anchorPicture_)) anchorImage_.clear();
  DialChanged();
}

// --- mapping and pointer -----------------------------------------------------------------------------

double TMeter::CalcNeedleAngle(double Value) const { return Scale().NeedleAngle(Value); }

void TMeter::ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const {
  const TPoint p = Scale().PixelAt(Value, PctRadius);
  X = p.X;
  Y = p.Y;
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const {
  const std::optional<double> value = Scale().ValueAt(XPos, YPos);
  MeterValue = value.value_or(0.0);
  return value.has_value();
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!onMouseMoveInMeter_) return;
  double value = 0;
  const bool within = ConvertPixelToValue(X, Y, value);
  onMouseMoveInMeter_(this, within, Shift, value);
}

}  // namespace gadrix
