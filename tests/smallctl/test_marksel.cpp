// The mark selector: its grid, visibility, clamps, the highlight that
// follows the mouse and the keys, picking by click, double click and Enter,
// the disabled look, and its place among Qt widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <memory>

#include "host/ControlRegistry.h"
#include "host/KeyCodes.h"
#include "smallctl/Vyr_marksel.h"
#include "support/LayoutTools.h"
#include "support/PixelTools.h"

using namespace vyr;

namespace {

struct Pick {
  int x = 0, y = 0, mark = -2, calls = 0;
};

TMarkClickEvent Recorder(Pick& pick) {
  return [&pick](TObject*, int x, int y, int mark) { pick = {x, y, mark, pick.calls + 1}; };
}

void Press(TMarkSel& m, quint16 key) {
  quint16 k = key;
  m.KeyDown(k, {});
}

}  // namespace

TEST(MarkSelModel, InitialValues) {
  TMarkSel m;
  EXPECT_EQ(m.Width(), 236);
  EXPECT_EQ(m.Height(), 178);
  EXPECT_EQ(m.NrOfColumns(), 8);
  EXPECT_EQ(m.NrOfRows(), 6);
  EXPECT_EQ(m.Selected(), -1);
  EXPECT_TRUE(m.ShowZeroAsCross());
  EXPECT_EQ(m.ColorBackGnd(), clBtnFace);
  EXPECT_EQ(m.ColorMarks(), clBlack);
  EXPECT_EQ(m.ColorSelFG(), 0x800000u);
  EXPECT_EQ(m.ColorSelBG(), 0xFFFFFFu);
  EXPECT_EQ(m.ColorHiLiteBG(), 0x0000FFu);
  EXPECT_EQ(m.ColorHiLiteSymbol(), 0xFFFFFFu);
  EXPECT_EQ(m.FrameStyle(), fsEtched);
  for (int i = 0; i < 52; ++i) EXPECT_TRUE(m.GetVis(i));
}

TEST(MarkSelLayout, DefaultGridOfTwentyNinePixelCells) {
  TMarkSel m;
  EXPECT_EQ(m.MarkPosition(0), (TPoint{14, 14}));
  EXPECT_EQ(m.MarkPosition(7), (TPoint{14 + 7 * 29, 14}));
  EXPECT_EQ(m.MarkPosition(8), (TPoint{14, 14 + 29}));
  // Marks 48..51 make a seventh row below the control.
  EXPECT_EQ(m.MarkPosition(51), (TPoint{14 + 3 * 29, 14 + 6 * 29}));
  EXPECT_GE(m.MarkPosition(48).Y, m.Height());
}

TEST(MarkSelLayout, HiddenMarksCloseUp) {
  TMarkSel m;
  m.HideAllMarks();
  m.SetVis(5, true);
  EXPECT_EQ(m.MarkPosition(5), (TPoint{14 + 29, 14}));
  EXPECT_EQ(m.MarkPosition(1), (TPoint{-1, -1}));
  EXPECT_FALSE(m.GetVis(1));
  m.SetVis(0, false);
  m.SetVis(52, true);
  EXPECT_TRUE(m.GetVis(0));
  EXPECT_TRUE(m.GetVis(52));  // reads mark 0's flag
  EXPECT_TRUE(m.GetVis(-7));
  EXPECT_EQ(m.MarkAt(500, 10), 5);
  m.ShowAllMarks();
  EXPECT_EQ(m.MarkPosition(1), (TPoint{14 + 29, 14}));
}

TEST(MarkSelModel, OutOfRangeWritesAreIgnored) {
  TMarkSel m;
  m.SetNrOfColumns(0);
  m.SetNrOfColumns(52);
  EXPECT_EQ(m.NrOfColumns(), 8);
  m.SetNrOfRows(51);
  EXPECT_EQ(m.NrOfRows(), 51);
  m.SetSelected(-2);
  m.SetSelected(52);
  EXPECT_EQ(m.Selected(), -1);
  m.SetSelected(51);
  EXPECT_EQ(m.Selected(), 51);
}

