#include "foundation/CellText.h"

#include <algorithm>
#include <cstdint>

#include "foundation/DecimalToDouble.h"

namespace vyr {

namespace {

// Decimal mantissas of up to 15 digits are exact doubles.
constexpr int kExactDigits = 15;

int DigitAt(QStringView text, qsizetype i) {
  const char16_t c = text[i].unicode();
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// The general conversion of an already checked number text.
bool ConvertGeneral(QStringView number, double& value) {
  const bool negative = number.front() == u'-';
  if (negative || number.front() == u'+') number = number.sliced(1);
  double magnitude = 0.0;
  if (num::DecimalLiteralToDouble(number.begin(), number.end(), magnitude) != std::errc()) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

bool CellTextToNumber(QStringView text, double& value) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  if (first == last) return false;

  qsizetype i = first;
  const bool negative = text[i] == u'-';
  if (negative || text[i] == u'+') ++i;
  std::uint64_t mantissa = 0;
  int significant = 0;
  int exponent = 0;
  bool anyDigit = false;
  auto take = [&](int digit) {
    anyDigit = true;
    if (mantissa == 0 && digit == 0) return;  // leading zeros carry no precision
    if (++significant <= kExactDigits) mantissa = mantissa * 10 + digit;
  };
  for (; i < last && DigitAt(text, i) >= 0; ++i) take(DigitAt(text, i));
  if (i < last && (text[i] == u'.' || text[i] == u',')) {
    for (++i; i < last && DigitAt(text, i) >= 0; ++i) {
      take(DigitAt(text, i));
      --exponent;
    }
  }
  if (!anyDigit) return false;
  if (i < last && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    const bool negativeExponent = i < last && text[i] == u'-';
    if (i < last && (negativeExponent || text[i] == u'+')) ++i;
    if (i == last || DigitAt(text, i) < 0) return false;
    int e = 0;
    for (; i < last && DigitAt(text, i) >= 0; ++i) e = std::min(e * 10 + DigitAt(text, i), 100000);
    exponent += negativeExponent ? -e : e;
  }
  if (i != last) return false;

  double magnitude = 0.0;
  if (significant > kExactDigits || !num::ExactDecimalToDouble(mantissa, exponent, magnitude))
    return ConvertGeneral(text.sliced(first, last - first), value);
  value = negative ? -magnitude : magnitude;
  return true;
}

int CompareCellText(QStringView a, QStringView b) {
  const int folded = a.compare(b, Qt::CaseInsensitive);
  return folded != 0 ? folded : a.compare(b, Qt::CaseSensitive);
}

}  // namespace vyr
