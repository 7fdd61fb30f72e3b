#include "numio/NumInText.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "foundation/StringUtils.h"
#include "host/Application.h"

namespace vyr {
namespace {

constexpr double kTwoTo32 = 4294967296.0;

// The low 32 bits of value rounded to an integer (halves to even); exact for
// every finite double, since fmod is exact.
std::uint32_t Low32Bits(double value) {
  double m = std::fmod(std::nearbyint(value), kTwoTo32);
  if (m < 0) m += kTwoTo32;
  return std::uint32_t(m);
}

// The text with its "." shown as the field's separator.
QString WithSeparator(QString text, TDecPSep mode) {
  const QChar sep = SeparatorCharOf(mode);
  return sep == u'.' ? text : ReplaceCharInString(std::move(text), u'.', sep);
}

double ScanWholeFloat(const QString& text) {
  qsizetype pos = 1;
  return ScanFloat(text, true, dsBoth, pos);
}

double ReadInteger(const QString& text) {
  if (!IsIntText(text)) return 0;
  bool ok = false;
  const int value = text.toInt(&ok);
  if (ok) return value;
  return text.startsWith(u'-') ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

// A prefixed number of itDynamic read with the scanner of its base.
double ReadPrefixed(const QString& digits, std::int32_t (*scan)(const QString&, qsizetype&)) {
  qsizetype pos = 1;
  return scan(digits, pos);
}

}  // namespace

QChar SeparatorCharOf(TDecPSep mode) {
  switch (mode) {
    case dsComma: return u',';
    case dsSystem: return Application().DecimalSeparator() == u'.' ? u'.' : u',';
    default: return u'.';
  }
}

TDecPSep ResolvedSepMode(TDecPSep mode) {
  if (mode != dsSystem) return mode;
  return SeparatorCharOf(dsSystem) == u'.' ? dsPoint : dsComma;
}

QString InFormatText(double value, const TInTextStyle& style) {
  switch (style.format) {
    case itExp: return WithSeparator(FormatFloatField(style.significantDigits + 6, -2, value), style.separator);
    case itFloat:
    case itFixPoint: return WithSeparator(FormatFloatField(1, style.decimals, value), style.separator);
    case itHex: return HexDigits(Low32Bits(value), 8);
    case itOct: return OctDigits(Low32Bits(value), 11);
    case itBin: return BinDigits(Low32Bits(value), 32);
    // Rounded first: a value that rounds to zero from below shows "0", not "-0".
    default: return FormatFloatField(1, 0, std::nearbyint(value));
  }
}

double InFormatValue(const QString& text, TInFormat format) {
  if (text.isEmpty()) return 0;
  switch (format) {
    case itInt: return ReadInteger(text);
    case itHex: return ReadPrefixed(text, ScanHexInt);
    case itOct: return ReadPrefixed(text, ScanOctInt);
    case itBin: return ReadPrefixed(text, ScanBinInt);
    case itDynamic:
      switch (text[0].unicode()) {
        case u'$': return ReadPrefixed(text.mid(1), ScanHexInt);
        case u'%': return ReadPrefixed(text.mid(1), ScanBinInt);
        case u'&': return ReadPrefixed(text.mid(1), ScanOctInt);
        default: return ScanWholeFloat(text);
      }
    default: return ScanWholeFloat(text);
  }
}

bool IsInFormatText(const QString& text, const TInTextStyle& style) {
  const TDecPSep mode = ResolvedSepMode(style.separator);
  switch (style.format) {
    case itExp: return IsFloatText(text, true, mode);
    case itFloat: return IsFixedText(text, mode);
    case itFixPoint:
      return IsFixedText(text, mode) && text.indexOf(SeparatorCharOf(style.separator)) + 1 == text.size() - style.decimals;
    case itInt: return IsIntText(text);
    case itHex: return IsHexText(text);
    case itOct: return IsOctText(text);
    case itBin: return IsBinText(text);
    default:
      if (text.isEmpty()) return false;
      switch (text[0].unicode()) {
        case u'$': return IsHexText(text.mid(1));
        case u'%': return IsBinText(text.mid(1));
        case u'&': return IsOctText(text.mid(1));
        default: return IsFloatText(text, true, mode);
      }
  }
}

}  // namespace vyr
