// The report list view's layout and painting: header rows, row shading,
// check marks, password masking, the empty message, the row marker, column
// widths, and one paint per bulk operation.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "RepListTestKit.h"
#include "host/Color.h"
#include "replist/Vyr_replist.h"
#include "support/LayoutTools.h"
#include "support/PixelTools.h"

using namespace vyr;
using namespace repltest;

namespace {

// A pixel near the right end of a cell, where no text reaches.
TColor Background(TReportListView& v, int gridCol, int r) {
  const TRect c = CellOf(v, gridCol, r);
  return v.Canvas().Pixels(c.Right - 3, c.Top + 5);
}

}  // namespace

TEST(RepListLayout, NewViewShowsFiveNamedColumnsAndFourShadedRows) {
  TReportListView v;
  v.SetBounds(0, 0, 400, 200);
  v.Paint();
  EXPECT_EQ(v.NrOfColumns(), 5);
  EXPECT_EQ(v.NrOfRows(), 4);
  EXPECT_EQ(v.Header(1), "C-1");
  EXPECT_EQ(v.Header(5), "C-5");
  EXPECT_EQ(v.CountHeadRows(), 1);
  EXPECT_EQ(v.RowCount(), 5);
  EXPECT_EQ(v.RowHeights(0), 20);
  EXPECT_EQ(v.TopRow(), 1);
  EXPECT_EQ(Background(v, 1, 1), 0xF0EFE8u);
  EXPECT_EQ(Background(v, 1, 2), 0xFFFFFFu);
  EXPECT_EQ(Background(v, 1, 3), 0xF0EFE8u);
}

TEST(RepListLayout, ShadingBandsFollowTheRowPattern) {
  TReportListView v;
  Prepare(v, 6);
  v.SetRowColPattern(2);
  EXPECT_EQ(Background(v, 2, 1), 0xF0EFE8u);
  EXPECT_EQ(Background(v, 2, 2), 0xF0EFE8u);
  EXPECT_EQ(Background(v, 2, 3), 0xFFFFFFu);
  EXPECT_EQ(Background(v, 2, 4), 0xFFFFFFu);
  EXPECT_EQ(Background(v, 2, 5), 0xF0EFE8u);
  v.SetRowColPattern(0);
  EXPECT_EQ(Background(v, 2, 1), 0xFFFFFFu);
}

TEST(RepListLayout, HeaderHeightsAreClampedAndBothHeadersShow) {
  TReportListView v;
  Prepare(v, 3);
  v.SetCommonHeaderHeight(200);
  EXPECT_EQ(v.CommonHeaderHeight(), 127);
  v.SetCommonHeaderHeight(3);
  EXPECT_EQ(v.CommonHeaderHeight(), 8);
  v.SetCommonHeaderHeight(30);
  v.SetCommonHeaderVisible(true);
  EXPECT_EQ(v.CountHeadRows(), 2);
  EXPECT_EQ(v.FixedRows(), 2);
  EXPECT_EQ(v.RowCount(), 5);
  EXPECT_EQ(v.RowHeights(0), 30);
  EXPECT_EQ(v.RowHeights(1), 20);
  EXPECT_EQ(v.MouseCell(100, 10).Y, -2);
  EXPECT_EQ(v.MouseCell(100, 40).Y, -1);
  EXPECT_EQ(v.MouseCell(100, 60), (TGridCoord{2, 1}));
  v.SetColumnHeadersVisible(false);
  v.SetCommonHeaderVisible(false);
  EXPECT_EQ(v.CountHeadRows(), 0);
  EXPECT_EQ(v.RowCount(), 3);
  EXPECT_EQ(v.TopRow(), 1);
}

TEST(RepListPaint, PasswordColumnsShowStars) {
  TReportListView v;
  Prepare(v, 2);
  v.SetColumnIsPwd(1, true);
  QString seen;
  v.OnBeforeRenderCell = [&](TObject*, int col, int row, TColor&, TColor&, TColor&, TFontStyles&, QString& text) {
    if (col == 1 && row == 2) seen = text;
  };
  v.Paint();
  EXPECT_EQ(seen, "******");
  EXPECT_EQ(v.Elem(1, 2), "r2");
}

TEST(RepListPaint, RenderEventMayRecolourACell) {
  TReportListView v;
  Prepare(v, 2);
  v.OnBeforeRenderCell = [](TObject*, int col, int row, TColor&, TColor& brush, TColor&, TFontStyles&, QString&) {
    if (col == 3 && row == 2) brush = clRed;
  };
  v.Paint();
  EXPECT_EQ(Background(v, 2, 2), clRed);
  EXPECT_EQ(Background(v, 1, 2), 0xFFFFFFu);
}

