#pragma once
// The dial of the meter in pixels: sweep, radius and pivot for each layout,
// and the mapping between values, angles and pixels.
//
// Two angle conventions, both in degrees:
//  - the drawing angle counts counter-clockwise from the positive x axis
//    with y up; the minimum lies at 90 + sweep/2, the maximum at
//    90 - sweep/2, symmetric about the vertical through the pivot;
//  - the needle angle counts clockwise from straight down (90 = left,
//    180 = up, 270 = right); it equals 270 minus the drawing angle.
#include "host/Types.h"
#include "meter/MeterScale.h"
#include "meter/MeterTypes.h"

namespace vyr {

struct TMeterRims {
  int Top = 8;
  int Bottom = 10;
  int Side = 10;
  friend bool operator==(const TMeterRims&, const TMeterRims&) = default;
};

struct TDialGeometry {
  int Angle = 90;       // sweep of the scale in degrees
  double Radius = 0.0;  // scale radius in pixels
  int CenterX = 0;      // the pivot, in control coordinates
  int CenterY = 0;
  friend bool operator==(const TDialGeometry&, const TDialGeometry&) = default;
};

// Layouts up to 180 degrees put the pivot 8 pixels above the bottom rim;
// wider ones hang it below the top rim so that the scale's lower ends fit
// above the bottom rim. The radius is the largest that keeps the scale 8
// pixels inside the rims. Unnamed layout ordinals get the 90 degree dial.
TDialGeometry DialGeometry(TMeterLayout layout, int width, int height, const TMeterRims& rims);

// The drawing angle of v (v is not clamped).
double DrawingAngle(const TDialGeometry& dial, const TScaleRange& range, double v);
// The needle angle of v, clamped into the range first (NaN counts as the
// minimum).
double NeedleAngle(const TDialGeometry& dial, const TScaleRange& range, double v);
// The pixel at pctRadius percent of the radius in the direction of v (v
// clamped into the range); a pctRadius that is not finite gives the pivot.
TPoint ValueToPixel(const TDialGeometry& dial, const TScaleRange& range, double v, double pctRadius);
// The value in the direction of pixel (x, y) seen from the pivot, whatever
// the distance. Outside the scale's sector: false and 0. The pivot itself
// counts as straight up.
bool PixelToValue(const TDialGeometry& dial, const TScaleRange& range, int x, int y, double& value);

}  // namespace vyr
