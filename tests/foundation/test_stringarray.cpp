#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>
#include <vector>

#include "foundation/CellText.h"
#include "foundation/Errors.h"
#include "foundation/StringArray.h"

using namespace vyr;

namespace {

// A table with one data column (1) filled from the given texts, rows 1..n.
void FillColumn(TStringArray& a, int col, const QStringList& texts) {
  if (a.NrOfRows() < texts.size()) a.Resize(std::max(a.NrOfColumns(), col), int(texts.size()));
  for (int i = 0; i < texts.size(); ++i) a.SetString(col, i + 1, texts[i]);
}

QStringList Displayed(const TStringArray& a, int col) {
  QStringList out;
  for (int r = 1; r <= a.NrOfRows(); ++r) out << a.GetString(col, r);
  return out;
}

std::vector<int> Order(const TStringArray& a) {
  std::vector<int> out;
  for (int r = 1; r <= a.NrOfRows(); ++r) out.push_back(a.GetSortOrder(r));
  return out;
}

}  // namespace

TEST(StringArrayCells, NewTableHasOnlyCellZeroZero) {
  TStringArray a;
  EXPECT_EQ(a.NrOfColumns(), 0);
  EXPECT_EQ(a.NrOfRows(), 0);
  a.SetString(0, 0, "x");
  EXPECT_EQ(a.GetString(0, 0), "x");
  EXPECT_EQ(a.AllocRowsBy(), 16);
}

TEST(StringArrayCells, ResizeKeepsWhatStaysInside) {
  TStringArray a;
  a.Resize(2, 3);
  a.SetString(1, 1, "a");
  a.SetString(2, 3, "c");
  a.SetString(0, 2, "zero");
  a.Resize(1, 2);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 2);
  EXPECT_EQ(a.GetString(1, 1), "a");
  EXPECT_EQ(a.GetString(0, 2), "zero");
  a.Resize(3, 4);
  EXPECT_EQ(a.GetString(2, 3), "");  // was dropped, not kept hidden
  EXPECT_EQ(a.GetString(1, 1), "a");
  a.Resize(-1, -5);
  EXPECT_EQ(a.NrOfColumns(), 0);
  EXPECT_EQ(a.NrOfRows(), 0);
}

