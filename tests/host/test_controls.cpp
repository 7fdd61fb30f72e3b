// The control bases: paint model, transparency, input translation (direct
// calls and real Qt events), focus moving on, and exception containment.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QWidget>
#include <stdexcept>

#include "host/Control.h"
#include "host/KeyCodes.h"
#include "host/Modal.h"
#include "support/ManualClock.h"

using namespace vyr;

namespace {

class Probe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  bool suppress = false;
  bool wantTab = false;
  std::vector<std::string> log;
  int lastKey = 0;
  TShiftState lastShift = 0;
  QString typed;

  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("down" + std::string(s & ssDouble ? "2" : "") + "@" + std::to_string(x) + "," + std::to_string(y));
    TCustomControl::MouseDown(b, s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("up");
    TCustomControl::MouseUp(b, s, x, y);
  }
  void Click() override {
    log.push_back("click");
    TCustomControl::Click();
  }
  void DblClick() override {
    log.push_back("dblclick");
    TCustomControl::DblClick();
  }
  // The widget's own mouse handlers, as Qt calls them.
  void Release(QMouseEvent* e) { mouseReleaseEvent(e); }
  void DoubleClick(QMouseEvent* e) { mouseDoubleClickEvent(e); }
  void KeyDown(quint16& key, TShiftState shift) override {
    lastKey = key;
    lastShift = shift;
    if (key == VK_TAB) SelectNext();
    TCustomControl::KeyDown(key, shift);
  }
  void KeyPress(QChar& ch) override { typed += ch; }

 protected:
  void DoPaint() override {
    if (suppress) return;
    Canvas().Brush.Color = clRed;
    Canvas().FillRect({0, 0, Width(), Height()});
    Canvas().Brush.Color = clBlue;
    Canvas().FillRect({0, 0, 4, 4});
  }
  bool WantsTabKey() const override { return wantTab; }
};

// Draws one black pixel; everything else shows the parent.
class Dot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void DoPaint() override { Canvas().SetPixels(1, 1, clBlack); }
};

}  // namespace

TEST(ControlPaint, PaintDrawsIntoTheBackCanvasAtOnceAndCountsOnlyRealPaints) {
  Probe p;
  p.SetBounds(0, 0, 20, 10);
  p.Paint();
  EXPECT_EQ(p.Canvas().Pixels(10, 5), clRed);
  EXPECT_EQ(p.Canvas().Pixels(0, 0), clBlue);
  EXPECT_EQ(p.PaintCount(), 1);
  p.suppress = true;
  p.Paint();
  EXPECT_EQ(p.PaintCount(), 1);
  p.suppress = false;
  p.SetWidth(30);
  p.Paint();
  EXPECT_EQ(p.Canvas().Width(), 30);
  EXPECT_EQ(p.Canvas().Pixels(29, 9), clRed);
  EXPECT_EQ(p.PaintCount(), 2);
}

TEST(ControlPaint, QtPaintEventCopiesTheBackCanvasToTheScreen) {
  Probe p;
  p.resize(12, 8);
  QImage shot = p.grab().toImage();
  EXPECT_EQ(FromQColor(shot.pixelColor(6, 6)), clRed);
  EXPECT_EQ(FromQColor(shot.pixelColor(1, 1)), clBlue);
}

TEST(ControlPaint, ZeroAndNegativeSizesPaintNothingAndDoNotCrash) {
  Probe p;
  p.SetBounds(0, 0, 0, 10);
  p.Paint();
  p.SetBounds(0, 0, -5, -5);
  EXPECT_EQ(p.Width(), 0);
  EXPECT_EQ(p.Height(), 0);
  p.Paint();
  EXPECT_EQ(p.PaintCount(), 0);
  EXPECT_EQ(p.Canvas().Pixels(0, 0), clInvalid);
}

