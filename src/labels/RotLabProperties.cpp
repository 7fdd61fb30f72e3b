// The rotated label's construction, properties, anchor, size and copying.
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "foundation/Rounding.h"
#include "foundation/TextPlacement.h"
#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "labels/RotLabPrivate.h"

VYR_REGISTER_CONTROL(TRotLab, "labels/Vyr_RotLab.h")

namespace vyr {
namespace {

constexpr int kCaptionFontSize = 11;

}  // namespace

TRotLab::TRotLab(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  TFont font = Font();
  font.Size = kCaptionFontSize;
  TGraphicControl::SetFont(font);
  resize(200, 200);
  AdjustAutoCenter();
}

TRotLab::~TRotLab() = default;

template <typename T>
void TRotLab::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TRotLab::Repaint() {
  if (IsLoading()) return;
  if (d->Transparent)
    Invalidate();
  else
    Paint();
}

QString TRotLab::Caption() const { return d->Caption; }
void TRotLab::SetCaption(const QString& value) { Store(d->Caption, value); }
int TRotLab::TextAngle() const { return d->TextAngle; }
void TRotLab::SetTextAngle(int value) { Store(d->TextAngle, value); }
int TRotLab::PosX() const { return d->TextPosX; }
void TRotLab::SetPosX(int value) {
  if (d->AutoCenter && !IsLoading())
    AdjustAutoCenter();
  else
    Store(d->TextPosX, value);
}
int TRotLab::PosY() const { return d->TextPosY; }
void TRotLab::SetPosY(int value) {
  if (d->AutoCenter && !IsLoading())
    AdjustAutoCenter();
  else
    Store(d->TextPosY, value);
}
bool TRotLab::AutoCenter() const { return d->AutoCenter; }
void TRotLab::SetAutoCenter(bool value) {
  if (value == d->AutoCenter) return;
  d->AutoCenter = value;
  if (value)
    AdjustAutoCenter();
  else
    Repaint();
}
TAlignment TRotLab::Alignment() const { return d->Alignment; }
void TRotLab::SetAlignment(TAlignment value) { Store(d->Alignment, ClampEnum(value, taLeftJustify, taCenter)); }
bool TRotLab::AntiAlias() const { return d->AntiAlias; }
void TRotLab::SetAntiAlias(bool value) { Store(d->AntiAlias, value); }
bool TRotLab::IsTransparent() const { return d->Transparent; }
// Turning transparent needs the parent's picture, so it always waits.
void TRotLab::SetTransparent(bool value) {
  if (value == d->Transparent) return;
  d->Transparent = value;
  Repaint();
}
TFrameStyle TRotLab::FrameStyle() const { return d->FrameStyle; }
void TRotLab::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }

void TRotLab::SetColor(TColor color) {
  if (color == Color()) return;
  TGraphicControl::SetColor(color);
  Repaint();
}

void TRotLab::SetFont(const TFont& font) {
  if (font == Font()) return;
  TGraphicControl::SetFont(font);
  Repaint();
}

void TRotLab::SetAlignmentOrdinal(int value) { SetAlignment(TAlignment(std::clamp(value, 0, int(taCenter)))); }
void TRotLab::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TRotLab::AdjustAutoCenter() {
  const int x = Width() / 2, y = Height() / 2;
  if (x == d->TextPosX && y == d->TextPosY) return;
  d->TextPosX = x;
  d->TextPosY = y;
  Repaint();
}

// A stored form writes PosX and PosY before AutoCenter: they are kept
// while loading, and only a label centred in the end recentres.
void TRotLab::Loaded() {
  TGraphicControl::Loaded();
  if (d->AutoCenter) {
    d->TextPosX = Width() / 2;
    d->TextPosY = Height() / 2;
  }
  Repaint();
}

// The anchor follows the size once the label sits on a parent; a stored
// form's anchor waits for Loaded.
void TRotLab::SizeChanged() {
  if (d->AutoCenter && parentWidget() != nullptr && !IsLoading()) AdjustAutoCenter();
}

TPoint TRotLab::TextOffset(TAlignment alignment, int textWidth, int textHeight, int angle) {
  return RotatedTextOffset(alignment, textWidth, textHeight, angle);
}

QSize TRotLab::sizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  const double a = (d->TextAngle % 360) / 180.0 * M_PI;
  const double w = m.horizontalAdvance(d->Caption), h = m.height();
  const double boxW = std::fabs(w * std::cos(a)) + std::fabs(h * std::sin(a));
  const double boxH = std::fabs(w * std::sin(a)) + std::fabs(h * std::cos(a));
  // Rounding noise of sin and cos must not add a pixel to an exact size.
  auto pixels = [](double extent) { return int(std::ceil(extent - 1e-6)) + 8; };
  return {pixels(boxW), pixels(boxH)};
}

QSize TRotLab::minimumSizeHint() const { return sizeHint(); }

TPropertyList TRotLab::CopiedProperties() {
  static constexpr const char* names[] = {"AutoCenter", "FrameStyle", "TextAngle", "PosX", "PosY", "AntiAlias"};
  return names;
}

void TRotLab::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TRotLab*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  CopyProperties(*this, *source, CopiedProperties());
  Invalidate();
}

void TRotLab::AssignTo(TComponentBase* Dest) const {
  if (auto* label = dynamic_cast<TRotLab*>(Dest))
    label->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
