#pragma once
// Column format strings of the report list: "[" TypeSpec "]" "[" WidthSpec
// "]" followed by the default text. TypeSpec is an optional "#" (read-only),
// a type letter (s c l d e f h i) and letter-specific text.
#include <QString>

namespace vyr {

// Longest digit count or password length a format may ask for; larger
// numbers in a stored format are cut to it.
constexpr int kMaxFormatDigits = 255;

// The default text a format proposes for an empty cell of row `row`: the
// first list item for "c"/"l", the date text for "d", the row number with N
// digits or decimals for "rixN" in numeric formats, a new password of N
// characters for "$pwd$N" in "s"; empty for read-only formats, unknown
// letters and formats without "]".
QString FormatDefaultValue(const QString& format, int row);
// The same for a type letter and the default text that follows the width
// group (the read-only marker already taken off).
QString DefaultTextOfType(QChar letter, const QString& text, int row);

// Exactly n digits (0 counts as 1) of |v|, higher digits dropped, with "-"
// in front for negative v. n is limited to kMaxFormatDigits.
QString ZeroPaddedInt(int v, int n);

}  // namespace vyr
