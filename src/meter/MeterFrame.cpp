// A meter frame from the dial layer: every step drawn (with painting
// handlers, or when the cover changed with the dial), or the needles drawn
// and the cover taken as pixels. The cover's drawing (rims, window edge, pivot
// cover, lamps, frame) writes the same colours whatever lies under it, so it
// is drawn once per look onto two plain pictures, one black and one white:
// the pixels it owns are those where the two agree. When only the needles
// moved, the back canvas still holds the last frame, and only the area of
// the old and new needles is put right.
#include <algorithm>
#include <cstring>

#include "foundation/Frames.h"
#include "meter/MeterPrivate.h"

namespace vyr {
namespace {

constexpr QRgb kDarkPaper = 0xFF000000u;
constexpr QRgb kLightPaper = 0xFFFFFFFFu;

std::uint32_t* RowOf(uchar* bits, qsizetype stride, int y) {
  return reinterpret_cast<std::uint32_t*>(bits + y * stride);
}
const std::uint32_t* RowOf(const uchar* bits, qsizetype stride, int y) {
  return reinterpret_cast<const std::uint32_t*>(bits + y * stride);
}

// Copies area (inside both pictures, which have the same size) from source.
void CopyArea(QImage& dest, const QImage& source, const TRect& area) {
  if (area.IsEmpty()) return;
  uchar* to = dest.bits();
  const uchar* from = source.constBits();
  const std::size_t bytes = std::size_t(area.Width()) * sizeof(std::uint32_t);
  for (int y = area.Top; y < area.Bottom; ++y)
    std::memcpy(RowOf(to, dest.bytesPerLine(), y) + area.Left, RowOf(from, source.bytesPerLine(), y) + area.Left,
                bytes);
}

}  // namespace

TMeter::TCoverKey TMeter::CoverKey(const TDialGeometry& dial) const {
  const TLineColors lines = LineColorsOf(d->FColorScheme);
  return {Width(),
          Height(),
          d->FRims,
          dial.CenterX,
          dial.CenterY,
          d->FMeterLayout,
          d->FAnchorCovered,
          d->FAnchorSize,
          d->FAnchorImage,
          d->FAnchorGeneration,
          d->FLimWatchHighOn,
          d->FLimWatchLowOn,
          d->FFrameStyle,
          {ColorToRGB(d->FColorCover), ColorToRGB(d->FLimWatchActColor), ColorToRGB(d->FLimWatchPsvColor),
           ColorToRGB(d->FColorBakG), ColorToRGB(lines.Gray), ColorToRGB(lines.White)}};
}

bool TMeter::CoverReady(const TDialGeometry& dial, bool dialChanged) {
  // Making the cover's pixels costs two drawings of it, which pays only
  // while it stays: a cover that changed is drawn directly until the
  // needles have moved alone over it a few times.
  constexpr int kSettledPaints = 2;
  TCoverKey key = CoverKey(dial);
  if (d->FCover.Valid && d->FCover.Key == key) return true;
  if (dialChanged || !(key == d->FCoverPending)) {
    d->FCoverPending = std::move(key);
    d->FCoverSettled = 0;
    return false;
  }
  return ++d->FCoverSettled >= kSettledPaints;
}

const QImage& TMeter::CoverPixels(const TDialGeometry& dial) {
  TCoverLayer& cover = d->FCover;
  TCoverKey key = CoverKey(dial);
  if (cover.Valid && cover.Key == key) {
    if (cover.HighLit != d->FOFL || cover.LowLit != d->FUFL) {
      // The lamps cover the same pixels lit or not; the frame is drawn
      // after them, so it goes over them again.
      TCanvas c(&cover.Pixels);
      c.Brush.Style = bsSolid;
      PaintLamps(c);
      PaintFrame(c);
      cover.HighLit = d->FOFL;
      cover.LowLit = d->FUFL;
    }
    return cover.Pixels;
  }
  auto paint = [&](QRgb paper) {
    QImage image(Width(), Height(), QImage::Format_RGB32);
    image.fill(paper);
    TCanvas c(&image);
    c.Brush.Style = bsClear;
    PaintCover(c, dial);
    PaintLamps(c);
    PaintFrame(c);
    return image;
  };
  cover.Pixels = paint(kDarkPaper);
  const QImage light = paint(kLightPaper);
  cover.Runs.clear();
  const int w = light.width(), h = light.height();
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* a = RowOf(cover.Pixels.constBits(), cover.Pixels.bytesPerLine(), y);
    const std::uint32_t* b = RowOf(light.constBits(), light.bytesPerLine(), y);
    for (int x = 0; x < w;) {
      while (x < w && a[x] != b[x]) ++x;
      const int left = x;
      while (x < w && a[x] == b[x]) ++x;
      if (left < x) cover.Runs.push_back({y, left, x});
    }
  }
  cover.Key = std::move(key);
  cover.Valid = true;
  cover.HighLit = d->FOFL;
  cover.LowLit = d->FUFL;
  ++d->FLayerGeneration;
  return cover.Pixels;
}

