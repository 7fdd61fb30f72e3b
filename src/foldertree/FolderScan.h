#pragma once
// Reading folder levels from the file system. Entries whose names begin
// with '.' are hidden and left out. Folders are told apart by the type the
// directory entry carries; only entries of unknown type and symbolic links
// are looked at further (a link to a folder counts as a folder). A name
// that does not convert to text and back unchanged is left out too, since
// its text would address another entry.
#include <QString>
#include <QStringList>

namespace vyr {

// The visible subfolders of folder, in SortFolderNames order, appended to
// names. False when the folder cannot be opened.
bool ReadSubfolders(const QString& folder, QStringList& names);

// Whether folder has at least one visible subfolder; reading stops at the
// first.
bool HasVisibleSubfolder(const QString& folder);

// Case-insensitive order (lower-case forms compared by code), names that
// differ only in case ordered by code among themselves.
void SortFolderNames(QStringList& names);

}  // namespace vyr
