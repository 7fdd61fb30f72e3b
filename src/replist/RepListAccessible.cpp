#include "replist/RepListAccessible.h"

#include "replist/ReportListView.h"

namespace vyr {

namespace {

// One cell: row and column count from 0 (data row row + 1, grid column
// column). It stays valid while the list has the cell.
class TRepListCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TRepListCellAccessible(TReportListView* list, int row, int column) : FList(list), FRow(row), FColumn(column) {}

  bool isValid() const override {
    return FList && FRow < FList->NrOfRows() && FColumn < FList->NrOfColumns();
  }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FList.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FList->Elem(FList->ColumnOrder(FColumn + 1), FRow + 1);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const TRect r = FList->CellRect(FColumn, FRow + FList->CountHeadRows());
    const int inset = FList->BorderWidth();  // cells lie inside the border
    return QRect(FList->mapToGlobal(QPoint(r.Left + inset, r.Top + inset)), QSize(r.Width(), r.Height()));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isSelected();
    s.invisible = rect().isEmpty();
    s.disabled = isValid() && !FList->RowEnabled(FRow + 1);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return isValid() && FList->RowSelected(FRow + 1); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TReportListView> FList;
  int FRow, FColumn;
};

}  // namespace

QAccessibleInterface* TReportListView::CreateAccessible() { return new TRepListAccessible(this); }

TRepListAccessible::TRepListAccessible(TReportListView* list) : TControlAccessible(list) {}

TRepListAccessible::~TRepListAccessible() {
  for (const auto& [cell, id] : FCells) QAccessible::deleteAccessibleInterface(id);
}

TReportListView* TRepListAccessible::List() const { return static_cast<TReportListView*>(widget()); }

void* TRepListAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return TControlAccessible::interface_cast(type);
}

int TRepListAccessible::rowCount() const { return List()->NrOfRows(); }
int TRepListAccessible::columnCount() const { return List()->NrOfColumns(); }

// The children are the cells, row by row; they are made only when asked for.
int TRepListAccessible::childCount() const {
  const long long cells = 1LL * rowCount() * columnCount();
  return cells > INT_MAX ? INT_MAX : int(cells);
}

QAccessibleInterface* TRepListAccessible::child(int index) const {
  const int columns = columnCount();
  return index < 0 || columns == 0 ? nullptr : cellAt(index / columns, index % columns);
}

int TRepListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* TRepListAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  auto& id = FCells[{row, column}];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new TRepListCellAccessible(List(), row, column));
  return QAccessible::accessibleInterface(id);
}

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
