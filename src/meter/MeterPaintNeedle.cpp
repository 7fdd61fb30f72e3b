// The meter's needles: the secondary one first while it is visible, then the
// primary one on top unless an OnBeforeDrawNeedle handler drew a needle of
// its own. The primary needle's Visible only decides whether its value
// writes raise events and alarms; the needle itself is always drawn. Each
// returns the rectangle it drew in.
#include <algorithm>

#include "meter/MeterNeedle.h"
#include "foundation/Rounding.h"
#include "meter/MeterPrivate.h"

namespace vyr {
namespace {

// The pixels a one-pixel outlined polygon can touch.
TRect Enclosing(const TNeedlePolygon& polygon) {
  long long left = polygon[0].X, top = polygon[0].Y, right = left, bottom = top;
  for (const TPoint& p : polygon) {
    left = std::min<long long>(left, p.X);
    top = std::min<long long>(top, p.Y);
    right = std::max<long long>(right, p.X);
    bottom = std::max<long long>(bottom, p.Y);
  }
  return {TRect::Saturate(left), TRect::Saturate(top), TRect::Saturate(right + 1), TRect::Saturate(bottom + 1)};
}

}  // namespace

TRect TMeter::PaintNeedles(TCanvas& c, const TDialGeometry& dial) {
  TRect drawn;
  if (d->FNeedleSec.Visible()) drawn = PaintNeedle(c, dial, d->FNeedleSec, d->FValueSec);
  bool needleDrawn = false;
  Raise(OnBeforeDrawNeedle, this, c, needleDrawn);
  if (!needleDrawn) drawn = Spanning(drawn, PaintNeedle(c, dial, d->FNeedle, d->FValue));
  return drawn;
}

TRect TMeter::PaintNeedle(TCanvas& c, const TDialGeometry& dial, const TNeedleLayout& layout, double value) {
  c.Brush.Style = bsSolid;
  const TNeedlePolygon needle = NeedlePolygon(layout, DrawingAngle(dial, Range(), value), dial);
  TRect drawn = Enclosing(needle);
  if (layout.ShadowDx() != 0 || layout.ShadowDy() != 0) {
    TNeedlePolygon shadow = needle;
    for (TPoint& p : shadow) {
      p.X = RoundHalfEven(double(p.X) - layout.ShadowDx());
      p.Y = RoundHalfEven(double(p.Y) - layout.ShadowDy());
    }
    c.Pen.Color = layout.ShadowColor();
    c.Brush.Color = layout.ShadowColor();
    c.Polygon(shadow);
    drawn = Spanning(drawn, Enclosing(shadow));
  }
  c.Pen.Color = layout.ColorOutline();
  c.Brush.Color = layout.ColorBody();
  c.Polygon(needle);
  return drawn;
}

}  // namespace vyr
