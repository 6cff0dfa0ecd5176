// Text engine throughput: rendering short strings (glyphs per second) and measuring them (widths
// per second). The machine is shared, so each figure is also given against a baseline measured in
// the same run: rendering against copying masks of the same sizes, measuring against decoding the
// same UTF-8.

#include "BenchSupport.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace {

using gadrix::TFontSpec;
using gadrix::TTextEngine;
using gadrix::TTextMask;

// What controls draw: captions, numbers, short labels.
const std::vector<std::string> kTexts = {"OK", "Cancel", "123.45", "-0.0071", "Meter value: 42 %",
                                         "Januar 2024", "Sum", "x = 17.5 mV"};

std::size_t GlyphCount() {
  std::size_t count = 0;
  for (const std::string& text : kTexts)
    for (std::size_t pos = 0; pos < text.size(); ++count) gadrix::detail::DecodeUtf8(text, pos);
  return count;
}

TFontSpec Font(int Orientation, bool Antialiased) {
  TFontSpec font;
  font.Name = "Tahoma";
  font.PixelSize = 11;
  font.Orientation = Orientation;
  font.Antialiased = Antialiased;
  return font;
}

void Render(benchmark::State& State, int Orientation, bool Antialiased) {
  const TFontSpec font = Font(Orientation, Antialiased);
  for (auto _ : State)
    for (const std::string& text : kTexts) benchmark::DoNotOptimize(TTextEngine::Instance().Render(font, text));
  State.SetItemsProcessed(std::int64_t(State.iterations()) * std::int64_t(GlyphCount()));
}

void BM_RenderUpright(benchmark::State& State) { Render(State, 0, true); }
void BM_RenderUprightMono(benchmark::State& State) { Render(State, 0, false); }
void BM_RenderTurned300(benchmark::State& State) { Render(State, 300, true); }
void BM_RenderTurned900(benchmark::State& State) { Render(State, 900, true); }

// Baseline: allocating and copying masks of the sizes Render produces.
void BM_CopyMasks(benchmark::State& State) {
  std::vector<TTextMask> masks;
  for (const std::string& text : kTexts) masks.push_back(TTextEngine::Instance().Render(Font(0, true), text));
  for (auto _ : State)
    for (const TTextMask& mask : masks) {
      TTextMask copy = mask;
      benchmark::DoNotOptimize(copy.Coverage.data());
    }
  State.SetItemsProcessed(std::int64_t(State.iterations()) * std::int64_t(GlyphCount()));
}

void BM_TextWidth(benchmark::State& State) {
  const TFontSpec font = Font(0, true);
  for (auto _ : State)
    for (const std::string& text : kTexts) benchmark::DoNotOptimize(TTextEngine::Instance().TextWidth(font, text));
  State.SetItemsProcessed(std::int64_t(State.iterations()) * std::int64_t(kTexts.size()));
}

// Baseline: decoding the same texts, code point by code point.
void BM_DecodeUtf8(benchmark::State& State) {
  for (auto _ : State)
    for (const std::string& text : kTexts) {
      char32_t sum = 0;
      for (std::size_t pos = 0; pos < text.size();) sum += gadrix::detail::DecodeUtf8(text, pos);
      benchmark::DoNotOptimize(sum);
    }
  State.SetItemsProcessed(std::int64_t(State.iterations()) * std::int64_t(kTexts.size()));
}

BENCHMARK(BM_CopyMasks);
BENCHMARK(BM_RenderUpright);
BENCHMARK(BM_RenderUprightMono);
BENCHMARK(BM_RenderTurned300);
BENCHMARK(BM_RenderTurned900);
BENCHMARK(BM_DecodeUtf8);
BENCHMARK(BM_TextWidth);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(argc, argv,
                                      {{"BM_RenderUpright", "BM_CopyMasks", "Render upright / copying masks of the same sizes"},
                                       {"BM_RenderUprightMono", "BM_CopyMasks", "Render upright, not antialiased / copying masks"},
                                       {"BM_RenderTurned300", "BM_CopyMasks", "Render at 30 degrees / copying masks"},
                                       {"BM_RenderTurned900", "BM_CopyMasks", "Render at 90 degrees / copying masks"},
                                       {"BM_TextWidth", "BM_DecodeUtf8", "TextWidth / decoding the same UTF-8"}});
}
