#include "ntabed/NTabEdClipText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "foundation/NumRoutines.h"

namespace vyr {

namespace {

bool IsDigit(char16_t ch) { return ch >= u'0' && ch <= u'9'; }

// Reads a number at text[p..end) into value and moves p past it; false
// (p unchanged) when no number starts there. A number too large for a
// double is read over but gives false in ok.
bool ReadNumber(QStringView text, qsizetype& p, qsizetype end, double& value, bool& ok) {
  char buf[96];
  int n = 0;
  bool tooLong = false;  // a literal longer than any double needs
  qsizetype i = p;
  auto put = [&](char ch) {
    if (n < int(sizeof buf) - 1)
      buf[n++] = ch;
    else
      tooLong = true;
  };
  if (i < end && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') put('-');
    ++i;
  }
  int mant = 0;
  while (i < end && IsDigit(text[i].unicode())) put(char(text[i++].unicode())), ++mant;
  if (i < end && (text[i] == u'.' || text[i] == u',') && (mant > 0 || (i + 1 < end && IsDigit(text[i + 1].unicode())))) {
    put('.');
    ++i;
    while (i < end && IsDigit(text[i].unicode())) put(char(text[i++].unicode())), ++mant;
  }
  if (mant == 0) return false;
  if (i < end && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype k = i + 1;
    if (k < end && (text[k] == u'+' || text[k] == u'-')) ++k;
    if (k < end && IsDigit(text[k].unicode())) {
      put('e');
      if (text[i + 1] == u'-') put('-');
      i = k;
      while (i < end && IsDigit(text[i].unicode())) put(char(text[i++].unicode()));
    }
  }
  p = i;
  buf[n] = 0;
  auto [ptr, ec] = std::from_chars(buf, buf + n, value);
  if (ec == std::errc::result_out_of_range) value = std::strtod(buf, nullptr);  // underflow: 0 or subnormal
  ok = !tooLong && std::isfinite(value) && (ec == std::errc() || ec == std::errc::result_out_of_range);
  return true;
}

bool StartsNumber(QStringView text, qsizetype i, qsizetype end) {
  const char16_t ch = text[i].unicode();
  if (IsDigit(ch)) return true;
  if (ch == u'+' || ch == u'-' || ch == u'.' ) {
    qsizetype k = i + 1;
    if (ch != u'.' && k < end && text[k] == u'.') ++k;
    return k < end && IsDigit(text[k].unicode());
  }
  return false;
}

// The first number in text[b..e); false when there is none.
bool FirstNumber(QStringView text, qsizetype b, qsizetype e, double& value, bool& ok) {
  for (qsizetype p = b; p < e; ++p)
    if (StartsNumber(text, p, e)) return ReadNumber(text, p, e, value, ok);
  return false;
}

}  // namespace

TClipShape ScanClipNumbers(QStringView text, int maxCols, int maxRows,
                           const std::function<void(int, int, double)>& cell) {
  TClipShape shape;
  const qsizetype len = text.size();
  qsizetype b = 0;
  int j = 0;
  while (b < len) {
    qsizetype e = text.indexOf(u'\n', b);
    const qsizetype next = e < 0 ? len : e + 1;
    if (e < 0) e = len;
    qsizetype le = e;
    if (le > b && text[le - 1] == u'\r') --le;
    const QStringView line = text.mid(b, le - b);
    const bool fields = line.contains(u'\t') || line.contains(u';');
    int i = 0;
    const bool rowInside = j < maxRows;
    if (fields) {
      qsizetype f = b;
      while (true) {
        qsizetype fe = f;
        while (fe < le && text[fe] != u'\t' && text[fe] != u';') ++fe;
        double v;
        bool ok;
        if (FirstNumber(text, f, fe, v, ok)) {
          ++shape.Numbers;
          if (ok && rowInside && i < maxCols) cell(i, j, v);
        }
        ++i;
        if (fe >= le) break;
        f = fe + 1;
      }
    } else {
      qsizetype p = b;
      while (p < le) {
        if (!StartsNumber(text, p, le)) {
          ++p;
          continue;
        }
        double v;
        bool ok;
        ReadNumber(text, p, le, v, ok);
        ++shape.Numbers;
        if (ok && rowInside && i < maxCols) cell(i, j, v);
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
