#pragma once
// The platform's virtual key codes, and the translation of Qt key events
// into them. Shifted digits and punctuation map back to the key that was
// pressed ("$" with Shift is key 52), and keypad keys to their own codes.
#include <QKeyEvent>
#include <QKeySequence>
#include <cstdint>

#include "host/Types.h"

namespace vyr {

enum TVirtualKey : quint16 {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,
  VK_PAUSE = 19,
  VK_CAPITAL = 20,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_INSERT = 45,
  VK_DELETE = 46,
  VK_0 = 48,
  VK_9 = 57,
  VK_A = 65,
  VK_Z = 90,
  VK_NUMPAD0 = 96,
  VK_NUMPAD9 = 105,
  VK_MULTIPLY = 106,
  VK_ADD = 107,
  VK_SEPARATOR = 108,
  VK_SUBTRACT = 109,
  VK_DECIMAL = 110,
  VK_DIVIDE = 111,
  VK_F1 = 112,
  VK_F2 = 113,
  VK_F12 = 123,
  VK_NUMLOCK = 144,
  VK_SCROLL = 145,
  VK_OEM_1 = 186,       // ; :
  VK_OEM_PLUS = 187,    // = +
  VK_OEM_COMMA = 188,   // , <
  VK_OEM_MINUS = 189,   // - _
  VK_OEM_PERIOD = 190,  // . >
  VK_OEM_2 = 191,       // / ?
  VK_OEM_3 = 192,       // ` ~
  VK_OEM_4 = 219,       // [ {
  VK_OEM_5 = 220,       // \ |
  VK_OEM_6 = 221,       // ] }
  VK_OEM_7 = 222,       // ' "
};

// The virtual key of a Qt key and its modifiers; 0 when there is none.
quint16 VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// Whether a virtual key with Shift, Ctrl and Alt as given is one of the
// platform's bindings of a standard key (Copy: Ctrl+C and Ctrl+Insert).
bool IsStandardKey(quint16 key, TShiftState shift, QKeySequence::StandardKey standard);
// Shift, Ctrl and Alt of Qt modifiers, plus the mouse buttons held.
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

}  // namespace vyr
