// The edit box base: keys reach the control before the edit and can be
// swallowed or replaced, every change of the text runs Change, a refused
// edit never lands, and the selection and length limit behave.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "host/Edit.h"

using namespace vyr;

namespace {

// Swallows the key "X", turns "a" into "b" and refuses texts longer than 3.
class TestEdit : public TCustomEdit {
 public:
  QStringList changes;
  QStringList asked;
  void KeyDown(quint16& Key, TShiftState Shift) override {
    if (Key == 'X')
      Key = 0;
    else
      TCustomEdit::KeyDown(Key, Shift);
  }
  void KeyPress(QChar& Key) override {
    if (Key == u'a') Key = u'b';
  }
  void Change() override {
    changes << Text();
    TCustomEdit::Change();
  }

 protected:
  bool RefuseEdit(const QString& text) override {
    asked << text;
    return text.size() > 3;
  }
};

}  // namespace

TEST(CustomEdit, KeysGoThroughTheControlFirst) {
  TestEdit edit;
  int keyDowns = 0;
  edit.OnKeyDown = [&](TObject*, quint16&, TShiftState) { ++keyDowns; };
  QTest::keyClicks(&edit, QStringLiteral("1Xa2"));
  EXPECT_EQ(edit.Text(), QStringLiteral("1b2"));
  EXPECT_EQ(keyDowns, 3) << "the swallowed key stops before the event";
}

TEST(CustomEdit, ChangeRunsForTypingAndWritesButOnlyTypingIsAsked) {
  TestEdit edit;
  int events = 0;
  edit.OnChange = [&](TObject*) { ++events; };
  QTest::keyClicks(&edit, QStringLiteral("12345"));
  EXPECT_EQ(edit.Text(), QStringLiteral("123"));
  EXPECT_EQ(edit.changes, (QStringList{"1", "12", "123"}));
  EXPECT_TRUE(edit.asked.contains(QStringLiteral("1234")));
  edit.asked.clear();
  edit.SetText(QStringLiteral("long text"));
  EXPECT_TRUE(edit.asked.isEmpty());
  EXPECT_EQ(edit.changes.last(), QStringLiteral("long text"));
  EXPECT_EQ(events, 4);
}

TEST(CustomEdit, SelectionReplaceTextAndMaxLength) {
  TCustomEdit edit;
  edit.SetText(QStringLiteral("abcdef"));
  edit.SetSelStart(2);
  edit.SetSelLength(10);
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(edit.SelLength(), 4);
  EXPECT_EQ(edit.SelText(), QStringLiteral("cdef"));
  edit.SetSelStart(3);
  edit.ReplaceText(QStringLiteral("xy"));
  EXPECT_EQ(edit.SelStart(), 2) << "the caret is kept within the new text";
  edit.SetMaxLength(3);
  edit.SetText(QStringLiteral("12345"));
  EXPECT_EQ(edit.Text(), QStringLiteral("123"));
  edit.SetMaxLength(-1);
  EXPECT_EQ(edit.MaxLength(), 0);
  edit.SetReadOnly(true);
  QTest::keyClicks(&edit, QStringLiteral("9"));
  EXPECT_EQ(edit.Text(), QStringLiteral("123"));
}

// A key event may carry several characters (an input method's commit); a
// KeyPress handler that frees the edit on the first one ends the event.
TEST(CustomEdit, AKeyPressHandlerThatFreesTheEditEndsTheKeyEvent) {
  auto* edit = new TCustomEdit;
  int calls = 0;
  edit->OnKeyPress = [&](TObject*, QChar&) {
    ++calls;
    delete edit;
  };
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("abc"));
  QCoreApplication::sendEvent(&edit->EditWidget(), &typed);
  EXPECT_EQ(calls, 1);
}

TEST(CustomEdit, AnOnChangeHandlerMayFreeTheEdit) {
  QWidget window;
  auto* edit = new TCustomEdit(&window);
  window.show();
  QPointer<QLineEdit> inner(&edit->EditWidget());
  int calls = 0;
  edit->OnChange = [&](TObject*) {
    ++calls;
    delete edit;
  };
  QTest::keyClick(inner.data(), Qt::Key_A);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(window.findChild<TCustomEdit*>(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(inner.isNull());
}
