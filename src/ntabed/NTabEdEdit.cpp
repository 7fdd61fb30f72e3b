// Editing: the in-place editor for data cells (a pick list for nominal
// columns), the permission rules, auto-advance, the heading editor and the
// comment memo, keyboard and mouse.
#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>
#include <cmath>
#include <utility>

#include "foundation/MathUtils.h"
#include "host/Application.h"
#include "host/KeyCodes.h"
#include "ntabed/NTabEdCellText.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

// The grid's line editor with a pick list of nominal identifiers, shown as
// soon as the editor opens on a nominal cell. Enter and Escape go to the
// editor so that Enter can advance and Escape can give the cell back what
// it held; while the list is open Escape closes it and Enter takes the
// highlighted item (with none highlighted Enter closes the editor). The
// completer stays attached for the editor's lifetime (detaching it would
// delete it); numeric cells get an empty list, which never pops up.
class TNTabInplaceEdit : public TInplaceEdit {
 public:
  explicit TNTabInplaceEdit(TNTabEd* owner) : TInplaceEdit(owner), FOwner(owner) {
    FModel = new QStringListModel(this);
    auto* completer = new QCompleter(FModel, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCompleter(completer);
  }
  void SetPickList(const QStringList& items, int rows) {
    FModel->setStringList(items);
    SetDropDownRows(rows);
  }
  void SetDropDownRows(int rows) { completer()->setMaxVisibleItems(rows); }

 protected:
  void showEvent(QShowEvent* e) override {
    TInplaceEdit::showEvent(e);
    if (FModel->rowCount() == 0) return;
    completer()->setCompletionPrefix(QString());
    completer()->complete();
  }
  void hideEvent(QHideEvent* e) override {
    completer()->popup()->hide();
    TInplaceEdit::hideEvent(e);
  }
  // Tab stays with the grid while it wants the key.
  bool focusNextPrevChild(bool next) override {
    return !FOwner->WantsTabKey() && TInplaceEdit::focusNextPrevChild(next);
  }
  void keyPressEvent(QKeyEvent* e) override {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!enter && e->key() != Qt::Key_Escape) return TInplaceEdit::keyPressEvent(e);
    QAbstractItemView* list = completer()->popup();
    if (list->isVisible() && (!enter || list->currentIndex().isValid())) return e->ignore();  // for the list
    list->hide();
    Guarded([&] { enter ? FOwner->EditorEnter() : FOwner->EditorEscape(); });
  }

 private:
  TNTabEd* FOwner;
  QStringListModel* FModel;
};

TInplaceEdit* TNTabEd::CreateEditor() { return new TNTabInplaceEdit(this); }

TEditStyle TNTabEd::GetEditStyle(int ACol, int) {
  return IsNominalColumn(Data(), ACol - d->ColOffset) ? esPickList : esSimple;
}

QStringList TNTabEd::ColumnsGetPickListItems(int ACol) const {
  QStringList items;
  for (int i = 1; i <= TDataTable::kMaxNominalIDs; ++i) {
    QString id = Data().GetNominalID(ACol, i);
    if (!id.isEmpty()) items << id;
  }
  return items;
}

void TNTabEd::SetNomEditDropDownCount(int v) {
  d->DropdownCount = std::max(1, v);
  if (auto* ed = static_cast<TNTabInplaceEdit*>(InplaceEditor())) ed->SetDropDownRows(d->DropdownCount);
}

void TNTabEd::SetEditing(bool on) {
  const TGridOptions o = Options();
  SetOptions(on ? (o | goEditing) : (o & ~TGridOptions(goEditing)));
}

bool TNTabEd::CellEditable(int ACol, int ARow) const {
  const int c = ACol - d->ColOffset, r = ARow - d->RowOffset;
  return !d->ReadOnly && c >= 1 && r >= 1 && c <= NrOfColumns() && r <= NrOfRows() &&
         !(Data().GetCellState(c, r) & csbReadOnly);
}

bool TNTabEd::CursorProtected() const { return !CellEditable(Col(), Row()); }

