// The colour selector's palette, names, edit flags and selection.
#include <QPointer>

#include "foundation/ColorNames.h"
#include "foundation/NameTables.h"
#include "host/ControlRegistry.h"
#include "smallctl/ColSelPrivate.h"

VYR_REGISTER_CONTROL(TColSel, "smallctl/Vyr_Colsel.h")

namespace vyr {

TColSel::TColSel(QWidget* AOwner) : TCustomComboBox(AOwner), d(std::make_unique<Private>()) {
  const auto table = PredefinedColors();
  for (int i = 0; i < kMaxColors; ++i) {
    d->Colors[size_t(i)] = table[size_t(i)].Color;
    d->Names[size_t(i)] = ColorToString(table[size_t(i)].Color);
  }
  SetDropDownCount(8);
  LoadColorsIntoComboList();
}

TColSel::~TColSel() = default;

int TColSel::ColorBarWidth() const { return d->ColorBarWidth; }
int TColSel::NumColors() const { return d->NumColors; }
int TColSel::SelColorIndex() const { return d->SelColorIx; }
int TColSel::MouseAreaCode() const { return d->MouseAreaCode; }
bool TColSel::InRange(int i) const { return i >= 1 && i <= d->NumColors; }

void TColSel::SetColorBarWidth(int value) {
  if (value < 0 || value == d->ColorBarWidth) return;
  d->ColorBarWidth = value;
  RepaintItems();
}

void TColSel::SetNumColors(int value) {
  if (value < 1 || value > kMaxColors || value == d->NumColors) return;
  d->NumColors = value;
  d->SelColorIx = 1;
  LoadColorsIntoComboList();
}

TColor TColSel::SelColor() const { return d->Colors[size_t(d->SelColorIx - 1)]; }

void TColSel::SetSelColor(TColor value) {
  const TColor rgb = ColorToRGB(value);
  for (int i = 1; i <= d->NumColors; ++i)
    if (ColorToRGB(d->Colors[size_t(i - 1)]) == rgb) {
      d->SelColorIx = i;
      SetItemIndex(i - 1);
      RepaintItems();
      return;
    }
  const size_t k = size_t(d->SelColorIx - 1);
  d->Colors[k] = value;
  d->Names[k] = OfferedName(rgb);
  NameChanged(d->SelColorIx);
}

TColor TColSel::GetArrayColor(int i) const { return InRange(i) ? d->Colors[size_t(i - 1)] : 0; }

void TColSel::SetArrayColor(int i, TColor color) {
  if (!InRange(i)) return;
  d->Colors[size_t(i - 1)] = color;
  d->Names[size_t(i - 1)] = OfferedName(color);
  NameChanged(i);
}

QString TColSel::GetArrayColorName(int i) const { return InRange(i) ? d->Names[size_t(i - 1)] : QString(); }

void TColSel::SetArrayColorName(int i, const QString& name) {
  if (!InRange(i)) return;
  d->Names[size_t(i - 1)] = name;
  NameChanged(i);
}

bool TColSel::GetArrayAllowEdit(int i) const { return InRange(i) && d->Editable[size_t(i - 1)]; }

void TColSel::SetArrayAllowEdit(int i, bool allow) {
  if (!InRange(i)) return;
  d->Editable[size_t(i - 1)] = allow;
  RepaintItems();
}

void TColSel::SetAllColorEditFlags() {
  d->Editable.fill(true);
  RepaintItems();
}

void TColSel::ResetAllColorEditFlags() {
  d->Editable.fill(false);
  RepaintItems();
}

QString TColSel::GetSelColorID() const { return ItemIndex() < 0 ? QString() : d->Names[size_t(d->SelColorIx - 1)]; }

QString TColSel::OfferedName(TColor color) {
  QString name = ColorToString(color);
  if (OnColorNameChange) OnColorNameChange(this, name);
  return name;
}

// The list item of entry i follows its name, so that typing a first
// letter finds it.
void TColSel::NameChanged(int i) {
  SetItemText(i - 1, d->Names[size_t(i - 1)]);
  RepaintItems();
}

void TColSel::LoadPalette(int count, int first) {
  const auto table = PredefinedColors();
  d->SelColorIx = 1;
  d->NumColors = count;
  for (int i = 0; i < count; ++i) {
    d->Colors[size_t(i)] = table[size_t(first + i)].Color;
    d->Names[size_t(i)] = OfferedName(d->Colors[size_t(i)]);
  }
  LoadColorsIntoComboList();
}

void TColSel::LoadBasicVGAPalette() { LoadPalette(16, 0); }
void TColSel::LoadExtendedPalette() { LoadPalette(20, 0); }
void TColSel::LoadStandardPalette() { LoadPalette(kMaxColors, 0); }
void TColSel::LoadWindowsSystemPalette() { LoadPalette(27, 20); }

void TColSel::LoadColorsIntoComboList() {
  QStringList names;
  for (int i = 0; i < d->NumColors; ++i) names << d->Names[size_t(i)];
  SetItems(names);
  SetItemIndex(d->SelColorIx - 1);
  RepaintItems();
}

void TColSel::Loaded() {
  TCustomComboBox::Loaded();
  LoadColorsIntoComboList();
}

void TColSel::SetEnabled(bool value) {
  TCustomComboBox::SetEnabled(value);
  RepaintItems();
}

TPropertyList TColSel::CopiedProperties() {
  static constexpr const char* kNames[] = {"ItemHeight", "DropDownCount", "Font", "Color", "ColorBarWidth",
                                           "NumColors"};
  return kNames;
}

void TColSel::Assign(const TComponentBase* Source) {
  auto* source = dynamic_cast<const TColSel*>(Source);
  if (!source) return TCustomComboBox::Assign(Source);
  if (source == this) return;
  CopyProperties(*this, *source, CopiedProperties());
  d->Colors = source->d->Colors;
  d->Names = source->d->Names;
  d->Editable = source->d->Editable;
  d->SelColorIx = source->d->SelColorIx;
  OnColorNameChange = source->OnColorNameChange;
  OnChange = source->OnChange;
  OnClick = source->OnClick;
  OnDropDown = source->OnDropDown;
  LoadColorsIntoComboList();
}

void TColSel::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TColSel*>(Dest))
    dest->Assign(this);
  else
    TCustomComboBox::AssignTo(Dest);
}

}  // namespace vyr
