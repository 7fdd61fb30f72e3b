#pragma once
// The texts of the table editor's cells, as pure functions of the table so
// that painting, editing, column sizing and copying agree and tests can
// read them by value.
#include <QString>
#include <optional>

#include "foundation/DataTable.h"

namespace vyr {

// A number in a column with decimals d and minimum width numWidth: fixed
// notation with d decimals while d is 0..8, |x| is at most 999999999 (d 0)
// or 10^(8-d) - 10^-d (d 1..8: 9999999.9 down to 0.99999999) and x is 0 or
// at least 10^-d; otherwise exponent form with a two-digit exponent in
// numWidth + 6 characters.
QString NumberCellText(double x, int d, int numWidth);

// The ordinal a nominal cell's value stands for (rounded, halves to even);
// none for values that are not finite or lie beyond +-2^31.
std::optional<qint64> NominalOrdinal(double x);

// Whether a column holds nominal identifiers (scale types 1 and 2).
bool IsNominalColumn(const TDataTable& t, int c);

// The nominal text of a value: the identifier of its ordinal when there is
// one, else the scale type's name, ":" and the ordinal (or the value).
QString NominalCellText(const TDataTable& t, int c, double x);

// What data cell (c, r) shows: empty for state bit 0x02, "-nan-" for 0x01,
// else the nominal or number text.
QString DataCellText(const TDataTable& t, int c, int r, int d, int numWidth);

// Reads a typed decimal number: blanks at both ends are dropped, a comma is
// a decimal point, an exponent may follow; the whole text must be the
// number and the result finite. "inf", "nan" and hexadecimal forms fail.
std::optional<double> ParseDecimalNumber(QString text);

}  // namespace vyr
