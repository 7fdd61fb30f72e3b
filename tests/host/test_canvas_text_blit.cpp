// Text placement, copy modes, stretching and flood fill of the canvas.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <climits>
#include <vector>

#include "host/Bitmap.h"
#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::BoundsOf;
using vyrtest::CountColor;
using vyrtest::Surface;

namespace {

// Glyph pixels: anything that is neither the paper nor the cell colour.
TRect InkBounds(const TCanvas& c, TColor paper, TColor cell) {
  TRect r{c.Width(), c.Height(), -1, -1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      TColor p = c.Pixels(x, y);
      if (p == paper || p == cell) continue;
      r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    }
  return r;
}

}  // namespace

TEST(CanvasText, TextOutPutsTheCellTopLeftAtXYAndPaintsItWithASolidBrush) {
  Surface s(60, 40);
  s.canvas.Brush.Color = clRed;
  s.canvas.Font.Color = clBlack;
  int tw = s.canvas.TextWidth(QStringLiteral("Hg"));
  int th = s.canvas.TextHeight(QStringLiteral("Hg"));
  s.canvas.TextOut(5, 7, QStringLiteral("Hg"));
  EXPECT_EQ(s.canvas.Pixels(5, 7), clRed);
  EXPECT_EQ(s.canvas.Pixels(4, 7), clWhite);
  EXPECT_EQ(s.canvas.Pixels(5, 6), clWhite);
  EXPECT_EQ(s.canvas.Pixels(5 + tw, 7), clWhite);
  EXPECT_EQ(s.canvas.Pixels(5, 7 + th), clWhite);
  EXPECT_EQ(s.canvas.Pixels(5, 7 + th - 1), clRed);
  TRect ink = InkBounds(s.canvas, clWhite, clRed);
  EXPECT_GE(ink.Left, 5);
  EXPECT_GT(ink.Top, 7);  // the cell includes room above capitals
  EXPECT_LE(ink.Right, 5 + tw);
  EXPECT_LE(ink.Bottom, 7 + th);
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{5 + tw, 7}));
}

TEST(CanvasText, ClearBrushLeavesTheBackground) {
  Surface s(60, 30, clLime);
  s.canvas.Brush.Style = bsClear;
  s.canvas.TextOut(2, 2, QStringLiteral("W"));
  EXPECT_EQ(s.canvas.Pixels(2, 2), clLime);
  EXPECT_GT(CountColor(s.canvas, clLime), 60 * 30 - 200);
}

TEST(CanvasText, TextHeightIsAscentPlusDescent) {
  Surface s(4, 4);
  s.canvas.Font.Size = 12;
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(16);  // 12 points at 96 dots per inch
  QFontMetrics m(f);
  EXPECT_EQ(s.canvas.TextHeight(QStringLiteral("x")), m.ascent() + m.descent());
  EXPECT_EQ(s.canvas.TextWidth(QStringLiteral("abc")), m.horizontalAdvance(QStringLiteral("abc")));
  EXPECT_EQ(s.canvas.TextWidth(QString()), 0);
}

TEST(CanvasText, WidthsFollowTheTextAndTheFont) {
  Surface s(4, 4);
  s.canvas.Font.Size = 12;
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(16);
  const int abc = QFontMetrics(f).horizontalAdvance(QStringLiteral("abc"));
  EXPECT_EQ(s.canvas.TextWidth(QStringLiteral("abc")), abc);
  EXPECT_EQ(s.canvas.TextWidth(QStringLiteral("abcd")), QFontMetrics(f).horizontalAdvance(QStringLiteral("abcd")));
  EXPECT_EQ(s.canvas.TextWidth(QStringLiteral("abc")), abc);
  s.canvas.Font.Size = 24;  // the same text in a larger font is wider
  f.setPixelSize(32);
  EXPECT_EQ(s.canvas.TextWidth(QStringLiteral("abc")), QFontMetrics(f).horizontalAdvance(QStringLiteral("abc")));
  s.canvas.TextOut(0, 0, QStringLiteral("abc"));
  EXPECT_EQ(s.canvas.PenPos().X, QFontMetrics(f).horizontalAdvance(QStringLiteral("abc")));
}

