// TNumIO, the edit-based numeric field, typed into through real Qt key
// events: what each format lets through, what comes back after a refused
// change, the beep, OnChange, the range defaults and the line edit's own
// undo and selection.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QBuffer>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "foundation/Constants.h"
#include "host/Application.h"
#include "host/FormLoader.h"
#include "numio/Vyr_NumIO.h"
#include "support/AssignWalk.h"

using namespace vyr;

namespace {

class NumIOEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    field = new TNumIO;
    layout->addWidget(field);
    window.show();
    field->SetFocus();
    field->OnChange = [this](TObject*) { ++changes; };
    Application().SetSilent(true);
    beepsBefore = Application().BeepCount();
  }
  void TearDown() override { Application().SetSilent(false); }

  // A field of the format taking lo..hi, beeping on refusals.
  void Setup(TInFormat format, double lo, double hi) {
    field->SetInputFormat(format);
    field->SetRangeHigh(hi);
    field->SetRangeLow(lo);
    field->SetBeep(true);
  }
  void Type(const QString& keys) { QTest::keyClicks(field, keys); }
  int Beeps() const { return Application().BeepCount() - beepsBefore; }

  QWidget window;
  TNumIO* field = nullptr;
  int changes = 0;
  int beepsBefore = 0;
};

}  // namespace

TEST_F(NumIOEdit, FloatKeepsTheLastTextInRange) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("500"));
  EXPECT_EQ(field->Text(), QStringLiteral("50"));
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(field->Value(), 50.0);
}

TEST_F(NumIOEdit, NoBeepUnlessAskedFor) {
  Setup(itFloat, 0, 100);
  field->SetBeep(false);
  Type(QStringLiteral("500"));
  EXPECT_EQ(field->Text(), QStringLiteral("50"));
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(NumIOEdit, ExpTakesAnExponentStillBeingTyped) {
  Setup(itExp, -1e9, 1e9);
  Type(QStringLiteral("1.5e"));
  EXPECT_EQ(field->Text(), QStringLiteral("1.5e"));
  Type(QStringLiteral("-"));
  EXPECT_EQ(field->Text(), QStringLiteral("1.5e-"));
  QTest::keyClick(field, Qt::Key_Backspace);
  Type(QStringLiteral("3"));
  EXPECT_EQ(field->Value(), 1500.0);
  Type(QStringLiteral("x"));
  EXPECT_EQ(field->Text(), QStringLiteral("1.5e3"));
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIOEdit, AnInnerBlankIsRefused) {
  Setup(itFloat, -1000, 1000);
  Type(QStringLiteral("1 2"));
  EXPECT_EQ(field->Text(), QStringLiteral("12"));
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIOEdit, ZeroPassesWhateverTheRange) {
  Setup(itFloat, 5, 10);
  Type(QStringLiteral("3"));
  EXPECT_EQ(field->Text(), QString());
  Type(QStringLiteral("0"));
  EXPECT_EQ(field->Text(), QStringLiteral("0"));
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), QString());
}

