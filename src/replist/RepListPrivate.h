#pragma once
// The state of a TReportListView, kept out of the installed header so that
// a field added later leaves the public class's layout as it is.
#include <QDialog>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

#include "replist/RepListCellLook.h"
#include "replist/ReportListView.h"

namespace vyr {

// What the view keeps per data column beside the store's name, format and
// check mode.
struct TRLColumnSettings {
  TAlignment Alignment = taLeftJustify;
  bool Editable = false;
  bool IsPwd = false;
};

struct TReportListView::Private {
  std::unique_ptr<TRLData> Data = std::make_unique<TRLData>();
  TRLPalette Colors;
  std::vector<TRLColumnSettings> Columns;  // data column c at c - 1
  std::vector<int> ColOrder;               // grid column -> data column - 1

  // The settings of data column ColNr; null outside 1..the column count.
  const TRLColumnSettings* Column(int ColNr) const {
    return ColNr >= 1 && ColNr <= int(Columns.size()) ? &Columns[std::size_t(ColNr - 1)] : nullptr;
  }
  TRLColumnSettings* Column(int ColNr) { return const_cast<TRLColumnSettings*>(std::as_const(*this).Column(ColNr)); }

  bool AutoAdvance = false;
  int LastMousePosX = 0, LastMousePosY = 0;
  TAlignment HeaderAlignment = taCenter;
  QString EmptyMsg;
  TColor ColorEmptyMsg = clBlack;
  bool ComHdVis = false;
  int ComHdHgt = 20;
  bool ColHdVis = true;
  int ColHdHgt = 20;
  int SelectAnchor = 1;
  int RowSelectMode = 1;
  bool CtrlForMultiSel = true;
  bool SortEnabled = true;
  bool ShowEmptyCBx = true;
  bool ROCheckMarks = false;
  int HiLgtRow = 0, HiLgtColumn = 0;
  bool SuppressPaint = false;
  int UpdateDepth = 0;
  bool UpdateSavedSuppress = false;
  int InterRowIndi = 0;
  TColor InterRowColor = 0x0000FF;
  int InterRowWidth = 3;
  bool FixedColOne = false;
  // The row editor's dialog while it runs.
  QPointer<QDialog> ContainerForm;
  // The cell the in-place editor opened on, the text it showed and the
  // string stored then: closing it without an edit puts that string back.
  struct TEditStart {
    int Col = 0, Row = 0;
    QString Shown, Stored;
  } EditStart;
};

}  // namespace vyr
