// The keys every control treats alike: a tab widget's page keys pass to
// the parent, and the menu key or Shift+F10 opens the popup menu.
#include <QKeyEvent>

#include "host/Control.h"

namespace vyr {
namespace {

bool IsPageKey(const QKeyEvent* e) {
  if (!(e->modifiers() & Qt::ControlModifier) || (e->modifiers() & Qt::AltModifier)) return false;
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
  }
}

bool IsMenuKey(const QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  return (e->key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
         (e->key() == Qt::Key_F10 && mods == Qt::ShiftModifier);
}

}  // namespace

bool TControl::PassesKeyToParent(const QKeyEvent* e) const { return IsPageKey(e) && !WantsPageKey(e->key()); }

// True when the key was a popup request that something answered.
bool TControl::HandleControlKey(QKeyEvent* e) {
  if (PassesKeyToParent(e)) {
    e->ignore();
    return true;
  }
  if (!IsMenuKey(e)) return false;
  if (!OpenPopupByKey()) e->ignore();  // the parent may have a menu of its own
  return true;
}

bool TControl::OpenPopupByKey() {
  bool handled = false;
  Raise(OnContextPopup, this, TPoint{-1, -1}, handled);
  if (handled) return true;
  const TPoint at = KeyPopupPoint();
  if (!FPopupMenu) return ShowBuiltInPopup(at);
  const QPoint screen = mapToGlobal(QPoint(at.X + BorderWidth(), at.Y + BorderWidth()));
  FPopupMenu->Popup(screen.x(), screen.y());
  return true;
}

}  // namespace vyr
