#pragma once
// A report list as a reader builds it from a file, apart from any store: a
// reader fills a new image and the store takes it over only when the whole
// file was read, so a refused file leaves the store as it was. The readers
// need nothing but QtCore and the string table.
#include <QChar>
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

#include "foundation/StringArray.h"
#include "replist/RLData.h"

namespace vyr {

struct TRLFileImage {
  int Cols = 1;
  int Rows = 0;
  QString CommonHeader, Comment, DataID;
  std::vector<QString> Names, Formats;  // column c at c - 1
  std::vector<TCheckMode> Modes;
  // Stored strings (marks included) of columns 0..Cols, rows 1..Rows.
  std::unique_ptr<TStringArray> Cells = std::make_unique<TStringArray>();
};

// A file that does not hold what its reader expects: "<source>, line <n>:
// <what>".
[[noreturn]] void ThrowFileFormat(const QString& source, qint64 line, const QString& what);

// Stores the values of one row, value k (text up to ends[k], from the end
// of value k - 1) in column firstCol + k, with one allocation of the row's
// block. Empty values stay unset.
void StoreRowValues(TStringArray& cells, int row, int firstCol, QStringView text, const std::vector<qsizetype>& ends);

// Reads the next report list from the device's position: lines are skipped
// up to one that opens a list whose identifier matches DataID (see
// RLFileCheck.h), then the list is parsed up to its closing tag. False when
// no such list follows. A random-access device is left after the closing
// tag's line, a sequential one after that line too (it is read line by line).
// A random-access device is read by the plain reader first (RLXmlPlain.h)
// unless readers says otherwise.
enum class TXmlReaders { PlainFirst, GeneralOnly };
bool ReadRepListXml(QIODevice& in, const QString& DataID, const QString& source, TRLFileImage& image,
                    TXmlReaders readers = TXmlReaders::PlainFirst);

// The room a reader makes in its table for cols x rows when it has made
// have: what grows doubles (the reader trims the table at the end), but
// never past the table's cell limit -- then it is just cols x rows, so that
// every file within the limit can be read.
struct TTableRoom {
  int Cols = 0, Rows = 0;
};
TTableRoom GrownTableRoom(TTableRoom have, int cols, int rows);

// The field separator of a delimiter; '\0' for an unknown ordinal.
char CsvSeparator(TCSVDelimiters delimiter);

// Most fields a CSV record may have: columns beyond it are refused.
constexpr int kMaxCsvFields = 16384;

// Reads CSV records (RFC 4180, UTF-8, an optional byte-order mark) into the
// image's cells from column 1 on: first, as asked, a common header record
// (its first field) and a column name record; the columns are as many as
// the widest record has fields.
void ReadCsv(QIODevice& in, char separator, bool colHeaders, bool commonHeader, const QString& source,
             TRLFileImage& image);

// Lines of UTF-8 text (LF, CR LF or CR; an optional byte-order mark), each
// cut to maxLength characters.
std::vector<QString> ReadTextLines(QIODevice& in, const QString& source, int maxLength);

}  // namespace vyr
