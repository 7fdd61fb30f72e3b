// TReportListView: mouse, keyboard and wheel: row selection by click,
// check marks, sorting by header click, auto-sizing by double click.
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"
#include "replist/ReportListView.h"

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
  const int d = DataColumnOf(cell.X);
  const TRect rect = CellRect(cell.X, cell.Y);
  if (cell.Y < CountHeadRows()) {
    // The second press of a double click belongs to the double click (which
    // may have just resized the columns under the pointer), never to a sort.
    if (cell.Y == ColumnHeaderGridRow() && FSortEnabled && !(Shift & ssDouble) && X - rect.Left > kBorderMargin &&
        rect.Right - X > kBorderMargin)
      SortByHeaderClick(d);
    return;
  }
  TRepListSuppress hold(*this);
  const int r = DataRowOfGrid(cell.Y);
  const bool enabledRow = RowEnabled(r);
  SetOptions(ColumnEditable(d) && enabledRow ? Options() | goEditing : Options() & ~goEditing);
  if (ColumnCheckMode(d) != cmNone && X < rect.Left + kCheckBoxArea && !FROCheckMarks && enabledRow &&
      (FRLData->Strings().GetStringView(d, r).size() > 1 || FShowEmptyCBx))
    ClickCheckMark(d, r);
  SelectByClick(Shift);
}

void TReportListView::SortByHeaderClick(int d) {
  TWaitCursor wait;
  TRepListSuppress hold(*this);
  const TStringArray& s = FRLData->Strings();
  const int k = s.GetSortOrder(SelectionTopDataRow());
  FRLData->SetSortToggle(!FRLData->SortToggle());
  Sort(d, SecondarySortColumn(), FRLData->SortToggle());
  if (k == 0) return;
  for (int i = 1; i <= NrOfRows(); ++i) {
    if (s.GetSortOrder(i) != k) continue;
    TGridRect sel = Selection();
    sel.Top = sel.Bottom = GridRowOfData(i);
    SetSelection(sel);
    return;
  }
}

void TReportListView::ClickCheckMark(int d, int r) {
  bool newState = !ElemChecked(d, r);
  Raise(OnBeforeCheckedChange, this, newState, d, r);
  FRLData->SetElemChecked(d, r, ColumnCheckMode(d) == cmRadio || newState);
  bool reported = !newState;
  Raise(OnCheckedChange, this, reported, d, r);
}

void TReportListView::SelectByClick(TShiftState Shift) {
  const int s = SelectionTopDataRow();
  if (FRowSelectMode == 1) {
    SelectOnlyRow(s);
  } else if (FRowSelectMode == 2 && (Shift & ssShift)) {
    // The range takes the anchor's selected bit; disabled bits stay.
    TStringArray& strings = FRLData->Strings();
    const bool on = RowSelected(FSelectAnchor);
    strings.BeginUpdate();
    for (int r = std::max(1, std::min(s, FSelectAnchor)); r <= std::min(NrOfRows(), std::max(s, FSelectAnchor)); ++r) {
      strings.SetRowAttrib(r, WithBit(strings.GetRowAttrib(r), kRowSelectedBit, on));
    }
    strings.EndUpdate();
  } else if (FRowSelectMode == 2) {
    FSelectAnchor = s;
    if ((Shift & ssCtrl) || !FCtrlForMultiSel) {
      if (s >= 1 && s <= NrOfRows())
        FRLData->Strings().SetRowAttrib(s, FRLData->Strings().GetRowAttrib(s) ^ kRowSelectedBit);
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
  if (FRowSelectMode != 2) return;
  if (X > GridWidth() || (Y > GridHeight() && Button == mbLeft)) {
    SetRowBits(kRowSelectedBit, false);
    ChangedSelection();
  }
}

void TReportListView::MouseMove(TShiftState Shift, int X, int Y) {
  FLastMousePosX = X;
  FLastMousePosY = Y;
  TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::DblClick() {
  const int headerRow = ColumnHeaderGridRow();
  const TGridCoord cell = MouseCoord(FLastMousePosX, FLastMousePosY);
  if (headerRow < 0 || FLastMousePosY > GridHeight() || cell.Y != headerRow || cell.X < 0) {
    TCustomDrawGrid::DblClick();
    return;
  }
  const TRect rect = CellRect(cell.X, cell.Y);
  if (FLastMousePosX - rect.Left >= 5 && rect.Right - FLastMousePosX > kBorderMargin) return;
  // c counts grid columns from 1: the column left of the border.
  int c = cell.X + (FLastMousePosX >= (rect.Left + rect.Right) / 2 ? 1 : 0);
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
  if (FAutoAdvance && (Key == QChar(0) || Key == QChar(13))) {
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
