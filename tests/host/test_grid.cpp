// The grid base: layout and hit-testing, scrolling limits, selection,
// keyboard, mouse, wheel, column sizing, the in-place editor, and painting
// that visits only visible cells.
#include <gtest/gtest.h>

#include <QTest>

#include "host/Grid.h"
#include "host/KeyCodes.h"

using namespace vyr;

namespace {

// A draw grid that counts the cells it was asked to draw.
struct CountingGrid : TCustomDrawGrid {
  int drawn = 0;
  std::vector<std::pair<TGridCoord, TGridDrawState>> states;
  CountingGrid() {
    OnDrawCell = [this](TObject*, int c, int r, const TRect&, TGridDrawState s) {
      ++drawn;
      states.push_back({{c, r}, s});
    };
  }
  TGridDrawState StateOf(int c, int r) const {
    for (auto& [cell, s] : states)
      if (cell == TGridCoord{c, r}) return s;
    return 0xFFFF;
  }
  using TCustomGrid::FocusCell;
};

void Press(TCustomGrid& g, quint16 key, TShiftState shift = 0) { g.KeyDown(key, shift); }

}  // namespace

TEST(GridLayout, CellsFollowWidthsHeightsAndLines) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  EXPECT_EQ(g.CellRect(0, 0), (TRect{0, 0, 64, 24}));
  EXPECT_EQ(g.CellRect(1, 1), (TRect{65, 25, 129, 49}));
  g.SetColWidths(2, 0);  // hidden: no cell, no line
  EXPECT_EQ(g.CellRect(2, 1), TRect{});
  EXPECT_EQ(g.CellRect(3, 1).Left, 130);
  g.SetGridLineWidth(0);
  EXPECT_EQ(g.CellRect(1, 1), (TRect{64, 24, 128, 48}));
}

TEST(GridLayout, CellRectIsEmptyForCellsOutOfViewAndClippedAtTheEdge) {
  CountingGrid g;
  g.SetBounds(0, 0, 150, 80);
  g.SetScrollBars(ssNone);
  EXPECT_EQ(g.CellRect(2, 1), (TRect{130, 25, 150, 49}));  // cut at the right edge
  EXPECT_EQ(g.CellRect(3, 1), TRect{});
  EXPECT_EQ(g.CellRect(1, 4), TRect{});
  EXPECT_EQ(g.CellRect(-1, 0), TRect{});
  EXPECT_EQ(g.CellRect(0, 99), TRect{});
}

TEST(GridLayout, MouseCoordCountsTheLineWithTheCellBeforeIt) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  EXPECT_EQ(g.MouseCoord(63, 23), (TGridCoord{0, 0}));
  EXPECT_EQ(g.MouseCoord(64, 24), (TGridCoord{0, 0}));
  EXPECT_EQ(g.MouseCoord(65, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(g.MouseCoord(-1, 5), (TGridCoord{-1, -1}));
  EXPECT_EQ(g.MouseCoord(399, 5), (TGridCoord{-1, -1}));  // right of the last column
}

TEST(GridScrolling, TopRowReachesTheLastRowAndNoFurther) {
  CountingGrid g;
  g.SetScrollBars(ssNone);
  g.SetBounds(0, 0, 400, 25 * 5);  // a fixed row and four scrollable rows
  g.SetRowCount(1000);
  g.SetTopRow(5000);
  EXPECT_EQ(g.TopRow(), 996);
  EXPECT_EQ(g.VisibleRowCount(), 4);
  TRect last = g.CellRect(1, 999);
  EXPECT_FALSE(last.IsEmpty());
  EXPECT_EQ(last.Bottom, 124);
  g.SetTopRow(-3);
  EXPECT_EQ(g.TopRow(), 1);
}

TEST(GridScrolling, ScrollBarFollowsTheTopRow) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 125);
  g.SetRowCount(100);
  auto* bar = g.findChildren<QScrollBar*>().first();
  ASSERT_EQ(bar->orientation(), Qt::Vertical);
  EXPECT_EQ(bar->minimum(), 1);
  g.SetTopRow(40);
  EXPECT_EQ(bar->value(), 40);
  bar->setValue(60);
  EXPECT_EQ(g.TopRow(), 60);
  EXPECT_LT(g.ClientWidth(), 400);
}

