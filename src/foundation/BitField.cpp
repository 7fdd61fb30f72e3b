#include "foundation/BitField.h"

#include <algorithm>
#include <bit>
#include <new>

#include "foundation/Errors.h"

namespace vyr {

namespace {

constexpr int kWordBits = 64;

std::size_t WordsFor(int bits) { return (std::size_t(bits) + kWordBits - 1) / kWordBits; }

}  // namespace

TBitFld::TBitFld(int size) { SetSize(size); }

void TBitFld::SetSize(int size) {
  size = std::max(size, 0);
  try {
    FWords.resize(WordsFor(size), 0);
  } catch (const std::bad_alloc&) {
    throw EVyrDStructError(QStringLiteral("TBitFld: not enough memory for %1 bits").arg(size));
  }
  FSize = size;
  if (const int used = size % kWordBits; used != 0) FWords.back() &= (std::uint64_t{1} << used) - 1;
}

bool TBitFld::GetBit(int index) const {
  if (index < 0 || index >= FSize) return false;
  return (FWords[index / kWordBits] >> (index % kWordBits)) & 1;
}

void TBitFld::SetBit(int index, bool value) {
  if (index < 0 || index >= FSize) return;
  const std::uint64_t mask = std::uint64_t{1} << (index % kWordBits);
  if (value)
    FWords[index / kWordBits] |= mask;
  else
    FWords[index / kWordBits] &= ~mask;
}

void TBitFld::SetRange(int from, int to, bool value) {
  to = std::min(to, FSize - 1);
  for (int i = std::max(from, 0); i <= to;) {
    const int shift = i % kWordBits, count = std::min(kWordBits - shift, to - i + 1);
    const std::uint64_t ones = count == kWordBits ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    std::uint64_t& word = FWords[std::size_t(i) / kWordBits];
    word = value ? word | ones << shift : word & ~(ones << shift);
    i += count;
  }
}

void TBitFld::Clear() { std::fill(FWords.begin(), FWords.end(), 0); }

int TBitFld::NextTrueBit(int from) const {
  from = std::max(from, 0);
  if (from >= FSize) return -1;
  std::size_t w = std::size_t(from) / kWordBits;
  // The first word without the bits below from.
  std::uint64_t word = FWords[w] & (~std::uint64_t{0} << (from % kWordBits));
  while (word == 0) {
    if (++w == FWords.size()) return -1;
    word = FWords[w];
  }
  return static_cast<int>(w * kWordBits) + std::countr_zero(word);
}

int TBitFld::CountTrueBits() const {
  int count = 0;
  for (std::uint64_t word : FWords) count += std::popcount(word);
  return count;
}

}  // namespace vyr
