// Published settings of the table editor, and copying by Assign.
#include <algorithm>

#include "foundation/StringUtils.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

template <typename T>
void TNTabEd::SetLook(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
  LayoutChanged();
}

int TNTabEd::NumWidth() const { return d->NumWidth; }

void TNTabEd::SetNumWidth(int v) {
  if (v >= 1 && v <= kMaxNumWidth && v != d->NumWidth) {
    d->NumWidth = v;
    Repaint();
  }
  LayoutChanged();
}

void TNTabEd::SetLeftCol(int v) {
  TCustomGrid::SetLeftCol(std::min(std::max(v + d->ColOffset, d->ColOffset + 1), d->ColOffset + NrOfColumns()));
}

void TNTabEd::SetTopRow(int v) {
  TCustomGrid::SetTopRow(std::min(std::max(v + d->RowOffset, d->RowOffset + 1), d->RowOffset + NrOfRows()));
  Invalidate();
}

void TNTabEd::SetDefaultColWidth(int v) {
  TCustomGrid::SetDefaultColWidth(v);
  TCustomGrid::SetColWidths(0, 80);
  if (d->ColOffset == 1) TCustomGrid::SetColWidths(1, d->ClassColWidth);
  LayoutChanged();
}

void TNTabEd::SetComment(const QString& v) {
  Data().SetFComment(RemoveControlChars(v));
  Notify(OnChange);
}

bool TNTabEd::DataReadOnly() const { return d->ReadOnly; }

void TNTabEd::SetDataReadOnly(bool v) {
  if (v == d->ReadOnly) return;
  d->ReadOnly = v;
  if (v) HideEditor();
  SetEditing(!v);
}

bool TNTabEd::AutoAdvance() const { return d->AutoAdvance; }
void TNTabEd::SetAutoAdvance(bool v) { d->AutoAdvance = v; }
int TNTabEd::AutoAdvanceDir() const { return d->AutoAdvDir; }
void TNTabEd::SetAutoAdvanceDir(int v) { d->AutoAdvDir = std::clamp(v, 0, 255); }
bool TNTabEd::BlockInternalPopup() const { return d->BlockIntPopup; }
void TNTabEd::SetBlockInternalPopup(bool v) { d->BlockIntPopup = v; }
bool TNTabEd::CommentEditingAllowed() const { return d->CommEdAllowed; }
void TNTabEd::SetCommentEditingAllowed(bool v) { d->CommEdAllowed = v; }
bool TNTabEd::ClipboardUseFullPrec() const { return d->ClipUseFullPrec; }
void TNTabEd::SetClipboardUseFullPrec(bool v) { d->ClipUseFullPrec = v; }
int TNTabEd::NomEditDropDownCount() const { return d->DropdownCount; }

bool TNTabEd::ShowCellCursor() const { return d->ShowCellCursor; }
void TNTabEd::SetShowCellCursor(bool v) {
  if (v == d->ShowCellCursor) return;
  d->ShowCellCursor = v;
  Invalidate();
}

bool TNTabEd::OptimizeRowHeight() const { return d->OptRowHeight; }
void TNTabEd::SetOptimizeRowHeight(bool v) {
  if (v == d->OptRowHeight) return;
  d->OptRowHeight = v;
  Repaint();
}

bool TNTabEd::BoldMarks() const { return d->BoldMarks; }
void TNTabEd::SetBoldMarks(bool v) {
  if (v == d->BoldMarks) return;
  d->BoldMarks = v;
  Repaint();
  LayoutChanged();
}

bool TNTabEd::BoldSelHeads() const { return d->BoldSelHeads; }
void TNTabEd::SetBoldSelHeads(bool v) {
  if (v == d->BoldSelHeads) return;
  d->BoldSelHeads = v;
  Repaint();
  LayoutChanged();
}

TColor TNTabEd::ColorBackground() const { return d->Colors.Background; }
void TNTabEd::SetColorBackground(TColor v) {
  if (v == d->Colors.Background) return;
  d->Colors.Background = v;
  SetColor(v);
  LayoutChanged();
}

TColor TNTabEd::ColorFixed() const { return d->Colors.Fixed; }
void TNTabEd::SetColorFixed(TColor v) {
  if (v == d->Colors.Fixed) return;
  d->Colors.Fixed = v;
  TCustomGrid::SetFixedColor(v);
  LayoutChanged();
}

