// The report list view's selection, check marks by mouse, sorting by
// header click, keys, scrolling positions and structure operations.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "RepListTestKit.h"
#include "host/KeyCodes.h"
#include "replist/Vyr_replist.h"
#include "support/AssignWalk.h"

using namespace vyr;
using namespace repltest;

TEST(RepListSelect, SingleModeSelectsOnlyTheClickedRow) {
  TReportListView v;
  Prepare(v, 5);
  int changes = 0;
  v.OnSelectedChange = [&](TObject*) { ++changes; };
  ClickRow(v, 1);
  ClickRow(v, 3);
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(v.RowSelected(1));
  EXPECT_TRUE(v.RowSelected(3));
  EXPECT_EQ(v.NumSelectedRows(), 1);
  EXPECT_EQ(v.FirstSelectedRow(), 3);
}

TEST(RepListSelect, MultipleModeWithShiftAndCtrl) {
  TReportListView v;
  Prepare(v, 6);
  v.SetRowSelectMode(2);
  ClickRow(v, 2);
  ClickRow(v, 5, ssShift);
  EXPECT_EQ(v.NumSelectedRows(), 4);
  EXPECT_TRUE(v.RowSelected(2));
  EXPECT_TRUE(v.RowSelected(5));
  ClickRow(v, 4, ssCtrl);
  EXPECT_FALSE(v.RowSelected(4));
  EXPECT_EQ(v.NumSelectedRows(), 3);
  ClickRow(v, 1);
  EXPECT_EQ(v.NumSelectedRows(), 1);
  v.SetUseCtrlForMultiSel(false);
  ClickRow(v, 3);
  EXPECT_EQ(v.NumSelectedRows(), 2);
  ClickRow(v, 3);
  EXPECT_EQ(v.NumSelectedRows(), 1);
}

TEST(RepListSelect, ShiftRangeLeavesDisabledRowsAsTheyWere) {
  TReportListView v;
  Prepare(v, 6);
  v.SetRowSelectMode(2);
  v.SetRowEnabled(4, false);
  ClickRow(v, 2);
  ClickRow(v, 5, ssShift);
  EXPECT_FALSE(v.RowEnabled(4));
  EXPECT_TRUE(v.RowEnabled(3));
  EXPECT_TRUE(v.RowSelected(4));
  EXPECT_EQ(v.NumEnabledRows(), 5);
}

TEST(RepListSelect, ReleaseBelowTheLastRowDeselectsAll) {
  TReportListView v;
  Prepare(v, 3);
  v.SetRowSelectMode(2);
  ClickRow(v, 2);
  ASSERT_EQ(v.NumSelectedRows(), 1);
  v.MouseUp(mbLeft, 0, 50, 190);
  EXPECT_EQ(v.NumSelectedRows(), 0);
}

TEST(RepListSelect, ModeZeroMovesTheGridSelectionOutside) {
  TReportListView v;
  Prepare(v, 3);
  v.SelectAllRows();
  v.SetRowSelectMode(0);
  EXPECT_EQ(v.NumSelectedRows(), 0);
  EXPECT_EQ(v.Selection().Top, 4);
  ClickRow(v, 2);
  EXPECT_EQ(v.NumSelectedRows(), 0);
}

TEST(RepListSelect, FirstSelectedRowIsZeroWhenThatRowIsDisabled) {
  TReportListView v;
  Prepare(v, 4);
  v.SetRowSelected(2, true);
  v.SetRowSelected(3, true);
  EXPECT_EQ(v.FirstSelectedRow(), 2);
  v.SetRowEnabled(2, false);
  EXPECT_EQ(v.FirstSelectedRow(), 0);
  EXPECT_FALSE(v.RowSelected(0));
  EXPECT_FALSE(v.RowEnabled(9));
}

TEST(RepListSelect, ColumnsAndBatchOperations) {
  TReportListView v;
  Prepare(v, 4);
  int changes = 0;
  v.OnSelectedChange = [&](TObject*) { ++changes; };
  v.SelectColumn(3);
  EXPECT_EQ(v.FirstSelectedColumn(), 3);
  EXPECT_EQ(v.NumSelectedColumns(), 1);
  v.SelectAllColumns();
  EXPECT_EQ(v.NumSelectedColumns(), 5);
  v.DeselectAllColumns();
  EXPECT_EQ(v.FirstSelectedColumn(), 0);
  v.DisableAllRows();
  EXPECT_EQ(v.NumEnabledRows(), 0);
  v.EnableAllRows();
  EXPECT_EQ(v.NumEnabledRows(), 4);
  v.SelectRow(9);
  EXPECT_EQ(v.NumSelectedRows(), 0);
  EXPECT_EQ(changes, 6);
}

