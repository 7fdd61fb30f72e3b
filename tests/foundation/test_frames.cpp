#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <vector>

#include "foundation/Frames.h"

using namespace vyr;

namespace {

constexpr TColor kBg = 0x00FF00;
constexpr TColor kHi = 0xFFFFFF;
constexpr TColor kLight = 0xC0C0C0;
constexpr TColor kShadow = 0x808080;
constexpr TColor kDark = 0x000000;
constexpr TColor kLine = 0x0000FF;

struct Surface {
  QImage image{10, 8, QImage::Format_RGB32};
  TCanvas canvas{&image};
  Surface() { image.fill(QColor(0, 255, 0)); }
  TColor At(int x, int y) const { return canvas.Pixels(x, y); }
  void Frame(TFrameStyle style, int l, int t, int r, int b) {
    DrawFrame(canvas, style, l, t, r, b, kHi, kLight, kShadow, kDark, kLine);
  }
};

struct Pt {
  int x, y;
};

// Sample points of the box (1, 1)..(8, 6): the outer ring's top-left and
// bottom-right lines (the latter owning the top-right and bottom-left
// corners), the inner ring at (2, 2)..(7, 5), and untouched pixels.
const std::vector<Pt> kOuterTopLeft = {{1, 1}, {4, 1}, {7, 1}, {1, 3}, {1, 5}};
const std::vector<Pt> kOuterBottomRight = {{8, 1}, {1, 6}, {8, 6}, {4, 6}, {8, 3}};
const std::vector<Pt> kInnerTopLeft = {{2, 2}, {4, 2}, {6, 2}, {2, 4}};
const std::vector<Pt> kInnerBottomRight = {{7, 2}, {2, 5}, {7, 5}, {4, 5}, {7, 3}};
const std::vector<Pt> kUntouched = {{0, 0}, {9, 7}, {3, 3}, {6, 4}, {0, 3}, {9, 1}, {4, 7}};

void ExpectColor(const Surface& s, const std::vector<Pt>& points, TColor expected, const char* what) {
  for (Pt p : points) EXPECT_EQ(s.At(p.x, p.y), expected) << what << " at " << p.x << "," << p.y;
}

struct RingCase {
  TFrameStyle style;
  TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

}  // namespace

TEST(DrawFrame, TwoRingStylesPixelByPixel) {
  const RingCase cases[] = {
      {fsLowered, kShadow, kHi, kDark, kLight},
      {fsRaised, kLight, kDark, kHi, kShadow},
      {fsBump, kHi, kShadow, kShadow, kHi},
      {fsEtched, kShadow, kHi, kHi, kShadow},
  };
  for (const RingCase& c : cases) {
    SCOPED_TRACE(int(c.style));
    Surface s;
    s.Frame(c.style, 1, 1, 8, 6);
    ExpectColor(s, kOuterTopLeft, c.outerTopLeft, "outer top-left");
    ExpectColor(s, kOuterBottomRight, c.outerBottomRight, "outer bottom-right");
    ExpectColor(s, kInnerTopLeft, c.innerTopLeft, "inner top-left");
    ExpectColor(s, kInnerBottomRight, c.innerBottomRight, "inner bottom-right");
    ExpectColor(s, kUntouched, kBg, "untouched");
  }
}

TEST(DrawFrame, SingleLineUsesTheLineColour) {
  Surface s;
  s.Frame(fsSingle, 1, 1, 8, 6);
  ExpectColor(s, kOuterTopLeft, kLine, "top-left");
  ExpectColor(s, kOuterBottomRight, kLine, "bottom-right");
  ExpectColor(s, kInnerTopLeft, kBg, "inside");
  ExpectColor(s, kUntouched, kBg, "untouched");
}

TEST(DrawFrame, NoneAndUnknownStylesDrawNothing) {
  for (int style : {0, 6, 255}) {
    Surface s;
    s.Frame(TFrameStyle(style), 1, 1, 8, 6);
    ExpectColor(s, kOuterTopLeft, kBg, "outer");
    ExpectColor(s, kOuterBottomRight, kBg, "outer");
  }
}

TEST(DrawFrame, WholeControlEdgeWithInclusiveCorners) {
  Surface s;  // the usual call (0, 0, W - 1, H - 1)
  s.Frame(fsLowered, 0, 0, 9, 7);
  EXPECT_EQ(s.At(0, 0), kShadow);
  EXPECT_EQ(s.At(9, 0), kHi);
  EXPECT_EQ(s.At(0, 7), kHi);
  EXPECT_EQ(s.At(9, 7), kHi);
  EXPECT_EQ(s.At(1, 1), kDark);
  EXPECT_EQ(s.At(8, 6), kLight);
  EXPECT_EQ(s.At(2, 2), kBg);
}

TEST(DrawFrame, CornersInEitherOrder) {
  Surface s;
  s.Frame(fsRaised, 8, 6, 1, 1);
  ExpectColor(s, kOuterTopLeft, kLight, "outer top-left");
  ExpectColor(s, kInnerBottomRight, kShadow, "inner bottom-right");
  ExpectColor(s, kUntouched, kBg, "untouched");
}

TEST(DrawFrame, ThinBoxesStayInsideTheirBox) {
  Surface flat;
  flat.Frame(fsLowered, 1, 3, 6, 3);  // one row high: only the bottom line shows
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(flat.At(x, 3), kHi) << x;
  EXPECT_EQ(flat.At(1, 2), kBg);
  EXPECT_EQ(flat.At(1, 4), kBg);
  EXPECT_EQ(flat.At(7, 3), kBg);

  Surface narrow;
  narrow.Frame(fsEtched, 3, 1, 3, 5);  // one column wide
  for (int y = 1; y <= 5; ++y) EXPECT_EQ(narrow.At(3, y), kHi) << y;
  EXPECT_EQ(narrow.At(3, 0), kBg);
  EXPECT_EQ(narrow.At(3, 6), kBg);
  EXPECT_EQ(narrow.At(2, 3), kBg);
  EXPECT_EQ(narrow.At(4, 3), kBg);

  Surface twoWide;
  twoWide.Frame(fsRaised, 3, 1, 4, 5);  // the inner ring has no room
  EXPECT_EQ(twoWide.At(3, 3), kLight);
  EXPECT_EQ(twoWide.At(4, 3), kDark);
}

TEST(DrawFrame, KeepsTheCanvasPen) {
  Surface s;
  s.canvas.Pen = TPen{0x123456, 3, psDash, pmXor};
  s.canvas.MoveTo(5, 4);
  s.Frame(fsRaised, 1, 1, 8, 6);
  EXPECT_EQ(s.canvas.Pen.Color, 0x123456u);
  EXPECT_EQ(s.canvas.Pen.Width, 3);
  EXPECT_EQ(s.canvas.Pen.Style, psDash);
  EXPECT_EQ(s.canvas.Pen.Mode, pmXor);
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{5, 4}));
  EXPECT_EQ(s.At(1, 1), kLight);  // drawn solid in copy mode, one pixel wide
  EXPECT_EQ(s.At(1, 0), kBg);
}

