#pragma once
// Names of colours as colour pickers show them.
#include <QString>

#include "host/Color.h"

namespace vyr {

// The name of the colour in PredefinedColors where it has one (system
// colours by their own name), else its RGB value as "#RRGGBB".
QString ColorToString(TColor color);

}  // namespace vyr