// Every way into the in-place editor passes here.
bool TNTabEd::CanEditShow() const { return TCustomGrid::CanEditShow() && CellEditable(Col(), Row()); }

QString TNTabEd::GetEditText(int ACol, int ARow) {
  const int c = ACol - d->ColOffset, r = ARow - d->RowOffset;
  const double x = Data().GetElem(c, r);
  QString text;
  if (IsNominalColumn(Data(), c)) {
    const std::optional<qint64> n = NominalOrdinal(x);
    if (n && *n >= 1 && *n <= TDataTable::kMaxNominalIDs) text = Data().GetNominalID(c, int(*n));
    if (text.isEmpty()) text = n ? QString::number(*n) : QString();
  } else if (!(Data().GetCellState(c, r) & (csbEmpty | csbInvalid))) {
    text = NumberCellText(x, d->Dec(c), d->NumWidth);
  }
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  d->EditStart = {ACol, ARow, x, Data().GetCellState(c, r), text, text};
  if (auto* ed = static_cast<TNTabInplaceEdit*>(InplaceEditor()))
    ed->SetPickList(IsNominalColumn(Data(), c) ? ColumnsGetPickListItems(c) : QStringList(), d->DropdownCount);
  return text;
}

// The result depends on the text alone: each keystroke works on the cell as
// it was when editing began, so an invalid text keeps that value (and
// not a half-typed one) and unchanged text gives the cell back exactly.
// A text already applied writes nothing, so closing the editor never
// writes over the cell what it held when editing began.
void TNTabEd::SetEditText(int ACol, int ARow, const QString& Value) {
  if (!CellEditable(ACol, ARow)) return;
  const int c = ACol - d->ColOffset, r = ARow - d->RowOffset;
  TDataTable& t = Data();
  auto& start = d->EditStart;
  const bool begun = start.Col == ACol && start.Row == ARow;
  if (begun && Value == start.Applied) return;
  const double oldValue = begun ? start.Value : t.GetElem(c, r);
  const std::uint8_t oldState = begun ? start.State : t.GetCellState(c, r);
  double value = oldValue;
  std::uint8_t state = oldState;
  if (begun && Value == start.Text) {
    // unchanged
  } else if (IsNominalColumn(t, c)) {
    const int k = t.OrdinalOfNominalID(c, Value, true);
    bool ok = false;
    const qlonglong n = Value.trimmed().toLongLong(&ok);
    if (k > 0) {
      value = k;
      state = 0;
    } else if (IsValidDecInt(Value) && ok) {
      value = double(n);
      state = oldState & ~(csbInvalid | csbEmpty);
    } else {
      state = oldState | csbInvalid;
    }
  } else if (Value.trimmed().isEmpty()) {
    state = (oldState & ~csbInvalid) | csbEmpty;
  } else if (const std::optional<double> v = ParseDecimalNumber(Value)) {
    value = *v;
    state = oldState & ~(csbInvalid | csbEmpty);
  } else {
    state = oldState | csbInvalid;
  }
  {
    TFlagScope writing(d->EditWriting, true);
    t.SetElem(c, r, value);
    t.SetCellState(c, r, state);
  }
  if (begun) start.Applied = Value;
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

// Every change of the table or of the grid's layout not made by the
// in-place editor closes it first (or, through the table's hooks, right
// after): a text not yet applied is dropped, and nothing is written.
void TNTabEd::CloseEditor() {
  if (d->EditWriting || !EditorMode()) return;
  InplaceEditor()->setText(d->EditStart.Applied);
  HideEditor();
}

void TNTabEd::AdvanceCursor() {
  quint16 key = d->AutoAdvDir == orRight ? VK_RIGHT : VK_DOWN;
  KeyDown(key, 0);
}

void TNTabEd::EditorEnter() {
  HideEditor();
  if (d->AutoAdvance) AdvanceCursor();
}

void TNTabEd::EditorEscape() {
  if (InplaceEditor()) InplaceEditor()->setText(d->EditStart.Text);
  HideEditor();
  SetEditing(false);
}

void TNTabEd::KeyPress(QChar& Key) {
  if (std::exchange(d->StandardKeyTaken, false)) {
    Key = QChar();
    return;
  }
  if (Key == QChar(13) || Key == QChar(27) || Key == QChar(9)) return;  // handled as key-downs
  if (CursorProtected()) {
    SetEditing(false);
    return;
  }
  SetEditing(true);
  TCustomGrid::KeyPress(Key);
}

void TNTabEd::KeyDown(quint16& Key, TShiftState Shift) {
  d->StandardKeyTaken = false;
  switch (Key) {
    case VK_RETURN:
      if (!d->AutoAdvance) break;
      HideEditor();
      AdvanceCursor();
      Key = 0;
      return;
    case VK_ESCAPE:
      if (EditorMode()) EditorEscape();
      Key = 0;
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: break;
    default:
      if (Key != 0 && CursorProtected()) {
        SetEditing(false);
        Key = 0;
        return;
      }
      SetEditing(!CursorProtected());
  }
  TCustomGrid::KeyDown(Key, Shift);
  // The standard key's character (C of Ctrl+C) types nothing.
  d->StandardKeyTaken = Key != 0 && RunStandardKey(Key, Shift);
  if (d->StandardKeyTaken) Key = 0;
  CheckSelectionChanged();
  DisplayCellCursor(Selection().Left, Selection().Top);
  Invalidate();
}

void TNTabEd::CheckSelectionChanged() {
  const TGridRect sel = Selection();
  if (sel == d->OldSel) return;
  d->OldSel = sel;
  Notify(OnSelectionChanged);
}

void TNTabEd::TopLeftChanged() {
  CheckSelectionChanged();
  Raise(OnTopLeftChanged, this);
}

bool TNTabEd::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool r = TCustomGrid::DoMouseWheelDown(Shift, MousePos);
  DisplayCellCursor(Selection().Left, Selection().Top);
  CheckSelectionChanged();
  Invalidate();
  return r;
}

