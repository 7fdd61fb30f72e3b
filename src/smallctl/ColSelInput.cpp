// The colour selector's mouse: where the pointer is, choosing an item, and
// editing an entry's colour when the list is opened on its bar.
#include <QPointer>

#include "foundation/ColorNames.h"
#include "host/Modal.h"
#include "smallctl/ColSelPrivate.h"

namespace vyr {

void TColSel::MouseMove(TShiftState Shift, int X, int Y) {
  d->MouseAreaCode = X < d->ColorBarWidth ? 1 : 0;
  TCustomComboBox::MouseMove(Shift, X, Y);
}

void TColSel::MouseLeave() {
  d->MouseAreaCode = 0;
  TCustomComboBox::MouseLeave();
}

void TColSel::Click() {
  if (ItemIndex() >= 0) d->SelColorIx = ItemIndex() + 1;
  TCustomComboBox::Click();
}

void TColSel::DropDown() {
  const int entry = ItemIndex() + 1;
  if (d->MouseAreaCode == 1 && !DropDownByKeyboard() && GetArrayAllowEdit(entry)) {
    QPointer<TColSel> self(this);
    TColor color = SelColor();
    if (ExecuteColorDialog(color) && self) {
      const size_t k = size_t(d->SelColorIx - 1);
      d->Colors[k] = color;
      Change();
      if (!self) return;
      d->Names[k] = OfferedName(ColorToRGB(color));
      NameChanged(d->SelColorIx);
    }
    if (!self) return;
  }
  TCustomComboBox::DropDown();
}

}  // namespace vyr
