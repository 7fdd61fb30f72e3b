#pragma once
// TIntMatrix: a matrix of 32-bit integers addressed (column, row), both
// counted from 1. Cells outside the matrix read as 0 and ignore writes.
#include <vector>

namespace vyr {

class TIntMatrix {
 public:
  // Largest number of cells; Resize refuses more.
  static constexpr long long kMaxCells = 1LL << 28;

  TIntMatrix(int cols = 0, int rows = 0);

  int NrOfColumns() const { return FNrCols; }
  int NrOfRows() const { return FNrRows; }

  // New size (negative counts as 0), keeping the values that stay inside
  // it; new cells are 0. Raises EVyrDStructError, leaving the matrix as it
  // was, above kMaxCells or when memory runs out.
  void Resize(int cols, int rows);
  // Resize with the column count kept.
  void SetNRows(int rows) { Resize(FNrCols, rows); }

  int GetVal(int col, int row) const;
  void SetVal(int col, int row, int value);

 private:
  bool Inside(int col, int row) const { return col >= 1 && col <= FNrCols && row >= 1 && row <= FNrRows; }
  std::size_t IndexOf(int col, int row) const { return std::size_t(row - 1) * FNrCols + (col - 1); }

  int FNrCols = 0;
  int FNrRows = 0;
  std::vector<int> FCells;  // row by row
};

}  // namespace vyr
