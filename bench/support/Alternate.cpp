#include "Alternate.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>

namespace vyrbench {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

namespace {

// The processor's model name, so that each ratio says where it was measured
// (ratios move with the processor).
const std::string& Processor() {
  static const std::string name = [] {
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);)
      if (line.rfind("model name", 0) == 0 && line.find(':') != std::string::npos)
        return line.substr(line.find_first_not_of(" \t", line.find(':') + 1));
    return std::string("unknown processor");
  }();
  return name;
}

}  // namespace

void PrintRatio(const Comparison& c, std::vector<double> ratios) {
  if (ratios.empty()) {
    std::printf("ratio %s: not measured\n", c.subject.c_str());
    return;
  }
  std::sort(ratios.begin(), ratios.end());
  const std::size_t n = ratios.size();
  const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
  std::printf("ratio %s: %.3f (min %.3f, max %.3f, goal <= %g) on %s\n", c.subject.c_str(), median,
              ratios.front(), ratios.back(), c.goal, Processor().c_str());
  std::fflush(stdout);
}

}  // namespace vyrbench
