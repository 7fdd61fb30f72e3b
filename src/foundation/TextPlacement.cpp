#include "foundation/TextPlacement.h"

#include <cmath>

#include "foundation/Rounding.h"

namespace vyr {

TPoint RotatedTextOffset(TAlignment alignment, int textWidth, int textHeight, int angle) {
  const int hw = textWidth / 2, hh = textHeight / 2;
  const double a = (angle % 360) / 180.0 * M_PI;
  const double s = std::sin(a), c = std::cos(a);
  switch (alignment) {
    case taLeftJustify: return {RoundHalfEven(-hh * s), RoundHalfEven(-hh * c)};
    case taRightJustify: return {RoundHalfEven(-2.0 * hw * c - hh * s), RoundHalfEven(2.0 * hw * s - hh * c)};
    case taCenter: break;
  }
  return {RoundHalfEven(-hw * c - hh * s), RoundHalfEven(hw * s - hh * c)};
}

}  // namespace vyr