TEST(RepListPaint, RadioCellDrawsCircleAndDotReadOnlyOnlyTheDot) {
  TReportListView v;
  Prepare(v, 2);
  v.SetColumnCheckMode(2, cmRadio);
  v.SetElem(2, 1, "on");
  v.SetElemChecked(2, 1, true);
  const TRect c = CellOf(v, 1, 1);
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(v.Canvas().Pixels(c.Left + 9, c.Top + 9), 0x002000u);  // the dot in ColorText
  EXPECT_EQ(v.Canvas().Pixels(c.Left + 4, c.Top + 9), shadow);     // the circle
  v.SetCheckMarksReadOnly(true);
  EXPECT_EQ(v.Canvas().Pixels(c.Left + 9, c.Top + 9), 0x002000u);
  EXPECT_EQ(v.Canvas().Pixels(c.Left + 4, c.Top + 9), 0xF0EFE8u);
}

TEST(RepListPaint, BoxTickAndEmptyBoxes) {
  TReportListView v;
  Prepare(v, 2);
  v.SetColumnCheckMode(2, cmBox);
  v.SetElemChecked(2, 1, true);  // a mark without value
  const TRect c1 = CellOf(v, 1, 1), c2 = CellOf(v, 1, 2);
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(v.Canvas().Pixels(c1.Left + 4, c1.Top + 9), shadow);
  EXPECT_EQ(v.Canvas().Pixels(c1.Left + 6, c1.Top + 8), 0x002000u);  // start of the tick
  EXPECT_EQ(v.Canvas().Pixels(c2.Left + 4, c2.Top + 9), shadow);     // empty box of an empty cell
  v.SetShowEmptyCheckBoxes(false);
  EXPECT_EQ(v.Canvas().Pixels(c1.Left + 4, c1.Top + 9), 0xF0EFE8u);
  EXPECT_EQ(v.Canvas().Pixels(c2.Left + 4, c2.Top + 9), 0xFFFFFFu);
}

TEST(RepListPaint, OnlyCheckedCellsShowATickWhateverTheirText) {
  // Filled as a program fills a large list: texts and marks in one batch,
  // the text alone saying nothing about the mark.
  TReportListView v;
  Prepare(v, 6);
  v.SetColumnCheckMode(2, cmBox);
  v.BeginUpdate();
  for (int r = 1; r <= 6; ++r) {
    v.SetElem(2, r, QStringLiteral("checked"));
    v.SetElemChecked(2, r, r % 3 != 0);
  }
  v.EndUpdate();
  for (int r = 1; r <= 6; ++r) {
    const TRect c = CellOf(v, 1, r);
    const bool tick = v.Canvas().Pixels(c.Left + 7, c.Top + 9) == 0x002000u;
    EXPECT_EQ(tick, r % 3 != 0) << "row " << r;
    EXPECT_EQ(v.ElemChecked(2, r), r % 3 != 0);
  }
}

TEST(RepListPaint, SelectedDisabledAndHighlightedRowsTakeTheirColours) {
  TReportListView v;
  Prepare(v, 4);
  v.SetRowSelected(1, true);
  v.SetRowEnabled(2, false);
  v.SetHighLightRow(3);
  EXPECT_EQ(Background(v, 1, 1), 0x94BAEDu);
  EXPECT_EQ(Background(v, 1, 2), 0xF0F0F0u);
  EXPECT_EQ(Background(v, 1, 3), 0xCC9966u);
  v.SetFixedFirstColumn(true);
  EXPECT_EQ(v.FixedCols(), 1);
  EXPECT_EQ(v.Canvas().Pixels(CellOf(v, 0, 4).Right - 4, CellOf(v, 0, 4).Top + 5), ColorToRGB(clBtnFace));
}

TEST(RepListPaint, HeadersAndSelectedColumnsTakeTheirColours) {
  TReportListView v;
  Prepare(v, 3);
  v.SetCommonHeaderVisible(true);
  v.SetColorCommonHd(0x203040);
  v.SetColorColumnHd(0x405060);
  v.SetColorSelectedCol(0x607080);
  v.SetColorSelectedBoth(0x8090A0);
  v.SetColumnSelected(2, true);
  v.SetRowSelected(3, true);
  const TRect common = CellOf(v, 4, 0), column = CellOf(v, 4, -1);
  EXPECT_EQ(v.Canvas().Pixels(common.Right - 5, common.Top + 5), 0x203040u);
  EXPECT_EQ(v.Canvas().Pixels(column.Right - 4, column.Top + 5), 0x405060u);
  EXPECT_EQ(Background(v, 1, 1), 0x607080u);
  EXPECT_EQ(Background(v, 1, 3), 0x8090A0u);
  EXPECT_EQ(Background(v, 2, 3), 0x94BAEDu);
}

