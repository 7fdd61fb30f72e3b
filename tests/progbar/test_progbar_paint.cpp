// The progress bar's pixels: the default look, the four directions, the
// gradient modes, the grid, both frames, and values the range cannot hold.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "ProgBarTestKit.h"
#include "labels/NumRotTestKit.h"
#include "progbar/ProgBarPrivate.h"
#include "support/PixelTools.h"

using namespace vyr;
using progbar::CountInColumn;
using progbar::CountInRow;
using progbar::PlainBar;

TEST(ProgBarPaint, DefaultBarRunsFromFourToThirtyThreeInBlue) {
  TProgBar p;
  p.Paint();
  TCanvas& c = p.Canvas();
  // Row 21 lies below the text and above the inner frame's lower lines.
  for (int x = 6; x < 33; ++x) EXPECT_EQ(c.Pixels(x, 21), clBlue) << x;
  EXPECT_EQ(c.Pixels(33, 21), clSilver);
  EXPECT_EQ(c.Pixels(200, 21), clSilver);
  p.SetFrameStyleInner(fsNone);
  EXPECT_EQ(c.Pixels(4, 22), clBlue);
  EXPECT_EQ(c.Pixels(3, 22), clSilver);
}

TEST(ProgBarPaint, DefaultTextTenIsCentredOnItsAnchor) {
  TProgBar p;
  p.SetFrameStyleInner(fsNone);
  // The text is smoothed: its ink is every pixel that is neither bar nor box.
  auto text = [](TColor c) { return c != clBlue && c != clSilver; };
  const TRect ink = numrot::BoundsWhere(p.Canvas(), {4, 4, 60, 24}, text);
  ASSERT_GT(ink.Right, ink.Left);
  EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 14.0, 1.5);
  EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 14.0, 1.5);
  p.SetTextVisible(false);
  EXPECT_EQ(numrot::BoundsWhere(p.Canvas(), {4, 4, 60, 24}, text).Right, 0);
}

TEST(ProgBarPaint, TheTextTurnsAboutItsAnchor) {
  TProgBar p;
  p.resize(60, 120);
  p.SetFrameStyleInner(fsNone);
  p.SetValue(0);
  p.SetTextPosX(30);
  p.SetTextPosY(60);
  p.SetValue(12345);
  const TRect flat = numrot::ColorBounds(p.Canvas(), {4, 4, 56, 116}, clBlack);
  p.SetTextAngle(90);
  const TRect upright = numrot::ColorBounds(p.Canvas(), {4, 4, 56, 116}, clBlack);
  EXPECT_GT(flat.Right - flat.Left, flat.Bottom - flat.Top);
  EXPECT_GT(upright.Bottom - upright.Top, upright.Right - upright.Left);
  EXPECT_NEAR((upright.Top + upright.Bottom) / 2.0, 60.0, 2.0);
}

TEST(ProgBarPaint, EachDirectionGrowsFromItsOwnEdge) {
  auto p = PlainBar(100, 100);  // box 4..96, 92 pixels, value 10 -> 9 pixels
  TCanvas& c = p->Canvas();
  EXPECT_EQ(CountInRow(c, 50, 0, 100, clBlue), 9);
  EXPECT_EQ(c.Pixels(4, 50), clBlue);
  p->SetDirection(diRightToLeft);
  EXPECT_EQ(CountInRow(c, 50, 0, 100, clBlue), 9);
  EXPECT_EQ(c.Pixels(95, 50), clBlue);
  EXPECT_EQ(c.Pixels(87, 50), clBlue);
  EXPECT_EQ(c.Pixels(86, 50), clSilver);
  p->SetDirection(diBottomToTop);
  EXPECT_EQ(CountInColumn(c, 50, 0, 100, clBlue), 9);
  EXPECT_EQ(c.Pixels(50, 95), clBlue);
  EXPECT_EQ(c.Pixels(50, 87), clBlue);
  EXPECT_EQ(c.Pixels(50, 86), clSilver);
  EXPECT_EQ(c.Pixels(4, 95), clBlue);
  EXPECT_EQ(c.Pixels(96, 95), clSilver);
  p->SetDirection(diTopToBottom);
  EXPECT_EQ(CountInColumn(c, 50, 0, 100, clBlue), 9);
  EXPECT_EQ(c.Pixels(50, 4), clBlue);
  EXPECT_EQ(c.Pixels(50, 12), clBlue);
  EXPECT_EQ(c.Pixels(50, 13), clSilver);
}

