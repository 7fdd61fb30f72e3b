// The grid of slides: how many columns and rows show, where each slide
// lies, which slide a point hits, and how scroll positions snap to rows.
#include <algorithm>
#include <cmath>

#include "foundation/Rounding.h"
#include "thumbnails/ThumbnailsPrivate.h"

namespace vyr {
namespace {

constexpr int kM = TThumbnails::kMargin;

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int ClampToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

TThumbGeometry TThumbnails::Private::Geometry(int width, int height) const {
  TThumbGeometry g;
  g.W = width;
  g.H = height;
  g.Size = std::min(SlideSize, std::max(width, 0));
  g.Distance = SlideDistance;
  g.Margin = SlideMargin;
  g.Min = Min;
  g.Max = Max;
  g.NumHoriz = std::max(1, NumHoriz);
  g.First = FirstThumbIdx;
  return g;
}

int TThumbGeometry::Offset() const { return RoundHalfEven((First - std::trunc(First)) * Pitch()); }

int TThumbGeometry::FittingColumns() const { return std::max(1, (W + Distance - 2 * kM) / Pitch()); }

int TThumbGeometry::VisibleRows() const {
  // Row j shows while its top lies above the bottom margin.
  const long long band = 0LL + H - 2 * kM - Distance + Offset();
  if (band <= 0) return 1;
  return ClampToInt((band + Pitch() - 1) / Pitch());
}

long long TThumbGeometry::SlideLeft(int slide) const {
  const long long n = 0LL + slide - FirstOfTopRow();
  return (n - FloorDiv(n, NumHoriz) * NumHoriz) * Pitch() + kM;
}

long long TThumbGeometry::SlideTop(int slide) const {
  const long long n = 0LL + slide - FirstOfTopRow();
  return FloorDiv(n, NumHoriz) * Pitch() + Distance - Offset() + kM;
}

int TThumbGeometry::SlideAt(int x, int y) const {
  if (x < kM || x >= W - kM || y < kM || y >= H - kM) return 0;
  const int p = Pitch();
  const long long a = (x - kM) / p;
  if (x > a * p + Extent() + kM || a + 1 > NumHoriz) return 0;
  const int o = Offset();
  const long long e = FloorDiv(0LL + y + o - Distance - kM, p);
  const long long t = e * p + Distance - o + kM;
  if (e < 0 || y < t || y > t + Extent()) return 0;
  const long long s = FirstOfTopRow() + e * NumHoriz + a;
  return s >= Min && s <= Max ? int(s) : 0;
}

double TThumbGeometry::Snapped(double value) const {
  const double x = std::clamp(value, double(Min), double(Max));
  const long long k = static_cast<long long>(std::floor(x - Min)) / NumHoriz;
  const double c = Min + double(k) * NumHoriz;
  return c + (x - c) / NumHoriz;
}

double TThumbGeometry::ScrollPixels() const {
  const int c = FirstOfTopRow();
  return (double(RowOf(c)) + (First - c)) * Pitch();
}

double TThumbGeometry::FirstForScroll(double pixels) const {
  const double rows = std::max(pixels, 0.0) / Pitch();
  const double row = std::floor(rows);
  return Min + row * NumHoriz + (rows - row) * NumHoriz;
}

}  // namespace vyr
