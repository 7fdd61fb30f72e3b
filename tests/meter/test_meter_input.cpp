// Mouse moves over the meter report the value under the pointer, after the
// ordinary mouse-move event.
#include <gtest/gtest.h>

#include <QTest>

#include "meter/Vyr_Meter.h"

using namespace vyr;

namespace {

struct Report {
  bool within = false;
  TShiftState shift = 0;
  double value = -1;
  int count = 0;
};

void Listen(TMeter& m, Report& r) {
  m.OnMouseMoveInMeter = [&r](TObject*, bool within, TShiftState shift, double value) {
    r = {within, shift, value, r.count + 1};
  };
}

}  // namespace

TEST(MeterMouse, StraightAboveThePivotIsTheMiddle) {
  TMeter m;
  Report r;
  Listen(m, r);
  std::vector<std::string> order;
  m.OnMouseMove = [&](TObject*, TShiftState, int, int) { order.push_back("move"); };
  auto inner = m.OnMouseMoveInMeter;
  m.OnMouseMoveInMeter = [&](TObject* s, bool w, TShiftState sh, double v) {
    order.push_back("meter");
    inner(s, w, sh, v);
  };
  m.MouseMove(ssShift, 148, 100);
  EXPECT_TRUE(r.within);
  EXPECT_EQ(r.shift, ssShift);
  EXPECT_DOUBLE_EQ(r.value, 0.5);
  EXPECT_EQ(order, (std::vector<std::string>{"move", "meter"}));
}

TEST(MeterMouse, BelowThePivotIsOutsideTheScale) {
  TMeter m;
  Report r;
  Listen(m, r);
  m.MouseMove(0, 148, 200);
  EXPECT_EQ(r.count, 1);
  EXPECT_FALSE(r.within);
  EXPECT_EQ(r.value, 0);
}

TEST(MeterMouse, RealMouseMovesOverAShownMeter) {
  QWidget window;
  window.resize(320, 240);
  auto* m = new TMeter(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Report r;
  Listen(*m, r);
  QTest::mouseMove(m, QPoint(148, 60));
  QTest::mouseMove(m, QPoint(148, 40));
  ASSERT_GE(r.count, 1);
  EXPECT_TRUE(r.within);
  EXPECT_DOUBLE_EQ(r.value, 0.5);
}
