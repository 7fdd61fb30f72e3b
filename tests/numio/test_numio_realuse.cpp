// TNumIO2 in a shown window, driven by real Qt key and mouse events.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "NumIOTestKit.h"
#include "host/Clipboard.h"

using namespace vyr;

namespace {

class NumIO2RealUse : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 200);
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit;
    shown = new TNumIO2;
    after = new QLineEdit;
    layout->addWidget(before);
    layout->addWidget(shown);
    layout->addWidget(after);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  vyrtest::ManualClockScope clock;
  QWidget window;
  QLineEdit* before = nullptr;
  TNumIO2* shown = nullptr;
  QLineEdit* after = nullptr;
};

// Sees key presses meant for the field before the field does.
class KeyWatcher : public QObject {
 public:
  TNumIO2* field = nullptr;
  QStringList bufferWhenSeen;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) bufferWhenSeen << field->Text();
    return false;
  }
};

}  // namespace

TEST_F(NumIO2RealUse, QtKeyEventsTypeLikeTheHandlers) {
  TNumIO2 direct;
  QTest::keyClicks(shown, QStringLiteral("-12.5"));
  QTest::keyClick(shown, Qt::Key_E);
  QTest::keyClick(shown, Qt::Key_Backspace);
  QTest::keyClick(shown, Qt::Key_7, Qt::KeypadModifier);
  QTest::keyClick(shown, Qt::Key_Home);
  QTest::keyClick(shown, Qt::Key_Delete);
  numiotest::Type(direct, QStringLiteral("-12.5E"));
  numiotest::Key(direct, VK_BACK);
  numiotest::Key(direct, VK_NUMPAD0 + 7);
  numiotest::Key(direct, VK_HOME);
  numiotest::Key(direct, VK_DELETE);
  EXPECT_EQ(shown->Text(), QStringLiteral("12.7"));
  EXPECT_EQ(direct.Text(), shown->Text());
  EXPECT_EQ(direct.CaretPos(), shown->CaretPos());
}

TEST_F(NumIO2RealUse, ShiftedPrefixAndClipboardKeys) {
  shown->SetInputFormat(itDynamic);
  shown->SetText(QString());
  QTest::keyClick(shown, Qt::Key_Dollar, Qt::ShiftModifier);
  QTest::keyClicks(shown, QStringLiteral("1F"));
  EXPECT_EQ(shown->Text(), QStringLiteral("$1F"));
  shown->SetSelBegin(1);
  shown->SetSelEnd(3);
  QTest::keyClick(shown, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("1F"));
  QTest::keyClick(shown, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(shown->Text(), QStringLiteral("$1F1F"));
  // The modifiers were released: plain keys type again.
  QTest::keyClick(shown, Qt::Key_4);
  EXPECT_EQ(shown->Text(), QStringLiteral("$1F1F4"));
}

TEST_F(NumIO2RealUse, TabMovesTheFocusOn) {
  shown->SetFocus();
  ASSERT_TRUE(shown->Focused());
  QTest::keyClick(shown, Qt::Key_Tab);
  EXPECT_TRUE(after->hasFocus());
  shown->SetFocus();
  QTest::keyClick(shown, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(before->hasFocus());
}

TEST_F(NumIO2RealUse, MouseOnTheSpinButtonsSteps) {
  shown->SetButVisible(true);
  int changes = 0;
  shown->OnChange = [&](TObject*) { ++changes; };
  const int bx = shown->LeftSpace() + shown->TextBoxWidth() + shown->ButSpace();
  QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(bx + 9, 5));
  QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(bx + 9, 5));
  EXPECT_EQ(shown->Text(), QStringLiteral("2.00"));
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(shown->Focused());
}

TEST_F(NumIO2RealUse, AnEventFilterSeesKeysFirst) {
  KeyWatcher watcher;
  watcher.field = shown;
  shown->installEventFilter(&watcher);
  QTest::keyClicks(shown, QStringLiteral("42"));
  EXPECT_EQ(watcher.bufferWhenSeen, QStringList({"", "4"}));
  EXPECT_EQ(shown->Text(), QStringLiteral("42"));
}
