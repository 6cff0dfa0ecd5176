// Number text against the C library on the same inputs: ScanReal against strtod, RealToText
// against snprintf in the fixed and in the exponent form. After the runs the speed of each
// routine is printed as a fraction of its baseline's (1.00 = as fast, above 1 = faster).

#include "BenchSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "gadrix/numeric/NumText.h"

namespace {

constexpr std::size_t kInputs = 4096;
constexpr int kFixedWidth = 12;
constexpr int kFixedDecimals = 2;
constexpr int kExpWidth = 12;  // " 1.23450E+03"

// Values as a numeric input holds them: a few significant digits up to full precision, with
// magnitudes from 1e-20 to 1e20.
const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::vector<double> v(kInputs);
    for (double& x : v) x = mantissa(engine) * std::pow(10.0, exponent(engine));
    return v;
  }();
  return values;
}

// The values printed to 17 significant digits, half of them in the exponent form.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    char buffer[64];
    for (std::size_t i = 0; i < kInputs; ++i) {
      std::snprintf(buffer, sizeof buffer, i % 2 == 0 ? "%.17g" : "%.16e", Values()[i]);
      t.emplace_back(buffer);
    }
    return t;
  }();
  return texts;
}

void BM_strtod(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string& text : Texts()) {
      char* end = nullptr;
      benchmark::DoNotOptimize(std::strtod(text.c_str(), &end));
      benchmark::DoNotOptimize(end);
    }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

void BM_ScanReal(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string& text : Texts()) {
      int pos = 1;
      benchmark::DoNotOptimize(gadrix::ScanReal(text, pos, true, gadrix::dpsPoint));
      benchmark::DoNotOptimize(pos);
    }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

void BM_snprintf_fixed(benchmark::State& state) {
  char buffer[512];
  for (auto _ : state)
    for (double value : Values()) {
      benchmark::DoNotOptimize(
          std::snprintf(buffer, sizeof buffer, "%*.*f", kFixedWidth, kFixedDecimals, value));
      benchmark::ClobberMemory();
    }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

void BM_RealToText_fixed(benchmark::State& state) {
  for (auto _ : state)
    for (double value : Values())
      benchmark::DoNotOptimize(gadrix::RealToText(kFixedWidth, kFixedDecimals, value));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

void BM_snprintf_exp(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state)
    for (double value : Values()) {
      benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.*E", kExpWidth - 7, value));
      benchmark::ClobberMemory();
    }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

void BM_RealToText_exp(benchmark::State& state) {
  for (auto _ : state)
    for (double value : Values()) benchmark::DoNotOptimize(gadrix::RealToText(kExpWidth, -2, value));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kInputs));
}

BENCHMARK(BM_strtod);
BENCHMARK(BM_ScanReal);
BENCHMARK(BM_snprintf_fixed);
BENCHMARK(BM_RealToText_fixed);
BENCHMARK(BM_snprintf_exp);
BENCHMARK(BM_RealToText_exp);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(argc, argv,
                                      {{"BM_ScanReal", "BM_strtod", "ScanReal / strtod"},
                                       {"BM_RealToText_fixed", "BM_snprintf_fixed", "RealToText fixed / snprintf %.*f"},
                                       {"BM_RealToText_exp", "BM_snprintf_exp", "RealToText exponent / snprintf %.*E"}});
}
