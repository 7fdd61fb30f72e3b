#pragma once
// Numeric constants shared by the controls.
#include <limits>
#include <numbers>

namespace vyr {

// The largest finite double; bounds every scanned floating-point value.
inline constexpr double uc_MaxDouble = std::numeric_limits<double>::max();

// The largest finite real. Reals are doubles here, so it equals uc_MaxDouble.
inline constexpr double uc_MaxReal = std::numeric_limits<double>::max();

// The natural logarithm of 10.
inline constexpr double uc_ln10 = std::numbers::ln10;

}  // namespace vyr
