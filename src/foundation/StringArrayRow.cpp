#include "foundation/StringArrayRow.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace vyr {

namespace {

// Blocks are sized in whole 16-byte units, the allocator's own granule, so
// the spare room costs nothing and lets short edits stay in place.
constexpr std::size_t kGranule = 16;

// An empty view may have no data pointer at all, and memcpy must not see one.
void CopyText(char16_t* to, QStringView text) noexcept {
  if (!text.isEmpty()) std::memcpy(to, text.utf16(), 2 * std::size_t(text.size()));
}

}  // namespace

TStringRow& TStringRow::operator=(TStringRow&& other) noexcept {
  if (this != &other) {
    Reset();
    FData = other.FData;
    other.FData = nullptr;
  }
  return *this;
}

void TStringRow::Reset() noexcept {
  ::operator delete(FData);
  FData = nullptr;
}

std::byte* TStringRow::Allocate(int columns, qsizetype textLength) {
  const std::size_t textOffset = TextOffset(columns);
  const std::size_t bytes = (textOffset + 2 * std::size_t(textLength) + kGranule - 1) / kGranule * kGranule;
  auto* data = static_cast<std::byte*>(::operator new(bytes));
  const auto capacity = static_cast<std::uint32_t>((bytes - textOffset) / 2);
  std::memcpy(data, &capacity, sizeof capacity);
  std::memset(data + sizeof capacity, 0, sizeof(std::uint16_t) * columns);
  return data;
}

std::uint32_t TStringRow::Capacity() const noexcept {
  std::uint32_t capacity;
  std::memcpy(&capacity, FData, sizeof capacity);
  return capacity;
}

qsizetype TStringRow::Offset(int col) const noexcept {
  const std::uint16_t* lengths = Lengths();
  qsizetype offset = 0;
  for (int c = 0; c < col; ++c) offset += lengths[c];
  return offset;
}

QStringView TStringRow::Cell(int col, int columns) const noexcept {
  if (!FData) return {};
  return QStringView(Text(columns) + Offset(col), Lengths()[col]);
}

void TStringRow::SetCell(int col, int columns, QStringView text) {
  if (!FData && text.isEmpty()) return;
  const qsizetype newLength = text.size();
  const qsizetype offset = FData ? Offset(col) : 0;
  const qsizetype oldLength = FData ? Lengths()[col] : 0;
  const qsizetype total = FData ? Offset(columns) : 0;
  const qsizetype newTotal = total - oldLength + newLength;
  if (newTotal == 0) {
    Reset();
    return;
  }
  const qsizetype tail = total - offset - oldLength;
  if (FData && newTotal <= qsizetype(Capacity())) {
    char16_t* chars = Text(columns);
    std::memmove(chars + offset + newLength, chars + offset + oldLength, 2 * tail);
    CopyText(chars + offset, text);
    Lengths()[col] = static_cast<std::uint16_t>(newLength);
    return;
  }
  std::byte* data = Allocate(columns, newTotal);
  auto* chars = reinterpret_cast<char16_t*>(data + TextOffset(columns));
  auto* lengths = reinterpret_cast<std::uint16_t*>(data + sizeof(std::uint32_t));
  if (FData) {
    std::memcpy(lengths, Lengths(), sizeof(std::uint16_t) * columns);
    std::memcpy(chars, Text(columns), 2 * offset);
    std::memcpy(chars + offset + newLength, Text(columns) + offset + oldLength, 2 * tail);
  }
  CopyText(chars + offset, text);
  lengths[col] = static_cast<std::uint16_t>(newLength);
  Reset();
  FData = data;
}

TStringRow TStringRow::Remapped(int columns, std::span<const int> sourceOf) const {
  TStringRow result;
  if (!FData) return result;
  qsizetype total = 0;
  for (int source : sourceOf)
    if (source >= 0) total += Lengths()[source];
  if (total == 0) return result;
  const int newColumns = static_cast<int>(sourceOf.size());
  result.FData = Allocate(newColumns, total);
  char16_t* to = result.Text(newColumns);
  for (int j = 0; j < newColumns; ++j) {
    if (sourceOf[j] < 0) continue;
    const QStringView cell = Cell(sourceOf[j], columns);
    CopyText(to, cell);
    to += cell.size();
    result.Lengths()[j] = static_cast<std::uint16_t>(cell.size());
  }
  return result;
}

}  // namespace vyr
