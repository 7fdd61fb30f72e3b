#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/NumRoutines.h"

namespace vyr {
namespace {

// Room for the longest field: a sign, the 309 integer digits of the largest
// double, the point and kMaxNumField decimals.
constexpr int kBufferSize = kMaxNumField + 320;

// Decimals value that selects the exponent form with a two-digit exponent.
constexpr int kTwoDigitExponent = -2;

int FillStars(char* out, int length) {
  std::memset(out, '*', length);
  return length;
}

// Fixed notation with the given decimals, right-aligned with blanks to at
// least width characters.
int WriteFixed(char* out, double value, int decimals, int width) {
  char digits[kBufferSize];
  if (value == 0.0) value = 0.0;  // negative zero shows no sign
  const int length = static_cast<int>(std::to_chars(digits, digits + kBufferSize, value,
                                                    std::chars_format::fixed, decimals).ptr - digits);
  const int pad = std::max(width - length, 0);
  std::memset(out, ' ', pad);
  std::memcpy(out + pad, digits, length);
  return pad + length;
}

// Sign position (blank or "-"), one digit, ".", fractionDigits digits, "E",
// exponent sign and exponentDigits digits; a row of "*" of the same length
// when the exponent needs more digits.
int WriteExponent(char* out, double value, int fractionDigits, int exponentDigits) {
  char digits[kBufferSize];
  char* end =
      std::to_chars(digits, digits + kBufferSize, std::fabs(value), std::chars_format::scientific, fractionDigits).ptr;
  const char* mark = std::find(digits, end, 'e');
  int exponent = 0;
  for (const char* p = mark + 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  const int mantissaLength = static_cast<int>(mark - digits);
  const int length = 1 + mantissaLength + 2 + exponentDigits;
  int limit = 1;
  for (int i = 0; i < exponentDigits; ++i) limit *= 10;
  if (exponent >= limit) return FillStars(out, length);
  out[0] = value < 0 ? '-' : ' ';
  std::memcpy(out + 1, digits, mantissaLength);
  char* p = out + 1 + mantissaLength;
  *p++ = 'E';
  *p++ = mark[1];
  for (int i = exponentDigits - 1; i >= 0; --i, exponent /= 10) p[i] = char('0' + exponent % 10);
  return length;
}

// Leading blanks become "0"; a "-" right after them moves to the front.
void PadWithZeros(char* text, int length) {
  int i = 0;
  while (i < length && text[i] == ' ') text[i++] = '0';
  if (i < length && text[i] == '-') {
    text[i] = '0';
    text[0] = '-';
  }
}

// The most significant digits a double carries.
constexpr int kMaxSignificant = 17;

// The digits of a positive finite value rounded to count significant digits
// (no point), with the decimal exponent of the first one.
struct TSignificant {
  char digits[kMaxSignificant + 1];
  int count = 0;
  int exponent = 0;
};

TSignificant Significant(double magnitude, int count) {
  char text[64];
  char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, count - 1).ptr;
  TSignificant s;
  const char* mark = std::find(text, end, 'e');
  for (const char* p = text; p < mark; ++p)
    if (*p != '.') s.digits[s.count++] = *p;
  std::from_chars(mark[1] == '+' ? mark + 2 : mark + 1, end, s.exponent);
  return s;
}

// "E", the sign and at least three digits.
QString ExponentText(int exponent) {
  QString digits = QString::number(std::abs(exponent));
  return QStringLiteral("E") + QChar(exponent < 0 ? u'-' : u'+') + QString(std::max(3 - int(digits.size()), 0), u'0') +
         digits;
}

// Digits without the zeros they end in.
QString TrimTrailingZeros(QString digits) {
  while (!digits.isEmpty() && digits.back() == u'0') digits.chop(1);
  return digits;
}

// A whole part and a fraction joined by a point, the point only with a fraction.
QString JoinPoint(const QString& whole, const QString& fraction) {
  return fraction.isEmpty() ? whole : whole + u'.' + fraction;
}

QString NonFiniteText(double value) {
  if (std::isnan(value)) return QStringLiteral("NaN");
  return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

QString Signed(double value, const QString& magnitude) { return value < 0 ? u'-' + magnitude : magnitude; }

}  // namespace

QString FormatGeneral(double Value, int Precision) {
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  if (Value == 0.0) return QStringLiteral("0");
  const int precision = std::clamp(Precision, 1, kMaxSignificant);
  const double magnitude = std::fabs(Value);
  const TSignificant s = Significant(magnitude, precision);
  const QString digits = QString::fromLatin1(s.digits, s.count);
  if (magnitude < 0.00001 || s.exponent + 1 > precision)
    return Signed(Value, JoinPoint(digits.left(1), TrimTrailingZeros(digits.mid(1))) + ExponentText(s.exponent));
  if (s.exponent >= 0)
    return Signed(Value, JoinPoint(digits.left(s.exponent + 1), TrimTrailingZeros(digits.mid(s.exponent + 1))));
  return Signed(Value, JoinPoint(QStringLiteral("0"), QString(-s.exponent - 1, u'0') + TrimTrailingZeros(digits)));
}

QString FormatScientific(double Value, int Digits) {
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  const int count = std::clamp(Digits, 1, kMaxSignificant);
  if (Value == 0.0) return JoinPoint(QStringLiteral("0"), QString(count - 1, u'0')) + ExponentText(0);
  const TSignificant s = Significant(std::fabs(Value), count);
  const QString digits = QString::fromLatin1(s.digits, s.count);
  return Signed(Value, JoinPoint(digits.left(1), digits.mid(1)) + ExponentText(s.exponent));
}

QString FormatEngineering(double Value, int Decimals) {
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  const int decimals = std::clamp(Decimals, 0, kMaxSignificant);
  const long double magnitude = std::fabs(Value);
  int exponent = 0;
  if (magnitude != 0) {
    const int decimalExponent = Significant(double(magnitude), kMaxSignificant).exponent;
    exponent = decimalExponent >= 0 ? decimalExponent / 3 * 3 : -((2 - decimalExponent) / 3 * 3);
  }
  char text[64];
  auto mantissa = [&] {
    // Long double keeps 10^-exponent finite for the smallest doubles.
    const long double scaled = magnitude * std::pow(10.0L, -exponent);
    return QString::fromLatin1(
        text, std::to_chars(text, text + sizeof text, scaled, std::chars_format::fixed, decimals).ptr - text);
  };
  QString m = mantissa();
  if (m.indexOf(u'.') == 4 || (decimals == 0 && m.size() == 4)) {
    exponent += 3;
    m = mantissa();
  }
  return Signed(Value, m + ExponentText(exponent));
}

QString FormatFloatField(int Width, int Decimals, double Value) {
  const int width = static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t{Width}), kMaxNumField));
  const int decimals = std::min(Decimals, kMaxNumField);
  const bool finite = std::isfinite(Value);
  char out[kBufferSize];
  int length;
  if (decimals >= 0) {
    length = finite ? WriteFixed(out, Value, decimals, width) : FillStars(out, std::max(width, 1));
  } else {
    const int exponentDigits = decimals == kTwoDigitExponent ? 2 : 4;
    const int fractionDigits = std::max(width - 5 - exponentDigits, 1);
    length = finite ? WriteExponent(out, Value, fractionDigits, exponentDigits)
                    : FillStars(out, fractionDigits + 5 + exponentDigits);
  }
  if (Width < 0) PadWithZeros(out, length);
  return QString::fromLatin1(out, length);
}

}  // namespace vyr