TEST(StringArrayCells, OutOfRangeIsIgnoredAndReadsEmpty) {
  TStringArray a;
  a.Resize(2, 2);
  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.SetString(3, 1, "x");
  a.SetString(1, 3, "x");
  a.SetString(-1, 1, "x");
  a.SetRowAttrib(3, 1);
  a.SetColAttrib(-1, 1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(a.GetString(3, 1), "");
  EXPECT_EQ(a.GetString(1, -1), "");
  EXPECT_EQ(a.GetRowAttrib(5), 0);
  EXPECT_EQ(a.GetColAttrib(9), 0);
  EXPECT_EQ(a.GetSortOrder(3), 0);
}

TEST(StringArrayCells, CutsAt256WithoutSplittingASurrogatePair) {
  TStringArray a;
  a.Resize(1, 1);
  a.SetString(1, 1, QString(300, 'x'));
  EXPECT_EQ(a.GetString(1, 1), QString(256, 'x'));
  const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // two UTF-16 units
  a.SetString(1, 1, QString(255, 'a') + clef);
  EXPECT_EQ(a.GetString(1, 1), QString(255, 'a'));
  a.SetString(1, 1, QString(254, 'a') + clef + "b");
  EXPECT_EQ(a.GetString(1, 1), QString(254, 'a') + clef);
}

TEST(StringArrayCells, ClearingOneCellKeepsTheOthersOfItsRow) {
  // Clearing a cell passes an empty text, which has no data pointer; the
  // row must neither copy from it nor lose its neighbours.
  for (const bool grow : {false, true}) {
    TStringArray a;
    a.Resize(3, 1);
    a.SetString(1, 1, "left");
    a.SetString(2, 1, "middle");
    a.SetString(3, 1, "right");
    if (grow) a.SetString(1, 1, QString(200, 'w'));  // no spare room left in the block
    a.SetString(2, 1, QString());
    EXPECT_EQ(a.GetString(2, 1), "");
    EXPECT_EQ(a.GetString(3, 1), "right");
    EXPECT_EQ(a.GetString(1, 1), grow ? QString(200, 'w') : QStringLiteral("left"));
    a.SetString(1, 1, QString());
    a.SetString(3, 1, QString());
    EXPECT_EQ(a.GetString(3, 1), "");
    a.RemoveColumn(2);
    EXPECT_EQ(a.GetString(1, 1), "");
  }
}

TEST(StringArrayCells, EditsOfNeighbouringCellsDoNotDisturbEachOther) {
  TStringArray a;
  a.Resize(3, 1);
  a.SetString(0, 1, "zero");
  a.SetString(1, 1, "one");
  a.SetString(2, 1, "two");
  a.SetString(3, 1, "three");
  a.SetString(1, 1, "a much longer text");
  a.SetString(2, 1, "");
  a.SetString(3, 1, "3");
  EXPECT_EQ(Displayed(a, 0), QStringList{"zero"});
  EXPECT_EQ(a.GetString(1, 1), "a much longer text");
  EXPECT_EQ(a.GetString(2, 1), "");
  EXPECT_EQ(a.GetString(3, 1), "3");
  a.SetString(0, 1, "");
  a.SetString(1, 1, "");
  a.SetString(3, 1, "");
  EXPECT_EQ(a.GetString(3, 1), "");
}

TEST(StringArrayNotify, OneCallPerChangeNoneForEqualValues) {
  TStringArray a;
  int changes = 0;
  a.OnChange = [&](QObject* sender) {
    EXPECT_EQ(sender, &a);
    ++changes;
  };
  a.Resize(2, 2);
  EXPECT_EQ(changes, 1);
  a.SetString(1, 1, "v");
  a.SetString(1, 1, "v");
  EXPECT_EQ(changes, 2);
  a.SetRowAttrib(1, 0x80);
  a.SetRowAttrib(1, 0x80);
  a.SetColAttrib(1, 0x80);
  EXPECT_EQ(changes, 4);
  a.Resize(2, 2);
  EXPECT_EQ(changes, 4);
}

TEST(StringArrayNotify, BulkUpdateRaisesOneNotification) {
  TStringArray a;
  a.Resize(8, 100);
  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.BeginUpdate();
  a.BeginUpdate();
  for (int r = 1; r <= 100; ++r)
    for (int c = 1; c <= 8; ++c) a.SetString(c, r, QString::number(r * c));
  a.EndUpdate();
  EXPECT_EQ(changes, 0);
  a.EndUpdate();
  EXPECT_EQ(changes, 1);
  a.EndUpdate();  // unbalanced: nothing happens
  a.BeginUpdate();
  a.EndUpdate();  // nothing changed: no call
  EXPECT_EQ(changes, 1);
  a.Clear();
  a.Sort(1, -1, true);
  EXPECT_EQ(changes, 3);
}

TEST(StringArrayRows, InsertAtStartMiddleAndEnd) {
  TStringArray a;
  FillColumn(a, 1, {"a", "b", "c"});
  a.SetRowAttrib(2, 0x40);
  a.InsertRow(1);
  a.InsertRow(3);
  a.InsertRow(6);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"", "a", "", "b", "c", ""}));
  EXPECT_EQ(a.GetRowAttrib(4), 0x40);
  a.InsertRow(0);
  a.InsertRow(8);
  EXPECT_EQ(a.NrOfRows(), 6);
}

TEST(StringArrayRows, RemoveAtStartMiddleAndEnd) {
  TStringArray a;
  FillColumn(a, 1, {"a", "b", "c", "d", "e"});
  a.SetRowAttrib(4, 0x80);
  a.RemoveRow(1);
  a.RemoveRow(2);
  a.RemoveRow(3);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"b", "d"}));
  EXPECT_EQ(a.GetRowAttrib(2), 0x80);
  a.RemoveRow(0);
  a.RemoveRow(3);
  EXPECT_EQ(a.NrOfRows(), 2);
  a.RemoveRow(1);
  a.RemoveRow(1);
  EXPECT_EQ(a.NrOfRows(), 0);
  a.RemoveRow(1);
  EXPECT_EQ(a.NrOfRows(), 0);
}