TEST(DrawFrame, SystemColoursAreResolved) {
  ResetSystemColors();
  Surface s;
  DrawFrame(s.canvas, fsSingle, 1, 1, 8, 6, 0, 0, 0, 0, clBtnShadow);
  EXPECT_EQ(s.At(1, 1), 0x808080u);
}

TEST(DrawFrame, ExtremeCoordinatesAreSafe) {
  Surface s;
  s.Frame(fsRaised, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  s.Frame(fsLowered, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  ExpectColor(s, kUntouched, kBg, "far away frame");
  s.Frame(fsSingle, -5, 2, INT_MAX, 4);
  EXPECT_EQ(s.At(0, 2), kLine);
  EXPECT_EQ(s.At(9, 4), kLine);
  EXPECT_EQ(s.At(5, 3), kBg);
}

TEST(DrawRectangle, OutlineInThePenWithInclusiveCorners) {
  Surface s;
  s.canvas.Pen.Color = kLine;
  s.canvas.Brush.Color = 0xFF0000;
  DrawRectangle(s.canvas, 2, 2, 6, 5);
  for (Pt p : std::vector<Pt>{{2, 2}, {6, 2}, {2, 5}, {6, 5}, {4, 2}, {6, 3}, {4, 5}, {2, 4}})
    EXPECT_EQ(s.At(p.x, p.y), kLine) << p.x << "," << p.y;
  for (Pt p : std::vector<Pt>{{3, 3}, {5, 4}, {7, 2}, {2, 6}, {1, 1}})
    EXPECT_EQ(s.At(p.x, p.y), kBg) << p.x << "," << p.y;
  EXPECT_EQ(s.canvas.PenPos(), (TPoint{2, 2}));
}

TEST(DrawRectangle, ReversedAndSinglePixelBoxes) {
  Surface s;
  s.canvas.Pen.Color = kLine;
  DrawRectangle(s.canvas, 6, 5, 2, 2);
  EXPECT_EQ(s.At(2, 2), kLine);
  EXPECT_EQ(s.At(6, 5), kLine);
  Surface dot;
  dot.canvas.Pen.Color = kLine;
  DrawRectangle(dot.canvas, 4, 4, 4, 4);
  EXPECT_EQ(dot.At(4, 4), kLine);
  EXPECT_EQ(dot.At(5, 4), kBg);
  EXPECT_EQ(dot.At(4, 5), kBg);
}

TEST(LineColorsOf, FixedAndSystemSchemes) {
  TLineColors fixed = LineColorsOf(csFixed);
  EXPECT_EQ(fixed.Black, 0x000000u);
  EXPECT_EQ(fixed.Gray, 0x808080u);
  EXPECT_EQ(fixed.White, 0xFFFFFFu);
  for (int scheme : {1, 2, 200}) {
    TLineColors sys = LineColorsOf(TColorScheme(scheme));
    EXPECT_EQ(sys.Black, 0x000000u);
    EXPECT_EQ(sys.Gray, 0xFF000010u);
    EXPECT_EQ(sys.White, 0xFF000014u);
  }
}
