#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include "NTabTestTools.h"
#include "host/Clipboard.h"
#include "host/Modal.h"

using namespace vyr;

namespace {

void SelectData(TNTabEd& ed, int c1, int r1, int c2, int r2) {
  ed.SetSelection({c1 + ed.ColOffset(), r1 + ed.RowOffset(), c2 + ed.ColOffset(), r2 + ed.RowOffset()});
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Extracts text into a fresh 6 x 6 table at data cell (1, 1).
std::unique_ptr<TNTabEd> Extracted(const QString& text) {
  auto ed = std::make_unique<TNTabEd>();
  ed->Redimension(6, 6);
  ed->Fill(-1);
  SelectData(*ed, 1, 1, 1, 1);
  Clipboard().SetAsText(text);
  ed->PopupMenuClickExtClip();
  return ed;
}

}  // namespace

TEST(NTabEdClip, CopyShortFormWithPrecision) {
  TNTabEd ed;
  ed.SetClipboardUseFullPrec(false);
  ed.SetPrecision(1, 2);
  ed.SetElem(1, 1, 2.5);
  SelectData(ed, 1, 1, 1, 1);
  ed.PopupMenuClickCopy();
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral(" 2.50\r\n"));
}

TEST(NTabEdClip, NonNumbersKeepTheirPlace) {
  TNTabEd ed;
  ed.SetClipboardUseFullPrec(false);
  ed.SetPrecision(1, 1);
  ed.SetPrecision(2, 1);
  ed.SetElem(1, 1, 1.5);
  ed.SetElem(2, 1, 2);
  ed.SetCellState(1, 2, csbInvalid);
  ed.SetElem(2, 2, 4);
  SelectData(ed, 1, 1, 2, 2);
  ed.PopupMenuClickCopy();
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral(" 1.5\t2.0\r\n ####\t4.0\r\n"));
  auto back = Extracted(Clipboard().AsText());
  EXPECT_EQ(back->Elem(1, 2), -1.0);  // left alone
  EXPECT_EQ(back->Elem(2, 2), 4.0);   // in its own column
}

TEST(NTabEdClip, CopyThenPasteAndExtractGiveBackEveryBit) {
  TNTabEd src;
  src.Redimension(100, 100);
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int r = 1; r <= 100; ++r)
    for (int c = 1; c <= 100; ++c) {
      double v;
      do {
        const std::uint64_t b = bits(rng);
        std::memcpy(&v, &b, sizeof v);
      } while (!std::isfinite(v));
      src.SetElem(c, r, v);
    }
  src.SetElem(1, 1, -0.0);
  src.SetElem(2, 1, 5e-324);
  src.SetElem(3, 1, 1.7976931348623157e308);
  src.SetCellState(4, 4, csbMarkA);
  SelectData(src, 1, 1, 100, 100);
  src.PopupMenuClickCopy();
  // Paste from the copy buffer into a fresh place.
  src.Redimension(101, 101);
  SelectData(src, 2, 2, 2, 2);
  src.PopupMenuClickPaste();
  EXPECT_EQ(src.Selection(), (TGridRect{2 + src.ColOffset(), 2, 101 + src.ColOffset(), 101}));
  EXPECT_EQ(src.CellState(5, 5), csbMarkA);
  // Extract the clipboard text into another editor.
  TNTabEd dst;
  dst.Redimension(100, 100);
  SelectData(dst, 1, 1, 1, 1);
  dst.PopupMenuClickExtClip();
  int wrong = 0;
  for (int r = 1; r <= 100; ++r)
    for (int c = 1; c <= 100; ++c) {
      wrong += !SameBits(dst.Elem(c, r), src.Elem(c + 1, r + 1));
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_TRUE(std::signbit(dst.Elem(1, 1)));
  EXPECT_EQ(dst.Elem(2, 1), 5e-324);
}

