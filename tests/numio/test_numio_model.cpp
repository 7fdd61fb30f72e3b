// The value model of TNumIO2: initial values, setter rules, conversions,
// format and separator changes, range, copying and loading from a form.
#include <gtest/gtest.h>

#include <QBuffer>
#include <limits>

#include "NumIOTestKit.h"
#include "host/Application.h"
#include "host/FormLoader.h"

using namespace vyr;
using numiotest::FieldOnClock;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class NumIO2Model : public ::testing::Test, public FieldOnClock {};

}  // namespace

TEST_F(NumIO2Model, StartsWithTheDocumentedValues) {
  EXPECT_EQ(field.Value(), 0.0);
  EXPECT_EQ(field.Text(), QString());
  EXPECT_EQ(field.InputFormat(), itFloat);
  EXPECT_EQ(field.FixPointDecPlaces(), 2);
  EXPECT_EQ(field.SignificantDigits(), 6);
  EXPECT_EQ(field.DecPlaceSep(), dsBoth);
  EXPECT_EQ(field.RangeLow(), 0.0);
  EXPECT_EQ(field.RangeHigh(), 1000.0);
  EXPECT_EQ(field.LeftSpace(), 35);
  EXPECT_EQ(field.TextBoxWidth(), 80);
  EXPECT_EQ(field.Alignment(), taCenter);
  EXPECT_EQ(field.LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(field.RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(field.FrameStyle(), fsLowered);
  EXPECT_EQ(field.ColorScheme(), csFixed);
  EXPECT_EQ(field.ColorBoxBG(), 0xFFFFFFu);
  EXPECT_EQ(field.ColorBoxText(), 0x000000u);
  EXPECT_EQ(field.ColorOutBG(), clBtnFace);
  EXPECT_EQ(field.ColorWarnBG(), 0x6088FFF0u);
  EXPECT_EQ(field.ColorWarnText(), 0x0000FFu);
  EXPECT_FALSE(field.ButVisible());
  EXPECT_TRUE(field.But3D());
  EXPECT_EQ(field.ButWidth(), 18);
  EXPECT_EQ(field.ButHeight(), 28);
  EXPECT_EQ(field.ButSpace(), 3);
  EXPECT_EQ(field.ButColor(), 0xC0C0C0u);
  EXPECT_EQ(field.ButIncrem(), 1.0);
  EXPECT_FALSE(field.GaugeVisible());
  EXPECT_EQ(field.GaugeHeight(), 8);
  EXPECT_EQ(field.GaugeWidth(), 82);
  EXPECT_EQ(field.GaugeLeftMargin(), 35);
  EXPECT_EQ(field.GaugeTopMargin(), 3);
  EXPECT_EQ(field.GaugeColor(), 0x800000u);
  EXPECT_EQ(field.GaugeColorBg(), 0xC0C0C0u);
  EXPECT_EQ(field.GaugeColorFrame(), 0x808080u);
  EXPECT_EQ(field.GaugeFrameStyle(), fsLowered);
  EXPECT_TRUE(field.HideSelection());
  EXPECT_FALSE(field.ReadOnly());
  EXPECT_FALSE(field.AutoSize());
  EXPECT_FALSE(field.Beep());
  EXPECT_EQ(field.Width(), 160);
  EXPECT_EQ(field.Height(), 28);
  EXPECT_TRUE(field.CaretVisible());
  EXPECT_TRUE(field.ButtonPivots.empty());
}

TEST_F(NumIO2Model, DecimalsRenderTheWrittenValueAgain) {
  field.SetValue(3.14159);
  EXPECT_EQ(field.Text(), QStringLiteral("3.14"));
  EXPECT_EQ(field.Value(), 3.14);
  field.SetFixPointDecPlaces(4);
  EXPECT_EQ(field.Text(), QStringLiteral("3.1416"));
  field.SetFixPointDecPlaces(0);
  field.SetFixPointDecPlaces(-3);
  EXPECT_EQ(field.FixPointDecPlaces(), 4);
  field.SetFixPointDecPlaces(40);
  EXPECT_EQ(field.FixPointDecPlaces(), 15);
  // Once edited, the buffer itself is what is rendered again.
  field.SetText(QStringLiteral("2.5"));
  field.SetFixPointDecPlaces(1);
  EXPECT_EQ(field.Text(), QStringLiteral("2.5"));
}

TEST_F(NumIO2Model, ExponentFormat) {
  field.SetInputFormat(itExp);
  field.SetValue(1234.5);
  EXPECT_EQ(field.Text(), QStringLiteral(" 1.23450E+03"));
  field.SetSignificantDigits(3);
  EXPECT_EQ(field.Text(), QStringLiteral(" 1.23E+03"));
  field.SetSignificantDigits(99);
  EXPECT_EQ(field.SignificantDigits(), 15);
  field.SetSignificantDigits(6);
  field.SetValue(1e120);
  EXPECT_EQ(field.Text(), QStringLiteral("************"));
  EXPECT_EQ(field.Value(), 0.0);
}

TEST_F(NumIO2Model, IntegerAndDynamicFormats) {
  field.SetInputFormat(itInt);
  field.SetValue(2.5);
  EXPECT_EQ(field.Text(), QStringLiteral("2"));
  field.SetValue(3.5);
  EXPECT_EQ(field.Text(), QStringLiteral("4"));
  field.SetText(QStringLiteral("999999999999"));
  EXPECT_EQ(field.Value(), 2147483647.0);

  field.SetInputFormat(itDynamic);
  field.SetText(QStringLiteral("$1F"));
  EXPECT_EQ(field.Value(), 31.0);
  field.SetText(QStringLiteral("%101"));
  EXPECT_EQ(field.Value(), 5.0);
  field.SetText(QStringLiteral("&17"));
  EXPECT_EQ(field.Value(), 15.0);
  field.SetValue(15);
  EXPECT_EQ(field.Text(), QStringLiteral("15"));
}

TEST_F(NumIO2Model, IntegerFormatsShowNoNegativeZero) {
  for (TInFormat format : {itInt, itDynamic}) {
    SCOPED_TRACE(int(format));
    field.SetInputFormat(format);
    field.SetValue(-0.3);
    EXPECT_EQ(field.Text(), QStringLiteral("0"));
    field.SetValue(-0.5);  // halves to even
    EXPECT_EQ(field.Text(), QStringLiteral("0"));
    field.SetValue(-0.0);
    EXPECT_EQ(field.Text(), QStringLiteral("0"));
    field.SetValue(-0.6);
    EXPECT_EQ(field.Text(), QStringLiteral("-1"));
    field.SetValue(-1.5);
    EXPECT_EQ(field.Text(), QStringLiteral("-2"));
  }
}

TEST_F(NumIO2Model, ChangingTheFormatRendersTheValueAgain) {
  field.SetValue(12.5);
  field.SetInputFormat(itInt);
  EXPECT_EQ(field.Text(), QStringLiteral("12"));
  field.SetValue(13);
  field.SetInputFormat(itHex);
  EXPECT_EQ(field.Text(), QStringLiteral("0000000D"));
  EXPECT_EQ(field.Value(), 13.0);
  field.SetInputFormat(itBin);
  EXPECT_EQ(field.Text(), QStringLiteral("00000000000000000000000000001101"));
  field.SetInputFormat(TInFormat(8));
  EXPECT_EQ(field.InputFormat(), itBin);
}

TEST_F(NumIO2Model, FixedPointValidity) {
  field.SetInputFormat(itFixPoint);
  EXPECT_TRUE(field.CheckValidity(QStringLiteral("12.34")));
  EXPECT_TRUE(field.CheckValidity(QStringLiteral("12")));
  EXPECT_FALSE(field.CheckValidity(QStringLiteral("12.3")));
  EXPECT_FALSE(field.CheckValidity(QStringLiteral("12,34")));
  EXPECT_FALSE(field.CheckValidity(QStringLiteral("123")));
}

TEST_F(NumIO2Model, TextIsStoredOnlyWhenValidOrEmpty) {
  field.SetText(QStringLiteral("12.5"));
  field.SetSelEnd(3);
  field.SetText(QStringLiteral("abc"));
  EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
  EXPECT_EQ(field.CaretPos(), 3);
  field.SetText(QStringLiteral("7.25"));
  EXPECT_EQ(field.CaretPos(), 0);
  EXPECT_EQ(field.SelBegin(), 0);
  EXPECT_EQ(field.SelEnd(), 0);
  field.SetText(QString());
  EXPECT_EQ(field.Text(), QString());
}

TEST_F(NumIO2Model, WritingValueKeepsCaretAndSelectionInsideTheNewText) {
  field.SetValue(123456.75);
  field.SetSelBegin(2);
  field.SetSelEnd(9);
  field.SetValue(1);
  EXPECT_EQ(field.Text(), QStringLiteral("1.00"));
  EXPECT_EQ(field.SelBegin(), 2);
  EXPECT_EQ(field.SelEnd(), 4);
  EXPECT_EQ(field.CaretPos(), 4);
}

TEST_F(NumIO2Model, RangeEndsPushEachOther) {
  field.SetRangeLow(2000);
  EXPECT_EQ(field.RangeHigh(), 2000.0);
  field.SetRangeHigh(-5);
  EXPECT_EQ(field.RangeLow(), -5.0);
  field.SetValue(-6);
  EXPECT_TRUE(field.OutOfRange());
  field.SetValue(-5);
  EXPECT_FALSE(field.OutOfRange());
}

TEST_F(NumIO2Model, NonFiniteNumbersAreIgnored) {
  field.SetValue(4);
  for (double bad : {kNaN, kInf, -kInf}) {
    field.SetValue(bad);
    field.SetRangeLow(bad);
    field.SetRangeHigh(bad);
    field.SetButIncrem(bad);
  }
  EXPECT_EQ(field.Text(), QStringLiteral("4.00"));
  EXPECT_EQ(field.RangeLow(), 0.0);
  EXPECT_EQ(field.RangeHigh(), 1000.0);
  EXPECT_EQ(field.ButIncrem(), 1.0);
}

TEST_F(NumIO2Model, IntegerValueRaisesOutsideThirtyTwoBits) {
  field.SetName(QStringLiteral("Amount"));
  field.SetValue(2147483646.6);
  EXPECT_EQ(field.IntegerValue(), 2147483647);
  field.SetValue(-2147483648.0);
  EXPECT_EQ(field.IntegerValue(), -2147483648);
  field.SetValue(2147483647.4);
  try {
    field.IntegerValue();
    FAIL() << "no exception";
  } catch (const EVyrNumIO2Error& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"Amount\": integer overflow"));
  }
  EXPECT_EQ(field.Text(), QStringLiteral("2147483647.40"));
}

