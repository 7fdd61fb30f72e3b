// The row editor: its layout per column format, the OK and Cancel paths
// through the dialog interceptor, Enter in a field, and the write-back that
// leaves untouched and read-only cells as they were.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "host/DateTimeFormat.h"
#include "host/DateTimePicker.h"
#include "host/Modal.h"
#include "host/SpeedButton.h"
#include "numio/Vyr_NumIO.h"
#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

// Takes the user's place in every dialog while it lives.
class Answer {
 public:
  explicit Answer(TDialogInterceptor answer) : FPrevious(SetDialogInterceptor(std::move(answer))) {}
  ~Answer() { SetDialogInterceptor(FPrevious); }

 private:
  TDialogInterceptor FPrevious;
};

template <typename W>
W* Field(QDialog& d, const char* kind, int c) {
  return d.findChild<W*>(QStringLiteral("runtime_rlre_%1%2").arg(QLatin1String(kind)).arg(c));
}

void Press(QDialog& d, const char* button) {
  auto* b = d.findChild<TSpeedButton*>(QLatin1String(button));
  ASSERT_NE(b, nullptr);
  b->MouseDown(mbLeft, 0, 5, 5);
  b->MouseUp(mbLeft, 0, 5, 5);
}

// A list of `rows` rows with the given column names and formats.
void Columns(TReportListView& v, int rows, const QStringList& names, const QStringList& formats) {
  v.SetNrOfColumns(int(names.size()));
  v.SetNrOfRows(rows);
  for (int c = 1; c <= int(names.size()); ++c) {
    v.SetHeader(c, names[c - 1]);
    v.SetColumnFormat(c, formats[c - 1]);
  }
}

int LabelWidth(const QDialog& d, const QStringList& names) {
  int widest = 0;
  for (const QString& n : names) widest = std::max(widest, QFontMetrics(d.font()).horizontalAdvance(n));
  return widest + 8;
}

}  // namespace

TEST(RowEditor, LaysOutOneLabelledFieldPerColumn) {
  TReportListView v;
  const QStringList names{"Name", "Choice", "Number"};
  Columns(v, 5, names, {"[s][150]", "[l:3][80]a|b|c", "[#i][60]rix2"});
  bool seen = false;
  Answer answer([&](QDialog& d) {
    seen = true;
    const int lw = LabelWidth(d, names);
    EXPECT_EQ(d.windowTitle(), "Editing Row 4");
    EXPECT_EQ(d.size(), QSize(150 + lw + 28, 3 * 25 + 45 + 38));
    for (int c = 1; c <= 3; ++c) {
      auto* label = Field<QLabel>(d, "Label", c);
      EXPECT_EQ(label->text(), names[c - 1] + ":");
      EXPECT_EQ(label->geometry().topLeft(), QPoint(8, 45 + (c - 1) * 25 + 3));
      EXPECT_EQ(label->width(), lw);
      EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
    auto* edit = Field<QLineEdit>(d, "Edit", 1);
    EXPECT_EQ(edit->geometry(), QRect(lw + 12, 45, 150, 21));
    EXPECT_EQ(edit->property("Tag").toInt(), 1);
    auto* list = Field<QComboBox>(d, "CBox", 2);
    EXPECT_EQ(list->geometry(), QRect(lw + 12, 70, 80, 21));
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(2), "c");
    EXPECT_EQ(list->maxVisibleItems(), 3);
    EXPECT_EQ(list->currentIndex(), -1);
    auto* number = Field<TNumIO>(d, "NumIO", 3);
    EXPECT_EQ(number->geometry(), QRect(lw + 12, 95, 60, 21));
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(number->Text(), "04");
    EXPECT_EQ(number->Color(), 0x00E0E0E0u);
    EXPECT_EQ(number->Font().Color, 0x00808080u);
    auto* ok = d.findChild<TSpeedButton*>("RowEditorOK");
    auto* cancel = d.findChild<TSpeedButton*>("RowEditorCancel");
    EXPECT_EQ(ok->geometry(), QRect(150 + lw - 154, 4, 81, 29));
    EXPECT_EQ(cancel->geometry(), QRect(150 + lw - 69, 4, 81, 29));
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_TRUE(ok->Flat());
    return int(mrCancel);
  });
  EXPECT_EQ(v.EditRowEntries(4, 100, 50), mrCancel);
  EXPECT_TRUE(seen);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(v.Elem(c, 4), "");
}

