#pragma once
// Number routines shared by every numeric control: fixed-layout number text
// and scanning of numbers out of user-typed text. They keep no state and
// never throw.
//
// Positions are 1-based character positions (qsizetype, as QString sizes).
// A Pos passed in outside 1..length+1 is first clamped into that range; every
// scanner leaves Pos inside it, on the character that ended the scan
// (length+1 when the whole text was consumed).
//
// Separator modes: dsSystem takes "." when the system decimal separator
// (Application().DecimalSeparator()) is "." and "," otherwise; an ordinal
// above dsBoth acts as dsBoth. ScanFloat resolves dsSystem the same way.
//
// FormatFloatField:
// - Rounding works on the exact binary value; an exact tie (0.125 to two
//   decimals, 2.5 to none) goes to the even digit. Fixed notation prints the
//   exact decimal expansion of the double, so digits beyond the 17th
//   significant one are those of the binary value.
// - An exponent field too narrow for one digit after the point (Decimals -1
//   with |Width| < 10, Decimals -2 with |Width| < 8) still shows one digit
//   after the point; the text is then 10 or 8 characters long.
// - A value of negative zero formats as zero. NaN and infinities cannot be
//   shown: the text is a row of "*" as long as the field (at least one).
// - |Width| and Decimals are clamped to at most kMaxNumField characters.
//
// ScanFloat:
// - The collected literal converts straight to the nearest double; values
//   beyond uc_MaxDouble give +-uc_MaxDouble, values too small give 0. A zero
//   result is always +0.
// - An exponent without digits counts as zero ("1E" and "1E-" give 1); a
//   literal without integer digits reads its fraction (".5" gives 0.5); one
//   with no digit at all ("." or ".E5") gives 0.
#include <QString>
#include <cstdint>

namespace vyr {

// The accepted decimal separator.
enum TDecPSep : std::uint8_t {
  dsSystem = 0,  // the system's decimal separator
  dsPoint = 1,   // "." only
  dsComma = 2,   // "," only
  dsBoth = 3,    // "." or ","
};

// Upper bound on |Width| and on Decimals in FormatFloatField.
inline constexpr int kMaxNumField = 1000;

// Value as text in a field of |Width| characters. Decimals >= 0: fixed
// notation, right-aligned with blanks, never cut. Decimals -2: exponent form
// with a two-digit exponent and |Width| - 6 significant digits; an exponent of
// 100 or more in magnitude gives a row of "*". Other negative Decimals:
// exponent form with a four-digit exponent and |Width| - 8 significant digits.
// A negative Width pads with "0" instead of blanks, the "-" going first.
QString FormatFloatField(int Width, int Decimals, double Value);

// General format: Precision significant digits (clamped to 1..17), fixed
// notation when |Value| is at least 0.00001 and its integer part, after
// rounding, has no more than Precision digits; scientific notation
// otherwise. Trailing zeros of the fraction and a point left without digits
// are dropped ("2.5", "100", "1.5E+010", "1E-006"). The exponent is "E", its
// sign and at least three digits. Zero and negative zero give "0"; NaN and
// the infinities give "NaN", "Inf" and "-Inf".
QString FormatGeneral(double Value, int Precision);

// Scientific notation with Digits significant digits in all (clamped to
// 1..17): one digit, a point and Digits - 1 digits (no point for one digit),
// then the exponent as in FormatGeneral ("1.23E+003", "-5E-002").
// Non-finite values as in FormatGeneral.
QString FormatScientific(double Value, int Digits);

// Engineering notation: a mantissa from 1 up to 1000 (0 for zero) with
// Decimals decimals (clamped to 0..17) and an exponent that is a multiple of
// three, written as in FormatGeneral ("12.35E+003", "470E-009"). A mantissa
// that rounds up to 1000 moves to the next exponent. Non-finite values as in
// FormatGeneral.
QString FormatEngineering(double Value, int Decimals);

// Exactly Count digits of Value (upper-case hex, octal, binary), zero-padded;
// higher digits are dropped. Count is clamped to 1..8, 1..11 and 1..32.
QString HexDigits(std::uint32_t Value, int Count);
QString OctDigits(std::uint32_t Value, int Count);
QString BinDigits(std::uint32_t Value, int Count);

// A floating-point number read from Pos: [blanks][sign][digits][sep digits]
// [E[sign]digits]. Gives 0 when the text holds no number there. Exponent
// digits beyond the point where the exponent exceeds 4200 are read but
// dropped. The result lies within +-uc_MaxDouble.
double ScanFloat(const QString& Text, bool AllowExponent, TDecPSep Mode, qsizetype& Pos);

// A 32-bit integer read from Pos after leading blanks (a blank in the last
// position is not skipped). ScanDecimalInt takes an optional sign; the other
// bases take none, and ScanHexInt passes over a "$" at the very first
// character. Arithmetic wraps at 32 bits (hex FFFFFFFF gives -1).
std::int32_t ScanDecimalInt(const QString& Text, qsizetype& Pos);
std::int32_t ScanHexInt(const QString& Text, qsizetype& Pos);
std::int32_t ScanOctInt(const QString& Text, qsizetype& Pos);
std::int32_t ScanBinInt(const QString& Text, qsizetype& Pos);

// True when a number starts the text (what follows it does not matter, so
// "12 kg" and "1E" are valid); false for an empty text or an exponent above
// 4200 in magnitude.
bool IsFloatText(const QString& Text, bool AllowExponent, TDecPSep Mode);

// True for a plain signed decimal without exponent that may still be growing:
// "+", "-", ".", "5." and "-.5" are valid; "1.2.3", "1e5" and "1 " are not.
bool IsFixedText(const QString& Text, TDecPSep Mode);

// True for an optional sign followed by decimal digits (a sign alone is not).
bool IsIntText(const QString& Text);

// True for a non-empty text of hex, octal or binary digits only.
bool IsHexText(const QString& Text);
bool IsOctText(const QString& Text);
bool IsBinText(const QString& Text);

}  // namespace vyr
