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
