// TReportListView: in-place editing of cells through the grid's editor.
#include "replist/RLCellMarks.h"
#include "replist/RepListPrivate.h"

namespace vyr {

QString TReportListView::GetEditText(int ACol, int ARow) {
  const int col = DataColumnOf(ACol);
  const int row = DataRowOfGrid(ARow);
  const QString stored = d->Data->Strings().GetString(col, row);
  QString value = ColumnCheckMode(col) != cmNone ? ValueOfMarked(stored).toString() : stored;
  Raise(OnGetEditText, this, col, row, value);
  if (TInplaceEdit* editor = InplaceEditor())
    editor->setEchoMode(ColumnIsPwd(col) ? QLineEdit::Password : QLineEdit::Normal);
  d->EditStart = {col, row, value, stored};
  return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const QString& Value) {
  const int col = DataColumnOf(ACol);
  const int row = DataRowOfGrid(ARow);
  const Private::TEditStart& start = d->EditStart;
  TStringArray& strings = d->Data->Strings();
  if (col == start.Col && row == start.Row && Value == start.Shown) {
    // The text shown at the start (perhaps changed by OnGetEditText) is not
    // the cell's value: put back what was stored.
    if (row >= 1 && row <= NrOfRows() && strings.GetStringView(col, row) != start.Stored)
      strings.SetString(col, row, start.Stored);
  } else {
    d->Data->SetElem(col, row, Value.left(kMaxCellValueLength));
  }
  Raise(OnSetEditText, this, col, row, Value);
}

}  // namespace vyr
