#include "meter/MeterImages.h"

namespace vyr {
namespace {

constexpr QRgb kOpaqueBlack = 0xFF000000u;
constexpr QRgb kOpaqueWhite = 0xFFFFFFFFu;

}  // namespace

bool IsTransparentPixel(const QImage& picture, int x, int y) {
  if (!picture.valid(x, y)) return false;
  if (picture.format() == QImage::Format_Indexed8) return picture.pixelIndex(x, y) == 0;
  const QRgb px = picture.pixel(x, y);
  return qAlpha(px) == 0 || (px & 0x00FFFFFFu) == 0;
}

TMaskedPicture SplitByTransparency(const QImage& picture) {
  TMaskedPicture split{QImage(picture.size(), QImage::Format_RGB32),
                       picture.convertToFormat(QImage::Format_RGB32)};
  for (int y = 0; y < picture.height(); ++y) {
    auto* mask = reinterpret_cast<QRgb*>(split.Mask.scanLine(y));
    auto* face = reinterpret_cast<QRgb*>(split.Face.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      const bool transparent = IsTransparentPixel(picture, x, y);
      mask[x] = transparent ? kOpaqueWhite : kOpaqueBlack;
      if (transparent) face[x] = kOpaqueBlack;
    }
  }
  return split;
}

}  // namespace vyr
