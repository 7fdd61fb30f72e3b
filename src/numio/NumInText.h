#pragma once
// The number text of the numeric fields: how each input format writes a
// value, reads it back and judges a text typed so far.
//
// Separators: a field writes its decimal separator as SeparatorCharOf its
// mode, and judges texts with ResolvedSepMode, so that what it writes it
// also accepts. The system separator is the application's, taken as "."
// when it is "." and as "," otherwise.
#include <QChar>
#include <QString>

#include "foundation/NumRoutines.h"
#include "numio/InFormat.h"

namespace vyr {

// "," for dsComma, the system separator for dsSystem, "." otherwise.
QChar SeparatorCharOf(TDecPSep mode);
// dsSystem as dsPoint or dsComma by the system separator; others unchanged.
TDecPSep ResolvedSepMode(TDecPSep mode);

struct TInTextStyle {
  TInFormat format = itFloat;
  TDecPSep separator = dsBoth;
  int decimals = 2;           // itFloat, itFixPoint
  int significantDigits = 6;  // itExp
};

// The text a field shows for value:
// itExp: blank or "-", d.ddddE+dd with significantDigits digits (a row of
//   "*" when the exponent needs three digits);
// itFloat, itFixPoint: fixed notation with `decimals` decimals;
// itInt, itDynamic: the rounded value in decimal (halves to even);
// itHex, itOct, itBin: the low 32 bits of the rounded value, 8, 11 or 32
//   digits.
QString InFormatText(double value, const TInTextStyle& style);

// The value of a buffer:
// itExp, itFloat, itFixPoint: the number it starts with (either separator);
// itInt: 0 unless it is a signed integer; beyond 32 bits the nearest limit;
// itHex, itOct, itBin: the digits as a 32-bit signed integer (wrapping);
// itDynamic: "$", "%" or "&" read the rest in base 16, 2 or 8, anything
//   else as a floating-point number. An empty buffer is 0.
double InFormatValue(const QString& text, TInFormat format);

// Whether text is a valid (possibly unfinished) number of the format. For
// itFixPoint the separator must stand exactly `decimals` characters before
// the end, or be absent with the text exactly `decimals` long.
bool IsInFormatText(const QString& text, const TInTextStyle& style);

}  // namespace vyr
