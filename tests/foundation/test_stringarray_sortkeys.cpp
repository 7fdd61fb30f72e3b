// The string table keeps the number keys of a sorted column for the next
// sort; every kind of change must make the next sort read the texts again.
#include <gtest/gtest.h>

#include <QStringList>

#include "foundation/StringArray.h"

using namespace vyr;

namespace {

// Column 1 holds numbers, column 2 the row's name; rows 1..n.
void FillNumbers(TStringArray& a, const QStringList& values) {
  a.Resize(2, int(values.size()));
  for (int r = 1; r <= values.size(); ++r) {
    a.SetString(1, r, values[r - 1]);
    a.SetString(2, r, QStringLiteral("r%1").arg(r));
  }
}

QStringList Displayed(const TStringArray& a, int col) {
  QStringList out;
  for (int r = 1; r <= a.NrOfRows(); ++r) out << a.GetString(col, r);
  return out;
}

}  // namespace

TEST(StringArraySortKeys, RepeatedSortsInBothDirectionsAgree) {
  TStringArray a;
  FillNumbers(a, {"3", "1", "2", "1"});
  a.Sort(1, -1, true);
  a.Sort(1, -1, false);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"r1", "r3", "r2", "r4"}));
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"r2", "r4", "r3", "r1"}));
}

TEST(StringArraySortKeys, CellWriteIsSeenWhileSorted) {
  TStringArray a;
  FillNumbers(a, {"3", "1", "2"});
  a.Sort(1, -1, true);
  a.SetString(1, 1, QStringLiteral("9"));  // displayed row 1 is storage row 2
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"2", "3", "9"}));
}

TEST(StringArraySortKeys, TextWrittenIntoANumberColumnMakesItSortAsText) {
  TStringArray a;
  FillNumbers(a, {"10", "9", "2"});
  a.Sort(1, -1, true);
  a.SetString(1, 3, QStringLiteral("x"));  // replaces "10"
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"2", "9", "x"}));
  a.SetString(1, 3, QStringLiteral("10"));
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"2", "9", "10"}));
}

TEST(StringArraySortKeys, InsertedAndRemovedRowsAreSeen) {
  TStringArray a;
  FillNumbers(a, {"3", "1", "2"});
  a.Sort(1, -1, true);
  a.InsertRow(1);
  a.SetString(1, 1, QStringLiteral("0"));
  a.RemoveRow(4);  // "3"
  a.InsertRow(a.NrOfRows() + 1);
  a.SetString(1, a.NrOfRows(), QStringLiteral("-5"));
  a.Sort(1, -1, false);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"2", "1", "0", "-5"}));
}

TEST(StringArraySortKeys, ColumnInsertAndRemoveDoNotReuseAnotherColumnsKeys) {
  TStringArray a;
  FillNumbers(a, {"3", "1", "2"});
  a.SetString(2, 1, QStringLiteral("5"));
  a.SetString(2, 2, QStringLiteral("7"));
  a.SetString(2, 3, QStringLiteral("6"));
  a.Sort(1, -1, true);
  a.Sort(2, -1, true);
  a.RemoveColumn(1);  // the numbers of column 2 are now column 1
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"5", "6", "7"}));
  a.InsertColumn(1);  // an empty column 1, the numbers move to 2
  for (int r = 1; r <= 3; ++r) a.SetString(1, r, QString::number(4 - r));
  a.Sort(2, -1, false);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"7", "6", "5"}));
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"1", "2", "3"}));
}

TEST(StringArraySortKeys, CommitClearAndResizeRenumberTheRows) {
  TStringArray a;
  FillNumbers(a, {"3", "1", "2"});
  a.Sort(1, -1, true);
  a.CommitSorting();
  a.Sort(1, -1, false);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"3", "2", "1"}));
  a.Resize(2, 4);
  a.SetString(1, 4, QStringLiteral("0"));
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"0", "1", "2", "3"}));
  a.Clear();
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"", "", "", ""}));
}

TEST(StringArraySortKeys, SecondaryColumnKeysFollowWritesToo) {
  TStringArray a;
  FillNumbers(a, {"1", "1", "2"});
  for (int r = 1; r <= 3; ++r) a.SetString(2, r, QString::number(r));
  a.Sort(1, 2, false);
  a.SetString(2, 1, QStringLiteral("0"));  // storage row 3, now the smallest secondary
  a.SetString(1, 1, QStringLiteral("1"));
  a.Sort(1, 2, true);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"0", "1", "2"}));
}

TEST(StringArraySortKeys, HookSetAfterASortIsAskedAgain) {
  TStringArray a;
  FillNumbers(a, {"1", "2", "3"});
  a.Sort(1, -1, true);
  a.OnBeforeSortExchange = [](QObject*, const QString& s, QString& t) { t = QString::number(-s.toInt()); };
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"3", "2", "1"}));
  a.OnBeforeSortExchange = nullptr;
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"1", "2", "3"}));
}
