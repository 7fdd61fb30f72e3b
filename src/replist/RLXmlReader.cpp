// Reading a report list from its XML file into a TRLFileImage.
#include <QXmlStreamReader>
#include <algorithm>

#include "foundation/TextCut.h"
#include "replist/RLFileCheck.h"
#include "replist/RLFileImage.h"
#include "replist/RLXmlTags.h"

namespace vyr {

namespace {

// Bytes read at a time from a random-access device (then to the end of the
// line).
constexpr qint64 kChunkBytes = 1 << 16;
// The shortest cell a file can hold: "<cell/>".
constexpr qint64 kMinCellBytes = 7;

class TRLXmlParser {
 public:
  TRLXmlParser(QIODevice& in, const QString& source, TRLFileImage& image) : FIn(in), FSource(source), FImage(image) {
    FXml.setNamespaceProcessing(false);
  }

  // Finds the start line of a list with the wanted identifier; false if
  // none follows.
  bool FindStart(const QString& DataID);
  void Parse();

 private:
  [[noreturn]] void Fail(const QString& what) const { ThrowFileFormat(FSource, FLineBase + FXml.lineNumber(), what); }
  bool Feed();
  QXmlStreamReader::TokenType Next();
  // The text of the element tag just opened, up to its end tag.
  const QString& ReadText(TRepListXmlTag tag);
  int ReadCount(TRepListXmlTag tag);
  void ReadColumnItem(TRepListXmlTag tag);
  void ReadCell();
  void StartCells();
  void Finish();
  void LeaveAfterList();
  QString Tag(TRepListXmlTag tag) const { return QLatin1Char('<') + RepListXmlTagText(tag) + QLatin1Char('>'); }

  QIODevice& FIn;
  const QString& FSource;
  TRLFileImage& FImage;
  QXmlStreamReader FXml;
  qint64 FLineBase = 0;        // lines before the start line
  QByteArray FChunk;           // the data fed last
  qint64 FChunkStart = -1;     // its position in the device
  qsizetype FChunkFrom = 0;    // where feeding began inside it
  QString FText, FUnescaped;
  int FCols = -1, FRows = -1;
  qint64 FCells = 0;
  int FAllocRows = 0;
  bool FCellsStarted = false;
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
      FXml.addData(line.mid(FChunkFrom));
      return true;
    }
    if (line.endsWith('\n')) ++FLineBase;
  }
}

bool TRLXmlParser::Feed() {
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
  FXml.addData(FChunk);
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
        if (!UnescapeText(FText, FUnescaped)) Fail(QStringLiteral("a malformed escape in ") + Tag(tag));
        return FUnescaped;
      case QXmlStreamReader::StartElement:
        Fail(QStringLiteral("a tag <%1> inside ").arg(FXml.name()) + Tag(tag));
      default:
        break;
    }
  }
}

int TRLXmlParser::ReadCount(TRepListXmlTag tag) {
  bool ok = false;
  const int value = ReadText(tag).trimmed().toInt(&ok);
  if (!ok || value < 0) Fail(Tag(tag) + QStringLiteral(" does not hold a count"));
  return value;
}

void TRLXmlParser::ReadColumnItem(TRepListXmlTag tag) {
  if (FCols < 0) Fail(Tag(tag) + QStringLiteral(" before <numcols>"));
  if (FCellsStarted) Fail(Tag(tag) + QStringLiteral(" after the cells"));
  const QString& text = ReadText(tag);
  if (tag == xmlColName) {
    if (int(FImage.Names.size()) == FCols) Fail(QStringLiteral("more column names than <numcols>"));
    FImage.Names.push_back(CutToLength(text, kMaxColNameLength));
  } else if (tag == xmlColumnFormat) {
    if (int(FImage.Formats.size()) == FCols) Fail(QStringLiteral("more column formats than <numcols>"));
    FImage.Formats.push_back(CutToLength(text, kMaxColFormatLength));
  } else {
    if (int(FImage.Modes.size()) == FCols) Fail(QStringLiteral("more check modes than <numcols>"));
    const int mode = CheckModeOfWord(text.trimmed());
    if (mode < 0) Fail(QStringLiteral("unknown check mode \"%1\"").arg(text));
    FImage.Modes.push_back(TCheckMode(mode));
  }
}

