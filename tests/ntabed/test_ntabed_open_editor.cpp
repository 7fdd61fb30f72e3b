// An open in-place editor and everything else that may write the table
// meanwhile: closing the editor writes back only what the user typed.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <functional>
#include <optional>
#include <random>

#include "NTabTestTools.h"

using namespace vyr;
using ntabtest::Cursor;
using ntabtest::Key;
using ntabtest::Type;

TEST(NTabEdOpenEditor, WritesMadeWhileItIsOpenSurviveAClickElsewhere) {
  struct Case {
    const char* name;
    std::function<void(TNTabEd&)> change;
    std::vector<double> column;
    std::uint8_t firstState;
  };
  const std::vector<Case> cases = {
      {"mirror", [](TNTabEd& e) { e.MirrorRows(); }, {40, 30, 20, 10}, 0},
      {"insert", [](TNTabEd& e) { e.InsertRow(1); }, {0, 10, 20, 30, 40}, 0},
      {"sort", [](TNTabEd& e) { e.SortRows(1, false, 1, 1, 3, 4, false); }, {40, 30, 20, 10}, 0},
      {"set", [](TNTabEd& e) { e.SetElem(1, 1, 99); }, {99, 20, 30, 40}, 0},
      {"mark", [](TNTabEd& e) { e.MarkCells(csbMarkA, true, 4); }, {10, 20, 30, 40}, csbMarkA},
  };
  for (const Case& k : cases) {
    auto ed = ntabtest::ShownEditor();
    for (int r = 1; r <= 4; ++r) ed->SetElem(1, r, 10.0 * r);
    Cursor(*ed, 1, 1);
    Key(ed.get(), Qt::Key_F2);
    ASSERT_TRUE(ed->EditorMode()) << k.name;
    k.change(*ed);
    ntabtest::Press(*ed, 3 + ed->ColOffset(), 3);
    for (int r = 1; r <= int(k.column.size()); ++r) EXPECT_EQ(ed->Elem(1, r), k.column[std::size_t(r - 1)]) << k.name;
    EXPECT_EQ(ed->CellState(1, 1), k.firstState) << k.name;
  }
}

TEST(NTabEdOpenEditor, RandomOperationsWithEditorsLeftOpenMatchAShadowTable) {
  auto ed = ntabtest::ShownEditor(600, 400);
  using Cell = std::pair<double, std::uint8_t>;
  std::vector<std::vector<Cell>> shadow(4, std::vector<Cell>(3, Cell{0, 0}));  // [row][column]
  std::mt19937 rng(20261208);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  std::optional<std::pair<int, int>> open;  // the cell being edited and what it held
  Cell before;
  for (int step = 0; step < 300; ++step) {
    const int rows = int(shadow.size()), c = 1 + pick(3), r = 1 + pick(rows);
    const int op = pick(7);
    if (op >= 2 && !(op == 2 && open && open->first == c && open->second == r)) open.reset();
    if (op == 0) {  // type a digit and leave the editor open
      Cursor(*ed, c, r);
      const int digit = pick(10);
      Type(ed.get(), QString::number(digit));
      before = shadow[std::size_t(r - 1)][std::size_t(c - 1)];
      shadow[std::size_t(r - 1)][std::size_t(c - 1)] = {digit, before.second & ~(csbInvalid | csbEmpty)};
      open = {c, r};
    } else if (op == 1) {
      Key(ed.get(), Qt::Key_Escape);
      if (open) shadow[std::size_t(open->second - 1)][std::size_t(open->first - 1)] = before;
      open.reset();
    } else if (op == 2) {  // a second click on a cell opens an untouched editor
      if (open && open->first == c && open->second == r) continue;
      ntabtest::Press(*ed, c + ed->ColOffset(), r + ed->RowOffset());
      if (ed->EditorMode()) open = {c, r}, before = shadow[std::size_t(r - 1)][std::size_t(c - 1)];
    } else if (op == 3) {
      ed->MirrorRows();
      std::reverse(shadow.begin(), shadow.end());
    } else if (op == 4 && rows < 7) {
      ed->InsertRow(r);
      shadow.insert(shadow.begin() + (r - 1), std::vector<Cell>(3, Cell{0, 0}));
    } else if (op == 4) {
      ed->RemoveRow(r);
      shadow.erase(shadow.begin() + (r - 1));
    } else if (op == 5) {
      ed->SetElem(c, r, 100 + step);
      Cell& s = shadow[std::size_t(r - 1)][std::size_t(c - 1)];
      s = {100 + step, s.second & ~(csbInvalid | csbEmpty)};
    } else {
      ed->SetElemMarkedB(c, r, true);
      shadow[std::size_t(r - 1)][std::size_t(c - 1)].second |= csbMarkB;
    }
    ASSERT_EQ(ed->NrOfRows(), int(shadow.size())) << step;
    for (int rr = 1; rr <= ed->NrOfRows(); ++rr)
      for (int cc = 1; cc <= 3; ++cc) {
        const Cell& s = shadow[std::size_t(rr - 1)][std::size_t(cc - 1)];
        ASSERT_EQ(ed->Elem(cc, rr), s.first) << "step " << step << " op " << op << " cell " << cc << "," << rr;
        ASSERT_EQ(ed->CellState(cc, rr), s.second) << "step " << step << " op " << op << " cell " << cc << "," << rr;
      }
  }
}

TEST(NTabEdOpenEditor, PickListComesAndGoesBetweenNominalAndNumericCells) {
  auto ed = ntabtest::ShownEditor();
  ed->Data().SetMScaleType(2, mstNominal);
  ed->Data().SetNominalID(2, 1, QStringLiteral("low"));
  ed->Data().SetNominalID(2, 3, QStringLiteral("high"));
  for (int round = 0; round < 2; ++round) {
    Cursor(*ed, 2, 1);
    Type(ed.get(), QStringLiteral("h"));
    QCompleter* list = ed->InplaceEditor()->completer();
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_TRUE(list->popup()->isVisible());  // the list shows as the editor opens
    Key(ed.get(), Qt::Key_Escape);            // closes the list
    Key(ed.get(), Qt::Key_Escape);            // closes the editor
    Cursor(*ed, 1, 1);
    Type(ed.get(), QStringLiteral("5"));
    EXPECT_FALSE(ed->InplaceEditor()->completer()->popup()->isVisible());
    Key(ed.get(), Qt::Key_Escape);
  }
  Cursor(*ed, 2, 2);
  Type(ed.get(), QStringLiteral("7"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(2, 2), 7.0);
}
