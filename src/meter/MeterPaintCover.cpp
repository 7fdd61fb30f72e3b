// The meter's cover: the rim bands, the window edge, the pivot cover (a
// picture, a full disc or a half disc on a post) and the alarm lamps.
#include "meter/MeterPrivate.h"

namespace vyr {

void TMeter::PaintWindowEdge(TCanvas& c) {
  const int w = Width(), h = Height();
  c.Pen.Color = clWhite;
  c.MoveTo(d->FRims.Side - 1, h - d->FRims.Bottom);
  c.LineTo(w - d->FRims.Side, h - d->FRims.Bottom);
  c.LineTo(w - d->FRims.Side, d->FRims.Top);
  c.Pen.Color = clGray;
  c.LineTo(d->FRims.Side - 1, d->FRims.Top);
  c.LineTo(d->FRims.Side - 1, h - d->FRims.Bottom);
}

void TMeter::PaintCover(TCanvas& c, const TDialGeometry& dial) {
  const int w = Width(), h = Height(), side = d->FRims.Side, top = d->FRims.Top, bottom = h - d->FRims.Bottom;
  const int cx = dial.CenterX, cy = dial.CenterY, a = d->FAnchorSize;
  // Solid in any case: a needle handler may have left the brush clear.
  c.Brush.Style = bsSolid;
  c.Pen.Color = d->FColorCover;
  c.Brush.Color = d->FColorCover;
  c.Rectangle(0, 0, side - 1, h);
  c.Rectangle(0, 0, w, top);
  c.Rectangle(w - side, 0, w, h);
  c.Rectangle(0, bottom, w, h);
  if (!d->FAnchorCovered) {
    PaintWindowEdge(c);
    return;
  }
  if (!d->FAnchorImage.isEmpty()) {
    PaintWindowEdge(c);
    const int left = cx - d->FAnchorFace.Width() / 2, upper = cy - d->FAnchorFace.Height() / 2;
    const TRect box{left, upper, left + d->FAnchorFace.Width(), upper + d->FAnchorFace.Height()};
    c.CopyMode = cmSrcAnd;
    c.StretchDraw(box, d->FAnchorMask);
    c.CopyMode = cmSrcPaint;
    c.StretchDraw(box, d->FAnchorFace);
    c.CopyMode = cmSrcCopy;
    return;
  }
  if (d->FMeterLayout == mlCirc270 || d->FMeterLayout == mlCirc300 || d->FMeterLayout == mlCirc360) {
    // A full disc, lit from the upper left.
    c.Ellipse(cx - a, cy - a, cx + a, cy + a);
    PaintWindowEdge(c);
    c.Pen.Color = clWhite;
    c.Arc(cx - a, cy - a, cx + a, cy + a, cx + a, cy - a, cx - a, cy + a);
    c.Pen.Color = clGray;
    c.Arc(cx - a, cy - a, cx + a, cy + a, cx - a, cy + a, cx + a, cy - a);
    return;
  }
  // A half disc on a post down to the bottom band; the post's edges join
  // the window edge.
  c.Pie(cx - a, cy - a, cx + a, cy + a, w, cy, 0, cy);
  c.Rectangle(cx - a, bottom, cx + a, cy);
  c.Pen.Color = clGray;
  c.MoveTo(cx + a - 1, cy);
  c.LineTo(cx + a - 1, bottom);
  c.Pen.Color = clWhite;
  c.LineTo(w - side, bottom);
  c.LineTo(w - side, top);
  c.Pen.Color = clGray;
  c.LineTo(side - 1, top);
  c.LineTo(side - 1, bottom);
  c.Pen.Color = clWhite;
  c.LineTo(cx - a, bottom);
  c.LineTo(cx - a, cy - 1);
  c.Arc(cx - a, cy - a, cx + a, cy + a, w, cy, 0, cy);
  c.Pen.Color = clGray;
  c.Arc(cx - a, cy - a, cx + a, cy + a, cx + a, cy, cx + a, cy - a);
}

void TMeter::PaintLamp(TCanvas& c, int x0, int x1, bool active) {
  const int y0 = d->FRims.Top + 8, y1 = d->FRims.Top + 18;
  c.Brush.Color = active ? d->FLimWatchActColor : d->FLimWatchPsvColor;
  c.Pen.Color = clBlack;
  c.Rectangle(x0, y1, x1, y0);
  c.Pen.Color = clWhite;
  c.MoveTo(x0 + 1, y1 - 1);
  c.LineTo(x1 - 1, y1 - 1);
  c.LineTo(x1 - 1, y0);
  c.Pen.Color = clSilver;
  c.MoveTo(x0 + 2, y1 - 2);
  c.LineTo(x1 - 2, y1 - 2);
  c.LineTo(x1 - 2, y0 + 1);
  c.Pen.Color = clGray;
  c.MoveTo(x0 + 1, y1 - 2);
  c.LineTo(x0 + 1, y0 + 1);
  c.LineTo(x1 - 1, y0 + 1);
}

}  // namespace vyr
