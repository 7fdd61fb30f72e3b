// What the thumbnail strip asks for and draws: only the visible slides,
// the number box, backgrounds, images scaled with their aspect, marks
// inside the slide, the focus frame, and handlers that swap the image
// buffer or throw.
#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>
#include <utility>

#include "ThumbTestKit.h"
#include "foundation/Marks.h"
#include "host/Application.h"
#include "support/PixelTools.h"

using namespace vyr;
using thumbtest::FillImage;
using thumbtest::Recorder;
using thumbtest::Strip;

namespace {

// Whether any pixel row of the slide's square lies between the margins
// (the grid starts with the top row).
bool ShowsBetweenMargins(const TThumbnails& t, int slide) {
  int x = 0, y = 0;
  t.CalcSlidePos(slide, x, y);
  return slide >= int(t.FirstThumbIdx()) && y < t.Height() - TThumbnails::kMargin && y + 2 * t.SlideMargin() + t.SlideSize() >= TThumbnails::kMargin;
}

// Requests answered with an image from fill, put into the control's buffer.
TImageRequestEvent ImageFrom(std::function<void(TBitmap&)> fill) {
  return [fill](TObject*, int, TImageRequestProcessing& how, int&, TBitmap*& buffer) {
    how = irpShowSlide;
    fill(*buffer);
  };
}

}  // namespace

TEST(ThumbnailsRequests, OnlyTheVisibleSlidesColumnByColumn) {
  Strip s(300, 400);
  std::vector<int> ids;
  s.strip.OnImageRequest = Recorder(ids);
  s.strip.Paint();
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 5, 2, 4, 6}));
  ids.clear();
  s.strip.SetFirstThumbIdx(2);  // half a row up: a fourth row shows
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 5, 7, 2, 4, 6, 8}));
  ids.clear();
  s.strip.SetMax(5);
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 5, 2, 4}));
}

TEST(ThumbnailsRequests, EverySlideShownIsAskedForOnceAndNoOther) {
  Strip s(300, 600);
  s.strip.SetMax(1000);
  std::vector<int> ids;
  s.strip.OnImageRequest = Recorder(ids);
  for (double first : {1.0, 7.25, 40.9, 300.5, 999.0}) {
    s.strip.SetFirstThumbIdx(first);
    ids.clear();
    s.strip.Paint();
    const QSet<int> asked(ids.begin(), ids.end());
    EXPECT_EQ(asked.size(), qsizetype(ids.size())) << "a slide asked for twice at " << first;
    for (int slide = 1; slide <= 1000; ++slide)
      EXPECT_EQ(asked.contains(slide), ShowsBetweenMargins(s.strip, slide)) << "slide " << slide << " at " << first;
  }
}

TEST(ThumbnailsRequests, FirstAndLastEventsFrameTheRequests) {
  Strip s(260, 400);
  std::string order;
  s.strip.OnFirstImageRequest = [&](TObject*) { order += "F"; };
  s.strip.OnImageRequest = [&](TObject*, int id, TImageRequestProcessing&, int&, TBitmap*&) {
    order += std::to_string(id);
  };
  s.strip.OnSlideRendered = [&](TObject*, TCanvas&, int x, int y, int id) {
    int ex = 0, ey = 0;
    s.strip.CalcSlidePos(id, ex, ey);
    EXPECT_EQ(x, ex);
    EXPECT_EQ(y, ey);
    order += "r";
  };
  s.strip.OnLastImageRequest = [&](TObject*) { order += "L"; };
  s.strip.Paint();
  EXPECT_EQ(order, "F1r2r3rL");
}

