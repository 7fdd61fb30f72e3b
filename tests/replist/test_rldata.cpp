// The report list's data store: counts, cell encoding of check marks,
// column metadata, default values, structure changes, sorting and copying.
#include <gtest/gtest.h>

#include <memory>

#include "replist/RLColumnFormat.h"
#include "replist/Vyr_replist.h"
#include "support/AssignWalk.h"

using namespace vyr;

namespace {

// A store of cols x rows whose cells read "c<col>r<row>".
void FillNamed(TRLData& d, int cols, int rows) {
  d.SetNrCols(cols);
  d.SetNrRows(rows);
  for (int c = 1; c <= cols; ++c)
    for (int r = 1; r <= rows; ++r) d.SetElem(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
}

}  // namespace

TEST(RLDataCounts, NewStoreHasOneColumnNoRowsAndTheDefaultHeader) {
  TRLData d;
  EXPECT_EQ(d.NrOfColumns(), 1);
  EXPECT_EQ(d.NrOfRows(), 0);
  EXPECT_EQ(d.GetColName(1), "C-1");
  EXPECT_EQ(d.CommonHeader(), "VYR Report Listview");
  EXPECT_EQ(d.LastSortColumn(), -1);
  EXPECT_TRUE(d.LastSortOrder());
  EXPECT_TRUE(d.SortToggle());
}

TEST(RLDataCounts, CountsAreClampedAndNewColumnsGetDefaultNames) {
  TRLData d;
  d.SetNrCols(0);
  EXPECT_EQ(d.NrOfColumns(), 1);
  d.SetNrRows(-5);
  EXPECT_EQ(d.NrOfRows(), 0);
  d.SetNrCols(2);
  d.SetColName(1, "Alpha");
  d.SetNrCols(4);
  EXPECT_EQ(d.GetColName(1), "Alpha");
  EXPECT_EQ(d.GetColName(2), "C-2");
  EXPECT_EQ(d.GetColName(3), "C-3");
  EXPECT_EQ(d.GetColName(4), "C-4");
  d.SetNrRows(10);
  EXPECT_EQ(d.FeedbackNumCells(), 50);
  EXPECT_EQ(d.FeedbackStep(), 1);
}

TEST(RLDataCells, OutOfRangeCellsReadEmptyAndIgnoreWrites) {
  TRLData d;
  FillNamed(d, 2, 2);
  d.SetElem(3, 1, "x");
  d.SetElem(1, 3, "x");
  EXPECT_EQ(d.GetElem(3, 1), "");
  EXPECT_EQ(d.GetElem(1, 0), "");
  EXPECT_EQ(d.GetElem(-1, 1), "");
  EXPECT_FALSE(d.GetElemChecked(9, 9));
  EXPECT_EQ(d.GetAsNumber(9, 9), 0.0);
  d.SetElem(0, 1, "hidden");
  EXPECT_EQ(d.GetElem(0, 1), "hidden");
}

TEST(RLDataCells, SwitchingToBoxPrefixesABlankAndBackRestores) {
  TRLData d;
  d.SetNrCols(1);
  d.SetNrRows(2);
  d.SetElem(1, 1, "abc");
  d.SetColCheckMode(1, cmBox);
  EXPECT_EQ(d.Strings().GetString(1, 1), " abc");
  EXPECT_EQ(d.Strings().GetString(1, 2), "");
  EXPECT_EQ(d.GetElem(1, 1), "abc");
  EXPECT_EQ(d.GetElem(1, 2), "");
  EXPECT_FALSE(d.GetElemChecked(1, 1));
  EXPECT_FALSE(d.GetElemChecked(1, 2));
  d.SetElemChecked(1, 1, true);
  EXPECT_EQ(d.Strings().GetString(1, 1), "Xabc");
  d.SetElem(1, 1, "new");
  EXPECT_EQ(d.Strings().GetString(1, 1), "Xnew");
  d.SetElemChecked(1, 2, false);
  EXPECT_EQ(d.Strings().GetString(1, 2), " ");
  d.SetColCheckMode(1, cmNone);
  EXPECT_EQ(d.GetElem(1, 1), "new");
  EXPECT_EQ(d.GetElem(1, 2), "");
}

TEST(RLDataCells, AnyNonBlankMarkReadsChecked) {
  TRLData d;
  d.SetNrRows(1);
  d.SetCheckedCol(1, true);
  d.Strings().SetString(1, 1, "*v");
  EXPECT_TRUE(d.GetElemChecked(1, 1));
  EXPECT_TRUE(d.GetCheckedCol(1));
  d.SetColCheckMode(1, cmRadio);
  EXPECT_FALSE(d.GetCheckedCol(1));
  EXPECT_EQ(d.Strings().GetString(1, 1), " v");  // box to radio clears marks
}

TEST(RLDataCells, ModeConversionRaisesNoChange) {
  TRLData d;
  FillNamed(d, 2, 3);
  int changes = 0;
  d.Strings().OnChange = [&](QObject*) { ++changes; };
  d.SetColCheckMode(1, cmBox);
  d.SetColCheckMode(1, cmNone);
  EXPECT_EQ(changes, 0);
}

TEST(RLDataCells, RadioColumnKeepsOneMark) {
  TRLData d;
  d.SetNrRows(4);
  d.SetColCheckMode(1, cmRadio);
  d.SetElemChecked(1, 1, true);
  d.SetElemChecked(1, 3, true);
  EXPECT_FALSE(d.GetElemChecked(1, 1));
  EXPECT_TRUE(d.GetElemChecked(1, 3));
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 1);
  EXPECT_EQ(d.FirstCheckedElemInCol(1), 3);
  d.SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 1);
  d.SetAllCheckmarksOfCol(1, false);
  EXPECT_EQ(d.CountCheckedElemsInCol(1), 0);
}