TEST(ProgBarPaint, MirroredDirectionsAreMirrorImages) {
  auto a = PlainBar(80, 80);
  auto b = PlainBar(80, 80);
  for (TColorMapping mode : {cgmCover, cgmStretch, cgmMove}) {
    for (auto [grow, mirror] : {std::pair{diLeftToRight, diRightToLeft}, std::pair{diBottomToTop, diTopToBottom}}) {
      for (auto* p : {a.get(), b.get()}) {
        p->SetShowColorGradient(true);
        p->SetColorMapMode(mode);
        p->SetGridDist(5);
        p->SetValue(60);
      }
      a->SetDirection(grow);
      b->SetDirection(mirror);
      const bool horizontal = grow == diLeftToRight;
      const QImage expected = a->Canvas().Image()->mirrored(horizontal, !horizontal);
      EXPECT_EQ(*b->Canvas().Image(), expected) << int(mode) << " " << int(grow);
    }
  }
}

TEST(ProgBarPaint, ABarBeyondMaxRunsOverTheMarginToTheEdge) {
  auto p = PlainBar(100, 40);
  p->SetValue(1000);
  EXPECT_EQ(CountInRow(p->Canvas(), 20, 0, 100, clBlue), 96);
  EXPECT_EQ(p->Canvas().Pixels(99, 20), clBlue);
  EXPECT_EQ(p->Canvas().Pixels(99, 2), clSilver);  // only across the box
  p->SetValue(-50);
  EXPECT_EQ(CountInRow(p->Canvas(), 20, 0, 100, clBlue), 0);
}

TEST(ProgBarPaint, AHugeGradientBarCostsNoMoreThanTheControl) {
  auto p = PlainBar(200, 30);
  p->SetShowColorGradient(true);
  p->SetGridDist(3);
  const auto start = std::chrono::steady_clock::now();
  p->SetValue(1e300);
  p->SetDirection(diBottomToTop);
  const auto spent = std::chrono::steady_clock::now() - start;
  EXPECT_LT(spent, std::chrono::seconds(1));
  p->SetDirection(diLeftToRight);
  // Stretched over 2^30 pixels, the visible part shows the table's start.
  EXPECT_EQ(p->Canvas().Pixels(198, 15), clBlue);
  EXPECT_EQ(p->Canvas().Pixels(199, 15), clBlack);  // the grid goes on as far
}

TEST(ProgBarPaint, AnEmptyRangeShowsAllOrNothing) {
  auto p = PlainBar(100, 40);
  p->SetRange(50, 50);
  p->SetValue(50);
  EXPECT_EQ(CountInRow(p->Canvas(), 20, 0, 100, clBlue), 92);
  p->SetValue(49);
  EXPECT_EQ(CountInRow(p->Canvas(), 20, 0, 100, clBlue), 0);
}