TEST(RowEditor, OkWritesTheChangedFieldsButNotTheReadOnlyOne) {
  TReportListView v;
  Columns(v, 5, {"Name", "Choice", "Number"}, {"[s][150]", "[l:3][80]a|b|c", "[#i][60]rix2"});
  v.SetElem(1, 2, "old");
  v.SetElem(2, 2, "a");
  int changes = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  Answer answer([&](QDialog& d) {
    QTest::keyClicks(Field<QLineEdit>(d, "Edit", 1), "er");
    Field<QComboBox>(d, "CBox", 2)->setCurrentIndex(1);
    Press(d, "RowEditorOK");
    return d.result();
  });
  EXPECT_EQ(v.EditRowEntries(2, 0, 0, "Row", "Yes", "No"), mrOk);
  EXPECT_EQ(v.Elem(1, 2), "older");
  EXPECT_EQ(v.Elem(2, 2), "b");
  EXPECT_EQ(v.Elem(3, 2), "");
  EXPECT_EQ(changes, 1);
}

TEST(RowEditor, CancelChangesNothing) {
  TReportListView v;
  Columns(v, 3, {"A", "B"}, {"[s][90]", "[c:5][90]x|y"});
  v.SetElem(1, 1, "keep");
  v.SetElem(2, 1, "typed");
  int changes = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  Answer answer([&](QDialog& d) {
    auto* box = Field<QComboBox>(d, "CBox", 2);
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->currentText(), "typed");
    EXPECT_EQ(box->maxVisibleItems(), 5);
    Field<QLineEdit>(d, "Edit", 1)->setText("lost");
    box->setEditText("lost too");
    Press(d, "RowEditorCancel");
    return d.result();
  });
  EXPECT_EQ(v.EditRowEntries(1, 0, 0), mrCancel);
  EXPECT_EQ(v.Elem(1, 1), "keep");
  EXPECT_EQ(v.Elem(2, 1), "typed");
  EXPECT_EQ(changes, 0);
}

TEST(RowEditor, EnterInAnyEditableFieldIsOk) {
  for (int c = 1; c <= 4; ++c) {
    TReportListView v;
    Columns(v, 2, {"T", "L", "D", "N"}, {"[s][90]", "[l][90]p|q", "[ddd.MM.yyyy][90]", "[i][90]"});
    Answer answer([&](QDialog& d) {
      QWidget* field = d.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^runtime_rlre_(Edit|CBox|DtPick|NumIO)%1$").arg(c)))
                           .value(0);
      EXPECT_NE(field, nullptr) << c;
      if (!field) return int(mrNone);
      QWidget* target = field->findChild<QLineEdit*>() ? field->findChild<QLineEdit*>() : field;
      QTest::keyClick(target, Qt::Key_Return);
      return d.result();
    });
    EXPECT_EQ(v.EditRowEntries(1, 0, 0), mrOk) << c;
  }
}

TEST(RowEditor, TheViewsDialogHandlersCloseTheRunningDialog) {
  const std::pair<std::function<void(TReportListView&)>, int> cases[] = {
      {[](TReportListView& v) { v.EdRowOKClick(&v); }, mrOk},
      {[](TReportListView& v) { v.EdRowCancelClick(&v); }, mrCancel},
      {[](TReportListView& v) { QChar k(u'\r'); v.EdRowKeyPress(&v, k); }, mrOk},
      {[](TReportListView& v) { QChar k(u'a'); v.EdRowKeyPress(&v, k); }, 7}};  // stays open
  for (const auto& [act, result] : cases) {
    TReportListView v;
    Answer answer([&](QDialog& d) {
      d.setResult(7);
      act(v);
      return d.result();
    });
    EXPECT_EQ(v.EditRowEntries(1, 0, 0), result);
  }
}

