#include "host/Edit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QValidator>
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"

namespace vyr {

// The Qt line edit inside: hands keys, focus and mouse to the owner first.
class TCustomEdit::Widget : public QLineEdit {
 public:
  explicit Widget(TCustomEdit* owner) : QLineEdit(owner), FOwner(owner) {}
  // The owner is going: nothing is reported to it any more.
  void Detach() { FOwner = nullptr; }
  TCustomEdit* Owner() const { return FOwner; }
  // Nesting depth of the owner's Change, run from this edit's signal.
  int Changing = 0;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (!FOwner) return QLineEdit::keyPressEvent(e);
    if (FOwner->PassesKeyToParent(e)) return e->ignore();
    QPointer<Widget> self(this);
    bool swallowed = false;
    QString text = e->text();
    Guarded([&] {
      quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
      if (key != 0) {
        FOwner->KeyDown(key, ShiftStateFromQt(e->modifiers()));
        swallowed = key == 0;
      }
      if (!self || !FOwner || swallowed) return;
      QString kept;
      for (QChar ch : e->text()) {
        FOwner->KeyPress(ch);
        // A handler that freed the control ends the event.
        if (!self || !FOwner) return;
        if (!ch.isNull()) kept += ch;
      }
      swallowed = !e->text().isEmpty() && kept.isEmpty();
      text = kept;
    });
    if (!self || swallowed) return;
    if (text == e->text()) return QLineEdit::keyPressEvent(e);
    QKeyEvent changed(e->type(), e->key(), e->modifiers(), text, e->isAutoRepeat(), ushort(e->count()));
    QLineEdit::keyPressEvent(&changed);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    QLineEdit::keyReleaseEvent(e);
    if (!FOwner || e->isAutoRepeat()) return;
    Guarded([&] {
      quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
      if (key != 0) FOwner->KeyUp(key, ShiftStateFromQt(e->modifiers()));
    });
  }
  void focusInEvent(QFocusEvent* e) override {
    const bool byKey = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QLineEdit::focusInEvent(e);
    if (!FOwner) return;
    // Qt selects everything on a keyboard focus; without AutoSelect the
    // caret stays at the end instead.
    if (byKey && !FOwner->AutoSelect()) deselect();
    Guarded([&] { FOwner->DoEnter(); });
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    if (FOwner) Guarded([&] { FOwner->DoExit(); });
  }
  void mousePressEvent(QMouseEvent* e) override {
    QPointer<Widget> self(this);
    const QPoint p = e->position().toPoint();
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
    if (FOwner) Guarded([&] { FOwner->MouseDown(ButtonOf(e->button()), shift, p.x(), p.y()); });
    if (self) QLineEdit::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QPointer<Widget> self(this);
    QLineEdit::mouseReleaseEvent(e);
    if (!self || !FOwner) return;
    const QPoint p = e->position().toPoint();
    Guarded([&] {
      if (e->button() == Qt::LeftButton && rect().contains(p)) FOwner->Click();
      if (self && FOwner)
        FOwner->MouseUp(ButtonOf(e->button()), ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
    });
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QPointer<Widget> self(this);
    QLineEdit::mouseDoubleClickEvent(e);
    if (self && FOwner && e->button() == Qt::LeftButton) Guarded([&] { FOwner->DblClick(); });
  }
  void contextMenuEvent(QContextMenuEvent* e) override {
    if (FOwner && FOwner->PopupMenu()) {
      const QPoint screen = e->globalPos();
      FOwner->PopupMenu()->Popup(screen.x(), screen.y());
      return;
    }
    QLineEdit::contextMenuEvent(e);
  }

 private:
  static TMouseButton ButtonOf(Qt::MouseButton b) {
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
  }
  TCustomEdit* FOwner;
};

// Qt consults the line edit's validator before an edit lands and takes a
// refused edit back out of its undo history; writes from code pass.
class TCustomEdit::Gate : public QValidator {
 public:
  Gate(Widget* edit, const bool& writing) : QValidator(edit), FEdit(edit), FWriting(writing) {}
  State validate(QString& input, int&) const override {
    TCustomEdit* owner = FEdit->Owner();
    if (!owner || FWriting) return Acceptable;
    bool refused = false;
    Guarded([&] { refused = owner->RefuseEdit(input); });
    return refused ? Invalid : Acceptable;
  }

