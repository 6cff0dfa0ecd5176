#include "MeterPage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Sheets.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kFirstTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
const TRect kVoltmeterBounds = Bounds(TGalleryPage::Margin, kFirstTop, 330, 232);
const TRect kLevelBounds = Bounds(366, kFirstTop, 310, 218);
const TRect kSettingBounds = Bounds(366, 290, 310, 42);
constexpr int kSmallTop = 420;
constexpr int kSmallWidth = 210, kSmallHeight = 150, kSmallGap = 20;
constexpr TColor kTargetGrey = RGB(150, 150, 150);

// The moving coil: a spring towards the target, damped below the critical damping so that the
// needle overshoots a little, as real instruments do.
constexpr double kPi = 3.14159265358979323846;
constexpr double kNaturalFrequency = 2 * kPi * 1.2;  // radians per second
constexpr double kDamping = 0.45;                    // of the critical damping
constexpr double kSettled = 0.5;  // volts, and volts per second: closer than this is at rest
constexpr double kVoltmeterMax = 300;
const double kTargets[] = {230, 120, 275, 60, 190, 15};

// On a small decade scale only the decades keep their labels, without trailing zeros: 0.10
// reads 0.1, 100.00 reads 100.
void DecadeLabel(TObject*, TCanvas*, std::string& Label, int, int) {
  const double exponent = std::log10(std::strtod(Label.c_str(), nullptr));
  if (!std::isfinite(exponent) || std::fabs(exponent - std::round(exponent)) > 1e-9) {
    Label.clear();
    return;
  }
  if (Label.find('.') == std::string::npos) return;
  Label.erase(Label.find_last_not_of('0') + 1);
  if (Label.back() == '.') Label.pop_back();
}

std::string OneDecimal(double Value) {
  const long tenths = std::lround(Value * 10);
  return std::to_string(tenths / 10) + "." + std::to_string(std::labs(tenths % 10));
}

}  // namespace

TMeterPage::TMeterPage(TComponent* AOwner) : TGalleryPage(AOwner), swingTimer_(new TTimer(this)) {
  SetName("MeterPage");
  AddVoltmeter();
  AddLevel();
  AddSmallMeters();
  swingTimer_->SetInterval(FrameInterval);
  swingTimer_->SetOnTimer([this](TObject*) { Swing(); });
  swingTimer_->SetEnabled(GetVisible());
}

void TMeterPage::AddVoltmeter() {
  voltmeter_ = AddExhibit<TMeter>("Voltmeter", kVoltmeterBounds, "TMeter: a moving coil, swinging");
  DressMeter(voltmeter_, "V");
  voltmeter_->SetMeterLayout(mlCirc120);
  voltmeter_->SetMeterMaxValue(kVoltmeterMax);
  voltmeter_->SetMeterNrTicks(4);
  voltmeter_->SetMeterDecPlaces(0);
  voltmeter_->SetThresholdHigh(250);
  voltmeter_->SetScaleBkVisible(true);
  voltmeter_->SetScaleBkWidth(5);
  voltmeter_->SetColorSclBkLow(RGB(250, 245, 230));
  voltmeter_->SetColorSclBkNorm(RGB(250, 245, 230));
  voltmeter_->SetColorSclBkHigh(RGB(224, 48, 48));
  TNeedleLayout* target = voltmeter_->GetNeedleLayoutSec();
  target->SetVisible(true);
  target->SetColorBody(kTargetGrey);
  target->SetColorOutline(RGB(90, 90, 90));
  target->SetThickness(1);
  target->SetPercentNeedleLength(90);
  target->SetHeadSize(9);
  target->SetHeadMidLeng(7);
  voltmeter_->SetValueSec(kTargets[0]);
  AddNote({Margin, kVoltmeterBounds.Bottom + 22}, "About",
          {"The red needle swings towards the grey one as a", "moving coil does: a spring, a damper and the",
           "needle's own inertia, stepped every 40 ms. The grey", "needle moves on every three seconds."});
}

