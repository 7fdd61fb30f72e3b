#pragma once
// TMiniCal: a month calendar on an 8 x 8 grid. Row 0 holds the navigation
// buttons ("<<" previous year, "<" previous month, the title with month and
// year over columns 3 to 5, ">" next month, ">>" next year), row 1 the short
// weekday names, rows 2 to 7 six weeks of days; column 0 holds the "#"
// button (today, over rows 0 and 1) and the week numbers. The calendar keeps
// one selected date, marks today, colours each weekday and shows holidays: a
// list of fixed-date holidays (each for one year or for every year) and six
// holidays that move with Easter, in English, German, French or Spanish.
//
// Dates are day serials: days since 30 December 1899, the fraction the time
// of day. The calendar accepts dates of the years 1 to 9999.
//
// Choices made for this control:
// - Week numbers: a row's number is the ISO 8601 week of the Thursday in that
//   row, which is the ISO week holding most of the row's days. With Monday
//   as the first day of the week a row is exactly one ISO week; with any
//   other first day a row still shows the same number whichever month is
//   on display.
// - Writing Year or Month keeps the day where the new month has it and
//   otherwise takes the new month's last day (31 January -> February gives
//   28 or 29 February). Year accepts 1..9999, Month 1..12, Day 1..days of
//   the shown month; other values leave that part as it was. These three
//   setters drop the time of day and raise OnChange on every write, also
//   one that changed nothing.
// - Date ignores NaN, infinities and dates outside the years 1..9999; an
//   equal write is ignored, any other raises OnChange.
// - Language accepts 1..4 only; a write of any other value is ignored. A
//   write of another language reinstalls the eight standard holidays in it
//   (holidays added by the program are dropped); writing the language
//   already set changes nothing.
// - PrevYear and NextYear from 29 February land on 28 February and raise
//   OnChange once. Navigation that would leave the years 1..9999 does
//   nothing.
// - Keyboard: Left/Right move the date by a day, Up/Down by a week (into
//   the neighbouring month when needed), PgUp/PgDn by a month
//   (Ctrl+PgUp/PgDn by a year), Home and End to the month's first and last
//   day. The mouse wheel steps a month (down: the next one).
// - Selected holidays are drawn on the mean of ColorSelectedBg and
//   ColorHolidayBg; system colours are resolved before the mean is taken.
// - CheckHoliday answers false for a date that does not exist (31 April);
//   holiday rows are not validated and one with an impossible day or month
//   simply never matches. Captions keep every character given.
// - CalcEasterSunday computes Gregorian Easter for years from 1 up; for
//   years below 1 it returns false and leaves Day and Month as they were.
// - The 3-D frame of the buttons lies inside each button's cell; the texts
//   of buttons and title take the colour of the control's Font.
// - The client area is shared out in eight equal columns and rows; column 0
//   and row 0 take what is left over, so the grid fills it at any size.
// - Days of the neighbouring months show neither holidays nor today's
//   circle. Cells before 1 January 1 and after 31 December 9999 are left
//   blank (so is the week number of a row of such cells) and cannot be
//   selected.
// - Assign copies CopiedProperties, the weekday colours and the holiday
//   list, then raises OnChange once; the event handlers stay.
// - While a stored form loads, setters store only: no paint and no
//   OnChange until Loaded.
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Grid.h"
#include "host/PropertyCopy.h"

