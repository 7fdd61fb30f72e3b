// Keys both numeric fields share with Qt's own widgets, sent as real key
// events: Select All, Shift with Home and End, a tab widget's page keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "NumIOTestKit.h"
#include "host/Application.h"
#include "host/Clipboard.h"
#include "numio/Vyr_NumIO.h"

using namespace vyr;

namespace {

class NumIO2Conventions : public ::testing::Test, public numiotest::FieldOnClock {};

TEST_F(NumIO2Conventions, CtrlASelectsTheWholeBufferAlsoReadOnly) {
  field.SetText(QStringLiteral("12.5"));
  field.SetReadOnly(true);
  QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(field.SelBegin() * 10 + field.SelEnd(), 4);
  QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("12.5"));
}

TEST(NumIOConventions, CtrlAAndShiftHomeOrEndSelectInTheEditField) {
  TNumIO field;
  field.SetRangeHigh(10000);
  field.show();
  field.SetFocus();
  QWidget* edit = field.focusProxy();
  QTest::keyClicks(edit, QStringLiteral("1250"));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int caretBefore;
    QString selected;
  } cases[] = {{Qt::Key_A, Qt::ControlModifier, 2, "1250"},
               {Qt::Key_Home, Qt::ShiftModifier, 3, "125"},
               {Qt::Key_End, Qt::ShiftModifier, 1, "250"}};
  for (const auto& c : cases) {
    field.SetSelStart(c.caretBefore);
    field.SetSelLength(0);
    QTest::keyClick(edit, c.key, c.mods);
    EXPECT_EQ(field.SelText(), c.selected) << c.key;
  }
}

// Ctrl+Tab and Ctrl+Shift+Tab switch the pages, without a beep.
template <class Field>
void ExpectPageKeysSwitchTabs() {
  vyrtest::ManualClockScope clock;
  QTabWidget tabs;
  auto* field = new Field;
  field->SetBeep(true);
  tabs.addTab(field, QStringLiteral("a"));
  tabs.addTab(new QWidget, QStringLiteral("b"));
  tabs.show();
  field->SetFocus();
  const int beeps = Application().BeepCount();
  QWidget* target = field->focusProxy() ? field->focusProxy() : field;
  QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs.currentIndex(), 1);
  field->SetFocus();
  QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs.currentIndex(), 0);
  EXPECT_EQ(Application().BeepCount(), beeps);
}

TEST(NumIOConventions, PageKeysReachTheTabWidget) {
  Application().SetSilent(true);
  ExpectPageKeysSwitchTabs<TNumIO2>();
  ExpectPageKeysSwitchTabs<TNumIO>();
  Application().SetSilent(false);
}

}  // namespace
