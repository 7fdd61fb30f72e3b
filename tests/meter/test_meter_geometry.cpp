// The dial in pixels: geometry of each layout for the 297 x 209 control,
// the value <-> angle <-> pixel mapping and the needle outline.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "meter/MeterGeometry.h"
#include "meter/MeterNeedle.h"

using namespace vyr;

namespace {

TDialGeometry Dial(TMeterLayout layout) { return DialGeometry(layout, 297, 209, TMeterRims{}); }

struct LayoutCase {
  TMeterLayout layout;
  int angle;
  double radius;
  int centerY;
};

}  // namespace

TEST(MeterGeometry, EveryLayoutOfTheDefaultControl) {
  const LayoutCase cases[] = {
      {mlCirc90, 90, 175.0, 191},
      {mlCirc120, 120, 150.688350, 191},      // (148.5 - 18) * 1.1547
      {mlCirc180, 180, 130.5, 191},           // 148.5 - 18
      {mlCirc270, 270, 102.512627, 119},      // 175 / 1.7071068
      {mlCirc300, 300, 93.783494, 110},       // 175 / 1.866
      {mlCirc360, 360, 87.5, 104},            // 175 / 2, pivot 16 + 87.5 rounded to even
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(int(c.layout));
    TDialGeometry g = Dial(c.layout);
    EXPECT_EQ(g.Angle, c.angle);
    EXPECT_NEAR(g.Radius, c.radius, 1e-6);
    EXPECT_EQ(g.CenterX, 148);
    EXPECT_EQ(g.CenterY, c.centerY);
  }
}

TEST(MeterGeometry, WideDialsAreLimitedByTheWidth) {
  // 120 x 400: the width decides.
  TDialGeometry g = DialGeometry(mlCirc300, 120, 400, TMeterRims{});
  EXPECT_EQ(g.Radius, 42);  // 60 - 10 - 8
  EXPECT_EQ(g.CenterY, 58);
  g = DialGeometry(mlCirc90, 120, 400, TMeterRims{});
  EXPECT_EQ(g.Radius, 366);  // the 90 degree dial only looks at the height
}

TEST(MeterGeometry, UnnamedLayoutsGetTheNinetyDegreeDial) {
  TDialGeometry g = DialGeometry(TMeterLayout(17), 297, 209, TMeterRims{});
  EXPECT_EQ(g.Angle, 90);
  EXPECT_EQ(g.Radius, 175);
}

TEST(MeterMapping, AnglesOfTheDefaultScale) {
  TDialGeometry g = Dial(mlCirc90);
  TScaleRange r;
  EXPECT_DOUBLE_EQ(DrawingAngle(g, r, 0), 135);
  EXPECT_DOUBLE_EQ(DrawingAngle(g, r, 1), 45);
  EXPECT_DOUBLE_EQ(NeedleAngle(g, r, 0.5), 180);
  EXPECT_DOUBLE_EQ(NeedleAngle(g, r, 0.25), 157.5);
  EXPECT_DOUBLE_EQ(NeedleAngle(g, r, 5), 225);  // clamped to the maximum
  EXPECT_DOUBLE_EQ(NeedleAngle(g, r, std::nan("")), 135);
}

TEST(MeterMapping, ValueToPixelAndBack) {
  TDialGeometry g = Dial(mlCirc90);
  TScaleRange r;
  struct {
    double value;
    TPoint pixel;
  } cases[] = {{0.0, {24, 67}}, {0.5, {148, 16}}, {1.0, {272, 67}}};
  for (const auto& c : cases) {
    EXPECT_EQ(ValueToPixel(g, r, c.value, 100), c.pixel);
    double back = -1;
    EXPECT_TRUE(PixelToValue(g, r, c.pixel.X, c.pixel.Y, back));
    EXPECT_NEAR(back, c.value, 1e-12);
  }
  EXPECT_EQ(ValueToPixel(g, r, 0.5, 50), (TPoint{148, 104}));  // 87.5 up, rounded to even
  EXPECT_EQ(ValueToPixel(g, r, 0.5, std::nan("")), (TPoint{148, 191}));
}

TEST(MeterMapping, RoundTripsInEveryLayout) {
  TScaleRange r{-20, 80, false};
  for (TMeterLayout layout : {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360}) {
    TDialGeometry g = Dial(layout);
    for (double v : {-19.5, -7.5, 0.0, 33.3, 79.0}) {
      TPoint p = ValueToPixel(g, r, v, 100);
      double back = 0;
      ASSERT_TRUE(PixelToValue(g, r, p.X, p.Y, back)) << int(layout) << " " << v;
      // One pixel on the circle is at most this much of the scale.
      EXPECT_NEAR(back, v, 100.0 * 0.7 / (g.Radius * g.Angle * 3.14159 / 180)) << int(layout) << " " << v;
    }
  }
}