TEST(RepListSort, HeaderClicksSortDescendingThenAscendingAndKeepTheSelectedRow) {
  TReportListView v;
  Prepare(v, 3);
  v.SetElem(2, 1, "20");
  v.SetElem(2, 2, "3");
  v.SetElem(2, 3, "100");
  ClickRow(v, 1);  // "20"
  const TRect h = CellOf(v, 1, 0);
  v.MouseDown(mbLeft, 0, (h.Left + h.Right) / 2, 10);
  EXPECT_EQ(v.LastSortColumn(), 2);
  EXPECT_FALSE(v.LastSortOrder());
  EXPECT_EQ(v.Elem(2, 1), "100");
  EXPECT_EQ(v.Elem(2, 3), "3");
  EXPECT_TRUE(v.RowSelected(2));
  EXPECT_EQ(v.Selection().Top, 2);
  v.MouseDown(mbLeft, 0, (h.Left + h.Right) / 2, 10);
  EXPECT_TRUE(v.LastSortOrder());
  EXPECT_EQ(v.Elem(2, 1), "3");
}

TEST(RepListSort, ClicksNearAHeaderBorderDoNotSort) {
  TReportListView v;
  Prepare(v, 3);
  const TRect h = CellOf(v, 1, 0);
  v.MouseDown(mbLeft, 0, h.Left + 3, 10);
  v.MouseUp(mbLeft, 0, h.Left + 3, 10);
  v.MouseDown(mbLeft, 0, h.Right - 2, 10);
  v.MouseUp(mbLeft, 0, h.Right - 2, 10);
  EXPECT_EQ(v.LastSortColumn(), -1);
  v.SetSortEnabled(false);
  v.MouseDown(mbLeft, 0, (h.Left + h.Right) / 2, 10);
  EXPECT_EQ(v.LastSortColumn(), -1);
}

TEST(RepListChecks, BoxClickRaisesBothEventsAndMayBeVetoed) {
  TReportListView v;
  Prepare(v, 3);
  v.SetColumnCheckMode(2, cmBox);
  std::vector<std::pair<int, bool>> events;  // 1 before, 2 after
  v.OnBeforeCheckedChange = [&](TObject*, bool& state, int col, int row) {
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    events.push_back({1, state});
  };
  v.OnCheckedChange = [&](TObject*, bool& state, int, int) { events.push_back({2, state}); };
  ClickBox(v, 1, 2);
  EXPECT_TRUE(v.ElemChecked(2, 2));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], (std::pair<int, bool>{1, true}));
  EXPECT_EQ(events[1], (std::pair<int, bool>{2, false}));
  v.OnBeforeCheckedChange = [](TObject*, bool& state, int, int) { state = true; };
  ClickBox(v, 1, 2);
  EXPECT_TRUE(v.ElemChecked(2, 2));
  v.OnBeforeCheckedChange = nullptr;
  v.SetElemChecked(2, 3, false);
  v.OnBeforeCheckedChange = [](TObject*, bool& state, int, int) { state = false; };
  ClickBox(v, 1, 3);
  EXPECT_FALSE(v.ElemChecked(2, 3));
}

TEST(RepListChecks, RadioClickKeepsOneMarkAndReadOnlyOrDisabledIgnoreClicks) {
  TReportListView v;
  Prepare(v, 3);
  v.SetColumnCheckMode(2, cmRadio);
  ClickBox(v, 1, 1);
  ClickBox(v, 1, 3);
  ClickBox(v, 1, 3);  // a checked radio cell stays checked
  EXPECT_TRUE(v.ElemChecked(2, 3));
  EXPECT_EQ(v.CountCheckedElemsInCol(2), 1);
  v.SetCheckMarksReadOnly(true);
  ClickBox(v, 1, 1);
  EXPECT_FALSE(v.ElemChecked(2, 1));
  v.SetCheckMarksReadOnly(false);
  v.SetRowEnabled(1, false);
  ClickBox(v, 1, 1);
  EXPECT_FALSE(v.ElemChecked(2, 1));
  v.SetElemChecked(2, 1, true);
  EXPECT_EQ(v.CountCheckedElemsInCol(2), 0);  // disabled rows do not count
}

