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

constexpr QStringView kStartTag = u"<replist", kWord = u"vyrkitset", kIdOpen = u"id=\"";
// Characters of a piece kept before the next one, so that a text cut
// between two pieces is found: the longest searched text less one.
constexpr qsizetype kCarried = kWord.size() - 1;
// Most characters one identifier character takes in the file: a reference.
constexpr qsizetype kMaxEncodedLength = kMaxReferenceLength + 2;

// Follows one line piece by piece, in bounded memory: whether it holds the
// start tag and the word, and the text of its first id attribute as far as
// it can still equal the wanted identifier.
class TStartLine {
 public:
  // wanted: lower case, trimmed; empty accepts any identifier.
  explicit TStartLine(const QString& wanted) : FWanted(wanted) {}

  void Add(const QString& piece) {
    const QString text = FCarry + piece.toLower();
    FTag = FTag || text.contains(kStartTag);
    FWord = FWord || text.contains(kWord);
    qsizetype from = FCarry.size();
    const qsizetype open = FId == kNoId ? text.indexOf(kIdOpen) : -1;
    if (open >= 0) {
      FId = kInId;
      from = open + kIdOpen.size();
    }
    if (FId == kInId) {
      const qsizetype close = text.indexOf(u'"', from);
      Collect(QStringView(text).sliced(from, (close < 0 ? text.size() : close) - from));
      if (close >= 0) FId = kIdClosed;
    }
    FCarry = text.right(kCarried);
  }
  bool Matches() const {
    if (!FTag || !FWord) return false;
    return FWanted.isEmpty() ||
           (FId == kIdClosed && !FTooLong && TrimBlanks(DecodeReferences(FIdentifier).toLower()) == FWanted);
  }

 private:
  void Collect(QStringView part) {
    if (FWanted.isEmpty() || FTooLong) return;
    FTooLong = FIdentifier.size() + part.size() > FWanted.size() * kMaxEncodedLength;
    if (!FTooLong) FIdentifier.append(part);
  }

  enum { kNoId, kInId, kIdClosed } FId = kNoId;
  QString FWanted, FCarry, FIdentifier;
  bool FTag = false, FWord = false, FTooLong = false;
};

bool ScanLines(QIODevice& in, const QString& wanted) {
  TStartLine line(wanted);
  bool eof = !in.isReadable() || in.atEnd();
  while (!eof) {
    bool ended = true;
    line.Add(ReadLnStream(in, eof, kMaxCheckedLineLength, &ended));
    if (!ended) continue;
    if (line.Matches()) return true;
    line = TStartLine(wanted);
  }
  return false;
}

}  // namespace

bool RepListStartLineMatches(const QString& Line, const QString& DataID) {
  TStartLine line(WantedIdentifier(DataID));
  line.Add(Line);
  return line.Matches();
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
