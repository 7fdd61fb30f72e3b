// The report list file's own writer against Qt's XML stream writer, and its
// plain reader against the general XML reader: byte for byte, and list for
// list over every form a file may take.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QRandomGenerator>
#include <QXmlStreamWriter>

#include "RepListFileKit.h"
#include "replist/RLFileImage.h"
#include "replist/RLXmlPlain.h"
#include "replist/RLXmlTags.h"

using namespace vyr;
using namespace replfile;

namespace {

QByteArray Saved(const TRLData& d, bool header, const QString& id) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  d.WriteToXMLStream(buffer, header, id);
  return bytes;
}

// The file as Qt's XML stream writer writes the same elements.
QByteArray SavedByQt(const TRLData& d, bool header, const QString& id) {
  QString text = header ? QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") : QString();
  QXmlStreamWriter xml(&text);
  const auto element = [&](TRepListXmlTag tag, const QString& value) {
    xml.writeStartElement(RepListXmlTagText(tag));
    if (NeedsEscape(value)) {
      xml.writeAttribute("esc", "1");
      xml.writeCharacters(EscapeText(value));
    } else if (!value.isEmpty()) {
      xml.writeCharacters(value);
    }
    xml.writeEndElement();
  };
  xml.writeStartElement("replist");
  xml.writeAttribute("id", id);
  xml.writeAttribute("format", "vyrkitset");
  xml.writeCharacters("\n");
  xml.writeTextElement(RepListXmlTagText(xmlNumCols), QString::number(d.NrOfColumns()));
  xml.writeTextElement(RepListXmlTagText(xmlNumRows), QString::number(d.NrOfRows()));
  xml.writeCharacters("\n");
  element(xmlCommonHd, d.CommonHeader());
  xml.writeCharacters("\n");
  element(xmlComment, d.Comment);
  xml.writeCharacters("\n");
  for (int c = 1; c <= d.NrOfColumns(); ++c) {
    element(xmlColName, d.GetColName(c));
    element(xmlColumnFormat, d.GetColumnFormat(c));
    xml.writeTextElement(RepListXmlTagText(xmlCheckedColumn), CheckModeWord(d.GetColCheckMode(c)));
    xml.writeCharacters("\n");
  }
  for (int r = 1; r <= d.NrOfRows(); ++r) {
    for (int c = 0; c <= d.NrOfColumns(); ++c) element(xmlCell, d.Strings().GetString(c, r));
    xml.writeCharacters("\n");
  }
  xml.writeEndElement();
  xml.writeCharacters("\n");
  return text.toUtf8();
}

// What one reader made of bytes: the list found, its error, or nothing, and
// where it left the device.
struct TOutcome {
  bool Found = false;
  QString Error;
  qint64 Pos = -1;
  TRLFileImage Image;
};

TOutcome Read(const QByteArray& bytes, TXmlReaders readers) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  TOutcome outcome;
  try {
    outcome.Found = ReadRepListXml(buffer, QString(), "mem", outcome.Image, readers);
  } catch (const EVyrRLDataError& e) {
    outcome.Error = e.Message();
  }
  outcome.Pos = buffer.pos();
  return outcome;
}

void ExpectSameOutcome(const TOutcome& plain, const TOutcome& general, const QByteArray& bytes) {
  const std::string file = bytes.left(400).toStdString();
  ASSERT_EQ(plain.Found, general.Found) << file << "\n" << general.Error.toStdString();
  ASSERT_EQ(plain.Error, general.Error) << file;
  ASSERT_EQ(plain.Pos, general.Pos) << file;
  if (!plain.Found) return;
  const TRLFileImage &a = plain.Image, &b = general.Image;
  ASSERT_EQ(a.Cols, b.Cols) << file;
  ASSERT_EQ(a.Rows, b.Rows) << file;
  EXPECT_EQ(a.DataID, b.DataID) << file;
  EXPECT_EQ(a.CommonHeader, b.CommonHeader) << file;
  EXPECT_EQ(a.Comment, b.Comment) << file;
  EXPECT_EQ(a.Names, b.Names) << file;
  EXPECT_EQ(a.Formats, b.Formats) << file;
  EXPECT_EQ(a.Modes, b.Modes) << file;
  for (int r = 1; r <= a.Rows; ++r)
    for (int c = 0; c <= a.Cols; ++c)
      ASSERT_EQ(a.Cells->GetStringView(c, r), b.Cells->GetStringView(c, r)) << file << " col " << c << " row " << r;
}

// Whether the plain reader alone reads the list that starts the bytes.
bool PlainReads(const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  const QByteArray first = buffer.readLine();
  TRLFileImage image;
  return ReadPlainRepListXml(buffer, first, image);
}

QByteArray Replaced(QByteArray bytes, const char* from, const char* to) { return bytes.replace(from, to); }

}  // namespace

TEST(RLXmlWriter, WritesTheBytesQtsXmlStreamWriterWrites) {
  for (quint32 seed = 1; seed <= 6; ++seed) {
    TRLData d;
    FillAwkward(d, int(seed % 4) + 1, int(seed * 7), seed);
    const QString id = seed % 2 ? QString::fromUtf8("id \"\t\n<&>' \u00e9\U0001F600") : QString();
    for (const bool header : {true, false}) EXPECT_EQ(Saved(d, header, id), SavedByQt(d, header, id)) << seed;
  }
}

