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

// The ends of a tick from the scale circle inwards at drawing angle angleDeg.
TScaleTick TickAt(const TDialGeometry& dial, double angleDeg, int length) {
  const double a = angleDeg * kRadPerDeg, r = dial.Radius;
  return {{RoundHalfEven(std::cos(a) * r + dial.CenterX), RoundHalfEven(dial.CenterY - std::sin(a) * r)},
          {RoundHalfEven(std::cos(a) * (r - length) + dial.CenterX),
           RoundHalfEven(dial.CenterY - std::sin(a) * (r - length))}};
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

const TMeter::TScaleLayout& TMeter::ScaleLayout(TCanvas& c, const TDialGeometry& dial) {
  TScaleLayout& scale = d->FScaleLayout;
  TScaleKey key{Range(), d->FMeterNrTicks, d->FMeterDecPlaces, d->FMeterShortTicks, dial, Font()};
  if (scale.Valid && scale.Key == key) return scale;
  scale = TScaleLayout{};
  const TScaleRange& range = key.Range;
  scale.ArcFrom = RayPoint(dial, EndAngle(dial));
  scale.ArcTo = RayPoint(dial, StartAngle(dial));
  if (d->FMeterShortTicks)
    for (double t : MinorMarks(range, d->FMeterNrTicks)) {
      const double angle = DrawingAngle(dial, range, t);
      if (std::isfinite(angle)) scale.Minor.push_back(TickAt(dial, angle, kMinorTickLength));
    }
  // Labels sit inside the ticks by half the widest label (that of the
  // maximum) plus a margin, measured in the control's font.
  c.Font = Font();
  const QString widest = FormatFloatField(1, d->FMeterDecPlaces, d->FMaxValue);
  const double insetX = c.TextWidth(widest) / 2.0 + 15;
  const double insetY = c.TextHeight(widest) / 2.0 + 15;
  const std::vector<TScaleMark> marks = MajorMarks(range, d->FMeterNrTicks);
  for (size_t i = 0; i < marks.size(); ++i) {
    const double angle = DrawingAngle(dial, range, marks[i].Value);
    if (!std::isfinite(angle)) continue;
    TScaleTick tick = TickAt(dial, angle, kMajorTickLength);
    if (marks[i].Labelled && !FallsOnMinimumLabel(dial, range, marks, i)) {
      const double a = angle * kRadPerDeg;
      TScaleLabel label;
      label.Text = FormatFloatField(1, d->FMeterDecPlaces, marks[i].Value);
      label.At = {RoundHalfEven(std::cos(a) * (dial.Radius - insetX) + dial.CenterX),
                  RoundHalfEven(dial.CenterY - std::sin(a) * (dial.Radius - insetY))};
      label.Width = c.TextWidth(label.Text);
      label.Height = c.TextHeight(label.Text);
      tick.Label = int(scale.Labels.size());
      scale.Labels.push_back(std::move(label));
    }
    scale.Major.push_back(tick);
  }
  scale.Key = std::move(key);
  scale.Valid = true;
  return scale;
}

void TMeter::PaintScale(TCanvas& c, const TDialGeometry& dial) {
  const TScaleLayout& scale = ScaleLayout(c, dial);
  c.Pen.Color = d->FColorScale;
  c.Brush.Style = bsClear;
  if (d->FMeterScaleLine) {
    const int r = RoundHalfEven(dial.Radius);
    c.Arc(dial.CenterX - r, dial.CenterY - r, dial.CenterX + r + 1, dial.CenterY + r, scale.ArcFrom.X,
          scale.ArcFrom.Y, scale.ArcTo.X, scale.ArcTo.Y);
  }
  auto line = [&c](const TScaleTick& tick) {
    c.MoveTo(tick.Outer.X, tick.Outer.Y);
    c.LineTo(tick.Inner.X, tick.Inner.Y);
  };
  for (const TScaleTick& tick : scale.Minor) line(tick);
  c.Font = Font();
  for (const TScaleTick& tick : scale.Major) {
    line(tick);
    if (tick.Label >= 0) PaintScaleLabel(c, scale, tick.Label);
  }
}

void TMeter::PaintScaleLabel(TCanvas& c, const TScaleLayout& scale, int index) {
  const TScaleLabel& label = scale.Labels[size_t(index)];
  const int x = label.At.X, y = label.At.Y;
  if (!OnBeforeDrawScaleLabel) {
    // The size is known: TextRect over the whole canvas draws what TextOut
    // would (the brush is clear) without measuring the text again.
    c.TextRect({0, 0, c.Width(), c.Height()}, x - label.Width / 2, y - label.Height / 2, label.Text);
    return;
  }
  // The handler may change the text and the canvas's font: measure anew.
  QString text = label.Text;
  OnBeforeDrawScaleLabel(this, c, text, x - c.TextWidth(text) / 2, y - c.TextHeight(text) / 2);
  if (!text.isEmpty()) c.TextOut(x - c.TextWidth(text) / 2, y - c.TextHeight(text) / 2, text);
}

}  // namespace vyr
