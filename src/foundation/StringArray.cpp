#include "foundation/StringArray.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <utility>

#include "foundation/Errors.h"
#include "foundation/TextCut.h"

namespace vyr {

namespace {

EVyrDStructError OutOfMemory(qint64 cols, qint64 rows) {
  return EVyrDStructError(QStringLiteral("TStringArray: not enough memory for %1 x %2 cells").arg(cols + 1).arg(rows + 1));
}

void CheckSize(qint64 cols, qint64 rows) {
  if ((cols + 1) * (rows + 1) > TStringArray::kMaxCells)
    throw EVyrDStructError(QStringLiteral("TStringArray: %1 x %2 cells exceed the limit of %3 cells")
                               .arg(cols + 1)
                               .arg(rows + 1)
                               .arg(TStringArray::kMaxCells));
}

}  // namespace

TStringArray::TStringArray(QObject* owner)
    : QObject(owner), FRows(1), FRowAttribs(1, 0), FColAttribs(1, 0), FOrder(1, 0), FColVersion(1, 0) {}

void TStringArray::Changed() {
  if (FUpdateDepth > 0)
    FChangePending = true;
  else if (OnChange)
    OnChange(this);
}

void TStringArray::AttribChanged() {
  if (FUpdateDepth > 0)
    FAttribChangePending = true;
  else if (OnAttribChange)
    OnAttribChange(this);
  else if (OnChange)
    OnChange(this);
}

void TStringArray::StructureChanged() {
  FStructureVersion = ++FVersion;
  FColVersion.resize(std::size_t(Columns()), 0);
  FPositionValid = false;
}

void TStringArray::CountAttrib(std::uint8_t attrib, int delta) {
  for (int bit = 0; attrib != 0; ++bit, attrib >>= 1)
    if (attrib & 1) FAttribBitCount[bit] += delta;
}

int TStringArray::CountRowsWithAttribBit(int bit) const { return bit >= 0 && bit < 8 ? FAttribBitCount[bit] : 0; }

std::uint64_t TStringArray::ColumnVersion(int col) const {
  return ValidCol(col) ? std::max(FStructureVersion, FColVersion[col]) : FStructureVersion;
}

void TStringArray::EndUpdate() {
  if (FUpdateDepth == 0) return;
  if (--FUpdateDepth > 0) return;
  const bool content = std::exchange(FChangePending, false);
  const bool attribs = std::exchange(FAttribChangePending, false);
  if (content || (attribs && !OnAttribChange)) {
    if (OnChange) OnChange(this);
  } else if (attribs) {
    OnAttribChange(this);
  }
}

void TStringArray::SetAllocRowsBy(int rows) { FAllocRowsBy = std::max(rows, 1); }

void TStringArray::ReserveRows(std::size_t rows) {
  if (rows <= FRows.capacity() && rows <= FRowAttribs.capacity() && rows <= FOrder.capacity()) return;
  const std::size_t grown = std::max({rows, FRows.size() + FAllocRowsBy, FRows.capacity() + FRows.capacity() / 2});
  FRows.reserve(grown);
  FRowAttribs.reserve(grown);
  FOrder.reserve(grown);
}

void TStringArray::RemapColumns(const std::vector<int>& sourceOf) {
  std::vector<TStringRow> rows;
  rows.reserve(FRows.capacity());
  for (const TStringRow& row : FRows) rows.push_back(row.Remapped(Columns(), sourceOf));
  std::vector<std::uint8_t> attribs(sourceOf.size(), 0);
  for (std::size_t j = 0; j < sourceOf.size(); ++j)
    if (sourceOf[j] >= 0) attribs[j] = FColAttribs[sourceOf[j]];
  FRows.swap(rows);
  FColAttribs.swap(attribs);
  FNrCols = static_cast<int>(sourceOf.size()) - 1;
}

void TStringArray::ResetOrder() {
  std::iota(FOrder.begin(), FOrder.end(), 0);
  FOrderIsIdentity = true;
  FPositionValid = false;
}

void TStringArray::Resize(int cols, int rows) {
  cols = std::max(cols, 0);
  rows = std::max(rows, 0);
  const int oldRows = NrOfRows();
  if (cols == FNrCols && rows == oldRows) return;
  CheckSize(cols, rows);
  try {
    ReserveRows(std::size_t(rows) + 1);
    if (cols != FNrCols) {
      std::vector<int> sourceOf(std::size_t(cols) + 1);
      for (int j = 0; j <= cols; ++j) sourceOf[j] = j <= FNrCols ? j : -1;
      RemapColumns(sourceOf);
    }
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(cols, rows);
  }
  // Within the reserved room nothing below allocates.
  for (int storage = rows + 1; storage <= oldRows; ++storage) CountAttrib(FRowAttribs[storage], -1);
  FRows.resize(std::size_t(rows) + 1);
  FRowAttribs.resize(std::size_t(rows) + 1, 0);
  if (rows < oldRows)
    std::erase_if(FOrder, [rows](std::int32_t storage) { return storage > rows; });
  else
    for (int storage = oldRows + 1; storage <= rows; ++storage) FOrder.push_back(storage);
  StructureChanged();
  Changed();
}

void TStringArray::Clear() {
  for (TStringRow& row : FRows) row.Reset();
  std::fill(FRowAttribs.begin(), FRowAttribs.end(), 0);
  std::fill(FColAttribs.begin(), FColAttribs.end(), 0);
  FAttribBitCount.fill(0);
  ResetOrder();
  StructureChanged();
  Changed();
}

QStringView TStringArray::GetStringView(int col, int row) const {
  if (!ValidCol(col) || !ValidRow(row)) return {};
  return DisplayedRow(row).Cell(col, Columns());
}

QStringView TStringArray::GetStoredStringView(int col, int storageRow) const {
  if (!ValidCol(col) || !ValidRow(storageRow)) return {};
  return FRows[storageRow].Cell(col, Columns());
}

void TStringArray::SetStoredRowAttribBits(std::uint8_t mask, std::span<const std::uint8_t> on) {
  const std::size_t rows = std::min(on.size(), std::size_t(NrOfRows()));
  // Every row of the range ends with each bit of mask as on says, so the
  // bit counts follow from the number of rows switched on, and the pass
  // itself needs no branches.
  std::array<int, 8> outside{};  // rows beyond the range with the bit
  for (std::size_t storage = rows + 1; storage < FRowAttribs.size(); ++storage)
    for (int bit = 0; bit < 8; ++bit) outside[bit] += FRowAttribs[storage] >> bit & 1;
  std::uint8_t* attribs = FRowAttribs.data() + 1;
  const std::uint8_t* want = on.data();
  std::size_t switchedOn = 0;
  std::uint8_t changed = 0;
  for (std::size_t i = 0; i < rows; ++i) {
    const std::uint8_t bits = want[i] != 0;
    const auto value = std::uint8_t((attribs[i] & ~mask) | (mask & -bits));
    changed |= value ^ attribs[i];
    attribs[i] = value;
    switchedOn += bits;
  }
  if (!changed) return;
  for (int bit = 0; bit < 8; ++bit)
    if (mask >> bit & 1) FAttribBitCount[bit] = int(switchedOn) + outside[bit];
  AttribChanged();
}

void TStringArray::SetString(int col, int row, const QString& text) {
  if (!ValidCol(col) || !ValidRow(row)) return;
  const QStringView value = CutToLength(QStringView(text), kMaxCellLength);
  TStringRow& cells = DisplayedRow(row);
  if (cells.Cell(col, Columns()) == value) return;
  try {
    cells.SetCell(col, Columns(), value);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(FNrCols, NrOfRows());
  }
  FColVersion[col] = ++FVersion;
  Changed();
}

std::uint8_t TStringArray::GetRowAttrib(int row) const { return ValidRow(row) ? FRowAttribs[FOrder[row]] : 0; }

void TStringArray::SetRowAttrib(int row, std::uint8_t value) {
  if (!ValidRow(row)) return;
  std::uint8_t& attrib = FRowAttribs[FOrder[row]];
  if (attrib == value) return;
  if (row > 0) {
    CountAttrib(attrib, -1);
    CountAttrib(value, +1);
  }
  attrib = value;
  AttribChanged();
}

std::uint8_t TStringArray::GetColAttrib(int col) const { return ValidCol(col) ? FColAttribs[col] : 0; }

void TStringArray::SetColAttrib(int col, std::uint8_t value) {
  if (!ValidCol(col) || FColAttribs[col] == value) return;
  FColAttribs[col] = value;
  AttribChanged();
}

void TStringArray::InsertRow(int row) {
  const int rows = NrOfRows();
  if (row < 1 || row > rows + 1) return;
  CheckSize(FNrCols, qint64(rows) + 1);
  try {
    ReserveRows(std::size_t(rows) + 2);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(FNrCols, qint64(rows) + 1);
  }
  // The new storage row goes where the displayed row it precedes is stored.
  const std::int32_t storage = row <= rows ? FOrder[row] : rows + 1;
  FRows.insert(FRows.begin() + storage, TStringRow());
  FRowAttribs.insert(FRowAttribs.begin() + storage, 0);
  if (storage <= rows)  // appending renumbers nothing
    for (std::int32_t& s : FOrder)
      if (s >= storage) ++s;
  FOrder.insert(FOrder.begin() + row, storage);
  StructureChanged();
  Changed();
}

void TStringArray::RemoveRow(int row) {
  const int rows = NrOfRows();
  if (row < 1 || row > rows) return;
  const std::int32_t storage = FOrder[row];
  CountAttrib(FRowAttribs[storage], -1);
  FRows.erase(FRows.begin() + storage);
  FRowAttribs.erase(FRowAttribs.begin() + storage);
  FOrder.erase(FOrder.begin() + row);
  if (storage < rows)  // the last storage row leaves no gap
    for (std::int32_t& s : FOrder)
      if (s > storage) --s;
  StructureChanged();
  Changed();
}

void TStringArray::InsertColumn(int col) {
  if (col < 0 || col > FNrCols + 1) return;
  CheckSize(qint64(FNrCols) + 1, NrOfRows());
  std::vector<int> sourceOf(std::size_t(Columns()) + 1);
  for (int j = 0; j <= Columns(); ++j) sourceOf[j] = j < col ? j : (j == col ? -1 : j - 1);
  try {
    RemapColumns(sourceOf);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(qint64(FNrCols) + 1, NrOfRows());
  }
  StructureChanged();
  Changed();
}

void TStringArray::RemoveColumn(int col) {
  if (!ValidCol(col) || FNrCols < 1) return;
  std::vector<int> sourceOf(FNrCols);
  for (int j = 0; j < FNrCols; ++j) sourceOf[j] = j < col ? j : j + 1;
  try {
    RemapColumns(sourceOf);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(FNrCols - 1, NrOfRows());
  }
  StructureChanged();
  Changed();
}

}  // namespace vyr
