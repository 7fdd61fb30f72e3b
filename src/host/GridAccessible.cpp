#include "host/GridAccessible.h"

#include <climits>

#include "host/Grid.h"

namespace vyr {

namespace {

// One cell; it asks its table for everything, so it stays right while the
// grid scrolls, sorts or changes size, and is invalid once the cell is gone.
class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TGridCellAccessible(const TGridAccessible* table, int row, int column)
      : FTable(table), FRow(row), FColumn(column) {}

  bool isValid() const override {
    return FTable->isValid() && FRow < FTable->rowCount() && FColumn < FTable->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return const_cast<TGridAccessible*>(FTable); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FTable->CellText(FRow, FColumn);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return isValid() ? FTable->CellScreenRect(FRow, FColumn) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isSelected();
    s.invisible = rect().isEmpty();
    if (isValid()) FTable->AddCellState(FRow, FColumn, s);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return isValid() && FTable->CellSelected(FRow, FColumn); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  const TGridAccessible* FTable;  // deletes this cell before it goes
  int FRow, FColumn;
};

}  // namespace

TGridAccessible::TGridAccessible(TCustomGrid* grid) : TControlAccessible(grid) {}

TGridAccessible::~TGridAccessible() {
  for (const auto& [cell, id] : FCells) QAccessible::deleteAccessibleInterface(id);
}

TCustomGrid* TGridAccessible::Grid() const { return static_cast<TCustomGrid*>(widget()); }

QRect TGridAccessible::CellScreenRect(int row, int column) const {
  const TPoint pos = CellGridPos(row, column);
  const TRect r = Grid()->CellRect(pos.X, pos.Y);
  if (r.Width() <= 0 || r.Height() <= 0) return {};
  const int inset = Grid()->BorderWidth();  // cells lie inside the border
  return QRect(Grid()->mapToGlobal(QPoint(r.Left + inset, r.Top + inset)), QSize(r.Width(), r.Height()));
}

void* TGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return TControlAccessible::interface_cast(type);
}

// The children are the cells, row by row; they are made only when asked for.
int TGridAccessible::childCount() const {
  const long long cells = 1LL * rowCount() * columnCount();
  return cells > INT_MAX ? INT_MAX : int(cells);
}

QAccessibleInterface* TGridAccessible::child(int index) const {
  const int columns = columnCount();
  return index < 0 || columns == 0 ? nullptr : cellAt(index / columns, index % columns);
}

int TGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* TGridAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  auto& id = FCells[{row, column}];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new TGridCellAccessible(this, row, column));
  return QAccessible::accessibleInterface(id);
}

}  // namespace vyr