bool TNTabEd::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool r = TCustomGrid::DoMouseWheelUp(Shift, MousePos);
  DisplayCellCursor(Selection().Left, Selection().Top);
  CheckSelectionChanged();
  Invalidate();
  return r;
}

void TNTabEd::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (d->CommentMMActive) {
    TCustomGrid::MouseDown(Button, Shift, X, Y);
    d->LastCell = MouseCoord(X, Y);
    if (d->LastCell == TGridCoord{0, 0}) CloseCommentEditor(false);
    return;
  }
  if (d->NameEdActive) return;
  const TGridCoord p = d->LastPress.X >= 0 ? MouseCoord(d->LastPress.X, d->LastPress.Y) : TGridCoord{-1, -1};
  const TGridCoord q = MouseCoord(X, Y);
  d->LastCell = q;
  if (!(p == q)) SetEditing(false);
  TCustomGrid::MouseDown(Button, Shift, X, Y);
  Invalidate();
  if (X <= 0 || X >= Width() || Y <= 0 || Y >= Height() || q.X < 0) return;
  d->LastPress = {X, Y};
  d->PressCell = q;
  const int co = d->ColOffset, ro = d->RowOffset;
  const bool ownMenus = !PopupMenu() && !d->BlockIntPopup;
  if (q.X > co && q.Y > ro) {
    if (p == q && !d->ReadOnly) SetEditing(true);
    if (!CellEditable(q.X, q.Y)) SetEditing(false);
    if (Button == mbRight && ownMenus) {
      ShowDataMenu(X, Y);
    } else if (Button == mbLeft) {
      DisplayCellCursor(Selection().Left, Selection().Top);
      // A second click on the same cell edits it.
      if (p == q && CellEditable(q.X, q.Y) && !(Shift & ssDouble)) ShowEditor();
    }
  } else if (q == TGridCoord{0, 0}) {
    if (Button == mbRight && !d->BlockIntPopup && d->CommEdAllowed) OpenCommentEditor();
  } else if ((q.X > co || q.Y > ro) && Button == mbRight && ownMenus) {
    ShowHeadingMenu();
  }
}

