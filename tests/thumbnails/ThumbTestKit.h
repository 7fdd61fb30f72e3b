#pragma once
// A thumbnail strip that records the slides it asks for, and a few
// pixel helpers for its tests.
#include <vector>

#include "host/Bitmap.h"
#include "thumbnails/Vyr_Thumbnails.h"

namespace thumbtest {

using namespace vyr;

// Answers every request with the given processing (and mark), recording
// the slide numbers in request order.
inline TImageRequestEvent Recorder(std::vector<int>& ids, TImageRequestProcessing how = irpShowEmpty, int mark = -1) {
  return [&ids, how, mark](TObject*, int id, TImageRequestProcessing& process, int& markIt, TBitmap*&) {
    ids.push_back(id);
    process = how;
    markIt = mark;
  };
}

// A strip of the given size, painted once so that its grid is laid out.
struct Strip {
  explicit Strip(int w = 260, int h = 400) {
    strip.resize(w, h);
    strip.Paint();
  }
  TThumbnails strip;
};

// A solid image, or one with a left half and a right half.
inline void FillImage(TBitmap& image, int w, int h, TColor left, TColor right) {
  image.SetSize(w, h);
  TCanvas& c = image.Canvas();
  c.Pen.Style = psClear;
  c.Brush = TBrush{left, bsSolid};
  c.FillRect({0, 0, w / 2, h});
  c.Brush.Color = right;
  c.FillRect({w / 2, 0, w, h});
}

}  // namespace thumbtest
