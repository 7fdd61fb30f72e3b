#include "replist/RLScanDateTime.h"

#include <algorithm>
#include <limits>

#include "foundation/NumRoutines.h"
#include "host/DateTimeFormat.h"

namespace vyr {

namespace {

struct TScan {
  QString Rest;  // the text not read yet
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  bool HasYear = false, HasMonth = false, HasDay = false;
  bool TwelveHour = false, Afternoon = false;
  int Error = sdtOk;
};

// Up to maxCount digits from the front (at least one, digits only); the
// number of characters read, or -1.
int ReadDigits(const QString& text, int maxCount, int& value) {
  const QString part = text.left(maxCount);
  if (part.isEmpty() || !std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return -1;
  value = part.toInt();
  return int(part.size());
}

// A number after optional blanks and a sign; the characters read, or -1.
// A number beyond 32 bits reads as the nearest int limit, which no part
// accepts, rather than wrapping round into range.
int ReadNumber(const QString& text, int& value) {
  qsizetype pos = 1;
  const int scanned = ScanDecimalInt(text, pos);
  const QStringView used = QStringView(text).left(pos - 1);
  if (!std::any_of(used.begin(), used.end(), [](QChar c) { return c.isDigit(); })) return -1;
  bool ok = false;
  const qint64 wide = used.trimmed().toLongLong(&ok);
  if (ok && wide == scanned)
    value = scanned;
  else
    value = used.contains(u'-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  return int(used.size());
}

// The number (1-based) of the first name whose full text (or first three
// letters) begins text, ignoring case; 0 if none.
template <typename NameOf>
int MatchName(const QString& text, int count, bool shortName, NameOf nameOf, int& length) {
  for (int i = 1; i <= count; ++i) {
    const QString name = shortName ? nameOf(i).left(3) : nameOf(i);
    if (text.startsWith(name, Qt::CaseInsensitive)) {
      length = int(name.size());
      return i;
    }
  }
  return 0;
}

int TwoDigitYear(int n) {
  const int window = TwoDigitYearCenturyWindow();
  const int c = QDate::currentDate().year() - window;
  int year = c / 100 * 100 + n;
  if (window != 0 && year < c) year += 100;
  return year;
}

// Reads a digit part of `count` letters (two digits) or one letter (a
// number); the characters read, or -1.
int ReadPart(const QString& text, int count, int& value) {
  return count == 2 ? ReadDigits(text, 2, value) : ReadNumber(text, value);
}

// Reads the run from the front of s.Rest; the characters read, or -1 with
// s.Error set.
int ReadRun(TScan& s, QChar letter, int count) {
  if (!IsKnownDateTimeRun(letter, count)) {
    s.Error = sdtUnknownRun;
    return -1;
  }
  int k = -1;
  int value = 0;
  switch (letter.unicode()) {
    case u'y':
      k = ReadDigits(s.Rest, count, value);
      s.Year = count == 4 ? value : TwoDigitYear(value);
      s.HasYear = true;
      break;
    case u'M':
      if (count >= 3) {
        s.Month = MatchName(s.Rest, 12, count == 3, LongMonthName, k);
        if (s.Month == 0) k = -1;
      } else {
        k = ReadPart(s.Rest, count, s.Month);
      }
      s.HasMonth = true;
      break;
    case u'd':
      if (count >= 3) {
        if (MatchName(s.Rest, 7, count == 3, LongDayName, k) == 0) k = -1;
      } else {
        k = ReadPart(s.Rest, count, s.Day);
        s.HasDay = true;
      }
      break;
    case u'H': k = ReadPart(s.Rest, count, s.Hour); break;
    case u'h':
      k = ReadPart(s.Rest, count, s.Hour);
      s.TwelveHour = true;
      break;
    case u'm': k = ReadPart(s.Rest, count, s.Minute); break;
    case u's': k = ReadPart(s.Rest, count, s.Second); break;
    case u't':
      k = count;
      s.Afternoon = !s.Rest.startsWith(count == 1 ? QStringLiteral("a") : QStringLiteral("am"), Qt::CaseInsensitive);
      break;
  }
  if (k < 0) s.Error = sdtBadNumber;
  return k;
}

void ReadToken(TScan& s, const TDateTimeToken& token) {
  if (!token.IsRun()) {
    if (!s.Rest.startsWith(token.Text))
      s.Error = sdtLiteralMismatch;
    else
      s.Rest.remove(0, token.Text.size());
    return;
  }
  const int k = ReadRun(s, token.Letter, token.Count);
  if (k >= 0) s.Rest.remove(0, k);
}

QDateTime Compose(TScan& s) {
  if (s.TwelveHour) {
    if (s.Hour < 1 || s.Hour > 12) {
      s.Error = sdtOutOfRange;
      return ZeroDateTime();
    }
    if (s.Hour == 12 && !s.Afternoon)
      s.Hour = 0;
    else if (s.Hour != 12 && s.Afternoon)
      s.Hour += 12;
  }
  if (!QTime::isValid(s.Hour, s.Minute, s.Second, 0)) {
    s.Error = sdtOutOfRange;
    return ZeroDateTime();
  }
  const QTime time(s.Hour, s.Minute, s.Second);
  if (!s.HasYear && !s.HasMonth && !s.HasDay) return QDateTime(ZeroDateTime().date(), time, Qt::UTC);
  const int year = s.HasYear ? s.Year : QDate::currentDate().year();
  const int month = s.HasMonth ? s.Month : 1;
  const int day = s.HasDay ? s.Day : 1;
  if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) {
    s.Error = sdtOutOfRange;
    return ZeroDateTime();
  }
  return QDateTime(QDate(year, month, day), time, Qt::UTC);
}

}  // namespace

QDateTime ScanDateTime(const QString& Text, const QString& Format, int& ErrCode) {
  TScan s;
  s.Rest = Text;
  for (const TDateTimeToken& token : SplitDateTimeFormat(Format)) {
    ReadToken(s, token);
    if (s.Error != sdtOk) break;
  }
  const QDateTime value = s.Error == sdtOk ? Compose(s) : ZeroDateTime();
  ErrCode = s.Error;
  return value;
}

}  // namespace vyr
