// The selected date: the date-part setters and their clamps, the month and
// year steps at month ends and in leap years, and refused dates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "MiniCalTestKit.h"

using namespace vyr;
using minicaltest::Calendar;

TEST(MiniCalDates, StartsOnTodayWithTheTimeOfDay) {
  TMiniCal cal;
  EXPECT_EQ(cal.SelectedDate(), QDate::currentDate());
  EXPECT_GE(cal.Date(), DateToSerial(QDate::currentDate()));
  EXPECT_EQ(cal.Width(), 300);
  EXPECT_EQ(cal.Height(), 180);
  EXPECT_EQ(cal.FirstDayOfWeek(), dwMon);
  EXPECT_EQ(cal.Language(), lgEnglish);
  EXPECT_EQ(cal.NumHolidays(), 8);
}

TEST(MiniCalDates, SerialsCountFromTheEndOf1899) {
  EXPECT_EQ(DateToSerial(QDate(1899, 12, 30)), 0.0);
  EXPECT_EQ(DateToSerial(QDate(2025, 1, 1)), 45658.0);
  EXPECT_EQ(SerialToDate(45658.75), QDate(2025, 1, 1));
  EXPECT_EQ(SerialToDate(-1.25), QDate(1899, 12, 29));
  EXPECT_FALSE(SerialToDate(std::nan("")).isValid());
  EXPECT_FALSE(SerialToDate(DateToSerial(QDate(10000, 1, 1))).isValid());
  EXPECT_FALSE(SerialToDate(DateToSerial(QDate(1, 1, 1)) - 1).isValid());
}

TEST(MiniCalDates, NextMonthFromTheEndOfJanuaryLandsOnTheEndOfFebruary) {
  Calendar c(QDate(2025, 1, 31));
  c->NextMonth();
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 28));
  Calendar leap(QDate(2024, 1, 31));
  leap->NextMonth();
  EXPECT_EQ(leap->SelectedDate(), QDate(2024, 2, 29));
  leap->NextMonth();
  EXPECT_EQ(leap->SelectedDate(), QDate(2024, 3, 29));
  EXPECT_EQ(leap.changes, 2);
}

TEST(MiniCalDates, MonthStepsCrossTheYear) {
  Calendar c(QDate(2024, 12, 31));
  c->NextMonth();
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 1, 31));
  c->PrevMonth();
  c->PrevMonth();
  EXPECT_EQ(c->SelectedDate(), QDate(2024, 11, 30));
  Calendar march(QDate(2023, 3, 31));
  march->PrevMonth();
  EXPECT_EQ(march->SelectedDate(), QDate(2023, 2, 28));
}

TEST(MiniCalDates, YearStepsFrom29FebruaryGiveThe28thAndOneChange) {
  Calendar c(QDate(2024, 2, 29));
  c->NextYear();
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 28));
  EXPECT_EQ(c.changes, 1);
  Calendar back(QDate(2024, 2, 29));
  back->PrevYear();
  EXPECT_EQ(back->SelectedDate(), QDate(2023, 2, 28));
  Calendar leapToLeap(QDate(2024, 2, 29));
  leapToLeap->SetYear(2028);
  EXPECT_EQ(leapToLeap->SelectedDate(), QDate(2028, 2, 29));
}

TEST(MiniCalDates, WritingTheMonthClampsTheDayToTheNewMonth) {
  Calendar c(QDate(2025, 1, 31));
  c->SetMonth(2);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 2, 28));
  Calendar leap(QDate(2024, 1, 31));
  leap->SetMonth(2);
  EXPECT_EQ(leap->SelectedDate(), QDate(2024, 2, 29));
  Calendar april(QDate(2024, 3, 31));
  april->SetMonth(4);
  EXPECT_EQ(april->SelectedDate(), QDate(2024, 4, 30));
  april->SetDay(31);  // April has 30 days: unchanged
  EXPECT_EQ(april->SelectedDate(), QDate(2024, 4, 30));
}

TEST(MiniCalDates, OutOfRangePartsLeaveTheDateButStillRaiseOnChange) {
  Calendar c(QDate(2025, 5, 17));
  c->SetDate(c->Date() + 0.5);
  const int before = c.changes;
  c->SetDay(0);
  c->SetMonth(13);
  c->SetYear(0);
  c->SetYear(10000);
  c->SetMonth(0);
  c->SetDay(32);
  EXPECT_EQ(c->SelectedDate(), QDate(2025, 5, 17));
  EXPECT_EQ(c.changes, before + 6);
  EXPECT_EQ(c->Date(), DateToSerial(QDate(2025, 5, 17)));  // the time of day is dropped
}

TEST(MiniCalDates, DatesOutsideTheYearsOneTo9999AndNaNAreIgnored) {
  Calendar c(QDate(2025, 5, 17));
  const double before = c->Date();
  c->SetDate(std::nan(""));
  c->SetDate(std::numeric_limits<double>::infinity());
  c->SetDate(DateToSerial(QDate(10000, 1, 1)));
  c->SetDate(-1e300);
  EXPECT_EQ(c->Date(), before);
  EXPECT_EQ(c.changes, 0);
  c->SetDate(before);  // equal: no change
  EXPECT_EQ(c.changes, 0);
}

TEST(MiniCalDates, NavigationStopsAtTheEndsOfTheCalendar) {
  Calendar last(QDate(9999, 12, 15));
  last->NextMonth();
  last->NextYear();
  EXPECT_EQ(last->SelectedDate(), QDate(9999, 12, 15));
  Calendar first(QDate(1, 1, 15));
  first->PrevMonth();
  first->PrevYear();
  EXPECT_EQ(first->SelectedDate(), QDate(1, 1, 15));
  EXPECT_EQ(first.changes + last.changes, 0);
}

TEST(MiniCalDates, LastDayOfMonthInLeapAndCommonFebruary) {
  Calendar c(QDate(2100, 2, 3));  // 2100 is not a leap year
  c->LastDayOfMonth();
  EXPECT_EQ(c->SelectedDate(), QDate(2100, 2, 28));
  Calendar leap(QDate(2000, 2, 3));
  leap->LastDayOfMonth();
  EXPECT_EQ(leap->SelectedDate(), QDate(2000, 2, 29));
}
