// The calendar's layout and painting: which date or text each cell shows,
// in which colours, and the raised buttons.
#include <algorithm>

#include "foundation/ColorUtils.h"
#include "foundation/Frames.h"
#include "foundation/NameTables.h"
#include "minical/MiniCalPrivate.h"

namespace vyr {
namespace {

constexpr TColor kFrameLight = 0xFFFFFF;
constexpr TColor kFrameDark = 0x686868;
constexpr TColor kFrameShadow = 0x9CA0A5;
constexpr TColor kFrameHighlight = 0xE6E2E2;

const char16_t* const kButtonTexts[8] = {u"", u"<<", u"<", u"", u"", u"", u">", u">>"};

bool IsDayCell(int ACol, int ARow) { return ACol >= 1 && ACol <= 7 && ARow >= 2 && ARow <= 7; }

// The date of day number n in the grid of the selected date's month, also
// beyond the years 1..9999.
QDate GridDate(const QDate& selected, int n) { return selected.addDays(n - selected.day()); }

}  // namespace

// The first of the month sits in the first day row, in the column of its
// weekday; day numbers count on from there across the grid.
int TMiniCal::DayNumber(int ACol, int ARow) const { return 7 * (ARow - 2) + (ACol - 1) + d->MonOfs; }

QDate TMiniCal::CellDate(int ACol, int ARow) const {
  if (!IsDayCell(ACol, ARow)) return {};
  const QDate date = GridDate(SelectedDate(), DayNumber(ACol, ARow));
  return InCalendarRange(date) ? date : QDate();
}

int TMiniCal::WeekNumber(int ARow) const {
  if (ARow < 2 || ARow > 7 || (!CellDate(1, ARow).isValid() && !CellDate(7, ARow).isValid())) return 0;
  const QDate rowStart = GridDate(SelectedDate(), DayNumber(1, ARow));
  return rowStart.addDays((4 - rowStart.dayOfWeek() + 7) % 7).weekNumber();
}

QString TMiniCal::TitleText() const {
  const QDate date = SelectedDate();
  const QString month = d->MonthShort ? MonthShort(d->Language, date.month()) : MonthLong(d->Language, date.month());
  return month + QLatin1Char(' ') + QString::number(date.year());
}

TMiniCalCellLook TMiniCal::CellLook(int ACol, int ARow) const {
  TMiniCalCellLook look;
  if (ACol < 0 || ACol > 7 || ARow < 0 || ARow > 7) {
    look.Drawn = false;
    return look;
  }
  const TColor text = Font().Color;
  if (ARow == 0 || (ARow == 1 && ACol == 0)) {
    // Row 0 leaves column 0 to the "#" button below and columns 3 and 4 to
    // the title.
    look.Drawn = !(ARow == 0 && (ACol == 0 || ACol == 3 || ACol == 4));
    look.Button = true;
    look.Background = clBtnFace;
    look.TextColor = text;
    look.Text = ACol == 0 ? QStringLiteral("#") : ACol == 5 ? TitleText() : QString::fromUtf16(kButtonTexts[ACol]);
    return look;
  }
  const int weekday = (d->FirstDay + ACol - 1) % 7;  // 0 = Monday
  if (ARow == 1) return {WeekDayShort(d->Language, weekday + 1), d->ColorDayIdBg, d->ColorDayIdFg};
  if (ACol == 0) {
    const int week = WeekNumber(ARow);
    return {week ? QString::number(week) : QString(), d->ColorWknBg, d->ColorWknFg};
  }
  const QDate date = CellDate(ACol, ARow);
  look.Background = d->DayColors[std::size_t(weekday)];
  if (!date.isValid()) return look;
  look.Text = QString::number(date.day());
  const QDate selected = SelectedDate();
  if (date.month() != selected.month()) {
    look.TextColor = d->ColorInactMon;
    return look;
  }
  look.TextColor = d->ColorActMon;
  QString caption;
  const bool holiday = d->IndicateHolid && CheckHoliday(date.year(), date.month(), date.day(), caption);
  if (holiday) {
    look.Background = d->ColorHdayBg;
    look.TextColor = d->ColorHdayFg;
  }
  if (date == selected) {
    look.TextColor = d->ColorSelFg;
    look.Background = holiday ? MeanColor(d->ColorSelBg, d->ColorHdayBg) : d->ColorSelBg;
  }
  look.TodayMark = d->MarkToday && date == QDate::currentDate();
  return look;
}

void TMiniCal::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) {
  const TMiniCalCellLook look = CellLook(ACol, ARow);
  if (!look.Drawn) return;
  TRect r = ARect;
  const int g = GridLineWidth();
  // The title spans columns 3 to 5, the "#" button rows 0 and 1.
  if (ARow == 0 && ACol == 5) r.Left -= ColWidths(3) + ColWidths(4) + 2 * g;
  if (ARow == 1 && ACol == 0) r.Top -= RowHeights(0) + g;
  TCanvas& c = Canvas();
  c.Brush = {look.Background, bsSolid};
  c.Font.Color = look.TextColor;
  const int x = r.Left + (r.Width() - c.TextWidth(look.Text)) / 2;
  const int y = r.Top + (r.Height() - c.TextHeight(look.Text)) / 2;
  c.TextRect(r, x, y, look.Text);
  if (look.Button && d->Ctl3D) DrawButtonFrame(r);
  if (look.TodayMark) {
    c.Pen = {d->ColorToday, 1, psSolid, pmCopy};
    c.Brush.Style = bsClear;
    c.Ellipse(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    c.Pen = TPen{};
    c.Brush.Style = bsSolid;
  }
}

// A raised two-line bevel on the cell's own edge pixels.
void TMiniCal::DrawButtonFrame(const TRect& r) {
  DrawFrame(Canvas(), fsRaised, r.Left, r.Top, r.Right - 1, r.Bottom - 1, kFrameHighlight, kFrameLight,
            kFrameShadow, kFrameDark, clBlack);
}

// The client area is shared out in eight equal columns and rows; column 0
// and row 0 take what is left over, so the grid fills the client exactly.
// A hidden control gets no resize notice, so painting checks the layout too.
void TMiniCal::LayOutCells() {
  const int g = GridLineWidth();
  const int w = ClientWidth(), h = ClientHeight();
  const int colWidth = std::max(0, (w - 7 * g) / 8), rowHeight = std::max(0, (h - 7 * g) / 8);
  const int firstCol = std::max(0, w - g - 7 * (colWidth + g)), firstRow = std::max(0, h - g - 7 * (rowHeight + g));
  if (ColWidths(1) == colWidth && RowHeights(1) == rowHeight && ColWidths(0) == firstCol &&
      RowHeights(0) == firstRow)
    return;
  SetDefaultColWidth(colWidth);
  SetDefaultRowHeight(rowHeight);
  SetColWidths(0, firstCol);
  SetRowHeights(0, firstRow);
}

void TMiniCal::Resize() {
  LayOutCells();
  TCustomGrid::Resize();
}

void TMiniCal::DoPaint() {
  LayOutCells();
  TCustomGrid::DoPaint();
}

TRect TMiniCal::FocusFrame() const {
  const QDate selected = SelectedDate();
  for (int row = 2; row <= 7; ++row)
    for (int col = 1; col <= 7; ++col)
      if (CellDate(col, row) == selected) {
        const TRect cell = CellRect(col, row);
        if (!cell.IsEmpty()) return cell;
      }
  return TCustomGrid::FocusFrame();
}

}  // namespace vyr
