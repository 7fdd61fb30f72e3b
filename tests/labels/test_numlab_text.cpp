// The texts of the numeric label's display types, checked by value.
#include <gtest/gtest.h>

#include <QDate>
#include <limits>

#include "labels/NumLabText.h"

using namespace vyr;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

QString Text(TDisplay type, double value, int precision = 2, bool comma = false, bool plus = false) {
  const TNumLabFormat f{type, precision, comma, plus, QStringLiteral("undefined"), QStringLiteral("mmm-dd, yyyy")};
  return NumLabText(f, value).value_or(QStringLiteral("<overflow>"));
}

double Serial(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d))) + (h * 3600 + n * 60 + s) / 86400.0;
}

QString DateText(double serial, const char* pattern) {
  return FormatDateTimeSerial(serial, QString::fromUtf8(pattern)).value_or(QStringLiteral("<none>"));
}

}  // namespace

TEST(NumLabText, FixedPointWithSeparatorAndPlusSign) {
  EXPECT_EQ(Text(dtFixP, 0), "0.00");
  EXPECT_EQ(Text(dtFixP, 1234.5), "1234.50");
  EXPECT_EQ(Text(dtFixP, 1234.5, 2, true), "1234,50");
  EXPECT_EQ(Text(dtFixP, 1234.5, 2, false, true), "+1234.50");
  EXPECT_EQ(Text(dtFixP, -1234.5, 2, true, true), "-1234,50");
  EXPECT_EQ(Text(dtFixP, -0.001), "0.00");
}

TEST(NumLabText, IntegersRoundHalvesToEven) {
  EXPECT_EQ(Text(dtInt, 2.5), "2");
  EXPECT_EQ(Text(dtInt, 3.5), "4");
  EXPECT_EQ(Text(dtInt, -2.5), "-2");
  EXPECT_EQ(Text(dtInt, -0.4), "0");
  EXPECT_EQ(Text(dtZeroInt, 7, 3), "007");
  EXPECT_EQ(Text(dtZeroInt, -7, 3), "-007");
  EXPECT_EQ(Text(dtZeroInt, 12345, 3), "12345");
}

TEST(NumLabText, OtherBasesTakeNeitherPlusNorComma) {
  EXPECT_EQ(Text(dtHex, 255, 3, true, true), "0FF");
  EXPECT_EQ(Text(dtHex, -26, 1), "-1A");
  EXPECT_EQ(Text(dtBin, 5, 4, true, true), "0101");
  EXPECT_EQ(Text(dtOct, 15, 3), "017");
  EXPECT_EQ(Text(dtOct, 15, 3, false, true), "+017");
  EXPECT_EQ(Text(dtHex, 9007199254740992.0, 1), "20000000000000");
}

TEST(NumLabText, GeneralAndScientific) {
  EXPECT_EQ(Text(dtFloat, 2.5, 2), "2.5");
  EXPECT_EQ(Text(dtFloat, 1234.5, 2), "1.2E+003");
  EXPECT_EQ(Text(dtFloat, 0.5, 3, true), "0,5");
  EXPECT_EQ(Text(dtExp, 1234.5, 3), "1.23E+003");
  EXPECT_EQ(Text(dtExp, 1234.5, 3, false, true), "+1.23E+003");
}

TEST(NumLabText, DegreesCarryRoundedMinutesAndSeconds) {
  EXPECT_EQ(Text(dtDeg, 12.5), QString::fromUtf8("12.50°"));
  EXPECT_EQ(Text(dtDegMin, 12.5), QString::fromUtf8("12°30.00'"));
  EXPECT_EQ(Text(dtDegMin, -12.1, 1), QString::fromUtf8("-12°06.0'"));
  EXPECT_EQ(Text(dtDegMin, 12.99999, 2), QString::fromUtf8("13°00.00'"));
  EXPECT_EQ(Text(dtDegMinSec, 12.5 + 15 / 3600.0), QString::fromUtf8("12°30'15.00\""));
  EXPECT_EQ(Text(dtDegMinSec, 12.9999999, 1), QString::fromUtf8("13°00'00.0\""));
  EXPECT_EQ(Text(dtDegMinSec, 1.5 + 5 / 3600.0, 0, true), QString::fromUtf8("1°30'05\""));
}

