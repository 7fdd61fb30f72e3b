// TNumIO2's keyboard: editing the buffer key by key. Every key is applied
// to the buffer and then checked; a key that leaves the buffer invalid is
// undone (with a beep when Beep is set). Ctrl+C, Ctrl+X and Ctrl+V go
// through the clipboard.
#include "host/Application.h"
#include "host/Clipboard.h"
#include "host/KeyCodes.h"
#include "numio/NumIO2Private.h"

namespace vyr {
namespace {

// The character a key types, or a null character for keys that type none.
// With Shift, "4", "5" and "6" become the prefixes "$", "%" and "&".
QChar CharOfKey(quint16 key, bool shifted) {
  QChar ch;
  if ((key >= VK_0 && key <= VK_9) || (key >= VK_A && key <= VK_A + 5))
    ch = QChar(key);
  else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
    ch = QChar(u'0' + (key - VK_NUMPAD0));
  else if (key == VK_ADD || key == VK_OEM_PLUS)
    ch = u'+';
  else if (key == VK_SUBTRACT || key == VK_OEM_MINUS)
    ch = u'-';
  else if (key == VK_DECIMAL || key == VK_OEM_COMMA)
    ch = u',';
  else if (key == VK_OEM_PERIOD)
    ch = u'.';
  if (shifted) {
    if (ch == u'4') return u'$';
    if (ch == u'5') return u'%';
    if (ch == u'6') return u'&';
  }
  return ch;
}

}  // namespace

void TNumIO2::KeyDown(quint16& Key, TShiftState Shift) {
  if (IsStandardKey(Key, Shift, QKeySequence::SelectAll))
    SelectAllByKey();
  else
    HandleKeyDown(Key);
  TCustomControl::KeyDown(Key, Shift);
}

void TNumIO2::SelectAllByKey() {
  d->FSelBegin = 0;
  d->FCaretPos = d->FSelEnd = int(d->FInBuffer.size());
  if (!d->FReadOnly) d->FCaretVisib = true;
  Paint();
}

void TNumIO2::KeyUp(quint16& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) d->FKeyShifted = false;
  if (Key == VK_CONTROL) d->FKeyCntrl = false;
  TCustomControl::KeyUp(Key, Shift);
}

void TNumIO2::HandleKeyDown(quint16 key) {
  if (key == VK_SHIFT) {
    d->FKeyShifted = true;
    return;
  }
  if (key == VK_CONTROL) {
    d->FKeyCntrl = true;
    return;
  }
  if (d->FReadOnly && !(d->FKeyCntrl && key == 'C')) return;

  const QString savedBuffer = d->FInBuffer;
  const int savedCaret = d->FCaretPos;
  bool changed = d->FKeyCntrl ? HandleCtrlKey(key) : HandlePlainKey(key);
  if (!Acceptable(d->FInBuffer)) {
    d->FInBuffer = savedBuffer;
    d->FCaretPos = savedCaret;
    changed = false;
    BeepIfWanted();
  }
  // An empty selection left behind by a shorter buffer moves back into it.
  KeepCaretInBuffer();
  // In itFixPoint the character right of a caret among the decimals is
  // selected, so that the next digit overwrites it.
  const int length = int(d->FInBuffer.size());
  if (d->FInputFormat == itFixPoint && d->FCaretPos > length - d->FDecP - 1) {
    d->FSelBegin = d->FCaretPos;
    d->FSelEnd = std::min(d->FCaretPos + 1, length);
  } else {
    d->FSelBegin = d->FSelEnd;
  }
  if (!d->FReadOnly) d->FCaretVisib = true;
  if (changed) Changed();
  Paint();
}

bool TNumIO2::HandleCtrlKey(quint16 key) {
  const bool selected = d->FSelBegin < d->FSelEnd;
  switch (key) {
    case 'C':
      if (selected) Clipboard().SetAsText(d->FInBuffer.mid(d->FSelBegin, d->FSelEnd - d->FSelBegin));
      return false;
    case 'V':
      if (!Clipboard().HasText()) return false;
      InsertAtCaret(Clipboard().AsText());
      return true;
    case 'X':
      if (!selected) return false;
      Clipboard().SetAsText(d->FInBuffer.mid(d->FSelBegin, d->FSelEnd - d->FSelBegin));
      DeleteSelection();
      return true;
    default:
      BeepIfWanted();
      return false;
  }
}

bool TNumIO2::HandlePlainKey(quint16 key) {
  const int length = int(d->FInBuffer.size());
  const bool selected = d->FSelBegin < d->FSelEnd;
  switch (key) {
    case VK_BACK:
      if (selected) {
        DeleteSelection();
        return true;
      }
      if (d->FCaretPos == 0) return false;
      d->FInBuffer.remove(--d->FCaretPos, 1);
      return true;
    case VK_DELETE:
      if (selected) {
        DeleteSelection();
        return true;
      }
      if (d->FCaretPos >= length) return false;
      d->FInBuffer.remove(d->FCaretPos, 1);
      return true;
    case VK_TAB: SelectNext(!d->FKeyShifted); return false;
    case VK_END: d->FCaretPos = length; return false;
    case VK_HOME: d->FCaretPos = 0; return false;
    case VK_LEFT:
    case VK_UP:
      if (d->FCaretPos > 0) --d->FCaretPos;
      return false;
    case VK_RIGHT:
    case VK_DOWN:
      if (d->FCaretPos < length) ++d->FCaretPos;
      return false;
    default: break;
  }
  const QChar ch = CharOfKey(key, d->FKeyShifted);
  if (ch.isNull()) {
    BeepIfWanted();
    return false;
  }
  if (selected) {
    d->FInBuffer.remove(d->FSelBegin, d->FSelEnd - d->FSelBegin);
    d->FCaretPos = d->FSelEnd = d->FSelBegin;
  }
  InsertAtCaret(ch);
  return true;
}

void TNumIO2::InsertAtCaret(const QString& text) {
  d->FInBuffer.insert(d->FCaretPos, text);
  d->FCaretPos += int(text.size());
}

// Deleting what is selected; an emptied buffer shows zero in the format.
void TNumIO2::DeleteSelection() {
  d->FInBuffer.remove(d->FSelBegin, d->FSelEnd - d->FSelBegin);
  if (d->FInBuffer.isEmpty()) SetValue(0);
  d->FCaretPos = d->FSelEnd = d->FSelBegin;
}

// Besides valid numbers, what a number starts with: nothing, a lone sign,
// and in itDynamic a lone base prefix.
bool TNumIO2::Acceptable(const QString& buffer) const {
  if (buffer.isEmpty() || buffer == u"-" || buffer == u"+") return true;
  if (d->FInputFormat == itDynamic && (buffer == u"$" || buffer == u"%" || buffer == u"&")) return true;
  return CheckValidity(buffer);
}

void TNumIO2::BeepIfWanted() const {
  if (d->FBeep) Application().MessageBeep();
}

}  // namespace vyr
