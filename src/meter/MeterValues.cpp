// The meter's numeric model: needle values, range, thresholds, the
// logarithmic flag, the alarm flags and the range events.
#include <algorithm>
#include <cmath>
#include <limits>

#include "meter/Vyr_Meter.h"

namespace vyr {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// One above x; where adding one is lost to rounding, the next double.
double OneAbove(double x) {
  const double up = x + 1;
  return up > x ? up : std::nextafter(x, kInfinity);
}

double OneBelow(double x) {
  const double down = x - 1;
  return down < x ? down : std::nextafter(x, -kInfinity);
}

double ClampLimit(double x) { return std::clamp(x, -kMeterRangeLimit, kMeterRangeLimit); }

}  // namespace

bool TMeter::Rejected(double value) const {
  return !std::isfinite(value) || (FLogarithmic && value < kLogMinimum);
}

void TMeter::Repaint() {
  FDialLayerValid = false;
  if (!IsLoading()) Paint();
}

bool TMeter::WriteNeedleValue(double& field, double value, const TNeedleLayout& layout) {
  if (!std::isfinite(value)) return false;
  if (IsLoading()) {
    field = value;
    return false;
  }
  if (value == field) return false;
  field = Range().Clamp(value);
  const double stored = field;
  UpdateAlarms();
  if (layout.Visible()) {
    if (stored >= FThresholdHigh)
      DoOverFlowEvent();
    else if (stored > FThresholdLow)
      DoNormalRangeEvent();
    else
      DoUnderFlowEvent();
  }
  return true;
}

void TMeter::SetValue(double value) {
  if (WriteNeedleValue(FValue, value, FNeedle)) Paint();
}

void TMeter::SetValueSec(double value) {
  if (WriteNeedleValue(FValueSec, value, FNeedleSec) && FNeedleSec.Visible()) Paint();
}

bool TMeter::BeginWrite(double& field, double value) {
  if (Rejected(value)) return false;
  if (IsLoading()) {
    field = value;
    return false;
  }
  return value != field;
}

void TMeter::SetMeterMinValue(double value) {
  if (!BeginWrite(FMinValue, value)) return;
  FMinValue = ClampLimit(value);
  if (FMaxValue <= FMinValue) FMaxValue = OneAbove(FMinValue);
  FollowRange();
}

void TMeter::SetMeterMaxValue(double value) {
  if (!BeginWrite(FMaxValue, value)) return;
  FMaxValue = ClampLimit(value);
  if (FMaxValue <= FMinValue) {
    FMinValue = OneBelow(FMaxValue);
    if (FLogarithmic && FMinValue <= 0) FMinValue = FMaxValue / 10;
  }
  FollowRange();
}

// A limit at or below kLogMinimum ends a logarithmic scale, as it would
// refuse to start one.
void TMeter::FollowRange() {
  if (!LimitsAllowLog()) FLogarithmic = false;
  ClampIntoRange();
  UpdateAlarms();
  Repaint();
}

void TMeter::SetThresholdLow(double value) {
  if (!BeginWrite(FThresholdLow, value)) return;
  FThresholdLow = Range().Clamp(value);
  if (FThresholdLow > FThresholdHigh) FThresholdHigh = FThresholdLow;
  UpdateAlarms();
  if (FValue <= FThresholdLow) DoUnderFlowEvent();
  Repaint();
}

void TMeter::SetThresholdHigh(double value) {
  if (!BeginWrite(FThresholdHigh, value)) return;
  FThresholdHigh = Range().Clamp(value);
  if (FThresholdHigh < FThresholdLow) FThresholdLow = FThresholdHigh;
  UpdateAlarms();
  if (FValue >= FThresholdHigh) DoOverFlowEvent();
  Repaint();
}

void TMeter::SetLogarithmic(bool value) {
  if (IsLoading()) {
    FLogarithmic = value;
    return;
  }
  if (value == FLogarithmic) return;
  FLogarithmic = value && LimitsAllowLog();
  Repaint();
}

bool TMeter::LimitsAllowLog() const { return FMinValue > kLogMinimum && FMaxValue > kLogMinimum; }

void TMeter::ClampIntoRange() {
  const TScaleRange range = Range();
  FValue = range.Clamp(FValue);
  FValueSec = range.Clamp(FValueSec);
  FThresholdLow = range.Clamp(FThresholdLow);
  FThresholdHigh = range.Clamp(FThresholdHigh);
}

void TMeter::NormalizeModel() {
  FMinValue = ClampLimit(FMinValue);
  FMaxValue = ClampLimit(FMaxValue);
  if (!(FMinValue < FMaxValue)) FMaxValue = OneAbove(FMinValue);
  if (!LimitsAllowLog()) FLogarithmic = false;
  ClampIntoRange();
  if (FThresholdLow > FThresholdHigh) FThresholdHigh = FThresholdLow;
  UpdateAlarms();
}

void TMeter::UpdateAlarms() {
  auto over = [this](double v) { return v >= FThresholdHigh; };
  auto under = [this](double v) { return v < FThresholdHigh && v <= FThresholdLow; };
  FOFL = (FNeedle.Visible() && over(FValue)) || (FNeedleSec.Visible() && over(FValueSec));
  FUFL = (FNeedle.Visible() && under(FValue)) || (FNeedleSec.Visible() && under(FValueSec));
  FAlarmNeedleVisible = FNeedle.Visible();
  FAlarmNeedleSecVisible = FNeedleSec.Visible();
}

void TMeter::DoOverFlowEvent() { Raise(OnOverFlow, this); }
void TMeter::DoUnderFlowEvent() { Raise(OnUnderFlow, this); }
void TMeter::DoNormalRangeEvent() { Raise(OnNormalRange, this); }

}  // namespace vyr
