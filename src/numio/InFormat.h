#pragma once
// The input formats of the numeric fields. Declared in a namespace of its
// own so that Qt's meta object system knows the names and stored forms can
// write them.
#include <QObject>
#include <cstdint>

namespace vyr {
namespace informat {
Q_NAMESPACE

// Scientific, fixed with free decimals, fixed with a set number of
// decimals, signed decimal integer, hexadecimal, octal, binary, and a
// dynamic format whose prefix ("$", "%", "&") picks the base.
enum TInFormat : std::uint8_t { itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic };
Q_ENUM_NS(TInFormat)

}  // namespace informat

using informat::TInFormat;
using enum informat::TInFormat;

}  // namespace vyr
