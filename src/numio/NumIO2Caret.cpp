// TNumIO2's caret and selection: the caret blinks every 500 ms on the
// field's own timer window while the field has the focus; the first blink
// after the focus has gone stops the timer and hides the caret.
#include <algorithm>

#include "numio/Vyr_NumIO.h"

namespace vyr {
namespace {

constexpr unsigned kCaretTimerId = 1;
constexpr unsigned kCaretBlinkMs = 500;

}  // namespace

void TNumIO2::UpdateTimer() {
  FCaretTimer.KillTimer(kCaretTimerId);
  FCaretVisib = true;
  if (!FCaretTimer.SetTimer(kCaretTimerId, kCaretBlinkMs))
    throw EVyrNumIO2Error(ComponentMessage(Name(), QStringLiteral("no timer available")));
  Paint();
}

void TNumIO2::CaretTimerEvent() {
  if (Focused() && !FReadOnly) {
    FCaretVisib = !FCaretVisib;
  } else {
    FCaretTimer.KillTimer(kCaretTimerId);
    FCaretVisib = false;
  }
  Paint();
}

void TNumIO2::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (!value) {
    UpdateTimer();
    return;
  }
  FCaretTimer.KillTimer(kCaretTimerId);
  FCaretVisib = false;
  Paint();
}

void TNumIO2::SetFocus() {
  TCustomControl::SetFocus();
  if (!FReadOnly) UpdateTimer();
}

void TNumIO2::Click() {
  TCustomControl::SetFocus();
  if (!FReadOnly) UpdateTimer();
  TCustomControl::Click();
}

void TNumIO2::DoEnter() {
  if (FReadOnly)
    Paint();
  else
    UpdateTimer();
  TCustomControl::DoEnter();
}

// Key-up of Shift and Ctrl goes elsewhere once the focus has left, so the
// flags are dropped here; the repaint hides the selection when it should.
void TNumIO2::DoExit() {
  FKeyShifted = FKeyCntrl = false;
  Paint();
  TCustomControl::DoExit();
}

void TNumIO2::SetSelBegin(int p) {
  p = std::clamp(p, 0, int(FInBuffer.size()));
  FSelBegin = FCaretPos = p;
  FSelEnd = std::max(FSelEnd, p);
  Paint();
}

void TNumIO2::SetSelEnd(int p) {
  p = std::clamp(p, 0, int(FInBuffer.size()));
  FSelEnd = FCaretPos = p;
  FSelBegin = std::min(FSelBegin, p);
  Paint();
}

}  // namespace vyr
