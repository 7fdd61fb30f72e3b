// Fuzzes the report list's file readers: the XML list reader, the CSV
// reader and the text line reader, each over a buffer of hostile bytes. None
// may crash, hang or read outside its data; a reader either refuses the
// bytes with its error or gives a list whose counts and cells agree. The
// XML bytes are read twice, plain reader first and general reader only:
// both must find the same list (or the same error) and leave the device at
// the same place.
#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "replist/RLFileCheck.h"
#include "replist/RLFileImage.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_replist_files: %s\n", what);
  std::abort();
}

struct TXmlOutcome {
  bool Found = false;
  QString Error;
  qint64 Pos = -1;
  vyr::TRLFileImage Image;
};

TXmlOutcome ReadXml(const QByteArray& bytes, const QString& id, vyr::TXmlReaders readers) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  TXmlOutcome outcome;
  try {
    outcome.Found = vyr::ReadRepListXml(buffer, id, "fuzz", outcome.Image, readers);
  } catch (const vyr::EVyrRLDataError& e) {
    outcome.Error = e.Message();
  }
  outcome.Pos = buffer.pos();
  return outcome;
}

void CheckSameXml(const TXmlOutcome& a, const TXmlOutcome& b) {
  Check(a.Found == b.Found && a.Error == b.Error && a.Pos == b.Pos, "the XML readers differ in outcome");
  if (!a.Found) return;
  const vyr::TRLFileImage &x = a.Image, &y = b.Image;
  Check(x.Cols == y.Cols && x.Rows == y.Rows && x.DataID == y.DataID && x.CommonHeader == y.CommonHeader &&
            x.Comment == y.Comment && x.Names == y.Names && x.Formats == y.Formats && x.Modes == y.Modes,
        "the XML readers differ in the list");
  for (int r = 1; r <= x.Rows; ++r)
    for (int c = 0; c <= x.Cols; ++c)
      Check(x.Cells->GetStringView(c, r) == y.Cells->GetStringView(c, r), "the XML readers differ in a cell");
}

void CheckImage(const vyr::TRLFileImage& image) {
  Check(image.Cols >= 0 && image.Rows >= 0, "negative counts");
  Check(image.Cells->NrOfRows() == image.Rows, "row count and cells differ");
  Check(image.Cells->NrOfColumns() >= image.Cols, "fewer cell columns than columns");
  for (int r = 1; r <= image.Rows; ++r)
    for (int c = 0; c <= image.Cols; ++c) Check(image.Cells->GetStringView(c, r).size() <= 256, "a cell too long");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t mode = data[0];
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  vyr::TRLFileImage image;
  try {
    switch (mode % 3) {
      case 0: {
        const QString id = (mode & 8) ? QStringLiteral("a") : QString();
        const TXmlOutcome plain = ReadXml(bytes, id, vyr::TXmlReaders::PlainFirst);
        CheckSameXml(plain, ReadXml(bytes, id, vyr::TXmlReaders::GeneralOnly));
        if (!plain.Error.isEmpty())
          Check(plain.Error.contains(QStringLiteral("fuzz, line ")), "an error without file and line");
        if (plain.Found) {
          CheckImage(plain.Image);
          Check(std::size_t(plain.Image.Cols) == plain.Image.Names.size(), "names and columns differ");
          Check(plain.Image.Modes.size() == plain.Image.Names.size(), "modes and names differ");
        }
        break;
      }
      case 1: {
        const char separator = vyr::CsvSeparator(vyr::TCSVDelimiters((mode >> 2) & 3));
        vyr::ReadCsv(buffer, separator, mode & 16, mode & 32, "fuzz", image);
        CheckImage(image);
        break;
      }
      default: {
        const auto lines = vyr::ReadTextLines(buffer, "fuzz", 255);
        for (const QString& line : lines) Check(line.size() <= 255, "a line too long");
        buffer.seek(0);
        vyr::CheckIfValidReplist(buffer, QStringLiteral("x"));
      }
    }
  } catch (const vyr::EVyrRLDataError& e) {
    Check(e.Message().contains(QStringLiteral("fuzz, line ")), "an error without file and line");
  }
  return 0;
}
