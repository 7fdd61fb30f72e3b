#pragma once
// Pixel helpers of the numeric and rotated label tests: where the ink of a
// text lies on a plain background.
#include <algorithm>

#include "host/Canvas.h"
#include "support/PixelTools.h"

namespace numrot {

using vyrtest::BoundsWhere;

// The pixels that differ from the background (a system colour is resolved).
inline vyr::TRect InkBounds(const vyr::TCanvas& c, const vyr::TRect& area, vyr::TColor background) {
  const vyr::TColor plain = vyr::ColorToRGB(background);
  return BoundsWhere(c, area, [plain](vyr::TColor p) { return p != plain; });
}

// The pixels of the colour.
inline vyr::TRect ColorBounds(const vyr::TCanvas& c, const vyr::TRect& area, vyr::TColor color) {
  return BoundsWhere(c, area, [color](vyr::TColor p) { return p == color; });
}

// Number of pixels of the colour inside area.
inline int CountIn(const vyr::TCanvas& c, const vyr::TRect& area, vyr::TColor color) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += c.Pixels(x, y) == color;
  return n;
}

// Twice the centre of a box, so that odd sizes stay exact.
inline int CentreX2(const vyr::TRect& r) { return r.Left + r.Right; }
inline int CentreY2(const vyr::TRect& r) { return r.Top + r.Bottom; }

}  // namespace numrot
