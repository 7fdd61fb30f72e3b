#include "numio/NumIOSteps.h"

#include <algorithm>
#include <cmath>

#include "foundation/Constants.h"

namespace vyr {
namespace {

std::vector<double> FinitePivots(const std::vector<double>& pivots) {
  std::vector<double> finite;
  finite.reserve(pivots.size());
  std::copy_if(pivots.begin(), pivots.end(), std::back_inserter(finite), [](double p) { return std::isfinite(p); });
  return finite;
}

// Index of the pivot nearest value, the first of equally near ones; 0 when
// none is nearer than uc_MaxReal.
std::size_t NearestPivot(const std::vector<double>& pivots, double value) {
  std::size_t best = 0;
  double bestDistance = uc_MaxReal;
  for (std::size_t i = 0; i < pivots.size(); ++i) {
    const double distance = std::fabs(pivots[i] - value);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

}  // namespace

double GaugeValue(double t, double low, double high, const std::vector<double>& pivots) {
  // The second form cannot overflow when the range spans more than the
  // largest double.
  double v = std::isfinite(high - low) ? low + t * (high - low) : low * (1 - t) + high * t;
  const std::vector<double> finite = FinitePivots(pivots);
  if (!finite.empty()) v = finite[NearestPivot(finite, v)];
  return std::clamp(v, low, high);
}

double SpinValue(double current, bool increase, double increment, double low, double high,
                 const std::vector<double>& pivots, int decimals) {
  const std::vector<double> finite = FinitePivots(pivots);
  if (finite.empty()) return std::clamp(increase ? current + increment : current - increment, low, high);
  const double eps = std::exp(-decimals * uc_ln10);
  std::size_t i = NearestPivot(finite, current);
  if (increase) {
    if (finite[i] - eps <= current && i + 1 < finite.size()) ++i;
  } else {
    if (finite[i] + eps >= current && i > 0) --i;
  }
  return finite[i];
}

double GaugeFraction(double value, double low, double high) {
  if (low == high) return 1;
  // Halving both differences keeps the ratio where the range itself would
  // overflow.
  const double f = std::isfinite(high - low) ? (value - low) / (high - low)
                                             : (value / 2 - low / 2) / (high / 2 - low / 2);
  return std::isnan(f) ? 0 : std::clamp(f, 0.0, 1.0);
}

}  // namespace vyr
