// Fuzzes the number scanners, validity routines and formatters: none may
// crash, read outside the text (the text sits in a buffer of exactly its
// size, so AddressSanitizer sees any overrun) or leave Pos outside
// 1..length+1; every scanned value stays finite and inside the double range.
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "foundation/Constants.h"
#include "foundation/NumChars.h"
#include "foundation/NumRoutines.h"

namespace {

char16_t gSystemSeparator = u'.';  // chosen by each input

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_numbers: %s\n", what);
  std::abort();
}

void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

// Reads a little-endian value from the front of the input, zero when short.
template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  const std::size_t n = size < sizeof(T) ? size : sizeof(T);
  if (n > 0) std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

void CheckPos(const QString& text, qsizetype pos, const char* routine) {
  Check(pos >= 1 && pos <= text.size() + 1, routine);
}

using IntScanner = std::int32_t (*)(const QString&, qsizetype&);

struct NamedScanner {
  IntScanner scan;
  const char* posFault;
};

constexpr NamedScanner kIntScanners[] = {
    {vyr::ScanDecimalInt, "ScanDecimalInt leaves Pos outside the text"},
    {vyr::ScanHexInt, "ScanHexInt leaves Pos outside the text"},
    {vyr::ScanOctInt, "ScanOctInt leaves Pos outside the text"},
    {vyr::ScanBinInt, "ScanBinInt leaves Pos outside the text"},
};

void FuzzScanners(const QString& text, qsizetype start, bool allowExponent, vyr::TDecPSep mode) {
  qsizetype pos = start;
  const double value = vyr::ScanFloat(text, allowExponent, mode, pos);
  CheckPos(text, pos, "ScanFloat leaves Pos outside the text");
  Check(std::isfinite(value) && std::fabs(value) <= vyr::uc_MaxDouble, "ScanFloat value out of range");
  for (const NamedScanner& scanner : kIntScanners) {
    pos = start;
    scanner.scan(text, pos);
    CheckPos(text, pos, scanner.posFault);
  }
}

// A text a digits-only validity routine accepts is read whole by its scanner.
struct WholeTextPair {
  bool (*valid)(const QString&);
  IntScanner scan;
  const char* what;
};

constexpr WholeTextPair kWholeTextPairs[] = {
    {vyr::IsIntText, vyr::ScanDecimalInt, "ScanDecimalInt stops inside an integer text"},
    {vyr::IsHexText, vyr::ScanHexInt, "ScanHexInt stops inside a hex text"},
    {vyr::IsOctText, vyr::ScanOctInt, "ScanOctInt stops inside an octal text"},
    {vyr::IsBinText, vyr::ScanBinInt, "ScanBinInt stops inside a binary text"},
};

void FuzzValidity(const QString& text, bool allowExponent, vyr::TDecPSep mode) {
  vyr::IsFloatText(text, allowExponent, mode);
  vyr::IsFixedText(text, mode);
  for (const WholeTextPair& pair : kWholeTextPairs) {
    if (!pair.valid(text)) continue;
    qsizetype pos = 1;
    pair.scan(text, pos);
    Check(pos == text.size() + 1, pair.what);
  }
}

// Digits read back give the value again; a field is never empty.
void FuzzFormatters(std::int32_t width, std::int32_t decimals, double value, std::uint32_t bits) {
  Check(!vyr::FormatFloatField(width, decimals, value).isEmpty(), "FormatFloatField gives an empty text");
  qsizetype pos = 1;
  Check(vyr::ScanHexInt(vyr::HexDigits(bits, 8), pos) == static_cast<std::int32_t>(bits), "hex round trip");
  pos = 1;
  Check(vyr::ScanOctInt(vyr::OctDigits(bits, 11), pos) == static_cast<std::int32_t>(bits), "octal round trip");
  pos = 1;
  Check(vyr::ScanBinInt(vyr::BinDigits(bits, 32), pos) == static_cast<std::int32_t>(bits), "binary round trip");
}

}  // namespace

// Stands in for the application's service, which needs the whole host layer.
char16_t vyr::num::SystemDecimalSeparator() { return gSystemSeparator; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto flags = Take<std::uint8_t>(data, size);
  const auto start = static_cast<qsizetype>(Take<std::int16_t>(data, size));
  const bool allowExponent = flags & 1;
  const auto mode = static_cast<vyr::TDecPSep>((flags >> 1) & 7);  // ordinals above dsBoth included
  const bool wide = flags & 16;  // the text as UTF-16 pairs, else one byte a character
  gSystemSeparator = flags & 64 ? u',' : u'.';

  if (flags & 32) {
    const auto width = Take<std::int32_t>(data, size);
    const auto decimals = Take<std::int32_t>(data, size);
    const auto value = Take<double>(data, size);
    FuzzFormatters(width, decimals, value, Take<std::uint32_t>(data, size));
    return 0;
  }

  const std::size_t length = wide ? size / 2 : size;
  const auto chars = std::make_unique<char16_t[]>(length);
  for (std::size_t i = 0; i < length; ++i)
    chars[i] = wide ? static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8) : data[i];
  const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(chars.get()), qsizetype(length));

  FuzzScanners(text, start, allowExponent, mode);
  FuzzValidity(text, allowExponent, mode);
  return 0;
}
