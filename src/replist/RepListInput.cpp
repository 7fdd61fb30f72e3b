// TReportListView: mouse, keyboard and wheel: row selection by click,
// check marks, sorting by header click, auto-sizing by double click.
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"
#include "replist/RepListPrivate.h"

namespace vyr {

namespace {

// Clicks this close to a header border belong to column sizing.
constexpr int kBorderMargin = 4;
// Width of the check box area at the left of a check cell.
constexpr int kCheckBoxArea = 18;

}  // namespace

int TReportListView::GridWidth() const { return std::min(ClientWidth(), VisibleColumnsRight()); }

int TReportListView::GridHeight() const {
  const TRect last = CellRect(0, RowCount() - 1);
  return last.Bottom > last.Top ? last.Bottom : ClientHeight();
}

void TReportListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || X <= 0 || X >= GridWidth() || Y <= 0 || Y >= GridHeight()) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  const int dataCol = DataColumnOf(cell.X);
  const TRect rect = CellRect(cell.X, cell.Y);
  if (cell.Y < CountHeadRows()) {
    // The second press of a double click belongs to the double click (which
    // may have just resized the columns under the pointer), never to a sort.
    if (cell.Y == ColumnHeaderGridRow() && d->SortEnabled && !(Shift & ssDouble) && X - rect.Left > kBorderMargin &&
        rect.Right - X > kBorderMargin)
      SortByHeaderClick(dataCol);
    return;
  }
  TRepListSuppress hold(*this);
  const int r = DataRowOfGrid(cell.Y);
  const bool enabledRow = RowEnabled(r);
  SetOptions(ColumnEditable(dataCol) && enabledRow ? Options() | goEditing : Options() & ~goEditing);
  if (ColumnCheckMode(dataCol) != cmNone && X < rect.Left + kCheckBoxArea && !d->ROCheckMarks && enabledRow &&
      (d->Data->Strings().GetStringView(dataCol, r).size() > 1 || d->ShowEmptyCBx))
    ClickCheckMark(dataCol, r);
  SelectByClick(Shift);
}

void TReportListView::SortByHeaderClick(int dataCol) {
  TWaitCursor wait;
  TRepListSuppress hold(*this);
  const TStringArray& s = d->Data->Strings();
  const int k = s.GetSortOrder(SelectionTopDataRow());
  d->Data->SetSortToggle(!d->Data->SortToggle());
  Sort(dataCol, SecondarySortColumn(), d->Data->SortToggle());
  if (k == 0) return;
  for (int i = 1; i <= NrOfRows(); ++i) {
    if (s.GetSortOrder(i) != k) continue;
    TGridRect sel = Selection();
    sel.Top = sel.Bottom = GridRowOfData(i);
    SetSelection(sel);
    return;
  }
}

void TReportListView::ClickCheckMark(int dataCol, int r) {
  bool newState = !ElemChecked(dataCol, r);
  Raise(OnBeforeCheckedChange, this, newState, dataCol, r);
  d->Data->SetElemChecked(dataCol, r, ColumnCheckMode(dataCol) == cmRadio || newState);
  bool reported = !newState;
  Raise(OnCheckedChange, this, reported, dataCol, r);
}

void TReportListView::SelectByClick(TShiftState Shift) {
  const int s = SelectionTopDataRow();
  if (d->RowSelectMode == 1) {
    SelectOnlyRow(s);
  } else if (d->RowSelectMode == 2 && (Shift & ssShift)) {
    // The range takes the anchor's selected bit; disabled bits stay.
    TStringArray& strings = d->Data->Strings();
    const bool on = RowSelected(d->SelectAnchor);
    strings.BeginUpdate();
    const int first = std::max(1, std::min(s, d->SelectAnchor));
    const int last = std::min(NrOfRows(), std::max(s, d->SelectAnchor));
    for (int r = first; r <= last; ++r) {
      strings.SetRowAttrib(r, WithBit(strings.GetRowAttrib(r), kRowSelectedBit, on));
    }
    strings.EndUpdate();
  } else if (d->RowSelectMode == 2) {
    d->SelectAnchor = s;
    if ((Shift & ssCtrl) || !d->CtrlForMultiSel) {
      if (s >= 1 && s <= NrOfRows())
        d->Data->Strings().SetRowAttrib(s, d->Data->Strings().GetRowAttrib(s) ^ kRowSelectedBit);
    } else {
      SelectOnlyRow(s);
    }
  } else {
    return;
  }
  ChangedSelection();
}

void TReportListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
  if (d->RowSelectMode != 2) return;
  if (X > GridWidth() || (Y > GridHeight() && Button == mbLeft)) {
    SetRowBits(kRowSelectedBit, false);
    ChangedSelection();
  }
}

void TReportListView::MouseMove(TShiftState Shift, int X, int Y) {
  d->LastMousePosX = X;
  d->LastMousePosY = Y;
  TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::DblClick() {
  const int headerRow = ColumnHeaderGridRow();
  const TGridCoord cell = MouseCoord(d->LastMousePosX, d->LastMousePosY);
  if (headerRow < 0 || d->LastMousePosY > GridHeight() || cell.Y != headerRow || cell.X < 0) {
    TCustomDrawGrid::DblClick();
    return;
  }
  const TRect rect = CellRect(cell.X, cell.Y);
  if (d->LastMousePosX - rect.Left >= 5 && rect.Right - d->LastMousePosX > kBorderMargin) return;
  // c counts grid columns from 1: the column left of the border.
  int c = cell.X + (d->LastMousePosX >= (rect.Left + rect.Right) / 2 ? 1 : 0);
  while (c > 1 && TCustomGrid::ColWidths(c - 1) < 1) --c;
  if (c < 1) return;  // the very left border has no column before it
  AutoColWidth(DataColumnOf(c - 1), true, 0);
}

void TReportListView::KeyDown(quint16& Key, TShiftState Shift) {
  TCustomDrawGrid::KeyDown(Key, Shift);
  if (Key < VK_PRIOR || Key > VK_DOWN) return;
  SelectOnlyRow(SelectionTopDataRow());
  CursorKeyAction(Key);
  ChangedSelection();
}

void TReportListView::KeyPress(QChar& Key) {
  TCustomDrawGrid::KeyPress(Key);
  if (d->AutoAdvance && (Key == QChar(0) || Key == QChar(13))) {
    quint16 down = VK_DOWN;
    KeyDown(down, 0);
  }
}

bool TReportListView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  Raise(OnMouseWheelDown, this, Shift, MousePos, handled);
  return handled;
}

bool TReportListView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  Raise(OnMouseWheelUp, this, Shift, MousePos, handled);
  return handled;
}

bool TReportListView::SelectCell(int ACol, int ARow) {
  const bool editable = ARow != 0 && ColumnEditable(DataColumnOf(ACol));
  SetOptions(editable ? Options() | goEditing : Options() & ~goEditing);
  return TCustomDrawGrid::SelectCell(ACol, ARow);
}

}  // namespace vyr
