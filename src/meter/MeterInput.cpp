// The meter's mouse handling: every move reports the value under the
// pointer.
#include "meter/MeterPrivate.h"

namespace vyr {

void TMeter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  double value = 0;
  const bool withinRange = ConvertPixelToValue(X, Y, value);
  MouseMoveInMeter(withinRange, Shift, value);
}

void TMeter::MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue) {
  Raise(OnMouseMoveInMeter, this, WithinRange, Shift, MeterValue);
}

}  // namespace vyr
