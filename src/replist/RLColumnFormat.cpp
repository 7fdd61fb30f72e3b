#include "replist/RLColumnFormat.h"

#include <algorithm>

#include "foundation/FileUtils.h"
#include "foundation/NumRoutines.h"
#include "foundation/StringUtils.h"

namespace vyr {

namespace {

// The number that follows a keyword of `skip` characters in text, bounded to
// 0..kMaxFormatDigits.
int CountAfter(const QString& text, int skip) {
  qsizetype pos = skip + 1;
  const int n = ScanDecimalInt(text, pos);
  return std::clamp(n, 0, kMaxFormatDigits);
}

}  // namespace

QString ZeroPaddedInt(int v, int n) {
  n = std::clamp(n, 1, kMaxFormatDigits);
  const qint64 magnitude = v < 0 ? -qint64{v} : qint64{v};
  QString digits = QString::number(magnitude);
  if (digits.size() > n)
    digits = digits.right(n);
  else
    digits = QString(n - digits.size(), u'0') + digits;
  return v < 0 ? u'-' + digits : digits;
}

QString FormatDefaultValue(const QString& format, int row) {
  const qsizetype typeEnd = format.indexOf(u']');
  if (typeEnd < 0) return {};
  const QString typeGroup = format.left(typeEnd + 1);
  const QChar letter = typeGroup.size() > 1 ? typeGroup[1] : QChar();
  QString text = format.mid(typeEnd + 1);
  const qsizetype widthEnd = text.indexOf(u']');
  if (widthEnd >= 0) text = text.mid(widthEnd + 1);
  return DefaultTextOfType(letter, text, row);
}

QString DefaultTextOfType(QChar letter, const QString& text, int row) {
  const QString lower = text.toLower();
  switch (letter.unicode()) {
    case u'c':
    case u'l':
      return text.section(u'|', 0, 0);
    case u'd':
      return text;
    case u'e':
    case u'f':
    case u'h':
    case u'i': {
      if (!lower.contains(QStringLiteral("rix"))) return text;
      const int n = CountAfter(text, 3);
      if (letter == u'h') return HexDigits(std::uint32_t(row), n);
      if (letter == u'i') return ZeroPaddedInt(row, n);
      return strff(row, 1, n);
    }
    case u's':
      if (!lower.contains(QStringLiteral("$pwd$"))) return text;
      return InventPassword(CountAfter(text, 5));
    default:
      return {};
  }
}

}  // namespace vyr
