#include "foundation/DistinctTexts.h"

#include <QHashFunctions>
#include <algorithm>
#include <limits>

namespace vyr {

namespace {

constexpr std::size_t kFirstTableSize = 64;

}  // namespace

TDistinctTexts::TDistinctTexts(std::size_t expected, std::size_t maxDistinct)
    : FMaxDistinct(std::min<std::size_t>(maxDistinct, std::numeric_limits<std::uint32_t>::max() - 1)),
      FTable(kFirstTableSize, 0) {
  FIndexes.reserve(expected);
}

std::size_t TDistinctTexts::Slot(QStringView text, std::uint32_t h) const {
  const std::size_t mask = FTable.size() - 1;
  for (std::size_t slot = h & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = FTable[slot];
    if (entry == 0) return slot;
    if (FHashes[entry - 1] == h && Text(entry - 1) == text) return slot;
  }
}

void TDistinctTexts::Grow() {
  std::vector<std::uint32_t> table(FTable.size() * 2, 0);
  const std::size_t mask = table.size() - 1;
  for (std::size_t k = 0; k < Count(); ++k) {
    std::size_t slot = FHashes[k] & mask;
    while (table[slot] != 0) slot = (slot + 1) & mask;
    table[slot] = std::uint32_t(k + 1);
  }
  FTable.swap(table);
}

bool TDistinctTexts::Add(QStringView text) {
  const auto h = static_cast<std::uint32_t>(qHash(text));
  std::size_t slot = Slot(text, h);
  if (FTable[slot] == 0) {
    if (Count() >= FMaxDistinct) return false;
    // At most half full, so that probes stay short.
    if (2 * (Count() + 1) > FTable.size()) {
      Grow();
      slot = Slot(text, h);
    }
    FChars.insert(FChars.end(), text.utf16(), text.utf16() + text.size());
    FStarts.push_back(FChars.size());
    FHashes.push_back(h);
    FTable[slot] = std::uint32_t(Count());
  }
  FIndexes.push_back(FTable[slot] - 1);
  return true;
}

}  // namespace vyr