TEST(StringArrayColumns, InsertAndRemoveShiftCellsAndAttributes) {
  TStringArray a;
  a.Resize(2, 1);
  a.SetString(0, 1, "c0");
  a.SetString(1, 1, "c1");
  a.SetString(2, 1, "c2");
  a.SetColAttrib(1, 0x80);
  a.InsertColumn(1);
  EXPECT_EQ(a.NrOfColumns(), 3);
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetString(2, 1), "c1");
  EXPECT_EQ(a.GetColAttrib(2), 0x80);
  EXPECT_EQ(a.GetColAttrib(1), 0);
  a.InsertColumn(4);
  EXPECT_EQ(a.NrOfColumns(), 4);
  a.InsertColumn(6);
  EXPECT_EQ(a.NrOfColumns(), 4);
  a.RemoveColumn(0);
  EXPECT_EQ(a.GetString(0, 1), "");
  EXPECT_EQ(a.GetString(1, 1), "c1");
  EXPECT_EQ(a.GetString(2, 1), "c2");
  EXPECT_EQ(a.GetColAttrib(1), 0x80);
  a.Resize(0, 1);
  a.RemoveColumn(0);  // the last column stays
  EXPECT_EQ(a.NrOfColumns(), 0);
}

TEST(StringArrayLimits, RefusesOversizeAndKeepsContent) {
  TStringArray a;
  a.Resize(1, 1);
  a.SetString(1, 1, "kept");
  EXPECT_THROW(a.Resize(100000, 100000), EVyrDStructError);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.GetString(1, 1), "kept");
  a.SetAllocRowsBy(0);
  EXPECT_EQ(a.AllocRowsBy(), 1);
  a.SetAllocRowsBy(10);
  EXPECT_EQ(a.AllocRowsBy(), 10);
}

TEST(StringArraySort, NumericColumnSortsByValueEmptiesFirst) {
  TStringArray a;
  FillColumn(a, 1, {"10", "9", "", "100", "-1e3", " 3,5 ", "+2"});
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"", "-1e3", "+2", " 3,5 ", "9", "10", "100"}));
  a.Sort(1, -1, false);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"100", "10", "9", " 3,5 ", "+2", "-1e3", ""}));
}

TEST(StringArraySort, TextColumnIgnoresCaseThenUsesCodes) {
  TStringArray a;
  FillColumn(a, 1, {"b", "a", "C", "A", "10", "9"});
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"10", "9", "A", "a", "b", "C"}));
}

TEST(StringArraySort, TiesKeepStorageOrderInBothDirections) {
  TStringArray a;
  a.Resize(2, 5);
  const QStringList keys{"2", "1", "2", "1", "2"};
  for (int r = 1; r <= 5; ++r) {
    a.SetString(1, r, keys[r - 1]);
    a.SetString(2, r, QString::number(r));
  }
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"2", "4", "1", "3", "5"}));
  a.Sort(1, -1, false);
  EXPECT_EQ(Displayed(a, 2), (QStringList{"1", "3", "5", "2", "4"}));
}

TEST(StringArraySort, SecondaryColumnBreaksTies) {
  TStringArray a;
  a.Resize(2, 4);
  const QStringList first{"x", "y", "x", "y"};
  const QStringList second{"2", "1", "1", "2"};
  for (int r = 1; r <= 4; ++r) {
    a.SetString(1, r, first[r - 1]);
    a.SetString(2, r, second[r - 1]);
  }
  a.Sort(1, 2, true);
  EXPECT_EQ(Order(a), (std::vector<int>{3, 1, 2, 4}));
  a.Sort(1, 2, false);
  EXPECT_EQ(Order(a), (std::vector<int>{4, 2, 1, 3}));
  a.Sort(1, 9, true);  // an invalid secondary column means none
  EXPECT_EQ(Order(a), (std::vector<int>{1, 3, 2, 4}));
}

TEST(StringArraySort, AttributesTravelWithTheirRows) {
  TStringArray a;
  FillColumn(a, 1, {"c", "a", "b"});
  a.SetRowAttrib(1, 0x80);
  a.Sort(1, -1, true);
  EXPECT_EQ(a.GetRowAttrib(3), 0x80);
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  a.SetRowAttrib(1, 0x40);  // row showing "a", stored as row 2
  a.UnSort();
  EXPECT_EQ(a.GetRowAttrib(2), 0x40);
}

// The rows carrying a bit of the mask leave the sort: they follow the
// sorted rows in the order they were shown in, whatever their keys.
TEST(StringArraySort, UnmarkedRowsSortedMarkedOnesFollowInTheirShownOrder) {
  TStringArray a;
  FillColumn(a, 1, {"5", "3", "9", "1", "7", "2"});
  a.Sort(1, -1, false);  // shown: 9 7 5 3 2 1
  for (int r = 1; r <= a.NrOfRows(); ++r)
    if (a.GetString(1, r) == "7" || a.GetString(1, r) == "3" || a.GetString(1, r) == "1") a.SetRowAttrib(r, 0x81);
  a.SortUnmarkedFirst(0x01, 1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"2", "5", "9", "7", "3", "1"}));
  EXPECT_EQ(a.GetRowAttrib(4), 0x81);
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  // Without a sort column the groups keep the shown order.
  a.SetRowAttrib(1, 0x01);
  a.SortUnmarkedFirst(0x01, -1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"5", "9", "2", "7", "3", "1"}));
  // A mask no row carries sorts everything.
  a.SortUnmarkedFirst(0x02, 1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"1", "2", "3", "5", "7", "9"}));
}

