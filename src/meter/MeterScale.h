#pragma once
// The scale of the meter as numbers: where a value lies along the scale
// (linear or logarithmic), and the division of the range into labelled
// major ticks and minor ticks on the series 1, 2, 5 times a power of ten.
#include <vector>

namespace vyr {

// The smallest limit a logarithmic scale accepts.
inline constexpr double kLogMinimum = 1e-100;

struct TScaleRange {
  double Min = 0.0;
  double Max = 1.0;
  bool Logarithmic = false;

  // True when values are placed logarithmically: the flag is set, both
  // limits are positive and their logarithms differ (limits closer than that
  // place every value alike on both scales).
  bool UsesLog() const;
  // Where v lies between the minimum (0) and the maximum (1); logarithmic
  // only when v is positive as well. An empty range gives 0.
  double Fraction(double v) const;
  // The value at a fraction of the scale (the inverse of Fraction).
  double ValueAt(double fraction) const;
  // v held within [Min, Max]; NaN gives Min.
  double Clamp(double v) const;
  friend bool operator==(const TScaleRange&, const TScaleRange&) = default;
};

// Major step, first major value and minor intervals per major step.
struct TScaleDivision {
  double Step = 0.0;       // S; 0 when the range cannot be divided
  double FirstIndex = 0.0;  // the first major value is FirstIndex * Step
  int MinorCount = 1;      // n, minor ticks are Step / n apart

  double First() const { return FirstIndex * Step; }
  // False for an empty range, or one too narrow for its magnitude to tell
  // neighbouring ticks apart; such a scale gets no ticks.
  bool Usable() const;
};

// The division for at least nrTicks major intervals between min and max:
// the step is the largest of 1, 2, 5 times a power of ten not above
// (max - min) / nrTicks, the first major value the first multiple of the
// step not below min (with a tolerance of a thousandth of a step).
TScaleDivision DivideScale(int nrTicks, double min, double max);

struct TScaleMark {
  double Value;
  bool Labelled;
  friend bool operator==(const TScaleMark&, const TScaleMark&) = default;
};

// The major ticks in drawing order. Linear scales and logarithmic ones
// spanning less than a decade use the division, every tick labelled;
// longer logarithmic scales get ticks at 1..9 times each power of ten inside
// the range, labelled at 1, 2 and 5 times.
std::vector<TScaleMark> MajorMarks(const TScaleRange& range, int nrTicks);

// The minor ticks: every Step / n of the division from the minimum up to the
// maximum, leaving out the major positions.
std::vector<double> MinorMarks(const TScaleRange& range, int nrTicks);

}  // namespace vyr
