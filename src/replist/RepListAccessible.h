#pragma once
// The report list to assistive technology: a table of its data rows and
// displayed columns, the column names as descriptions and the selected rows
// as the table's selection; disabled rows read as disabled cells.
#include "host/GridAccessible.h"

namespace vyr {

class TReportListView;

class TRepListAccessible : public TGridAccessible {
 public:
  explicit TRepListAccessible(TReportListView* list);

  QString CellText(int row, int column) const override;
  TPoint CellGridPos(int row, int column) const override;
  bool CellSelected(int row, int) const override { return isRowSelected(row); }
  void AddCellState(int row, int column, QAccessible::State& state) const override;

  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override { return QString::number(row + 1); }
  int columnCount() const override;
  int rowCount() const override;
  int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
  int selectedRowCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QList<int> selectedRows() const override;
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool unselectRow(int row) override;

  TReportListView* List() const;
};

}  // namespace vyr
