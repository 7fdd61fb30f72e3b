// Holidays: the standard list in four languages, fixed holidays for one year
// or every year, the six Easter-based ones over many years, and the list
// operations.
#include <gtest/gtest.h>

#include <QDate>

#include "MiniCalTestKit.h"

using namespace vyr;
using minicaltest::Calendar;

namespace {

// Easter Sunday by the Meeus/Jones/Butcher rule, written apart from the
// control's own.
QDate EasterOf(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return QDate(y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1);
}

QString Caption(const TMiniCal& cal, const QDate& date) {
  QString caption = QStringLiteral("stale");
  cal.CheckHoliday(date.year(), date.month(), date.day(), caption);
  return caption;
}

}  // namespace

TEST(MiniCalHolidays, The2025ExamplesInEnglish) {
  TMiniCal cal;
  EXPECT_EQ(Caption(cal, QDate(2025, 5, 29)), "Ascension Day");
  EXPECT_EQ(Caption(cal, QDate(2025, 6, 8)), "Pentecost");
  EXPECT_EQ(Caption(cal, QDate(2025, 6, 19)), "Corpus Christi");
  EXPECT_EQ(Caption(cal, QDate(2025, 4, 21)), "Easter Monday");
  EXPECT_EQ(Caption(cal, QDate(2025, 12, 26)), "Boxing Day");
  EXPECT_EQ(Caption(cal, QDate(2025, 6, 10)), "");
}

TEST(MiniCalHolidays, MovableHolidaysFollowEasterInEveryYear) {
  TMiniCal cal;
  cal.ClearHolidayList();  // only the movable ones remain
  const struct {
    int offset;
    const char* caption;
  } movable[] = {{0, "Easter Day"},  {1, "Easter Monday"}, {39, "Ascension Day"},
                 {49, "Pentecost"}, {50, "Whit Monday"},  {60, "Corpus Christi"}};
  for (int y = 1583; y <= 9999; y += 7) {
    const QDate easter = EasterOf(y);
    int found = 0;
    for (QDate date(y, 3, 1); date <= QDate(y, 6, 30); date = date.addDays(1)) {
      QString caption;
      const bool holiday = cal.CheckHoliday(y, date.month(), date.day(), caption);
      const qint64 offset = easter.daysTo(date);
      const char* expected = nullptr;
      for (const auto& m : movable)
        if (m.offset == offset) expected = m.caption;
      ASSERT_EQ(holiday, expected != nullptr) << date.toString(Qt::ISODate).toStdString();
      if (expected) {
        EXPECT_EQ(caption, QString::fromLatin1(expected));
        ++found;
      }
    }
    EXPECT_EQ(found, 6) << y;
  }
}

TEST(MiniCalHolidays, CaptionsInTheFourLanguages) {
  TMiniCal cal;
  const QDate ascension(2025, 5, 29), christmas(2025, 12, 25);
  const char16_t* expected[4][2] = {{u"Ascension Day", u"Christmas Day"},
                                    {u"Christi Himmelfahrt", u"Weihnachten"},
                                    {u"Ascension du Christ", u"Noël"},
                                    {u"Ascensión de Cristo", u"Navidad"}};
  for (int language = 1; language <= 4; ++language) {
    cal.SetLanguage(TLanguage(language));
    EXPECT_EQ(Caption(cal, ascension), QString::fromUtf16(expected[language - 1][0]));
    EXPECT_EQ(Caption(cal, christmas), QString::fromUtf16(expected[language - 1][1]));
  }
}

TEST(MiniCalHolidays, LanguagesOutsideOneToFourAreIgnored) {
  TMiniCal cal;
  cal.SetLanguage(lgGerman);
  cal.AddHoliday(3, 3, 2025, QStringLiteral("Mine"));
  cal.setProperty("Language", 0);
  cal.setProperty("Language", 5);
  cal.SetLanguage(TLanguage(200));
  EXPECT_EQ(cal.Language(), lgGerman);
  EXPECT_EQ(cal.NumHolidays(), 9);
  cal.SetLanguage(lgGerman);  // the same language keeps the list
  EXPECT_EQ(cal.NumHolidays(), 9);
  cal.SetLanguage(lgFrench);  // another one reinstalls the standard list
  EXPECT_EQ(cal.NumHolidays(), 8);
  EXPECT_EQ(Caption(cal, QDate(2025, 3, 3)), "");
}

