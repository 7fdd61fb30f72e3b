// TReportListView: clipboard and file operations, done by the store.
#include "replist/RepListPrivate.h"

namespace vyr {

template <typename Op>
auto TReportListView::ForwardToStore(Op op) const -> decltype(op()) {
  try {
    return op();
  } catch (const EVyrRLDataError& e) {
    // The store names itself; the list's users know the list.
    const QString prefix = ComponentMessage(Data().Name(), QString());
    const QString what = e.Message().startsWith(prefix) ? e.Message().mid(prefix.size()) : e.Message();
    throw EVyrRepListError(ComponentMessage(Name(), what));
  }
}

template <typename Op>
auto TReportListView::ReadRows(Op op) -> decltype(op()) {
  HideEditor();
  TRepListSuppress hold(*this);
  auto result = ForwardToStore(op);
  SetSelection({0, 0, 0, 0});
  UpdateGridRows();
  return result;
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      bool UseTabs) const {
  ForwardToStore([&] { Data().CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs); });
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      const QString& Separator) const {
  ForwardToStore([&] { Data().CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator); });
}

void TReportListView::SaveAsXMLFile(const QString& FName, const QString& DataID) const {
  ForwardToStore([&] { Data().SaveAsXMLFile(FName, DataID); });
}

void TReportListView::WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID) const {
  ForwardToStore([&] { Data().WriteToXMLStream(OutStream, CreateHeader, DataID); });
}

void TReportListView::WriteToOpenXMLFile(QFile& F, bool CreateHeader, const QString& DataID) const {
  ForwardToStore([&] { Data().WriteToOpenXMLFile(F, CreateHeader, DataID); });
}

bool TReportListView::LoadFromXMLFile(const QString& FName, const QString& DataID) {
  return ReadRows([&] { return Data().LoadFromXMLFile(FName, DataID); });
}

bool TReportListView::ReadFromXMLString(const QString& InString, const QString& DataID) {
  return ReadRows([&] { return Data().ReadFromXMLString(InString, DataID); });
}

bool TReportListView::ReadFromXMLStream(QIODevice& InStream, const QString& DataID) {
  return ReadRows([&] { return Data().ReadFromXMLStream(InStream, DataID); });
}

bool TReportListView::ReadFromOpenXMLFile(QFile& F, const QString& DataID) {
  return ReadRows([&] { return Data().ReadFromOpenXMLFile(F, DataID); });
}

int TReportListView::ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                               bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow) const {
  return ForwardToStore([&] {
    return Data().ExportCSV(FName, Delimiter, IncludeColHeaders, IncludeCommonHeader, FirstCol, FirstRow, LastCol,
                            LastRow);
  });
}

int TReportListView::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                               bool IncludeCommonHeader) {
  return ReadRows([&] { return Data().ImportCSV(FName, Delimiter, IncludeColHeaders, IncludeCommonHeader); });
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const QString& FName) {
  return ReadRows([&] { return Data().LoadLinesFromFile(Column, FirstRow, FName); });
}

void TReportListView::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                                      const std::vector<int>& ColumnSelection, int Border, int CellSpacing,
                                      int CellPadding, bool IncludeHeader, const QString& HeadClass,
                                      const QString& CellClass, const QString& TableClass) {
  ForwardToStore([&] {
    Data().ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing, CellPadding,
                           IncludeHeader, HeadClass, CellClass, TableClass);
  });
}

}  // namespace vyr
