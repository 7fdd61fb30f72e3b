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

}  // namespace

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
