// TReportListView: filtering rows into the enabled and disabled state and
// sorting the enabled rows before the disabled ones.
#include <algorithm>
#include <new>

#include "foundation/TextFilter.h"
#include "replist/RLCellMarks.h"
#include "replist/RepListPrivate.h"

namespace vyr {

namespace {

bool ValidSortColumn(int c, int columns) { return c >= 0 && c <= columns; }

// The expression parsed in the syntax of mode; a malformed expression or an
// unknown mode raises the list's error naming the component.
TTextFilter ParseFilter(const QString& name, const QString& exp, bool ignoreCase, TFilterMode mode) {
  try {
    switch (mode) {
      case fmSimple:
        return TTextFilter::Substring(exp, ignoreCase);
      case fmBoolean:
        return TTextFilter::Boolean(exp, ignoreCase);
      case fmGrep:
        return TTextFilter::RegularExpression(exp, ignoreCase);
    }
  } catch (const ETextFilterError& e) {
    throw EVyrRepListError(ComponentMessage(name, QStringLiteral("invalid filter expression: %1").arg(e.Message())));
  }
  throw EVyrRepListError(ComponentMessage(name, QStringLiteral("invalid filter mode %1").arg(int(mode))));
}

// The columns a filter reads: all data columns for an empty list, else the
// listed ones that exist.
std::vector<int> SearchColumns(const std::vector<int>& listed, int columns) {
  std::vector<int> result;
  if (listed.empty()) {
    for (int c = 1; c <= columns; ++c) result.push_back(c);
    return result;
  }
  for (int c : listed)
    if (c >= 1 && c <= columns) result.push_back(c);
  return result;
}

// Per leaf of filter and storage row, whether the leaf holds in the value of
// one of the columns. A column that keeps its distinct texts has each of
// them tested once and the results looked up by row; the other columns are
// read cell by cell.
std::vector<std::vector<std::uint8_t>> LeafResults(TStringArray& s, const TTextFilter& filter,
                                                   const std::vector<int>& columns, const std::vector<bool>& marked) {
  const std::size_t rows = std::size_t(s.NrOfRows());
  const int leaves = filter.LeafCount();
  std::vector<std::vector<std::uint8_t>> holds(std::size_t(leaves), std::vector<std::uint8_t>(rows, 0));
  if (leaves == 0) return holds;
  const auto value = [&](std::size_t j, QStringView stored) { return marked[j] ? ValueOfMarked(stored) : stored; };
  std::vector<std::size_t> cellByCell;
  for (std::size_t j = 0; j < columns.size(); ++j) {
    const TDistinctTexts* distinct = s.DistinctTexts(columns[j]);
    if (!distinct) {
      cellByCell.push_back(j);
      continue;
    }
    std::vector<std::uint8_t> inText(distinct->Count());
    const std::uint8_t* in = inText.data();
    const std::uint32_t* index = distinct->Indexes().data();
    for (int k = 0; k < leaves; ++k) {
      for (std::size_t t = 0; t < inText.size(); ++t) inText[t] = filter.LeafHolds(k, value(j, distinct->Text(t)));
      std::uint8_t* row = holds[std::size_t(k)].data();
      for (std::size_t i = 0; i < rows; ++i) row[i] |= in[index[i]];
    }
  }
  for (std::size_t i = 0; i < rows && !cellByCell.empty(); ++i)
    for (std::size_t j : cellByCell) {
      const QStringView text = value(j, s.GetStoredStringView(columns[j], int(i) + 1));
      for (std::size_t k = 0; k < holds.size(); ++k)
        if (!holds[k][i]) holds[k][i] = filter.LeafHolds(int(k), text);
    }
  return holds;
}

// Found combined with the internal test, which runs only when it matters.
template <typename InternalTest>
bool Combine(bool found, TLogicOp op, InternalTest internal) {
  switch (op) {
    case loNone:
      return found;
    case loOr:
      return found || internal();
    case loXor:
      return found != internal();
    case loAnd:
      break;
  }
  return found && internal();
}

// Runs work between BeginUpdate and EndUpdate, also when it throws, so that
// its changes raise one OnChange and paint once.
template <typename Work>
void InOneUpdate(TReportListView& view, Work work) {
  view.BeginUpdate();
  try {
    work();
  } catch (...) {
    view.EndUpdate();
    throw;
  }
  view.EndUpdate();
}

}  // namespace

void TReportListView::SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending) {
  const int columns = NrOfColumns();
  if (!ValidSortColumn(SortColumn2, columns) || SortColumn2 == SortColumn1) SortColumn2 = -1;
  // An open editor would stay on its grid row while another row moves there.
  HideEditor();
  try {
    InOneUpdate(*this, [&] {
      if (ValidSortColumn(SortColumn1, columns))
        SortRows(SortColumn1, SortColumn2, Ascending, kRowDisabledBit);
      else
        d->Data->Strings().SortUnmarkedFirst(kRowDisabledBit, -1, -1, Ascending);
    });
  } catch (const std::bad_alloc&) {
    throw EVyrRepListError(ComponentMessage(Name(), QStringLiteral("not enough memory on heap")));
  }
}

void TReportListView::FilterAndSort(const QString& FilterExp, const std::vector<int>& FilterColumns, bool IgnoreCase,
                                    TFilterMode FilterMode, int SortColumn, bool Ascending) {
  const TTextFilter filter = ParseFilter(Name(), FilterExp, IgnoreCase, FilterMode);
  HideEditor();

  // Every row is decided before anything changes, so an exception from
  // OnBeforeFilter leaves the list as it was. The handler hears of the rows
  // in displayed order; the results are kept by storage row, the order the
  // rows lie in memory, since hopping through a sorted list costs a cache
  // miss per row.
  TStringArray& s = d->Data->Strings();
  const std::vector<int> columns = SearchColumns(FilterColumns, NrOfColumns());
  std::vector<bool> marked(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) marked[j] = ColumnCheckMode(columns[j]) != cmNone;
  const int rows = NrOfRows();
  std::vector<std::uint8_t> found;
  std::vector<TLogicOp> ops;
  if (OnBeforeFilter) {
    found.assign(std::size_t(rows), 1);
    ops.assign(std::size_t(rows), loAnd);
    for (int r = 1; r <= rows; ++r) {
      bool f = true;
      TLogicOp op = loAnd;
      OnBeforeFilter(this, r, f, op);
      const int storage = s.GetSortOrder(r);  // 0 when the handler removed rows
      if (storage < 1 || storage > rows) continue;
      found[std::size_t(storage - 1)] = f;
      ops[std::size_t(storage - 1)] = op;
    }
  }
  // Results taken while a handler added or removed rows would belong to
  // rows that moved; the rows then keep their state.
  const bool sameRows = NrOfRows() == rows;
  std::vector<std::uint8_t> disabled;
  if (sameRows) {
    disabled = filter.MatchesInBulk(LeafResults(s, filter, columns, marked), std::size_t(rows));
    if (ops.empty())
      for (std::uint8_t& v : disabled) v ^= 1;
    else
      for (std::size_t i = 0; i < disabled.size(); ++i)
        disabled[i] = !Combine(found[i], ops[i], [&] { return disabled[i] != 0; });
  }

  InOneUpdate(*this, [&] {
    if (sameRows) s.SetStoredRowAttribBits(kRowDisabledBit, disabled);
    SortEnabledState(SortColumn, -1, Ascending);
  });
  ChangedSelection();
}

}  // namespace vyr
