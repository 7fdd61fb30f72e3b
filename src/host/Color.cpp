#include "host/Color.h"

#include <array>

namespace vyr {
namespace {

// The classic desktop scheme, 0x00BBGGRR.
constexpr std::array<TColor, kSystemColorCount> kClassic = {
    0xC0C0C0,  // scroll bar
    0x808000,  // desktop background
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // gray text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // dark 3-D shadow
    0xDFDFDF,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // (unused index 25)
    0xCC6600,  // hot light
    0xD08410,  // gradient of the active caption
    0xB5B5B5,  // gradient of the inactive caption
    0x800000,  // menu highlight
    0xC0C0C0,  // menu bar
};

std::array<TColor, kSystemColorCount>& Table() {
  static std::array<TColor, kSystemColorCount> table = kClassic;
  return table;
}

}  // namespace

TColor ColorToRGB(TColor c) {
  if (IsSystemColor(c)) {
    unsigned index = c & 0xFFu;
    return index < unsigned(kSystemColorCount) ? Table()[index] : clBlack;
  }
  return c & 0x00FFFFFFu;
}

void SetSystemColor(int index, TColor rgb) {
  if (index >= 0 && index < kSystemColorCount) Table()[size_t(index)] = rgb & 0x00FFFFFFu;
}

void ResetSystemColors() { Table() = kClassic; }

}  // namespace vyr