TEST(RepListKeys, CursorKeysSelectTheNewRowInEveryMode) {
  for (int mode : {0, 1, 2}) {
    TReportListView v;
    Prepare(v, 5);
    v.SetRowSelectMode(mode);
    ClickRow(v, 2);
    quint16 seen = 0;
    v.OnCursorKeyAction = [&](TObject*, quint16 key) { seen = key; };
    if (mode == 0) v.SetSelection({0, 2, 4, 2});
    quint16 key = VK_DOWN;
    v.KeyDown(key, 0);
    EXPECT_EQ(seen, VK_DOWN);
    EXPECT_TRUE(v.RowSelected(3)) << mode;
    EXPECT_EQ(v.NumSelectedRows(), 1);
    key = VK_END;
    v.KeyDown(key, 0);
    EXPECT_EQ(seen, VK_END);
  }
}

TEST(RepListKeys, AutoAdvanceMovesDownOnEnter) {
  TReportListView v;
  Prepare(v, 5);
  ClickRow(v, 2);
  v.SetAutoAdvance(true);
  QChar enter(13);
  v.KeyPress(enter);
  EXPECT_TRUE(v.RowSelected(3));
  EXPECT_EQ(v.Selection().Top, 3);
}

TEST(RepListKeys, WheelDoesNotScrollByItself) {
  TReportListView v;
  Prepare(v, 50);
  EXPECT_FALSE(v.DoMouseWheelDown(0, {10, 10}));
  EXPECT_EQ(v.TopRow(), 1);
  v.OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    v.SetTopRow(v.TopRow() + 3);
    handled = true;
  };
  EXPECT_TRUE(v.DoMouseWheelDown(0, {10, 10}));
  EXPECT_EQ(v.TopRow(), 4);
}

TEST(RepListScroll, TopRowAndLeftColInDataNumbering) {
  TReportListView v;
  Prepare(v, 10);
  v.SetBounds(0, 0, 200, 80);
  v.SetTopRow(1000);
  EXPECT_EQ(v.TopRow(), 10);
  v.SetTopRow(6);
  EXPECT_EQ(v.TopRow(), 6);
  v.SetTopRow(-4);
  EXPECT_EQ(v.TopRow(), 1);
  v.SetFixedFirstColumn(true);
  v.SetLeftCol(0);
  EXPECT_EQ(v.LeftCol(), 2);
  v.CenterScrollAndSelect(8);
  EXPECT_TRUE(v.RowSelected(8));
  EXPECT_EQ(v.Selection().Top, 8);
}

TEST(RepListStructure, InsertRowAppendsOrInserts) {
  TReportListView v;
  Prepare(v, 3);
  EXPECT_EQ(v.InsertRow(v.NrOfRows() + 5), 4);
  EXPECT_EQ(v.NrOfRows(), 4);
  EXPECT_EQ(v.InsertRow(0), 0);
  EXPECT_EQ(v.NrOfRows(), 4);
  EXPECT_EQ(v.InsertRow(2), 2);
  EXPECT_EQ(v.Elem(1, 2), "");
  EXPECT_EQ(v.Elem(1, 3), "r2");
  EXPECT_EQ(v.AddRow(), 6);
  EXPECT_EQ(v.RowCount(), 7);
}

TEST(RepListStructure, ColumnOrderValidationAndRemoval) {
  TReportListView v;
  Prepare(v, 2);
  EXPECT_FALSE(v.SetColumnOrder({1, 2}));
  EXPECT_EQ(v.ColumnOrder(1), 1);
  EXPECT_FALSE(v.SetColumnOrder({1, 1, 2, 3, 4}));
  ASSERT_TRUE(v.SetColumnOrder({5, 4, 3, 2, 1}));
  v.SetColumnAlignment(4, taRightJustify);
  v.RemoveColumn(3);
  ASSERT_EQ(v.NrOfColumns(), 4);
  EXPECT_EQ(v.ColumnOrder(1), 4);  // the former column 5
  EXPECT_EQ(v.ColumnOrder(2), 3);
  EXPECT_EQ(v.ColumnOrder(3), 2);
  EXPECT_EQ(v.ColumnOrder(4), 1);
  EXPECT_EQ(v.ColumnAlignment(3), taRightJustify);
  for (int i = 0; i < 4; ++i) v.RemoveColumn(1);
  EXPECT_EQ(v.NrOfColumns(), 0);
  EXPECT_EQ(v.ColumnOrder(1), 0);
  v.Paint();
  EXPECT_EQ(v.ColCount(), 1);
}

