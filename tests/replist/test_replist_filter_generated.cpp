// FilterAndSort on generated lists against a reference that tests every row
// with TTextFilter::Matches on the values the list shows: columns whose
// texts repeat (searched through their distinct texts) and columns of
// unique texts (read cell by cell), check columns, empty cells, every
// syntax with and without case, and cells changed between the filters.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "foundation/TextFilter.h"
#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

constexpr int kRows = 600;

// Few values, so that they repeat over the rows; mixed case, non-ASCII
// letters, a character outside the basic plane and the empty text.
const QStringList kValues = {"Pump",  "pump 2", "TANK",  "tank b", "Ventil", "ß",   "SS",
                             "éclat", "ÉCLAT",  "",      "a AND b", "𝒜 x",   "Σσς", "(x)"};

QString UniqueText(std::mt19937& rng, int row) {
  return kValues[qsizetype(rng() % kValues.size())] + QString::number(row) + kValues[qsizetype(rng() % kValues.size())];
}

// Columns: 1 repeating, 2 unique, 3 repeating with check marks, 4 unique
// radio column.
void Prepare(TReportListView& v, std::mt19937& rng) {
  v.SetBounds(0, 0, 400, 300);
  v.BeginUpdate();
  v.SetNrOfColumns(4);
  v.SetColumnCheckMode(3, cmBox);
  v.SetColumnCheckMode(4, cmRadio);
  v.SetNrOfRows(kRows);
  for (int r = 1; r <= kRows; ++r) {
    v.SetElem(1, r, kValues[qsizetype(rng() % kValues.size())]);
    v.SetElem(2, r, UniqueText(rng, r));
    v.SetElem(3, r, kValues[qsizetype(rng() % kValues.size())]);
    v.SetElemChecked(3, r, rng() % 2);
    v.SetElem(4, r, UniqueText(rng, r));
  }
  v.SetElemChecked(4, 5, true);
  v.EndUpdate();
}

struct TCase {
  const char* Expression;
  TFilterMode Mode;
};

const TCase kCases[] = {
    {"pump", fmSimple},          {"SS", fmSimple},
    {"é", fmSimple},             {"", fmSimple},
    {"𝒜", fmSimple},            {"a AND b", fmSimple},
    {"pump OR tank", fmBoolean}, {"NOT ventil", fmBoolean},
    {"(ß OR éclat) AND NOT 1", fmBoolean}, {"\"a AND b\" OR \"(x)\"", fmBoolean},
    {"σ 2", fmBoolean},          {"\"\"", fmBoolean},
    {"^pump", fmGrep},           {"[0-9]+$", fmGrep},
    {"^$", fmGrep},              {"t.nk|σ", fmGrep},
};

// The enabled state the reference gives each displayed row.
std::vector<bool> Expected(const TReportListView& v, const TTextFilter& filter, const std::vector<int>& columns) {
  std::vector<int> searched = columns;
  if (searched.empty()) searched = {1, 2, 3, 4};
  std::vector<bool> result;
  for (int r = 1; r <= v.NrOfRows(); ++r) {
    QStringList values;
    for (int c : searched)
      if (c >= 1 && c <= v.NrOfColumns()) values << v.Elem(c, r);
    const std::vector<QStringView> views(values.begin(), values.end());
    result.push_back(filter.Matches(views));
  }
  return result;
}

std::vector<bool> Enabled(const TReportListView& v) {
  std::vector<bool> result;
  for (int r = 1; r <= v.NrOfRows(); ++r) result.push_back(v.RowEnabled(r));
  return result;
}

TTextFilter Reference(const TCase& c, bool ignoreCase) {
  switch (c.Mode) {
    case fmBoolean:
      return TTextFilter::Boolean(c.Expression, ignoreCase);
    case fmGrep:
      return TTextFilter::RegularExpression(c.Expression, ignoreCase);
    default:
      return TTextFilter::Substring(c.Expression, ignoreCase);
  }
}

}  // namespace

TEST(RepListFilterGenerated, EveryRowAsTheReferenceDecides) {
  std::mt19937 rng(2026);
  TReportListView v;
  Prepare(v, rng);
  const std::vector<std::vector<int>> columnSets = {{}, {1}, {3}, {2, 4}, {1, 3}, {3, 9, 2}};
  int round = 0;
  for (const TCase& c : kCases)
    for (bool ignoreCase : {false, true})
      for (const std::vector<int>& columns : columnSets) {
        // The state before the filter is taken row by row against the
        // values as they are now, including the changes of earlier rounds.
        const int row = 1 + int(rng() % kRows);
        switch (round++ % 4) {
          case 0:
            v.SetElem(1, row, kValues[qsizetype(rng() % kValues.size())]);
            break;
          case 1:
            v.SetElem(3, row, QStringLiteral("pump ß"));
            v.SetElemChecked(3, row, !v.ElemChecked(3, row));
            break;
          case 2:
            v.Data().InsertRow(row);
            v.SetElem(1, row, QStringLiteral("TANK"));
            v.RemoveRow(1 + int(rng() % unsigned(v.NrOfRows())));
            break;
          default:
            v.SetElem(2, row, UniqueText(rng, row));
        }
        // The first search after a change reads the cells, the second one
        // goes through the distinct texts of the repeating columns.
        for (int pass = 0; pass < 2; ++pass) {
          v.FilterAndSort(c.Expression, columns, ignoreCase, c.Mode, 1 + round % 4, round % 3 == 0);
          ASSERT_EQ(Enabled(v), Expected(v, Reference(c, ignoreCase), columns))
              << c.Expression << " ignoreCase " << ignoreCase << " round " << round << " pass " << pass;
        }
      }
}

// A handler that writes a searched cell before the test sees the new text.
TEST(RepListFilterGenerated, CellWrittenByTheHandlerIsSearchedAsWritten) {
  std::mt19937 rng(7);
  TReportListView v;
  Prepare(v, rng);
  v.FilterAndSort("Ventil", {1}, false, fmSimple, -1, true);
  v.FilterAndSort("Ventil", {1}, false, fmSimple, -1, true);  // the column's texts are now kept
  for (int r = 1; r <= kRows; ++r)
    if (v.Elem(1, r) == QLatin1String("zzz")) FAIL();
  v.OnBeforeFilter = [&v](TObject*, int row, bool&, TLogicOp&) {
    if (row == 1) v.SetElem(1, kRows, QStringLiteral("zzz"));
  };
  v.FilterAndSort("zzz", {1}, false, fmSimple, -1, true);
  EXPECT_EQ(v.NumEnabledRows(), 1);
  EXPECT_EQ(v.Elem(1, 1), QStringLiteral("zzz"));
}
