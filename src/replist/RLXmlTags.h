#pragma once
// The tags of the report list file and the escape used for texts that XML
// cannot carry.
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vyr {

enum TRepListXmlTag {
  xmlNumCols,
  xmlNumRows,
  xmlColName,
  xmlCheckedColumn,
  xmlCommonHd,
  xmlColumnFormat,
  xmlCell,
  xmlComment,
  xmlEndReplist,
  xmlInvalid
};

// The tag text of each value ("numcols", ..., "/replist", "invalidtag").
QString RepListXmlTagText(TRepListXmlTag tag);
// The tag as an error message shows it: "<numcols>".
QString RepListXmlTagShown(TRepListXmlTag tag);
// The tag text as Latin-1 bytes.
QByteArrayView RepListXmlTagBytes(TRepListXmlTag tag);
// The tag named name; xmlInvalid for any other name.
TRepListXmlTag RepListXmlTagOf(QStringView name);

// The check mode words of <checkedcolumn>: "none", "box", "radio".
QString CheckModeWord(int mode);
// The mode of a word; -1 for any other text.
int CheckModeOfWord(QStringView word);

// A text XML cannot give back as it is (control characters other than tab
// and line feed -- a reader turns a carriage return into a line feed --,
// unpaired surrogates, U+FFFE, U+FFFF) is written with the attribute
// esc="1": every such character as a backslash and four hexadecimal
// digits, a backslash as two backslashes.
bool NeedsEscape(QStringView text);
QString EscapeText(QStringView text);
// False when text is not a valid escaped text.
bool UnescapeText(QStringView text, QString& result);

}  // namespace vyr
