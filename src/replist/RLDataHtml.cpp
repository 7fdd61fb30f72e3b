// TRLData: a cell range as an HTML table.
#include <QSaveFile>
#include <algorithm>

#include "host/Exception.h"
#include "replist/RLCellMarks.h"
#include "replist/RLData.h"

namespace vyr {

namespace {

// text with the characters HTML gives a meaning escaped; line breaks
// become <br>.
QString HtmlEscaped(const QString& text) {
  QString result;
  result.reserve(text.size() + text.size() / 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    switch (text[i].unicode()) {
      case u'&': result.append(u"&amp;"); break;
      case u'<': result.append(u"&lt;"); break;
      case u'>': result.append(u"&gt;"); break;
      case u'"': result.append(u"&quot;"); break;
      case u'\'': result.append(u"&#39;"); break;
      case u'\r':
        if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        result.append(u"<br>");
        break;
      case u'\n': result.append(u"<br>"); break;
      default: result.append(text[i]);
    }
  }
  return result;
}

QString ClassAttribute(const QString& cls) {
  return cls.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(HtmlEscaped(cls));
}

}  // namespace

void TRLData::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                              const std::vector<int>& ColumnSelection, int Border, int CellSpacing, int Cellpadding,
                              bool IncludeHeader, const QString& HeadClass, const QString& CellClass,
                              const QString& TableClass) {
  LoC = std::max(LoC, 1);
  HiC = std::min(HiC, FNrOfCols);
  LoR = std::max(LoR, 1);
  HiR = std::min(HiR, FNrOfRows);
  std::vector<int> columns;
  if (ColumnSelection.empty())
    for (int c = LoC; c <= HiC; ++c) columns.push_back(c);
  for (int c : ColumnSelection)
    if (c >= LoC && c <= HiC) columns.push_back(c);

  QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                                "</head>\n<body>\n<table border=\"%2\" cellspacing=\"%3\" cellpadding=\"%4\"%5>\n")
                     .arg(HtmlEscaped(FCommonHeader))
                     .arg(std::max(Border, 0))
                     .arg(std::max(CellSpacing, 0))
                     .arg(std::max(Cellpadding, 0))
                     .arg(ClassAttribute(TableClass));
  const QString th = QStringLiteral("<th%1>").arg(ClassAttribute(HeadClass));
  const QString td = QStringLiteral("<td%1>").arg(ClassAttribute(CellClass));
  if (IncludeHeader && !columns.empty()) {
    html.append(u"<tr>");
    for (int c : columns) {
      QString text = GetColName(c);
      BeforeHTMLExport(text, c, 0);
      html.append(th + HtmlEscaped(text) + QStringLiteral("</th>"));
    }
    html.append(u"</tr>\n");
  }
  for (int r = LoR; r <= HiR && !columns.empty(); ++r) {
    html.append(u"<tr>");
    for (int c : columns) {
      QString text = GetElem(c, r);
      BeforeHTMLExport(text, c, r);
      html.append(td);
      // A check column shows its mark as a ballot box before the value.
      if (IsCheckColumn(c)) html.append(GetElemChecked(c, r) ? u"\u2611 " : u"\u2610 ");
      html.append(HtmlEscaped(text) + QStringLiteral("</td>"));
    }
    html.append(u"</tr>\n");
  }
  html.append(u"</table>\n</body>\n</html>\n");

  QSaveFile file(FName);
  const QByteArray bytes = html.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EInOutError(QStringLiteral("cannot write \"%1\": %2").arg(FName, file.errorString()));
}

}  // namespace vyr
