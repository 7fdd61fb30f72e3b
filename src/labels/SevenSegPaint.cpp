// The seven-segment display's glyph cache and painting: glyphs are composed
// at full size and shrunk into the cache by the first paint after a setting
// or the size changed; otherwise a paint only copies cache cells.
#include <algorithm>

#include "labels/SevenSegPrivate.h"

namespace vyr {

int TSevenSeg::CellWidth() const {
  return (Width() - 2 * d->FMargin) / d->FNumDigits - d->FInterDigDist;
}

const TBitmap& TSevenSeg::CreateDigit(QChar ch, bool withDot) {
  ComposeGlyph(d->FDigImg, d->FPictures, ch, withDot, ColorToRGB(d->FColorBakG));
  return d->FDigImg;
}

TColor TSevenSeg::ColorizeSegments(TColor color) {
  return d->FPictureColor = vyr::ColorizeSegments(d->FPictures, color);
}

void TSevenSeg::CreateImageCache() {
  ++d->FCacheBuilds;
  d->FCacheStale = false;
  d->FSeenWidth = Width();
  d->FSeenHeight = Height();
  const int cell = CellWidth();
  const int height = Height() - 2 * d->FMargin;
  // A cell that does not fit is neither cached nor drawn.
  if (cell <= 0 || height <= 0) {
    d->FCacheCellWidth = d->FCacheCellHeight = 0;
    d->FImgCache.SetSize(0, 0);
    return;
  }
  // Larger cells would only enlarge the composed glyph; Paint does that.
  const int cw = std::min(cell, kGlyphWidth), ch = std::min(height, kGlyphHeight);
  d->FCacheCellWidth = cw;
  d->FCacheCellHeight = ch;
  d->FImgCache.SetSize(cw * kCacheCells, ch);
  TCanvas& cache = d->FImgCache.Canvas();
  cache.CopyMode = cmSrcCopy;
  cache.Brush.Color = d->FColorBakG;
  cache.Brush.Style = bsSolid;
  cache.FillRect({0, 0, cw * kCacheCells, ch});
  if (d->FPictureColor != ColorToRGB(d->FColorTxt)) ColorizeSegments(d->FColorTxt);
  cache.StretchMode = smHalftone;
  for (int k = 0; k < kCacheCells; ++k) {
    const TBitmap& glyph = CreateDigit(CacheCharacters()[k], false);
    cache.StretchDraw({k * cw, 0, (k + 1) * cw, ch}, glyph);
  }
}

void TSevenSeg::ProcessResize() {
  if (d->FCacheStale || Width() != d->FSeenWidth || Height() != d->FSeenHeight) CreateImageCache();
}

void TSevenSeg::Resize() {
  TGraphicControl::Resize();
  if (!IsLoading()) Paint();
}

void TSevenSeg::DoPaint() {
  if (!IsLoading()) ProcessResize();
  const int W = Width(), H = Height(), M = d->FMargin;
  TCanvas& c = Canvas();
  c.CopyMode = cmSrcCopy;
  c.Pen.Color = d->FColorBakG;
  c.Brush.Color = d->FColorBakG;
  c.Brush.Style = bsSolid;
  c.Rectangle(0, 0, W, H);
  const int cell = CellWidth(), height = H - 2 * M;
  const int cw = d->FCacheCellWidth, ch = d->FCacheCellHeight;
  if (cell > 0 && height > 0 && cw > 0 && ch > 0) {
    const TCanvas& cache = d->FImgCache.Canvas();
    // Cells larger than the cache's are enlarged with smoothing.
    c.StretchMode = smHalftone;
    int x = M;
    for (const TDigitPosition& p : DigitPositions(d->FCaption, d->FNumDigits)) {
      if (p.Cell >= 0) c.CopyRect({x, M, x + cell, H - M}, cache, {p.Cell * cw, 0, (p.Cell + 1) * cw, ch});
      if (p.Dot)
        c.CopyRect({x + cell * 5 / 6, height * 5 / 6 + M, x + cell, H - M}, cache,
                   {cw * 5 / 6 + cw * (kCacheCells - 1), ch * 5 / 6, cw * kCacheCells, ch});
      x += cell + d->FInterDigDist;
    }
  }
  DrawFrame(c, d->FFrameStyle, 0, 0, W - 1, H - 1, d->FLines.White, clSilver, d->FLines.Gray, d->FLines.Black,
            d->FLines.Black);
}

}  // namespace vyr