namespace vyr {

namespace minical {
Q_NAMESPACE
enum TDayOfWeek : std::uint8_t { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
Q_ENUM_NS(TDayOfWeek)
}  // namespace minical
using minical::TDayOfWeek;
using enum minical::TDayOfWeek;

// The year of a holiday that repeats every year.
inline constexpr int kRepeatHolidayYear = -99999;

// Gregorian Easter Sunday of Year: Month 3 or 4 and its Day. False for years
// below 1 (Day and Month untouched).
bool CalcEasterSunday(int Year, int& Day, int& Month);

// Day serials: days since 30 December 1899 (the fraction is the time of
// day, counted away from zero for dates before it).
double DateToSerial(const QDate& date);
// The date part of a serial; invalid for NaN, infinities and serials
// outside the years 1..9999.
QDate SerialToDate(double serial);

// How one grid cell is drawn.
struct TMiniCalCellLook {
  QString Text;
  TColor Background = clWindow;
  TColor TextColor = clBlack;
  bool Drawn = true;      // false where a neighbour draws over the cell
  bool Button = false;    // raised look (navigation buttons and title)
  bool TodayMark = false; // circle around the text
  friend bool operator==(const TMiniCalCellLook&, const TMiniCalCellLook&) = default;
};

class TMiniCal : public TCustomGrid {
  Q_OBJECT
  Q_PROPERTY(int Year READ Year WRITE SetYear)
  Q_PROPERTY(int Month READ Month WRITE SetMonth)
  Q_PROPERTY(int Day READ Day WRITE SetDay)
  Q_PROPERTY(double Date READ Date WRITE SetDate DESIGNABLE false)
  Q_PROPERTY(vyr::minical::TDayOfWeek FirstDayOfWeek READ FirstDayOfWeek WRITE SetFirstDayOfWeek)
  Q_PROPERTY(int Language READ LanguageOrdinal WRITE SetLanguageOrdinal)
  Q_PROPERTY(bool AutoSwitch READ AutoSwitch WRITE SetAutoSwitch)
  Q_PROPERTY(bool IndicateHolidays READ IndicateHolidays WRITE SetIndicateHolidays)
  Q_PROPERTY(bool ShowHolidayHint READ ShowHolidayHint WRITE SetShowHolidayHint)
  Q_PROPERTY(bool ShowMovableHolidays READ ShowMovableHolidays WRITE SetShowMovableHolidays)
  Q_PROPERTY(bool MarkToday READ MarkToday WRITE SetMarkToday)
  Q_PROPERTY(bool ShowMonthShort READ ShowMonthShort WRITE SetShowMonthShort)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
  Q_PROPERTY(uint ColorActiveMonth READ ColorActiveMonth WRITE SetColorActiveMonth)
  Q_PROPERTY(uint ColorInactiveMonth READ ColorInactiveMonth WRITE SetColorInactiveMonth)
  Q_PROPERTY(uint ColorWeekNoBg READ ColorWeekNoBg WRITE SetColorWeekNoBg)
  Q_PROPERTY(uint ColorWeekNoFg READ ColorWeekNoFg WRITE SetColorWeekNoFg)
  Q_PROPERTY(uint ColorDayIdBg READ ColorDayIdBg WRITE SetColorDayIdBg)
  Q_PROPERTY(uint ColorDayIdFg READ ColorDayIdFg WRITE SetColorDayIdFg)
  Q_PROPERTY(uint ColorSelectedBg READ ColorSelectedBg WRITE SetColorSelectedBg)
  Q_PROPERTY(uint ColorSelectedFg READ ColorSelectedFg WRITE SetColorSelectedFg)
  Q_PROPERTY(uint ColorHolidayBg READ ColorHolidayBg WRITE SetColorHolidayBg)
  Q_PROPERTY(uint ColorHolidayFg READ ColorHolidayFg WRITE SetColorHolidayFg)
  Q_PROPERTY(uint ColorToday READ ColorToday WRITE SetColorToday)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // 300 x 180, today selected, English, weeks from Monday, the standard
  // holidays installed.
  explicit TMiniCal(QWidget* AOwner = nullptr);
  ~TMiniCal() override;

  // --- The selected date (MiniCalDate.cpp)
  int Year() const;
  void SetYear(int value);
  int Month() const;
  void SetMonth(int value);
  int Day() const;
  void SetDay(int value);
  double Date() const;
  void SetDate(double value);
  QDate SelectedDate() const;
  void PrevMonth();
  void NextMonth();
  void PrevYear();
  void NextYear();
  void LastDayOfMonth();