TEST(RLDataCells, AsNumberReadsCommaAndBlanksAndRejectsText) {
  TRLData d;
  FillNamed(d, 2, 7);
  d.SetElem(1, 1, "  3,5 ");
  EXPECT_DOUBLE_EQ(d.GetAsNumber(1, 1), 3.5);
  d.SetElem(1, 2, "");
  EXPECT_DOUBLE_EQ(d.GetAsNumber(1, 2), 0.0);
  d.SetElem(1, 3, "   ");
  EXPECT_DOUBLE_EQ(d.GetAsNumber(1, 3), 0.0);
  d.SetElem(2, 7, "abc");
  try {
    d.GetAsNumber(2, 7);
    FAIL() << "no exception";
  } catch (const EVyrDStructError& e) {
    EXPECT_EQ(e.Message(), "Class TRLData: invalid numeric string: [2,7]: abc");
  }
  d.SetColCheckMode(2, cmBox);
  d.SetElem(2, 6, "-1e3");
  EXPECT_DOUBLE_EQ(d.GetAsNumber(2, 6), -1000.0);
}

TEST(RLDataCells, LongTextsAreCut) {
  TRLData d;
  d.SetNrRows(1);
  d.SetElem(1, 1, QString(300, u'a'));
  EXPECT_EQ(d.GetElem(1, 1).size(), 255);
  d.SetColName(1, QString(60, u'n'));
  EXPECT_EQ(d.GetColName(1).size(), 50);
  d.SetColumnFormat(1, QString(90, u'f'));
  EXPECT_EQ(d.GetColumnFormat(1).size(), 80);
}

TEST(RLDataCells, CutsNeverSplitASurrogatePair) {
  TRLData d;
  d.SetNrRows(1);
  const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // two UTF-16 units
  d.SetColName(1, QString(49, u'n') + clef);
  EXPECT_EQ(d.GetColName(1), QString(49, u'n'));
  d.SetColumnFormat(1, QString(79, u'f') + clef);
  EXPECT_EQ(d.GetColumnFormat(1), QString(79, u'f'));
  d.SetElem(1, 1, QString(254, u'a') + clef);
  EXPECT_EQ(d.GetElem(1, 1), QString(254, u'a'));
}

