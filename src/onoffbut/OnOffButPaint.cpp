// Painting of the on/off button: background, captions, the state picture
// with its background colour keyed out, the frame; while transparent the
// same drawn into a picture and a mask that are laid over the parent.
#include <cstdint>

#include "foundation/Frames.h"
#include "onoffbut/OnOffButPrivate.h"

namespace vyr {
namespace {

// A sample with ascenders and descenders: the height of a caption line.
const QString kLineSample = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");

}  // namespace

void TOnOffBut::DoPaint() {
  const int W = Width(), H = Height();
  const TColor back = d->Transparent ? clBlack : d->ColorBackgnd;
  TCanvas* target = &Canvas();
  TCanvas* mask = nullptr;
  if (d->Transparent) {
    if (d->Bitmap.Width() != W || d->Bitmap.Height() != H) {
      d->Bitmap.SetSize(W, H);
      d->Mask.SetSize(W, H);
    }
    target = &d->Bitmap.Canvas();
    mask = &d->Mask.Canvas();
    mask->Font = Font();
    mask->Brush = TBrush{clWhite, bsSolid};
    mask->FillRect({0, 0, W, H});
  }
  TCanvas& b = *target;
  b.CopyMode = cmSrcCopy;
  b.Font = Font();
  b.Brush = TBrush{back, bsSolid};
  b.FillRect({0, 0, W, H});
  DrawCaptions(b, mask, b.TextHeight(kLineSample));
  DrawPicture(b, mask);
  const bool fixed = d->ColorScheme == csFixed;
  DrawFrame(b, d->FrameStyle, 0, 0, W - 1, H - 1, fixed ? clWhite : clBtnHighlight, clSilver,
            fixed ? clGray : clBtnShadow, clBlack, clBlack);
  if (mask == nullptr) return;
  DrawFrame(*mask, d->FrameStyle, 0, 0, W - 1, H - 1, clBlack, clBlack, clBlack, clBlack, clBlack);
  TCanvas& out = Canvas();
  out.CopyMode = cmSrcAnd;
  out.Draw(0, 0, d->Mask);
  out.CopyMode = cmSrcPaint;
  out.Draw(0, 0, d->Bitmap);
  out.CopyMode = cmSrcCopy;
}

void TOnOffBut::DrawCaptions(TCanvas& b, TCanvas* mask, int hl) {
  const int W = Width(), LS = d->LeftSpace, TS = d->TopSpace, gw = d->GlyphWidth, gh = d->GlyphHeight;
  auto place = [&](const QString& text, TAlignment alignment, int left, int right, int centre, int y) {
    if (text.isEmpty()) return;
    const int x = alignment == taLeftJustify ? left : alignment == taRightJustify ? right : centre;
    if (Enabled()) {
      b.Font.Color = d->ColorText;
      b.TextOut(x, y, text);
    } else {
      b.Brush.Style = bsClear;
      b.Font.Color = clWhite;
      b.TextOut(x + 1, y + 1, text);
      b.Font.Color = clGray;
      b.TextOut(x, y, text);
    }
    if (mask == nullptr) return;
    mask->Brush.Style = bsClear;
    mask->Font.Color = clBlack;
    if (!Enabled()) mask->TextOut(x + 1, y + 1, text);
    mask->TextOut(x, y, text);
  };
  auto width = [&](const QString& text) { return text.isEmpty() ? 0 : b.TextWidth(text); };
  const int side = TS + (gh - hl) / 2;
  int tw = width(d->LeftText);
  place(d->LeftText, d->LeftTextAlignment, 4, LS - tw - 3, (LS - tw) / 2, side);
  tw = width(d->RightText);
  place(d->RightText, d->RightTextAlignment, LS + gw + 4, W - tw - 4, (W - tw - LS - gw) / 2 + LS + gw + 1, side);
  tw = width(d->TopText);
  place(d->TopText, d->TopTextAlignment, 4, W - tw - 4, LS + (gw - tw) / 2, TS - hl - 4);
  tw = width(d->BottomText);
  place(d->BottomText, d->BottomTextAlignment, 4, W - tw - 4, LS + (gw - tw) / 2, TS + gh + 4);
}

// The state picture unscaled at (LeftSpace + 1, TopSpace + 1); its pixels
// of the sheet's background colour take the control's background, all
// others are marked black on the mask.
void TOnOffBut::DrawPicture(TCanvas& b, TCanvas* mask) {
  const TBitmap& picture = d->States[2 * int(d->OnOff) + int(Enabled())];
  if (picture.Empty()) return;
  const QImage source = picture.ToRgb32();
  const std::uint32_t key = ColorToPixel(kSheetBackground) & 0xFFFFFF;
  const std::uint32_t back = ColorToPixel(ColorToRGB(d->Transparent ? clBlack : d->ColorBackgnd));
  const std::uint32_t ink = ColorToPixel(clBlack);
  // One pixel drawn through the canvas so that the paint counts as drawn
  // and the image's rows are taken for writing.
  b.SetPixels(0, 0, b.Pixels(0, 0));
  QImage& target = *b.Image();
  QImage* maskImage = mask != nullptr ? mask->Image() : nullptr;
  const int x0 = d->LeftSpace + 1, y0 = d->TopSpace + 1;
  for (int y = 0; y < source.height(); ++y) {
    const int ty = y0 + y;
    if (ty < 0 || ty >= target.height()) continue;
    const auto* from = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y));
    auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(ty));
    auto* maskRow = maskImage != nullptr ? reinterpret_cast<std::uint32_t*>(maskImage->scanLine(ty)) : nullptr;
    for (int x = 0; x < source.width(); ++x) {
      const int tx = x0 + x;
      if (tx < 0 || tx >= target.width()) continue;
      const bool keyed = (from[x] & 0xFFFFFF) == key;
      to[tx] = keyed ? back : from[x] | 0xFF000000u;
      if (maskRow != nullptr && !keyed) maskRow[tx] = ink;
    }
  }
}

TRect TOnOffBut::FocusFrame() const {
  return {d->LeftSpace - 1, d->TopSpace - 1, d->LeftSpace + d->GlyphWidth + 3, d->TopSpace + d->GlyphHeight + 3};
}

}  // namespace vyr