TEST(GridState, FixedCountsMayEqualTheCounts) {
  CountingGrid g;
  g.SetFixedRows(5);
  g.SetFixedCols(5);
  EXPECT_EQ(g.FixedRows(), 5);
  g.Paint();
  Press(g, VK_DOWN);
  Press(g, VK_END, ssCtrl);
  g.DoMouseWheelDown(0, {0, 0});
  g.MouseDown(mbLeft, 0, 10, 10);
  EXPECT_EQ(g.drawn, 25);
  g.SetFixedRows(9);  // limited to the count
  EXPECT_EQ(g.FixedRows(), 5);
}

TEST(GridState, SelectionOutsideTheGridIsToleratedAndShowsNoSelectedCell) {
  CountingGrid g;
  g.SetSelection({10, 10, 12, 12});
  EXPECT_EQ(g.Selection(), (TGridRect{10, 10, 12, 12}));
  g.Paint();
  for (auto& [cell, s] : g.states) EXPECT_FALSE(s & gdSelected) << cell.X << "," << cell.Y;
}

TEST(GridState, SelectedCellsAreFilledWithTheHighlightColour) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  g.SetSelection({1, 1, 2, 2});
  g.Paint();
  EXPECT_TRUE(g.StateOf(2, 2) & gdSelected);
  EXPECT_TRUE(g.StateOf(0, 1) & gdFixed);
  TRect r = g.CellRect(2, 2);
  EXPECT_EQ(g.Canvas().Pixels(r.Left + 3, r.Top + 3), TColor(0x800000));
  EXPECT_EQ(g.Canvas().Pixels(r.Right, r.Top + 3), clSilver);  // grid line
  TRect f = g.CellRect(0, 0);
  EXPECT_EQ(g.Canvas().Pixels(f.Left + 3, f.Top + 3), TColor(0xC0C0C0));
}

TEST(GridKeys, ArrowsPagesAndRangeSelection) {
  CountingGrid g;
  g.SetScrollBars(ssNone);
  g.SetBounds(0, 0, 400, 125);
  g.SetRowCount(50);
  Press(g, VK_DOWN);
  EXPECT_EQ(g.Row(), 2);
  Press(g, VK_DOWN, ssShift);
  Press(g, VK_RIGHT, ssShift);
  EXPECT_EQ(g.Selection(), (TGridRect{1, 2, 2, 3}));
  Press(g, VK_NEXT);
  EXPECT_EQ(g.Row(), 7);
  EXPECT_EQ(g.Selection(), (TGridRect{2, 7, 2, 7}));
  Press(g, VK_END, ssCtrl);
  EXPECT_EQ(g.Row(), 49);
  EXPECT_EQ(g.TopRow(), 46);  // scrolled so that the row is in view
  Press(g, VK_HOME, ssCtrl);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.TopRow(), 1);
  Press(g, VK_UP);
  EXPECT_EQ(g.Row(), 1);
}

TEST(GridKeys, TabWalksTheRowOnlyWithTheTabsOption) {
  CountingGrid g;
  Press(g, VK_TAB);
  EXPECT_EQ(g.Col(), 1);
  g.SetOptions(g.Options() | goTabs);
  for (int i = 0; i < 4; ++i) Press(g, VK_TAB);
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.Row(), 2);
  Press(g, VK_TAB, ssShift);
  EXPECT_EQ(g.Col(), 4);
  EXPECT_EQ(g.Row(), 1);
}

TEST(GridKeys, SelectCellCanRefuseTheMove) {
  CountingGrid g;
  g.OnSelectCell = [](TObject*, int, int row, bool& can) { can = row != 3; };
  Press(g, VK_DOWN);
  Press(g, VK_DOWN);
  EXPECT_EQ(g.Row(), 2);
}