TColor TNTabEd::ColorNormal() const { return d->Colors.Normal; }
void TNTabEd::SetColorNormal(TColor v) { SetLook(d->Colors.Normal, v); }
TColor TNTabEd::ColorSelected() const { return d->Colors.Selected; }
void TNTabEd::SetColorSelected(TColor v) { SetLook(d->Colors.Selected, v); }
TColor TNTabEd::ColorMarkedA() const { return d->Colors.MarkedA; }
void TNTabEd::SetColorMarkedA(TColor v) { SetLook(d->Colors.MarkedA, v); }
TColor TNTabEd::ColorMarkedB() const { return d->Colors.MarkedB; }
void TNTabEd::SetColorMarkedB(TColor v) { SetLook(d->Colors.MarkedB, v); }
TColor TNTabEd::ColorMarkedBoth() const { return d->Colors.MarkedBoth; }
void TNTabEd::SetColorMarkedBoth(TColor v) { SetLook(d->Colors.MarkedBoth, v); }
TColor TNTabEd::ColorRangeSelFG() const { return d->Colors.RangeSelFG; }
void TNTabEd::SetColorRangeSelFG(TColor v) { SetLook(d->Colors.RangeSelFG, v); }
TColor TNTabEd::ColorRangeSelBG() const { return d->Colors.RangeSelBG; }
void TNTabEd::SetColorRangeSelBG(TColor v) { SetLook(d->Colors.RangeSelBG, v); }

bool TNTabEd::SuppressPaint() const { return d->SuppressPaint; }
void TNTabEd::SetSuppressPaint(bool v) {
  if (v == d->SuppressPaint) return;
  d->SuppressPaint = v;
  if (!v) Repaint();
}

TPropertyList TNTabEd::CopiedProperties() {
  static constexpr const char* kList[] = {
      "NrOfColumns",       "NrOfRows",          "AttribRowVisible",      "AttribColVisible",
      "NumWidth",          "DefaultRowHeight",  "DataReadOnly",          "AutoAdvance",
      "AutoAdvanceDir",    "BlockInternalPopup", "CommentEditingAllowed", "ClipboardUseFullPrec",
      "NomEditDropDownCount", "ShowCellCursor", "OptimizeRowHeight",     "BoldMarks",
      "BoldSelHeads",      "ColorBackground",   "ColorFixed",            "ColorNormal",
      "ColorSelected",     "ColorMarkedA",      "ColorMarkedB",          "ColorMarkedBoth",
      "ColorRangeSelFG",   "ColorRangeSelBG",   "PopupDMask",            "PopupHMask"};
  return kList;
}

void TNTabEd::Assign(const TComponentBase* Source) {
  const auto* src = dynamic_cast<const TNTabEd*>(Source);
  if (!src) {
    TCustomGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    CopyProperties(*this, *src, CopiedProperties());
    SetPopupMMask(src->PopupMMask());
    SetPopupUMask(src->PopupUMask());
    CopyContentsFrom(*src);
    for (int c = 0; c < ColCount() && c < src->ColCount(); ++c) TCustomGrid::SetColWidths(c, src->TCustomGrid::ColWidths(c));
    d->ClassColWidth = src->d->ClassColWidth;
    OnChange = src->OnChange;
    OnHeadingChanged = src->OnHeadingChanged;
    OnAttributeChanged = src->OnAttributeChanged;
    OnLayoutChanged = src->OnLayoutChanged;
    OnCellStateChanged = src->OnCellStateChanged;
    OnChangeSetup = src->OnChangeSetup;
    OnTopLeftChanged = src->OnTopLeftChanged;
    OnSelectionChanged = src->OnSelectionChanged;
    OnPaste = src->OnPaste;
    OnClear = src->OnClear;
    OnBeforePopup = src->OnBeforePopup;
    OnBeforeRenderCell = src->OnBeforeRenderCell;
    OnPercentDone = src->OnPercentDone;
    OnGetEditText = src->OnGetEditText;
    OnSetEditText = src->OnSetEditText;
  }
  Repaint();
}

void TNTabEd::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TNTabEd*>(Dest))
    dest->Assign(this);
  else
    TCustomGrid::AssignTo(Dest);
}

}  // namespace vyr