TEST(CanvasText, WidestTextIsTheLargestWidthAlsoPastTheMemo) {
  Surface s(4, 4);
  s.canvas.Font.Size = 12;
  // Many distinct texts (more than are remembered), repeats, empty texts,
  // and the widest text only at the very end.
  std::vector<QString> texts;
  for (int i = 0; i < 6000; ++i) texts.push_back(i % 3 == 0 ? QString() : QString::number(i % 5000));
  texts.push_back(QStringLiteral("WWWWWWWW"));
  const auto at = [&texts](qsizetype i) { return QStringView(texts[std::size_t(i)]); };
  const int last = s.canvas.TextWidth(texts.back());
  int widest = 0;
  for (std::size_t i = 0; i + 1 < texts.size(); ++i) widest = std::max(widest, s.canvas.TextWidth(texts[i]));
  ASSERT_GT(last, widest);
  EXPECT_EQ(s.canvas.WidestText(qsizetype(texts.size()), at), last);
  EXPECT_EQ(s.canvas.WidestText(qsizetype(texts.size()) - 1, at), widest);
  EXPECT_EQ(s.canvas.WidestText(0, at), 0);
}

TEST(CanvasText, FontSizeZeroOrBelowFallsBackToTheDefault) {
  Surface s(4, 4);
  int normal = s.canvas.TextHeight(QStringLiteral("x"));
  s.canvas.Font.Size = 0;
  EXPECT_EQ(s.canvas.TextHeight(QStringLiteral("x")), normal);
  s.canvas.Font.Size = -40;
  EXPECT_EQ(s.canvas.TextHeight(QStringLiteral("x")), normal);
  s.canvas.Font.Size = 1 << 30;
  EXPECT_GT(s.canvas.TextHeight(QStringLiteral("x")), normal);
}

TEST(CanvasText, TextRectFillsItsRectangleAndClipsTheText) {
  Surface s(60, 40);
  s.canvas.Brush.Color = clRed;
  s.canvas.TextRect({10, 10, 30, 20}, 12, 8, QStringLiteral("WWWWWWWW"));
  EXPECT_EQ(s.canvas.Pixels(10, 10), clRed);
  EXPECT_EQ(s.canvas.Pixels(29, 19), clRed);
  EXPECT_EQ(s.canvas.Pixels(30, 10), clWhite);
  EXPECT_EQ(s.canvas.Pixels(10, 20), clWhite);
  TRect ink = InkBounds(s.canvas, clWhite, clRed);
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Right, 30);
  EXPECT_LE(ink.Bottom, 20);
  EXPECT_FALSE(ink.IsEmpty());
}

TEST(CanvasText, RotatedTextRunsUpwardsFromTheReferencePoint) {
  Surface s(80, 80);
  s.canvas.Brush.Style = bsClear;
  s.canvas.Font.Escapement = 900;
  int tw = s.canvas.TextWidth(QStringLiteral("HHHH"));
  int th = s.canvas.TextHeight(QStringLiteral("HHHH"));
  s.canvas.TextOut(20, 70, QStringLiteral("HHHH"));
  TRect ink = InkBounds(s.canvas, clWhite, clWhite);
  EXPECT_GE(ink.Left, 20);
  EXPECT_LE(ink.Right, 20 + th + 1);
  EXPECT_GE(ink.Top, 70 - tw - 1);
  EXPECT_LE(ink.Bottom, 71);
  EXPECT_GT(ink.Height(), ink.Width());
}

