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
  // Callers start here only where StartsNumber holds, so from_chars reads
  // a plain number whole. A comma right behind (a decimal comma), or a
  // range error, goes the long way, which finds the number's extent itself.
  {
    auto [ptr, ec] = std::from_chars(*p == '+' ? p + 1 : p, end, value);
    if (ec == std::errc() && (ptr == end || *ptr != ',')) {
      p = ptr;
      ok = true;
      return true;
    }
  }
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
  // Every character that matters is ASCII; others turn into '?'. Each line
  // is narrowed on its own, so the text is read once, in the cache.
  QByteArray line;
  const qsizetype textEnd = text.size();
  qsizetype start = 0;
  int j = 0;
  while (start < textEnd) {
    const qsizetype lf = text.indexOf(u'\n', start);
    const qsizetype stop = lf < 0 ? textEnd : lf;
    line = text.sliced(start, stop - start).toLatin1();
    start = stop + 1;
    const char* const b = line.constData();
    const char* le = b + line.size();
    if (le > b && le[-1] == '\r') --le;
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
      // A field's first number, then on to the separator. No number holds a
      // tab or a semicolon, so reading it needs no field end of its own.
      const auto separator = [](char ch) { return ch == '\t' || ch == ';'; };
      const char* p = b;
      while (true) {
        while (p < le && !separator(*p) && !StartsNumber(p, le)) ++p;
        if (p < le && !separator(*p)) take(p, le);
        while (p < le && !separator(*p)) ++p;
        ++i;
        if (p >= le) break;
        ++p;
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
    const std::span<const double> values = t.RowValues(r);
    const std::span<const std::uint8_t> states = t.RowStates(r);
    for (int c = c1; c <= c2; ++c) {
      out.push_back(c == c1 ? ' ' : '\t');
      if (states[c - 1] & (csbInvalid | csbEmpty))
        out.append("####");
      else if (fullPrec && std::isfinite(values[c - 1]))  // +-inf and NaN as the short form writes them
        AppendFullPrecision(out, values[c - 1]);
      else
        out.append(FormatFloatField(1, decimals(c), values[c - 1]).toStdString());
    }
    out.append("\r\n");
  }
}

}  // namespace vyr
