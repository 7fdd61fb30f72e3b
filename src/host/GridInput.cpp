// Keyboard, mouse and wheel handling of the grid, and column sizing.
#include <QKeyEvent>

#include "host/Grid.h"
#include "host/KeyCodes.h"

namespace vyr {

void TCustomGrid::KeyDown(quint16& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool extend = (Shift & ssShift) && (FOptions & goRangeSelect);
  const int page = std::max(1, VisibleRowCount());
  int col = FCurrent.X, row = FCurrent.Y;
  switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT:
      if (FOptions & goRowSelect) {
        SetLeftCol(FLeftCol - 1);
        return;
      }
      --col;
      break;
    case VK_RIGHT:
      if (FOptions & goRowSelect) {
        SetLeftCol(FLeftCol + 1);
        return;
      }
      ++col;
      break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
      if ((Shift & ssCtrl) || (FOptions & goRowSelect))
        row = FFixedRows;
      else
        col = FFixedCols;
      break;
    case VK_END:
      if ((Shift & ssCtrl) || (FOptions & goRowSelect))
        row = FRowCount - 1;
      else
        col = FColCount - 1;
      break;
    case VK_TAB:
      if (!(FOptions & goTabs)) return;
      // Tab walks the row and wraps to the next (Shift: previous) row.
      if (Shift & ssShift) {
        if (--col < FFixedCols) {
          col = FColCount - 1;
          --row;
        }
      } else if (++col >= FColCount) {
        col = FFixedCols;
        ++row;
      }
      if (row < FFixedRows || row >= FRowCount) return;
      FocusCell(col, row, true);
      return;
    case VK_F2: ShowEditor(); return;
    case VK_RETURN:
      if (EditorMode())
        HideEditor();
      else
        ShowEditor();
      return;
    default: return;
  }
  FocusCell(col, row, !extend);
}

void TCustomGrid::KeyPress(QChar& Key) {
  TCustomControl::KeyPress(Key);
  if (Key.isNull() || !Key.isPrint() || !(FOptions & goEditing) || !CanEditShow()) return;
  ShowEditor();
  if (EditorMode()) {
    FEditor->setText(QString(Key));
    SetEditText(FCurrent.X, FCurrent.Y, FEditor->text());
    Key = QChar();
  }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    int border = (FOptions & goColSizing) ? ColumnBorderAt(X, Y) : -1;
    if (border >= 0) {
      FSizingCol = border;
      FSizingStartX = X;
      FSizingStartWidth = ColWidths(border);
    } else {
      TGridCoord cell = MouseCoord(X, Y);
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
        FocusCell(cell.X, cell.Y, !((Shift & ssShift) && (FOptions & goRangeSelect)));
        FSelecting = true;
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (FSizingCol >= 0) {
    SetColWidths(FSizingCol, FSizingStartWidth + (X - FSizingStartX));
  } else if (FSelecting && (Shift & ssLeft) && (FOptions & goRangeSelect)) {
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows) FocusCell(cell.X, cell.Y, false);
  } else if (!(Shift & ssLeft)) {
    bool onBorder = (FOptions & goColSizing) && ColumnBorderAt(X, Y) >= 0;
    setCursor(onBorder ? Qt::SplitHCursor : Qt::ArrowCursor);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const int sized = FSizingCol;
  FSizingCol = -1;
  if (sized >= 0 && ColWidths(sized) != FSizingStartWidth) ColumnSized(sized);
  FSelecting = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::DblClick() {
  TCustomControl::DblClick();
  if (FOptions & goEditing) ShowEditor();
}

// The wheel moves the current row, as the keyboard's arrows do.
bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  FocusCell(FCurrent.X, FCurrent.Y + 1, true);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  FocusCell(FCurrent.X, FCurrent.Y - 1, true);
  return true;
}

}  // namespace vyr
