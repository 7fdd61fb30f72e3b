// TReportListView: construction, the link to the data store, painting
// control and the mapping between data and grid numbering.
#include <algorithm>
#include <new>

#include "host/ControlRegistry.h"
#include "replist/ReportListView.h"

namespace vyr {

TReportListView::TReportListView(QWidget* AOwner) : TCustomDrawGrid(AOwner) {
  FRLData = std::make_unique<TRLData>();
  FRLData->SetNrCols(5);
  FRLData->SetNrRows(4);
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
  TCustomGrid::SetFixedColor(FColHdColor);
  SetColor(clWindow);
}

TReportListView::~TReportListView() = default;

void TReportListView::ConnectStore() {
  TStringArray& strings = FRLData->Strings();
  strings.OnChange = [this](QObject*) { StringsHasChanged(); };
  // Selected and disabled bits only repaint: their writers raise
  // OnSelectedChange themselves, and OnChange stays for the data.
  strings.OnAttribChange = [this](QObject*) { Repaint(); };
  const auto percent = [this](QObject*, int p) { Raise(OnPercentDone, this, p); };
  strings.OnPercentDone = percent;
  FRLData->OnPercentDone = percent;
  strings.OnBeforeSortExchange = [this](QObject*, const QString& s, QString& t) {
    Raise(OnBeforeSortExchange, this, s, t);
  };
  FRLData->OnBeforeHTMLExport = [this](QObject*, QString& text, int col, int row) {
    Raise(OnBeforeHTMLExport, this, text, col, row);
  };
}

void TReportListView::StringsHasChanged() {
  FollowStoreColumns();
  Changed();
  Repaint();
}

void TReportListView::Repaint() {
  if (!FSuppressPaint && !IsLoading()) Paint();
}

void TReportListView::SetSuppressPaint(bool v) {
  if (v == FSuppressPaint) return;
  FSuppressPaint = v;
  if (!v) Repaint();
}

void TReportListView::BeginUpdate() {
  if (FUpdateDepth++ == 0) {
    FUpdateSavedSuppress = FSuppressPaint;
    FSuppressPaint = true;
  }
  FRLData->Strings().BeginUpdate();
}

void TReportListView::EndUpdate() {
  if (FUpdateDepth == 0) return;
  FRLData->Strings().EndUpdate();
  if (--FUpdateDepth == 0) SetSuppressPaint(FUpdateSavedSuppress);
}

void TReportListView::UpdateGridRows() {
  const int h = CountHeadRows();
  SetRowCount(std::max(h + NrOfRows(), h + 1));
  SetFixedRows(h);
  SetHeaderHeights();
}

void TReportListView::SetHeaderHeights() {
  const bool twoRows = NrOfRows() >= 2;
  if (FComHdVis && FColHdVis) {
    SetRowHeights(0, FComHdHgt);
    if (twoRows) SetRowHeights(1, FColHdHgt);
    return;
  }
  SetRowHeights(0, FComHdVis ? FComHdHgt : FColHdVis ? FColHdHgt : DefaultRowHeight());
  if (twoRows) SetRowHeights(1, DefaultRowHeight());
}

void TReportListView::ResetColumnOrder() {
  FColOrder.resize(std::size_t(std::max(NrOfColumns(), 0)));
  for (int i = 0; i < int(FColOrder.size()); ++i) FColOrder[i] = i;
}

void TReportListView::ResizeColumnArrays(int n) { FColumns.resize(std::size_t(std::max(n, 0))); }

void TReportListView::FollowStoreColumns() {
  const std::size_t n = std::size_t(NrOfColumns());
  if (FColumns.size() == n && FColOrder.size() == n) return;
  ResizeColumnArrays(NrOfColumns());
  ResetColumnOrder();
  SetColCount(std::max(NrOfColumns(), 1));
}

int TReportListView::DataColumnOf(int col) const {
  return col >= 0 && col < int(FColOrder.size()) ? FColOrder[col] + 1 : 0;
}

int TReportListView::GridColumnOf(int d) const {
  const auto it = std::find(FColOrder.begin(), FColOrder.end(), d - 1);
  return it == FColOrder.end() ? -1 : int(it - FColOrder.begin());
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
