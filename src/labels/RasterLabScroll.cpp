// Scrolling the dot-matrix label on its own timer. Left, down and up are
// the mirror images of right: a looping text that has left the face
// entirely re-enters from the opposite side; without loop it stays out.
#include <algorithm>
#include <cstdlib>

#include "host/EnumClamp.h"
#include "labels/RasterLabPrivate.h"

namespace vyr {
namespace {

constexpr unsigned kScrollTimerId = 1;

// One step of an offset towards +extent (forward) or -length: true when a
// looping text restarted from the other side.
bool Step(int& offset, int increment, int extent, int length, bool forward, bool loop) {
  if (forward) {
    if (!loop && offset > extent) return false;
    offset += increment;
    if (!loop || offset <= extent) return false;
    offset = -length;
  } else {
    if (!loop && offset < -length) return false;
    offset -= increment;
    if (!loop || offset >= -length) return false;
    offset = extent;
  }
  return true;
}

}  // namespace

void TRasterLab::SetScrollMode(TRDScrollMode value) {
  value = ClampEnum(value, rdsmOff, rdsmUp);
  if (value == d->FScrollMode) return;
  d->FScrollMode = value;
  if (!IsDesigning()) {
    d->FScrTimerEnabled = value != rdsmOff;
    UpdateTimer();
  }
  if (value == rdsmOff) {
    d->FScrollPosX = d->FScrollPosY = 0;
    Paint();
  }
}

void TRasterLab::SetScrollInterval(int value) {
  value = std::clamp(value, kMinScrollInterval, kMaxScrollInterval);
  if (value == d->FScrollIv) return;
  d->FScrollIv = value;
  UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int value) {
  const int magnitude = int(std::clamp(std::llabs(value), 1LL, 0LL + kMaxScrollIncrement));
  if (magnitude == d->FScrollInc) return;
  d->FScrollInc = magnitude;
  UpdateTimer();
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent handler) {
  d->FOnScrollTimer = std::move(handler);
  UpdateTimer();
}

void TRasterLab::UpdateTimer() {
  d->FScrTimer.KillTimer(kScrollTimerId);
  if (d->FScrollIv <= 0 || d->FScrollMode == rdsmOff || !d->FScrTimerEnabled) return;
  if (!d->FScrTimer.SetTimer(kScrollTimerId, unsigned(d->FScrollIv)))
    throw EVyrRasterLabError(ComponentMessage(Name(), QStringLiteral("no timer available")));
}

void TRasterLab::DoTimer() {
  ScrollTimerEvent();
  if (d->FOnScrollTimer) d->FOnScrollTimer(this);
}

void TRasterLab::ScrollTimerEvent() {
  const int inc = d->FScrollInc, textHeight = d->FCMat.FontHeight * Pitch();
  bool restarted = false;
  switch (d->FScrollMode) {
    case rdsmOff:
      d->FScrTimerEnabled = false;
      d->FScrTimer.KillTimer(kScrollTimerId);
      d->FScrollPosX = d->FScrollPosY = 0;
      break;
    case rdsmRight:
      restarted = Step(d->FScrollPosX, inc, Width(), TextBitLength(), true, d->FScrollLoop);
      break;
    case rdsmLeft:
      restarted = Step(d->FScrollPosX, inc, Width(), TextBitLength(), false, d->FScrollLoop);
      break;
    case rdsmDown: restarted = Step(d->FScrollPosY, inc, Height(), textHeight, true, d->FScrollLoop); break;
    case rdsmUp: restarted = Step(d->FScrollPosY, inc, Height(), textHeight, false, d->FScrollLoop); break;
  }
  if (restarted && OnScrollLoopRestart) OnScrollLoopRestart(this);
  Paint();
}

}  // namespace vyr
