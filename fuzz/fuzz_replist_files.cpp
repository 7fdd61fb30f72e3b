// Fuzzes the report list's file readers: the XML list reader, the CSV
// reader and the text line reader, each over a buffer of hostile bytes. None
// may crash, hang or read outside its data; a reader either refuses the
// bytes with its error or gives a list whose counts and cells agree.
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
      case 0:
        if (vyr::ReadRepListXml(buffer, (mode & 8) ? QStringLiteral("a") : QString(), "fuzz", image)) {
          CheckImage(image);
          Check(std::size_t(image.Cols) == image.Names.size(), "names and columns differ");
          Check(image.Modes.size() == image.Names.size(), "modes and names differ");
        }
        break;
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