TEST(NTabEdClip, TextsFromOtherProgramsLandInTheRightCells) {
  const QString texts[] = {
      QStringLiteral("1\t2\t3\r\n4\t\t6\r\n"),       // tabs, CRLF, an empty field
      QStringLiteral("1\t2\t3\n4\t\t6"),             // LF only, no final line end
      QStringLiteral("1;2;3\n4;;6\n"),               // semicolons
      QStringLiteral("1 2 3\r\n4 x 6 kg\r\n"),       // blanks and words: numbers only
  };
  for (const QString& text : texts) {
    auto ed = Extracted(text);
    EXPECT_EQ(ed->Elem(1, 1), 1.0) << text.toStdString();
    EXPECT_EQ(ed->Elem(3, 1), 3.0) << text.toStdString();
    EXPECT_EQ(ed->Elem(1, 2), 4.0) << text.toStdString();
    EXPECT_EQ(ed->Elem(4, 1), -1.0) << text.toStdString();
    EXPECT_EQ(ed->Elem(1, 3), -1.0) << text.toStdString();
    int cols = 0, rows = 0;
    ASSERT_TRUE(ed->GetClipMatrixSize(cols, rows));
    EXPECT_EQ(rows, 2) << text.toStdString();
    EXPECT_EQ(cols, 3) << text.toStdString();
  }
  auto tabbed = Extracted(texts[0]);
  EXPECT_EQ(tabbed->Elem(2, 2), -1.0);  // the empty field is skipped
  EXPECT_EQ(tabbed->Elem(3, 2), 6.0);
  EXPECT_EQ(tabbed->Selection(), (TGridRect{2, 1, 4, 2}));
}

TEST(NTabEdClip, DecimalCommaIsPartOfTheNumberForCountAndExtraction) {
  auto ed = Extracted(QStringLiteral("1,5\t2,25\n"));
  EXPECT_EQ(ed->Elem(1, 1), 1.5);
  EXPECT_EQ(ed->Elem(2, 1), 2.25);
  int cols = 0, rows = 0;
  ASSERT_TRUE(ed->GetClipMatrixSize(cols, rows));
  EXPECT_EQ(cols, 2);
  EXPECT_EQ(rows, 1);
  Clipboard().SetAsText(QStringLiteral("no numbers here"));
  EXPECT_FALSE(ed->GetClipMatrixSize(cols, rows));
  EXPECT_EQ(cols, 1);
  EXPECT_EQ(rows, 1);
}

TEST(NTabEdClip, ExtractionIsBoundedByTheTableAndSkipsProtectedCells) {
  TNTabEd ed;  // 3 x 4
  ed.SetCellState(2, 1, csbReadOnly);
  SelectData(ed, 2, 3, 2, 3);
  Clipboard().SetAsText(QStringLiteral("1 2 3 4 5\n6 7 8\n9\n10\n11\n"));
  ed.PopupMenuClickExtClip();
  EXPECT_EQ(ed.Elem(2, 3), 1.0);
  EXPECT_EQ(ed.Elem(3, 3), 2.0);
  EXPECT_EQ(ed.Elem(2, 4), 6.0);
  SelectData(ed, 1, 1, 1, 1);
  Clipboard().SetAsText(QStringLiteral("5 6"));
  ed.PopupMenuClickExtClip();
  EXPECT_EQ(ed.Elem(1, 1), 5.0);
  EXPECT_EQ(ed.Elem(2, 1), 0.0);  // protected
}

TEST(NTabEdClip, ClearPasteAndToggleEmptyLeaveProtectedCellsAndReadOnlyDataAlone) {
  TNTabEd ed;
  ed.Fill(3);
  ed.SetCellState(1, 1, csbReadOnly);
  SelectData(ed, 1, 1, 2, 1);
  ed.PopupMenuClickCopy();
  ed.PopupMenuClickClear();
  EXPECT_EQ(ed.Elem(1, 1), 3.0);
  EXPECT_EQ(ed.Elem(2, 1), 0.0);
  ed.PopupMenuClickEmptyCells();
  EXPECT_EQ(ed.CellState(1, 1) * 256 + ed.CellState(2, 1), csbReadOnly * 256 + csbEmpty);
  ed.SetDataReadOnly(true);
  SelectData(ed, 1, 2, 1, 2);
  ed.PopupMenuClickPaste();
  ed.PopupMenuClickClear();
  Clipboard().SetAsText(QStringLiteral("9"));
  ed.PopupMenuClickExtClip();
  ed.PopupMenuClickEmptyCells();
  EXPECT_EQ(ed.Elem(1, 2), 3.0);
  EXPECT_EQ(ed.CellState(1, 2), 0);
}

TEST(NTabEdClip, ClearHandlerReplacesClearingAndHooksComeBackAfterAThrow) {
  TNTabEd ed;
  ed.Fill(3);
  SelectData(ed, 1, 1, 1, 1);
  ed.OnClear = [](TObject*) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(ed.PopupMenuClickClear(), std::runtime_error);
  EXPECT_EQ(ed.Elem(1, 1), 3.0);
  int changes = 0;
  ed.OnChange = [&](TObject*) { ++changes; };
  ed.SetElem(1, 1, 4);
  EXPECT_EQ(changes, 1);  // the data hook and the suppression flag are back
}

