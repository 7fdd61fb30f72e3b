#pragma once
// Small numeric helpers of the math library.
#include <QStringView>

namespace vyr {

// The largest integer not above x. Values beyond the int range give the
// nearest int limit; NaN gives 0.
int IntNeg(double x);

// True when text is a decimal integer that fits in 32 bits: an optional
// '+' or '-' followed by one or more digits 0-9, nothing else (no blanks).
bool IsValidDecInt(QStringView text);

}  // namespace vyr
