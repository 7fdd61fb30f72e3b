#pragma once
// Sorting of cell texts in the order of CompareCellText.
#include <QStringView>
#include <cstdint>
#include <vector>

namespace vyr {

// The indexes of texts (0 .. size - 1) ordered by CompareCellText, ascending
// or descending; equal texts keep their order. Fast also when many texts
// share a long beginning: every text is case-folded once into a byte key,
// the keys are sorted by a three-way radix quicksort, and only texts whose
// folded keys are equal are compared by character codes. More texts than
// an int32 counts throw std::length_error.
std::vector<std::int32_t> CellTextOrder(const std::vector<QStringView>& texts, bool ascending);

}  // namespace vyr
