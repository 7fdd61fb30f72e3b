#pragma once
// The classic branch area of a tree row: dotted lines from each node to its
// parent's line and to its next sibling, and a plus or minus box on nodes
// with children.
#include <QColor>
#include <QRect>

class QPainter;

namespace vyr {

class TTreeNode;

struct TBranchLook {
  int Indent = 19;
  bool ShowRoot = true;
  bool ShowLines = true;
  bool ShowButtons = true;
  bool Expanded = false;
  QColor Line;
  QColor Box;
  QColor Face;
  QColor Sign;
};

// Draws the branches of node into rect, the area left of its text (ending
// where the text begins), one Indent-wide column per level.
void DrawClassicBranches(QPainter& p, const QRect& rect, const TTreeNode& node, const TBranchLook& look);

}  // namespace vyr
