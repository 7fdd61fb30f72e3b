// TDataTable: construction, cell values and state bytes.
#include "foundation/DataTable.h"
#include <algorithm>

#include <bit>
#include <cmath>

namespace vyr {

namespace {

std::uint8_t StateAfterWrite(std::uint8_t state, double value) {
  state &= static_cast<std::uint8_t>(~(csbInvalid | csbEmpty));
  return std::isfinite(value) ? state : static_cast<std::uint8_t>(state | csbInvalid);
}

bool SameValue(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Stores value in a cell; true when the cell changed.
bool WriteValue(double& cell, std::uint8_t& state, double value) {
  const std::uint8_t next = StateAfterWrite(state, value);
  const bool differs = !SameValue(cell, value) || state != next;
  cell = value;
  state = next;
  return differs;
}

}  // namespace

TDataTable::TDataTable(int cols, int rows, QObject* owner) : QObject(owner) { Resize(cols, rows); }

void TDataTable::DataChanged() {
  if (OnDataChanged) OnDataChanged(this);
}

void TDataTable::SetupChanged() {
  if (OnSetupChanged) OnSetupChanged(this);
}

void TDataTable::Resized(int oldCols, int oldRows) {
  if (OnResize) OnResize(this, oldCols, oldRows, FNrCols, FNrRows);
}

template <class F>
bool TDataTable::ForEachCell(F f) {
  bool changed = false;
  for (TDataRow& row : FRows) {
    double* values = row.Values();
    std::uint8_t* states = row.States(FColCap);
    for (int c = 0; c < FNrCols; ++c) changed |= f(values[c], states[c]);
  }
  return changed;
}

void TDataTable::Clear() {
  ForEachCell([](double& value, std::uint8_t& state) {
    value = 0.0;
    state = 0;
    return true;
  });
  for (QString& name : FRowNames) name.clear();
  std::fill(FRowAttribs.begin(), FRowAttribs.end(), 0);
  for (TColumnInfo& col : FCols) col = TColumnInfo();
  FComment.clear();
  DataChanged();
  SetupChanged();
}

double TDataTable::GetElem(int col, int row) const {
  return ValidCol(col) && ValidRow(row) ? FRows[row - 1].Values()[col - 1] : 0.0;
}

void TDataTable::SetElem(int col, int row, double value) {
  if (!ValidCol(col) || !ValidRow(row)) return;
  if (WriteValue(Value(col, row), State(col, row), value)) DataChanged();
}

std::uint8_t TDataTable::GetCellState(int col, int row) const {
  return ValidCol(col) && ValidRow(row) ? FRows[row - 1].States(FColCap)[col - 1] : 0;
}

void TDataTable::SetCellState(int col, int row, std::uint8_t state) {
  if (!ValidCol(col) || !ValidRow(row) || State(col, row) == state) return;
  State(col, row) = state;
  DataChanged();
}

bool TDataTable::GetIsNumber(int col, int row) const {
  return ValidCol(col) && ValidRow(row) && (GetCellState(col, row) & (csbInvalid | csbEmpty)) == 0;
}

std::span<const double> TDataTable::RowValues(int row) const {
  if (!ValidRow(row)) return {};
  return {FRows[row - 1].Values(), std::size_t(FNrCols)};
}

std::span<const std::uint8_t> TDataTable::RowStates(int row) const {
  if (!ValidRow(row)) return {};
  return {FRows[row - 1].States(FColCap), std::size_t(FNrCols)};
}

void TDataTable::CopyBlockFrom(const TDataTable& source, int c1, int r1, int c2, int r2) {
  if (&source == this) {  // a block of itself: copy aside, then take the copy's cells
    TDataTable block;
    block.CopyBlockFrom(*this, c1, r1, c2, r2);
    Resize(block.FNrCols, block.FNrRows);
    FRows.swap(block.FRows);
    FColCap = block.FColCap;
    DataChanged();
    return;
  }
  c1 = std::max(c1, 1);
  r1 = std::max(r1, 1);
  c2 = std::min(c2, source.NrOfColumns());
  r2 = std::min(r2, source.NrOfRows());
  if (c2 < c1 || r2 < r1) {
    Resize(0, 0);
    return;
  }
  Resize(c2 - c1 + 1, r2 - r1 + 1);
  for (int r = r1; r <= r2; ++r) {
    TDataRow& row = FRows[r - r1];
    std::copy_n(source.RowValues(r).data() + (c1 - 1), FNrCols, row.Values());
    std::copy_n(source.RowStates(r).data() + (c1 - 1), FNrCols, row.States(FColCap));
  }
  DataChanged();
}

void TDataTable::Fill(double value) {
  const bool changed =
      ForEachCell([value](double& cell, std::uint8_t& state) { return WriteValue(cell, state, value); });
  if (changed) DataChanged();
}

int TDataTable::FillMarkedCells(double value, std::uint8_t mask) {
  int count = 0;
  const bool changed = ForEachCell([value, mask, &count](double& v, std::uint8_t& state) {
    if ((state & mask) == 0) return false;
    ++count;
    return WriteValue(v, state, value);
  });
  if (changed) DataChanged();
  return count;
}

void TDataTable::InvertCellStates(std::uint8_t mask) {
  if (mask == 0) return;
  if (ForEachCell([mask](double&, std::uint8_t& state) {
        state ^= mask;
        return true;
      }))
    DataChanged();
}

void TDataTable::ExchangeMarkings() {
  const bool changed = ForEachCell([](double&, std::uint8_t& state) {
    const std::uint8_t marks = state & (csbMarkA | csbMarkB);
    if (marks == 0 || marks == (csbMarkA | csbMarkB)) return false;
    state ^= csbMarkA | csbMarkB;
    return true;
  });
  if (changed) DataChanged();
}

void TDataTable::UnmarkAllCells() {
  const bool changed = ForEachCell([](double&, std::uint8_t& state) {
    if ((state & (csbMarkA | csbMarkB)) == 0) return false;
    state &= static_cast<std::uint8_t>(~(csbMarkA | csbMarkB));
    return true;
  });
  if (changed) DataChanged();
}

}  // namespace vyr
