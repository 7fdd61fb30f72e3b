// Geometry of the grid: where rows and columns lie, what is visible, how far
// it may scroll. Every walk starts at the fixed cells or at the top row or
// left column and stops at the edge of the client area.
#include <algorithm>

#include "host/Grid.h"

namespace vyr {

int TCustomGrid::ColWidths(int col) const {
  if (col < 0 || col >= FColCount) return 0;
  return FColWidths.empty() ? FDefaultColWidth : FColWidths[size_t(col)];
}

int TCustomGrid::RowHeights(int row) const {
  if (row < 0 || row >= FRowCount) return 0;
  return FRowHeights.empty() ? FDefaultRowHeight : FRowHeights[size_t(row)];
}

// Width of the grid line right of a column (below a row); hidden columns
// and rows take no line.
int TCustomGrid::ColLine(int col) const {
  if (ColWidths(col) == 0) return 0;
  bool on = col < FFixedCols ? (FOptions & goFixedVertLine) : (FOptions & goVertLine);
  return on ? FGridLineWidth : 0;
}

int TCustomGrid::RowLine(int row) const {
  if (RowHeights(row) == 0) return 0;
  bool on = row < FFixedRows ? (FOptions & goFixedHorzLine) : (FOptions & goHorzLine);
  return on ? FGridLineWidth : 0;
}

int TCustomGrid::ClientWidth() const {
  return std::max(0, width() - 2 * BorderWidth() - (FVertBarShown ? FVertBar->sizeHint().width() : 0));
}

int TCustomGrid::ClientHeight() const {
  return std::max(0, height() - 2 * BorderWidth() - (FHorzBarShown ? FHorzBar->sizeHint().height() : 0));
}

int TCustomGrid::FixedWidth() const {
  long long w = 0;
  for (int c = 0; c < FFixedCols; ++c) w += ColWidths(c) + ColLine(c);
  return int(std::min<long long>(w, 1 << 30));
}

int TCustomGrid::FixedHeight() const {
  long long h = 0;
  for (int r = 0; r < FFixedRows; ++r) h += RowHeights(r) + RowLine(r);
  return int(std::min<long long>(h, 1 << 30));
}

// The smallest top row that still shows the last row, walking up from it.
TRect TCustomGrid::FocusFrame() const {
  TRect r = CellRect(FCurrent.X, FCurrent.Y);
  if ((FOptions & goRowSelect) && FCurrent.Y >= FFixedRows) {
    const int first = FFixedCols > 0 ? 0 : FLeftCol;
    r = CellRect(first, FCurrent.Y);
    for (int c = FLeftCol; c < FColCount; ++c) {
      const TRect cell = CellRect(c, FCurrent.Y);
      if (cell.IsEmpty()) break;
      r.Right = cell.Right;
    }
  }
  return r.IsEmpty() ? TCustomControl::FocusFrame() : r;
}

QSize TCustomGrid::sizeHint() const {
  long long width = 0, height = 0;
  for (int c = 0; c < FColCount && width < 800; ++c) width += ColWidths(c) + ColLine(c);
  for (int r = 0; r < std::min(FRowCount, FFixedRows + 10); ++r) height += RowHeights(r) + RowLine(r);
  const int bar = FVertBar->sizeHint().width();
  return {int(std::min<long long>(width, 800)) + bar, int(std::min<long long>(height, 600)) + bar};
}

QSize TCustomGrid::minimumSizeHint() const {
  const int col = FFixedCols < FColCount ? std::min(ColWidths(FFixedCols), 40) : 0;
  const int row = FFixedRows < FRowCount ? RowHeights(FFixedRows) + RowLine(FFixedRows) : 0;
  const int fixedWidth = std::min(FixedWidth(), 400), fixedHeight = std::min(FixedHeight(), 300);
  return {fixedWidth + col + FVertBar->sizeHint().width(), fixedHeight + row + FHorzBar->sizeHint().height()};
}

int TCustomGrid::MaxTopRow() const {
  if (FRowCount <= FFixedRows) return FFixedRows;
  long long avail = ClientHeight() - FixedHeight(), used = 0;
  int top = FRowCount - 1;
  for (int r = FRowCount - 1; r >= FFixedRows; --r) {
    used += RowHeights(r) + RowLine(r);
    if (used > avail) break;
    top = r;
  }
  return top;
}

int TCustomGrid::MaxLeftCol() const {
  if (FColCount <= FFixedCols) return FFixedCols;
  long long avail = ClientWidth() - FixedWidth(), used = 0;
  int left = FColCount - 1;
  for (int c = FColCount - 1; c >= FFixedCols; --c) {
    used += ColWidths(c) + ColLine(c);
    if (used > avail) break;
    left = c;
  }
  return left;
}

int TCustomGrid::VisibleRowCount() const {
  long long y = FixedHeight();
  int n = 0;
  for (int r = FTopRow; r < FRowCount; ++r) {
    if (y + RowHeights(r) > ClientHeight()) break;
    y += RowHeights(r) + RowLine(r);
    ++n;
  }
  return n;
}

int TCustomGrid::VisibleColCount() const {
  long long x = FixedWidth();
  int n = 0;
  for (int c = FLeftCol; c < FColCount; ++c) {
    if (x + ColWidths(c) > ClientWidth()) break;
    x += ColWidths(c) + ColLine(c);
    ++n;
  }
  return n;
}

namespace {

// Start of an item in a strip of fixed items followed by scrolled ones, or
// -1 when it is scrolled out or lies past the end of the visible area.
template <typename SizeOf, typename LineOf>
long long StartOf(int index, int fixed, int first, long long limit, SizeOf size, LineOf line) {
  long long pos = 0;
  if (index < fixed) {
    for (int i = 0; i < index; ++i) pos += size(i) + line(i);
    return pos < limit ? pos : -1;
  }
  for (int i = 0; i < fixed; ++i) pos += size(i) + line(i);
  if (index < first) return -1;
  for (int i = first; i < index; ++i) {
    pos += size(i) + line(i);
    if (pos >= limit) return -1;
  }
  return pos < limit ? pos : -1;
}

// The item that covers a position (its grid line included), or -1.
template <typename SizeOf, typename LineOf>
int ItemAt(long long p, int count, int fixed, int first, long long limit, SizeOf size, LineOf line) {
  if (p < 0 || p >= limit) return -1;
  long long pos = 0;
  for (int i = 0; i < fixed && i < count; ++i) {
    pos += size(i) + line(i);
    if (p < pos) return i;
  }
  for (int i = std::max(first, fixed); i < count && pos < limit; ++i) {
    pos += size(i) + line(i);
    if (p < pos) return i;
  }
  return -1;
}

}  // namespace

TRect TCustomGrid::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount) return {};
  auto w = [this](int c) { return ColWidths(c); };
  auto lw = [this](int c) { return ColLine(c); };
  auto h = [this](int r) { return RowHeights(r); };
  auto lh = [this](int r) { return RowLine(r); };
  long long x = StartOf(col, FFixedCols, FLeftCol, ClientWidth(), w, lw);
  long long y = StartOf(row, FFixedRows, FTopRow, ClientHeight(), h, lh);
  if (x < 0 || y < 0) return {};
  TRect r{int(x), int(y), int(std::min<long long>(x + ColWidths(col), ClientWidth())),
          int(std::min<long long>(y + RowHeights(row), ClientHeight()))};
  return r.IsEmpty() ? TRect{} : r;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  auto w = [this](int c) { return ColWidths(c); };
  auto lw = [this](int c) { return ColLine(c); };
  auto h = [this](int r) { return RowHeights(r); };
  auto lh = [this](int r) { return RowLine(r); };
  int col = ItemAt(X, FColCount, FFixedCols, FLeftCol, ClientWidth(), w, lw);
  int row = ItemAt(Y, FRowCount, FFixedRows, FTopRow, ClientHeight(), h, lh);
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

void TCustomGrid::MouseToCell(int X, int Y, int& col, int& row) const {
  TGridCoord c = MouseCoord(X, Y);
  col = c.X;
  row = c.Y;
}

// A column whose right border lies within 2 pixels of X in a fixed row, or -1.
int TCustomGrid::ColumnBorderAt(int X, int Y) const {
  TGridCoord cell = MouseCoord(X, Y);
  if (cell.Y < 0 || cell.Y >= FFixedRows) return -1;
  for (int c : {cell.X - 1, cell.X}) {
    if (c < 0) continue;
    TRect r = CellRect(c, cell.Y);
    if (r.IsEmpty() && ColWidths(c) != 0) continue;
    int edge = r.IsEmpty() ? -1 : r.Left + ColWidths(c);
    if (edge >= 0 && std::abs(X - edge) <= 2) return c;
  }
  return -1;
}

}  // namespace vyr
