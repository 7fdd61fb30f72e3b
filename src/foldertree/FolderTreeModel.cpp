// The folder tree's levels, selection and Directory.
#include <QPointer>
#include <QScopedValueRollback>

#include "foldertree/FolderScan.h"
#include "foldertree/FolderTreePrivate.h"
#include "foundation/FileUtils.h"
#include "host/Application.h"
#include "host/ControlRegistry.h"

VYR_REGISTER_CONTROL(TFolderTree, "foldertree/Vyr_FolderTree.h")

namespace vyr {
namespace {

const QString kRoot = QStringLiteral("/");

// The folder one level up ("/a/" for "/a/b/"), empty above the root; only
// '/' separates, '\' is an ordinary character of a name.
QString FolderAbove(const QString& dir) { return dir.left(dir.lastIndexOf(u'/', -2) + 1); }

}  // namespace

QString FolderPathOf(const QString& nodePath) {
  return nodePath.size() > 1 && nodePath.endsWith(u'/') ? nodePath.chopped(1) : nodePath;
}

TFolderTree::TFolderTree(QWidget* AOwner) : TCustomTreeView(AOwner), d(std::make_unique<Private>()) {
  resize(200, 240);
  Reset();
}

TFolderTree::~TFolderTree() = default;

QString TFolderTree::Directory() const { return d->Directory; }
bool TFolderTree::OldTreeStyle() const { return d->OldTreeStyle; }

void TFolderTree::SetOldTreeStyle(bool value) {
  if (value == d->OldTreeStyle) return;
  d->OldTreeStyle = value;
  SetTreeLook(value ? tlClassic : tlExplorer);
}

void TFolderTree::SetColor(TColor color) {
  d->ColorBak = color;
  TCustomTreeView::SetColor(color);
}

void TFolderTree::SetEnabled(bool value) {
  TCustomTreeView::SetColor(value ? d->ColorBak : clBtnFace);
  TCustomTreeView::SetEnabled(value);
}

QString TFolderTree::PathOfNode(const TTreeNode* node) const {
  if (!node) return {};
  QString path = node->Text();
  for (const TTreeNode* p = node->Parent(); p; p = p->Parent())
    path.prepend(p->Text().endsWith(u'/') ? p->Text() : p->Text() + u'/');
  return path.endsWith(u'/') ? path : path + u'/';
}

void TFolderTree::Rebuild() {
  Clear();
  TTreeNode* root = AddChild(nullptr, kRoot);
  root->SetHasChildren(true);
}

void TFolderTree::Reset() {
  const QString old = d->Directory;
  {
    const QScopedValueRollback<bool> busy(d->Busy, true);
    Rebuild();
    FullCollapse();
    SetSelected(TopItem(0));
  }
  Settle(old);
}

TFolderTree::TFound TFolderTree::Walk(const QString& path) {
  if (!path.startsWith(u'/') || !DirExists(path)) return fdNone;
  QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
  parts.removeAll(QStringLiteral("."));
  if (parts.contains(QStringLiteral(".."))) return fdNone;
  Rebuild();
  TTreeNode* node = TopItem(0);
  Expand(node);
  TFound found = fdWhole;
  for (const QString& part : parts) {
    TTreeNode* next = nullptr;
    for (int i = 0; i < node->Count() && !next; ++i)
      if (node->Item(i)->Text() == part) next = node->Item(i);
    if (!next) {
      found = fdPart;
      break;
    }
    node = next;
    Expand(node);
  }
  SetSelected(node);
  return found;
}

bool TFolderTree::SelectPath(const QString& path) {
  const QString old = d->Directory;
  TFound found;
  {
    const QScopedValueRollback<bool> busy(d->Busy, true);
    found = Walk(path);
  }
  if (found == fdNone) return false;
  SetFocus();
  Settle(old);
  return found == fdWhole;
}

bool TFolderTree::RefreshTree() {
  const QString old = d->Directory;
  TFound found = fdNone;
  {
    const QScopedValueRollback<bool> busy(d->Busy, true);
    QString dir = old;
    while (!dir.isEmpty() && found != fdWhole) {
      found = Walk(dir);
      if (found != fdWhole) dir = FolderAbove(dir);
    }
    if (found == fdNone) found = Walk(kRoot);
  }
  Settle(old);
  return found == fdWhole;
}

void TFolderTree::Settle(QString oldDirectory) {
  TTreeNode* node = Selected();
  d->Directory = PathOfNode(node);
  QPointer<TFolderTree> self(this);
  TCustomTreeView::Change(node);
  if (self && d->Directory != oldDirectory) Raise(OnDirChanged, this);
}

void TFolderTree::Change(TTreeNode*) {
  if (d->Busy) return;
  Settle(d->Directory);
}

void TFolderTree::Expanding(TTreeNode* Node) {
  if (Node->Data == kLoadedMarker) return;
  {
    TWaitCursor wait;
    QStringList names;
    ReadSubfolders(FolderPathOf(PathOfNode(Node)), names);
    DeleteChildren(Node);
    if (!names.isEmpty()) {
      Node->Data = kLoadedMarker;
      AddChildren(Node, names, true);
    }
  }
  TCustomTreeView::Expanding(Node);
}

void TFolderTree::ConfirmChildren(TTreeNode* Node) {
  Node->SetHasChildren(HasVisibleSubfolder(FolderPathOf(PathOfNode(Node))));
}

// The remembered colour is the one stored, even when the tree was stored
// disabled and so shows clBtnFace.
void TFolderTree::Loaded() {
  TCustomTreeView::Loaded();
  if (d->ColorBak == clBlack) d->ColorBak = clWhite;
  ShowRememberedColor();
  FullCollapse();
}

void TFolderTree::ShowRememberedColor() { TCustomTreeView::SetColor(Enabled() ? d->ColorBak : clBtnFace); }

}  // namespace vyr