TEST(MarkSelLayout, NearestMarkWithTiesToTheLowerNumber) {
  TMarkSel m;
  EXPECT_EQ(m.MarkAt(14 + 29 + 3, 14 + 2), 1);
  EXPECT_EQ(m.MarkAt(14 + 14, 14), 0);  // 14 from mark 0, 15 from mark 1
  // Exactly between marks 1 and 2 (cells 29 apart): half a pixel cannot
  // happen, so move both to even spacing with 6 columns of 38.
  m.SetNrOfColumns(6);  // (236 - 4) / 6 = 38
  EXPECT_EQ(m.MarkAt(19 + 19, 19), 0);
  EXPECT_EQ(m.MarkAt(133, 5000), 51);  // the ninth row, below the control
}

TEST(MarkSelPaint, SelectedCellBoxedAndMarkZeroACross) {
  TMarkSel m;
  m.SetColorBackGnd(clWhite);
  m.SetSelected(9);
  TCanvas& c = m.Canvas();
  // The box of mark 9 (centre 43, 43): 43 - 14 + 3 = 32 .. 43 + 14 + 3 = 60.
  EXPECT_EQ(c.Pixels(32, 40), 0x800000u);
  EXPECT_EQ(c.Pixels(59, 40), 0x800000u);
  EXPECT_EQ(c.Pixels(33, 33), clWhite);
  // The cross of mark 0 runs from (4, 4) towards (30, 30).
  EXPECT_EQ(c.Pixels(4, 4), clBlack);
  EXPECT_EQ(c.Pixels(20, 20), clBlack);
  EXPECT_EQ(c.Pixels(4, 29), clBlack);  // the other stroke from (4, DistV)
  m.SetShowZeroAsCross(false);
  m.Paint();
  EXPECT_NE(c.Pixels(4, 4), clBlack);
}

TEST(MarkSelPaint, DisabledLooksGrey) {
  TMarkSel m;
  m.SetEnabled(false);
  m.Paint();
  EXPECT_EQ(vyrtest::CountColor(m.Canvas(), clBlack), 0);
  EXPECT_EQ(m.Canvas().Pixels(20, 20), clGray);
}

TEST(MarkSelMouse, TheHighlightFollowsThePointer) {
  TMarkSel m;
  m.Paint();
  m.MouseMove({}, 43, 14);
  EXPECT_EQ(m.HiLitMark(), 1);
  // The highlight box lies one pixel inside the cell's box.
  EXPECT_EQ(m.Canvas().Pixels(43 - 14 + 4, 14), clRed);
  EXPECT_EQ(m.Canvas().Pixels(43 - 14 + 3, 14), ColorToRGB(clBtnFace));
  m.MouseMove({}, 72, 14);
  EXPECT_EQ(m.HiLitMark(), 2);
  EXPECT_EQ(m.Canvas().Pixels(43 - 14 + 4, 14), ColorToRGB(clBtnFace));
  m.Paint();  // a repaint keeps it
  EXPECT_EQ(m.Canvas().Pixels(72 - 14 + 4, 14), clRed);
  m.MouseLeave();
  EXPECT_EQ(m.HiLitMark(), -1);
  EXPECT_EQ(m.Canvas().Pixels(72 - 14 + 4, 14), ColorToRGB(clBtnFace));
}

TEST(MarkSelMouse, AClickSelectsAndReportsTheNearestMark) {
  TMarkSel m;
  Pick pick;
  m.OnMarkClick = Recorder(pick);
  m.MouseDown(mbLeft, {}, 45, 47);
  m.MouseUp(mbLeft, {}, 45, 47);
  EXPECT_EQ(m.Selected(), 9);
  EXPECT_EQ(pick.mark, 9);
  EXPECT_EQ(pick.x, 45);
  EXPECT_EQ(pick.y, 47);
  EXPECT_EQ(m.HiLitMark(), 9);
  m.MouseUp(mbLeft, {}, -1, -1);  // no place: ignored
  m.MouseUp(mbRight, {}, 14, 14);
  EXPECT_EQ(pick.calls, 1);
  EXPECT_EQ(m.Selected(), 9);
}

