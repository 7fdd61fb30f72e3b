#pragma once
// TTimerWindow: the hidden window a control keeps for its timers. Ticks
// arrive on the user-interface thread through the application's clock; an
// exception thrown by the handler goes to the application's exception
// handler and the timer keeps running.
#include <functional>

namespace vyr {

class TTimerWindow {
 public:
  using THandler = std::function<void(unsigned id)>;

  explicit TTimerWindow(THandler onTimer = {}) : FOnTimer(std::move(onTimer)) {}
  ~TTimerWindow();
  TTimerWindow(const TTimerWindow&) = delete;
  TTimerWindow& operator=(const TTimerWindow&) = delete;

  void SetHandler(THandler onTimer) { FOnTimer = std::move(onTimer); }
  // Starts timer id, stopping it first if it runs; false when refused.
  bool SetTimer(unsigned id, unsigned ms);
  void KillTimer(unsigned id);
  bool TimerRunning(unsigned id) const;

  // One tick of timer id (called by the clock).
  void Deliver(unsigned id) noexcept;

 private:
  THandler FOnTimer;
};

}  // namespace vyr
