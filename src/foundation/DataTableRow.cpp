#include "foundation/DataTableRow.h"

namespace vyr {

namespace {

// Doubles needed for the values and the state bytes of a row.
std::size_t SlotsFor(int columns) { return std::size_t(columns) + (std::size_t(columns) + 7) / 8; }

}  // namespace

TDataRow::TDataRow(int columns) : FCells(std::make_unique<double[]>(SlotsFor(columns))) {}

TDataRow TDataRow::Remapped(int columns, std::span<const int> sourceOf) const {
  const int newColumns = static_cast<int>(sourceOf.size());
  TDataRow row(newColumns);
  for (int j = 0; j < newColumns; ++j) {
    if (sourceOf[j] < 0) continue;
    row.Values()[j] = Values()[sourceOf[j]];
    row.States(newColumns)[j] = States(columns)[sourceOf[j]];
  }
  return row;
}

}  // namespace vyr
