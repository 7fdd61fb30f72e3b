#include "foundation/TextCut.h"

namespace vyr {

QStringView CutToLength(QStringView text, qsizetype maxLength) {
  if (maxLength < 0) maxLength = 0;
  if (text.size() <= maxLength) return text;
  qsizetype n = maxLength;
  if (n > 0 && text[n - 1].isHighSurrogate()) --n;
  return text.first(n);
}

QString CutToLength(const QString& text, qsizetype maxLength) {
  const qsizetype n = CutToLength(QStringView(text), maxLength).size();
  return n == text.size() ? text : text.left(n);
}

}  // namespace vyr
