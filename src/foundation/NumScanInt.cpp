#include <cstdint>

#include "foundation/NumChars.h"

namespace vyr {
namespace {

// Pos clamped into the text, then past leading blanks; a blank in the last
// position stays.
qsizetype SkipBlanks(const QString& text, qsizetype pos) {
  pos = num::ClampPos(pos, text.size());
  while (pos < text.size() && text[pos - 1] == u' ') ++pos;
  return pos;
}

// Digits of the base from pos on, with 32-bit wrapping; pos ends on the first
// character that is not such a digit.
std::int32_t ReadDigits(const QString& text, qsizetype& pos, unsigned base) {
  std::uint32_t value = 0;
  for (; pos <= text.size(); ++pos) {
    const unsigned digit = num::DigitValue(text[pos - 1].unicode());
    if (digit >= base) break;
    value = value * base + digit;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ScanDecimalInt(const QString& Text, qsizetype& Pos) {
  Pos = SkipBlanks(Text, Pos);
  bool negative = false;
  if (Pos <= Text.size() && (Text[Pos - 1] == u'-' || Text[Pos - 1] == u'+')) {
    negative = Text[Pos - 1] == u'-';
    ++Pos;
  }
  const auto value = static_cast<std::uint32_t>(ReadDigits(Text, Pos, 10));
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::int32_t ScanHexInt(const QString& Text, qsizetype& Pos) {
  Pos = SkipBlanks(Text, Pos);
  if (Pos == 1 && Text.startsWith(u'$')) Pos = 2;
  return ReadDigits(Text, Pos, 16);
}

std::int32_t ScanOctInt(const QString& Text, qsizetype& Pos) {
  Pos = SkipBlanks(Text, Pos);
  return ReadDigits(Text, Pos, 8);
}

std::int32_t ScanBinInt(const QString& Text, qsizetype& Pos) {
  Pos = SkipBlanks(Text, Pos);
  return ReadDigits(Text, Pos, 2);
}

}  // namespace vyr