TEST(RepListStructure, RemoveRowWhileSortedRemovesTheShownRow) {
  TReportListView v;
  Prepare(v, 3);
  v.SetElem(2, 1, "b");
  v.SetElem(2, 2, "c");
  v.SetElem(2, 3, "a");
  v.Sort(2, -1, true);
  v.RemoveRow(1);
  EXPECT_EQ(v.NrOfRows(), 2);
  EXPECT_EQ(v.Elem(2, 1), "b");
  EXPECT_EQ(v.Elem(2, 2), "c");
  v.RemoveRow(1);
  v.RemoveRow(1);
  EXPECT_EQ(v.NrOfRows(), 0);
  EXPECT_EQ(v.RowCount(), 2);
}

TEST(RepListStructure, DoubleClickAtTheVeryLeftBorderChangesNothing) {
  TReportListView v;
  Prepare(v, 2);
  int dbl = 0;
  v.OnDblClick = [&](TObject*) { ++dbl; };
  v.MouseMove(0, 1, 10);
  v.DblClick();
  EXPECT_EQ(v.ColWidths(1), 64);
  EXPECT_EQ(dbl, 0);
  v.SetElem(1, 1, QString(30, u'W'));
  const TRect h = CellOf(v, 0, 0);
  v.MouseMove(0, h.Right - 1, 10);
  v.DblClick();
  EXPECT_GT(v.ColWidths(1), 64);
  EXPECT_EQ(dbl, 0);
}

TEST(RepListAssign, CopiesLookDataAndOrderAndToleratesItself) {
  TReportListView a;
  Prepare(a, 3);
  a.SetRowColPattern(3);
  a.SetColumnAlignment(2, taCenter);
  ASSERT_TRUE(a.SetColumnOrder({2, 1, 3, 4, 5}));
  a.SetRowSelected(2, true);
  int filtered = 0;
  a.OnBeforeFilter = [&](TObject*, int, bool&, TLogicOp&) { ++filtered; };
  a.Assign(&a);
  EXPECT_EQ(a.Elem(1, 3), "r3");
  TReportListView b;
  a.AssignTo(&b);
  b.FilterAndSort("r", {}, false, fmSimple, 1, true);
  EXPECT_EQ(filtered, 3);
  EXPECT_EQ(b.RowColPattern(), 3);
  EXPECT_EQ(b.NrOfRows(), 3);
  EXPECT_EQ(b.Elem(1, 2), "r2");
  EXPECT_TRUE(b.RowSelected(2));
  EXPECT_EQ(b.ColumnAlignment(2), taCenter);
  EXPECT_EQ(b.ColumnOrder(1), 2);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetElem(1, 1, "new");
  EXPECT_EQ(changes, 1);  // the copy's store still reports to the view
}

// The store's counts and common header arrive with the store; the others
// stay the copy's own.
TEST(RepListAssign, CopiesEveryListedProperty) {
  const char* const notListed[] = {"NrOfColumns",         "NrOfRows",          "CommonHeader",
                                   "UseCtrlForMultiSel",  "ColorDisabledBkgd", "ColorDisabledText",
                                   "ColorEmptyMsg",       "EmptyMessage",      "CommonHeaderHeight",
                                   "ColumnHeadersHeight", "DefaultColWidth",   "DefaultRowHeight"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TReportListView>(); },
                                  TReportListView::CopiedProperties(), notListed);
}

