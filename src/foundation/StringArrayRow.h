#pragma once
// The cells of one string-table row packed into a single block: a capacity,
// one 16-bit length per column, then the UTF-16 text of all cells back to
// back. A row whose cells are all empty holds no block at all. The row does
// not know its column count; every call passes it.
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vyr {

class TStringRow {
 public:
  // Longest cell text a row stores: 255 characters and one more, so that an
  // owner can put a one-character mark in front of a full text.
  static constexpr qsizetype kMaxCellLength = 256;

  TStringRow() noexcept = default;
  TStringRow(TStringRow&& other) noexcept : FData(other.FData) { other.FData = nullptr; }
  TStringRow& operator=(TStringRow&& other) noexcept;
  TStringRow(const TStringRow&) = delete;
  TStringRow& operator=(const TStringRow&) = delete;
  ~TStringRow() { Reset(); }

  // Cell col of a row with columns cells; valid until the row changes.
  QStringView Cell(int col, int columns) const noexcept;

  // Stores text (at most kMaxCellLength units, not pointing into this row)
  // in cell col. Leaves the row unchanged if memory runs out.
  void SetCell(int col, int columns, QStringView text);

  // A new row of sourceOf.size() columns whose column j holds cell
  // sourceOf[j] of this row (columns cells), or nothing where that is -1.
  TStringRow Remapped(int columns, std::span<const int> sourceOf) const;

  void Reset() noexcept;

 private:
  static std::size_t TextOffset(int columns) { return sizeof(std::uint32_t) + sizeof(std::uint16_t) * columns; }
  static std::byte* Allocate(int columns, qsizetype textLength);
  std::uint32_t Capacity() const noexcept;
  const std::uint16_t* Lengths() const noexcept {
    return reinterpret_cast<const std::uint16_t*>(FData + sizeof(std::uint32_t));
  }
  std::uint16_t* Lengths() noexcept { return reinterpret_cast<std::uint16_t*>(FData + sizeof(std::uint32_t)); }
  char16_t* Text(int columns) const noexcept { return reinterpret_cast<char16_t*>(FData + TextOffset(columns)); }
  qsizetype Offset(int col) const noexcept;

  std::byte* FData = nullptr;
};

}  // namespace vyr
