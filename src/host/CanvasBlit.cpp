// Copies between canvases and bitmaps (with copy modes and stretching) and
// flood fill.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "host/Bitmap.h"
#include "host/Canvas.h"
#include "host/PixelOps.h"

namespace vyr {
namespace {

// Destinations larger than this (in pixels) are stretched pixel by pixel
// from the source instead of through a smoothed intermediate picture.
constexpr long long kMaxSmoothArea = 16LL * 1024 * 1024;

}  // namespace

// Combines source pixels into dest: destination pixel (x, y) takes source
// pixel sourceRect.Left + (x - dest.Left + 0.5) * sw / dw (likewise for y),
// mirrored when the two rectangles' widths or heights differ in sign.
void TCanvas::BlitImage(const TRect& dest, const QImage& source, const TRect& sourceRect) {
  long long dw = 0LL + dest.Right - dest.Left, dh = 0LL + dest.Bottom - dest.Top;
  long long sw = 0LL + sourceRect.Right - sourceRect.Left, sh = 0LL + sourceRect.Bottom - sourceRect.Top;
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0 || source.isNull()) return;
  Changed();
  const QImage* src = &source;
  QImage smooth;
  bool stretched = std::llabs(dw) != std::llabs(sw) || std::llabs(dh) != std::llabs(sh);
  TRect from = sourceRect;
  if (stretched && StretchMode == smHalftone && std::llabs(dw) * std::llabs(dh) <= kMaxSmoothArea) {
    TRect s = sourceRect.Normalized().Intersected({0, 0, source.width(), source.height()});
    if (s.IsEmpty()) return;
    smooth = source.copy(s.Left, s.Top, s.Width(), s.Height())
                 .scaled(int(std::llabs(dw)), int(std::llabs(dh)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_RGB32);
    bool flipX = (dw < 0) != (sw < 0), flipY = (dh < 0) != (sh < 0);
    if (flipX || flipY) smooth = smooth.mirrored(flipX, flipY);
    src = &smooth;
    from = {0, 0, smooth.width(), smooth.height()};
    sw = from.Width();
    sh = from.Height();
  }
  TRect d = dest.Normalized();
  long long x0 = std::max<long long>(d.Left, 0), x1 = std::min<long long>(d.Right, Width());
  long long y0 = std::max<long long>(d.Top, 0), y1 = std::min<long long>(d.Bottom, Height());
  if (!stretched && dw > 0 && dh > 0 && sw > 0 && sh > 0) {
    // Same size, same direction: whole rows at a time.
    const long long dx = 0LL + sourceRect.Left - dest.Left, dy = 0LL + sourceRect.Top - dest.Top;
    x0 = std::max(x0, -dx);
    x1 = std::min<long long>(x1, src->width() - dx);
    y0 = std::max(y0, -dy);
    y1 = std::min<long long>(y1, src->height() - dy);
    for (long long y = y0; y < y1 && x0 < x1; ++y) {
      const auto* srow = reinterpret_cast<const std::uint32_t*>(src->constScanLine(int(y + dy))) + (x0 + dx);
      std::uint32_t* drow = Row(y) + x0;
      const long long n = x1 - x0;
      if (CopyMode == cmSrcCopy) {
        for (long long i = 0; i < n; ++i) drow[i] = srow[i] | pixelops::kOpaque;
      } else {
        for (long long i = 0; i < n; ++i) drow[i] = pixelops::ApplyCopyMode(CopyMode, srow[i], drow[i]);
      }
    }
    return;
  }
  long long adw = std::llabs(dw), adh = std::llabs(dh);
  bool mirrorX = src == &smooth ? false : (dw < 0) != (sw < 0);
  bool mirrorY = src == &smooth ? false : (dh < 0) != (sh < 0);
  TRect sn = from.Normalized();
  long long asw = sn.Width(), ash = sn.Height();
  std::vector<int> columns;
  columns.reserve(size_t(std::max(0LL, x1 - x0)));
  for (long long x = x0; x < x1; ++x) {
    long long offset = x - d.Left;
    if (mirrorX) offset = adw - 1 - offset;
    columns.push_back(int(sn.Left + ((2 * offset + 1) * asw) / (2 * adw)));
  }
  for (long long y = y0; y < y1; ++y) {
    long long offset = y - d.Top;
    if (mirrorY) offset = adh - 1 - offset;
    long long sy = sn.Top + ((2 * offset + 1) * ash) / (2 * adh);
    if (sy < 0 || sy >= src->height()) continue;
    const auto* srow = reinterpret_cast<const std::uint32_t*>(src->constScanLine(int(sy)));
    std::uint32_t* drow = Row(y);
    const int srcWidth = src->width();
    for (long long x = x0; x < x1; ++x) {
      int sx = columns[size_t(x - x0)];
      if (sx < 0 || sx >= srcWidth) continue;
      drow[x] = pixelops::ApplyCopyMode(CopyMode, srow[sx], drow[x]);
    }
  }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  if (!Drawable() || !source.FImage) return;
  if (&source == this) {
    // Read from a snapshot so that overlapping areas copy the original pixels.
    QImage snapshot = FImage->copy();
    BlitImage(dest, snapshot, sourceRect);
    return;
  }
  BlitImage(dest, *source.FImage, sourceRect);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (!Drawable() || bitmap.Empty()) return;
  BlitImage(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap.ToRgb32(), {0, 0, bitmap.Width(), bitmap.Height()});
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  if (!Drawable() || bitmap.Empty()) return;
  BlitImage(dest, bitmap.ToRgb32(), {0, 0, bitmap.Width(), bitmap.Height()});
}

// Scan-line flood fill over 4-connected neighbours with an explicit stack.
void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  if (!Drawable() || Brush.Style == bsClear) return;
  int w = Width(), h = Height();
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  const std::uint32_t key = ColorToPixel(ColorToRGB(color)) & pixelops::kRgbMask;
  const std::uint32_t fill = ColorToPixel(ColorToRGB(Brush.Color));
  auto pixel = [&](int px, int py) -> std::uint32_t& { return Row(py)[px]; };
  TakeBits();
  std::vector<bool> done(size_t(w) * size_t(h), false);
  auto fillable = [&](int px, int py) {
    if (done[size_t(py) * size_t(w) + size_t(px)]) return false;
    bool same = (pixel(px, py) & pixelops::kRgbMask) == key;
    return style == fsSurface ? same : !same;
  };
  if (!fillable(x, y)) return;
  Changed();
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    if (!fillable(sx, sy)) continue;
    int left = sx, right = sx;
    while (left > 0 && fillable(left - 1, sy)) --left;
    while (right < w - 1 && fillable(right + 1, sy)) ++right;
    for (int px = left; px <= right; ++px) {
      pixel(px, sy) = fill;
      done[size_t(sy) * size_t(w) + size_t(px)] = true;
    }
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool inRun = false;
      for (int px = left; px <= right; ++px) {
        bool f = fillable(px, ny);
        if (f && !inRun) stack.emplace_back(px, ny);
        inRun = f;
      }
    }
  }
}

}  // namespace vyr
