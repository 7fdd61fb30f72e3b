// Mouse, keyboard and wheel: clicking a day or a navigation button, moving
// the date by keys, stepping months by the wheel.
#include <QPointer>

#include "host/KeyCodes.h"
#include "minical/MiniCalPrivate.h"

namespace vyr {

// A handler of the event each input raises first may destroy the calendar;
// the input then does nothing more.

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const QPointer<TMiniCal> self(this);
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!self || Button != mbLeft) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X >= 1 && cell.Y >= 2)
    ClickDay(cell.X, cell.Y);
  else if (cell.Y == 0 || (cell.Y == 1 && cell.X == 0))
    ClickButton(cell.X);
}

// A day of the shown month is selected; a day of a neighbouring month only
// with AutoSwitch, which then shows that month.
void TMiniCal::ClickDay(int ACol, int ARow) {
  const QDate date = CellDate(ACol, ARow);
  const QDate selected = SelectedDate();
  const bool sameMonth = date.month() == selected.month() && date.year() == selected.year();
  if ((sameMonth || d->AutoSwitch) && InCalendarRange(date))
    MoveTo(date, true);
  else
    Changed(false);
}

void TMiniCal::ClickButton(int ACol) {
  switch (ACol) {
    case 0: SetDate(NowSerial()); break;
    case 1: PrevYear(); break;
    case 2: PrevMonth(); break;
    case 6: NextMonth(); break;
    case 7: NextYear(); break;
    default: break;
  }
}

void TMiniCal::KeyDown(quint16& Key, TShiftState Shift) {
  const QPointer<TMiniCal> self(this);
  TCustomControl::KeyDown(Key, Shift);
  if (!self) return;
  const QDate date = SelectedDate();
  const bool ctrl = Shift & ssCtrl;
  switch (Key) {
    case VK_LEFT: MoveTo(date.addDays(-1), false); break;
    case VK_RIGHT: MoveTo(date.addDays(1), false); break;
    case VK_UP: MoveTo(date.addDays(-7), false); break;
    case VK_DOWN: MoveTo(date.addDays(7), false); break;
    case VK_PRIOR: ctrl ? PrevYear() : PrevMonth(); break;
    case VK_NEXT: ctrl ? NextYear() : NextMonth(); break;
    case VK_HOME: MoveTo(date.addDays(1 - date.day()), false); break;
    case VK_END: MoveTo(date.addDays(date.daysInMonth() - date.day()), false); break;
    default: return;
  }
  Key = 0;
}

bool TMiniCal::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const QPointer<TMiniCal> self(this);
  if (!TCustomControl::DoMouseWheelDown(Shift, MousePos) && self) NextMonth();
  return true;
}

bool TMiniCal::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const QPointer<TMiniCal> self(this);
  if (!TCustomControl::DoMouseWheelUp(Shift, MousePos) && self) PrevMonth();
  return true;
}

}  // namespace vyr
