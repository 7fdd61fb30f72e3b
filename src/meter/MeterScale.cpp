#include "meter/MeterScale.h"

#include <cmath>

#include "foundation/Constants.h"
#include "foundation/MathUtils.h"

namespace vyr {
namespace {

// Bounds of the tick loops. A division gives at most about 55 major and 280
// minor ticks, a logarithmic scale at most about 410 decades; the bounds only
// stop arithmetic that no longer advances.
constexpr int kMaxLinearTicks = 1000;
constexpr int kMaxDecades = 1000;
// Up to this many steps from zero, multiples of the step stay distinct.
constexpr double kMaxStepIndex = 4503599627370496.0;  // 2^52

constexpr long double kLog10Of2 = 0.301029995663981195213738894724493L;
constexpr long double kLog10Of5 = 0.698970004336018804786261105275507L;
constexpr long double kLn10 = 2.302585092994045684017991454684364L;
// Decade scales count a tick at a limit as inside within this factor.
constexpr double kDecadeSlack = 0.999999999;

double Frac(double x) { return x - std::trunc(x); }

std::vector<TScaleMark> DecadeMarks(const TScaleRange& r) {
  std::vector<TScaleMark> marks;
  const double base = std::exp(uc_ln10 * IntNeg(std::log(kDecadeSlack * r.Min) / uc_ln10));
  const bool labelAll = r.Max / r.Min < 10;
  // Stepping the decade itself (not a power of ten that multiplies the
  // base) keeps it finite up to the largest limits.
  double decade = base;
  for (int i = 0; i < kMaxDecades; ++i) {
    for (int k = 1; k <= 9; ++k) {
      const double v = k * decade;
      if (v / kDecadeSlack > r.Min && kDecadeSlack * v < r.Max)
        marks.push_back({v, labelAll || k == 1 || k == 2 || k == 5});
    }
    decade *= 10;
    if (kDecadeSlack * decade > r.Max) break;
  }
  return marks;
}

}  // namespace

bool TScaleRange::UsesLog() const { return Logarithmic && Min > 0 && Max > 0 && std::log(Min) < std::log(Max); }

double TScaleRange::Fraction(double v) const {
  if (UsesLog() && v > 0) return (std::log(v) - std::log(Min)) / (std::log(Max) - std::log(Min));
  return Max == Min ? 0 : (v - Min) / (Max - Min);
}

double TScaleRange::ValueAt(double fraction) const {
  if (UsesLog()) return std::exp((std::log(Max) - std::log(Min)) * fraction + std::log(Min));
  return Min + fraction * (Max - Min);
}

double TScaleRange::Clamp(double v) const {
  if (v > Max) return Max;
  if (!(v >= Min)) return Min;
  return v;
}

bool TScaleDivision::Usable() const {
  return std::isfinite(Step) && Step > 0;
}

TScaleDivision DivideScale(int nrTicks, double min, double max) {
  TScaleDivision d;
  if (nrTicks <= 0 || !(max > min)) return d;
  const long double perTick = (static_cast<long double>(max) - min) / nrTicks;
  if (!(perTick > 0) || !std::isfinite(perTick)) return d;
  long double g = std::log(perTick) / kLn10;
  long double h = g - std::trunc(g);
  if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
    g = std::nearbyint(g);
    h = 0;
  }
  if (g < 0 && h != 0) g -= 1;
  if (h < 0) h += 1;
  if (h < kLog10Of2 + 1e-10L) {
    g = std::trunc(g);
    d.MinorCount = 5;
  } else if (h < kLog10Of5 + 1e-10L) {
    g = std::trunc(g) + kLog10Of2;
    d.MinorCount = 4;
  } else {
    g = std::trunc(g) + kLog10Of5;
    d.MinorCount = 5;
  }
  d.Step = static_cast<double>(std::exp(g * kLn10));
  d.FirstIndex = std::ceil(min / d.Step - 0.001);
  if (!(std::fabs(d.FirstIndex) <= kMaxStepIndex && std::fabs(max / d.Step) <= kMaxStepIndex)) d.Step = 0;
  return d;
}

std::vector<TScaleMark> MajorMarks(const TScaleRange& range, int nrTicks) {
  if (range.UsesLog() && std::fabs(std::log(range.Max / range.Min) / uc_ln10) >= 1) return DecadeMarks(range);
  std::vector<TScaleMark> marks;
  const TScaleDivision d = DivideScale(nrTicks, range.Min, range.Max);
  if (!d.Usable()) return marks;
  for (int k = 0; k < kMaxLinearTicks; ++k) {
    marks.push_back({(d.FirstIndex + k) * d.Step, true});
    if ((d.FirstIndex + k + 1) * d.Step - range.Max > 0.001 * d.Step) break;
  }
  return marks;
}

std::vector<double> MinorMarks(const TScaleRange& range, int nrTicks) {
  std::vector<double> ticks;
  const TScaleDivision d = DivideScale(nrTicks, range.Min, range.Max);
  if (!d.Usable()) return ticks;
  const double minor = d.Step / d.MinorCount;
  const double start = (d.FirstIndex - 1) * d.Step;
  const double first = d.First();
  for (int k = 0; k < kMaxLinearTicks; ++k) {
    const double t = start + k * minor;
    if (std::fabs(Frac((t - first) / d.Step)) > 1e-5 && t >= range.Min) ticks.push_back(t);
    if (start + (k + 1) * minor - range.Max > 0.001 * minor) break;
  }
  return ticks;
}

}  // namespace vyr
