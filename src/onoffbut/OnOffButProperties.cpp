// The on/off button's construction, properties, layout, size and copying.
#include <QFontMetrics>
#include <algorithm>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "onoffbut/OnOffButPrivate.h"

VYR_REGISTER_CONTROL(TOnOffBut, "onoffbut/Vyr_onoffbut.h")

namespace vyr {

TOnOffBut::TOnOffBut(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  setFocusPolicy(Qt::StrongFocus);
  MakeDefaultUserPictures(d->Users);
  LoadGlyphs();
  // LeftSpace and TopSpace keep their initial values until the first
  // resize on a parent centres the picture.
  resize(100, 50);
}

TOnOffBut::~TOnOffBut() = default;

template <typename T>
void TOnOffBut::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TOnOffBut::Repaint() {
  if (IsLoading()) return;
  if (d->Transparent)
    Invalidate();
  else
    Paint();
}

bool TOnOffBut::OnOff() const { return d->OnOff; }
void TOnOffBut::SetOnOff(bool value) {
  if (value == d->OnOff) return;
  if (!value && d->GroupIndex != 0 && !d->AllowAllOff) return;
  d->OnOff = value;
  Repaint();
  if (value) UpdateExclusive();
}

TOnOffButStyle TOnOffBut::ButtonStyle() const { return d->ButtonStyle; }
void TOnOffBut::SetButtonStyle(TOnOffButStyle value) {
  if (value == d->ButtonStyle || int(value) > int(oobsUser5)) return;
  d->ButtonStyle = value;
  LoadGlyphs();
  if (d->AutoCenter && !IsLoading()) AdjustAutoCenter();
  Invalidate();
}

TOOButMode TOnOffBut::Mode() const { return d->Mode; }
void TOnOffBut::SetMode(TOOButMode value) {
  if (int(value) > int(oobmSpeedBut)) return;
  d->Mode = value;
  if (value == oobmSpeedBut) d->OnOff = false;
  Invalidate();
}

TOOButMouseAction TOnOffBut::MouseAction() const { return d->MouseAction; }
void TOnOffBut::SetMouseAction(TOOButMouseAction value) {
  if (int(value) > int(oomaPlain)) return;
  d->MouseAction = value;
  setFocusPolicy(value == oomaNone ? Qt::NoFocus : Qt::StrongFocus);
}

int TOnOffBut::GroupIndex() const { return d->GroupIndex; }
void TOnOffBut::SetGroupIndex(int value) {
  if (value == d->GroupIndex) return;
  d->GroupIndex = value;
  UpdateExclusive();
}

bool TOnOffBut::AllowAllOff() const { return d->AllowAllOff; }
void TOnOffBut::SetAllowAllOff(bool value) {
  if (value == d->AllowAllOff) return;
  d->AllowAllOff = value;
  UpdateExclusive();
}

bool TOnOffBut::AutoCenter() const { return d->AutoCenter; }
void TOnOffBut::SetAutoCenter(bool value) {
  if (value == d->AutoCenter) return;
  d->AutoCenter = value;
  if (value && !IsLoading()) AdjustAutoCenter();
  Repaint();
}

void TOnOffBut::Limit(int& field, int value, int limit) {
  if (value == field || value < 0) return;
  if (IsLoading())
    field = value;  // the size may still come; Loaded limits
  else if (d->AutoCenter)
    AdjustAutoCenter();
  else
    field = std::min(value, limit);
  Invalidate();
}

int TOnOffBut::LeftSpace() const { return d->LeftSpace; }
void TOnOffBut::SetLeftSpace(int value) { Limit(d->LeftSpace, value, Width()); }
int TOnOffBut::TopSpace() const { return d->TopSpace; }
void TOnOffBut::SetTopSpace(int value) { Limit(d->TopSpace, value, Height()); }

void TOnOffBut::AdjustAutoCenter() {
  d->LeftSpace = (Width() - d->GlyphWidth) / 2;
  d->TopSpace = (Height() - d->GlyphHeight) / 2;
}

QString TOnOffBut::LeftText() const { return d->LeftText; }
void TOnOffBut::SetLeftText(const QString& value) { Store(d->LeftText, value); }
QString TOnOffBut::RightText() const { return d->RightText; }
void TOnOffBut::SetRightText(const QString& value) { Store(d->RightText, value); }
QString TOnOffBut::TopText() const { return d->TopText; }
void TOnOffBut::SetTopText(const QString& value) { Store(d->TopText, value); }
QString TOnOffBut::BottomText() const { return d->BottomText; }
void TOnOffBut::SetBottomText(const QString& value) { Store(d->BottomText, value); }

TAlignment TOnOffBut::LeftTextAlignment() const { return d->LeftTextAlignment; }
void TOnOffBut::SetLeftTextAlignment(TAlignment value) { Store(d->LeftTextAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
TAlignment TOnOffBut::RightTextAlignment() const { return d->RightTextAlignment; }
void TOnOffBut::SetRightTextAlignment(TAlignment value) { Store(d->RightTextAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
TAlignment TOnOffBut::TopTextAlignment() const { return d->TopTextAlignment; }
void TOnOffBut::SetTopTextAlignment(TAlignment value) { Store(d->TopTextAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
TAlignment TOnOffBut::BottomTextAlignment() const { return d->BottomTextAlignment; }
void TOnOffBut::SetBottomTextAlignment(TAlignment value) { Store(d->BottomTextAlignment, ClampEnum(value, taLeftJustify, taCenter)); }

namespace {
TAlignment AlignmentOf(int value) { return TAlignment(std::clamp(value, 0, int(taCenter))); }
}  // namespace

void TOnOffBut::SetLeftTextAlignmentOrdinal(int value) { SetLeftTextAlignment(AlignmentOf(value)); }
void TOnOffBut::SetRightTextAlignmentOrdinal(int value) { SetRightTextAlignment(AlignmentOf(value)); }
void TOnOffBut::SetTopTextAlignmentOrdinal(int value) { SetTopTextAlignment(AlignmentOf(value)); }
void TOnOffBut::SetBottomTextAlignmentOrdinal(int value) { SetBottomTextAlignment(AlignmentOf(value)); }

TColor TOnOffBut::ColorText() const { return d->ColorText; }
void TOnOffBut::SetColorText(TColor value) { Store(d->ColorText, value); }
TColor TOnOffBut::ColorBackgnd() const { return d->ColorBackgnd; }
void TOnOffBut::SetColorBackgnd(TColor value) { Store(d->ColorBackgnd, value); }
TColorScheme TOnOffBut::ColorScheme() const { return d->ColorScheme; }
void TOnOffBut::SetColorScheme(TColorScheme value) { Store(d->ColorScheme, ClampEnum(value, csFixed, csSystem)); }
void TOnOffBut::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(std::clamp(value, 0, 255))); }
TFrameStyle TOnOffBut::FrameStyle() const { return d->FrameStyle; }
void TOnOffBut::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
void TOnOffBut::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }

bool TOnOffBut::IsTransparent() const { return d->Transparent; }
// Turning transparent needs the parent's picture first, so both ways wait.
void TOnOffBut::SetTransparent(bool value) {
  if (value == d->Transparent) return;
  d->Transparent = value;
  Invalidate();
}

void TOnOffBut::SetFont(const TFont& font) {
  if (font == Font()) return;
  TGraphicControl::SetFont(font);
  Repaint();
}

void TOnOffBut::SizeChanged() {
  if (parentWidget() == nullptr || !d->AutoCenter || IsLoading()) return;
  AdjustAutoCenter();
  Repaint();
}

// A stored form may write the spaces before AutoCenter comes off: while
// loading nothing re-centres, and only a button centred in the end does.
void TOnOffBut::Loaded() {
  TGraphicControl::Loaded();
  if (d->AutoCenter) {
    AdjustAutoCenter();
  } else {
    d->LeftSpace = std::min(d->LeftSpace, Width());
    d->TopSpace = std::min(d->TopSpace, Height());
  }
  Repaint();
  if (d->OnOff) UpdateExclusive();
}

// Captions on all four sides around the picture, as the paint places them.
QSize TOnOffBut::sizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  auto width = [&](const QString& s) { return s.isEmpty() ? 0 : m.horizontalAdvance(s) + 8; };
  auto height = [&](const QString& s) { return s.isEmpty() ? 0 : m.height() + 4; };
  const int w = std::max({width(d->LeftText) + d->GlyphWidth + 4 + width(d->RightText), width(d->TopText) + 4,
                          width(d->BottomText) + 4});
  const int h = std::max(d->GlyphHeight, m.height()) + 4 + height(d->TopText) + height(d->BottomText);
  return {w, h};
}

QSize TOnOffBut::minimumSizeHint() const { return {d->GlyphWidth + 4, d->GlyphHeight + 4}; }

QAccessible::Role TOnOffBut::AccessibleRole() const {
  return d->GroupIndex != 0 ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QString TOnOffBut::AccessibleName() const {
  for (const QString* s : {&d->RightText, &d->LeftText, &d->TopText, &d->BottomText})
    if (!s->isEmpty()) return *s;
  return Name();
}

QString TOnOffBut::AccessibleValue() const { return d->OnOff ? QStringLiteral("on") : QStringLiteral("off"); }

std::optional<TAccessibleNumber> TOnOffBut::AccessibleNumber() const {
  return TAccessibleNumber{d->OnOff ? 1.0 : 0.0, 0.0, 1.0};
}

TPropertyList TOnOffBut::CopiedProperties() {
  static constexpr const char* names[] = {
      "AutoCenter",        "LeftSpace",          "TopSpace",         "LeftText",           "RightText",
      "TopText",           "BottomText",         "LeftTextAlignment", "RightTextAlignment", "TopTextAlignment",
      "BottomTextAlignment", "FrameStyle",       "ColorBackgnd",     "ColorScheme",        "OnOff",
      "ButtonStyle",       "MouseAction",        "ColorText",        "Transparent",        "Enabled"};
  return names;
}

void TOnOffBut::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TOnOffBut*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  for (int i = 0; i < 4; ++i) d->Users[i].Assign(source->d->Users[i]);
  CopyProperties(*this, *source, CopiedProperties());
  for (int i = 0; i < 4; ++i) d->States[i].Assign(source->d->States[i]);
  d->GlyphWidth = source->d->GlyphWidth;
  d->GlyphHeight = source->d->GlyphHeight;
  Invalidate();
}

void TOnOffBut::AssignTo(TComponentBase* Dest) const {
  if (auto* button = dynamic_cast<TOnOffBut*>(Dest))
    button->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