TEST(RLDataCells, TheCheckMarkNeverCutsAFullText) {
  TRLData d;
  d.SetNrCols(2);
  d.SetNrRows(2);
  const QString full(255, u'v');
  d.SetElem(1, 1, full);
  d.SetElem(2, 1, QString(300, u'w'));
  for (const TCheckMode mode : {cmBox, cmRadio}) {
    d.SetColCheckMode(1, mode);
    EXPECT_EQ(d.GetElem(1, 1), full);
    d.SetElemChecked(1, 1, true);
    EXPECT_TRUE(d.GetElemChecked(1, 1));
    EXPECT_EQ(d.GetElem(1, 1), full);
    d.SetColCheckMode(1, cmNone);
    EXPECT_EQ(d.GetElem(1, 1), full);
  }
  // A value written into a check column is cut at the same length as anywhere.
  d.SetColCheckMode(2, cmBox);
  EXPECT_EQ(d.GetElem(2, 1), QString(255, u'w'));
  d.SetElem(2, 2, QString(300, u'x'));
  EXPECT_EQ(d.GetElem(2, 2), QString(255, u'x'));
}

TEST(RLDataColumns, ColumnIndexScansFromTheLastColumn) {
  TRLData d;
  d.SetNrCols(3);
  EXPECT_EQ(d.ColumnIndex("c-", true), 3);
  EXPECT_EQ(d.ColumnIndex("C-1", false), 1);
  EXPECT_EQ(d.ColumnIndex("c-1", false), 1);
  EXPECT_EQ(d.ColumnIndex("nothing", true), -1);
  EXPECT_EQ(d.ColumnIndex("", true), -1);
  d.SetColName(3, "C-1");
  EXPECT_EQ(d.ColumnIndex("C-1", false), 3);
}

TEST(RLDataColumns, CheckedCountsPerRowAndColumn) {
  TRLData d;
  d.SetNrCols(3);
  d.SetNrRows(3);
  d.SetColCheckMode(1, cmBox);
  d.SetColCheckMode(3, cmBox);
  d.SetElemChecked(3, 2, true);
  d.SetElemChecked(1, 2, true);
  EXPECT_EQ(d.CountCheckedElemsInRow(2), 2);
  EXPECT_EQ(d.FirstCheckedElemInRow(2), 1);
  EXPECT_EQ(d.FirstCheckedElemInRow(1), 0);
  EXPECT_EQ(d.FirstCheckedElemInRow(9), 0);
  EXPECT_EQ(d.CountCheckedElemsInCol(2), 0);
  EXPECT_EQ(d.CountCheckedElemsInCol(0), 0);
  EXPECT_EQ(d.CountCheckedElemsInCol(99), 0);
  d.InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(d.Strings().GetString(1, 1), "X");
  EXPECT_EQ(d.Strings().GetString(1, 2), " ");
  d.Strings().SetRowAttrib(3, kRowDisabledBit);
  d.SetAllCheckmarksOfCol(1, false, true);
  EXPECT_TRUE(d.GetElemChecked(1, 3));
  EXPECT_FALSE(d.GetElemChecked(1, 1));
}

TEST(RLDataDefaults, FormatsProposeDefaults) {
  TRLData d;
  d.SetNrCols(6);
  d.SetColumnFormat(1, "[i][50]rix3");
  d.SetColumnFormat(2, "[h][50]rix4");
  d.SetColumnFormat(3, "[c][90]a|b|c");
  d.SetColumnFormat(4, "[#s][90]xyz");
  d.SetColumnFormat(5, "[f][60]RIX2");
  d.SetColumnFormat(6, "[dyyyy-MM-dd][100]2020-01-31");
  EXPECT_EQ(d.GetCellDefaultValue(1, 7), "007");
  EXPECT_EQ(d.GetCellDefaultValue(1, 1234), "234");
  EXPECT_EQ(d.GetCellDefaultValue(2, 255), "00FF");
  EXPECT_EQ(d.GetCellDefaultValue(3, 1), "a");
  EXPECT_EQ(d.GetCellDefaultValue(4, 1), "");
  EXPECT_EQ(d.GetCellDefaultValue(5, 3), "3.00");
  EXPECT_EQ(d.GetCellDefaultValue(6, 1), "2020-01-31");
  EXPECT_EQ(d.GetCellDefaultValue(7, 1), "");
}

