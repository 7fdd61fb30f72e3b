#pragma once
// Which pixels of a row lie in an arc's angular range, found with a bounded
// number of angle evaluations per row.
//
// Along a row that does not pass through the centre, the angle of the pixel
// centres changes monotonically, so membership can only change where the
// row crosses one of the two boundary rays. Pixels whose angle may lie within
// a small margin of a boundary ray are tested one by one; every stretch
// between them lies in one part of the turn, whose membership is worked out
// once per arc. The margin (1e-11 rad) is far above the rounding error of
// the angle test (about 1e-14 rad), so the result is exactly what testing
// every pixel gives, for any ellipse size. On the row through the centre the
// angle is one value left of the centre and another from the centre
// rightwards, so one test decides each half.
#include <array>
#include <vector>

#include "host/EllipseGeom.h"

namespace vyr::shape {

// Pixels x0..x1 of a row, both included.
struct PixelRun {
  long long x0, x1;
};

class ArcRowRuns {
 public:
  ArcRowRuns(const EllipseGeom& g, const AngleRange& range);

  // Appends, left to right, the runs of pixels x0..x1 of row y whose centres
  // lie in the range; a run touching the last one already in runs extends it.
  void Collect(long long y, long long x0, long long x1, std::vector<PixelRun>& runs) const;
  // The test of a single pixel.
  bool Contains(long long x, long long y) const { return FRange.Contains(FGeom.AngleOfPixel(x, y)); }

 private:
  // The angles near a boundary ray on one side of the centre row, as the
  // cotangents of their ends (infinite where the window reaches the end of
  // the side).
  struct RayWindow {
    double cotFirst, cotLast;
  };
  // Two rays, each possibly seen one turn further or back.
  static constexpr int kMaxWindows = 6;
  // The windows of one side in the order a row meets them from left to
  // right, and whether the stretches before, between and after them lie in
  // the range.
  struct Side {
    std::array<RayWindow, kMaxWindows> windows;
    std::array<bool, kMaxWindows + 1> stretchIn;
    int count = 0;
  };

  Side MakeSide(double lo, double hi, bool leftToRightFalling) const;
  void Stretch(long long y, long long x0, long long x1, std::vector<PixelRun>& runs) const;

  EllipseGeom FGeom;
  AngleRange FRange;
  bool FWhole;
  Side FAbove, FBelow;
};

}  // namespace vyr::shape
