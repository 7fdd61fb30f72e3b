// The meter's public mapping between values, needle angles and pixels.
#include "meter/MeterPrivate.h"

namespace vyr {

TDialGeometry TMeter::Geometry() const { return DialGeometry(d->FMeterLayout, Width(), Height(), d->FRims); }

double TMeter::CalcNeedleAngle(double value) const { return NeedleAngle(Geometry(), Range(), value); }

void TMeter::ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const {
  const TPoint p = ValueToPixel(Geometry(), Range(), value, pctradius);
  X = p.X;
  Y = p.Y;
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const {
  return PixelToValue(Geometry(), Range(), XPos, YPos, MeterValue);
}

}  // namespace vyr
