// The texts of the numeric label's display types.
#include "labels/NumLabText.h"

#include <cmath>
#include <cstdint>

#include "foundation/NumRoutines.h"

namespace vyr {
namespace {

// 2^63: rounded values from here on do not fit a 64-bit integer.
constexpr double kIntLimit = 9223372036854775808.0;
const QChar kDegree(0x00B0);

// A "-" in front of a text without any non-zero digit goes.
QString WithoutNegativeZero(QString text) {
  if (!text.startsWith(u'-')) return text;
  for (QChar c : text)
    if (c >= u'1' && c <= u'9') return text;
  return text.mid(1);
}

QString Fixed(double value, int decimals) { return WithoutNegativeZero(FormatFloatField(1, decimals, value)); }

// At least two digits before the point.
QString TwoDigitWhole(QString text) {
  const qsizetype point = text.indexOf(u'.');
  return (point < 0 ? text.size() : point) < 2 ? u'0' + text : text;
}

// The rounded value in the base with at least minDigits digits, "-" first.
std::optional<QString> IntegerText(double value, int base, int minDigits) {
  const double rounded = std::nearbyint(value);  // halves to even
  if (!(std::fabs(rounded) < kIntLimit)) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(rounded);
  const auto magnitude = whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : static_cast<std::uint64_t>(whole);
  QString digits = QString::number(magnitude, base).toUpper();
  if (digits.size() < minDigits) digits.prepend(QString(minDigits - digits.size(), u'0'));
  return whole < 0 ? u'-' + digits : digits;
}

// Whole degrees, then minutes (and seconds) with the last part carrying the
// decimals; a last part that rounds up to 60 carries into the one before.
std::optional<QString> DegreesText(double value, int decimals, bool withSeconds) {
  if (!std::isfinite(value)) return std::nullopt;
  const double magnitude = std::fabs(value);
  double degrees = std::floor(magnitude);
  const double minutes = (magnitude - degrees) * 60;
  QString text;
  if (!withSeconds) {
    QString last = Fixed(minutes, decimals);
    if (last.startsWith(QStringLiteral("60"))) {
      degrees += 1;
      last = Fixed(0, decimals);
    }
    text = Fixed(degrees, 0) + kDegree + TwoDigitWhole(last) + u'\'';
  } else {
    double wholeMinutes = std::floor(minutes);
    QString last = Fixed((minutes - wholeMinutes) * 60, decimals);
    if (last.startsWith(QStringLiteral("60"))) {
      wholeMinutes += 1;
      last = Fixed(0, decimals);
    }
    if (wholeMinutes >= 60) {
      degrees += 1;
      wholeMinutes = 0;
    }
    text = Fixed(degrees, 0) + kDegree + TwoDigitWhole(Fixed(wholeMinutes, 0)) + u'\'' + TwoDigitWhole(last) + u'"';
  }
  return WithoutNegativeZero(value < 0 ? u'-' + text : text);
}

std::optional<QString> Finite(double value, const QString& text) {
  if (!std::isfinite(value)) return std::nullopt;
  return text;
}

std::optional<QString> BareText(const TNumLabFormat& f, double value) {
  const int p = f.Precision;
  switch (f.DisplayType) {
    case dtFloat: return Finite(value, FormatGeneral(value, p));
    case dtFixP: return Finite(value, Fixed(value, p));
    case dtExp: return Finite(value, FormatScientific(value, p));
    case dtHex: return IntegerText(value, 16, p);
    case dtZeroInt: return IntegerText(value, 10, p);
    case dtInt: return IntegerText(value, 10, 1);
    case dtDateTime: return FormatDateTimeSerial(value, f.DTFormat);
    case dtState: return f.StateText;
    case dtBin: return IntegerText(value, 2, p);
    case dtOct: return IntegerText(value, 8, p);
    case dtDeg: return Finite(value, Fixed(value, p) + kDegree);
    case dtDegMin: return DegreesText(value, p, false);
    case dtDegMinSec: return DegreesText(value, p, true);
    case dtEEng: return Finite(value, FormatEngineering(value, p));
    case dtEEngNoDP: return Finite(value, FormatEngineering(value, 0));
  }
  // A stored form may hold an ordinal without a name: shown as dtFixP.
  return Finite(value, Fixed(value, p));
}

// Types whose text is not a decimal number keep their characters.
bool TakesSeparatorAndSign(TDisplay type) {
  return type != dtHex && type != dtDateTime && type != dtState && type != dtBin;
}

}  // namespace

std::optional<QString> NumLabText(const TNumLabFormat& format, double value) {
  std::optional<QString> text = BareText(format, value);
  if (!text || !TakesSeparatorAndSign(format.DisplayType)) return text;
  if (format.Comma)
    text->replace(u'.', u',');
  else
    text->replace(u',', u'.');
  if (format.ForcePlusSign && value > 0) text->prepend(u'+');
  return text;
}

}  // namespace vyr
