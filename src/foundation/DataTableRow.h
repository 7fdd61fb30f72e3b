#pragma once
// One row of a data table in a single block: the column values, then one
// state byte per column. The row does not know its column count; every call
// passes it.
#include <cstdint>
#include <memory>
#include <span>

namespace vyr {

class TDataRow {
 public:
  TDataRow() = default;
  // A row of columns cells holding 0 with state 0.
  explicit TDataRow(int columns);

  double* Values() { return FCells.get(); }
  const double* Values() const { return FCells.get(); }
  std::uint8_t* States(int columns) { return reinterpret_cast<std::uint8_t*>(FCells.get() + columns); }
  const std::uint8_t* States(int columns) const { return reinterpret_cast<const std::uint8_t*>(FCells.get() + columns); }

  // A new row of sourceOf.size() columns whose column j is cell sourceOf[j]
  // of this row (columns cells), or 0 with state 0 where that is -1.
  TDataRow Remapped(int columns, std::span<const int> sourceOf) const;

 private:
  std::unique_ptr<double[]> FCells;
};

}  // namespace vyr
