#pragma once
#include <QString>

#include "foldertree/Vyr_FolderTree.h"

namespace vyr {

struct TFolderTree::Private {
  QString Directory;
  bool OldTreeStyle = true;
  TColor ColorBak = clWindow;
  // Set while an operation rebuilds or reselects: the selection changes it
  // makes on the way are settled once at its end.
  bool Busy = false;
};

// The folder path of a node without the final "/" ("/" for the root), as
// the file system takes it.
QString FolderPathOf(const QString& nodePath);

}  // namespace vyr
