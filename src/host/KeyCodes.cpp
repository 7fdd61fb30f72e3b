#include "host/KeyCodes.h"

namespace vyr {
namespace {

// Characters typed with Shift on the common layout, and the key they sit on.
quint16 ShiftedSymbolKey(int key) {
  switch (key) {
    case Qt::Key_ParenRight: return VK_0;
    case Qt::Key_Exclam: return VK_0 + 1;
    case Qt::Key_At: return VK_0 + 2;
    case Qt::Key_NumberSign: return VK_0 + 3;
    case Qt::Key_Dollar: return VK_0 + 4;
    case Qt::Key_Percent: return VK_0 + 5;
    case Qt::Key_AsciiCircum: return VK_0 + 6;
    case Qt::Key_Ampersand: return VK_0 + 7;
    case Qt::Key_Asterisk: return VK_0 + 8;
    case Qt::Key_ParenLeft: return VK_0 + 9;
    case Qt::Key_Plus: return VK_OEM_PLUS;
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    default: return 0;
  }
}

quint16 KeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return quint16(VK_NUMPAD0 + (key - Qt::Key_0));
  switch (key) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_Enter: return VK_RETURN;
    default: return 0;
  }
}

}  // namespace

quint16 VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (quint16 vk = KeypadKey(key)) return vk;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return quint16(VK_0 + (key - Qt::Key_0));
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return quint16(VK_A + (key - Qt::Key_A));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return quint16(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    case Qt::Key_Semicolon: return VK_OEM_1;
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_Comma: return VK_OEM_COMMA;
    case Qt::Key_Minus: return VK_OEM_MINUS;
    case Qt::Key_Period: return VK_OEM_PERIOD;
    case Qt::Key_Slash: return VK_OEM_2;
    case Qt::Key_QuoteLeft: return VK_OEM_3;
    case Qt::Key_BracketLeft: return VK_OEM_4;
    case Qt::Key_Backslash: return VK_OEM_5;
    case Qt::Key_BracketRight: return VK_OEM_6;
    case Qt::Key_Apostrophe: return VK_OEM_7;
    default: return ShiftedSymbolKey(key);
  }
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= ssShift;
  if (modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (modifiers & Qt::AltModifier) s |= ssAlt;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

bool IsStandardKey(quint16 key, TShiftState shift, QKeySequence::StandardKey standard) {
  const TShiftState mods = ssShift | ssCtrl | ssAlt;
  for (const QKeySequence& binding : QKeySequence::keyBindings(standard)) {
    if (binding.count() != 1) continue;
    const QKeyCombination k = binding[0];
    if (VirtualKeyFromQt(k.key(), k.keyboardModifiers()) == key &&
        (ShiftStateFromQt(k.keyboardModifiers()) & mods) == (shift & mods))
      return true;
  }
  return false;
}

}  // namespace vyr