TEST(NumLabText, Engineering) {
  EXPECT_EQ(Text(dtEEng, 12345, 2), "12.35E+003");
  EXPECT_EQ(Text(dtEEng, 0.00047, 1, true), "470,0E-006");
  EXPECT_EQ(Text(dtEEngNoDP, 12345, 2), "12E+003");
  EXPECT_EQ(Text(dtEEngNoDP, -0.0022, 2), "-2E-003");
}

TEST(NumLabText, StateShowsTheStateTextWhateverTheValue) {
  EXPECT_EQ(Text(dtState, 5), "undefined");
  EXPECT_EQ(Text(dtState, kNaN), "undefined");
}

TEST(NumLabText, ValuesThatCannotBeShownGiveNoText) {
  for (TDisplay t : {dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtBin, dtOct, dtDeg, dtDegMin,
                     dtDegMinSec, dtEEng, dtEEngNoDP}) {
    EXPECT_EQ(Text(t, kNaN), "<overflow>") << t;
    EXPECT_EQ(Text(t, kInf), "<overflow>") << t;
    EXPECT_EQ(Text(t, -kInf), "<overflow>") << t;
  }
  EXPECT_EQ(Text(dtInt, 1e19), "<overflow>");
  EXPECT_EQ(Text(dtInt, -9223372036854775808.0), "<overflow>");
  EXPECT_EQ(Text(dtInt, -9223372036854774784.0), "-9223372036854774784");
  EXPECT_EQ(Text(dtDateTime, 1e7), "<overflow>");
}

TEST(NumLabDateTime, DefaultPatternShowsMonthDayAndYear) {
  EXPECT_EQ(Text(dtDateTime, Serial(2026, 12, 8)), "Dec-08, 2026");
  EXPECT_EQ(Text(dtDateTime, 0), "Dec-30, 1899");
  EXPECT_EQ(Text(dtDateTime, Serial(2026, 12, 8), 2, true, true), "Dec-08, 2026");
}

TEST(NumLabDateTime, PatternLetters) {
  const double t = Serial(2026, 3, 5, 14, 7, 9);
  EXPECT_EQ(DateText(t, "yyyy-mm-dd hh:nn:ss"), "2026-03-05 14:07:09");
  EXPECT_EQ(DateText(t, "d/m/yy h:mm"), "5/3/26 14:07");
  EXPECT_EQ(DateText(t, "dddd, mmmm d"), "Thursday, March 5");
  EXPECT_EQ(DateText(t, "ddd hh:mm AM/PM"), "Thu 02:07 PM");
  EXPECT_EQ(DateText(t, "h a/p"), "2 p");
  EXPECT_EQ(DateText(t, "'day' d \"of\" mmm"), "day 5 of Mar");
  EXPECT_EQ(DateText(Serial(2026, 3, 5) + 0.5 / 86400.0 + 0.123 / 86400.0, "ss.zzz"), "00.623");
}

// The whole part counts days from 1899-12-30, the fraction without its sign
// is the time of day; a time rounding to midnight moves to the next day.
TEST(NumLabDateTime, NegativeSerialsAndMidnightCarry) {
  EXPECT_EQ(DateText(-1.25, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
  EXPECT_EQ(DateText(Serial(2026, 1, 1) - 1e-10, "yyyy-mm-dd hh:nn:ss"), "2026-01-01 00:00:00");
  EXPECT_EQ(DateText(Serial(9999, 12, 31), "yyyy"), "9999");
  EXPECT_EQ(DateText(Serial(9999, 12, 31) + 1, "yyyy"), "<none>");
}
