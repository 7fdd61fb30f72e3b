// Reading CSV records and plain text lines for the report list.
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "foundation/TextCut.h"
#include "replist/RLFileImage.h"

namespace vyr {

namespace {

constexpr qint64 kFirstBlockBytes = 1 << 20;

bool StartsWithBom(const QByteArray& bytes) { return bytes.startsWith("\xEF\xBB\xBF"); }

// Line breaks in bytes[from, to): LF, CR LF and a lone CR count once.
qint64 CountLineBreaks(const QByteArray& bytes, qsizetype from, qsizetype to) {
  qint64 n = 0;
  for (qsizetype i = from; i < to; ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++n;
  return n;
}

struct TCsvField {
  qsizetype From, To;  // the bytes between the quotes, if any
  bool DoubledQuotes;
};

enum class TRecordEnd { Complete, NeedMore };

class TCsvReader {
 public:
  TCsvReader(QIODevice& in, char separator, const QString& source, TRLFileImage& image)
      : FIn(in), FSep(separator), FSource(source), FImage(image) {}

  void Read(bool colHeaders, bool commonHeader);

 private:
  [[noreturn]] void Fail(qsizetype at, const QString& what) const {
    ThrowFileFormat(FSource, FLine + CountLineBreaks(FBuf, FPos, std::min(at, FBuf.size())), what);
  }
  bool ReadMore();
  // Splits the record at FPos into FFields; FEnd gets the position after it.
  TRecordEnd SplitRecord();
  // The end is taken first: decoding may move FChars.
  QStringView Decode(const TCsvField& field) {
    const qsizetype end = DecodeAt(field, 0);
    return QStringView(FChars.constData(), end);
  }
  // Decodes field into FChars from position at; returns the end.
  qsizetype DecodeAt(const TCsvField& field, qsizetype at);
  void TakeRecord();
  // Room for FCols x FRows in the image's table.
  void EnsureRoom();

  QIODevice& FIn;
  char FSep;
  const QString& FSource;
  TRLFileImage& FImage;
  QByteArray FBuf;
  qsizetype FPos = 0, FEnd = 0;
  bool FAtEnd = false;
  qint64 FBlock = kFirstBlockBytes;
  qint64 FLine = 1;  // line of the record at FPos
  std::vector<TCsvField> FFields;
  std::vector<qsizetype> FEnds;
  QByteArray FUnquoted;
  QString FChars;
  QStringDecoder FDecoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
  enum { kCommonHeader, kNames, kData } FNext = kData;
  int FCols = 0, FRows = 0;
  TTableRoom FRoom;
};

bool TCsvReader::ReadMore() {
  if (FAtEnd) return false;
  FBuf.remove(0, FPos);
  FPos = 0;
  // A random-access device says how much is left; no larger buffer then.
  const qint64 left = FIn.isSequential() ? FBlock : std::max<qint64>(FIn.bytesAvailable(), 1);
  const QByteArray more = FIn.read(std::min(FBlock, left));
  if (more.isEmpty()) {
    FAtEnd = true;
    return false;
  }
  FBuf += more;
  return true;
}

TRecordEnd TCsvReader::SplitRecord() {
  FFields.clear();
  const char* b = FBuf.constData();
  const qsizetype n = FBuf.size();
  qsizetype i = FPos;
  while (true) {
    TCsvField field{i, i, false};
    if (i < n && b[i] == '"') {
      field.From = ++i;
      while (true) {
        const char* quote = i < n ? static_cast<const char*>(std::memchr(b + i, '"', std::size_t(n - i))) : nullptr;
        if (!quote) {
          if (!FAtEnd) return TRecordEnd::NeedMore;
          Fail(field.From - 1, QStringLiteral("a quoted field is not closed (truncated)"));
        }
        i = quote - b;
        if (i + 1 >= n && !FAtEnd) return TRecordEnd::NeedMore;
        if (i + 1 < n && b[i + 1] == '"') {
          field.DoubledQuotes = true;
          i += 2;
          continue;
        }
        field.To = i++;
        break;
      }
      if (i < n && b[i] != FSep && b[i] != '\n' && b[i] != '\r') Fail(i, QStringLiteral("text after a closing quote"));
    } else {
      while (i < n && b[i] != FSep && b[i] != '\n' && b[i] != '\r') {
        if (b[i] == '"') Fail(i, QStringLiteral("a quote inside an unquoted field"));
        ++i;
      }
      field.To = i;
    }
    if (i >= n && !FAtEnd) return TRecordEnd::NeedMore;
    if (FFields.size() == std::size_t(kMaxCsvFields))
      Fail(field.From, QStringLiteral("a record of more than %1 fields").arg(kMaxCsvFields));
    FFields.push_back(field);
    if (i < n && b[i] == FSep) {
      ++i;
      continue;
    }
    if (i < n && b[i] == '\r') {
      if (i + 1 >= n && !FAtEnd) return TRecordEnd::NeedMore;
      if (i + 1 < n && b[i + 1] == '\n') ++i;
    }
    FEnd = std::min(i + 1, n);
    return TRecordEnd::Complete;
  }
}

qsizetype TCsvReader::DecodeAt(const TCsvField& field, qsizetype at) {
  QByteArrayView bytes(FBuf.constData() + field.From, field.To - field.From);
  if (field.DoubledQuotes) {
    FUnquoted = bytes.toByteArray().replace("\"\"", "\"");
    bytes = FUnquoted;
  }
  if (FChars.size() < at + bytes.size()) FChars.resize(std::max(at + bytes.size(), 2 * FChars.size()));
  FDecoder.resetState();
  const QChar* end = FDecoder.appendToBuffer(FChars.data() + at, bytes);
  if (FDecoder.hasError()) Fail(field.From, QStringLiteral("a field that is not UTF-8 text"));
  return end - FChars.constData();
}

void TCsvReader::EnsureRoom() {
  const TTableRoom room = GrownTableRoom(FRoom, FCols, FRows);
  if (room.Cols == FRoom.Cols && room.Rows == FRoom.Rows) return;
  FImage.Cells->Resize(std::max(room.Cols, 1), room.Rows);
  FRoom = room;
}

void TCsvReader::TakeRecord() {
  if (FNext == kCommonHeader) {
    FImage.CommonHeader = Decode(FFields[0]).toString();
    return;
  }
  FCols = std::max(FCols, int(FFields.size()));
  EnsureRoom();
  if (FNext == kNames) {
    FImage.Names.resize(FFields.size());
    for (std::size_t k = 0; k < FFields.size(); ++k)
      FImage.Names[k] = CutToLength(Decode(FFields[k]), kMaxColNameLength).toString();
    return;
  }
  ++FRows;
  EnsureRoom();
  // The values back to back in FChars, each cut to the longest value.
  FEnds.clear();
  qsizetype at = 0;
  for (const TCsvField& field : FFields) {
    const qsizetype end = DecodeAt(field, at);
    at += CutToLength(QStringView(FChars.constData() + at, end - at), kMaxCellValueLength).size();
    FEnds.push_back(at);
  }
  StoreRowValues(*FImage.Cells, FRows, 1, QStringView(FChars.constData(), at), FEnds);
}

void TCsvReader::Read(bool colHeaders, bool commonHeader) {
  FNext = commonHeader ? kCommonHeader : colHeaders ? kNames : kData;
  ReadMore();
  if (StartsWithBom(FBuf)) FPos = 3;
  while (FPos < FBuf.size() || ReadMore()) {
    if (SplitRecord() == TRecordEnd::NeedMore) {
      // A record longer than the block doubles it, so that reading it
      // again from its start stays linear.
      FBlock = std::max<qint64>(kFirstBlockBytes, 2 * (FBuf.size() - FPos));
      ReadMore();
      continue;
    }
    try {
      TakeRecord();
    } catch (const EVyrDStructError& e) {
      Fail(FPos, e.Message());
    }
    FLine += CountLineBreaks(FBuf, FPos, FEnd);
    FPos = FEnd;
    FNext = FNext == kCommonHeader && colHeaders ? kNames : kData;
  }
  FImage.Cols = std::max(FCols, 1);
  FImage.Rows = FRows;
  FImage.Cells->Resize(FImage.Cols, FRows);
}

}  // namespace

TTableRoom GrownTableRoom(TTableRoom have, int cols, int rows) {
  if (cols <= have.Cols && rows <= have.Rows) return have;
  TTableRoom room = have;
  if (cols > have.Cols) room.Cols = have.Cols ? std::max(cols, 2 * have.Cols) : cols;
  if (rows > have.Rows) room.Rows = std::max({rows, 2 * have.Rows, 1024});
  if ((qint64{room.Cols} + 1) * (qint64{room.Rows} + 1) > TStringArray::kMaxCells) room = {cols, rows};
  return room;
}

char CsvSeparator(TCSVDelimiters delimiter) {
  switch (delimiter) {
    case csvComma: return ',';
    case csvSemicolon: return ';';
    case csvTab: return '\t';
    case csvSpace: return ' ';
  }
  return '\0';
}

void ReadCsv(QIODevice& in, char separator, bool colHeaders, bool commonHeader, const QString& source,
             TRLFileImage& image) {
  TCsvReader(in, separator, source, image).Read(colHeaders, commonHeader);
}

std::vector<QString> ReadTextLines(QIODevice& in, const QString& source, int maxLength) {
  const QByteArray bytes = in.readAll();
  std::vector<QString> lines;
  qsizetype i = StartsWithBom(bytes) ? 3 : 0;
  qint64 line = 1;
  while (i < bytes.size()) {
    qsizetype end = i;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    const QByteArrayView text(bytes.constData() + i, end - i);
    if (!text.isValidUtf8()) ThrowFileFormat(source, line, QStringLiteral("the line is not UTF-8 text"));
    lines.push_back(CutToLength(QString::fromUtf8(text), maxLength));
    i = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    ++line;
  }
  return lines;
}

}  // namespace vyr
