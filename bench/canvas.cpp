// The canvas primitives on a full-HD bitmap, against memset of the same bytes.

#include <cstring>
#include <vector>

#include "BenchSupport.h"
#include "gadrix/platform/graphics/Graphics.h"

namespace {

using namespace gadrix;

constexpr int kWidth = 1920, kHeight = 1080;

TBitmap& FullHd() {
  static TBitmap bitmap;
  if (bitmap.GetEmpty()) bitmap.SetSize(kWidth, kHeight);
  return bitmap;
}

void MemsetFullHd(benchmark::State& state) {
  std::vector<TPixel> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  for (auto _ : state) {
    std::memset(pixels.data(), 0x5A, pixels.size() * sizeof(TPixel));
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MemsetFullHd);

void FillRectFullHd(benchmark::State& state) {
  TCanvas* c = FullHd().GetCanvas();
  c->GetBrush()->SetColor(clRed);
  for (auto _ : state) {
    c->FillRect(Rect(0, 0, kWidth, kHeight));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FillRectFullHd);

void LineToDiagonal(benchmark::State& state) {
  TCanvas* c = FullHd().GetCanvas();
  for (auto _ : state) {
    c->MoveTo(0, 0);
    c->LineTo(kWidth - 1, kHeight - 1);
  }
  state.SetItemsProcessed(state.iterations() * (kWidth - 1));
}
BENCHMARK(LineToDiagonal);

void RectangleFullHd(benchmark::State& state) {
  TCanvas* c = FullHd().GetCanvas();
  for (auto _ : state) c->Rectangle(0, 0, kWidth, kHeight);
}
BENCHMARK(RectangleFullHd);

void EllipseFullHd(benchmark::State& state) {
  TCanvas* c = FullHd().GetCanvas();
  for (auto _ : state) c->Ellipse(0, 0, kWidth, kHeight);
}
BENCHMARK(EllipseFullHd);

void TextOutShort(benchmark::State& state) {
  TCanvas* c = FullHd().GetCanvas();
  c->GetFont()->SetName("Arial");
  c->GetFont()->SetSize(10);
  const std::string text = "12.345 kV";
  int x = 0;
  for (auto _ : state) {
    c->TextOut(x, 100, text);
    x = (x + 37) % 1800;
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetLabel("items = glyphs");
}
BENCHMARK(TextOutShort);

void HalftoneStretch(benchmark::State& state) {
  TBitmap source;
  source.SetSize(312, 432);
  source.GetCanvas()->GetBrush()->SetColor(clBlack);
  source.GetCanvas()->Ellipse(20, 20, 290, 410);
  TBitmap target;
  target.SetSize(48, 60);
  SetStretchBltMode(target.GetCanvas(), HALFTONE);
  for (auto _ : state) StretchBlt(target.GetCanvas(), 0, 0, 48, 60, source.GetCanvas(), 0, 0, 312, 432, cmSrcCopy);
}
BENCHMARK(HalftoneStretch);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(argc, argv,
                                      {{"FillRectFullHd", "MemsetFullHd", "FillRect of full HD / memset of the same bytes"},
                                       {"RectangleFullHd", "MemsetFullHd", "Rectangle of full HD / memset"},
                                       {"EllipseFullHd", "MemsetFullHd", "Ellipse of full HD / memset"}});
}
