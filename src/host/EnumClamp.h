#pragma once
// Clamping of enumerated property writes. A value written from code as a
// cast number, or from a stored form as an ordinal, may lie outside its
// enumeration; the setters store it clamped, so that no control keeps, and
// later reads, an invalid enumeration value.
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace vyr {

// value with its underlying value clamped into first..last. value is read
// as its underlying type, never as E, since it may be no valid E.
template <typename E>
E ClampEnum(const E& value, E first, E last) {
  static_assert(std::is_enum_v<E>);
  using U = std::underlying_type_t<E>;
  U raw;
  std::memcpy(&raw, &value, sizeof raw);
  return E(std::clamp(raw, U(first), U(last)));
}

// value when it lies in first..last, else outside: for an enumeration whose
// larger ordinals mean one of its values (a frame style above the last
// draws no frame).
template <typename E>
E EnumOr(const E& value, E first, E last, E outside) {
  const E clamped = ClampEnum(value, first, last);
  return std::memcmp(&clamped, &value, sizeof value) == 0 ? clamped : outside;
}

}  // namespace vyr
