// TReportListView: changes of the row and column structure, sorting and the
// column order.
#include <algorithm>
#include <new>

#include "replist/RepListPrivate.h"

namespace vyr {

void TReportListView::SetNrOfRows(int n) {
  HideEditor();
  d->Data->SetNrRows(n);
  SetSelection({0, 0, 0, 0});
  UpdateGridRows();
  Repaint();
  ChangedSetup();
}

void TReportListView::SetNrOfColumns(int n) {
  HideEditor();
  const int oldLast = ColCount() - 1;
  const int w = TCustomGrid::ColWidths(oldLast);
  d->Data->SetNrCols(n);
  try {
    ResizeColumnArrays(NrOfColumns());
    ResetColumnOrder();
  } catch (const std::bad_alloc&) {
    throw EVyrRepListError(ComponentMessage(Name(), QStringLiteral("not enough memory on heap")));
  }
  SetColCount(std::max(NrOfColumns(), 1));
  for (int col = oldLast; col < ColCount(); ++col) TCustomGrid::SetColWidths(col, w);
  TCustomGrid::SetTopRow(0);
  Repaint();
  ChangedSetup();
}

int TReportListView::AddRow() {
  HideEditor();
  SetNrOfRows(NrOfRows() + 1);
  return NrOfRows();
}

int TReportListView::InsertRow(int r) {
  HideEditor();
  if (r <= 0) return r;
  TRepListSuppress hold(*this);
  if (r > NrOfRows()) {
    SetNrOfRows(NrOfRows() + 1);
    r = NrOfRows();
  } else {
    d->Data->InsertRow(r);
    UpdateGridRows();
    ChangedSetup();
  }
  d->Data->ForgetSortColumns();
  return r;
}

int TReportListView::InsertColumn(int c) {
  HideEditor();
  if (c <= 0) return c;
  TRepListSuppress hold(*this);
  if (c > NrOfColumns()) {
    SetNrOfColumns(NrOfColumns() + 1);
    return NrOfColumns();
  }
  auto columns = d->Columns;
  columns.insert(columns.begin() + (c - 1), TRLColumnSettings{});
  d->Data->InsertColumn(c);
  d->Columns = std::move(columns);
  SetNrOfColumns(NrOfColumns());
  ChangedSetup();
  return c;
}

void TReportListView::RemoveRow(int r) {
  if (r < 1 || r > NrOfRows()) return;
  HideEditor();
  const bool manyRows = NrOfRows() >= 2;
  {
    TRepListSuppress hold(*this);
    // The store removes the displayed row r and leaves a sort uncommitted.
    d->Data->RemoveRowKeepingOrder(r);
    UpdateGridRows();
  }
  if (manyRows) ChangedSetup();
}

void TReportListView::RemoveColumn(int c) {
  if (c < 1 || c > NrOfColumns()) return;
  HideEditor();
  {
    TRepListSuppress hold(*this);
    // Settings and order are brought to the new count first, so that the
    // store's notification finds them in step. The order keeps its
    // sequence for the remaining columns.
    d->Columns.erase(d->Columns.begin() + (c - 1));
    std::erase(d->ColOrder, c - 1);
    for (int& entry : d->ColOrder)
      if (entry > c - 1) --entry;
    d->Data->RemoveColumn(c);
    SetColCount(std::max(NrOfColumns(), 1));
  }
  ChangedSetup();
}

void TReportListView::RemoveEmptyRows() {
  HideEditor();
  TRepListSuppress hold(*this);
  d->Data->Strings().BeginUpdate();
  for (int r = NrOfRows(); r >= 1; --r) {
    bool empty = true;
    for (int c = 0; c <= NrOfColumns() && empty; ++c) empty = d->Data->GetElem(c, r).isEmpty();
    if (empty) RemoveRow(r);
  }
  d->Data->Strings().EndUpdate();
}

void TReportListView::Fill(const QString& s) {
  HideEditor();
  TRepListSuppress hold(*this);
  d->Data->Fill(s);
}

void TReportListView::Clear() {
  HideEditor();
  TRepListSuppress hold(*this);
  d->Data->Clear();
  std::fill(d->Columns.begin(), d->Columns.end(), TRLColumnSettings{});
  ResetColumnOrder();
}

void TReportListView::SetSecondarySortColumn(int v) {
  if (v < -1 || v > NrOfColumns()) return;
  d->Data->SetLastSortColumnSec(v);
  ChangedSetup();
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending) { SortRows(Col, ColSec, Ascending, 0); }

void TReportListView::SortRows(int Col, int ColSec, bool Ascending, std::uint8_t unsortedMask) {
  TRepListSuppress hold(*this);
  // The store asks for each compared text only while a handler listens;
  // otherwise it reuses the number keys of its last sort of the column.
  TBeforeSortExchgEvent hook;
  if (OnBeforeSortExchange)
    hook = [this](QObject*, const QString& s, QString& t) { Raise(OnBeforeSortExchange, this, s, t); };
  d->Data->OnBeforeSortExchange = hook;
  d->Data->SortUnmarkedFirst(unsortedMask, Col, ColSec, Ascending);
}

void TReportListView::UnSort() {
  TRepListSuppress hold(*this);
  d->Data->UnSort();
}

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList) {
  if (int(ColList.size()) != NrOfColumns()) return false;
  std::vector<bool> seen(ColList.size() + 1, false);
  for (int dataCol : ColList) {
    if (dataCol < 1 || dataCol > NrOfColumns() || seen[dataCol]) return false;
    seen[dataCol] = true;
  }
  for (int i = 0; i < int(ColList.size()); ++i) d->ColOrder[i] = ColList[i] - 1;
  return true;
}

}  // namespace vyr
