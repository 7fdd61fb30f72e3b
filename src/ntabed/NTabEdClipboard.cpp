// Clear, copy, paste and reading numbers from the clipboard.
#include <algorithm>

#include "host/Clipboard.h"
#include "ntabed/NTabEdClipText.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

// Takes the table's data-changed hook off for a scope and puts it back
// however the scope ends.
class THookDetach {
 public:
  explicit THookDetach(TDataTable& t) : FTable(t), FHook(std::move(t.OnDataChanged)) { t.OnDataChanged = nullptr; }
  ~THookDetach() { FTable.OnDataChanged = std::move(FHook); }
  THookDetach(const THookDetach&) = delete;
  THookDetach& operator=(const THookDetach&) = delete;

 private:
  TDataTable& FTable;
  std::function<void(QObject*)> FHook;
};

}  // namespace

bool TNTabEd::SelectedData(int& c1, int& r1, int& c2, int& r2) const {
  const TGridRect s = Selection();
  c1 = std::max(s.Left - d->ColOffset, 1);
  r1 = std::max(s.Top - d->RowOffset, 1);
  c2 = std::min(s.Right - d->ColOffset, NrOfColumns());
  r2 = std::min(s.Bottom - d->RowOffset, NrOfRows());
  return c1 <= c2 && r1 <= r2;
}

void TNTabEd::SelectData(int c1, int r1, int c2, int r2) {
  SetSelection({c1 + d->ColOffset, r1 + d->RowOffset, c2 + d->ColOffset, r2 + d->RowOffset});
}

bool TNTabEd::CopyAvailable() const { return d->DataCopyAvail; }

void TNTabEd::PopupMenuClickClear(TObject* Sender) {
  if (d->ReadOnly) return;
  CloseEditor();  // the table's data hook is detached below
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    THookDetach detach(Data());
    if (OnClear) {
      OnClear(Sender ? Sender : this);
    } else {
      int c1, r1, c2, r2;
      if (SelectedData(c1, r1, c2, r2)) {
        TDataTable& t = Data();
        for (int r = r1; r <= r2; ++r)
          for (int c = c1; c <= c2; ++c) {
            if (t.GetCellState(c, r) & csbReadOnly) continue;
            t.SetElem(c, r, 0);
            t.SetCellState(c, r, 0);
          }
      }
    }
  }
  Repaint();
  Notify(OnChange);
  Notify(OnCellStateChanged);
}

void TNTabEd::PopupMenuClickCopy(TObject*) {
  int c1, r1, c2, r2;
  if (!SelectedData(c1, r1, c2, r2)) return;
  const TDataTable& t = Data();
  d->DataCopy.CopyBlockFrom(t, c1, r1, c2, r2);
  std::string text;
  text.reserve(std::size_t(c2 - c1 + 1) * std::size_t(r2 - r1 + 1) * 26);
  AppendClipText(text, t, c1, r1, c2, r2, d->ClipUseFullPrec, [this](int c) { return d->Dec(c); });
  d->DataCopyText = QString::fromLatin1(text.data(), qsizetype(text.size()));
  Clipboard().SetAsText(d->DataCopyText);
  d->DataCopyAvail = true;
}

void TNTabEd::PopupMenuClickPaste(TObject*) {
  if (d->ReadOnly || !d->DataCopyAvail) return;
  CloseEditor();  // the table's data hook is detached below
  const TGridRect s = Selection();
  const int c0 = s.Left - d->ColOffset, r0 = s.Top - d->RowOffset;
  const int w = d->DataCopy.NrOfColumns(), h = d->DataCopy.NrOfRows();
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    THookDetach detach(Data());
    TDataTable& t = Data();
    for (int j = 1; j <= h; ++j)
      for (int i = 1; i <= w; ++i) {
        const int c = c0 + i - 1, r = r0 + j - 1;
        if (c < 1 || r < 1 || c > t.NrOfColumns() || r > t.NrOfRows() || (t.GetCellState(c, r) & csbReadOnly)) continue;
        t.SetElem(c, r, d->DataCopy.GetElem(i, j));
        t.SetCellState(c, r, d->DataCopy.GetCellState(i, j));
      }
  }
  SelectData(c0, r0, std::min(c0 + w - 1, NrOfColumns()), std::min(r0 + h - 1, NrOfRows()));
  Repaint();
  Notify(OnChange);
  Notify(OnCellStateChanged);
  Raise(OnPaste, this);
}

void TNTabEd::PopupMenuClickExtClip(TObject*) {
  if (d->ReadOnly || !Clipboard().HasText()) return;
  CloseEditor();  // the table's data hook is detached below
  const QString text = Clipboard().AsText();
  const TGridRect s = Selection();
  const int c0 = std::max(s.Left - d->ColOffset, 1), r0 = std::max(s.Top - d->RowOffset, 1);
  int maxI = 0, maxJ = 0;
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    THookDetach detach(Data());
    TDataTable& t = Data();
    ScanClipNumbers(text, t.NrOfColumns() - c0 + 1, t.NrOfRows() - r0 + 1, [&](int i, int j, double v) {
      const int c = c0 + i, r = r0 + j;
      if (t.GetCellState(c, r) & csbReadOnly) return;
      t.SetElem(c, r, v);
      maxI = std::max(maxI, i);
      maxJ = std::max(maxJ, j);
    });
  }
  SelectData(c0, r0, c0 + maxI, r0 + maxJ);
  Repaint();
  Notify(OnChange);
  Raise(OnPaste, this);
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const {
  NCols = 1;
  NRows = 1;
  if (!Clipboard().HasText()) return false;
  const TClipShape shape = ScanClipNumbers(Clipboard().AsText(), 0, 0, [](int, int, double) {});
  if (shape.Numbers == 0) return false;
  NCols = std::max(1, shape.Cols);
  NRows = std::max(1, shape.Rows);
  return true;
}

}  // namespace vyr
