#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QSet>

#include "foundation/FileUtils.h"

using namespace vyr;

namespace {

// Reads every line of data with the given maximum, recording eof after each.
QStringList ReadAll(const QByteArray& data, int maxLength, QList<bool>* eofs = nullptr) {
  QByteArray copy = data;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  QStringList lines;
  bool eof = false;
  for (int guard = 0; !eof && guard < 1000; ++guard) {
    lines << ReadLnStream(buffer, eof, maxLength);
    if (eofs) *eofs << eof;
  }
  return lines;
}

}  // namespace

TEST(ReadLnStream, SplitsAtAllThreeLineEnds) {
  QList<bool> eofs;
  EXPECT_EQ(ReadAll("one\ntwo\r\nthree\rfour", 255, &eofs), QStringList({"one", "two", "three", "four"}));
  EXPECT_EQ(eofs, QList<bool>({false, false, false, true}));
}

TEST(ReadLnStream, FinalLineEndLeavesNoExtraLine) {
  EXPECT_EQ(ReadAll("a\r\nb\r\n", 255), QStringList({"a", "b"}));
  EXPECT_EQ(ReadAll("a\n\nb", 255), QStringList({"a", "", "b"}));
}

TEST(ReadLnStream, LongLineComesInPiecesWithoutLoss) {
  EXPECT_EQ(ReadAll("abcdefg\nxy", 3), QStringList({"abc", "def", "g", "xy"}));
  EXPECT_EQ(ReadAll("abcdef\nxy", 3), QStringList({"abc", "def", "xy"}));
}

TEST(ReadLnStream, MaximumCountsCharactersNotBytes) {
  EXPECT_EQ(ReadAll("äöüß\n", 2), QStringList({"äö", "üß"}));
  EXPECT_EQ(ReadAll("€x", 0), QStringList({"€", "x"}));  // below 1 counts as 1
}

TEST(ReadLnStream, EmptyOrClosedStream) {
  QByteArray empty;
  QBuffer buffer(&empty);
  bool eof = false;
  EXPECT_EQ(ReadLnStream(buffer, eof, 10), "");  // not open
  EXPECT_TRUE(eof);
  buffer.open(QIODevice::ReadOnly);
  eof = false;
  EXPECT_EQ(ReadLnStream(buffer, eof, 10), "");
  EXPECT_TRUE(eof);
}

TEST(ReadLnStream, ContinuesFromTheCurrentPosition) {
  QByteArray data = "skip\n<replist vyrkitset>\nrest\n";
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(5);
  bool eof = true;
  EXPECT_EQ(ReadLnStream(buffer, eof, 255), "<replist vyrkitset>");
  EXPECT_FALSE(eof);
  EXPECT_EQ(buffer.pos(), 25);
}

TEST(DirExists, FoldersOnly) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkdir("sub");
  QFile file(dir.filePath("file.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_TRUE(DirExists(dir.path()));
  EXPECT_TRUE(DirExists(dir.filePath("sub") + "/"));
  EXPECT_FALSE(DirExists(dir.filePath("file.txt")));
  EXPECT_FALSE(DirExists(dir.filePath("missing")));
  EXPECT_FALSE(DirExists(""));
}

TEST(ParentDir, OneLevelUpWithSeparator) {
  EXPECT_EQ(ParentDir("C:\\Windows\\System\\"), "C:\\Windows\\");
  EXPECT_EQ(ParentDir("C:\\Windows"), "C:\\");
  EXPECT_EQ(ParentDir("/usr/lib/"), "/usr/");
  EXPECT_EQ(ParentDir("/usr"), "/");
  EXPECT_EQ(ParentDir("a/b"), "a/");
}

TEST(ParentDir, EmptyAboveTheRoot) {
  EXPECT_EQ(ParentDir("C:\\"), "");
  EXPECT_EQ(ParentDir("/"), "");
  EXPECT_EQ(ParentDir("//"), "");
  EXPECT_EQ(ParentDir("name"), "");
  EXPECT_EQ(ParentDir(""), "");
}

TEST(InventPassword, LengthAndAlphabet) {
  QString password = InventPassword(40);
  ASSERT_EQ(password.size(), 40);
  for (QChar c : password) EXPECT_TRUE(c.isLetterOrNumber() && c.unicode() < 128) << int(c.unicode());
}

TEST(InventPassword, ClampsTheLength) {
  EXPECT_EQ(InventPassword(0), "");
  EXPECT_EQ(InventPassword(-3), "");
  EXPECT_EQ(InventPassword(256).size(), 255);
  EXPECT_EQ(InventPassword(255).size(), 255);
}

TEST(InventPassword, DiffersFromCallToCall) {
  QSet<QString> seen;
  for (int i = 0; i < 20; ++i) seen.insert(InventPassword(16));
  EXPECT_EQ(seen.size(), 20);
}
