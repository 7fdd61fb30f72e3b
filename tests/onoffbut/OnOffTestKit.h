#pragma once
// Helpers for the on/off button tests: a sheet's quadrant read back from
// the library's resources, and buttons placed on a parent.
#include <QImage>
#include <QString>
#include <algorithm>

#include "host/Bitmap.h"
#include "onoffbut/Vyr_onoffbut.h"

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

// The bounding box of the pixels inside area for which keep(colour) holds;
// empty when there are none.
template <typename Keep>
vyr::TRect BoundsWhere(const vyr::TCanvas& c, vyr::TRect area, Keep keep) {
  vyr::TRect r{area.Right, area.Bottom, area.Left - 1, area.Top - 1};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (keep(c.Pixels(x, y))) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r.Right < area.Left ? vyr::TRect{} : r;
}

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
