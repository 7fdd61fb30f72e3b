#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "foundation/DataTable.h"
#include "foundation/Errors.h"

using namespace vyr;

namespace {

using TSize = std::tuple<int, int, int, int>;

// Records every resize the table reports.
struct TResizeLog {
  std::vector<TSize> calls;
  explicit TResizeLog(TDataTable& t) {
    t.OnResize = [this](QObject*, int oc, int orr, int nc, int nr) { calls.emplace_back(oc, orr, nc, nr); };
  }
};

std::vector<double> Column(const TDataTable& t, int col) {
  std::vector<double> out;
  for (int r = 1; r <= t.NrOfRows(); ++r) out.push_back(t.GetElem(col, r));
  return out;
}

std::vector<double> Row(const TDataTable& t, int row) {
  std::vector<double> out;
  for (int c = 1; c <= t.NrOfColumns(); ++c) out.push_back(t.GetElem(c, row));
  return out;
}

}  // namespace

TEST(DataTableCells, NewTableHoldsZeroNumbers) {
  TDataTable t(3, 4);
  EXPECT_EQ(t.NrOfColumns(), 3);
  EXPECT_EQ(t.NrOfRows(), 4);
  EXPECT_EQ(t.GetElem(3, 4), 0.0);
  EXPECT_EQ(t.GetCellState(3, 4), 0);
  EXPECT_TRUE(t.GetIsNumber(1, 1));
  EXPECT_EQ(t.GetColName(1), "");
}

