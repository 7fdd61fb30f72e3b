// TNumIO2's keyboard: editing the buffer key by key. Every key is applied
// to the buffer and then checked; a key that leaves the buffer invalid is
// undone (with a beep when Beep is set). Ctrl+C, Ctrl+X and Ctrl+V go
// through the clipboard.
#include "host/Application.h"
#include "host/Clipboard.h"
#include "host/KeyCodes.h"
#include "numio/Vyr_NumIO.h"

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
  HandleKeyDown(Key);
  TCustomControl::KeyDown(Key, Shift);
}

void TNumIO2::KeyUp(quint16& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) FKeyShifted = false;
  if (Key == VK_CONTROL) FKeyCntrl = false;
  TCustomControl::KeyUp(Key, Shift);
}

void TNumIO2::HandleKeyDown(quint16 key) {
  if (key == VK_SHIFT) {
    FKeyShifted = true;
    return;
  }
  if (key == VK_CONTROL) {
    FKeyCntrl = true;
    return;
  }
  if (FReadOnly && !(FKeyCntrl && key == 'C')) return;

  const QString savedBuffer = FInBuffer;
  const int savedCaret = FCaretPos;
  bool changed = FKeyCntrl ? HandleCtrlKey(key) : HandlePlainKey(key);
  if (!Acceptable(FInBuffer)) {
    FInBuffer = savedBuffer;
    FCaretPos = savedCaret;
    changed = false;
    BeepIfWanted();
  }
  // An empty selection left behind by a shorter buffer moves back into it.
  KeepCaretInBuffer();
  // In itFixPoint the character right of a caret among the decimals is
  // selected, so that the next digit overwrites it.
  const int length = int(FInBuffer.size());
  if (FInputFormat == itFixPoint && FCaretPos > length - FDecP - 1) {
    FSelBegin = FCaretPos;
    FSelEnd = std::min(FCaretPos + 1, length);
  } else {
    FSelBegin = FSelEnd;
  }
  if (!FReadOnly) FCaretVisib = true;
  if (changed) Changed();
  Paint();
}

bool TNumIO2::HandleCtrlKey(quint16 key) {
  const bool selected = FSelBegin < FSelEnd;
  switch (key) {
    case 'C':
      if (selected) Clipboard().SetAsText(FInBuffer.mid(FSelBegin, FSelEnd - FSelBegin));
      return false;
    case 'V':
      if (!Clipboard().HasText()) return false;
      InsertAtCaret(Clipboard().AsText());
      return true;
    case 'X':
      if (!selected) return false;
      Clipboard().SetAsText(FInBuffer.mid(FSelBegin, FSelEnd - FSelBegin));
      DeleteSelection();
      return true;
    default:
      BeepIfWanted();
      return false;
  }
}

bool TNumIO2::HandlePlainKey(quint16 key) {
  const int length = int(FInBuffer.size());
  const bool selected = FSelBegin < FSelEnd;
  switch (key) {
    case VK_BACK:
      if (selected) {
        DeleteSelection();
        return true;
      }
      if (FCaretPos == 0) return false;
      FInBuffer.remove(--FCaretPos, 1);
      return true;
    case VK_DELETE:
      if (selected) {
        DeleteSelection();
        return true;
      }
      if (FCaretPos >= length) return false;
      FInBuffer.remove(FCaretPos, 1);
      return true;
    case VK_TAB: SelectNext(!FKeyShifted); return false;
    case VK_END: FCaretPos = length; return false;
    case VK_HOME: FCaretPos = 0; return false;
    case VK_LEFT:
    case VK_UP:
      if (FCaretPos > 0) --FCaretPos;
      return false;
    case VK_RIGHT:
    case VK_DOWN:
      if (FCaretPos < length) ++FCaretPos;
      return false;
    default: break;
  }
  const QChar ch = CharOfKey(key, FKeyShifted);
  if (ch.isNull()) {
    BeepIfWanted();
    return false;
  }
  if (selected) {
    FInBuffer.remove(FSelBegin, FSelEnd - FSelBegin);
    FCaretPos = FSelEnd = FSelBegin;
  }
  InsertAtCaret(ch);
  return true;
}

void TNumIO2::InsertAtCaret(const QString& text) {
  FInBuffer.insert(FCaretPos, text);
  FCaretPos += int(text.size());
}

// Deleting what is selected; an emptied buffer shows zero in the format.
void TNumIO2::DeleteSelection() {
  FInBuffer.remove(FSelBegin, FSelEnd - FSelBegin);
  if (FInBuffer.isEmpty()) SetValue(0);
  FCaretPos = FSelEnd = FSelBegin;
}

// Besides valid numbers, what a number starts with: nothing, a lone sign,
// and in itDynamic a lone base prefix.
bool TNumIO2::Acceptable(const QString& buffer) const {
  if (buffer.isEmpty() || buffer == u"-" || buffer == u"+") return true;
  if (FInputFormat == itDynamic && (buffer == u"$" || buffer == u"%" || buffer == u"&")) return true;
  return CheckValidity(buffer);
}

void TNumIO2::BeepIfWanted() const {
  if (FBeep) Application().MessageBeep();
}

}  // namespace vyr
