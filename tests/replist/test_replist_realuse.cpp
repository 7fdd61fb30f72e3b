// The report list in a shown window, driven by real mouse and key events,
// and set up the way a stored form sets it up.
#include <gtest/gtest.h>

#include <QTest>

#include "RepListTestKit.h"
#include "host/KeyCodes.h"
#include "replist/Vyr_replist.h"

using namespace vyr;
using namespace repltest;

TEST(RepListRealUse, HeaderClickSortsAndKeysMoveTheSelectedRow) {
  TReportListView v;
  Prepare(v, 4);
  v.SetElem(2, 1, "b");
  v.SetElem(2, 2, "d");
  v.SetElem(2, 3, "a");
  v.SetElem(2, 4, "c");
  v.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
  const TRect header = CellOf(v, 1, 0);
  QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, QPoint((header.Left + header.Right) / 2, 10));
  EXPECT_EQ(v.Elem(2, 1), "d");
  EXPECT_FALSE(v.LastSortOrder());
  const TRect row2 = CellOf(v, 1, 2);
  QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, QPoint(row2.Left + 30, row2.Top + 5));
  EXPECT_TRUE(v.RowSelected(2));
  v.setFocus();
  QTest::keyClick(&v, Qt::Key_Down);
  EXPECT_TRUE(v.RowSelected(3));
  EXPECT_EQ(v.NumSelectedRows(), 1);
  EXPECT_EQ(v.Elem(2, 3), "b");
}

TEST(RepListRealUse, SettersWhileLoadingStoreAndLoadedPaints) {
  TReportListView v;
  v.SetBounds(0, 0, 300, 150);
  v.BeginLoading();
  const int paints = v.PaintCount();
  v.setProperty("NrOfRows", 6);
  v.setProperty("CommonHeaderVisible", true);
  v.setProperty("CommonHeaderHeight", 3);
  v.setProperty("ColorBkgdShaded", 0x00FF00u);
  v.setProperty("RowSelectMode", 2);
  EXPECT_EQ(v.PaintCount(), paints);
  v.Loaded();
  EXPECT_GT(v.PaintCount(), paints);
  EXPECT_EQ(v.NrOfRows(), 6);
  EXPECT_EQ(v.CommonHeaderHeight(), 8);
  EXPECT_EQ(v.RowHeights(0), 8);
  EXPECT_EQ(v.RowSelectMode(), 2);
  EXPECT_EQ(v.Canvas().Pixels(CellOf(v, 1, 1).Right - 3, CellOf(v, 1, 1).Top + 3), 0x00FF00u);
}

TEST(RepListRealUse, DoubleClickOnAHeaderBorderSizesTheColumnAndNeverSorts) {
  TReportListView v;
  Prepare(v, 3);
  v.SetElem(1, 2, "a much longer text than the column is wide");
  v.SetColWidths(1, 40);
  v.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
  const TRect header = CellOf(v, 0, 0);
  const QPoint border(header.Right - 1, 10);
  QTest::mouseMove(&v, border);
  QTest::mouseDClick(&v, Qt::LeftButton, Qt::NoModifier, border);
  EXPECT_EQ(v.ColWidths(1), v.DetermineMaxColWidth(1, true));
  EXPECT_GT(v.ColWidths(1), 150);
  // The column under the pointer is now column 1's middle: still no sort.
  EXPECT_EQ(v.LastSortColumn(), -1);
  EXPECT_EQ(v.Elem(1, 1), "r1");
}

TEST(RepListRealUse, ChangingTheFixedColumnShowsTheFirstScrollableColumn) {
  TReportListView v;
  Prepare(v, 3);
  v.SetBounds(0, 0, 150, 120);  // narrower than the five columns
  v.SetFixedFirstColumn(true);
  EXPECT_EQ(v.LeftCol(), 2);
  v.SetLeftCol(4);
  EXPECT_EQ(v.LeftCol(), 4);
  v.SetFixedFirstColumn(false);
  EXPECT_EQ(v.LeftCol(), 1);
  v.SetLeftCol(3);
  v.SetNrOfColumns(6);
  EXPECT_EQ(v.LeftCol(), 1);
}

TEST(RepListRealUse, SelectionChangesAreNotDataChanges) {
  TReportListView v;
  Prepare(v, 5);
  v.SetRowSelectMode(2);
  int changes = 0, selections = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  v.OnSelectedChange = [&](TObject*) { ++selections; };
  ClickRow(v, 2);
  ClickRow(v, 4, ssShift);
  ClickRow(v, 5, ssCtrl);
  v.SetRowSelected(1, true);
  v.SetRowEnabled(3, false);
  v.SetColumnSelected(2, true);
  v.SelectAllRows();
  v.DisableAllRows();
  v.EnableAllRows();
  quint16 down = VK_DOWN;
  v.KeyDown(down, 0);
  v.SetRowSelectMode(1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(selections, 11);
  v.SetElem(1, 1, "new value");
  EXPECT_EQ(changes, 1);
}
