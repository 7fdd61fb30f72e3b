// TNumIO2's caret and selection: the caret blinks every 500 ms on the
// field's own timer window while the field has the focus; the first blink
// after the focus has gone stops the timer and hides the caret.
#include <algorithm>

#include "numio/NumIO2Private.h"

namespace vyr {
namespace {

constexpr unsigned kCaretTimerId = 1;
constexpr unsigned kCaretBlinkMs = 500;

}  // namespace

void TNumIO2::UpdateTimer() {
  d->FCaretTimer.KillTimer(kCaretTimerId);
  d->FCaretVisib = true;
  if (!d->FCaretTimer.SetTimer(kCaretTimerId, kCaretBlinkMs))
    throw EVyrNumIO2Error(ComponentMessage(Name(), QStringLiteral("no timer available")));
  Paint();
}

void TNumIO2::CaretTimerEvent() {
  if (Focused() && !d->FReadOnly) {
    d->FCaretVisib = !d->FCaretVisib;
  } else {
    d->FCaretTimer.KillTimer(kCaretTimerId);
    d->FCaretVisib = false;
  }
  Paint();
}

bool TNumIO2::ReadOnly() const { return d->FReadOnly; }
void TNumIO2::SetReadOnly(bool value) {
  if (value == d->FReadOnly) return;
  d->FReadOnly = value;
  if (!value) {
    UpdateTimer();
    return;
  }
  d->FCaretTimer.KillTimer(kCaretTimerId);
  d->FCaretVisib = false;
  Paint();
}

void TNumIO2::SetFocus() {
  TCustomControl::SetFocus();
  if (!d->FReadOnly) UpdateTimer();
}

void TNumIO2::Click() {
  TCustomControl::SetFocus();
  if (!d->FReadOnly) UpdateTimer();
  TCustomControl::Click();
}

void TNumIO2::DoEnter() {
  if (d->FReadOnly)
    Paint();
  else
    UpdateTimer();
  TCustomControl::DoEnter();
}

// Key-up of Shift and Ctrl goes elsewhere once the focus has left, so the
// flags are dropped here; the repaint hides the selection when it should.
void TNumIO2::DoExit() {
  d->FKeyShifted = d->FKeyCntrl = false;
  Paint();
  TCustomControl::DoExit();
}

int TNumIO2::CaretPos() const { return d->FCaretPos; }
bool TNumIO2::CaretVisible() const { return d->FCaretVisib; }
int TNumIO2::SelBegin() const { return d->FSelBegin; }
int TNumIO2::SelEnd() const { return d->FSelEnd; }

void TNumIO2::SetSelBegin(int p) {
  p = std::clamp(p, 0, int(d->FInBuffer.size()));
  d->FSelBegin = d->FCaretPos = p;
  d->FSelEnd = std::max(d->FSelEnd, p);
  Paint();
}

void TNumIO2::SetSelEnd(int p) {
  p = std::clamp(p, 0, int(d->FInBuffer.size()));
  d->FSelEnd = d->FCaretPos = p;
  d->FSelBegin = std::min(d->FSelBegin, p);
  Paint();
}

}  // namespace vyr
