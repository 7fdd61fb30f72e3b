// The row editor's fields: an edit box, a combo box, a date and time picker,
// what each shows first and how its text is read back.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "foundation/NumRoutines.h"
#include "host/DateTimePicker.h"
#include "host/Control.h"
#include "replist/RLColumnFormat.h"
#include "replist/RLScanDateTime.h"
#include "replist/RepListRowEditor.h"

namespace vyr {

namespace {

// A date format without codes reads and writes ISO dates.
QString DateFormatOf(const TRowFieldFormat& format) {
  const QString codes = format.TypeSpec.mid(1);
  return codes.isEmpty() ? QStringLiteral("yyyy-MM-dd") : codes;
}

// Hands Enter or Return in a field to the view's key-press handler as a
// carriage return.
class TEnterToView : public QObject {
 public:
  TEnterToView(TReportListView& view, QObject* parent) : QObject(parent), FView(&view) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !FView) return false;
    const int code = static_cast<QKeyEvent*>(event)->key();
    if (code != Qt::Key_Return && code != Qt::Key_Enter) return false;
    QChar key(u'\r');
    FView->EdRowKeyPress(watched, key);
    return true;
  }

 private:
  QPointer<TReportListView> FView;
};

}  // namespace

QWidget* TRowEditor::MakeText(QDialog& form, TRowField& field) {
  auto* edit = new QLineEdit(&form);
  edit->setObjectName(QStringLiteral("runtime_rlre_Edit%1").arg(field.Column));
  const QString shown = Shown(field.Column);
  edit->setText(shown.isEmpty() ? DefaultTextOfType(u's', field.Format.Default, FRow) : shown);
  field.StartText = edit->text();
  field.Proposed = shown.isEmpty() && StoredEmpty(field.Column) && !field.StartText.isEmpty();
  return edit;
}

QWidget* TRowEditor::MakeCombo(QDialog& form, TRowField& field) {
  auto* box = new QComboBox(&form);
  box->setObjectName(QStringLiteral("runtime_rlre_CBox%1").arg(field.Column));
  const bool list = field.Format.Kind == TRowFieldKind::List;
  box->setEditable(!list);
  // Each item ends at a bar; a last item without one gets it.
  QStringList items = field.Format.Default.split(u'|');
  if (field.Format.Default.endsWith(u'|')) items.removeLast();
  box->addItems(items);
  const qsizetype colon = field.Format.TypeSpec.indexOf(u':');
  if (colon >= 0) {
    qsizetype pos = colon + 2;
    const int lines = ScanDecimalInt(field.Format.TypeSpec, pos);
    if (lines >= 1) box->setMaxVisibleItems(lines);
  }
  const QString shown = Shown(field.Column);
  if (list)
    box->setCurrentIndex(box->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
  else
    box->setEditText(shown);
  field.StartText = box->currentText();
  return box;
}

QWidget* TRowEditor::MakeDate(QDialog& form, TRowField& field) {
  auto* picker = new TDateTimePicker(&form);
  picker->setObjectName(QStringLiteral("runtime_rlre_DtPick%1").arg(field.Column));
  const QString format = DateFormatOf(field.Format);
  picker->SetFormat(format);
  const QString shown = Shown(field.Column);
  int error = sdtOk;
  if (!shown.isEmpty()) {
    picker->SetDateTime(ScanDateTime(shown, format, error));
  } else if (!field.Format.Default.isEmpty()) {
    picker->SetDateTime(ScanDateTime(field.Format.Default, format, error));
    field.Proposed = error == sdtOk && StoredEmpty(field.Column);
  }
  field.StartText = picker->Text();
  return picker;
}

QString RowFieldText(const TRowField& field) {
  QWidget* widget = field.Widget;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* box = qobject_cast<QComboBox*>(widget)) return box->currentText();
  if (auto* picker = qobject_cast<TDateTimePicker*>(widget)) return picker->Text();
  return RowNumberText(field);
}

void CloseOnEnter(TReportListView& view, QWidget& field) {
  auto* filter = new TEnterToView(view, &field);
  field.installEventFilter(filter);
  for (QLineEdit* inner : field.findChildren<QLineEdit*>()) inner->installEventFilter(filter);
}

void ShowReadOnly(QWidget& field) {
  if (auto* control = qobject_cast<TControl*>(&field))
    control->SetEnabled(false);
  else
    field.setEnabled(false);
  QPalette palette = field.palette();
  for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
    palette.setColor(role, QColor(0xE0, 0xE0, 0xE0));
  for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    palette.setColor(role, QColor(0x80, 0x80, 0x80));
  field.setPalette(palette);
  field.setAutoFillBackground(true);
}

}  // namespace vyr
