// Month calendars: one per language, each on a date that shows some of its
// holidays, with live settings shared by all four and a line that reports
// the date picked in the first one.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "CalendarDemos.h"
#include "minical/Vyr_MiniCal.h"

namespace gallery {
namespace {

using namespace vyr;

TMiniCal* Calendar(const QString& name, TLanguage language, const QDate& date) {
  auto* cal = new TMiniCal;
  cal->SetName(name);
  cal->SetLanguage(language);
  cal->SetDate(DateToSerial(date));
  cal->setFixedSize(300, 180);
  return cal;
}

// A check box that writes one flag into every calendar.
QCheckBox* FlagBox(const QString& text, bool on, const std::vector<TMiniCal*>& cals, void (TMiniCal::*set)(bool)) {
  auto* box = new QCheckBox(text);
  box->setChecked(on);
  QObject::connect(box, &QCheckBox::toggled, box, [cals, set](bool value) {
    for (TMiniCal* cal : cals) (cal->*set)(value);
  });
  return box;
}

QWidget* SettingsRow(const std::vector<TMiniCal*>& cals) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* first = new QComboBox;
  for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"})
    first->addItem(QStringLiteral("weeks from ") + QString::fromLatin1(day));
  QObject::connect(first, &QComboBox::currentIndexChanged, first, [cals](int index) {
    for (TMiniCal* cal : cals) cal->SetFirstDayOfWeek(TDayOfWeek(index));
  });
  layout->addWidget(first);
  layout->addWidget(FlagBox(QStringLiteral("Easter holidays"), true, cals, &TMiniCal::SetShowMovableHolidays));
  layout->addWidget(FlagBox(QStringLiteral("Mark today"), true, cals, &TMiniCal::SetMarkToday));
  layout->addWidget(FlagBox(QStringLiteral("Short month"), true, cals, &TMiniCal::SetShowMonthShort));
  layout->addWidget(FlagBox(QStringLiteral("AutoSwitch"), true, cals, &TMiniCal::SetAutoSwitch));
  layout->addStretch(1);
  return row;
}

// Reports the first calendar's date and holiday.
void ShowPicked(QLabel* label, TMiniCal* cal) {
  QString caption;
  const QDate date = cal->SelectedDate();
  cal->CheckHoliday(date.year(), date.month(), date.day(), caption);
  label->setText(QStringLiteral("Picked: ") + date.toString(Qt::ISODate) +
                 (caption.isEmpty() ? QString() : QStringLiteral(" (") + caption + QLatin1Char(')')));
}

CalendarSection section(10, [](QBoxLayout* layout, std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TMiniCal: English, German, French and Spanish, with holidays"));
  auto* grid = new QGridLayout(group);
  const struct {
    const char* name;
    TLanguage language;
    QDate date;
  } kinds[] = {{"english", lgEnglish, QDate::currentDate()},
               {"german", lgGerman, QDate(2025, 5, 29)},
               {"french", lgFrench, QDate(2025, 12, 25)},
               {"spanish", lgSpanish, QDate(2025, 4, 20)}};
  std::vector<TMiniCal*> cals;
  for (const auto& kind : kinds) {
    TMiniCal* cal = Calendar(QStringLiteral("MiniCal_") + QString::fromLatin1(kind.name), kind.language, kind.date);
    grid->addWidget(cal, int(cals.size()) / 2, int(cals.size()) % 2);
    shots.push_back({QStringLiteral("TMiniCal-") + QString::fromLatin1(kind.name), cal});
    cals.push_back(cal);
  }
  cals[0]->AddRepeatHoliday(14, 2, QStringLiteral("Valentine's Day"));
  auto* picked = new QLabel;
  ShowPicked(picked, cals[0]);
  cals[0]->OnChange = [picked, cal = cals[0]](TObject*) { ShowPicked(picked, cal); };
  grid->addWidget(SettingsRow(cals), 2, 0, 1, 2);
  grid->addWidget(picked, 3, 0, 1, 2);
  layout->addWidget(group);
});

}  // namespace
}  // namespace gallery
