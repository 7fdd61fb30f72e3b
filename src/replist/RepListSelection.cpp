// TReportListView: selected and disabled rows, selected columns, scrolling
// positions in data numbering.
#include <algorithm>

#include "replist/RepListPrivate.h"

namespace vyr {

template <typename Wanted>
void TReportListView::ApplyRowBit(std::uint8_t bit, Wanted wanted) {
  TStringArray& s = d->Data->Strings();
  TRepListSuppress hold(*this);
  s.BeginUpdate();
  for (int r = 1; r <= NrOfRows(); ++r) s.SetRowAttrib(r, WithBit(s.GetRowAttrib(r), bit, wanted(r)));
  s.EndUpdate();
}

template <typename Wanted>
void TReportListView::ApplyColumnBit(std::uint8_t bit, Wanted wanted) {
  TStringArray& s = d->Data->Strings();
  TRepListSuppress hold(*this);
  s.BeginUpdate();
  for (int c = 1; c <= NrOfColumns(); ++c) s.SetColAttrib(c, WithBit(s.GetColAttrib(c), bit, wanted(c)));
  s.EndUpdate();
}

void TReportListView::SetRowBits(std::uint8_t bit, bool on) {
  ApplyRowBit(bit, [on](int) { return on; });
}

void TReportListView::SelectOnlyRow(int r) {
  ApplyRowBit(kRowSelectedBit, [r](int k) { return k == r; });
}

void TReportListView::SelectRow(int RowNr) {
  SelectOnlyRow(RowNr);
  ChangedSelection();
}

void TReportListView::SelectColumn(int ColNr) {
  ApplyColumnBit(kColSelectedBit, [ColNr](int c) { return c == ColNr; });
  ChangedSelection();
}

void TReportListView::SelectAllRows() {
  SetRowBits(kRowSelectedBit, true);
  ChangedSelection();
}

void TReportListView::DeselectAllRows() {
  SetRowBits(kRowSelectedBit, false);
  ChangedSelection();
}

void TReportListView::SelectAllColumns() {
  ApplyColumnBit(kColSelectedBit, [](int) { return true; });
  ChangedSelection();
}

void TReportListView::DeselectAllColumns() {
  ApplyColumnBit(kColSelectedBit, [](int) { return false; });
  ChangedSelection();
}

void TReportListView::EnableAllRows() {
  SetRowBits(kRowDisabledBit, false);
  ChangedSelection();
}

void TReportListView::DisableAllRows() {
  SetRowBits(kRowDisabledBit, true);
  ChangedSelection();
}

void TReportListView::SetOneRowBit(int r, std::uint8_t bit, bool on) {
  if (r < 1 || r > NrOfRows()) return;
  TStringArray& s = d->Data->Strings();
  {
    TRepListSuppress hold(*this);
    s.SetRowAttrib(r, WithBit(s.GetRowAttrib(r), bit, on));
  }
  ChangedSelection();
}

bool TReportListView::RowSelected(int r) const {
  return r >= 1 && r <= NrOfRows() && (d->Data->Strings().GetRowAttrib(r) & kRowSelectedBit);
}

void TReportListView::SetRowSelected(int r, bool v) { SetOneRowBit(r, kRowSelectedBit, v); }

bool TReportListView::RowEnabled(int r) const {
  return r >= 1 && r <= NrOfRows() && !(d->Data->Strings().GetRowAttrib(r) & kRowDisabledBit);
}

void TReportListView::SetRowEnabled(int r, bool v) { SetOneRowBit(r, kRowDisabledBit, !v); }

bool TReportListView::ColumnSelected(int c) const {
  return c >= 1 && c <= NrOfColumns() && (d->Data->Strings().GetColAttrib(c) & kColSelectedBit);
}

void TReportListView::SetColumnSelected(int c, bool v) {
  if (c < 1 || c > NrOfColumns()) return;
  ApplyColumnBit(kColSelectedBit, [c, v, this](int k) { return k == c ? v : ColumnSelected(k); });
  ChangedSelection();
}

int TReportListView::FirstSelectedRow() const {
  const TStringArray& s = d->Data->Strings();
  if (s.CountRowsWithAttribBit(kRowSelectedBitNr) == 0) return 0;
  for (int r = 1; r <= NrOfRows(); ++r) {
    const std::uint8_t a = s.GetRowAttrib(r);
    if (a & kRowSelectedBit) return (a & kRowDisabledBit) ? 0 : r;
  }
  return 0;
}

int TReportListView::FirstSelectedColumn() const {
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (ColumnSelected(c)) return c;
  return 0;
}

int TReportListView::NumSelectedRows() const { return d->Data->Strings().CountRowsWithAttribBit(kRowSelectedBitNr); }

int TReportListView::NumSelectedColumns() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c) n += ColumnSelected(c);
  return n;
}

int TReportListView::NumEnabledRows() const {
  return NrOfRows() - d->Data->Strings().CountRowsWithAttribBit(kRowDisabledBitNr);
}

int TReportListView::RowSelectMode() const { return d->RowSelectMode; }

void TReportListView::SetRowSelectMode(int v) {
  d->RowSelectMode = v;
  if (v != 2) {
    TRepListSuppress hold(*this);
    SetRowBits(kRowSelectedBit, false);
    if (v == 0) {
      const int col = NrOfColumns() + 1, row = NrOfRows() + 1;
      SetSelection({col, row, col, row});
    }
  }
  ChangedSelection();
}

void TReportListView::SetTopRow(int v) {
  const int h = CountHeadRows();
  const long long wanted = std::min<long long>(qint64{v} + h - 1, qint64{h} + NrOfRows() - 1);
  // The last data row may go to the top, with empty room below it.
  PlaceTopRow(int(std::max<long long>(h, wanted)));
}

void TReportListView::SetLeftCol(int v) {
  v = std::min(v, NrOfColumns());
  TCustomGrid::SetLeftCol(std::max(v, FixedCols() + 1) - 1);
}

void TReportListView::CenterScrollAndSelect(int Row) {
  TRepListSuppress hold(*this);
  SelectRow(Row);
  const int v = VisibleRowCount();
  const int top = Row > NrOfRows() - v / 2 ? NrOfRows() - v + 1 : Row - v / 2;
  SetTopRow(std::max(top, 1));
  const int g = GridRowOfData(Row);
  SetSelection({0, g, ColCount() - 1, g});
}

TGridCoord TReportListView::MouseCell(int X, int Y) const {
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return {0, 0};
  const int h = CountHeadRows();
  int row = 0;
  if (cell.Y >= h)
    row = DataRowOfGrid(cell.Y);
  else
    row = cell.Y == ColumnHeaderGridRow() ? -1 : -2;
  return {cell.X + 1, row};
}

}  // namespace vyr
