#pragma once
// The report list to assistive technology: a table of its data rows and
// displayed columns, one cell interface per cell (made when first asked
// for and kept until the table goes), the column names as descriptions and
// the selected rows as the table's selection.
#include <QPointer>
#include <climits>
#include <map>
#include <utility>

#include "host/Accessible.h"

namespace vyr {

class TReportListView;

class TRepListAccessible : public TControlAccessible, public QAccessibleTableInterface {
 public:
  explicit TRepListAccessible(TReportListView* list);
  ~TRepListAccessible() override;

  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QAccessibleInterface* cellAt(int row, int column) const override;
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override { return QString::number(row + 1); }
  int columnCount() const override;
  int rowCount() const override;
  int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override;
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override;
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  TReportListView* List() const;

 private:
  mutable std::map<std::pair<int, int>, QAccessible::Id> FCells;  // (row, column), 0-based
};

}  // namespace vyr
