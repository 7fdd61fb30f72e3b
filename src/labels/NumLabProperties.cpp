// The numeric label's construction, properties, mouse area, size and copying.
#include <QFontMetrics>
#include <algorithm>
#include <cstring>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "labels/NumLabPrivate.h"

VYR_REGISTER_CONTROL(TNumLab, "labels/Vyr_NumLab.h")

namespace vyr {
namespace {

TAlignment AlignmentOf(int ordinal) { return TAlignment(std::clamp(ordinal, 0, int(taCenter))); }
int ByteOf(int ordinal) { return std::clamp(ordinal, 0, 255); }

}  // namespace

TNumLab::TNumLab(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) { resize(160, 28); }

TNumLab::~TNumLab() = default;

template <typename T>
void TNumLab::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Changed();
}

// Assign paints once, after the last property; a stored form once loaded.
void TNumLab::Changed() {
  if (!d->Copying && !IsLoading()) Paint();
}

// A stored form may write LeftSpace before the size: the cap comes now.
void TNumLab::Loaded() {
  TGraphicControl::Loaded();
  d->LeftSpace = std::min(d->LeftSpace, Width());
  Paint();
}

double TNumLab::Value() const { return d->LabValue; }
// Compared bit for bit, so that NaN is stored once and then ignored.
void TNumLab::SetValue(double value) {
  if (std::memcmp(&value, &d->LabValue, sizeof value) == 0) return;
  d->LabValue = value;
  Changed();
}
TDisplay TNumLab::DisplayType() const { return d->DisplayType; }
void TNumLab::SetDisplayType(TDisplay value) { Store(d->DisplayType, ClampEnum(value, dtFloat, dtEEngNoDP)); }
int TNumLab::Precision() const { return d->DecP; }
void TNumLab::SetPrecision(int value) {
  if (value >= 0) Store(d->DecP, std::min(value, kMaxPrecision));
}
bool TNumLab::Comma() const { return d->Comma; }
void TNumLab::SetComma(bool value) { Store(d->Comma, value); }
bool TNumLab::ForcePlusSign() const { return d->PlusSign; }
void TNumLab::SetForcePlusSign(bool value) { Store(d->PlusSign, value); }
bool TNumLab::Empty() const { return d->Empty; }
void TNumLab::SetEmpty(bool value) { Store(d->Empty, value); }
QString TNumLab::OverflowIndicator() const { return d->OverFlowIndi; }
void TNumLab::SetOverflowIndicator(const QString& value) { Store(d->OverFlowIndi, value); }
QString TNumLab::StateText() const { return d->StateText; }
void TNumLab::SetStateText(const QString& value) { Store(d->StateText, value); }
QString TNumLab::DTFormat() const { return d->DtFormat; }
void TNumLab::SetDTFormat(const QString& value) { Store(d->DtFormat, value); }
int TNumLab::LabelWidth() const { return d->LabWidth; }
void TNumLab::SetLabelWidth(int value) { Store(d->LabWidth, std::clamp(value, 0, kMaxLabelWidth)); }
int TNumLab::LeftSpace() const { return d->LeftSpace; }
void TNumLab::SetLeftSpace(int value) {
  if (value >= 0) Store(d->LeftSpace, IsLoading() ? value : std::min(value, Width()));
}
QString TNumLab::LeftText() const { return d->LeftText; }
void TNumLab::SetLeftText(const QString& value) { Store(d->LeftText, value); }
QString TNumLab::RightText() const { return d->RightText; }
void TNumLab::SetRightText(const QString& value) { Store(d->RightText, value); }
TAlignment TNumLab::Alignment() const { return d->Alignment; }
void TNumLab::SetAlignment(TAlignment value) { Store(d->Alignment, ClampEnum(value, taLeftJustify, taCenter)); }
TAlignment TNumLab::LeftTextAlignment() const { return d->LTAlignment; }
void TNumLab::SetLeftTextAlignment(TAlignment value) { Store(d->LTAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
TAlignment TNumLab::RightTextAlignment() const { return d->RTAlignment; }
void TNumLab::SetRightTextAlignment(TAlignment value) { Store(d->RTAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
TFrameStyle TNumLab::FrameStyle() const { return d->FrameStyle; }
void TNumLab::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
TColorScheme TNumLab::ColorScheme() const { return d->ColorScheme; }
void TNumLab::SetColorScheme(TColorScheme value) { Store(d->ColorScheme, ClampEnum(value, csFixed, csSystem)); }
TColor TNumLab::ColorLabBakG() const { return d->ColorLabBakG; }
void TNumLab::SetColorLabBakG(TColor value) { Store(d->ColorLabBakG, value); }
TColor TNumLab::ColorLabText() const { return d->ColorLabText; }
void TNumLab::SetColorLabText(TColor value) { Store(d->ColorLabText, value); }
TColor TNumLab::ColorOutBakG() const { return d->ColorOutBakG; }
void TNumLab::SetColorOutBakG(TColor value) { Store(d->ColorOutBakG, value); }
TColor TNumLab::ColorOutText() const { return d->ColorOutText; }
void TNumLab::SetColorOutText(TColor value) { Store(d->ColorOutText, value); }
bool TNumLab::IsTransparent() const { return d->Transparent; }
// The parent must first repaint behind a label turning transparent.
void TNumLab::SetTransparent(bool value) {
  if (value == d->Transparent) return;
  d->Transparent = value;
  if (value)
    Invalidate();
  else
    Changed();
}

int TNumLab::MouseAreaCode() const { return d->MouseAreaCode; }
QString TNumLab::ShownText() const { return d->Shown; }

void TNumLab::SetAlignmentOrdinal(int value) { SetAlignment(AlignmentOf(value)); }
void TNumLab::SetLeftTextAlignmentOrdinal(int value) { SetLeftTextAlignment(AlignmentOf(value)); }
void TNumLab::SetRightTextAlignmentOrdinal(int value) { SetRightTextAlignment(AlignmentOf(value)); }
void TNumLab::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(ByteOf(value))); }
void TNumLab::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(ByteOf(value))); }
void TNumLab::MouseMove(TShiftState Shift, int X, int Y) {
  const int boxEnd = d->LeftSpace + d->LabWidth;
  d->MouseAreaCode = X <= d->LeftSpace ? 0 : X <= boxEnd ? 1 : 2;
  TGraphicControl::MouseMove(Shift, X, Y);
}

