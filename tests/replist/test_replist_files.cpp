// The report list's files: the XML list file, CSV, text lines and HTML, with
// round trips over awkward content and readers given broken files.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <cstring>

#include "RepListFileKit.h"
#include "host/Exception.h"
#include "replist/RLFileImage.h"
#include "replist/Vyr_replist.h"

using namespace vyr;
using namespace replfile;

namespace {

// Runs a reader that must refuse: the message names the file and a line,
// and the store is as before.
template <typename Read>
void ExpectRefused(TRLData& d, const QString& fileName, Read read) {
  TRLData before;
  before.Assign(&d);
  try {
    read();
    ADD_FAILURE() << "no error";
  } catch (const EVyrRLDataError& e) {
    EXPECT_TRUE(e.Message().contains(fileName)) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains("line ")) << e.Message().toStdString();
  }
  ExpectSameList(before, d);
}

QByteArray SavedBytes(const TRLData& d, const QString& id) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  d.WriteToXMLStream(buffer, true, id);
  return bytes;
}

}  // namespace

TEST(RLXmlFile, SaveThenLoadGivesBackEveryCellNameFormatMarkHeaderAndComment) {
  QTemporaryDir dir;
  const QString name = dir.filePath("list.xml");
  for (quint32 seed = 1; seed <= 4; ++seed) {
    TRLData saved, loaded;
    FillAwkward(saved, 5, 60, seed);
    saved.SaveAsXMLFile(name, "Run7");
    EXPECT_TRUE(CheckIfValidReplist(name, "run7"));
    ASSERT_TRUE(loaded.LoadFromXMLFile(name, "RUN7"));
    ExpectSameList(saved, loaded);
    EXPECT_EQ(loaded.DataID, "Run7");
  }
}

TEST(RLXmlFile, RowsAreWrittenInTheOrderShown) {
  TRLData saved, loaded;
  saved.SetNrRows(3);
  for (int r = 1; r <= 3; ++r) saved.SetElem(1, r, QString::number(4 - r));
  saved.Sort(1, -1, true);
  ASSERT_TRUE(loaded.ReadFromXMLString(QString::fromUtf8(SavedBytes(saved, "")), ""));
  EXPECT_EQ(loaded.GetElem(1, 1), "1");
  EXPECT_EQ(loaded.GetElem(1, 3), "3");
}

TEST(RLXmlFile, ListsFollowingEachOtherInOneFileAreFoundByIdentifierAndInTurn) {
  QTemporaryDir dir;
  const QString name = dir.filePath("two.xml");
  TRLData first, second;
  FillAwkward(first, 2, 3, 7);
  FillAwkward(second, 4, 5, 8);
  {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    first.WriteToOpenXMLFile(f, true, "first");
    second.WriteToOpenXMLFile(f, false, "second");
  }
  TRLData d;
  ASSERT_TRUE(d.LoadFromXMLFile(name, "SECOND"));
  ExpectSameList(second, d);
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  ASSERT_TRUE(d.ReadFromOpenXMLFile(f, ""));
  ExpectSameList(first, d);
  ASSERT_TRUE(d.ReadFromOpenXMLFile(f, ""));
  ExpectSameList(second, d);
  EXPECT_FALSE(d.ReadFromOpenXMLFile(f, ""));
  EXPECT_FALSE(d.LoadFromXMLFile(name, "third"));
  ExpectSameList(second, d);
}

TEST(RLXmlFile, ASequentialStreamIsReadLineByLineAndLeftAfterTheList) {
  TRLData saved, d;
  FillAwkward(saved, 3, 4, 3);
  QByteArray bytes = SavedBytes(saved, "a") + "next line\n";
  // A device that cannot seek, as a pipe.
  struct TPipe : QIODevice {
    QByteArray Data;
    qint64 At = 0;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return Data.size() - At + QIODevice::bytesAvailable(); }
    qint64 readData(char* to, qint64 n) override {
      n = std::min(n, Data.size() - At);
      std::memcpy(to, Data.constData() + At, std::size_t(n));
      At += n;
      return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
  } pipe;
  pipe.Data = bytes;
  pipe.open(QIODevice::ReadOnly);
  ASSERT_TRUE(d.ReadFromXMLStream(pipe, "a"));
  ExpectSameList(saved, d);
  EXPECT_EQ(pipe.readLine(), "next line\n");
}

