// ScanDateTime: every format run, the century window, literals, and the
// error codes for texts that do not match or name impossible dates.
#include <gtest/gtest.h>

#include "host/DateTimeFormat.h"
#include "replist/RLScanDateTime.h"

using namespace vyr;

namespace {

struct Scanned {
  QDateTime value;
  int error = 99;
};

Scanned Scan(const QString& text, const QString& format) {
  Scanned s;
  s.value = ScanDateTime(text, format, s.error);
  return s;
}

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

QDateTime OnZeroDate(int h, int mi, int s = 0) { return QDateTime(QDate(1899, 12, 30), QTime(h, mi, s), Qt::UTC); }

// The year "yy" stands for under a window, as the platform places it.
int WindowYear(int yy, int window) {
  const int c = QDate::currentDate().year() - window;
  const int year = c / 100 * 100 + yy;
  return window != 0 && year < c ? year + 100 : year;
}

class CenturyWindow {
 public:
  explicit CenturyWindow(int years) : FSaved(TwoDigitYearCenturyWindow()) { SetTwoDigitYearCenturyWindow(years); }
  ~CenturyWindow() { SetTwoDigitYearCenturyWindow(FSaved); }

 private:
  int FSaved;
};

}  // namespace

TEST(ScanDateTime, ReadsDayMonthYear) {
  const Scanned s = Scan("31.01.2020", "dd.MM.yyyy");
  EXPECT_EQ(s.error, sdtOk);
  EXPECT_EQ(s.value, At(2020, 1, 31));
}

TEST(ScanDateTime, TwoDigitYearsFollowTheCenturyWindow) {
  for (int window : {50, 0, 10}) {
    CenturyWindow w(window);
    const Scanned s = Scan("7/4/99", "M/d/yy");
    EXPECT_EQ(s.error, sdtOk);
    EXPECT_EQ(s.value, At(WindowYear(99, window), 7, 4)) << window;
  }
}

TEST(ScanDateTime, TwelveHourClockWithAmPm) {
  EXPECT_EQ(Scan("02:30 pm", "hh:mm tt").value, OnZeroDate(14, 30));
  EXPECT_EQ(Scan("12:05 AM", "hh:mm tt").value, OnZeroDate(0, 5));
  EXPECT_EQ(Scan("12:05 PM", "hh:mm tt").value, OnZeroDate(12, 5));
  EXPECT_EQ(Scan("9:07 p", "h:mm t").value, OnZeroDate(21, 7));
  EXPECT_EQ(Scan("9:07 A", "h:mm t").value, OnZeroDate(9, 7));
}

TEST(ScanDateTime, SingleLetterRunsReadSignedNumbersAfterBlanks) {
  const Scanned s = Scan("5.3.2021  7:8:9", "d.M.yyyy H:m:s");
  EXPECT_EQ(s.error, sdtOk);
  EXPECT_EQ(s.value, At(2021, 3, 5, 7, 8, 9));
  EXPECT_EQ(Scan("-3.01.2020", "d.MM.yyyy").error, sdtOutOfRange);
}

TEST(ScanDateTime, MonthAndDayNamesIgnoreCase) {
  EXPECT_EQ(Scan("march 5, 2021", "MMMM d, yyyy").value, At(2021, 3, 5));
  EXPECT_EQ(Scan("05-SEP-2021", "dd-MMM-yyyy").value, At(2021, 9, 5));
  const Scanned named = Scan("Friday, 05.03.2021 18:00:01", "dddd, dd.MM.yyyy HH:mm:ss");
  EXPECT_EQ(named.error, sdtOk);
  EXPECT_EQ(named.value, At(2021, 3, 5, 18, 0, 1));
  EXPECT_EQ(Scan("Fri 05.03.2021", "ddd dd.MM.yyyy").value, At(2021, 3, 5));
  EXPECT_EQ(Scan("Fooday 05.03.2021", "dddd dd.MM.yyyy").error, sdtBadNumber);
  EXPECT_EQ(Scan("Smarch 5, 2021", "MMMM d, yyyy").error, sdtBadNumber);
}

TEST(ScanDateTime, LiteralsMustMatch) {
  const Scanned s = Scan("31.01", "dd-MM");
  EXPECT_EQ(s.error, sdtLiteralMismatch);
  EXPECT_EQ(s.value, ZeroDateTime());
}

TEST(ScanDateTime, QuotedLiteralsAtTheEndAndDoubledQuotes) {
  EXPECT_EQ(Scan("14h", "HH'h'").value, OnZeroDate(14, 0));
  const Scanned quoted = Scan("2020's day 3", "yyyy'''s day 'd");
  EXPECT_EQ(quoted.error, sdtOk);
  EXPECT_EQ(quoted.value, At(2020, 1, 3));
  // An unclosed quote runs to the end of the format.
  EXPECT_EQ(Scan("10 o'clock", "HH' o''clock").value, OnZeroDate(10, 0));
}

