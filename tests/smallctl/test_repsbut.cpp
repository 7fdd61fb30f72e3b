// The repeating speed button: the timing of repeats on the manual clock,
// what ends them, refused timers, throwing and destroying handlers.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "smallctl/Vyr_repsbut.h"
#include "support/AssignWalk.h"
#include "support/ManualClock.h"

using namespace vyr;

namespace {

// A button that writes down the clock time of each repeat.
struct Recorder {
  explicit Recorder(vyrtest::ManualClockScope& clock) : clock(clock) {
    button.SetName("Arrow");
    button.resize(40, 20);
    button.SetOnRepeatClick([this](TObject*) { times.push_back(this->clock->Now()); });
    button.OnClick = [this](TObject*) { ++clicks; };
  }
  vyrtest::ManualClockScope& clock;
  TRepSpeedButton button;
  std::vector<std::int64_t> times;
  int clicks = 0;
};

}  // namespace

TEST(RepSpeedButtonTimer, HoldingOneSecondRepeatsAt500700And900) {
  vyrtest::ManualClockScope clock;
  Recorder r(clock);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(1000);
  EXPECT_EQ(r.times, (std::vector<std::int64_t>{500, 700, 900}));
  r.button.MouseUp(mbLeft, 0, 5, 5);
  clock->Advance(1000);
  EXPECT_EQ(r.times.size(), 3u);
  EXPECT_EQ(clock->RunningTimers(), 0);
  EXPECT_EQ(r.clicks, 1);
}

TEST(RepSpeedButtonTimer, ReleaseBeforeTheStartIntervalGivesOnlyTheClick) {
  vyrtest::ManualClockScope clock;
  Recorder r(clock);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(499);
  r.button.MouseUp(mbLeft, 0, 5, 5);
  clock->Advance(2000);
  EXPECT_TRUE(r.times.empty());
  EXPECT_EQ(r.clicks, 1);
}

TEST(RepSpeedButtonTimer, IntervalsAreClampedAndFollowedWhileHeld) {
  vyrtest::ManualClockScope clock;
  Recorder r(clock);
  r.button.SetRepeatClickInterval(3);
  EXPECT_EQ(r.button.RepeatClickInterval(), 10);
  r.button.SetStartClickInterval(-5);
  EXPECT_EQ(r.button.StartClickInterval(), 10);
  r.button.SetStartClickInterval(100);
  r.button.SetRepeatClickInterval(50);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(200);
  EXPECT_EQ(r.times, (std::vector<std::int64_t>{100, 150, 200}));
  r.button.SetRepeatClickInterval(20);  // the repeat phase restarts at once
  clock->Advance(40);
  EXPECT_EQ(r.times.back(), 240);
  EXPECT_EQ(r.times.size(), 5u);
}

// While held: a new repeat interval or handler switches to repeating at
// once; a new start interval starts the wait for the first repeat over.
TEST(RepSpeedButtonTimer, WritesWhileHeldRestartTheTimer) {
  struct Case {
    std::int64_t at, until;
    std::function<void(TRepSpeedButton&)> write;
    std::vector<std::int64_t> times;
  };
  const Case cases[] = {
      {100, 320, [](TRepSpeedButton& b) { b.SetRepeatClickInterval(50); }, {150, 200, 250, 300}},
      {100, 320, [](TRepSpeedButton& b) { b.SetOnRepeatClick(TNotifyEvent(b.OnRepeatClick())); }, {300}},
      {600, 800, [](TRepSpeedButton& b) { b.SetStartClickInterval(150); }, {500, 750}},
  };
  for (const Case& c : cases) {
    vyrtest::ManualClockScope clock;
    Recorder r(clock);
    r.button.MouseDown(mbLeft, ssLeft, 5, 5);
    clock->Advance(c.at);
    c.write(r.button);
    clock->Advance(c.until - c.at);
    EXPECT_EQ(r.times, c.times) << "write at " << c.at;
  }
}

TEST(RepSpeedButtonTimer, RightButtonLeavingAndDisablingDoNotRepeat) {
  vyrtest::ManualClockScope clock;
  Recorder r(clock);
  r.button.MouseDown(mbRight, ssRight, 5, 5);
  clock->Advance(1000);
  EXPECT_TRUE(r.times.empty());
  r.button.MouseUp(mbRight, 0, 5, 5);

  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(600);
  r.button.MouseMove(ssLeft, 60, 5);  // dragged off the button
  clock->Advance(1000);
  EXPECT_EQ(r.times.size(), 1u);
  EXPECT_EQ(r.button.State(), bsUp);
  r.button.MouseUp(mbLeft, 0, 60, 5);
  EXPECT_EQ(r.clicks, 0);

  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  r.button.MouseLeave();
  clock->Advance(1000);
  r.button.MouseUp(mbLeft, 0, 0, 0);
  EXPECT_EQ(r.times.size(), 1u);
  EXPECT_EQ(r.clicks, 0) << "leaving abandons the press";

  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(700);
  r.button.SetEnabled(false);
  clock->Advance(1000);
  EXPECT_EQ(r.times.size(), 3u);
  EXPECT_EQ(clock->RunningTimers(), 0);
  EXPECT_EQ(r.button.State(), bsUp);
  r.button.SetEnabled(true);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(500);
  EXPECT_EQ(r.times.size(), 4u) << "a re-enabled button repeats again";
}

