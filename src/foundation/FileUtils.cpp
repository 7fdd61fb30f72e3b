#include "foundation/FileUtils.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

namespace vyr {

namespace {

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool IsPathSeparator(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); }

}  // namespace

QString ReadLnStream(QIODevice& stream, bool& eof, int maxLength, bool* lineEnded) {
  maxLength = std::max(maxLength, 1);
  QByteArray line;
  bool cut = false;
  if (stream.isReadable()) {
    int characters = 0;
    char byte;
    while (stream.getChar(&byte)) {
      if (byte == '\n') break;
      if (byte == '\r') {
        char next;
        if (stream.peek(&next, 1) == 1 && next == '\n') stream.getChar(&next);
        break;
      }
      // A full piece ends before the next character, never inside one.
      if (!IsUtf8Continuation(byte) && characters == maxLength) {
        stream.ungetChar(byte);
        cut = true;
        break;
      }
      if (!IsUtf8Continuation(byte)) ++characters;
      line.append(byte);
    }
  }
  eof = !stream.isReadable() || stream.atEnd();
  if (lineEnded) *lineEnded = !cut;
  return QString::fromUtf8(line);
}

bool DirExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString ParentDir(const QString& path) {
  qsizetype end = path.size();
  while (end > 0 && IsPathSeparator(path[end - 1])) --end;
  qsizetype separator = end - 1;
  while (separator >= 0 && !IsPathSeparator(path[separator])) --separator;
  return separator < 0 ? QString() : path.left(separator + 1);
}

QString InventPassword(int n) {
  static const QString kAlphabet =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
  n = std::clamp(n, 0, kMaxPasswordLength);
  QString password;
  password.reserve(n);
  QRandomGenerator* random = QRandomGenerator::system();
  for (int i = 0; i < n; ++i) password.append(kAlphabet[random->bounded(int(kAlphabet.size()))]);
  return password;
}

}  // namespace vyr