TEST(NTabEdMenus, MasksReadOnlyAndGlyphs) {
  auto ed = ntabtest::ShownEditor();
  ed->SetPopupDMask(0);
  QStringList seen;
  QMenu* opened = nullptr;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) { opened = &m; });
  ntabtest::Press(*ed, 2, 1, mbRight);
  ASSERT_EQ(opened, ed->DataMenu());
  auto item = [&](int k) { return ed->DataMenu()->findChild<QAction*>(QStringLiteral("DIt%1").arg(k)); };
  for (int k = 1; k <= 12; ++k) EXPECT_FALSE(item(k)->isEnabled()) << k;  // the mask holds on opening
  EXPECT_FALSE(item(9)->icon().isNull());
  ed->SetPopupDMask(TNTabEd::kAllMenuItems);
  ntabtest::Press(*ed, 2, 1, mbRight);
  EXPECT_TRUE(item(6)->isEnabled());
  EXPECT_TRUE(item(10)->isEnabled());
  EXPECT_FALSE(item(8)->isEnabled());  // no copy yet
  ed->SetDataReadOnly(true);
  ntabtest::Press(*ed, 2, 1, mbRight);
  EXPECT_FALSE(item(6)->isEnabled());
  EXPECT_FALSE(item(10)->isEnabled());
  opened = nullptr;
  ntabtest::Press(*ed, 2, 0, mbRight);
  EXPECT_EQ(opened, ed->HeadingMenu());
  auto hitem = [&](int k) { return ed->HeadingMenu()->findChild<QAction*>(QStringLiteral("HIt%1").arg(k)); };
  EXPECT_EQ(hitem(4)->text(), QStringLiteral("Insert Column"));
  EXPECT_FALSE(hitem(4)->isEnabled());
  ntabtest::Press(*ed, 0, 2, mbRight);
  EXPECT_EQ(hitem(5)->text(), QStringLiteral("Delete Row"));
  EXPECT_FALSE(hitem(2)->isEnabled());  // precision only for columns
  SetMenuInterceptor(old);
}

TEST(NTabEdMenus, PrecisionStepsDownAndWrapsWhileChosenAgain) {
  auto ed = ntabtest::ShownEditor();
  ed->SetPrecision(2, 0);
  ed->SetPressedCell({3, 0});
  int rounds = 0;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) {
    if (++rounds < 2) m.findChild<QAction*>(QStringLiteral("HIt2"))->trigger();
  });
  ed->PopupMenuClickPrecision();
  SetMenuInterceptor(old);
  EXPECT_EQ(ed->Precision(2), 10);  // 0 -> -1 -> 10
  EXPECT_EQ(rounds, 2);
}

TEST(NTabEdMenus, InsertColumnNamesTheNewOne) {
  TNTabEd ed;
  ed.SetColName(2, QStringLiteral("b"));
  ed.SetPressedCell({2 + ed.ColOffset(), 0});
  ed.PopupMenuClickInsertCol();
  EXPECT_EQ(ed.NrOfColumns(), 4);
  EXPECT_EQ(ed.ColName(2), QStringLiteral("(...)"));
  EXPECT_EQ(ed.ColName(3), QStringLiteral("b"));
}

TEST(NTabEdMenus, MarkRangeColumnRowAndAll) {
  TNTabEd ed;
  SelectData(ed, 2, 2, 2, 2);
  ed.PopupMenuClickMarkACol();
  EXPECT_EQ(ed.NrOfMarkedDataA(), 4);
  ed.DataMenu()->findChild<QAction*>(QStringLiteral("M2It3"))->trigger();  // mark B, row
  EXPECT_EQ(ed.NrOfMarkedDataB(), 3);
  ed.PopupMenuClickUnMarkAAll();
  EXPECT_EQ(ed.NrOfMarkedDataA(), 0);
  ed.PopupMenuClickEmptyCells();
  EXPECT_TRUE(ed.IsEmpty(2, 2));
}

TEST(NTabEdClip, NonFiniteNumbersCopyAsTheShortFormWritesThem) {
  TNTabEd ed;
  for (int c = 1; c <= 3; ++c) ed.SetElem(c, 1, std::array{INFINITY, -INFINITY, NAN}[std::size_t(c - 1)]);
  ed.InvertCellStates(csbInvalid);  // number cells holding non-finite values
  SelectData(ed, 1, 1, 3, 1);
  ed.PopupMenuClickCopy();
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral(" *\t*\t*\r\n"));
}
