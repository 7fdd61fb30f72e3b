// The on/off button's pixels: the default picture in its box, captions on
// four sides, the disabled look, transparency and the frame colours.
#include <gtest/gtest.h>

#include "OnOffTestKit.h"
#include "support/PixelTools.h"

using namespace vyr;
using onofftest::Quadrant;
using onofftest::ShowsPicture;

TEST(OnOffButPaint, DefaultShowsTheOnPictureOfTheColourSlideAt36_19) {
  TOnOffBut b;
  b.Paint();
  EXPECT_TRUE(ShowsPicture(b.Canvas(), Quadrant("COLSLIDELR", 0, 0), 36, 19, clBtnFace));
  // Around the box the background, inside the frame.
  EXPECT_EQ(b.Canvas().Pixels(35, 27), ColorToRGB(clBtnFace));
  EXPECT_EQ(b.Canvas().Pixels(66, 27), ColorToRGB(clBtnFace));
  // The lowered frame: grey top line, white bottom line.
  EXPECT_EQ(b.Canvas().Pixels(50, 0), clGray);
  EXPECT_EQ(b.Canvas().Pixels(50, 49), clWhite);
}

TEST(OnOffButPaint, EachStateShowsItsQuadrant) {
  TOnOffBut b;
  b.SetButtonStyle(oobsSmileyYellow);
  b.SetAutoCenter(false);
  b.SetLeftSpace(10);
  b.SetTopSpace(10);
  b.SetOnOff(false);
  b.Paint();
  EXPECT_TRUE(ShowsPicture(b.Canvas(), Quadrant("SMILEYS", 1, 0), 11, 11, clBtnFace));
  b.SetEnabled(false);
  b.Paint();
  EXPECT_TRUE(ShowsPicture(b.Canvas(), Quadrant("SMILEYS", 1, 1), 11, 11, clBtnFace));
  b.SetOnOff(true);
  b.Paint();
  EXPECT_TRUE(ShowsPicture(b.Canvas(), Quadrant("SMILEYS", 0, 1), 11, 11, clBtnFace));
}

// The picture box is (81, 51) .. (111, 69); captions are measured by their
// ink (any pixel not white) beside, above or below it.
TEST(OnOffButPaint, CaptionsSitOnTheirSidesWithTheirAlignments) {
  TOnOffBut b;
  onofftest::Plain(b);
  b.resize(200, 120);
  b.SetLeftSpace(80);
  b.SetTopSpace(50);
  const TRect right{111, 0, 200, 120}, left{0, 0, 81, 120}, above{0, 0, 200, 51}, below{0, 69, 200, 120};
  b.SetRightText(QStringLiteral("On"));
  TRect r = onofftest::InkIn(b.Canvas(), right, clWhite);
  EXPECT_GE(r.Left, 80 + 30 + 4);  // left-aligned: 4 pixels after the picture
  EXPECT_LE(r.Left, 80 + 30 + 6);
  b.SetRightTextAlignment(taRightJustify);
  r = onofftest::InkIn(b.Canvas(), right, clWhite);
  EXPECT_LE(r.Right, 200 - 4);
  EXPECT_GE(r.Right, 200 - 8);
  b.SetRightTextAlignment(taCenter);
  r = onofftest::InkIn(b.Canvas(), right, clWhite);
  EXPECT_NEAR((r.Left + r.Right) / 2, (200 + 110) / 2, 3);
  // Beside the picture: the caption's middle near the picture's middle.
  EXPECT_NEAR((r.Top + r.Bottom) / 2, 50 + 9, 3);
  b.SetRightText(QString());
  b.SetLeftText(QStringLiteral("Off"));
  r = onofftest::InkIn(b.Canvas(), left, clWhite);
  EXPECT_LE(r.Right, 80 - 3);
  EXPECT_GE(r.Right, 80 - 7);
  b.SetLeftTextAlignment(taLeftJustify);
  EXPECT_NEAR(onofftest::InkIn(b.Canvas(), left, clWhite).Left, 4, 2);
  b.SetLeftText(QString());
  b.SetTopText(QStringLiteral("Pump"));
  r = onofftest::InkIn(b.Canvas(), above, clWhite);
  EXPECT_LE(r.Bottom, 50 - 4);
  EXPECT_NEAR((r.Left + r.Right) / 2, 80 + 15, 3);
  b.SetTopText(QString());
  b.SetBottomText(QStringLiteral("Pump"));
  b.SetBottomTextAlignment(taRightJustify);
  r = onofftest::InkIn(b.Canvas(), below, clWhite);
  EXPECT_GE(r.Top, 50 + 18 + 4);
  EXPECT_LE(r.Right, 200 - 4);
  EXPECT_GE(r.Right, 200 - 8);
}

// Without smoothing every caption pixel is exactly white or grey.
TEST(OnOffButPaint, DisabledCaptionsAreEngraved) {
  TOnOffBut b;
  onofftest::Plain(b);
  TFont font = b.Font();
  font.Quality = fqNonAntialiased;
  b.SetFont(font);
  b.SetColorBackgnd(clSilver);
  b.SetColorText(clRed);
  b.SetLeftText(QStringLiteral("Valve"));
  b.SetEnabled(false);
  b.Paint();
  EXPECT_EQ(vyrtest::CountColor(b.Canvas(), clRed), 0);
  const TRect caption{0, 0, 36, 50};
  auto bounds = [&](TColor colour) {
    return onofftest::BoundsWhere(b.Canvas(), caption, [colour](TColor p) { return p == colour; });
  };
  const TRect grey = bounds(clGray), white = bounds(clWhite);
  ASSERT_LT(grey.Left, grey.Right);
  EXPECT_EQ(white.Left, grey.Left + 1);
  EXPECT_EQ(white.Top, grey.Top + 1);
  EXPECT_EQ(white.Right, grey.Right + 1);
  EXPECT_EQ(white.Bottom, grey.Bottom + 1);
}

TEST(OnOffButPaint, TransparentButtonLetsTheParentShowAroundThePicture) {
  TCustomControl parent;
  parent.resize(200, 100);
  parent.SetColor(clLime);
  parent.Paint();
  auto* b = new TOnOffBut(&parent);
  b->SetTransparent(true);
  b->SetFrameStyle(fsNone);
  b->SetColorText(clRed);
  b->SetLeftText(QStringLiteral("A"));
  b->Paint();
  TCanvas& c = b->Canvas();
  EXPECT_EQ(c.Pixels(5, 5), clLime);
  // The slide's own pixels stay; its background-coloured corners show the parent.
  const QImage on = Quadrant("COLSLIDELR", 0, 0);
  int keyed = 0;
  for (int y = 0; y < on.height(); ++y)
    for (int x = 0; x < on.width(); ++x) {
      const TColor p = PixelToColor(on.pixel(x, y));
      if (p == 0xEBBEEB) {
        ++keyed;
        EXPECT_EQ(c.Pixels(36 + x, 19 + y), clLime);
      } else {
        EXPECT_EQ(c.Pixels(36 + x, 19 + y), p);
      }
    }
  EXPECT_GT(keyed, 0);
  EXPECT_GT(vyrtest::CountColor(c, clRed), 0);
}

TEST(OnOffButPaint, SystemColorSchemeDrawsTheFrameInSystemColours) {
  SetSystemColor(0x10, clNavy);
  TOnOffBut b;
  b.SetColorScheme(csSystem);
  b.Paint();
  EXPECT_EQ(b.Canvas().Pixels(50, 0), clNavy);
  ResetSystemColors();
}
