#include "ntabed/NTabEdCellText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "foundation/NumRoutines.h"

namespace vyr {

namespace {

// 10^k for k in 0..8.
constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
// The largest number shown in fixed notation with k decimals.
constexpr double kLargestFixed[] = {999999999, 9999999.9, 999999.99, 99999.999, 9999.9999,
                                    999.99999, 99.999999, 9.9999999, 0.99999999};

}  // namespace

QString NumberCellText(double x, int d, int numWidth) {
  if (d >= 0 && d <= 8) {
    const double ax = std::fabs(x);
    if (ax <= kLargestFixed[d] && !(x != 0 && ax < 1 / kPow10[d])) return FormatFloatField(numWidth, d, x);
  }
  return FormatFloatField(numWidth + 6, -2, x);
}

std::optional<qint64> NominalOrdinal(double x) {
  if (!std::isfinite(x) || std::fabs(x) > 2147483647.0) return std::nullopt;
  return qint64(std::nearbyint(x));
}

bool IsNominalColumn(const TDataTable& t, int c) {
  const int type = t.GetMScaleType(c);
  return type == mstNominal || type == mstBinary;
}

QString NominalCellText(const TDataTable& t, int c, double x) {
  const std::optional<qint64> n = NominalOrdinal(x);
  if (n && *n >= 1 && *n <= TDataTable::kMaxNominalIDs) {
    QString id = t.GetNominalID(c, int(*n));
    if (!id.isEmpty()) return id;
  }
  const int type = t.GetMScaleType(c);
  const QString name = QString::fromLatin1(MScaleTypeNames[std::size_t(type)]);
  return name + QLatin1Char(':') + (n ? QString::number(*n) : FormatGeneral(x, 15));
}

QString DataCellText(const TDataTable& t, int c, int r, int d, int numWidth) {
  const std::uint8_t s = t.GetCellState(c, r);
  if (s & csbEmpty) return QString();
  if (s & csbInvalid) return QStringLiteral("-nan-");
  if (IsNominalColumn(t, c)) return NominalCellText(t, c, t.GetElem(c, r));
  return NumberCellText(t.GetElem(c, r), d, numWidth);
}

std::optional<double> ParseDecimalNumber(QString text) {
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  qsizetype b = 0, e = text.size();
  while (b < e && text[b] == QLatin1Char(' ')) ++b;
  while (e > b && text[e - 1] == QLatin1Char(' ')) --e;
  std::string s;
  s.reserve(std::size_t(e - b));
  for (qsizetype i = b; i < e; ++i) {
    const char16_t ch = text[i].unicode();
    if (ch > 127) return std::nullopt;
    s.push_back(char(ch));
  }
  // [sign] digits [. digits] [e [sign] digits], at least one mantissa digit.
  std::size_t i = 0, n = s.size();
  auto digits = [&] {
    std::size_t start = i;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i;
    return i - start;
  };
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mant = digits();
  if (i < n && s[i] == '.') {
    ++i;
    mant += digits();
  }
  if (mant == 0) return std::nullopt;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    if (digits() == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  double v = 0;
  auto [ptr, ec] = std::from_chars(first, s.data() + n, v);
  if (ec == std::errc::result_out_of_range) v = std::strtod(first, nullptr);  // underflow gives 0 or a subnormal
  else if (ec != std::errc() || ptr != s.data() + n) return std::nullopt;
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace vyr
