// Painting of the numeric label: background, captions, the framed box and
// its text; a transparent label combines its picture with the parent's.
#include "foundation/Frames.h"
#include "labels/NumLabPrivate.h"
#include "labels/NumLabText.h"

namespace vyr {
namespace {

// The characters that reach furthest up and down decide the text row.
const QString kTallText = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");
constexpr TColor kEmbossLight = clWhite;
constexpr TColor kEmbossDark = clGray;

// A caption at x in its colour, or embossed when disabled: highlight one
// pixel right and down, grey on top.
void DrawCaption(TCanvas& c, const QString& text, int x, int y, bool enabled, TColor color) {
  c.Brush.Style = bsClear;
  if (enabled) {
    c.Font.Color = color;
  } else {
    c.Font.Color = kEmbossLight;
    c.TextOut(x + 1, y + 1, text);
    c.Font.Color = kEmbossDark;
  }
  c.TextOut(x, y, text);
}

int AlignedX(TAlignment alignment, int left, int right, int center) {
  return alignment == taLeftJustify ? left : alignment == taRightJustify ? right : center;
}

}  // namespace

QString TNumLab::FormattedText() const {
  const TNumLabFormat format{d->DisplayType, d->DecP, d->Comma, d->PlusSign, d->StateText, d->DtFormat};
  return NumLabText(format, d->LabValue).value_or(d->OverFlowIndi);
}

void TNumLab::DoPaint() {
  TCanvas* c = &Canvas();
  if (d->Transparent) {
    d->Picture.SetSize(Width(), Height());
    c = &d->Picture.Canvas();
    c->Font = Font();
  }
  const TColor background = d->Transparent ? clWhite : d->ColorOutBakG;
  c->CopyMode = cmSrcCopy;
  c->Pen = TPen{background};
  c->Brush = TBrush{background, bsSolid};
  c->Rectangle(0, 0, Width(), Height());
  const int textRow = (Height() - c->TextHeight(kTallText)) / 2;
  PaintCaptions(*c, textRow);
  PaintBox(*c, textRow);
  if (d->Transparent) Transfer();
}

void TNumLab::PaintCaptions(TCanvas& c, int y) {
  const int L = d->LeftSpace, B = d->LabWidth, W = Width();
  if (!d->LeftText.isEmpty()) {
    const int tw = c.TextWidth(d->LeftText);
    DrawCaption(c, d->LeftText, AlignedX(d->LTAlignment, 7, L - tw - 5, (L - tw) / 2), y, Enabled(),
                d->ColorOutText);
  }
  if (!d->RightText.isEmpty()) {
    const int tw = c.TextWidth(d->RightText);
    DrawCaption(c, d->RightText,
                AlignedX(d->RTAlignment, L + B + 7, W - tw - 6, (W - (L + B + tw)) / 2 + L + B + 1), y,
                Enabled(), d->ColorOutText);
  }
}

void TNumLab::PaintBox(TCanvas& c, int y) {
  const int L = d->LeftSpace, B = d->LabWidth, H = Height();
  const TLineColors lines = LineColorsOf(d->ColorScheme);
  DrawFrame(c, d->FrameStyle, L + 1, 0, L + B, H - 2, lines.White, clSilver, lines.Gray, lines.Black, lines.Black);
  const TRect inside{L + 3, 2, L + B - 1, H - 3};
  c.Brush = TBrush{d->ColorLabBakG, bsSolid};
  if (d->Empty) {
    // The box keeps its colour without text.
    d->Shown.clear();
    c.FillRect(inside);
    return;
  }
  QString text = FormattedText();
  Raise(OnBeforeDisplay, this, text);
  int tw = c.TextWidth(text);
  if (tw > B - 6 && d->DisplayType != dtState) {
    // Placed by its own width, so that it shows whatever the text was.
    text = d->OverFlowIndi;
    tw = c.TextWidth(text);
  }
  c.Font.Color = Enabled() ? d->ColorLabText : clBtnShadow;
  c.TextRect(inside, AlignedX(d->Alignment, L + 4, L + B - tw - 2, L + (B - tw) / 2 + 2), y, text);
  d->Shown = text;
}

// White under the box keeps a coloured text after the AND; a black text
// needs no white, the box colour itself will do.
void TNumLab::Transfer() {
  TCanvas& c = Canvas();
  const int L = d->LeftSpace, B = d->LabWidth, H = Height();
  const TColor under = d->ColorLabText != clBlack ? clWhite : d->ColorLabBakG;
  c.Pen = TPen{under};
  c.Brush = TBrush{under, bsSolid};
  c.Rectangle(L + 2, 2, L + B, H - 2);
  c.CopyMode = cmSrcAnd;
  c.Draw(0, 0, d->Picture);
  c.CopyMode = cmSrcCopy;
}

}  // namespace vyr
