// Copying between edit-based numeric fields.
#include "numio/NumIOPrivate.h"

namespace vyr {

TPropertyList TNumIO::CopiedProperties() {
  static constexpr const char* names[] = {"InputFormat", "Beep", "RangeLow", "RangeHigh", "DecPlaceSep"};
  return names;
}

// The range ends go over as they are (the field counts as loading, so
// neither setter orders them against the other); then the text is checked
// against what came over, without OnChange.
void TNumIO::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TNumIO*>(Source);
  if (!source) {
    TCustomEdit::Assign(Source);
    return;
  }
  {
    const TLoadingScope loading(*this);
    CopyProperties(*this, *source, CopiedProperties());
  }
  ForgetAndCheck();
}

// Hands over only to a field whose class this one is an instance of.
void TNumIO::AssignTo(TComponentBase* Dest) const {
  auto* field = dynamic_cast<TNumIO*>(Dest);
  if (field && metaObject()->inherits(field->metaObject()))
    field->Assign(this);
  else
    TCustomEdit::AssignTo(Dest);
}

}  // namespace vyr
