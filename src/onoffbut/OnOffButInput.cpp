// The on/off button's input: presses by mouse and Space, speed-button
// releases, and the radio groups among the children of one parent.
#include <QEvent>
#include <QPointer>
#include <vector>

#include "host/KeyCodes.h"
#include "onoffbut/OnOffButPrivate.h"

namespace vyr {

bool TOnOffBut::Hits(int X, int Y) const {
  switch (d->MouseAction) {
    case oomaNone: return false;
    case oomaPlain: return true;
    case oomaFocused: break;
  }
  return d->LeftSpace < X && X < d->LeftSpace + d->GlyphWidth && d->TopSpace < Y && Y < d->TopSpace + d->GlyphHeight;
}

// Toggles, unless the button is the lit one of a group that keeps one lit.
void TOnOffBut::Press() {
  if (d->GroupIndex != 0 && !d->AllowAllOff && d->OnOff) return;
  d->OnOff = !d->OnOff;
  d->PressLit = d->Mode == oobmSpeedBut && d->OnOff;
  Repaint();
  if (d->OnOff) UpdateExclusive();
}

// Ends a speed-button press: a button lit by the press goes off, as does
// any speed button whose release counts.
void TOnOffBut::Release(bool counts) {
  const bool lit = d->PressLit;
  d->PressLit = false;
  if (d->Mode == oobmSpeedBut && (counts || lit) && d->OnOff) {
    d->OnOff = false;
    Repaint();
  }
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && Hits(X, Y)) Press();
}

// The press ends even when an OnMouseUp handler raises; OnClick comes last,
// so a handler that raises or frees the button finds it settled.
void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    return;
  }
  const bool counts = Hits(X, Y);
  try {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
  } catch (...) {
    Release(false);
    throw;
  }
  Release(counts);
  if (counts && OnClick) OnClick(this);
}

void TOnOffBut::KeyDown(quint16& Key, TShiftState Shift) {
  TGraphicControl::KeyDown(Key, Shift);
  if (Key != VK_SPACE || Shift != 0 || d->MouseAction == oomaNone || d->SpaceHeld) return;
  d->SpaceHeld = true;
  Press();
}

void TOnOffBut::KeyUp(quint16& Key, TShiftState Shift) {
  TGraphicControl::KeyUp(Key, Shift);
  if (Key != VK_SPACE || !d->SpaceHeld) return;
  d->SpaceHeld = false;
  Release(true);
  if (OnClick) OnClick(this);
}

// While a form loads, the buttons of a group are not all there and their
// states not all set: Loaded announces once the properties are in.
void TOnOffBut::UpdateExclusive() {
  QWidget* parent = parentWidget();
  if (d->GroupIndex == 0 || parent == nullptr || IsLoading()) return;
  std::vector<QPointer<TOnOffBut>> members;
  for (QObject* child : parent->children())
    if (auto* button = qobject_cast<TOnOffBut*>(child)) members.emplace_back(button);
  for (const QPointer<TOnOffBut>& button : members)
    if (button) button->ButtonPressed(d->GroupIndex, this);
}

void TOnOffBut::ButtonPressed(int groupIndex, TOnOffBut* sender) {
  if (sender == this || d->GroupIndex < 0 || d->GroupIndex != groupIndex) return;
  if (sender->d->OnOff && d->OnOff) {
    d->OnOff = false;
    d->PressLit = false;
    Repaint();
  }
  d->AllowAllOff = sender->d->AllowAllOff;
}

// A lost focus or a disabled button ends a press that is under way; a
// button arriving lit on a new parent switches off the lit one of its group
// there.
bool TOnOffBut::event(QEvent* e) {
  const bool handled = TGraphicControl::event(e);
  switch (e->type()) {
    case QEvent::FocusOut:
      d->SpaceHeld = false;
      Release(false);
      break;
    case QEvent::EnabledChange:
      if (!isEnabled()) {
        d->SpaceHeld = false;
        Release(false);
      }
      break;
    case QEvent::ParentChange:
      if (d->OnOff) UpdateExclusive();
      break;
    default: break;
  }
  return handled;
}

}  // namespace vyr
