#pragma once
// Date-time format strings of the platform and the date-time services that
// go with them: the zero date, the two-digit-year century window and
// formatting a date-time with a format string.
//
// A format is read from the front as a sequence of tokens:
//  - a quoted literal: from a "'" up to and including the closing "'" (to
//    the end of the format when none closes it); a doubled "'" inside the
//    quotes stands for one "'";
//  - a run of one of the letters H M d h m s t y;
//  - a plain literal: anything else, up to the next "'" or run letter.
// The runs that have a meaning are yyyy yy (year), MMMM MMM MM M (month
// name, short name, two digits, number), dddd ddd (day name, short day
// name), dd d (day), HH H (hour 0..23), hh h (hour 1..12), mm m (minute),
// ss s (second), tt t (AM/PM, A/P). Names are English whatever the locale,
// so that a text written with a format reads back with it.
#include <QDateTime>
#include <QString>
#include <vector>

namespace vyr {

struct TDateTimeToken {
  QChar Letter;   // the run's letter; null for a literal
  int Count = 0;  // length of the run
  QString Text;   // the literal's text, without enclosing quotes
  bool IsRun() const { return !Letter.isNull(); }
};

std::vector<TDateTimeToken> SplitDateTimeFormat(const QString& format);

// Whether a run of `count` letters `letter` has a meaning (yyy and MMMMM
// have none).
bool IsKnownDateTimeRun(QChar letter, int count);

// The text of value in format. Runs without a meaning are written as they
// stand.
QString FormatDateTime(const QString& format, const QDateTime& value);

// The same format in Qt's display-format codes (for QDateTimeEdit): every
// literal quoted, tt and t as Qt's AM/PM sections.
QString QtDisplayFormat(const QString& format);

// The date-time value 0 of the platform: 30 December 1899, midnight. Every
// date-time of the library is a plain calendar date and time (UTC, no
// daylight-saving gaps).
QDateTime ZeroDateTime();

// English month names (1..12) and day names (1 Monday .. 7 Sunday).
QString LongMonthName(int month);
QString LongDayName(int day);

// Two-digit years are placed in the hundred years that begin this many
// years before the current year (0: in the current century). 50 unless set.
int TwoDigitYearCenturyWindow();
void SetTwoDigitYearCenturyWindow(int years);

}  // namespace vyr
