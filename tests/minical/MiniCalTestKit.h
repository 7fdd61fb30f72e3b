#pragma once
// Helpers of the calendar tests: a calendar on a given date that counts its
// OnChange events, and the cell of a date.
#include <QDate>
#include <memory>

#include "minical/Vyr_MiniCal.h"

namespace minicaltest {

struct Calendar {
  explicit Calendar(const QDate& date) {
    cal->SetDate(vyr::DateToSerial(date));
    cal->OnChange = [this](vyr::TObject*) { ++changes; };
  }
  vyr::TMiniCal* operator->() { return cal.get(); }
  std::unique_ptr<vyr::TMiniCal> cal = std::make_unique<vyr::TMiniCal>();
  int changes = 0;
};

// The grid cell (column, row) that shows the date, or (-1, -1).
inline vyr::TGridCoord CellOf(const vyr::TMiniCal& cal, const QDate& date) {
  for (int row = 2; row <= 7; ++row)
    for (int col = 1; col <= 7; ++col)
      if (cal.CellDate(col, row) == date) return {col, row};
  return {-1, -1};
}

// The middle of a cell in client coordinates.
inline vyr::TPoint MiddleOf(const vyr::TMiniCal& cal, int col, int row) {
  const vyr::TRect r = cal.CellRect(col, row);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

}  // namespace minicaltest
