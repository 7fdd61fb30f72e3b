// Framework properties every control shares: Tab order among siblings, the
// sunken border with its client area, and drag and drop between controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "host/Control.h"
#include "host/DragSession.h"
#include "host/Grid.h"

using namespace vyr;

namespace {

class Fill : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<QPoint> presses;
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    presses.emplace_back(x, y);
    TCustomControl::MouseDown(b, s, x, y);
  }

 protected:
  void DoPaint() override {
    Canvas().Brush = {clRed, bsSolid};
    Canvas().FillRect({0, 0, Width(), Height()});
  }
};

// The order Tab visits the parent's children, starting from the first.
std::vector<QWidget*> TabWalk(QWidget* first, int steps) {
  std::vector<QWidget*> seen;
  first->setFocus();
  for (int i = 0; i < steps; ++i) {
    seen.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  return seen;
}

}  // namespace

TEST(ControlTabOrder, WritesMoveOneControlAndKeepTheOthersInOrder) {
  QWidget window;
  Fill a(&window), b(&window), c(&window);
  TGraphicControl label(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(std::tuple(a.TabOrder(), b.TabOrder(), c.TabOrder(), label.TabOrder()), std::tuple(0, 1, 2, -1));

  c.SetTabOrder(0);  // the last to the front
  EXPECT_EQ(std::tuple(c.TabOrder(), a.TabOrder(), b.TabOrder()), std::tuple(0, 1, 2));
  EXPECT_EQ(TabWalk(&c, 4), (std::vector<QWidget*>{&c, &a, &b, &c}));

  c.SetTabOrder(99);  // clamped: the last place
  a.SetTabOrder(-5);  // clamped: the first place, where it already is
  EXPECT_EQ(std::tuple(a.TabOrder(), b.TabOrder(), c.TabOrder()), std::tuple(0, 1, 2));
  b.SetTabOrder(2);
  EXPECT_EQ(TabWalk(&a, 3), (std::vector<QWidget*>{&a, &c, &b}));
  label.SetTabOrder(0);  // never takes the focus: nothing moves
  EXPECT_EQ(std::tuple(a.TabOrder(), c.TabOrder(), b.TabOrder(), label.TabOrder()), std::tuple(0, 1, 2, -1));
}

TEST(ControlTabOrder, ChildrenOfAnotherParentKeepTheirOrder) {
  QWidget window;
  Fill a(&window);
  QWidget box(&window);
  Fill inner1(&box), inner2(&box);
  Fill b(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  b.SetTabOrder(0);
  EXPECT_EQ(std::tuple(b.TabOrder(), a.TabOrder()), std::tuple(0, 1));
  EXPECT_EQ(std::tuple(inner1.TabOrder(), inner2.TabOrder()), std::tuple(0, 1));
  const auto walk = TabWalk(&b, 4);
  EXPECT_EQ(walk, (std::vector<QWidget*>{&b, &a, &inner1, &inner2}));
}

TEST(ControlBorder, SingleDrawsASunkenEdgeAndMovesTheClientInside) {
  Fill f;
  f.resize(40, 30);
  f.SetBorderStyle(bsSingle);
  EXPECT_EQ(f.ClientRect(), (TRect{2, 2, 38, 28}));
  EXPECT_EQ(f.Canvas().Width(), 36);
  EXPECT_EQ(f.Canvas().Height(), 26);
  f.Paint();
  const QImage shown = f.grab().toImage();
  auto at = [&](int x, int y) { return FromQColor(shown.pixelColor(x, y)); };
  EXPECT_EQ(at(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(at(1, 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(at(39, 29), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(at(38, 28), ColorToRGB(cl3DLight));
  EXPECT_EQ(at(39, 0), ColorToRGB(clBtnHighlight));  // the bottom-right line runs the full length
  // The control's own fill covers exactly the client area.
  EXPECT_EQ(at(2, 2), ColorToRGB(clRed));
  EXPECT_EQ(at(37, 27), ColorToRGB(clRed));

  // Mouse positions arrive in client coordinates.
  QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(10, 7));
  ASSERT_EQ(f.presses.size(), 1u);
  EXPECT_EQ(f.presses[0], QPoint(8, 5));

  f.SetBorderStyle(bsNone);
  f.Paint();
  EXPECT_EQ(f.Canvas().Width(), 40);
  EXPECT_EQ(FromQColor(f.grab().toImage().pixelColor(0, 0)), ColorToRGB(clRed));
}

TEST(ControlBorder, AGridInsideABorderFindsItsCellsWhereTheyAreDrawn) {
  TCustomDrawGrid grid;
  grid.resize(200, 120);
  grid.SetScrollBars(ssNone);
  grid.SetBorderStyle(bsSingle);
  EXPECT_EQ(grid.ClientWidth(), 196);
  EXPECT_EQ(grid.ClientHeight(), 116);
  const TRect cell = grid.CellRect(2, 2);
  // A click in the middle of the cell as drawn (client plus border) picks it.
  const QPoint middle(cell.Left + cell.Width() / 2 + 2, cell.Top + cell.Height() / 2 + 2);
  QTest::mouseClick(&grid, Qt::LeftButton, {}, middle);
  EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(2, 2));
}

namespace {

// Sends one drag event of the drag that data names to a control; Qt sends
// moves and the drop to the control that took the entry.
template <typename Event>
bool SendDrag(QWidget& to, const QMimeData* data, QPoint at) {
  Event e(at, Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&to, &e);
  return e.isAccepted();
}

}  // namespace

TEST(ControlDragDrop, DropsArriveWhereOnDragOverAccepts) {
  Fill source, target;
  std::vector<std::string> log;
  target.OnDragOver = [&](TObject*, TObject* from, int x, int, TDragState state, bool& accept) {
    EXPECT_EQ(from, &source);
    log.push_back("over" + std::to_string(int(state)) + "@" + std::to_string(x));
    accept = x >= 10;
  };
  target.OnDragDrop = [&](TObject*, TObject* from, int x, int y) {
    EXPECT_EQ(from, &source);
    log.push_back("drop@" + std::to_string(x) + "," + std::to_string(y));
  };
  // Refused where OnDragOver says no, even after a place that was accepted.
  std::unique_ptr<QMimeData> data(TDragSession::Begin(&source));
  EXPECT_TRUE(SendDrag<QDragEnterEvent>(target, data.get(), {4, 4}));  // entry is taken
  EXPECT_FALSE(SendDrag<QDragMoveEvent>(target, data.get(), {5, 4}));
  EXPECT_TRUE(SendDrag<QDragMoveEvent>(target, data.get(), {12, 4}));
  EXPECT_FALSE(SendDrag<QDragMoveEvent>(target, data.get(), {6, 4}));
  EXPECT_FALSE(SendDrag<QDropEvent>(target, data.get(), {6, 4}));
  EXPECT_EQ(TDragSession::End(nullptr), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"over0@4", "over2@5", "over2@12", "over2@6"}));

  // Taken where it is accepted; the session tells the source where.
  log.clear();
  data.reset(TDragSession::Begin(&source));
  SendDrag<QDragEnterEvent>(target, data.get(), {11, 2});
  EXPECT_TRUE(SendDrag<QDragMoveEvent>(target, data.get(), {12, 3}));
  EXPECT_TRUE(SendDrag<QDropEvent>(target, data.get(), {12, 3}));
  QPoint at;
  EXPECT_EQ(TDragSession::End(&at), &target);
  EXPECT_EQ(at, QPoint(12, 3));
  EXPECT_EQ(log, (std::vector<std::string>{"over0@11", "over2@12", "drop@12,3"}));

  // Data of a finished drag, or of another program, is not a control drag.
  log.clear();
  EXPECT_FALSE(SendDrag<QDragEnterEvent>(target, data.get(), {12, 3}));
  QMimeData text;
  text.setText(QStringLiteral("hello"));
  delete TDragSession::Begin(&source);
  EXPECT_FALSE(SendDrag<QDragEnterEvent>(target, &text, {12, 3}));
  TDragSession::End(nullptr);
  EXPECT_TRUE(log.empty());
}

TEST(ControlDragDrop, WithoutOnDragOverNothingIsDropped) {
  Fill source, target;
  bool dropped = false;
  target.OnDragDrop = [&](TObject*, TObject*, int, int) { dropped = true; };
  std::unique_ptr<QMimeData> data(TDragSession::Begin(&source));
  SendDrag<QDragEnterEvent>(target, data.get(), {4, 4});
  EXPECT_FALSE(SendDrag<QDragMoveEvent>(target, data.get(), {5, 4}));
  EXPECT_FALSE(SendDrag<QDropEvent>(target, data.get(), {5, 4}));
  EXPECT_FALSE(dropped);
  EXPECT_EQ(TDragSession::End(nullptr), nullptr);
}

// With dmAutomatic a left press that moves past Qt's start distance starts
// a drag (the press still reaching MouseDown); a shorter move, or a move
// after the button went up, starts none. Without a window system's drag
// the drag ends at once, on no target.
TEST(ControlDragDrop, AutomaticModeStartsADragOncePressAndMoveGoFarEnough) {
  Fill source;
  source.resize(100, 40);
  std::vector<std::string> log;
  source.OnStartDrag = [&](TObject*) { log.push_back("start"); };
  source.OnEndDrag = [&](TObject*, TObject* to, int, int) { log.push_back(to ? "end@target" : "end"); };
  const int far = QApplication::startDragDistance() + 1;

  QTest::mousePress(&source, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&source, QPoint(10 + far, 10));
  QTest::mouseRelease(&source, Qt::LeftButton, {}, QPoint(10 + far, 10));
  EXPECT_TRUE(log.empty()) << "manual mode starts nothing";

  source.SetDragMode(dmAutomatic);
  QTest::mousePress(&source, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&source, QPoint(10 + far - 2, 10));
  EXPECT_TRUE(log.empty()) << "not yet past the start distance";
  QTest::mouseRelease(&source, Qt::LeftButton, {}, QPoint(10 + far - 2, 10));
  QTest::mouseMove(&source, QPoint(10 + 3 * far, 10));
  EXPECT_TRUE(log.empty()) << "the release ended the press";

  QTest::mousePress(&source, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&source, QPoint(10 + far, 10));
  EXPECT_EQ(log, (std::vector<std::string>{"start", "end"}));
  EXPECT_FALSE(source.Dragging());
  EXPECT_EQ(source.presses.size(), 3u);
}
