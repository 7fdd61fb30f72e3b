#include "host/DateTimeFormat.h"

#include <array>

namespace vyr {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                              "Friday", "Saturday", "Sunday"};

bool IsRunLetter(QChar c) {
  switch (c.unicode()) {
    case u'H':
    case u'M':
    case u'd':
    case u'h':
    case u'm':
    case u's':
    case u't':
    case u'y': return true;
    default: return false;
  }
}

// A quoted literal starting at format[i]; i ends after the closing quote.
TDateTimeToken QuotedLiteral(const QString& format, qsizetype& i) {
  TDateTimeToken token;
  for (++i; i < format.size(); ++i) {
    if (format[i] != u'\'') {
      token.Text += format[i];
    } else if (i + 1 < format.size() && format[i + 1] == u'\'') {
      token.Text += u'\'';
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return token;
}

QString Digits(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar(u'0')); }

QString FormatRun(QChar letter, int count, const QDateTime& value) {
  const QDate date = value.date();
  const QTime time = value.time();
  const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  const bool pm = time.hour() >= 12;
  switch (letter.unicode()) {
    case u'y': return count == 4 ? Digits(date.year(), 4) : Digits(date.year() % 100, 2);
    case u'M':
      if (count >= 3) return count == 4 ? LongMonthName(date.month()) : LongMonthName(date.month()).left(3);
      return Digits(date.month(), count);
    case u'd':
      if (count >= 3) return count == 4 ? LongDayName(date.dayOfWeek()) : LongDayName(date.dayOfWeek()).left(3);
      return Digits(date.day(), count);
    case u'H': return Digits(time.hour(), count);
    case u'h': return Digits(hour12, count);
    case u'm': return Digits(time.minute(), count);
    case u's': return Digits(time.second(), count);
    case u't': return QString::fromLatin1(pm ? "PM" : "AM").left(count);
    default: return {};
  }
}

int& CenturyWindow() {
  static int window = 50;
  return window;
}

}  // namespace

std::vector<TDateTimeToken> SplitDateTimeFormat(const QString& format) {
  std::vector<TDateTimeToken> tokens;
  qsizetype i = 0;
  while (i < format.size()) {
    const QChar c = format[i];
    if (c == u'\'') {
      tokens.push_back(QuotedLiteral(format, i));
    } else if (IsRunLetter(c)) {
      qsizetype end = i;
      while (end < format.size() && format[end] == c) ++end;
      tokens.push_back({c, int(end - i), {}});
      i = end;
    } else {
      qsizetype end = i;
      while (end < format.size() && format[end] != u'\'' && !IsRunLetter(format[end])) ++end;
      tokens.push_back({QChar(), 0, format.mid(i, end - i)});
      i = end;
    }
  }
  return tokens;
}

bool IsKnownDateTimeRun(QChar letter, int count) {
  switch (letter.unicode()) {
    case u'y': return count == 2 || count == 4;
    case u'M':
    case u'd': return count >= 1 && count <= 4;
    case u'H':
    case u'h':
    case u'm':
    case u's':
    case u't': return count == 1 || count == 2;
    default: return false;
  }
}

QString FormatDateTime(const QString& format, const QDateTime& value) {
  QString text;
  for (const TDateTimeToken& token : SplitDateTimeFormat(format)) {
    if (!token.IsRun())
      text += token.Text;
    else if (IsKnownDateTimeRun(token.Letter, token.Count))
      text += FormatRun(token.Letter, token.Count, value);
    else
      text += QString(token.Count, token.Letter);
  }
  return text;
}

QString QtDisplayFormat(const QString& format) {
  QString qt;
  for (const TDateTimeToken& token : SplitDateTimeFormat(format)) {
    if (!token.IsRun()) {
      if (!token.Text.isEmpty()) qt += u'\'' + QString(token.Text).replace(u'\'', QStringLiteral("''")) + u'\'';
    } else if (token.Letter == u't') {
      qt += token.Count == 1 ? QStringLiteral("A") : QStringLiteral("AP");
    } else {
      qt += QString(token.Count, token.Letter);
    }
  }
  return qt;
}

QDateTime ZeroDateTime() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC); }

QString LongMonthName(int month) {
  return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[std::size_t(month - 1)]) : QString();
}

QString LongDayName(int day) {
  return day >= 1 && day <= 7 ? QString::fromLatin1(kDays[std::size_t(day - 1)]) : QString();
}

int TwoDigitYearCenturyWindow() { return CenturyWindow(); }

void SetTwoDigitYearCenturyWindow(int years) { CenturyWindow() = years; }

}  // namespace vyr
