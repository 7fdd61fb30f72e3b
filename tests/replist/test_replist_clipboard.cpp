// The report list's clipboard text and the check whether a file holds a
// report list.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "RepListFileKit.h"
#include "host/Clipboard.h"
#include "host/Exception.h"
#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

// Columns 1..2, rows 1..2: a, bb / ccc, d.
void FillSmall(TRLData& d) {
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(1, 1, "a");
  d.SetElem(2, 1, "bb");
  d.SetElem(1, 2, "ccc");
  d.SetElem(2, 2, "d");
}

QString Tabbed(const TRLData& d, bool header) {
  const QString tab("\t");
  return d.ClipboardText(1, 1, 2, 2, header, &tab);
}

}  // namespace

TEST(RLClipboard, TabsSeparateTheFieldsAndAnEmptyLineFollowsTheHeader) {
  TRLData d;
  FillSmall(d);
  d.CopyToClipBoard(1, 1, 2, 2, true, true);
  EXPECT_EQ(Clipboard().AsText(), "C-1\tC-2\n\na\tbb\nccc\td\n");
  EXPECT_EQ(Tabbed(d, false), "a\tbb\nccc\td\n");
}

TEST(RLClipboard, PaddedFieldsTakeTheWidestStoredStringPlusOne) {
  TRLData d;
  FillSmall(d);
  EXPECT_EQ(d.ClipboardText(1, 1, 2, 2, false, nullptr), "a   bb \nccc d  \n");
  EXPECT_EQ(d.ClipboardText(1, 1, 2, 2, true, nullptr), "C-1 C-2 \n\na   bb  \nccc d   \n");
  // A check column's stored strings carry the mark: one blank more.
  d.SetColCheckMode(2, cmBox);
  d.SetElemChecked(2, 1, true);
  EXPECT_EQ(d.ClipboardText(1, 1, 2, 2, false, nullptr), "a   bb  \nccc d   \n");
}

TEST(RLClipboard, ASeparatorOfAnyLengthTakesThePlaceOfTheTab) {
  TRLData d;
  FillSmall(d);
  d.CopyToClipBoard(1, 1, 2, 2, false, QStringLiteral("; "));
  EXPECT_EQ(Clipboard().AsText(), "a; bb\nccc; d\n");
  const QString none;
  EXPECT_EQ(d.ClipboardText(1, 1, 2, 2, false, &none), "abb\ncccd\n");
}

TEST(RLClipboard, CellsOutsideTheTableReadEmptyAndAnEmptyRangeGivesNoText) {
  TRLData d;
  FillSmall(d);
  const QString tab("\t");
  EXPECT_EQ(d.ClipboardText(2, 2, 3, 3, false, &tab), "d\t\n\t\n");
  EXPECT_EQ(d.ClipboardText(0, 0, 0, 0, false, nullptr), " \n");
  EXPECT_EQ(d.ClipboardText(1, 3, 2, 2, false, &tab), "");
}

TEST(RLClipboard, ThePaddedLayoutTakesAnyNumberOfColumns) {
  TRLData d;
  d.SetNrCols(12000);
  d.SetNrRows(1);
  d.SetElem(12000, 1, "last");
  const QString text = d.ClipboardText(1, 1, 12000, 1, false, nullptr);
  EXPECT_EQ(text.size(), 11999 * 1 + 5 + 1);
  EXPECT_TRUE(text.endsWith("last \n"));
}

TEST(RLClipboard, ARangeTooLargeToHoldIsRefused) {
  TRLData d;
  EXPECT_THROW(d.ClipboardText(1, -2000000000, 3, 2000000000, false, nullptr), EVyrRLDataError);
  EXPECT_THROW(d.ClipboardText(-2000000000, 1, 2000000000, 1, false, nullptr), EVyrRLDataError);
}

// Every cell of the range costs a step, also with an empty separator and
// also where no row is copied: such ranges end at once.
TEST(RLClipboard, HugeRangesEndAtOnceWithoutTakingMemory) {
  TRLData d;
  FillSmall(d);
  const QString none;
  EXPECT_EQ(d.ClipboardText(1, 1, 200000000, 0, false, nullptr), "");
  EXPECT_EQ(d.ClipboardText(1, 1, 200000000, 0, false, &none), "");
  EXPECT_THROW(d.ClipboardText(1, 1, 100000000, 100, false, &none), EVyrRLDataError);
  EXPECT_THROW(d.ClipboardText(1, 1, 100000000, 100, false, nullptr), EVyrRLDataError);
  EXPECT_THROW(d.ClipboardText(1, 1, 200000000, 0, true, nullptr), EVyrRLDataError);
  EXPECT_EQ(d.ClipboardText(2, 1, 5, 1, true, nullptr), "C-2    \n\nbb     \n");
}

TEST(RLClipboard, TheViewForwardsToItsStore) {
  TReportListView v;
  FillSmall(v.Data());
  v.CopyToClipBoard(1, 1, 2, 2, false, QStringLiteral("|"));
  EXPECT_EQ(Clipboard().AsText(), "a|bb\nccc|d\n");
}