TEST(ScanDateTime, RunsWithoutMeaningAreRefused) {
  for (const char* format : {"yyy", "MMMMM", "HHH", "ttt", "y"}) {
    const Scanned s = Scan("2020", format);
    EXPECT_EQ(s.error, sdtUnknownRun) << format;
    EXPECT_EQ(s.value, ZeroDateTime()) << format;
  }
}

TEST(ScanDateTime, TextThatIsNoNumberIsRefused) {
  EXPECT_EQ(Scan("ab.01.2020", "dd.MM.yyyy").error, sdtBadNumber);
  EXPECT_EQ(Scan("01.01.20x0", "dd.MM.yyyy").error, sdtBadNumber);
  EXPECT_EQ(Scan("7/4/9x", "M/d/yy").error, sdtBadNumber);
  EXPECT_EQ(Scan("x:30", "H:mm").error, sdtBadNumber);
  EXPECT_EQ(Scan("", "dd.MM.yyyy").error, sdtBadNumber);
}

TEST(ScanDateTime, MissingDayAndMonthAreTheFirst) {
  const Scanned year = Scan("2024", "yyyy");
  EXPECT_EQ(year.error, sdtOk);
  EXPECT_EQ(year.value, At(2024, 1, 1));
  const Scanned month = Scan("03/2024", "MM/yyyy");
  EXPECT_EQ(month.error, sdtOk);
  EXPECT_EQ(month.value, At(2024, 3, 1));
  const Scanned noYear = Scan("15.06", "dd.MM");
  EXPECT_EQ(noYear.error, sdtOk);
  EXPECT_EQ(noYear.value, At(QDate::currentDate().year(), 6, 15));
}

TEST(ScanDateTime, ImpossibleDatesAndTimesGiveAnErrorCode) {
  for (const char* text : {"31.13.2020", "32.01.2020", "29.02.2023", "00.01.2020", "31.00.2020", "01.01.0000"}) {
    const Scanned s = Scan(text, "dd.MM.yyyy");
    EXPECT_EQ(s.error, sdtOutOfRange) << text;
    EXPECT_EQ(s.value, ZeroDateTime()) << text;
  }
  EXPECT_EQ(Scan("29.02.2024", "dd.MM.yyyy").value, At(2024, 2, 29));
  EXPECT_EQ(Scan("24:00", "HH:mm").error, sdtOutOfRange);
  EXPECT_EQ(Scan("10:60", "HH:mm").error, sdtOutOfRange);
  EXPECT_EQ(Scan("10:00:60", "HH:mm:ss").error, sdtOutOfRange);
  EXPECT_EQ(Scan("13:00 pm", "hh:mm tt").error, sdtOutOfRange);
}

TEST(ScanDateTime, ReadsWhatFormatDateTimeWrites) {
  const QDateTime value = At(2031, 11, 9, 17, 4, 58);
  for (const char* format : {"dd.MM.yyyy HH:mm:ss", "dddd, MMMM d, yyyy h:mm:ss tt", "ddd dd-MMM-yy hh:mm:ss t",
                             "yyyy'-W'MM'''d'd H'h'm's's"}) {
    const QString text = FormatDateTime(format, value);
    const Scanned s = Scan(text, format);
    EXPECT_EQ(s.error, sdtOk) << format << " " << text.toStdString();
    EXPECT_EQ(s.value, value) << format << " " << text.toStdString();
  }
}

TEST(ScanDateTime, NumbersBeyondThirtyTwoBitsAreOutOfRange) {
  // 2^32 + 1 and 2^32 + 31 must not wrap round to a month 1 or a day 31.
  const Scanned s = Scan("4294967297/4294967327/2020", "M/d/yyyy");
  EXPECT_EQ(s.error, sdtOutOfRange);
  EXPECT_EQ(s.value, ZeroDateTime());
  EXPECT_EQ(Scan("4294967306:00", "H:mm").error, sdtOutOfRange);
  EXPECT_EQ(Scan("-4294967295:00", "H:mm").error, sdtOutOfRange);
}

TEST(ScanDateTime, TwelveHourClockReadsHoursOneToTwelve) {
  EXPECT_EQ(Scan("13:00 am", "hh:mm tt").error, sdtOutOfRange);
  EXPECT_EQ(Scan("0:30 pm", "h:mm tt").error, sdtOutOfRange);
  EXPECT_EQ(Scan("1:30 pm", "h:mm tt").value, OnZeroDate(13, 30));
}
