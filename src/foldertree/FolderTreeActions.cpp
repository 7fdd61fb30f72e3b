// Making and removing folders, and listing a folder's subfolders.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "foldertree/FolderScan.h"
#include "foldertree/FolderTreePrivate.h"
#include "foundation/FileUtils.h"

namespace vyr {
namespace {

// One visible folder name: nothing that leaves the folder it is made in,
// hides the new folder, that another system takes for a separator or a
// device name, or that the file system would store as another name (a
// lone surrogate).
bool IsPlainFolderName(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'.')) return false;
  for (QChar c : name)
    if (c.unicode() <= 31 || c.unicode() == 127 || QStringView(u"/\\\"<>|").contains(c)) return false;
  return QFile::decodeName(QFile::encodeName(name)) == name;
}

QString Below(const QString& folderPath, const QString& name) {
  return folderPath.endsWith(u'/') ? folderPath + name : folderPath + u'/' + name;
}

// The levels of a relative folder name ("a/b", a trailing or doubled "/"
// ignored); empty when the name is absolute or any level is not plain.
QStringList PlainLevels(const QString& name) {
  if (name.startsWith(u'/')) return {};
  const QStringList levels = name.split(u'/', Qt::SkipEmptyParts);
  for (const QString& level : levels)
    if (!IsPlainFolderName(level)) return {};
  return levels;
}

// Makes the missing levels below folderPath; the last level must be new.
// On a refusal the levels made so far are removed again.
bool MakeLevels(QString path, const QStringList& levels) {
  QStringList made;
  for (qsizetype i = 0; i < levels.size(); ++i) {
    path = Below(path, levels[i]);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) {
      made.prepend(path);
      continue;
    }
    const bool passable = errno == EEXIST && i + 1 < levels.size() && DirExists(path);
    if (passable) continue;
    for (const QString& folder : made) ::rmdir(QFile::encodeName(folder).constData());
    return false;
  }
  return true;
}

}  // namespace

bool TFolderTree::MakeSubFolder(const QString& FolderName) {
  const TTreeNode* node = Selected();
  const QStringList levels = PlainLevels(FolderName);
  if (!node || levels.isEmpty()) return false;
  const QString folder = FolderPathOf(PathOfNode(node));
  if (!MakeLevels(folder, levels)) return false;
  SelectPath(Below(folder, levels.join(u'/')));
  return true;
}

bool TFolderTree::RemoveSelectedFolder() {
  const TTreeNode* node = Selected();
  if (!node || !node->Parent()) return false;
  const QString path = FolderPathOf(PathOfNode(node));
  if (::rmdir(QFile::encodeName(path).constData()) != 0) return false;
  SelectPath(PathOfNode(node->Parent()));
  return true;
}

bool TFolderTree::GetSubDirs(const QString& path, QStringList& DirList) const {
  DirList.clear();
  if (!DirExists(path)) return false;
  ReadSubfolders(path, DirList);
  return !DirList.isEmpty();
}

bool TFolderTree::GetSubDirs(const TTreeNode* node, QStringList& DirList) const {
  DirList.clear();
  return node && GetSubDirs(FolderPathOf(PathOfNode(node)), DirList);
}

TPropertyList TFolderTree::CopiedProperties() {
  static const char* const names[] = {"OldTreeStyle", "Color", "ShowButtons", "ShowLines",
                                      "ShowRoot",     "HotTrack", "Indent"};
  return names;
}

void TFolderTree::Assign(const TComponentBase* Source) {
  auto* source = dynamic_cast<const TFolderTree*>(Source);
  if (!source) return TCustomTreeView::Assign(Source);
  if (source == this) return;
  CopyProperties(*this, *source, CopiedProperties());
  // A disabled source shows clBtnFace; its remembered colour is the one
  // to copy.
  d->ColorBak = source->d->ColorBak;
  ShowRememberedColor();
}

void TFolderTree::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TFolderTree*>(Dest))
    dest->Assign(this);
  else
    TCustomTreeView::AssignTo(Dest);
}

}  // namespace vyr
