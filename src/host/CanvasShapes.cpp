// Ellipses, arcs, pies and polygons of TCanvas, rasterised row by row so that
// only rows and columns inside the image cost anything.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "host/Canvas.h"
#include "host/PixelOps.h"

namespace vyr {
namespace {

constexpr double kEps = 1e-9;
constexpr double kTwoPi = 2 * std::numbers::pi;

// The ellipse inscribed in the half-open box: a pixel belongs to it when its
// centre lies inside or on the curve.
struct EllipseGeom {
  double cx, cy, a, b;

  static EllipseGeom InBox(const TRect& box) {
    return {(double(box.Left) + box.Right) / 2, (double(box.Top) + box.Bottom) / 2, (double(box.Right) - box.Left) / 2,
            (double(box.Bottom) - box.Top) / 2};
  }
  // The inclusive span of row y; false when the row misses the ellipse.
  bool Span(long long y, long long& xs, long long& xe) const {
    if (a <= 0 || b <= 0) return false;
    double dy = (double(y) + 0.5 - cy) / b;
    if (std::abs(dy) > 1 + kEps) return false;
    double hw = a * std::sqrt(std::max(0.0, 1 - dy * dy));
    xs = static_cast<long long>(std::ceil(cx - hw - 0.5 - kEps));
    xe = static_cast<long long>(std::floor(cx + hw - 0.5 + kEps));
    return xs <= xe;
  }
  // Parametric angle of a point, counter-clockwise from +x with y up.
  double AngleOf(double x, double y) const { return std::atan2(-(y - cy) / b, (x - cx) / a); }
};

// The span of row y split into outline pixels (the rest of [xs, xe]) and the
// interior [ix0, ix1], for an outline of the given width.
struct RowSplit {
  long long xs, xe, ix0, ix1;
};

bool SplitRow(const EllipseGeom& g, long long y, int width, RowSplit& out) {
  if (!g.Span(y, out.xs, out.xe)) return false;
  if (width <= 1) {
    long long ps = 0, pe = 0, ns = 0, ne = 0;
    bool prev = g.Span(y - 1, ps, pe), next = g.Span(y + 1, ns, ne);
    if (!prev || !next) {
      out.ix0 = out.xe + 1;
      out.ix1 = out.xe;
    } else {
      out.ix0 = std::max({out.xs + 1, ps, ns});
      out.ix1 = std::min({out.xe - 1, pe, ne});
    }
    return true;
  }
  EllipseGeom inner{g.cx, g.cy, g.a - width, g.b - width};
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

// Counter-clockwise angular range from start to end; equal angles mean the
// whole turn.
struct AngleRange {
  double start, span;
  bool Contains(double angle) const {
    double d = std::fmod(angle - start + 2 * kTwoPi, kTwoPi);
    return d <= span + kEps;
  }
};

}  // namespace

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  if (!Drawable()) return;
  TRect box = TRect{left, top, right, bottom}.Normalized();
  if (box.IsEmpty()) return;
  Changed();
  EllipseGeom g = EllipseGeom::InBox(box);
  bool outline = Pen.Style != psClear;
  int width = outline ? std::max(1, Pen.Width) : 0;
  std::uint32_t pen = ColorToPixel(ColorToRGB(Pen.Color));
  std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
  long long y0 = std::max<long long>(box.Top, 0), y1 = std::min<long long>(box.Bottom, Height());
  for (long long y = y0; y < y1; ++y) {
    RowSplit row;
    if (!SplitRow(g, y, width, row)) continue;
    if (!outline) {
      if (Brush.Style == bsSolid) FillSpan(y, row.xs, row.xe + 1, fill);
      continue;
    }
    if (Brush.Style == bsSolid && row.ix0 <= row.ix1) FillSpan(y, row.ix0, row.ix1 + 1, fill);
    long long xa = std::max(row.xs, 0LL), xb = std::min<long long>(row.xe, Width() - 1);
    for (long long x = xa; x <= xb; ++x) {
      if (x >= row.ix0 && x <= row.ix1) {
        x = row.ix1;
        continue;
      }
      PlotPen(int(x), int(y), pen);
    }
  }
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  DrawArcLike(ArcKind::Arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  DrawArcLike(ArcKind::Pie, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::DrawArcLike(ArcKind kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!Drawable()) return;
  TRect box = TRect{x1, y1, x2, y2}.Normalized();
  if (box.IsEmpty()) return;
  EllipseGeom g = EllipseGeom::InBox(box);
  // Points name pixels; their rays run through the pixel centres.
  double start = g.AngleOf(x3 + 0.5, y3 + 0.5), end = g.AngleOf(x4 + 0.5, y4 + 0.5);
  double span = std::fmod(end - start + 2 * kTwoPi, kTwoPi);
  if (span < kEps) span = kTwoPi;
  AngleRange range{start, span};
  bool outline = Pen.Style != psClear;
  if (kind == ArcKind::Arc && !outline) return;
  Changed();
  int width = outline ? std::max(1, Pen.Width) : 1;
  std::uint32_t pen = ColorToPixel(ColorToRGB(Pen.Color));
  std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
  bool filling = kind == ArcKind::Pie && Brush.Style == bsSolid;
  long long y0 = std::max<long long>(box.Top, 0), y1r = std::min<long long>(box.Bottom, Height());
  for (long long y = y0; y < y1r; ++y) {
    RowSplit row;
    if (!SplitRow(g, y, width, row)) continue;
    long long xa = std::max(row.xs, 0LL), xb = std::min<long long>(row.xe, Width() - 1);
    for (long long x = xa; x <= xb; ++x) {
      bool onCurve = x < row.ix0 || x > row.ix1;
      if (!onCurve && !filling) {
        x = std::min(row.ix1, xb);
        continue;
      }
      if (!range.Contains(g.AngleOf(double(x) + 0.5, double(y) + 0.5))) continue;
      if (onCurve && outline)
        PlotPen(int(x), int(y), pen);
      else if (filling)
        Row(y)[x] = fill;
    }
  }
  if (kind == ArcKind::Pie && outline && span < kTwoPi) {
    // The two radii, from the centre to where the rays meet the curve.
    auto rim = [&](double angle, long long& px, long long& py) {
      px = std::clamp<long long>(std::llround(std::floor(g.cx + g.a * std::cos(angle))), box.Left, box.Right - 1LL);
      py = std::clamp<long long>(std::llround(std::floor(g.cy - g.b * std::sin(angle))), box.Top, box.Bottom - 1LL);
    };
    long long cx = std::llround(std::floor(g.cx)), cy = std::llround(std::floor(g.cy));
    long long sx, sy, ex, ey;
    rim(start, sx, sy);
    rim(start + span, ex, ey);
    FDashStep = 0;
    StrokeLine(cx, cy, sx, sy, true);
    StrokeLine(cx, cy, ex, ey, true);
  }
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (!Drawable() || points.size() < 2) return;
  Changed();
  if (Brush.Style == bsSolid && points.size() >= 3) {
    std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
    long long minY = points[0].Y, maxY = points[0].Y;
    for (const TPoint& p : points) {
      minY = std::min<long long>(minY, p.Y);
      maxY = std::max<long long>(maxY, p.Y);
    }
    long long y0 = std::max(minY, 0LL), y1 = std::min<long long>(maxY, Height() - 1);
    std::vector<double> crossings;
    for (long long y = y0; y <= y1; ++y) {
      double yc = double(y) + 0.5;
      crossings.clear();
      for (size_t i = 0; i < points.size(); ++i) {
        const TPoint& p = points[i];
        const TPoint& q = points[(i + 1) % points.size()];
        double py = p.Y, qy = q.Y;
        if ((py <= yc && yc < qy) || (qy <= yc && yc < py))
          crossings.push_back(p.X + (yc - py) * (double(q.X) - p.X) / (qy - py));
      }
      std::sort(crossings.begin(), crossings.end());
      // Even-odd: pixels whose centres lie between the 1st and 2nd crossing, 3rd and 4th, ...
      for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
        double xa = std::ceil(crossings[i] - 0.5), xb = std::ceil(crossings[i + 1] - 0.5);
        xa = std::clamp(xa, -1.0, double(Width()));
        xb = std::clamp(xb, -1.0, double(Width()));
        FillSpan(y, static_cast<long long>(xa), static_cast<long long>(xb), fill);
      }
    }
  }
  if (Pen.Style == psClear) return;
  TPoint saved = FPenPos;
  FDashStep = 0;
  MoveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
  LineTo(points[0].X, points[0].Y);
  FPenPos = saved;
}

}  // namespace vyr
