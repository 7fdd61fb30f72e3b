#include "foundation/StringUtils.h"

#include <algorithm>
#include <cmath>

#include "foundation/NumRoutines.h"

namespace vyr {

QString strff(double x, int width, int decimals) {
  width = std::clamp(width, 0, kMaxStrffWidth);
  if (std::isnan(x)) return QStringLiteral("NaN").rightJustified(width, QLatin1Char(' '));
  if (std::isinf(x)) return (x > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf")).rightJustified(width, QLatin1Char(' '));
  return FormatFloatField(width, std::clamp(decimals, 0, kMaxStrffDecimals), x);
}

int Tokenize(const QString& text, QChar delimiter, QStringList& items) {
  items = text.split(delimiter);
  if (items.last().isEmpty()) items.removeLast();
  return int(items.size());
}

int NumberedPos(const QString& sub, const QString& s, int start, TSearchDirection direction, int n) {
  if (sub.isEmpty() || n < 1) return 0;
  const qsizetype len = s.size();
  qsizetype from = qsizetype(start) - 1;
  if (direction == sdForward) {
    if (from >= len) return 0;
    from = std::max<qsizetype>(from, 0);
    for (;;) {
      qsizetype at = s.indexOf(sub, from);
      if (at < 0) return 0;
      if (--n == 0) return int(at + 1);
      from = at + 1;
    }
  }
  if (from < 0) return 0;
  from = std::min(from, len - 1);
  for (;;) {
    qsizetype at = s.lastIndexOf(sub, from);
    if (at < 0) return 0;
    if (--n == 0) return int(at + 1);
    if (at == 0) return 0;
    from = at - 1;
  }
}

QString LeftString(const QString& s, int n) {
  n = std::max(n, 0);
  return s.leftJustified(n, QLatin1Char(' '), true);
}

QString RemoveControlChars(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (QChar c : s)
    if (c.category() != QChar::Other_Control) out.append(c);
  return out;
}

QString ReplaceCharInString(QString s, QChar oldChar, QChar newChar) {
  return s.replace(oldChar, newChar);
}

QString StripLeadingChars(const QString& s, QChar c) {
  qsizetype i = 0;
  while (i < s.size() && s[i] == c) ++i;
  return s.mid(i);
}

QString StripTrailingChars(const QString& s, QChar c) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == c) --n;
  return s.left(n);
}

QString EnsureTrailingChar(const QString& s, QChar c) { return s.endsWith(c) ? s : s + c; }

QString EnsureTrailingBkSlash(const QString& s) { return EnsureTrailingChar(s, QLatin1Char('\\')); }

}  // namespace vyr
