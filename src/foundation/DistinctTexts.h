#pragma once
// TDistinctTexts: a sequence of texts stored as its distinct texts, packed
// one after the other, and per position the index of its text. A column
// whose cells repeat a few values over many rows is then searched by
// testing each value once and looking the results up by row.
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vyr {

class TDistinctTexts {
 public:
  // Room for expected positions; Add refuses a text that would make more
  // than maxDistinct distinct texts.
  TDistinctTexts(std::size_t expected, std::size_t maxDistinct);

  // Appends text as the next position; false (nothing appended) when it is
  // new and maxDistinct distinct texts are already held, or when it cannot
  // be placed in a few probes (texts made to collide): the caller then
  // stops using the list.
  bool Add(QStringView text);

  std::size_t Count() const { return FStarts.size() - 1; }
  QStringView Text(std::size_t index) const {
    return QStringView(FChars.data() + FStarts[index], qsizetype(FStarts[index + 1] - FStarts[index]));
  }
  // The index of the text at each position, in the order of Add.
  const std::vector<std::uint32_t>& Indexes() const { return FIndexes; }

 private:
  static constexpr std::size_t kNoSlot = ~std::size_t{0};
  struct TEntry {
    std::uint32_t Hash = 0;
    std::uint32_t Text = 0;  // index + 1, 0 = empty slot
  };

  bool Holds(std::size_t index, QStringView text) const;
  void Grow();
  // The slot of text (hash h): where it is held, the empty slot it goes
  // to, or kNoSlot after too many probes.
  std::size_t Slot(QStringView text, std::uint32_t h) const;

  std::size_t FMaxDistinct;
  std::vector<char16_t> FChars;
  std::vector<std::size_t> FStarts{0};  // text k is FChars[FStarts[k] .. FStarts[k + 1])
  std::vector<TEntry> FTable;           // open addressing
  std::vector<std::uint32_t> FIndexes;
};

}  // namespace vyr
