// TNumIO2's picture: drawn into an off-screen bitmap of the control's size
// in a fixed order (background, captions, spin buttons, gauge, text box,
// buffer text, caret, inverted selection), then copied onto the control in
// one step so that the field never flickers while the caret blinks.
#include <cmath>

#include "foundation/Rounding.h"
#include "host/Bitmap.h"
#include "numio/NumIOSteps.h"
#include "numio/NumIO2Private.h"

namespace vyr {
namespace {

// A sample with the tallest and deepest glyphs; its height sets the text row.
const QString kSampleText = QStringLiteral(u"(8g]}ÜÄ§");

constexpr TColor kDisabledBox = clSilver;

void SetPen(TCanvas& c, TColor color) { c.Pen = {color, 1, psSolid, pmCopy}; }
void SetBrush(TCanvas& c, TColor color) { c.Brush = {color, bsSolid}; }

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

void Polyline3(TCanvas& c, int x0, int y0, int x1, int y1, int x2, int y2) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
  c.LineTo(x2, y2);
}

// A caption at (x, y): in textColor on the background when enabled; else
// engraved, white one pixel right and down under gray at the place itself.
void DrawCaption(TCanvas& c, int x, int y, const QString& text, bool enabled, TColor textColor, TColor background) {
  if (enabled) {
    SetBrush(c, background);
    c.Font.Color = textColor;
    c.TextOut(x, y, text);
    return;
  }
  c.Brush.Style = bsClear;
  c.Font.Color = clWhite;
  c.TextOut(x + 1, y + 1, text);
  c.Font.Color = clGray;
  c.TextOut(x, y, text);
}

// The two corner lines that give styles 2 to 5 their depth, for the
// rectangle (left, top, right, bottom) already outlined: an inner line down
// the left and along the top, an outer line along the bottom and up the right.
void DrawBevel(TCanvas& c, TFrameStyle style, const TRect& r, TColor black, TColor gray, TColor white) {
  TColor topLeft, bottomRight;
  switch (style) {
    case fsLowered: topLeft = black, bottomRight = white; break;
    case fsRaised: topLeft = white, bottomRight = black; break;
    case fsBump: topLeft = gray, bottomRight = gray; break;
    case fsEtched: topLeft = white, bottomRight = white; break;
    default: return;
  }
  SetPen(c, topLeft);
  Polyline3(c, r.Left + 1, r.Bottom - 2, r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 1);
  SetPen(c, bottomRight);
  Polyline3(c, r.Left + 1, r.Bottom, r.Right, r.Bottom, r.Right, r.Top);
}

}  // namespace

bool TNumIO2::PaintAllowed() const { return !d->FSuppressPaint && !IsLoading() && (Visible() || IsDesigning()); }

void TNumIO2::ApplyAutoSize() {
  if (!d->FAutoSize) return;
  const int height = MeasureCanvas().TextHeight(QStringLiteral("E0")) + 6;
  if (height != Height()) TCustomControl::SetBounds(Left(), Top(), Width(), height);
}

void TNumIO2::DoPaint() {
  if (!PaintAllowed()) return;
  // The height is settled first so that every row below follows from it.
  ApplyAutoSize();
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  const int D = GaugeBand();
  const int textTop = (H - D - MeasureCanvas().TextHeight(kSampleText)) / 2;
  const bool outOfRange = OutOfRange();

  d->FPaintBitmap.SetSize(W, H);
  TCanvas& c = d->FPaintBitmap.Canvas();
  c.CopyMode = cmSrcCopy;
  c.Font = Font();
  SetPen(c, d->FColorOutBG);
  SetBrush(c, d->FColorOutBG);
  c.Rectangle(0, 0, W, H);
  PaintCaptions(c, textTop);
  if (d->FButVisible) PaintSpinButtons(c);
  if (d->FGaugeVisib) PaintGauge(c);
  PaintTextBox(c, outOfRange);
  PaintBuffer(c, textTop, outOfRange);
  PaintSelection(c);

  TCanvas& target = Canvas();
  target.CopyMode = cmSrcCopy;
  target.Draw(0, 0, d->FPaintBitmap);
}

void TNumIO2::PaintCaptions(TCanvas& c, int textTop) const {
  const int L = d->FLeftSpace;
  int tw = c.TextWidth(d->FLeftText);
  int x = d->FLTAlignment == taLeftJustify ? 7 : d->FLTAlignment == taRightJustify ? L - tw - 5 : (L - tw) / 2;
  DrawCaption(c, x, textTop, d->FLeftText, d->FEnabled, d->FColorOutText, d->FColorOutBG);

  const int W = Width();
  const int used = L + (d->FButVisible ? d->FButWidth + d->FButSpace : 0) + d->FTextBoxWidth;
  tw = c.TextWidth(d->FRightText);
  x = d->FRTAlignment == taLeftJustify    ? used + 7
      : d->FRTAlignment == taRightJustify ? W - tw - 6
                                          : (W - (used + tw)) / 2 + used + 1;
  DrawCaption(c, x, textTop, d->FRightText, d->FEnabled, d->FColorOutText, d->FColorOutBG);
}

