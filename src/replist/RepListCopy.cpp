// TReportListView: copying from another view.
#include <algorithm>
#include <new>

#include "replist/RepListPrivate.h"

namespace vyr {

// No write here depends on another. The store's counts and common header
// arrive with the store after the list, and the grid's rows and fixed
// column are set up again around it.
TPropertyList TReportListView::CopiedProperties() {
  static constexpr const char* names[] = {
      "AutoAdvance", "RowSelectMode", "SortEnabled", "ColorSelectedRow", "ColorSelectedRowText", "ColorSelectedCol",
      "ColorSelectedColText", "ColorSelectedBoth", "ColorSelectedBothText", "ColorHigh", "ColorHighText",
      "HighLightBold", "HighLightRow", "HighLightColumn", "ColorText", "ColorBkgdNormal", "ColorBkgdShaded",
      "RowColPattern", "CommonHeaderAlignment", "CommonHeaderVisible", "ColorCommonHd", "ColorCommonHdText",
      "ColumnHeadersVisible", "ColorColumnHd", "ColorColumnHdText", "ShowEmptyCheckBoxes", "InterRowIndicatorColor",
      "InterRowIndicatorWidth", "FixedFirstColumn", "Enabled"};
  return names;
}

void TReportListView::CopyHandlers(const TReportListView& source) {
  OnChange = source.OnChange;
  OnChangeSetup = source.OnChangeSetup;
  OnSelectedChange = source.OnSelectedChange;
  OnCheckedChange = source.OnCheckedChange;
  OnBeforeCheckedChange = source.OnBeforeCheckedChange;
  OnGetEditText = source.OnGetEditText;
  OnSetEditText = source.OnSetEditText;
  OnRequestEditFormat = source.OnRequestEditFormat;
  OnPercentDone = source.OnPercentDone;
  OnBeforeRenderCell = source.OnBeforeRenderCell;
  OnBeforeSortExchange = source.OnBeforeSortExchange;
  OnBeforeHTMLExport = source.OnBeforeHTMLExport;
  OnBeforeFilter = source.OnBeforeFilter;
  OnMouseWheelDown = source.OnMouseWheelDown;
  OnMouseWheelUp = source.OnMouseWheelUp;
}

void TReportListView::Assign(const TComponentBase* Source) {
  const auto* src = dynamic_cast<const TReportListView*>(Source);
  if (!src) {
    TCustomDrawGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  {
    TRepListSuppress hold(*this);
    // The setters of the list report every write; the copy reports once,
    // to the source's handlers, when the store arrives.
    OnChange = OnChangeSetup = OnSelectedChange = nullptr;
    CopyProperties(*this, *src, CopiedProperties());
    CopyHandlers(*src);
    d->LastMousePosX = src->d->LastMousePosX;
    d->LastMousePosY = src->d->LastMousePosY;
    d->SelectAnchor = src->d->SelectAnchor;
    d->InterRowIndi = src->d->InterRowIndi;
    d->Data->Assign(src->d->Data.get());
    try {
      d->Columns = src->d->Columns;
      d->ColOrder = src->d->ColOrder;
    } catch (const std::bad_alloc&) {
      throw EVyrRepListError(ComponentMessage(Name(), QStringLiteral("not enough memory on heap")));
    }
    SetColCount(std::max(NrOfColumns(), 1));
    UpdateGridRows();
    SetFixedCols(d->FixedColOne ? 1 : 0);
  }
  d->SuppressPaint = src->d->SuppressPaint;
  Repaint();
}

void TReportListView::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TReportListView*>(Dest))
    dest->Assign(this);
  else
    TCustomDrawGrid::AssignTo(Dest);
}

}  // namespace vyr
