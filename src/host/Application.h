#pragma once
// Application-wide services the controls rely on: the exception handler
// that receives whatever escapes an event or a timer tick, the beep, the
// system decimal separator, the screen cursor and the clock that drives
// every timer.
#include <QChar>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

namespace vyr {

class TClock;

// Screen cursors.
enum TCursor { crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeWE = -9, crHourGlass = -11 };

class TApplication {
 public:
  using TExceptionHandler = std::function<void(const std::exception& e)>;

  // Receives exceptions from event handlers and timer ticks. The default
  // writes the message to standard error. An empty handler restores it.
  void SetOnException(TExceptionHandler handler) { FOnException = std::move(handler); }
  void HandleException(const std::exception& e) noexcept;
  void HandleUnknownException() noexcept;

  // The default system beep; counted so that tests can see it.
  void MessageBeep();
  int BeepCount() const { return FBeepCount; }
  void SetSilent(bool silent) { FSilent = silent; }

  // The system decimal separator: the locale's, unless overridden.
  QChar DecimalSeparator() const;
  void SetDecimalSeparator(QChar separator) { FDecimalSeparator = separator; }
  void ResetDecimalSeparator() { FDecimalSeparator = QChar(); }

  TCursor ScreenCursor() const { return FCursor; }
  void SetScreenCursor(TCursor cursor);

  // The clock of every timer window: real timers unless replaced (tests
  // install a manual clock). Replace it only while no timer runs.
  TClock& Clock();
  void SetClock(std::unique_ptr<TClock> clock);

  void ProcessMessages();

 private:
  TExceptionHandler FOnException;
  int FBeepCount = 0;
  bool FSilent = false;
  QChar FDecimalSeparator;
  TCursor FCursor = crDefault;
  std::unique_ptr<TClock> FClock;
};

TApplication& Application();

// Runs f and hands any exception to the application's handler, so that
// nothing escapes into Qt's event loop.
template <typename F>
void Guarded(F&& f) noexcept {
  try {
    f();
  } catch (const std::exception& e) {
    Application().HandleException(e);
  } catch (...) {
    Application().HandleUnknownException();
  }
}

// Shows the hourglass while it lives and restores the previous cursor when
// it goes, also when an exception passes.
class TWaitCursor {
 public:
  TWaitCursor() : FSaved(Application().ScreenCursor()) { Application().SetScreenCursor(crHourGlass); }
  ~TWaitCursor() { Application().SetScreenCursor(FSaved); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  TCursor FSaved;
};

}  // namespace vyr