TEST(GridMouse, ClickShiftClickAndDragSelect) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  g.MouseDown(mbLeft, 0, 70, 30);  // cell (1, 1)
  g.MouseUp(mbLeft, 0, 70, 30);
  g.MouseDown(mbLeft, ssShift, 200, 80);  // cell (3, 3)
  EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
  g.MouseUp(mbLeft, 0, 200, 80);
  g.MouseDown(mbLeft, 0, 140, 60);  // cell (2, 2)
  g.MouseMove(ssLeft, 270, 110);    // cell (4, 4)
  g.MouseUp(mbLeft, 0, 270, 110);
  EXPECT_EQ(g.Selection(), (TGridRect{2, 2, 4, 4}));
  EXPECT_EQ(g.Row(), 4);
}

TEST(GridMouse, ColumnsAreSizedByDraggingTheirHeaderBorder) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  g.SetOptions(g.Options() | goColSizing);
  g.MouseDown(mbLeft, 0, 129, 10);  // right border of column 1 in the fixed row
  g.MouseMove(ssLeft, 149, 10);
  g.MouseUp(mbLeft, 0, 149, 10);
  EXPECT_EQ(g.ColWidths(1), 84);
  g.MouseDown(mbLeft, 0, 129 + 20, 10);
  g.MouseMove(ssLeft, 0, 10);  // never below zero
  g.MouseUp(mbLeft, 0, 0, 10);
  EXPECT_EQ(g.ColWidths(1), 0);
}

TEST(GridMouse, WheelMovesTheCurrentRow) {
  CountingGrid g;
  g.DoMouseWheel(0, -120, {0, 0});
  g.DoMouseWheel(0, -120, {0, 0});
  EXPECT_EQ(g.Row(), 3);
  g.DoMouseWheel(0, 120, {0, 0});
  EXPECT_EQ(g.Row(), 2);
}

TEST(GridEditor, ShowsTheCellTextAndWritesBackOrCancels) {
  CountingGrid g;
  g.SetBounds(0, 0, 400, 200);
  QString stored = QStringLiteral("12.5");
  std::vector<QString> writes;
  g.OnGetEditText = [&](TObject*, int, int, QString& v) { v = stored; };
  g.OnSetEditText = [&](TObject*, int, int, const QString& v) { writes.push_back(v); };
  g.ShowEditor();
  EXPECT_FALSE(g.EditorMode());  // editing is off
  g.SetOptions(g.Options() | goEditing);
  g.ShowEditor();
  ASSERT_TRUE(g.EditorMode());
  EXPECT_EQ(g.InplaceEditor()->text(), stored);
  EXPECT_EQ(g.InplaceEditor()->geometry(), QRect(65, 25, 64, 24));
  g.InplaceEditor()->setText(QStringLiteral("7"));
  g.HideEditor();
  EXPECT_FALSE(g.EditorMode());
  EXPECT_EQ(writes.back(), QStringLiteral("7"));

  g.ShowEditor();
  QTest::keyClicks(g.InplaceEditor(), QStringLiteral("99"));
  QTest::keyClick(g.InplaceEditor(), Qt::Key_Escape);
  EXPECT_FALSE(g.EditorMode());
  EXPECT_EQ(writes.back(), stored);  // the original text went back

  QChar typed = QLatin1Char('4');
  g.KeyPress(typed);  // typing on the grid opens the editor with the key
  ASSERT_TRUE(g.EditorMode());
  EXPECT_EQ(g.InplaceEditor()->text(), QStringLiteral("4"));
  QTest::keyClick(g.InplaceEditor(), Qt::Key_Down);
  EXPECT_FALSE(g.EditorMode());
  EXPECT_EQ(g.Row(), 2);
}

TEST(GridScale, PaintingAMillionRowsVisitsOnlyVisibleCells) {
  CountingGrid small, large;
  for (CountingGrid* g : {&small, &large}) {
    g->SetBounds(0, 0, 400, 300);
    g->SetColCount(8);
  }
  small.SetRowCount(100);
  large.SetRowCount(1'000'000);
  large.SetTopRow(999'000);
  small.Paint();
  large.Paint();
  EXPECT_EQ(small.drawn, large.drawn);
  EXPECT_LT(large.drawn, 100);
  large.SetTopRow(2'000'000);
  EXPECT_EQ(large.MouseCoord(70, large.CellRect(1, 999999).Top + 1).Y, 999999);
  EXPECT_FALSE(large.CellRect(1, 999'999).IsEmpty());
}
