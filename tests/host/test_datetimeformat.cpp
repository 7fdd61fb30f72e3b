// Date-time formats: tokens, formatting with every run, the Qt display
// format the picker uses, and the picker's own value and text.
#include <gtest/gtest.h>

#include "host/DateTimeFormat.h"
#include "host/DateTimePicker.h"

using namespace vyr;

namespace {

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

}  // namespace

TEST(DateTimeFormat, SplitsRunsLiteralsAndQuotes) {
  const auto tokens = SplitDateTimeFormat("dd.MM'x''y'yyyy 'open");
  ASSERT_EQ(tokens.size(), 7u);
  EXPECT_EQ(tokens[0].Letter, u'd');
  EXPECT_EQ(tokens[0].Count, 2);
  EXPECT_EQ(tokens[1].Text, ".");
  EXPECT_EQ(tokens[3].Text, "x'y");
  EXPECT_FALSE(tokens[3].IsRun());
  EXPECT_EQ(tokens[4].Count, 4);
  EXPECT_EQ(tokens[5].Text, " ");
  EXPECT_EQ(tokens[6].Text, "open");
}

TEST(DateTimeFormat, WritesEveryRun) {
  const QDateTime v = At(2024, 3, 5, 14, 7, 9);
  EXPECT_EQ(FormatDateTime("yyyy-MM-dd HH:mm:ss", v), "2024-03-05 14:07:09");
  EXPECT_EQ(FormatDateTime("d.M.yy H:m:s", v), "5.3.24 14:7:9");
  EXPECT_EQ(FormatDateTime("dddd ddd MMMM MMM", v), "Tuesday Tue March Mar");
  EXPECT_EQ(FormatDateTime("hh:mm tt|h t", v), "02:07 PM|2 P");
  EXPECT_EQ(FormatDateTime("hh tt", At(2024, 1, 1, 0, 30)), "12 AM");
  EXPECT_EQ(FormatDateTime("HH'h''s' yyy", v), "14h's yyy");
}

TEST(DateTimeFormat, QtDisplayFormatQuotesLiteralsAndMapsAmPm) {
  EXPECT_EQ(QtDisplayFormat("dd.MM.yyyy"), "dd'.'MM'.'yyyy");
  EXPECT_EQ(QtDisplayFormat("hh:mm tt"), "hh':'mm' 'AP");
  EXPECT_EQ(QtDisplayFormat("HH'h''s'"), "HH'h''s'");
}

TEST(DateTimePicker, ShowsItsValueInItsFormat) {
  TDateTimePicker picker;
  picker.SetFormat("dd.MM.yyyy HH:mm");
  picker.SetDateTime(At(2020, 1, 31, 9, 45));
  EXPECT_EQ(picker.Text(), "31.01.2020 09:45");
  EXPECT_EQ(picker.text(), "31.01.2020 09:45");
  EXPECT_TRUE(picker.calendarPopup());
  picker.SetFormat("HH:mm");
  EXPECT_FALSE(picker.calendarPopup());
  EXPECT_EQ(picker.DateTime(), At(2020, 1, 31, 9, 45));
}

TEST(DateTimePicker, ClampsToItsYears) {
  TDateTimePicker picker;
  picker.SetDateTime(At(50, 6, 1));
  EXPECT_EQ(picker.DateTime().date(), QDate(100, 1, 1));
  picker.SetDateTime(ZeroDateTime());
  EXPECT_EQ(picker.DateTime(), ZeroDateTime());
}

TEST(DateTimePicker, WithoutAFormatItsTextIsTheDateItShows) {
  TDateTimePicker picker;
  picker.SetDateTime(At(2020, 1, 31, 9, 45));
  EXPECT_EQ(picker.Text(), "2020-01-31");
  EXPECT_EQ(picker.Text(), picker.text());
}
