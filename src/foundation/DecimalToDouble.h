#pragma once
// Conversion of decimal numbers to the nearest double, shared by the number
// scanner and the reader of cell texts.
#include <QChar>
#include <cstdint>
#include <system_error>

namespace vyr::num {

// Powers of ten that doubles hold exactly; the table has internal linkage so
// that lookups in the shared library need no indirection.
inline constexpr int kMaxExactPower = 22;
constexpr double kExactPowersOfTen[kMaxExactPower + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19,
    1e20, 1e21, 1e22};
// Integers up to this are exact doubles.
inline constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;

// mantissa * 10^scale for a mantissa of at most kMaxExactMantissa: when scale
// is within +-22 both factors are exact doubles and one correctly rounded
// operation gives the nearest double. Returns false, leaving value alone,
// for other scales.
inline bool ExactDecimalToDouble(std::uint64_t mantissa, qsizetype scale, double& value) {
  Q_ASSERT(mantissa <= kMaxExactMantissa);
  if (scale < -kMaxExactPower || scale > kMaxExactPower) return false;
  const auto exact = static_cast<double>(mantissa);
  value = scale < 0 ? exact / kExactPowersOfTen[-scale] : exact * kExactPowersOfTen[scale];
  return true;
}

// The nearest double to an already checked unsigned decimal literal of any
// length: digits with an optional point ('.' or ','), then an optional
// exponent ("E" or "e", an optional sign, digits). Fails with
// std::errc::result_out_of_range, leaving value alone, when the number is
// beyond the range of a double, and with std::errc::invalid_argument when
// the text is no such literal.
std::errc DecimalLiteralToDouble(const QChar* first, const QChar* last, double& value);

}  // namespace vyr::num
