#pragma once
// The outline of a meter needle: an arrow head at the tip and a shaft back
// to the pivot, as seven corners in drawing order.
#include <array>

#include "host/Types.h"
#include "meter/MeterGeometry.h"
#include "meter/NeedleLayout.h"

namespace vyr {

using TNeedlePolygon = std::array<TPoint, 7>;

// The needle pointing at drawing angle angleDeg: first barb, tip, second
// barb, head base, pivot, pivot (other side), head base (other side). The
// tip lies PercentNeedleLength percent of the way from the pivot to 4
// pixels inside the scale.
TNeedlePolygon NeedlePolygon(const TNeedleLayout& layout, double angleDeg, const TDialGeometry& dial);

}  // namespace vyr
