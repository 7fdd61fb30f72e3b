#include <gtest/gtest.h>

#include <limits>

#include "foundation/ColorUtils.h"

using namespace vyr;

namespace {

struct Hsl {
  double h, s, l;
};

Hsl ToHsl(TColor c) {
  Hsl r{};
  ColorToHSL(c, r.h, r.s, r.l);
  return r;
}

}  // namespace

TEST(ColorToHSL, PrimaryAndSecondaryColours) {
  Hsl red = ToHsl(0x0000FF);
  EXPECT_DOUBLE_EQ(red.h, 0);
  EXPECT_DOUBLE_EQ(red.s, 1);
  EXPECT_DOUBLE_EQ(red.l, 0.5);
  EXPECT_DOUBLE_EQ(ToHsl(0x00FF00).h, 120);
  EXPECT_DOUBLE_EQ(ToHsl(0xFF0000).h, 240);
  EXPECT_DOUBLE_EQ(ToHsl(0x00FFFF).h, 60);  // yellow
  EXPECT_DOUBLE_EQ(ToHsl(0xFF00FF).h, 300);  // fuchsia
}

TEST(ColorToHSL, GreysHaveNoHueOrSaturation) {
  Hsl black = ToHsl(0x000000), white = ToHsl(0xFFFFFF), gray = ToHsl(0x808080);
  EXPECT_DOUBLE_EQ(black.l, 0);
  EXPECT_DOUBLE_EQ(white.l, 1);
  EXPECT_DOUBLE_EQ(gray.l, 128.0 / 255);
  EXPECT_DOUBLE_EQ(gray.s, 0);
  EXPECT_DOUBLE_EQ(gray.h, 0);
}

TEST(ColorToHSL, MixedColour) {
  // RGB (64, 128, 192): lightness 128/255, saturation 128/254, hue 210.
  Hsl c = ToHsl(RGB(64, 128, 192));
  EXPECT_NEAR(c.h, 210, 1e-9);
  EXPECT_NEAR(c.s, 128.0 / 254, 1e-9);
  EXPECT_NEAR(c.l, 128.0 / 255, 1e-9);
}

TEST(ColorToHSL, ResolvesSystemColours) {
  ResetSystemColors();
  SetSystemColor(0x0F, 0x0000FF);
  EXPECT_DOUBLE_EQ(ToHsl(clBtnFace).l, 0.5);
  EXPECT_DOUBLE_EQ(ToHsl(clBtnFace).s, 1);
  ResetSystemColors();
}

TEST(HSLtoColor, KnownColours) {
  EXPECT_EQ(HSLtoColor(0, 1, 0.5), 0x0000FFu);
  EXPECT_EQ(HSLtoColor(120, 1, 0.5), 0x00FF00u);
  EXPECT_EQ(HSLtoColor(240, 1, 0.25), 0x800000u);  // 127.5 rounds to even 128
  EXPECT_EQ(HSLtoColor(30, 1, 0.5), RGB(255, 128, 0));
  EXPECT_EQ(HSLtoColor(0, 0, 0.2), RGB(51, 51, 51));
  EXPECT_EQ(HSLtoColor(77, 0.4, 1), 0xFFFFFFu);
}

TEST(HSLtoColor, ClampsAndWraps) {
  EXPECT_EQ(HSLtoColor(360, 1, 0.5), 0x0000FFu);
  EXPECT_EQ(HSLtoColor(-240, 1, 0.5), 0x00FF00u);
  EXPECT_EQ(HSLtoColor(0, 7, 0.5), 0x0000FFu);
  EXPECT_EQ(HSLtoColor(0, 1, -1), 0x000000u);
  EXPECT_EQ(HSLtoColor(0, 1, 3), 0xFFFFFFu);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(HSLtoColor(nan, nan, nan), 0x000000u);
  EXPECT_EQ(HSLtoColor(std::numeric_limits<double>::infinity(), 1, 0.5), 0x0000FFu);
}

TEST(HSLtoColor, RoundTripsEveryChannelStep) {
  for (int v = 0; v < 256; v += 5) {
    for (TColor c : {RGB(v, 255 - v, 30), RGB(10, v, 200), RGB(v, v / 2, v / 3)}) {
      Hsl x = ToHsl(c);
      EXPECT_EQ(HSLtoColor(x.h, x.s, x.l), c) << std::hex << c;
    }
  }
}

TEST(ColorToGray, WeightsTheChannels) {
  EXPECT_EQ(ColorToGray(0x000000), 0);
  EXPECT_EQ(ColorToGray(0xFFFFFF), 255);
  EXPECT_EQ(ColorToGray(0x0000FF), 76);   // red: 76.245
  EXPECT_EQ(ColorToGray(0x00FF00), 150);  // green: 149.685
  EXPECT_EQ(ColorToGray(0xFF0000), 29);   // blue: 29.07
  EXPECT_EQ(ColorToGray(0x808080), 128);
}

TEST(ColorToGray, SystemColourAndStrayHighByte) {
  ResetSystemColors();
  EXPECT_EQ(ColorToGray(clWindow), 255);  // the default window colour is white
  EXPECT_EQ(ColorToGray(0x12FFFFFF), 255);
}

TEST(MeanColor, ChannelMeansRoundedToEven) {
  EXPECT_EQ(MeanColor(0x000000, 0xFFFFFF), 0x808080u);  // 127.5 -> 128
  EXPECT_EQ(MeanColor(RGB(1, 2, 3), RGB(2, 2, 6)), RGB(2, 2, 4));  // 1.5 -> 2, 4.5 -> 4
  EXPECT_EQ(MeanColor(0x0000FF, 0xFF0000), RGB(128, 0, 128));
}

TEST(MeanColor, ResolvesSystemColours) {
  ResetSystemColors();
  SetSystemColor(0x0D, 0x000000);
  EXPECT_EQ(MeanColor(clHighlight, 0x0000FE), RGB(127, 0, 0));
  ResetSystemColors();
}