 private:
  Widget* FEdit;
  const bool& FWriting;
};

struct TCustomEdit::Private {
  Widget* Edit = nullptr;
  bool Writing = false;
  bool Forwarding = false;
  bool AutoSelect = true;
};

TCustomEdit::TCustomEdit(QWidget* AOwner) : TCustomControl(AOwner), d(std::make_unique<Private>()) {
  d->Edit = new Widget(this);
  d->Edit->setValidator(new Gate(d->Edit, d->Writing));
  d->Edit->setMaxLength(32767);
  setFocusProxy(d->Edit);
  SetColor(clWindow);
  SetBorderStyle(bsSingle);
  QObject::connect(d->Edit, &QLineEdit::textChanged, this, [this](const QString&) {
    const QPointer<Widget> edit(d->Edit);
    ++edit->Changing;
    Guarded([&] { Change(); });
    if (edit) --edit->Changing;
  });
  resize(121, d->Edit->sizeHint().height());
}

// The inner edit goes first, while the owner is still whole; losing the
// focus on the way reports nothing. Freed from a handler of Change, the
// edit is still inside its own signal: it is taken out and freed later.
TCustomEdit::~TCustomEdit() {
  d->Edit->Detach();
  if (d->Edit->Changing) {
    d->Edit->setParent(nullptr);
    d->Edit->deleteLater();
  } else {
    delete d->Edit;
  }
}

QLineEdit& TCustomEdit::EditWidget() const { return *d->Edit; }

QString TCustomEdit::Text() const { return d->Edit->text(); }

void TCustomEdit::SetText(const QString& value) {
  const QScopedValueRollback<bool> writing(d->Writing, true);
  d->Edit->setText(value);
}

void TCustomEdit::ReplaceText(const QString& value) {
  const int caret = d->Edit->cursorPosition();
  SetText(value);
  d->Edit->setCursorPosition(std::min(caret, int(d->Edit->text().size())));
}

int TCustomEdit::SelStart() const {
  return d->Edit->hasSelectedText() ? d->Edit->selectionStart() : d->Edit->cursorPosition();
}

void TCustomEdit::SetSelStart(int value) {
  d->Edit->setCursorPosition(std::clamp(value, 0, int(d->Edit->text().size())));
}

int TCustomEdit::SelLength() const { return d->Edit->selectionLength(); }

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  const int length = std::clamp(value, 0, int(d->Edit->text().size()) - start);
  if (length == 0)
    d->Edit->setCursorPosition(start);
  else
    d->Edit->setSelection(start, length);
}

QString TCustomEdit::SelText() const { return d->Edit->selectedText(); }
void TCustomEdit::SelectAll() { d->Edit->selectAll(); }

bool TCustomEdit::ReadOnly() const { return d->Edit->isReadOnly(); }
void TCustomEdit::SetReadOnly(bool value) { d->Edit->setReadOnly(value); }

int TCustomEdit::MaxLength() const { return d->Edit->maxLength() == 32767 ? 0 : d->Edit->maxLength(); }
void TCustomEdit::SetMaxLength(int value) { d->Edit->setMaxLength(value <= 0 ? 32767 : std::min(value, 32767)); }

bool TCustomEdit::AutoSelect() const { return d->AutoSelect; }
void TCustomEdit::SetAutoSelect(bool value) { d->AutoSelect = value; }

void TCustomEdit::SetColor(TColor color) {
  TCustomControl::SetColor(color);
  QPalette p = d->Edit->palette();
  p.setColor(QPalette::Base, ToQColor(color));
  d->Edit->setPalette(p);
}

void TCustomEdit::SetFont(const TFont& font) {
  TCustomControl::SetFont(font);
  d->Edit->setFont(font.ToQFont());
  QPalette p = d->Edit->palette();
  p.setColor(QPalette::Text, ToQColor(font.Color));
  d->Edit->setPalette(p);
  updateGeometry();
}

void TCustomEdit::Update() { d->Edit->repaint(); }

void TCustomEdit::Change() { Raise(OnChange, this); }

bool TCustomEdit::RefuseEdit(const QString&) { return false; }

void TCustomEdit::Resize() {
  TCustomControl::Resize();
  d->Edit->setGeometry(0, 0, Width(), Height());
}

// A key the edit leaves comes back here on its way to the parent; it goes
// on to the parent.
void TCustomEdit::keyPressEvent(QKeyEvent* e) {
  // A key the inner edit passed on goes to the parent, not back to it.
  if (PassesKeyToParent(e)) return e->ignore();
  Forward(e);
}
void TCustomEdit::keyReleaseEvent(QKeyEvent* e) { Forward(e); }

void TCustomEdit::Forward(QKeyEvent* e) {
  if (d->Forwarding) {
    e->ignore();
    return;
  }
  const QScopedValueRollback<bool> forwarding(d->Forwarding, true);
  QCoreApplication::sendEvent(d->Edit, e);
}

void TCustomEdit::BorderStyleChanged() { d->Edit->setFrame(BorderStyle() == bsSingle); }

QSize TCustomEdit::sizeHint() const { return d->Edit->sizeHint(); }
QSize TCustomEdit::minimumSizeHint() const { return d->Edit->minimumSizeHint(); }

}  // namespace vyr
