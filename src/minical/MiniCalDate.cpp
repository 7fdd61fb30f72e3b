// The selected date: day serials, Easter, the date-part setters and the
// month and year steps.
#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "minical/MiniCalPrivate.h"

namespace vyr {
namespace {

// Julian day of 30 December 1899, day serial 0.
constexpr qint64 kSerialEpoch = 2415019;
const qint64 kFirstDay = QDate(1, 1, 1).toJulianDay();
const qint64 kLastDay = QDate(9999, 12, 31).toJulianDay();

// The date of year and month with the day kept where the month has it,
// otherwise the month's last day.
QDate ClampedDate(int year, int month, int day) {
  return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

}  // namespace

bool InCalendarRange(const QDate& date) {
  return date.isValid() && date.toJulianDay() >= kFirstDay && date.toJulianDay() <= kLastDay;
}

double NowSerial() {
  const QDateTime now = QDateTime::currentDateTime();
  return DateToSerial(now.date()) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

bool CalcEasterSunday(int Year, int& Day, int& Month) {
  if (Year < 1) return false;
  // Gauss's rule with Lichtenberg's corrections; 64 bits keep every int year
  // free of overflow.
  const long long y = Year, k = y / 100, s3 = (3 * k + 3) / 4, a = y % 19;
  const long long dd = (19 * a + s3 - (8 * k + 13) / 25 + 15) % 30;
  const long long g = dd + 21 - (a / 11 + dd) / 29;
  const long long z = (y + y / 4 - s3 + 2) % 7;
  const long long e = g + 7 - (g + z - 7) % 7;
  Month = e >= 32 ? 4 : 3;
  Day = int(e >= 32 ? e - 31 : e);
  return true;
}

double DateToSerial(const QDate& date) { return double(date.toJulianDay() - kSerialEpoch); }

QDate SerialToDate(double serial) {
  if (!std::isfinite(serial)) return {};
  const double days = std::trunc(serial);
  if (days < double(kFirstDay - kSerialEpoch) || days > double(kLastDay - kSerialEpoch)) return {};
  return QDate::fromJulianDay(qint64(days) + kSerialEpoch);
}

QDate TMiniCal::SelectedDate() const { return SerialToDate(d->Date); }
int TMiniCal::Year() const { return SelectedDate().year(); }
int TMiniCal::Month() const { return SelectedDate().month(); }
int TMiniCal::Day() const { return SelectedDate().day(); }
double TMiniCal::Date() const { return d->Date; }

void TMiniCal::SetDate(double value) {
  if (!SerialToDate(value).isValid() || value == d->Date) return;
  StoreDate(value, true);
}

void TMiniCal::StoreDate(double serial, bool always) {
  const bool changed = serial != d->Date;
  d->Date = serial;
  Changed(changed || always);
}

void TMiniCal::MoveTo(const QDate& date, bool always) {
  if (InCalendarRange(date))
    StoreDate(DateToSerial(date), always);
  else if (always)
    StoreDate(DateToSerial(SelectedDate()), true);
}

void TMiniCal::SetYear(int value) {
  const QDate now = SelectedDate();
  MoveTo(value >= 1 && value <= 9999 ? ClampedDate(value, now.month(), now.day()) : now, true);
}

void TMiniCal::SetMonth(int value) {
  const QDate now = SelectedDate();
  MoveTo(value >= 1 && value <= 12 ? ClampedDate(now.year(), value, now.day()) : now, true);
}

void TMiniCal::SetDay(int value) {
  const QDate now = SelectedDate();
  MoveTo(value >= 1 && value <= now.daysInMonth() ? QDate(now.year(), now.month(), value) : now, true);
}

// addMonths keeps the day where the new month has it, else takes its last day.
void TMiniCal::PrevMonth() { MoveTo(SelectedDate().addMonths(-1), false); }

void TMiniCal::NextMonth() { MoveTo(SelectedDate().addMonths(1), false); }

void TMiniCal::PrevYear() {
  const QDate now = SelectedDate();
  if (now.year() > 1) MoveTo(ClampedDate(now.year() - 1, now.month(), now.day()), false);
}

void TMiniCal::NextYear() {
  const QDate now = SelectedDate();
  if (now.year() < 9999) MoveTo(ClampedDate(now.year() + 1, now.month(), now.day()), false);
}

void TMiniCal::LastDayOfMonth() { SetDay(SelectedDate().daysInMonth()); }

}  // namespace vyr
