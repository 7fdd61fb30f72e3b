// Arcs and pies decided run by run must give exactly the pixels of the plain
// rule that tests the angle of every pixel centre. The reference below draws
// with that rule; random cases compare the two pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "host/ArcRowRuns.h"
#include "host/EllipseGeom.h"
#include "host/PixelOps.h"
#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::Surface;

namespace {

struct ArcCase {
  bool pie;
  int w, h;
  int x1, y1, x2, y2, x3, y3, x4, y4;
  int penWidth;
  TPenStyle penStyle;
  TPenMode penMode;
  TBrushStyle brushStyle;

  std::string Describe() const {
    std::ostringstream s;
    s << (pie ? "Pie" : "Arc") << " on " << w << "x" << h << " (" << x1 << ", " << y1 << ", " << x2 << ", " << y2
      << ", " << x3 << ", " << y3 << ", " << x4 << ", " << y4 << ") pen width " << penWidth << " style " << penStyle
      << " mode " << penMode << " brush " << brushStyle;
    return s.str();
  }
};

void Setup(TCanvas& c, const ArcCase& k) {
  c.Pen.Color = TColor(0x00A05020);  // XOR with it shows on white, and twice cancels
  c.Pen.Width = k.penWidth;
  c.Pen.Style = k.penStyle;
  c.Pen.Mode = k.penMode;
  c.Brush.Color = clRed;
  c.Brush.Style = k.brushStyle;
}

// Draws the case by testing the angle of every pixel of every row.
void DrawReference(TCanvas& c, const ArcCase& k) {
  TRect box = TRect{k.x1, k.y1, k.x2, k.y2}.Normalized();
  if (box.IsEmpty()) return;
  shape::EllipseGeom g = shape::EllipseGeom::InBox(box);
  shape::AngleRange range = shape::AngleRange::Between(g, k.x3, k.y3, k.x4, k.y4);
  bool outline = c.Pen.Style != psClear;
  if (!k.pie && !outline) return;
  int width = outline ? std::max(1, c.Pen.Width) : 1;
  std::uint32_t pen = ColorToPixel(ColorToRGB(c.Pen.Color));
  std::uint32_t fill = ColorToPixel(ColorToRGB(c.Brush.Color));
  bool filling = k.pie && c.Brush.Style == bsSolid;
  QImage& image = *c.Image();
  auto plot = [&](long long x, long long y) {
    auto* px = reinterpret_cast<std::uint32_t*>(image.scanLine(int(y))) + x;
    *px = pixelops::ApplyPenMode(c.Pen.Mode, pen, *px);
  };
  for (long long y = std::max(box.Top, 0); y < std::min(box.Bottom, c.Height()); ++y) {
    shape::RowSplit row;
    // A fresh splitter a row, so that nothing is carried from row to row.
    if (!shape::RowSplitter(g, width).Split(y, row)) continue;
    for (long long x = std::max(row.xs, 0LL); x <= std::min<long long>(row.xe, c.Width() - 1); ++x) {
      bool onCurve = x < row.ix0 || x > row.ix1;
      if (!onCurve && !filling) continue;
      if (!range.Contains(g.AngleOfPixel(x, y))) continue;
      if (onCurve && outline)
        plot(x, y);
      else if (filling)
        reinterpret_cast<std::uint32_t*>(image.scanLine(int(y)))[x] = fill;
    }
  }
  if (!k.pie || !outline || range.IsFullTurn()) return;
  int cx = int(std::floor(g.cx)), cy = int(std::floor(g.cy));
  c.Pen.Width = 1;
  for (double angle : {range.start, range.start + range.span}) {
    long long rx, ry;
    shape::RimPixel(g, box, angle, rx, ry);
    std::vector<TPoint> radius{{cx, cy}, {int(rx), int(ry)}};
    c.Polyline(radius);
    if (rx >= 0 && ry >= 0 && rx < c.Width() && ry < c.Height()) plot(rx, ry);
  }
  c.Pen.Width = k.penWidth;
}

// Compares the canvas with the reference; on a difference, names the case
// and the first pixel that differs.
void ExpectSameAsReference(const ArcCase& k) {
  Surface actual(k.w, k.h), expected(k.w, k.h);
  Setup(actual.canvas, k);
  Setup(expected.canvas, k);
  if (k.pie)
    actual.canvas.Pie(k.x1, k.y1, k.x2, k.y2, k.x3, k.y3, k.x4, k.y4);
  else
    actual.canvas.Arc(k.x1, k.y1, k.x2, k.y2, k.x3, k.y3, k.x4, k.y4);
  DrawReference(expected.canvas, k);
  if (actual.image == expected.image) return;
  for (int y = 0; y < k.h; ++y)
    for (int x = 0; x < k.w; ++x)
      if (actual.image.pixel(x, y) != expected.image.pixel(x, y)) {
        ADD_FAILURE() << k.Describe() << ": pixel " << x << "," << y << " is " << std::hex
                      << actual.image.pixel(x, y) << ", expected " << expected.image.pixel(x, y);
        return;
      }
}

class RandomArcs {
 public:
  explicit RandomArcs(unsigned seed) : FRng(seed) {}

