#include "host/SpeedButton.h"

#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"

namespace vyr {
namespace {

// The face while the pointer is over an enabled button: halfway to white.
TColor Lightened(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return RGB((GetRValue(rgb) + 255) / 2, (GetGValue(rgb) + 255) / 2, (GetBValue(rgb) + 255) / 2);
}

TMouseButton QtButton(Qt::MouseButton b) {
  if (b == Qt::RightButton) return mbRight;
  if (b == Qt::MiddleButton) return mbMiddle;
  return mbLeft;
}

}  // namespace

struct TSpeedButton::Private {
  QString Caption;
  QImage Glyph;
  bool Flat = false;
  int GroupIndex = 0;
  bool AllowAllUp = false;
  bool Down = false;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  TButtonState State = bsUp;
  bool Dragging = false;  // a left press is held
  bool MouseInControl = false;
};

TSpeedButton::TSpeedButton(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  resize(23, 22);
}

TSpeedButton::~TSpeedButton() = default;

QString TSpeedButton::Caption() const { return d->Caption; }
bool TSpeedButton::Flat() const { return d->Flat; }
int TSpeedButton::GroupIndex() const { return d->GroupIndex; }
bool TSpeedButton::AllowAllUp() const { return d->AllowAllUp; }
bool TSpeedButton::Down() const { return d->Down; }
TButtonLayout TSpeedButton::Layout() const { return d->Layout; }
int TSpeedButton::Margin() const { return d->Margin; }
int TSpeedButton::Spacing() const { return d->Spacing; }
QImage TSpeedButton::Glyph() const { return d->Glyph; }
TButtonState TSpeedButton::State() const { return d->State; }
bool TSpeedButton::MouseInControl() const { return d->MouseInControl; }
bool TSpeedButton::Pressing() const { return d->Dragging; }

void TSpeedButton::SetCaption(const QString& value) {
  if (value == d->Caption) return;
  d->Caption = value;
  updateGeometry();
  Paint();
}

void TSpeedButton::SetFlat(bool value) {
  if (value == d->Flat) return;
  d->Flat = value;
  Paint();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (value == d->GroupIndex) return;
  d->GroupIndex = value;
  if (value == 0) {
    d->Down = false;
    SetState(bsUp);
  } else if (d->Down) {
    ReleaseGroup();
  }
}

void TSpeedButton::SetAllowAllUp(bool value) {
  d->AllowAllUp = value;
  if (d->GroupIndex == 0) return;
  for (auto* b : parentWidget() ? parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly)
                                : QList<TSpeedButton*>{})
    if (b != this && b->d->GroupIndex == d->GroupIndex) b->d->AllowAllUp = value;
}

void TSpeedButton::SetDown(bool value) {
  if (d->GroupIndex == 0) value = false;
  if (value == d->Down) return;
  if (d->Down && !d->AllowAllUp) return;
  d->Down = value;
  if (value) ReleaseGroup();
  SetState(value ? bsExclusive : bsUp);
}

// Only buttons of the same parent belong to a group.
void TSpeedButton::ReleaseGroup() {
  if (!parentWidget() || d->GroupIndex == 0) return;
  for (auto* b : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly)) {
    if (b == this || b->d->GroupIndex != d->GroupIndex || !b->d->Down) continue;
    b->d->Down = false;
    b->SetState(bsUp);
  }
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (value == d->Layout) return;
  d->Layout = value;
  Paint();
}

void TSpeedButton::SetLayoutOrdinal(int value) { SetLayout(TButtonLayout(std::clamp(value, 0, 3))); }

void TSpeedButton::SetMargin(int value) {
  value = std::max(value, -1);
  if (value == d->Margin) return;
  d->Margin = value;
  Paint();
}

void TSpeedButton::SetSpacing(int value) {
  value = std::max(value, 0);
  if (value == d->Spacing) return;
  d->Spacing = value;
  Paint();
}

void TSpeedButton::SetGlyph(const QImage& value) {
  d->Glyph = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
  updateGeometry();
  Paint();
}

