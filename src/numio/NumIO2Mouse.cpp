// TNumIO2's mouse: placing the caret and selecting in the text box, the
// spin buttons (one step per press) and the gauge (click or drag; OnChange
// follows once, at release). A read-only field only selects.
#include "numio/NumIOSteps.h"
#include "numio/NumIO2Private.h"

namespace vyr {

int TNumIO2::MouseAreaCode() const { return d->FMouseAreaCode; }

bool TNumIO2::OverGauge(int X, int Y, int slack) const {
  return d->FGaugeVisib && d->FGaugeWidth > 0 && Y > Height() - GaugeBand() && X >= d->FGaugeLeftMarg - slack &&
         X <= d->FGaugeLeftMarg + d->FGaugeWidth + slack;
}

double TNumIO2::GaugeValueAtX(int X) const {
  return GaugeValue(double(X - d->FGaugeLeftMarg) / d->FGaugeWidth, d->FMinimum, d->FMaximum, ButtonPivots);
}

void TNumIO2::StepSpin(bool increase) {
  SetValue(SpinValue(Value(), increase, d->FButIncrem, d->FMinimum, d->FMaximum, ButtonPivots, d->FDecP));
  Changed();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!d->FReadOnly) d->FCaretVisib = true;
  if (Y > 0 && Y < Height() - GaugeBand()) {
    const int p = XCoordsToCharPos(X);
    d->FCaretPos = p;
    SetSelBegin(p);
    SetSelEnd(p);
    Paint();
  }
  if (!d->FReadOnly) {
    if (OverGauge(X, Y, 0)) {
      SetValue(GaugeValueAtX(X));
      d->FValueChanged = true;
    }
    const int bx = ButtonLeft();
    if (d->FButVisible && X > bx && X < bx + d->FButWidth && Y > 0 && Y < d->FButHeight)
      StepSpin(Y <= d->FButHeight / 2);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y) {
  d->FMouseAreaCode = X <= d->FLeftSpace ? 0 : X <= d->FLeftSpace + d->FTextBoxWidth ? 1 : 2;
  if (Shift & ssLeft) {
    if (Y > 0 && Y < Height() - GaugeBand()) {
      const int p = XCoordsToCharPos(X);
      if (d->FSelBegin < p)
        SetSelEnd(p);
      else
        SetSelBegin(p);
    }
    if (!d->FReadOnly && OverGauge(X, Y, 1)) {
      const double v = GaugeValueAtX(X);
      SetValue(v);
      d->FValueChanged = true;
      Raise(OnGaugeChange, this, Shift, v);
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (d->FValueChanged) {
    d->FValueChanged = false;
    Changed();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace vyr
