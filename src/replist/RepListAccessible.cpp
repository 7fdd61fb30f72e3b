#include "replist/RepListAccessible.h"

#include "replist/ReportListView.h"

namespace vyr {

QAccessibleInterface* TReportListView::CreateAccessible() { return new TRepListAccessible(this); }

TRepListAccessible::TRepListAccessible(TReportListView* list) : TGridAccessible(list) {}

TReportListView* TRepListAccessible::List() const { return static_cast<TReportListView*>(widget()); }

QString TRepListAccessible::CellText(int row, int column) const {
  return List()->Elem(List()->ColumnOrder(column + 1), row + 1);
}

TPoint TRepListAccessible::CellGridPos(int row, int column) const { return {column, row + List()->CountHeadRows()}; }

void TRepListAccessible::AddCellState(int row, int, QAccessible::State& state) const {
  state.disabled = !List()->RowEnabled(row + 1);
}

int TRepListAccessible::rowCount() const { return List()->NrOfRows(); }
int TRepListAccessible::columnCount() const { return List()->NrOfColumns(); }

QString TRepListAccessible::columnDescription(int column) const {
  return List()->Header(List()->ColumnOrder(column + 1));
}

int TRepListAccessible::selectedRowCount() const { return List()->NumSelectedRows(); }

QList<int> TRepListAccessible::selectedRows() const {
  QList<int> rows;
  for (int r = 1; r <= rowCount() && rows.size() < selectedRowCount(); ++r)
    if (List()->RowSelected(r)) rows << r - 1;
  return rows;
}

QList<QAccessibleInterface*> TRepListAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  for (const int row : selectedRows())
    for (int column = 0; column < columnCount(); ++column) cells << cellAt(row, column);
  return cells;
}

bool TRepListAccessible::isRowSelected(int row) const { return List()->RowSelected(row + 1); }

bool TRepListAccessible::selectRow(int row) {
  if (row < 0 || row >= rowCount() || List()->RowSelectMode() == 0) return false;
  if (List()->RowSelectMode() == 1)
    List()->SelectRow(row + 1);
  else
    List()->SetRowSelected(row + 1, true);
  return true;
}

bool TRepListAccessible::unselectRow(int row) {
  if (row < 0 || row >= rowCount()) return false;
  List()->SetRowSelected(row + 1, false);
  return true;
}

}  // namespace vyr
