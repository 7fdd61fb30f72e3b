#pragma once
// Installs a manual clock for the life of a test and puts real timers back
// afterwards.
#include <memory>

#include "host/Application.h"
#include "host/Clock.h"

namespace vyrtest {

class ManualClockScope {
 public:
  ManualClockScope() {
    auto clock = std::make_unique<vyr::TManualClock>();
    FClock = clock.get();
    vyr::Application().SetClock(std::move(clock));
  }
  ~ManualClockScope() { vyr::Application().SetClock(nullptr); }
  vyr::TManualClock& operator*() { return *FClock; }
  vyr::TManualClock* operator->() { return FClock; }

 private:
  vyr::TManualClock* FClock;
};

// Collects what reaches the application's exception handler.
class ExceptionCatcher {
 public:
  ExceptionCatcher() {
    vyr::Application().SetOnException([this](const std::exception& e) { messages.push_back(e.what()); });
  }
  ~ExceptionCatcher() { vyr::Application().SetOnException({}); }
  std::vector<std::string> messages;
};

}  // namespace vyrtest
