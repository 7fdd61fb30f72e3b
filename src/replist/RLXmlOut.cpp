// Escaping XML text into UTF-8 bytes.
#include "replist/RLXmlOut.h"

#include <cstring>

namespace vyr {

namespace {

// Longest bytes one UTF-16 unit may become: "&quot;".
constexpr qsizetype kMaxBytesPerUnit = 6;

char* Put(char* out, const char* text, std::size_t n) {
  std::memcpy(out, text, n);
  return out + n;
}

}  // namespace

void TXmlOut::Escaped(QStringView text, bool attribute) {
  const qsizetype had = FOut.size();
  FOut.resize(had + text.size() * kMaxBytesPerUnit);
  char* out = FOut.data() + had;
  const char16_t* p = text.utf16();
  const char16_t* const end = p + text.size();
  while (p < end) {
    if (*p >= 0x80) {
      const char16_t* const run = p;
      while (p < end && *p >= 0x80) ++p;
      out = FEncoder.appendToBuffer(out, QStringView(run, p));
      continue;
    }
    const char c = char(*p++);
    switch (c) {
      case '<': out = Put(out, "&lt;", 4); break;
      case '>': out = Put(out, "&gt;", 4); break;
      case '&': out = Put(out, "&amp;", 5); break;
      case '"': out = Put(out, "&quot;", 6); break;
      case '\t': out = attribute ? Put(out, "&#9;", 4) : Put(out, &c, 1); break;
      case '\n': out = attribute ? Put(out, "&#10;", 5) : Put(out, &c, 1); break;
      case '\r': out = attribute ? Put(out, "&#13;", 5) : Put(out, &c, 1); break;
      default: *out++ = c;
    }
  }
  FOut.resize(out - FOut.constData());
}

}  // namespace vyr
