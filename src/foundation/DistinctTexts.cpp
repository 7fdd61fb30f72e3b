#include "foundation/DistinctTexts.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>
#include <limits>

namespace vyr {

namespace {

constexpr std::size_t kFirstTableSize = 64;
// A text whose probe runs longer than this (texts made to collide) ends
// the list rather than let the search slow down without bound.
constexpr std::size_t kMaxProbes = 64;

// A hash of the text's units taken four at a time, started from the
// process's random seed so that colliding texts cannot be prepared.
std::uint32_t HashOf(QStringView text) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t h = (std::uint64_t(QHashSeed::globalSeed()) ^ std::uint64_t(text.size())) * kMultiplier;
  const char16_t* units = text.utf16();
  for (qsizetype left = text.size(); left > 0; left -= 4, units += 4) {
    std::uint64_t word = 0;
    std::memcpy(&word, units, 2 * std::size_t(std::min<qsizetype>(left, 4)));
    h = (h ^ word) * kMultiplier;
    h ^= h >> 29;
  }
  return static_cast<std::uint32_t>(h ^ h >> 32);
}

}  // namespace

TDistinctTexts::TDistinctTexts(std::size_t expected, std::size_t maxDistinct)
    : FMaxDistinct(std::min<std::size_t>(maxDistinct, std::numeric_limits<std::uint32_t>::max() - 1)),
      FTable(kFirstTableSize) {
  FIndexes.reserve(expected);
}

bool TDistinctTexts::Holds(std::size_t index, QStringView text) const {
  const QStringView held = Text(index);
  // Empty texts may have no storage at all: memcmp must not see their null.
  return held.size() == text.size() &&
         (text.isEmpty() || std::memcmp(held.utf16(), text.utf16(), 2 * std::size_t(text.size())) == 0);
}

std::size_t TDistinctTexts::Slot(QStringView text, std::uint32_t h) const {
  const std::size_t mask = FTable.size() - 1;
  std::size_t slot = h & mask;
  for (std::size_t probes = 0; probes < kMaxProbes; ++probes, slot = (slot + 1) & mask) {
    const TEntry entry = FTable[slot];
    if (entry.Text == 0) return slot;
    if (entry.Hash == h && Holds(entry.Text - 1, text)) return slot;
  }
  return kNoSlot;
}

void TDistinctTexts::Grow() {
  std::vector<TEntry> table(FTable.size() * 2);
  const std::size_t mask = table.size() - 1;
  for (const TEntry& entry : FTable) {
    if (entry.Text == 0) continue;
    std::size_t slot = entry.Hash & mask;
    while (table[slot].Text != 0) slot = (slot + 1) & mask;
    table[slot] = entry;
  }
  FTable.swap(table);
}

bool TDistinctTexts::Add(QStringView text) {
  const std::uint32_t h = HashOf(text);
  std::size_t slot = Slot(text, h);
  if (slot == kNoSlot) return false;
  if (FTable[slot].Text == 0) {
    if (Count() >= FMaxDistinct) return false;
    // At most half full, so that probes stay short.
    if (2 * (Count() + 1) > FTable.size()) {
      Grow();
      slot = Slot(text, h);
      if (slot == kNoSlot) return false;
    }
    if (!text.isEmpty()) FChars.insert(FChars.end(), text.utf16(), text.utf16() + text.size());
    FStarts.push_back(FChars.size());
    FTable[slot] = {h, std::uint32_t(Count())};
  }
  FIndexes.push_back(FTable[slot].Text - 1);
  return true;
}

}  // namespace vyr
