#pragma once
// Helpers of the progress bar tests: a painted bar and the pixels it shows.
#include <algorithm>
#include <memory>

#include "progbar/Vyr_ProgBar.h"

namespace progbar {

// A bar without frames or text, so that the box shows the bar alone.
inline std::unique_ptr<vyr::TProgBar> PlainBar(int w, int h) {
  auto bar = std::make_unique<vyr::TProgBar>();
  bar->resize(w, h);
  bar->SetFrameStyleInner(vyr::fsNone);
  bar->SetFrameStyleOuter(vyr::fsNone);
  bar->SetTextVisible(false);
  bar->Paint();
  return bar;
}

// The pixels of row y in columns [from, to) that have the colour.
inline int CountInRow(vyr::TCanvas& c, int y, int from, int to, vyr::TColor color) {
  int n = 0;
  for (int x = from; x < to; ++x) n += c.Pixels(x, y) == color;
  return n;
}

inline int CountInColumn(vyr::TCanvas& c, int x, int from, int to, vyr::TColor color) {
  int n = 0;
  for (int y = from; y < to; ++y) n += c.Pixels(x, y) == color;
  return n;
}

}  // namespace progbar
