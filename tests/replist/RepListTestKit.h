#pragma once
// Helpers for report list tests: a sized view and clicks at data cells.
#include "replist/Vyr_replist.h"

namespace repltest {

// A 400 x 200 view with `rows` data rows whose column 1 reads "r<row>".
inline void Prepare(vyr::TReportListView& v, int rows) {
  v.SetBounds(0, 0, 400, 200);
  v.SetNrOfRows(rows);
  for (int r = 1; r <= rows; ++r) v.SetElem(1, r, QStringLiteral("r%1").arg(r));
}

// The grid rectangle of data column d's cell in data row r (or, with r <= 0,
// of the header row -r).
inline vyr::TRect CellOf(vyr::TReportListView& v, int gridCol, int r) {
  const int gridRow = r > 0 ? r + v.CountHeadRows() - 1 : -r;
  return v.CellRect(gridCol, gridRow);
}

// A left click in the middle of a grid cell, away from any check box.
inline void ClickRow(vyr::TReportListView& v, int r, vyr::TShiftState shift = 0, int gridCol = 1) {
  const vyr::TRect c = CellOf(v, gridCol, r);
  const int x = (c.Left + c.Right) / 2 + 5, y = (c.Top + c.Bottom) / 2;
  v.MouseDown(vyr::mbLeft, shift, x, y);
  v.MouseUp(vyr::mbLeft, shift, x, y);
}

// A left click on the check box of a cell.
inline void ClickBox(vyr::TReportListView& v, int gridCol, int r) {
  const vyr::TRect c = CellOf(v, gridCol, r);
  v.MouseDown(vyr::mbLeft, 0, c.Left + 8, c.Top + 8);
  v.MouseUp(vyr::mbLeft, 0, c.Left + 8, c.Top + 8);
}

}  // namespace repltest