TEST(RowEditor, UntouchedFieldsLeaveTheirCellsAsStored) {
  TReportListView v;
  Columns(v, 3, {"Shown", "List", "Date", "Number", "Fixed"},
          {"[s][90]", "[l][90]a|b", "[ddd.MM.yyyy][90]", "[f][90]", "[#s][90]"});
  v.SetElem(1, 2, "raw");
  v.SetElem(2, 2, "not listed");
  v.SetElem(3, 2, "someday");
  v.SetElem(4, 2, "1,5");
  v.SetElem(5, 2, "fixed");
  v.OnReadCell = [](TObject*, int c, int, QString& text) {
    if (c == 1) text = "shown " + text;
  };
  Answer answer([&](QDialog& d) {
    EXPECT_EQ(Field<QLineEdit>(d, "Edit", 1)->text(), "shown raw");
    EXPECT_EQ(Field<QComboBox>(d, "CBox", 2)->currentText(), "");
    EXPECT_EQ(Field<TDateTimePicker>(d, "DtPick", 3)->DateTime(), ZeroDateTime());
    return int(mrOk);
  });
  EXPECT_EQ(v.EditRowEntries(2, 0, 0), mrOk);
  EXPECT_EQ(v.Data().GetElem(1, 2), "raw");
  EXPECT_EQ(v.Data().GetElem(2, 2), "not listed");
  EXPECT_EQ(v.Data().GetElem(3, 2), "someday");
  EXPECT_EQ(v.Data().GetElem(4, 2), "1,5");
  EXPECT_EQ(v.Data().GetElem(5, 2), "fixed");
}

TEST(RowEditor, EmptyCellsTakeTheProposalsTheyShow) {
  TReportListView v;
  Columns(v, 8, {"Unit", "Nr", "Day", "Ro", "Hex"},
          {"[s][90]bar", "[i][50]rix3", "[dyyyy-MM-dd][100]2020-01-31", "[#s][90]ro", "[h][60]rix4"});
  Answer answer([&](QDialog& d) {
    EXPECT_EQ(Field<QLineEdit>(d, "Edit", 4)->text(), "ro");
    EXPECT_EQ(Field<TNumIO>(d, "NumIO", 5)->Text(), "0007");
    return int(mrOk);
  });
  EXPECT_EQ(v.EditRowEntries(7, 0, 0), mrOk);
  EXPECT_EQ(v.Elem(1, 7), "bar");
  EXPECT_EQ(v.Elem(2, 7), "007");
  EXPECT_EQ(v.Elem(3, 7), "2020-01-31");
  EXPECT_EQ(v.Elem(4, 7), "");
  EXPECT_EQ(v.Elem(5, 7), "0007");
}

TEST(RowEditor, DateFieldsReadAndWriteTheirFormat) {
  TReportListView v;
  Columns(v, 2, {"When", "Plain"}, {"[ddd.MM.yyyy HH:mm][120]", "[d][100]"});
  v.SetElem(1, 1, "31.01.2020 17:05");
  Answer answer([&](QDialog& d) {
    auto* picker = Field<TDateTimePicker>(d, "DtPick", 1);
    EXPECT_EQ(picker->DateTime(), QDateTime(QDate(2020, 1, 31), QTime(17, 5), Qt::UTC));
    picker->SetDateTime(QDateTime(QDate(2021, 2, 3), QTime(8, 9), Qt::UTC));
    Field<TDateTimePicker>(d, "DtPick", 2)->SetDateTime(QDateTime(QDate(2022, 12, 24), QTime(), Qt::UTC));
    return int(mrOk);
  });
  v.EditRowEntries(1, 0, 0);
  EXPECT_EQ(v.Elem(1, 1), "03.02.2021 08:09");
  EXPECT_EQ(v.Elem(2, 1), "2022-12-24");
}

