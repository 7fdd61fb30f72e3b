// A 300 x 180 month calendar selecting a new day and shown through
// QWidget::render, against a QCalendarWidget of the same size selecting the
// same day and rendered the same way into an image of the same size.
#include <QApplication>
#include <QCalendarWidget>
#include <QImage>

#include "Alternate.h"
#include "minical/Vyr_MiniCal.h"

namespace {

constexpr int kWidth = 300, kHeight = 180, kRepeats = 400;

// Two days of one month, so every round shows a changed selection.
QDate DayOf(int i) { return QDate(2025, 5, i % 2 ? 13 : 29); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TMiniCal cal;
  cal.resize(kWidth, kHeight);
  QCalendarWidget peerCal;
  peerCal.resize(kWidth, kHeight);
  peerCal.setFont(cal.Font().ToQFont());
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    int sum = 0;
    for (int i = 0; i < kRepeats; ++i) {
      cal.SetDate(vyr::DateToSerial(DayOf(i)));
      cal.render(&oursImage);
      sum += cal.Day();
    }
    return sum;
  };
  const std::function<int()> peer = [&] {
    int sum = 0;
    for (int i = 0; i < kRepeats; ++i) {
      peerCal.setSelectedDate(DayOf(i));
      peerCal.render(&peerImage);
      sum += peerCal.selectedDate().day();
    }
    return sum;
  };
  const bool agreed =
      vyrbench::Alternate<int>({"TMiniCal select+paint vs QCalendarWidget", 1.0, 7}, ours, peer);
  return agreed ? 0 : 1;
}
