#include "support/PixelTools.h"

#include <algorithm>

namespace vyrtest {

Surface::Surface(int w, int h, vyr::TColor fill) : image(w, h, QImage::Format_RGB32), canvas() {
  image.fill(vyr::ToQColor(fill));
  canvas.SetImage(&image);
}

QStringList Ascii(const vyr::TCanvas& c, int left, int top, int w, int h, vyr::TColor ink) {
  QStringList rows;
  for (int y = top; y < top + h; ++y) {
    QString row;
    for (int x = left; x < left + w; ++x) row += c.Pixels(x, y) == ink ? QLatin1Char('#') : QLatin1Char('.');
    rows << row;
  }
  return rows;
}

int CountColor(const vyr::TCanvas& c, vyr::TColor color) {
  int n = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) n += c.Pixels(x, y) == color;
  return n;
}

}  // namespace vyrtest
