// The report list's FilterAndSort and SortEnabledState: which rows end up
// enabled, the order shown, OnBeforeFilter, errors and notifications.
#include <gtest/gtest.h>

#include <QStringList>

#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

// Six rows: name, a numeric value, a check column with ok / fail.
void PrepareSensors(TReportListView& v) {
  v.setObjectName("list");
  v.SetBounds(0, 0, 400, 200);
  v.BeginUpdate();
  v.SetNrOfColumns(3);
  v.SetColumnCheckMode(3, cmBox);
  v.SetNrOfRows(6);
  const char* const names[] = {"inlet pump", "outlet", "Tank A", "tank B", "pump 2", "valve"};
  const char* const values[] = {"2.5", "10", "1.25", "7", "-3", ""};
  const char* const states[] = {"ok", "ok", "fail", "fail", "ok", ""};
  for (int r = 1; r <= 6; ++r) {
    v.SetElem(1, r, QString::fromLatin1(names[r - 1]));
    v.SetElem(2, r, QString::fromLatin1(values[r - 1]));
    v.SetElem(3, r, QString::fromLatin1(states[r - 1]));
    v.SetElemChecked(3, r, r % 2 == 1);
  }
  v.EndUpdate();
}

// Column 1 of the rows shown, in display order, enabled or disabled ones.
QStringList Names(const TReportListView& v, bool enabled) {
  QStringList result;
  for (int r = 1; r <= v.NrOfRows(); ++r)
    if (v.RowEnabled(r) == enabled) result << v.Elem(1, r);
  return result;
}

QStringList Shown(const TReportListView& v) {
  QStringList result;
  for (int r = 1; r <= v.NrOfRows(); ++r) result << v.Elem(1, r);
  return result;
}

QString FilterError(TReportListView& v, const QString& exp, TFilterMode mode) {
  try {
    v.FilterAndSort(exp, {}, false, mode, 1, true);
  } catch (const EVyrRepListError& e) {
    return e.Message();
  }
  return {};
}

}  // namespace

TEST(RepListFilter, SimpleFilterSortsTheMatchesFirstTheOthersKeepTheirOrder) {
  TReportListView v;
  PrepareSensors(v);
  v.FilterAndSort("pump", {}, false, fmSimple, 2, true);
  // Column 2 is numeric: -3 < 2.5; the rest stay as shown, though by value
  // they would read valve, Tank A, tank B, outlet.
  EXPECT_EQ(Shown(v), QStringList({"pump 2", "inlet pump", "outlet", "Tank A", "tank B", "valve"}));
  EXPECT_EQ(Names(v, true), QStringList({"pump 2", "inlet pump"}));
  EXPECT_EQ(v.NumEnabledRows(), 2);
  EXPECT_EQ(v.LastSortColumn(), 2);
  EXPECT_TRUE(v.LastSortOrder());
  EXPECT_EQ(v.SecondarySortColumn(), -1);
}

TEST(RepListFilter, IgnoreCaseAndChosenColumns) {
  TReportListView v;
  PrepareSensors(v);
  v.FilterAndSort("tank", {1}, true, fmSimple, 1, false);
  EXPECT_EQ(Names(v, true), QStringList({"tank B", "Tank A"}));
  v.FilterAndSort("tank", {1}, false, fmSimple, 1, false);
  EXPECT_EQ(Names(v, true), QStringList({"tank B"}));
  // "1" occurs in column 2 (10, 1.25) but only column 1 is searched.
  v.FilterAndSort("1", {1}, false, fmSimple, 1, true);
  EXPECT_EQ(v.NumEnabledRows(), 0);
  v.FilterAndSort("1", {2}, false, fmSimple, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"outlet", "Tank A"}));
}

