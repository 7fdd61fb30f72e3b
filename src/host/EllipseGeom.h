#pragma once
// The pixel geometry shared by the canvas's ellipses, arcs and pies: which
// pixels of a row the ellipse covers, which of those form its outline, and
// the angle under which a point is seen from the centre.
#include <climits>
#include <cmath>
#include <numbers>

#include "host/Types.h"

namespace vyr::shape {

// Floor and ceiling of a double known to lie well inside the long long range.
inline long long FloorToInt(double v) {
  long long i = static_cast<long long>(v);
  return double(i) > v ? i - 1 : i;
}
inline long long CeilToInt(double v) {
  long long i = static_cast<long long>(v);
  return double(i) < v ? i + 1 : i;
}

// Tolerance of the span and angle comparisons, so that pixel centres exactly
// on the curve or on a ray count as inside.
constexpr double kEps = 1e-9;
constexpr double kTwoPi = 2 * std::numbers::pi;

// The ellipse inscribed in the half-open box: a pixel belongs to it when its
// centre lies inside or on the curve.
struct EllipseGeom {
  double cx, cy, a, b;

  static EllipseGeom InBox(const TRect& box);
  // The inclusive span of row y; false when the row misses the ellipse.
  bool Span(long long y, long long& xs, long long& xe) const;
  // Parametric angle of a point, counter-clockwise from +x with y up.
  double AngleOf(double x, double y) const { return std::atan2(-(y - cy) / b, (x - cx) / a); }
  // Angle of the centre of pixel (x, y).
  double AngleOfPixel(long long x, long long y) const { return AngleOf(double(x) + 0.5, double(y) + 0.5); }
};

// The span of row y split into outline pixels (the rest of [xs, xe]) and the
// interior [ix0, ix1], for an outline of the given width. When ix0 > ix1 the
// whole span is outline.
struct RowSplit {
  long long xs, xe, ix0, ix1;
};

// Splits the rows of one ellipse for one outline width. With a one-pixel
// outline a row depends on the spans of its neighbours too; walking down the
// rows one by one reuses them, so that each row costs one span.
class RowSplitter {
 public:
  RowSplitter(const EllipseGeom& g, int width) : FGeom(g), FWidth(width) {}
  // False when row y misses the ellipse.
  bool Split(long long y, RowSplit& out);

 private:
  struct RowSpan {
    bool hit = false;
    long long xs = 0, xe = 0;
  };
  RowSpan SpanOf(long long y) const;

  EllipseGeom FGeom;
  int FWidth;
  // The spans of rows FRow - 1, FRow and FRow + 1.
  long long FRow = LLONG_MIN;
  RowSpan FAbove, FAt, FBelow;
};

// Counter-clockwise angular range from start over span radians.
struct AngleRange {
  double start, span;

  // From the ray through pixel (x3, y3) to the ray through pixel (x4, y4);
  // rays through the same angle give the whole turn.
  static AngleRange Between(const EllipseGeom& g, int x3, int y3, int x4, int y4);
  bool Contains(double angle) const {
    double d = std::fmod(angle - start + 2 * kTwoPi, kTwoPi);
    return d <= span + kEps;
  }
  bool IsFullTurn() const { return span >= kTwoPi; }
  // The rows of g that can hold pixels whose centres lie in the range: a
  // pixel seen under angle t from the centre lies at height rho * sin(t)
  // above it, 0 <= rho <= 1 inside the ellipse. Rows outside [first, last]
  // cannot, so an arc or pie need not visit them. Bounds are widened by two
  // rows against the tolerance of the angle test.
  void RowBounds(const EllipseGeom& g, long long& first, long long& last) const;
};

// The pixel where the ray at the given angle leaves the ellipse, kept inside
// the box.
void RimPixel(const EllipseGeom& g, const TRect& box, double angle, long long& px, long long& py);

}  // namespace vyr::shape
