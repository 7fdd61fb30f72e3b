#include "BmpFiles.h"

#include <QFile>

namespace metertest {
namespace {

void Put16(QByteArray& out, int v) {
  out.append(char(v & 0xFF));
  out.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v) {
  Put16(out, int(v & 0xFFFF));
  Put16(out, int(v >> 16));
}

// One row, packed and padded to four bytes.
QByteArray Row(const BmpPicture& p, int y) {
  QByteArray row;
  const std::uint32_t* px = p.pixels.data() + size_t(y) * size_t(p.width);
  if (p.bitsPerPixel == 24) {
    for (int x = 0; x < p.width; ++x) {
      row.append(char(vyr::GetBValue(px[x])));
      row.append(char(vyr::GetGValue(px[x])));
      row.append(char(vyr::GetRValue(px[x])));
    }
  } else {
    const int perByte = 8 / p.bitsPerPixel;
    for (int x = 0; x < p.width; x += perByte) {
      unsigned byte = 0;
      for (int i = 0; i < perByte; ++i) {
        const unsigned v = x + i < p.width ? px[x + i] : 0;
        byte |= v << (8 - p.bitsPerPixel * (i + 1));
      }
      row.append(char(byte));
    }
  }
  while (row.size() % 4 != 0) row.append('\0');
  return row;
}

}  // namespace

bool WriteBmp(const QString& fileName, const BmpPicture& p) {
  QByteArray rows;
  for (int y = p.height - 1; y >= 0; --y) rows += Row(p, y);  // bottom row first
  const int paletteBytes = 4 * int(p.palette.size());
  const int offset = 14 + 40 + paletteBytes;
  QByteArray out("BM");
  Put32(out, std::uint32_t(offset + rows.size()));
  Put32(out, 0);
  Put32(out, std::uint32_t(offset));
  Put32(out, 40);
  Put32(out, std::uint32_t(p.width));
  Put32(out, std::uint32_t(p.height));
  Put16(out, 1);
  Put16(out, p.bitsPerPixel);
  Put32(out, 0);
  Put32(out, std::uint32_t(rows.size()));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, std::uint32_t(p.palette.size()));
  Put32(out, 0);
  for (vyr::TColor c : p.palette) {
    out.append(char(vyr::GetBValue(c)));
    out.append(char(vyr::GetGValue(c)));
    out.append(char(vyr::GetRValue(c)));
    out.append('\0');
  }
  out += rows;
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

BmpPicture HalvesPicture(int width, int height, int bitsPerPixel, std::vector<vyr::TColor> palette,
                         std::uint32_t left, std::uint32_t right) {
  BmpPicture p{width, height, bitsPerPixel, std::move(palette), {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.pixels.push_back(x < width / 2 ? left : right);
  return p;
}

}  // namespace metertest