TEST(CanvasCopy, EachCopyModeCombinesSourceAndDestination) {
  // Source 0x00FF0F and destination 0x0F0FF0, worked out by hand per mode.
  struct Case {
    TCopyMode mode;
    TColor expected;
  };
  const Case cases[] = {
      {cmSrcCopy, 0x00FF0F},   {cmNotSrcCopy, 0xFF00F0}, {cmSrcAnd, 0x000F00},    {cmSrcPaint, 0x0FFFFF},
      {cmSrcInvert, 0x0FF0FF}, {cmSrcErase, 0x00F00F},   {cmDstInvert, 0xF0F00F}, {cmBlackness, 0x000000},
      {cmWhiteness, 0xFFFFFF}, {cmMergePaint, 0xFF0FF0}, {cmNotSrcErase, 0xF00000}};
  Surface src(4, 4, 0x00FF0F);
  for (const Case& c : cases) {
    Surface dst(4, 4, 0x0F0FF0);
    dst.canvas.CopyMode = c.mode;
    dst.canvas.CopyRect({1, 1, 3, 3}, src.canvas, {0, 0, 2, 2});
    EXPECT_EQ(dst.canvas.Pixels(1, 1), c.expected) << std::hex << c.mode;
    EXPECT_EQ(dst.canvas.Pixels(2, 2), c.expected) << std::hex << c.mode;
    EXPECT_EQ(dst.canvas.Pixels(3, 3), TColor(0x0F0FF0)) << std::hex << c.mode;
    EXPECT_EQ(dst.canvas.Pixels(0, 0), TColor(0x0F0FF0)) << std::hex << c.mode;
  }
}

TEST(CanvasCopy, CopyOntoTheSameBitmapReadsTheOriginalPixels) {
  Surface s(5, 1);
  const TColor row[] = {clRed, clLime, clBlue, clWhite, clBlack};
  for (int x = 0; x < 5; ++x) s.canvas.SetPixels(x, 0, row[x]);
  s.canvas.CopyRect({1, 0, 4, 1}, s.canvas, {0, 0, 3, 1});
  EXPECT_EQ(s.canvas.Pixels(0, 0), clRed);
  EXPECT_EQ(s.canvas.Pixels(1, 0), clRed);
  EXPECT_EQ(s.canvas.Pixels(2, 0), clLime);
  EXPECT_EQ(s.canvas.Pixels(3, 0), clBlue);
  EXPECT_EQ(s.canvas.Pixels(4, 0), clBlack);
}

TEST(CanvasCopy, NotSourceOntoItselfInvertsJustTheRectangle) {
  Surface s(6, 3, 0x204060);
  s.canvas.CopyMode = cmNotSrcCopy;
  s.canvas.CopyRect({2, 0, 4, 3}, s.canvas, {2, 0, 4, 3});
  EXPECT_EQ(s.canvas.Pixels(1, 1), TColor(0x204060));
  EXPECT_EQ(s.canvas.Pixels(2, 1), TColor(0xDFBF9F));
  EXPECT_EQ(s.canvas.Pixels(3, 2), TColor(0xDFBF9F));
  EXPECT_EQ(s.canvas.Pixels(4, 1), TColor(0x204060));
}

TEST(CanvasCopy, DrawPlacesTheBitmapAndClipsAtTheEdges) {
  TBitmap bmp(2, 2);
  bmp.Canvas().SetPixels(0, 0, clRed);
  bmp.Canvas().SetPixels(1, 0, clLime);
  bmp.Canvas().SetPixels(0, 1, clBlue);
  bmp.Canvas().SetPixels(1, 1, clBlack);
  Surface s(3, 3);
  s.canvas.Draw(-1, 1, bmp);
  EXPECT_EQ(s.canvas.Pixels(0, 1), clLime);
  EXPECT_EQ(s.canvas.Pixels(0, 2), clBlack);
  EXPECT_EQ(s.canvas.Pixels(1, 1), clWhite);
}