TEST(RLDataDefaults, SizesReadFromFormatsAreBounded) {
  EXPECT_EQ(FormatDefaultValue("[i][50]rix999999999", 5).size(), kMaxFormatDigits);
  EXPECT_EQ(FormatDefaultValue("[s][50]$pwd$2000000000", 1).size(), kMaxFormatDigits);
  EXPECT_EQ(FormatDefaultValue("[s][50]$pwd$8", 1).size(), 8);
  EXPECT_EQ(FormatDefaultValue("[f][50]rix30", 3), "3." + QString(30, u'0'));  // more decimals than a double holds
  EXPECT_EQ(FormatDefaultValue("[i][50]rix-7", 12), "2");  // negative counts as 0, that is one digit
  EXPECT_EQ(FormatDefaultValue("[s]", 1), "");
  EXPECT_EQ(FormatDefaultValue("no brackets", 1), "");
  EXPECT_EQ(ZeroPaddedInt(-1234, 2), "-34");
  EXPECT_EQ(ZeroPaddedInt(5, 0), "5");
}

TEST(RLDataStructure, InsertColumnOnlyBeforeExistingColumns) {
  TRLData d;
  FillNamed(d, 2, 1);
  d.SetColCheckMode(2, cmBox);
  d.InsertColumn(3);
  EXPECT_EQ(d.NrOfColumns(), 2);
  d.InsertColumn(1);
  EXPECT_EQ(d.NrOfColumns(), 3);
  EXPECT_EQ(d.GetColName(1), "");
  EXPECT_EQ(d.GetColName(2), "C-1");
  EXPECT_EQ(d.GetColCheckMode(3), cmBox);
  EXPECT_EQ(d.GetElem(2, 1), "c1r1");
}

TEST(RLDataStructure, RemovingTheOnlyColumnAndRow) {
  TRLData d;
  FillNamed(d, 2, 2);
  d.RemoveColumn(1);
  EXPECT_EQ(d.NrOfColumns(), 1);
  EXPECT_EQ(d.GetElem(1, 1), "c2r1");
  d.RemoveColumn(1);
  EXPECT_EQ(d.NrOfColumns(), 0);
  EXPECT_EQ(d.GetColName(1), "");
  d.SetNrCols(1);
  EXPECT_EQ(d.GetElem(1, 1), "");
  d.SetElem(1, 1, "only");
  d.RemoveRow(2);
  d.RemoveRow(1);
  EXPECT_EQ(d.NrOfRows(), 0);
  d.SetNrRows(1);
  EXPECT_EQ(d.GetElem(1, 1), "");
}

TEST(RLDataStructure, RemoveRowWhileSortedRemovesTheDisplayedRow) {
  TRLData d;
  d.SetNrRows(3);
  d.SetElem(1, 1, "b");
  d.SetElem(1, 2, "c");
  d.SetElem(1, 3, "a");
  d.Sort(1, -1, true);  // shows a, b, c
  d.RemoveRow(1);
  EXPECT_EQ(d.NrOfRows(), 2);
  EXPECT_EQ(d.GetElem(1, 1), "b");
  EXPECT_EQ(d.GetElem(1, 2), "c");
}

TEST(RLDataStructure, RemoveEmptyRowsIgnoresMarksAndCopyRowCopiesAttributes) {
  TRLData d;
  d.SetNrCols(2);
  d.SetNrRows(4);
  d.SetColCheckMode(2, cmBox);
  d.SetElemChecked(2, 2, true);  // a mark only: still empty
  d.SetElem(1, 3, "keep");
  d.SetElem(0, 4, "hidden");
  d.Strings().SetRowAttrib(3, kRowSelectedBit);
  d.RemoveEmptyRows();
  ASSERT_EQ(d.NrOfRows(), 2);
  EXPECT_EQ(d.GetElem(1, 1), "keep");
  EXPECT_EQ(d.GetElem(0, 2), "hidden");
  d.CopyRow(1, 2);
  EXPECT_EQ(d.GetElem(1, 2), "keep");
  EXPECT_EQ(d.Strings().GetRowAttrib(2), kRowSelectedBit);
}

