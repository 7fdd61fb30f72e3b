// The table editor to assistive technology: a table of its data cells,
// each cell's text as painted, the column and row names as descriptions and
// the selected block as the selection.
#include "host/GridAccessible.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

class TNTabAccessible : public TGridAccessible {
 public:
  explicit TNTabAccessible(TNTabEd* ed) : TGridAccessible(ed) {}
  TNTabEd* Ed() const { return static_cast<TNTabEd*>(widget()); }

  QString CellText(int row, int column) const override { return Ed()->CellText(column + 1, row + 1).trimmed(); }
  TPoint CellGridPos(int row, int column) const override {
    return {column + 1 + Ed()->ColOffset(), row + 1 + Ed()->RowOffset()};
  }
  bool CellSelected(int row, int column) const override {
    const TPoint pos = CellGridPos(row, column);
    return Ed()->Selection().Contains(pos.X, pos.Y);
  }
  void AddCellState(int row, int column, QAccessible::State& state) const override {
    state.readOnly = Ed()->DataReadOnly() || (Ed()->CellState(column + 1, row + 1) & csbReadOnly);
  }

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
};

}  // namespace

QAccessibleInterface* TNTabEd::CreateAccessible() { return new TNTabAccessible(this); }

// The current cell as "column name, row name: text".
QString TNTabEd::AccessibleValue() const {
  const int c = Col() - ColOffset(), r = Row() - RowOffset();
  return QStringLiteral("%1, %2: %3").arg(ColName(c), RowName(r), CellText(c, r).trimmed());
}

}  // namespace vyr
