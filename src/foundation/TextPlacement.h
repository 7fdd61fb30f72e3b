#pragma once
// Placing a rotated text by an anchor point.
#include "host/Types.h"

namespace vyr {

// The offset of a text's reference corner (the top-left of its cell before
// rotation) from its anchor, for a text of the given width and height turned
// by angle degrees counter-clockwise (taken modulo 360). The anchor is the
// vertical middle of the text's start (taLeftJustify), end (taRightJustify)
// or centre (taCenter), turned with the text.
TPoint RotatedTextOffset(TAlignment alignment, int textWidth, int textHeight, int angle);

}  // namespace vyr
