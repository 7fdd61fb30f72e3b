// TReportListView: setters of the look and the header rows.
#include <algorithm>

#include "replist/RepListPrivate.h"

namespace vyr {

namespace {

constexpr int kMinHeaderHeight = 8;
constexpr int kMaxHeaderHeight = 127;

}  // namespace

template <typename T>
void TReportListView::SetLook(T& field, T value) {
  field = value;
  Repaint();
  ChangedSetup();
}

bool TReportListView::AutoAdvance() const { return d->AutoAdvance; }
void TReportListView::SetAutoAdvance(bool v) { d->AutoAdvance = v; }
bool TReportListView::SortEnabled() const { return d->SortEnabled; }
void TReportListView::SetSortEnabled(bool v) { d->SortEnabled = v; }
bool TReportListView::UseCtrlForMultiSel() const { return d->CtrlForMultiSel; }
void TReportListView::SetUseCtrlForMultiSel(bool v) { d->CtrlForMultiSel = v; }
TColor TReportListView::ColorText() const { return d->Colors.Text; }
void TReportListView::SetColorText(TColor v) { SetLook(d->Colors.Text, v); }
TColor TReportListView::ColorBkgdNormal() const { return d->Colors.BkgdNormal; }
void TReportListView::SetColorBkgdNormal(TColor v) { SetLook(d->Colors.BkgdNormal, v); }
TColor TReportListView::ColorBkgdShaded() const { return d->Colors.BkgdShaded; }
void TReportListView::SetColorBkgdShaded(TColor v) { SetLook(d->Colors.BkgdShaded, v); }
TColor TReportListView::ColorHigh() const { return d->Colors.High; }
void TReportListView::SetColorHigh(TColor v) { SetLook(d->Colors.High, v); }
TColor TReportListView::ColorHighText() const { return d->Colors.HighText; }
void TReportListView::SetColorHighText(TColor v) { SetLook(d->Colors.HighText, v); }
TColor TReportListView::ColorSelectedRow() const { return d->Colors.SelRow; }
void TReportListView::SetColorSelectedRow(TColor v) { SetLook(d->Colors.SelRow, v); }
TColor TReportListView::ColorSelectedRowText() const { return d->Colors.SelRowText; }
void TReportListView::SetColorSelectedRowText(TColor v) { SetLook(d->Colors.SelRowText, v); }
TColor TReportListView::ColorSelectedCol() const { return d->Colors.SelCol; }
void TReportListView::SetColorSelectedCol(TColor v) { SetLook(d->Colors.SelCol, v); }
TColor TReportListView::ColorSelectedColText() const { return d->Colors.SelColText; }
void TReportListView::SetColorSelectedColText(TColor v) { SetLook(d->Colors.SelColText, v); }
TColor TReportListView::ColorSelectedBoth() const { return d->Colors.SelBoth; }
void TReportListView::SetColorSelectedBoth(TColor v) { SetLook(d->Colors.SelBoth, v); }
TColor TReportListView::ColorSelectedBothText() const { return d->Colors.SelBothText; }
void TReportListView::SetColorSelectedBothText(TColor v) { SetLook(d->Colors.SelBothText, v); }
TColor TReportListView::ColorDisabledBkgd() const { return d->Colors.DisabledBkgd; }
void TReportListView::SetColorDisabledBkgd(TColor v) { SetLook(d->Colors.DisabledBkgd, v); }
TColor TReportListView::ColorDisabledText() const { return d->Colors.DisabledText; }
void TReportListView::SetColorDisabledText(TColor v) { SetLook(d->Colors.DisabledText, v); }
TColor TReportListView::ColorColumnHd() const { return d->Colors.ColumnHd; }
TColor TReportListView::ColorColumnHdText() const { return d->Colors.ColumnHdText; }
void TReportListView::SetColorColumnHdText(TColor v) { SetLook(d->Colors.ColumnHdText, v); }
TColor TReportListView::ColorCommonHd() const { return d->Colors.CommonHd; }
void TReportListView::SetColorCommonHd(TColor v) { SetLook(d->Colors.CommonHd, v); }
TColor TReportListView::ColorCommonHdText() const { return d->Colors.CommonHdText; }
void TReportListView::SetColorCommonHdText(TColor v) { SetLook(d->Colors.CommonHdText, v); }
TColor TReportListView::InterRowIndicatorColor() const { return d->InterRowColor; }
void TReportListView::SetInterRowIndicatorColor(TColor v) { SetLook(d->InterRowColor, v); }
TColor TReportListView::ColorEmptyMsg() const { return d->ColorEmptyMsg; }
QString TReportListView::EmptyMessage() const { return d->EmptyMsg; }
bool TReportListView::HighLightBold() const { return d->Colors.HighLightBold; }
int TReportListView::HighLightRow() const { return d->HiLgtRow; }
void TReportListView::SetHighLightRow(int v) { SetLook(d->HiLgtRow, v); }
int TReportListView::HighLightColumn() const { return d->HiLgtColumn; }
void TReportListView::SetHighLightColumn(int v) { SetLook(d->HiLgtColumn, v); }
int TReportListView::RowColPattern() const { return d->Colors.RowColPattern; }
void TReportListView::SetRowColPattern(int v) { SetLook(d->Colors.RowColPattern, v); }
int TReportListView::InterRowIndicatorWidth() const { return d->InterRowWidth; }
void TReportListView::SetInterRowIndicatorWidth(int v) { SetLook(d->InterRowWidth, v); }
int TReportListView::InterRowIndicatorPos() const { return d->InterRowIndi; }
TReportListView::TAlignmentValue TReportListView::CommonHeaderAlignment() const {
  return TAlignmentValue(d->HeaderAlignment);
}
bool TReportListView::CommonHeaderVisible() const { return d->ComHdVis; }
bool TReportListView::ColumnHeadersVisible() const { return d->ColHdVis; }
int TReportListView::CommonHeaderHeight() const { return d->ComHdHgt; }
int TReportListView::ColumnHeadersHeight() const { return d->ColHdHgt; }
bool TReportListView::ShowEmptyCheckBoxes() const { return d->ShowEmptyCBx; }
bool TReportListView::CheckMarksReadOnly() const { return d->ROCheckMarks; }
bool TReportListView::FixedFirstColumn() const { return d->FixedColOne; }

void TReportListView::Loaded() {
  TCustomDrawGrid::Loaded();
  UpdateGridRows();
  Repaint();
}

void TReportListView::SetColorColumnHd(TColor v) {
  d->Colors.ColumnHd = v;
  TCustomGrid::SetFixedColor(v);
  Repaint();
  ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor v) {
  if (v != d->ColorEmptyMsg) SetLook(d->ColorEmptyMsg, v);
}

void TReportListView::SetEmptyMessage(const QString& v) {
  if (v != d->EmptyMsg) SetLook(d->EmptyMsg, v);
}

void TReportListView::SetHighLightBold(bool v) { SetLook(d->Colors.HighLightBold, v); }

void TReportListView::SetInterRowIndicatorPos(int v) {
  if (v == d->InterRowIndi) return;
  d->InterRowIndi = v;
  Repaint();
}

void TReportListView::SetCommonHeader(const QString& v) {
  if (v == d->Data->CommonHeader()) return;
  d->Data->SetCommonHeader(v);
  Changed();
  Repaint();
}

void TReportListView::SetCommonHeaderAlignment(TAlignmentValue v) {
  if (TAlignment(v) == d->HeaderAlignment || v < taLeftJustifyValue || v > taCenterValue) return;
  d->HeaderAlignment = TAlignment(v);
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

void TReportListView::SetCommonHeaderVisible(bool v) { SetHeaderVisible(d->ComHdVis, v); }

void TReportListView::SetColumnHeadersVisible(bool v) { SetHeaderVisible(d->ColHdVis, v); }

void TReportListView::SetCommonHeaderHeight(int v) {
  d->ComHdHgt = std::clamp(v, kMinHeaderHeight, kMaxHeaderHeight);
  SetHeaderHeights();
  Changed();
  Repaint();
}

void TReportListView::SetColumnHeadersHeight(int v) {
  d->ColHdHgt = std::clamp(v, kMinHeaderHeight, kMaxHeaderHeight);
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
  if (v == d->ShowEmptyCBx) return;
  d->ShowEmptyCBx = v;
  Repaint();
}

void TReportListView::SetCheckMarksReadOnly(bool v) {
  if (v == d->ROCheckMarks) return;
  d->ROCheckMarks = v;
  Repaint();
}

void TReportListView::SetFixedFirstColumn(bool v) {
  d->FixedColOne = v;
  SetFixedCols(v ? 1 : 0);
  Changed();
  Repaint();
}

void TReportListView::SetEnabled(bool value) {
  TCustomDrawGrid::SetEnabled(value);
  Refresh();
}

}  // namespace vyr