TEST(RepSpeedButtonTimer, ARefusedTimerRaisesNamingTheButton) {
  vyrtest::ManualClockScope clock;
  Recorder r(clock);
  clock->RefuseNextSetTimer();
  try {
    r.button.MouseDown(mbLeft, ssLeft, 5, 5);
    ADD_FAILURE() << "no exception";
  } catch (const EVyrRepSpeedButton& e) {
    EXPECT_STREQ(e.what(), "Component \"Arrow\": no timer available");
  }
  EXPECT_FALSE(r.button.Repeating());
  EXPECT_EQ(r.button.State(), bsUp);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->Advance(500);
  EXPECT_EQ(r.times.size(), 1u);
}

TEST(RepSpeedButtonTimer, ARefusalAtTheSwitchToRepeatsGoesToTheApplication) {
  vyrtest::ManualClockScope clock;
  vyrtest::ExceptionCatcher caught;
  Recorder r(clock);
  r.button.MouseDown(mbLeft, ssLeft, 5, 5);
  clock->RefuseNextSetTimer();
  clock->Advance(1000);
  ASSERT_EQ(caught.messages.size(), 1u);
  EXPECT_EQ(caught.messages[0], "Component \"Arrow\": no timer available");
  EXPECT_EQ(clock->RunningTimers(), 0);
  EXPECT_EQ(r.button.State(), bsUp);
}

TEST(RepSpeedButtonHandlers, AThrowingRepeatHandlerGoesToTheApplicationAndRepeatsGoOn) {
  vyrtest::ManualClockScope clock;
  vyrtest::ExceptionCatcher caught;
  TRepSpeedButton b;
  int calls = 0;
  b.SetOnRepeatClick([&](TObject*) {
    ++calls;
    throw EVyrRepSpeedButton("step failed");
  });
  b.MouseDown(mbLeft, ssLeft, 1, 1);
  clock->Advance(900);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(caught.messages.size(), 3u);
  EXPECT_TRUE(b.Repeating());
}

TEST(RepSpeedButtonHandlers, AThrowingClickHandlerLeavesTheButtonUpAndIdle) {
  vyrtest::ManualClockScope clock;
  TRepSpeedButton b;
  b.OnClick = [](TObject*) { throw EVyrRepSpeedButton("click failed"); };
  b.MouseDown(mbLeft, ssLeft, 1, 1);
  clock->Advance(600);
  EXPECT_THROW(b.MouseUp(mbLeft, 0, 1, 1), EVyrRepSpeedButton);
  EXPECT_EQ(b.State(), bsUp);
  EXPECT_FALSE(b.Repeating());
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST(RepSpeedButtonHandlers, DestroyingTheButtonInARepeatStopsItsTimer) {
  vyrtest::ManualClockScope clock;
  auto* b = new TRepSpeedButton;
  int calls = 0;
  b->SetOnRepeatClick([&](TObject*) {
    ++calls;
    delete b;
  });
  b->MouseDown(mbLeft, ssLeft, 1, 1);
  clock->Advance(2000);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST(RepSpeedButtonHandlers, DestroyingTheButtonFromItsOwnClickThroughQtIsSafe) {
  vyrtest::ManualClockScope clock;
  QWidget window;
  window.resize(100, 50);
  QPointer<TRepSpeedButton> b = new TRepSpeedButton(&window);
  b->setGeometry(10, 10, 40, 20);
  window.show();
  int clicks = 0;
  b->OnClick = [&](TObject* sender) {
    ++clicks;
    delete static_cast<TRepSpeedButton*>(sender);
  };
  QTest::mousePress(b.data(), Qt::LeftButton, {}, QPoint(5, 5));
  clock->Advance(700);
  QTest::mouseRelease(b.data(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b.isNull());
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST(RepSpeedButtonAssign, CopiesEveryListedProperty) {
  QImage glyph(8, 8, QImage::Format_RGB32);
  glyph.fill(Qt::red);
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TRepSpeedButton>(); },
                                  TRepSpeedButton::CopiedProperties(), {}, {{"Glyph", glyph}});
}
