// The table editor's standard keys: Copy, Paste, Delete and Select All run
// the data menu's commands; the menu key opens that menu at the cursor.
#include "host/Clipboard.h"
#include "host/KeyCodes.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

bool TNTabEd::RunStandardKey(quint16 Key, TShiftState Shift) {
  if (IsStandardKey(Key, Shift, QKeySequence::Copy))
    PopupMenuClickCopy();
  else if (IsStandardKey(Key, Shift, QKeySequence::Paste))
    PasteByKey();
  else if (IsStandardKey(Key, Shift, QKeySequence::Delete))
    PopupMenuClickClear();
  else if (IsStandardKey(Key, Shift, QKeySequence::SelectAll))
    PopupMenuClickSelAll();
  else
    return false;
  return true;
}

// The last copy keeps values and states; text copied elsewhere since then
// is read as numbers.
void TNTabEd::PasteByKey() {
  if (d->DataCopyAvail && Clipboard().AsText() == d->DataCopyText)
    PopupMenuClickPaste();
  else
    PopupMenuClickExtClip();
}

TPoint TNTabEd::KeyPopupPoint() const {
  const TRect r = CellRect(Col(), Row());
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

bool TNTabEd::ShowBuiltInPopup(TPoint at) {
  if (d->BlockIntPopup || Col() <= d->ColOffset || Row() <= d->RowOffset) return false;
  d->PressCell = {Col(), Row()};
  ShowDataMenu(at.X, at.Y);
  return true;
}

}  // namespace vyr
