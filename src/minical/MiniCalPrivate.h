#pragma once
// TMiniCal's state, out of the installed header.
#include <QString>
#include <array>
#include <vector>

#include "minical/Vyr_MiniCal.h"

namespace vyr {

// One row of the holiday list; Year is kRepeatHolidayYear for a holiday of
// every year.
struct THoliday {
  int Day = 0;
  int Month = 0;
  int Year = 0;
  QString Caption;
  friend bool operator==(const THoliday&, const THoliday&) = default;
};

// The eight holidays of every year installed in the language.
std::vector<THoliday> StandardHolidays(TLanguage language);
// The current date and time as a day serial.
double NowSerial();
// Whether the date lies in the years the calendar accepts, 1..9999.
bool InCalendarRange(const QDate& date);

struct TMiniCal::Private {
  bool AutoSwitch = true;
  TColor ColorActMon = 0x000000;
  TColor ColorInactMon = 0xC0C0C0;
  TColor ColorWknBg = 0xC0C0C0;
  TColor ColorWknFg = 0x000000;
  TColor ColorDayIdBg = 0xC0C0C0;
  TColor ColorDayIdFg = 0x000000;
  TColor ColorSelBg = 0xD0A040;
  TColor ColorSelFg = 0xFFFFFF;
  TColor ColorHdayBg = 0x9BD8F1;
  TColor ColorHdayFg = 0x0000C0;
  TColor ColorToday = 0x0000FF;
  bool ShowHDayHint = true;
  bool IndicateHolid = true;
  bool ShowMovHdays = true;
  std::vector<THoliday> Holidays;
  double Date = 0;
  std::array<TColor, 7> DayColors{0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
  TLanguage Language = lgEnglish;
  bool MarkToday = true;
  bool MonthShort = true;
  bool Ctl3D = true;
  // The day number of the first day cell (row 2, column 1): 1 when the
  // month starts there, otherwise 0 or less, counting back into the
  // previous month.
  int MonOfs = 0;
  TDayOfWeek FirstDay = dwMon;
};

}  // namespace vyr
