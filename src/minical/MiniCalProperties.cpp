// The calendar's construction, setup properties, recompute, copying and
// size.
#include <QFontMetrics>
#include <algorithm>

#include "foundation/NameTables.h"
#include "host/ControlRegistry.h"
#include "minical/MiniCalPrivate.h"

VYR_REGISTER_CONTROL(TMiniCal, "minical/Vyr_MiniCal.h")

namespace vyr {

TMiniCal::TMiniCal(QWidget* AOwner) : TCustomGrid(AOwner), d(std::make_unique<Private>()) {
  SetColCount(8);
  SetRowCount(8);
  SetFixedCols(1);
  SetFixedRows(2);
  SetScrollBars(ssNone);
  SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
  SetBorderStyle(bsSingle);
  d->Date = NowSerial();
  InstallStandardHolidays();
  resize(300, 180);
  Changed(false);
}

TMiniCal::~TMiniCal() = default;

void TMiniCal::Changed(bool notify) {
  if (IsLoading()) return;
  UpdateCal();
  Paint();
  if (notify) Raise(OnChange, this);
}

void TMiniCal::UpdateCal() {
  const QDate first = SelectedDate().addDays(1 - SelectedDate().day());
  const int a = (first.dayOfWeek() - d->FirstDay + 7) % 7;
  d->MonOfs = a == 0 ? -5 : 2 - a;
  if (d->ShowHDayHint) {
    QString caption;
    const QDate date = SelectedDate();
    SetHint(d->IndicateHolid && CheckHoliday(date.year(), date.month(), date.day(), caption) ? caption : QString());
  }
}

template <typename T>
void TMiniCal::StoreLook(T& field, T value) {
  if (field == value) return;
  field = value;
  Changed(false);
}

TDayOfWeek TMiniCal::FirstDayOfWeek() const { return d->FirstDay; }
void TMiniCal::SetFirstDayOfWeek(TDayOfWeek value) {
  if (value > dwSun || value == d->FirstDay) return;
  d->FirstDay = value;
  Changed(true);
}

TLanguage TMiniCal::Language() const { return d->Language; }
void TMiniCal::SetLanguage(TLanguage value) {
  if (value < lgEnglish || value > lgSpanish || value == d->Language) return;
  d->Language = value;
  InstallStandardHolidays();
  Changed(false);
}
void TMiniCal::SetLanguageOrdinal(int value) {
  if (value >= lgEnglish && value <= lgSpanish) SetLanguage(TLanguage(value));
}

bool TMiniCal::AutoSwitch() const { return d->AutoSwitch; }
void TMiniCal::SetAutoSwitch(bool value) { d->AutoSwitch = value; }
bool TMiniCal::IndicateHolidays() const { return d->IndicateHolid; }
void TMiniCal::SetIndicateHolidays(bool value) { StoreLook(d->IndicateHolid, value); }
bool TMiniCal::ShowHolidayHint() const { return d->ShowHDayHint; }
void TMiniCal::SetShowHolidayHint(bool value) {
  if (value == d->ShowHDayHint) return;
  d->ShowHDayHint = value;
  SetHint(QString());
  if (value) SetShowHint(true);
  Changed(false);
}
bool TMiniCal::ShowMovableHolidays() const { return d->ShowMovHdays; }
void TMiniCal::SetShowMovableHolidays(bool value) { StoreLook(d->ShowMovHdays, value); }
bool TMiniCal::MarkToday() const { return d->MarkToday; }
void TMiniCal::SetMarkToday(bool value) { StoreLook(d->MarkToday, value); }
bool TMiniCal::ShowMonthShort() const { return d->MonthShort; }
void TMiniCal::SetShowMonthShort(bool value) { StoreLook(d->MonthShort, value); }
bool TMiniCal::Ctl3D() const { return d->Ctl3D; }
void TMiniCal::SetCtl3D(bool value) { StoreLook(d->Ctl3D, value); }

TColor TMiniCal::ColorActiveMonth() const { return d->ColorActMon; }
void TMiniCal::SetColorActiveMonth(TColor value) { StoreLook(d->ColorActMon, value); }
TColor TMiniCal::ColorInactiveMonth() const { return d->ColorInactMon; }
void TMiniCal::SetColorInactiveMonth(TColor value) { StoreLook(d->ColorInactMon, value); }
TColor TMiniCal::ColorWeekNoBg() const { return d->ColorWknBg; }
void TMiniCal::SetColorWeekNoBg(TColor value) { StoreLook(d->ColorWknBg, value); }
TColor TMiniCal::ColorWeekNoFg() const { return d->ColorWknFg; }
void TMiniCal::SetColorWeekNoFg(TColor value) { StoreLook(d->ColorWknFg, value); }
TColor TMiniCal::ColorDayIdBg() const { return d->ColorDayIdBg; }
void TMiniCal::SetColorDayIdBg(TColor value) { StoreLook(d->ColorDayIdBg, value); }
TColor TMiniCal::ColorDayIdFg() const { return d->ColorDayIdFg; }
void TMiniCal::SetColorDayIdFg(TColor value) { StoreLook(d->ColorDayIdFg, value); }
TColor TMiniCal::ColorSelectedBg() const { return d->ColorSelBg; }
void TMiniCal::SetColorSelectedBg(TColor value) { StoreLook(d->ColorSelBg, value); }
TColor TMiniCal::ColorSelectedFg() const { return d->ColorSelFg; }
void TMiniCal::SetColorSelectedFg(TColor value) { StoreLook(d->ColorSelFg, value); }
TColor TMiniCal::ColorHolidayBg() const { return d->ColorHdayBg; }
void TMiniCal::SetColorHolidayBg(TColor value) { StoreLook(d->ColorHdayBg, value); }
TColor TMiniCal::ColorHolidayFg() const { return d->ColorHdayFg; }
void TMiniCal::SetColorHolidayFg(TColor value) { StoreLook(d->ColorHdayFg, value); }
TColor TMiniCal::ColorToday() const { return d->ColorToday; }
void TMiniCal::SetColorToday(TColor value) { StoreLook(d->ColorToday, value); }

TColor TMiniCal::DayColors(TDayOfWeek day) const { return day <= dwSun ? d->DayColors[day] : 0; }
void TMiniCal::SetDayColors(TDayOfWeek day, TColor value) {
  if (day > dwSun || d->DayColors[day] == value) return;
  d->DayColors[day] = value;
  Changed(true);
}

void TMiniCal::Loaded() {
  TCustomGrid::Loaded();
  Changed(false);
}

TPropertyList TMiniCal::CopiedProperties() {
  static constexpr const char* names[] = {
      "Language",         "FirstDayOfWeek",     "Date",            "AutoSwitch",     "IndicateHolidays",
      "ShowHolidayHint",  "ShowMovableHolidays", "MarkToday",      "ShowMonthShort", "Ctl3D",
      "ColorActiveMonth", "ColorInactiveMonth", "ColorWeekNoBg",   "ColorWeekNoFg",  "ColorDayIdBg",
      "ColorDayIdFg",     "ColorSelectedBg",    "ColorSelectedFg", "ColorHolidayBg", "ColorHolidayFg",
      "ColorToday",       "Font"};
  return names;
}

void TMiniCal::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TMiniCal*>(Source);
  if (source == nullptr) {
    TCustomGrid::Assign(Source);
    return;
  }
  if (source == this) return;
  const bool wasLoading = IsLoading();
  BeginLoading();
  CopyProperties(*this, *source, CopiedProperties());
  d->DayColors = source->d->DayColors;
  d->Holidays = source->d->Holidays;
  if (wasLoading) return;
  Loaded();
  Raise(OnChange, this);
}