TEST(ProgBarPaint, NaNAndInfiniteValuesDrawNoGarbage) {
  auto p = PlainBar(100, 40);
  p->SetTextVisible(true);
  p->SetValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(CountInRow(p->Canvas(), 30, 0, 100, clBlue), 0);
  p->SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(CountInRow(p->Canvas(), 30, 0, 100, clBlue), 96);
  p->SetValue(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(CountInRow(p->Canvas(), 30, 0, 100, clBlue), 0);
  p->SetValue(5);
  p->SetMin(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(CountInRow(p->Canvas(), 30, 0, 100, clBlue), 0);
}

TEST(ProgBarPaint, GradientEndsFollowTheMappingMode) {
  auto p = PlainBar(108, 30);  // box 4..104: 100 pixels
  p->SetShowColorGradient(true);
  p->SetValue(50);
  TCanvas& c = p->Canvas();
  EXPECT_EQ(c.Pixels(4, 15), p->GetBarColorElem(0));
  EXPECT_EQ(c.Pixels(53, 15), p->GetBarColorElem(1003));  // Round(49 * 1023 / 50)
  EXPECT_EQ(c.Pixels(54, 15), clSilver);
  p->SetColorMapMode(cgmCover);
  EXPECT_EQ(c.Pixels(4, 15), p->GetBarColorElem(0));
  EXPECT_EQ(c.Pixels(53, 15), p->GetBarColorElem(501));  // Round(49 * 1023 / 100)
  p->SetColorMapMode(cgmMove);
  EXPECT_EQ(c.Pixels(53, 15), p->GetBarColorElem(1023));
  EXPECT_EQ(c.Pixels(4, 15), p->GetBarColorElem(1023 - 501));
  p->SetValue(1);  // one pixel
  EXPECT_EQ(c.Pixels(4, 15), p->GetBarColorElem(1023));
  p->SetColorMapMode(cgmStretch);
  EXPECT_EQ(c.Pixels(4, 15), p->GetBarColorElem(0));
}

TEST(ProgBarPaint, GridLinesEveryGridDistAcrossTheBar) {
  auto p = PlainBar(108, 30);
  p->SetValue(20);  // 20 pixels: columns 4..23
  p->SetGridDist(5);
  TCanvas& c = p->Canvas();
  EXPECT_EQ(vyrtest::Ascii(c, 2, 15, 24, 1, clBlack), QStringList{"..#....#....#....#....#."});
  EXPECT_EQ(CountInColumn(c, 9, 0, 30, clBlack), 22);  // the box's height
  p->SetGridDist(1);
  EXPECT_EQ(vyrtest::CountColor(c, clBlack), 0);
  p->SetDirection(diBottomToTop);
  p->SetGridDist(4);
  p->SetValue(50);  // 11 rows of the 22: rows 25 up to 15, a line on 25, 21 and 17
  EXPECT_EQ(vyrtest::Ascii(c, 50, 12, 1, 15, clBlack).join(QString()), ".....#...#...#.");
}

TEST(ProgBarFrames, BevelsAndTheirMarginCorners) {
  auto p = PlainBar(40, 20);
  p->SetValue(0);
  p->SetColorMargin(clLime);
  p->SetFrameStyleOuter(fsLowered);
  TCanvas& c = p->Canvas();
  const QStringList black = vyrtest::Ascii(c, 0, 0, 6, 5, clBlack);
  EXPECT_EQ(black, (QStringList{"......", ".#####", ".#....", ".#....", ".#...."}));
  EXPECT_EQ(c.Pixels(1, 19), clWhite);
  EXPECT_EQ(c.Pixels(39, 19), clWhite);
  EXPECT_EQ(c.Pixels(1, 18), clGray);  // the gray rectangle one pixel in
  EXPECT_EQ(c.Pixels(0, 0), clGray);
  EXPECT_EQ(c.Pixels(0, 19), clLime);  // corners take the margin colour
  EXPECT_EQ(c.Pixels(39, 0), clLime);
  p->SetFrameStyleOuter(fsRaised);
  EXPECT_EQ(c.Pixels(1, 1), clWhite);
  EXPECT_EQ(c.Pixels(20, 19), clBlack);
  p->SetFrameStyleOuter(fsSingle);
  EXPECT_EQ(c.Pixels(0, 19), clGray);
  EXPECT_EQ(c.Pixels(39, 0), clGray);
  p->SetFrameStyleOuter(fsBump);
  EXPECT_EQ(c.Pixels(39, 10), clGray);
  EXPECT_EQ(c.Pixels(0, 10), clWhite);
  p->SetColorScheme(csSystem);
  EXPECT_EQ(c.Pixels(39, 10), ColorToRGB(clBtnShadow));
  p->SetFrameStyleOuter(TFrameStyle(9));
  EXPECT_EQ(c.Pixels(0, 10), clLime);
}