TEST_F(NumIOEdit, FixPointShowsItsDecimalsAndCutsTheRest) {
  Setup(itFixPoint, 0, 1000);
  Type(QStringLiteral("1"));
  EXPECT_EQ(field->Text(), QStringLiteral("1.00"));
  EXPECT_EQ(field->SelStart(), 1);
  Type(QStringLiteral("2"));
  EXPECT_EQ(field->Text(), QStringLiteral("12.00"));
  // A second point jumps among the decimals, where digits overwrite.
  Type(QStringLiteral(".345"));
  EXPECT_EQ(field->Text(), QStringLiteral("12.34"));
  EXPECT_EQ(Beeps(), 0);
  // Deleting the point brings the text back, the caret before the point.
  field->SetSelStart(3);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), QStringLiteral("12.34"));
  EXPECT_EQ(field->SelStart(), 2);
  Type(QStringLiteral("9"));
  EXPECT_EQ(field->Text(), QStringLiteral("129.34"));
  Type(QStringLiteral("9"));  // 1299.34 is out of range
  EXPECT_EQ(field->Text(), QStringLiteral("129.34"));
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIOEdit, FixPointTakesASignTypedFirst) {
  Setup(itFixPoint, -1000, 1000);
  Type(QStringLiteral("-"));
  EXPECT_EQ(field->Text(), QStringLiteral("-"));
  EXPECT_EQ(field->Value(), 0.0);
  Type(QStringLiteral("5"));
  EXPECT_EQ(field->Text(), QStringLiteral("-5.00"));
  EXPECT_EQ(field->Value(), -5.0);
  field->SelectAll();
  Type(QStringLiteral("-7"));
  EXPECT_EQ(field->Text(), QStringLiteral("-7.00"));
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(NumIOEdit, FixPointWithCommaKeepsTheComma) {
  Setup(itFixPoint, 0, 1000);
  field->SetDecPlaceSep(dsComma);
  Type(QStringLiteral("7,5"));
  EXPECT_EQ(field->Text(), QStringLiteral("7,50"));
  EXPECT_EQ(field->Value(), 7.5);
}

TEST_F(NumIOEdit, IntHexOctBinAndDynamicTakeTheirDigits) {
  struct Case {
    TInFormat format;
    const char* typed;
    const char* shown;
    double value;
  } cases[] = {{itInt, "-12.5", "-125", -125}, {itHex, "1fg", "1f", 31},    {itOct, "178", "17", 15},
               {itBin, "1021", "101", 5},      {itDynamic, "$1F", "$1F", 31}, {itDynamic, "%101", "%101", 5},
               {itDynamic, "&17", "&17", 15},  {itDynamic, "2e3", "2e3", 2000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    field->SetText(QString());
    Setup(c.format, -1e6, 1e6);
    Type(QString::fromLatin1(c.typed));
    EXPECT_EQ(field->Text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(field->Value(), c.value);
  }
}

TEST_F(NumIOEdit, ConvertNumStringReadsEveryFormat) {
  struct Case {
    TInFormat format;
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {itExp, "  1.5E3", true, 1500},   {itExp, "1.5e+", true, 1.5},    {itExp, "1.5x", false, 0},
      {itExp, "1 2", false, 0},         {itExp, "   ", true, 0},        {itFloat, "-2.25", true, -2.25},
      {itFloat, "1e3", false, 0},       {itFixPoint, "3.5", true, 3.5}, {itInt, "2147483647", true, 2147483647},
      {itInt, "2147483648", false, 0},  {itInt, "1.0", false, 0},       {itHex, "ffffffff", true, -1},
      {itHex, "1ffffffff", false, 0},   {itHex, "00000001f", true, 31}, {itOct, "37777777777", true, -1},
      {itOct, "40000000000", false, 0}, {itOct, "9", false, 0},         {itBin, "102", false, 0},
      {itDynamic, "$", true, 0},        {itDynamic, "%12", false, 0},   {itDynamic, "1e", true, 1},
  };
  field->SetDecPlaceSep(dsPoint);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    field->SetInputFormat(c.format);
    double v = 99;
    EXPECT_EQ(field->ConvertNumString(QString::fromLatin1(c.text), v), c.ok);
    if (c.ok) EXPECT_EQ(v, c.value);
  }
  double untouched = 99;
  EXPECT_FALSE(field->ConvertNumString(QString(), untouched));
  EXPECT_EQ(untouched, 99);
}

TEST_F(NumIOEdit, ValueIsWrittenInTheFormatWithoutCheckOrEvent) {
  field->SetInputFormat(itFloat);
  field->SetValue(3.14159);
  EXPECT_EQ(field->Text(), QStringLiteral("3.14159000"));
  field->SetInputFormat(itExp);
  field->SetValue(3.14159);
  EXPECT_EQ(field->Text(), QStringLiteral(" 3.14159E+00"));
  field->SetInputFormat(itBin);
  field->SetValue(300);
  EXPECT_EQ(field->Value(), 300.0);
  field->SetInputFormat(itInt);
  field->SetValue(1e12);
  EXPECT_EQ(field->Text(), QStringLiteral("2147483647"));
  field->SetValue(-2.5);
  EXPECT_EQ(field->Text(), QStringLiteral("-2"));
  field->SetFixPointDecPlaces(0);
  EXPECT_EQ(field->FixPointDecPlaces(), 1);
  field->SetFixPointDecPlaces(20);
  EXPECT_EQ(field->FixPointDecPlaces(), 8);
  EXPECT_EQ(changes, 0);
  // The written text is what a refused key brings back.
  field->SetInputFormat(itInt);
  field->SetRangeHigh(1000);
  field->SetValue(42);
  Type(QStringLiteral("x"));
  EXPECT_EQ(field->Text(), QStringLiteral("42"));
}

TEST_F(NumIOEdit, ATextWrittenFromCodeIsCheckedToo) {
  Setup(itFloat, 0, 100);
  field->SetText(QStringLiteral("20"));
  EXPECT_EQ(changes, 1);
  field->SetText(QStringLiteral("200"));
  EXPECT_EQ(field->Text(), QStringLiteral("20"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumIOEdit, RangeDefaultsDifferAtDesignAndRunTime) {
  EXPECT_EQ(field->RangeLow(), 0.0);
  EXPECT_EQ(field->RangeHigh(), 0.0);
  Type(QStringLiteral("5"));
  EXPECT_EQ(field->Text(), QString());
  Type(QStringLiteral("0"));
  EXPECT_EQ(field->Text(), QStringLiteral("0"));

  TNumIO designed;
  designed.SetDesigning(true);
  designed.ensurePolished();
  EXPECT_EQ(designed.RangeLow(), -uc_MaxDouble);
  EXPECT_EQ(designed.RangeHigh(), uc_MaxDouble);
  // A range set before the designer takes the field stays.
  TNumIO set;
  set.SetRangeHigh(10);
  set.SetDesigning(true);
  set.ensurePolished();
  EXPECT_EQ(set.RangeHigh(), 10.0);
}

TEST_F(NumIOEdit, RangeEndsSwapAndRecheckTheText) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("50"));
  field->SetRangeLow(200);
  EXPECT_EQ(field->RangeLow(), 100.0);
  EXPECT_EQ(field->RangeHigh(), 200.0);
  EXPECT_EQ(field->Text(), QString());
  field->SetRangeHigh(-5);
  EXPECT_EQ(field->RangeLow(), -5.0);
  EXPECT_EQ(field->RangeHigh(), 100.0);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(NumIOEdit, AStoredFormSetsTheTextBeforeTheRange) {
  TNumIO loaded;
  loaded.BeginLoading();
  loaded.SetText(QStringLiteral("50"));
  loaded.SetRangeLow(10);
  loaded.SetRangeHigh(100);
  loaded.Loaded();
  EXPECT_EQ(loaded.Text(), QStringLiteral("50"));
  EXPECT_EQ(loaded.RangeLow(), 10.0);
}

TEST_F(NumIOEdit, UndoKeepsNoTraceOfARefusedKey) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("50"));
  Type(QStringLiteral("0"));
  ASSERT_EQ(field->Text(), QStringLiteral("50"));
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(field->Text(), QStringLiteral("50"));
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(field->Text(), QStringLiteral("50"));
  EXPECT_FALSE(field->EditWidget().isRedoAvailable()) << "the refused 0 left nothing to redo";
}

TEST_F(NumIOEdit, SelectionWorksAsInALineEdit) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("12"));
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(field->SelText(), QStringLiteral("1"));
  Type(QStringLiteral("9"));
  EXPECT_EQ(field->Text(), QStringLiteral("92"));
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  Type(QStringLiteral("7"));
  EXPECT_EQ(field->Text(), QStringLiteral("7"));
}

