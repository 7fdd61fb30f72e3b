// Keys every control treats alike: a tab widget's page keys reach the tab
// widget, and the menu key or Shift+F10 opens the popup menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "host/Edit.h"
#include "host/KeyCodes.h"
#include "host/Modal.h"
#include "host/TreeView.h"

using namespace vyr;

namespace {

struct PageKeyCase {
  const char* control;
  std::function<TControl*()> make;
};

class PageKeys : public ::testing::TestWithParam<PageKeyCase> {};

// Qt's tab widget acts on Ctrl+Tab and Ctrl+Shift+Tab; a parent of a
// plain widget would see Ctrl+PgUp and Ctrl+PgDn the same way.
TEST_P(PageKeys, ReachTheTabWidget) {
  QTabWidget tabs;
  TControl* control = GetParam().make();
  tabs.addTab(control, QStringLiteral("a"));
  tabs.addTab(new QWidget, QStringLiteral("b"));
  tabs.addTab(new QWidget, QStringLiteral("c"));
  tabs.show();
  control->setFocus();
  QApplication::processEvents();
  int keyDowns = 0;
  control->OnKeyDown = [&](TObject*, quint16& key, TShiftState) { keyDowns += key != VK_CONTROL && key != VK_SHIFT; };
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : control;
  QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs.currentIndex(), 1);
  tabs.setCurrentIndex(0);
  control->setFocus();
  QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs.currentIndex(), 2);
  EXPECT_EQ(keyDowns, 0);
}

TEST_P(PageKeys, PgUpAndPgDnWithCtrlAreLeftToTheParent) {
  TControl* control = GetParam().make();
  for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(control, &e);
    EXPECT_FALSE(e.isAccepted()) << GetParam().control << " " << key;
  }
  delete control;
}

INSTANTIATE_TEST_SUITE_P(Controls, PageKeys,
                         ::testing::Values(PageKeyCase{"custom", [] { return new TCustomControl; }},
                                           PageKeyCase{"edit", [] { return new TCustomEdit; }},
                                           PageKeyCase{"tree", [] { return new TCustomTreeView; }}),
                         [](const auto& info) { return std::string(info.param.control); });

TEST(ControlKeys, MenuKeyAndShiftF10OpenThePopupMenu) {
  TCustomControl control;
  TPopupMenu menu;
  control.SetPopupMenu(&menu);
  control.show();
  int opened = 0;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) { opened += &m == &menu; });
  QTest::keyClick(&control, Qt::Key_Menu);
  QTest::keyClick(&control, Qt::Key_F10, Qt::ShiftModifier);
  QTest::keyClick(&control, Qt::Key_F10);
  SetMenuInterceptor(old);
  EXPECT_EQ(opened, 2);
}

}  // namespace
