// Cells, names, attributes, precisions, widths, marks, sorting and search.
#include <algorithm>
#include <numeric>

#include "foundation/TextCut.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

bool Inside(const TDataTable& t, int c, int r) {
  return c >= 1 && c <= t.NrOfColumns() && r >= 1 && r <= t.NrOfRows();
}

}  // namespace

void TNTabEd::SetCellState(int ACol, int ARow, std::uint8_t state) {
  if (!Inside(Data(), ACol, ARow) || Data().GetCellState(ACol, ARow) == state) return;
  Data().SetCellState(ACol, ARow, state);
  StateChanged();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool v) {
  const std::uint8_t s = Data().GetCellState(ACol, ARow);
  Data().SetCellState(ACol, ARow, v ? std::uint8_t(s | csbEmpty) : std::uint8_t(s & ~csbEmpty));
  Notify(OnCellStateChanged);
}

void TNTabEd::SetElemMarkedA(int ACol, int ARow, bool v) {
  if (Inside(Data(), ACol, ARow)) {
    const std::uint8_t s = Data().GetCellState(ACol, ARow);
    Data().SetCellState(ACol, ARow, v ? std::uint8_t(s | csbMarkA) : std::uint8_t(s & ~csbMarkA));
  }
  StateChanged();
}

void TNTabEd::SetElemMarkedB(int ACol, int ARow, bool v) {
  if (Inside(Data(), ACol, ARow)) {
    const std::uint8_t s = Data().GetCellState(ACol, ARow);
    Data().SetCellState(ACol, ARow, v ? std::uint8_t(s | csbMarkB) : std::uint8_t(s & ~csbMarkB));
  }
  StateChanged();
}

void TNTabEd::SetColName(int ColNr, const QString& v) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  Data().SetColName(ColNr, CutToLength(v, TDataTable::kMaxNameLength));
  Notify(OnHeadingChanged);
  Repaint();
}

void TNTabEd::SetRowName(int RowNr, const QString& v) {
  if (RowNr < 1 || RowNr > NrOfRows()) return;
  Data().SetRowName(RowNr, CutToLength(v, TDataTable::kMaxNameLength));
  Notify(OnHeadingChanged);
  Repaint();
}

void TNTabEd::SetColAttrib(int ColNr, std::uint8_t v) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  Data().SetColAttrib(ColNr, v);
  Repaint();
  Notify(OnAttributeChanged);
}

void TNTabEd::SetRowAttrib(int RowNr, std::uint8_t v) {
  if (RowNr < 1 || RowNr > NrOfRows()) return;
  Data().SetRowAttrib(RowNr, v);
  Repaint();
  Notify(OnAttributeChanged);
}

int TNTabEd::Precision(int ColNr) const { return d->Dec(ColNr); }

void TNTabEd::SetPrecision(int ColNr, int v) {
  if (ColNr < 1 || ColNr > int(d->DecP.size())) return;
  d->DecP[std::size_t(ColNr - 1)] = std::int8_t(std::clamp(v, -1, 10));
  Repaint();
  LayoutChanged();
}

int TNTabEd::ColWidths(int Index) const {
  if (Index > 0) return TCustomGrid::ColWidths(Index + d->ColOffset);
  if (Index == 0) return TCustomGrid::ColWidths(0);
  return TCustomGrid::ColWidths(d->ColOffset == 1 ? 1 : 0);
}

void TNTabEd::SetColWidths(int Index, int Width) {
  if (Index > 0) {
    TCustomGrid::SetColWidths(Index + d->ColOffset, Width);
  } else if (Index == 0) {
    TCustomGrid::SetColWidths(0, Width);
  } else if (d->ColOffset > 0) {
    TCustomGrid::SetColWidths(1, Width);
    d->ClassColWidth = std::max(0, Width);
  }
  LayoutChanged();
}

void TNTabEd::UnMarkAllElems() {
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    Data().UnmarkAllCells();
  }
  StateChanged();
}

void TNTabEd::MarkAllElemsA() {
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    TDataTable& t = Data();
    for (int r = 1; r <= t.NrOfRows(); ++r)
      for (int c = 1; c <= t.NrOfColumns(); ++c) t.SetCellState(c, r, t.GetCellState(c, r) | csbMarkA);
  }
  StateChanged();
}

void TNTabEd::MarkAllElemsB() {
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    TDataTable& t = Data();
    for (int r = 1; r <= t.NrOfRows(); ++r)
      for (int c = 1; c <= t.NrOfColumns(); ++c) t.SetCellState(c, r, t.GetCellState(c, r) | csbMarkB);
  }
  StateChanged();
}

void TNTabEd::InvertCellStates(std::uint8_t StateMask) {
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    Data().InvertCellStates(StateMask);
  }
  StateChanged();
}

void TNTabEd::ExchangeMarkings() {
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    Data().ExchangeMarkings();
  }
  StateChanged();
}

bool TNTabEd::IfRowMarked(int row) const {
  if (row < 1 || row > NrOfRows()) return false;
  std::uint8_t all = 0;
  for (int c = 1; c <= NrOfColumns(); ++c) all |= Data().GetCellState(c, row);
  return all > 63;
}

