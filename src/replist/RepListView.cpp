// TReportListView: construction, the link to the data store, painting
// control and the mapping between data and grid numbering.
#include <algorithm>
#include <new>

#include "host/ControlRegistry.h"
#include "replist/RepListPrivate.h"

namespace vyr {

TReportListView::TReportListView(QWidget* AOwner) : TCustomDrawGrid(AOwner), d(std::make_unique<Private>()) {
  d->Data->SetNrCols(5);
  d->Data->SetNrRows(4);
  try {
    ResizeColumnArrays(5);
  } catch (const std::bad_alloc&) {
    throw EVyrRepListError(
        ComponentMessage(Name(), QStringLiteral("failed to initialize table editor (out of memory)")));
  }
  ResetColumnOrder();
  ConnectStore();
  SetDefaultDrawing(false);
  SetOptions(goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking);
  SetColCount(5);
  SetFixedCols(0);
  UpdateGridRows();
  TCustomGrid::SetTopRow(CountHeadRows());
  TCustomGrid::SetFixedColor(d->Colors.ColumnHd);
  SetColor(clWindow);
}

TReportListView::~TReportListView() = default;

TRLData& TReportListView::Data() { return *d->Data; }

const TRLData& TReportListView::Data() const { return *d->Data; }

int TReportListView::CountHeadRows() const { return (d->ComHdVis ? 1 : 0) + (d->ColHdVis ? 1 : 0); }

int TReportListView::ColumnHeaderGridRow() const { return d->ComHdVis && d->ColHdVis ? 1 : d->ColHdVis ? 0 : -1; }

bool TReportListView::SuppressPaint() const { return d->SuppressPaint; }

void TReportListView::ConnectStore() {
  TStringArray& strings = d->Data->Strings();
  strings.OnChange = [this](QObject*) { StringsHasChanged(); };
  // Selected and disabled bits only repaint: their writers raise
  // OnSelectedChange themselves, and OnChange stays for the data.
  strings.OnAttribChange = [this](QObject*) { Repaint(); };
  const auto percent = [this](QObject*, int p) { Raise(OnPercentDone, this, p); };
  strings.OnPercentDone = percent;
  d->Data->OnPercentDone = percent;
  d->Data->OnBeforeHTMLExport = [this](QObject*, QString& text, int col, int row) {
    Raise(OnBeforeHTMLExport, this, text, col, row);
  };
}

void TReportListView::StringsHasChanged() {
  FollowStoreColumns();
  Changed();
  Repaint();
}

void TReportListView::Repaint() {
  if (!d->SuppressPaint && !IsLoading()) Paint();
}

void TReportListView::SetSuppressPaint(bool v) {
  if (v == d->SuppressPaint) return;
  d->SuppressPaint = v;
  if (!v) Repaint();
}

void TReportListView::BeginUpdate() {
  if (d->UpdateDepth++ == 0) {
    d->UpdateSavedSuppress = d->SuppressPaint;
    d->SuppressPaint = true;
  }
  d->Data->Strings().BeginUpdate();
}

void TReportListView::EndUpdate() {
  if (d->UpdateDepth == 0) return;
  d->Data->Strings().EndUpdate();
  if (--d->UpdateDepth == 0) SetSuppressPaint(d->UpdateSavedSuppress);
}

void TReportListView::UpdateGridRows() {
  const int h = CountHeadRows();
  SetRowCount(std::max(h + NrOfRows(), h + 1));
  SetFixedRows(h);
  SetHeaderHeights();
}

void TReportListView::SetHeaderHeights() {
  const bool twoRows = NrOfRows() >= 2;
  if (d->ComHdVis && d->ColHdVis) {
    SetRowHeights(0, d->ComHdHgt);
    if (twoRows) SetRowHeights(1, d->ColHdHgt);
    return;
  }
  SetRowHeights(0, d->ComHdVis ? d->ComHdHgt : d->ColHdVis ? d->ColHdHgt : DefaultRowHeight());
  if (twoRows) SetRowHeights(1, DefaultRowHeight());
}

void TReportListView::ResetColumnOrder() {
  d->ColOrder.resize(std::size_t(std::max(NrOfColumns(), 0)));
  for (int i = 0; i < int(d->ColOrder.size()); ++i) d->ColOrder[i] = i;
}

void TReportListView::ResizeColumnArrays(int n) { d->Columns.resize(std::size_t(std::max(n, 0))); }

void TReportListView::FollowStoreColumns() {
  const std::size_t n = std::size_t(NrOfColumns());
  if (d->Columns.size() == n && d->ColOrder.size() == n) return;
  ResizeColumnArrays(NrOfColumns());
  ResetColumnOrder();
  SetColCount(std::max(NrOfColumns(), 1));
}

int TReportListView::DataColumnOf(int col) const {
  return col >= 0 && col < int(d->ColOrder.size()) ? d->ColOrder[col] + 1 : 0;
}

int TReportListView::GridColumnOf(int dataCol) const {
  const auto it = std::find(d->ColOrder.begin(), d->ColOrder.end(), dataCol - 1);
  return it == d->ColOrder.end() ? -1 : int(it - d->ColOrder.begin());
}

void TReportListView::SetBounds(int left, int top, int width, int height) {
  TCustomDrawGrid::SetBounds(left, top, width, height);
  Repaint();
}

void TReportListView::TopLeftChanged() {
  Invalidate();
  TCustomDrawGrid::TopLeftChanged();
}

}  // namespace vyr

VYR_REGISTER_CONTROL(TReportListView, "replist/Vyr_replist.h")
