#pragma once
// A grid control to assistive technology: a table whose children are its
// data cells, one cell interface per cell, made when first asked for and
// kept until the table goes. A family says what its cells are (text, grid
// place, selection, state); rows and columns count from 0 here.
#include <QAccessible>
#include <map>
#include <utility>

#include "host/Accessible.h"
#include "host/Types.h"

namespace vyr {

class TCustomGrid;

class TGridAccessible : public TControlAccessible, public QAccessibleTableInterface {
 public:
  explicit TGridAccessible(TCustomGrid* grid);
  ~TGridAccessible() override;

  TCustomGrid* Grid() const;

  // The family's answers for the cell at (row, column), inside the counts.
  virtual QString CellText(int row, int column) const = 0;
  // The cell's grid column and row (as TCustomGrid::CellRect takes them).
  virtual TPoint CellGridPos(int row, int column) const = 0;
  virtual bool CellSelected(int row, int column) const = 0;
  // Adds what the family knows beyond selection and visibility.
  virtual void AddCellState(int /*row*/, int /*column*/, QAccessible::State& /*state*/) const {}

  // The cell's place on screen; empty when it is scrolled out of view.
  QRect CellScreenRect(int row, int column) const;

  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QAccessibleInterface* cellAt(int row, int column) const override;
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
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
  mutable std::map<std::pair<int, int>, QAccessible::Id> FCells;  // (row, column)
};

}  // namespace vyr
