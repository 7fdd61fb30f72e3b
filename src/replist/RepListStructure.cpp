// TReportListView: changes of the row and column structure, sorting, the
// column order and copying from another view.
#include <algorithm>
#include <new>

#include "replist/ReportListView.h"

namespace vyr {

void TReportListView::SetNrOfRows(int n) {
  HideEditor();
  FRLData->SetNrRows(n);
  SetSelection({0, 0, 0, 0});
  UpdateGridRows();
  Repaint();
  ChangedSetup();
}

void TReportListView::SetNrOfColumns(int n) {
  HideEditor();
  const int oldLast = ColCount() - 1;
  const int w = TCustomGrid::ColWidths(oldLast);
  FRLData->SetNrCols(n);
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
    FRLData->InsertRow(r);
    UpdateGridRows();
    ChangedSetup();
  }
  FRLData->ForgetSortColumns();
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
  auto columns = FColumns;
  columns.insert(columns.begin() + (c - 1), TColumnSettings{});
  FRLData->InsertColumn(c);
  FColumns = std::move(columns);
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
    FRLData->RemoveRowKeepingOrder(r);
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
    FColumns.erase(FColumns.begin() + (c - 1));
    std::erase(FColOrder, c - 1);
    for (int& entry : FColOrder)
      if (entry > c - 1) --entry;
    FRLData->RemoveColumn(c);
    SetColCount(std::max(NrOfColumns(), 1));
  }
  ChangedSetup();
}

void TReportListView::RemoveEmptyRows() {
  HideEditor();
  TRepListSuppress hold(*this);
  FRLData->Strings().BeginUpdate();
  for (int r = NrOfRows(); r >= 1; --r) {
    bool empty = true;
    for (int c = 0; c <= NrOfColumns() && empty; ++c) empty = FRLData->GetElem(c, r).isEmpty();
    if (empty) RemoveRow(r);
  }
  FRLData->Strings().EndUpdate();
}

void TReportListView::Fill(const QString& s) {
  HideEditor();
  TRepListSuppress hold(*this);
  FRLData->Fill(s);
}

void TReportListView::Clear() {
  HideEditor();
  TRepListSuppress hold(*this);
  FRLData->Clear();
  std::fill(FColumns.begin(), FColumns.end(), TColumnSettings{});
  ResetColumnOrder();
}

void TReportListView::SetSecondarySortColumn(int v) {
  if (v < -1 || v > NrOfColumns()) return;
  FRLData->SetLastSortColumnSec(v);
  ChangedSetup();
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending) {
  TRepListSuppress hold(*this);
  FRLData->Sort(Col, ColSec, Ascending);
}

void TReportListView::UnSort() {
  TRepListSuppress hold(*this);
  FRLData->UnSort();
}

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList) {
  if (int(ColList.size()) != NrOfColumns()) return false;
  std::vector<bool> seen(ColList.size() + 1, false);
  for (int d : ColList) {
    if (d < 1 || d > NrOfColumns() || seen[d]) return false;
    seen[d] = true;
  }
  for (int i = 0; i < int(ColList.size()); ++i) FColOrder[i] = ColList[i] - 1;
  return true;
}

void TReportListView::Assign(const TComponentBase* Source) {
  const auto* src = dynamic_cast<const TReportListView*>(Source);
  if (!src) {
    TCustomDrawGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  FAutoAdvance = src->FAutoAdvance;
  FLastMousePosX = src->FLastMousePosX;
  FLastMousePosY = src->FLastMousePosY;
  OnChange = src->OnChange;
  OnChangeSetup = src->OnChangeSetup;
  OnSelectedChange = src->OnSelectedChange;
  FSelectAnchor = src->FSelectAnchor;
  FRowSelectMode = src->FRowSelectMode;
  FSortEnabled = src->FSortEnabled;
  OnCheckedChange = src->OnCheckedChange;
  OnBeforeCheckedChange = src->OnBeforeCheckedChange;
  OnGetEditText = src->OnGetEditText;
  OnSetEditText = src->OnSetEditText;
  FSelRowColor = src->FSelRowColor;
  FSelRowTextColor = src->FSelRowTextColor;
  FSelColColor = src->FSelColColor;
  FSelColTextColor = src->FSelColTextColor;
  FSelBothColor = src->FSelBothColor;
  FSelBothTextColor = src->FSelBothTextColor;
  FHiLgtColor = src->FHiLgtColor;
  FHiLgtTextColor = src->FHiLgtTextColor;
  FHiLgtBold = src->FHiLgtBold;
  FHiLgtRow = src->FHiLgtRow;
  FHiLgtColumn = src->FHiLgtColumn;
  FColorNormal = src->FColorNormal;
  FRColorNormal = src->FRColorNormal;
  FRColorShaded = src->FRColorShaded;
  FRowColPattern = src->FRowColPattern;
  FHeaderAlignment = src->FHeaderAlignment;
  FComHdVis = src->FComHdVis;
  FComHdColor = src->FComHdColor;
  FComHdTxtColor = src->FComHdTxtColor;
  FColHdVis = src->FColHdVis;
  FColHdColor = src->FColHdColor;
  FColHdTxtColor = src->FColHdTxtColor;
  FShowEmptyCBx = src->FShowEmptyCBx;
  OnPercentDone = src->OnPercentDone;
  OnBeforeRenderCell = src->OnBeforeRenderCell;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  OnBeforeHTMLExport = src->OnBeforeHTMLExport;
  OnBeforeFilter = src->OnBeforeFilter;
  OnMouseWheelDown = src->OnMouseWheelDown;
  OnMouseWheelUp = src->OnMouseWheelUp;
  FInterRowIndi = src->FInterRowIndi;
  FInterRowColor = src->FInterRowColor;
  FInterRowWidth = src->FInterRowWidth;
  FFixedColOne = src->FFixedColOne;
  {
    TRepListSuppress hold(*this);
    FRLData->Assign(src->FRLData.get());
    try {
      FColumns = src->FColumns;
      FColOrder = src->FColOrder;
    } catch (const std::bad_alloc&) {
      throw EVyrRepListError(ComponentMessage(Name(), QStringLiteral("not enough memory on heap")));
    }
    SetColCount(std::max(NrOfColumns(), 1));
    UpdateGridRows();
    SetFixedCols(FFixedColOne ? 1 : 0);
    TCustomGrid::SetFixedColor(FColHdColor);
  }
  FSuppressPaint = src->FSuppressPaint;
  Repaint();
}

void TReportListView::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TReportListView*>(Dest))
    dest->Assign(this);
  else
    TCustomDrawGrid::AssignTo(Dest);
}

}  // namespace vyr