// Wide enough for both captions beside the box, high enough for a text row
// inside the frame.
QSize TNumLab::sizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  const int width = d->LeftSpace + d->LabWidth + 7 + m.horizontalAdvance(d->RightText) + 6;
  return {std::max(160, width), std::max(28, m.height() + 8)};
}

QSize TNumLab::minimumSizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  return {d->LeftSpace + d->LabWidth + 1, m.height() + 4};
}

QString TNumLab::AccessibleName() const {
  QStringList parts;
  for (const QString& part : {d->LeftText, d->Shown, d->RightText})
    if (!part.isEmpty()) parts << part;
  return parts.isEmpty() ? Name() : parts.join(u' ');
}

// The layout first, then the text settings, the value and the colours.
TPropertyList TNumLab::CopiedProperties() {
  static constexpr const char* names[] = {
      "LeftSpace",         "Empty",        "LabelWidth",   "Precision",          "LeftText",
      "RightText",         "FrameStyle",   "Alignment",    "RightTextAlignment", "LeftTextAlignment",
      "OverflowIndicator", "Value",        "StateText",    "Transparent",        "ColorLabBakG",
      "ColorLabText",      "ColorOutBakG", "ColorOutText", "ColorScheme",        "DisplayType",
      "Comma",             "ForcePlusSign", "DTFormat"};
  return names;
}

void TNumLab::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TNumLab*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  {
    // Cleared however the copy ends (a fault in the list throws).
    d->Copying = true;
    struct Done {
      bool& flag;
      ~Done() { flag = false; }
    } done{d->Copying};
    CopyProperties(*this, *source, CopiedProperties());
  }
  Paint();
}

void TNumLab::AssignTo(TComponentBase* Dest) const {
  if (auto* label = dynamic_cast<TNumLab*>(Dest))
    label->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