  ArcCase Next() {
    ArcCase k{};
    k.pie = Pick(2) == 0;
    k.w = Between(1, 40);
    k.h = Between(1, 40);
    Box(k);
    if (Pick(2)) {
      std::swap(k.x1, k.x2);
      std::swap(k.y1, k.y2);
    }
    RayPoint(k, k.x3, k.y3);
    if (Pick(8) == 0) {
      k.x4 = k.x3;
      k.y4 = k.y3;
    } else {
      RayPoint(k, k.x4, k.y4);
    }
    k.penWidth = Between(1, 5);
    k.penStyle = Pick(4) == 0 ? psClear : psSolid;
    k.penMode = Pick(4) == 0 ? pmXor : pmCopy;
    k.brushStyle = Pick(3) == 0 ? bsClear : bsSolid;
    return k;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRng); }
  int Between(long long lo, long long hi) { return int(std::uniform_int_distribution<long long>(lo, hi)(FRng)); }

  void Place(int& lo, int& hi, int size, int image) {
    lo = Between(-size - 4LL, image + 4LL);
    hi = int(std::min<long long>(INT_MAX, 0LL + lo + size));
  }
  void Box(ArcCase& k) {
    switch (Pick(6)) {
      case 0:  // tiny
        Place(k.x1, k.x2, Between(1, 3), k.w);
        Place(k.y1, k.y2, Between(1, 3), k.h);
        break;
      case 1:  // thin
        Place(k.x1, k.x2, Between(1, 3), k.w);
        Place(k.y1, k.y2, Between(4, 90), k.h);
        if (Pick(2)) {
          std::swap(k.x1, k.y1);
          std::swap(k.x2, k.y2);
        }
        break;
      case 2:  // much larger than the image, around it
        Place(k.x1, k.x2, Between(60, 5000), k.w);
        Place(k.y1, k.y2, Between(60, 5000), k.h);
        k.x1 = Between(-5000, 0);
        k.y1 = Between(-5000, 0);
        break;
      case 3:  // anywhere in the int range
        k.x1 = Between(INT_MIN, INT_MAX);
        k.x2 = Between(INT_MIN, INT_MAX);
        k.y1 = Between(INT_MIN, INT_MAX);
        k.y2 = Between(INT_MIN, INT_MAX);
        break;
      case 4:  // the whole int range, or half of it
        k.x1 = Pick(2) ? INT_MIN : Between(-40, 40);
        k.y1 = Pick(2) ? INT_MIN : Between(-40, 40);
        k.x2 = INT_MAX;
        k.y2 = Pick(2) ? INT_MAX : Between(-40, 40);
        break;
      default:  // about the image's size, odd or even
        Place(k.x1, k.x2, Between(1, 60), k.w);
        Place(k.y1, k.y2, Between(1, 60), k.h);
        break;
    }
  }
  void RayPoint(const ArcCase& k, int& x, int& y) {
    TRect box = TRect{k.x1, k.y1, k.x2, k.y2}.Normalized();
    int mx = int((0LL + box.Left + box.Right) / 2), my = int((0LL + box.Top + box.Bottom) / 2);
    switch (Pick(6)) {
      case 0:  // the centre pixel
        x = mx;
        y = my;
        break;
      case 1:  // on the centre row
        x = Between(-50, 90);
        y = my;
        break;
      case 2:  // on the centre column
        x = mx;
        y = Between(-50, 90);
        break;
      case 3:  // anywhere
        x = Between(INT_MIN, INT_MAX);
        y = Between(INT_MIN, INT_MAX);
        break;
      default:  // in or near the image
        x = Between(-10, k.w + 10);
        y = Between(-10, k.h + 10);
        break;
    }
  }

