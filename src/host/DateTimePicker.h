#pragma once
// TDateTimePicker: a date and time field over QDateTimeEdit whose Format uses
// the platform's codes (host/DateTimeFormat.h). A format with a date part
// opens a calendar from its arrow; a time-only format steps with the arrows.
// It starts at the current date and time; values are plain calendar dates
// and times between the years 100 and 9999 (writes outside are clamped).
#include <QDateTimeEdit>
#include <QString>

namespace vyr {

class TDateTimePicker : public QDateTimeEdit {
  Q_OBJECT
 public:
  explicit TDateTimePicker(QWidget* parent = nullptr);

  QString Format() const { return FFormat; }
  // An empty format shows the date as yyyy-MM-dd.
  void SetFormat(const QString& format);
  QDateTime DateTime() const { return dateTime(); }
  void SetDateTime(const QDateTime& value);
  // The value written with Format (yyyy-MM-dd when Format is empty).
  QString Text() const;

 private:
  QString FFormat;
};

}  // namespace vyr
