#pragma once
// Runs the registered benchmarks and then prints ratios between pairs of them, measured in the
// same run: the figures that matter on a shared, noisy machine. The ratios use CPU time per
// iteration, since other jobs on the machine stretch the wall-clock time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace gadrix::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& run : Runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
      // Both the full name ("BM_Sort/1000") and the function's name find a run.
      times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
      times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(Runs);
  }
  double Time(const std::string& Name) const {
    auto it = times_.find(Name);
    return it == times_.end() ? 0.0 : it->second;
  }

private:
  std::map<std::string, double> times_;
};

// Each pair is (measured, baseline, what the ratio means); the ratio is the measured time over
// the baseline's.
struct Ratio {
  std::string Measured;
  std::string Baseline;
  std::string Label;
};

// Runs every benchmark, after Before (for figures that are no timings, such as memory), then
// prints the ratios.
inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& Ratios,
                         const std::function<void()>& Before = {}) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (Before) Before();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const Ratio& r : Ratios) {
    const double measured = reporter.Time(r.Measured), baseline = reporter.Time(r.Baseline);
    if (measured > 0 && baseline > 0) std::printf("ratio  %-64s %7.3fx\n", r.Label.c_str(), measured / baseline);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace gadrix::bench