  std::mt19937 FRng;
};

}  // namespace

TEST(CanvasArcRuns, RandomArcsAndPiesMatchThePerPixelRule) {
  RandomArcs cases(20261207u);
  for (int i = 0; i < 4000; ++i) {
    ArcCase k = cases.Next();
    ExpectSameAsReference(k);
    if (HasFailure()) break;
  }
}

TEST(CanvasArcRuns, RaysThroughTheCentreRowAndColumnOfOddAndEvenBoxes) {
  // Rays along the axes through pixel centres on the centre row and column.
  for (int side : {5, 6, 7, 8, 21})
    for (int s = 0; s < 4; ++s)
      for (int e = 0; e < 4; ++e)
        for (bool pie : {true, false}) {
          const int c = side / 2, far = side - 1;
          const int px[4] = {far, c, 0, c}, py[4] = {c, 0, c, far};
          ExpectSameAsReference({pie, side, side, 0, 0, side, side, px[s], py[s], px[e], py[e], 1, psSolid, pmXor, bsSolid});
        }
}

TEST(CanvasArcRuns, RowRunsMatchThePerPixelRuleNearRaysOfHugeEllipses) {
  // Boxes up to the whole int range: one pixel then turns the angle by less
  // than 1e-9. Segments are taken where the boundary rays cross the row.
  std::mt19937 rng(7u);
  auto any = [&](long long lo, long long hi) { return std::uniform_int_distribution<long long>(lo, hi)(rng); };
  std::vector<shape::PixelRun> runs, expected;
  for (int i = 0; i < 300; ++i) {
    TRect box = TRect{int(any(INT_MIN, -1)), int(any(INT_MIN, -1)), int(any(0, INT_MAX)), int(any(0, INT_MAX))};
    shape::EllipseGeom g = shape::EllipseGeom::InBox(box);
    shape::AngleRange range = shape::AngleRange::Between(g, int(any(INT_MIN, INT_MAX)), int(any(INT_MIN, INT_MAX)),
                                                         int(any(INT_MIN, INT_MAX)), int(any(INT_MIN, INT_MAX)));
    shape::ArcRowRuns rows(g, range);
    for (int r = 0; r < 20; ++r) {
      // The first rows lie around the centre row.
      long long y = r < 4 ? std::llround(std::floor(g.cy)) + r - 2 : any(box.Top, box.Bottom - 1LL);
      double v = -(double(y) + 0.5 - g.cy) / g.b;
      double ray = r % 2 ? range.start : range.start + range.span;
      double at = g.cx - 0.5 + g.a * v / std::tan(ray);
      long long cross = std::isnan(at) ? 0 : std::llround(std::clamp(at, -4e9, 4e9));
      long long x0 = cross - any(0, 300), x1 = cross + any(0, 300);
      runs.clear();
      expected.clear();
      rows.Collect(y, x0, x1, runs);
      for (long long x = x0; x <= x1; ++x)
        if (rows.Contains(x, y)) {
          if (!expected.empty() && expected.back().x1 + 1 == x)
            expected.back().x1 = x;
          else
            expected.push_back({x, x});
        }
      ASSERT_EQ(runs.size(), expected.size()) << "box " << box.Left << "," << box.Top << "," << box.Right << ","
                                              << box.Bottom << " row " << y << " x " << x0 << ".." << x1;
      for (size_t j = 0; j < runs.size(); ++j) {
        EXPECT_EQ(runs[j].x0, expected[j].x0) << "row " << y << " run " << j;
        EXPECT_EQ(runs[j].x1, expected[j].x1) << "row " << y << " run " << j;
      }
    }
  }
}

TEST(CanvasArcRuns, FullTurnPieIsTheFilledEllipse) {
  for (int width = 1; width <= 4; ++width) {
    Surface pie(30, 24), ellipse(30, 24);
    for (TCanvas* c : {&pie.canvas, &ellipse.canvas}) {
      c->Brush.Color = clRed;
      c->Pen.Width = width;
    }
    pie.canvas.Pie(2, 1, 29, 22, 7, 3, 7, 3);
    ellipse.canvas.Ellipse(2, 1, 29, 22);
    EXPECT_EQ(pie.image, ellipse.image) << "pen width " << width;
  }
}
