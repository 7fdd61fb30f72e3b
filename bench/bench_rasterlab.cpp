// A 600 x 60 dot-matrix banner scrolling a 40-character text: one scroll
// tick (the text moves and the label paints) shown through QWidget::render,
// against a QLabel of the same size and text rendered the same way into an
// image of the same size.
#include <QApplication>
#include <QImage>
#include <QLabel>

#include "Alternate.h"
#include "labels/Vyr_RasterLab.h"

namespace {

constexpr int kWidth = 600, kHeight = 60, kRepeats = 2000;
const QString kText = QStringLiteral("Line 3: 12.5 V, 3.2 A, 40.0 W, 21.5 C ok");

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TRasterLab banner;
  banner.resize(kWidth, kHeight);
  banner.SetText(kText);
  banner.SetScrollIncrement(2);
  QLabel label(kText);
  label.resize(kWidth, kHeight);
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  // The timer itself is not needed: each round delivers the tick at once.
  const std::function<int()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      banner.DoTimer();
      banner.render(&oursImage);
    }
    return int(banner.Text().size());
  };
  const std::function<int()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) label.render(&peerImage);
    return int(label.text().size());
  };
  const bool agreed =
      vyrbench::Alternate<int>({"TRasterLab 600x60 scroll tick vs QLabel render", 1.0, 7}, ours, peer);
  return agreed ? 0 : 1;
}
