// The display order of TStringArray: sorting, unsorting, committing.
#include <algorithm>
#include <new>
#include <numeric>

#include "foundation/CellText.h"
#include "foundation/CellTextSort.h"
#include "foundation/Errors.h"
#include "foundation/PercentProgress.h"
#include "foundation/StableKeySort.h"
#include "foundation/StringArray.h"

namespace vyr {

namespace {

// The number keys of texts (empty: below every number), or false at the
// first text that is not a number.
bool NumberKeysOf(const std::vector<QStringView>& texts, std::vector<std::uint64_t>& keys) {
  keys.resize(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    double value = 0.0;
    keys[i] = 0;
    if (texts[i].isEmpty()) continue;
    if (!CellTextToNumber(texts[i], value)) return false;
    keys[i] = NumberSortKey(value);
  }
  return true;
}

}  // namespace

const TStringArray::TNumberKeys& TStringArray::NumberKeys(int col) {
  if (FNumberKeys.size() <= std::size_t(col)) FNumberKeys.resize(std::size_t(col) + 1);
  TNumberKeys& cached = FNumberKeys[std::size_t(col)];
  const std::uint64_t version = ColumnVersion(col);
  if (cached.Version == version) return cached;
  cached = {};
  std::vector<QStringView> texts(FRows.size());
  for (std::size_t r = 1; r < FRows.size(); ++r) texts[r] = FRows[r].Cell(col, Columns());
  cached.Numeric = NumberKeysOf(texts, cached.Keys);
  if (!cached.Numeric) cached.Keys = {};
  cached.Version = version;
  return cached;
}

std::vector<std::int32_t> TStringArray::SortedByColumn(const std::vector<std::int32_t>& rows, int col, bool ascending,
                                                       TPercentProgress& progress) {
  const std::size_t n = rows.size();
  std::vector<std::int32_t> sorted(n);
  const auto byKeys = [&](auto keyOf) {
    std::vector<TKeyedRow> keyed(n);
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t key = keyOf(i);
      keyed[i] = {ascending ? key : ~key, rows[i]};
    }
    StableSortByKey(keyed);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = keyed[i].Row;
    return sorted;
  };

  std::vector<QStringView> texts(n);
  std::vector<QString> replaced;
  if (!OnBeforeSortExchange) {
    // Without a hook the texts compared are the stored ones, so the column's
    // keys stay good until it changes.
    const TNumberKeys& cached = NumberKeys(col);
    progress.Advance(qint64(n));
    if (cached.Numeric) return byKeys([&](std::size_t i) { return cached.Keys[std::size_t(rows[i])]; });
    for (std::size_t i = 0; i < n; ++i) texts[i] = FRows[rows[i]].Cell(col, Columns());
  } else {
    replaced.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      const QString original = FRows[rows[i]].Cell(col, Columns()).toString();
      replaced[i] = original;
      OnBeforeSortExchange(this, original, replaced[i]);
      texts[i] = replaced[i];
      progress.Advance();
    }
    std::vector<std::uint64_t> keys;
    if (NumberKeysOf(texts, keys)) return byKeys([&](std::size_t i) { return keys[i]; });
  }
  const std::vector<std::int32_t> order = CellTextOrder(texts, ascending);
  for (std::size_t i = 0; i < n; ++i) sorted[i] = rows[order[i]];
  return sorted;
}

void TStringArray::Sort(int col, int colSec, bool ascending) { SortUnmarkedFirst(0, col, colSec, ascending); }

void TStringArray::SortUnmarkedFirst(std::uint8_t mask, int col, int colSec, bool ascending) {
  const bool sorting = ValidCol(col);
  if (!sorting && mask == 0) return;
  const bool secondary = sorting && ValidCol(colSec) && colSec != col;
  const int rows = NrOfRows();
  std::vector<std::int32_t> order;  // the unmarked rows
  try {
    for (int i = 1; i <= rows; ++i) {
      const std::int32_t storage = sorting ? i : FOrder[i];
      if ((FRowAttribs[storage] & mask) == 0) order.push_back(storage);
    }
    TPercentProgress progress(OnPercentDone, this, qint64(order.size()) * (secondary ? 2 : 1));
    // Sorting stably by the secondary column first leaves its order among
    // the ties of the primary column.
    if (secondary) order = SortedByColumn(order, colSec, ascending, progress);
    if (sorting) order = SortedByColumn(order, col, ascending, progress);
    progress.Finish();
  } catch (const std::bad_alloc&) {
    throw EVyrDStructError(QStringLiteral("TStringArray: not enough memory to sort %1 rows").arg(rows));
  }
  // The marked rows move, in their displayed order, to the end of the
  // order; every row is written at or after where it was read.
  if (mask != 0) {
    std::int32_t* to = FOrder.data() + rows;
    for (std::int32_t* from = FOrder.data() + rows; from > FOrder.data(); --from)
      if (FRowAttribs[*from] & mask) *to-- = *from;
  }
  std::copy(order.begin(), order.end(), FOrder.begin() + 1);
  FOrderIsIdentity = false;
  FPositionValid = false;
  Changed();
}

void TStringArray::UnSort() {
  if (FOrderIsIdentity) return;
  ResetOrder();
  Changed();
}

void TStringArray::CommitSorting() {
  if (FOrderIsIdentity) return;
  std::vector<TStringRow> rows;
  std::vector<std::uint8_t> attribs;
  try {
    rows.reserve(FRows.capacity());
    attribs.reserve(FRowAttribs.capacity());
  } catch (const std::bad_alloc&) {
    throw EVyrDStructError(QStringLiteral("TStringArray: not enough memory to reorder %1 rows").arg(NrOfRows()));
  }
  for (std::int32_t storage : FOrder) {
    rows.push_back(std::move(FRows[storage]));
    attribs.push_back(FRowAttribs[storage]);
  }
  FRows.swap(rows);
  FRowAttribs.swap(attribs);
  ResetOrder();
  StructureChanged();
}

int TStringArray::GetSortOrder(int row) const { return ValidRow(row) ? FOrder[row] : 0; }

void TStringArray::EnsurePositions() const {
  if (FPositionValid) return;
  FPosition.resize(FOrder.size());
  for (std::size_t i = 0; i < FOrder.size(); ++i) FPosition[FOrder[i]] = static_cast<std::int32_t>(i);
  FPositionValid = true;
}

int TStringArray::DisplayedRowOf(int storageRow) const {
  if (!ValidRow(storageRow)) return 0;
  if (FOrderIsIdentity) return storageRow;
  EnsurePositions();
  return FPosition[storageRow];
}

void TStringArray::SetSortOrder(int row, int storageRow) {
  const int rows = NrOfRows();
  if (row < 1 || row > rows || storageRow < 1 || storageRow > rows || FOrder[row] == storageRow) return;
  EnsurePositions();
  const std::int32_t other = FPosition[storageRow];
  const std::int32_t previous = FOrder[row];
  FOrder[row] = storageRow;
  FOrder[other] = previous;
  FPosition[storageRow] = row;
  FPosition[previous] = other;
  FOrderIsIdentity = false;
  Changed();
}

}  // namespace vyr