void TSpeedButton::SetFont(const TFont& font) {
  TGraphicControl::SetFont(font);
  updateGeometry();
  Paint();
}

void TSpeedButton::SetColor(TColor color) {
  if (color == Color()) return;
  TGraphicControl::SetColor(color);
  Paint();
}

void TSpeedButton::SetState(TButtonState state) {
  d->State = state;
  Paint();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  QPointer<TSpeedButton> self(this);
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (!self || Button != mbLeft || !Enabled()) return;
  d->Dragging = true;
  if (!d->Down) SetState(bsDown);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  QPointer<TSpeedButton> self(this);
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!self || !d->Dragging) return;
  const bool inside = rect().contains(X, Y);
  const TButtonState state = d->Down ? bsExclusive : (inside ? bsDown : bsUp);
  if (state != d->State) SetState(state);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  QPointer<TSpeedButton> self(this);
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!self || Button != mbLeft || !d->Dragging) return;
  d->Dragging = false;
  const bool doClick = rect().contains(X, Y);
  if (d->GroupIndex == 0)
    SetState(bsUp);
  else if (doClick)
    SetDown(!d->Down);
  if (d->GroupIndex != 0) SetState(d->Down ? bsExclusive : bsUp);
  if (doClick) Click();
}

void TSpeedButton::CancelPress() {
  if (!d->Dragging) return;
  d->Dragging = false;
  SetState(d->Down ? bsExclusive : bsUp);
}

void TSpeedButton::MouseEnter() {
  QPointer<TSpeedButton> self(this);
  TGraphicControl::MouseEnter();
  if (!self) return;
  d->MouseInControl = true;
  Paint();
}

void TSpeedButton::MouseLeave() {
  QPointer<TSpeedButton> self(this);
  TGraphicControl::MouseLeave();
  if (!self) return;
  d->MouseInControl = false;
  Paint();
}

void TSpeedButton::EnabledChanged() {
  if (!Enabled()) {
    d->Dragging = false;
    d->MouseInControl = false;
    d->State = d->Down ? bsExclusive : bsUp;
  }
  Paint();
}