TEST(StringArraySort, InvalidColumnIsIgnored) {
  TStringArray a;
  FillColumn(a, 1, {"b", "a"});
  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.Sort(5, -1, true);
  a.Sort(-1, 1, true);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"b", "a"}));
}

TEST(StringArraySort, UnSortAndCommit) {
  TStringArray a;
  FillColumn(a, 1, {"c", "a", "b"});
  a.Sort(1, -1, true);
  EXPECT_EQ(Order(a), (std::vector<int>{2, 3, 1}));
  a.UnSort();
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "a", "b"}));
  a.Sort(1, -1, false);
  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.CommitSorting();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Order(a), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "b", "a"}));
  a.UnSort();
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "b", "a"}));
}

TEST(StringArraySort, InsertAndRemoveWhileSorted) {
  TStringArray a;
  FillColumn(a, 1, {"c", "a", "b"});
  a.Sort(1, -1, true);  // shows a, b, c
  a.InsertRow(2);
  a.SetString(1, 2, "new");
  EXPECT_EQ(Displayed(a, 1), (QStringList{"a", "new", "b", "c"}));
  a.RemoveRow(3);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"a", "new", "c"}));
  a.UnSort();
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "a", "new"}));
}

TEST(StringArraySort, AppendAndRemoveLastWhileSorted) {
  TStringArray a;
  FillColumn(a, 1, {"c", "a", "b"});
  a.Sort(1, -1, true);  // shows a, b, c
  a.InsertRow(4);
  a.SetString(1, 4, "d");
  a.RemoveRow(2);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"a", "c", "d"}));
  a.UnSort();
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "a", "d"}));
  a.Sort(1, -1, false);  // d, c, a
  a.RemoveRow(1);
  a.UnSort();
  EXPECT_EQ(Displayed(a, 1), (QStringList{"c", "a"}));
}

TEST(StringArraySort, ShrinkingWhileSortedDropsStorageRows) {
  TStringArray a;
  FillColumn(a, 1, {"c", "a", "b"});
  a.Sort(1, -1, true);
  a.Resize(1, 2);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"a", "c"}));
  a.Resize(1, 3);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"a", "c", ""}));
}

TEST(StringArraySort, SetSortOrderReproducesAnotherOrder) {
  TStringArray source;
  FillColumn(source, 1, {"d", "b", "e", "a", "c"});
  source.Sort(1, -1, true);
  TStringArray copy;
  FillColumn(copy, 1, {"d", "b", "e", "a", "c"});
  for (int r = 1; r <= 5; ++r) copy.SetSortOrder(r, source.GetSortOrder(r));
  EXPECT_EQ(Order(copy), Order(source));
  EXPECT_EQ(Displayed(copy, 1), (QStringList{"a", "b", "c", "d", "e"}));
  copy.SetSortOrder(0, 1);
  copy.SetSortOrder(1, 6);
  EXPECT_EQ(Order(copy), Order(source));
}

TEST(StringArraySort, HookSuppliesTheComparedText) {
  TStringArray a;
  FillColumn(a, 1, {"three", "one", "two"});
  const QStringList names{"zero", "one", "two", "three"};
  a.OnBeforeSortExchange = [&](QObject* sender, const QString& s, QString& t) {
    EXPECT_EQ(sender, &a);
    EXPECT_EQ(t, s);
    t = QString::number(names.indexOf(s));
  };
  a.Sort(1, -1, true);
  EXPECT_EQ(Displayed(a, 1), (QStringList{"one", "two", "three"}));
}

TEST(StringArraySort, PercentDoneRisesToHundred) {
  TStringArray a;
  a.Resize(1, 1000);
  for (int r = 1; r <= 1000; ++r) a.SetString(1, r, QString::number(1000 - r));
  std::vector<int> reports;
  a.OnPercentDone = [&](QObject*, int p) { reports.push_back(p); };
  a.Sort(1, 0, true);
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.front(), 0);
  EXPECT_EQ(reports.back(), 100);
  EXPECT_LE(reports.size(), 101u);
  for (std::size_t i = 1; i < reports.size(); ++i) EXPECT_LT(reports[i - 1], reports[i]);
}

