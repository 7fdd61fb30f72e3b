// The meter's numeric model: needle values, range, thresholds, the
// logarithmic flag, the alarm flags and the range events.
#include <algorithm>
#include <cmath>
#include <limits>

#include "meter/MeterPrivate.h"

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

TScaleRange TMeter::Range() const { return {d->FMinValue, d->FMaxValue, d->FLogarithmic}; }

bool TMeter::Rejected(double value) const {
  return !std::isfinite(value) || (d->FLogarithmic && value < kLogMinimum);
}

void TMeter::Repaint() {
  d->FDialLayerValid = false;
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
    if (stored >= d->FThresholdHigh)
      DoOverFlowEvent();
    else if (stored > d->FThresholdLow)
      DoNormalRangeEvent();
    else
      DoUnderFlowEvent();
  }
  return true;
}

double TMeter::Value() const { return d->FValue; }
void TMeter::SetValue(double value) {
  if (WriteNeedleValue(d->FValue, value, d->FNeedle)) Paint();
}

double TMeter::ValueSec() const { return d->FValueSec; }
void TMeter::SetValueSec(double value) {
  if (WriteNeedleValue(d->FValueSec, value, d->FNeedleSec) && d->FNeedleSec.Visible()) Paint();
}

bool TMeter::BeginWrite(double& field, double value) {
  if (Rejected(value)) return false;
  if (IsLoading()) {
    field = value;
    return false;
  }
  return value != field;
}

double TMeter::MeterMinValue() const { return d->FMinValue; }
void TMeter::SetMeterMinValue(double value) {
  if (!BeginWrite(d->FMinValue, value)) return;
  d->FMinValue = ClampLimit(value);
  if (d->FMaxValue <= d->FMinValue) d->FMaxValue = OneAbove(d->FMinValue);
  FollowRange();
}

double TMeter::MeterMaxValue() const { return d->FMaxValue; }
void TMeter::SetMeterMaxValue(double value) {
  if (!BeginWrite(d->FMaxValue, value)) return;
  d->FMaxValue = ClampLimit(value);
  if (d->FMaxValue <= d->FMinValue) {
    d->FMinValue = OneBelow(d->FMaxValue);
    if (d->FLogarithmic && d->FMinValue <= 0) d->FMinValue = d->FMaxValue / 10;
  }
  FollowRange();
}

// A limit at or below kLogMinimum ends a logarithmic scale, as it would
// refuse to start one.
void TMeter::FollowRange() {
  if (!LimitsAllowLog()) d->FLogarithmic = false;
  ClampIntoRange();
  UpdateAlarms();
  Repaint();
}

double TMeter::ThresholdLow() const { return d->FThresholdLow; }
void TMeter::SetThresholdLow(double value) {
  if (!BeginWrite(d->FThresholdLow, value)) return;
  d->FThresholdLow = Range().Clamp(value);
  if (d->FThresholdLow > d->FThresholdHigh) d->FThresholdHigh = d->FThresholdLow;
  UpdateAlarms();
  if (d->FValue <= d->FThresholdLow) DoUnderFlowEvent();
  Repaint();
}

double TMeter::ThresholdHigh() const { return d->FThresholdHigh; }
void TMeter::SetThresholdHigh(double value) {
  if (!BeginWrite(d->FThresholdHigh, value)) return;
  d->FThresholdHigh = Range().Clamp(value);
  if (d->FThresholdHigh < d->FThresholdLow) d->FThresholdLow = d->FThresholdHigh;
  UpdateAlarms();
  if (d->FValue >= d->FThresholdHigh) DoOverFlowEvent();
  Repaint();
}

bool TMeter::Logarithmic() const { return d->FLogarithmic; }
void TMeter::SetLogarithmic(bool value) {
  if (IsLoading()) {
    d->FLogarithmic = value;
    return;
  }
  if (value == d->FLogarithmic) return;
  d->FLogarithmic = value && LimitsAllowLog();
  Repaint();
}

bool TMeter::LimitsAllowLog() const { return d->FMinValue > kLogMinimum && d->FMaxValue > kLogMinimum; }

void TMeter::ClampIntoRange() {
  const TScaleRange range = Range();
  d->FValue = range.Clamp(d->FValue);
  d->FValueSec = range.Clamp(d->FValueSec);
  d->FThresholdLow = range.Clamp(d->FThresholdLow);
  d->FThresholdHigh = range.Clamp(d->FThresholdHigh);
}

void TMeter::NormalizeModel() {
  d->FMinValue = ClampLimit(d->FMinValue);
  d->FMaxValue = ClampLimit(d->FMaxValue);
  if (!(d->FMinValue < d->FMaxValue)) d->FMaxValue = OneAbove(d->FMinValue);
  if (!LimitsAllowLog()) d->FLogarithmic = false;
  ClampIntoRange();
  if (d->FThresholdLow > d->FThresholdHigh) d->FThresholdHigh = d->FThresholdLow;
  UpdateAlarms();
}

bool TMeter::HighAlarm() const { return d->FOFL; }
bool TMeter::LowAlarm() const { return d->FUFL; }

void TMeter::UpdateAlarms() {
  auto over = [this](double v) { return v >= d->FThresholdHigh; };
  auto under = [this](double v) { return v < d->FThresholdHigh && v <= d->FThresholdLow; };
  d->FOFL = (d->FNeedle.Visible() && over(d->FValue)) || (d->FNeedleSec.Visible() && over(d->FValueSec));
  d->FUFL = (d->FNeedle.Visible() && under(d->FValue)) || (d->FNeedleSec.Visible() && under(d->FValueSec));
  d->FAlarmNeedleVisible = d->FNeedle.Visible();
  d->FAlarmNeedleSecVisible = d->FNeedleSec.Visible();
}

void TMeter::DoOverFlowEvent() { Raise(OnOverFlow, this); }
void TMeter::DoUnderFlowEvent() { Raise(OnUnderFlow, this); }
void TMeter::DoNormalRangeEvent() { Raise(OnNormalRange, this); }

}  // namespace vyr