TEST_F(NumIO2Model, SeparatorChangesRewriteTheBuffer) {
  field.SetValue(1.5);
  field.SetDecPlaceSep(dsComma);
  EXPECT_EQ(field.Text(), QStringLiteral("1,50"));
  field.SetDecPlaceSep(dsBoth);
  EXPECT_EQ(field.Text(), QStringLiteral("1,50"));
  field.SetDecPlaceSep(dsPoint);
  EXPECT_EQ(field.Text(), QStringLiteral("1.50"));
  field.SetDecPlaceSep(dsComma);
  EXPECT_EQ(field.Text(), QStringLiteral("1,50"));
  // New values are written with the field's separator and stay editable.
  field.SetValue(2.25);
  EXPECT_EQ(field.Text(), QStringLiteral("2,25"));
  EXPECT_TRUE(field.CheckValidity(field.Text()));
  Application().SetDecimalSeparator(u',');
  field.SetDecPlaceSep(dsSystem);
  EXPECT_EQ(field.Text(), QStringLiteral("2,25"));
  Application().ResetDecimalSeparator();
}

TEST_F(NumIO2Model, SizeSettersClamp) {
  field.SetButWidth(3);
  EXPECT_EQ(field.ButWidth(), 8);
  field.SetButWidth(99);
  EXPECT_EQ(field.ButWidth(), 50);
  field.SetButSpace(-4);
  EXPECT_EQ(field.ButSpace(), 0);
  field.SetButSpace(51);
  EXPECT_EQ(field.ButSpace(), 50);
  field.SetButHeight(5);
  EXPECT_EQ(field.ButHeight(), 18);
  field.SetButHeight(40);
  EXPECT_EQ(field.ButHeight(), 28);
  field.SetLeftSpace(-1);
  EXPECT_EQ(field.LeftSpace(), 35);
  field.SetLeftSpace(500);
  EXPECT_EQ(field.LeftSpace(), 160);
  field.SetTextBoxWidth(-20);
  EXPECT_EQ(field.TextBoxWidth(), 0);
  // Gauge height: at most 28 - 3 - 18 = 7, at least 3.
  field.SetGaugeHeight(20);
  EXPECT_EQ(field.GaugeHeight(), 7);
  field.SetGaugeHeight(1);
  EXPECT_EQ(field.GaugeHeight(), 3);
  field.SetGaugeTopMargin(50);
  EXPECT_EQ(field.GaugeTopMargin(), 7);
  field.SetGaugeWidth(4);
  EXPECT_EQ(field.GaugeWidth(), 10);
  field.SetGaugeWidth(1000);
  EXPECT_EQ(field.GaugeWidth(), 125);
  field.SetGaugeLeftMargin(100);
  EXPECT_EQ(field.GaugeLeftMargin(), 35);
  field.SetGaugeWidth(50);
  field.SetGaugeLeftMargin(-7);
  EXPECT_EQ(field.GaugeLeftMargin(), 0);
}