TEST(RepListPaint, EmptyMessageShowsTwoCentredLines) {
  TReportListView v;
  v.SetBounds(0, 0, 400, 200);
  v.SetNrOfRows(0);
  EXPECT_EQ(v.RowCount(), 2);
  v.SetColorEmptyMsg(clRed);
  v.SetEmptyMessage("Nothing|here");
  const TRect ink = vyrtest::BoundsOf(v.Canvas(), clRed);
  ASSERT_FALSE(ink.Right <= ink.Left);
  EXPECT_NEAR((ink.Left + ink.Right) / 2, 200, 8);
  // Two lines: a row without red between the top and bottom of the ink.
  bool gap = false;
  for (int y = ink.Top; y < ink.Bottom && !gap; ++y) {
    gap = true;
    for (int x = ink.Left; x < ink.Right && gap; ++x) gap = v.Canvas().Pixels(x, y) != clRed;
  }
  EXPECT_TRUE(gap);
}

TEST(RepListPaint, RowMarkerLiesOnTheTopEdgeOfItsRow) {
  TReportListView v;
  Prepare(v, 5);
  v.SetCommonHeaderVisible(true);
  v.SetInterRowIndicatorPos(3);
  const int y = CellOf(v, 1, 3).Top;
  EXPECT_EQ(v.Canvas().Pixels(200, y), clRed);
  EXPECT_NE(v.Canvas().Pixels(200, CellOf(v, 1, 2).Top + 5), clRed);
}

TEST(RepListPaint, SortArrowAppearsInTheSortedHeader) {
  TReportListView v;
  Prepare(v, 3);
  const TRect h = CellOf(v, 0, 0);
  const int whiteBefore = vyrtest::CountColor(v.Canvas(), clWhite);
  v.Sort(1, -1, true);
  EXPECT_GT(vyrtest::CountColor(v.Canvas(), clWhite), whiteBefore);
  EXPECT_EQ(v.LastSortColumn(), 1);
  EXPECT_TRUE(h.Right > h.Left);
}

TEST(RepListWidths, MaxWidthOfAColumnOutsideIsTenAndAutoSizeFitsText) {
  TReportListView v;
  Prepare(v, 2);
  EXPECT_EQ(v.DetermineMaxColWidth(0, false), 10);
  EXPECT_EQ(v.DetermineMaxColWidth(6, false), 10);
  v.SetElem(2, 1, QString(40, u'W'));
  const int m = v.DetermineMaxColWidth(2, false);
  EXPECT_GT(m, 100);
  v.AutoColWidth(2, false, 5, 120);
  EXPECT_EQ(v.ColWidths(2), 120);
  v.AutoColWidth(3, false, 0);
  EXPECT_EQ(v.ColWidths(3), 10);
  v.ExpandColWidth(5, 0);
  EXPECT_EQ(v.ColWidths(5), v.ClientWidth() - (64 + 120 + 10 + 64));
}

TEST(RepListWidths, WidthsFollowTheDataColumnWhateverTheOrder) {
  TReportListView v;
  Prepare(v, 2);
  ASSERT_TRUE(v.SetColumnOrder({3, 1, 2, 5, 4}));
  EXPECT_EQ(v.ColumnOrder(1), 3);
  v.SetColWidths(1, 90);  // data column 1 is shown at grid column 1
  EXPECT_EQ(static_cast<TCustomGrid&>(v).ColWidths(1), 90);
  EXPECT_EQ(v.ColWidths(1), 90);
  EXPECT_EQ(v.ColWidths(3), 64);
  EXPECT_EQ(v.ColWidths(0), 0);
}

