#pragma once
// Pictures of the meter: the pivot-cover picture split into an AND mask and
// an OR face, so that its transparent pixels keep the dial.
#include <QImage>

namespace vyr {

// Transparent pixels: palette index 0 in pictures of 4 and 8 bits per
// pixel; black or fully transparent pixels in all others (two-colour
// pictures included, whose palette order readers do not keep).
bool IsTransparentPixel(const QImage& picture, int x, int y);

struct TMaskedPicture {
  QImage Mask;  // white where the picture is transparent, black elsewhere
  QImage Face;  // the picture in 32 bits, black where it is transparent
};

// Works on pictures of every pixel format; both images have its size.
TMaskedPicture SplitByTransparency(const QImage& picture);

}  // namespace vyr
