// TRLData: construction, counts, cells and column metadata.
#include "replist/RLData.h"

#include <algorithm>
#include <climits>
#include <new>
#include <utility>

#include "foundation/CellText.h"
#include "foundation/TextCut.h"
#include "replist/RLCellMarks.h"
#include "replist/RLColumnFormat.h"

namespace vyr {

namespace {

QString DefaultColName(int col) { return QStringLiteral("C-%1").arg(col); }

}  // namespace

TRLData::TRLData(QObject* AOwner) : TComponent(AOwner), FCommonHeader(QStringLiteral("VYR Report Listview")) {
  FStrings = std::make_unique<TStringArray>();
  FStrings->SetAllocRowsBy(10);
  FStrings->Resize(FNrOfCols, FNrOfRows);
  FStrings->Clear();
  try {
    ResizeColumnArrays(FNrOfCols);
  } catch (const std::bad_alloc&) {
    throw EVyrRLDataError(ComponentMessage(ComponentName(), QStringLiteral("failed to initialize (out of memory)")));
  }
}

TRLData::~TRLData() = default;

QString TRLData::ComponentName() const { return Name(); }

void TRLData::SetFeedback(qint64 cells) {
  FFeedbkNumCells = int(std::clamp<qint64>(cells, 1, INT_MAX));
  FFeedbkStep = FFeedbkNumCells / 100 + 1;
}

void TRLData::ResizeColumnArrays(int n) {
  const int old = int(FColumns.size());
  FColumns.resize(std::size_t(n));
  for (int k = old; k < n; ++k) FColumns[k].Name = DefaultColName(k + 1);
}

void TRLData::ResetColumnMetadata() {
  for (int k = 0; k < int(FColumns.size()); ++k) FColumns[k] = {DefaultColName(k + 1), QString(), cmNone};
}

void TRLData::SetNrRows(int n) {
  n = std::max(n, 0);
  TStringArrayUpdate update(*FStrings);  // notify with the new count in place
  FStrings->Resize(std::max(FNrOfCols, 1), n);
  FNrOfRows = n;
  SetFeedback(qint64{n} * (FNrOfCols + 1));
}

void TRLData::SetNrCols(int n) {
  n = std::max(n, 1);
  TStringArrayUpdate update(*FStrings);  // notify with the new count in place
  FStrings->Resize(n, FNrOfRows);
  try {
    ResizeColumnArrays(n);
  } catch (const std::bad_alloc&) {
    throw EVyrRLDataError(ComponentMessage(ComponentName(), QStringLiteral("not enough memory on heap")));
  }
  FNrOfCols = n;
  SetFeedback(qint64{std::max(FNrOfRows, 1)} * (n + 1));
}

void TRLData::SetCommonHeader(const QString& value) {
  if (value != FCommonHeader) FCommonHeader = value;
}

QString TRLData::GetElem(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return {};
  const QStringView stored = FStrings->GetStringView(ACol, ARow);
  return (IsCheckColumn(ACol) ? ValueOfMarked(stored) : stored).toString();
}

void TRLData::SetElem(int ACol, int ARow, const QString& Value) {
  if (!ValidCell(ACol, ARow)) return;
  const QString value = CutToLength(Value, kMaxCellValueLength);
  if (IsCheckColumn(ACol))
    FStrings->SetString(ACol, ARow, WithValue(FStrings->GetStringView(ACol, ARow), value));
  else
    FStrings->SetString(ACol, ARow, value);
}

bool TRLData::GetElemChecked(int ACol, int ARow) const {
  return ValidCell(ACol, ARow) && IsCheckColumn(ACol) && MarkIsChecked(FStrings->GetStringView(ACol, ARow));
}

void TRLData::SetElemChecked(int ACol, int ARow, bool Value) {
  if (!ValidCell(ACol, ARow) || !IsCheckColumn(ACol)) return;
  FStrings->BeginUpdate();
  TRadioMarks* marks = GetColCheckMode(ACol) == cmRadio ? &ClearRadioMarks(ACol, false) : nullptr;
  FStrings->SetString(ACol, ARow, WithMark(FStrings->GetStringView(ACol, ARow), Value));
  if (marks) {
    if (Value) marks->StorageRows.assign(1, FStrings->GetSortOrder(ARow));
    marks->Version = FStrings->ColumnVersion(ACol);
  }
  FStrings->EndUpdate();
}

double TRLData::GetAsNumber(int ACol, int ARow) const {
  if (!ValidCell(ACol, ARow)) return 0.0;
  const QStringView stored = FStrings->GetStringView(ACol, ARow);
  const QStringView text = IsCheckColumn(ACol) ? ValueOfMarked(stored) : stored;
  if (text.count(u' ') == text.size()) return 0.0;
  double value = 0.0;
  if (!CellTextToNumber(text, value))
    throw EVyrDStructError(QStringLiteral("Class TRLData: invalid numeric string: [%1,%2]: %3")
                               .arg(ACol)
                               .arg(ARow)
                               .arg(stored.toString()));
  return value;
}

QString TRLData::GetCellDefaultValue(int ACol, int ARow) const {
  return FormatDefaultValue(GetColumnFormat(ACol), ARow);
}

QString TRLData::GetColName(int ColNr) const { return ValidColumn(ColNr) ? FColumns[ColNr - 1].Name : QString(); }

void TRLData::SetColName(int ColNr, const QString& Value) {
  if (ValidColumn(ColNr)) FColumns[ColNr - 1].Name = CutToLength(Value, kMaxColNameLength);
}

QString TRLData::GetColumnFormat(int ColNr) const {
  return ValidColumn(ColNr) ? FColumns[ColNr - 1].Format : QString();
}

void TRLData::SetColumnFormat(int ColNr, const QString& Value) {
  if (ValidColumn(ColNr)) FColumns[ColNr - 1].Format = CutToLength(Value, kMaxColFormatLength);
}

TCheckMode TRLData::GetColCheckMode(int ColNr) const {
  return ValidColumn(ColNr) ? FColumns[ColNr - 1].CheckMode : cmNone;
}

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value) {
  if (!ValidColumn(ColNr) || Value > cmRadio) return;
  const TCheckMode old = FColumns[ColNr - 1].CheckMode;
  if (Value == old) return;
  // The conversion rewrites cells but shows the same values: no notification.
  auto onChange = std::exchange(FStrings->OnChange, nullptr);
  for (int r = 1; r <= FNrOfRows; ++r) {
    const QStringView stored = FStrings->GetStringView(ColNr, r);
    if (stored.isEmpty()) continue;
    if (old == cmNone)
      FStrings->SetString(ColNr, r, u' ' + stored.toString());
    else if (Value == cmNone)
      FStrings->SetString(ColNr, r, stored.mid(1).toString());
    else if (Value == cmRadio)
      FStrings->SetString(ColNr, r, WithMark(stored, false));
  }
  FColumns[ColNr - 1].CheckMode = Value;
  FStrings->OnChange = std::move(onChange);
}

