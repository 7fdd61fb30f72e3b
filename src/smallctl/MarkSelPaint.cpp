// The mark selector's painting: the grid of marks with the selected one
// boxed, the frame, and the highlight that follows the mouse or the keys.
#include "foundation/Frames.h"
#include "foundation/Marks.h"
#include "smallctl/MarkSelPrivate.h"

namespace vyr {
namespace {

struct TMarkColors {
  TColor Fg, Bg, SelFg, SelBg;
};

}  // namespace

TRect TMarkSel::CellBox(TPoint at, int inset) const {
  const TMarkLayout l = LayOutMarks(Width(), Height(), d->NrCols, d->NrRows, d->MarkVis);
  const int h = l.DistH / 2, v = l.DistV / 2;
  // Inset 3 gives the cell's box, 4 the highlight one pixel inside it.
  return {at.X - h + inset, at.Y - v + inset, at.X + h + 6 - inset, at.Y + v + 6 - inset};
}

void TMarkSel::DrawSymbol(TCanvas& c, int mark, TPoint at) const {
  if (mark != 0 || !d->ZeroAsCross) {
    DrawMarkOnCanvas(c, mark, at.X + 2, at.Y + 2);
    return;
  }
  const TMarkLayout l = LayOutMarks(Width(), Height(), d->NrCols, d->NrRows, d->MarkVis);
  c.MoveTo(4, 4);
  c.LineTo(l.DistH + 1, l.DistV + 1);
  c.MoveTo(4, l.DistV);
  c.LineTo(l.DistH + 1, 3);
}

void TMarkSel::DoPaint() {
  TCanvas& c = Canvas();
  const TMarkColors colors = Enabled() ? TMarkColors{d->ColorFG, d->ColorBG, d->ColorSelFG, d->ColorSelBG}
                                       : TMarkColors{clGray, clSilver, clGray, 0xDEDEDE};
  const int w = Width(), h = Height();
  c.CopyMode = cmSrcCopy;
  c.Pen = TPen{colors.Bg};
  c.Brush = TBrush{colors.Bg, bsSolid};
  c.Rectangle(0, 0, w, h);
  const TMarkLayout l = LayOutMarks(w, h, d->NrCols, d->NrRows, d->MarkVis);
  for (int n = 0; n < l.Shown; ++n) {
    const int mark = l.Order[std::size_t(n)];
    const TPoint at = l.Coords[std::size_t(mark)];
    if (mark == d->Selected) {
      c.Pen.Color = colors.SelFg;
      c.Brush.Color = colors.SelBg;
      c.Rectangle(CellBox(at, 3));
    } else {
      c.Pen.Color = colors.Fg;
      c.Brush.Color = colors.Bg;
    }
    DrawSymbol(c, mark, at);
  }
  DrawFrame(c, d->FrameStyle, 0, 0, w - 1, h - 1, clWhite, clSilver, clGray, clBlack, colors.Fg);
  if (d->HiLiteShown && Enabled()) HiLite(d->LastHiLite);
  if (OnPaint) OnPaint(this);
}

// Drawn over the back canvas and shown at once, without a full paint.
void TMarkSel::HiLite(int mark) {
  d->LastHiLite = mark;
  d->HiLiteShown = true;
  const TPoint at = MarkPosition(mark);
  if (at.X < 0) return;
  TCanvas& c = Canvas();
  c.Pen = TPen{d->ColorHiLite};
  c.Brush = TBrush{d->ColorHiLite, bsSolid};
  c.Rectangle(CellBox(at, 4));
  c.Pen.Color = d->ColorHiSymb;
  DrawSymbol(c, mark, at);
  update();
}

void TMarkSel::ResetLastHiLite() {
  if (!d->HiLiteShown) return;
  d->HiLiteShown = false;
  const int mark = d->LastHiLite;
  const TPoint at = MarkPosition(mark);
  if (at.X < 0) return;
  const bool selected = mark == d->Selected;
  TCanvas& c = Canvas();
  c.Pen = TPen{selected ? d->ColorSelFG : d->ColorBG};
  c.Brush = TBrush{selected ? d->ColorSelBG : d->ColorBG, bsSolid};
  c.Rectangle(CellBox(at, 3));
  c.Pen.Color = selected ? d->ColorSelFG : d->ColorFG;
  DrawSymbol(c, mark, at);
  update();
}

}  // namespace vyr