TEST(RepListFilter, CheckMarksAreNotPartOfTheSearchedText) {
  TReportListView v;
  PrepareSensors(v);
  v.FilterAndSort("X", {3}, false, fmSimple, -1, true);
  EXPECT_EQ(v.NumEnabledRows(), 0);
  v.FilterAndSort("ok", {3}, false, fmSimple, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"inlet pump", "outlet", "pump 2"}));
  EXPECT_TRUE(v.ElemChecked(3, 1));  // marks unchanged: "inlet pump" is checked
}

TEST(RepListFilter, ColumnsOutsideTheDataAreSkipped) {
  TReportListView v;
  PrepareSensors(v);
  v.SetElem(0, 2, "pump in column 0");
  v.FilterAndSort("pump", {0, 1, 99, -4}, false, fmSimple, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"inlet pump", "pump 2"}));
  v.FilterAndSort("pump", {99}, false, fmSimple, 1, true);
  EXPECT_EQ(v.NumEnabledRows(), 0);
  v.FilterAndSort("", {99}, false, fmSimple, 1, true);
  EXPECT_EQ(v.NumEnabledRows(), 6);
}

TEST(RepListFilter, EmptyExpressionEnablesEveryRow) {
  TReportListView v;
  PrepareSensors(v);
  v.DisableAllRows();
  v.FilterAndSort("", {}, false, fmSimple, 1, true);
  EXPECT_EQ(v.NumEnabledRows(), 6);
  EXPECT_EQ(Shown(v), QStringList({"inlet pump", "outlet", "pump 2", "Tank A", "tank B", "valve"}));
}

TEST(RepListFilter, BooleanTermsSpanColumns) {
  TReportListView v;
  PrepareSensors(v);
  v.FilterAndSort("tank AND fail", {}, true, fmBoolean, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"Tank A", "tank B"}));
  v.FilterAndSort("pump or tank and not b", {}, true, fmBoolean, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"inlet pump", "pump 2", "Tank A"}));
  v.FilterAndSort("outlet ok", {}, false, fmBoolean, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"outlet"}));
  v.FilterAndSort("\"pump 2\" OR \"A\"", {1}, false, fmBoolean, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"pump 2", "Tank A"}));
}

TEST(RepListFilter, GrepMatchesARegularExpressionInSomeColumn) {
  TReportListView v;
  PrepareSensors(v);
  v.FilterAndSort("^t", {}, true, fmGrep, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"Tank A", "tank B"}));
  v.FilterAndSort("\\d$", {1}, false, fmGrep, 1, true);
  EXPECT_EQ(Names(v, true), QStringList({"pump 2"}));
  v.FilterAndSort("^-?\\d+$", {2}, false, fmGrep, 2, false);
  EXPECT_EQ(Names(v, true), QStringList({"outlet", "tank B", "pump 2"}));
}

TEST(RepListFilter, MalformedExpressionRaisesAndChangesNothing) {
  TReportListView v;
  PrepareSensors(v);
  v.Sort(2, -1, false);
  v.SetRowEnabled(3, false);
  const QStringList before = Shown(v);
  int changes = 0, selections = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  v.OnSelectedChange = [&](TObject*) { ++selections; };
  const int paints = v.PaintCount();
  EXPECT_EQ(FilterError(v, "(pump", fmBoolean),
            "Component \"list\": invalid filter expression: \"(\" not closed at position 1");
  EXPECT_EQ(FilterError(v, "pump OR", fmBoolean), "Component \"list\": invalid filter expression: term expected at the end");
  EXPECT_TRUE(FilterError(v, "pu(mp", fmGrep).startsWith("Component \"list\": invalid filter expression: "));
  EXPECT_EQ(FilterError(v, "pump", TFilterMode(7)), "Component \"list\": invalid filter mode 7");
  EXPECT_EQ(FilterError(v, QString(5000, u'('), fmBoolean),
            "Component \"list\": invalid filter expression: nesting deeper than 200 levels at position 201");
  EXPECT_EQ(Shown(v), before);
  EXPECT_FALSE(v.RowEnabled(3));
  EXPECT_EQ(v.NumEnabledRows(), 5);
  EXPECT_EQ(v.LastSortColumn(), 2);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(selections, 0);
  EXPECT_EQ(v.PaintCount(), paints);
}

