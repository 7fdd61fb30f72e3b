// Auto increment on the manual clock: the first tick and the repeats, the
// restarts, a refused timer, and handlers that raise or free the bar.
#include <gtest/gtest.h>

#include <stdexcept>

#include "progbar/Vyr_ProgBar.h"
#include "support/ManualClock.h"

using namespace vyr;

TEST(ProgBarAutoInc, FirstTickAfterTheStartIntervalThenEveryRepeat) {
  vyrtest::ManualClockScope clock;
  TProgBar p;
  int ticks = 0;
  p.SetOnAutoInc([&](TObject* sender) {
    EXPECT_EQ(sender, &p);
    ++ticks;
  });
  p.SetAutoInc(true);
  clock->Advance(1499);
  EXPECT_EQ(p.Value(), 10.0);
  clock->Advance(1);
  EXPECT_EQ(p.Value(), 11.0);
  EXPECT_EQ(ticks, 1);
  clock->Advance(699);
  EXPECT_EQ(ticks, 1);
  clock->Advance(1);
  EXPECT_EQ(ticks, 2);
  clock->Advance(7000);
  EXPECT_EQ(ticks, 12);
  EXPECT_EQ(p.Value(), 22.0);
  p.SetAutoInc(false);
  clock->Advance(10000);
  EXPECT_EQ(ticks, 12);
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST(ProgBarAutoInc, TheValueGrowsBeyondMaxByTheStep) {
  vyrtest::ManualClockScope clock;
  TProgBar p;
  p.SetValue(99);
  p.SetAutoIncStep(0.5);
  p.SetStartInterval(100);
  p.SetRepeatInterval(100);
  p.SetAutoInc(true);
  clock->Advance(1000);
  EXPECT_EQ(p.Value(), 104.0);
}

TEST(ProgBarAutoInc, AStartIntervalWriteRestartsTheFirstTickPhase) {
  vyrtest::ManualClockScope clock;
  TProgBar p;
  p.SetAutoInc(true);
  clock->Advance(1500 + 700);  // two ticks: now repeating
  EXPECT_EQ(p.Value(), 12.0);
  p.SetStartInterval(5);  // stored as 10, first-tick phase again
  EXPECT_EQ(p.StartInterval(), 10);
  clock->Advance(10);
  EXPECT_EQ(p.Value(), 13.0);
  clock->Advance(699);
  EXPECT_EQ(p.Value(), 13.0);
  clock->Advance(1);
  EXPECT_EQ(p.Value(), 14.0);
  p.SetRepeatInterval(50);  // the repeat phase restarts
  clock->Advance(50);
  EXPECT_EQ(p.Value(), 15.0);
}

TEST(ProgBarAutoInc, NothingRunsWhileOffOrInDesignMode) {
  vyrtest::ManualClockScope clock;
  TProgBar p;
  p.SetStartInterval(100);
  p.SetOnAutoInc([](TObject*) {});
  EXPECT_EQ(clock->RunningTimers(), 0);
  TProgBar designed;
  designed.SetDesigning(true);
  designed.SetAutoInc(true);
  EXPECT_TRUE(designed.AutoInc());
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST(ProgBarAutoInc, ARefusedTimerRaisesNamingTheBarAndLeavesAutoIncOff) {
  vyrtest::ManualClockScope clock;
  TProgBar p;
  p.SetName(QStringLiteral("Bar1"));
  clock->RefuseNextSetTimer();
  try {
    p.SetAutoInc(true);
    FAIL() << "no exception";
  } catch (const EVyrProgBar& e) {
    EXPECT_STREQ(e.what(), "Component \"Bar1\": no timer available");
  }
  EXPECT_FALSE(p.AutoInc());
  p.SetAutoInc(true);  // the next try gets its timer
  clock->Advance(1500);
  EXPECT_EQ(p.Value(), 11.0);
}

TEST(ProgBarAutoInc, ARaisingHandlerReachesTheApplicationAndTheTimerRunsOn) {
  vyrtest::ManualClockScope clock;
  vyrtest::ExceptionCatcher caught;
  TProgBar p;
  p.SetOnAutoInc([](TObject*) { throw std::runtime_error("handler failed"); });
  p.SetAutoInc(true);
  clock->Advance(1500);
  ASSERT_EQ(caught.messages.size(), 1u);
  EXPECT_EQ(caught.messages[0], "handler failed");
  clock->Advance(700);  // the repeat phase took over before the handler ran
  EXPECT_EQ(p.Value(), 12.0);
  EXPECT_EQ(caught.messages.size(), 2u);
}

TEST(ProgBarAutoInc, AHandlerMayFreeTheBar) {
  vyrtest::ManualClockScope clock;
  auto* p = new TProgBar;
  int ticks = 0;
  p->SetOnAutoInc([&](TObject*) {
    ++ticks;
    delete p;
  });
  p->SetAutoInc(true);
  clock->Advance(5000);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock->RunningTimers(), 0);
}
