// TRLData: the report list file (writing, reading, taking over what was read).
#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "host/Exception.h"
#include "replist/RLFileImage.h"
#include "replist/RLXmlOut.h"
#include "replist/RLXmlTags.h"

namespace vyr {

namespace {

// Bytes gathered before they go to the device: a device write per tag would
// cost more than the tags.
constexpr qsizetype kFlushBytes = 1 << 18;

// The forms of one tag, made once: a list writes millions of cells.
struct TTagForms {
  explicit TTagForms(TRepListXmlTag tag) {
    const QByteArrayView name = RepListXmlTagBytes(tag);
    Open = QByteArray("<").append(name).append(">");
    Escaped = QByteArray("<").append(name).append(" esc=\"1\">");
    Close = QByteArray("</").append(name).append(">");
    Empty = QByteArray("<").append(name).append("/>");
  }
  QByteArray Open, Escaped, Close, Empty;
};

// <tag>text</tag>, <tag/> for an empty text, <tag esc="1">...</tag> for a
// text XML cannot carry as it is.
void WriteText(TXmlOut& xml, const TTagForms& tag, QStringView text) {
  if (text.isEmpty()) {
    xml.Raw(tag.Empty);
  } else if (NeedsEscape(text)) {
    xml.Raw(tag.Escaped);
    xml.Text(EscapeText(text));
    xml.Raw(tag.Close);
  } else {
    xml.Raw(tag.Open);
    xml.Text(text);
    xml.Raw(tag.Close);
  }
}

// An error of the store, naming it and, by the caller's message, the file.
[[noreturn]] void Raise(const QString& name, const QString& what) {
  throw EVyrRLDataError(ComponentMessage(name, what));
}

}  // namespace

void TRLData::WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID) const {
  if (NeedsEscape(DataID)) Raise(Name(), QStringLiteral("the data identifier holds a character a file cannot hold"));
  TXmlOut xml;
  QByteArray& bytes = xml.Bytes();
  bool failed = false;
  const auto flush = [&] {
    failed |= OutStream.write(bytes) != bytes.size();
    bytes.resize(0);
  };
  if (CreateHeader) xml.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  xml.Raw("<replist id=\"");
  xml.AttributeValue(DataID);
  xml.Raw("\" format=\"vyrkitset\">\n");
  WriteText(xml, TTagForms(xmlNumCols), QString::number(FNrOfCols));
  WriteText(xml, TTagForms(xmlNumRows), QString::number(FNrOfRows));
  xml.Raw("\n");
  WriteText(xml, TTagForms(xmlCommonHd), FCommonHeader);
  xml.Raw("\n");
  WriteText(xml, TTagForms(xmlComment), Comment);
  xml.Raw("\n");
  const TTagForms nameTag(xmlColName), formatTag(xmlColumnFormat), modeTag(xmlCheckedColumn), cellTag(xmlCell);
  for (int c = 1; c <= FNrOfCols; ++c) {
    const TColumnMeta& column = FColumns[std::size_t(c - 1)];
    WriteText(xml, nameTag, column.Name);
    WriteText(xml, formatTag, column.Format);
    WriteText(xml, modeTag, CheckModeWord(column.CheckMode));
    xml.Raw("\n");
  }
  for (int r = 1; r <= FNrOfRows; ++r) {
    for (int c = 0; c <= FNrOfCols; ++c) WriteText(xml, cellTag, FStrings->GetStringView(c, r));
    xml.Raw("\n");
    if (bytes.size() >= kFlushBytes) flush();
  }
  xml.Raw("</replist>\n");
  flush();
  if (failed) throw EInOutError(QStringLiteral("cannot write the list: the stream refused the data"));
}

void TRLData::WriteToOpenXMLFile(QFile& F, bool CreateHeader, const QString& DataID) const {
  WriteToXMLStream(F, CreateHeader, DataID);
  if (F.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("cannot write \"%1\": %2").arg(F.fileName(), F.errorString()));
}

void TRLData::SaveAsXMLFile(const QString& FName, const QString& DataID) const {
  QSaveFile file(FName);
  if (!file.open(QIODevice::WriteOnly))
    throw EInOutError(QStringLiteral("cannot create \"%1\": %2").arg(FName, file.errorString()));
  WriteToXMLStream(file, true, DataID);
  if (!file.commit()) throw EInOutError(QStringLiteral("cannot write \"%1\": %2").arg(FName, file.errorString()));
}

bool TRLData::ReadFromXMLStream(QIODevice& InStream, const QString& DataID) {
  TRLFileImage image;
  bool found = false;
  try {
    found = ReadRepListXml(InStream, DataID, QStringLiteral("stream"), image);
  } catch (const EVyrRLDataError& e) {
    Raise(Name(), e.Message());
  }
  if (found) TakeFileImage(std::move(image));
  return found;
}

bool TRLData::ReadFromOpenXMLFile(QFile& F, const QString& DataID) {
  TRLFileImage image;
  bool found = false;
  try {
    found = ReadRepListXml(F, DataID, QStringLiteral("\"%1\"").arg(F.fileName()), image);
  } catch (const EVyrRLDataError& e) {
    Raise(Name(), e.Message());
  }
  if (F.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("cannot read \"%1\": %2").arg(F.fileName(), F.errorString()));
  if (found) TakeFileImage(std::move(image));
  return found;
}

bool TRLData::LoadFromXMLFile(const QString& FName, const QString& DataID) {
  QFile file(FName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("cannot open \"%1\": %2").arg(FName, file.errorString()));
  return ReadFromOpenXMLFile(file, DataID);
}

bool TRLData::ReadFromXMLString(const QString& InString, const QString& DataID) {
  QByteArray bytes = InString.toUtf8();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TRLFileImage image;
  bool found = false;
  try {
    found = ReadRepListXml(buffer, DataID, QStringLiteral("text"), image);
  } catch (const EVyrRLDataError& e) {
    Raise(Name(), e.Message());
  }
  if (found) TakeFileImage(std::move(image));
  return found;
}

void TRLData::TakeFileImage(TRLFileImage&& image) {
  const int cols = std::max(image.Cols, 0), rows = std::max(image.Rows, 0);
  std::unique_ptr<TStringArray> cells = std::move(image.Cells);
  std::vector<TColumnMeta> columns;
  try {
    cells->Resize(std::max(cols, 1), rows);
    cells->SetAllocRowsBy(FStrings->AllocRowsBy());
    columns.resize(std::size_t(cols));
    for (int c = 0; c < cols; ++c) {
      const auto at = [c](const auto& list, auto fallback) { return std::size_t(c) < list.size() ? list[c] : fallback; };
      columns[std::size_t(c)] = {at(image.Names, QString()), at(image.Formats, QString()), at(image.Modes, cmNone)};
    }
  } catch (const std::bad_alloc&) {
    Raise(Name(), QStringLiteral("not enough memory on heap"));
  }
  AdoptTable(std::move(cells), cols, rows, std::move(columns));
  FSortColumn = FSortColumnSec = -1;
  FSortOrder = true;
  FCommonHeader = image.CommonHeader;
  Comment = image.Comment;
  DataID = image.DataID;
  if (FStrings->OnChange) FStrings->OnChange(FStrings.get());
}

}  // namespace vyr
