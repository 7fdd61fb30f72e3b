// Easter and the holidays that move with it, checked against a separate
// computation (the Meeus/Jones/Butcher rule) over every year 1..9999.
#include <gtest/gtest.h>

#include <QDate>

#include "minical/Vyr_MiniCal.h"

using namespace vyr;

namespace {

// Anonymous Gregorian computus as Meeus gives it.
QDate MeeusEaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return QDate(y, month, day);
}

}  // namespace

TEST(MiniCalEaster, KnownSundays) {
  const struct {
    int year, day, month;
  } known[] = {{2024, 31, 3}, {2025, 20, 4}, {2019, 21, 4}, {2038, 25, 4}, {2285, 22, 3}};
  for (const auto& k : known) {
    int day = 0, month = 0;
    ASSERT_TRUE(CalcEasterSunday(k.year, day, month));
    EXPECT_EQ(day, k.day) << k.year;
    EXPECT_EQ(month, k.month) << k.year;
  }
}

TEST(MiniCalEaster, AgreesWithAnIndependentRuleInEveryYear) {
  for (int y = 1; y <= 9999; ++y) {
    int day = 0, month = 0;
    ASSERT_TRUE(CalcEasterSunday(y, day, month));
    const QDate expected = MeeusEaster(y);
    ASSERT_EQ(QDate(y, month, day), expected) << "year " << y;
    ASSERT_EQ(expected.dayOfWeek(), Qt::Sunday) << "year " << y;
  }
}

TEST(MiniCalEaster, YearsBelowOneAreRefusedAndFarYearsDoNotOverflow) {
  int day = 7, month = 7;
  EXPECT_FALSE(CalcEasterSunday(0, day, month));
  EXPECT_FALSE(CalcEasterSunday(-2025, day, month));
  EXPECT_EQ(day, 7);
  EXPECT_EQ(month, 7);
  ASSERT_TRUE(CalcEasterSunday(2147483647, day, month));
  EXPECT_TRUE((month == 3 && day >= 22) || (month == 4 && day <= 25));
}
