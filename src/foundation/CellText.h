#pragma once
// How the text of a table cell reads as a number and how two cell texts
// compare when a table is sorted.
#include <QStringView>

namespace vyr {

// Reads text as a decimal number: blanks (' ') around it are ignored, ','
// counts as '.', an optional sign, digits with an optional point and an
// optional exponent. Returns false, leaving value alone, for anything else,
// for empty text and for numbers beyond the range of a double.
bool CellTextToNumber(QStringView text, double& value);

// Order of cell texts: without regard to case first, then by character
// codes so that texts differing only in case still compare unequal.
// Negative, 0 or positive as a is before, equal to or after b.
int CompareCellText(QStringView a, QStringView b);

}  // namespace vyr