TEST_F(NumIOEdit, AssignCopiesItsList) {
  static constexpr const char* notCopied[] = {"FixPointDecPlaces", "Value"};
  const QVariantMap given{{QStringLiteral("DecPlaceSep"), QVariant::fromValue(dsComma)},
                          {QStringLiteral("RangeHigh"), 50.0}};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TNumIO>(); }, TNumIO::CopiedProperties(), notCopied,
                                  given);
}

TEST_F(NumIOEdit, AssignChecksTheTextAgainstTheCopiedRange) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("50"));
  TNumIO narrow;
  narrow.SetInputFormat(itFloat);
  narrow.SetRangeHigh(10);
  field->Assign(&narrow);
  EXPECT_EQ(field->RangeHigh(), 10.0);
  EXPECT_EQ(field->Text(), QString());
  EXPECT_EQ(changes, 2);
}

TEST_F(NumIOEdit, AStoredFormIsCheckedOnceAtTheEnd) {
  QByteArray form(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Form</class><widget class="QWidget" name="Form">
 <widget class="TNumIO" name="gain">
  <property name="Text"><string>50</string></property>
  <property name="RangeLow"><double>10</double></property>
  <property name="RangeHigh"><double>100</double></property>
 </widget>
</widget></ui>)");
  QBuffer buffer(&form);
  TFormLoader loader;
  std::unique_ptr<QWidget> loaded(loader.LoadForm(&buffer));
  ASSERT_TRUE(loaded) << loader.errorString().toStdString();
  auto* gain = loaded->findChild<TNumIO*>(QStringLiteral("gain"));
  ASSERT_TRUE(gain);
  EXPECT_EQ(gain->Text(), QStringLiteral("50"));
  EXPECT_EQ(gain->RangeLow(), 10.0);
  EXPECT_EQ(gain->RangeHigh(), 100.0);
  QTest::keyClicks(gain, QStringLiteral("0"));
  EXPECT_EQ(gain->Text(), QStringLiteral("50"));
}

TEST_F(NumIOEdit, AssistiveTechnologyReadsAndWritesTheNumber) {
  Setup(itFloat, 0, 100);
  Type(QStringLiteral("12.5"));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::EditableText);
  EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("12.5"));
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_EQ(a->valueInterface()->maximumValue().toDouble(), 100.0);
  a->valueInterface()->setCurrentValue(7.0);
  EXPECT_EQ(field->Value(), 7.0);
  // A number the user could not type is refused here too.
  a->valueInterface()->setCurrentValue(150.0);
  EXPECT_EQ(field->Text(), QStringLiteral("7.00000000"));
}

TEST(NumIOEditFreed, AnOnChangeHandlerMayFreeTheField) {
  QWidget window;
  auto* number = new TNumIO(&window);
  number->SetRangeHigh(100);
  window.show();
  int calls = 0;
  number->OnChange = [&](TObject*) {
    ++calls;
    delete number;
  };
  QTest::keyClick(&number->EditWidget(), Qt::Key_5);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(window.findChild<TNumIO*>(), nullptr);
}
