#pragma once
// File and stream helpers: line reading, folder paths, random passwords.
#include <QIODevice>
#include <QString>

namespace vyr {

// The next line of a UTF-8 text stream, without its line end (LF, CR LF or a
// lone CR). A line longer than maxLength characters is returned in pieces of
// maxLength, the rest following with the next calls, so nothing is lost;
// maxLength below 1 counts as 1. eof is set when the stream has nothing
// more to read; a device that is not readable gives an empty text and eof.
// lineEnded, when given, tells whether the text ends its line (a line end
// or the stream's end followed) or is a piece with more of the line to come.
QString ReadLnStream(QIODevice& stream, bool& eof, int maxLength, bool* lineEnded = nullptr);

// Whether path names an existing folder (a trailing separator is allowed).
bool DirExists(const QString& path);

// The folder one level above path, with its trailing separator: both '/'
// and '\' separate levels and the separator found in path is kept.
// Empty for a root ("/", "C:\"), a single name, or empty text.
QString ParentDir(const QString& path);

// n random letters and digits from the system's random source; n is
// clamped to 0..kMaxPasswordLength.
QString InventPassword(int n);
constexpr int kMaxPasswordLength = 255;

}  // namespace vyr