void TRLXmlParser::StartCells() {
  if (FCols < 0 || FRows < 0) Fail(QStringLiteral("cells before <numcols> and <numrows>"));
  const auto complete = [this](std::size_t n) { return n == std::size_t(FCols); };
  if (!complete(FImage.Names.size()) || !complete(FImage.Formats.size()) || !complete(FImage.Modes.size()))
    Fail(QStringLiteral("%1 columns, but %2 names, %3 formats and %4 check modes before the cells")
             .arg(FCols)
             .arg(FImage.Names.size())
             .arg(FImage.Formats.size())
             .arg(FImage.Modes.size()));
  FCellsStarted = true;
}

void TRLXmlParser::ReadCell() {
  if (!FCellsStarted) StartCells();
  const qint64 perRow = qint64{FCols} + 1;
  const int r = int(FCells / perRow) + 1, c = int(FCells % perRow);
  if (r > FRows) Fail(QStringLiteral("more cells than %1 rows of %2").arg(FRows).arg(perRow));
  if (r > FAllocRows) {
    // Room grows with the cells the file holds, never beyond what the rest
    // of a random-access file could hold.
    qint64 want = std::max<qint64>(qint64{FAllocRows} * 2, 1024);
    if (!FIn.isSequential()) want = std::min(want, r + (FIn.size() - FIn.pos()) / (kMinCellBytes * perRow) + 1);
    FAllocRows = int(std::clamp<qint64>(want, r, FRows));
    FImage.Cells->Resize(std::max(FCols, 1), FAllocRows);
  }
  const QString& text = ReadText(xmlCell);
  const bool marked = c >= 1 && FImage.Modes[std::size_t(c - 1)] != cmNone;
  const QStringView stored = CutToLength(QStringView(text), kMaxCellValueLength + (marked ? 1 : 0));
  if (!stored.isEmpty())
    FImage.Cells->SetString(c, r, QString::fromRawData(reinterpret_cast<const QChar*>(stored.data()), stored.size()));
  ++FCells;
}

void TRLXmlParser::Finish() {
  if (FCols < 0 || FRows < 0) Fail(QStringLiteral("the list lacks <numcols> or <numrows>"));
  if (!FCellsStarted) StartCells();
  const qint64 expected = (qint64{FCols} + 1) * FRows;
  if (FCells != expected) Fail(QStringLiteral("%1 cells where %2 rows need %3").arg(FCells).arg(FRows).arg(expected));
  FImage.Cols = FCols;
  FImage.Rows = FRows;
  FImage.Cells->Resize(std::max(FCols, 1), FRows);
}

void TRLXmlParser::LeaveAfterList() {
  if (FChunkStart < 0) return;
  const qsizetype end = FChunk.indexOf("</replist", FChunkFrom);
  if (end < 0) return;
  const qsizetype lineEnd = FChunk.indexOf('\n', end);
  FIn.seek(FChunkStart + (lineEnd < 0 ? FChunk.size() : lineEnd + 1));
}

void TRLXmlParser::Parse() {
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
    switch (tag) {
      case xmlNumCols:
      case xmlNumRows: {
        int& count = tag == xmlNumCols ? FCols : FRows;
        if (count >= 0) Fail(Tag(tag) + QStringLiteral(" given twice"));
        count = ReadCount(tag);
        if (FCols >= 0 && FRows >= 0 && (qint64{FCols} + 1) * (qint64{FRows} + 1) > TStringArray::kMaxCells)
          Fail(QStringLiteral("a list of %1 columns and %2 rows is too large").arg(FCols).arg(FRows));
        break;
      }
      case xmlCommonHd:
        FImage.CommonHeader = ReadText(tag);
        break;
      case xmlComment:
        FImage.Comment = ReadText(tag);
        break;
      case xmlColName:
      case xmlColumnFormat:
      case xmlCheckedColumn:
        ReadColumnItem(tag);
        break;
      case xmlCell:
        ReadCell();
        break;
      default:
        Fail(QStringLiteral("unknown tag <%1>").arg(FXml.name()));
    }
  }
  Finish();
  LeaveAfterList();
}

}  // namespace

void ThrowFileFormat(const QString& source, qint64 line, const QString& what) {
  throw EVyrRLDataError(QStringLiteral("%1, line %2: %3").arg(source).arg(line).arg(what));
}

bool ReadRepListXml(QIODevice& in, const QString& DataID, const QString& source, TRLFileImage& image) {
  TRLXmlParser parser(in, source, image);
  if (!parser.FindStart(DataID)) return false;
  parser.Parse();
  return true;
}

}  // namespace vyr