TEST(DataTableCells, SetElemClearsEmptyAndFlagsNonFinite) {
  TDataTable t(2, 2);
  t.SetCellState(1, 1, csbEmpty | csbMarkA | csbReadOnly);
  t.SetElem(1, 1, 2.5);
  EXPECT_EQ(t.GetElem(1, 1), 2.5);
  EXPECT_EQ(t.GetCellState(1, 1), csbMarkA | csbReadOnly);
  t.SetElem(1, 1, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(t.GetCellState(1, 1), csbMarkA | csbReadOnly | csbInvalid);
  EXPECT_FALSE(t.GetIsNumber(1, 1));
  t.SetElem(1, 1, -std::numeric_limits<double>::infinity());
  EXPECT_FALSE(t.GetIsNumber(1, 1));
  t.SetElem(1, 1, 1.0);
  EXPECT_TRUE(t.GetIsNumber(1, 1));
  t.SetCellState(2, 2, csbEmpty);
  EXPECT_FALSE(t.GetIsNumber(2, 2));
}

TEST(DataTableCells, OutOfRangeIsIgnoredAndReadsZero) {
  TDataTable t(2, 2);
  int data = 0;
  int setup = 0;
  t.OnDataChanged = [&](QObject*) { ++data; };
  t.OnSetupChanged = [&](QObject*) { ++setup; };
  t.SetElem(0, 1, 5);
  t.SetElem(3, 1, 5);
  t.SetElem(1, 3, 5);
  t.SetCellState(1, 0, 0x40);
  t.SetColName(3, "x");
  t.SetRowName(0, "x");
  t.SetColAttrib(0, 1);
  t.SetRowAttrib(3, 1);
  t.SetMScaleType(3, 1);
  t.SetNominalID(3, 1, "x");
  EXPECT_EQ(data, 0);
  EXPECT_EQ(setup, 0);
  EXPECT_EQ(t.GetElem(3, 1), 0.0);
  EXPECT_EQ(t.GetCellState(1, 3), 0);
  EXPECT_FALSE(t.GetIsNumber(0, 0));
  EXPECT_EQ(t.GetRowName(3), "");
  EXPECT_EQ(t.GetColAttrib(3), 0);
  EXPECT_EQ(t.GetMScaleType(0), 0);
}

TEST(DataTableNotify, OneDataChangePerOperation) {
  TDataTable t(3, 3);
  int data = 0;
  t.OnDataChanged = [&](QObject* sender) {
    EXPECT_EQ(sender, &t);
    ++data;
  };
  t.SetElem(1, 1, 4);
  t.SetElem(1, 1, 4);
  EXPECT_EQ(data, 1);
  t.Fill(7);
  EXPECT_EQ(data, 2);
  t.Fill(7);
  EXPECT_EQ(data, 2);
  t.InvertCellStates(csbMarkA);
  t.ExchangeMarkings();
  t.UnmarkAllCells();
  EXPECT_EQ(data, 5);
  t.UnmarkAllCells();
  t.InvertCellStates(0);
  EXPECT_EQ(data, 5);
}

TEST(DataTableStates, MarkOperations) {
  TDataTable t(2, 2);
  t.SetCellState(1, 1, csbMarkA);
  t.SetCellState(2, 1, csbMarkB | 0x04);
  t.SetCellState(1, 2, csbMarkA | csbMarkB);
  t.ExchangeMarkings();
  EXPECT_EQ(t.GetCellState(1, 1), csbMarkB);
  EXPECT_EQ(t.GetCellState(2, 1), csbMarkA | 0x04);
  EXPECT_EQ(t.GetCellState(1, 2), csbMarkA | csbMarkB);
  EXPECT_EQ(t.GetCellState(2, 2), 0);
  t.InvertCellStates(csbEmpty);
  EXPECT_EQ(t.GetCellState(2, 2), csbEmpty);
  EXPECT_EQ(t.GetCellState(1, 1), csbMarkB | csbEmpty);
  t.UnmarkAllCells();
  EXPECT_EQ(t.GetCellState(2, 1), 0x04 | csbEmpty);
  EXPECT_EQ(t.GetCellState(1, 2), csbEmpty);
}

TEST(DataTableStates, FillMarkedCellsCountsMatches) {
  TDataTable t(3, 2);
  t.SetCellState(1, 1, csbMarkA);
  t.SetCellState(3, 2, csbMarkA | csbMarkB | csbEmpty);
  t.SetCellState(2, 2, csbMarkB);
  EXPECT_EQ(t.FillMarkedCells(9, csbMarkA), 2);
  EXPECT_EQ(Row(t, 1), (std::vector<double>{9, 0, 0}));
  EXPECT_EQ(Row(t, 2), (std::vector<double>{0, 0, 9}));
  EXPECT_EQ(t.GetCellState(3, 2), csbMarkA | csbMarkB);
  EXPECT_EQ(t.FillMarkedCells(1, csbMarkA | csbMarkB), 3);
  EXPECT_EQ(t.FillMarkedCells(1, 0), 0);
}

TEST(DataTableHeadings, NamesAndIdsAreCut) {
  TDataTable t(2, 2);
  t.SetColName(1, QString(60, 'n'));
  EXPECT_EQ(t.GetColName(1), QString(50, 'n'));
  t.SetRowName(2, QString(49, 'r') + QString::fromUtf8("\xF0\x9D\x84\x9E"));
  EXPECT_EQ(t.GetRowName(2), QString(49, 'r'));
  t.SetNominalID(1, 150, "abcdefghijkl");
  EXPECT_EQ(t.GetNominalID(1, 150), "abcdefghij");
  EXPECT_EQ(t.GetNominalID(1, 151), "");
  EXPECT_EQ(t.GetNominalID(1, 0), "");
  EXPECT_EQ(t.GetNominalID(2, 1), "");
}

TEST(DataTableHeadings, NominalIdentifiers) {
  TDataTable t(1, 1);
  t.SetMScaleType(1, mstNominal);
  t.SetNominalID(1, 1, "red");
  t.SetNominalID(1, 3, "Blue");
  EXPECT_EQ(t.GetMScaleType(1), 1);
  EXPECT_STREQ(MScaleTypeNames[t.GetMScaleType(1)], "nominal");
  EXPECT_EQ(t.OrdinalOfNominalID(1, "blue", true), 3);
  EXPECT_EQ(t.OrdinalOfNominalID(1, "blue", false), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(1, "green", true), 0);
  EXPECT_EQ(t.OrdinalOfNominalID(1, "", true), 0);
  t.SetMScaleType(1, kMScaleTypeCount);
  t.SetMScaleType(1, -1);
  EXPECT_EQ(t.GetMScaleType(1), 1);
}

TEST(DataTableHeadings, SetupChangesAreReported) {
  TDataTable t(2, 2);
  int setup = 0;
  t.OnSetupChanged = [&](QObject*) { ++setup; };
  t.SetColName(1, "a");
  t.SetColName(1, "a");
  t.SetRowAttrib(1, 3);
  t.SetMScaleType(2, mstRatio);
  t.SetNominalID(1, 2, "x");
  t.SetNominalID(2, 2, "");
  EXPECT_EQ(setup, 4);
  t.SetFComment("note");
  EXPECT_EQ(t.Comment(), "note");
}

TEST(DataTableShape, ResizeKeepsOverlapAndReportsSizes) {
  TDataTable t(3, 4);
  TResizeLog log(t);
  t.SetElem(2, 2, 5);
  t.SetCellState(2, 2, csbMarkB);
  t.SetColName(2, "B");
  t.SetRowName(2, "R2");
  t.Resize(5, 2);
  t.Resize(5, 2);
  EXPECT_EQ(t.GetElem(2, 2), 5.0);
  EXPECT_EQ(t.GetCellState(2, 2), csbMarkB);
  EXPECT_EQ(t.GetColName(2), "B");
  EXPECT_EQ(t.GetRowName(2), "R2");
  EXPECT_EQ(t.GetElem(5, 2), 0.0);
  t.Resize(-1, 3);
  ASSERT_EQ(log.calls.size(), 2u);
  EXPECT_EQ(log.calls[0], TSize(3, 4, 5, 2));
  EXPECT_EQ(log.calls[1], TSize(5, 2, 0, 3));
  t.Resize(2, 2);
  EXPECT_EQ(t.GetElem(2, 2), 0.0);  // the column was gone in between
}

TEST(DataTableShape, InsertRowsAtStartMiddleAndEnd) {
  TDataTable t(2, 3);
  for (int r = 1; r <= 3; ++r) {
    t.SetElem(1, r, r);
    t.SetRowName(r, QString("R%1").arg(r));
  }
  TResizeLog log(t);
  t.InsertRow(1);
  t.InsertRow(3);
  t.InsertRow(6);
  t.InsertRow(8);
  t.InsertRow(0);
  EXPECT_EQ(Column(t, 1), (std::vector<double>{0, 1, 0, 2, 3, 0}));
  EXPECT_EQ(t.GetRowName(4), "R2");
  EXPECT_EQ(t.GetRowName(3), "");
  ASSERT_EQ(log.calls.size(), 3u);
  EXPECT_EQ(log.calls[0], TSize(2, 3, 2, 4));
  EXPECT_EQ(log.calls[2], TSize(2, 5, 2, 6));
}

TEST(DataTableShape, RemoveRowsAtStartMiddleAndEnd) {
  TDataTable t(1, 5);
  for (int r = 1; r <= 5; ++r) t.SetElem(1, r, r);
  t.SetRowAttrib(4, 9);
  TResizeLog log(t);
  t.RemoveRow(1);
  t.RemoveRow(2);
  t.RemoveRow(3);
  t.RemoveRow(3);
  EXPECT_EQ(Column(t, 1), (std::vector<double>{2, 4}));
  EXPECT_EQ(t.GetRowAttrib(2), 9);
  ASSERT_EQ(log.calls.size(), 3u);
  EXPECT_EQ(log.calls[2], TSize(1, 3, 1, 2));
}

TEST(DataTableShape, InsertAndRemoveColumnsMoveTheirSetup) {
  TDataTable t(3, 2);
  for (int c = 1; c <= 3; ++c) {
    t.SetElem(c, 2, c * 10);
    t.SetColName(c, QString("C%1").arg(c));
  }
  t.SetMScaleType(2, mstNominal);
  t.SetNominalID(2, 1, "yes");
  TResizeLog log(t);
  t.InsertColumn(1);
  t.InsertColumn(5);
  t.InsertColumn(7);
  EXPECT_EQ(Row(t, 2), (std::vector<double>{0, 10, 20, 30, 0}));
  EXPECT_EQ(t.GetColName(3), "C2");
  EXPECT_EQ(t.GetMScaleType(3), mstNominal);
  EXPECT_EQ(t.GetNominalID(3, 1), "yes");
  EXPECT_EQ(t.GetColName(1), "");
  t.RemoveColumn(3);
  EXPECT_EQ(Row(t, 2), (std::vector<double>{0, 10, 30, 0}));
  EXPECT_EQ(t.GetColName(3), "C3");
  EXPECT_EQ(t.GetMScaleType(3), mstUndefined);
  ASSERT_EQ(log.calls.size(), 3u);
  EXPECT_EQ(log.calls[0], TSize(3, 2, 4, 2));
  EXPECT_EQ(log.calls[2], TSize(5, 2, 4, 2));
}

// Column insertions shift cells inside each row's spare room; removals
// leave a stale cell behind. A long random run of every shape operation,
// against a plain model, shows that no stale value or state ever surfaces
// and that values and states stay in their columns.
TEST(DataTableShape, ShapeOperationsAgreeWithAPlainModel) {
  using Cell = std::pair<double, std::uint8_t>;
  std::vector<std::vector<Cell>> model(3, std::vector<Cell>(4));  // [row][col]
  TDataTable t(4, 3);
  std::uint32_t seed = 12345;
  auto next = [&](int n) {
    seed = seed * 1664525u + 1013904223u;
    return int((seed >> 8) % std::uint32_t(n));
  };
  for (int step = 0; step < 3000; ++step) {
    const int cols = t.NrOfColumns(), rows = t.NrOfRows();
    switch (next(7)) {
      case 0:
      case 1: {  // write a cell
        if (cols == 0 || rows == 0) break;
        const int c = next(cols), r = next(rows);
        const double v = step + 0.5;
        const std::uint8_t s = std::uint8_t(next(256) & ~(csbInvalid | csbEmpty));
        t.SetCellState(c + 1, r + 1, s);
        t.SetElem(c + 1, r + 1, v);
        model[r][c] = {v, s};
        break;
      }
      case 2: {
        const int c = next(cols + 1);
        t.InsertColumn(c + 1);
        for (auto& row : model) row.insert(row.begin() + c, Cell{0.0, 0});
        break;
      }
      case 3:
        if (cols > 1) {
          const int c = next(cols);
          t.RemoveColumn(c + 1);
          for (auto& row : model) row.erase(row.begin() + c);
        }
        break;
      case 4: {
        const int r = next(rows + 1);
        t.InsertRow(r + 1);
        model.insert(model.begin() + r, std::vector<Cell>(std::size_t(cols)));
        break;
      }
      case 5:
        if (rows > 1) {
          const int r = next(rows);
          t.RemoveRow(r + 1);
          model.erase(model.begin() + r);
        }
        break;
      case 6:
        if (next(4) == 0) {
          const int nc = 1 + next(12), nr = 1 + next(8);
          t.Resize(nc, nr);
          model.resize(std::size_t(nr), std::vector<Cell>(std::size_t(nc)));
          for (auto& row : model) row.resize(std::size_t(nc));
        } else {
          t.MirrorColumns();
          for (auto& row : model) std::reverse(row.begin(), row.end());
        }
        break;
    }
    ASSERT_EQ(t.NrOfRows(), int(model.size())) << "step " << step;
    for (int r = 0; r < t.NrOfRows(); ++r) {
      ASSERT_EQ(t.NrOfColumns(), int(model[r].size())) << "step " << step;
      for (int c = 0; c < t.NrOfColumns(); ++c) {
        ASSERT_EQ(t.GetElem(c + 1, r + 1), model[r][c].first) << "step " << step << " cell " << c << "," << r;
        ASSERT_EQ(t.GetCellState(c + 1, r + 1), model[r][c].second) << "step " << step << " cell " << c << "," << r;
      }
    }
  }
}

TEST(DataTableShape, MirrorMovesNamesAlong) {
  TDataTable t(3, 2);
  t.SetElem(1, 1, 1);
  t.SetElem(3, 2, 6);
  t.SetCellState(3, 2, csbMarkA);
  t.SetRowName(1, "first");
  t.SetColName(3, "last");
  t.MirrorRows();
  EXPECT_EQ(t.GetElem(1, 2), 1.0);
  EXPECT_EQ(t.GetRowName(2), "first");
  t.MirrorColumns();
  EXPECT_EQ(t.GetElem(1, 1), 6.0);
  EXPECT_EQ(t.GetCellState(1, 1), csbMarkA);
  EXPECT_EQ(t.GetElem(3, 2), 1.0);
  EXPECT_EQ(t.GetColName(1), "last");
}

TEST(DataTableShape, ClearKeepsSize) {
  TDataTable t(2, 2);
  t.SetElem(1, 1, 3);
  t.SetCellState(1, 1, csbMarkA);
  t.SetColName(1, "x");
  t.SetRowAttrib(2, 5);
  t.SetFComment("c");
  t.Clear();
  EXPECT_EQ(t.NrOfColumns(), 2);
  EXPECT_EQ(t.GetElem(1, 1), 0.0);
  EXPECT_EQ(t.GetCellState(1, 1), 0);
  EXPECT_EQ(t.GetColName(1), "");
  EXPECT_EQ(t.GetRowAttrib(2), 0);
  EXPECT_EQ(t.Comment(), "");
}

TEST(DataTableShape, RefusesOversizeAndStaysUnchanged) {
  TDataTable t(2, 2);
  t.SetElem(1, 1, 8);
  TResizeLog log(t);
  EXPECT_THROW(t.Resize(1 << 20, 1 << 20), EVyrDStructError);
  EXPECT_EQ(t.NrOfColumns(), 2);
  EXPECT_EQ(t.GetElem(1, 1), 8.0);
  EXPECT_TRUE(log.calls.empty());
}

TEST(DataTableSort, RowsByColumnNonNumbersLastStable) {
  TDataTable t(3, 6);
  const double keys[] = {3, 1, 2, 1, 5, 4};
  for (int r = 1; r <= 6; ++r) {
    t.SetElem(1, r, keys[r - 1]);
    t.SetElem(2, r, r);
    t.SetElem(3, r, r);
    t.SetRowName(r, QString("R%1").arg(r));
  }
  t.SetCellState(1, 5, csbEmpty);  // 5 is hidden: no number
  t.SortRows(1, true, 1, 1, 2, 6, false);
  EXPECT_EQ(Column(t, 1), (std::vector<double>{1, 1, 2, 3, 4, 5}));
  EXPECT_EQ(Column(t, 2), (std::vector<double>{2, 4, 3, 1, 6, 5}));
  EXPECT_EQ(Column(t, 3), (std::vector<double>{1, 2, 3, 4, 5, 6}));  // outside the range
  EXPECT_EQ(t.GetCellState(1, 6), csbEmpty);
  EXPECT_EQ(t.GetRowName(1), "R1");
  t.SortRows(1, false, 1, 1, 3, 6, true);
  EXPECT_EQ(Column(t, 1), (std::vector<double>{4, 3, 2, 1, 1, 5}));
  EXPECT_EQ(Column(t, 2), (std::vector<double>{6, 1, 3, 2, 4, 5}));
  EXPECT_EQ(t.GetRowName(1), "R5");
}

TEST(DataTableSort, ExchangesReplayToTheResult) {
  TDataTable t(1, 7);
  const double keys[] = {5, 3, 7, 1, 6, 2, 4};
  for (int r = 1; r <= 7; ++r) t.SetElem(1, r, keys[r - 1]);
  std::vector<double> replay(keys, keys + 7);
  int data = 0;
  t.OnDataChanged = [&](QObject*) { ++data; };
  t.OnSortExchange = [&](QObject* sender, int kind, int i, int j) {
    EXPECT_EQ(sender, &t);
    EXPECT_EQ(kind, sekRows);
    std::swap(replay[i - 1], replay[j - 1]);
  };
  std::vector<int> percent;
  t.OnPercentDone = [&](QObject*, int p) { percent.push_back(p); };
  t.SortRows(1, true, 1, 1, 1, 7, false);
  EXPECT_EQ(Column(t, 1), (std::vector<double>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(replay, Column(t, 1));
  EXPECT_EQ(data, 1);
  ASSERT_FALSE(percent.empty());
  EXPECT_EQ(percent.back(), 100);
  t.SortRows(1, true, 1, 1, 1, 7, false);  // already in order: nothing moves
  EXPECT_EQ(data, 1);
}

TEST(DataTableSort, ColumnsByRowWithHeaders) {
  TDataTable t(4, 2);
  const double keys[] = {30, 10, 40, 20};
  for (int c = 1; c <= 4; ++c) {
    t.SetElem(c, 1, keys[c - 1]);
    t.SetElem(c, 2, c);
    t.SetColName(c, QString("C%1").arg(c));
  }
  std::vector<int> kinds;
  t.OnSortExchange = [&](QObject*, int kind, int, int) { kinds.push_back(kind); };
  t.SortCols(1, false, 4, 2, 1, 1, true);  // reversed bounds are put in order
  EXPECT_EQ(Row(t, 1), (std::vector<double>{40, 30, 20, 10}));
  EXPECT_EQ(Row(t, 2), (std::vector<double>{3, 1, 4, 2}));
  EXPECT_EQ(t.GetColName(1), "C3");
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds.front(), sekColumns);
  t.SortCols(3, true, 1, 1, 4, 2, true);  // no such row: ignored
  EXPECT_EQ(Row(t, 1), (std::vector<double>{40, 30, 20, 10}));
}

TEST(DataTableSort, RadixPathOnManyRows) {
  const int n = 3000;
  TDataTable t(2, n);
  for (int r = 1; r <= n; ++r) {
    t.SetElem(1, r, (r * 7919) % 1000 - 500.25);
    t.SetElem(2, r, r);
  }
  t.SortRows(1, true, 1, 1, 2, n, false);
  for (int r = 2; r <= n; ++r) {
    ASSERT_LE(t.GetElem(1, r - 1), t.GetElem(1, r));
    if (t.GetElem(1, r - 1) == t.GetElem(1, r)) ASSERT_LT(t.GetElem(2, r - 1), t.GetElem(2, r));
  }
  EXPECT_EQ(t.GetElem(1, 1), -500.25);
  EXPECT_EQ(t.GetElem(1, n), 498.75);
}
