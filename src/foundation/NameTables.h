#pragma once
// Weekday and month names in the four languages, and the table of named
// colours offered by colour pickers.
#include <QString>
#include <span>

#include "foundation/CoreTypes.h"
#include "host/Color.h"

namespace vyr {

// Short weekday name (up to 3 characters); day 1..7, Monday = 1.
QString WeekDayShort(TLanguage language, int day);
// Month names of up to 4 and up to 10 characters; month 1..12.
QString MonthShort(TLanguage language, int month);
QString MonthLong(TLanguage language, int month);
// A language, day or month without an entry gives an empty text.

struct TPredefinedColor {
  TColor Color;
  const char* Name;
};

// 47 colours: elements 0..15 the sixteen basic colours, 16..19 four further
// ones, 20..46 the 27 system colours. Pickers that count from 1 use element
// i − 1 for their entry i.
std::span<const TPredefinedColor> PredefinedColors();
constexpr int kPredefinedColorCount = 47;

}  // namespace vyr
