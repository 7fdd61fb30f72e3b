// TNumIO2's mouse: placing the caret and selecting in the text box, the
// spin buttons (one step per press) and the gauge (click or drag; OnChange
// follows once, at release). A read-only field only selects.
#include "numio/NumIOSteps.h"
#include "numio/Vyr_NumIO.h"

namespace vyr {

bool TNumIO2::OverGauge(int X, int Y, int slack) const {
  return FGaugeVisib && FGaugeWidth > 0 && Y > Height() - GaugeBand() && X >= FGaugeLeftMarg - slack &&
         X <= FGaugeLeftMarg + FGaugeWidth + slack;
}

double TNumIO2::GaugeValueAtX(int X) const {
  return GaugeValue(double(X - FGaugeLeftMarg) / FGaugeWidth, FMinimum, FMaximum, ButtonPivots);
}

void TNumIO2::StepSpin(bool increase) {
  SetValue(SpinValue(Value(), increase, FButIncrem, FMinimum, FMaximum, ButtonPivots, FDecP));
  Changed();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FReadOnly) FCaretVisib = true;
  if (Y > 0 && Y < Height() - GaugeBand()) {
    const int p = XCoordsToCharPos(X);
    FCaretPos = p;
    SetSelBegin(p);
    SetSelEnd(p);
    Paint();
  }
  if (!FReadOnly) {
    if (OverGauge(X, Y, 0)) {
      SetValue(GaugeValueAtX(X));
      FValueChanged = true;
    }
    const int bx = ButtonLeft();
    if (FButVisible && X > bx && X < bx + FButWidth && Y > 0 && Y < FButHeight) StepSpin(Y <= FButHeight / 2);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseAreaCode = X <= FLeftSpace ? 0 : X <= FLeftSpace + FTextBoxWidth ? 1 : 2;
  if (Shift & ssLeft) {
    if (Y > 0 && Y < Height() - GaugeBand()) {
      const int p = XCoordsToCharPos(X);
      if (FSelBegin < p)
        SetSelEnd(p);
      else
        SetSelBegin(p);
    }
    if (!FReadOnly && OverGauge(X, Y, 1)) {
      const double v = GaugeValueAtX(X);
      SetValue(v);
      FValueChanged = true;
      Raise(OnGaugeChange, this, Shift, v);
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FValueChanged) {
    FValueChanged = false;
    Changed();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace vyr
