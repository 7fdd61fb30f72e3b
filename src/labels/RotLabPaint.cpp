// Painting of the rotated label: background, the caption turned about its
// anchor, and the frame.
#include "foundation/Frames.h"
#include "labels/RotLabPrivate.h"

namespace vyr {

TFont TRotLab::RotatedFont() const {
  TFont font = Font();
  font.Escapement = d->TextAngle % 360 * 10;
  font.Orientation = font.Escapement;
  font.Quality = d->AntiAlias ? fqAntialiased : fqNonAntialiased;
  return font;
}

void TRotLab::DoPaint() {
  TCanvas& c = Canvas();
  c.CopyMode = cmSrcCopy;
  if (!d->Transparent) {
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect({0, 0, Width(), Height()});
  } else {
    // The parent's picture is laid down already; touching one pixel of it
    // counts the paint as drawn, so that a label without caption or frame
    // does not keep its previous picture.
    c.SetPixels(0, 0, c.Pixels(0, 0));
  }
  DrawText(c);
  DrawFrame(c, d->FrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray, clBlack, clBlack);
}

void TRotLab::DrawText(TCanvas& c) {
  if (d->Caption.isEmpty()) return;
  c.Font = RotatedFont();
  c.Brush.Style = bsClear;
  const TPoint offset = TextOffset(d->Alignment, c.TextWidth(d->Caption), c.TextHeight(d->Caption), d->TextAngle);
  const int x = d->TextPosX + offset.X, y = d->TextPosY + offset.Y;
  if (!Enabled()) {
    c.Font.Color = clBtnHighlight;
    c.TextOut(x + 1, y + 1, d->Caption);
    c.Font.Color = clBtnShadow;
  }
  c.TextOut(x, y, d->Caption);
}

}  // namespace vyr
