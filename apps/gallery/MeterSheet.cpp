// The meter sheet: the six layouts, a logarithmic scale, bands with two needles, and frames of a
// meter whose value a timer animates. TMeterDemo is that animated meter as a panel of its own, for
// the live gallery window.

#include <algorithm>
#include <cmath>
#include <string>

#include "Sheets.h"
#include "gadrix/meter/Meter.h"
#include "gadrix/platform/backends/headless/Simulation.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr TColor kSheet = 0xEEEEEE;
constexpr TColor kIvory = 0xE6F5FA;  // the dial of an old panel instrument
constexpr TColor kInk = 0x202020;
constexpr TColor kNeedleRed = 0x2020C0;
constexpr TColor kBakelite = 0x383838;  // bezel and anchor
constexpr int kMeterWidth = 297, kMeterHeight = 209;
constexpr int kGap = 18, kTitleHeight = 22;

}  // namespace

void DressMeter(TMeter* M, const std::string& Unit) {
  M->GetFont()->SetName("Arial");
  M->GetFont()->SetSize(8);
  M->GetFont()->SetColor(kInk);
  M->GetFontCaption()->SetName("Arial");
  M->GetFontCaption()->SetSize(13);
  M->GetFontCaption()->SetStyle(fsBold);
  M->GetFontCaption()->SetColor(kInk);
  M->SetCaption(Unit);
  M->SetColorBakG(kIvory);
  M->SetColorScale(kInk);
  M->SetColorCover(kBakelite);
  TNeedleLayout* n = M->GetNeedleLayout();
  n->SetColorBody(kNeedleRed);
  n->SetColorOutline(0x101060);
  n->SetThickness(3);
  n->SetHeadSize(16);
  n->SetHeadMidLeng(14);
  n->SetHeadAngle(24);
  n->SetShadowDx(-2);
  n->SetShadowDy(-2);
  n->SetShadowColor(0xB8C4C8);
}

namespace {

TMeter* NewMeter(TForm* Form, int Width = kMeterWidth, int Height = kMeterHeight) {
  auto* m = new TMeter(Form);
  m->SetParent(Form);
  m->SetBounds(0, 0, Width, Height);
  return m;
}

void Title(TCanvas* C, int X, int Y, const std::string& Text) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(9);
  C->GetFont()->SetStyle(fsBold);
  C->GetFont()->SetColor(clBlack);
  C->TextOut(X, Y, Text);
}

// Each layout with a range and unit that suits it.
void Layouts(TForm* Form, TCanvas* C, int Top) {
  struct Shape {
    TMeterLayout Layout;
    const char* Name;
    const char* Unit;
    double Max, Value;
    int Ticks;
  };
  const Shape shapes[] = {
      {mlCirc90, "mlCirc90", "V", 10, 6.2, 5},     {mlCirc120, "mlCirc120", "mA", 50, 31, 5},
      {mlCirc180, "mlCirc180", "%", 100, 73, 10},  {mlCirc270, "mlCirc270", "bar", 16, 11.5, 8},
      {mlCirc300, "mlCirc300", "km/h", 240, 96, 10}, {mlCirc360, "mlCirc360", "hPa", 60, 42, 6},
  };
  for (int i = 0; i < 6; ++i) {
    const Shape& s = shapes[i];
    TMeter* m = NewMeter(Form);
    DressMeter(m, s.Unit);
    m->SetMeterLayout(s.Layout);
    m->SetMeterMaxValue(s.Max);
    m->SetThresholdHigh(s.Max);
    m->SetMeterNrTicks(s.Ticks);
    m->SetMeterDecPlaces(0);
    m->SetValue(s.Value);
    m->SetFrameStyle(static_cast<TFrameStyle>(i == 2 ? 4 : 3));
    if (s.Layout == mlCirc360) {
      // Both ends of a full circle share one ray: the minimum's label speaks for both.
      const std::string last = ScaleLabel(s.Max, 0);
      m->SetOnBeforeDrawScaleLabel([last](TObject*, TCanvas*, std::string& Label, int, int) {
        if (Label == last) Label.clear();
      });
    }
    const int x = kGap + (i % 3) * (kMeterWidth + kGap);
    const int y = Top + (i / 3) * (kMeterHeight + kTitleHeight + kGap);
    Title(C, x, y, s.Name);
    m->PaintTo(C, x, y + kTitleHeight);
  }
}

