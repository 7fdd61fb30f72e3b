#pragma once
// Helpers for the report list file tests: lists with awkward content and a
// full comparison of two stores.
#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QString>

#include "replist/Vyr_replist.h"

namespace replfile {

// Texts that trouble files: separators, quotes, line breaks, markup,
// escapes, characters beyond ASCII and XML, the longest cell.
inline QString AwkwardText(QRandomGenerator& random) {
  static const QString pieces[] = {
      "plain", "", " padded ", "a,b", "semi;colon", "tab\there", "line\nbreak", "crlf\r\nend", "lone\rcr",
      "\"quoted\"", "'single'", "<tag>", "&amp;", "]]>", "back\\slash", "\\0041", "Gr\u00fc\u00dfe \u00e9t\u00e9",
      QString::fromUtf16(u"\U0001F600 smile"), QString(QChar(1)) + "ctl", QString(QChar(0xFFFE)), "id=\"x\"",
      "<replist vyrkitset>", QString(255, QChar(u'w'))};
  const int n = int(std::size(pieces));
  QString text = pieces[random.bounded(n)];
  if (random.bounded(3) == 0) text += pieces[random.bounded(n)];
  return text.left(255);
}

// cols x rows of awkward cells (column 0 too), names and formats, a box and
// a radio column with marks, common header and comment.
inline void FillAwkward(vyr::TRLData& d, int cols, int rows, quint32 seed) {
  QRandomGenerator random(seed);
  d.SetNrCols(cols);
  d.SetNrRows(rows);
  for (int c = 1; c <= cols; ++c) {
    d.SetColName(c, AwkwardText(random).left(50));
    d.SetColumnFormat(c, c % 2 ? QStringLiteral("[s][100]<&\">") : QString());
  }
  if (cols >= 2) d.SetColCheckMode(2, vyr::cmBox);
  if (cols >= 3) d.SetColCheckMode(3, vyr::cmRadio);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 0; c <= cols; ++c) d.SetElem(c, r, AwkwardText(random));
    if (cols >= 2 && random.bounded(2)) d.SetElemChecked(2, r, true);
  }
  if (cols >= 3 && rows >= 2) d.SetElemChecked(3, 2, true);
  d.SetCommonHeader(QStringLiteral("Common <&> \"header\"\n") + AwkwardText(random));
  d.Comment = QStringLiteral("comment\r\nwith\x02 everything ") + AwkwardText(random);
}

// Every count, name, format, mode, stored cell, header and comment equal.
inline void ExpectSameList(const vyr::TRLData& a, const vyr::TRLData& b) {
  ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
  ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
  EXPECT_EQ(a.CommonHeader(), b.CommonHeader());
  EXPECT_EQ(a.Comment, b.Comment);
  for (int c = 1; c <= a.NrOfColumns(); ++c) {
    EXPECT_EQ(a.GetColName(c), b.GetColName(c)) << c;
    EXPECT_EQ(a.GetColumnFormat(c), b.GetColumnFormat(c)) << c;
    EXPECT_EQ(a.GetColCheckMode(c), b.GetColCheckMode(c)) << c;
  }
  for (int r = 1; r <= a.NrOfRows(); ++r)
    for (int c = 0; c <= a.NrOfColumns(); ++c)
      ASSERT_EQ(a.Strings().GetString(c, r), b.Strings().GetString(c, r)) << "col " << c << " row " << r;
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

inline QByteArray ReadFile(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace replfile
