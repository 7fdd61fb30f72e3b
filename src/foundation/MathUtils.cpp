#include "foundation/MathUtils.h"

#include <cmath>
#include <limits>

namespace vyr {

int IntNeg(double x) {
  if (std::isnan(x)) return 0;
  const double floored = std::floor(x);
  if (floored <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (floored >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(floored);
}

bool IsValidDecInt(QStringView text) {
  qsizetype i = 0;
  const bool negative = !text.isEmpty() && text[0] == u'-';
  if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) i = 1;
  if (i == text.size()) return false;
  // Magnitude up to 2^31 for a negative number, 2^31 - 1 otherwise.
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return false;
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > limit) return false;
  }
  return true;
}

}  // namespace vyr
