#include "host/TimerWindow.h"

#include "host/Application.h"
#include "host/Clock.h"

namespace vyr {

TTimerWindow::~TTimerWindow() { Application().Clock().StopAll(this); }

bool TTimerWindow::SetTimer(unsigned id, unsigned ms) {
  Application().Clock().Stop(this, id);
  return Application().Clock().Start(this, id, ms);
}

void TTimerWindow::KillTimer(unsigned id) { Application().Clock().Stop(this, id); }

bool TTimerWindow::TimerRunning(unsigned id) const { return Application().Clock().IsRunning(this, id); }

// The handler runs from a copy: it may destroy the window (and its owner),
// and nothing here touches the window after it returns.
void TTimerWindow::Deliver(unsigned id) noexcept {
  Guarded([handler = FOnTimer, id] {
    if (handler) handler(id);
  });
}

}  // namespace vyr