TEST(RLDataStructure, BulkOperationsRaiseOneChange) {
  TRLData d;
  FillNamed(d, 3, 50);
  d.SetColCheckMode(2, cmRadio);
  d.SetColCheckMode(3, cmBox);
  d.SetElemChecked(2, 10, true);
  int changes = 0;
  d.Strings().OnChange = [&](QObject*) { ++changes; };
  d.Fill("z");
  EXPECT_EQ(changes, 1);
  d.SetAllCheckmarksOfCol(3, true);
  EXPECT_EQ(changes, 2);
  d.SetAllCheckmarksOfCol(2, false);
  EXPECT_EQ(changes, 3);
  d.SetElemChecked(2, 20, true);
  EXPECT_EQ(changes, 4);
  d.InvertAllCheckmarksOfCol(3);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(d.GetElem(2, 5), "z");
}

TEST(RLDataSort, SortRecordsTheLastSortAndUnSortRestores) {
  TRLData d;
  d.SetNrRows(3);
  d.SetElem(1, 1, "10");
  d.SetElem(1, 2, "9");
  d.SetElem(1, 3, "100");
  d.Sort(1, -1, false);
  EXPECT_EQ(d.LastSortColumn(), 1);
  EXPECT_FALSE(d.LastSortOrder());
  EXPECT_EQ(d.GetElem(1, 1), "100");
  EXPECT_EQ(d.GetElem(1, 3), "9");
  d.UnSort();
  EXPECT_EQ(d.LastSortColumn(), -1);
  EXPECT_EQ(d.GetElem(1, 1), "10");
}

TEST(RLDataAssign, CopyShowsTheSourceOrderWithAttributesOnTheirRows) {
  TRLData a;
  a.SetNrCols(2);
  a.SetNrRows(3);
  a.SetElem(1, 1, "b");
  a.SetElem(1, 2, "c");
  a.SetElem(1, 3, "a");
  a.SetColName(2, "Two");
  a.SetColCheckMode(2, cmBox);
  a.SetElemChecked(2, 2, true);
  a.Strings().SetRowAttrib(2, kRowSelectedBit);  // the row holding "c"
  a.Comment = "note";
  a.Sort(1, -1, true);
  a.SetSortToggle(false);
  TRLData b;
  b.Assign(&a);
  EXPECT_EQ(b.NrOfColumns(), 2);
  EXPECT_EQ(b.NrOfRows(), 3);
  EXPECT_EQ(b.GetElem(1, 1), "a");
  EXPECT_EQ(b.GetElem(1, 3), "c");
  EXPECT_EQ(b.Strings().GetRowAttrib(3), kRowSelectedBit);
  EXPECT_TRUE(b.GetElemChecked(2, 3));
  EXPECT_EQ(b.GetColName(2), "Two");
  EXPECT_EQ(b.Comment, "note");
  EXPECT_EQ(b.LastSortColumn(), 1);
  EXPECT_FALSE(b.SortToggle());
  b.UnSort();
  EXPECT_EQ(b.GetElem(1, 1), "b");
  EXPECT_EQ(b.Strings().GetRowAttrib(2), kRowSelectedBit);
}

// The counts are copied with the cells rather than through the list.
TEST(RLDataAssign, CopiesEveryListedProperty) {
  const char* const withTheCells[] = {"NrOfColumns", "NrOfRows"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TRLData>(); }, TRLData::CopiedProperties(),
                                  withTheCells);
}

TEST(RLDataAssign, AssignFromItselfKeepsEverything) {
  TRLData a;
  FillNamed(a, 3, 4);
  a.Strings().SetRowAttrib(2, kRowDisabledBit);
  a.Sort(1, -1, false);
  int changes = 0;
  a.Strings().OnChange = [&](QObject*) { ++changes; };
  a.Assign(&a);
  EXPECT_EQ(a.NrOfRows(), 4);
  EXPECT_EQ(a.GetElem(1, 1), "c1r4");
  EXPECT_EQ(a.GetElem(3, 4), "c3r1");
  EXPECT_EQ(a.Strings().GetRowAttrib(3), kRowDisabledBit);
  EXPECT_EQ(changes, 1);  // the hook survives the new storage
  TRLData b;
  a.AssignTo(&b);
  EXPECT_EQ(b.GetElem(2, 2), "c2r3");
}