TEST(RepListAssign, TheStoreBringsCountsAndHeaderAndTheCopyKeepsItsOwnSizes) {
  TReportListView a;
  a.SetNrOfColumns(3);
  a.SetNrOfRows(6);
  a.SetCommonHeader("Plant");
  a.SetEmptyMessage("none");
  a.SetColumnHeadersHeight(30);
  a.SetColorDisabledText(0x123456);
  TReportListView b;
  b.Assign(&a);
  EXPECT_EQ(std::tuple(b.NrOfColumns(), b.NrOfRows(), b.CommonHeader()), std::tuple(3, 6, QString("Plant")));
  EXPECT_EQ(b.ColCount(), 3);
  EXPECT_EQ(b.EmptyMessage(), "");
  EXPECT_EQ(b.ColumnHeadersHeight(), 20);
  EXPECT_EQ(b.ColorDisabledText(), 0xC0C0C0u);
}

// The copy takes the source's handlers and reports the new content once,
// through them; none of its property writes is reported on its own.
TEST(RepListAssign, TheCopyReportsOnceToTheSourcesHandlers) {
  TReportListView a;
  Prepare(a, 3);
  a.SetColorHigh(0x102030);
  a.SetCommonHeaderVisible(true);
  a.SetRowSelectMode(0);
  a.SetFixedFirstColumn(true);
  int changes = 0, setups = 0, selections = 0, copyOwn = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  a.OnChangeSetup = [&](TObject*) { ++setups; };
  a.OnSelectedChange = [&](TObject*) { ++selections; };
  TReportListView b;
  b.OnChange = b.OnChangeSetup = b.OnSelectedChange = [&](TObject*) { ++copyOwn; };
  b.Assign(&a);
  EXPECT_EQ(std::tuple(changes, setups, selections, copyOwn), std::tuple(1, 0, 0, 0));
  EXPECT_EQ(b.CountHeadRows(), 2);
  EXPECT_EQ(b.FixedCols(), 1);
  EXPECT_EQ(b.TopRow(), 1);
  b.SetElem(1, 1, "x");
  EXPECT_EQ(changes, 2);
}

TEST(RepListStructure, NewColumnsTakeTheWidthOfTheFormerLastOne) {
  TReportListView v;
  Prepare(v, 2);
  v.SetColWidths(5, 90);
  int setups = 0;
  v.OnChangeSetup = [&](TObject*) { ++setups; };
  v.SetNrOfColumns(7);
  EXPECT_EQ(v.ColWidths(6), 90);
  EXPECT_EQ(v.ColWidths(7), 90);
  EXPECT_EQ(v.ColWidths(4), 64);
  EXPECT_EQ(v.Header(7), "C-7");
  EXPECT_EQ(setups, 1);
  EXPECT_EQ(v.InsertColumn(20), 8);
  EXPECT_EQ(v.InsertColumn(0), 0);
}

TEST(RepListSort, SecondarySortColumnAcceptsOnlyValidColumns) {
  TReportListView v;
  Prepare(v, 2);
  v.SetSecondarySortColumn(3);
  EXPECT_EQ(v.SecondarySortColumn(), 3);
  v.SetSecondarySortColumn(6);
  EXPECT_EQ(v.SecondarySortColumn(), 3);
  v.SetSecondarySortColumn(-1);
  EXPECT_EQ(v.SecondarySortColumn(), -1);
}

TEST(RepListCells, AsNumberNamesTheViewAndReadCellMayRewrite) {
  TReportListView v;
  Prepare(v, 2);
  try {
    v.AsNumber(1, 2);
    FAIL() << "no exception";
  } catch (const EVyrDStructError& e) {
    EXPECT_EQ(e.Message(), "Class TReportListView: invalid numeric string: [1,2]: r2");
  }
  v.OnReadCell = [](TObject*, int col, int, QString& text) {
    if (col == 1) text = text.toUpper();
  };
  EXPECT_EQ(v.Elem(1, 1), "R1");
}

TEST(RepListSelect, CountsFollowRowsThatComeAndGo) {
  TReportListView v;
  Prepare(v, 6);
  v.SetRowSelectMode(2);
  for (int r : {2, 4, 6}) v.SetRowSelected(r, true);
  v.SetRowEnabled(3, false);
  v.Sort(1, -1, false);  // r6 r5 r4 r3 r2 r1
  EXPECT_EQ(v.FirstSelectedRow(), 1);
  v.RemoveRow(1);  // r6
  EXPECT_EQ(v.NumSelectedRows(), 2);
  EXPECT_EQ(v.FirstSelectedRow(), 2);  // r4
  v.InsertRow(1);
  EXPECT_EQ(v.NumSelectedRows(), 2);
  EXPECT_EQ(v.NumEnabledRows(), 5);
  v.SetNrOfRows(3);  // keeps the shown rows "new" r5 r4
  EXPECT_EQ(v.NumSelectedRows(), 1);
  EXPECT_EQ(v.NumEnabledRows(), 3);
  v.Clear();
  EXPECT_EQ(v.NumSelectedRows(), 0);
  EXPECT_EQ(v.FirstSelectedRow(), 0);
}

