#include "host/ColorDialog.h"

#include "host/Modal.h"

namespace vyr {

bool TColorDialog::Execute() {
  TColor chosen = FColor;
  if (!ExecuteColorDialog(chosen)) return false;
  FColor = chosen;
  return true;
}

}  // namespace vyr
