// Where the days lie: the first of the month in the first day row under its
// weekday for any first day of the week, the weekday names, and week
// numbers that follow one rule whatever the first day of the week.
#include <gtest/gtest.h>

#include <QMap>

#include "MiniCalTestKit.h"

using namespace vyr;
using minicaltest::Calendar;

TEST(MiniCalLayout, AMonthStartingOnTheFirstWeekdayFillsRowTwoFromColumnOne) {
  Calendar c(QDate(2025, 9, 17));  // 1 September 2025 is a Monday
  EXPECT_EQ(c->CellDate(1, 2), QDate(2025, 9, 1));
  EXPECT_EQ(c->CellDate(7, 6), QDate(2025, 10, 5));
  EXPECT_EQ(c->CellDate(7, 7), QDate(2025, 10, 12));
  EXPECT_FALSE(c->CellDate(0, 2).isValid());
  EXPECT_FALSE(c->CellDate(1, 1).isValid());
}

TEST(MiniCalLayout, AMonthStartingOnTheLastWeekdayStartsInColumnSeven) {
  Calendar c(QDate(2025, 6, 10));  // 1 June 2025 is a Sunday
  EXPECT_EQ(c->CellDate(7, 2), QDate(2025, 6, 1));
  EXPECT_EQ(c->CellDate(1, 2), QDate(2025, 5, 26));
  c->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(c->CellDate(1, 2), QDate(2025, 6, 1));
  EXPECT_EQ(c.changes, 1);
  c->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(c.changes, 1);
}

TEST(MiniCalLayout, EveryColumnShowsItsWeekdayForEveryFirstDay) {
  for (int first = dwMon; first <= dwSun; ++first) {
    Calendar c(QDate(2024, 1, 1));
    c->SetFirstDayOfWeek(TDayOfWeek(first));
    for (int month = 0; month < 30; ++month, c->NextMonth()) {
      const QDate shown = c->SelectedDate();
      const TGridCoord one = minicaltest::CellOf(*c.cal, shown.addDays(1 - shown.day()));
      ASSERT_EQ(one.Y, 2) << "first day " << first << ", " << shown.toString().toStdString();
      for (int row = 2; row <= 7; ++row)
        for (int col = 1; col <= 7; ++col) {
          const QDate date = c->CellDate(col, row);
          ASSERT_EQ(date.dayOfWeek(), (first + col - 1) % 7 + 1);
          if (col > 1 || row > 2) ASSERT_EQ(c->CellDate(col == 1 ? 7 : col - 1, col == 1 ? row - 1 : row).daysTo(date), 1);
        }
    }
  }
}

TEST(MiniCalLayout, WeekdayNamesFollowTheFirstDayAndTheLanguage) {
  Calendar c(QDate(2025, 3, 5));
  c->SetLanguage(lgGerman);
  c->SetFirstDayOfWeek(dwSat);
  EXPECT_EQ(c->CellLook(1, 1).Text, "Sa");
  EXPECT_EQ(c->CellLook(2, 1).Text, "So");
  EXPECT_EQ(c->CellLook(3, 1).Text, "Mo");
  EXPECT_EQ(c->CellLook(5, 0).Text, QString::fromUtf16(u"Mär 2025"));
  c->SetShowMonthShort(false);
  EXPECT_EQ(c->CellLook(5, 0).Text, QString::fromUtf16(u"März 2025"));
}

// The ISO week that holds most (four or more) of a row's seven days.
int MajorityIsoWeek(const TMiniCal& cal, int row) {
  QMap<int, int> count;
  for (int col = 1; col <= 7; ++col) ++count[cal.CellDate(col, row).weekNumber()];
  for (auto [week, n] : count.asKeyValueRange())
    if (n >= 4) return week;
  return -1;
}

TEST(MiniCalLayout, WeekNumbersAreTheIsoWeekHoldingMostOfTheRowForEveryFirstDay) {
  for (int first = dwMon; first <= dwSun; ++first) {
    Calendar c(QDate(2019, 11, 1));
    c->SetFirstDayOfWeek(TDayOfWeek(first));
    QMap<QDate, int> seen;  // first day of a row -> its number in any month
    for (int month = 0; month < 40; ++month, c->NextMonth())
      for (int row = 2; row <= 7; ++row) {
        const int week = c->WeekNumber(row);
        ASSERT_EQ(week, MajorityIsoWeek(*c.cal, row)) << first << " " << c->CellDate(1, row).toString().toStdString();
        ASSERT_EQ(c->CellLook(0, row).Text, QString::number(week));
        const QDate start = c->CellDate(1, row);
        if (seen.contains(start)) ASSERT_EQ(seen[start], week) << "a row's number depends on the month shown";
        seen[start] = week;
      }
  }
}

TEST(MiniCalLayout, WeekNumbersAcrossTheTurnOfTheYear) {
  Calendar c(QDate(2020, 12, 1));  // 31 December 2020 lies in ISO week 53
  EXPECT_EQ(c->WeekNumber(6), 53);
  c->SetDate(DateToSerial(QDate(2021, 1, 10)));
  EXPECT_EQ(c->WeekNumber(2), 53);  // 28 Dec 2020 .. 3 Jan 2021
  EXPECT_EQ(c->WeekNumber(3), 1);
  EXPECT_EQ(c->WeekNumber(1), 0);
}
