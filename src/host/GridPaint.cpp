// Painting of the grid: only the visible rows and columns are visited.
#include <algorithm>

#include "host/Grid.h"

namespace vyr {

// The base grid draws nothing inside a cell; TCustomDrawGrid raises
// OnDrawCell.
void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::DrawGridLines(int col, int row, const TRect& cell) {
  TCanvas& c = Canvas();
  bool fixed = IsFixedCell(col, row);
  c.Brush.Style = bsSolid;
  c.Brush.Color = fixed ? clBlack : clSilver;
  int lw = ColLine(col), lh = RowLine(row);
  if (lw > 0) c.FillRect({cell.Right, cell.Top, cell.Right + lw, cell.Bottom + lh});
  if (lh > 0) c.FillRect({cell.Left, cell.Bottom, cell.Right + lw, cell.Bottom + lh});
}

void TCustomGrid::DoPaint() {
  TCanvas& c = Canvas();
  const int cw = ClientWidth(), ch = ClientHeight();
  c.Brush = {Color(), bsSolid};
  c.FillRect({0, 0, Width(), Height()});
  const TGridRect sel = Selection();
  const bool focused = hasFocus();
  // Rows: the fixed ones, then from the top row until the client is full.
  auto nextRow = [this](int r) { return r + 1 == FFixedRows ? std::max(FTopRow, FFixedRows) : r + 1; };
  auto nextCol = [this](int k) { return k + 1 == FFixedCols ? std::max(FLeftCol, FFixedCols) : k + 1; };
  int firstRow = FFixedRows > 0 ? 0 : FTopRow, firstCol = FFixedCols > 0 ? 0 : FLeftCol;
  long long y = 0;
  for (int row = firstRow; row < FRowCount && y < ch; row = nextRow(row)) {
    int h = RowHeights(row);
    long long x = 0;
    for (int col = firstCol; col < FColCount && x < cw; col = nextCol(col)) {
      int w = ColWidths(col);
      TRect cell{int(x), int(y), int(x + w), int(y + h)};
      if (w > 0 && h > 0) {
        TGridDrawState state = 0;
        bool current = col == FCurrent.X && row == FCurrent.Y;
        if (IsFixedCell(col, row)) {
          state |= gdFixed;
        } else if (sel.Contains(col, row) &&
                   (!current || (FOptions & (goDrawFocusSelected | goRowSelect)) || !focused)) {
          state |= gdSelected;
        }
        if (current && focused) state |= gdFocused;
        if (FDefaultDrawing) {
          c.Brush = {(state & gdFixed) ? FFixedColor : (state & gdSelected) ? clHighlight : Color(), bsSolid};
          c.Font.Color = (state & gdSelected) ? clHighlightText : Font().Color;
          c.FillRect(cell);
        }
        DrawCell(col, row, cell, state);
        if (FDefaultDrawing && (state & gdFocused) && !(FOptions & goRowSelect) && !EditorMode()) {
          c.Pen = {clWhite, 1, psDot, pmXor};
          c.Brush.Style = bsClear;
          c.Rectangle(cell);
          c.Pen = TPen{};
          c.Brush.Style = bsSolid;
        }
      }
      DrawGridLines(col, row, cell);
      x += w + ColLine(col);
    }
    y += h + RowLine(row);
  }
}

}  // namespace vyr
