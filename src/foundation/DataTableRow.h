#pragma once
// One row of a data table in a single block: room for `capacity` column
// values, then one state byte per column of that room. The row knows
// neither its column count nor its capacity; the table keeps both, the same
// for every row, and passes them in. The room beyond the columns lets a
// column be inserted by shifting the cells behind it, without a new block.
#include <cstdint>
#include <memory>
#include <span>

namespace vyr {

class TDataRow {
 public:
  TDataRow() = default;
  // A row with room for capacity columns, every cell 0 with state 0.
  explicit TDataRow(int capacity);

  double* Values() { return FCells.get(); }
  const double* Values() const { return FCells.get(); }
  std::uint8_t* States(int capacity) { return reinterpret_cast<std::uint8_t*>(FCells.get() + capacity); }
  const std::uint8_t* States(int capacity) const {
    return reinterpret_cast<const std::uint8_t*>(FCells.get() + capacity);
  }

  // A new row with room for newCapacity columns whose column j is cell
  // sourceOf[j] of this row (room for capacity), or 0 with state 0 where
  // that is -1.
  TDataRow Remapped(int capacity, std::span<const int> sourceOf, int newCapacity) const;
  // Shifts the cells at index at..columns-1 one place right and clears the
  // cell at `at`; the caller guarantees columns < capacity.
  void InsertCell(int columns, int capacity, int at);
  // Shifts the cells behind index at one place left, over the cell at `at`.
  void RemoveCell(int columns, int capacity, int at);

 private:
  std::unique_ptr<double[]> FCells;
};

}  // namespace vyr
