#pragma once
// Helpers for pixel tests: a white 32-bit image with a canvas, and a way to
// render a rectangle of pixels as text rows ('#' where the colour matches,
// '.' elsewhere) so that expected shapes can be written out by hand.
#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "host/Canvas.h"

namespace vyrtest {

struct Surface {
  explicit Surface(int w, int h, vyr::TColor fill = vyr::clWhite);
  QImage image;
  vyr::TCanvas canvas;
};

// Rows of the area [left, left + w) x [top, top + h): '#' where the pixel
// equals ink, '.' elsewhere.
QStringList Ascii(const vyr::TCanvas& c, int left, int top, int w, int h, vyr::TColor ink);
// Number of pixels of the colour in the whole canvas.
int CountColor(const vyr::TCanvas& c, vyr::TColor color);
// Bounding box of the pixels inside area whose colour passes the test
// (empty when there are none).
template <typename Test>
vyr::TRect BoundsWhere(const vyr::TCanvas& c, const vyr::TRect& area, Test test) {
  vyr::TRect r{area.Right, area.Bottom, area.Left - 1, area.Top - 1};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (test(c.Pixels(x, y))) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r.Right < area.Left ? vyr::TRect{} : r;
}
// Bounding box of the pixels of the colour; empty when there is none.
inline vyr::TRect BoundsOf(const vyr::TCanvas& c, vyr::TColor color) {
  return BoundsWhere(c, {0, 0, c.Width(), c.Height()}, [color](vyr::TColor p) { return p == color; });
}

}  // namespace vyrtest
