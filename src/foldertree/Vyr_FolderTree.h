#pragma once
// TFolderTree: a tree of the file system's folders, read one level at a
// time: a folder's subfolders are read the first time it opens, and a
// folder that may have subfolders shows an expand button before they are
// known. The control keeps the path of the selected folder (Directory),
// selects a given path, refreshes itself, makes a subfolder below the
// selected folder and removes the selected folder when it is empty.
// Ctrl+Tab, Ctrl+PgUp and Ctrl+PgDn go on to the parent (a tab widget's
// page keys).
//
// Paths: "/" is the root node and the separator. Directory always ends with
// "/" ("/home/ann/"); the root is "/". Names are compared exactly (case
// matters) to find a folder, and case-insensitively only to order a level.
//
// Choices made for this control:
// - Folders whose names begin with '.' are hidden: never listed, and they
//   give their parent no expand button. Symbolic links to folders are
//   listed as folders. Names that do not convert to text and back
//   unchanged are left out (acting on them would address another entry).
// - Reading a level reads that one folder: its entries' types tell the
//   folders apart (only links and entries of unknown type are looked up).
//   Whether a listed folder has visible subfolders of its own is checked
//   only when its row is first painted (one read that stops at the first
//   subfolder), so opening a folder of 10,000 subfolders does not open
//   10,000 folders. Until then the row shows an expand button; opening a
//   folder that turns out to have none removes it. A level once read is not
//   read again until RefreshTree, SelectPath or Reset rebuilds the tree.
// - A level is ordered by the lower-case forms of the names; names equal
//   in that form (differing in case only) follow in code order.
// - The tree is filled (Reset) when the control is made, so it is never
//   empty. Reset selects the root, so the folder shown as selected is
//   always the one Directory names and the one the operations act on.
// - SelectPath takes absolute paths only ("/" first); "." parts and empty
//   parts ("//") are skipped, a ".." part returns false. A path that does
//   not exist returns false and changes nothing. When only part of an
//   existing path is shown (it runs through a hidden folder), the deepest
//   folder found is selected (Directory follows it) and the result is
//   false. The path's folders are opened on the way down.
// - MakeSubFolder makes a folder below the selected one, with every
//   missing level of a relative name ("a/b"; doubled and trailing '/'
//   ignored). The name must hold a level; no level may be ".", "..",
//   begin with '.', or hold '\', '"', '<', '>', '|' or a control character;
//   a name beginning with '/' (an absolute path) and a last level that
//   exists already (as folder or file) are refused, and so is a name the
//   file system would store as another (a lone surrogate). Refused names
//   return false and create nothing; a make that fails part way removes
//   the levels it made. On success the new folder is selected.
// - RemoveSelectedFolder removes the selected folder only when it is empty
//   (one rmdir: hidden entries count, nothing is removed recursively) and
//   never the root; the parent is then selected. A refusal keeps the
//   selection.
// - Operations raise their events once, at their end: OnChange when they
//   selected a node, OnDirChanged when Directory changed. No operation
//   processes pending events. OnClick comes from clicks only, not from
//   selection changes made by code or keys.
// - A selection the user made stays: a Ctrl+click does not clear it.
//   Collapsing a folder that holds the selected one (minus box, Collapse,
//   FullCollapse) selects the collapsed folder, with the events of a user
//   selection, so the selection is always shown.
// - OldTreeStyle on: plus and minus boxes with dotted lines; off: the
//   style's own arrows without lines.
// - Assign copies CopiedProperties (looks and colour); Directory, the nodes
//   and the handlers stay.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "host/Events.h"
#include "host/PropertyCopy.h"
#include "host/TreeView.h"

namespace vyr {

class TFolderTree : public TCustomTreeView {
  Q_OBJECT
  Q_PROPERTY(QString Directory READ Directory STORED false)
  Q_PROPERTY(bool OldTreeStyle READ OldTreeStyle WRITE SetOldTreeStyle)

 public:
  // The marker in Data of a node whose subfolders have been read.
  static constexpr std::intptr_t kLoadedMarker = 0xA5F016ED;

  explicit TFolderTree(QWidget* AOwner = nullptr);
  ~TFolderTree() override;

  // The selected folder's path, ending with "/"; empty while no folder is
  // selected.
  QString Directory() const;
  bool OldTreeStyle() const;
  void SetOldTreeStyle(bool value);
  // Remembered for the enabled state and shown.
  void SetColor(TColor color) override;
  // Disabled, the tree shows clBtnFace; enabled again, the remembered
  // colour.
  void SetEnabled(bool value) override;

  // Rebuilds the tree with the root alone, collapsed, and selects it.
  void Reset();
  bool SelectPath(const QString& path);
  // Selects Directory again after rebuilding the tree, or its nearest
  // existing ancestor when it is gone (then OnDirChanged); true when a
  // folder was found whole. Ancestors are tried one '/' level at a time
  // ('\' is part of a name).
  bool RefreshTree();
  bool MakeSubFolder(const QString& FolderName);
  bool RemoveSelectedFolder();
  // The visible subfolders of a folder, sorted, into DirList (cleared
  // first); true when there is at least one, false also when the folder
  // does not exist.
  bool GetSubDirs(const QString& path, QStringList& DirList) const;
  bool GetSubDirs(const TTreeNode* node, QStringList& DirList) const;
  // The folder path of a node, ending with "/"; empty for no node.
  QString PathOfNode(const TTreeNode* node) const;

  void Loaded() override;
  void Assign(const TComponentBase* Source) override;
  void AssignTo(TComponentBase* Dest) const override;
  static TPropertyList CopiedProperties();

  QString AccessibleValue() const override { return Directory(); }

  TNotifyEvent OnDirChanged;

 protected:
  void Expanding(TTreeNode* Node) override;
  void ConfirmChildren(TTreeNode* Node) override;
  void Change(TTreeNode* Node) override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  enum TFound { fdNone, fdPart, fdWhole };
  TFound Walk(const QString& path);
  void Rebuild();
  // Directory from the selection; OnChange and OnDirChanged as needed.
  // oldDirectory is a copy: it may be Directory itself, which this sets.
  void Settle(QString oldDirectory);
  // The remembered colour while enabled, clBtnFace while disabled.
  void ShowRememberedColor();
};

}  // namespace vyr
