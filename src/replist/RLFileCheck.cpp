// The test whether a file or stream holds a report list.
#include "replist/RLFileCheck.h"

#include <QFile>

#include "foundation/FileUtils.h"
#include "host/Exception.h"

namespace vyr {

namespace {

// Longest piece of a line the check reads at once.
constexpr int kMaxCheckedLineLength = 1 << 16;

// The character a reference such as "amp" or "#x41" stands for; a null
// character when it stands for none.
QChar ReferencedChar(QStringView name) {
  if (name == u"amp") return u'&';
  if (name == u"lt") return u'<';
  if (name == u"gt") return u'>';
  if (name == u"quot") return u'"';
  if (name == u"apos") return u'\'';
  if (name.size() < 2 || name[0] != u'#') return QChar();
  bool ok = false;
  const uint code = name[1] == u'x' ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
  return ok && code > 0 && code <= 0xFFFF ? QChar(char16_t(code)) : QChar();
}

// Longest reference name looked for after a "&"; the ";" is searched for
// no further, so a text of many "&" is read in linear time.
constexpr qsizetype kMaxReferenceLength = 16;

// text with its character references replaced; a malformed one stays.
QString DecodeReferences(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype semicolon =
        text[i] == u'&' ? QStringView(text).mid(i, kMaxReferenceLength + 2).indexOf(u';') : -1;
    const qsizetype end = semicolon > 0 ? i + semicolon : -1;
    const QChar c = end > i ? ReferencedChar(QStringView(text).mid(i + 1, end - i - 1)) : QChar();
    if (c.isNull()) {
      result.append(text[i]);
    } else {
      result.append(c);
      i = end;
    }
  }
  return result;
}

QString TrimBlanks(const QString& s) {
  qsizetype from = 0, to = s.size();
  while (from < to && s[from] == u' ') ++from;
  while (to > from && s[to - 1] == u' ') --to;
  return s.mid(from, to - from);
}

QString WantedIdentifier(const QString& DataID) { return TrimBlanks(DataID.toLower()); }

bool MatchesWanted(const QString& line, const QString& wanted) {
  QString identifier;
  return IsRepListStartLine(line, identifier) && (wanted.isEmpty() || TrimBlanks(identifier.toLower()) == wanted);
}

bool ScanLines(QIODevice& in, const QString& wanted) {
  bool eof = !in.isReadable() || in.atEnd();
  while (!eof) {
    if (MatchesWanted(ReadLnStream(in, eof, kMaxCheckedLineLength), wanted)) return true;
  }
  return false;
}

}  // namespace

bool IsRepListStartLine(const QString& Line, QString& Identifier) {
  Identifier.clear();
  const QString line = Line.toLower();
  if (!line.contains(u"<replist") || !line.contains(u"vyrkitset")) return false;
  const qsizetype p = line.indexOf(u"id=\"");
  if (p < 0) return true;
  // The identifier runs to the next double quote; without one there is none.
  const qsizetype close = line.indexOf(u'"', p + 4);
  if (close >= 0) Identifier = TrimBlanks(DecodeReferences(line.mid(p + 4, close - p - 4)));
  return true;
}

bool RepListStartLineMatches(const QString& Line, const QString& DataID) {
  return MatchesWanted(Line, WantedIdentifier(DataID));
}

bool CheckIfValidReplist(const QString& FName, const QString& DataID) {
  QFile file(FName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("cannot open \"%1\": %2").arg(FName, file.errorString()));
  const bool found = ScanLines(file, WantedIdentifier(DataID));
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("cannot read \"%1\": %2").arg(FName, file.errorString()));
  return found;
}

bool CheckIfValidReplist(QIODevice& InStream, const QString& DataID) {
  return ScanLines(InStream, WantedIdentifier(DataID));
}

}  // namespace vyr
