// Lines, rectangles and single pixels of TCanvas.
#include "host/Canvas.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/PixelOps.h"

namespace vyr {
namespace {

// On/off run lengths of the dashed pen styles, in pixels.
struct DashPattern {
  std::array<int, 6> runs;
  int count;
};

const DashPattern* PatternOf(TPenStyle style) {
  static const DashPattern dash{{18, 6}, 2};
  static const DashPattern dot{{3, 3}, 2};
  static const DashPattern dashDot{{9, 6, 3, 6}, 4};
  static const DashPattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6};
  switch (style) {
    case psDash: return &dash;
    case psDot: return &dot;
    case psDashDot: return &dashDot;
    case psDashDotDot: return &dashDotDot;
    default: return nullptr;
  }
}

bool PatternOn(const DashPattern& p, int step) {
  int period = 0;
  for (int i = 0; i < p.count; ++i) period += p.runs[size_t(i)];
  int pos = step % period;
  for (int i = 0; i < p.count; ++i) {
    if (pos < p.runs[size_t(i)]) return i % 2 == 0;
    pos -= p.runs[size_t(i)];
  }
  return false;
}

bool IsPaintable(const QImage* image) {
  if (!image || image->isNull()) return false;
  auto f = image->format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

void TCanvas::SetImage(QImage* image) { FImage = IsPaintable(image) ? image : nullptr; }

int TCanvas::Width() const { return FImage ? FImage->width() : 0; }
int TCanvas::Height() const { return FImage ? FImage->height() : 0; }

void TCanvas::PlotPen(int x, int y, std::uint32_t penPixel) {
  std::uint32_t* row = Row(y);
  row[x] = Pen.Mode == pmCopy ? penPixel : pixelops::ApplyPenMode(Pen.Mode, penPixel, row[x]);
}

void TCanvas::FillSpan(long long y, long long x0, long long x1, std::uint32_t pixel) {
  if (y < 0 || y >= FBitsHeight) return;
  x0 = std::max(x0, 0LL);
  x1 = std::min<long long>(x1, FBitsWidth);
  if (x0 >= x1) return;
  std::uint32_t* row = Row(y) + x0;
  // A few pixels by hand, then the filled part copied onto the rest in
  // doubling blocks: memcpy moves them many bytes at a time, which a plain
  // per-pixel loop does not.
  const std::size_t n = std::size_t(x1 - x0);
  std::size_t done = std::min<std::size_t>(n, 8);
  std::fill(row, row + done, pixel);
  while (done < n) {
    const std::size_t step = std::min(done, n - done);
    std::memcpy(row + done, row, step * sizeof(std::uint32_t));
    done += step;
  }
}

void TCanvas::PenSpan(long long y, long long x0, long long x1, std::uint32_t penPixel) {
  if (Pen.Mode == pmCopy) return FillSpan(y, x0, x1, penPixel);
  if (y < 0 || y >= FBitsHeight) return;
  x0 = std::max(x0, 0LL);
  x1 = std::min<long long>(x1, FBitsWidth);
  std::uint32_t* row = Row(y);
  for (long long x = x0; x < x1; ++x) row[x] = pixelops::ApplyPenMode(Pen.Mode, penPixel, row[x]);
}

// A one-pixel line whose pixel at step i lies at the major-axis offset i and
// the minor-axis offset round(i * minor / major). Only the steps inside the
// image are visited, so far-away end points cost nothing.
void TCanvas::StrokeLine(long long x0, long long y0, long long x1, long long y1, bool includeEnd) {
  long long dx = x1 - x0, dy = y1 - y0;
  long long n = std::max(std::llabs(dx), std::llabs(dy));
  if (n == 0) {
    if (includeEnd && x0 >= 0 && y0 >= 0 && x0 < Width() && y0 < Height())
      PlotPen(int(x0), int(y0), ColorToPixel(ColorToRGB(Pen.Color)));
    return;
  }
  long long last = includeEnd ? n : n - 1;
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  long long major0 = xMajor ? x0 : y0;
  long long majorDir = (xMajor ? dx : dy) < 0 ? -1 : 1;
  long long majorLimit = xMajor ? Width() : Height();
  // Steps i with 0 <= major0 + majorDir * i < majorLimit.
  long long lo, hi;
  if (majorDir > 0) {
    lo = -major0;
    hi = majorLimit - 1 - major0;
  } else {
    lo = major0 - (majorLimit - 1);
    hi = major0;
  }
  lo = std::max(lo, 0LL);
  hi = std::min(hi, last);
  const DashPattern* pattern = PatternOf(Pen.Style);
  const std::uint32_t pen = ColorToPixel(ColorToRGB(Pen.Color)) | pixelops::kOpaque;
  const long long minor0 = xMajor ? y0 : x0;
  const long long minorDelta = xMajor ? dy : dx;
  const long long minorLimit = xMajor ? Height() : Width();
  if (lo > hi) {
    FDashStep = int((FDashStep + n) % 1000000);
    return;
  }
  if (minorDelta == 0 && xMajor && !pattern) {
    // A solid horizontal line is one span of its row.
    const long long a = major0 + majorDir * lo, b = major0 + majorDir * hi;
    PenSpan(minor0, std::min(a, b), std::max(a, b) + 1, pen);
    FDashStep = int((FDashStep + n) % 1000000);
    return;
  }
  // minor(i) = minor0 + floor((2 i minorDelta + n) / 2n), stepped with a
  // remainder so that only the first visible step needs a division.
  const long long twoN = 2 * n;
  __int128 num = static_cast<__int128>(2) * lo * minorDelta + n;
  long long q = static_cast<long long>(num / twoN);
  long long r = static_cast<long long>(num - static_cast<__int128>(q) * twoN);
  if (r < 0) {
    r += twoN;
    --q;
  }
  for (long long i = lo; i <= hi; ++i) {
    long long minor = minor0 + q;
    bool on = !pattern || PatternOn(*pattern, int((FDashStep + i) % 1000000));
    if (on && minor >= 0 && minor < minorLimit) {
      long long major = major0 + majorDir * i;
      if (xMajor)
        PlotPen(int(major), int(minor), pen);
      else
        PlotPen(int(minor), int(major), pen);
    }
    r += 2 * minorDelta;
    if (r >= twoN) {
      r -= twoN;
      ++q;
    } else if (r < 0) {
      r += twoN;
      --q;
    }
  }
  FDashStep = int((FDashStep + n) % 1000000);
}

// Pens wider than one pixel: round-capped strokes through Qt, with the end
// points first pulled in to a range Qt's fixed-point arithmetic handles.
void TCanvas::StrokeWideLine(long long x0, long long y0, long long x1, long long y1) {
  const double limit = 1 << 20;
  double ax = double(x0), ay = double(y0), bx = double(x1), by = double(y1);
  double t0 = 0, t1 = 1;
  auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  double ddx = bx - ax, ddy = by - ay;
  if (!clip(-ddx, ax + limit) || !clip(ddx, limit - ax) || !clip(-ddy, ay + limit) || !clip(ddy, limit - ay))
    return;
  QPainter p(FImage);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(ToQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  if (Pen.Mode == pmXor) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (Pen.Mode == pmNot) p.setCompositionMode(QPainter::RasterOp_NotDestination);
  p.drawLine(QPointF(ax + ddx * t0 + 0.5, ay + ddy * t0 + 0.5), QPointF(ax + ddx * t1 + 0.5, ay + ddy * t1 + 0.5));
}

void TCanvas::LineTo(int x, int y) {
  TPoint from = FPenPos;
  FPenPos = {x, y};
  if (!Drawable() || Pen.Style == psClear) return;
  Changed();
  if (Pen.Width > 1)
    StrokeWideLine(from.X, from.Y, x, y);
  else
    StrokeLine(from.X, from.Y, x, y, false);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  TPoint saved = FPenPos;
  FDashStep = 0;
  MoveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
  FPenPos = saved;
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (!Drawable()) return;
  TRect r = TRect{left, top, right, bottom}.Normalized();
  if (r.IsEmpty()) return;
  Changed();
  bool outline = Pen.Style != psClear;
  int w = outline ? std::max(1, Pen.Width) : 0;
  if (Brush.Style == bsSolid) {
    std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
    // Only the visible rows are visited, whatever the rectangle's extent.
    long long y0 = std::max<long long>(0LL + r.Top + w, 0), y1 = std::min<long long>(0LL + r.Bottom - w, Height());
    for (long long y = y0; y < y1; ++y) FillSpan(y, 0LL + r.Left + w, 0LL + r.Right - w, fill);
  }
  if (!outline) return;
  std::uint32_t pen = ColorToPixel(ColorToRGB(Pen.Color));
  // Each outline pixel is touched exactly once, so combining pen modes work:
  // whole rows in the top and bottom bands, the two sides in between.
  long long ys = std::max<long long>(r.Top, 0), ye = std::min<long long>(r.Bottom, Height());
  const long long innerLeft = 0LL + r.Left + w, innerRight = 0LL + r.Right - w;
  for (long long y = ys; y < ye; ++y) {
    if (y < 0LL + r.Top + w || y >= 0LL + r.Bottom - w || innerLeft >= innerRight) {
      PenSpan(y, r.Left, r.Right, pen);
    } else {
      PenSpan(y, r.Left, innerLeft, pen);
      PenSpan(y, innerRight, r.Right, pen);
    }
  }
}

void TCanvas::FillRect(const TRect& r) {
  if (!Drawable() || Brush.Style == bsClear || r.IsEmpty()) return;
  Changed();
  std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
  int y0 = std::max(r.Top, 0), y1 = std::min(r.Bottom, Height());
  for (int y = y0; y < y1; ++y) FillSpan(y, r.Left, r.Right, fill);
}

void TCanvas::FrameRect(const TRect& r) {
  if (!Drawable() || r.IsEmpty()) return;
  TPen saved = Pen;
  TBrushStyle savedBrush = Brush.Style;
  Pen = TPen{Brush.Color, 1, psSolid, pmCopy};
  Brush.Style = bsClear;
  Rectangle(r);
  Pen = saved;
  Brush.Style = savedBrush;
}

TColor TCanvas::Pixels(int x, int y) const {
  if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clInvalid;
  return PixelToColor(reinterpret_cast<const std::uint32_t*>(FImage->constScanLine(y))[x]);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return;
  Changed();
  Row(y)[x] = ColorToPixel(ColorToRGB(color));
}

}  // namespace vyr
