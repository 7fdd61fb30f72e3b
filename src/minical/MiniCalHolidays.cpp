// The holiday list, the standard holidays and those that move with Easter,
// in the four languages.
#include <array>

#include "minical/MiniCalPrivate.h"

namespace vyr {
namespace {

constexpr int kLanguages = 4;

struct TStandardHoliday {
  int Day;
  int Month;
  std::array<const char16_t*, kLanguages> Captions;
};

constexpr std::array<TStandardHoliday, 8> kStandard = {{
    {25, 12, {u"Christmas Day", u"Weihnachten", u"Noël", u"Navidad"}},
    {26, 12, {u"Boxing Day", u"Stephanitag", u"Jour de boxe", u"Día de San Esteban"}},
    {1, 1, {u"New Year's Day", u"Neujahrstag", u"Nouvel An Jour", u"Día de Año Nuevo"}},
    {6, 1, {u"Epiphany", u"Hl. Drei Könige", u"Épiphanie", u"Epifanía"}},
    {15, 8, {u"Assumption of Mary", u"Maria Himmelfahrt", u"Assomption", u"Asunción"}},
    {1, 11, {u"All Saints", u"Allerheiligen", u"La Toussaint", u"Día de Todos los Santos"}},
    {8, 12, {u"Immaculate Conception", u"Maria Empfängnis", u"Immaculée Conception", u"Inmaculada Concepción"}},
    {1, 5, {u"Labor Day", u"Tag der Arbeit", u"Fête du Travail", u"Día del Trabajo"}},
}};

struct TMovableHoliday {
  int Offset;  // days after Easter Sunday
  std::array<const char16_t*, kLanguages> Captions;
};

constexpr std::array<TMovableHoliday, 6> kMovable = {{
    {0, {u"Easter Day", u"Ostersonntag", u"Le jour de Pâques", u"Domingo de Resurrección"}},
    {1, {u"Easter Monday", u"Ostermontag", u"Lundi de Pâques", u"Lunes de Pascua"}},
    {39, {u"Ascension Day", u"Christi Himmelfahrt", u"Ascension du Christ", u"Ascensión de Cristo"}},
    {49, {u"Pentecost", u"Pfingstsonntag", u"Dimanche de Pentecôte", u"Domingo de Pentecostés"}},
    {50, {u"Whit Monday", u"Pfingstmontag", u"Lundi de Pentecôte", u"Lunes de Pentecostés"}},
    {60, {u"Corpus Christi", u"Fronleichnam", u"Corpus Christi", u"Corpus Cristi"}},
}};

bool KnownLanguage(TLanguage language) { return language >= lgEnglish && language <= lgSpanish; }

QString CaptionIn(const std::array<const char16_t*, kLanguages>& captions, TLanguage language) {
  return KnownLanguage(language) ? QString::fromUtf16(captions[language - lgEnglish]) : QString();
}

// Days of Month counted from 1 March (day 1) of the same year.
int DayFromFirstOfMarch(int Month, int Day) {
  static constexpr int kBefore[4] = {0, 31, 61, 92};  // March, April, May, June
  return kBefore[Month - 3] + Day;
}

}  // namespace

std::vector<THoliday> StandardHolidays(TLanguage language) {
  std::vector<THoliday> list;
  for (const auto& h : kStandard) list.push_back({h.Day, h.Month, kRepeatHolidayYear, CaptionIn(h.Captions, language)});
  return list;
}

void TMiniCal::InstallStandardHolidays() { d->Holidays = StandardHolidays(d->Language); }

int TMiniCal::NumHolidays() const { return int(d->Holidays.size()); }

bool TMiniCal::CheckHoliday(int Year, int Month, int Day, QString& Caption) const {
  Caption.clear();
  if (!QDate::isValid(Year, Month, Day)) return false;
  for (const THoliday& h : d->Holidays)
    if (h.Day == Day && h.Month == Month && (h.Year == kRepeatHolidayYear || h.Year == Year)) {
      Caption = h.Caption;
      return true;
    }
  int easterDay = 0, easterMonth = 0;
  if (!d->ShowMovHdays || Month < 3 || Month > 6 || !CalcEasterSunday(Year, easterDay, easterMonth)) return false;
  const int offset = DayFromFirstOfMarch(Month, Day) - DayFromFirstOfMarch(easterMonth, easterDay);
  for (const auto& h : kMovable)
    if (h.Offset == offset) {
      Caption = CaptionIn(h.Captions, d->Language);
      return true;
    }
  return false;
}

void TMiniCal::ClearHolidayList() {
  d->Holidays.clear();
  Changed(false);
}

void TMiniCal::AddHoliday(int day, int mon, int year, const QString& Caption) {
  d->Holidays.push_back({day, mon, year, Caption});
  Changed(false);
}

void TMiniCal::AddRepeatHoliday(int day, int mon, const QString& Caption) {
  AddHoliday(day, mon, kRepeatHolidayYear, Caption);
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                               QString& Description) const {
  if (HDIndex < 1 || HDIndex > NumHolidays()) return false;
  const THoliday& h = d->Holidays[std::size_t(HDIndex - 1)];
  Day = h.Day;
  Month = h.Month;
  Year = h.Year;
  IsRepeatHDay = h.Year == kRepeatHolidayYear;
  Description = h.Caption;
  return true;
}

}  // namespace vyr
