#include "foundation/CellTextSort.h"

#include <QChar>
#include <algorithm>
#include <bit>
#include <cstddef>
#include <limits>
#include <stdexcept>

namespace vyr {

namespace {

// Ranges shorter than this are finished by a comparison sort.
constexpr std::ptrdiff_t kSmallRange = 24;

// The code a text unit has under the case-insensitive comparison: a low
// surrogate after a high one stands for the folded code point of the pair,
// every other unit for its own folded code.
char32_t FoldedUnit(char16_t unit, char16_t previous) {
  if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit;
  if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(previous))
    return QChar::toCaseFolded(QChar::surrogateToUcs4(previous, unit));
  return QChar::toCaseFolded(char32_t(unit));
}

// Writes the folded codes of texts as byte strings packed big-endian into
// 64-bit words. Each code takes one to four bytes as in UTF-8 (which keeps
// the order of codes up to 0x10FFFF, surrogates included), every byte plus
// one, so that no byte of a code is 0. A key ends with the first 0 byte and
// is padded with zeros to a whole word: comparing keys word by word then
// orders them as the comparison orders the texts, a shorter key before the
// longer one it begins.
class TKeyWriter {
 public:
  explicit TKeyWriter(std::vector<std::uint64_t>& words) : FWords(words) {}

  void Append(QStringView text) {
    char16_t previous = 0;
    for (QChar c : text) {
      PutCode(FoldedUnit(c.unicode(), previous));
      previous = c.unicode();
    }
    FWords.push_back(FBytes == 0 ? 0 : FPending << (8 * (8 - FBytes)));
    FPending = 0;
    FBytes = 0;
  }

 private:
  void Put(unsigned byte) {
    FPending = FPending << 8 | (byte + 1);
    if (++FBytes == 8) {
      FWords.push_back(FPending);
      FPending = 0;
      FBytes = 0;
    }
  }

  void PutCode(char32_t code) {
    if (code < 0x80) {
      Put(code);
      return;
    }
    if (code < 0x800) {
      Put(0xC0 | code >> 6);
    } else {
      if (code < 0x10000) {
        Put(0xE0 | code >> 12);
      } else {
        Put(0xF0 | code >> 18);
        Put(0x80 | (code >> 12 & 0x3F));
      }
      Put(0x80 | (code >> 6 & 0x3F));
    }
    Put(0x80 | (code & 0x3F));
  }