TEST(RowEditor, RequestedFormatsHoldForOneDialog) {
  TReportListView v;
  Columns(v, 2, {"A"}, {"[s][90]"});
  v.OnRequestEditFormat = [](TObject*, int col, int row, QString& format) {
    if (col == 1 && row == 2) format = "[l][70]x|y";
  };
  bool listShown = false;
  Answer answer([&](QDialog& d) {
    listShown = Field<QComboBox>(d, "CBox", 1) != nullptr;
    return int(mrCancel);
  });
  v.EditRowEntries(2, 0, 0);
  EXPECT_TRUE(listShown);
  EXPECT_EQ(v.ColumnFormat(1), "[s][90]");
}

TEST(RowEditor, ContainerFormGetsTheFieldsForOneCall) {
  TReportListView v;
  const QStringList names{"Alpha", "B"};
  Columns(v, 2, names, {"[s][120]", "[x][60]"});
  QDialog container;
  container.setWindowTitle("mine");
  container.resize(50, 40);
  int lw = 0;
  Answer answer([&](QDialog& d) {
    EXPECT_EQ(&d, &container);
    lw = LabelWidth(d, names);
    EXPECT_EQ(d.windowTitle(), "");
    EXPECT_EQ(Field<QLabel>(d, "Label", 1)->geometry().topLeft(), QPoint(10 + 8, 20 + 3));
    EXPECT_EQ(Field<QLineEdit>(d, "Edit", 1)->geometry(), QRect(10 + lw + 12, 20, 120, 21));
    EXPECT_NE(Field<QLabel>(d, "Label", 2), nullptr);
    EXPECT_EQ(d.findChildren<QWidget*>(QRegularExpression("^runtime_rlre_.*2$")).size(), 1);
    EXPECT_EQ(d.findChild<TSpeedButton*>(), nullptr);
    Field<QLineEdit>(d, "Edit", 1)->setText("in");
    return 7;
  });
  EXPECT_EQ(v.EditRowEntries(1, &container, 10, 20), 7);
  EXPECT_EQ(v.Elem(1, 1), "");
  EXPECT_GE(container.width(), 10 + 120 + lw + 28);
  EXPECT_GE(container.height(), 20 + 2 * 25 + 38);
  EXPECT_TRUE(container.findChildren<QWidget*>(QRegularExpression("^runtime_rlre_")).isEmpty());
  EXPECT_EQ(v.EditRowEntries(1, nullptr, 0, 0), mrCancel);
}

TEST(RowEditor, NothingOfTheDialogOutlivesTheCall) {
  TReportListView v;
  Columns(v, 2, {"A"}, {"[s][90]"});
  QPointer<QDialog> dialog;
  Answer answer([&](QDialog& d) {
    dialog = &d;
    return int(mrOk);
  });
  v.EditRowEntries(1, 0, 0);
  EXPECT_TRUE(dialog.isNull());
  EXPECT_TRUE(v.findChildren<QDialog*>().isEmpty());
}

TEST(RowEditor, AViewDestroyedWhileItsDialogRunsIsNotTouched) {
  auto* v = new TReportListView;
  Columns(*v, 2, {"A"}, {"[s][90]"});
  Answer answer([&](QDialog& d) {
    Field<QLineEdit>(d, "Edit", 1)->setText("late");
    delete v;
    return int(mrOk);
  });
  EXPECT_EQ(v->EditRowEntries(1, 0, 0), mrOk);
}

TEST(RowEditor, RowsOutsideTheListShowEmptyFieldsAndWriteNothing) {
  TReportListView v;
  Columns(v, 2, {"A"}, {"[s][90]proposal"});
  int changes = 0;
  v.OnChange = [&](TObject*) { ++changes; };
  Answer answer([&](QDialog& d) {
    EXPECT_EQ(Field<QLineEdit>(d, "Edit", 1)->text(), "proposal");
    Field<QLineEdit>(d, "Edit", 1)->setText("typed");
    return int(mrOk);
  });
  EXPECT_EQ(v.EditRowEntries(9, 0, 0), mrOk);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(v.NrOfRows(), 2);
  EXPECT_EQ(v.Elem(1, 1), "");
  EXPECT_EQ(v.Elem(1, 2), "");
}

