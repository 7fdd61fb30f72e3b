// TNumIO2's mouse (caret and selection, spin buttons, gauge) and caret
// timer, through the handlers and a manual clock.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "NumIOTestKit.h"

using namespace vyr;

namespace {

class NumIO2Mouse : public ::testing::Test, public numiotest::FieldOnClock {
 protected:
  void SetUp() override {
    field.OnChange = [this](TObject*) { ++changes; };
  }
  // The spin buttons lie at x = 118..136; y 1..14 is the upper half.
  void SpinUp() { Press(127, 5); }
  void SpinDown() { Press(127, 20); }
  void Press(int x, int y, TShiftState shift = ssLeft) {
    field.MouseDown(mbLeft, shift, x, y);
    field.MouseUp(mbLeft, 0, x, y);
  }
  int changes = 0;
};

}  // namespace

TEST_F(NumIO2Mouse, SpinButtonsStepWithinTheRange) {
  field.SetButVisible(true);
  field.SetValue(999.5);
  SpinUp();
  EXPECT_EQ(field.Text(), QStringLiteral("1000.00"));
  EXPECT_EQ(changes, 1);
  field.SetValue(0);
  SpinDown();
  EXPECT_EQ(field.Text(), QStringLiteral("0.00"));
  EXPECT_EQ(changes, 2);
  field.SetButIncrem(2.5);
  SpinUp();
  SpinUp();
  EXPECT_EQ(field.Value(), 5.0);
  // The separator row and the edges are not buttons.
  Press(118, 5);
  Press(136, 5);
  Press(127, 0);
  Press(127, 28);
  EXPECT_EQ(field.Value(), 5.0);
  EXPECT_EQ(changes, 4);
}

