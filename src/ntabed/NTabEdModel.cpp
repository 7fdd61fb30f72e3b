// The editor's binding to its table: construction, the table's hooks,
// dimensions, attribute row and column, structural operations.
#include <QPlainTextEdit>
#include <algorithm>
#include <new>

#include "host/ControlRegistry.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

VYR_REGISTER_CONTROL(TNTabEd, "ntabed/Vyr_ntabed.h")

TNTabEd::TNTabEd(QWidget* AOwner) : TCustomGrid(AOwner), d(std::make_unique<Private>()) {
  SetFixedCols(2);
  SetOptions(Options() | goTabs);
  if (!IsDesigning()) {
    d->NameEd = new QLineEdit(this);
    d->NameEd->hide();
    d->NameEd->installEventFilter(this);
    d->CommentMM = new QPlainTextEdit(this);
    d->CommentMM->hide();
    d->CommentMM->installEventFilter(this);
  }
  TCustomGrid::SetColWidths(1, d->ClassColWidth);
  TCustomGrid::SetColWidths(0, 80);
  d->OwnData.Resize(ColCount() - 2, RowCount() - 1);
  d->OwnData.Fill(0);
  d->DecP.assign(std::size_t(d->OwnData.NrOfColumns()), 3);
  AttachHooks(d->OwnData);
  BuildMenus();
  TCustomGrid::SetFixedColor(d->Colors.Fixed);
  SetColor(d->Colors.Background);
  d->InternSuppPaint = false;
}

TNTabEd::~TNTabEd() {
  if (d->ExtData) DetachHooks(*d->ExtData);
  DetachHooks(d->OwnData);
}

TDataTable& TNTabEd::Data() { return d->Table(); }
const TDataTable& TNTabEd::Data() const { return d->Table(); }

bool TNTabEd::Suppressed() const { return d->Suppressed(); }

void TNTabEd::Notify(const TNotifyEvent& e) {
  if (!Suppressed()) Raise(e, this);
}

void TNTabEd::Repaint() {
  if (!Suppressed()) Paint();
}

void TNTabEd::StateChanged() {
  Repaint();
  Notify(OnCellStateChanged);
}

void TNTabEd::AttachHooks(TDataTable& t) {
  t.OnDataChanged = [this](QObject*) {
    CloseEditor();
    Notify(OnChange);
    Repaint();
  };
  t.OnSetupChanged = [this](QObject*) {
    CloseEditor();
    Notify(OnChangeSetup);
    Repaint();
  };
  t.OnPercentDone = [this](QObject*, int percent) { Raise(OnPercentDone, this, percent); };
  t.OnResize = [this](QObject*, int oc, int orows, int nc, int nr) {
    CloseEditor();
    TableResized(oc, orows, nc, nr);
  };
  t.OnSortExchange = [this](QObject*, int kind, int i, int j) {
    if (kind == sekColumns && d->SortIncludeHd && i >= 1 && j >= 1 && i <= int(d->DecP.size()) &&
        j <= int(d->DecP.size()))
      std::swap(d->DecP[std::size_t(i - 1)], d->DecP[std::size_t(j - 1)]);
  };
}

void TNTabEd::DetachHooks(TDataTable& t) {
  t.OnDataChanged = nullptr;
  t.OnSetupChanged = nullptr;
  t.OnPercentDone = nullptr;
  t.OnResize = nullptr;
  t.OnSortExchange = nullptr;
}

// Keeps the grid's counts, the new columns' widths and the precisions in
// step with the table after every change of its size.
void TNTabEd::TableResized(int OldCols, int, int NewCols, int NewRows) {
  const int w = TCustomGrid::ColWidths(ColCount() - 1);
  TCustomGrid::SetColCount(NewCols + d->ColOffset + 1);
  if (NewCols >= OldCols)
    for (int c = std::max(OldCols, 1); c <= NewCols; ++c) TCustomGrid::SetColWidths(c + d->ColOffset, w);
  TCustomGrid::SetRowCount(NewRows + d->RowOffset + 1);
  const std::int8_t dec = d->DecP.empty() ? std::int8_t(3) : d->DecP[std::size_t(std::clamp(OldCols, 1, int(d->DecP.size())) - 1)];
  d->DecP.resize(std::size_t(std::max(NewCols, 0)), dec);
  Repaint();
}

