#pragma once
// Where the spin buttons and the gauge of a numeric field take its value,
// and how full the gauge bar is. Non-finite pivots are skipped everywhere.
#include <vector>

namespace vyr {

// The value under gauge position t (0 at the left end, 1 at the right end)
// of the range low..high, snapped to the nearest pivot when there are any
// (the first of equally near ones), then clamped to the range.
double GaugeValue(double t, double low, double high, const std::vector<double>& pivots);

// One spin step from current. Without pivots: current +- increment,
// clamped to low..high. With pivots: from the pivot nearest current, the
// next one up (or down) unless current lies beyond that pivot by more than
// 10^-decimals; pivot values are not clamped.
double SpinValue(double current, bool increase, double increment, double low, double high,
                 const std::vector<double>& pivots, int decimals);

// How much of the gauge is filled: (value - low) / (high - low) within
// 0..1, and 1 when low equals high.
double GaugeFraction(double value, double low, double high);

}  // namespace vyr
