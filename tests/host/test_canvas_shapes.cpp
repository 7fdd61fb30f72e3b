// Pixel conventions of rectangles, lines, ellipses, arcs, pies and polygons.
// Expected shapes are drawn out by hand as rows of '#' (ink) and '.'.
#include <gtest/gtest.h>

#include <climits>

#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::Ascii;
using vyrtest::BoundsOf;
using vyrtest::Surface;

namespace {

QStringList Rows(std::initializer_list<const char*> rows) {
  QStringList out;
  for (const char* r : rows) out << QString::fromLatin1(r);
  return out;
}

}  // namespace

TEST(CanvasRectangle, OutlineOnFirstAndLastInsideRowsAndColumns) {
  Surface s(7, 6);
  s.canvas.Pen.Color = clBlack;
  s.canvas.Brush.Color = clRed;
  s.canvas.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 7, 5, clBlack), Rows({".......", ".####..", ".#..#..", ".####..", "......."}));
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 7, 5, clRed), Rows({".......", ".......", "..##...", ".......", "......."}));
}

TEST(CanvasRectangle, CornersInEitherOrderGiveTheSameRectangle) {
  Surface a(8, 8), b(8, 8);
  a.canvas.Rectangle(1, 2, 6, 7);
  b.canvas.Rectangle(6, 7, 1, 2);
  EXPECT_EQ(a.image, b.image);
}

TEST(CanvasRectangle, ClearPenFillsWholeBoxAndClearBrushLeavesInside) {
  Surface s(6, 5);
  s.canvas.Pen.Style = psClear;
  s.canvas.Brush.Color = clBlue;
  s.canvas.Rectangle(1, 1, 4, 3);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 6, 4, clBlue), Rows({"......", ".###..", ".###..", "......"}));

  Surface t(5, 5, clLime);
  t.canvas.Brush.Style = bsClear;
  t.canvas.Rectangle(0, 0, 5, 5);
  EXPECT_EQ(t.canvas.Pixels(2, 2), clLime);
  EXPECT_EQ(t.canvas.Pixels(4, 4), clBlack);
}

TEST(CanvasRectangle, FillRectExcludesRightAndBottomAndDrawsNoOutline) {
  Surface s(5, 4);
  s.canvas.Brush.Color = clGreen;
  s.canvas.FillRect({1, 1, 3, 3});
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 5, 4, clGreen), Rows({".....", ".##..", ".##..", "....."}));
  s.canvas.FillRect({4, 3, 2, 1});  // inverted: nothing
  EXPECT_EQ(vyrtest::CountColor(s.canvas, clGreen), 4);
}

TEST(CanvasRectangle, WidePenDrawsItsBandInsideTheBox) {
  Surface s(8, 8);
  s.canvas.Pen.Width = 2;
  s.canvas.Brush.Color = clRed;
  s.canvas.Rectangle(1, 1, 7, 7);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 8, 8, clBlack),
            Rows({"........", ".######.", ".######.", ".##..##.", ".##..##.", ".######.", ".######.", "........"}));
  EXPECT_EQ(s.canvas.Pixels(3, 3), clRed);
}

TEST(CanvasRectangle, XorPenTwiceRestoresEveryPixel) {
  Surface s(10, 10, 0x123456);
  QImage before = s.image.copy();
  s.canvas.Pen.Mode = pmXor;
  s.canvas.Pen.Color = clWhite;
  s.canvas.Brush.Style = bsClear;
  s.canvas.Rectangle(1, 1, 9, 9);
  EXPECT_EQ(s.canvas.Pixels(1, 1), TColor(0x123456 ^ 0xFFFFFF));
  s.canvas.Rectangle(1, 1, 9, 9);
  EXPECT_EQ(s.image, before);
}

TEST(CanvasLine, LeavesOutItsEndPointAndMovesThePen) {
  Surface s(7, 3);
  s.canvas.MoveTo(1, 1);
  s.canvas.LineTo(5, 1);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 7, 3, clBlack), Rows({".......", ".####..", "......."}));
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{5, 1}));
  s.canvas.LineTo(5, 2);  // continues from the old end point, which it now draws
  EXPECT_EQ(s.canvas.Pixels(5, 1), clBlack);
  EXPECT_EQ(s.canvas.Pixels(5, 2), clWhite);
}

