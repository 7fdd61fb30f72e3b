#pragma once
// Character helpers shared by the number routines: 1-based position
// clamping, digit values and the accepted decimal separators of a mode.
#include <QChar>
#include <algorithm>

#include "foundation/NumRoutines.h"

namespace vyr::num {

// Pos brought inside 1..length+1, the range every scanner works in.
inline qsizetype ClampPos(qsizetype pos, qsizetype length) { return std::clamp<qsizetype>(pos, 1, length + 1); }

// Value of an ASCII digit or letter ("A".."Z" in either case as 10..35);
// anything else gives a value above every base.
inline unsigned DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  const char16_t upper = (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
  if (upper >= u'A' && upper <= u'Z') return upper - u'A' + 10;
  return 255;
}

inline bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The characters a mode accepts as decimal separator (the same one twice when
// only one is accepted).
struct Separators {
  char16_t first;
  char16_t second;
  bool Contains(char16_t c) const { return c == first || c == second; }
};

// "." when the application's system decimal separator is ".", otherwise ",".
Q_DECL_HIDDEN char16_t SystemDecimalSeparator();

inline Separators ResolveSeparators(TDecPSep mode) {
  switch (mode) {
    case dsSystem: {
      const char16_t c = SystemDecimalSeparator();
      return {c, c};
    }
    case dsPoint:
      return {u'.', u'.'};
    case dsComma:
      return {u',', u','};
    default:
      return {u'.', u','};
  }
}

}  // namespace vyr::num
