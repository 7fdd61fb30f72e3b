// The meter tells layouts its size and draws its dial at whatever size a
// layout gives it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "support/LayoutTools.h"

#include "meter/Vyr_Meter.h"

using namespace vyr;

TEST(MeterSize, LayoutsGetTheHintsAndTheDialFollows) {
  QWidget window;
  auto* m = new TMeter;
  vyrtest::ShowInLayout(window, m, {10, 10});
  EXPECT_GE(m->width(), m->minimumSizeHint().width());
  EXPECT_GE(m->height(), m->minimumSizeHint().height());
  int smallX = 0, smallY = 0;
  m->ConvertToPixelCoords(m->MeterMaxValue(), 100, smallX, smallY);
  window.resize(600, 400);
  QApplication::processEvents();
  EXPECT_EQ(m->size(), QSize(600, 400));
  // The dial grows with the size, whoever set it.
  int x = 0, y = 0;
  m->ConvertToPixelCoords(m->MeterMaxValue(), 100, x, y);
  EXPECT_GT(x, smallX);
  EXPECT_LT(m->sizeHint().width(), 600);
  m->Paint();
  EXPECT_EQ(m->Canvas().Width(), 600);
}

TEST(MeterSize, FocusShowsAFrameOnScreenOnly) {
  QWidget window;
  auto* m = new TMeter;
  EXPECT_FALSE(vyrtest::FocusFrameOnScreen(window, m, {300, 210}).IsEmpty());
  m->clearFocus();
  QApplication::processEvents();
  EXPECT_TRUE(vyrtest::ScreenOnlyPixels(*m).IsEmpty());
}

TEST(MeterAccessible, ScreenReadersSeeADialWithItsValue) {
  QWidget window;
  auto* m = new TMeter;
  m->SetCaption(QStringLiteral("Pressure"));
  m->SetMeterMaxValue(10);
  m->SetValue(4);
  vyrtest::ShowInLayout(window, m, {300, 210});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(m);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Dial);
  EXPECT_EQ(a->text(QAccessible::Name), "Pressure");
  EXPECT_EQ(a->text(QAccessible::Value), "4");
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_DOUBLE_EQ(a->valueInterface()->minimumValue().toDouble(), 0);
  EXPECT_DOUBLE_EQ(a->valueInterface()->maximumValue().toDouble(), 10);
  a->valueInterface()->setCurrentValue(20.0);  // clamped like any write
  EXPECT_DOUBLE_EQ(m->Value(), 10);
}