TEST(RepListLook, FixedColorAndColumnDragsAreSetupChanges) {
  TReportListView v;
  Prepare(v, 3);
  int setups = 0;
  v.OnChangeSetup = [&](TObject*) { ++setups; };
  v.setProperty("FixedColor", uint(clYellow));  // through the grid's property
  EXPECT_EQ(v.ColorColumnHd(), clYellow);
  EXPECT_EQ(setups, 1);
  const TRect head = CellOf(v, 1, -(v.CountHeadRows() - 1));  // the column names
  EXPECT_EQ(v.Canvas().Pixels(head.Left + 3, head.Top + 3), clYellow);

  const int border = head.Right - 1, y = (head.Top + head.Bottom) / 2;
  const int before = v.ColWidths(2);  // data column 2 sits in grid column 1
  v.MouseDown(mbLeft, 0, border, y);
  for (int dx = 1; dx <= 20; ++dx) v.MouseMove(ssLeft, border + dx, y);
  v.MouseUp(mbLeft, 0, border + 20, y);
  EXPECT_EQ(v.ColWidths(2), before + 20);
  EXPECT_EQ(setups, 2);  // one for the whole drag
  v.MouseDown(mbLeft, 0, border + 20, y);
  v.MouseUp(mbLeft, 0, border + 20, y);  // a click on the border sizes nothing
  EXPECT_EQ(setups, 2);
}

TEST(RepListStructure, RemoveRowLeavesTheSortUncommitted) {
  TReportListView v;
  Prepare(v, 5);
  v.Sort(1, -1, false);  // r5 r4 r3 r2 r1
  v.RemoveRow(2);        // r4
  EXPECT_EQ(v.Elem(1, 2), "r3");
  v.UnSort();
  ASSERT_EQ(v.NrOfRows(), 4);
  const char* const stored[] = {"r1", "r2", "r3", "r5"};
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(v.Elem(1, r), stored[r - 1]) << r;
  v.Sort(1, -1, false);
  v.RemoveEmptyRows();  // nothing empty: the sort stays as it is
  v.UnSort();
  EXPECT_EQ(v.Elem(1, 4), "r5");
}

TEST(RepListStructure, ColumnSettingsFollowTheStoreWhateverChangesIt) {
  TReportListView v;
  Prepare(v, 3);
  v.SetColumnAlignment(5, taRightJustify);
  v.Data().InsertColumn(2);  // behind the view's back
  EXPECT_EQ(v.ColCount(), 6);
  v.RemoveColumn(6);
  v.InsertColumn(6);
  v.RemoveColumn(1);
  EXPECT_EQ(v.NrOfColumns(), 5);
  TRLData other;
  other.SetNrCols(9);
  other.SetNrRows(2);
  v.Data().Assign(&other);
  EXPECT_EQ(v.ColCount(), 9);
  for (int c = 9; c >= 1; --c) v.RemoveColumn(c);
  EXPECT_EQ(v.NrOfColumns(), 0);
  v.InsertColumn(1);
  v.SetColumnAlignment(1, taCenter);
  EXPECT_EQ(v.ColumnAlignment(1), taCenter);
  for (int d = 1; d <= v.NrOfColumns(); ++d) EXPECT_GE(v.ColumnOrder(d), 1);
  v.Paint();
}

TEST(RepListStructure, ARemovedColumnDoesNotComeBackSelected) {
  TReportListView v;
  Prepare(v, 2);
  v.SetNrOfColumns(1);
  v.SetColumnSelected(1, true);
  v.RemoveColumn(1);
  v.SetNrOfColumns(2);
  EXPECT_FALSE(v.ColumnSelected(1));
  v.SetColumnSelected(2, true);
  v.RemoveColumn(2);
  v.InsertColumn(2);
  EXPECT_FALSE(v.ColumnSelected(2));
}
