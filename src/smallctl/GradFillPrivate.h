#pragma once
// TGradFill's state, out of the installed header.
#include "smallctl/Vyr_gradfl.h"

namespace vyr {

struct TGradFill::Private {
  // Displayed colours, and the two as set (the same unless flipped).
  TColor ColorFirst = 0x000080, ColorLast = 0x00FFFF;
  TColor ColFirstOrg = 0x000080, ColLastOrg = 0x00FFFF;
  bool Flipped = false;
  TGradType GradType = gtHoriz;
  int NrColors = 16;
  TFrameStyle FrameStyle = fsNone;
  TColor GridColor = 0x800000;
  TGridMode GridMode = gmNone;
};

}  // namespace vyr
