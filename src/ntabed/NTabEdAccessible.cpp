// The table editor to assistive technology: a table of its data cells,
// each cell's text as painted, the column and row names as descriptions and
// the selected block as the selection.
#include <QPointer>
#include <climits>
#include <map>

#include "host/Accessible.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

class TNTabCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TNTabCellAccessible(TNTabEd* ed, int row, int column) : FEd(ed), FRow(row), FColumn(column) {}

  bool isValid() const override { return FEd && FRow < FEd->NrOfRows() && FColumn < FEd->NrOfColumns(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FEd.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FEd->CellText(FColumn + 1, FRow + 1).trimmed();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const TRect r = FEd->CellRect(FColumn + 1 + FEd->ColOffset(), FRow + 1 + FEd->RowOffset());
    return QRect(FEd->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Width(), r.Height()));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isSelected();
    s.invisible = rect().isEmpty();
    s.readOnly = isValid() && (FEd->DataReadOnly() || (FEd->CellState(FColumn + 1, FRow + 1) & csbReadOnly));
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }
  bool isSelected() const override {
    return isValid() && FEd->Selection().Contains(FColumn + 1 + FEd->ColOffset(), FRow + 1 + FEd->RowOffset());
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TNTabEd> FEd;
  int FRow, FColumn;
};

class TNTabAccessible : public TControlAccessible, public QAccessibleTableInterface {
 public:
  explicit TNTabAccessible(TNTabEd* ed) : TControlAccessible(ed) {}
  ~TNTabAccessible() override {
    for (const auto& [cell, id] : FCells) QAccessible::deleteAccessibleInterface(id);
  }
  TNTabEd* Ed() const { return static_cast<TNTabEd*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return TControlAccessible::interface_cast(type);
  }
  int childCount() const override {
    const long long cells = 1LL * rowCount() * columnCount();
    return cells > INT_MAX ? INT_MAX : int(cells);
  }
  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount();
    return index < 0 || columns == 0 ? nullptr : cellAt(index / columns, index % columns);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
  }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    auto& id = FCells[{row, column}];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new TNTabCellAccessible(Ed(), row, column));
    return QAccessible::accessibleInterface(id);
  }
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QString columnDescription(int column) const override { return Ed()->ColName(column + 1); }
  QString rowDescription(int row) const override { return Ed()->RowName(row + 1); }
  int columnCount() const override { return Ed()->NrOfColumns(); }
  int rowCount() const override { return Ed()->NrOfRows(); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    const TGridRect s = Ed()->Selection();
    for (int r = s.Top; r <= s.Bottom; ++r)
      for (int c = s.Left; c <= s.Right; ++c)
        if (auto* cell = cellAt(r - Ed()->RowOffset() - 1, c - Ed()->ColOffset() - 1)) cells << cell;
    return cells;
  }
  int selectedCellCount() const override { return int(selectedCells().size()); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable std::map<std::pair<int, int>, QAccessible::Id> FCells;
};

}  // namespace

QAccessibleInterface* TNTabEd::CreateAccessible() { return new TNTabAccessible(this); }

// The current cell as "column name, row name: text".
QString TNTabEd::AccessibleValue() const {
  const int c = Col() - ColOffset(), r = Row() - RowOffset();
  return QStringLiteral("%1, %2: %3").arg(ColName(c), RowName(r), CellText(c, r).trimmed());
}

}  // namespace vyr