// --- file check

namespace {

QByteArray FourthLineStarts(const char* startLine) {
  return QByteArray("<?xml version=\"1.0\"?>\nnothing\n\n") + startLine + "\n<numcols>1</numcols>\n";
}

bool CheckBytes(const QByteArray& bytes, const QString& id) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return CheckIfValidReplist(buffer, id);
}

}  // namespace

TEST(RLFileCheck, TheIdentifierIsComparedIgnoringCase) {
  QTemporaryDir dir;
  const QString name = dir.filePath("run.xml");
  replfile::WriteFile(name, FourthLineStarts("<replist format=\"vyrkitset\" id=\" Run7 \">"));
  EXPECT_TRUE(CheckIfValidReplist(name, ""));
  EXPECT_TRUE(CheckIfValidReplist(name, "run7"));
  EXPECT_TRUE(CheckIfValidReplist(name, "RUN7"));
  EXPECT_FALSE(CheckIfValidReplist(name, "run8"));
}

TEST(RLFileCheck, TheTagAndTheWordMustShareALine) {
  EXPECT_FALSE(CheckBytes("<replist id=\"a\">\n", ""));
  EXPECT_FALSE(CheckBytes("vyrkitset\n<replist>\n", ""));
  EXPECT_TRUE(CheckBytes("<REPLIST VyrKitSet>", ""));
  EXPECT_FALSE(CheckBytes("", ""));
}

TEST(RLFileCheck, AnIdentifierWithoutItsClosingQuoteIsNone) {
  const QByteArray line = "<replist vyrkitset id=\"abc\n";
  EXPECT_TRUE(CheckBytes(line, ""));
  EXPECT_FALSE(CheckBytes(line, "abc"));
  EXPECT_FALSE(CheckBytes(line, "ab"));
}

TEST(RLFileCheck, CharacterReferencesInTheIdentifierReadAsTheirCharacters) {
  EXPECT_TRUE(CheckBytes("<replist id=\"a&amp;b &#x41;&quot;\" vyrkitset>", "a&b a\""));
}

TEST(RLFileCheck, TheStreamIsLeftAfterTheMatchingLine) {
  QBuffer buffer;
  buffer.setData("x\n<replist vyrkitset id=\"one\">\nafter\n");
  buffer.open(QIODevice::ReadOnly);
  EXPECT_TRUE(CheckIfValidReplist(buffer, "one"));
  EXPECT_EQ(buffer.readLine(), "after\n");
}

// The check reads a line in pieces of 65,536 characters: a start line is
// found wherever the pieces cut it, and two lines are never taken as one.
TEST(RLFileCheck, AStartLineIsFoundWherePiecesOfALongLineCutIt) {
  for (int cut = 1; cut <= 30; ++cut) {
    const QByteArray line = QByteArray(65536 - cut, 'x') + "<replist vyrkitset id=\"ab\">\n";
    EXPECT_TRUE(CheckBytes(line, "ab") && !CheckBytes(line, "a")) << cut;
  }
  EXPECT_FALSE(CheckBytes(QByteArray(65531, 'x') + "<repl\nist vyrkitset>\n", ""));
  QTemporaryDir dir;
  const QString name = dir.filePath("long.xml"), id(70000, u'q');
  TRLData d;
  d.SaveAsXMLFile(name, id);
  EXPECT_TRUE(CheckIfValidReplist(name, id) && !CheckIfValidReplist(name, QString(70000, u'r')));
}

TEST(RLFileCheck, AFileThatCannotBeOpenedRaisesOneErrorNamingIt) {
  QTemporaryDir dir;
  const QString name = dir.filePath("missing.xml");
  try {
    CheckIfValidReplist(name, "");
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_TRUE(e.Message().contains(name)) << e.Message().toStdString();
  }
}

TEST(RLFileCheck, WhatSaveWritesIsAcceptedWithItsIdentifier) {
  QTemporaryDir dir;
  const QString name = dir.filePath("saved.xml");
  TRLData d;
  FillSmall(d);
  d.SaveAsXMLFile(name, " Tank <7> & \"B\" ");
  EXPECT_TRUE(CheckIfValidReplist(name, "tank <7> & \"b\""));
  EXPECT_FALSE(CheckIfValidReplist(name, "tank"));
}

// An identifier full of "&" without a ";" is read in time proportional to
// its length: 40 such lines of 60,000 characters take well under a second.
TEST(RLFileCheck, AnIdentifierOfAmpersandsIsReadInLinearTime) {
  QByteArray line = "<replist vyrkitset id=\"" + QByteArray(60000, '&') + "\">\n";
  QByteArray bytes;
  for (int i = 0; i < 40; ++i) bytes += line;
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(CheckBytes(bytes, "x"));
  EXPECT_LT(timer.elapsed(), 3000);
}
