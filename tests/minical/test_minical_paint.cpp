// What the calendar draws: the selected day, holidays and their mean with
// the selection, weekday colours, today's circle and the raised buttons.
#include <gtest/gtest.h>

#include "MiniCalTestKit.h"
#include "foundation/ColorUtils.h"
#include "support/PixelTools.h"

using namespace vyr;
using minicaltest::Calendar;

namespace {

// A pixel just inside the top-left corner of the cell of a date, away from
// its text and from today's circle.
TColor CornerOf(TMiniCal& cal, const QDate& date) {
  const TGridCoord cell = minicaltest::CellOf(cal, date);
  const TRect r = cal.CellRect(cell.X, cell.Y);
  return ColorToRGB(cal.Canvas().Pixels(r.Left + 1, r.Top + 1));
}

int CountInCell(TMiniCal& cal, int col, int row, TColor color) {
  const TRect r = cal.CellRect(col, row);
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += ColorToRGB(cal.Canvas().Pixels(x, y)) == color;
  return n;
}

}  // namespace

TEST(MiniCalPaint, SelectedHolidayAndWeekdayBackgrounds) {
  Calendar c(QDate(2025, 12, 10));  // a Wednesday
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 10)), 0xD0A040u);
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 25)), 0x9BD8F1u);
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 13)), 0xBBDDEEu);  // Saturday
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 14)), 0xCCEEFFu);  // Sunday
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 11)), 0xF8F8F8u);
  c->SetDay(25);
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 25)), MeanColor(0xD0A040, 0x9BD8F1));
  const TGridCoord cell = minicaltest::CellOf(*c.cal, QDate(2025, 12, 25));
  EXPECT_GT(CountInCell(*c.cal, cell.X, cell.Y, 0xFFFFFF), 0);  // the selected text colour
  c->SetIndicateHolidays(false);
  EXPECT_EQ(CornerOf(*c.cal, QDate(2025, 12, 26)), 0xF8F8F8u);
}

TEST(MiniCalPaint, HolidaysOfANeighbouringMonthStayGrey) {
  Calendar c(QDate(2025, 12, 10));  // row 6 shows 1 January 2026
  EXPECT_EQ(c->CellDate(4, 6), QDate(2026, 1, 1));
  EXPECT_EQ(CornerOf(*c.cal, QDate(2026, 1, 1)), 0xF8F8F8u);
  EXPECT_EQ(c->CellLook(4, 6).TextColor, 0xC0C0C0u);
  EXPECT_EQ(c->CellLook(4, 6).Text, "1");
}

TEST(MiniCalPaint, TheMeanOfSystemColoursResolvesThemFirst) {
  Calendar c(QDate(2025, 12, 25));
  c->SetColorSelectedBg(clHighlight);
  c->SetColorHolidayBg(clBtnFace);
  const TColor a = ColorToRGB(clHighlight), b = ColorToRGB(clBtnFace);
  const TColor mean = RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
                          (GetBValue(a) + GetBValue(b)) / 2);
  const TColor seen = CornerOf(*c.cal, QDate(2025, 12, 25));
  EXPECT_LE(std::abs(GetRValue(seen) - GetRValue(mean)), 1);
  EXPECT_LE(std::abs(GetGValue(seen) - GetGValue(mean)), 1);
  EXPECT_LE(std::abs(GetBValue(seen) - GetBValue(mean)), 1);
}

TEST(MiniCalPaint, TodayIsCircledInItsOwnMonthOnly) {
  const QDate today = QDate::currentDate();
  Calendar c(today);
  c->SetColorToday(0x00FF00);
  const TGridCoord cell = minicaltest::CellOf(*c.cal, today);
  EXPECT_GT(CountInCell(*c.cal, cell.X, cell.Y, 0x00FF00), 8);
  EXPECT_TRUE(c->CellLook(cell.X, cell.Y).TodayMark);
  c->SetMarkToday(false);
  EXPECT_EQ(CountInCell(*c.cal, cell.X, cell.Y, 0x00FF00), 0);
  c->SetMarkToday(true);
  c->NextYear();
  EXPECT_EQ(vyrtest::CountColor(c->Canvas(), 0x00FF00), 0);
}

TEST(MiniCalPaint, ButtonsAreRaisedWhileCtl3DIsOn) {
  Calendar c(QDate(2025, 5, 5));
  const TRect r = c->CellRect(1, 0);
  EXPECT_EQ(c->Canvas().Pixels(r.Left, r.Top), 0xFFFFFFu);
  EXPECT_EQ(c->Canvas().Pixels(r.Right - 1, r.Bottom - 1), 0x686868u);
  EXPECT_EQ(c->Canvas().Pixels(r.Right - 2, r.Bottom - 2), 0x9CA0A5u);
  c->SetCtl3D(false);
  EXPECT_EQ(c->Canvas().Pixels(r.Left, r.Top), ColorToRGB(clBtnFace));
  EXPECT_EQ(c->Canvas().Pixels(r.Right - 1, r.Bottom - 1), ColorToRGB(clBtnFace));
}

TEST(MiniCalPaint, TheTitleSpansThreeColumnsAndTodaysButtonTwoRows) {
  Calendar c(QDate(2025, 5, 5));
  c->SetCtl3D(false);
  const TRect title3 = c->CellRect(3, 0), title5 = c->CellRect(5, 0);
  // No grid line between the title's columns; the button face runs through.
  for (int x = title3.Left; x < title5.Right; ++x)
    ASSERT_NE(c->Canvas().Pixels(x, title3.Top + 1), 0x000000u) << x;
  const TRect hash0 = c->CellRect(0, 0), hash1 = c->CellRect(0, 1);
  for (int y = hash0.Top; y < hash1.Bottom; ++y)
    ASSERT_EQ(c->Canvas().Pixels(hash0.Left + 1, y), ColorToRGB(clBtnFace)) << y;
}

TEST(MiniCalPaint, TheGridFillsTheClientAreaAtAnySize) {
  TMiniCal cal;
  for (const QSize size : {QSize(300, 180), QSize(241, 163), QSize(500, 400), QSize(90, 70)}) {
    cal.resize(size);
    cal.Paint();
    const TRect last = cal.CellRect(7, 7);
    EXPECT_EQ(last.Right + cal.GridLineWidth(), cal.ClientWidth()) << size.width();
    EXPECT_EQ(last.Bottom + cal.GridLineWidth(), cal.ClientHeight()) << size.height();
    EXPECT_EQ(cal.ColWidths(1), (cal.ClientWidth() - 7) / 8);
  }
}
