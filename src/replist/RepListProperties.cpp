// TReportListView: setters of the look and the header rows.
#include <algorithm>

#include "replist/ReportListView.h"

namespace vyr {

namespace {

constexpr int kMinHeaderHeight = 8;
constexpr int kMaxHeaderHeight = 127;

}  // namespace

void TReportListView::Loaded() {
  TCustomDrawGrid::Loaded();
  UpdateGridRows();
  Repaint();
}

void TReportListView::SetColorColumnHd(TColor v) {
  FColHdColor = v;
  TCustomGrid::SetFixedColor(v);
  Repaint();
  ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor v) {
  if (v != FColorEmptyMsg) SetLook(FColorEmptyMsg, v);
}

void TReportListView::SetEmptyMessage(const QString& v) {
  if (v != FEmptyMsg) SetLook(FEmptyMsg, v);
}

void TReportListView::SetHighLightBold(bool v) { SetLook(FHiLgtBold, v); }

void TReportListView::SetInterRowIndicatorPos(int v) {
  if (v == FInterRowIndi) return;
  FInterRowIndi = v;
  Repaint();
}

void TReportListView::SetCommonHeader(const QString& v) {
  if (v == FRLData->CommonHeader()) return;
  FRLData->SetCommonHeader(v);
  Changed();
  Repaint();
}

void TReportListView::SetCommonHeaderAlignment(TAlignmentValue v) {
  if (TAlignment(v) == FHeaderAlignment || v < taLeftJustifyValue || v > taCenterValue) return;
  FHeaderAlignment = TAlignment(v);
  Changed();
  Repaint();
}

void TReportListView::SetHeaderVisible(bool& field, bool v) {
  if (v == field) return;
  const int top = TopRow();
  field = v;
  UpdateGridRows();
  SetTopRow(top);
  Changed();
  Repaint();
}

void TReportListView::SetCommonHeaderVisible(bool v) { SetHeaderVisible(FComHdVis, v); }

void TReportListView::SetColumnHeadersVisible(bool v) { SetHeaderVisible(FColHdVis, v); }

void TReportListView::SetCommonHeaderHeight(int v) {
  FComHdHgt = std::clamp(v, kMinHeaderHeight, kMaxHeaderHeight);
  SetHeaderHeights();
  Changed();
  Repaint();
}

void TReportListView::SetColumnHeadersHeight(int v) {
  FColHdHgt = std::clamp(v, kMinHeaderHeight, kMaxHeaderHeight);
  SetHeaderHeights();
  Changed();
  Repaint();
}

void TReportListView::SetDefaultColWidth(int v) {
  TCustomGrid::SetDefaultColWidth(v);
  Repaint();
  ChangedSetup();
}

void TReportListView::SetDefaultRowHeight(int v) {
  TCustomGrid::SetDefaultRowHeight(v);
  SetHeaderHeights();
  Repaint();
  ChangedSetup();
}

void TReportListView::SetShowEmptyCheckBoxes(bool v) {
  if (v == FShowEmptyCBx) return;
  FShowEmptyCBx = v;
  Repaint();
}

void TReportListView::SetCheckMarksReadOnly(bool v) {
  if (v == FROCheckMarks) return;
  FROCheckMarks = v;
  Repaint();
}

void TReportListView::SetFixedFirstColumn(bool v) {
  FFixedColOne = v;
  SetFixedCols(v ? 1 : 0);
  Changed();
  Repaint();
}

void TReportListView::SetEnabled(bool value) {
  TCustomDrawGrid::SetEnabled(value);
  Refresh();
}

}  // namespace vyr
