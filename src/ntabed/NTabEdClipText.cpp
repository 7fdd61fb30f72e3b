#include "ntabed/NTabEdClipText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <QByteArray>

#include "foundation/NumRoutines.h"

namespace vyr {

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Reads a number at [p, end) and moves p past it; false (p unchanged) when
// no number starts there. ok is false for a number beyond the double range
// or a literal too long to be one.
bool ReadNumber(const char*& p, const char* end, double& value, bool& ok) {
  const char* i = p;
  const bool plus = *i == '+';
  if (*i == '+' || *i == '-') ++i;
  const char* digits = i;
  while (i < end && IsDigit(*i)) ++i;
  bool comma = false;
  int mant = int(i - digits);
  if (i < end && (*i == '.' || *i == ',') && (mant > 0 || (i + 1 < end && IsDigit(i[1])))) {
    comma = *i == ',';
    const char* f = ++i;
    while (i < end && IsDigit(*i)) ++i;
    mant += int(i - f);
  }
  if (mant == 0) return false;
  if (i < end && (*i == 'e' || *i == 'E')) {
    const char* k = i + 1;
    if (k < end && (*k == '+' || *k == '-')) ++k;
    if (k < end && IsDigit(*k)) {
      i = k;
      while (i < end && IsDigit(*i)) ++i;
    }
  }
  const char* first = plus ? p + 1 : p;
  const char* last = i;
  p = i;
  char buf[400];
  if (comma) {  // the decimal comma becomes a point in a copy
    if (last - first >= qsizetype(sizeof buf)) {
      ok = false;
      return true;
    }
    std::memcpy(buf, first, std::size_t(last - first));
    *std::find(buf, buf + (last - first), ',') = '.';
    last = buf + (last - first);
    first = buf;
  }
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {  // underflow gives 0 or a subnormal, overflow fails
    const std::string literal(first, last);
    value = std::strtod(literal.c_str(), nullptr);
  }
  ok = ptr == last && std::isfinite(value) && (ec == std::errc() || ec == std::errc::result_out_of_range);
  return true;
}

bool StartsNumber(const char* i, const char* end) {
  if (IsDigit(*i)) return true;
  if (*i == '+' || *i == '-' || *i == '.') {
    const char* k = i + 1;
    if (*i != '.' && k < end && *k == '.') ++k;
    return k < end && IsDigit(*k);
  }
  return false;
}

}  // namespace

TClipShape ScanClipNumbers(QStringView text, int maxCols, int maxRows,
                           const std::function<void(int, int, double)>& cell) {
  TClipShape shape;
  // Every character that matters is ASCII; others turn into '?'.
  const QByteArray bytes = text.toLatin1();
  const char* b = bytes.constData();
  const char* const textEnd = b + bytes.size();
  int j = 0;
  while (b < textEnd) {
    const char* e = static_cast<const char*>(std::memchr(b, '\n', std::size_t(textEnd - b)));
    const char* next = e ? e + 1 : textEnd;
    if (!e) e = textEnd;
    const char* le = (e > b && e[-1] == '\r') ? e - 1 : e;
    const bool fields = std::memchr(b, '\t', std::size_t(le - b)) || std::memchr(b, ';', std::size_t(le - b));
    const bool rowInside = j < maxRows;
    int i = 0;
    auto take = [&](const char*& p, const char* end) {
      double v;
      bool ok;
      ReadNumber(p, end, v, ok);
      ++shape.Numbers;
      if (ok && rowInside && i < maxCols) cell(i, j, v);
    };
    if (fields) {
      const char* f = b;
      while (true) {
        const char* fe = f;
        while (fe < le && *fe != '\t' && *fe != ';') ++fe;
        for (const char* p = f; p < fe; ++p)
          if (StartsNumber(p, fe)) {
            take(p, fe);
            break;
          }
        ++i;
        if (fe >= le) break;
        f = fe + 1;
      }
    } else {
      const char* p = b;
      while (p < le) {
        if (!StartsNumber(p, le)) {
          ++p;
          continue;
        }
        take(p, le);
        ++i;
      }
    }
    shape.Cols = std::max(shape.Cols, i);
    ++j;
    b = next;
  }
  shape.Rows = j;
  return shape;
}

void AppendFullPrecision(std::string& out, double x) {
  char buf[40];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 16);
  // to_chars writes e+dd or e+ddd; the text takes E and four exponent digits.
  char* e = static_cast<char*>(std::memchr(buf, 'e', std::size_t(end - buf)));
  out.append(buf, std::size_t(e - buf));
  out.push_back('E');
  out.push_back(e[1]);
  const int digits = int(end - (e + 2));
  out.append(std::size_t(4 - digits), '0');
  out.append(e + 2, std::size_t(digits));
}

void AppendClipText(std::string& out, const TDataTable& t, int c1, int r1, int c2, int r2, bool fullPrec,
                    const std::function<int(int)>& decimals) {
  for (int r = r1; r <= r2; ++r) {
    for (int c = c1; c <= c2; ++c) {
      out.push_back(c == c1 ? ' ' : '\t');
      if (!t.GetIsNumber(c, r))
        out.append("####");
      else if (fullPrec)
        AppendFullPrecision(out, t.GetElem(c, r));
      else
        out.append(FormatFloatField(1, decimals(c), t.GetElem(c, r)).toStdString());
    }
    out.append("\r\n");
  }
}

}  // namespace vyr