TEST(CanvasLine, DiagonalAndSteepLines) {
  Surface s(4, 4);
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(3, 3);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 4, 4, clBlack), Rows({"#...", ".#..", "..#.", "...."}));

  Surface t(3, 6);
  t.canvas.MoveTo(0, 0);
  t.canvas.LineTo(2, 5);
  EXPECT_EQ(Ascii(t.canvas, 0, 0, 3, 6, clBlack), Rows({"#..", "#..", ".#.", ".#.", "..#", "..."}));
}

TEST(CanvasLine, LinesRunningBackwardsAreDrawnToo) {
  Surface s(6, 2);
  s.canvas.MoveTo(5, 0);
  s.canvas.LineTo(1, 0);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 6, 1, clBlack), Rows({"..####"}));
}

TEST(CanvasLine, ClearPenDrawsNothingButMoves) {
  Surface s(4, 4);
  s.canvas.Pen.Style = psClear;
  s.canvas.LineTo(3, 3);
  EXPECT_EQ(vyrtest::CountColor(s.canvas, clBlack), 0);
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{3, 3}));
}

TEST(CanvasLine, DottedPenLeavesGaps) {
  Surface s(12, 1);
  s.canvas.Pen.Style = psDot;
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(12, 0);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 12, 1, clBlack), Rows({"###...###..."}));
}

TEST(CanvasEllipse, FitsTheHalfOpenBox) {
  Surface s(9, 7);
  s.canvas.Brush.Color = clRed;
  s.canvas.Ellipse(0, 0, 7, 5);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 8, 6, clBlack),
            Rows({".#####..", "#.....#.", "#.....#.", "#.....#.", ".#####..", "........"}));
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 8, 6, clRed),
            Rows({"........", ".#####..", ".#####..", ".#####..", "........", "........"}));
}

TEST(CanvasEllipse, LargeCircleTouchesAllFourSidesOfItsBox) {
  Surface s(40, 40);
  s.canvas.Brush.Style = bsClear;
  s.canvas.Ellipse(5, 6, 35, 30);
  EXPECT_EQ(BoundsOf(s.canvas, clBlack), (TRect{5, 6, 35, 30}));
  EXPECT_EQ(s.canvas.Pixels(20, 18), clWhite);  // centre not filled with a clear brush
}

TEST(CanvasArc, RunsCounterClockwiseFromStartRayToEndRay) {
  // From 3 o'clock to 12 o'clock: the upper right quarter only.
  Surface s(21, 21);
  s.canvas.Arc(0, 0, 21, 21, 21, 10, 10, 0);
  TRect b = BoundsOf(s.canvas, clBlack);
  EXPECT_EQ(b, (TRect{10, 0, 21, 11}));
  EXPECT_EQ(s.canvas.Pixels(20, 10), clBlack);
  EXPECT_EQ(s.canvas.Pixels(10, 0), clBlack);

  // The same two rays the other way round give the other three quarters.
  Surface t(21, 21);
  t.canvas.Arc(0, 0, 21, 21, 10, 0, 21, 10);
  EXPECT_EQ(t.canvas.Pixels(0, 10), clBlack);
  EXPECT_EQ(t.canvas.Pixels(10, 20), clBlack);
  for (int y = 0; y < 8; ++y)
    for (int x = 13; x < 21; ++x) EXPECT_EQ(t.canvas.Pixels(x, y), clWhite) << x << "," << y;
}

TEST(CanvasArc, EqualStartAndEndPointsDrawTheWholeEllipse) {
  Surface s(21, 21), full(21, 21);
  s.canvas.Arc(0, 0, 21, 21, 21, 10, 21, 10);
  full.canvas.Brush.Style = bsClear;
  full.canvas.Ellipse(0, 0, 21, 21);
  EXPECT_EQ(s.image, full.image);
}

TEST(CanvasPie, FillsTheWedgeAndDrawsBothRadii) {
  Surface s(21, 21);
  s.canvas.Brush.Color = clRed;
  s.canvas.Pie(0, 0, 21, 21, 21, 10, 10, 0);
  EXPECT_EQ(s.canvas.Pixels(15, 5), clRed);    // inside the upper right quarter
  EXPECT_EQ(s.canvas.Pixels(5, 15), clWhite);  // lower left untouched
  EXPECT_EQ(s.canvas.Pixels(5, 5), clWhite);
  EXPECT_EQ(s.canvas.Pixels(15, 15), clWhite);
  EXPECT_EQ(s.canvas.Pixels(15, 10), clBlack);  // radius to 3 o'clock
  EXPECT_EQ(s.canvas.Pixels(10, 5), clBlack);   // radius to 12 o'clock
  TRect b = BoundsOf(s.canvas, clRed);
  EXPECT_GE(b.Left, 10);
  EXPECT_LE(b.Bottom, 11);
}

