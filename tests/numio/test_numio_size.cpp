// The field tells layouts its size, and its smallest height holds however
// it is sized.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include "support/LayoutTools.h"

#include "numio/Vyr_NumIO.h"

using namespace vyr;

TEST(NumIO2Size, HintsCoverCaptionsBoxAndButtons) {
  TNumIO2 f;
  f.SetLeftSpace(60);
  f.SetTextBoxWidth(100);
  const QSize bare = f.sizeHint();
  EXPECT_EQ(f.minimumSizeHint().width(), 160);
  f.SetButVisible(true);
  EXPECT_EQ(f.minimumSizeHint().width(), 160 + f.ButWidth() + f.ButSpace());
  f.SetRightText(QStringLiteral("l/min"));
  const int caption = QFontMetrics(f.Font().ToQFont()).horizontalAdvance(QStringLiteral("l/min"));
  EXPECT_GE(f.sizeHint().width(), f.minimumSizeHint().width() + caption);
  EXPECT_GE(bare.height(), TNumIO2::kMinHeight);
  f.SetGaugeVisible(true);
  EXPECT_EQ(f.sizeHint().height(), bare.height() + f.GaugeHeight() + f.GaugeTopMargin() + 1);
}

TEST(NumIO2Size, TheSmallestHeightHoldsInLayoutsAndResizes) {
  QWidget window;
  auto* f = new TNumIO2;
  vyrtest::ShowInLayout(window, f, {40, 5});
  EXPECT_GE(f->height(), TNumIO2::kMinHeight);
  f->resize(100, 4);
  EXPECT_EQ(f->Height(), TNumIO2::kMinHeight);
  // AutoSize alone may go lower, to one line of a small font.
  TNumIO2 small;
  TFont font = small.Font();
  font.Size = 5;
  small.SetFont(font);
  small.SetAutoSize(true);
  small.Paint();
  EXPECT_LT(small.Height(), TNumIO2::kMinHeight);
  small.SetAutoSize(false);
  small.resize(100, 4);
  EXPECT_EQ(small.Height(), TNumIO2::kMinHeight);
}

TEST(NumIO2Size, FocusShowsAFrameInsideTheTextBoxOnScreenOnly) {
  QWidget window;
  auto* f = new TNumIO2;
  f->SetValue(12.5);
  const TRect frame = vyrtest::FocusFrameOnScreen(window, f, {300, 40});
  ASSERT_FALSE(frame.IsEmpty());
  EXPECT_GE(frame.Left, f->LeftSpace());
  EXPECT_LE(frame.Right, f->LeftSpace() + f->TextBoxWidth());
  f->clearFocus();
  QApplication::processEvents();
  EXPECT_TRUE(vyrtest::ScreenOnlyPixels(*f).IsEmpty());
}

TEST(NumIO2Accessible, ScreenReadersSeeAnEditableNumber) {
  QWidget window;
  auto* f = new TNumIO2;
  f->SetName(QStringLiteral("RateField"));
  f->SetValue(12.5);
  f->SetRangeHigh(50);
  vyrtest::ShowInLayout(window, f, {300, 40});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::EditableText);
  EXPECT_EQ(a->text(QAccessible::Name), "RateField");
  f->SetLeftText(QStringLiteral("Rate"));
  EXPECT_EQ(a->text(QAccessible::Name), "Rate");
  EXPECT_EQ(a->text(QAccessible::Value), f->Text());
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_DOUBLE_EQ(a->valueInterface()->currentValue().toDouble(), 12.5);
  EXPECT_DOUBLE_EQ(a->valueInterface()->maximumValue().toDouble(), 50);
  a->valueInterface()->setCurrentValue(7.25);
  EXPECT_DOUBLE_EQ(f->Value(), 7.25);
  f->SetReadOnly(true);
  a->valueInterface()->setCurrentValue(3.0);
  EXPECT_DOUBLE_EQ(f->Value(), 7.25);
  f->SetEnabled(false);
  EXPECT_TRUE(a->state().disabled);
}
