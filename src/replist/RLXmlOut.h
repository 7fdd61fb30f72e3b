#pragma once
// XML text written straight into UTF-8 bytes: what the report list file
// needs of an XML writer (tags it names itself, escaped texts and attribute
// values), at the cost of a copy. Escapes as Qt's XML stream writer does:
// '<', '>', '&' and '"' always, tab, line feed and carriage return in
// attribute values. The texts must be writable (see NeedsEscape).
#include <QByteArray>
#include <QStringEncoder>
#include <QStringView>

namespace vyr {

class TXmlOut {
 public:
  QByteArray& Bytes() { return FOut; }
  void Raw(QByteArrayView ascii) { FOut.append(ascii); }
  void Text(QStringView text) { Escaped(text, false); }
  void AttributeValue(QStringView text) { Escaped(text, true); }

 private:
  void Escaped(QStringView text, bool attribute);

  QByteArray FOut;
  QStringEncoder FEncoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

}  // namespace vyr
