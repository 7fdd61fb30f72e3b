// The grid of the thumbnail strip: slide counts, clamps, snapping of the
// scroll position, positions and hit testing at gaps and edges.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "ThumbTestKit.h"
#include "host/KeyCodes.h"

using namespace vyr;
using thumbtest::Strip;

TEST(ThumbnailsModel, InitialValues) {
  TThumbnails s;
  EXPECT_EQ(s.Width(), 260);
  EXPECT_EQ(s.Height(), 400);
  EXPECT_EQ(s.SlideSize(), 120);
  EXPECT_EQ(s.SlideDistance(), 2);
  EXPECT_EQ(s.SlideMargin(), 7);
  EXPECT_EQ(s.Min(), 1);
  EXPECT_EQ(s.Max(), 100);
  EXPECT_EQ(s.SlideSelectMode(), ssmSingle);
  EXPECT_EQ(s.FocusLinewidth(), 1);
  EXPECT_EQ(s.FocusedSlide(), 0);
  EXPECT_EQ(s.ColorBackGnd(), clBtnFace);
  EXPECT_EQ(s.ColorCover(), 0xC0C0C0u);
  EXPECT_EQ(s.ColorSelected(), 0x800000u);
  EXPECT_EQ(s.ColorFocus(), 0xFF0000u);
  EXPECT_EQ(s.ColorMark(), 0u);
  EXPECT_EQ(s.FrameStyle(), fsLowered);
  EXPECT_EQ(s.OuterFrameStyle(), fsRaised);
  EXPECT_EQ(s.InnerFrameStyle(), fsLowered);
  EXPECT_EQ(s.ColorScheme(), csFixed);
  EXPECT_FALSE(s.AntiAlias());
  EXPECT_EQ(s.FirstThumbIdx(), 1.0);
  EXPECT_EQ(s.NumSlidesHoriz(), 2);
  EXPECT_EQ(s.NumSlidesVert(), 0);
}

TEST(ThumbnailsGeometry, ColumnsAndRowsFollowTheSize) {
  Strip narrow(260, 400);
  EXPECT_EQ(narrow.strip.NumSlidesHoriz(), 1);  // (260 + 2 - 20) div 136
  EXPECT_EQ(narrow.strip.NumSlidesVert(), 3);
  Strip wide(300, 400);
  EXPECT_EQ(wide.strip.NumSlidesHoriz(), 2);
  // 408 high: the fourth row would start under the bottom margin.
  Strip tall(300, 408);
  EXPECT_EQ(tall.strip.NumSlidesVert(), 3);
}

TEST(ThumbnailsGeometry, ARowScrolledIntoViewIsCounted) {
  Strip s(300, 400);
  s.strip.SetFirstThumbIdx(2);  // half a row up: the fourth row's top is at 352
  EXPECT_EQ(s.strip.FirstThumbIdx(), 1.5);
  EXPECT_EQ(s.strip.NumSlidesVert(), 4);
}

TEST(ThumbnailsModel, ClampsOfTheSizes) {
  TThumbnails s;
  s.SetSlideSize(30);
  EXPECT_EQ(s.SlideSize(), 50);
  s.resize(40, 400);
  EXPECT_EQ(s.SlideSize(), 40);
  s.resize(300, 400);
  s.SetSlideSize(500);
  EXPECT_EQ(s.SlideSize(), 300);
  s.resize(600, 400);
  EXPECT_EQ(s.SlideSize(), 500);  // the written size comes back
  s.SetSlideDistance(-3);
  EXPECT_EQ(s.SlideDistance(), 0);
  s.SetSlideDistance(101);
  EXPECT_EQ(s.SlideDistance(), 100);
  s.SetSlideMargin(-1);
  EXPECT_EQ(s.SlideMargin(), 0);
  s.SetSlideMargin(1000);
  EXPECT_EQ(s.SlideMargin(), 100);
  s.SetFocusLinewidth(11);
  EXPECT_EQ(s.FocusLinewidth(), 10);
  s.SetFocusLinewidth(-1);
  EXPECT_EQ(s.FocusLinewidth(), 0);
}

TEST(ThumbnailsModel, RangeEndsFollowEachOther) {
  TThumbnails s;
  s.SetMax(0);
  EXPECT_EQ(s.Max(), 1);
  s.SetMin(-5);
  EXPECT_EQ(s.Min(), 1);
  s.SetMin(500);  // a form may write Min before Max
  EXPECT_EQ(s.Max(), 500);
  s.SetMax(1000);
  EXPECT_EQ(s.Min(), 500);
  s.SetMax(20);
  EXPECT_EQ(s.Min(), 20);
  s.SetMin(1);
  s.SetMax(INT_MAX);
  EXPECT_EQ(s.Max(), TThumbnails::kMaxSlides);
  s.SetMin(INT_MAX);
  EXPECT_EQ(s.Max(), INT_MAX);
  s.Paint();
  EXPECT_EQ(s.CalcSlideIndex(20, 20), INT_MAX);
}

