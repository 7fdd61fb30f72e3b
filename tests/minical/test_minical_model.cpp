// The calendar as a component: copying, stored forms, registration, size
// hints, the focus frame and what assistive technology reads.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QBuffer>
#include <QWidget>

#include "MiniCalTestKit.h"
#include "host/ControlRegistry.h"
#include "host/FormLoader.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;
using minicaltest::Calendar;

TEST(MiniCalModel, AssignCopiesItsListTheWeekdayColoursAndTheHolidays) {
  static constexpr const char* notCopied[] = {"Year", "Month", "Day"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TMiniCal>(); }, TMiniCal::CopiedProperties(),
                                  notCopied);
  Calendar source(QDate(2024, 2, 29)), dest(QDate(2020, 1, 1));
  source->SetLanguage(lgSpanish);
  source->AddRepeatHoliday(2, 2, QStringLiteral("Mine"));
  source->SetDayColors(dwWed, 0x123456);
  dest->Assign(source.cal.get());
  EXPECT_EQ(dest->SelectedDate(), QDate(2024, 2, 29));
  EXPECT_EQ(dest->NumHolidays(), 9);
  EXPECT_EQ(dest->DayColors(dwWed), 0x123456u);
  QString caption;
  EXPECT_TRUE(dest->CheckHoliday(2030, 2, 2, caption));
  EXPECT_EQ(caption, "Mine");
  EXPECT_EQ(dest.changes, 1);
}

TEST(MiniCalModel, DayColoursOutsideTheWeekAreIgnored) {
  Calendar c(QDate(2025, 5, 5));
  c->SetDayColors(TDayOfWeek(7), 0x111111);
  EXPECT_EQ(c->DayColors(TDayOfWeek(7)), 0u);
  EXPECT_EQ(c.changes, 0);
  c->SetDayColors(dwSun, 0x111111);
  EXPECT_EQ(c->DayColors(dwSun), 0x111111u);
  EXPECT_EQ(c.changes, 1);
}

namespace {

const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TMiniCal" name="cal">
   <property name="geometry"><rect><x>0</x><y>0</y><width>320</width><height>200</height></rect></property>
   <property name="Year"><number>2024</number></property>
   <property name="Month"><number>1</number></property>
   <property name="Day"><number>31</number></property>
   <property name="FirstDayOfWeek"><enum>vyr::minical::dwSun</enum></property>
   <property name="Language"><number>3</number></property>
   <property name="ColorToday"><number>65280</number></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(MiniCalModel, LoadsFromAStoredForm) {
  EXPECT_TRUE(RegisteredControlClasses().contains(QStringLiteral("TMiniCal")));
  EXPECT_EQ(RegisteredControlHeader(QStringLiteral("TMiniCal")), "minical/Vyr_MiniCal.h");
  QByteArray data(kForm);
  QBuffer buffer(&data);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* cal = form->findChild<TMiniCal*>(QStringLiteral("cal"));
  ASSERT_TRUE(cal);
  EXPECT_EQ(cal->FirstDayOfWeek(), dwSun);
  EXPECT_EQ(cal->Language(), lgFrench);
  EXPECT_EQ(cal->ColorToday(), 0x00FF00u);
  EXPECT_EQ(cal->SelectedDate(), QDate(2024, 1, 31));
  EXPECT_EQ(cal->CellLook(1, 1).Text, "Dim");
}

TEST(MiniCalModel, SizeHintsHoldTheTexts) {
  TMiniCal cal;
  const QSize min = cal.minimumSizeHint();
  EXPECT_LE(min.width(), 300);
  EXPECT_LE(min.height(), 180);
  EXPECT_GE(min.height(), 8 * 10);
  EXPECT_EQ(cal.sizeHint(), QSize(300, 180));
  QWidget window;
  auto* shown = new TMiniCal;
  vyrtest::ShowInLayout(window, shown, {40, 40});
  EXPECT_GE(shown->width(), min.width());
}

TEST(MiniCalModel, TheFocusFrameSitsOnTheSelectedDay) {
  QWidget window;
  auto* cal = new TMiniCal;
  cal->SetDate(DateToSerial(QDate(2025, 5, 14)));
  cal->SetBorderStyle(bsNone);  // screen and back canvas then share coordinates
  const TRect frame = vyrtest::FocusFrameOnScreen(window, cal, {300, 180});
  const TGridCoord cell = minicaltest::CellOf(*cal, QDate(2025, 5, 14));
  const TRect r = cal->CellRect(cell.X, cell.Y);
  EXPECT_FALSE(frame.IsEmpty());
  EXPECT_TRUE(r.Contains(frame.Left, frame.Top)) << frame.Left << "," << frame.Top;
  EXPECT_TRUE(r.Contains(frame.Right - 1, frame.Bottom - 1));
}

TEST(MiniCalModel, AssistiveTechnologyReadsTheDateAndItsHoliday) {
  Calendar c(QDate(2025, 5, 29));
  c->SetName(QStringLiteral("Due"));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.cal.get());
  ASSERT_TRUE(a);
  EXPECT_EQ(a->text(QAccessible::Name), "Due");
  EXPECT_EQ(a->text(QAccessible::Value), "2025-05-29, Ascension Day");
  c->SetDay(30);
  EXPECT_EQ(a->text(QAccessible::Value), "2025-05-30");
}
