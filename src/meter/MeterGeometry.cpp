#include "meter/MeterGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "foundation/Rounding.h"

namespace vyr {
namespace {

constexpr double kPi = std::numbers::pi;

// Dials sweeping more than half a turn: the pivot hangs the radius below the
// top inner edge, and the scale's ends lie depth * radius below the pivot,
// so the inner height must hold (1 + depth) radii.
void HangBelowTop(TDialGeometry& g, int sweep, double heightFactor, double width, double height,
                  const TMeterRims& rims) {
  g.Angle = sweep;
  g.Radius = std::trunc(width / 2) - rims.Side - 8;
  const double fit = (height - rims.Top - rims.Bottom - 16) / heightFactor;
  if (fit < g.Radius) g.Radius = fit;
  g.CenterY = RoundHalfEven(rims.Top + 8 + g.Radius);
}

}  // namespace

TDialGeometry DialGeometry(TMeterLayout layout, int width, int height, const TMeterRims& rims) {
  const double w = width, h = height;
  TDialGeometry g;
  g.CenterX = width / 2;
  g.CenterY = RoundHalfEven(h - rims.Bottom - 8);
  g.Radius = h - rims.Bottom - rims.Top - 16;
  const double halfInnerWidth = w / 2 - rims.Side - 8;
  switch (layout) {
    case mlCirc120:
      // The ends at 60 degrees either side of the vertical must fit the width.
      g.Angle = 120;
      if (halfInnerWidth * 1.1547 < g.Radius) g.Radius = halfInnerWidth * 1.1547;
      break;
    case mlCirc180:
      // The ends lie level with the pivot, a radius to either side.
      g.Angle = 180;
      g.Radius = std::min(g.Radius, halfInnerWidth);
      break;
    case mlCirc270: HangBelowTop(g, 270, 1 + std::numbers::sqrt2 / 2, w, h, rims); break;
    case mlCirc300: HangBelowTop(g, 300, 1.866, w, h, rims); break;
    case mlCirc360: HangBelowTop(g, 360, 2, w, h, rims); break;
    default: break;
  }
  return g;
}

double DrawingAngle(const TDialGeometry& dial, const TScaleRange& range, double v) {
  return dial.Angle / 2.0 + 90 - dial.Angle * range.Fraction(v);
}

double NeedleAngle(const TDialGeometry& dial, const TScaleRange& range, double v) {
  return 180 - (dial.Angle / 2.0 - dial.Angle * range.Fraction(range.Clamp(v)));
}

TPoint ValueToPixel(const TDialGeometry& dial, const TScaleRange& range, double v, double pctRadius) {
  const double a = (-90 - NeedleAngle(dial, range, v)) * kPi / 180;
  const double r = std::isfinite(pctRadius) ? pctRadius * 0.01 * dial.Radius : 0.0;
  return {RoundHalfEven(std::cos(a) * r + dial.CenterX), RoundHalfEven(dial.CenterY - std::sin(a) * r)};
}

bool PixelToValue(const TDialGeometry& dial, const TScaleRange& range, int x, int y, double& value) {
  const double dx = double(x) - dial.CenterX, dy = double(y) - dial.CenterY;
  double phi;
  if (dx != 0) {
    phi = std::atan(dy / dx);
    if (dx < 0) phi += kPi;
  } else {
    phi = dy <= 0 ? 3 * kPi / 2 : kPi / 2;
  }
  if (phi < 0) phi += 2 * kPi;
  if (phi > 2 * kPi) phi -= 2 * kPi;
  double d = phi * 180 / kPi - 90;
  if (d < 0) d += 360;
  const double start = 180 - dial.Angle / 2.0;
  if (d < start || d > 180 + dial.Angle / 2.0) {
    value = 0;
    return false;
  }
  value = range.ValueAt((d - start) / dial.Angle);
  return true;
}

}  // namespace vyr
