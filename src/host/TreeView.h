#pragma once
// TCustomTreeView: a tree of text nodes over a Qt tree view, with one
// selected node, read-only labels, and the hooks a control needs to load
// levels lazily.
//
// Nodes: TTreeNode objects owned by the tree; their children are added in
// order (AddChild, or AddChildren for a whole level at once) and removed as
// a level (DeleteChildren) or all together (Clear).
//
// Lazy levels: a node with SetHasChildren(true) and no child nodes shows an
// expand button (a placeholder for children not read yet). When it opens,
// by mouse, keyboard or Expand, Expanding(Node) runs first and may add the
// children; a node still without children afterwards loses its button. A
// placeholder may also be unconfirmed: just before such a node is first
// painted, ConfirmChildren(Node) may clear HasChildren, so a control can
// check cheaply, and only for the nodes on screen, whether a button belongs
// there.
//
// Events: OnExpanding (before a placeholder opens), OnExpanded,
// OnCollapsed, OnChange (the selected node changed, by the user or by
// code; the node may be null). A collapse (Collapse, FullCollapse or a
// minus box) that hides the selected node selects the collapsed node shown
// in its place, before OnCollapsed, as native tree views do. Mouse and key
// input on the tree reaches MouseDown/MouseMove/MouseUp, Click, DblClick,
// KeyDown (a handler that sets Key to 0 keeps it from the tree) and
// KeyPress, in client coordinates.
//
// Looks: tlClassic draws plus and minus boxes with dotted lines to the
// nodes (ShowLines, ShowButtons); tlExplorer the style's own arrows,
// without lines.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/Control.h"

class QTreeView;

namespace vyr {

class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;
  ~TTreeNode();

  const QString& Text() const { return FText; }
  // Null for a top-level node.
  TTreeNode* Parent() const { return FParent; }
  int Count() const { return int(FChildren.size()); }
  // Null outside 0..Count-1.
  TTreeNode* Item(int index) const;
  // The place among its siblings, from 0, and how many there are.
  int Index() const { return FIndex; }
  int SiblingCount() const;
  // 0 for a top-level node.
  int Level() const;
  // Child nodes, or an expand button shown before any were added.
  bool HasChildren() const { return !FChildren.empty() || FHasChildren; }
  void SetHasChildren(bool value, bool confirmed = true);
  // Whether ConfirmChildren still has to look at this placeholder.
  bool Unconfirmed() const { return FHasChildren && !FConfirmed && FChildren.empty(); }
  bool Expanded() const;
  void Expand();
  void Collapse();
  // A value the application keeps with the node.
  std::intptr_t Data = 0;

 private:
  friend class TCustomTreeView;
  friend class TTreeModel;
  TTreeNode(TCustomTreeView* owner, TTreeNode* parent, QString text, int index)
      : FOwner(owner), FParent(parent), FText(std::move(text)), FIndex(index) {}

  TCustomTreeView* FOwner;
  TTreeNode* FParent;
  QString FText;
  int FIndex;
  bool FHasChildren = false;
  bool FConfirmed = true;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

enum TTreeLook { tlClassic, tlExplorer };

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TCustomTreeView : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(bool ShowButtons READ ShowButtons WRITE SetShowButtons)
  Q_PROPERTY(bool ShowLines READ ShowLines WRITE SetShowLines)
  Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE SetShowRoot)
  Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
  Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  static constexpr int kMaxIndent = 255;

  // A 121 x 97 empty tree in the window colour.
  explicit TCustomTreeView(QWidget* AOwner = nullptr);
  ~TCustomTreeView() override;

  // The top-level nodes.
  int TopCount() const;
  TTreeNode* TopItem(int index) const;
  // Appends a node to parent's children (top level for null).
  TTreeNode* AddChild(TTreeNode* parent, const QString& text);
  // Appends one node per text, in order, as one change of the tree; each
  // gets HasChildren = hasChildren, unconfirmed.
  void AddChildren(TTreeNode* parent, const QStringList& texts, bool hasChildren);
  // Removes parent's children (the top-level nodes for null).
  void DeleteChildren(TTreeNode* parent);
  void Clear();
  // Every node in display order (parents before children), as the tree's
  // node list counts them.
  std::vector<TTreeNode*> AllNodes() const;

  // The selected node, or null.
  TTreeNode* Selected() const;
  // Selects node (null clears the selection) and makes it visible.
  void SetSelected(TTreeNode* node);
  void Expand(TTreeNode* node);
  void Collapse(TTreeNode* node);
  bool IsExpanded(const TTreeNode* node) const;
  void FullCollapse();

  bool ShowButtons() const;
  void SetShowButtons(bool value);
  bool ShowLines() const;
  void SetShowLines(bool value);
  bool ShowRoot() const;
  void SetShowRoot(bool value);
  bool HotTrack() const;
  void SetHotTrack(bool value);
  // Pixels per level, 0..255; clamped.
  int Indent() const;
  void SetIndent(int value);
  TTreeLook TreeLook() const;
  void SetColor(TColor color) override;
  void SetFont(const TFont& font) override;

  // Where the node is shown, in client coordinates (empty when it is not
  // laid out: inside a collapsed parent).
  TRect NodeRect(const TTreeNode* node) const;
  // The Qt tree view inside, for tests and layouts.
  QTreeView& TreeWidget() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::Tree; }
  QString AccessibleValue() const override;

  TTVChangedEvent OnChange;
  TTVExpandedEvent OnExpanding, OnExpanded, OnCollapsed;

 protected:
  virtual void Expanding(TTreeNode* Node);
  virtual void Expanded(TTreeNode* Node);
  virtual void Collapsed(TTreeNode* Node);
  virtual void Change(TTreeNode* Node);
  // May clear Node's HasChildren before it is first painted.
  virtual void ConfirmChildren(TTreeNode* Node);
  void SetTreeLook(TTreeLook value);
  void Resize() override;
  void EnabledChanged() override;
  void BorderStyleChanged() override;

 private:
  friend class TTreeNode;
  friend class TTreeModel;
  class Widget;
  struct Private;
  std::unique_ptr<Private> d;

  void ConfirmShownNodes();
  void SelectShownNode();
  void RunExpanding(TTreeNode* node);
  void ApplyPalette();
};

}  // namespace vyr
