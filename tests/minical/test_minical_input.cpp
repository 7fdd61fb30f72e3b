// Input through real Qt events: keys move the date, clicks select days and
// press the navigation buttons, the wheel steps months.
#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include "MiniCalTestKit.h"
#include "host/KeyCodes.h"

using namespace vyr;
using minicaltest::Calendar;

namespace {

void Key(TMiniCal& cal, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(&cal, key, mods);
}

// A left click on a cell, in widget coordinates (the border comes first).
void Click(TMiniCal& cal, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
  const TPoint p = minicaltest::MiddleOf(cal, col, row);
  QTest::mouseClick(&cal, button, Qt::NoModifier, QPoint(p.X + cal.BorderWidth(), p.Y + cal.BorderWidth()));
}

}  // namespace

TEST(MiniCalKeys, ArrowsMoveByDaysAndWeeksAcrossMonthEnds) {
  Calendar c(QDate(2024, 2, 28));
  Key(*c.cal, Qt::Key_Right);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 2, 29));
  Key(*c.cal, Qt::Key_Right);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 3, 1));
  Key(*c.cal, Qt::Key_Up);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 2, 23));
  Key(*c.cal, Qt::Key_Down);
  Key(*c.cal, Qt::Key_Down);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 3, 8));
  Key(*c.cal, Qt::Key_Left);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 3, 7));
  EXPECT_EQ(c.changes, 6);
}

TEST(MiniCalKeys, PageKeysStepMonthsAndWithCtrlYears) {
  Calendar c(QDate(2024, 3, 31));
  Key(*c.cal, Qt::Key_PageUp);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 2, 29));
  Key(*c.cal, Qt::Key_PageDown);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 3, 29));
  Key(*c.cal, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 3, 29));
  Key(*c.cal, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 3, 29));
}

TEST(MiniCalKeys, HomeAndEndGoToTheMonthsEnds) {
  Calendar c(QDate(2024, 2, 10));
  Key(*c.cal, Qt::Key_End);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 2, 29));
  Key(*c.cal, Qt::Key_Home);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 2, 1));
  Key(*c.cal, Qt::Key_Home);  // already there: nothing changes
  EXPECT_EQ(c.changes, 2);
}

TEST(MiniCalKeys, KeysStopAtTheEndsOfTheCalendarAndOnKeyDownMayTakeThem) {
  Calendar c(QDate(9999, 12, 31));
  Key(*c.cal, Qt::Key_Right);
  Key(*c.cal, Qt::Key_Down);
  EXPECT_EQ(c->SelectedDate(), QDate(9999, 12, 31));
  c->OnKeyDown = [](TObject*, quint16& key, TShiftState) { key = 0; };
  Key(*c.cal, Qt::Key_Left);
  EXPECT_EQ(c->SelectedDate(), QDate(9999, 12, 31));
  EXPECT_EQ(c.changes, 0);
}

// December 9999 ends in row 6 (Saturday); row 7 is all in year 10000.
TEST(MiniCalMouse, CellsBeyondTheYearsOneTo9999AreBlankAndCannotBeClicked) {
  Calendar c(QDate(9999, 12, 31));
  EXPECT_EQ(c->CellLook(5, 6).Text, "31");
  EXPECT_FALSE(c->CellDate(6, 6).isValid());
  for (const TGridCoord cell : {TGridCoord{6, 6}, TGridCoord{7, 7}, TGridCoord{0, 7}})
    EXPECT_EQ(c->CellLook(cell.X, cell.Y).Text, "") << cell.X << "," << cell.Y;
  EXPECT_NE(c->CellLook(0, 6).Text, "");
  Click(*c.cal, 6, 6);
  EXPECT_EQ(c->SelectedDate(), QDate(9999, 12, 31));
  Calendar first(QDate(1, 1, 1));
  first->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(first->CellLook(1, 2).Text, "");
  EXPECT_EQ(first->CellLook(2, 2).Text, "1");
}

TEST(MiniCalMouse, ClickingADaySelectsIt) {
  Calendar c(QDate(2025, 5, 17));
  const TGridCoord cell = minicaltest::CellOf(*c.cal, QDate(2025, 5, 8));
  Click(*c.cal, cell.X, cell.Y);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 5, 8));
  EXPECT_EQ(c.changes, 1);
  Click(*c.cal, cell.X, cell.Y, Qt::RightButton);
  EXPECT_EQ(c.changes, 1);
}

TEST(MiniCalMouse, AGreyDaySwitchesTheMonthOnlyWithAutoSwitch) {
  Calendar c(QDate(2025, 1, 15));
  // Row 7 of January 2025 shows 3..9 February.
  EXPECT_EQ(c->CellDate(3, 7), QDate(2025, 2, 5));
  c->SetAutoSwitch(false);
  Click(*c.cal, 3, 7);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 15));
  EXPECT_EQ(c.changes, 0);
  c->SetAutoSwitch(true);
  Click(*c.cal, 3, 7);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 5));
  // Row 2 of February 2025 starts with 27 January.
  Click(*c.cal, 1, 2);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 27));
  EXPECT_EQ(c.changes, 2);
}

TEST(MiniCalMouse, AutoSwitchCrossesTheYear) {
  Calendar c(QDate(2025, 1, 15));
  Click(*c.cal, 1, 2);  // 30 December 2024
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 12, 30));
  c->SetDate(DateToSerial(QDate(2024, 12, 15)));
  Click(*c.cal, 4, 7);  // row 7 of December 2024: 30 December .. 5 January
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 2));
}

TEST(MiniCalMouse, TheNavigationButtons) {
  Calendar c(QDate(2024, 2, 29));
  Click(*c.cal, 7, 0);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 28));
  Click(*c.cal, 6, 0);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 3, 28));
  Click(*c.cal, 2, 0);
  Click(*c.cal, 2, 0);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 28));
  Click(*c.cal, 1, 0);
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 1, 28));
  Click(*c.cal, 4, 0);  // the title does nothing
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 1, 28));
  Click(*c.cal, 0, 0);  // "#": today, with the time of day
  EXPECT_EQ(c->SelectedDate(), QDate::currentDate());
  EXPECT_GT(c->Date(), DateToSerial(QDate::currentDate()) - 0.0);
  EXPECT_EQ(c.changes, 6);
}

TEST(MiniCalMouse, TheWheelStepsMonths) {
  Calendar c(QDate(2025, 1, 31));
  c->show();
  const QPointF at(40, 60);
  QWheelEvent down(at, c->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(c.cal.get(), &down);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 28));
  QWheelEvent up(at, c->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(c.cal.get(), &up);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 28));
}

TEST(MiniCalMouse, AHandlerOfTheFirstEventMayDestroyTheCalendar) {
  int changes = 0;
  auto* cal = new TMiniCal;
  cal->SetDate(DateToSerial(QDate(2025, 5, 17)));
  cal->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { delete cal; };
  cal->OnChange = [&](TObject*) { ++changes; };
  const TPoint p = minicaltest::MiddleOf(*cal, 3, 3);
  cal->MouseDown(mbLeft, 0, p.X, p.Y);
  EXPECT_EQ(changes, 0);

  cal = new TMiniCal;
  cal->OnKeyDown = [&](TObject*, quint16&, TShiftState) { delete cal; };
  cal->OnChange = [&](TObject*) { ++changes; };
  quint16 key = VK_RIGHT;
  cal->KeyDown(key, 0);
  EXPECT_EQ(changes, 0);
}