void TMeter::PaintEveryStep(TCanvas& c, const TDialGeometry& dial) {
  d->FFrame.Valid = false;
  c.CopyMode = cmSrcCopy;
  const QImage& layer = d->FDialLayer.Image();
  if (c.Image()->size() == layer.size() && c.Image()->format() == layer.format())
    CopyArea(*c.Image(), layer, {0, 0, layer.width(), layer.height()});
  else
    c.Draw(0, 0, d->FDialLayer);
  c.Pen = TPen{};
  c.Brush = TBrush{};
  c.Brush.Style = bsClear;
  PaintNeedles(c, dial);
  PaintCover(c, dial);
  PaintLamps(c);
  Raise(OnMeterRendered, this, c);
  PaintFrame(c);
}

void TMeter::PaintOverCover(TCanvas& c, const TDialGeometry& dial) {
  const QImage& cover = CoverPixels(dial);
  QImage& frame = *c.Image();
  TFrameState& last = d->FFrame;
  const TRect whole{0, 0, frame.width(), frame.height()};
  const bool kept = last.Valid && last.Layers == d->FLayerGeneration && last.ImageKey == frame.cacheKey() &&
                    last.Changes == c.ChangeCount();
  const TRect stale = kept ? last.NeedleBox : whole;
  CopyArea(frame, d->FDialLayer.Image(), stale);
  c.Pen = TPen{};
  c.Brush = TBrush{};
  c.Brush.Style = bsClear;
  c.CopyMode = cmSrcCopy;
  const TRect needles = PaintNeedles(c, dial).Intersected(whole);
  // The cover over everything put right or drawn on, and over the lamps,
  // which may have changed colour.
  const int w = Width(), side = d->FRims.Side, top = d->FRims.Top;
  const TRect lamps[] = {{w - side - 18, top + 8, w - side - 8, top + 18}, {side + 8, top + 8, side + 18, top + 18}};
  uchar* to = frame.bits();
  for (const TRect& area : {Spanning(stale, needles), lamps[0].Intersected(whole), lamps[1].Intersected(whole)}) {
    const std::vector<TCoverLayer::Run>& runs = d->FCover.Runs;
    auto run = std::lower_bound(runs.begin(), runs.end(), area.Top,
                                [](const TCoverLayer::Run& r, int y) { return r.Y < y; });
    for (; run != runs.end() && run->Y < area.Bottom; ++run) {
      const int left = std::max(run->Left, area.Left), right = std::min(run->Right, area.Right);
      if (left < right)
        std::memcpy(RowOf(to, frame.bytesPerLine(), run->Y) + left,
                    RowOf(cover.constBits(), cover.bytesPerLine(), run->Y) + left,
                    std::size_t(right - left) * sizeof(std::uint32_t));
    }
  }
  last = {true, d->FLayerGeneration, frame.cacheKey(), c.ChangeCount(), needles};
}

}  // namespace vyr
