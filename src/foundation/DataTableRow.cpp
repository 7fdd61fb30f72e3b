#include "foundation/DataTableRow.h"

#include <algorithm>

namespace vyr {

namespace {

// Doubles needed for the values and the state bytes of a row.
std::size_t SlotsFor(int capacity) { return std::size_t(capacity) + (std::size_t(capacity) + 7) / 8; }

}  // namespace

TDataRow::TDataRow(int capacity) : FCells(std::make_unique<double[]>(SlotsFor(capacity))) {}

TDataRow TDataRow::Remapped(int capacity, std::span<const int> sourceOf, int newCapacity) const {
  TDataRow row(newCapacity);
  for (std::size_t j = 0; j < sourceOf.size(); ++j) {
    if (sourceOf[j] < 0) continue;
    row.Values()[j] = Values()[sourceOf[j]];
    row.States(newCapacity)[j] = States(capacity)[sourceOf[j]];
  }
  return row;
}

void TDataRow::InsertCell(int columns, int capacity, int at) {
  double* values = Values();
  std::copy_backward(values + at, values + columns, values + columns + 1);
  values[at] = 0.0;
  std::uint8_t* states = States(capacity);
  std::copy_backward(states + at, states + columns, states + columns + 1);
  states[at] = 0;
}

void TDataRow::RemoveCell(int columns, int capacity, int at) {
  double* values = Values();
  std::copy(values + at + 1, values + columns, values + at);
  std::uint8_t* states = States(capacity);
  std::copy(states + at + 1, states + columns, states + at);
}

}  // namespace vyr
