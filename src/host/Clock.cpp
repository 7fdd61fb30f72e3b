#include "host/Clock.h"

#include <algorithm>

#include "host/TimerWindow.h"

namespace vyr {

bool TClock::Start(TTimerWindow* window, unsigned id, unsigned ms) {
  if (FRefusals > 0) {
    --FRefusals;
    return false;
  }
  DoStart(window, id, std::max(ms, kMinTimerPeriod));
  return true;
}

TQtClock::~TQtClock() = default;

void TQtClock::DoStart(TTimerWindow* window, unsigned id, unsigned ms) {
  auto& timer = FTimers[{window, id}];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [window, id] { window->Deliver(id); });
  }
  timer->start(int(std::min(ms, 0x7FFFFFFFu)));
}

// A timer may be stopped from its own tick, so it is stopped at once and
// freed once that tick is over.
void TQtClock::Stop(TTimerWindow* window, unsigned id) {
  auto it = FTimers.find({window, id});
  if (it == FTimers.end()) return;
  it->second->stop();
  it->second.release()->deleteLater();
  FTimers.erase(it);
}

void TQtClock::StopAll(TTimerWindow* window) {
  for (auto it = FTimers.lower_bound({window, 0u}); it != FTimers.end() && it->first.first == window;)
    Stop(window, (it++)->first.second);
}

bool TQtClock::IsRunning(const TTimerWindow* window, unsigned id) const {
  return FTimers.count({window, id}) != 0;
}

void TManualClock::DoStart(TTimerWindow* window, unsigned id, unsigned ms) {
  FTimers[{window, id}] = Entry{FNow + ms, FOrder++, ms};
}

void TManualClock::Stop(TTimerWindow* window, unsigned id) { FTimers.erase({window, id}); }

void TManualClock::StopAll(TTimerWindow* window) {
  std::erase_if(FTimers, [window](const auto& e) { return e.first.first == window; });
}

bool TManualClock::IsRunning(const TTimerWindow* window, unsigned id) const {
  return FTimers.count({const_cast<TTimerWindow*>(window), id}) != 0;
}

void TManualClock::Advance(std::int64_t ms) {
  const std::int64_t target = FNow + std::max<std::int64_t>(ms, 0);
  for (;;) {
    // A tick may start or stop timers, so the next one is looked up afresh.
    auto next = FTimers.end();
    for (auto it = FTimers.begin(); it != FTimers.end(); ++it) {
      if (it->second.due > target) continue;
      if (next == FTimers.end() || it->second.due < next->second.due ||
          (it->second.due == next->second.due && it->second.order < next->second.order))
        next = it;
    }
    if (next == FTimers.end()) break;
    FNow = next->second.due;
    next->second.due += next->second.period;
    next->second.order = FOrder++;
    auto [window, id] = next->first;
    window->Deliver(id);
  }
  FNow = target;
}

}  // namespace vyr
