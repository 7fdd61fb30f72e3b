// Copying between numeric fields: the list of copied properties, and what
// Assign takes besides them.
#include "numio/NumIO2Private.h"

namespace vyr {
TPropertyList TNumIO2::CopiedProperties() {
  static constexpr const char* names[] = {
      "InputFormat", "DecPlaceSep", "FixPointDecPlaces", "SignificantDigits", "RangeLow", "RangeHigh",
      "LeftSpace", "TextBoxWidth", "LeftText", "RightText", "Alignment", "LeftTextAlignment",
      "RightTextAlignment", "FrameStyle", "ColorScheme", "ColorBoxBG", "ColorBoxText", "ColorOutBG",
      "ColorOutText", "ColorWarnBG", "ColorWarnText", "HideSelection", "ReadOnly", "AutoSize", "Beep"};
  return names;
}

// The properties go through their setters while the field counts as
// loading: no setter then limits a value by this field's size or by the
// other range end, and none paints (the field leaves that state also when a
// setter throws). The format setters rewrite the buffer; the source's edit
// state then replaces it as it is, so that a half-typed number ("-", "$")
// comes over too. One paint shows the result.
void TNumIO2::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TNumIO2*>(Source);
  if (!source) {
    TCustomControl::Assign(Source);
    return;
  }
  {
    const TLoadingScope loading(*this);
    CopyProperties(*this, *source, CopiedProperties());
  }
  d->FLines = source->d->FLines;
  static_cast<TNumIO2EditState&>(*d) = *source->d;
  Paint();
}

// Hands over only to a field whose class this one is an instance of; any
// other destination raises, instead of bouncing back to this control.
void TNumIO2::AssignTo(TComponentBase* Dest) const {
  auto* field = dynamic_cast<TNumIO2*>(Dest);
  if (field && metaObject()->inherits(field->metaObject()))
    field->Assign(this);
  else
    TCustomControl::AssignTo(Dest);
}

}  // namespace vyr
