#pragma once
// Writes uncompressed BMP files byte by byte, so that tests can make
// pictures of 1, 4, 8 and 24 bits per pixel without relying on an encoder.
#include <QString>
#include <cstdint>
#include <vector>

#include "host/Color.h"

namespace metertest {

struct BmpPicture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;              // 1, 4, 8 or 24
  std::vector<vyr::TColor> palette;   // for 1, 4 and 8 bits
  std::vector<std::uint32_t> pixels;  // top row first: palette indices, or 0x00BBGGRR colours at 24 bits
};

// Writes the picture; false when the file cannot be written.
bool WriteBmp(const QString& fileName, const BmpPicture& picture);

// A picture whose left half has value left and right half value right.
BmpPicture HalvesPicture(int width, int height, int bitsPerPixel, std::vector<vyr::TColor> palette,
                         std::uint32_t left, std::uint32_t right);

}  // namespace metertest