TEST(RLXmlReaders, ThePlainReaderReadsWhatTheWriterWritesInEveryBenignForm) {
  TRLData d;
  FillAwkward(d, 4, 40, 21);
  const QByteArray saved = Saved(d, false, "p");
  const QByteArray forms[] = {
      saved,
      Replaced(saved, "\n", "\r\n"),
      Replaced(saved, "\n", "\r"),
      Replaced(Replaced(saved, "<cell/>", "<cell></cell>"), "</cell>", "</cell \n>"),
      Replaced(Replaced(saved, "&lt;", "&#60;"), "&amp;", "&#x26;"),
      Replaced(Replaced(saved, "plain", "pl&#97;in"), "'single'", "&apos;single&apos;"),
      Replaced(Replaced(saved, "esc=\"1\"", "esc = '1' "), "id=\"p\"", "id='p'\tformat2=\"&quot;\""),
      Replaced(saved, "\u00e9", "&#xE9;"),
      Replaced(saved, "\n<cell", "\n  \t<cell"),
  };
  for (const QByteArray& bytes : forms) {
    EXPECT_TRUE(PlainReads(bytes)) << bytes.left(300).toStdString();
    ExpectSameOutcome(Read(bytes, TXmlReaders::PlainFirst), Read(bytes, TXmlReaders::GeneralOnly), bytes);
  }
}

TEST(RLXmlReaders, WhereThePlainReaderGivesUpTheGeneralReaderDecidesAlone) {
  TRLData d;
  FillAwkward(d, 3, 12, 31);
  d.SetElem(0, 1, "");
  d.SetElem(1, 1, "plain");
  const QByteArray saved = Saved(d, true, "q") + "after\n";
  const QByteArray forms[] = {
      Replaced(saved, "<numrows>", "<!-- rows --><numrows>"),
      Replaced(saved, "<cell>plain</cell>", "<cell><![CDATA[pl<a>in]]></cell>"),
      Replaced(saved, "<cell/>", "<cell x=\"1\"/>"),
      Replaced(saved, "<cell/>", "<?pi x?><cell/>"),
      Replaced(saved, "<cell/>", "<cell>]]></cell>"),
      Replaced(saved, "<cell/>", "<cell>&#0;</cell>"),
      Replaced(saved, "<cell/>", "<cell>&#xFFFE;</cell>"),
      Replaced(saved, "<cell/>", "<cell>\xef\xbf\xbf</cell>"),
      Replaced(saved, "<cell/>", "<cell>\xc3</cell>"),
      Replaced(saved, "<cell/>", "<cell>\x01</cell>"),
      Replaced(saved, "<cell/>", "<cell>&nbsp;</cell>"),
      Replaced(saved, "id=\"q\"", "id=\"q\" id=\"r\""),
      Replaced(saved, "id=\"q\"", "id=\"a\tb\""),
      Replaced(saved, "</replist>", "</replist >"),
      Replaced(saved, "<numcols>3", "<numcols> 3"),
      Replaced(saved, "<numcols>3", "<numcols>+3"),
      Replaced(saved, "none", " none "),
  };
  for (const QByteArray& bytes : forms) {
    ASSERT_NE(bytes, saved);
    ExpectSameOutcome(Read(bytes, TXmlReaders::PlainFirst), Read(bytes, TXmlReaders::GeneralOnly), bytes);
  }
}

TEST(RLXmlReaders, WhatFollowsAListCannotSpoilIt) {
  TRLData d;
  FillAwkward(d, 2, 3, 51);
  const QByteArray bytes = Saved(d, true, "z") + "<replist \xef\xbf junk &bad; <\n";
  for (const TXmlReaders readers : {TXmlReaders::PlainFirst, TXmlReaders::GeneralOnly}) {
    const TOutcome outcome = Read(bytes, readers);
    EXPECT_TRUE(outcome.Found) << outcome.Error.toStdString();
    EXPECT_EQ(outcome.Pos, bytes.indexOf("<replist \xef"));
  }
}

TEST(RLXmlReaders, BothReadersAgreeOnEveryTruncationAndOnRandomDamage) {
  TRLData d;
  FillAwkward(d, 3, 6, 41);
  const QByteArray saved = Saved(d, true, "") + "<replist vyrkitset>\n";
  for (qsizetype cut = 0; cut <= saved.size(); cut += 5) {
    const QByteArray bytes = saved.left(cut);
    ExpectSameOutcome(Read(bytes, TXmlReaders::PlainFirst), Read(bytes, TXmlReaders::GeneralOnly), bytes);
  }
  static const char kNoise[] = "<>&;/=\"' \t\r\n#x1aA]\xc3\xa9\xef\xbf";
  QRandomGenerator random(7);
  for (int k = 0; k < 600; ++k) {
    QByteArray bytes = saved;
    for (int n = random.bounded(1, 4); n > 0; --n) {
      const qsizetype at = random.bounded(bytes.size());
      const char noise = kNoise[random.bounded(int(sizeof kNoise) - 1)];
      if (random.bounded(2))
        bytes[at] = noise;
      else
        bytes.insert(at, noise);
    }
    ExpectSameOutcome(Read(bytes, TXmlReaders::PlainFirst), Read(bytes, TXmlReaders::GeneralOnly), bytes);
  }
}