void TNTabEd::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseUp(Button, Shift, X, Y);
  const TGridCoord q = MouseCoord(X, Y);
  d->LastCell = q;
  const bool data = q.X > d->ColOffset && q.Y > d->RowOffset;
  SetEditing(!(data && !CellEditable(q.X, q.Y)) && !d->ReadOnly);
  CheckSelectionChanged();
}

void TNTabEd::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomGrid::MouseMove(Shift, X, Y);
  CheckSelectionChanged();
}

bool TNTabEd::HeadingEditorActive() const { return d->NameEdActive; }
bool TNTabEd::CommentEditorActive() const { return d->CommentMMActive; }

void TNTabEd::OpenHeadingEditor() {
  const TGridCoord cell = d->PressCell;
  const int co = d->ColOffset, ro = d->RowOffset;
  if (!d->NameEd || cell.X < 0 || (cell.X <= co && cell.Y <= ro)) return;
  QString text;
  if (cell.X > co) {
    const int c = cell.X - co;
    text = cell.Y == 0 ? Data().GetColName(c) : QString::number(Data().GetColAttrib(c));
  } else {
    const int r = cell.Y - ro;
    text = cell.X == 0 ? Data().GetRowName(r) : QString::number(Data().GetRowAttrib(r));
  }
  const TRect rect = CellRect(cell.X, cell.Y);
  d->NameEdCell = cell;
  d->NameEd->setText(text);
  d->NameEd->move(rect.Left + 30, rect.Top + 5);
  d->NameEd->show();
  d->NameEd->setFocus();
  d->NameEdActive = true;
}

void TNTabEd::CloseHeadingEditor(bool store) {
  if (!d->NameEdActive) return;
  d->NameEd->hide();
  d->NameEdActive = false;
  Invalidate();
  if (!store) return;
  const TGridCoord cell = d->NameEdCell;
  const QString text = d->NameEd->text();
  const int co = d->ColOffset, ro = d->RowOffset;
  const bool isName = cell.X > co ? cell.Y == 0 : cell.X == 0;
  if (isName) {
    if (cell.X > co)
      SetColName(cell.X - co, text);
    else
      SetRowName(cell.Y - ro, text);
  } else {
    const std::optional<double> v = ParseDecimalNumber(text);
    if (!v) return;
    const auto a = std::uint8_t(std::nearbyint(std::clamp(*v, 0.0, 255.0)));
    if (cell.X > co)
      SetColAttrib(cell.X - co, a);
    else
      SetRowAttrib(cell.Y - ro, a);
  }
  Notify(OnHeadingChanged);
}

void TNTabEd::OpenCommentEditor() {
  if (!d->CommentMM) return;
  const int w0 = TCustomGrid::ColWidths(0);
  d->CommentMM->setGeometry(w0, 0, std::max(20, Width() - w0 - 20), 80);
  d->CommentMM->setPlainText(Data().Comment());
  d->CommentMM->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #008080; color: white; }"));
  d->CommentMM->show();
  d->CommentMM->setFocus();
  d->CommentMMActive = true;
  Repaint();
}

void TNTabEd::CloseCommentEditor(bool store) {
  if (!d->CommentMMActive) return;
  d->CommentMM->hide();
  d->CommentMMActive = false;
  if (store) {
    Data().SetFComment(d->CommentMM->toPlainText());
    Notify(OnChange);
  }
  Repaint();
  DisplayCellCursor(Selection().Left, Selection().Top);
}

bool TNTabEd::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || (watched != d->NameEd && watched != d->CommentMM))
    return TCustomGrid::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  const bool escape = key->key() == Qt::Key_Escape;
  if (watched == d->CommentMM && enter && (key->modifiers() & Qt::ShiftModifier)) return false;  // a line break
  if (!enter && !escape) return false;
  Guarded([&] {
    if (watched == d->NameEd)
      CloseHeadingEditor(enter);
    else
      CloseCommentEditor(enter);
  });
  return true;
}

}  // namespace vyr
