#pragma once
// The report list's row editor: a dialog with one labelled field per column,
// built from the column formats, run modally and written back on OK. It
// lives for one EditRowEntries call and frees every widget it made before
// the call returns; it holds them through guarded pointers, so a dialog or
// view destroyed while the dialog runs leaves nothing dangling.
#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

#include "replist/ReportListView.h"

namespace vyr {

// Field geometry, in pixels.
constexpr int kRowEditorPitch = 25;
constexpr int kRowEditorLabelLeft = 8;
constexpr int kRowEditorLabelTop = 3;
constexpr int kRowEditorGap = 12;
constexpr int kRowEditorLabelSlack = 8;
constexpr int kRowEditorDefaultWidth = 200;
// Wider fields asked for by a format are cut to this.
constexpr int kRowEditorMaxWidth = 2000;
constexpr int kRowEditorFieldHeight = 21;
constexpr int kRowEditorBand = 45;
constexpr int kRowEditorButtonWidth = 81;
constexpr int kRowEditorButtonHeight = 29;
constexpr int kRowEditorButtonTop = 4;
constexpr int kRowEditorRightMargin = 28;
constexpr int kRowEditorBottomMargin = 38;

enum class TRowFieldKind { None, Text, Suggest, List, Date, Number };

// A column format taken apart as the row editor reads it: "[" TypeSpec "]"
// "[" WidthSpec "]" Default, a missing type group meaning "s".
struct TRowFieldFormat {
  TRowFieldKind Kind = TRowFieldKind::Text;
  QChar Letter = u's';
  QString TypeSpec;  // without the read-only marker
  bool ReadOnly = false;
  int Width = kRowEditorDefaultWidth;
  QString Default;
};

TRowFieldFormat ParseRowFieldFormat(QString format);

// One column's field and what it showed when the dialog opened.
struct TRowField {
  int Column = 0;
  TRowFieldFormat Format;
  QPointer<QWidget> Widget;
  QString StartText;
  // The cell was empty and the field shows its format's proposal.
  bool Proposed = false;
};

class TRowEditor {
 public:
  TRowEditor(TReportListView& view, int row) : FView(&view), FRow(row) {}
  ~TRowEditor();
  TRowEditor(const TRowEditor&) = delete;
  TRowEditor& operator=(const TRowEditor&) = delete;

  // Lays a label and a field per column on form, (left, top) from its
  // corner, the first row `band` pixels down.
  void Build(QDialog& form, int left, int top, int band);
  // Width and height the fields need from the form's corner.
  int NeededWidth() const { return FLeft + FWidestField + FLabelWidth + kRowEditorRightMargin; }
  int NeededHeight(int band) const;
  int WidestField() const { return FWidestField; }
  // False once a handler destroyed the view or the form during Build.
  bool Alive() const { return FView && FForm; }
  int LabelWidth() const { return FLabelWidth; }
  // Runs form modally and writes back on OK; returns the modal result.
  int Run(QDialog& form);

 private:
  void AddColumn(QDialog& form, int c, int band);
  QWidget* MakeField(QDialog& form, TRowField& field);
  QWidget* MakeText(QDialog& form, TRowField& field);
  QWidget* MakeCombo(QDialog& form, TRowField& field);
  QWidget* MakeDate(QDialog& form, TRowField& field);
  QWidget* MakeNumber(QDialog& form, TRowField& field);
  void WriteBack();
  // The cell as the view shows it (through OnReadCell) and as stored.
  QString Shown(int c) const;
  bool StoredEmpty(int c) const;

  QPointer<TReportListView> FView;
  QPointer<QDialog> FForm;
  int FRow;
  int FLeft = 0, FTop = 0;
  int FLabelWidth = 0, FWidestField = 0;
  std::vector<TRowField> FFields;
  std::vector<QPointer<QWidget>> FMade;  // every widget made, labels too
};

// The current text of a field (a date as its format writes it).
QString RowFieldText(const TRowField& field);
// The text of a numeric field; empty for any other widget.
QString RowNumberText(const TRowField& field);
// Enter or Return in the field (or the line edit inside it) goes to the
// view's EdRowKeyPress, which closes the dialog with OK.
void CloseOnEnter(TReportListView& view, QWidget& field);
// Disabled, grey on light grey.
void ShowReadOnly(QWidget& field);

}  // namespace vyr