TEST(RepListBulk, BulkOperationsChangeAndPaintOnce) {
  TReportListView v;
  Prepare(v, 200);
  v.SetColumnCheckMode(2, cmBox);
  v.SetColumnCheckMode(3, cmRadio);
  v.SetElemChecked(3, 5, true);
  int changes = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  int paints = v.PaintCount();
  v.Fill("x");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(v.PaintCount(), paints + 1);
  paints = v.PaintCount();
  v.SetAllCheckmarksOfCol(2, true);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(v.PaintCount(), paints + 1);
  paints = v.PaintCount();
  v.SetAllCheckmarksOfCol(3, false);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(v.PaintCount(), paints + 1);
  paints = v.PaintCount();
  v.SelectAllRows();
  EXPECT_EQ(v.PaintCount(), paints + 1);
  EXPECT_EQ(v.NumSelectedRows(), 200);
  paints = v.PaintCount();
  changes = 0;
  v.BeginUpdate();
  for (int i = 0; i < 10; ++i) {
    v.InsertRow(1);
    v.SetElem(1, 1, QString::number(i));
  }
  v.EndUpdate();
  EXPECT_EQ(v.PaintCount(), paints + 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(v.NrOfRows(), 210);
  EXPECT_EQ(v.Elem(1, 1), "9");
}

TEST(RepListLayout, SizeHintsFollowTheColumnsAndLayoutsKeepTheMinimum) {
  TReportListView v;
  Prepare(v, 30);
  const QSize before = v.sizeHint();
  v.SetColWidths(2, v.ColWidths(2) + 50);
  EXPECT_EQ(v.sizeHint().width(), before.width() + 50);
  EXPECT_LE(v.sizeHint().height(), 600);
  EXPECT_GT(v.sizeHint().height(), v.RowHeights(0) + 9 * v.DefaultRowHeight());
  QWidget window;
  auto* list = new TReportListView;
  vyrtest::ShowInLayout(window, list, {5, 5});
  EXPECT_GE(list->height(), list->minimumSizeHint().height());
  EXPECT_GT(list->minimumSizeHint().height(), list->RowHeights(0));
}

TEST(RepListLayout, FocusMarksTheCurrentRowOnScreenOnly) {
  QWidget window;
  auto* list = new TReportListView;
  Prepare(*list, 5);
  ClickRow(*list, 3);
  const TRect frame = vyrtest::FocusFrameOnScreen(window, list, {400, 200});
  const TRect row = CellOf(*list, 0, 3);
  ASSERT_FALSE(frame.IsEmpty());
  EXPECT_GE(frame.Top, row.Top);
  EXPECT_LE(frame.Bottom, row.Bottom);
  list->clearFocus();
  QApplication::processEvents();
  EXPECT_TRUE(vyrtest::ScreenOnlyPixels(*list).IsEmpty());
}

TEST(RepListAccessible, ScreenReadersSeeATableAndTheCurrentRow) {
  QWidget window;
  auto* list = new TReportListView;
  list->SetName(QStringLiteral("Readings"));
  Prepare(*list, 4);
  list->SetElem(2, 3, QStringLiteral("x"));
  ClickRow(*list, 3);
  vyrtest::ShowInLayout(window, list, {400, 200});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Table);
  EXPECT_EQ(a->text(QAccessible::Name), "Readings");
  EXPECT_EQ(a->text(QAccessible::Value), "r3, x, , , ");
  EXPECT_EQ(a->valueInterface(), nullptr);
  QAccessibleTableInterface* table = a->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 4);
  EXPECT_EQ(table->columnCount(), 5);
  EXPECT_EQ(table->columnDescription(0), "C-1");
  QAccessibleInterface* cell = table->cellAt(2, 1);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->text(QAccessible::Name), "x");
  EXPECT_TRUE(cell->state().selected);
  EXPECT_EQ(cell->parent(), a);
  EXPECT_EQ(a->indexOfChild(cell), 2 * 5 + 1);
  EXPECT_EQ(a->child(11), cell);
  EXPECT_EQ(table->selectedRows(), QList<int>{2});
  EXPECT_EQ(table->cellAt(4, 0), nullptr);
  // A cell's place on screen is where it is drawn, inside a border too.
  const TRect drawn = list->CellRect(1, 2 + list->CountHeadRows());
  EXPECT_EQ(cell->rect().topLeft(), list->mapToGlobal(QPoint(drawn.Left, drawn.Top)));
  list->SetBorderStyle(bsSingle);
  const TRect inside = list->CellRect(1, 2 + list->CountHeadRows());
  EXPECT_EQ(cell->rect().topLeft(), list->mapToGlobal(QPoint(inside.Left + 2, inside.Top + 2)));
  list->SetBorderStyle(bsNone);
  // The cells follow the displayed order and columns.
  list->SetColumnOrder({2, 1, 3, 4, 5});
  EXPECT_EQ(table->cellAt(2, 0)->text(QAccessible::Name), "x");
  EXPECT_EQ(table->columnDescription(0), "C-2");
  EXPECT_TRUE(table->selectRow(0));
  EXPECT_TRUE(list->RowSelected(1));
  EXPECT_FALSE(list->RowSelected(3));  // single selection mode
  list->SetNrOfRows(1);
  EXPECT_FALSE(cell->isValid());
  list->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(a->state().focused, list->hasFocus());
}
