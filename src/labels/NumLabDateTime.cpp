// Date and time of a day serial in a pattern. Pattern letters (any case):
//   d dd        day of the month, without and with a leading zero
//   ddd dddd    weekday name, short ("Tue") and full ("Tuesday")
//   m mm        month, without and with a leading zero; minutes when they
//               follow an hour (h or hh) with only non-letters between
//   mmm mmmm    month name, short ("Dec") and full ("December")
//   yy yyyy     year, two and four digits
//   h hh        hour, 0..23 (1..12 when the pattern has am/pm or a/p)
//   n nn        minutes;  s ss  seconds;  z zzz  milliseconds
//   am/pm a/p   the half of the day, written in the case of the pattern
//   '...' "..." text taken as it is
// Every other character is copied. Names are English, whatever the locale,
// so the label shows the same text on every machine.
#include <QDate>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <utility>

#include "host/DateTimeFormat.h"
#include "labels/NumLabText.h"

namespace vyr {
namespace {

constexpr qint64 kMsPerDay = 86400000;
// Serials beyond this are far outside the years 1..9999.
constexpr double kSerialLimit = 4e6;

QString Number(int value, int digits) { return QStringLiteral("%1").arg(value, digits, 10, QChar(u'0')); }

QString Name(const QString& name, bool full) { return full ? name : name.left(3); }

// The am/pm marker starting at i, written as in the pattern; its length or 0.
qsizetype HalfDayMarker(const QString& pattern, qsizetype i, bool afternoon, QString* out) {
  for (const QString& marker : {QStringLiteral("am/pm"), QStringLiteral("a/p")}) {
    const QStringView there = QStringView(pattern).mid(i, marker.size());
    if (there.compare(marker, Qt::CaseInsensitive) != 0) continue;
    if (out) {
      const qsizetype half = marker.size() / 2 + 1;  // "pm" after "am/", "p" after "a/"
      *out += afternoon ? there.mid(half).toString() : there.left(half - 1).toString();
    }
    return marker.size();
  }
  return 0;
}

bool HasHalfDayMarker(const QString& pattern) {
  QChar quote;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (HalfDayMarker(pattern, i, false, nullptr) > 0) {
      return true;
    }
  }
  return false;
}

class TPatternWriter {
 public:
  TPatternWriter(QDate date, QTime time, const QString& pattern)
      : FDate(date), FTime(time), FPattern(pattern), FTwelveHours(HasHalfDayMarker(pattern)) {}

  QString Write() {
    for (qsizetype i = 0; i < FPattern.size();) i = WriteAt(i);
    return FOut;
  }

 private:
  qsizetype WriteAt(qsizetype i) {
    const QChar c = FPattern[i];
    if (c == u'\'' || c == u'"') {
      const qsizetype end = FPattern.indexOf(c, i + 1);
      const qsizetype stop = end < 0 ? FPattern.size() : end;
      FOut += FPattern.mid(i + 1, stop - i - 1);
      return stop + 1;
    }
    if (const qsizetype n = HalfDayMarker(FPattern, i, FTime.hour() >= 12, &FOut)) return i + n;
    qsizetype run = 1;
    const QChar letter = c.toLower();
    while (i + run < FPattern.size() && FPattern[i + run].toLower() == letter) ++run;
    if (!WriteField(letter.unicode(), int(run))) {
      FOut += c;
      if (c.isLetter()) FAfterHour = false;
      return i + 1;
    }
    return i + run;
  }

  bool WriteField(char16_t letter, int run) {
    const bool afterHour = std::exchange(FAfterHour, false);
    switch (letter) {
      case u'y': FOut += run >= 3 ? Number(FDate.year(), 4) : Number(FDate.year() % 100, 2); return true;
      case u'm':
        if (afterHour && run <= 2)
          FOut += Number(FTime.minute(), run);
        else if (run <= 2)
          FOut += Number(FDate.month(), run);
        else
          FOut += Name(LongMonthName(FDate.month()), run >= 4);
        return true;
      case u'd':
        if (run <= 2)
          FOut += Number(FDate.day(), run);
        else
          FOut += Name(LongDayName(FDate.dayOfWeek()), run >= 4);
        return true;
      case u'h': {
        int hour = FTime.hour();
        if (FTwelveHours) hour = hour % 12 == 0 ? 12 : hour % 12;
        FOut += Number(hour, std::min(run, 2));
        FAfterHour = true;
        return true;
      }
      case u'n': FOut += Number(FTime.minute(), std::min(run, 2)); return true;
      case u's': FOut += Number(FTime.second(), std::min(run, 2)); return true;
      case u'z': FOut += Number(FTime.msec(), run >= 3 ? 3 : 1); return true;
      default: FAfterHour = afterHour; return false;
    }
  }

  QDate FDate;
  QTime FTime;
  const QString& FPattern;
  bool FTwelveHours;
  // An hour was the last field, so "m" means minutes.
  bool FAfterHour = false;
  QString FOut;
};

}  // namespace

std::optional<QString> FormatDateTimeSerial(double value, const QString& pattern) {
  if (!(std::fabs(value) < kSerialLimit)) return std::nullopt;
  // The whole part counts days (towards zero); the fraction, taken without
  // its sign, is the time of day.
  double days = std::trunc(value);
  qint64 ms = std::llround(std::fabs(value - days) * double(kMsPerDay));
  if (ms >= kMsPerDay) {
    days += value < 0 ? -1 : 1;
    ms -= kMsPerDay;
  }
  const QDate date = QDate(1899, 12, 30).addDays(qint64(days));
  if (!date.isValid() || date.year() < 1 || date.year() > 9999) return std::nullopt;
  return TPatternWriter(date, QTime::fromMSecsSinceStartOfDay(int(ms)), pattern).Write();
}

}  // namespace vyr
