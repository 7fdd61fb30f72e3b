#include <QPointer>
#include <algorithm>

#include "foundation/ColorNames.h"
#include "foundation/ColorUtils.h"
#include "host/ControlRegistry.h"
#include "host/KeyCodes.h"
#include "smallctl/Vyr_Colbut.h"

VYR_REGISTER_CONTROL(TColorButton, "smallctl/Vyr_Colbut.h")

namespace vyr {

struct TColorButton::Private {
  QPointer<TColorDialog> Dialog;
  bool Hovered = false;
};

TColorButton::TColorButton(QWidget* AOwner) : TCustomPanel(AOwner), d(std::make_unique<Private>()) {
  setFocusPolicy(Qt::StrongFocus);
  SetParentBackground(false);
  resize(41, 25);
}

TColorButton::~TColorButton() = default;

TColorDialog* TColorButton::ColorDialog() const { return d->Dialog; }
void TColorButton::SetColorDialog(TColorDialog* dialog) { d->Dialog = dialog; }
bool TColorButton::Hovered() const { return d->Hovered; }

double TColorButton::HoverLightness(double l) { return std::min(l <= 0.3 ? l + 0.2 : (l + 1) / 2, 1.0); }

TColor TColorButton::ShownColor() const {
  if (!d->Hovered) return Color();
  double h = 0, s = 0, l = 0;
  ColorToHSL(Color(), h, s, l);
  return HSLtoColor(h, s, HoverLightness(l));
}

void TColorButton::MouseEnter() {
  QPointer<TColorButton> self(this);
  TCustomPanel::MouseEnter();
  if (!self || !Enabled()) return;
  d->Hovered = true;
  Paint();
}

void TColorButton::MouseLeave() {
  QPointer<TColorButton> self(this);
  TCustomPanel::MouseLeave();
  if (!self || !d->Hovered) return;
  d->Hovered = false;
  Paint();
}

void TColorButton::EnabledChanged() {
  if (!Enabled()) d->Hovered = false;
  TCustomPanel::EnabledChanged();
}

void TColorButton::Click() {
  QPointer<TColorButton> self(this);
  TCustomPanel::Click();
  if (!self || !d->Dialog) return;
  d->Dialog->SetColor(Color());
  if (!d->Dialog->Execute() || !self) return;
  SetColor(d->Dialog->Color());
  TFont f = Font();
  if (ParentBackground())
    f.Color = clWindowText;
  else
    f.Color = ColorToGray(Color()) <= 96 ? clWhite : clBlack;
  SetFont(f);
  Paint();
  Raise(OnChange, this);
}

void TColorButton::KeyDown(quint16& Key, TShiftState Shift) {
  QPointer<TColorButton> self(this);
  TCustomPanel::KeyDown(Key, Shift);
  if (self && Shift == 0 && (Key == VK_SPACE || Key == VK_RETURN)) Click();
}

void TColorButton::DoPaint() {
  TCustomPanel::DoPaint();
  if (!d->Hovered) return;
  // The face again in the lighter colour, the caption over it.
  TCanvas& c = Canvas();
  const TRect face = FaceRect();
  c.Brush = TBrush{ShownColor(), bsSolid};
  c.FillRect(face);
  if (ShowCaption() && !Caption().isEmpty()) DrawCaption(c, face);
}

QString TColorButton::AccessibleValue() const { return ColorToString(Color()); }

TPropertyList TColorButton::CopiedProperties() {
  static constexpr const char* kNames[] = {"Color",      "Caption",     "Alignment",        "BevelInner",
                                           "BevelOuter", "BevelWidth",  "BorderWidth",      "ParentBackground",
                                           "ShowCaption", "Font"};
  return kNames;
}

void TColorButton::Assign(const TComponentBase* Source) {
  auto* source = dynamic_cast<const TColorButton*>(Source);
  if (!source) return TCustomPanel::Assign(Source);
  if (source == this) return;
  CopyProperties(*this, *source, CopiedProperties());
  d->Dialog = source->d->Dialog;
  OnChange = source->OnChange;
  OnClick = source->OnClick;
  OnDblClick = source->OnDblClick;
  Paint();
}

void TColorButton::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TColorButton*>(Dest))
    dest->Assign(this);
  else
    TCustomPanel::AssignTo(Dest);
}

}  // namespace vyr
