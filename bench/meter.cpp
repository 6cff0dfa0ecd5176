// A full paint of a meter at its default size (297 x 209: the whole off-screen picture with scale,
// labels, needle, bezel, anchor, lamps and frame, then the copy), against one FillRect of the same
// area. A dozen meters animating at 60 frames per second need the paint of a new value to stay
// within about 15 fills; a paint after a property change also draws the cached layers anew.

#include "BenchSupport.h"
#include "gadrix/meter/Meter.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

TBitmap& Target(const TMeter& Meter) {
  static TBitmap target;
  target.SetSize(Meter.GetWidth(), Meter.GetHeight());
  return target;
}

void MeterFullPaint(benchmark::State& state) {
  TForm form(nullptr);
  auto* meter = new TMeter(&form);
  meter->SetParent(&form);
  TBitmap& target = Target(*meter);
  double value = 0;
  for (auto _ : state) {
    value = value >= 1 ? 0 : value + 0.01;  // a new needle position every frame
    meter->SetValue(value);
    meter->PaintTo(target.GetCanvas(), 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(MeterFullPaint);

// The same meter with bands, a second needle and a shadow: the most a meter draws.
void MeterFullPaintBusy(benchmark::State& state) {
  TForm form(nullptr);
  auto* meter = new TMeter(&form);
  meter->SetParent(&form);
  meter->SetMeterLayout(mlCirc300);
  meter->SetMeterMaxValue(100);
  meter->SetMeterNrTicks(10);
  meter->SetThresholdHigh(80);
  meter->SetThresholdLow(20);
  meter->SetScaleBkVisible(true);
  meter->SetScaleBkWidth(10);
  meter->SetCaption("kPa");
  meter->GetNeedleLayout()->SetThickness(3);
  meter->GetNeedleLayout()->SetShadowDx(-2);
  meter->GetNeedleLayout()->SetShadowDy(-2);
  meter->GetNeedleLayoutSec()->SetVisible(true);
  meter->SetValueSec(90);
  TBitmap& target = Target(*meter);
  double value = 0;
  for (auto _ : state) {
    value = value >= 100 ? 0 : value + 1;
    meter->SetValue(value);
    meter->PaintTo(target.GetCanvas(), 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(MeterFullPaintBusy);

// A property change before every paint: the layers under and over the needles are drawn anew.
void MeterPaintAfterPropertyChange(benchmark::State& state) {
  TForm form(nullptr);
  auto* meter = new TMeter(&form);
  meter->SetParent(&form);
  TBitmap& target = Target(*meter);
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    meter->SetColorBakG(odd ? clCream : clWhite);
    meter->PaintTo(target.GetCanvas(), 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(MeterPaintAfterPropertyChange);

void FillRectSameArea(benchmark::State& state) {
  TBitmap target;
  target.SetSize(297, 209);
  TCanvas* c = target.GetCanvas();
  TColor color = 0;
  for (auto _ : state) {
    c->GetBrush()->SetColor(color++ & 0xFFFFFF);
    c->FillRect(Rect(0, 0, 297, 209));
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(FillRectSameArea);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv,
      {{"MeterFullPaint", "FillRectSameArea", "meter full paint at 297 x 209 / FillRect of the same area"},
       {"MeterFullPaintBusy", "FillRectSameArea", "busy meter (bands, two needles, shadow) / FillRect"},
       {"MeterPaintAfterPropertyChange", "FillRectSameArea", "paint after a property change (layers anew) / FillRect"}});
}