TEST(ThumbnailsGeometry, FirstThumbIdxSnapsToItsRow) {
  Strip s(300, 400);
  s.strip.SetFirstThumbIdx(4);
  EXPECT_EQ(s.strip.FirstThumbIdx(), 3.5);
  s.strip.SetFirstThumbIdx(0);
  EXPECT_EQ(s.strip.FirstThumbIdx(), 1.0);
  s.strip.SetFirstThumbIdx(1000);
  EXPECT_EQ(s.strip.FirstThumbIdx(), 99.5);
  s.strip.SetFirstThumbIdx(std::nan(""));
  EXPECT_EQ(s.strip.FirstThumbIdx(), 99.5);
  // A narrower control re-snaps at its next paint: one slide per row.
  s.strip.SetFirstThumbIdx(4);
  s.strip.resize(260, 400);
  s.strip.Paint();
  EXPECT_EQ(s.strip.FirstThumbIdx(), 3.5);
  // Rows start at Min.
  s.strip.resize(300, 400);
  s.strip.SetMin(2);
  s.strip.Paint();
  s.strip.SetFirstThumbIdx(5);
  EXPECT_EQ(s.strip.FirstThumbIdx(), 4.5);
}

TEST(ThumbnailsGeometry, HitTestingAtGapsAndEdges) {
  Strip s(300, 400);
  const TThumbnails& t = s.strip;
  // Slide 1 covers x 10..144, y 12..146; slide 2 starts at x 146.
  EXPECT_EQ(t.CalcSlideIndex(10, 12), 1);
  EXPECT_EQ(t.CalcSlideIndex(144, 146), 1);
  EXPECT_EQ(t.CalcSlideIndex(145, 50), 0);  // the gap between columns
  EXPECT_EQ(t.CalcSlideIndex(146, 50), 2);
  EXPECT_EQ(t.CalcSlideIndex(50, 11), 0);   // the gap above the first row
  EXPECT_EQ(t.CalcSlideIndex(50, 147), 0);  // between rows
  EXPECT_EQ(t.CalcSlideIndex(50, 148), 3);
  EXPECT_EQ(t.CalcSlideIndex(9, 50), 0);    // left margin
  EXPECT_EQ(t.CalcSlideIndex(281, 50), 0);  // right of the last column
  EXPECT_EQ(t.CalcSlideIndex(50, 389), 5);
  EXPECT_EQ(t.CalcSlideIndex(50, 390), 0);  // bottom margin
  EXPECT_EQ(t.CalcSlideIndex(-5, -5), 0);
  s.strip.SetMax(4);
  EXPECT_EQ(t.CalcSlideIndex(50, 300), 0);  // slide 5 lies beyond Max
}

TEST(ThumbnailsGeometry, HitTestingInAScrolledGrid) {
  Strip s(300, 400);
  s.strip.SetFirstThumbIdx(2);  // rows 68 pixels up: row 1 spans y -56..78
  EXPECT_EQ(s.strip.CalcSlideIndex(20, 10), 1);
  EXPECT_EQ(s.strip.CalcSlideIndex(20, 9), 0);
  EXPECT_EQ(s.strip.CalcSlideIndex(20, 78), 1);
  EXPECT_EQ(s.strip.CalcSlideIndex(20, 79), 0);
  EXPECT_EQ(s.strip.CalcSlideIndex(20, 80), 3);
  EXPECT_EQ(s.strip.CalcSlideIndex(150, 360), 8);
}

TEST(ThumbnailsGeometry, SlidePositionsAlsoAboveTheTopRow) {
  Strip s(300, 400);
  int x = 0, y = 0;
  s.strip.CalcSlidePos(4, x, y);
  EXPECT_EQ(x, 146);
  EXPECT_EQ(y, 148);
  s.strip.SetFirstThumbIdx(5);
  s.strip.CalcSlidePos(4, x, y);  // one row above: right column
  EXPECT_EQ(x, 146);
  EXPECT_EQ(y, 12 - 136);
  s.strip.CalcSlidePos(1, x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 12 - 2 * 136);
}

TEST(ThumbnailsGeometry, ZeroSizesAndSpacingsNeverDivideByZero) {
  TThumbnails s;
  s.SetSlideDistance(0);
  s.SetSlideMargin(0);
  for (QSize size : {QSize(0, 0), QSize(0, 400), QSize(1, 1), QSize(5, 30)}) {
    s.resize(size);
    s.Paint();
    EXPECT_GE(s.NumSlidesHoriz(), 1);
    s.SetFirstThumbIdx(50);
    s.ScrollToSlide(90);
    quint16 key = VK_NEXT;
    s.KeyDown(key, 0);
    s.DoMouseWheel(0, -120, {2, 2});
    s.MouseMove(0, 2, 2);
    s.MouseUp(mbLeft, 0, 2, 2);
    int x = 0, y = 0;
    s.CalcSlidePos(100, x, y);
    EXPECT_GE(s.CalcSlideIndex(2, 2), 0);
  }
}