bool TNTabEd::IfColumnMarked(int col) const {
  if (col < 1 || col > NrOfColumns()) return false;
  std::uint8_t all = 0;
  for (int r = 1; r <= NrOfRows(); ++r) all |= Data().GetCellState(col, r);
  return all > 63;
}

bool TNTabEd::IfAnyMarked() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (IfRowMarked(r)) return true;
  return false;
}

int TNTabEd::NrOfMarkedDataA() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r)
    for (int c = 1; c <= NrOfColumns(); ++c) n += (Data().GetCellState(c, r) & csbMarkA) != 0;
  return n;
}

int TNTabEd::NrOfMarkedDataB() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r)
    for (int c = 1; c <= NrOfColumns(); ++c) n += (Data().GetCellState(c, r) & csbMarkB) != 0;
  return n;
}

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
  TFlagScope headers(d->SortIncludeHd, IncludeHeaders);
  Data().SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders) {
  TFlagScope headers(d->SortIncludeHd, IncludeHeaders);
  Data().SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

// Orders the rows (rows true) LowRow..HighRow or the columns LowCol..HighCol
// stably by less, moving the cells of the other range with their names and
// attributes (a column's precision goes along too).
void TNTabEd::SortLines(bool rows, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                        const std::function<bool(int, int)>& less) {
  TDataTable& t = Data();
  LowCol = std::max(LowCol, 1);
  LowRow = std::max(LowRow, 1);
  HighCol = std::min(HighCol, t.NrOfColumns());
  HighRow = std::min(HighRow, t.NrOfRows());
  const int lo = rows ? LowRow : LowCol, hi = rows ? HighRow : HighCol;
  if (hi <= lo || (rows ? HighCol < LowCol : HighRow < LowRow)) return;
  std::vector<int> order(std::size_t(hi - lo + 1));
  std::iota(order.begin(), order.end(), lo);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Ascending ? less(a, b) : less(b, a); });
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    // Read every moving line first, then write each to its new place.
    struct Line {
      std::vector<double> v;
      std::vector<std::uint8_t> s;
      QString name;
      std::uint8_t attrib;
      std::int8_t dec;
    };
    std::vector<Line> lines;
    lines.reserve(order.size());
    const int olo = rows ? LowCol : LowRow, ohi = rows ? HighCol : HighRow;
    for (int src : order) {
      Line l;
      for (int k = olo; k <= ohi; ++k) {
        const int c = rows ? k : src, r = rows ? src : k;
        l.v.push_back(t.GetElem(c, r));
        l.s.push_back(t.GetCellState(c, r));
      }
      l.name = rows ? t.GetRowName(src) : t.GetColName(src);
      l.attrib = rows ? t.GetRowAttrib(src) : t.GetColAttrib(src);
      l.dec = std::int8_t(rows ? 0 : d->Dec(src));
      lines.push_back(std::move(l));
    }
    for (int i = 0; i < int(lines.size()); ++i) {
      const int dst = lo + i;
      const Line& l = lines[std::size_t(i)];
      for (int k = olo; k <= ohi; ++k) {
        const int c = rows ? k : dst, r = rows ? dst : k;
        t.SetElem(c, r, l.v[std::size_t(k - olo)]);
        t.SetCellState(c, r, l.s[std::size_t(k - olo)]);
      }
      if (rows) {
        t.SetRowName(dst, l.name);
        t.SetRowAttrib(dst, l.attrib);
      } else {
        t.SetColName(dst, l.name);
        t.SetColAttrib(dst, l.attrib);
        d->DecP[std::size_t(dst - 1)] = l.dec;
      }
    }
  }
  Repaint();
  Notify(OnChange);
  Notify(OnChangeSetup);
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortLines(true, Ascending, LowCol, LowRow, HighCol, HighRow,
            [this](int a, int b) { return Data().GetRowAttrib(a) < Data().GetRowAttrib(b); });
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortLines(false, Ascending, LowCol, LowRow, HighCol, HighRow,
            [this](int a, int b) { return Data().GetColAttrib(a) < Data().GetColAttrib(b); });
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
  const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  SortLines(false, Ascending, LowCol, LowRow, HighCol, HighRow, [this, cs](int a, int b) {
    return QString::compare(Data().GetColName(a), Data().GetColName(b), cs) < 0;
  });
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow) {
  const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  SortLines(true, Ascending, LowCol, LowRow, HighCol, HighRow, [this, cs](int a, int b) {
    return QString::compare(Data().GetRowName(a), Data().GetRowName(b), cs) < 0;
  });
}

int TNTabEd::FindColIndex(const QString& ColID) const {
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (Data().GetColName(c).compare(ColID, Qt::CaseInsensitive) == 0) return c;
  return 0;
}

int TNTabEd::FindRowIndex(const QString& RowID) const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (Data().GetRowName(r).compare(RowID, Qt::CaseInsensitive) == 0) return r;
  return 0;
}

}  // namespace vyr