TEST(MarkSelMouse, ADoubleClickReportsWhereItWasPressed) {
  TMarkSel m;
  Pick pick;
  m.OnMarkDblClick = Recorder(pick);
  m.MouseDown(mbLeft, {}, 14, 43);
  m.DblClick();
  EXPECT_EQ(pick.mark, 8);
  EXPECT_EQ(m.Selected(), 8);
}

TEST(MarkSelKeys, ArrowsMoveTheHighlightAndEnterSelects) {
  TMarkSel m;
  Pick pick;
  m.OnMarkClick = Recorder(pick);
  Press(m, VK_RIGHT);
  EXPECT_EQ(m.HiLitMark(), 1);
  Press(m, VK_DOWN);
  EXPECT_EQ(m.HiLitMark(), 9);
  Press(m, VK_LEFT);
  Press(m, VK_LEFT);
  EXPECT_EQ(m.HiLitMark(), 7);
  Press(m, VK_UP);
  Press(m, VK_UP);  // stays on the first row
  EXPECT_EQ(m.HiLitMark(), 7);
  Press(m, VK_RETURN);
  EXPECT_EQ(m.Selected(), 7);
  EXPECT_EQ(pick.mark, 7);
  EXPECT_EQ(pick.x, m.MarkPosition(7).X);
  for (int i = 0; i < 10; ++i) Press(m, VK_DOWN);  // not into the row below the control
  EXPECT_EQ(m.HiLitMark(), 47);
}

TEST(MarkSelKeys, ArrowsSkipHiddenMarks) {
  TMarkSel m;
  m.HideAllMarks();
  m.SetVis(20, true);
  m.SetVis(30, true);
  Press(m, VK_RIGHT);
  EXPECT_EQ(m.HiLitMark(), 20);
  Press(m, VK_RIGHT);
  Press(m, VK_RIGHT);
  EXPECT_EQ(m.HiLitMark(), 30);
  Press(m, VK_SPACE);
  EXPECT_EQ(m.Selected(), 30);
}

// A pick handler may free the selector: through Qt's own mouse and key
// events nothing touches it afterwards (ASan reports any use).
TEST(MarkSelHandlers, AHandlerMayFreeTheSelector) {
  const std::function<void(TMarkSel*)> picks[] = {
      [](TMarkSel* m) { QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(45, 47)); },
      [](TMarkSel* m) {
        QTest::mousePress(m, Qt::LeftButton, {}, QPoint(45, 47));
        QTest::mouseDClick(m, Qt::LeftButton, {}, QPoint(45, 47));
      },
      [](TMarkSel* m) { QTest::keyPress(m, Qt::Key_Return); },
      [](TMarkSel* m) { QTest::keyPress(m, Qt::Key_Space); },
  };
  for (const auto& pick : picks) {
    QWidget window;
    QPointer<TMarkSel> m = new TMarkSel(&window);
    window.show();
    m->OnMarkClick = m->OnMarkDblClick = [](TObject* sender, int, int, int) { delete sender; };
    pick(m.data());
    EXPECT_TRUE(m.isNull());
  }
}

TEST(MarkSelCitizen, FocusableAccessibleAndRegistered) {
  QWidget window;
  auto* m = new TMarkSel;
  m->SetSelected(12);
  vyrtest::ShowInLayout(window, m, {236, 178});
  EXPECT_NE(m->focusPolicy() & Qt::TabFocus, 0);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(m);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::List);
  EXPECT_EQ(a->text(QAccessible::Value), "mark 12");
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TMarkSel"), nullptr));
  EXPECT_NE(dynamic_cast<TMarkSel*>(w.get()), nullptr);
}
