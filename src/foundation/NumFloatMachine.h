#pragma once
// The character-driven state machine that recognises a floating-point number
// ([blanks][sign][digits][sep digits][E[sign]digits]); shared by ScanFloat and
// IsFloatText. Besides the verdict it hands over the parts of the number, so
// that most numbers convert without reading the text again.
#include <QChar>
#include <algorithm>
#include <array>
#include <cstdint>

#include "foundation/NumChars.h"

namespace vyr::num {

// Exponents above this magnitude are not written into the literal.
inline constexpr int kExponentCap = 4200;

// What happens once the exponent digits exceed kExponentCap.
enum class OverCap { DropDigits, Fail };

struct FloatMachineResult {
  bool accepted = false;
  qsizetype pos = 0;            // 1-based position of the character that ended the scan
  qsizetype literalLength = 0;  // characters collected into the literal, from the start on
  bool negative = false;        // a leading "-"
  std::uint64_t mantissa = 0;   // all mantissa digits as one integer (wraps beyond 19 digits)
  qsizetype mantissaDigits = 0;
  qsizetype fractionDigits = 0;
  int exponent = 0;             // signed; its magnitude is held at kExponentCap + 1 once above the cap
};

// The tables of the machine.
namespace float_machine {

enum CharClass : std::uint8_t { kSeparator, kSign, kBlank, kDigit, kExponentMark, kOther, kClassCount };

inline constexpr unsigned kFail = 0;  // state 0 never occurs, so it marks failure
inline constexpr unsigned kStart = 1;
inline constexpr unsigned kFractionDigits = 5;
inline constexpr unsigned kAfterE = 6;  // taken only when exponents are allowed, else accept
inline constexpr unsigned kExponentDigits = 8;
inline constexpr unsigned kAccept = 9;

// Next state by state (1..8) and character class.
inline constexpr std::uint8_t kNext[9][kClassCount] = {
    // separator, sign, blank, digit, "E", other (and the end)
    {kFail, kFail, kFail, kFail, kFail, kFail},        // 0: unused
    {4, 2, 1, 3, kFail, kFail},                        // 1: start
    {4, kFail, kFail, 3, kFail, kFail},                // 2: after leading sign
    {4, kAccept, kAccept, 3, kAfterE, kAccept},        // 3: integer digits
    {kFail, kAccept, kAccept, 5, kAfterE, kAccept},    // 4: just after separator
    {kFail, kAccept, kAccept, 5, kAfterE, kAccept},    // 5: fraction digits
    {kFail, 7, kFail, 8, kFail, kAccept},              // 6: after "E"
    {kFail, kFail, kFail, 8, kFail, kAccept},          // 7: after exponent sign
    {kAccept, kAccept, kAccept, 8, kAccept, kAccept},  // 8: exponent digits
};

// The table packed by class: bits 4s..4s+3 of a class's word hold the next
// state from state s. A step is then a shift of a word that depends on the
// character alone, which keeps the loop's chain from state to state short.
using PackedTransitions = std::array<std::uint64_t, kClassCount>;

constexpr PackedTransitions Pack(bool allowExponent) {
  PackedTransitions packed{};
  for (int cls = 0; cls < kClassCount; ++cls)
    for (unsigned state = 0; state < 9; ++state) {
      const unsigned next = kNext[state][cls] == kAfterE && !allowExponent ? kAccept : kNext[state][cls];
      packed[cls] |= std::uint64_t{next} << (4 * state);
    }
  return packed;
}

inline constexpr PackedTransitions kWithExponent = Pack(true);
inline constexpr PackedTransitions kWithoutExponent = Pack(false);

// Class of every ASCII character; DEL (127) stands for all characters from it
// on, which are "other".
using ClassTable = std::array<CharClass, 128>;

constexpr ClassTable MakeClassTable(bool point, bool comma) {
  ClassTable table{};
  table.fill(kOther);
  for (char c = '0'; c <= '9'; ++c) table[c] = kDigit;
  table['+'] = table['-'] = kSign;
  table[' '] = kBlank;
  table['E'] = table['e'] = kExponentMark;
  if (point) table['.'] = kSeparator;
  if (comma) table[','] = kSeparator;
  return table;
}

inline constexpr ClassTable kPointClasses = MakeClassTable(true, false);
inline constexpr ClassTable kCommaClasses = MakeClassTable(false, true);
inline constexpr ClassTable kBothClasses = MakeClassTable(true, true);

inline const ClassTable& ClassesFor(Separators separators) {
  if (!separators.Contains(u',')) return kPointClasses;
  return separators.Contains(u'.') ? kBothClasses : kCommaClasses;
}

}  // namespace float_machine

// Runs the machine over text[0..length) from the 1-based position start
// (already inside 1..length+1).
inline FloatMachineResult RunFloatMachine(const QChar* text, qsizetype length, qsizetype start, bool allowExponent,
                                          Separators separators, OverCap overCap) {
  using namespace float_machine;
  const ClassTable& classes = ClassesFor(separators);
  const PackedTransitions& next = allowExponent ? kWithExponent : kWithoutExponent;
  FloatMachineResult result;
  unsigned state = kStart;
  int exponent = 0;  // the exponent digits so far, held at kExponentCap + 1 once above the cap
  bool exponentNegative = false;
  qsizetype literalEnd = -1;  // 0-based end of the literal once the exponent went above the cap
  qsizetype index = start - 1;
  while (true) {
    // Past the end reads as a character of class "other".
    const char16_t ch = index < length ? text[index].unicode() : u'\0';
    const CharClass cls = classes[std::min<char16_t>(ch, 127)];  // DEL and above: "other"
    const unsigned following = (next[cls] >> (4 * state)) & 15;
    ++index;
    if (following == kFail || following == kAccept) {
      state = following;
      break;
    }
    if (cls == kSign) (state == kStart ? result.negative : exponentNegative) = ch == u'-';
    if (cls == kDigit) {
      if (following == kExponentDigits) {
        const int digit = ch - u'0';
        exponent = state == kExponentDigits ? std::min(exponent * 10 + digit, kExponentCap + 1) : digit;
        if (exponent > kExponentCap && literalEnd < 0) {
          if (overCap == OverCap::Fail) {
            state = kFail;
            break;
          }
          literalEnd = index - 1;
        }
      } else {
        // Mantissa digits keep the state: read the whole run, from the digit
        // just seen, at once.
        const qsizetype runStart = --index;
        for (; index < length && IsDecimalDigit(text[index].unicode()); ++index)
          result.mantissa = result.mantissa * 10 + (text[index].unicode() - u'0');
        result.mantissaDigits += index - runStart;
        if (following == kFractionDigits) result.fractionDigits += index - runStart;
      }
    }
    state = following;
  }
  result.accepted = state == kAccept;
  result.pos = index;
  result.literalLength = (literalEnd < 0 ? index - 1 : literalEnd) - (start - 1);
  result.exponent = exponentNegative ? -exponent : exponent;
  return result;
}

}  // namespace vyr::num