TEST(CanvasPolygon, FillsEvenOddThenOutlines) {
  // An outer square and an inner square traced in one polygon: the inner
  // square is crossed twice and so stays empty.
  Surface s(22, 22);
  s.canvas.Brush.Color = clRed;
  s.canvas.Pen.Style = psClear;
  std::vector<TPoint> pts{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {6, 6}, {14, 6}, {14, 14}, {6, 14}, {6, 6}};
  s.canvas.Polygon(pts);
  EXPECT_EQ(s.canvas.Pixels(2, 10), clRed);
  EXPECT_EQ(s.canvas.Pixels(17, 10), clRed);
  EXPECT_EQ(s.canvas.Pixels(10, 10), clWhite);
  EXPECT_EQ(s.canvas.Pixels(20, 10), clWhite);  // right edge: pixel centre outside
}

TEST(CanvasPolygon, OutlineIsClosedAndCoversEveryVertex) {
  Surface s(6, 6);
  s.canvas.Brush.Style = bsClear;
  std::vector<TPoint> pts{{0, 0}, {4, 0}, {0, 4}};
  s.canvas.Polygon(pts);
  EXPECT_EQ(Ascii(s.canvas, 0, 0, 6, 6, clBlack), Rows({"#####.", "#..#..", "#.#...", "##....", "#.....", "......"}));
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{0, 0}));  // the pen position is left alone
}

TEST(CanvasPixels, ReadOutsideGivesInvalidAndWritesThereAreIgnored) {
  Surface s(3, 3);
  s.canvas.SetPixels(1, 1, clRed);
  EXPECT_EQ(s.canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(s.canvas.Pixels(3, 0), clInvalid);
  EXPECT_EQ(s.canvas.Pixels(-1, 0), clInvalid);
  s.canvas.SetPixels(-1, 5, clRed);
  EXPECT_EQ(vyrtest::CountColor(s.canvas, clRed), 1);
}

TEST(CanvasPixels, SystemColoursResolveWhenDrawn) {
  Surface s(2, 1);
  s.canvas.SetPixels(0, 0, clBtnFace);
  s.canvas.SetPixels(1, 0, clBtnShadow);
  EXPECT_EQ(s.canvas.Pixels(0, 0), TColor(0xC0C0C0));
  EXPECT_EQ(s.canvas.Pixels(1, 0), TColor(0x808080));
}

TEST(CanvasBadInput, FarAwayCoordinatesNeitherHangNorOverflow) {
  Surface s(8, 8);
  s.canvas.MoveTo(INT_MIN, INT_MIN);
  s.canvas.LineTo(INT_MAX, INT_MAX);
  EXPECT_EQ(s.canvas.Pixels(3, 3), clBlack);
  EXPECT_EQ(s.canvas.Pixels(3, 4), clWhite);
  s.canvas.Brush.Color = clRed;
  s.canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(s.canvas.Pixels(4, 4), clRed);
  s.canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  s.canvas.Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 0, 0, INT_MIN);
  std::vector<TPoint> pts{{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}};
  s.canvas.Polygon(pts);
  s.canvas.Pen.Width = 3;
  s.canvas.MoveTo(INT_MIN, 4);
  s.canvas.LineTo(INT_MAX, 4);
  EXPECT_EQ(s.canvas.Pixels(4, 4), clBlack);
  s.canvas.TextOut(INT_MAX, INT_MIN, QStringLiteral("far"));
  s.canvas.TextRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0, 0, QStringLiteral("x"));
  s.canvas.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(s.canvas.Pixels(0, 0), clRed);
}

TEST(CanvasBadInput, CanvasWithoutImageDrawsNothing) {
  TCanvas c;
  c.Rectangle(0, 0, 10, 10);
  c.LineTo(5, 5);
  c.TextOut(0, 0, QStringLiteral("x"));
  c.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(c.Width(), 0);
  EXPECT_EQ(c.Pixels(0, 0), clInvalid);
  QImage indexed(4, 4, QImage::Format_Indexed8);
  c.SetImage(&indexed);
  EXPECT_EQ(c.Image(), nullptr);
}
