// A seven-segment display of 8 digits at 300 x 80 taking a new caption and
// shown through QWidget::render, against a QLCDNumber of the same size and
// digit count taking the same number and rendered the same way into an
// image of the same size.
#include <QApplication>
#include <QImage>
#include <QLCDNumber>

#include "Alternate.h"
#include "labels/Vyr_sevenseg.h"

namespace {

constexpr int kWidth = 300, kHeight = 80, kDigits = 8, kRepeats = 2000;

// Eight-digit numbers with a point, a new one every round.
QString CaptionOf(int i) { return QString::number(1000.0 + i * 0.125, 'f', 3); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TSevenSeg display;
  display.resize(kWidth, kHeight);
  display.SetNumDigits(kDigits);
  QLCDNumber lcd(kDigits);
  lcd.resize(kWidth, kHeight);
  lcd.setSegmentStyle(QLCDNumber::Filled);
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      display.SetCaption(CaptionOf(i));
      display.render(&oursImage);
    }
    return int(display.ShownText().size());
  };
  const std::function<int()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      lcd.display(CaptionOf(i));
      lcd.render(&peerImage);
    }
    return int(CaptionOf(kRepeats - 1).size());
  };
  const bool agreed =
      vyrbench::Alternate<int>({"TSevenSeg 8 digits 300x80 paint vs QLCDNumber", 0.5, 7}, ours, peer);
  return agreed ? 0 : 1;
}
