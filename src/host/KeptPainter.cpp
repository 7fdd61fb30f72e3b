#include "host/KeptPainter.h"

namespace vyr {

bool TKeptPainter::Covers(const QImage& image) const {
  return FPainter.isActive() && FView.constBits() == image.constBits() && FView.size() == image.size() &&
         FView.bytesPerLine() == image.bytesPerLine() && FView.format() == image.format() &&
         FView.dotsPerMeterX() == image.dotsPerMeterX() && FView.dotsPerMeterY() == image.dotsPerMeterY() &&
         FView.devicePixelRatio() == image.devicePixelRatio();
}

QPainter& TKeptPainter::On(QImage& image) {
  if (Covers(image)) return FPainter;
  // Ending a painter only releases its engine; it does not touch the pixels
  // it painted, which may already be gone.
  if (FPainter.isActive()) FPainter.end();
  FView = QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
  FView.setDotsPerMeterX(image.dotsPerMeterX());
  FView.setDotsPerMeterY(image.dotsPerMeterY());
  FView.setDevicePixelRatio(image.devicePixelRatio());
  FPainter.begin(&FView);
  FFontSet = false;
  return FPainter;
}

void TKeptPainter::SetFont(const QFont& font, bool antialiased) {
  if (!FFontSet || antialiased != FAntialiased) FPainter.setRenderHint(QPainter::TextAntialiasing, antialiased);
  if (!FFontSet || !(font == FFont)) FPainter.setFont(font);
  FFont = font;
  FAntialiased = antialiased;
  FFontSet = true;
}

}  // namespace vyr