TEST(RowEditor, AssignTakesTheFormatRequestHandler) {
  TReportListView source, copy;
  Columns(source, 2, {"A"}, {"[s][90]"});
  int asked = 0;
  source.OnRequestEditFormat = [&](TObject*, int, int, QString&) { ++asked; };
  copy.Assign(&source);
  Answer answer([](QDialog&) { return int(mrCancel); });
  copy.EditRowEntries(1, 0, 0);
  EXPECT_EQ(asked, 1);
}

TEST(RowEditor, AFormatRequestThatDestroysTheViewEndsTheCall) {
  auto* v = new TReportListView;
  Columns(*v, 2, {"A", "B"}, {"[s][90]", "[s][90]"});
  v->OnRequestEditFormat = [&](TObject*, int, int, QString&) { delete v; };
  bool shown = false;
  Answer answer([&](QDialog&) {
    shown = true;
    return int(mrOk);
  });
  EXPECT_EQ(v->EditRowEntries(1, 0, 0), mrCancel);
  EXPECT_FALSE(shown);
}

TEST(RowEditor, AFormatRequestThatDestroysTheContainerEndsTheCall) {
  TReportListView v;
  Columns(v, 2, {"A", "B"}, {"[s][90]", "[s][90]"});
  auto* container = new QDialog;
  QPointer<QDialog> watch(container);
  v.OnRequestEditFormat = [&](TObject*, int col, int, QString&) {
    if (col == 2) delete container;
  };
  bool shown = false;
  Answer answer([&](QDialog&) {
    shown = true;
    return int(mrOk);
  });
  EXPECT_EQ(v.EditRowEntries(1, container, 0, 0), mrCancel);
  EXPECT_TRUE(watch.isNull());
  EXPECT_FALSE(shown);
  EXPECT_EQ(v.Elem(1, 1), "");
}

TEST(RowEditor, NumericLettersPickTheNotationAndTakeTheWholeRange) {
  TReportListView v;
  Columns(v, 12, {"E", "F", "H", "I"}, {"[e][60]rix1", "[f][60]rix2", "[h][60]", "[i][60]12"});
  v.SetElem(3, 12, "FF");
  Answer answer([&](QDialog& d) {
    const TInFormat formats[] = {itDynamic, itFloat, itHex, itInt};
    const char* texts[] = {"12.0", "12.00", "FF", "12"};
    for (int c = 1; c <= 4; ++c) {
      auto* number = Field<TNumIO>(d, "NumIO", c);
      EXPECT_EQ(number->InputFormat(), formats[c - 1]) << c;
      EXPECT_EQ(number->RangeLow(), -1.7e308) << c;
      EXPECT_EQ(number->RangeHigh(), 1.7e308) << c;
      EXPECT_EQ(number->Text(), texts[c - 1]) << c;
    }
    auto* f = Field<TNumIO>(d, "NumIO", 2);
    f->SelectAll();
    QTest::keyClicks(&f->EditWidget(), "-1e300");  // the "e" is refused in itFloat
    EXPECT_EQ(f->Text(), "-1300");
    return int(mrOk);
  });
  EXPECT_EQ(v.EditRowEntries(12, 0, 0), mrOk);
  EXPECT_EQ(v.Elem(2, 12), "-1300");
  EXPECT_EQ(v.Elem(3, 12), "FF");
}

TEST(RowEditor, ListItemsEndAtEachBarAndAClosingBarAddsNoItem) {
  TReportListView v;
  Columns(v, 1, {"A", "B", "C"}, {"[l][80]a|b|", "[c][80]a||b", "[l][80]"});
  Answer answer([&](QDialog& d) {
    EXPECT_EQ(Field<QComboBox>(d, "CBox", 1)->count(), 2);
    EXPECT_EQ(Field<QComboBox>(d, "CBox", 2)->count(), 3);
    EXPECT_EQ(Field<QComboBox>(d, "CBox", 2)->itemText(1), "");
    EXPECT_EQ(Field<QComboBox>(d, "CBox", 3)->count(), 1);
    return int(mrCancel);
  });
  v.EditRowEntries(1, 0, 0);
}