// A sound level meter: decades from 0.01 to 100 with labels at 1, 2 and 5.
void Logarithmic(TForm* Form, TCanvas* C, int X, int Y) {
  TMeter* m = NewMeter(Form);
  DressMeter(m, "mW");
  m->SetMeterLayout(mlCirc120);
  m->SetMeterMaxValue(100);
  m->SetMeterMinValue(0.01);
  m->SetLogarithmic(true);
  m->SetMeterShortTicks(false);
  m->SetMeterDecPlaces(2);
  m->SetThresholdHigh(50);
  m->SetValue(3.2);
  m->SetOnBeforeDrawScaleLabel([](TObject*, TCanvas*, std::string& Label, int, int) {
    // Trailing zeros say nothing on a decade scale: 0.50 reads 0.5, 20.00 reads 20.
    if (Label.find('.') == std::string::npos) return;
    Label.erase(Label.find_last_not_of('0') + 1);
    if (Label.back() == '.') Label.pop_back();
  });
  Title(C, X, Y, "Logarithmic, 0.01 to 100");
  m->PaintTo(C, X, Y + kTitleHeight);
}

// A temperature meter with its three bands and a second needle that holds the day's peak.
void BandsAndTwoNeedles(TForm* Form, TCanvas* C, int X, int Y) {
  TMeter* m = NewMeter(Form);
  DressMeter(m, "\xC2\xB0" "C");
  m->SetMeterLayout(mlCirc270);
  m->SetMeterMaxValue(120);
  m->SetMeterMinValue(-20);
  m->SetMeterNrTicks(7);
  m->SetMeterDecPlaces(0);
  m->SetThresholdHigh(90);
  m->SetThresholdLow(10);
  m->SetScaleBkVisible(true);
  m->SetScaleBkWidth(9);
  m->SetColorSclBkLow(0xE0A040);
  m->SetColorSclBkNorm(0x60C060);
  m->SetColorSclBkHigh(0x3030E0);
  TNeedleLayout* peak = m->GetNeedleLayoutSec();
  peak->SetVisible(true);
  peak->SetColorBody(0x2090E0);
  peak->SetColorOutline(0x104070);
  peak->SetThickness(2);
  peak->SetPercentNeedleLength(88);
  peak->SetHeadSize(10);
  peak->SetHeadMidLeng(8);
  m->SetValueSec(97);
  m->SetValue(64);
  Title(C, X, Y, "Bands and a second needle (peak)");
  m->PaintTo(C, X, Y + kTitleHeight);
}

// What a host can draw through the events: a zone label on the dial.
void CustomDrawn(TForm* Form, TCanvas* C, int X, int Y) {
  TMeter* m = NewMeter(Form);
  DressMeter(m, "rpm x100");
  m->SetMeterLayout(mlCirc180);
  m->SetMeterMaxValue(80);
  m->SetMeterNrTicks(8);
  m->SetMeterDecPlaces(0);
  m->SetThresholdHigh(65);
  m->SetScaleBkVisible(true);
  m->SetScaleBkWidth(6);
  m->SetColorSclBkLow(kIvory);
  m->SetColorSclBkNorm(kIvory);
  m->SetColorSclBkHigh(0x2828D0);
  m->SetFrameStyle(5);
  m->SetValue(71);
  m->SetOnMeterRendered([](TObject* Sender, TCanvas* Canvas) {
    auto* meter = static_cast<TMeter*>(Sender);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->GetFont()->SetName("Arial");
    Canvas->GetFont()->SetSize(7);
    Canvas->GetFont()->SetStyle(fsBold);
    Canvas->GetFont()->SetColor(0x2828D0);
    int x = 0, y = 0;
    meter->ConvertToPixelCoords(72.5, 72, x, y);
    Canvas->TextOut(x - Canvas->TextWidth("RED") / 2, y - Canvas->TextHeight("RED") / 2, "RED");
  });
  Title(C, X, Y, "Drawn on through OnMeterRendered; overflow lamp lit");
  m->PaintTo(C, X, Y + kTitleHeight);
}

}  // namespace

// --- the animated meter ------------------------------------------------------------------------------

// A signal that rises from rest and then wanders, as a pressure gauge on a running pump does; the
// second needle drags behind at the highest value seen and sinks back slowly.
class TMeterDemo : public TCustomControl {
public:
  static constexpr unsigned kFrameMs = 40;  // 25 frames a second