int TNTabEd::ColOffset() const { return d->ColOffset; }
int TNTabEd::RowOffset() const { return d->RowOffset; }

// Runs a change of the table's shape with output suppressed and the
// in-place editor closed first. A size the table refuses (its cell limit
// or no memory; the table stays as it was) and running out of memory while
// the editor follows the new size raise the editor's own error.
void TNTabEd::Reshape(const std::function<void()>& change) {
  CloseEditor();
  TFlagScope quiet(d->InternSuppPaint, true);
  const auto noMemory = [this] {
    return EVyrNTabedError(ComponentMessage(Name(), QStringLiteral("not enough memory on heap")));
  };
  try {
    change();
  } catch (const EVyrDStructError&) {
    throw noMemory();
  } catch (const std::bad_alloc&) {
    throw noMemory();
  }
}

void TNTabEd::SetNrOfColumns(int n) {
  if (n >= 1 && n != NrOfColumns()) Redimension(n, NrOfRows());
}

void TNTabEd::SetNrOfRows(int n) {
  if (n >= 1 && n != NrOfRows()) Redimension(NrOfColumns(), n);
}

void TNTabEd::Redimension(int NrCols, int NrRows) {
  if (NrCols < 1 || NrRows < 1) return;
  Reshape([&] { Data().Resize(NrCols, NrRows); });
  Notify(OnChangeSetup);
  Repaint();
}

bool TNTabEd::AttribRowVisible() const { return d->ColOffset == 1; }
bool TNTabEd::AttribColVisible() const { return d->RowOffset == 1; }

void TNTabEd::SetAttribRowVisible(bool v) {
  if (v == AttribRowVisible()) return;
  CloseEditor();
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    if (v) {
      d->ColOffset = 1;
      TCustomGrid::SetColCount(NrOfColumns() + 2);
      TCustomGrid::SetFixedCols(2);
      for (int i = ColCount() - 1; i >= 2; --i) TCustomGrid::SetColWidths(i, TCustomGrid::ColWidths(i - 1));
      TCustomGrid::SetColWidths(1, d->ClassColWidth);
    } else {
      TCustomGrid::SetFixedCols(1);
      d->ColOffset = 0;
      for (int i = 1; i <= ColCount() - 2; ++i) TCustomGrid::SetColWidths(i, TCustomGrid::ColWidths(i + 1));
      TCustomGrid::SetColCount(NrOfColumns() + 1);
    }
  }
  Repaint();
  LayoutChanged();
}

void TNTabEd::SetAttribColVisible(bool v) {
  if (v == AttribColVisible()) return;
  CloseEditor();
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    if (v) {
      d->RowOffset = 1;
      TCustomGrid::SetRowCount(NrOfRows() + 2);
      TCustomGrid::SetFixedRows(2);
      for (int i = RowCount() - 1; i >= 2; --i) TCustomGrid::SetRowHeights(i, TCustomGrid::RowHeights(i - 1));
      TCustomGrid::SetRowHeights(1, TCustomGrid::RowHeights(0));
    } else {
      TCustomGrid::SetFixedRows(1);
      d->RowOffset = 0;
      for (int i = 1; i <= RowCount() - 2; ++i) TCustomGrid::SetRowHeights(i, TCustomGrid::RowHeights(i + 1));
      TCustomGrid::SetRowCount(NrOfRows() + 1);
    }
  }
  Repaint();
  LayoutChanged();
}

void TNTabEd::InsertRow(int ix) {
  if (ix < 1 || ix > NrOfRows() + 1) return;
  Reshape([&] { Data().InsertRow(ix); });
  Repaint();
}

void TNTabEd::InsertColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() + 1) return;
  Reshape([&] { Data().InsertColumn(ix); });
  Repaint();
}

void TNTabEd::RemoveRow(int ix) {
  if (ix < 1 || ix > NrOfRows() || NrOfRows() < 2) return;
  Reshape([&] { Data().RemoveRow(ix); });
  Repaint();
}

