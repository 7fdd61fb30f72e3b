// TRLData: CSV export and import, lines of a text file into a column.
#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>
#include <algorithm>
#include <climits>

#include "host/Exception.h"
#include "replist/RLFileImage.h"

namespace vyr {

namespace {

constexpr qsizetype kFlushBytes = 1 << 20;

QString Quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

class TCsvWriter {
 public:
  // Starts with a byte-order mark: spreadsheets then read the text as UTF-8.
  TCsvWriter(QIODevice& out, char separator) : FOut(out), FSep(separator), FBuf("\xEF\xBB\xBF") {}

  void Field(QStringView text, bool first) {
    if (!first) FBuf.append(FSep);
    bool quote = false;
    for (QChar c : text) {
      const char16_t u = c.unicode();
      if (u == u'"' || u == u'\r' || u == u'\n' || u == char16_t(FSep)) {
        quote = true;
        break;
      }
    }
    if (!quote) {
      Append(text);
      return;
    }
    FBuf.append('"');
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(u'"', from)) >= 0; from = at + 1) {
      Append(text.mid(from, at + 1 - from));
      FBuf.append('"');
    }
    Append(text.mid(from));
    FBuf.append('"');
  }
  void EndRecord() {
    FBuf.append("\r\n");
    if (FBuf.size() >= kFlushBytes) Flush();
  }
  void Flush() {
    if (FOut.write(FBuf) != FBuf.size()) FFailed = true;
    FBuf.clear();
  }
  bool Failed() const { return FFailed; }

 private:
  void Append(QStringView text) {
    const qsizetype old = FBuf.size();
    FBuf.resize(old + 3 * text.size());
    char* end = FEncoder.appendToBuffer(FBuf.data() + old, text);
    FBuf.truncate(end - FBuf.constData());
  }

  QIODevice& FOut;
  char FSep;
  QByteArray FBuf;
  // Stateless: each field is encoded on its own, a lone surrogate at its end
  // becoming U+FFFD there instead of at the start of the next field.
  QStringEncoder FEncoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
  bool FFailed = false;
};

char SeparatorOrRaise(TCSVDelimiters Delimiter, const QString& name) {
  const char sep = CsvSeparator(Delimiter);
  if (!sep) throw EVyrRLDataError(ComponentMessage(name, QStringLiteral("invalid CSV delimiter %1").arg(int(Delimiter))));
  return sep;
}

}  // namespace

int TRLData::ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                       bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow) const {
  const char sep = SeparatorOrRaise(Delimiter, Name());
  FirstCol = std::max(FirstCol, 1);
  LastCol = std::min(LastCol, FNrOfCols);
  FirstRow = std::max(FirstRow, 1);
  LastRow = std::min(LastRow, FNrOfRows);
  QSaveFile file(FName);
  if (!file.open(QIODevice::WriteOnly))
    throw EInOutError(QStringLiteral("cannot create %1: %2").arg(Quoted(FName), file.errorString()));
  TCsvWriter csv(file, sep);
  if (IncludeCommonHeader) {
    csv.Field(FCommonHeader, true);
    csv.EndRecord();
  }
  if (IncludeColHeaders && FirstCol <= LastCol) {
    for (int c = FirstCol; c <= LastCol; ++c) csv.Field(GetColName(c), c == FirstCol);
    csv.EndRecord();
  }
  for (int r = FirstRow; r <= LastRow && FirstCol <= LastCol; ++r) {
    for (int c = FirstCol; c <= LastCol; ++c) {
      const QStringView stored = FStrings->GetStringView(c, r);
      csv.Field(IsCheckColumn(c) && !stored.isEmpty() ? stored.mid(1) : stored, c == FirstCol);
    }
    csv.EndRecord();
  }
  csv.Flush();
  if (csv.Failed() || !file.commit())
    throw EInOutError(QStringLiteral("cannot write %1: %2").arg(Quoted(FName), file.errorString()));
  return FirstCol <= LastCol ? std::max(LastRow - FirstRow + 1, 0) : 0;
}

int TRLData::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                       bool IncludeCommonHeader) {
  const char sep = SeparatorOrRaise(Delimiter, Name());
  QFile file(FName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("cannot open %1: %2").arg(Quoted(FName), file.errorString()));
  TRLFileImage image;
  try {
    ReadCsv(file, sep, IncludeColHeaders, IncludeCommonHeader, Quoted(FName), image);
  } catch (const EVyrRLDataError& e) {
    throw EVyrRLDataError(ComponentMessage(Name(), e.Message()));
  }
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("cannot read %1: %2").arg(Quoted(FName), file.errorString()));
  // Columns that stay keep their format and check mode (cells come
  // unchecked), and their name unless the file names them.
  const int cols = image.Cols;
  const int named = IncludeColHeaders ? int(image.Names.size()) : 0;
  QString marked;  // one buffer for every marked cell
  image.Names.resize(std::size_t(cols));
  image.Formats.resize(std::size_t(cols));
  image.Modes.resize(std::size_t(cols), cmNone);
  for (int c = 1; c <= cols; ++c) {
    const std::size_t k = std::size_t(c - 1);
    if (c > named) image.Names[k] = c <= FNrOfCols ? GetColName(c) : QStringLiteral("C-%1").arg(c);
    image.Formats[k] = GetColumnFormat(c);
    image.Modes[k] = GetColCheckMode(c);
    if (image.Modes[k] == cmNone) continue;
    for (int r = 1; r <= image.Rows; ++r) {
      const QStringView value = image.Cells->GetStringView(c, r);
      if (value.isEmpty()) continue;
      marked.resize(0);
      marked.append(u' ').append(value);
      image.Cells->SetString(c, r, marked);
    }
  }
  if (!IncludeCommonHeader) image.CommonHeader = FCommonHeader;
  image.Comment = Comment;
  image.DataID = DataID;
  const int rows = image.Rows;
  TakeFileImage(std::move(image));
  return rows;
}

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const QString& FName) {
  if (Column < 0 || Column > FNrOfCols) return 0;
  QFile file(FName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("cannot open %1: %2").arg(Quoted(FName), file.errorString()));
  std::vector<QString> lines;
  try {
    lines = ReadTextLines(file, Quoted(FName), kMaxCellValueLength);
  } catch (const EVyrRLDataError& e) {
    throw EVyrRLDataError(ComponentMessage(Name(), e.Message()));
  }
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("cannot read %1: %2").arg(Quoted(FName), file.errorString()));
  const int first = std::clamp(FirstRow, 1, FNrOfRows + 1);
  const qint64 last = first + qint64(lines.size()) - 1;
  if (last > INT_MAX - 1) throw EVyrRLDataError(ComponentMessage(Name(), QStringLiteral("too many lines")));
  TStringArrayUpdate update(*FStrings);
  if (last > FNrOfRows) SetNrRows(int(last));
  for (std::size_t k = 0; k < lines.size(); ++k) SetElem(Column, first + int(k), lines[k]);
  return int(lines.size());
}

}  // namespace vyr
