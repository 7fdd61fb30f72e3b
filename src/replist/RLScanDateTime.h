#pragma once
// ScanDateTime reads a date-time text with a format of the platform's codes
// (host/DateTimeFormat.h); the row editor reads date cells with it.
//
// The format is walked token by token. A literal must begin the remaining
// text and is removed from it; a run takes its part from the front:
//  - yyyy: 4 digits; yy: 2 digits placed by the two-digit-year century
//    window (the hundred years that begin that many years before the
//    current year; a window of 0 keeps the current century);
//  - MM, dd, HH, hh, mm, ss: 2 digits; M, d, H, h, m, s: an optionally
//    signed number after optional blanks;
//  - MMMM / MMM: an English month name / its first three letters, any case;
//  - dddd / ddd: a day name / its first three letters (read over, the date
//    does not change);
//  - tt: "am" (any case) or otherwise afternoon, two characters; t: "a" or
//    "A" or otherwise afternoon, one character. hh and h read a 12-hour
//    clock of hours 1..12: 12 in the morning is hour 0, afternoon hours
//    below 12 get 12.
// Digit parts take fewer digits where the text ends. Text left over after
// the format is ignored.
//
// A text with any date part gives that date at the time read: a day or
// month the format does not hold is 1, a missing year the current year (so
// "MM/yyyy" and "yyyy" read as dates). A text with time parts only gives the
// time on the zero date (30 December 1899). Every part is checked: a year
// outside 1..9999, a month outside 1..12, a day beyond the month, an hour
// outside 0..23 (1..12 on a 12-hour clock), a minute or second outside
// 0..59 give sdtOutOfRange; so does a number beyond 32 bits. On any error the value is the zero date at midnight.
#include <QDateTime>
#include <QString>

namespace vyr {

enum TScanDateTimeError {
  sdtOk = 0,
  sdtLiteralMismatch = -1,  // a literal of the format is not in the text
  sdtUnknownRun = -2,       // a run without a meaning, such as yyy or MMMMM
  sdtBadNumber = -3,        // no number, or no matching month or day name
  sdtOutOfRange = -4,       // a part outside its range
};

QDateTime ScanDateTime(const QString& Text, const QString& Format, int& ErrCode);

}  // namespace vyr
