#pragma once
// Runs the registered benchmarks and then prints ratios between pairs of them, measured in the
// same run: the figures that matter on a shared, noisy machine.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace gadrix::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& run : Runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(Runs);
  }
  double Time(const std::string& Name) const {
    auto it = times_.find(Name);
    return it == times_.end() ? 0.0 : it->second;
  }

private:
  std::map<std::string, double> times_;
};

// Each pair is (measured, baseline, what the ratio means).
struct Ratio {
  std::string Measured;
  std::string Baseline;
  std::string Label;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& Ratios) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const Ratio& r : Ratios) {
    const double measured = reporter.Time(r.Measured), baseline = reporter.Time(r.Baseline);
    if (measured > 0 && baseline > 0) std::printf("ratio  %-60s %7.3fx\n", r.Label.c_str(), measured / baseline);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace gadrix::bench