TEST(StringArraySort, LargeNumericColumnIsSortedAndStable) {
  // Enough rows for the radix path; keys repeat so stability shows.
  const int n = 5000;
  TStringArray a;
  a.Resize(1, n);
  for (int r = 1; r <= n; ++r) a.SetString(1, r, QString::number((r * 7919) % 100 - 50));
  a.Sort(1, -1, false);
  for (int r = 2; r <= n; ++r) {
    const int prev = a.GetString(1, r - 1).toInt();
    const int cur = a.GetString(1, r).toInt();
    ASSERT_GE(prev, cur);
    if (prev == cur) ASSERT_LT(a.GetSortOrder(r - 1), a.GetSortOrder(r));
  }
  EXPECT_EQ(a.GetString(1, 1), "49");
  EXPECT_EQ(a.GetString(1, n), "-50");
}

TEST(StringArraySort, LargeTextColumnWithSharedBeginningIsSortedAndStable) {
  // Texts that differ only after "sensor ", some in capitals, each repeated.
  const int n = 3000;
  TStringArray a;
  a.Resize(1, n);
  for (int r = 1; r <= n; ++r) {
    const QString text = QStringLiteral("sensor %1").arg((r * 7919) % 100);
    a.SetString(1, r, r % 3 == 0 ? text.toUpper() : text);
  }
  a.Sort(1, -1, false);
  for (int r = 2; r <= n; ++r) {
    const int comparison = CompareCellText(a.GetString(1, r - 1), a.GetString(1, r));
    ASSERT_GE(comparison, 0) << r;
    if (comparison == 0) ASSERT_LT(a.GetSortOrder(r - 1), a.GetSortOrder(r)) << r;
  }
  EXPECT_EQ(a.GetString(1, 1), "sensor 99");
  EXPECT_EQ(a.GetString(1, n), "SENSOR 0");
}

namespace {

struct TNumberCase {
  QString text;
  double value;
};

void ExpectNumbers(std::initializer_list<TNumberCase> cases) {
  for (const TNumberCase& c : cases) {
    double v = 0;
    EXPECT_TRUE(CellTextToNumber(c.text, v)) << c.text.toStdString();
    EXPECT_EQ(v, c.value) << c.text.toStdString();
  }
}

void ExpectNoNumbers(std::initializer_list<QString> texts) {
  for (const QString& text : texts) {
    double v = 42;
    EXPECT_FALSE(CellTextToNumber(text, v)) << text.toStdString();
    EXPECT_EQ(v, 42.0) << text.toStdString();
  }
}

}  // namespace

TEST(CellText, ReadsDecimalNumbersOnly) {
  ExpectNumbers({{" 3,5 ", 3.5},
                 {".5", 0.5},
                 {"-2E3", -2000.0},
                 {"+7", 7.0},
                 {"0,0012", 0.0012},
                 {"0.1", 0.1},
                 {"00012", 12.0},
                 {"1.e5", 100000.0},
                 {"123456789012345678", 123456789012345678.0},  // beyond 15 digits
                 {"2.5e-30", 2.5e-30}});
  ExpectNoNumbers({"", "   ", "+-5", "-+5", "inf", "nan", "1e", "1e999", "0x10", "1.2.3", "abc", ".", "e5", "1e+",
                   "1 2"});
}

TEST(CellText, ReadsLongAndWideMantissasToTheNearestDouble) {
  ExpectNumbers({{"9007199254740993", 9007199254740992.0},  // 2^53 + 1, halfway: to even
                 {"-1234567890123456789", -1234567890123456768.0},
                 {"0,30000000000000004", 0.30000000000000004},
                 {"+1e+22", 1e22},
                 {"1e23", 1e23},
                 // Many trailing zeros are no reason to refuse a number.
                 {"1.2345" + QString(500, u'0'), 1.2345}});
  ExpectNoNumbers({"1e-400", "-1" + QString(400, u'0')});
}

TEST(CellText, CompareIgnoresCaseFirst) {
  EXPECT_LT(CompareCellText(u"apple", u"Banana"), 0);
  EXPECT_LT(CompareCellText(u"A", u"a"), 0);
  EXPECT_EQ(CompareCellText(u"same", u"same"), 0);
  EXPECT_LT(CompareCellText(u"", u"a"), 0);
}
