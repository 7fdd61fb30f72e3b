#pragma once
// Stable sorting of table rows by a 64-bit key, used by the string table and
// the data table to build their display orders.
#include <cstdint>
#include <vector>

namespace vyr {

struct TKeyedRow {
  std::uint64_t Key;
  std::int32_t Row;
};

// A key whose unsigned order is the numeric order of finite and infinite
// doubles; -0 and +0 get the same key. Keys of descending sorts are the
// bitwise complement, so ties still keep their order.
std::uint64_t NumberSortKey(double value);

// Sorts by Key, ascending; rows with equal keys keep their order.
void StableSortByKey(std::vector<TKeyedRow>& rows);

}  // namespace vyr