TEST_F(NumIO2Model, HeightHasAFloorAndPullsTheButtonsDown) {
  field.SetHeight(10);
  EXPECT_EQ(field.Height(), 18);
  EXPECT_EQ(field.ButHeight(), 18);
  field.SetHeight(40);
  EXPECT_EQ(field.ButHeight(), 18);
}

TEST_F(NumIO2Model, SettersRepaintOnlyOnChange) {
  field.Paint();
  const int before = field.PaintCount();
  field.SetLeftText(QStringLiteral("U"));
  EXPECT_EQ(field.PaintCount(), before + 1);
  field.SetLeftText(QStringLiteral("U"));
  field.SetButWidth(18);
  field.SetColorBoxBG(clWhite);
  EXPECT_EQ(field.PaintCount(), before + 1);
}

TEST_F(NumIO2Model, ColorSchemeSetsTheLineColours) {
  SetSystemColor(0x14, 0x00FF00);
  SetSystemColor(0x10, 0x0000AA);
  field.SetGaugeVisible(true);
  field.SetGaugeFrameStyle(fsBump);
  field.SetColorScheme(csSystem);
  // Style 4 outlines the gauge in the white line colour (now the system
  // highlight) and draws its inner corner in the gray one (the system shadow).
  const int gaugeTop = 28 - 12 + 3;
  EXPECT_EQ(field.Canvas().Pixels(35, gaugeTop), 0x00FF00u);
  EXPECT_EQ(field.Canvas().Pixels(36, gaugeTop + 3), 0x0000AAu);
  ResetSystemColors();
}

