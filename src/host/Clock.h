#pragma once
// The clock service behind every timer window. TQtClock runs real timers on
// Qt's event loop; TManualClock lets tests move time by hand and fires every
// due tick in order. Either can be told to refuse the next SetTimer.
#include <QHash>
#include <QTimer>
#include <cstdint>
#include <map>
#include <memory>

namespace vyr {

class TTimerWindow;

// Periods below this are raised to it, as the platform does.
constexpr unsigned kMinTimerPeriod = 10;

class TClock {
 public:
  virtual ~TClock() = default;
  // (Re)starts timer id of the window; false when refused.
  bool Start(TTimerWindow* window, unsigned id, unsigned ms);
  virtual void Stop(TTimerWindow* window, unsigned id) = 0;
  virtual void StopAll(TTimerWindow* window) = 0;
  virtual bool IsRunning(const TTimerWindow* window, unsigned id) const = 0;
  // The next `count` starts fail, as when the platform has no timer left.
  void RefuseNextSetTimer(int count = 1) { FRefusals = count; }

 protected:
  virtual void DoStart(TTimerWindow* window, unsigned id, unsigned ms) = 0;

 private:
  int FRefusals = 0;
};

class TQtClock : public TClock {
 public:
  ~TQtClock() override;
  void Stop(TTimerWindow* window, unsigned id) override;
  void StopAll(TTimerWindow* window) override;
  bool IsRunning(const TTimerWindow* window, unsigned id) const override;

 protected:
  void DoStart(TTimerWindow* window, unsigned id, unsigned ms) override;

 private:
  std::map<std::pair<const TTimerWindow*, unsigned>, std::unique_ptr<QTimer>> FTimers;
};

class TManualClock : public TClock {
 public:
  // Moves time forward; every tick due up to the new time fires in order of
  // due time (ties in the order the timers were started or last fired).
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return FNow; }
  int RunningTimers() const { return int(FTimers.size()); }
  void Stop(TTimerWindow* window, unsigned id) override;
  void StopAll(TTimerWindow* window) override;
  bool IsRunning(const TTimerWindow* window, unsigned id) const override;

 protected:
  void DoStart(TTimerWindow* window, unsigned id, unsigned ms) override;

 private:
  struct Entry {
    std::int64_t due;
    std::uint64_t order;
    unsigned period;
  };
  std::map<std::pair<TTimerWindow*, unsigned>, Entry> FTimers;
  std::int64_t FNow = 0;
  std::uint64_t FOrder = 0;
};

}  // namespace vyr