TEST(MeterMapping, LogarithmicScaleHasTheGeometricMeanStraightUp) {
  TDialGeometry g = Dial(mlCirc90);
  TScaleRange r{1, 100, true};
  double value = 0;
  EXPECT_TRUE(PixelToValue(g, r, 148, 16, value));
  EXPECT_NEAR(value, 10, 1e-12);
  EXPECT_EQ(ValueToPixel(g, r, 10, 100), (TPoint{148, 16}));
}

TEST(MeterMapping, PixelsOutsideTheSector) {
  TDialGeometry g = Dial(mlCirc90);
  TScaleRange r;
  double value = 7;
  EXPECT_FALSE(PixelToValue(g, r, 148, 200, value));  // straight below the pivot
  EXPECT_EQ(value, 0);
  EXPECT_FALSE(PixelToValue(g, r, 10, 191, value));  // level with the pivot, left
  EXPECT_TRUE(PixelToValue(g, r, 148, 191, value));   // the pivot counts as straight up
  EXPECT_DOUBLE_EQ(value, 0.5);
  EXPECT_TRUE(PixelToValue(g, r, 148, -5000, value));  // far outside the dial, still in the sector
  EXPECT_DOUBLE_EQ(value, 0.5);
  // The full circle takes every direction; straight down is the minimum.
  EXPECT_TRUE(PixelToValue(Dial(mlCirc360), r, 148, 200, value));
  EXPECT_DOUBLE_EQ(value, 0);
  EXPECT_TRUE(PixelToValue(Dial(mlCirc360), r, 200, 104, value));  // right of the pivot: three quarters
  EXPECT_DOUBLE_EQ(value, 0.75);
}

TEST(MeterNeedleOutline, ArrowPointingStraightUp) {
  TNeedleLayout layout;
  layout.SetPercentNeedleLength(100);
  layout.SetHeadAngle(30);
  layout.SetHeadSize(20);
  layout.SetHeadMidLeng(20);
  TNeedlePolygon p = NeedlePolygon(layout, 90, Dial(mlCirc90));
  TNeedlePolygon expected{{{153, 39}, {148, 20}, {143, 39}, {148, 40}, {148, 191}, {148, 191}, {148, 40}}};
  EXPECT_EQ(p, expected);

  layout.SetThickness(6);
  p = NeedlePolygon(layout, 90, Dial(mlCirc90));
  expected = {{{153, 39}, {148, 20}, {143, 39}, {145, 40}, {145, 191}, {151, 191}, {151, 40}}};
  EXPECT_EQ(p, expected);
}

TEST(MeterNeedleOutline, HalfLengthNeedlePointingRight) {
  TNeedleLayout layout;
  layout.SetPercentNeedleLength(50);  // 85.5 pixels
  TNeedlePolygon p = NeedlePolygon(layout, 0, Dial(mlCirc90));
  EXPECT_EQ(p[1], (TPoint{234, 191}));  // 148 + 85.5, halves to even
}

// Ranges one double wide, or with limits so close that their logarithms
// coincide, still map every value to an angle on the scale.
TEST(MeterMapping, NarrowestRangesGiveFiniteAngles) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const TDialGeometry g = Dial(mlCirc90);
  const TScaleRange ranges[] = {
      {1e15, 1e15 + 0.125, false},
      {1e15, 1e15 + 0.125, true},
      {1, std::nextafter(1.0, 2.0), true},
      {1e300, std::nextafter(1e300, kInf), true},
      {1e300, std::nextafter(1e300, kInf), false},
      {2e-100, std::nextafter(2e-100, 1.0), true},
      {0, std::numeric_limits<double>::denorm_min(), false},
      {-std::numeric_limits<double>::denorm_min(), 0, false},
  };
  for (const TScaleRange& r : ranges) {
    SCOPED_TRACE(testing::Message() << r.Min << " " << r.Logarithmic);
    EXPECT_EQ(NeedleAngle(g, r, r.Min), 135);
    EXPECT_EQ(NeedleAngle(g, r, r.Max), 225);
    EXPECT_EQ(DrawingAngle(g, r, r.Min), 135);
    EXPECT_EQ(DrawingAngle(g, r, r.Max), 45);
    for (double v : {-kInf, -1e300, 0.0, 1e300, kInf}) {
      const double needle = NeedleAngle(g, r, v);
      EXPECT_TRUE(needle >= 135 && needle <= 225) << v << " " << needle;
    }
    EXPECT_EQ(ValueToPixel(g, r, r.Max, 100), (TPoint{272, 67}));  // 175 * 0.7071 right of and above the pivot
  }
  // An empty range puts everything at the minimum.
  EXPECT_EQ(NeedleAngle(g, {5, 5, false}, 7), 135);
  EXPECT_EQ(NeedleAngle(g, {5, 5, true}, 7), 135);
}
