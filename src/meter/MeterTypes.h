#pragma once
// The dial layouts of the meter. The number in each name is the sweep of
// the scale in degrees. Declared in a namespace of its own so that Qt's meta
// object system knows the names and stored forms can write them.
#include <QObject>
#include <cstdint>

namespace vyr {
namespace meterlayout {
Q_NAMESPACE

enum TMeterLayout : std::uint8_t { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
Q_ENUM_NS(TMeterLayout)

}  // namespace meterlayout

using meterlayout::TMeterLayout;
using enum meterlayout::TMeterLayout;

}  // namespace vyr
