// Text calls one after another: what one call sets up (clip, rotation,
// font, colour) must not leak into the next, and the text must land in the
// image's current pixels however the image changed between the calls
// (replaced, shared with a copy, drawn over).
#include <gtest/gtest.h>

#include <algorithm>

#include "host/Canvas.h"
#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::Surface;

namespace {

// Bounds of the pixels in the area that are not white.
TRect InkIn(const QImage& image, const TRect& area) {
  TRect r{area.Right, area.Bottom, area.Left - 1, area.Top - 1};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
      r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    }
  return r.Left < r.Right ? r : TRect{};
}

void ClearBrushBlackText(TCanvas& c) {
  c.Brush.Style = bsClear;
  c.Font.Color = clBlack;
}

}  // namespace

TEST(CanvasTextSequence, TextAfterTheImageWasReplacedLandsInTheNewImage) {
  QImage image(60, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas c(&image);
  ClearBrushBlackText(c);
  c.TextOut(2, 2, QStringLiteral("W"));
  image = QImage(140, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  c.TextOut(90, 10, QStringLiteral("W"));
  const TRect ink = InkIn(image, {0, 0, 140, 40});
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 90);
  EXPECT_GE(ink.Top, 10);
}

TEST(CanvasTextSequence, TextOnAnImageSharedWithACopyLeavesTheCopyAlone) {
  Surface s(120, 30);
  ClearBrushBlackText(s.canvas);
  s.canvas.TextOut(2, 2, QStringLiteral("W"));
  const QImage copy = s.image;
  s.canvas.TextOut(60, 2, QStringLiteral("W"));
  EXPECT_TRUE(InkIn(copy, {50, 0, 120, 30}).IsEmpty());
  EXPECT_FALSE(InkIn(s.image, {50, 0, 120, 30}).IsEmpty());
  EXPECT_FALSE(InkIn(copy, {0, 0, 50, 30}).IsEmpty());
}

TEST(CanvasTextSequence, ClipOfTextRectDoesNotCarryToTheNextTextOut) {
  Surface s(120, 40);
  ClearBrushBlackText(s.canvas);
  s.canvas.TextRect({0, 0, 6, 6}, 0, 0, QStringLiteral("WWW"));
  s.canvas.TextOut(40, 10, QStringLiteral("HHHH"));
  const TRect ink = InkIn(s.image, {30, 0, 120, 40});
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 40);
  EXPECT_GT(ink.Width(), 10);
}

TEST(CanvasTextSequence, RotationOfOneTextDoesNotCarryToTheNext) {
  Surface s(160, 80);
  ClearBrushBlackText(s.canvas);
  s.canvas.Font.Escapement = 900;
  s.canvas.TextOut(10, 70, QStringLiteral("HHHH"));
  s.canvas.Font.Escapement = 0;
  s.canvas.TextOut(60, 30, QStringLiteral("HHHH"));
  const TRect upright = InkIn(s.image, {50, 0, 160, 80});
  ASSERT_FALSE(upright.IsEmpty());
  EXPECT_GT(upright.Width(), upright.Height());
  EXPECT_GE(upright.Top, 30);
}

TEST(CanvasTextSequence, FontAndColourChangesBetweenCallsTakeEffect) {
  Surface s(200, 80);
  ClearBrushBlackText(s.canvas);
  s.canvas.Font.Quality = fqNonAntialiased;
  s.canvas.Font.Size = 8;
  s.canvas.TextOut(2, 2, QStringLiteral("HHHH"));
  s.canvas.Font.Size = 20;
  s.canvas.Font.Color = clRed;
  s.canvas.TextOut(2, 30, QStringLiteral("HHHH"));
  const TRect small = InkIn(s.image, {0, 0, 200, 28});
  const TRect large = InkIn(s.image, {0, 28, 200, 80});
  ASSERT_FALSE(small.IsEmpty());
  ASSERT_FALSE(large.IsEmpty());
  EXPECT_GT(large.Height(), small.Height());
  EXPECT_EQ(s.canvas.Pixels(small.Left, small.Top + 1), clBlack);
  EXPECT_GT(vyrtest::CountColor(s.canvas, clRed), 20);
}

TEST(CanvasTextSequence, TextDrawnAfterAFillLiesOverIt) {
  Surface s(120, 40);
  ClearBrushBlackText(s.canvas);
  s.canvas.TextOut(10, 10, QStringLiteral("HH"));
  s.canvas.Brush.Style = bsSolid;
  s.canvas.Brush.Color = clBlue;
  s.canvas.FillRect({0, 0, 120, 40});
  EXPECT_EQ(vyrtest::CountColor(s.canvas, clBlue), 120 * 40);
  s.canvas.Brush.Style = bsClear;
  s.canvas.TextOut(10, 10, QStringLiteral("HH"));
  EXPECT_LT(vyrtest::CountColor(s.canvas, clBlue), 120 * 40);
}
