#include <algorithm>
#include <cstdint>

#include "foundation/Constants.h"
#include "foundation/DecimalToDouble.h"
#include "foundation/NumFloatMachine.h"

namespace vyr {
namespace {

constexpr qsizetype kMantissaDigits = 19;  // decimal digits that always fit a 64-bit integer

bool IsExponentMark(QChar c) { return c == u'E' || c == u'e'; }

// True when a literal too far out of range for a double is too large rather
// than too small: its decimal magnitude (digits before the point, or minus
// the zeros after it) plus its exponent is positive.
bool LiteralOverflows(const QChar* p, const QChar* last) {
  while (p < last && *p == u'0') ++p;
  qsizetype magnitude = 0;
  for (; p < last && num::IsDecimalDigit(p->unicode()); ++p) ++magnitude;
  if (magnitude == 0 && p < last && (*p == u'.' || *p == u','))
    for (++p; p < last && *p == u'0'; ++p) --magnitude;
  p = std::find_if(p, last, IsExponentMark);
  if (p == last) return magnitude > 0;
  ++p;
  const bool negative = p < last && *p == u'-';
  if (p < last && (*p == u'-' || *p == u'+')) ++p;
  qsizetype exponent = 0;
  for (; p < last; ++p) exponent = std::min<qsizetype>(exponent * 10 + (p->unicode() - u'0'), num::kExponentCap + 1);
  return magnitude + (negative ? -exponent : exponent) > 0;
}

// The nearest double to a collected literal of any length, without its sign;
// out of range gives uc_MaxDouble or 0.
double ConvertLiteral(const QChar* first, const QChar* last) {
  while (first < last && (*first == u' ' || *first == u'-' || *first == u'+')) ++first;
  // An exponent without digits counts as zero.
  while (first < last && (IsExponentMark(last[-1]) || last[-1] == u'-' || last[-1] == u'+')) --last;
  double value = 0.0;
  if (num::DecimalLiteralToDouble(first, last, value) == std::errc::result_out_of_range)
    value = LiteralOverflows(first, last) ? uc_MaxDouble : 0.0;
  return value;
}

// The magnitude of the number the machine read; literal is its text.
double UnsignedValue(const num::FloatMachineResult& run, const QChar* literal) {
  if (run.mantissaDigits == 0) return 0.0;
  double value = 0.0;
  if (run.mantissaDigits <= kMantissaDigits && run.mantissa <= num::kMaxExactMantissa &&
      num::ExactDecimalToDouble(run.mantissa, run.exponent - run.fractionDigits, value))
    return value;
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
