#pragma once
// TRepSpeedButton: a speed button that repeats while it is held, like the
// arrow of a scroll bar. A left press raises OnRepeatClick first after
// StartClickInterval (500 ms) and then every RepeatClickInterval (200 ms),
// on the button's own timer window, until the button is released, the
// pointer leaves it or it is disabled. Releasing on the button clicks as
// any speed button does.
//
// Choices where the description is open or unsound:
//  - Leaving the button while it is held ends the press without a click
//    (the press is abandoned, as with any push button); moving off while
//    the mouse is captured counts as leaving, and coming back does not
//    restart the repetition.
//  - The repetition is stopped before the release raises OnClick, so a
//    click handler may destroy the button; a repeat handler may too.
//  - A handler that throws reaches the application's exception handler;
//    the repetition goes on (a repeat tick) or the button is left up and
//    idle (a click).
//  - The button takes no keyboard focus, like the arrows of a scroll bar.
#include <memory>

#include "foundation/Errors.h"
#include "host/PropertyCopy.h"
#include "host/SpeedButton.h"

namespace vyr {

class EVyrRepSpeedButton : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

class TRepSpeedButton : public TSpeedButton {
  Q_OBJECT
  Q_PROPERTY(int StartClickInterval READ StartClickInterval WRITE SetStartClickInterval)
  Q_PROPERTY(int RepeatClickInterval READ RepeatClickInterval WRITE SetRepeatClickInterval)

 public:
  static constexpr int kMinInterval = 10;

  explicit TRepSpeedButton(QWidget* AOwner = nullptr);
  ~TRepSpeedButton() override;

  // Milliseconds; values below 10 become 10. While the button is held, a
  // new StartClickInterval starts the wait for the first repeat over, and a
  // new RepeatClickInterval (or OnRepeatClick) switches to the repeat phase
  // at once: the next repeat comes one RepeatClickInterval after the write.
  int StartClickInterval() const;
  void SetStartClickInterval(int value);
  int RepeatClickInterval() const;
  void SetRepeatClickInterval(int value);
  const TNotifyEvent& OnRepeatClick() const;
  void SetOnRepeatClick(TNotifyEvent handler);

  // Whether a press is repeating (the timer runs).
  bool Repeating() const;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;

  // From another TRepSpeedButton: the properties of CopiedProperties and
  // the repeat handler.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

 protected:
  void EnabledChanged() override;
  // Called on every repeat before OnRepeatClick; does nothing here.
  virtual void RepeatClickEvent() {}

 private:
  struct Private;
  std::unique_ptr<Private> d;

  // Start phase: the timer waits StartClickInterval.
  void InitTimer();
  // Repeat phase: the timer ticks every RepeatClickInterval.
  void UpdateTimer();
  void StartTimer(int interval);
  void StopRepeating();
  void DoTimer();
};

}  // namespace vyr
