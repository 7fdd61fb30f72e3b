#include "host/TreeBranches.h"

#include <QPainter>

#include "host/TreeView.h"

namespace vyr {
namespace {

bool HasNextSibling(const TTreeNode& node) { return node.Index() + 1 < node.SiblingCount(); }

// Dots on every other pixel, in step with the viewport's grid so that the
// lines of neighbouring rows join.
void DottedV(QPainter& p, int x, int y0, int y1) {
  for (int y = y0 + ((x + y0) & 1); y <= y1; y += 2) p.drawPoint(x, y);
}
void DottedH(QPainter& p, int x0, int x1, int y) {
  for (int x = x0 + ((x0 + y) & 1); x <= x1; x += 2) p.drawPoint(x, y);
}

void DrawButton(QPainter& p, int cx, int cy, const TBranchLook& look) {
  const QRect box(cx - 4, cy - 4, 9, 9);
  p.fillRect(box, look.Face);
  p.setPen(look.Box);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.setPen(look.Sign);
  p.drawLine(cx - 2, cy, cx + 2, cy);
  if (!look.Expanded) p.drawLine(cx, cy - 2, cx, cy + 2);
}

}  // namespace

void DrawClassicBranches(QPainter& p, const QRect& rect, const TTreeNode& node, const TBranchLook& look) {
  const int shift = look.ShowRoot ? 0 : 1;
  const int own = node.Level() - shift;  // the node's own column
  if (own < 0 || look.Indent <= 0) return;
  const int right = rect.right() + 1;
  auto columnMid = [&](int column) { return right - (own - column) * look.Indent - look.Indent / 2 - 1; };
  const int midY = rect.top() + rect.height() / 2;
  p.save();
  if (look.ShowLines) {
    p.setPen(look.Line);
    const int cx = columnMid(own);
    const bool first = !node.Parent() && node.Index() == 0;
    DottedV(p, cx, first ? midY : rect.top(), HasNextSibling(node) ? rect.bottom() : midY);
    DottedH(p, cx, right - 2, midY);
    // An ancestor with a later sibling runs its line through this row.
    const TTreeNode* above = node.Parent();
    for (int column = own - 1; column >= 0 && above; --column, above = above->Parent())
      if (HasNextSibling(*above)) DottedV(p, columnMid(column), rect.top(), rect.bottom());
  }
  if (look.ShowButtons && node.HasChildren()) DrawButton(p, columnMid(own), midY, look);
  p.restore();
}

}  // namespace vyr
