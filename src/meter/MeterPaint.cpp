// The meter's painting, step by step: background, zone band, scale,
// caption, needles, cover, lamps, then the outer frame. Everything is drawn
// into the control's back canvas, which reaches the screen in one piece.
// The steps below the needles go to the dial layer, which later paints copy
// while it is still valid; the steps above them form the cover, which
// frames without handlers take as pixels (MeterFrame.cpp).
#include <initializer_list>

#include "foundation/Frames.h"
#include "foundation/Rounding.h"
#include "meter/MeterPrivate.h"

namespace vyr {
namespace {

// MoveTo the first point, LineTo each further one.
void Path(TCanvas& c, std::initializer_list<TPoint> points) {
  const TPoint* p = points.begin();
  c.MoveTo(p->X, p->Y);
  for (++p; p != points.end(); ++p) c.LineTo(p->X, p->Y);
}

// Top and left edges in one colour, bottom and right in the other.
void Bevel(TCanvas& c, int w, int h, TColor topLeft, TColor bottomRight) {
  c.Pen.Color = topLeft;
  Path(c, {{0, h - 1}, {0, 0}, {w - 1, 0}});
  c.Pen.Color = bottomRight;
  c.LineTo(w - 1, h - 1);
  c.LineTo(0, h - 1);
}

// A rectangle one pixel in from the bottom right, and an inner and outer
// edge pair one pixel further down and right.
void DoubleBevel(TCanvas& c, int w, int h, TColor rectangle, TColor edges) {
  c.Pen.Color = rectangle;
  DrawRectangle(c, 0, 0, w - 2, h - 2);
  c.Pen.Color = edges;
  Path(c, {{1, h - 3}, {1, 1}, {w - 2, 1}});
  Path(c, {{1, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
}

}  // namespace

TMeter::TDialLayerKey TMeter::DialLayerKey() const {
  return {Width(),
          Height(),
          {ColorToRGB(d->FColorBakG), ColorToRGB(d->FColorScale), ColorToRGB(d->FColorSclBkLow),
           ColorToRGB(d->FColorSclBkNorm), ColorToRGB(d->FColorSclBkHigh), ColorToRGB(Font().Color),
           ColorToRGB(d->FFontCaption.Color)}};
}

void TMeter::FontChanged() {
  d->FDialLayerValid = false;
  TGraphicControl::FontChanged();
}

void TMeter::DoPaint() {
  const TDialGeometry dial = Geometry();
  if (dial.Radius <= 0) return;
  const bool dialChanged = UpdateDialLayer(dial);
  TCanvas& c = Canvas();
  const QImage& layer = d->FDialLayer.Image();
  // Handlers draw between the needles and the cover, so with one assigned
  // every step runs each time.
  if (OnBeforeDrawNeedle || OnMeterRendered || c.Image()->size() != layer.size() ||
      c.Image()->format() != layer.format() || !CoverReady(dial, dialChanged))
    PaintEveryStep(c, dial);
  else
    PaintOverCover(c, dial);
}

bool TMeter::UpdateDialLayer(const TDialGeometry& dial) {
  const TDialLayerKey key = DialLayerKey();
  const bool labelHandler = bool(OnBeforeDrawScaleLabel);
  if (d->FDialLayerValid && !labelHandler && key == d->FDialLayerKey) return false;
  d->FDialLayer.SetSize(Width(), Height());
  PaintDialLayer(d->FDialLayer.Canvas(), dial);
  d->FDialLayerKey = key;
  // A label handler may change the labels from one paint to the next.
  d->FDialLayerValid = !labelHandler;
  ++d->FLayerGeneration;
  return true;
}

void TMeter::PaintLamps(TCanvas& c) {
  if (d->FLimWatchHighOn) PaintLamp(c, Width() - d->FRims.Side - 18, Width() - d->FRims.Side - 8, d->FOFL);
  if (d->FLimWatchLowOn) PaintLamp(c, d->FRims.Side + 8, d->FRims.Side + 18, d->FUFL);
}

void TMeter::PaintDialLayer(TCanvas& c, const TDialGeometry& dial) {
  c.Pen = TPen{};
  c.Brush = TBrush{};
  c.CopyMode = cmSrcCopy;
  c.Font = Font();
  PaintBackground(c);
  if (d->FScaleBkVisible) PaintZones(c, dial);
  c.Brush.Style = bsClear;
  if (d->FScaleVisible) PaintScale(c, dial);
  PaintCaption(c, dial);
}

void TMeter::PaintBackground(TCanvas& c) {
  const int w = Width(), h = Height();
  if (d->FBackGroundImg.isEmpty() || d->FBackground.Empty()) {
    c.Pen.Color = d->FColorBakG;
    c.Brush.Color = d->FColorBakG;
    c.Rectangle(0, 0, w, h);
    return;
  }
  const int bw = d->FBackground.Width(), bh = d->FBackground.Height();
  switch (d->FBkgndFillMode) {
    case bfStretch: c.StretchDraw({0, 0, w, h}, d->FBackground); break;
    case bfTile: {
      // One row of tiles first, then that row once per row of tiles: the
      // cost stays near one fill of the dial even for the smallest tile.
      TBitmap row(w, bh);
      for (int x = 0; x < w; x += bw) row.Canvas().Draw(x, 0, d->FBackground);
      for (int y = 0; y < h; y += bh) c.Draw(0, y, row);
      break;
    }
    default:
      c.Rectangle(0, 0, w, h);
      c.Draw(0, 0, d->FBackground);
      break;
  }
}

void TMeter::PaintCaption(TCanvas& c, const TDialGeometry& dial) {
  c.Font = d->FFontCaption;
  c.TextOut(dial.CenterX - c.TextWidth(d->FCaption) / 2,
            dial.CenterY - RoundHalfEven(dial.Radius / 3) - c.TextHeight(d->FCaption) / 2, d->FCaption);
}

void TMeter::PaintFrame(TCanvas& c) {
  const TLineColors lines = LineColorsOf(d->FColorScheme);
  const int w = Width(), h = Height();
  switch (d->FFrameStyle) {
    case fsSingle:
      c.Pen.Color = d->FColorBakG;
      Path(c, {{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
      break;
    case fsLowered: Bevel(c, w, h, lines.Gray, lines.White); break;
    case fsRaised: Bevel(c, w, h, lines.White, lines.Gray); break;
    case fsBump: DoubleBevel(c, w, h, lines.White, lines.Gray); break;
    case fsEtched: DoubleBevel(c, w, h, lines.Gray, lines.White); break;
    default: break;
  }
}

}  // namespace vyr
