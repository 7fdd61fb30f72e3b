#pragma once
// Rounding of a double to an int, as every control rounds: to the nearest
// integer with halves to even. The result is kept within +-2^30 so that it
// can take further pixel offsets without overflowing; NaN gives 0.
#include <algorithm>
#include <cmath>

namespace vyr {

inline constexpr double kCoordLimit = 1 << 30;

inline int RoundHalfEven(double x) {
  if (std::isnan(x)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(x, -kCoordLimit, kCoordLimit)));
}

}  // namespace vyr
