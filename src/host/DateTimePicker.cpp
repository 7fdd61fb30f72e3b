#include "host/DateTimePicker.h"

#include "host/DateTimeFormat.h"

namespace vyr {

namespace {

bool HasDatePart(const QString& format) {
  for (const TDateTimeToken& token : SplitDateTimeFormat(format)) {
    if (token.Letter == u'y' || token.Letter == u'M' || token.Letter == u'd') return true;
  }
  return false;
}

}  // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent) {
  setTimeSpec(Qt::UTC);
  setDateTimeRange(QDateTime(QDate(100, 1, 1), QTime(0, 0), Qt::UTC),
                   QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC));
  SetFormat(QString());
  const QDateTime now = QDateTime::currentDateTime();
  SetDateTime(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()), Qt::UTC));
}

void TDateTimePicker::SetFormat(const QString& format) {
  FFormat = format;
  const QString shown = format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : format;
  setDisplayFormat(QtDisplayFormat(shown));
  setCalendarPopup(HasDatePart(shown));
}

void TDateTimePicker::SetDateTime(const QDateTime& value) {
  setDateTime(QDateTime(value.date(), value.time(), Qt::UTC));
}

QString TDateTimePicker::Text() const {
  return FormatDateTime(FFormat.isEmpty() ? QStringLiteral("yyyy-MM-dd") : FFormat, dateTime());
}

}  // namespace vyr
