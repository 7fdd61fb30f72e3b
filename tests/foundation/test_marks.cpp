#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <set>
#include <utility>
#include <vector>

#include "foundation/Marks.h"

using namespace vyr;

namespace {

constexpr int kSize = 41;
constexpr int kCentre = 20;

using PixelSet = std::set<std::pair<int, int>>;

struct Sheet {
  QImage image{kSize, kSize, QImage::Format_RGB32};
  TCanvas canvas{&image};
  Sheet() {
    image.fill(Qt::white);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clWhite;
  }
  TColor At(int x, int y) const { return canvas.Pixels(x, y); }
  PixelSet Marked() const {
    PixelSet set;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (At(x, y) != clWhite) set.insert({x, y});
    return set;
  }
};

PixelSet MarkPixels(int mark) {
  Sheet s;
  DrawMarkOnCanvas(s.canvas, mark, kCentre, kCentre);
  return s.Marked();
}

}  // namespace

TEST(DrawMarkOnCanvas, FiftyTwoDistinctMarksInsideTheirBox) {
  std::vector<PixelSet> marks;
  for (int m = 0; m < 52; ++m) {
    PixelSet p = MarkPixels(m);
    EXPECT_FALSE(p.empty()) << m;
    for (auto [x, y] : p) {
      EXPECT_GE(x, kCentre - 14) << m;
      EXPECT_LE(x, kCentre + 14) << m;
      EXPECT_GE(y, kCentre - 14) << m;
      EXPECT_LE(y, kCentre + 14) << m;
    }
    for (int other = 0; other < m; ++other) EXPECT_NE(p, marks[size_t(other)]) << m << " vs " << other;
    marks.push_back(std::move(p));
  }
}

TEST(DrawMarkOnCanvas, DotAndSmallPlusPixelByPixel) {
  EXPECT_EQ(MarkPixels(0), (PixelSet{{20, 20}}));
  PixelSet plus = MarkPixels(1);
  EXPECT_EQ(plus.size(), 17u);
  for (auto p : {std::pair{16, 20}, {24, 20}, {20, 16}, {20, 24}, {20, 20}}) EXPECT_TRUE(plus.count(p));
  EXPECT_FALSE(plus.count({25, 20}));
  EXPECT_FALSE(plus.count({21, 21}));
}

TEST(DrawMarkOnCanvas, OpenShapesTakeTheBrushSolidOnesThePen) {
  Sheet open;
  open.canvas.Brush.Color = 0x0000FF;
  DrawMarkOnCanvas(open.canvas, 4, kCentre, kCentre);  // small open square
  EXPECT_EQ(open.At(16, 16), clBlack);
  EXPECT_EQ(open.At(24, 24), clBlack);
  EXPECT_EQ(open.At(20, 20), 0x0000FFu);
  EXPECT_EQ(open.At(25, 25), clWhite);

  Sheet solid;
  solid.canvas.Pen.Color = 0xFF0000;
  solid.canvas.Brush.Color = 0x0000FF;
  DrawMarkOnCanvas(solid.canvas, 5, kCentre, kCentre);  // small solid square
  EXPECT_EQ(solid.At(20, 20), 0xFF0000u);
  EXPECT_EQ(solid.At(16, 16), 0xFF0000u);
  EXPECT_EQ(solid.canvas.Brush.Color, 0x0000FFu);
  EXPECT_EQ(solid.canvas.Brush.Style, bsSolid);
}

TEST(DrawMarkOnCanvas, KeepsPenPositionAndBrushStyle) {
  Sheet s;
  s.canvas.Brush.Style = bsClear;
  s.canvas.MoveTo(3, 7);
  DrawMarkOnCanvas(s.canvas, 24, kCentre, kCentre);  // large solid square
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{3, 7}));
  EXPECT_EQ(s.canvas.Brush.Style, bsClear);
  EXPECT_EQ(s.At(20, 20), clBlack);
}

TEST(DrawMarkOnCanvas, ReferencePointMovesTheMark) {
  PixelSet at20 = MarkPixels(25);
  Sheet s;
  DrawMarkOnCanvas(s.canvas, 25, 17, 22);
  PixelSet shifted;
  for (auto [x, y] : at20) shifted.insert({x - 3, y + 2});
  EXPECT_EQ(s.Marked(), shifted);
}

TEST(DrawMarkOnCanvas, UnknownNumbersAndFarPointsDrawNothing) {
  EXPECT_TRUE(MarkPixels(-1).empty());
  EXPECT_TRUE(MarkPixels(52).empty());
  EXPECT_TRUE(MarkPixels(INT_MAX).empty());
  Sheet s;
  for (int m = 0; m < 52; ++m) {
    DrawMarkOnCanvas(s.canvas, m, INT_MAX, INT_MIN);
    DrawMarkOnCanvas(s.canvas, m, INT_MIN, INT_MAX);
  }
  EXPECT_TRUE(s.Marked().empty());
}