void TMeterPage::AddLevel() {
  level_ = AddExhibit<TMeter>("Level", kLevelBounds, "Press and drag on the dial");
  DressMeter(level_, "%");
  level_->SetMeterLayout(mlCirc180);
  level_->SetMeterMaxValue(100);
  level_->SetMeterNrTicks(10);
  level_->SetMeterDecPlaces(0);
  level_->SetThresholdLow(20);
  level_->SetThresholdHigh(80);
  level_->SetScaleBkVisible(true);
  level_->SetScaleBkWidth(6);
  level_->SetColorSclBkLow(RGB(240, 200, 120));
  level_->SetColorSclBkNorm(RGB(150, 210, 150));
  level_->SetColorSclBkHigh(RGB(230, 80, 70));
  level_->SetOnMouseDown([this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    SetSelected(level_);
    double value = 0;
    if (Button == mbLeft && level_->ConvertPixelToValue(X, Y, value)) SetLevel(value);
  });
  level_->SetOnMouseMoveInMeter([this](TObject*, bool WithinRange, TShiftState Shift, double MeterValue) {
    pointerText_ = WithinRange ? "OnMouseMoveInMeter: " + OneDecimal(MeterValue) : "OnMouseMoveInMeter: outside the scale";
    if (WithinRange && (Shift & ssLeft)) SetLevel(MeterValue);
    Report();
  });
  auto valueEvent = [this](const std::string& Text) {
    return [this, Text](TObject*) {
      valueEventText_ = Text;
      Report();
    };
  };
  level_->SetOnUnderFlow(valueEvent("OnUnderFlow: at or below ThresholdLow"));
  level_->SetOnNormalRange(valueEvent("OnNormalRange"));
  level_->SetOnOverFlow(valueEvent("OnOverFlow: at or above ThresholdHigh"));

  setting_ = AddExhibit<TNumIO2>("Setting", kSettingBounds, "TNumIO2 coupled with the level");
  setting_->SetLeftSpace(60);
  setting_->SetTextBoxWidth(150);
  setting_->SetFixPointDecPlaces(1);
  setting_->SetRangeHigh(100);
  setting_->SetButVisible(true);
  setting_->SetButIncrem(5);
  setting_->SetGaugeVisible(true);
  setting_->SetGaugeLeftMargin(60);
  setting_->SetGaugeWidth(152);
  setting_->SetLeftText("Level");
  setting_->SetRightText("%");
  setting_->SetOnChange([this](TObject*) { SetLevel(setting_->GetValue()); });
  setting_->SetOnGaugeChange([this](TObject*, TShiftState, double Value) { SetLevel(Value); });
  eventNote_ = AddNote({kSettingBounds.Left, kSettingBounds.Bottom + 14}, "Events of the level meter", {});
  SetLevel(35);
}

void TMeterPage::AddSmallMeters() {
  struct TSmall {
    const char* Name;
    const char* Caption;
    const char* Unit;
    TMeterLayout Layout;
    double Min, Max, Value;
    int Ticks;
    TFrameStyle Frame;
  };
  const TSmall meters[] = {
      {"Battery", "mlCirc90", "V", mlCirc90, 0, 15, 12.6, 2, 3},
      {"Boost", "mlCirc270, etched frame", "bar", mlCirc270, 0, 16, 11.5, 4, 4},
      {"Power", "Logarithmic, 0.01 to 100", "mW", mlCirc120, 0.01, 100, 3.2, 4, 3},
  };
  int left = Margin;
  for (const TSmall& s : meters) {
    TMeter* m = AddExhibit<TMeter>(s.Name, Bounds(left, kSmallTop, kSmallWidth, kSmallHeight), s.Caption);
    DressMeter(m, s.Unit);
    m->GetFontCaption()->SetSize(9);
    m->SetAnchorSize(14);
    m->SetMeterLayout(s.Layout);
    m->SetMeterMaxValue(s.Max);
    m->SetMeterMinValue(s.Min);
    m->SetThresholdHigh(s.Max);
    m->SetMeterNrTicks(s.Ticks);
    m->SetMeterDecPlaces(0);
    m->SetFrameStyle(s.Frame);
    if (s.Min > 0) {
      m->SetLogarithmic(true);
      m->SetMeterShortTicks(false);
      m->SetMeterDecPlaces(2);
      m->SetOnBeforeDrawScaleLabel(DecadeLabel);
    }
    m->SetValue(s.Value);
    left += kSmallWidth + kSmallGap;
  }
}

void TMeterPage::Swing() {
  elapsed_ += FrameInterval;
  if (elapsed_ >= TargetPeriod) {
    elapsed_ = 0;
    target_ = (target_ + 1) % std::size(kTargets);
    voltmeter_->SetValueSec(kTargets[target_]);
  }
  const double target = kTargets[target_];
  if (std::fabs(target - position_) < kSettled && std::fabs(speed_) < kSettled) {
    // At rest: nothing moves, nothing is drawn until the next target.
    if (position_ == target) return;
    position_ = target;
    speed_ = 0;
  }
  const double dt = FrameInterval / 1000.0;
  const double pull = kNaturalFrequency * kNaturalFrequency * (target - position_);
  speed_ += (pull - 2 * kDamping * kNaturalFrequency * speed_) * dt;
  position_ += speed_ * dt;
  // The needle stops at the ends of the scale.
  if (position_ < 0 || position_ > kVoltmeterMax) {
    position_ = std::clamp(position_, 0.0, kVoltmeterMax);
    speed_ = 0;
  }
  voltmeter_->SetValue(position_);
  ExhibitChanged(voltmeter_);
}

void TMeterPage::SetLevel(double Value) {
  Value = std::round(std::clamp(Value, 0.0, 100.0) * 10) / 10;
  level_->SetValue(Value);
  if (setting_->GetValue() != Value) setting_->SetValue(Value);
  ExhibitChanged(level_);
  ExhibitChanged(setting_);
}

void TMeterPage::Report() {
  if (eventNote_ >= 0) SetNoteLines(eventNote_, {pointerText_, valueEventText_});
}

void TMeterPage::VisibleChanged() {
  TGalleryPage::VisibleChanged();
  swingTimer_->SetEnabled(GetVisible());
}

}  // namespace gallery
