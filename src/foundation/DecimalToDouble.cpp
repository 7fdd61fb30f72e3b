#include "foundation/DecimalToDouble.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace vyr::num {

namespace {

// Literals up to this length are converted without a heap allocation.
constexpr qsizetype kShortLiteral = 64;

}  // namespace

std::errc DecimalLiteralToDouble(const QChar* first, const QChar* last, double& value) {
  char shortAscii[kShortLiteral];
  std::string longAscii;
  char* ascii = shortAscii;
  if (last - first > kShortLiteral) {
    longAscii.resize(last - first);
    ascii = longAscii.data();
  }
  char* const end = std::transform(first, last, ascii, [](QChar c) { return c == u',' ? '.' : char(c.unicode()); });
  double parsed = 0.0;
  const auto [ptr, ec] = std::from_chars(ascii, end, parsed);
  if (ec != std::errc()) return ec;
  if (ptr != end) return std::errc::invalid_argument;
  value = parsed;
  return std::errc();
}

}  // namespace vyr::num
