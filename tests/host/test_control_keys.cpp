// Keys every control treats alike, sent as real key events.
#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>

#include "host/Edit.h"
#include "host/Modal.h"
#include "host/TreeView.h"

using namespace vyr;

class PageKeys : public ::testing::TestWithParam<TControl* (*)()> {};

// A tab widget's page keys pass every kind of control to reach it.
TEST_P(PageKeys, ReachTheTabWidget) {
  QTabWidget tabs;
  TControl* control = GetParam()();
  for (QWidget* page : {static_cast<QWidget*>(control), new QWidget, new QWidget}) tabs.addTab(page, {});
  QWidget* target = control->focusProxy() ? control->focusProxy() : control;
  QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs.currentIndex(), 2);
  QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::ControlModifier);
  QApplication::sendEvent(target, &pageDown);
  EXPECT_FALSE(pageDown.isAccepted());
}

INSTANTIATE_TEST_SUITE_P(Controls, PageKeys,
                         ::testing::Values([]() -> TControl* { return new TCustomControl; },
                                           []() -> TControl* { return new TCustomEdit; },
                                           []() -> TControl* { return new TCustomTreeView; }));

TEST(ControlKeys, MenuKeyAndShiftF10OpenThePopupMenu) {
  TCustomControl control;
  TPopupMenu menu;
  control.SetPopupMenu(&menu);
  int opened = 0;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) { opened += &m == &menu; });
  for (auto [key, mods] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_F10, Qt::NoModifier}})
    QTest::keyClick(&control, key, mods);
  SetMenuInterceptor(old);
  EXPECT_EQ(opened, 2);
}
