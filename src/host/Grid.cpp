// The grid's state: counts, sizes, options, scroll position, current cell
// and selection, and the scroll bars that follow them.
#include <algorithm>

#include "host/Grid.h"

namespace vyr {

TCustomGrid::TCustomGrid(QWidget* AOwner)
    : TCustomControl(AOwner),
      FVertBar(new QScrollBar(Qt::Vertical, this)),
      FHorzBar(new QScrollBar(Qt::Horizontal, this)) {
  SetColor(clWindow);
  FVertBar->hide();
  FHorzBar->hide();
  FVertBar->setFocusPolicy(Qt::NoFocus);
  FHorzBar->setFocusPolicy(Qt::NoFocus);
  connect(FVertBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (!FSyncingBars) SetTopRow(v);
  });
  connect(FHorzBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (!FSyncingBars) SetLeftCol(v);
  });
  SetBounds(0, 0, 320, 120);
  Changed();
}

void TCustomGrid::Changed() {
  ClampScrollPosition();
  UpdateScrollBars();
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SetColCount(int value) {
  value = std::max(1, value);
  if (value == FColCount) return;
  FColCount = value;
  if (!FColWidths.empty()) FColWidths.resize(size_t(value), FDefaultColWidth);
  FFixedCols = std::min(FFixedCols, value);
  if (FCurrent.X >= value) FCurrent.X = value - 1;
  if (FAnchor.X >= value) FAnchor.X = value - 1;
  ShowFirstScrollableCol();
  Changed();
}

void TCustomGrid::SetRowCount(int value) {
  value = std::max(1, value);
  if (value == FRowCount) return;
  FRowCount = value;
  if (!FRowHeights.empty()) FRowHeights.resize(size_t(value), FDefaultRowHeight);
  FFixedRows = std::min(FFixedRows, value);
  if (FCurrent.Y >= value) FCurrent.Y = value - 1;
  if (FAnchor.Y >= value) FAnchor.Y = value - 1;
  Changed();
}

void TCustomGrid::SetFixedCols(int value) {
  value = std::clamp(value, 0, FColCount);
  if (value == FFixedCols) return;
  FFixedCols = value;
  if (FCurrent.X < value && value < FColCount) FCurrent.X = FAnchor.X = value;
  ShowFirstScrollableCol();
  Changed();
}

void TCustomGrid::SetFixedRows(int value) {
  value = std::clamp(value, 0, FRowCount);
  if (value == FFixedRows) return;
  FFixedRows = value;
  if (FCurrent.Y < value && value < FRowCount) FCurrent.Y = FAnchor.Y = value;
  Changed();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  value = std::max(0, value);
  if (value == FDefaultColWidth && FColWidths.empty()) return;
  FDefaultColWidth = value;
  FColWidths.clear();
  ColWidthsChanged();
  Changed();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  value = std::max(0, value);
  if (value == FDefaultRowHeight && FRowHeights.empty()) return;
  FDefaultRowHeight = value;
  FRowHeights.clear();
  RowHeightsChanged();
  Changed();
}

void TCustomGrid::SetColWidths(int col, int width) {
  if (col < 0 || col >= FColCount) return;
  width = std::max(0, width);
  if (width == ColWidths(col)) return;
  if (FColWidths.empty()) FColWidths.assign(size_t(FColCount), FDefaultColWidth);
  FColWidths[size_t(col)] = width;
  ColWidthsChanged();
  Changed();
}

void TCustomGrid::SetRowHeights(int row, int height) {
  if (row < 0 || row >= FRowCount) return;
  height = std::max(0, height);
  if (height == RowHeights(row)) return;
  if (FRowHeights.empty()) FRowHeights.assign(size_t(FRowCount), FDefaultRowHeight);
  FRowHeights[size_t(row)] = height;
  RowHeightsChanged();
  Changed();
}

void TCustomGrid::SetGridLineWidth(int value) {
  value = std::clamp(value, 0, 100);
  if (value == FGridLineWidth) return;
  FGridLineWidth = value;
  Changed();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (value == FFixedColor) return;
  FFixedColor = value;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == FOptions) return;
  FOptions = value;
  if (!(FOptions & goEditing)) HideEditor();
  if ((FOptions & goAlwaysShowEditor) && (FOptions & goEditing) && hasFocus()) ShowEditor();
  Changed();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == FDefaultDrawing) return;
  FDefaultDrawing = value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  Changed();
}

