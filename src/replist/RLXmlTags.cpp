// Tag table and text escape of the report list file.
#include "replist/RLXmlTags.h"

#include <array>

namespace vyr {

namespace {

constexpr std::array<QStringView, xmlInvalid + 1> kTagTexts = {
    u"numcols", u"numrows", u"colname", u"checkedcolumn", u"commonheader",
    u"columnformat", u"cell", u"comment", u"/replist", u"invalidtag"};

constexpr std::array<QStringView, 3> kModeWords = {u"none", u"box", u"radio"};

bool Unwritable(char16_t c, QStringView text, qsizetype i) {
  if (c < 0x20) return c != u'\t' && c != u'\n';
  if (c == 0xFFFE || c == 0xFFFF) return true;
  if (QChar::isHighSurrogate(c)) return i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode());
  if (QChar::isLowSurrogate(c)) return i == 0 || !QChar::isHighSurrogate(text[i - 1].unicode());
  return false;
}

int HexValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

}  // namespace

QString RepListXmlTagText(TRepListXmlTag tag) {
  return kTagTexts[tag >= xmlNumCols && tag <= xmlInvalid ? tag : xmlInvalid].toString();
}

QString RepListXmlTagShown(TRepListXmlTag tag) { return QLatin1Char('<') + RepListXmlTagText(tag) + QLatin1Char('>'); }

QByteArrayView RepListXmlTagBytes(TRepListXmlTag tag) {
  static const auto bytes = [] {
    std::array<QByteArray, xmlInvalid + 1> all;
    for (int k = 0; k <= xmlInvalid; ++k) all[std::size_t(k)] = kTagTexts[std::size_t(k)].toLatin1();
    return all;
  }();
  return bytes[tag >= xmlNumCols && tag <= xmlInvalid ? tag : xmlInvalid];
}

TRepListXmlTag RepListXmlTagOf(QStringView name) {
  for (int k = xmlNumCols; k < xmlEndReplist; ++k)
    if (name == kTagTexts[k]) return TRepListXmlTag(k);
  return xmlInvalid;
}

QString CheckModeWord(int mode) { return kModeWords[mode >= 0 && mode <= 2 ? mode : 0].toString(); }

int CheckModeOfWord(QStringView word) {
  for (int k = 0; k < int(kModeWords.size()); ++k)
    if (word == kModeWords[k]) return k;
  return -1;
}

bool NeedsEscape(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if ((c < 0x20 || c >= 0xD800) && Unwritable(c, text, i)) return true;
  }
  return false;
}

QString EscapeText(QStringView text) {
  QString result;
  result.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c == u'\\')
      result.append(u"\\\\");
    else if (Unwritable(c, text, i))
      result.append(QStringLiteral("\\%1").arg(uint(c), 4, 16, QChar(u'0')));
    else
      result.append(QChar(c));
  }
  return result;
}

bool UnescapeText(QStringView text, QString& result) {
  result.clear();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\') {
      result.append(text[i]);
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == u'\\') {
      result.append(u'\\');
      ++i;
      continue;
    }
    if (i + 4 >= text.size()) return false;
    uint code = 0;
    for (int k = 1; k <= 4; ++k) {
      const int v = HexValue(text[i + k]);
      if (v < 0) return false;
      code = code * 16 + uint(v);
    }
    result.append(QChar(char16_t(code)));
    i += 4;
  }
  return true;
}

}  // namespace vyr
