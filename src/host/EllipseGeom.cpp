#include "host/EllipseGeom.h"

#include <algorithm>

namespace vyr::shape {

EllipseGeom EllipseGeom::InBox(const TRect& box) {
  return {(double(box.Left) + box.Right) / 2, (double(box.Top) + box.Bottom) / 2, (double(box.Right) - box.Left) / 2,
          (double(box.Bottom) - box.Top) / 2};
}

bool EllipseGeom::Span(long long y, long long& xs, long long& xe) const {
  if (a <= 0 || b <= 0) return false;
  double dy = (double(y) + 0.5 - cy) / b;
  if (std::abs(dy) > 1 + kEps) return false;
  double hw = a * std::sqrt(std::max(0.0, 1 - dy * dy));
  xs = CeilToInt(cx - hw - 0.5 - kEps);
  xe = FloorToInt(cx + hw - 0.5 + kEps);
  return xs <= xe;
}

RowSplitter::RowSpan RowSplitter::SpanOf(long long y) const {
  RowSpan s;
  s.hit = FGeom.Span(y, s.xs, s.xe);
  return s;
}

bool RowSplitter::Split(long long y, RowSplit& out) {
  if (FWidth > 1) {
    FAt = SpanOf(y);
  } else if (y == FRow + 1) {
    FAbove = FAt;
    FAt = FBelow;
    FBelow = SpanOf(y + 1);
  } else if (y != FRow) {
    FAbove = SpanOf(y - 1);
    FAt = SpanOf(y);
    FBelow = SpanOf(y + 1);
  }
  FRow = y;
  if (!FAt.hit) return false;
  out.xs = FAt.xs;
  out.xe = FAt.xe;
  if (FWidth <= 1) {
    if (!FAbove.hit || !FBelow.hit) {
      out.ix0 = out.xe + 1;
      out.ix1 = out.xe;
    } else {
      out.ix0 = std::max({out.xs + 1, FAbove.xs, FBelow.xs});
      out.ix1 = std::min({out.xe - 1, FAbove.xe, FBelow.xe});
    }
    return true;
  }
  EllipseGeom inner{FGeom.cx, FGeom.cy, FGeom.a - FWidth, FGeom.b - FWidth};
  long long is, ie;
  if (inner.Span(y, is, ie)) {
    out.ix0 = std::max(is, out.xs);
    out.ix1 = std::min(ie, out.xe);
  } else {
    out.ix0 = out.xe + 1;
    out.ix1 = out.xe;
  }
  return true;
}

AngleRange AngleRange::Between(const EllipseGeom& g, int x3, int y3, int x4, int y4) {
  double start = g.AngleOfPixel(x3, y3), end = g.AngleOfPixel(x4, y4);
  double span = std::fmod(end - start + 2 * kTwoPi, kTwoPi);
  if (span < kEps) span = kTwoPi;
  return {start, span};
}

void AngleRange::RowBounds(const EllipseGeom& g, long long& first, long long& last) const {
  // Highest and lowest sine over the range, and 0 for pixels near the centre.
  double hi = std::max({0.0, std::sin(start), std::sin(start + span)});
  double lo = std::min({0.0, std::sin(start), std::sin(start + span)});
  if (Contains(std::numbers::pi / 2)) hi = 1;
  if (Contains(-std::numbers::pi / 2)) lo = -1;
  if (IsFullTurn()) {
    hi = 1;
    lo = -1;
  }
  first = FloorToInt(g.cy - g.b * hi - 0.5) - 2;
  last = CeilToInt(g.cy - g.b * lo - 0.5) + 2;
}

void RimPixel(const EllipseGeom& g, const TRect& box, double angle, long long& px, long long& py) {
  px = std::clamp<long long>(std::llround(std::floor(g.cx + g.a * std::cos(angle))), box.Left, box.Right - 1LL);
  py = std::clamp<long long>(std::llround(std::floor(g.cy - g.b * std::sin(angle))), box.Top, box.Bottom - 1LL);
}

}  // namespace vyr::shape
