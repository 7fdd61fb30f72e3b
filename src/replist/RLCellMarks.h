#pragma once
// The encoding of check marks in the cells of a check column: the first
// stored character is the mark, the rest is the value. "X" (or any other
// non-blank character) reads as checked, " " as unchecked; an empty cell is
// unchecked with an empty value.
#include <QString>
#include <QStringView>

namespace vyr {

inline bool MarkIsChecked(QStringView stored) { return !stored.isEmpty() && stored[0] != u' '; }

inline QStringView ValueOfMarked(QStringView stored) { return stored.isEmpty() ? stored : stored.mid(1); }

inline QString WithMark(QStringView stored, bool checked) {
  QString result = stored.toString();
  const QChar mark = checked ? u'X' : u' ';
  if (result.isEmpty())
    result = mark;
  else
    result[0] = mark;
  return result;
}

inline QString WithValue(QStringView stored, const QString& value) {
  return (stored.isEmpty() ? QChar(u' ') : stored[0]) + value;
}

}  // namespace vyr