TEST(RLXmlFile, EveryTruncationIsRefusedOrFindsNoListAndLeavesTheStoreAlone) {
  TRLData saved;
  FillAwkward(saved, 3, 4, 11);
  const QByteArray bytes = SavedBytes(saved, "t");
  TRLData d;
  FillAwkward(d, 2, 2, 12);
  TRLData before;
  before.Assign(&d);
  for (qsizetype cut = 0; cut < bytes.size() - 1; cut += 3) {
    const QString text = QString::fromUtf8(bytes.left(cut));
    try {
      EXPECT_FALSE(d.ReadFromXMLString(text, "")) << cut;
    } catch (const EVyrRLDataError& e) {
      EXPECT_TRUE(e.Message().contains("text, line ")) << e.Message().toStdString();
    }
    ExpectSameList(before, d);
  }
}

TEST(RLXmlFile, MalformedFilesAreRefusedNamingTheFileAndLine) {
  QTemporaryDir dir;
  const QString name = dir.filePath("bad.xml");
  const QByteArray head = "<replist id=\"x\" format=\"vyrkitset\">\n<numcols>1</numcols><numrows>1</numrows>\n";
  const QByteArray column = "<colname>A</colname><columnformat/><checkedcolumn>none</checkedcolumn>\n";
  const QByteArray bad[] = {
      head + column + "<cell>a</cell><cell>b<b/></cell>\n</replist>\n",
      head + column + "<cell>a</cell><wrong>b</wrong>\n</replist>\n",
      head + column + "loose text<cell>a</cell><cell>b</cell>\n</replist>\n",
      head + column + "<cell>a</cell><cell esc=\"1\">\\zz</cell>\n</replist>\n",
      head + "<colname>A</colname><columnformat/><checkedcolumn>tick</checkedcolumn>\n</replist>\n",
      head + column + "<cell>a</cell>\n</replist>\n",
      head + column + "<cell>a</cell><cell>b</cell><cell>c</cell>\n</replist>\n",
      head + column + "<cell>a</cell><cell>&unknown;</cell>\n</replist>\n",
      head + column + "<cell>a</cell><cell>b</cell>\n</replist",
      "<replist vyrkitset>\n<numcols>x</numcols>\n</replist>\n",
      "<replist vyrkitset>\n<numcols>1</numcols><numcols>1</numcols>\n</replist>\n",
      "<replist vyrkitset>\n<numrows>1</numrows>\n</replist>\n",
      "<replist vyrkitset>\n<numcols>1</numcols><numrows>0</numrows><cell/>\n</replist>\n",
  };
  TRLData d;
  FillAwkward(d, 2, 3, 5);
  for (const QByteArray& bytes : bad) {
    WriteFile(name, bytes);
    ExpectRefused(d, name, [&] { d.LoadFromXMLFile(name, ""); });
  }
}

TEST(RLXmlFile, CountsBeyondWhatTheFileHoldsAllocateNothingLarge) {
  QTemporaryDir dir;
  const QString name = dir.filePath("huge.xml");
  TRLData d;
  WriteFile(name, "<replist vyrkitset>\n<numcols>1</numcols><numrows>2000000000</numrows>\n"
                  "<colname/><columnformat/><checkedcolumn>none</checkedcolumn>\n<cell/><cell/>\n</replist>\n");
  ExpectRefused(d, name, [&] { d.LoadFromXMLFile(name, ""); });
  WriteFile(name, "<replist vyrkitset>\n<numcols>100000000</numcols><numrows>1</numrows>\n"
                  "<colname/><columnformat/><checkedcolumn>none</checkedcolumn>\n<cell/><cell/>\n</replist>\n");
  ExpectRefused(d, name, [&] { d.LoadFromXMLFile(name, ""); });
  WriteFile(name, "<replist vyrkitset>\n<numcols>100000</numcols><numrows>100000</numrows>\n</replist>\n");
  ExpectRefused(d, name, [&] { d.LoadFromXMLFile(name, ""); });
}