void TNTabEd::RemoveColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() || NrOfColumns() < 2) return;
  Reshape([&] { Data().RemoveColumn(ix); });
  Repaint();
}

void TNTabEd::MirrorRows() {
  Reshape([&] { Data().MirrorRows(); });
  Repaint();
}

void TNTabEd::MirrorColumns() {
  Reshape([&] { Data().MirrorColumns(); });
  Repaint();
}

void TNTabEd::Fill(double value) { Data().Fill(value); }

int TNTabEd::FillMarkedCells(double value, std::uint8_t Statemask) {
  int n;
  {
    TFlagScope quiet(d->SuppressPaint, true);
    n = Data().FillMarkedCells(value, Statemask);
  }
  Repaint();
  return n;
}

void TNTabEd::Clear() {
  {
    TFlagScope quiet(d->SuppressPaint, true);
    Data().Clear();
    for (int c = 1; c <= NrOfColumns(); ++c) Data().SetColName(c, QStringLiteral("C-%1").arg(c));
    for (int r = 1; r <= NrOfRows(); ++r) Data().SetRowName(r, QStringLiteral("R-%1").arg(r));
    std::fill(d->DecP.begin(), d->DecP.end(), std::int8_t(3));
  }
  Repaint();
}

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab) {
  if (NewDTab == &d->OwnData) NewDTab = nullptr;
  if (NewDTab == d->ExtData) return;
  CloseEditor();
  const int oldCols = NrOfColumns(), oldRows = NrOfRows();
  if (d->ExtData) DetachHooks(*d->ExtData);
  d->ExtData = NewDTab;
  if (NewDTab) {
    DetachHooks(d->OwnData);
    AttachHooks(*NewDTab);
    // An external table freed before the editor: show the own one again.
    connect(NewDTab, &QObject::destroyed, this, [this] {
      if (d->ExtData) return;
      AttachHooks(d->OwnData);
      TableResized(NrOfColumns(), NrOfRows(), NrOfColumns(), NrOfRows());
    });
  } else {
    AttachHooks(d->OwnData);
  }
  TableResized(oldCols, oldRows, NrOfColumns(), NrOfRows());
  Notify(OnChangeSetup);
}

bool TNTabEd::ExternalMatrixAssigned() const { return d->ExtData; }

void TNTabEd::CopyContentsFrom(const TNTabEd& ExtTab) {
  if (&ExtTab == this) return;
  const TDataTable& src = ExtTab.Data();
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    TDataTable& t = Data();
    t.Resize(src.NrOfColumns(), src.NrOfRows());
    for (int c = 1; c <= src.NrOfColumns(); ++c) {
      t.SetColName(c, src.GetColName(c));
      t.SetColAttrib(c, src.GetColAttrib(c));
      t.SetMScaleType(c, src.GetMScaleType(c));
      for (int k = 1; k <= TDataTable::kMaxNominalIDs; ++k) t.SetNominalID(c, k, src.GetNominalID(c, k));
      for (int r = 1; r <= src.NrOfRows(); ++r) {
        t.SetElem(c, r, src.GetElem(c, r));
        t.SetCellState(c, r, src.GetCellState(c, r));
      }
    }
    for (int r = 1; r <= src.NrOfRows(); ++r) {
      t.SetRowName(r, src.GetRowName(r));
      t.SetRowAttrib(r, src.GetRowAttrib(r));
    }
    t.SetFComment(src.Comment());
    d->DecP = ExtTab.d->DecP;
  }
  Repaint();
  Notify(OnChange);
  Notify(OnChangeSetup);
}

bool TNTabEd::CopyCellStatesFrom(const TNTabEd& ExtTab) {
  const TDataTable& src = ExtTab.Data();
  if (src.NrOfColumns() != NrOfColumns() || src.NrOfRows() != NrOfRows()) return false;
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    for (int r = 1; r <= NrOfRows(); ++r)
      for (int c = 1; c <= NrOfColumns(); ++c) Data().SetCellState(c, r, src.GetCellState(c, r));
  }
  StateChanged();
  return true;
}

}  // namespace vyr
