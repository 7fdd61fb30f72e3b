#include "foldertree/FolderScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <algorithm>
#include <utility>
#include <vector>

namespace vyr {
namespace {

bool IsFolder(DIR* dir, const dirent* e) {
  if (e->d_type == DT_DIR) return true;
  if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) return false;
  struct stat st;
  return ::fstatat(::dirfd(dir), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

// Invalid byte sequences decode to U+FFFD; only then can the trip back
// differ.
bool Addressable(const char* name, const QString& text) {
  return !text.contains(QChar::ReplacementCharacter) || QFile::encodeName(text) == name;
}

// Calls f(name) for each visible subfolder until f returns false; false
// when the folder cannot be opened.
template <typename F>
bool ForEachSubfolder(const QString& folder, F&& f) {
  DIR* dir = ::opendir(QFile::encodeName(folder).constData());
  if (!dir) return false;
  while (const dirent* e = ::readdir(dir)) {
    if (e->d_name[0] == '.' || !IsFolder(dir, e)) continue;
    const QString name = QFile::decodeName(e->d_name);
    if (Addressable(e->d_name, name) && !f(name)) break;
  }
  ::closedir(dir);
  return true;
}

}  // namespace

bool ReadSubfolders(const QString& folder, QStringList& names) {
  QStringList found;
  const bool opened = ForEachSubfolder(folder, [&](const QString& name) {
    found.append(name);
    return true;
  });
  SortFolderNames(found);
  names.append(found);
  return opened;
}

bool HasVisibleSubfolder(const QString& folder) {
  bool any = false;
  ForEachSubfolder(folder, [&](const QString&) {
    any = true;
    return false;
  });
  return any;
}

void SortFolderNames(QStringList& names) {
  std::vector<std::pair<QString, QString>> keyed;
  keyed.reserve(size_t(names.size()));
  for (QString& name : names) keyed.emplace_back(name.toLower(), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  for (qsizetype i = 0; i < names.size(); ++i) names[i] = std::move(keyed[size_t(i)].second);
}

}  // namespace vyr
