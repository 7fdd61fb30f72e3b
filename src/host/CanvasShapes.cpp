// Ellipses, arcs, pies and polygons of TCanvas, rasterised row by row so that
// only rows and columns inside the image cost anything.
#include <algorithm>
#include <cmath>
#include <vector>

#include "host/ArcRowRuns.h"
#include "host/Canvas.h"
#include "host/EllipseGeom.h"
#include "host/PixelOps.h"

namespace vyr {

using shape::EllipseGeom;
using shape::RowSplit;
using shape::RowSplitter;

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
  RowSplitter rows(g, width);
  long long y0 = std::max<long long>(box.Top, 0), y1 = std::min<long long>(box.Bottom, Height());
  for (long long y = y0; y < y1; ++y) {
    RowSplit row;
    if (!rows.Split(y, row)) continue;
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
  shape::AngleRange range = shape::AngleRange::Between(g, x3, y3, x4, y4);
  bool outline = Pen.Style != psClear;
  if (kind == ArcKind::Arc && !outline) return;
  Changed();
  int width = outline ? std::max(1, Pen.Width) : 1;
  std::uint32_t pen = ColorToPixel(ColorToRGB(Pen.Color));
  std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
  bool filling = kind == ArcKind::Pie && Brush.Style == bsSolid;
  // Outline pixels take the pen, or the fill when there is no pen.
  auto curve = [&](long long y, long long xa, long long xb) {
    if (outline)
      for (long long x = xa; x <= xb; ++x) PlotPen(int(x), int(y), pen);
    else if (filling && xa <= xb)
      FillSpan(y, xa, xb + 1, fill);
  };
  shape::ArcRowRuns inRange(g, range);
  std::vector<shape::PixelRun> runs;
  RowSplitter rows(g, width);
  long long first, last;
  range.RowBounds(g, first, last);
  long long y0 = std::max<long long>({box.Top, 0, first}), y1r = std::min<long long>({box.Bottom, Height(), last + 1});
  for (long long y = y0; y < y1r; ++y) {
    RowSplit row;
    if (!rows.Split(y, row)) continue;
    long long xa = std::max(row.xs, 0LL), xb = std::min<long long>(row.xe, Width() - 1);
    bool allCurve = row.ix0 > row.ix1;
    runs.clear();
    if (allCurve || filling) {
      inRange.Collect(y, xa, xb, runs);
    } else {
      inRange.Collect(y, xa, std::min(xb, row.ix0 - 1), runs);
      inRange.Collect(y, std::max(xa, row.ix1 + 1), xb, runs);
    }
    for (const shape::PixelRun& run : runs) {
      if (allCurve) {
        curve(y, run.x0, run.x1);
        continue;
      }
      curve(y, run.x0, std::min(run.x1, row.ix0 - 1));
      if (filling) FillSpan(y, std::max(run.x0, row.ix0), std::min(run.x1, row.ix1) + 1, fill);
      curve(y, std::max(run.x0, row.ix1 + 1), run.x1);
    }
  }
  if (kind == ArcKind::Pie && outline && !range.IsFullTurn()) {
    // The two radii, from the centre to where the rays meet the curve.
    long long cx = std::llround(std::floor(g.cx)), cy = std::llround(std::floor(g.cy));
    long long sx, sy, ex, ey;
    shape::RimPixel(g, box, range.start, sx, sy);
    shape::RimPixel(g, box, range.start + range.span, ex, ey);
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
