#pragma once
// Clipboard text of the table editor: writing a block of cells and reading
// numbers back from any text.
//
// Writing: one line per row, each ending with CR LF; the first cell is
// preceded by a blank, the others by a tab. A cell that holds no number is
// "####". At full precision a number has 17 significant digits ("-1.2345678901234567E+0003"),
// so every double, -0 included, reads back bit for bit.
//
// Reading: lines end at LF (a CR before it is dropped), and a final line
// end adds no row, so CR LF and LF texts with or without the last line end
// give the same matrix. A line holding a tab or a semicolon is split into
// fields there; each field is one position whether it holds a number (its
// first number) or not ("####", empty), so values keep their columns. A
// line without either is read as numbers separated by anything else
// (blanks, words), each number one position. A number is [sign] digits
// [. or , digits] [E [sign] digits]: a comma inside a number is its decimal
// comma. Numbers beyond the double range hold their position but give no
// value.
#include <QString>
#include <QStringView>
#include <functional>
#include <string>

#include "foundation/DataTable.h"

namespace vyr {

struct TClipShape {
  int Cols = 0;     // the most positions of a line
  int Rows = 0;     // lines
  qint64 Numbers = 0;
};

// Calls cell(i, j, value) for each number, i its position in line j (both
// from 0), for positions below maxCols and lines below maxRows only.
TClipShape ScanClipNumbers(QStringView text, int maxCols, int maxRows,
                           const std::function<void(int i, int j, double value)>& cell);

// Appends the text of the cells c1..c2 x r1..r2, which lie inside t; decimals(c) gives a
// column's precision for the short form.
void AppendClipText(std::string& out, const TDataTable& t, int c1, int r1, int c2, int r2, bool fullPrec,
                    const std::function<int(int)>& decimals);

// 17 significant digits with a four-digit exponent; x must be finite.
void AppendFullPrecision(std::string& out, double x);

}  // namespace vyr