void TCustomGrid::ClampScrollPosition() {
  int top = std::clamp(FTopRow, FFixedRows, std::max(FFixedRows, MaxTopRow()));
  int left = std::clamp(FLeftCol, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
  if (top != FTopRow || left != FLeftCol) {
    FTopRow = top;
    FLeftCol = left;
    TopLeftChanged();
  }
}

// The columns changed: what was scrolled to may no longer exist or may now
// hide the first scrollable column, so the view starts again at it.
void TCustomGrid::ShowFirstScrollableCol() {
  if (FLeftCol == FFixedCols) return;
  FLeftCol = FFixedCols;
  TopLeftChanged();
}

void TCustomGrid::SetTopRow(int value) { PlaceTopRow(std::min(value, std::max(FFixedRows, MaxTopRow()))); }

void TCustomGrid::PlaceTopRow(int value) {
  value = std::clamp(value, FFixedRows, std::max(FFixedRows, FRowCount - 1));
  if (value == FTopRow) return;
  FTopRow = value;
  UpdateScrollBars();
  PlaceEditor();
  TopLeftChanged();
  Invalidate();
}

void TCustomGrid::SetLeftCol(int value) {
  value = std::clamp(value, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
  if (value == FLeftCol) return;
  FLeftCol = value;
  UpdateScrollBars();
  PlaceEditor();
  TopLeftChanged();
  Invalidate();
}

void TCustomGrid::UpdateScrollBars() {
  FSyncingBars = true;
  // A bar takes room from the other direction, so settle twice.
  for (int pass = 0; pass < 2; ++pass) {
    FVertBarShown = (FScrollBars == ssVertical || FScrollBars == ssBoth) && MaxTopRow() > FFixedRows;
    FHorzBarShown = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && MaxLeftCol() > FFixedCols;
  }
  int vw = FVertBar->sizeHint().width(), hh = FHorzBar->sizeHint().height();
  FVertBar->setVisible(FVertBarShown);
  FHorzBar->setVisible(FHorzBarShown);
  const int b = BorderWidth();
  FVertBar->setGeometry(width() - b - vw, b, vw, ClientHeight());
  FHorzBar->setGeometry(b, height() - b - hh, ClientWidth(), hh);
  FVertBar->setRange(FFixedRows, std::max({FFixedRows, MaxTopRow(), FTopRow}));
  FVertBar->setPageStep(std::max(1, VisibleRowCount()));
  FVertBar->setValue(FTopRow);
  FHorzBar->setRange(FFixedCols, std::max(FFixedCols, MaxLeftCol()));
  FHorzBar->setPageStep(std::max(1, VisibleColCount()));
  FHorzBar->setValue(FLeftCol);
  FSyncingBars = false;
}

void TCustomGrid::Resize() {
  Changed();
  TCustomControl::Resize();
}

void TCustomGrid::SetRow(int value) {
  if (value < FFixedRows || value >= FRowCount) return;
  FocusCell(FCurrent.X, value, true);
}

void TCustomGrid::SetCol(int value) {
  if (value < FFixedCols || value >= FColCount) return;
  FocusCell(value, FCurrent.Y, true);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
              std::max(FCurrent.Y, FAnchor.Y)};
  if (FOptions & goRowSelect) {
    r.Left = FFixedCols;
    r.Right = FColCount - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& value) {
  HideEditor();
  FCurrent = {value.Left, value.Top};
  FAnchor = {value.Right, value.Bottom};
  Invalidate();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
  if (FColCount <= FFixedCols || FRowCount <= FFixedRows) return;
  col = std::clamp(col, FFixedCols, FColCount - 1);
  row = std::clamp(row, FFixedRows, FRowCount - 1);
  if (!SelectCell(col, row)) return;
  bool moved = col != FCurrent.X || row != FCurrent.Y;
  if (moved) HideEditor();
  FCurrent = {col, row};
  if (moveAnchor || !(FOptions & goRangeSelect)) FAnchor = FCurrent;
  ScrollIntoView(col, row);
  Invalidate();
  if (moved && (FOptions & goAlwaysShowEditor)) ShowEditor();
}

// Scrolls the least that brings the cell fully into view.
void TCustomGrid::ScrollIntoView(int col, int row) {
  if (row >= FFixedRows) {
    if (row < FTopRow) {
      SetTopRow(row);
    } else {
      long long avail = ClientHeight() - FixedHeight(), used = 0;
      int top = row;
      for (int r = row; r >= FFixedRows; --r) {
        used += RowHeights(r) + RowLine(r);
        if (used > avail) break;
        top = r;
      }
      if (top > FTopRow) SetTopRow(top);
    }
  }
  if (col >= FFixedCols && !(FOptions & goRowSelect)) {
    if (col < FLeftCol) {
      SetLeftCol(col);
    } else {
      long long avail = ClientWidth() - FixedWidth(), used = 0;
      int left = col;
      for (int c = col; c >= FFixedCols; --c) {
        used += ColWidths(c) + ColLine(c);
        if (used > avail) break;
        left = c;
      }
      if (left > FLeftCol) SetLeftCol(left);
    }
  }
}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  Raise(OnDrawCell, this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  Raise(OnSelectCell, this, ACol, ARow, canSelect);
  return canSelect;
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  QString value;
  Raise(OnGetEditText, this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  Raise(OnSetEditText, this, ACol, ARow, Value);
}

}  // namespace vyr
