#include "foundation/StableKeySort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

namespace vyr {

namespace {

// Short inputs go to a comparison sort; longer ones to a least-significant
// digit radix sort with 11-bit digits (six passes cover 64 bits).
constexpr std::size_t kRadixThreshold = 2048;
constexpr int kDigitBits = 11;
constexpr int kPasses = 6;
constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;

unsigned DigitOf(std::uint64_t key, int pass) {
  return static_cast<unsigned>(key >> (pass * kDigitBits)) & (kBuckets - 1);
}

}  // namespace

std::uint64_t NumberSortKey(double value) {
  if (value == 0.0) value = 0.0;  // folds -0 into +0
  const auto bits = std::bit_cast<std::uint64_t>(value);
  constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
  return (bits & kSign) ? ~bits : bits | kSign;
}

void StableSortByKey(std::vector<TKeyedRow>& rows) {
  if (rows.size() < kRadixThreshold) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TKeyedRow& a, const TKeyedRow& b) { return a.Key < b.Key; });
    return;
  }
  std::vector<std::array<std::size_t, kBuckets>> counts(kPasses);
  for (auto& c : counts) c.fill(0);
  for (const TKeyedRow& r : rows)
    for (int p = 0; p < kPasses; ++p) ++counts[p][DigitOf(r.Key, p)];

  std::vector<TKeyedRow> buffer(rows.size());
  std::vector<TKeyedRow>* from = &rows;
  std::vector<TKeyedRow>* to = &buffer;
  for (int p = 0; p < kPasses; ++p) {
    auto& count = counts[p];
    // A digit that is the same in every key leaves the order as it is.
    if (count[DigitOf(from->front().Key, p)] == rows.size()) continue;
    std::size_t offset = 0;
    for (std::size_t& c : count) {
      const std::size_t n = c;
      c = offset;
      offset += n;
    }
    for (const TKeyedRow& r : *from) (*to)[count[DigitOf(r.Key, p)]++] = r;
    std::swap(from, to);
  }
  if (from != &rows) rows.swap(buffer);
}

}  // namespace vyr

