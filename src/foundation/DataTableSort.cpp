// TDataTable: sorting rows and columns by their values.
#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <numeric>
#include <utility>

#include "foundation/DataTable.h"
#include "foundation/Errors.h"
#include "foundation/PercentProgress.h"
#include "foundation/StableKeySort.h"

namespace vyr {

namespace {

// Sort key of a cell; cells without a number get the largest key, so they
// end up last whatever the direction.
std::uint64_t CellKey(double value, std::uint8_t state, bool ascending) {
  if ((state & (csbInvalid | csbEmpty)) != 0 || !std::isfinite(value)) return std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t key = NumberSortKey(value);
  return ascending ? key : ~key;
}

// low..high ordered and clamped to 1..count; false when nothing is left.
bool ClampRange(int& low, int& high, int count) {
  if (low > high) std::swap(low, high);
  low = std::max(low, 1);
  high = std::min(high, count);
  return low <= high;
}

}  // namespace

void TDataTable::SortLine(TSortExchangeKind kind, int low, int high, const std::function<std::uint64_t(int)>& keyOf,
                          bool includeHeaders, const std::function<void(int, int)>& exchange) {
  const std::size_t n = std::size_t(high - low) + 1;
  std::vector<TKeyedRow> keys;
  // at[p]: which original place is now at place p; where[o]: the reverse.
  std::vector<std::int32_t> at;
  std::vector<std::int32_t> where;
  try {
    keys.reserve(n);
    for (int i = low; i <= high; ++i) keys.push_back({keyOf(i), i - low});
    StableSortByKey(keys);
    at.resize(n);
    where.resize(n);
  } catch (const std::bad_alloc&) {
    throw EVyrDStructError(QStringLiteral("TDataTable: not enough memory to sort %1 %2")
                               .arg(n)
                               .arg(kind == sekRows ? QStringLiteral("rows") : QStringLiteral("columns")));
  }
  std::iota(at.begin(), at.end(), 0);
  std::iota(where.begin(), where.end(), 0);
  TPercentProgress progress(OnPercentDone, this, static_cast<qint64>(n));
  bool moved = false;
  for (std::size_t p = 0; p < n; ++p) {
    const std::int32_t wanted = keys[p].Row;
    const std::int32_t q = where[wanted];
    if (q != std::int32_t(p)) {
      exchange(low + int(p), low + q);
      if (OnSortExchange) OnSortExchange(this, kind, low + int(p), low + q);
      const std::int32_t displaced = at[p];
      at[q] = displaced;
      where[displaced] = q;
      at[p] = wanted;
      where[wanted] = std::int32_t(p);
      moved = true;
    }
    progress.Advance();
  }
  progress.Finish();
  if (!moved) return;
  DataChanged();
  if (includeHeaders) SetupChanged();
}

void TDataTable::SortRows(int sortCol, bool ascending, int lowCol, int lowRow, int highCol, int highRow,
                          bool includeHeaders) {
  if (!ValidCol(sortCol) || !ClampRange(lowCol, highCol, FNrCols) || !ClampRange(lowRow, highRow, FNrRows)) return;
  const bool wholeRows = lowCol == 1 && highCol == FNrCols;
  SortLine(
      sekRows, lowRow, highRow, [&](int r) { return CellKey(Value(sortCol, r), State(sortCol, r), ascending); },
      includeHeaders, [&](int i, int j) {
        if (wholeRows) {
          std::swap(FRows[i - 1], FRows[j - 1]);
        } else {
          for (int c = lowCol; c <= highCol; ++c) {
            std::swap(Value(c, i), Value(c, j));
            std::swap(State(c, i), State(c, j));
          }
        }
        if (includeHeaders) {
          std::swap(FRowNames[i - 1], FRowNames[j - 1]);
          std::swap(FRowAttribs[i - 1], FRowAttribs[j - 1]);
        }
      });
}

void TDataTable::SortCols(int sortRow, bool ascending, int lowCol, int lowRow, int highCol, int highRow,
                          bool includeHeaders) {
  if (!ValidRow(sortRow) || !ClampRange(lowCol, highCol, FNrCols) || !ClampRange(lowRow, highRow, FNrRows)) return;
  SortLine(
      sekColumns, lowCol, highCol, [&](int c) { return CellKey(Value(c, sortRow), State(c, sortRow), ascending); },
      includeHeaders, [&](int i, int j) {
        for (int r = lowRow; r <= highRow; ++r) {
          std::swap(Value(i, r), Value(j, r));
          std::swap(State(i, r), State(j, r));
        }
        if (includeHeaders) std::swap(FCols[i - 1], FCols[j - 1]);
      });
}

}  // namespace vyr
