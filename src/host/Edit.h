#pragma once
// TCustomEdit: a single-line edit box. It is a Qt line edit inside, so
// typing, selection, undo and redo, the clipboard keys and the context menu
// work as in any line edit (a PopupMenu set on the control replaces that
// menu).
//
// Keys reach KeyDown (virtual key codes) and KeyPress before the edit sees
// them: a KeyDown that sets Key to 0 swallows the key, a KeyPress may
// replace the character or swallow it by setting it to null. KeyUp,
// DoEnter/DoExit, MouseDown/MouseUp, Click and DblClick are called as for
// any control.
//
// Change runs after every change of the text, typed or written from code,
// and raises OnChange; its handler, like KeyPress's, may free the control. A subclass that checks its text can refuse a typed
// edit before it lands by answering RefuseEdit: the edit then stays as it
// was, and the refused edit leaves no trace in the undo history.
#include <QString>
#include <memory>

#include "host/Control.h"

class QLineEdit;

namespace vyr {

class TCustomEdit : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
  Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  explicit TCustomEdit(QWidget* AOwner = nullptr);
  ~TCustomEdit() override;

  QString Text() const;
  // Replaces the whole text; the caret goes to the end. Runs Change.
  void SetText(const QString& value);
  // Replaces the whole text and keeps the caret where it was (limited to
  // the new text). Runs Change.
  void ReplaceText(const QString& value);
  // 0-based start of the selection, or the caret when nothing is selected.
  // Writing moves the caret there (limited to the text) and selects nothing.
  int SelStart() const;
  void SetSelStart(int value);
  // Characters selected from SelStart; writes are limited to the text.
  int SelLength() const;
  void SetSelLength(int value);
  QString SelText() const;
  void SelectAll();
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  // 0 means no limit; negative writes become 0. Typing and SetText keep to it.
  int MaxLength() const;
  void SetMaxLength(int value);
  // Select the whole text when the focus arrives by the keyboard.
  bool AutoSelect() const;
  void SetAutoSelect(bool value);
  void SetColor(TColor color) override;
  void SetFont(const TFont& font) override;
  // Draws the edit again now.
  void Update();

  // Runs after every change of the text; raises OnChange.
  virtual void Change();

  // The Qt line edit inside, for tests and layouts.
  QLineEdit& EditWidget() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::EditableText; }
  QString AccessibleValue() const override { return Text(); }

  TNotifyEvent OnChange;

 protected:
  // Asked before a typed, pasted, dropped or undone edit lands, with the
  // text it would give; true keeps the text as it was. Qt also asks it
  // about the current text (when Return is pressed or the focus leaves),
  // where a refusal changes nothing. Writes from code are never asked. The
  // default refuses nothing.
  virtual bool RefuseEdit(const QString& text);
  void Resize() override;
  void BorderStyleChanged() override;
  TRect FocusFrame() const override { return {}; }
  // The edit inside covers the whole control and draws it.
  void paintEvent(QPaintEvent*) override {}
  // Keys sent to the control itself go to the edit inside.
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  class Widget;
  class Gate;
  struct Private;
  std::unique_ptr<Private> d;

  void Forward(QKeyEvent* e);
};

}  // namespace vyr