TEST(ThumbnailsPaint, AnEmptySlideShowsItsNumberInAWhiteBox) {
  Strip s;
  s.strip.SetMax(1);
  TCanvas& c = s.strip.Canvas();
  // Slide 1 at (10, 12); the box spans (17, 39) .. (137, 119).
  EXPECT_EQ(c.Pixels(13, 15), clSilver);
  EXPECT_EQ(c.Pixels(17, 50), clBlack);  // the box's outline
  EXPECT_EQ(c.Pixels(20, 42), clWhite);
  TRect digit{136, 118, 18, 40};
  for (int y = 40; y < 118; ++y)
    for (int x = 18; x < 136; ++x)
      if (c.Pixels(x, y) == clBlack)
        digit = {std::min(digit.Left, x), std::min(digit.Top, y), std::max(digit.Right, x + 1),
                 std::max(digit.Bottom, y + 1)};
  ASSERT_FALSE(digit.IsEmpty());
  EXPECT_NEAR((digit.Left + digit.Right) / 2.0, 77, 2);
  EXPECT_NEAR((digit.Top + digit.Bottom) / 2.0, 79, 4);
}

TEST(ThumbnailsPaint, ProcessingChoicesAndSelection) {
  Strip s;
  std::vector<int> ids;
  s.strip.OnImageRequest = Recorder(ids, irpShowNothing);
  s.strip.Paint();
  TCanvas& c = s.strip.Canvas();
  EXPECT_EQ(c.Pixels(70, 70), ColorToRGB(clBtnFace));
  EXPECT_EQ(c.Pixels(10, 12), ColorToRGB(clBtnFace));
  s.strip.OnImageRequest = Recorder(ids, irpShowFrameOnly);
  s.strip.Paint();
  EXPECT_EQ(c.Pixels(70, 70), clSilver);
  EXPECT_EQ(c.Pixels(11, 13), clWhite);  // the slide's raised frame
  s.strip.SetSlideSelected(1, true);
  EXPECT_EQ(c.Pixels(70, 70), 0x800000u);
  EXPECT_EQ(c.Pixels(70, 200), clSilver);
}

namespace {

// Slide 1 alone showing a w x h image of a red left and a blue right half
// without an inner frame: the bounds of the red and the blue pixels.
std::pair<TRect, TRect> ImageHalves(int w, int h) {
  Strip s;
  s.strip.SetMax(1);
  s.strip.SetInnerFrameStyle(fsNone);
  s.strip.OnImageRequest = ImageFrom([w, h](TBitmap& b) { FillImage(b, w, h, clRed, clBlue); });
  s.strip.Paint();
  return {vyrtest::BoundsOf(s.strip.Canvas(), clRed), vyrtest::BoundsOf(s.strip.Canvas(), clBlue)};
}

}  // namespace

TEST(ThumbnailsPaint, ImagesKeepTheirAspectCentred) {
  // The picture area is (17, 19) .. (137, 139); a portrait image 100 x 200
  // is drawn 60 pixels wide, a landscape one 60 pixels high.
  EXPECT_EQ(ImageHalves(100, 200), std::pair(TRect{47, 19, 77, 139}, TRect{77, 19, 107, 139}));
  EXPECT_EQ(ImageHalves(200, 100), std::pair(TRect{17, 49, 77, 109}, TRect{77, 49, 137, 109}));
  EXPECT_EQ(ImageHalves(50, 50), std::pair(TRect{17, 19, 77, 139}, TRect{77, 19, 137, 139}));
}

TEST(ThumbnailsPaint, TheInnerFrameLiesOnTheImageEdge) {
  Strip s;
  s.strip.SetMax(1);
  s.strip.SetInnerFrameStyle(fsSingle);
  s.strip.OnImageRequest = ImageFrom([](TBitmap& b) { FillImage(b, 100, 200, clRed, clRed); });
  s.strip.Paint();
  TCanvas& c = s.strip.Canvas();
  EXPECT_EQ(c.Pixels(47, 19), clBlack);
  EXPECT_EQ(c.Pixels(106, 138), clBlack);
  EXPECT_EQ(c.Pixels(46, 60), clSilver);
  EXPECT_EQ(c.Pixels(48, 20), clRed);
}