TEST_F(NumIO2Model, AssignCopiesTheFieldButNotButtonsOrGauge) {
  field.SetLeftText(QStringLiteral("Volts"));
  field.SetInputFormat(itInt);
  field.SetValue(42);
  field.SetRangeHigh(50);
  field.SetButVisible(true);
  field.SetGaugeVisible(true);
  field.SetSelBegin(1);
  TNumIO2 copy;
  copy.Assign(&field);
  EXPECT_EQ(copy.LeftText(), QStringLiteral("Volts"));
  EXPECT_EQ(copy.InputFormat(), itInt);
  EXPECT_EQ(copy.Text(), QStringLiteral("42"));
  EXPECT_EQ(copy.RangeHigh(), 50.0);
  EXPECT_EQ(copy.CaretPos(), 1);
  EXPECT_FALSE(copy.ButVisible());
  EXPECT_FALSE(copy.GaugeVisible());

  TNumIO2 other;
  field.AssignTo(&other);
  EXPECT_EQ(other.Text(), QStringLiteral("42"));
  TCustomControl plain;
  EXPECT_THROW(field.AssignTo(&plain), EConvertError);
  EXPECT_THROW(plain.Assign(&field), EConvertError);
}

TEST_F(NumIO2Model, ChangedRaisesOnChange) {
  int changes = 0;
  field.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &field);
    ++changes;
  };
  field.SetValue(5);
  field.SetText(QStringLiteral("6"));
  EXPECT_EQ(changes, 0);
  field.Changed();
  EXPECT_EQ(changes, 1);
}

TEST_F(NumIO2Model, NoTimerMeansAnError) {
  clock->RefuseNextSetTimer();
  try {
    TNumIO2 refused;
    FAIL() << "no exception";
  } catch (const EVyrNumIO2Error& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"\": no timer available"));
  }
}

namespace {

const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>100</height></rect></property>
  <widget class="TNumIO2" name="voltage">
   <property name="InputFormat"><enum>itFixPoint</enum></property>
   <property name="FixPointDecPlaces"><number>3</number></property>
   <property name="RangeHigh"><double>-10.000000000000000</double></property>
   <property name="RangeLow"><double>-20.000000000000000</double></property>
   <property name="Value"><double>-12.500000000000000</double></property>
   <property name="LeftSpace"><number>180</number></property>
   <property name="FrameStyle"><number>3</number></property>
   <property name="ButHeight"><number>36</number></property>
   <property name="LeftText"><string>U</string></property>
   <property name="ButVisible"><bool>true</bool></property>
   <property name="geometry"><rect><x>10</x><y>10</y><width>200</width><height>40</height></rect></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST_F(NumIO2Model, LoadsFromAStoredForm) {
  QByteArray data(kForm);
  QBuffer buffer(&data);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* f = form->findChild<TNumIO2*>(QStringLiteral("voltage"));
  ASSERT_TRUE(f);
  EXPECT_FALSE(f->IsLoading());
  EXPECT_EQ(f->InputFormat(), itFixPoint);
  EXPECT_EQ(f->Text(), QStringLiteral("-12.500"));
  EXPECT_EQ(f->RangeLow(), -20.0);
  EXPECT_EQ(f->RangeHigh(), -10.0);
  // Set before the size, these were kept and checked against the final size.
  EXPECT_EQ(f->LeftSpace(), 180);
  EXPECT_EQ(f->FrameStyle(), fsRaised);
  EXPECT_EQ(f->ButHeight(), 36);
  EXPECT_EQ(f->LeftText(), QStringLiteral("U"));
  EXPECT_TRUE(f->ButVisible());
  EXPECT_EQ(f->Width(), 200);
}
