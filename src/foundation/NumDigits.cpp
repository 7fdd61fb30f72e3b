#include <algorithm>
#include <cstdint>

#include "foundation/NumRoutines.h"

namespace vyr {
namespace {

// The lowest Count digits of value, bitsPerDigit bits each, most significant
// first; Count clamped to 1..maxCount.
QString LowDigits(std::uint32_t value, int count, int maxCount, unsigned bitsPerDigit) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  const int n = std::clamp(count, 1, maxCount);
  const std::uint32_t mask = (1u << bitsPerDigit) - 1;
  char16_t text[32];
  for (int i = n - 1; i >= 0; --i) {
    text[i] = kDigits[value & mask];
    value >>= bitsPerDigit;
  }
  return QString(reinterpret_cast<const QChar*>(text), n);
}

}  // namespace

QString HexDigits(std::uint32_t Value, int Count) { return LowDigits(Value, Count, 8, 4); }

QString OctDigits(std::uint32_t Value, int Count) { return LowDigits(Value, Count, 11, 3); }

QString BinDigits(std::uint32_t Value, int Count) { return LowDigits(Value, Count, 32, 1); }

}  // namespace vyr
