#include <gtest/gtest.h>

#include <QSet>

#include "foundation/NameTables.h"

using namespace vyr;

TEST(NameTables, WeekdaysStartOnMonday) {
  EXPECT_EQ(WeekDayShort(lgEnglish, 1), "Mon");
  EXPECT_EQ(WeekDayShort(lgEnglish, 7), "Sun");
  EXPECT_EQ(WeekDayShort(lgGerman, 3), "Mi");
  EXPECT_EQ(WeekDayShort(lgFrench, 4), "Jeu");
  EXPECT_EQ(WeekDayShort(lgSpanish, 6), QString::fromUtf8("Sáb"));
}

TEST(NameTables, MonthNames) {
  EXPECT_EQ(MonthShort(lgEnglish, 5), "May");
  EXPECT_EQ(MonthShort(lgGerman, 3), QString::fromUtf8("Mär"));
  EXPECT_EQ(MonthShort(lgFrench, 2), QString::fromUtf8("Févr"));
  EXPECT_EQ(MonthShort(lgSpanish, 12), "Dic");
  EXPECT_EQ(MonthLong(lgEnglish, 9), "September");
  EXPECT_EQ(MonthLong(lgGerman, 10), "Oktober");
  EXPECT_EQ(MonthLong(lgFrench, 8), QString::fromUtf8("Août"));
  EXPECT_EQ(MonthLong(lgSpanish, 9), "Septiembre");
}

TEST(NameTables, LengthLimitsAndDistinctNames) {
  for (int lang = lgEnglish; lang <= lgSpanish; ++lang) {
    TLanguage language = TLanguage(lang);
    QSet<QString> days, shortMonths, longMonths;
    for (int d = 1; d <= 7; ++d) {
      EXPECT_LE(WeekDayShort(language, d).size(), 3);
      EXPECT_FALSE(WeekDayShort(language, d).isEmpty());
      days.insert(WeekDayShort(language, d));
    }
    for (int m = 1; m <= 12; ++m) {
      EXPECT_LE(MonthShort(language, m).size(), 4);
      EXPECT_LE(MonthLong(language, m).size(), 10);
      shortMonths.insert(MonthShort(language, m));
      longMonths.insert(MonthLong(language, m));
    }
    EXPECT_EQ(days.size(), 7) << lang;
    EXPECT_EQ(shortMonths.size(), 12) << lang;
    EXPECT_EQ(longMonths.size(), 12) << lang;
  }
}

TEST(NameTables, OutOfRangeGivesEmptyText) {
  EXPECT_EQ(WeekDayShort(lgEnglish, 0), "");
  EXPECT_EQ(WeekDayShort(lgEnglish, 8), "");
  EXPECT_EQ(MonthShort(lgGerman, 13), "");
  EXPECT_EQ(MonthLong(lgGerman, -1), "");
  EXPECT_EQ(MonthLong(TLanguage(0), 1), "");
  EXPECT_EQ(WeekDayShort(TLanguage(5), 1), "");
}

TEST(PredefinedColors, LayoutOfTheTable) {
  auto colors = PredefinedColors();
  ASSERT_EQ(colors.size(), 47u);
  EXPECT_EQ(colors[0].Color, 0x000000u);
  EXPECT_EQ(colors[8].Color, 0xC0C0C0u);
  EXPECT_EQ(colors[9].Color, 0x0000FFu);
  EXPECT_EQ(colors[15].Color, 0xFFFFFFu);
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(IsSystemColor(colors[i].Color)) << i;
  for (int i = 20; i < 47; ++i) EXPECT_TRUE(IsSystemColor(colors[i].Color)) << i;
  EXPECT_EQ(colors[20].Color, clScrollBar);
  EXPECT_EQ(colors[35].Color, clBtnFace);
}

TEST(PredefinedColors, DistinctColoursAndNames) {
  QSet<unsigned> values;
  QSet<QString> names;
  for (const TPredefinedColor& c : PredefinedColors()) {
    values.insert(c.Color);
    names.insert(QString::fromLatin1(c.Name));
  }
  EXPECT_EQ(values.size(), 47);
  EXPECT_EQ(names.size(), 47);
  EXPECT_FALSE(names.contains(""));
}
