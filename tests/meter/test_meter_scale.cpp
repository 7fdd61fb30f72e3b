// The scale as numbers: the 1-2-5 division, major and minor ticks of linear
// and logarithmic scales, and the bounds that keep every loop finite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "meter/MeterScale.h"

using vyr::DivideScale;
using vyr::MajorMarks;
using vyr::MinorMarks;
using vyr::TScaleMark;
using vyr::TScaleRange;

namespace {

std::vector<double> ValuesOf(const std::vector<TScaleMark>& marks, bool labelledOnly) {
  std::vector<double> values;
  for (const TScaleMark& m : marks)
    if (m.Labelled || !labelledOnly) values.push_back(m.Value);
  return values;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, expected[i]));
}

}  // namespace

TEST(MeterScaleDivision, FollowsTheOneTwoFiveSeries) {
  auto d = DivideScale(3, 0, 1);
  EXPECT_NEAR(d.Step, 0.2, 1e-15);
  EXPECT_EQ(d.MinorCount, 4);
  EXPECT_EQ(d.First(), 0.0);

  d = DivideScale(5, 0, 1);
  EXPECT_NEAR(d.Step, 0.1, 1e-15);
  EXPECT_EQ(d.MinorCount, 5);

  d = DivideScale(3, 1, 1000);
  EXPECT_NEAR(d.Step, 200, 1e-9);
  EXPECT_NEAR(d.First(), 200, 1e-9);

  d = DivideScale(4, -50, 50);
  EXPECT_NEAR(d.Step, 20, 1e-12);
  EXPECT_NEAR(d.First(), -40, 1e-12);
  EXPECT_EQ(d.MinorCount, 4);

  d = DivideScale(21, 0, 1);
  EXPECT_NEAR(d.Step, 0.02, 1e-15);

  d = DivideScale(2, 0, 12);  // 6 per tick: step 5, minor ticks at fifths
  EXPECT_NEAR(d.Step, 5, 1e-12);
  EXPECT_EQ(d.MinorCount, 5);
}

TEST(MeterScaleDivision, FirstMajorValueToleratesAThousandthOfAStep) {
  // 0.0001 above a multiple of 0.2 still starts there.
  EXPECT_NEAR(DivideScale(3, 0.2001, 1.2).First(), 0.2, 1e-12);
  EXPECT_NEAR(DivideScale(3, 0.201, 1.2).First(), 0.4, 1e-12);
}

TEST(MeterScaleDivision, EmptyOrUnresolvableRangesCannotBeDivided) {
  EXPECT_FALSE(DivideScale(3, 1, 1).Usable());
  EXPECT_FALSE(DivideScale(3, 2, 1).Usable());
  EXPECT_FALSE(DivideScale(3, 0, std::numeric_limits<double>::denorm_min()).Usable());
  // Steps of 0.5 at 1e16 cannot be told apart from each other.
  EXPECT_FALSE(DivideScale(3, 1e16, 1e16 + 2).Usable());
  EXPECT_TRUE(MajorMarks({1e16, 1e16 + 2, false}, 3).empty());
  EXPECT_TRUE(MinorMarks({1e16, 1e16 + 2, false}, 3).empty());
}

TEST(MeterScaleMarks, DefaultScaleHasSixLabelsAndMinorTicksEveryTwentieth) {
  TScaleRange range;
  auto majors = MajorMarks(range, 3);
  ExpectNear(ValuesOf(majors, false), {0, 0.2, 0.4, 0.6, 0.8, 1.0});
  EXPECT_EQ(ValuesOf(majors, true).size(), 6u);
  ExpectNear(MinorMarks(range, 3),
             {0.05, 0.1, 0.15, 0.25, 0.3, 0.35, 0.45, 0.5, 0.55, 0.65, 0.7, 0.75, 0.85, 0.9, 0.95});
}

TEST(MeterScaleMarks, MajorValuesAtZeroAreExactlyZero) {
  auto majors = MajorMarks({-50, 50, false}, 4);
  ExpectNear(ValuesOf(majors, false), {-40, -20, 0, 20, 40});
  EXPECT_EQ(majors[2].Value, 0.0);
  EXPECT_FALSE(std::signbit(majors[2].Value));
}

TEST(MeterScaleMarks, MinorTicksStartAtTheMinimum) {
  // 1..1000: majors at 200, 400, ...; minor ticks every 50 from 50 on.
  auto minors = MinorMarks({1, 1000, false}, 3);
  ASSERT_FALSE(minors.empty());
  EXPECT_NEAR(minors.front(), 50, 1e-9);
  EXPECT_NEAR(minors.back(), 950, 1e-9);
  EXPECT_EQ(minors.size(), 15u);
}

TEST(MeterScaleMarks, LogarithmicDecadesTickEveryDigitAndLabelOneTwoFive) {
  auto majors = MajorMarks({1, 1000, true}, 3);
  std::vector<double> ticks;
  for (double decade : {1.0, 10.0, 100.0})
    for (int k = 1; k <= 9; ++k) ticks.push_back(k * decade);
  ticks.push_back(1000);
  ExpectNear(ValuesOf(majors, false), ticks);
  ExpectNear(ValuesOf(majors, true), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
}

TEST(MeterScaleMarks, LogarithmicScaleOfOneDecadeLabelsOneTwoFiveAndTen) {
  auto majors = MajorMarks({1, 10, true}, 3);
  EXPECT_EQ(majors.size(), 10u);
  ExpectNear(ValuesOf(majors, true), {1, 2, 5, 10});
}

TEST(MeterScaleMarks, LogarithmicScaleUnderADecadeUsesTheDivision) {
  ExpectNear(ValuesOf(MajorMarks({2, 10, true}, 3), true), {2, 4, 6, 8, 10});
}

TEST(MeterScaleMarks, ExtremeRangesStayFinite) {
  const double big = std::numeric_limits<double>::max() / 2;
  auto linear = MajorMarks({-big, big, false}, 21);
  EXPECT_GE(linear.size(), 21u);
  EXPECT_LE(linear.size(), 60u);
  auto decades = MajorMarks({1e-100, big, true}, 3);
  EXPECT_GT(decades.size(), 3000u);
  EXPECT_LT(decades.size(), 4000u);
  EXPECT_LE(MinorMarks({-big, big, false}, 21).size(), 300u);
}

TEST(MeterScaleRange, FractionAndItsInverse) {
  TScaleRange linear{-50, 50, false};
  EXPECT_DOUBLE_EQ(linear.Fraction(0), 0.5);
  EXPECT_DOUBLE_EQ(linear.ValueAt(0.25), -25);
  TScaleRange log{1, 100, true};
  EXPECT_DOUBLE_EQ(log.Fraction(10), 0.5);
  EXPECT_DOUBLE_EQ(log.ValueAt(0.5), 10);
  // Logarithmic placement needs positive limits.
  TScaleRange notLog{0, 100, true};
  EXPECT_FALSE(notLog.UsesLog());
  EXPECT_DOUBLE_EQ(notLog.Fraction(10), 0.1);
}

TEST(MeterScaleRange, ClampHoldsValuesInside) {
  TScaleRange r{0, 1, false};
  EXPECT_EQ(r.Clamp(5), 1);
  EXPECT_EQ(r.Clamp(-5), 0);
  EXPECT_EQ(r.Clamp(0.3), 0.3);
  EXPECT_EQ(r.Clamp(std::nan("")), 0);
}