TEST_F(NumIO2Mouse, SpinButtonsJumpBetweenPivots) {
  field.SetButVisible(true);
  field.ButtonPivots = {0, 10, 20, 50};
  const struct {
    double from;
    bool up;
    const char* to;
  } cases[] = {{10, true, "20.00"}, {12, true, "20.00"}, {18, true, "20.00"}, {18, false, "10.00"},
               {50, true, "50.00"}, {0, false, "0.00"},  {20, false, "10.00"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    field.SetValue(c.from);
    c.up ? SpinUp() : SpinDown();
    EXPECT_EQ(field.Text(), QString::fromLatin1(c.to));
  }
  EXPECT_EQ(changes, 7);
}

TEST_F(NumIO2Mouse, GaugeClickSetsTheValueAndChangesAtRelease) {
  field.SetGaugeVisible(true);
  // The gauge spans x = 35..117 below y = 16.
  field.MouseDown(mbLeft, ssLeft, 35 + 41, 22);
  EXPECT_EQ(field.Text(), QStringLiteral("500.00"));
  EXPECT_EQ(changes, 0);
  field.MouseUp(mbLeft, 0, 35 + 41, 22);
  EXPECT_EQ(changes, 1);
  Press(34, 22);
  Press(35 + 41, 16);
  EXPECT_EQ(field.Text(), QStringLiteral("500.00"));
  EXPECT_EQ(changes, 1);
  field.ButtonPivots = {100, 800};
  Press(35 + 60, 22);
  EXPECT_EQ(field.Text(), QStringLiteral("800.00"));
}

TEST_F(NumIO2Mouse, GaugeDragReportsEveryMoveAndChangesOnce) {
  field.SetGaugeVisible(true);
  std::vector<double> reported;
  field.OnGaugeChange = [&](TObject* sender, TShiftState shift, double v) {
    EXPECT_EQ(sender, &field);
    EXPECT_TRUE(shift & ssLeft);
    reported.push_back(v);
  };
  field.MouseDown(mbLeft, ssLeft, 35, 22);
  field.MouseMove(ssLeft, 35 + 41, 22);
  field.MouseMove(ssLeft, 35 + 82, 22);
  field.MouseMove(ssLeft, 35 + 83, 22);
  field.MouseMove(ssLeft, 20, 22);
  EXPECT_EQ(reported, std::vector<double>({500.0, 1000.0, 1000.0}));
  EXPECT_EQ(changes, 0);
  field.MouseUp(mbLeft, 0, 20, 22);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(field.Text(), QStringLiteral("1000.00"));
  // Moving without the button changes nothing.
  field.MouseMove(0, 35, 22);
  field.MouseUp(mbLeft, 0, 35, 22);
  EXPECT_EQ(reported.size(), 3u);
  EXPECT_EQ(changes, 1);
}

TEST_F(NumIO2Mouse, ReadOnlyFieldIgnoresButtonsAndGauge) {
  field.SetButVisible(true);
  field.SetGaugeVisible(true);
  field.SetValue(5);
  field.SetReadOnly(true);
  SpinUp();
  Press(100, 22);
  field.MouseDown(mbLeft, ssLeft, 35, 22);
  field.MouseMove(ssLeft, 60, 22);
  field.MouseUp(mbLeft, 0, 60, 22);
  EXPECT_EQ(field.Text(), QStringLiteral("5.00"));
  EXPECT_EQ(changes, 0);
}

TEST_F(NumIO2Mouse, ClickPlacesTheCaretAtTheNearestCharacter) {
  field.SetText(QStringLiteral("12345"));
  for (TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
    field.SetAlignment(alignment);
    for (int p = 0; p <= 5; ++p) {
      SCOPED_TRACE(p);
      Press(field.CharPosToXCoords(p), 10);
      EXPECT_EQ(field.CaretPos(), p);
      EXPECT_EQ(field.SelBegin(), p);
      EXPECT_EQ(field.SelEnd(), p);
    }
  }
  Press(0, 10);
  EXPECT_EQ(field.CaretPos(), 0);
  Press(159, 10);
  EXPECT_EQ(field.CaretPos(), 5);
}

TEST_F(NumIO2Mouse, DraggingSelects) {
  field.SetAlignment(taLeftJustify);
  field.SetText(QStringLiteral("12345"));
  field.MouseDown(mbLeft, ssLeft, field.CharPosToXCoords(1), 10);
  field.MouseMove(ssLeft, field.CharPosToXCoords(4), 10);
  EXPECT_EQ(field.SelBegin(), 1);
  EXPECT_EQ(field.SelEnd(), 4);
  EXPECT_EQ(field.CaretPos(), 4);
  field.MouseMove(ssLeft, field.CharPosToXCoords(0), 10);
  EXPECT_EQ(field.SelBegin(), 0);
  EXPECT_EQ(field.SelEnd(), 4);
  field.MouseUp(mbLeft, 0, 0, 10);
  EXPECT_EQ(changes, 0);
}

TEST_F(NumIO2Mouse, AreaCodeFollowsTheMouse) {
  const std::pair<int, int> cases[] = {{0, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {150, 2}};
  for (auto [x, code] : cases) {
    field.MouseMove(0, x, 10);
    EXPECT_EQ(field.MouseAreaCode(), code) << x;
  }
}

TEST_F(NumIO2Mouse, NarrowTextNeverDividesByZero) {
  // itExp accepts what follows a number: here 40 zero-width spaces, so the
  // buffer is narrower in pixels than it is long in characters.
  field.SetInputFormat(itExp);
  field.SetText(QStringLiteral("1") + QString(40, QChar(0x200B)));
  ASSERT_EQ(field.Text().size(), 41);
  ASSERT_LT(QFontMetrics(field.Font().ToQFont()).horizontalAdvance(field.Text()), 41);
  for (int x : {-100000, 0, 40, 75, 117, 100000}) {
    const int p = field.XCoordsToCharPos(x);
    EXPECT_GE(p, 0);
    EXPECT_LE(p, 41);
  }
}

TEST_F(NumIO2Mouse, SelectionSettersClampAndKeepOrder) {
  field.SetText(QStringLiteral("123.5"));
  field.SetSelEnd(99);
  EXPECT_EQ(field.SelEnd(), 5);
  EXPECT_EQ(field.CaretPos(), 5);
  field.SetSelBegin(-3);
  EXPECT_EQ(field.SelBegin(), 0);
  field.SetSelBegin(4);
  EXPECT_EQ(field.SelEnd(), 5);
  field.SetSelEnd(2);
  EXPECT_EQ(field.SelBegin(), 2);
  EXPECT_EQ(field.CaretPos(), 2);
}

TEST_F(NumIO2Mouse, CaretTimerStopsWithoutFocus) {
  EXPECT_EQ(clock->RunningTimers(), 1);
  EXPECT_TRUE(field.CaretVisible());
  clock->Advance(499);
  EXPECT_TRUE(field.CaretVisible());
  clock->Advance(1);
  EXPECT_FALSE(field.CaretVisible());
  EXPECT_EQ(clock->RunningTimers(), 0);
  field.SetReadOnly(true);
  field.SetReadOnly(false);
  EXPECT_TRUE(field.CaretVisible());
  EXPECT_EQ(clock->RunningTimers(), 1);
  field.SetReadOnly(true);
  EXPECT_FALSE(field.CaretVisible());
  EXPECT_EQ(clock->RunningTimers(), 0);
}

TEST_F(NumIO2Mouse, CaretBlinksWhileFocusedAndStopsAfterFocusLoss) {
  QWidget window;
  window.resize(300, 100);
  auto* shown = new TNumIO2(&window);
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  other->setGeometry(0, 50, 50, 30);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  shown->SetFocus();
  ASSERT_TRUE(shown->Focused());
  shown->Paint();
  const int paints = shown->PaintCount();
  clock->Advance(500);
  EXPECT_FALSE(shown->CaretVisible());
  clock->Advance(500);
  EXPECT_TRUE(shown->CaretVisible());
  EXPECT_EQ(shown->PaintCount(), paints + 2);
  other->setFocus();
  clock->Advance(500);
  EXPECT_FALSE(shown->CaretVisible());
  // Getting the focus back restarts the blink with the caret shown.
  shown->SetFocus();
  EXPECT_TRUE(shown->CaretVisible());
  clock->Advance(500);
  EXPECT_FALSE(shown->CaretVisible());
}

TEST_F(NumIO2Mouse, RefusedTimerOnFocusRaises) {
  clock->RefuseNextSetTimer();
  field.SetName(QStringLiteral("Gain"));
  try {
    field.UpdateTimer();
    FAIL() << "no exception";
  } catch (const EVyrNumIO2Error& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"Gain\": no timer available"));
  }
}
