// Auto increment on the progress bar's own timer window: a first tick after
// StartInterval, then one every RepeatInterval.
#include <algorithm>
#include <cmath>

#include "progbar/ProgBarPrivate.h"

namespace vyr {
namespace {

constexpr unsigned kAutoIncTimerId = 1;
constexpr int kMinInterval = 10;

}  // namespace

bool TProgBar::AutoInc() const { return d->AutoInc; }
void TProgBar::SetAutoInc(bool value) {
  if (value == d->AutoInc) return;
  d->AutoInc = value;
  if (IsDesigning()) return;
  if (value)
    InitTimer();
  else
    d->Timer.KillTimer(kAutoIncTimerId);
}

double TProgBar::AutoIncStep() const { return d->AutoIncStep; }
void TProgBar::SetAutoIncStep(double value) {
  if (value != 0 && !std::isnan(value)) d->AutoIncStep = value;
}

int TProgBar::StartInterval() const { return d->StartInterval; }
void TProgBar::SetStartInterval(int value) {
  value = std::max(value, kMinInterval);
  if (value == d->StartInterval) return;
  d->StartInterval = value;
  if (!IsDesigning()) InitTimer();
}

int TProgBar::RepeatInterval() const { return d->RepeatInterval; }
void TProgBar::SetRepeatInterval(int value) {
  value = std::max(value, kMinInterval);
  if (value == d->RepeatInterval) return;
  d->RepeatInterval = value;
  if (!IsDesigning()) UpdateTimer();
}

const TNotifyEvent& TProgBar::OnAutoInc() const { return d->OnAutoInc; }
void TProgBar::SetOnAutoInc(TNotifyEvent handler) {
  d->OnAutoInc = std::move(handler);
  if (!IsDesigning()) UpdateTimer();
}

void TProgBar::InitTimer() {
  d->FirstTick = true;
  d->Timer.KillTimer(kAutoIncTimerId);
  StartTimer(d->StartInterval);
}

void TProgBar::UpdateTimer() {
  d->FirstTick = false;
  d->Timer.KillTimer(kAutoIncTimerId);
  StartTimer(d->RepeatInterval);
}

// A refused timer leaves AutoInc off, so that the property tells the truth.
void TProgBar::StartTimer(int interval) {
  if (!d->AutoInc || interval <= 0) return;
  if (d->Timer.SetTimer(kAutoIncTimerId, unsigned(interval))) return;
  d->AutoInc = false;
  throw EVyrProgBar(ComponentMessage(Name(), QStringLiteral("no timer available")));
}

// The phase switches before the handler runs, so a handler that raises
// leaves the timer in its repeat phase. The handler runs from a copy: it
// may free the bar, and with it the stored handler.
void TProgBar::DoTimer() {
  if (d->FirstTick) UpdateTimer();
  SetValue(d->Value + d->AutoIncStep);
  if (const TNotifyEvent handler = d->OnAutoInc) handler(this);
}

}  // namespace vyr