void TMiniCal::AssignTo(TComponentBase* Dest) const {
  if (auto* cal = dynamic_cast<TMiniCal*>(Dest))
    cal->Assign(this);
  else
    TCustomGrid::AssignTo(Dest);
}

// Each column holds two digits or a weekday name with a little room; the
// title spans three columns.
QSize TMiniCal::minimumSizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  int cell = m.horizontalAdvance(QStringLiteral("888")) + 4;
  for (int day = 1; day <= 7; ++day) cell = std::max(cell, m.horizontalAdvance(WeekDayShort(d->Language, day)) + 4);
  const int title = m.horizontalAdvance(TitleText()) + 8;
  const int width = std::max(8 * cell, 5 * cell + title) + 8 * GridLineWidth() + 2 * BorderWidth();
  const int height = 8 * (m.height() + 2) + 8 * GridLineWidth() + 2 * BorderWidth();
  return {width, height};
}

QSize TMiniCal::sizeHint() const { return minimumSizeHint().expandedTo({300, 180}); }

QString TMiniCal::AccessibleValue() const {
  const QDate date = SelectedDate();
  QString caption;
  QString value = date.toString(Qt::ISODate);
  if (d->IndicateHolid && CheckHoliday(date.year(), date.month(), date.day(), caption))
    value += QStringLiteral(", ") + caption;
  return value;
}

}  // namespace vyr
