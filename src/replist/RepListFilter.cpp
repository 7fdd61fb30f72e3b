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
  // in displayed order; the texts are read and the results kept by storage
  // row, the order the rows lie in memory, since hopping through a sorted
  // list costs a cache miss per row.
  const TStringArray& s = d->Data->Strings();
  const std::vector<int> columns = SearchColumns(FilterColumns, NrOfColumns());
  std::vector<bool> marked(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) marked[j] = ColumnCheckMode(columns[j]) != cmNone;
  std::vector<QStringView> texts(columns.size());
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
  std::vector<std::uint8_t> disabled(static_cast<std::size_t>(rows));
  for (int storage = 1; storage <= rows; ++storage) {
    const std::size_t i = std::size_t(storage - 1);
    disabled[i] = !Combine(ops.empty() || found[i], ops.empty() ? loAnd : ops[i], [&] {
      for (std::size_t j = 0; j < columns.size(); ++j) {
        const QStringView stored = s.GetStoredStringView(columns[j], storage);
        texts[j] = marked[j] ? ValueOfMarked(stored) : stored;
      }
      return filter.Matches(texts);
    });
  }

  InOneUpdate(*this, [&] {
    // Results taken while a handler added or removed rows belong to rows
    // that moved; the rows then keep their state.
    if (NrOfRows() == rows) d->Data->Strings().SetStoredRowAttribBits(kRowDisabledBit, disabled);
    SortEnabledState(SortColumn, -1, Ascending);
  });
  ChangedSelection();
}

}  // namespace vyr