TEST(RLXmlFile, AMissingFileRaisesAnInputOutputErrorNamingIt) {
  QTemporaryDir dir;
  TRLData d;
  EXPECT_THROW(d.LoadFromXMLFile(dir.filePath("none.xml"), ""), EInOutError);
  EXPECT_THROW(d.SaveAsXMLFile(dir.filePath("no/such/dir/x.xml"), ""), EInOutError);
}

TEST(RLXmlFile, TheViewShowsTheLoadedRowsAndNamesItselfInErrors) {
  TReportListView saved, v;
  saved.SetNrOfColumns(3);
  saved.SetNrOfRows(40);
  saved.SetElem(3, 40, "last");
  QTemporaryDir dir;
  const QString name = dir.filePath("view.xml");
  saved.SaveAsXMLFile(name, "");
  v.SetName("list1");
  int changes = 0;
  v.OnChange = [&](QObject*) { ++changes; };
  ASSERT_TRUE(v.LoadFromXMLFile(name, ""));
  EXPECT_EQ(v.NrOfRows(), 40);
  EXPECT_EQ(v.RowCount(), 40 + v.CountHeadRows());
  EXPECT_EQ(v.Elem(3, 40), "last");
  EXPECT_EQ(changes, 1);
  WriteFile(name, "<replist vyrkitset>\n<numcols>1</numcols>\n</replist>\n");
  try {
    v.LoadFromXMLFile(name, "");
    FAIL() << "no error";
  } catch (const EVyrRepListError& e) {
    EXPECT_TRUE(e.Message().startsWith("Component \"list1\": ")) << e.Message().toStdString();
  }
  EXPECT_EQ(v.NrOfRows(), 40);
}

// --- CSV

TEST(RLCsvFile, ExportThenImportGivesBackEveryValueWithEachDelimiter) {
  QTemporaryDir dir;
  const QString name = dir.filePath("list.csv");
  for (TCSVDelimiters delimiter : {csvComma, csvSemicolon, csvTab, csvSpace}) {
    TRLData saved, loaded;
    FillAwkward(saved, 4, 50, 20 + delimiter);
    saved.SetColCheckMode(2, cmNone);
    saved.SetColCheckMode(3, cmNone);
    EXPECT_EQ(saved.ExportCSV(name, delimiter, true, true, 1, 1, 4, 50), 50);
    EXPECT_EQ(loaded.ImportCSV(name, delimiter, true, true), 50);
    ASSERT_EQ(loaded.NrOfColumns(), 4);
    ASSERT_EQ(loaded.NrOfRows(), 50);
    EXPECT_EQ(loaded.CommonHeader(), saved.CommonHeader());
    for (int c = 1; c <= 4; ++c) {
      EXPECT_EQ(loaded.GetColName(c), saved.GetColName(c));
      for (int r = 1; r <= 50; ++r) ASSERT_EQ(loaded.GetElem(c, r), saved.GetElem(c, r)) << c << "," << r;
    }
  }
}

TEST(RLCsvFile, FieldsAreQuotedOnlyWhenTheyMustBe) {
  QTemporaryDir dir;
  const QString name = dir.filePath("small.csv");
  TRLData d;
  d.SetNrCols(3);
  d.SetNrRows(2);
  d.SetElem(1, 1, "a,b");
  d.SetElem(2, 1, "say \"hi\"");
  d.SetElem(3, 1, "two\nlines");
  d.SetElem(1, 2, " x ");
  d.SetColCheckMode(3, cmBox);
  d.SetElemChecked(3, 2, true);
  EXPECT_EQ(d.ExportCSV(name, csvComma, false, false, -5, 0, 99, 99), 2);
  EXPECT_EQ(ReadFile(name), "\xEF\xBB\xBF\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n x ,,\r\n");
  EXPECT_EQ(d.ExportCSV(name, csvComma, true, false, 2, 2, 2, 2), 1);
  EXPECT_EQ(ReadFile(name), "\xEF\xBB\xBF" "C-2\r\n\r\n");
}

