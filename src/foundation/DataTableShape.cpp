// TDataTable: size, insertion, removal and mirroring of rows and columns.
#include <algorithm>
#include <new>

#include "foundation/DataTable.h"
#include "foundation/Errors.h"

namespace vyr {

namespace {

void CheckSize(qint64 cols, qint64 rows) {
  if (cols * rows > TDataTable::kMaxCells)
    throw EVyrDStructError(QStringLiteral("TDataTable: %1 x %2 cells exceed the limit of %3 cells")
                               .arg(cols)
                               .arg(rows)
                               .arg(TDataTable::kMaxCells));
}

EVyrDStructError OutOfMemory(qint64 cols, qint64 rows) {
  return EVyrDStructError(QStringLiteral("TDataTable: not enough memory for %1 x %2 cells").arg(cols).arg(rows));
}

// Room for one more element, growing geometrically.
template <class V>
void ReserveOneMore(V& v) {
  if (v.size() == v.capacity()) v.reserve(std::max<std::size_t>(4, 2 * v.capacity()));
}

}  // namespace

void TDataTable::RemapColumns(const std::vector<int>& sourceOf, int capacity) {
  std::vector<TDataRow> rows;
  rows.reserve(FRows.capacity());
  for (const TDataRow& row : FRows) rows.push_back(row.Remapped(FColCap, sourceOf, capacity));
  FRows.swap(rows);
  FNrCols = static_cast<int>(sourceOf.size());
  FColCap = capacity;
}

void TDataTable::Resize(int cols, int rows) {
  cols = std::max(cols, 0);
  rows = std::max(rows, 0);
  const int oldCols = FNrCols;
  const int oldRows = FNrRows;
  if (cols == oldCols && rows == oldRows) return;
  CheckSize(cols, rows);
  std::vector<TDataRow> added;
  try {
    const int capacity = cols == oldCols ? FColCap : cols;
    for (int r = oldRows; r < rows; ++r) added.emplace_back(capacity);
    FRows.reserve(rows);
    FRowNames.reserve(rows);
    FRowAttribs.reserve(rows);
    FCols.reserve(cols);
    if (cols != oldCols) {
      std::vector<int> sourceOf(cols);
      for (int j = 0; j < cols; ++j) sourceOf[j] = j < oldCols ? j : -1;
      RemapColumns(sourceOf, cols);
    }
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(cols, rows);
  }
  // Within the reserved room nothing below allocates.
  FRows.resize(std::min(rows, oldRows));
  for (TDataRow& row : added) FRows.push_back(std::move(row));
  FRowNames.resize(rows);
  FRowAttribs.resize(rows, 0);
  FCols.resize(cols);
  FNrCols = cols;
  FNrRows = rows;
  Resized(oldCols, oldRows);
}

void TDataTable::InsertRow(int row) {
  if (row < 1 || row > FNrRows + 1) return;
  CheckSize(FNrCols, qint64(FNrRows) + 1);
  TDataRow fresh;
  try {
    fresh = TDataRow(FColCap);
    ReserveOneMore(FRows);
    ReserveOneMore(FRowNames);
    ReserveOneMore(FRowAttribs);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(FNrCols, qint64(FNrRows) + 1);
  }
  FRows.insert(FRows.begin() + (row - 1), std::move(fresh));
  FRowNames.insert(FRowNames.begin() + (row - 1), QString());
  FRowAttribs.insert(FRowAttribs.begin() + (row - 1), 0);
  ++FNrRows;
  Resized(FNrCols, FNrRows - 1);
}

void TDataTable::RemoveRow(int row) {
  if (!ValidRow(row)) return;
  FRows.erase(FRows.begin() + (row - 1));
  FRowNames.erase(FRowNames.begin() + (row - 1));
  FRowAttribs.erase(FRowAttribs.begin() + (row - 1));
  --FNrRows;
  Resized(FNrCols, FNrRows + 1);
}

// A row with room left takes the new column by shifting the cells behind
// it. Without room every row is laid out anew with about an eighth more,
// so a run of insertions copies the table only now and then.
void TDataTable::InsertColumn(int col) {
  if (col < 1 || col > FNrCols + 1) return;
  CheckSize(qint64(FNrCols) + 1, FNrRows);
  try {
    ReserveOneMore(FCols);
    if (FNrCols == FColCap) {
      std::vector<int> sourceOf(std::size_t(FNrCols) + 1);
      for (int j = 0; j <= FNrCols; ++j) sourceOf[j] = j < col - 1 ? j : (j == col - 1 ? -1 : j - 1);
      RemapColumns(sourceOf, FNrCols + 1 + std::max(4, FNrCols / 8));
    } else {
      for (TDataRow& row : FRows) row.InsertCell(FNrCols, FColCap, col - 1);
      ++FNrCols;
    }
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(qint64(FNrCols) + 1, FNrRows);
  }
  FCols.insert(FCols.begin() + (col - 1), TColumnInfo());
  Resized(FNrCols - 1, FNrRows);
}

// The rows keep their room; the freed cell at the end is cleared when a
// later insertion reuses it.
void TDataTable::RemoveColumn(int col) {
  if (!ValidCol(col)) return;
  for (TDataRow& row : FRows) row.RemoveCell(FNrCols, FColCap, col - 1);
  --FNrCols;
  FCols.erase(FCols.begin() + (col - 1));
  Resized(FNrCols + 1, FNrRows);
}

void TDataTable::MirrorRows() {
  if (FNrRows < 2) return;
  std::reverse(FRows.begin(), FRows.end());
  std::reverse(FRowNames.begin(), FRowNames.end());
  std::reverse(FRowAttribs.begin(), FRowAttribs.end());
  DataChanged();
  SetupChanged();
}

void TDataTable::MirrorColumns() {
  if (FNrCols < 2) return;
  for (TDataRow& row : FRows) {
    std::reverse(row.Values(), row.Values() + FNrCols);
    std::reverse(row.States(FColCap), row.States(FColCap) + FNrCols);
  }
  std::reverse(FCols.begin(), FCols.end());
  DataChanged();
  SetupChanged();
}

}  // namespace vyr