TEST(CanvasCopy, NearestStretchRepeatsPixelsAndHalftoneBlendsThem) {
  TBitmap bmp(2, 1);
  bmp.Canvas().SetPixels(0, 0, clBlack);
  bmp.Canvas().SetPixels(1, 0, clWhite);
  Surface s(4, 2);
  s.canvas.StretchDraw({0, 0, 4, 2}, bmp);
  EXPECT_EQ(vyrtest::Ascii(s.canvas, 0, 0, 4, 2, clBlack), (QStringList{"##..", "##.."}));

  Surface h(1, 1);
  h.canvas.StretchMode = smHalftone;
  h.canvas.StretchDraw({0, 0, 1, 1}, bmp);
  int grey = GetRValue(h.canvas.Pixels(0, 0));
  EXPECT_GT(grey, 0x40);
  EXPECT_LT(grey, 0xC0);
}

TEST(CanvasCopy, MirroredDestinationFlipsTheSource) {
  TBitmap bmp(3, 1);
  bmp.Canvas().SetPixels(0, 0, clRed);
  Surface s(3, 1);
  s.canvas.StretchDraw({3, 0, 0, 1}, bmp);
  EXPECT_EQ(s.canvas.Pixels(2, 0), clRed);
  EXPECT_EQ(s.canvas.Pixels(0, 0), clWhite);
}

TEST(CanvasFloodFill, SurfaceFillStaysWithinFourConnectedPixels) {
  // A white centre walled in by black on its four sides; the white corners
  // touch it only diagonally and must stay white.
  Surface s(3, 3);
  for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {2, 1}, {1, 2}}) s.canvas.SetPixels(x, y, clBlack);
  s.canvas.Brush.Color = clRed;
  s.canvas.FloodFill(1, 1, clWhite, fsSurface);
  EXPECT_EQ(vyrtest::Ascii(s.canvas, 0, 0, 3, 3, clRed), (QStringList{"...", ".#.", "..."}));
  EXPECT_EQ(CountColor(s.canvas, clWhite), 4);
}

TEST(CanvasFloodFill, BorderFillStopsAtTheBorderColour) {
  Surface s(12, 12, clLime);
  s.canvas.Brush.Style = bsClear;
  s.canvas.Rectangle(2, 2, 10, 10);
  s.canvas.SetPixels(5, 5, clBlue);  // not the border colour: filled over
  s.canvas.Brush.Style = bsSolid;
  s.canvas.Brush.Color = clRed;
  s.canvas.FloodFill(4, 4, clBlack, fsBorder);
  EXPECT_EQ(CountColor(s.canvas, clRed), 36);
  EXPECT_EQ(BoundsOf(s.canvas, clRed), (TRect{3, 3, 9, 9}));
  EXPECT_EQ(s.canvas.Pixels(0, 0), clLime);
}

TEST(CanvasFloodFill, WrongSeedColourOrFillingWithTheSameColourChangesNothing) {
  Surface s(5, 5);
  s.canvas.Brush.Color = clRed;
  s.canvas.FloodFill(2, 2, clBlack, fsSurface);
  EXPECT_EQ(CountColor(s.canvas, clRed), 0);
  s.canvas.Brush.Color = clWhite;
  s.canvas.FloodFill(2, 2, clWhite, fsSurface);
  EXPECT_EQ(CountColor(s.canvas, clWhite), 25);
  s.canvas.FloodFill(-3, 99, clWhite, fsSurface);
}

TEST(CanvasBadInput, DrawingAndTextAtTheEdgeOfTheIntRangeAreSafe) {
  TBitmap bmp(4, 4);
  Surface s(8, 8);
  s.canvas.Draw(INT_MAX - 1, INT_MAX - 1, bmp);
  s.canvas.StretchDraw({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, bmp);
  s.canvas.TextOut(INT_MAX - 2, 0, QStringLiteral("wide text"));
  EXPECT_EQ(s.canvas.PenPos().X, INT_MAX);
  EXPECT_EQ((TRect{INT_MIN, 0, INT_MAX, 1}).Width(), INT_MAX);
  EXPECT_EQ(s.canvas.Pixels(4, 4), clWhite);  // the stretched white bitmap
}
