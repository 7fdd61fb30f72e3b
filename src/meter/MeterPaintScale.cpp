// The meter's zone band and scale: arc, minor and major ticks, and labels.
#include <cmath>
#include <numbers>

#include "foundation/NumRoutines.h"
#include "foundation/Rounding.h"
#include "meter/MeterPrivate.h"

namespace vyr {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180;
// Zones whose two rays are closer than this (radians) are left out: a pie
// between equal rays would fill the whole disc.
constexpr double kMinZoneAngle = 1e-6;
constexpr int kMajorTickLength = 8;
constexpr int kMinorTickLength = 4;

// The point on the scale circle in direction angle (radians).
TPoint RayPoint(const TDialGeometry& dial, double angle) {
  return {dial.CenterX + RoundHalfEven(std::cos(angle) * dial.Radius),
          dial.CenterY - RoundHalfEven(std::sin(angle) * dial.Radius)};
}

// A tick from the scale circle inwards at drawing angle angleDeg.
void Tick(TCanvas& c, const TDialGeometry& dial, double angleDeg, int length) {
  if (!std::isfinite(angleDeg)) return;
  const double a = angleDeg * kRadPerDeg, r = dial.Radius;
  c.MoveTo(RoundHalfEven(std::cos(a) * r + dial.CenterX), RoundHalfEven(dial.CenterY - std::sin(a) * r));
  c.LineTo(RoundHalfEven(std::cos(a) * (r - length) + dial.CenterX),
           RoundHalfEven(dial.CenterY - std::sin(a) * (r - length)));
}

// On a full circle the maximum lies where the minimum does; when both carry
// a label, the maximum's would print over the minimum's and is left out.
bool FallsOnMinimumLabel(const TDialGeometry& dial, const TScaleRange& range, const std::vector<TScaleMark>& marks,
                         size_t i) {
  constexpr double kSame = 1e-9;
  return dial.Angle >= 360 && i > 0 && marks[0].Labelled && std::fabs(range.Fraction(marks[0].Value)) < kSame &&
         std::fabs(range.Fraction(marks[i].Value) - 1) < kSame;
}

double StartAngle(const TDialGeometry& dial) { return (90 + dial.Angle / 2.0) * kRadPerDeg; }
double EndAngle(const TDialGeometry& dial) { return (90 - dial.Angle / 2.0) * kRadPerDeg; }

}  // namespace

void TMeter::PaintZones(TCanvas& c, const TDialGeometry& dial) {
  const TScaleRange range = Range();
  const int cx = dial.CenterX, cy = dial.CenterY;
  const int outer = RoundHalfEven(dial.Radius + 4);
  const int inner = RoundHalfEven((100 - d->FScaleBkWidth) * dial.Radius / 100);
  auto zone = [&](TColor color, double from, double to) {
    c.Pen.Color = color;
    c.Brush.Color = color;
    if (std::fabs(from - to) <= kMinZoneAngle) return;
    const TPoint a = RayPoint(dial, from), b = RayPoint(dial, to);
    c.Pie(cx - outer, cy - outer, cx + outer + 1, cy + outer, a.X, a.Y, b.X, b.Y);
  };
  const double low = DrawingAngle(dial, range, d->FThresholdLow) * kRadPerDeg;
  const double high = DrawingAngle(dial, range, d->FThresholdHigh) * kRadPerDeg;
  zone(d->FColorSclBkLow, low, StartAngle(dial));
  zone(d->FColorSclBkNorm, high, low);
  zone(d->FColorSclBkHigh, EndAngle(dial), high);
  c.Pen.Color = d->FColorBakG;
  c.Brush.Color = d->FColorBakG;
  c.Ellipse(cx - inner, cy - inner, cx + inner + 1, cy + inner);
}

void TMeter::PaintScale(TCanvas& c, const TDialGeometry& dial) {
  const TScaleRange range = Range();
  c.Pen.Color = d->FColorScale;
  c.Brush.Style = bsClear;
  if (d->FMeterScaleLine) {
    const int r = RoundHalfEven(dial.Radius);
    const TPoint from = RayPoint(dial, EndAngle(dial)), to = RayPoint(dial, StartAngle(dial));
    c.Arc(dial.CenterX - r, dial.CenterY - r, dial.CenterX + r + 1, dial.CenterY + r, from.X, from.Y, to.X, to.Y);
  }
  if (d->FMeterShortTicks)
    for (double t : MinorMarks(range, d->FMeterNrTicks)) Tick(c, dial, DrawingAngle(dial, range, t), kMinorTickLength);
  // Labels sit inside the ticks by half the widest label (that of the maximum) plus a margin.
  c.Font = Font();
  const QString widest = FormatFloatField(1, d->FMeterDecPlaces, d->FMaxValue);
  const double insetX = c.TextWidth(widest) / 2.0 + 15;
  const double insetY = c.TextHeight(widest) / 2.0 + 15;
  const std::vector<TScaleMark> marks = MajorMarks(range, d->FMeterNrTicks);
  for (size_t i = 0; i < marks.size(); ++i) {
    const double angle = DrawingAngle(dial, range, marks[i].Value);
    Tick(c, dial, angle, kMajorTickLength);
    if (marks[i].Labelled && std::isfinite(angle) && !FallsOnMinimumLabel(dial, range, marks, i))
      PaintScaleLabel(c, dial, marks[i].Value, angle, insetX, insetY);
  }
}

void TMeter::PaintScaleLabel(TCanvas& c, const TDialGeometry& dial, double value, double angle, double insetX,
                             double insetY) {
  const double a = angle * kRadPerDeg;
  const int x = RoundHalfEven(std::cos(a) * (dial.Radius - insetX) + dial.CenterX);
  const int y = RoundHalfEven(dial.CenterY - std::sin(a) * (dial.Radius - insetY));
  QString text = FormatFloatField(1, d->FMeterDecPlaces, value);
  if (OnBeforeDrawScaleLabel)
    OnBeforeDrawScaleLabel(this, c, text, x - c.TextWidth(text) / 2, y - c.TextHeight(text) / 2);
  if (!text.isEmpty()) c.TextOut(x - c.TextWidth(text) / 2, y - c.TextHeight(text) / 2, text);
}

}  // namespace vyr
