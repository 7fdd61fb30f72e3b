#include "meter/MeterNeedle.h"

#include <cmath>
#include <numbers>

#include "foundation/Rounding.h"

namespace vyr {

TNeedlePolygon NeedlePolygon(const TNeedleLayout& layout, double angleDeg, const TDialGeometry& dial) {
  const double cx = dial.CenterX, cy = dial.CenterY;
  const double length = layout.PercentNeedleLength() * (dial.Radius - 4) * 0.01;
  const double t = angleDeg * std::numbers::pi / 180;
  const double tipX = RoundHalfEven(std::cos(t) * length + cx);
  const double tipY = RoundHalfEven(cy - std::sin(t) * length);
  const double halfOpening = layout.HeadAngle() * std::numbers::pi / 180 / 2;
  // Half the shaft width, across the needle's direction.
  const double hx = std::sin(t) * layout.Thickness() / 2;
  const double hy = std::cos(t) * layout.Thickness() / 2;
  const double barb = layout.HeadSize();
  const double back = layout.HeadMidLeng();
  return {{
      {RoundHalfEven(tipX - std::cos(t + halfOpening) * barb), RoundHalfEven(std::sin(t + halfOpening) * barb + tipY)},
      {int(tipX), int(tipY)},
      {RoundHalfEven(tipX - std::cos(t - halfOpening) * barb), RoundHalfEven(std::sin(t - halfOpening) * barb + tipY)},
      {RoundHalfEven(tipX - hx - std::cos(t) * back), RoundHalfEven(std::sin(t) * back + (tipY - hy))},
      {RoundHalfEven(cx - hx), RoundHalfEven(cy - hy)},
      {RoundHalfEven(cx + hx), RoundHalfEven(cy + hy)},
      {RoundHalfEven(tipX + hx - std::cos(t) * back), RoundHalfEven(std::sin(t) * back + (tipY + hy))},
  }};
}

}  // namespace vyr