TEST(RLCsvFile, ALoneSurrogateBecomesOneReplacementInItsOwnField) {
  QTemporaryDir dir;
  const QString name = dir.filePath("lone.csv"), high(QChar(0xD800)), low(QChar(0xDC00));
  TRLData d;
  d.SetNrCols(3);
  d.SetNrRows(1);
  const QString cells[] = {"a" + high, low + high, "\""};
  for (int c = 1; c <= 3; ++c) d.SetElem(c, 1, cells[c - 1]);
  d.ExportCSV(name, csvComma, false, false, 1, 1, 3, 1);
  EXPECT_EQ(ReadFile(name), "\xEF\xBB\xBF" "a\xEF\xBF\xBD,\xEF\xBF\xBD\xEF\xBF\xBD,\"\"\"\"\r\n");
}

TEST(RLCsvFile, ImportTakesTheWidestRecordAndKeepsTheColumnsLayout) {
  QTemporaryDir dir;
  const QString name = dir.filePath("in.csv");
  WriteFile(name, "a\nb,c,\"d\"\"\"\re\r\n");
  TRLData d;
  d.SetNrCols(2);
  d.SetColName(1, "kept");
  d.SetColumnFormat(2, "[i][50]");
  d.SetColCheckMode(2, cmBox);
  EXPECT_EQ(d.ImportCSV(name, csvComma, false), 3);
  EXPECT_EQ(d.NrOfColumns(), 3);
  EXPECT_EQ(d.GetColName(1), "kept");
  EXPECT_EQ(d.GetColName(3), "C-3");
  EXPECT_EQ(d.GetColumnFormat(2), "[i][50]");
  EXPECT_EQ(d.GetElem(3, 2), "d\"");
  EXPECT_EQ(d.GetElem(2, 2), "c");
  EXPECT_FALSE(d.GetElemChecked(2, 2));
  EXPECT_EQ(d.GetElem(1, 3), "e");
  EXPECT_EQ(d.GetElem(2, 3), "");
}

TEST(RLCsvFile, MalformedFilesAreRefusedNamingTheFileAndLine) {
  QTemporaryDir dir;
  const QString name = dir.filePath("bad.csv");
  TRLData d;
  FillAwkward(d, 3, 4, 9);
  for (const QByteArray& bytes : {QByteArray("a,b\n\"open,c\nmore"), QByteArray("a,b\nx\"y,c\n"),
                                  QByteArray("a,\"b\"c\n"), QByteArray("ok\n\xC3\x28\n"),
                                  QByteArray(20000, ',')}) {
    WriteFile(name, bytes);
    ExpectRefused(d, name, [&] { d.ImportCSV(name, csvComma, false); });
  }
  WriteFile(name, "a\n");
  EXPECT_THROW(d.ImportCSV(name, TCSVDelimiters(9), false), EVyrRLDataError);
  EXPECT_THROW(d.ImportCSV(dir.filePath("none.csv"), csvComma, false), EInOutError);
}

TEST(RLCsvFile, TheErrorNamesTheLineWhereTheBadRecordStands) {
  QTemporaryDir dir;
  const QString name = dir.filePath("line.csv");
  WriteFile(name, "a\n\"two\nlines\"\nb\nc\"d\n");
  TRLData d;
  try {
    d.ImportCSV(name, csvComma, false);
    FAIL() << "no error";
  } catch (const EVyrRLDataError& e) {
    EXPECT_TRUE(e.Message().contains("line 5:")) << e.Message().toStdString();
  }
}

