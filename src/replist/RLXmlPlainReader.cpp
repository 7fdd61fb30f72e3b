// The plain reader of the report list file: bytes to tags and texts without
// a general XML tokenizer.
#include <QStringDecoder>
#include <array>
#include <cstring>

#include "replist/RLXmlImage.h"
#include "replist/RLXmlPlain.h"

namespace vyr {

namespace {

constexpr qint64 kBlockBytes = 1 << 20;

// Thrown where the input leaves the plain form.
struct TNotPlain {};

[[noreturn]] void NotPlain() { throw TNotPlain{}; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Characters XML allows, as code points.
bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendUtf8(QByteArray& out, char32_t c) {
  if (c < 0x80) {
    out.append(char(c));
  } else if (c < 0x800) {
    out.append(char(0xC0 | (c >> 6))).append(char(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.append(char(0xE0 | (c >> 12))).append(char(0x80 | ((c >> 6) & 0x3F))).append(char(0x80 | (c & 0x3F)));
  } else {
    out.append(char(0xF0 | (c >> 18)))
        .append(char(0x80 | ((c >> 12) & 0x3F)))
        .append(char(0x80 | ((c >> 6) & 0x3F)))
        .append(char(0x80 | (c & 0x3F)));
  }
}

// The character an entity or character reference (the text between '&' and
// ';') stands for.
char32_t EntityValue(QByteArrayView name) {
  if (name == "lt") return U'<';
  if (name == "gt") return U'>';
  if (name == "amp") return U'&';
  if (name == "apos") return U'\'';
  if (name == "quot") return U'"';
  if (name.size() < 2 || name.size() > 9 || name[0] != '#') NotPlain();
  const bool hex = name[1] == 'x';
  const QByteArrayView digits = name.sliced(hex ? 2 : 1);
  if (digits.isEmpty()) NotPlain();
  char32_t value = 0;
  for (const char d : digits) {
    int v = -1;
    if (d >= '0' && d <= '9') v = d - '0';
    else if (hex && d >= 'a' && d <= 'f') v = d - 'a' + 10;
    else if (hex && d >= 'A' && d <= 'F') v = d - 'A' + 10;
    if (v < 0) NotPlain();
    value = value * (hex ? 16 : 10) + char32_t(v);
  }
  if (!IsXmlChar(value)) NotPlain();
  return value;
}

class TPlainXmlReader {
 public:
  TPlainXmlReader(QIODevice& in, const QByteArray& first, TRLFileImage& image)
      : FIn(in), FSize(in.size()), FBuf(first), FBufStart(in.pos() - first.size()), FImage(image), FBuilder(image) {}

  void Read();

 private:
  bool More();
  void Compact();
  char At(qsizetype i) {
    while (FPos + i >= FBuf.size())
      if (!More()) NotPlain();
    return FBuf[FPos + i];
  }
  bool Next(QByteArrayView literal) {
    for (qsizetype i = 0; i < literal.size(); ++i)
      if (At(i) != literal[i]) return false;
    FPos += literal.size();
    return true;
  }
  void Expect(QByteArrayView literal) {
    if (!Next(literal)) NotPlain();
  }
  void SkipBlanks() {
    while (IsBlank(At(0))) ++FPos;
  }
  // '=' and the opening quote of an attribute value, blanks around the
  // '=': returns the quote.
  char OpenValue() {
    SkipBlanks();
    Expect("=");
    SkipBlanks();
    const char quote = At(0);
    if (quote != '"' && quote != '\'') NotPlain();
    ++FPos;
    return quote;
  }
  // The position of the next c from FPos on, reading more as needed; -1
  // when the input ends first (Find: the input leaves the plain form).
  qsizetype FindOrEnd(char c);
  qsizetype Find(char c);
  qint64 BytesLeft() const { return FSize - FBufStart - FPos; }
  void StartTag();
  // A tag's text: the element's name and attribute read, FPos after '>'
  // or "/>".
  void Element();
  TRepListXmlTag TagName();
  // The text up to the next '<', then the end tag of tag.
  QStringView Content(TRepListXmlTag tag);
  // Decodes the raw text b[0, n) into FText; an attribute value refuses
  // literal blanks other than spaces (XML would turn them into spaces).
  QStringView Decode(const char* b, qsizetype n, bool attribute);
  void LeaveAfterLine();

  QIODevice& FIn;
  const qint64 FSize;  // asked once: a file's size is a system call
  QByteArray FBuf;
  qint64 FBufStart;  // device position of FBuf[0]
  qsizetype FPos = 0;
  bool FAtEnd = false;
  TRLFileImage& FImage;
  TRLXmlImageBuilder FBuilder;
  QByteArray FRaw;
  QString FText, FUnescaped;
  QStringDecoder FDecoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

bool TPlainXmlReader::More() {
  if (FAtEnd) return false;
  const qsizetype had = FBuf.size();
  FBuf.resize(had + kBlockBytes);
  const qint64 got = FIn.read(FBuf.data() + had, kBlockBytes);
  FBuf.resize(had + std::max<qint64>(got, 0));
  FAtEnd = got <= 0;
  return got > 0;
}

void TPlainXmlReader::Compact() {
  if (FPos < kBlockBytes) return;
  FBuf.remove(0, FPos);
  FBufStart += FPos;
  FPos = 0;
}

qsizetype TPlainXmlReader::FindOrEnd(char c) {
  qsizetype from = FPos;
  while (true) {
    const void* hit = std::memchr(FBuf.constData() + from, c, std::size_t(FBuf.size() - from));
    if (hit) return static_cast<const char*>(hit) - FBuf.constData();
    from = FBuf.size();
    if (!More()) return -1;
  }
}

qsizetype TPlainXmlReader::Find(char c) {
  const qsizetype at = FindOrEnd(c);
  if (at < 0) NotPlain();
  return at;
}

QStringView TPlainXmlReader::Decode(const char* b, qsizetype n, bool attribute) {
  // Most texts are ASCII without markup: one conversion then.
  const auto plain = [&](qsizetype i) {
    const unsigned char c = static_cast<unsigned char>(b[i]);
    if (c >= 0x20 && c < 0x80 && c != '&' && c != '<' && c != '>') return true;
    if (c == '\t' || c == '\n') return !attribute;
    return c == '>' && (attribute || i < 2 || b[i - 1] != ']' || b[i - 2] != ']');
  };
  qsizetype i = 0;
  while (i < n && plain(i)) ++i;
  FText.resize(0);
  if (i == n) return FText.append(QLatin1String(b, n));
  // Else the bytes the text stands for (entities replaced, line ends made
  // line feeds), then one strict UTF-8 decoding.
  FRaw.resize(0);
  FRaw.append(b, i);
  for (; i < n; ++i) {
    const char c = b[i];
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '&') {
      const void* semicolon = std::memchr(b + i, ';', std::size_t(n - i));
      if (!semicolon) NotPlain();
      const qsizetype end = static_cast<const char*>(semicolon) - b;
      AppendUtf8(FRaw, EntityValue(QByteArrayView(b + i + 1, end - i - 1)));
      i = end;
    } else if (c == '\r' && !attribute) {
      FRaw.append('\n');
      if (i + 1 < n && b[i + 1] == '\n') ++i;
    } else if (u >= 0x80 || plain(i)) {
      FRaw.append(c);
    } else {
      NotPlain();
    }
  }
  FText.resize(FRaw.size());
  FDecoder.resetState();
  const QChar* end = FDecoder.appendToBuffer(FText.data(), FRaw);
  if (FDecoder.hasError()) NotPlain();
  FText.resize(end - FText.constData());
  for (const QChar ch : FText)
    if (ch.unicode() >= 0xFFFE) NotPlain();
  return FText;
}

TRepListXmlTag TPlainXmlReader::TagName() {
  qsizetype n = 0;
  while (At(n) >= 'a' && At(n) <= 'z') ++n;
  const TRepListXmlTag tag = RepListXmlTagOf(QString::fromLatin1(FBuf.constData() + FPos, n));
  if (tag == xmlInvalid) NotPlain();
  FPos += n;
  return tag;
}

void TPlainXmlReader::StartTag() {
  Expect("<replist");
  std::vector<QByteArray> names;
  while (true) {
    const bool blank = IsBlank(At(0));
    SkipBlanks();
    if (Next(">")) return;
    if (!blank) NotPlain();
    qsizetype n = 0;
    const auto nameChar = [](char c, bool first) {
      return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
             (!first && ((c >= '0' && c <= '9') || c == '-' || c == '.'));
    };
    while (nameChar(At(n), n == 0)) ++n;
    if (n == 0) NotPlain();
    const QByteArray name = FBuf.mid(FPos, n);
    for (const QByteArray& had : names)
      if (had == name) NotPlain();
    names.push_back(name);
    FPos += n;
    const qsizetype end = Find(OpenValue());
    const QStringView value = Decode(FBuf.constData() + FPos, end - FPos, true);
    if (name == "id") FImage.DataID = value.toString();
    FPos = end + 1;
  }
}

QStringView TPlainXmlReader::Content(TRepListXmlTag tag) {
  const qsizetype end = Find('<');
  const QStringView text = Decode(FBuf.constData() + FPos, end - FPos, false);
  FPos = end;
  Expect("</");
  Expect(RepListXmlTagBytes(tag));
  SkipBlanks();
  Expect(">");
  return text;
}

void TPlainXmlReader::Element() {
  // The cell's own forms first: they are nearly all of a file.
  if (Next("<cell>")) {
    FBuilder.Cell(Content(xmlCell), BytesLeft());
    return;
  }
  if (Next("<cell/>")) {
    FBuilder.Cell({}, BytesLeft());
    return;
  }
  Expect("<");
  const TRepListXmlTag tag = TagName();
  bool escaped = false;
  if (IsBlank(At(0))) {
    SkipBlanks();
    if (Next("esc")) {
      const char quote = OpenValue();
      Expect("1");
      if (At(0) != quote) NotPlain();
      ++FPos;
      escaped = true;
      SkipBlanks();
    }
  }
  QStringView text;
  if (!Next("/>")) {
    Expect(">");
    text = Content(tag);
  }
  if (escaped) {
    if (!UnescapeText(text, FUnescaped)) NotPlain();
    text = FUnescaped;
  }
  if (tag == xmlCell)
    FBuilder.Cell(text, BytesLeft());
  else
    FBuilder.Element(tag, text);
}

void TPlainXmlReader::LeaveAfterLine() {
  const qsizetype lineEnd = FindOrEnd('\n');
  FIn.seek(FBufStart + (lineEnd < 0 ? FBuf.size() : lineEnd + 1));
}

void TPlainXmlReader::Read() {
  StartTag();
  while (true) {
    Compact();
    SkipBlanks();
    if (Next("</replist")) break;
    Element();
  }
  SkipBlanks();
  Expect(">");
  FBuilder.Finish();
  LeaveAfterLine();
}

}  // namespace

bool ReadPlainRepListXml(QIODevice& in, const QByteArray& first, TRLFileImage& image) {
  try {
    TPlainXmlReader(in, first, image).Read();
    return true;
  } catch (const TNotPlain&) {
    return false;
  } catch (const TRLXmlContentError&) {
    return false;
  }
}

}  // namespace vyr
