// A rotated label painting its caption at 45 degrees, against the same text
// drawn with QPainter::rotate and drawText on a cleared image of the same
// size and font.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "Alternate.h"
#include "labels/Vyr_RotLab.h"

namespace {

constexpr int kSide = 200, kRepeats = 2000, kAngle = 45;

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString caption = QStringLiteral("Pressure / kPa");
  vyr::TRotLab label;
  label.resize(kSide, kSide);
  label.SetTransparent(false);
  label.SetColor(vyr::clWhite);
  label.SetFrameStyle(vyr::fsNone);
  label.SetCaption(caption);
  label.SetTextAngle(kAngle);
  QFont font = label.Font().ToQFont();
  QImage image(kSide, kSide, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) label.Paint();
    return label.Width();
  };
  const std::function<int()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      image.fill(Qt::white);
      QPainter p(&image);
      p.setFont(font);
      p.translate(kSide / 2, kSide / 2);
      p.rotate(-kAngle);
      p.drawText(QRect(-kSide, -kSide / 2, 2 * kSide, kSide), Qt::AlignCenter, caption);
    }
    return image.width();
  };
  const bool agreed = vyrbench::Alternate<int>({"TRotLab paint at 45 degrees vs QPainter rotate + drawText", 1.5, 7},
                                               ours, peer);
  return agreed ? 0 : 1;
}
