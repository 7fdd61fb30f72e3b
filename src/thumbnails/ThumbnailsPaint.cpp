// The thumbnail strip's painting: the visible slides as the application
// asks for them (number box, scaled image or frame only, and a mark), then
// the margins and the control's frame. The focus frame goes on last.
#include "foundation/Frames.h"
#include "foundation/Marks.h"
#include "foundation/Rounding.h"
#include "thumbnails/ThumbnailsPrivate.h"

namespace vyr {
namespace {

// Where a slide's mark box starts, from the slide's top-left corner.
constexpr int kMarkLeft = 10, kMarkTop = 12;
// The number box leaves this much of the picture area free above and below.
constexpr int kNumberInset = 20;

}  // namespace

void TThumbnails::DoPaint() {
  if (!Visible() && !IsDesigning()) return;
  TCanvas& c = Canvas();
  const int w = Width(), h = Height();
  d->Clean = QImage();
  c.CopyMode = cmSrcCopy;
  c.Brush = TBrush{d->ColorBG, bsSolid};
  c.FillRect({0, 0, w, h});
  TThumbGeometry g = d->Geometry(w, h);
  if (const int columns = g.FittingColumns(); columns != d->NumHoriz) {
    d->NumHoriz = columns;
    ApplyFirstThumbIdx(d->FirstThumbIdx);
    g = d->Geometry(w, h);
  }
  d->NumVert = g.VisibleRows();
  Raise(OnFirstImageRequest, this);
  d->ImgBuffer.SetSize(0, 0);
  // Column by column, as the requests have always come.
  for (int i = 1; i <= d->NumHoriz; ++i) {
    for (int j = 1; j <= d->NumVert; ++j) {
      const long long slide = 0LL + g.FirstOfTopRow() + 1LL * (j - 1) * d->NumHoriz + i - 1;
      if (slide < d->Min || slide > d->Max) continue;
      PaintSlide(c, int(slide), int(g.ColumnLeft(i)), int(g.RowTop(j)));
    }
  }
  Raise(OnLastImageRequest, this);
  PaintMarginsAndFrame(c);
  d->Clean = c.Image()->copy();
  if (d->FocusedSlide != 0) HiLite(d->FocusedSlide);
}

void TThumbnails::PaintSlide(TCanvas& c, int slide, int x, int y) {
  TImageRequestProcessing how = irpShowEmpty;
  int mark = -1;
  TBitmap* image = &d->ImgBuffer;
  Raise(OnImageRequest, this, slide, how, mark, image);
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const int m = g.Margin, right = x + g.Extent(), bottom = y + g.Extent();
  c.CopyMode = cmSrcCopy;
  if (how != irpShowNothing) {
    const TColor background = SlideSelected(slide) ? d->ColorSelected : d->ColorCover;
    c.Pen = TPen{background};
    c.Brush = TBrush{background, bsSolid};
    c.Rectangle(x, y, right + 1, bottom + 1);
    DrawFrameOf(c, d->OuterFrameStyle, x, y, right, bottom);
    if (how == irpShowEmpty && g.Size > 2 * kNumberInset) {
      c.Pen = TPen{clBlack};
      c.Brush = TBrush{clWhite, bsSolid};
      c.Rectangle(x + m, y + m + kNumberInset, right - m, bottom - m - kNumberInset);
      c.Font = Font();
      c.Font.Color = clBlack;
      const QString number = QString::number(slide);
      c.TextOut((x + right) / 2 - c.TextWidth(number) / 2, (y + bottom) / 2 - c.TextHeight(number) / 2, number);
    } else if (how == irpShowSlide && image != nullptr && !image->Empty()) {
      PaintImage(c, *image, x, y);
    }
  }
  if (mark != -1) {
    c.Pen = TPen{d->ColorMark};
    c.Brush.Style = bsClear;
    constexpr int half = kMarkBoxSize / 2;
    DrawMarkOnCanvas(c, mark, x + kMarkLeft + half, y + kMarkTop + half);
    c.Brush.Style = bsSolid;
  }
  Raise(OnSlideRendered, this, c, x, y, slide);
}

// The image with its longer side scaled to the picture area and centred
// across the other.
void TThumbnails::PaintImage(TCanvas& c, const TBitmap& image, int x, int y) {
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const int iw = image.Width(), ih = image.Height(), b = g.Size, m = g.Margin;
  TRect target;
  if (iw < ih) {
    const int scaled = RoundHalfEven(double(iw) * b / ih);
    const int left = x + m + (b - scaled) / 2;
    target = {left, y + m, left + scaled, y + m + b};
  } else {
    const int scaled = RoundHalfEven(double(ih) * b / iw);
    const int top = y + m + (b - scaled) / 2;
    target = {x + m, top, x + m + b, top + scaled};
  }
  if (target.IsEmpty()) return;
  c.StretchMode = d->AntiAlias ? smHalftone : smNearest;
  c.StretchDraw(target, image);
  DrawFrameOf(c, d->InnerFrameStyle, target.Left, target.Top, target.Right - 1, target.Bottom - 1);
}

// Slide parts that reach into the top and bottom margins are cut off.
void TThumbnails::PaintMarginsAndFrame(TCanvas& c) {
  const int w = Width(), h = Height();
  c.Brush = TBrush{d->ColorBG, bsSolid};
  c.FillRect({0, 0, w, kMargin});
  c.FillRect({0, h - kMargin, w, h});
  DrawFrameOf(c, d->FrameStyle, 0, 0, w - 2, h - 2);
}

void TThumbnails::DrawFrameOf(TCanvas& c, TFrameStyle style, int left, int top, int right, int bottom) const {
  const TLineColors lines = LineColorsOf(d->ColorScheme);
  DrawFrame(c, style, left, top, right, bottom, lines.White, clSilver, lines.Gray, lines.Black, lines.Black);
}

}  // namespace vyr