TEST(RepListFilter, OneChangeOnePaintOneSelectionNotice) {
  TReportListView v;
  PrepareSensors(v);
  int changes = 0, selections = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  v.OnSelectedChange = [&](TObject*) { ++selections; };
  const int paints = v.PaintCount();
  v.FilterAndSort("a", {1}, false, fmSimple, 1, false);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(v.PaintCount(), paints + 1);
}

TEST(RepListFilter, BeforeFilterSeesEveryRowWithNeutralDefaults) {
  TReportListView v;
  PrepareSensors(v);
  std::vector<int> rows;
  v.OnBeforeFilter = [&](TObject* sender, int row, bool& found, TLogicOp& op) {
    EXPECT_EQ(sender, &v);
    EXPECT_TRUE(found);
    EXPECT_EQ(op, loAnd);
    rows.push_back(row);
  };
  v.FilterAndSort("pump", {}, false, fmSimple, 1, true);
  EXPECT_EQ(rows, std::vector<int>({1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Names(v, true), QStringList({"inlet pump", "pump 2"}));
}

TEST(RepListFilter, BeforeFilterCombinesWithTheInternalTest) {
  TReportListView v;
  PrepareSensors(v);
  // Rows as stored: 1 inlet pump, 2 outlet, 3 Tank A, 4 tank B, 5 pump 2, 6 valve.
  const auto decide = [&](TLogicOp how, std::initializer_list<const char*> own) {
    v.OnBeforeFilter = [&v, how, own](TObject*, int row, bool& found, TLogicOp& op) {
      found = false;
      for (const char* name : own) found = found || v.Elem(1, row) == QLatin1String(name);
      op = how;
    };
    v.FilterAndSort("pump", {1}, false, fmSimple, 1, true);
    return Names(v, true);
  };
  EXPECT_EQ(decide(loAnd, {"inlet pump", "valve"}), QStringList({"inlet pump"}));
  EXPECT_EQ(decide(loOr, {"Tank A"}), QStringList({"inlet pump", "pump 2", "Tank A"}));
  EXPECT_EQ(decide(loXor, {"inlet pump", "outlet"}), QStringList({"outlet", "pump 2"}));
  EXPECT_EQ(decide(loNone, {"outlet", "valve"}), QStringList({"outlet", "valve"}));
  EXPECT_EQ(decide(TLogicOp(9), {"inlet pump", "valve"}), QStringList({"inlet pump"}));
}

TEST(RepListFilter, ExceptionFromBeforeFilterChangesNothing) {
  TReportListView v;
  PrepareSensors(v);
  v.OnBeforeFilter = [](TObject*, int row, bool&, TLogicOp&) {
    if (row == 4) throw EVyrError("stop");
  };
  EXPECT_THROW(v.FilterAndSort("pump", {}, false, fmSimple, 1, true), EVyrError);
  EXPECT_EQ(v.NumEnabledRows(), 6);
  EXPECT_EQ(Shown(v), QStringList({"inlet pump", "outlet", "Tank A", "tank B", "pump 2", "valve"}));
}

// A handler that removes rows while the filter asks about them leaves
// results that belong to rows that moved: no row's state changes then, and
// nothing is read or written outside the list.
TEST(RepListFilter, HandlerRemovingRowsLeavesTheStatesAlone) {
  TReportListView v;
  PrepareSensors(v);
  v.SetRowEnabled(3, false);  // Tank A
  v.OnBeforeFilter = [&v](TObject*, int row, bool& found, TLogicOp&) {
    found = true;
    if (row == 2) v.RemoveRow(1);
  };
  v.FilterAndSort("pump", {}, false, fmSimple, 1, true);
  EXPECT_EQ(v.NrOfRows(), 5);
  EXPECT_EQ(Names(v, false), QStringList({"Tank A"}));
  EXPECT_EQ(Names(v, true), QStringList({"outlet", "pump 2", "tank B", "valve"}));
}

TEST(RepListFilter, EmptyListIsFine) {
  TReportListView v;
  v.SetNrOfRows(0);
  v.FilterAndSort("x", {}, false, fmBoolean, 1, true);
  v.SortEnabledState(1, 2, false);
  EXPECT_EQ(v.NrOfRows(), 0);
}

TEST(RepListSortEnabled, DisabledRowsFollowUnsortedInTheirShownOrder) {
  TReportListView v;
  PrepareSensors(v);
  v.SetRowEnabled(2, false);  // outlet
  v.SetRowEnabled(5, false);  // pump 2
  v.SetRowSelected(5, true);
  v.SortEnabledState(1, -1, false);
  // Text order ignores case: valve > tank B > Tank A > inlet pump.
  EXPECT_EQ(Shown(v), QStringList({"valve", "tank B", "Tank A", "inlet pump", "outlet", "pump 2"}));
  EXPECT_EQ(Names(v, false), QStringList({"outlet", "pump 2"}));
  EXPECT_TRUE(v.RowSelected(6));  // the selection travelled with "pump 2"
  EXPECT_EQ(v.NumSelectedRows(), 1);
  EXPECT_EQ(v.LastSortColumn(), 1);
  EXPECT_FALSE(v.LastSortOrder());
}

TEST(RepListSortEnabled, SecondColumnBreaksTies) {
  TReportListView v;
  v.SetNrOfColumns(2);
  v.SetNrOfRows(5);
  const char* const group[] = {"b", "a", "b", "a", "a"};
  const char* const value[] = {"1", "3", "2", "1", "2"};
  for (int r = 1; r <= 5; ++r) {
    v.SetElem(1, r, QString::fromLatin1(group[r - 1]));
    v.SetElem(2, r, QString::fromLatin1(value[r - 1]));
  }
  v.SetRowEnabled(4, false);
  v.SortEnabledState(1, 2, true);
  QStringList shown;
  for (int r = 1; r <= 5; ++r) shown << v.Elem(1, r) + v.Elem(2, r);
  EXPECT_EQ(shown, QStringList({"a2", "a3", "b1", "b2", "a1"}));
  EXPECT_EQ(v.SecondarySortColumn(), 2);
  v.SortEnabledState(1, 7, true);  // no such column: no secondary sort
  EXPECT_EQ(v.SecondarySortColumn(), -1);
}

TEST(RepListSortEnabled, InvalidFirstColumnKeepsTheOrderWithinEachGroup) {
  TReportListView v;
  PrepareSensors(v);
  v.Sort(2, -1, true);  // valve, pump 2, Tank A, inlet pump, tank B, outlet
  v.SetRowEnabled(2, false);  // pump 2
  v.SetRowEnabled(5, false);  // tank B
  int changes = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  const int paints = v.PaintCount();
  v.SortEnabledState(-1, 1, false);
  EXPECT_EQ(Shown(v), QStringList({"valve", "Tank A", "inlet pump", "outlet", "pump 2", "tank B"}));
  EXPECT_EQ(v.LastSortColumn(), 2);
  EXPECT_TRUE(v.LastSortOrder());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(v.PaintCount(), paints + 1);
  v.SortEnabledState(99, -1, false);
  EXPECT_EQ(Shown(v), QStringList({"valve", "Tank A", "inlet pump", "outlet", "pump 2", "tank B"}));
}

TEST(RepListSortEnabled, ClosesTheInPlaceEditor) {
  TReportListView v;
  PrepareSensors(v);
  v.SetColumnEditable(1, true);
  v.SetOptions(v.Options() & ~goRowSelect);
  v.SetRow(v.CountHeadRows() + 1);
  v.SetCol(0);
  v.ShowEditor();
  ASSERT_TRUE(v.EditorMode());
  v.FilterAndSort("tank", {}, true, fmSimple, 1, true);
  EXPECT_FALSE(v.EditorMode());
}