int TRLData::ColumnIndex(const QString& Head, bool PartialMatch) const {
  const QString head = Head.toLower();
  if (PartialMatch && head.isEmpty()) return -1;
  for (int c = FNrOfCols; c >= 1; --c) {
    const QString name = FColumns[c - 1].Name.toLower();
    if (PartialMatch ? name.contains(head) : name == head) return c;
  }
  return -1;
}

void TRLData::Fill(const QString& s) {
  FStrings->BeginUpdate();
  for (int c = 1; c <= FNrOfCols; ++c) {
    const bool marked = IsCheckColumn(c);
    for (int r = 1; r <= FNrOfRows; ++r)
      FStrings->SetString(c, r, marked ? WithValue(FStrings->GetStringView(c, r), s) : s);
  }
  FStrings->EndUpdate();
}

void TRLData::Clear() {
  FStrings->Clear();
  ResetColumnMetadata();
}

void TRLData::BeforeSortExchange(QObject*, const QString& s, QString& t) {
  if (OnBeforeSortExchange) OnBeforeSortExchange(this, s, t);
}

void TRLData::BeforeHTMLExport(QString& Text, int Col, int Row) {
  if (OnBeforeHTMLExport) OnBeforeHTMLExport(this, Text, Col, Row);
}

}  // namespace vyr
