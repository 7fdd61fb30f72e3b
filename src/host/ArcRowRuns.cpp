#include "host/ArcRowRuns.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vyr::shape {
namespace {

// Half-width, in radians, of the band around a boundary ray in which pixels
// are tested one by one.
constexpr double kRayMargin = 1e-11;
constexpr double kInf = std::numeric_limits<double>::infinity();

void AppendRun(std::vector<PixelRun>& runs, long long x0, long long x1) {
  if (!runs.empty() && runs.back().x1 + 1 == x0)
    runs.back().x1 = x1;
  else
    runs.push_back({x0, x1});
}

struct AngleWindow {
  double t0, t1;
};

}  // namespace

// The side of the centre row holding the angles (lo, hi). A row of it meets
// the angles falling from left to right above the centre and rising below.
ArcRowRuns::Side ArcRowRuns::MakeSide(double lo, double hi, bool leftToRightFalling) const {
  // Membership changes where the angle passes the start, or passes the end
  // of the range widened by the tolerance.
  const double rays[2] = {FRange.start, FRange.start + (FRange.span + kEps)};
  std::array<AngleWindow, kMaxWindows> found;
  int count = 0;
  for (double ray : rays)
    for (int turn = -1; turn <= 1; ++turn) {
      double t = ray + turn * kTwoPi;
      if (t + kRayMargin <= lo || t - kRayMargin >= hi) continue;
      // Kept in rising order.
      int at = count++;
      for (; at > 0 && found[size_t(at - 1)].t0 > t - kRayMargin; --at) found[size_t(at)] = found[size_t(at - 1)];
      found[size_t(at)] = {t - kRayMargin, t + kRayMargin};
    }
  // Overlapping windows become one, so that the parts between them are
  // never empty.
  int merged = 0;
  for (int i = 0; i < count; ++i) {
    if (merged > 0 && found[size_t(i)].t0 <= found[size_t(merged - 1)].t1)
      found[size_t(merged - 1)].t1 = std::max(found[size_t(merged - 1)].t1, found[size_t(i)].t1);
    else
      found[size_t(merged++)] = found[size_t(i)];
  }
  Side side;
  side.count = merged;
  // Between two windows every angle is at least the margin away from both
  // rays, so the midpoint's test holds for the whole part.
  double below = lo;
  for (int i = 0; i <= merged; ++i) {
    double above = i < merged ? found[size_t(i)].t0 : hi;
    side.stretchIn[size_t(i)] = FRange.Contains((below + above) / 2);
    if (i == merged) break;
    const AngleWindow& w = found[size_t(i)];
    // The cotangent falls from +inf at lo to -inf at hi.
    side.windows[size_t(i)] = {w.t0 <= lo ? kInf : std::cos(w.t0) / std::sin(w.t0),
                               w.t1 >= hi ? -kInf : std::cos(w.t1) / std::sin(w.t1)};
    below = w.t1;
  }
  if (leftToRightFalling) {
    std::reverse(side.windows.begin(), side.windows.begin() + merged);
    std::reverse(side.stretchIn.begin(), side.stretchIn.begin() + merged + 1);
  }
  return side;
}

ArcRowRuns::ArcRowRuns(const EllipseGeom& g, const AngleRange& range)
    : FGeom(g), FRange(range), FWhole(range.span + kEps >= kTwoPi) {
  if (FWhole) return;
  FAbove = MakeSide(0, std::numbers::pi, true);
  FBelow = MakeSide(-std::numbers::pi, 0, false);
}

void ArcRowRuns::Stretch(long long y, long long x0, long long x1, std::vector<PixelRun>& runs) const {
  if (x0 <= x1 && Contains(x0, y)) AppendRun(runs, x0, x1);
}

void ArcRowRuns::Collect(long long y, long long x0, long long x1, std::vector<PixelRun>& runs) const {
  if (x0 > x1) return;
  if (FWhole) {
    AppendRun(runs, x0, x1);
    return;
  }
  double dy = double(y) + 0.5 - FGeom.cy;
  if (dy == 0) {
    // atan2(-0, u) is -pi for every u < 0 and -0 for every u >= 0.
    long long mid = CeilToInt(FGeom.cx - 0.5);
    Stretch(y, x0, std::min(x1, mid - 1), runs);
    Stretch(y, std::max(x0, mid), x1, runs);
    return;
  }
  // The pixel centre at angle t satisfies (x + 0.5 - cx) / a = v * cot(t).
  double v = -dy / FGeom.b;
  const Side& side = v > 0 ? FAbove : FBelow;
  const double lowest = double(x0) - 1, highest = double(x1) + 1;
  long long next = x0;
  for (int i = 0; i < side.count; ++i) {
    const RayWindow& w = side.windows[size_t(i)];
    double u0 = v * w.cotFirst, u1 = v * w.cotLast;
    double xl = std::clamp(FGeom.cx - 0.5 + FGeom.a * std::min(u0, u1), lowest, highest);
    double xh = std::clamp(FGeom.cx - 0.5 + FGeom.a * std::max(u0, u1), lowest, highest);
    // Half a pixel of slack covers the rounding of xl and xh.
    long long p0 = CeilToInt(xl - 0.5), p1 = FloorToInt(xh + 0.5);
    if (side.stretchIn[size_t(i)] && next <= std::min(p0 - 1, x1)) AppendRun(runs, next, std::min(p0 - 1, x1));
    for (long long x = std::max(next, p0); x <= std::min(p1, x1); ++x)
      if (Contains(x, y)) AppendRun(runs, x, x);
    next = std::max(next, p1 + 1);
  }
  if (side.stretchIn[size_t(side.count)] && next <= x1) AppendRun(runs, next, x1);
}

}  // namespace vyr::shape