TEST(ThumbnailsPaint, AntiAliasScalesSmoothly) {
  auto colours = [](bool smooth) {
    Strip s;
    s.strip.SetMax(1);
    s.strip.SetInnerFrameStyle(fsNone);
    s.strip.SetAntiAlias(smooth);
    s.strip.OnImageRequest = ImageFrom([](TBitmap& b) {
      b.SetSize(2, 2);
      b.Canvas().SetPixels(0, 0, clBlack);
      b.Canvas().SetPixels(1, 1, clBlack);
    });
    s.strip.Paint();
    QSet<TColor> seen;
    for (int y = 19; y < 139; ++y)
      for (int x = 17; x < 137; ++x) seen.insert(s.strip.Canvas().Pixels(x, y));
    return seen.size();
  };
  EXPECT_EQ(colours(false), 2);
  EXPECT_GT(colours(true), 10);
}

TEST(ThumbnailsPaint, EveryMarkLiesWhollyInsideItsSlide) {
  for (int mark = 0; mark < 52; ++mark) {
    Strip s;
    s.strip.SetMax(1);
    s.strip.SetColorMark(clRed);
    std::vector<int> ids;
    s.strip.OnImageRequest = Recorder(ids, irpShowNothing, mark);
    s.strip.Paint();
    const TRect drawn = vyrtest::BoundsOf(s.strip.Canvas(), clRed);
    EXPECT_FALSE(drawn.IsEmpty()) << "mark " << mark;
    // Slide 1's square is (10, 12) .. (144, 146); the mark box starts at (20, 24).
    EXPECT_EQ(drawn.Intersected({20, 24, 20 + kMarkBoxSize, 24 + kMarkBoxSize}), drawn) << "mark " << mark;
  }
}

TEST(ThumbnailsPaint, MarkNumbersOutsideTheSetDrawNothing) {
  for (int mark : {52, -2, 1000, INT_MIN}) {
    Strip s;
    s.strip.SetColorMark(clRed);
    std::vector<int> ids;
    s.strip.OnImageRequest = Recorder(ids, irpShowEmpty, mark);
    s.strip.Paint();
    EXPECT_EQ(vyrtest::CountColor(s.strip.Canvas(), clRed), 0) << "mark " << mark;
  }
}

TEST(ThumbnailsPaint, AHandlerMayHandOverItsOwnBitmap) {
  Strip s;
  s.strip.SetInnerFrameStyle(fsNone);
  TBitmap mine;
  FillImage(mine, 100, 200, clRed, clRed);
  std::vector<TBitmap*> handed;
  s.strip.OnImageRequest = [&](TObject*, int id, TImageRequestProcessing& how, int&, TBitmap*& buffer) {
    handed.push_back(buffer);
    how = irpShowSlide;
    if (id == 1) buffer = &mine;
    if (id == 2) buffer = nullptr;
    if (id == 3) FillImage(*buffer, 10, 10, clBlue, clBlue);
  };
  s.strip.Paint();
  s.strip.Paint();
  ASSERT_EQ(handed.size(), 6u);
  for (TBitmap* b : handed) {
    EXPECT_EQ(b, handed[0]);  // always the control's own buffer
    EXPECT_NE(b, &mine);
  }
  EXPECT_EQ(mine.Width(), 100);  // still the application's, whole
  EXPECT_EQ(mine.Canvas().Pixels(5, 5), clRed);
  EXPECT_EQ(vyrtest::BoundsOf(s.strip.Canvas(), clRed), (TRect{47, 19, 107, 139}));
  EXPECT_EQ(s.strip.Canvas().Pixels(70, 200), clSilver);  // slide 2: no image
  EXPECT_EQ(s.strip.Canvas().Pixels(70, 330), clBlue);
}

TEST(ThumbnailsPaint, AThrowingHandlerLeavesTheControlAbleToPaint) {
  Strip s;
  bool fail = true;
  std::vector<int> ids;
  s.strip.OnImageRequest = [&](TObject*, int id, TImageRequestProcessing&, int&, TBitmap*&) {
    if (fail && id == 2) throw std::runtime_error("no picture");
    ids.push_back(id);
  };
  EXPECT_THROW(s.strip.Paint(), std::runtime_error);
  // Through the window system the exception reaches the application.
  std::string caught;
  Application().SetOnException([&](const std::exception& e) { caught = e.what(); });
  s.strip.Invalidate();
  s.strip.grab();
  EXPECT_EQ(caught, "no picture");
  fail = false;
  ids.clear();
  const int before = s.strip.PaintCount();
  s.strip.Invalidate();
  s.strip.grab();
  Application().SetOnException({});
  EXPECT_EQ(s.strip.PaintCount(), before + 1);
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(s.strip.Canvas().Pixels(20, 200), clWhite);  // slide 2's number box
}

