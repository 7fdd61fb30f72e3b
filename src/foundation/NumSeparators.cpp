#include "foundation/NumChars.h"
#include "host/Application.h"

namespace vyr::num {

char16_t SystemDecimalSeparator() { return Application().DecimalSeparator() == u'.' ? u'.' : u','; }

}  // namespace vyr::num