TEST(RLCsvFile, TheTableGrowsAheadOnlyWithinTheCellLimitSoEveryFileThatFitsIsRead) {
  EXPECT_EQ(GrownTableRoom({8, 1024}, 8, 1025).Rows, 2048);
  EXPECT_EQ(GrownTableRoom({4, 1024}, 5, 1024).Cols, 8);
  EXPECT_EQ(GrownTableRoom({8, 2048}, 8, 1500).Rows, 2048);
  // 16384 fields by 4097 rows fit the limit, doubling the rows would not.
  const TTableRoom rows = GrownTableRoom({16384, 4096}, 16384, 4097);
  EXPECT_EQ(rows.Cols, 16384);
  EXPECT_EQ(rows.Rows, 4097);
  // A wider record when the rows were made ahead: the rows shrink to those read.
  const TTableRoom cols = GrownTableRoom({4096, 32768}, 8190, 16385);
  EXPECT_EQ(cols.Cols, 8190);
  EXPECT_EQ(cols.Rows, 16385);
  EXPECT_LE((qint64{cols.Cols} + 1) * (cols.Rows + 1), TStringArray::kMaxCells);
}

TEST(RLLinesFile, LinesFillAColumnFromARowOnAndAddRows) {
  QTemporaryDir dir;
  const QString name = dir.filePath("lines.txt");
  WriteFile(name, "\xEF\xBB\xBFone\r\ntwo\rthree\n\nfive");
  TRLData d;
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetElem(1, 2, "keep");
  EXPECT_EQ(d.LoadLinesFromFile(2, 2, name), 5);
  EXPECT_EQ(d.NrOfRows(), 6);
  EXPECT_EQ(d.GetElem(1, 2), "keep");
  EXPECT_EQ(d.GetElem(2, 2), "one");
  EXPECT_EQ(d.GetElem(2, 4), "three");
  EXPECT_EQ(d.GetElem(2, 5), "");
  EXPECT_EQ(d.GetElem(2, 6), "five");
  EXPECT_EQ(d.LoadLinesFromFile(1, 1000000, name), 5);  // appended after the last row
  EXPECT_EQ(d.NrOfRows(), 11);
  EXPECT_EQ(d.LoadLinesFromFile(3, 1, name), 0);
  WriteFile(name, "fine\nbad \xFF\n");
  ExpectRefused(d, name, [&] { d.LoadLinesFromFile(1, 1, name); });
}

// --- HTML

TEST(RLHtmlFile, TheTableEscapesEveryTextAndTakesTheChosenColumnsAndLook) {
  QTemporaryDir dir;
  const QString name = dir.filePath("t.html");
  TRLData d;
  d.SetNrCols(3);
  d.SetNrRows(2);
  d.SetColName(1, "<A>");
  d.SetElem(1, 1, "x & y");
  d.SetElem(3, 1, "\"q\"\nnext");
  d.SetElem(2, 2, "skip");
  d.SetCommonHeader("T<1>");
  d.OnBeforeHTMLExport = [](QObject*, QString& text, int col, int row) {
    if (col == 3 && row == 1) text += "<b>";
  };
  d.ExportHTMLTable(name, 1, 1, 3, 1, {3, 1, 7}, 2, 1, 4, true, "h", "", "t\"x");
  const QString html = QString::fromUtf8(ReadFile(name));
  EXPECT_TRUE(html.contains("<title>T&lt;1&gt;</title>"));
  EXPECT_TRUE(html.contains("<table border=\"2\" cellspacing=\"1\" cellpadding=\"4\" class=\"t&quot;x\">"));
  EXPECT_TRUE(html.contains("<tr><th class=\"h\">C-3</th><th class=\"h\">&lt;A&gt;</th></tr>"));
  EXPECT_TRUE(html.contains("<tr><td>&quot;q&quot;<br>next&lt;b&gt;</td><td>x &amp; y</td></tr>"));
  EXPECT_FALSE(html.contains("skip"));
}
