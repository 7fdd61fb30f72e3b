#pragma once
// Runs the registered Google benchmarks and prints one comparison line per
// pair: "ratio <subject>: <ours/peer> (goal <= G)". Lower is better.
#include <string>
#include <vector>

namespace vyrbench {

struct Ratio {
  std::string subject;  // printed name of the comparison
  std::string ours;     // benchmark name of the library's case
  std::string peer;     // benchmark name of the peer's case
  double goal;          // the ratio the library aims to stay under
};

int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios);

}  // namespace vyrbench
