#pragma once
// Ours against a peer, the two run alternately in one process: a warm-up
// round of each, then `rounds` rounds, each side timed in process CPU time
// (the machines are shared, so wall time would measure the neighbours).
// Both sides must give the same result every time; a mismatch fails the
// comparison. Prints
//   ratio <subject>: <median ours/peer> (min <a>, max <b>, goal <= G) on <processor>
// and returns whether the results agreed (not whether the goal was met).
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vyrbench {

double CpuSeconds();

struct Comparison {
  std::string subject;
  double goal = 1.0;
  int rounds = 5;
};

// The median, smallest and largest of the per-round ratios, printed.
void PrintRatio(const Comparison& c, std::vector<double> ratios);

template <typename Result>
bool Alternate(const Comparison& c, const std::function<Result()>& ours, const std::function<Result()>& peer) {
  auto timed = [](const std::function<Result()>& side, Result& result) {
    const double start = CpuSeconds();
    result = side();
    return CpuSeconds() - start;
  };
  std::vector<double> ratios;
  for (int round = 0; round <= c.rounds; ++round) {
    Result a{}, b{};
    const double tOurs = timed(ours, a);
    const double tPeer = timed(peer, b);
    if (!(a == b)) {
      std::printf("ratio %s: results differ, not compared\n", c.subject.c_str());
      return false;
    }
    if (round > 0 && tPeer > 0) ratios.push_back(tOurs / tPeer);  // round 0 warms up
  }
  PrintRatio(c, std::move(ratios));
  return true;
}

}  // namespace vyrbench
