#include <QPointer>
#include <algorithm>

#include "host/ControlRegistry.h"
#include "host/TimerWindow.h"
#include "smallctl/Vyr_repsbut.h"

VYR_REGISTER_CONTROL(TRepSpeedButton, "smallctl/Vyr_repsbut.h")

namespace vyr {
namespace {

constexpr unsigned kRepeatTimerId = 1;

}  // namespace

struct TRepSpeedButton::Private {
  int StartIv = 500;
  int RepeatIv = 200;
  TNotifyEvent OnRepeatClick;
  TTimerWindow Timer;
  bool Enabled = false;  // a left press is repeating
  bool IsStart = true;
};

TRepSpeedButton::TRepSpeedButton(QWidget* AOwner) : TSpeedButton(AOwner), d(std::make_unique<Private>()) {
  d->Timer.SetHandler([this](unsigned) { DoTimer(); });
}

// The timer window goes with the private state, which stops its timer.
TRepSpeedButton::~TRepSpeedButton() = default;

int TRepSpeedButton::StartClickInterval() const { return d->StartIv; }
int TRepSpeedButton::RepeatClickInterval() const { return d->RepeatIv; }
const TNotifyEvent& TRepSpeedButton::OnRepeatClick() const { return d->OnRepeatClick; }
bool TRepSpeedButton::Repeating() const { return d->Enabled; }

void TRepSpeedButton::SetStartClickInterval(int value) {
  value = std::max(value, kMinInterval);
  if (value == d->StartIv) return;
  d->StartIv = value;
  if (!IsDesigning()) InitTimer();
}

void TRepSpeedButton::SetRepeatClickInterval(int value) {
  value = std::max(value, kMinInterval);
  if (value == d->RepeatIv) return;
  d->RepeatIv = value;
  if (!IsDesigning()) UpdateTimer();
}

void TRepSpeedButton::SetOnRepeatClick(TNotifyEvent handler) {
  d->OnRepeatClick = std::move(handler);
  if (!IsDesigning()) UpdateTimer();
}

void TRepSpeedButton::InitTimer() {
  d->IsStart = true;
  StartTimer(d->StartIv);
}

void TRepSpeedButton::UpdateTimer() {
  d->IsStart = false;
  StartTimer(d->RepeatIv);
}

void TRepSpeedButton::StartTimer(int interval) {
  d->Timer.KillTimer(kRepeatTimerId);
  if (!d->Enabled || interval <= 0) return;
  if (!d->Timer.SetTimer(kRepeatTimerId, unsigned(interval))) {
    d->Enabled = false;
    CancelPress();
    throw EVyrRepSpeedButton(ComponentMessage(Name(), QStringLiteral("no timer available")));
  }
}

void TRepSpeedButton::StopRepeating() {
  d->Enabled = false;
  d->IsStart = true;
  d->Timer.KillTimer(kRepeatTimerId);
}

// The handler may destroy the button: nothing touches it after the call.
void TRepSpeedButton::DoTimer() {
  if (d->IsStart) UpdateTimer();
  QPointer<TRepSpeedButton> self(this);
  RepeatClickEvent();
  if (self && d->OnRepeatClick) {
    const TNotifyEvent handler = d->OnRepeatClick;
    handler(this);
  }
}

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  QPointer<TRepSpeedButton> self(this);
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (!self || Button != mbLeft || !Enabled() || !Pressing()) return;
  d->Enabled = true;
  InitTimer();
}

void TRepSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  QPointer<TRepSpeedButton> self(this);
  TSpeedButton::MouseMove(Shift, X, Y);
  if (self && d->Enabled && !rect().contains(X, Y)) MouseLeave();
}

// The repetition ends before the release clicks, so that a click handler
// may destroy the button.
void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) StopRepeating();
  TSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TRepSpeedButton::MouseLeave() {
  QPointer<TRepSpeedButton> self(this);
  TSpeedButton::MouseLeave();
  if (!self || !Pressing()) return;
  StopRepeating();
  CancelPress();
}

void TRepSpeedButton::EnabledChanged() {
  if (!Enabled()) StopRepeating();
  TSpeedButton::EnabledChanged();
}

TPropertyList TRepSpeedButton::CopiedProperties() {
  static constexpr const char* kNames[] = {"Caption",    "Flat",   "GroupIndex", "AllowAllUp", "Down",
                                           "Layout",     "Margin", "Spacing",    "Glyph",      "Font",
                                           "Color",      "StartClickInterval", "RepeatClickInterval"};
  return kNames;
}

void TRepSpeedButton::Assign(const TComponentBase* Source) {
  auto* source = dynamic_cast<const TRepSpeedButton*>(Source);
  if (!source) return TSpeedButton::Assign(Source);
  CopyProperties(*this, *source, CopiedProperties());
  d->OnRepeatClick = source->d->OnRepeatClick;
  Paint();
}

void TRepSpeedButton::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TRepSpeedButton*>(Dest))
    dest->Assign(this);
  else
    TSpeedButton::AssignTo(Dest);
}

}  // namespace vyr
