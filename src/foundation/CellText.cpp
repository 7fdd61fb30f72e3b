#include "foundation/CellText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace vyr {

namespace {

// Longest text handed to the general conversion; cells are far shorter.
constexpr qsizetype kMaxNumberLength = 400;

// Decimal mantissas of up to 15 digits and powers of ten up to 1e22 are
// exact doubles, so one multiplication or division rounds correctly.
constexpr int kExactDigits = 15;
constexpr int kExactPower = 22;
constexpr double kPow10[kExactPower + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

int DigitAt(QStringView text, qsizetype i) {
  const char16_t c = text[i].unicode();
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// The general conversion of an already checked number text.
bool ConvertGeneral(QStringView text, double& value) {
  if (text.size() > kMaxNumberLength) return false;
  char buffer[kMaxNumberLength];
  qsizetype n = 0;
  for (QChar c : text)
    if (c != u'+') buffer[n++] = c == u',' ? '.' : static_cast<char>(c.unicode());
  double parsed = 0.0;
  const auto [ptr, ec] = std::from_chars(buffer, buffer + n, parsed);
  if (ec != std::errc() || ptr != buffer + n) return false;
  value = parsed;
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

  if (significant > kExactDigits || exponent < -kExactPower || exponent > kExactPower)
    return ConvertGeneral(text.sliced(first, last - first), value);
  const double magnitude = exponent < 0 ? double(mantissa) / kPow10[-exponent] : double(mantissa) * kPow10[exponent];
  value = negative ? -magnitude : magnitude;
  return true;
}

int CompareCellText(QStringView a, QStringView b) {
  const int folded = a.compare(b, Qt::CaseInsensitive);
  return folded != 0 ? folded : a.compare(b, Qt::CaseSensitive);
}

}  // namespace vyr
