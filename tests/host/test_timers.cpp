// Timer windows on the manual clock: firing order, restarts, refusals and
// exceptions thrown from a tick.
#include <gtest/gtest.h>

#include <QThread>
#include <stdexcept>

#include "host/TimerWindow.h"
#include "support/ManualClock.h"

using namespace vyr;
using vyrtest::ExceptionCatcher;
using vyrtest::ManualClockScope;

TEST(ManualClock, FiresEveryDueTickInTimeOrder) {
  ManualClockScope clock;
  std::vector<std::string> log;
  TTimerWindow a([&](unsigned id) { log.push_back("a" + std::to_string(id) + "@" + std::to_string(clock->Now())); });
  TTimerWindow b([&](unsigned id) { log.push_back("b" + std::to_string(id) + "@" + std::to_string(clock->Now())); });
  ASSERT_TRUE(a.SetTimer(1, 300));
  ASSERT_TRUE(b.SetTimer(1, 200));
  ASSERT_TRUE(a.SetTimer(2, 500));
  clock->Advance(650);
  EXPECT_EQ(log, (std::vector<std::string>{"b1@200", "a1@300", "b1@400", "a2@500", "a1@600", "b1@600"}));
  EXPECT_EQ(clock->Now(), 650);
}

TEST(ManualClock, SetTimerRestartsAndKillTimerStops) {
  ManualClockScope clock;
  int ticks = 0;
  TTimerWindow w([&](unsigned) { ++ticks; });
  w.SetTimer(1, 500);
  clock->Advance(400);
  w.SetTimer(1, 500);  // restarted: the next tick is 500 ms from now
  clock->Advance(400);
  EXPECT_EQ(ticks, 0);
  clock->Advance(100);
  EXPECT_EQ(ticks, 1);
  w.KillTimer(1);
  EXPECT_FALSE(w.TimerRunning(1));
  clock->Advance(5000);
  EXPECT_EQ(ticks, 1);
}

TEST(ManualClock, ATickMayStopItsOwnTimerOrAnother) {
  ManualClockScope clock;
  int aTicks = 0, bTicks = 0;
  TTimerWindow b([&](unsigned) { ++bTicks; });
  TTimerWindow a([&](unsigned) {
    ++aTicks;
    a.KillTimer(1);
    b.KillTimer(1);
  });
  a.SetTimer(1, 100);
  b.SetTimer(1, 100);
  clock->Advance(1000);
  EXPECT_EQ(aTicks, 1);
  EXPECT_EQ(bTicks, 0);
}

TEST(ManualClock, DestroyingTheWindowStopsItsTimers) {
  ManualClockScope clock;
  int ticks = 0;
  {
    TTimerWindow w([&](unsigned) { ++ticks; });
    w.SetTimer(1, 100);
    w.SetTimer(2, 100);
    EXPECT_EQ(clock->RunningTimers(), 2);
  }
  EXPECT_EQ(clock->RunningTimers(), 0);
  clock->Advance(1000);
  EXPECT_EQ(ticks, 0);
}

TEST(ManualClock, PeriodsBelowTheMinimumAreRaised) {
  ManualClockScope clock;
  int ticks = 0;
  TTimerWindow w([&](unsigned) { ++ticks; });
  w.SetTimer(1, 0);
  clock->Advance(100);
  EXPECT_EQ(ticks, int(100 / kMinTimerPeriod));
}

TEST(TimerWindow, RefusedTimerReportsFalseOnceThenWorksAgain) {
  ManualClockScope clock;
  TTimerWindow w([](unsigned) {});
  clock->RefuseNextSetTimer();
  EXPECT_FALSE(w.SetTimer(1, 500));
  EXPECT_FALSE(w.TimerRunning(1));
  EXPECT_TRUE(w.SetTimer(1, 500));
}

TEST(TimerWindow, AThrowingTickGoesToTheExceptionHandlerAndTheTimerKeepsRunning) {
  ManualClockScope clock;
  ExceptionCatcher caught;
  int ticks = 0;
  TTimerWindow w([&](unsigned) {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  w.SetTimer(1, 500);
  clock->Advance(1500);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(caught.messages, (std::vector<std::string>{"tick failed", "tick failed", "tick failed"}));
  EXPECT_TRUE(w.TimerRunning(1));
}

TEST(TimerWindow, RealClockDeliversTicksThroughTheEventLoop) {
  int ticks = 0;
  TTimerWindow w([&](unsigned id) { ticks += int(id); });
  ASSERT_TRUE(w.SetTimer(3, 10));
  for (int i = 0; i < 200 && ticks == 0; ++i) {
    Application().ProcessMessages();
    QThread::msleep(2);
  }
  EXPECT_GE(ticks, 3);
}
