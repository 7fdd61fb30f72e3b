// Reading a report list from its XML file into a TRLFileImage: the plain
// reader first where the device allows going back, else (or when the file
// leaves the plain form) the general XML reader.
#include <QXmlStreamReader>
#include <algorithm>

#include "replist/RLFileCheck.h"
#include "replist/RLFileImage.h"
#include "replist/RLXmlImage.h"
#include "replist/RLXmlPlain.h"

namespace vyr {

namespace {

// Bytes read at a time from a random-access device (then to the end of the
// line).
constexpr qint64 kChunkBytes = 1 << 16;

class TRLXmlParser {
 public:
  TRLXmlParser(QIODevice& in, const QString& source, TRLFileImage& image)
      : FIn(in), FSize(in.isSequential() ? -1 : in.size()), FSource(source), FImage(image), FBuilder(image) {
    FXml.setNamespaceProcessing(false);
  }

  // Finds the start line of a list with the wanted identifier; false if
  // none follows.
  bool FindStart(const QString& DataID);
  // Reads the list with the plain reader; false (device and image as they
  // were after FindStart) when the file leaves the plain form.
  bool TryPlain();
  void Parse();

 private:
  [[noreturn]] void Fail(const QString& what) const { ThrowFileFormat(FSource, FLineBase + FXml.lineNumber(), what); }
  // Feeds FChunk from FChunkFrom up to the end of the first closing tag of
  // a list in it, or to its end: what follows a list is not the list's, and
  // the XML reader, once given it, could refuse the list for it.
  void FeedChunk();
  bool Feed();
  QXmlStreamReader::TokenType Next();
  // The text of the element tag just opened, up to its end tag.
  const QString& ReadText(TRepListXmlTag tag);
  void ParseList();
  void LeaveAfterList();