  // --- Setup (MiniCalProperties.cpp)
  TDayOfWeek FirstDayOfWeek() const;
  void SetFirstDayOfWeek(TDayOfWeek value);
  TLanguage Language() const;
  void SetLanguage(TLanguage value);
  bool AutoSwitch() const;
  void SetAutoSwitch(bool value);
  bool IndicateHolidays() const;
  void SetIndicateHolidays(bool value);
  bool ShowHolidayHint() const;
  void SetShowHolidayHint(bool value);
  bool ShowMovableHolidays() const;
  void SetShowMovableHolidays(bool value);
  bool MarkToday() const;
  void SetMarkToday(bool value);
  bool ShowMonthShort() const;
  void SetShowMonthShort(bool value);
  bool Ctl3D() const;
  void SetCtl3D(bool value);
  TColor ColorActiveMonth() const;
  void SetColorActiveMonth(TColor value);
  TColor ColorInactiveMonth() const;
  void SetColorInactiveMonth(TColor value);
  TColor ColorWeekNoBg() const;
  void SetColorWeekNoBg(TColor value);
  TColor ColorWeekNoFg() const;
  void SetColorWeekNoFg(TColor value);
  TColor ColorDayIdBg() const;
  void SetColorDayIdBg(TColor value);
  TColor ColorDayIdFg() const;
  void SetColorDayIdFg(TColor value);
  TColor ColorSelectedBg() const;
  void SetColorSelectedBg(TColor value);
  TColor ColorSelectedFg() const;
  void SetColorSelectedFg(TColor value);
  TColor ColorHolidayBg() const;
  void SetColorHolidayBg(TColor value);
  TColor ColorHolidayFg() const;
  void SetColorHolidayFg(TColor value);
  TColor ColorToday() const;
  void SetColorToday(TColor value);
  // Background of the day cells of a weekday; out-of-range days read 0 and
  // are not written.
  TColor DayColors(TDayOfWeek day) const;
  void SetDayColors(TDayOfWeek day, TColor value);

  // --- Holidays (MiniCalHolidays.cpp)
  int NumHolidays() const;
  // The first holiday row of that day (for Year or every year), else a
  // holiday that moves with Easter (while ShowMovableHolidays); Caption its
  // caption in the current language, or empty.
  bool CheckHoliday(int Year, int Month, int Day, QString& Caption) const;
  void ClearHolidayList();
  void AddHoliday(int day, int mon, int year, const QString& Caption);
  void AddRepeatHoliday(int day, int mon, const QString& Caption);
  // Row HDIndex (1..NumHolidays); false and outputs untouched otherwise.
  bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                       QString& Description) const;

  // --- Cells (MiniCalPaint.cpp)
  // The date a day cell (column 1..7, row 2..7) shows; invalid elsewhere
  // and in cells whose date lies outside the years 1..9999.
  QDate CellDate(int ACol, int ARow) const;
  // The week number column 0 shows in row 2..7; 0 elsewhere and in rows
  // with no date in the years 1..9999.
  int WeekNumber(int ARow) const;
  TMiniCalCellLook CellLook(int ACol, int ARow) const;

  // The published properties Assign copies, in write order.
  static TPropertyList CopiedProperties();
  void Assign(const TComponentBase* Source) override;
  void AssignTo(TComponentBase* Dest) const override;
  void Loaded() override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QString AccessibleValue() const override;

  // --- Input (MiniCalInput.cpp)
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // The selected date or the calendar's setup changed.
  TNotifyEvent OnChange;

 protected:
  // Ctrl+PgUp and Ctrl+PgDn step a year, so a tab widget does not get them.
  bool WantsPageKey(int key) const override { return key == Qt::Key_PageUp || key == Qt::Key_PageDown; }
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void Resize() override;
  void DoPaint() override;
  TRect FocusFrame() const override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  // Recomputes the month layout and the hint, then repaints (not while
  // loading); with notify also raises OnChange.
  void Changed(bool notify);
  template <typename T>
  void StoreLook(T& field, T value);
  // Selects the date (time of day dropped) when it lies in the years
  // 1..9999; raises OnChange when the date changed or when always is set.
  void MoveTo(const QDate& date, bool always);
  void StoreDate(double serial, bool always);
  void UpdateCal();
  void InstallStandardHolidays();
  void ClickDay(int ACol, int ARow);
  void ClickButton(int ACol);
  void DrawButtonFrame(const TRect& r);
  int DayNumber(int ACol, int ARow) const;
  QString TitleText() const;
  void LayOutCells();
  int LanguageOrdinal() const { return Language(); }
  void SetLanguageOrdinal(int value);
};

}  // namespace vyr
