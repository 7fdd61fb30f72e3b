#include "BenchRatio.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>

namespace vyrbench {
namespace {

// Console output as usual, plus the time per iteration of every run by name.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
};

}  // namespace

int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  int failures = 0;
  for (const Ratio& r : ratios) {
    auto ours = reporter.times.find(r.ours);
    auto peer = reporter.times.find(r.peer);
    if (ours == reporter.times.end() || peer == reporter.times.end() || peer->second <= 0) {
      std::printf("ratio %s: not measured\n", r.subject.c_str());
      ++failures;
      continue;
    }
    std::printf("ratio %s: %.3f (goal <= %g)\n", r.subject.c_str(), ours->second / peer->second, r.goal);
  }
  benchmark::Shutdown();
  return failures == 0 ? 0 : 1;
}

}  // namespace vyrbench
