// TReportListView: the row editor's dialog, its layout and the write-back.
#include "replist/RepListRowEditor.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "foundation/NumRoutines.h"
#include "host/Modal.h"
#include "host/SpeedButton.h"
#include "replist/RepListPrivate.h"

namespace vyr {

namespace {

// Frees the editor's own dialog when the call ends, unless something freed
// it before.
struct TOwnForm {
  QPointer<QDialog> Form;
  ~TOwnForm() { delete Form.data(); }
};

using THandler = void (TReportListView::*)(TObject*);

TSpeedButton* AddButton(QDialog& form, TReportListView& view, const QString& name, const QString& caption, int left,
                        THandler handler) {
  auto* button = new TSpeedButton(&form);
  button->setObjectName(name);
  button->SetFlat(true);
  button->SetCaption(caption);
  button->SetBounds(left, kRowEditorButtonTop, kRowEditorButtonWidth, kRowEditorButtonHeight);
  QPointer<TReportListView> target(&view);
  button->OnClick = [target, handler](TObject* Sender) {
    if (target) (target->*handler)(Sender);
  };
  return button;
}

}  // namespace

TRowFieldFormat ParseRowFieldFormat(QString format) {
  TRowFieldFormat f;
  QString typeSpec = QStringLiteral("s");
  const qsizetype open = format.indexOf(u'[');
  const qsizetype close = format.indexOf(u']');
  if (open >= 0 && open < close) typeSpec = format.mid(open + 1, close - open - 1);
  if (typeSpec.startsWith(u'#')) {
    f.ReadOnly = true;
    typeSpec.remove(0, 1);
  }
  format.remove(0, close + 1);
  const qsizetype widthOpen = format.indexOf(u'[');
  const qsizetype widthClose = format.indexOf(u']');
  QString widthSpec;
  if (widthClose >= 0) widthSpec = format.mid(widthOpen + 1, widthClose - widthOpen - 1);
  format.remove(0, widthClose + 1);
  qsizetype pos = 1;
  const int width = ScanDecimalInt(widthSpec, pos);
  f.Width = width < 1 ? kRowEditorDefaultWidth : std::min(width, kRowEditorMaxWidth);
  f.TypeSpec = typeSpec;
  f.Default = format;
  f.Letter = typeSpec.isEmpty() ? QChar() : typeSpec[0];
  switch (f.Letter.unicode()) {
    case u's': f.Kind = TRowFieldKind::Text; break;
    case u'c': f.Kind = TRowFieldKind::Suggest; break;
    case u'l': f.Kind = TRowFieldKind::List; break;
    case u'd': f.Kind = TRowFieldKind::Date; break;
    case u'e':
    case u'f':
    case u'h':
    case u'i': f.Kind = TRowFieldKind::Number; break;
    default: f.Kind = TRowFieldKind::None;
  }
  return f;
}

TRowEditor::~TRowEditor() {
  for (auto it = FMade.rbegin(); it != FMade.rend(); ++it) delete it->data();
}

int TRowEditor::NeededHeight(int band) const {
  return FTop + FView->NrOfColumns() * kRowEditorPitch + band + kRowEditorBottomMargin;
}

void TRowEditor::Build(QDialog& form, int left, int top, int band) {
  FForm = &form;
  FLeft = left;
  FTop = top;
  const QFontMetrics metrics(form.font());
  int widest = 0;
  for (int c = 1; c <= FView->NrOfColumns(); ++c) widest = std::max(widest, metrics.horizontalAdvance(FView->Header(c)));
  FLabelWidth = widest + kRowEditorLabelSlack;
  for (int c = 1; Alive() && c <= FView->NrOfColumns(); ++c) AddColumn(form, c, band);
}

void TRowEditor::AddColumn(QDialog& form, int c, int band) {
  QString format = FView->ColumnFormat(c);
  // A copy: the handler may free the view, and with it its own event.
  const auto request = FView->OnRequestEditFormat;
  Raise(request, FView.data(), c, FRow, format);
  if (!Alive()) return;
  TRowField field;
  field.Column = c;
  field.Format = ParseRowFieldFormat(format);
  FWidestField = std::max(FWidestField, field.Format.Width);
  const int rowTop = band + (c - 1) * kRowEditorPitch + FTop;

  auto* label = new QLabel((FView->Header(c) + u':').left(kMaxColNameLength + 1), &form);
  label->setObjectName(QStringLiteral("runtime_rlre_Label%1").arg(c));
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->setGeometry(FLeft + kRowEditorLabelLeft, rowTop + kRowEditorLabelTop, FLabelWidth,
                     QFontMetrics(form.font()).height());
  label->show();
  FMade.emplace_back(label);

  QWidget* widget = MakeField(form, field);
  if (!widget) return;
  FMade.emplace_back(widget);
  field.Widget = widget;
  widget->setProperty("Tag", c);
  widget->setGeometry(FLabelWidth + FLeft + kRowEditorGap, rowTop, field.Format.Width, kRowEditorFieldHeight);
  widget->show();
  if (field.Format.ReadOnly)
    ShowReadOnly(*widget);
  else
    CloseOnEnter(*FView, *widget);
  FFields.push_back(std::move(field));
}

QWidget* TRowEditor::MakeField(QDialog& form, TRowField& field) {
  switch (field.Format.Kind) {
    case TRowFieldKind::Text: return MakeText(form, field);
    case TRowFieldKind::Suggest:
    case TRowFieldKind::List: return MakeCombo(form, field);
    case TRowFieldKind::Date: return MakeDate(form, field);
    case TRowFieldKind::Number: return MakeNumber(form, field);
    case TRowFieldKind::None: break;
  }
  return nullptr;
}

QString TRowEditor::Shown(int c) const { return FView->Elem(c, FRow); }

bool TRowEditor::StoredEmpty(int c) const { return FView->Data().GetElem(c, FRow).isEmpty(); }

int TRowEditor::Run(QDialog& form) {
  const int result = RunModal(form);
  if (result == mrOk && FView) WriteBack();
  return result;
}

void TRowEditor::WriteBack() {
  TReportListView& view = *FView;
  view.BeginUpdate();
  for (const TRowField& field : FFields) {
    if (field.Format.ReadOnly || !field.Widget) continue;
    const QString text = RowFieldText(field);
    if (field.Proposed || text != field.StartText) view.SetElem(field.Column, FRow, text);
  }
  view.EndUpdate();
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop) {
  return EditRowEntries(Row, PosLeft, PosTop, QStringLiteral("Editing Row %1").arg(Row), QStringLiteral("OK"),
                        QStringLiteral("Cancel"));
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                                    const QString& ButOKCaption, const QString& ButCancelCaption) {
  TOwnForm own{new QDialog(this)};
  QDialog& form = *own.Form;
  form.setObjectName(QStringLiteral("RowEditorForm"));
  form.move(PosLeft, PosTop);
  d->ContainerForm = &form;
  TRowEditor editor(*this, Row);
  editor.Build(form, 0, 0, kRowEditorBand);
  if (!editor.Alive()) return mrCancel;
  form.setFixedSize(editor.NeededWidth(), editor.NeededHeight(kRowEditorBand));
  const int right = editor.WidestField() + editor.LabelWidth();
  AddButton(form, *this, QStringLiteral("RowEditorCancel"), ButCancelCaption, right - 69,
            &TReportListView::EdRowCancelClick);
  AddButton(form, *this, QStringLiteral("RowEditorOK"), ButOKCaption, right - 154, &TReportListView::EdRowOKClick);
  form.setWindowTitle(FormCaption);
  return editor.Run(form);
}

int TReportListView::EditRowEntries(int Row, QDialog* ContainerForm, int PosLeft, int PosTop) {
  if (!ContainerForm) return mrCancel;
  d->ContainerForm = ContainerForm;
  TRowEditor editor(*this, Row);
  editor.Build(*ContainerForm, PosLeft, PosTop, 0);
  if (!editor.Alive()) return mrCancel;
  ContainerForm->resize(std::max(ContainerForm->width(), editor.NeededWidth()),
                        std::max(ContainerForm->height(), editor.NeededHeight(0)));
  ContainerForm->setWindowTitle(QString());
  return editor.Run(*ContainerForm);
}

void TReportListView::EdRowOKClick(TObject*) {
  if (d->ContainerForm) d->ContainerForm->accept();
}

void TReportListView::EdRowCancelClick(TObject*) {
  if (d->ContainerForm) d->ContainerForm->reject();
}

void TReportListView::EdRowKeyPress(TObject* Sender, QChar& Key) {
  if (Key == u'\r') EdRowOKClick(Sender);
}

}  // namespace vyr