TEST(ControlPaint, GraphicControlShowsTheParentPictureWhereItDrawsNothing) {
  Probe parent;
  parent.SetBounds(0, 0, 20, 20);
  Dot dot(&parent);
  dot.SetBounds(2, 2, 5, 5);
  parent.Paint();  // repaints the graphic child over the new picture
  EXPECT_EQ(dot.Canvas().Pixels(1, 1), clBlack);
  EXPECT_EQ(dot.Canvas().Pixels(0, 0), clBlue);  // parent pixel (2, 2)
  EXPECT_EQ(dot.Canvas().Pixels(3, 3), clRed);   // parent pixel (5, 5)
  EXPECT_EQ(dot.focusPolicy(), Qt::NoFocus);
}

TEST(ControlGeometry, VirtualSettersAndNegativeSizes) {
  Probe p;
  p.SetBounds(3, 4, 50, 60);
  EXPECT_EQ(p.Left(), 3);
  EXPECT_EQ(p.Top(), 4);
  p.SetHeight(-1);
  EXPECT_EQ(p.Height(), 0);
  EXPECT_TRUE(p.Visible());
  p.SetVisible(false);
  EXPECT_FALSE(p.Visible());
}

TEST(ControlInput, RealMouseEventsGiveDownClickUpAndDoubleClick) {
  Probe p;
  p.resize(40, 20);
  QTest::mouseClick(&p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(p.log, (std::vector<std::string>{"down@5,6", "click", "up"}));
  p.log.clear();
  QTest::mouseDClick(&p, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
  // The double-click event itself: DblClick first, then a press flagged ssDouble.
  EXPECT_EQ(p.log, (std::vector<std::string>{"dblclick", "down2@7,8"}));
}

TEST(ControlInput, ButtonReleasedOutsideIsNoClick) {
  Probe p;
  p.resize(40, 20);
  QTest::mousePress(&p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(&p, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
  EXPECT_EQ(p.log, (std::vector<std::string>{"down@5,5", "up"}));
}

TEST(ControlInput, RealKeyEventsArriveAsVirtualKeyCodesAndCharacters) {
  Probe p;
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int vk;
    TShiftState shift;
  };
  const Case cases[] = {
      {Qt::Key_5, Qt::NoModifier, 53, 0},
      {Qt::Key_Dollar, Qt::ShiftModifier, 52, ssShift},
      {Qt::Key_5, Qt::KeypadModifier, 101, 0},
      {Qt::Key_Plus, Qt::KeypadModifier, 107, 0},
      {Qt::Key_Minus, Qt::KeypadModifier, 109, 0},
      {Qt::Key_Period, Qt::KeypadModifier, 110, 0},
      {Qt::Key_Equal, Qt::NoModifier, 187, 0},
      {Qt::Key_Comma, Qt::NoModifier, 188, 0},
      {Qt::Key_Minus, Qt::NoModifier, 189, 0},
      {Qt::Key_Period, Qt::NoModifier, 190, 0},
      {Qt::Key_C, Qt::ControlModifier, 67, ssCtrl},
      {Qt::Key_Left, Qt::NoModifier, 37, 0},
      {Qt::Key_Delete, Qt::NoModifier, 46, 0},
  };
  for (const Case& c : cases) {
    QTest::keyPress(&p, c.key, c.mods);
    EXPECT_EQ(p.lastKey, c.vk) << c.key;
    EXPECT_EQ(p.lastShift, c.shift) << c.key;
  }
  p.typed.clear();
  QTest::keyClicks(&p, QStringLiteral("1a"));
  EXPECT_EQ(p.typed, QStringLiteral("1a"));
}

TEST(ControlInput, TabMovesTheFocusOnOrReachesControlsThatWantIt) {
  QWidget window;
  auto* first = new Probe(&window);
  auto* second = new Probe(&window);
  first->setGeometry(0, 0, 20, 20);
  second->setGeometry(30, 0, 20, 20);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  first->SetFocus();
  ASSERT_TRUE(first->Focused());
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(second->Focused());

  first->wantTab = true;
  first->SetFocus();
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_EQ(first->lastKey, VK_TAB);
  EXPECT_TRUE(second->Focused());  // the control itself moved the focus on
}

TEST(ControlInput, ExceptionsFromHandlersReachTheApplicationNotQt) {
  vyrtest::ExceptionCatcher caught;
  Probe p;
  p.resize(10, 10);
  p.OnClick = [](TObject*) { throw std::runtime_error("click failed"); };
  QTest::mouseClick(&p, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(caught.messages, (std::vector<std::string>{"click failed"}));
  p.OnClick = nullptr;
  p.log.clear();
  QTest::mouseClick(&p, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(p.log, (std::vector<std::string>{"down@2,2", "click", "up"}));
}

TEST(ControlInput, AClickHandlerMayFreeTheControl) {
  int ups = 0;
  auto* p = new Probe;
  p->resize(10, 10);
  p->OnClick = [&](TObject*) { delete p; };
  p->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  p->Release(&release);
  EXPECT_EQ(ups, 0);

  auto* q = new Probe;
  q->resize(10, 10);
  q->OnDblClick = [&](TObject*) { delete q; };
  q->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  q->DoubleClick(&twice);
  EXPECT_EQ(ups, 0);
}

TEST(ControlInput, WheelRaisesTheGeneralEventThenUpOrDown) {
  Probe p;
  std::vector<std::string> seen;
  p.OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool&) { seen.push_back(std::to_string(delta)); };
  p.OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    seen.push_back("down");
    handled = true;
  };
  EXPECT_TRUE(p.DoMouseWheel(0, -120, {0, 0}));
  EXPECT_FALSE(p.DoMouseWheel(0, 120, {0, 0}));
  EXPECT_EQ(seen, (std::vector<std::string>{"-120", "down", "120"}));
}

TEST(ControlFramework, TabStopDecidesWhetherTabStopsAtAControl) {
  QWidget window;
  auto* a = new Probe(&window);
  auto* b = new Probe(&window);
  auto* c = new Probe(&window);
  auto* dot = new Dot(&window);
  b->SetTabStop(false);
  EXPECT_FALSE(b->TabStop());
  dot->SetTabStop(true);
  EXPECT_FALSE(dot->TabStop());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  a->SetFocus();
  QTest::keyClick(a, Qt::Key_Tab);
  EXPECT_TRUE(c->Focused());  // b is skipped by Tab
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_TRUE(b->Focused());  // but a click still focuses it
}

TEST(ControlFramework, HintShowsWhileShowHintIsOn) {
  Probe p;
  p.SetHint(QStringLiteral("Inlet pressure"));
  EXPECT_EQ(p.toolTip(), "Inlet pressure");
  p.SetShowHint(false);
  EXPECT_EQ(p.Hint(), "Inlet pressure");
  EXPECT_TRUE(p.toolTip().isEmpty());
  p.SetShowHint(true);
  EXPECT_EQ(p.toolTip(), "Inlet pressure");
}

TEST(ControlFramework, ContextRequestsRaiseOnContextPopupThenOpenThePopupMenu) {
  Probe p;
  p.resize(40, 30);
  TPopupMenu menu;
  menu.AddItem(QStringLiteral("Reset"));
  int opened = 0;
  const TMenuInterceptor previous = SetMenuInterceptor([&](QMenu& m, TPoint) { opened += &m == &menu; });
  std::vector<TPoint> asked;
  bool handle = true;
  p.OnContextPopup = [&](TObject*, TPoint at, bool& handled) {
    asked.push_back(at);
    handled = handle;
  };
  QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(5, 7));
  QApplication::sendEvent(&p, &byMouse);
  EXPECT_EQ(opened, 0);  // no menu assigned, and the handler took it
  handle = false;
  QContextMenuEvent unclaimed(QContextMenuEvent::Mouse, QPoint(5, 7));
  QApplication::sendEvent(&p, &unclaimed);
  EXPECT_FALSE(unclaimed.isAccepted());  // left to the parent
  handle = true;
  p.SetPopupMenu(&menu);
  QApplication::sendEvent(&p, &byMouse);
  EXPECT_EQ(opened, 0);  // handled
  handle = false;
  QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(0, 0));
  QApplication::sendEvent(&p, &byKey);
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0].X, 5);
  EXPECT_EQ(asked[0].Y, 7);
  EXPECT_EQ(asked[3].X, -1);
  SetMenuInterceptor(previous);
}