void TSpeedButton::mousePressEvent(QMouseEvent* e) {
  Guarded([&] {
    const QPoint p = ToClient(e->position());
    MouseDown(QtButton(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

// A quick second press counts as another press, so fast clicks all click.
void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* e) {
  QPointer<TSpeedButton> self(this);
  Guarded([&] { DblClick(); });
  if (self) mousePressEvent(e);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
  Guarded([&] {
    const QPoint p = ToClient(e->position());
    MouseUp(QtButton(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

QSize TSpeedButton::sizeHint() const {
  const QFontMetrics fm(Font().ToQFont());
  const int textW = d->Caption.isEmpty() ? 0 : fm.horizontalAdvance(d->Caption);
  const int glyphW = d->Glyph.width(), glyphH = d->Glyph.height();
  const int gap = (textW > 0 && glyphW > 0) ? d->Spacing : 0;
  const bool across = d->Layout == blGlyphLeft || d->Layout == blGlyphRight;
  const int w = across ? glyphW + gap + textW : std::max(glyphW, textW);
  const int h = across ? std::max(glyphH, fm.height()) : glyphH + gap + (textW > 0 ? fm.height() : 0);
  return QSize(std::max(23, w + 8), std::max(22, h + 8));
}

QSize TSpeedButton::minimumSizeHint() const { return QSize(8, 8); }

void TSpeedButton::DoPaint() {
  TCanvas& c = Canvas();
  const bool pressed = d->State == bsDown || d->State == bsExclusive;
  const bool hot = d->MouseInControl && Enabled();
  TColor face = Color();
  if (d->State == bsExclusive || hot) face = Lightened(face);
  c.Brush = TBrush{face, bsSolid};
  c.FillRect({0, 0, Width(), Height()});
  if (!d->Flat || hot || pressed) DrawEdge(c, pressed, d->Flat);
  DrawContents(c, pressed ? 1 : 0);
}

// Raised: light top and left, dark bottom and right; sunken the reverse.
// A flat button's edge is one line, a normal one two.
void TSpeedButton::DrawEdge(TCanvas& c, bool sunken, bool thin) {
  const int r = Width() - 1, b = Height() - 1;
  auto ring = [&](int i, TColor topLeft, TColor bottomRight) {
    c.Pen = TPen{topLeft};
    c.MoveTo(i, b - i);
    c.LineTo(i, i);
    c.LineTo(r - i, i);
    c.Pen = TPen{bottomRight};
    c.LineTo(r - i, b - i);
    c.LineTo(i - 1, b - i);
  };
  if (thin) {
    ring(0, sunken ? clBtnShadow : clBtnHighlight, sunken ? clBtnHighlight : clBtnShadow);
  } else if (sunken) {
    ring(0, cl3DDkShadow, clBtnHighlight);
    ring(1, clBtnShadow, cl3DLight);
  } else {
    ring(0, clBtnHighlight, cl3DDkShadow);
    ring(1, cl3DLight, clBtnShadow);
  }
}

void TSpeedButton::DrawContents(TCanvas& c, int offset) {
  c.Font = Font();
  const int textW = d->Caption.isEmpty() ? 0 : c.TextWidth(d->Caption);
  const int textH = d->Caption.isEmpty() ? 0 : c.TextHeight(d->Caption);
  const int gw = d->Glyph.width(), gh = d->Glyph.height();
  const int gap = (textW > 0 && gw > 0) ? d->Spacing : 0;
  const bool across = d->Layout == blGlyphLeft || d->Layout == blGlyphRight;
  const int totalW = across ? gw + gap + textW : std::max(gw, textW);
  const int totalH = across ? std::max(gh, textH) : gh + gap + textH;
  const int left = d->Margin >= 0 && across ? d->Margin : (Width() - totalW) / 2;
  const int top = d->Margin >= 0 && !across ? d->Margin : (Height() - totalH) / 2;
  int gx = left, gy = top, tx = left, ty = top;
  switch (d->Layout) {
    case blGlyphLeft: gy = top + (totalH - gh) / 2, tx = left + gw + gap, ty = top + (totalH - textH) / 2; break;
    case blGlyphRight: gx = left + textW + gap, gy = top + (totalH - gh) / 2, ty = top + (totalH - textH) / 2; break;
    case blGlyphTop: gx = left + (totalW - gw) / 2, tx = left + (totalW - textW) / 2, ty = top + gh + gap; break;
    case blGlyphBottom: gx = left + (totalW - gw) / 2, gy = top + textH + gap, tx = left + (totalW - textW) / 2; break;
  }
  gx += offset, gy += offset, tx += offset, ty += offset;
  // The glyph: every pixel but those of the bottom-left pixel's colour;
  // disabled, its dark pixels embossed like the caption.
  if (gw > 0 && gh > 0) {
    const QRgb transparent = d->Glyph.pixel(0, gh - 1);
    for (int y = 0; y < gh; ++y)
      for (int x = 0; x < gw; ++x) {
        const QRgb px = d->Glyph.pixel(x, y);
        if (px == transparent) continue;
        if (Enabled()) {
          c.SetPixels(gx + x, gy + y, PixelToColor(px));
        } else if (qGray(px) < 192) {
          c.SetPixels(gx + x + 1, gy + y + 1, ColorToRGB(clBtnHighlight));
          c.SetPixels(gx + x, gy + y, ColorToRGB(clBtnShadow));
        }
      }
  }
  if (textW == 0) return;
  c.Brush.Style = bsClear;
  if (!Enabled()) {
    c.Font.Color = clBtnHighlight;
    c.TextOut(tx + 1, ty + 1, d->Caption);
    c.Font.Color = clBtnShadow;
  }
  c.TextOut(tx, ty, d->Caption);
}

}  // namespace vyr
