#pragma once
// Whether a text file or stream holds a report list in the list's XML file
// format: a line holding the start tag "<replist" and the word "vyrkitset",
// optionally with the list's identifier as id="...".
#include <QIODevice>
#include <QString>

namespace vyr {

// True when some line of the file opens a report list whose identifier
// equals DataID (case and blanks around both ignored; character references
// such as &amp; in the identifier, of at most 16 characters between "&" and
// ";", are read as the characters they stand for). An empty DataID accepts
// any list; an id attribute without its closing quote gives an empty
// identifier. Lines of any length are read in pieces of bounded size, so
// memory stays bounded: an identifier taking more than 18 characters in
// the file per character of DataID is not DataID. Raises EInOutError naming
// the file when it cannot be opened or read.
bool CheckIfValidReplist(const QString& FName, const QString& DataID);
// The same over the stream's lines from its position on; it is left after
// the first matching line, or at its end.
bool CheckIfValidReplist(QIODevice& InStream, const QString& DataID);

// Whether the line opens a list with the identifier DataID as above.
bool RepListStartLineMatches(const QString& Line, const QString& DataID);

}  // namespace vyr
