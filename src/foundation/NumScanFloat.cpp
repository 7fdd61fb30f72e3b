#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "foundation/Constants.h"
#include "foundation/NumFloatMachine.h"

namespace vyr {
namespace {

// Powers of ten that doubles hold exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr qsizetype kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr qsizetype kMantissaDigits = 19;  // decimal digits that always fit a 64-bit integer

// True when a literal too far out of range for a double is too large rather
// than too small: its decimal magnitude (digits before the point, or minus
// the zeros after it) plus its exponent is positive.
bool LiteralOverflows(const char* p, const char* last) {
  while (p < last && *p == '0') ++p;
  qsizetype magnitude = 0;
  for (; p < last && num::IsDecimalDigit(*p); ++p) ++magnitude;
  if (magnitude == 0 && p < last && *p == '.')
    for (++p; p < last && *p == '0'; ++p) --magnitude;
  p = std::find_if(p, last, [](char c) { return c == 'E' || c == 'e'; });
  if (p == last) return magnitude > 0;
  ++p;
  const bool negative = p < last && *p == '-';
  if (p < last && (*p == '-' || *p == '+')) ++p;
  qsizetype exponent = 0;
  for (; p < last; ++p) exponent = std::min<qsizetype>(exponent * 10 + (*p - '0'), num::kExponentCap + 1);
  return magnitude + (negative ? -exponent : exponent) > 0;
}

// The nearest double to a collected literal of any length, through
// from_chars, without its sign; out of range gives uc_MaxDouble or 0.
double ConvertLiteral(const QChar* first, const QChar* last) {
  while (first < last && (*first == u' ' || *first == u'-' || *first == u'+')) ++first;
  std::string ascii(last - first, '\0');
  std::transform(first, last, ascii.begin(), [](QChar c) { return c == u',' ? '.' : char(c.unicode()); });
  // An exponent without digits counts as zero.
  while (!ascii.empty() && (ascii.back() == 'E' || ascii.back() == 'e' || ascii.back() == '-' || ascii.back() == '+'))
    ascii.pop_back();
  double value = 0.0;
  const char* begin = ascii.data();
  const char* end = begin + ascii.size();
  if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range)
    value = LiteralOverflows(begin, end) ? uc_MaxDouble : 0.0;
  return value;
}

// The magnitude of the number the machine read; literal is its text.
double UnsignedValue(const num::FloatMachineResult& run, const QChar* literal) {
  if (run.mantissaDigits == 0) return 0.0;
  const qsizetype scale = run.exponent - run.fractionDigits;
  // Both factors exact: one correctly rounded operation gives the nearest double.
  if (run.mantissaDigits <= kMantissaDigits && run.mantissa <= kMaxExactMantissa && scale >= -kMaxExactPower &&
      scale <= kMaxExactPower) {
    const auto exact = static_cast<double>(run.mantissa);
    return scale < 0 ? exact / kExactPowersOfTen[-scale] : exact * kExactPowersOfTen[scale];
  }
  return ConvertLiteral(literal, literal + run.literalLength);
}

}  // namespace

double ScanFloat(const QString& Text, bool AllowExponent, TDecPSep Mode, qsizetype& Pos) {
  const qsizetype length = Text.size();
  const qsizetype start = num::ClampPos(Pos, length);
  const num::FloatMachineResult run = num::RunFloatMachine(Text.constData(), length, start, AllowExponent,
                                                           num::ResolveSeparators(Mode), num::OverCap::DropDigits);
  Pos = run.pos;
  if (!run.accepted) return 0.0;
  const double value = UnsignedValue(run, Text.constData() + start - 1);
  if (value == 0.0) return 0.0;
  return run.negative ? -value : value;
}

}  // namespace vyr
