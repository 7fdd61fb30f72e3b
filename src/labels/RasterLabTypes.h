#pragma once
// The dot-matrix label's bit font and modes. The enumerations live in a
// namespace of their own so that Qt's meta object system knows their names
// and stored forms can write them.
#include <QObject>
#include <array>
#include <cstdint>

namespace vyr {
namespace rastermodes {
Q_NAMESPACE

// Which way the text scrolls: rdsmRight moves it right, rdsmLeft left,
// rdsmDown down, rdsmUp up.
enum TRDScrollMode : std::uint8_t { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };
Q_ENUM_NS(TRDScrollMode)

// rdbmOff: no dark dots, the background shows between the lit ones;
// rdbmRaster: dark dots over the whole face; rdbmOn: as rdbmRaster, with a
// column of background between characters.
enum TRDBlockMode : std::uint8_t { rdbmOff, rdbmOn, rdbmRaster };
Q_ENUM_NS(TRDBlockMode)

}  // namespace rastermodes

using rastermodes::TRDBlockMode;
using rastermodes::TRDScrollMode;
using enum rastermodes::TRDBlockMode;
using enum rastermodes::TRDScrollMode;

// A bit font of up to 32 x 32 dots for the character codes 0..255.
struct TRDCharMatrix {
  static constexpr int kMaxDots = 32;
  static constexpr int kCodes = 256;
  std::int32_t FontWidth = 0;   // widest glyph, in dot columns
  std::int32_t FontHeight = 0;  // dot rows in use
  // Leftmost and rightmost used column of each code.
  std::array<std::uint8_t, kCodes> LeftMostBit{};
  std::array<std::uint8_t, kCodes> RightMostBit{};
  // Dot rows of each code: bit j set lights column j, counted from the left.
  std::array<std::array<std::uint32_t, kMaxDots>, kCodes> BitData{};

  friend bool operator==(const TRDCharMatrix&, const TRDCharMatrix&) = default;
};

}  // namespace vyr
