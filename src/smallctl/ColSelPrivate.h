#pragma once
// The colour selector's state (not installed).
#include <array>

#include "smallctl/Vyr_Colsel.h"

namespace vyr {

struct TColSel::Private {
  std::array<TColor, kMaxColors> Colors{};
  std::array<QString, kMaxColors> Names;
  std::array<bool, kMaxColors> Editable{};
  int NumColors = 20;
  int SelColorIx = 1;
  int ColorBarWidth = 30;
  int MouseAreaCode = 0;
};

}  // namespace vyr