  std::vector<std::uint64_t>& FWords;
  std::uint64_t FPending = 0;
  int FBytes = 0;
};

struct TEntry {
  std::uint64_t Word;         // the key word at the depth of the range, complemented when descending
  const std::uint64_t* Key;   // the whole key
  std::int32_t Index;         // position of the text
};

struct TRange {
  TEntry* First;
  TEntry* Last;
  std::size_t Depth;  // words of the key all entries of the range share
  int Budget;         // partitions left at this depth before a comparison sort takes over
};

bool EndsKey(std::uint64_t word) { return (word & 0xFF) == 0; }

// Partitions allowed before a range counts as degenerate.
int BudgetFor(std::ptrdiff_t size) { return 2 * std::bit_width(static_cast<std::size_t>(size)); }

std::uint64_t MedianOfThree(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
  return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

class TCellTextSorter {
 public:
  TCellTextSorter(const std::vector<QStringView>& texts, bool ascending)
      : FTexts(texts), FFlip(ascending ? 0 : ~std::uint64_t{0}), FAscending(ascending) {}

  std::vector<std::int32_t> Order() {
    const std::size_t n = FTexts.size();
    std::vector<std::uint64_t> words;
    words.reserve(2 * n);
    std::vector<std::size_t> starts(n);
    TKeyWriter writer(words);
    for (std::size_t i = 0; i < n; ++i) {
      starts[i] = words.size();
      writer.Append(FTexts[i]);
    }
    std::vector<TEntry> entries(n);
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t* key = words.data() + starts[i];
      entries[i] = {key[0] ^ FFlip, key, static_cast<std::int32_t>(i)};
    }
    starts = {};
    Sort(entries.data(), entries.data() + n);
    std::vector<std::int32_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = entries[i].Index;
    return order;
  }

 private:
  // Multikey quicksort on the key words: a range splits into the entries
  // below, equal to and above a pivot word; the equal part moves on to the
  // next word of the key, or, when the pivot ends the key, holds equal keys.
  void Sort(TEntry* first, TEntry* last) {
    std::vector<TRange> pending{{first, last, 0, BudgetFor(last - first)}};
    while (!pending.empty()) {
      const TRange r = pending.back();
      pending.pop_back();
      if (r.Last - r.First < kSmallRange || r.Budget == 0) {
        std::sort(r.First, r.Last, [&](const TEntry& a, const TEntry& b) { return Before(a, b, r.Depth); });
        continue;
      }
      const std::uint64_t pivot = MedianOfThree(r.First->Word, r.First[(r.Last - r.First) / 2].Word, r.Last[-1].Word);
      TEntry* below = r.First;
      TEntry* above = r.Last;
      for (TEntry* e = r.First; e < above;) {
        if (e->Word < pivot)
          std::swap(*below++, *e++);
        else if (e->Word > pivot)
          std::swap(*e, *--above);
        else
          ++e;
      }
      if (below - r.First > 1) pending.push_back({r.First, below, r.Depth, r.Budget - 1});
      if (r.Last - above > 1) pending.push_back({above, r.Last, r.Depth, r.Budget - 1});
      if (above - below < 2) continue;
      if (EndsKey(pivot ^ FFlip)) {
        SortEqualKeys(below, above);
        continue;
      }
      for (TEntry* e = below; e < above; ++e) e->Word = e->Key[r.Depth + 1] ^ FFlip;
      pending.push_back({below, above, r.Depth + 1, BudgetFor(above - below)});
    }
  }

  // Keys from word depth on: negative, 0 or positive as a's is below, equal
  // to or above b's.
  static int CompareKeys(const TEntry& a, const TEntry& b, std::size_t depth) {
    for (;; ++depth) {
      const std::uint64_t x = a.Key[depth];
      const std::uint64_t y = b.Key[depth];
      if (x != y) return x < y ? -1 : 1;
      if (EndsKey(x)) return 0;
    }
  }

  bool InDirection(int comparison) const { return FAscending ? comparison < 0 : comparison > 0; }

  int CompareCodes(const TEntry& a, const TEntry& b) const {
    return FTexts[a.Index].compare(FTexts[b.Index], Qt::CaseSensitive);
  }

  // The final order of two entries whose keys agree before word depth.
  bool Before(const TEntry& a, const TEntry& b, std::size_t depth) const {
    int comparison = CompareKeys(a, b, depth);
    if (comparison == 0) comparison = CompareCodes(a, b);
    return comparison != 0 ? InDirection(comparison) : a.Index < b.Index;
  }

  // Entries with equal keys: back into their original order, then ordered
  // by character codes unless all their texts are the same.
  void SortEqualKeys(TEntry* first, TEntry* last) const {
    std::sort(first, last, [](const TEntry& a, const TEntry& b) { return a.Index < b.Index; });
    const QStringView head = FTexts[first->Index];
    if (std::all_of(first + 1, last, [&](const TEntry& e) { return FTexts[e.Index] == head; })) return;
    std::stable_sort(first, last,
                     [&](const TEntry& a, const TEntry& b) { return InDirection(CompareCodes(a, b)); });
  }

  const std::vector<QStringView>& FTexts;
  const std::uint64_t FFlip;
  const bool FAscending;
};

}  // namespace

std::vector<std::int32_t> CellTextOrder(const std::vector<QStringView>& texts, bool ascending) {
  if (texts.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("CellTextOrder: more texts than 32-bit indexes reach");
  return TCellTextSorter(texts, ascending).Order();
}

}  // namespace vyr
