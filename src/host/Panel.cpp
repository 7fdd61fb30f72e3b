#include "host/Panel.h"

#include <QFontMetrics>
#include <algorithm>

namespace vyr {
namespace {

// `width` rings inside r, light on top and left, dark on bottom and right;
// r shrinks by the rings drawn.
void Frame3D(TCanvas& c, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && !r.IsEmpty(); ++i) {
    c.Pen = TPen{topLeft};
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen = TPen{bottomRight};
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left - 1, r.Bottom - 1);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
}

void Bevel(TCanvas& c, TRect& r, TPanelBevel bevel, TColor face, int width) {
  if (bevel == bvNone) return;
  if (bevel == bvSpace) return Frame3D(c, r, face, face, width);
  const bool raised = bevel == bvRaised;
  Frame3D(c, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}

}  // namespace

struct TCustomPanel::Private {
  QString Caption;
  TAlignment Alignment = taCenter;
  TPanelBevel BevelInner = bvNone;
  TPanelBevel BevelOuter = bvRaised;
  int BevelWidth = 1;
  int BorderWidth = 0;
  bool ParentBackground = true;
  bool ShowCaption = true;
};

TCustomPanel::TCustomPanel(QWidget* AOwner) : TCustomControl(AOwner), d(std::make_unique<Private>()) {
  setFocusPolicy(Qt::NoFocus);
  resize(185, 41);
}

TCustomPanel::~TCustomPanel() = default;

QString TCustomPanel::Caption() const { return d->Caption; }
TAlignment TCustomPanel::Alignment() const { return d->Alignment; }
TPanelBevel TCustomPanel::BevelInner() const { return d->BevelInner; }
TPanelBevel TCustomPanel::BevelOuter() const { return d->BevelOuter; }
int TCustomPanel::BevelWidth() const { return d->BevelWidth; }
int TCustomPanel::BevelBorderWidth() const { return d->BorderWidth; }
bool TCustomPanel::ParentBackground() const { return d->ParentBackground; }
bool TCustomPanel::ShowCaption() const { return d->ShowCaption; }

template <typename T>
static bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

void TCustomPanel::SetCaption(const QString& value) {
  if (Store(d->Caption, value)) Paint();
}
void TCustomPanel::SetAlignment(TAlignment value) {
  if (Store(d->Alignment, value)) Paint();
}
void TCustomPanel::SetAlignmentOrdinal(int value) { SetAlignment(TAlignment(std::clamp(value, 0, 2))); }
void TCustomPanel::SetBevelInner(TPanelBevel value) {
  if (Store(d->BevelInner, value)) Paint();
}
void TCustomPanel::SetBevelInnerOrdinal(int value) { SetBevelInner(TPanelBevel(std::clamp(value, 0, 3))); }
void TCustomPanel::SetBevelOuter(TPanelBevel value) {
  if (Store(d->BevelOuter, value)) Paint();
}
void TCustomPanel::SetBevelOuterOrdinal(int value) { SetBevelOuter(TPanelBevel(std::clamp(value, 0, 3))); }
void TCustomPanel::SetBevelWidth(int value) {
  if (Store(d->BevelWidth, std::clamp(value, 1, kMaxBevelWidth))) Paint();
}
void TCustomPanel::SetBevelBorderWidth(int value) {
  if (Store(d->BorderWidth, std::clamp(value, 0, kMaxBevelWidth))) Paint();
}
void TCustomPanel::SetParentBackground(bool value) {
  if (Store(d->ParentBackground, value)) Paint();
}
void TCustomPanel::SetShowCaption(bool value) {
  if (Store(d->ShowCaption, value)) Paint();
}

void TCustomPanel::SetColor(TColor color) {
  if (color == Color()) return;
  TCustomControl::SetColor(color);
  Paint();
}

void TCustomPanel::SetFont(const TFont& font) {
  if (font == Font()) return;
  TCustomControl::SetFont(font);
}

TRect TCustomPanel::FaceRect() const {
  const TRect client = ClientRect();
  int inset = d->BorderWidth;
  if (d->BevelOuter != bvNone) inset += d->BevelWidth;
  if (d->BevelInner != bvNone) inset += d->BevelWidth;
  TRect r{inset, inset, client.Width() - inset, client.Height() - inset};
  return r.IsEmpty() ? TRect{} : r;
}

// The parent's colour when it is one of ours, else the parent's window
// colour as Qt paints it.
TColor TCustomPanel::FaceColor() const {
  if (!d->ParentBackground) return Color();
  if (auto* parent = qobject_cast<const TControl*>(parentWidget())) return parent->Color();
  if (parentWidget()) return FromQColor(parentWidget()->palette().color(QPalette::Window));
  return Color();
}

void TCustomPanel::DoPaint() {
  TCanvas& c = Canvas();
  const TColor face = FaceColor();
  TRect r{0, 0, ClientRect().Width(), ClientRect().Height()};
  Bevel(c, r, d->BevelOuter, face, d->BevelWidth);
  Frame3D(c, r, face, face, d->BorderWidth);
  Bevel(c, r, d->BevelInner, face, d->BevelWidth);
  c.Brush = TBrush{face, bsSolid};
  c.FillRect(r);
  if (d->ShowCaption && !d->Caption.isEmpty()) DrawCaption(c, r);
}

void TCustomPanel::DrawCaption(TCanvas& c, const TRect& face) {
  c.Font = Font();
  c.Brush.Style = bsClear;
  const int w = c.TextWidth(d->Caption), h = c.TextHeight(d->Caption);
  int x = face.Left + (face.Width() - w) / 2;
  if (d->Alignment == taLeftJustify) x = face.Left + 1;
  if (d->Alignment == taRightJustify) x = face.Right - 1 - w;
  const int y = face.Top + (face.Height() - h) / 2;
  if (!Enabled()) {
    c.Font.Color = clBtnHighlight;
    c.TextRect(face, x + 1, y + 1, d->Caption);
    c.Font.Color = clBtnShadow;
  }
  c.TextRect(face, x, y, d->Caption);
}

QSize TCustomPanel::sizeHint() const {
  const QFontMetrics fm(Font().ToQFont());
  const int inset = 2 * (d->BorderWidth + 2 * d->BevelWidth);
  return QSize(std::max(185, fm.horizontalAdvance(d->Caption) + inset + 8), std::max(41, fm.height() + inset + 4));
}

QSize TCustomPanel::minimumSizeHint() const {
  const int inset = 2 * (d->BorderWidth + 2 * d->BevelWidth);
  return QSize(inset + 4, inset + 4);
}

}  // namespace vyr
