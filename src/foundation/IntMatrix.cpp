#include "foundation/IntMatrix.h"

#include <algorithm>
#include <new>

#include "foundation/Errors.h"

namespace vyr {

TIntMatrix::TIntMatrix(int cols, int rows) { Resize(cols, rows); }

void TIntMatrix::Resize(int cols, int rows) {
  cols = std::max(cols, 0);
  rows = std::max(rows, 0);
  if (cols == FNrCols && rows == FNrRows) return;
  if (static_cast<long long>(cols) * rows > kMaxCells)
    throw EVyrDStructError(
        QStringLiteral("TIntMatrix: %1 x %2 cells exceed the limit of %3 cells").arg(cols).arg(rows).arg(kMaxCells));
  std::vector<int> cells;
  try {
    if (cols == FNrCols) {
      // Rows are stored one after the other: only the end changes.
      cells.reserve(std::size_t(cols) * rows);
      cells.assign(FCells.begin(), FCells.begin() + std::size_t(cols) * std::min(rows, FNrRows));
      cells.resize(std::size_t(cols) * rows, 0);
    } else {
      cells.assign(std::size_t(cols) * rows, 0);
      const int keepCols = std::min(cols, FNrCols);
      for (int r = 0; r < std::min(rows, FNrRows); ++r)
        std::copy_n(FCells.begin() + std::size_t(r) * FNrCols, keepCols, cells.begin() + std::size_t(r) * cols);
    }
  } catch (const std::bad_alloc&) {
    throw EVyrDStructError(QStringLiteral("TIntMatrix: not enough memory for %1 x %2 cells").arg(cols).arg(rows));
  }
  FCells.swap(cells);
  FNrCols = cols;
  FNrRows = rows;
}

int TIntMatrix::GetVal(int col, int row) const { return Inside(col, row) ? FCells[IndexOf(col, row)] : 0; }

void TIntMatrix::SetVal(int col, int row, int value) {
  if (Inside(col, row)) FCells[IndexOf(col, row)] = value;
}

}  // namespace vyr