  QIODevice& FIn;
  const qint64 FSize;  // of a random-access device, asked once (a system call)
  const QString& FSource;
  TRLFileImage& FImage;
  TRLXmlImageBuilder FBuilder;
  QXmlStreamReader FXml;
  qint64 FLineBase = 0;        // lines before the start line
  QByteArray FChunk;           // the data fed last
  qint64 FChunkStart = -1;     // its position in the device
  qsizetype FChunkFrom = 0;    // where feeding began inside it
  qsizetype FFedTo = 0;        // and where it ended
  QString FText, FUnescaped;
};

bool TRLXmlParser::FindStart(const QString& DataID) {
  while (true) {
    const qint64 start = FIn.isSequential() ? -1 : FIn.pos();
    const QByteArray line = FIn.readLine();
    if (line.isEmpty()) return false;
    if (RepListStartLineMatches(QString::fromUtf8(line), DataID)) {
      FChunk = line;
      FChunkStart = start;
      FChunkFrom = std::max<qsizetype>(line.toLower().indexOf("<replist"), 0);
      FeedChunk();
      return true;
    }
    if (line.endsWith('\n')) ++FLineBase;
  }
}

void TRLXmlParser::FeedChunk() {
  FFedTo = FChunk.size();
  const qsizetype close = FChunk.indexOf("</replist", FChunkFrom);
  const qsizetype end = close < 0 ? -1 : FChunk.indexOf('>', close);
  if (end >= 0) FFedTo = end + 1;
  FXml.addData(FChunk.sliced(FChunkFrom, FFedTo - FChunkFrom));
}

bool TRLXmlParser::Feed() {
  if (FFedTo < FChunk.size()) {
    FChunkFrom = FFedTo;
    FeedChunk();
    return true;
  }
  FChunkFrom = 0;
  if (FIn.isSequential()) {
    FChunkStart = -1;
    FChunk = FIn.readLine();
  } else {
    FChunkStart = FIn.pos();
    FChunk = FIn.read(kChunkBytes);
    if (!FChunk.isEmpty() && !FChunk.endsWith('\n')) FChunk += FIn.readLine();
  }
  if (FChunk.isEmpty()) return false;
  FeedChunk();
  return true;
}

QXmlStreamReader::TokenType TRLXmlParser::Next() {
  QXmlStreamReader::TokenType t = FXml.readNext();
  while (t == QXmlStreamReader::Invalid && FXml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
    if (!Feed()) Fail(QStringLiteral("the file ends inside the list (truncated)"));
    t = FXml.readNext();
  }
  if (t == QXmlStreamReader::Invalid) Fail(FXml.errorString());
  if (t == QXmlStreamReader::EntityReference) Fail(QStringLiteral("unknown entity &%1;").arg(FXml.name()));
  return t;
}

const QString& TRLXmlParser::ReadText(TRepListXmlTag tag) {
  const bool escaped =
      !FXml.attributes().isEmpty() && FXml.attributes().value(QLatin1String("esc")) == QLatin1String("1");
  FText.resize(0);
  while (true) {
    switch (Next()) {
      case QXmlStreamReader::Characters:
        FText.append(FXml.text());
        break;
      case QXmlStreamReader::EndElement:
        if (!escaped) return FText;
        if (!UnescapeText(FText, FUnescaped)) Fail(QStringLiteral("a malformed escape in ") + RepListXmlTagShown(tag));
        return FUnescaped;
      case QXmlStreamReader::StartElement:
        Fail(QStringLiteral("a tag <%1> inside ").arg(FXml.name()) + RepListXmlTagShown(tag));
      default:
        break;
    }
  }
}

void TRLXmlParser::LeaveAfterList() {
  if (FChunkStart < 0) return;
  const qsizetype end = FChunk.indexOf("</replist", FChunkFrom);
  if (end < 0) return;
  const qsizetype lineEnd = FChunk.indexOf('\n', end);
  FIn.seek(FChunkStart + (lineEnd < 0 ? FChunk.size() : lineEnd + 1));
}

bool TRLXmlParser::TryPlain() {
  const qint64 resume = FIn.pos();
  if (ReadPlainRepListXml(FIn, FChunk.mid(FChunkFrom), FImage)) return true;
  FIn.seek(resume);
  FImage = TRLFileImage();
  return false;
}

void TRLXmlParser::ParseList() {
  QXmlStreamReader::TokenType t;
  while ((t = Next()) != QXmlStreamReader::StartElement)
    if (t == QXmlStreamReader::Characters && !FXml.isWhitespace()) Fail(QStringLiteral("text before <replist>"));
  if (FXml.name() != u"replist") Fail(QStringLiteral("<%1> where <replist> was expected").arg(FXml.name()));
  FImage.DataID = FXml.attributes().value(QLatin1String("id")).toString();
  while (true) {
    t = Next();
    if (t == QXmlStreamReader::EndElement) break;
    if (t == QXmlStreamReader::Characters && !FXml.isWhitespace()) Fail(QStringLiteral("text outside the tags"));
    if (t != QXmlStreamReader::StartElement) continue;
    const TRepListXmlTag tag = RepListXmlTagOf(FXml.name());
    if (tag == xmlCell) {
      FBuilder.ExpectCell();
      const QString& text = ReadText(tag);
      FBuilder.Cell(text, FSize < 0 ? -1 : FSize - FIn.pos());
    } else if (tag != xmlInvalid && tag != xmlEndReplist) {
      FBuilder.Element(tag, ReadText(tag));
    } else {
      Fail(QStringLiteral("unknown tag <%1>").arg(FXml.name()));
    }
  }
  FBuilder.Finish();
}

void TRLXmlParser::Parse() {
  try {
    ParseList();
  } catch (const TRLXmlContentError& e) {
    Fail(e.What);
  }
  LeaveAfterList();
}

}  // namespace

bool ReadRepListXml(QIODevice& in, const QString& DataID, const QString& source, TRLFileImage& image,
                    TXmlReaders readers) {
  TRLXmlParser parser(in, source, image);
  if (!parser.FindStart(DataID)) return false;
  if (readers == TXmlReaders::PlainFirst && !in.isSequential() && parser.TryPlain()) return true;
  parser.Parse();
  return true;
}

}  // namespace vyr
