// The grid's in-place editor.
#include <QKeyEvent>

#include "host/Application.h"
#include "host/Grid.h"
#include "host/KeyCodes.h"

namespace vyr {

TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : QLineEdit(grid), FGrid(grid) {
  setFrame(false);
  hide();
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: Guarded([&] { FGrid->EditorKey(e); }); return;
    default: QLineEdit::keyPressEvent(e);
  }
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

TEditStyle TCustomGrid::GetEditStyle(int, int) { return esSimple; }

QString TCustomGrid::GetEditText(int, int) { return QString(); }

void TCustomGrid::SetEditText(int, int, const QString&) {}

bool TCustomGrid::CanEditShow() const {
  return (FOptions & goEditing) && !(FOptions & goRowSelect) && FCurrent.X >= FFixedCols &&
         FCurrent.Y >= FFixedRows && FCurrent.X < FColCount && FCurrent.Y < FRowCount;
}

void TCustomGrid::PlaceEditor() {
  if (!EditorMode()) return;
  TRect r = CellRect(FCurrent.X, FCurrent.Y);
  if (r.IsEmpty()) {
    FEditor->hide();
    return;
  }
  FEditor->setGeometry(r.Left + BorderWidth(), r.Top + BorderWidth(), r.Width(), r.Height());
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  TRect r = CellRect(FCurrent.X, FCurrent.Y);
  if (r.IsEmpty()) return;
  if (!FEditor) {
    FEditor = CreateEditor();
    connect(FEditor, &QLineEdit::textEdited, this,
            [this](const QString& text) { Guarded([&] { SetEditText(FCurrent.X, FCurrent.Y, text); }); });
  }
  if (EditorMode()) return;
  FEditOriginal = GetEditText(FCurrent.X, FCurrent.Y);
  FEditor->setText(FEditOriginal);
  FEditor->setGeometry(r.Left + BorderWidth(), r.Top + BorderWidth(), r.Width(), r.Height());
  FEditor->show();
  FEditor->setFocus();
  FEditor->selectAll();
  Invalidate();
}

void TCustomGrid::HideEditor() {
  if (!EditorMode()) return;
  SetEditText(FCurrent.X, FCurrent.Y, FEditor->text());
  bool hadFocus = FEditor->hasFocus();
  FEditor->hide();
  if (hadFocus) setFocus();
  Invalidate();
}

void TCustomGrid::SetEditorMode(bool value) {
  if (value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::EditorKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    FEditor->setText(FEditOriginal);
    HideEditor();
    return;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    HideEditor();
    return;
  }
  HideEditor();
  quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
  KeyDown(key, ShiftStateFromQt(e->modifiers()));
}

}  // namespace vyr