TEST(ThumbnailsFocusFrame, FollowsThePointerAndRestoresThePicture) {
  Strip s;
  TCanvas& c = s.strip.Canvas();
  int changes = 0;
  s.strip.OnFocusChange = [&](TObject*) { ++changes; };
  const TColor before = c.Pixels(12, 14);
  s.strip.MouseMove(0, 50, 50);
  EXPECT_EQ(s.strip.FocusedSlide(), 1);
  EXPECT_EQ(c.Pixels(12, 14), clBlue);
  EXPECT_EQ(c.Pixels(142, 144), clBlue);
  EXPECT_EQ(c.Pixels(13, 15), clSilver);
  s.strip.MouseMove(0, 60, 60);
  EXPECT_EQ(changes, 1);
  s.strip.Paint();  // kept across repaints
  EXPECT_EQ(c.Pixels(12, 14), clBlue);
  s.strip.MouseMove(0, 50, 147);  // the gap between rows
  EXPECT_EQ(s.strip.FocusedSlide(), 0);
  EXPECT_EQ(c.Pixels(12, 14), before);
  EXPECT_EQ(changes, 2);
}

TEST(ThumbnailsFocusFrame, WideFramesStayOutOfTheMargins) {
  Strip s;
  s.strip.SetFocusLinewidth(3);
  s.strip.SetFirstThumbIdx(1.5);  // slide 1 spans y -56 .. 78
  TCanvas& c = s.strip.Canvas();
  const QStringList margin = vyrtest::Ascii(c, 0, 0, 260, 10, ColorToRGB(clBtnFace));
  s.strip.MouseMove(0, 50, 20);
  EXPECT_EQ(s.strip.FocusedSlide(), 1);
  EXPECT_EQ(c.Pixels(14, 20), clBlue);
  EXPECT_EQ(c.Pixels(15, 20), clSilver);
  EXPECT_EQ(vyrtest::Ascii(c, 0, 0, 260, 10, ColorToRGB(clBtnFace)), margin);
  s.strip.SetFocusLinewidth(0);
  s.strip.MouseMove(0, 50, 200);
  EXPECT_EQ(s.strip.FocusedSlide(), 1);  // switched off: no longer follows
  EXPECT_EQ(c.Pixels(12, 20), clSilver);
}

namespace {

// Whether any pixel of rows 2 and 3 from the top or the bottom is in colour.
bool MarginRowsHold(TCanvas& c, int w, int h, TColor colour) {
  for (int y : {2, 3, h - 4, h - 3})
    for (int x = 0; x < w; ++x)
      if (c.Pixels(x, y) == colour) return true;
  return false;
}

}  // namespace

TEST(ThumbnailsFocusFrame, ASlideOutOfViewLeavesNoFrameInTheMargins) {
  Strip s;
  TCanvas& c = s.strip.Canvas();
  s.strip.SetFocusLinewidth(2);
  s.strip.MouseMove(0, 50, 50);
  ASSERT_EQ(s.strip.FocusedSlide(), 1);
  s.strip.SetFirstThumbIdx(9);  // slide 1 lies wholly above the top
  EXPECT_FALSE(MarginRowsHold(c, 260, 400, clBlue));
  s.strip.SetFirstThumbIdx(1);
  s.strip.MouseMove(0, 50, 330);
  ASSERT_EQ(s.strip.FocusedSlide(), 3);
  s.strip.resize(260, 200);  // slide 3 now lies wholly below the bottom
  s.strip.Paint();
  EXPECT_FALSE(MarginRowsHold(c, 260, 200, clBlue));
}
