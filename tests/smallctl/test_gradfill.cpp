// The gradient fill: band borders and colours of each fill type, the
// flipped colours, the clamp of the band count, the grid and the frame.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "host/ControlRegistry.h"
#include "smallctl/Vyr_gradfl.h"
#include "support/PixelTools.h"

using namespace vyr;

TEST(GradFillModel, InitialValues) {
  TGradFill g;
  EXPECT_EQ(g.Width(), 121);
  EXPECT_EQ(g.Height(), 121);
  EXPECT_EQ(g.ColorFirst(), 0x000080u);
  EXPECT_EQ(g.ColorLast(), 0x00FFFFu);
  EXPECT_FALSE(g.ColorFlipped());
  EXPECT_EQ(g.FillType(), gtHoriz);
  EXPECT_EQ(g.NrColors(), 16);
  EXPECT_EQ(g.FrameStyle(), fsNone);
  EXPECT_EQ(g.GridColor(), 0x800000u);
  EXPECT_EQ(g.GridMode(), gmNone);
}

TEST(GradFillPaint, DefaultSixteenHorizontalBands) {
  TGradFill g;
  g.Paint();
  TCanvas& c = g.Canvas();
  EXPECT_EQ(c.Pixels(60, 0), 0x000080u);
  EXPECT_EQ(c.Pixels(60, 7), 0x000080u);  // MulDiv(1, 121, 16) = 8
  EXPECT_NE(c.Pixels(60, 8), 0x000080u);
  // Band 15: red 0x80 + MulDiv(15, 0x7F, 16) = 0xF7, green MulDiv(15, 255, 16) = 239.
  EXPECT_EQ(c.Pixels(0, 120), RGB(0xF7, 239, 0));
  EXPECT_EQ(g.BandColor(15), RGB(0xF7, 239, 0));
}

TEST(GradFillModel, BandNumbersOutOfRangeReadTheEndBands) {
  TGradFill g;
  // At 270549114 red 0x80 + MulDiv(k, 0x7F, 16) would pass INT_MAX.
  for (TGradType type : {gtHoriz, gtMidBandVert}) {
    g.SetFillType(type);
    EXPECT_EQ(g.BandColor(std::numeric_limits<int>::min()), g.BandColor(0));
    for (int k : {270549114, std::numeric_limits<int>::max()}) EXPECT_EQ(g.BandColor(k), g.BandColor(15));
  }
}

TEST(GradFillPaint, VerticalBandsRunFromLeftToRight) {
  TGradFill g;
  g.SetFillType(gtVert);
  g.SetNrColors(4);
  g.Paint();
  TCanvas& c = g.Canvas();
  EXPECT_EQ(c.Pixels(29, 100), g.BandColor(0));  // MulDiv(1, 121, 4) = 30
  EXPECT_EQ(c.Pixels(30, 100), g.BandColor(1));
  EXPECT_EQ(c.Pixels(120, 0), g.BandColor(3));
  EXPECT_EQ(g.BandColor(0), 0x000080u);
}

TEST(GradFillPaint, MidBandRunsToTheLastColourAndBack) {
  TGradFill g;
  g.SetFillType(gtMidBandVert);
  g.SetNrColors(5);
  g.SetColorFirst(clBlack);
  g.SetColorLast(RGB(200, 100, 40));
  // m = 2; bands 0..4 use j = 0, 1, 2, 1, 0.
  EXPECT_EQ(g.BandColor(0), clBlack);
  EXPECT_EQ(g.BandColor(1), RGB(100, 50, 20));
  EXPECT_EQ(g.BandColor(2), RGB(200, 100, 40));
  EXPECT_EQ(g.BandColor(3), RGB(100, 50, 20));
  EXPECT_EQ(g.BandColor(4), clBlack);
  g.Paint();
  EXPECT_EQ(g.Canvas().Pixels(60, 60), RGB(200, 100, 40));
  EXPECT_EQ(g.Canvas().Pixels(120, 60), clBlack);
}

TEST(GradFillPaint, OneBandIsTheFirstColour) {
  TGradFill g;
  g.SetNrColors(1);
  g.SetFillType(gtMidBandHoriz);
  g.Paint();
  EXPECT_EQ(vyrtest::CountColor(g.Canvas(), 0x000080), 121 * 121);
}

TEST(GradFillModel, BandCountIsClamped) {
  TGradFill g;
  g.SetNrColors(0);
  EXPECT_EQ(g.NrColors(), 1);
  g.SetNrColors(300);
  EXPECT_EQ(g.NrColors(), 255);
  g.Paint();  // more bands than rows: band 0 has no row, band 1 takes row 0
  EXPECT_EQ(g.Canvas().Pixels(0, 0), g.BandColor(1));
  EXPECT_EQ(g.BandColor(1), 0x000180u);
}

TEST(GradFillColors, FlippingExchangesAndWritesFollowTheSetColours) {
  TGradFill g;
  g.SetColorFlipped(true);
  EXPECT_EQ(g.ColorFirst(), 0x00FFFFu);
  EXPECT_EQ(g.ColorLast(), 0x000080u);
  g.SetColorFirst(clLime);  // sets the colour set as last
  EXPECT_EQ(g.ColorFirst(), clLime);
  g.SetColorFlipped(false);
  EXPECT_EQ(g.ColorFirst(), 0x000080u);
  EXPECT_EQ(g.ColorLast(), clLime);
  g.SetColorLast(clRed);
  g.SetColorFlipped(true);
  EXPECT_EQ(g.ColorFirst(), clRed);
}

TEST(GradFillPaint, GridLinesOnTheBandBorders) {
  TGradFill g;
  g.resize(40, 40);
  g.SetNrColors(4);
  g.SetGridColor(clWhite);
  g.SetGridMode(gmHoriz);
  g.Paint();
  TCanvas& c = g.Canvas();
  EXPECT_EQ(vyrtest::Ascii(c, 5, 0, 1, 40, clWhite).join(QString()).count(QLatin1Char('#')), 3);
  EXPECT_EQ(c.Pixels(5, 10), clWhite);
  EXPECT_EQ(c.Pixels(10, 5), g.BandColor(0));
  g.SetGridMode(gmBoth);
  g.Paint();
  EXPECT_EQ(c.Pixels(10, 5), clWhite);
  g.SetGridMode(gmNone);
  g.Paint();
  EXPECT_EQ(vyrtest::CountColor(c, clWhite), 0);
}

TEST(GradFillPaint, FrameAndOnPaint) {
  TGradFill g;
  int paints = 0;
  g.OnPaint = [&](TObject* sender) {
    EXPECT_EQ(sender, &g);
    ++paints;
  };
  g.SetFrameStyle(fsSingle);
  g.Paint();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(g.Canvas().Pixels(60, 0), clBlack);
  EXPECT_EQ(g.Canvas().Pixels(120, 60), clBlack);
}

TEST(GradFillCitizen, Registered) {
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TGradFill"), nullptr));
  EXPECT_NE(dynamic_cast<TGradFill*>(w.get()), nullptr);
}
