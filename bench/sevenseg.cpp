// The seven-segment display: a paint only copies cache cells, so it costs a few fills of the
// control's area; a rebuild of the glyph cache composes and scales all 21 glyphs.
//
// Printed: a paint of the default display ("8.8.8.8." at 216 x 76) against one FillRect of the
// same area (the aim is at most 3x), both Paint alone and PaintTo into a bitmap (which adds the
// framework's setting up of a canvas), and the time of one cache rebuild at the default size
// (the aim is under 5 ms; compare its CPU column, the machine is shared) beside the composing of
// a single glyph.

#include "BenchSupport.h"
#include "gadrix/displays/sevenseg.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

// Opens the rebuild to the benchmark.
class TBenchSevenSeg : public TSevenSeg {
public:
  using TSevenSeg::TSevenSeg;
  using TSevenSeg::CreateDigit;
  using TSevenSeg::CreateImageCache;
  using TSevenSeg::Paint;
};

struct TBench {
  TForm Form{nullptr};
  TBenchSevenSeg* Display;
  TBitmap Target;
  TBench() {
    Display = new TBenchSevenSeg(&Form);
    Display->SetParent(&Form);
    Target.SetSize(Display->GetWidth(), Display->GetHeight());
    Form.Show();
    Form.PaintPending();
  }
};

TBench& Bench() {
  static TBench bench;
  return bench;
}

void FillRectBaseline(benchmark::State& state) {
  TBench& bench = Bench();
  TCanvas* canvas = bench.Target.GetCanvas();
  TColor color = 0x333333;
  for (auto _ : state) {
    canvas->GetBrush()->SetColor(color ^= 1);
    canvas->FillRect(Rect(0, 0, bench.Target.GetWidth(), bench.Target.GetHeight()));
    benchmark::DoNotOptimize(bench.Target.ScanLine(0)[0]);
  }
}
BENCHMARK(FillRectBaseline);

// Paint alone, onto the form's back buffer.
void PaintDefaultDisplay(benchmark::State& state) {
  TBench& bench = Bench();
  for (auto _ : state) {
    bench.Display->Paint();
    benchmark::DoNotOptimize(bench.Form.BackBuffer().Row(0)[0]);
  }
}
BENCHMARK(PaintDefaultDisplay);

void PaintDefaultDisplayToBitmap(benchmark::State& state) {
  TBench& bench = Bench();
  for (auto _ : state) {
    bench.Display->PaintTo(bench.Target.GetCanvas(), 0, 0);
    benchmark::DoNotOptimize(bench.Target.ScanLine(0)[0]);
  }
}
BENCHMARK(PaintDefaultDisplayToBitmap);

void ComposeOneGlyph(benchmark::State& state) {
  TBench& bench = Bench();
  for (auto _ : state) bench.Display->CreateDigit('8', true);
}
BENCHMARK(ComposeOneGlyph)->Unit(benchmark::kMillisecond);

void RebuildCacheAtDefaultSize(benchmark::State& state) {
  TBench& bench = Bench();
  for (auto _ : state) bench.Display->CreateImageCache();
}
BENCHMARK(RebuildCacheAtDefaultSize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv,
      {{"PaintDefaultDisplay", "FillRectBaseline", "Paint of 8.8.8.8. / FillRect of the same 216 x 76 area"},
       {"PaintDefaultDisplayToBitmap", "FillRectBaseline", "PaintTo a bitmap / FillRect of the same area"},
       {"RebuildCacheAtDefaultSize", "ComposeOneGlyph", "cache rebuild (21 glyphs, scaled) / composing one glyph"}});
}
