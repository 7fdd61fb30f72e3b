#include "Alternate.h"

#include <algorithm>
#include <ctime>

namespace vyrbench {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void PrintRatio(const Comparison& c, std::vector<double> ratios) {
  if (ratios.empty()) {
    std::printf("ratio %s: not measured\n", c.subject.c_str());
    return;
  }
  std::sort(ratios.begin(), ratios.end());
  const std::size_t n = ratios.size();
  const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
  std::printf("ratio %s: %.3f (min %.3f, max %.3f, goal <= %g)\n", c.subject.c_str(), median, ratios.front(),
              ratios.back(), c.goal);
  std::fflush(stdout);
}

}  // namespace vyrbench