TEST(MiniCalHolidays, AOneYearHolidayIsNotShownInOtherYearsARepeatingOneIs) {
  TMiniCal cal;
  cal.AddHoliday(14, 7, 2026, QStringLiteral("Fair"));
  cal.AddRepeatHoliday(3, 10, QStringLiteral("Unity"));
  EXPECT_EQ(Caption(cal, QDate(2026, 7, 14)), "Fair");
  EXPECT_EQ(Caption(cal, QDate(2027, 7, 14)), "");
  EXPECT_EQ(Caption(cal, QDate(2027, 10, 3)), "Unity");
  EXPECT_EQ(Caption(cal, QDate(1990, 10, 3)), "Unity");
}

TEST(MiniCalHolidays, TheFirstMatchingRowWinsAndFixedOnesComeBeforeMovableOnes) {
  TMiniCal cal;
  cal.AddRepeatHoliday(25, 12, QStringLiteral("Second"));
  EXPECT_EQ(Caption(cal, QDate(2025, 12, 25)), "Christmas Day");
  // 2008: Ascension fell on 1 May, which is Labor Day in the list.
  EXPECT_EQ(Caption(cal, QDate(2008, 5, 1)), "Labor Day");
  cal.SetShowMovableHolidays(false);
  EXPECT_EQ(Caption(cal, QDate(2025, 5, 29)), "");
}

TEST(MiniCalHolidays, ImpossibleDatesAreNeverHolidays) {
  TMiniCal cal;
  cal.AddRepeatHoliday(31, 4, QStringLiteral("Never"));
  QString caption;
  EXPECT_FALSE(cal.CheckHoliday(2025, 4, 31, caption));
  // 31 April 2024 would count as 1 May, which was 32 days after Easter.
  EXPECT_FALSE(cal.CheckHoliday(2024, 4, 31, caption));
  EXPECT_FALSE(cal.CheckHoliday(2025, 13, 1, caption));
  EXPECT_FALSE(cal.CheckHoliday(0, 4, 20, caption));
  EXPECT_TRUE(caption.isEmpty());
}

TEST(MiniCalHolidays, RetrieveGivesEachRowAndRefusesOtherIndices) {
  TMiniCal cal;
  cal.ClearHolidayList();
  cal.AddHoliday(2, 3, 2024, QStringLiteral("Once"));
  cal.AddRepeatHoliday(4, 5, QStringLiteral("Always"));
  int day = 0, month = 0, year = 0;
  bool repeat = true;
  QString text;
  ASSERT_TRUE(cal.RetrieveHoliday(1, day, month, year, repeat, text));
  EXPECT_EQ(std::tuple(day, month, year, repeat, text), std::tuple(2, 3, 2024, false, QString("Once")));
  ASSERT_TRUE(cal.RetrieveHoliday(2, day, month, year, repeat, text));
  EXPECT_EQ(std::tuple(day, month, year, repeat, text), std::tuple(4, 5, kRepeatHolidayYear, true, QString("Always")));
  day = 77;
  EXPECT_FALSE(cal.RetrieveHoliday(0, day, month, year, repeat, text));
  EXPECT_FALSE(cal.RetrieveHoliday(3, day, month, year, repeat, text));
  EXPECT_EQ(day, 77);
}

TEST(MiniCalHolidays, TheHintShowsTheSelectedHoliday) {
  Calendar c(QDate(2025, 12, 25));
  EXPECT_EQ(c->Hint(), "Christmas Day");
  c->SetDay(27);
  EXPECT_EQ(c->Hint(), "");
  c->SetDay(26);
  EXPECT_EQ(c->Hint(), "Boxing Day");
  c->SetShowHint(false);
  c->SetShowHolidayHint(false);
  EXPECT_EQ(c->Hint(), "");
  c->SetShowHolidayHint(true);
  EXPECT_TRUE(c->ShowHint());
  EXPECT_EQ(c->Hint(), "Boxing Day");
}
