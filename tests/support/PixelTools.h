#pragma once
// Helpers for pixel tests: a white 32-bit image with a canvas, and a way to
// render a rectangle of pixels as text rows ('#' where the colour matches,
// '.' elsewhere) so that expected shapes can be written out by hand.
#include <QImage>
#include <QString>
#include <QStringList>
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
// Bounding box of the pixels of the colour; empty when there is none.
vyr::TRect BoundsOf(const vyr::TCanvas& c, vyr::TColor color);

}  // namespace vyrtest