void TNumIO2::PaintSpinButtons(TCanvas& c) const {
  const int bx = ButtonLeft(), bw = d->FButWidth, h = d->FButHeight / 2, cx = bx + bw / 2;
  SetPen(c, clGray);
  SetBrush(c, d->FButColor);
  c.Rectangle(bx, 0, bx + bw + 1, 2 * h - 1);
  Line(c, bx, h - 1, bx + bw, h - 1);
  if (d->FBut3D) {
    SetPen(c, clWhite);
    Polyline3(c, bx + 1, 2 * h - 3, bx + 1, h, bx + bw, h);
    Polyline3(c, bx + 1, h - 2, bx + 1, 1, bx + bw, 1);
    SetPen(c, clBlack);
    Polyline3(c, bx + 1, 2 * h - 1, bx + bw + 1, 2 * h - 1, bx + bw + 1, 1);
  }
  SetPen(c, d->FEnabled ? clBlack : clGray);
  // Each arrow is three rows of 2, 4 and 6 pixels.
  const int up = h / 2 - 1, down = h + h / 2 - 2;
  Line(c, cx, up, cx + 2, up);
  Line(c, cx - 1, up + 1, cx + 3, up + 1);
  Line(c, cx - 2, up + 2, cx + 4, up + 2);
  Line(c, cx - 2, down, cx + 4, down);
  Line(c, cx - 1, down + 1, cx + 3, down + 1);
  Line(c, cx, down + 2, cx + 2, down + 2);
}

void TNumIO2::PaintGauge(TCanvas& c) const {
  const int top = Height() - GaugeBand() + d->FGaugeTopMarg;
  const TRect gauge{d->FGaugeLeftMarg, top, d->FGaugeLeftMarg + d->FGaugeWidth, top + d->FGaugeHeight};
  const bool framed = d->FGaugeFrameSt != fsNone;
  SetPen(c, framed ? d->FGaugeColorFrm : d->FGaugeColorBg);
  SetBrush(c, d->FGaugeColorBg);
  c.Rectangle(gauge);

  const TColor bar = d->FEnabled ? d->FGaugeColor : clGray;
  SetPen(c, bar);
  SetBrush(c, bar);
  const double fraction = GaugeFraction(Value(), d->FMinimum, d->FMaximum);
  const int barWidth = RoundHalfEven(d->FGaugeWidth * fraction);
  c.Rectangle(gauge.Left, gauge.Top, gauge.Left + barWidth, gauge.Bottom);

  if (!framed) return;
  SetPen(c, d->FGaugeFrameSt == fsSingle ? d->FGaugeColorFrm
            : d->FGaugeFrameSt == fsBump ? d->FLines.White
                                         : d->FLines.Gray);
  c.Brush.Style = bsClear;
  c.Rectangle(gauge);
  DrawBevel(c, d->FGaugeFrameSt, gauge, d->FLines.Black, d->FLines.Gray, d->FLines.White);
}

void TNumIO2::PaintTextBox(TCanvas& c, bool outOfRange) const {
  const int L = d->FLeftSpace, T = d->FTextBoxWidth, bottom = Height() - GaugeBand();
  TColor pen = d->FFrameStyle == fsNone ? (d->FEnabled ? d->FColorBoxBG : kDisabledBox)
               : d->FFrameStyle == fsBump ? d->FLines.White
                                       : d->FLines.Gray;
  TColor brush = d->FColorBoxBG;
  if (outOfRange) {
    brush = d->FColorWarnBG;
    if (d->FFrameStyle == fsNone && d->FEnabled) pen = d->FColorWarnBG;
  }
  if (!d->FEnabled) brush = kDisabledBox;
  SetPen(c, pen);
  SetBrush(c, brush);
  if (d->FFrameStyle <= fsSingle) {
    c.Rectangle(L, 0, L + T + 2, bottom);
    return;
  }
  const TRect box{L, 0, L + T + 2, bottom - 1};
  c.Rectangle(box);
  DrawBevel(c, d->FFrameStyle, box, d->FLines.Black, d->FLines.Gray, d->FLines.White);
}

void TNumIO2::PaintBuffer(TCanvas& c, int textTop, bool outOfRange) const {
  const int L = d->FLeftSpace, T = d->FTextBoxWidth, bottom = Height() - GaugeBand();
  const int tb = c.TextWidth(d->FInBuffer), tc = c.TextWidth(d->FInBuffer.left(d->FCaretPos));
  const int x = TextLeft(tb);
  c.Font.Color = !d->FEnabled ? clGray : outOfRange ? d->FColorWarnTxt : d->FColorBoxText;
  c.TextRect({L + 3, 2, L + T - 1, bottom - 3}, x, textTop, d->FInBuffer);
  // The caret stands one pixel left of the next character.
  const int caret = x + tc - 1 - L;
  if (d->FCaretVisib && caret > 0 && caret < T) {
    SetPen(c, clBlack);
    Line(c, L + caret, 3, L + caret, bottom - 3);
  }
}

void TNumIO2::PaintSelection(TCanvas& c) {
  if (d->FSelBegin >= d->FSelEnd || (!Focused() && d->FHideSel)) return;
  const int L = d->FLeftSpace, T = d->FTextBoxWidth;
  const int x1 = std::clamp(CharPosToXCoords(d->FSelBegin), L, L + T);
  const int x2 = std::clamp(CharPosToXCoords(d->FSelEnd), L, L + T);
  const TRect r{x1, 3, x2, Height() - GaugeBand() - 3};
  c.CopyMode = cmNotSrcCopy;
  c.CopyRect(r, c, r);
  c.CopyMode = cmSrcCopy;
}

}  // namespace vyr
