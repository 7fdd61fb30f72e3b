#pragma once
// Helpers for the on/off button tests: a sheet's quadrant read back from
// the library's resources, and buttons placed on a parent.
#include <QImage>
#include <QString>
#include <algorithm>

#include "host/Bitmap.h"
#include "onoffbut/Vyr_onoffbut.h"
#include "support/PixelTools.h"

namespace onofftest {

// The quadrant (column, row) of the named built-in sheet.
inline QImage Quadrant(const QString& sheet, int column, int row) {
  vyr::TBitmap b;
  b.LoadFromResourceName(sheet);
  const QImage all = b.ToRgb32();
  const int w = all.width() / 2, h = all.height() / 2;
  return all.copy(column * w, row * h, w, h);
}

// Whether the control shows picture at (x0, y0), the sheet's background
// pixels showing as background.
inline bool ShowsPicture(vyr::TCanvas& c, const QImage& picture, int x0, int y0, vyr::TColor background) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const vyr::TColor p = vyr::PixelToColor(picture.pixel(x, y));
      const vyr::TColor want = p == 0xEBBEEB ? vyr::ColorToRGB(background) : p;
      if (c.Pixels(x0 + x, y0 + y) != want) return false;
    }
  return true;
}

using vyrtest::BoundsWhere;

// The ink inside area: every pixel that differs from background.
inline vyr::TRect InkIn(const vyr::TCanvas& c, vyr::TRect area, vyr::TColor background) {
  return BoundsWhere(c, area, [background](vyr::TColor p) { return p != background; });
}

// An opaque button without frame on a white background, centred by hand.
inline void Plain(vyr::TOnOffBut& b) {
  b.SetAutoCenter(false);
  b.SetFrameStyle(vyr::fsNone);
  b.SetColorBackgnd(vyr::clWhite);
}

}  // namespace onofftest
