// The meter's needles: the secondary one first while it is visible, then the
// primary one on top unless an OnBeforeDrawNeedle handler drew a needle of
// its own. The primary needle's Visible only decides whether its value
// writes raise events and alarms; the needle itself is always drawn.
#include <algorithm>

#include "meter/MeterNeedle.h"
#include "foundation/Rounding.h"
#include "meter/MeterPrivate.h"

namespace vyr {

void TMeter::PaintNeedles(TCanvas& c, const TDialGeometry& dial) {
  if (d->FNeedleSec.Visible()) PaintNeedle(c, dial, d->FNeedleSec, d->FValueSec);
  bool needleDrawn = false;
  Raise(OnBeforeDrawNeedle, this, c, needleDrawn);
  if (!needleDrawn) PaintNeedle(c, dial, d->FNeedle, d->FValue);
}

void TMeter::PaintNeedle(TCanvas& c, const TDialGeometry& dial, const TNeedleLayout& layout, double value) {
  c.Brush.Style = bsSolid;
  const TNeedlePolygon needle = NeedlePolygon(layout, DrawingAngle(dial, Range(), value), dial);
  if (layout.ShadowDx() != 0 || layout.ShadowDy() != 0) {
    TNeedlePolygon shadow = needle;
    for (TPoint& p : shadow) {
      p.X = RoundHalfEven(double(p.X) - layout.ShadowDx());
      p.Y = RoundHalfEven(double(p.Y) - layout.ShadowDy());
    }
    c.Pen.Color = layout.ShadowColor();
    c.Brush.Color = layout.ShadowColor();
    c.Polygon(shadow);
  }
  c.Pen.Color = layout.ColorOutline();
  c.Brush.Color = layout.ColorBody();
  c.Polygon(needle);
}

}  // namespace vyr
