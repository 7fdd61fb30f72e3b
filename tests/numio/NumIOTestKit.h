#pragma once
// Helpers for the numeric field tests: a field on a manual clock, and typing
// through the field's key handlers with the platform's key codes.
#include <QString>
#include <memory>

#include "host/KeyCodes.h"
#include "numio/Vyr_NumIO.h"
#include "support/ManualClock.h"

namespace numiotest {

// Presses and releases one key.
inline void Key(vyr::TNumIO2& field, quint16 key) {
  field.KeyDown(key, 0);
  field.KeyUp(key, 0);
}

// A key pressed while a modifier key (VK_SHIFT or VK_CONTROL) is held.
inline void KeyWith(vyr::TNumIO2& field, quint16 modifier, quint16 key) {
  field.KeyDown(modifier, 0);
  Key(field, key);
  field.KeyUp(modifier, 0);
}

// Types text with the keys that produce it: digits, "A".."F", ".", ",",
// "+", "-", and "$", "%", "&" as Shift with 4, 5, 6.
inline void Type(vyr::TNumIO2& field, const QString& text) {
  using namespace vyr;
  for (QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c == u'$' || c == u'%' || c == u'&')
      KeyWith(field, VK_SHIFT, quint16(VK_0 + (c == u'$' ? 4 : c == u'%' ? 5 : 6)));
    else if (c == u'.')
      Key(field, VK_OEM_PERIOD);
    else if (c == u',')
      Key(field, VK_OEM_COMMA);
    else if (c == u'+')
      Key(field, VK_OEM_PLUS);
    else if (c == u'-')
      Key(field, VK_OEM_MINUS);
    else
      Key(field, quint16(c));
  }
}

// A default field running on a manual clock (the clock outlives the field).
struct FieldOnClock {
  vyrtest::ManualClockScope clock;
  std::unique_ptr<vyr::TNumIO2> owned = std::make_unique<vyr::TNumIO2>();
  vyr::TNumIO2& field = *owned;
};

}  // namespace numiotest