  explicit TMeterDemo(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, kMeterWidth, kMeterHeight);
    meter_ = new TMeter(this);
    meter_->SetParent(this);
    meter_->SetBounds(0, 0, kMeterWidth, kMeterHeight);
    DressMeter(meter_, "kPa");
    meter_->SetMeterLayout(mlCirc300);
    meter_->SetMeterMaxValue(160);
    meter_->SetMeterNrTicks(8);
    meter_->SetMeterDecPlaces(0);
    meter_->SetThresholdHigh(140);
    meter_->SetThresholdLow(20);
    meter_->SetScaleBkVisible(true);
    meter_->SetScaleBkWidth(5);
    meter_->SetColorSclBkLow(0xD0D0D0);
    meter_->SetColorSclBkNorm(kIvory);
    meter_->SetColorSclBkHigh(0x3030E0);
    TNeedleLayout* drag = meter_->GetNeedleLayoutSec();
    drag->SetVisible(true);
    drag->SetColorBody(0x909090);
    drag->SetColorOutline(0x505050);
    drag->SetPercentNeedleLength(92);
    drag->SetHeadSize(9);
    drag->SetHeadMidLeng(7);
    timer_ = new TTimer(this);
    timer_->SetInterval(kFrameMs);
    timer_->SetOnTimer([this](TObject*) { Step(); });
  }

  TMeter* Meter() const { return meter_; }
  double Seconds() const { return frames_ * kFrameMs / 1000.0; }

private:
  static constexpr double kWorkingPressure = 95;  // kPa, where the needle settles
  static constexpr double kRiseSeconds = 1.2;     // time constant of the rise from rest
  static constexpr double kPeakSink = 0.15;       // kPa per frame that the drag needle falls back

  void Step() {
    ++frames_;
    const double t = Seconds();
    const double rise = 1 - std::exp(-t / kRiseSeconds);
    // Three unrelated ripples: the sum never quite repeats, as a real signal.
    const double ripple = 9 * std::sin(1.7 * t) + 5 * std::sin(4.1 * t + 0.6) + 3 * std::sin(9.3 * t);
    const double value = std::clamp(rise * (kWorkingPressure + ripple), 0.0, meter_->GetMeterMaxValue());
    meter_->SetValue(value);
    peak_ = std::max(value, peak_ - kPeakSink);
    meter_->SetValueSec(peak_);
  }

  TMeter* meter_;
  TTimer* timer_;
  int frames_ = 0;
  double peak_ = 0;
};

TWinControl* CreateMeterDemo(TWinControl* Parent) {
  auto* demo = new TMeterDemo(Parent);
  demo->SetParent(Parent);
  return demo;
}

namespace {

// Frames of the demo as its timer drives it, at the moments given, side by side at a smaller size.
void AnimationFrames(TForm* Form, TCanvas* C, int Top) {
  auto* demo = static_cast<TMeterDemo*>(CreateMeterDemo(Form));
  constexpr int frameWidth = 220, frameHeight = 160;
  demo->SetBounds(0, 0, frameWidth, frameHeight);
  demo->Meter()->SetBounds(0, 0, frameWidth, frameHeight);
  // Fewer labels and a smaller anchor suit the smaller dial.
  demo->Meter()->GetFontCaption()->SetSize(9);
  demo->Meter()->SetMeterNrTicks(4);
  demo->Meter()->SetAnchorSize(14);
  const unsigned moments[] = {200, 800, 1800, 3200};
  unsigned now = 0;
  Title(C, kGap, Top, "Animated by a TTimer (40 ms): frames at 0.2, 0.8, 1.8 and 3.2 s");
  for (int i = 0; i < 4; ++i) {
    sim::AdvanceTime(moments[i] - now);
    now = moments[i];
    const int x = kGap + i * (frameWidth + kGap);
    demo->Meter()->PaintTo(C, x, Top + kTitleHeight);
  }
}

}  // namespace

void RenderMeterSheet(TBitmap& Bitmap) {
  constexpr int row = kMeterHeight + kTitleHeight + kGap;
  Bitmap.SetSize(3 * kMeterWidth + 4 * kGap, kGap + 3 * row + 160 + kTitleHeight + kGap);
  TCanvas* C = Bitmap.GetCanvas();
  C->GetBrush()->SetColor(kSheet);
  C->FillRect(Rect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()));
  TForm form(nullptr);
  form.SetBounds(0, 0, 1000, 800);
  Layouts(&form, C, kGap);
  const int third = kGap + 2 * row;
  Logarithmic(&form, C, kGap, third);
  BandsAndTwoNeedles(&form, C, 2 * kGap + kMeterWidth, third);
  CustomDrawn(&form, C, 3 * kGap + 2 * kMeterWidth, third);
  AnimationFrames(&form, C, kGap + 3 * row);
}

}  // namespace gallery
