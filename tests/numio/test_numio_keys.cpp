// Editing TNumIO2 from the keyboard: key sequences through the key-down and
// key-up handlers with the platform's key codes.
#include <gtest/gtest.h>

#include <QTest>

#include "NumIOTestKit.h"
#include "host/Application.h"
#include "host/Clipboard.h"

using namespace vyr;
using numiotest::Key;
using numiotest::KeyWith;
using numiotest::Type;

namespace {

class NumIO2Keys : public ::testing::Test, public numiotest::FieldOnClock {
 protected:
  void SetUp() override {
    Application().SetSilent(true);
    field.SetBeep(true);
    field.OnChange = [this](TObject*) { ++changes; };
  }
  void TearDown() override { Application().SetSilent(false); }
  int Beeps() const { return Application().BeepCount() - beepsBefore; }
  void SelectAll() {
    field.SetSelBegin(0);
    field.SetSelEnd(int(field.Text().size()));
  }
  int changes = 0;
  int beepsBefore = Application().BeepCount();
};

}  // namespace

TEST_F(NumIO2Keys, TypingBuildsTheBufferAndRaisesOnChangePerKey) {
  Type(field, QStringLiteral("12.5"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  EXPECT_EQ(field.CaretPos(), 4);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(NumIO2Keys, InvalidKeyIsUndoneWithABeep) {
  field.SetText(QStringLiteral("12.5"));
  Key(field, VK_END);
  Type(field, QStringLiteral("E"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  EXPECT_EQ(field.CaretPos(), 4);
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(changes, 0);
  Type(field, QStringLiteral("3"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.53"));
  EXPECT_EQ(changes, 1);
  field.SetBeep(false);
  Type(field, QStringLiteral("."));
  EXPECT_EQ(field.Text(), QStringLiteral("12.53"));
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIO2Keys, LoneSignsAreAcceptedWhileTyping) {
  field.SetInputFormat(itInt);
  field.SetText(QString());
  Type(field, QStringLiteral("-"));
  EXPECT_EQ(field.Text(), QStringLiteral("-"));
  Type(field, QStringLiteral("."));
  EXPECT_EQ(field.Text(), QStringLiteral("-"));
  EXPECT_EQ(Beeps(), 1);
  Type(field, QStringLiteral("7"));
  EXPECT_EQ(field.Text(), QStringLiteral("-7"));
  Key(field, VK_BACK);
  Key(field, VK_BACK);
  Type(field, QStringLiteral("+"));
  EXPECT_EQ(field.Text(), QStringLiteral("+"));
  Type(field, QStringLiteral("+"));
  EXPECT_EQ(field.Text(), QStringLiteral("+"));
}

TEST_F(NumIO2Keys, FixedPointOverwritesTheDecimals) {
  field.SetInputFormat(itFixPoint);
  field.SetText(QStringLiteral("12.50"));
  Key(field, VK_HOME);
  Key(field, VK_RIGHT);
  Key(field, VK_RIGHT);
  EXPECT_EQ(field.SelBegin(), field.SelEnd());
  Key(field, VK_RIGHT);
  EXPECT_EQ(field.CaretPos(), 3);
  EXPECT_EQ(field.SelBegin(), 3);
  EXPECT_EQ(field.SelEnd(), 4);
  Type(field, QStringLiteral("9"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.90"));
  Type(field, QStringLiteral("1"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.91"));
  // At the end there is nothing right of the caret to select.
  EXPECT_EQ(field.CaretPos(), 5);
  EXPECT_EQ(field.SelBegin(), 5);
  EXPECT_EQ(field.SelEnd(), 5);
  Type(field, QStringLiteral("4"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.91"));
  // Digits typed left of the point are inserted.
  Key(field, VK_HOME);
  Type(field, QStringLiteral("3"));
  EXPECT_EQ(field.Text(), QStringLiteral("312.91"));
}

TEST_F(NumIO2Keys, DeletingEverythingLeavesZero) {
  field.SetText(QStringLiteral("12.5"));
  SelectAll();
  Key(field, VK_DELETE);
  EXPECT_EQ(field.Text(), QStringLiteral("0.00"));
  EXPECT_EQ(field.CaretPos(), 0);
  EXPECT_EQ(changes, 1);
  field.SetInputFormat(itHex);
  SelectAll();
  Key(field, VK_BACK);
  EXPECT_EQ(field.Text(), QStringLiteral("00000000"));
}

TEST_F(NumIO2Keys, BackspaceDeleteAndCaretKeys) {
  field.SetText(QStringLiteral("123.5"));
  Key(field, VK_END);
  Key(field, VK_LEFT);
  Key(field, VK_UP);
  EXPECT_EQ(field.CaretPos(), 3);
  Key(field, VK_BACK);
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  Key(field, VK_DELETE);
  EXPECT_EQ(field.Text(), QStringLiteral("125"));
  Key(field, VK_HOME);
  Key(field, VK_BACK);
  Key(field, VK_DOWN);
  EXPECT_EQ(field.CaretPos(), 1);
  Key(field, VK_END);
  Key(field, VK_DELETE);
  Key(field, VK_RIGHT);
  EXPECT_EQ(field.Text(), QStringLiteral("125"));
  EXPECT_EQ(field.CaretPos(), 3);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(NumIO2Keys, SelectionStaysInsideAShrinkingBuffer) {
  field.SetText(QStringLiteral("123"));
  field.SetSelBegin(3);
  Key(field, VK_BACK);
  EXPECT_EQ(field.Text(), QStringLiteral("12"));
  EXPECT_EQ(field.SelBegin(), 2);
  EXPECT_EQ(field.SelEnd(), 2);
}

TEST_F(NumIO2Keys, TypedCharacterReplacesTheSelection) {
  field.SetText(QStringLiteral("123.5"));
  field.SetSelBegin(1);
  field.SetSelEnd(3);
  Type(field, QStringLiteral("9"));
  EXPECT_EQ(field.Text(), QStringLiteral("19.5"));
  EXPECT_EQ(field.CaretPos(), 2);
}

TEST_F(NumIO2Keys, KeypadShiftAndPunctuationKeys) {
  field.SetInputFormat(itDynamic);
  field.SetText(QString());
  KeyWith(field, VK_SHIFT, quint16(VK_0 + 4));
  Type(field, QStringLiteral("1F"));
  EXPECT_EQ(field.Text(), QStringLiteral("$1F"));
  EXPECT_EQ(field.Value(), 31.0);
  // A lone prefix may start a number; a prefix after digits may not.
  Type(field, QStringLiteral("%"));
  EXPECT_EQ(field.Text(), QStringLiteral("$1F"));
  EXPECT_EQ(Beeps(), 1);
  field.SetInputFormat(itFloat);
  field.SetText(QString());
  Key(field, VK_NUMPAD0 + 7);
  Key(field, VK_DECIMAL);
  Key(field, VK_NUMPAD0 + 5);
  EXPECT_EQ(field.Text(), QStringLiteral("7,5"));
  EXPECT_EQ(field.Value(), 7.5);
  Key(field, VK_HOME);
  Key(field, VK_SUBTRACT);
  EXPECT_EQ(field.Text(), QStringLiteral("-7,5"));
  Key(field, VK_F1);
  EXPECT_EQ(Beeps(), 2);
}

TEST_F(NumIO2Keys, ClipboardCopyCutAndPaste) {
  field.SetText(QStringLiteral("12.5"));
  field.SetSelBegin(1);
  field.SetSelEnd(3);
  KeyWith(field, VK_CONTROL, 'C');
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("2."));
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  field.SetSelBegin(0);
  field.SetSelEnd(2);
  KeyWith(field, VK_CONTROL, 'X');
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("12"));
  EXPECT_EQ(field.Text(), QStringLiteral(".5"));
  EXPECT_EQ(changes, 1);
  Key(field, VK_END);
  Clipboard().SetAsText(QStringLiteral("25"));
  KeyWith(field, VK_CONTROL, 'V');
  EXPECT_EQ(field.Text(), QStringLiteral(".525"));
  EXPECT_EQ(field.CaretPos(), 4);
  EXPECT_EQ(changes, 2);
  KeyWith(field, VK_CONTROL, 'Z');
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIO2Keys, InvalidPasteRestoresBufferAndCaret) {
  field.SetText(QStringLiteral("12.5"));
  field.SetSelEnd(2);
  Clipboard().SetAsText(QStringLiteral("4.4"));
  KeyWith(field, VK_CONTROL, 'V');
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  EXPECT_EQ(field.CaretPos(), 2);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIO2Keys, LongPastesAreJudgedByTheValidityRule) {
  // A buffer holds at most 1024 characters.
  Clipboard().SetAsText(QString(1000000, u'7'));
  KeyWith(field, VK_CONTROL, 'V');
  EXPECT_EQ(field.Text(), QString());
  Clipboard().SetAsText(QString(1023, u'7'));
  KeyWith(field, VK_CONTROL, 'V');
  EXPECT_EQ(field.Text().size(), 1023);
  Type(field, QStringLiteral("7"));
  EXPECT_EQ(field.Text().size(), 1024);
  Type(field, QStringLiteral("7"));
  EXPECT_EQ(field.Text().size(), 1024);
  EXPECT_EQ(changes, 2);
  field.SetText(QString(1025, u'1'));
  EXPECT_EQ(field.Text().size(), 1024);
  field.SetText(QString());
  Clipboard().SetAsText(QStringLiteral("1\n2\t") + QChar(0) + QStringLiteral("3"));
  KeyWith(field, VK_CONTROL, 'V');
  EXPECT_EQ(field.Text(), QString());
  EXPECT_EQ(Beeps(), 3);
}

TEST_F(NumIO2Keys, ReadOnlyOnlyCopies) {
  field.SetText(QStringLiteral("12.5"));
  field.SetSelBegin(0);
  field.SetSelEnd(4);
  field.SetReadOnly(true);
  Type(field, QStringLiteral("7"));
  Key(field, VK_BACK);
  KeyWith(field, VK_CONTROL, 'X');
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  EXPECT_EQ(Beeps(), 0);
  KeyWith(field, VK_CONTROL, 'C');
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("12.5"));
  EXPECT_FALSE(field.CaretVisible());
  EXPECT_EQ(changes, 0);
}

TEST_F(NumIO2Keys, ModifierFlagsFollowTheirKeysAndDropWithTheFocus) {
  field.SetText(QStringLiteral("1"));
  Key(field, VK_END);
  quint16 ctrl = VK_CONTROL;
  field.KeyDown(ctrl, ssCtrl);
  Type(field, QStringLiteral("5"));
  EXPECT_EQ(field.Text(), QStringLiteral("1"));
  EXPECT_EQ(Beeps(), 1);
  // The key-up goes to another control once the focus has left.
  field.DoExit();
  Type(field, QStringLiteral("5"));
  EXPECT_EQ(field.Text(), QStringLiteral("15"));
}

TEST_F(NumIO2Keys, OnKeyDownStillSeesEveryKey) {
  int seen = 0;
  field.OnKeyDown = [&](TObject*, quint16&, TShiftState) { ++seen; };
  field.SetReadOnly(true);
  Key(field, VK_SHIFT);
  Type(field, QStringLiteral("4"));
  EXPECT_EQ(seen, 2);
}

TEST_F(NumIO2Keys, CtrlASelectsTheWholeBufferAlsoReadOnly) {
  field.SetText(QStringLiteral("12.5"));
  field.SetReadOnly(true);
  Clipboard().SetAsText({});
  QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("12.5"));
}
