// TNumIO's check of every change of its text: what a text is judged to be,
// and how the box then shows the accepted text or brings the last one back.
#include <QScopedValueRollback>
#include <algorithm>

#include "host/Application.h"
#include "numio/NumIOPrivate.h"

namespace vyr {
namespace {

// Where the first decimal separator of the mode stands in text, from
// position from on; -1 when there is none.
qsizetype SeparatorIndex(const QString& text, TDecPSep mode, qsizetype from = 0) {
  for (qsizetype i = from; i < text.size(); ++i) {
    const QChar c = text[i];
    if (mode == dsBoth ? (c == u'.' || c == u',') : c == SeparatorCharOf(mode)) return i;
  }
  return -1;
}

}  // namespace

bool TNumIO::InRange(double v) const { return (d->FMinimum <= v && v <= d->FMaximum) || v == 0; }

TNumIOVerdict TNumIO::Judge(const QString& text) const {
  if (text.isEmpty()) return {TNumIOVerdict::Accept, text};
  if (d->FInFormat == itFixPoint) return JudgeFixPoint(text);
  double v = 0;
  if (ConvertNumString(text, v) && InRange(v)) return {TNumIOVerdict::Accept, text};
  return {};
}

// The text keeps exactly one separator and FixPointDecPlaces decimals.
TNumIOVerdict TNumIO::JudgeFixPoint(const QString& text) const {
  // A sign typed first stays as it is, so that a negative number can be
  // typed into an empty or wholly selected box.
  if (text == u"-" || text == u"+") return {TNumIOVerdict::Accept, text};
  const qsizetype oldSep = SeparatorIndex(d->FOldText, d->FDecPSep);
  const qsizetype sep = SeparatorIndex(text, d->FDecPSep);
  if (sep < 0 && oldSep >= 0) return {TNumIOVerdict::Restore, d->FOldText, int(oldSep)};
  if (sep >= 0 && SeparatorIndex(text, d->FDecPSep, sep + 1) >= 0)
    return {TNumIOVerdict::Restore, d->FOldText, int(std::max<qsizetype>(oldSep + 1, 0))};
  const QString cut = sep >= 0 ? text.left(sep + 1 + d->FFixPDecPl) : text;
  double v = 0;
  if (!ConvertNumString(cut, v) || !InRange(v)) return {};
  return {TNumIOVerdict::Accept, InFormatText(v, {itFixPoint, d->FDecPSep, d->FFixPDecPl, 6})};
}

// The field's own write: it leaves the mark only while the text changes.
void TNumIO::WriteInternal(const QString& text) {
  if (text == Text()) return;
  const QScopedValueRollback<bool> internal(d->FInternalChg, true);
  ReplaceText(text);
}

void TNumIO::SetEditText(const QString& Text) {
  d->FOldText = Text;
  WriteInternal(Text);
}

void TNumIO::Change() {
  if (IsDesigning() || IsLoading()) return;
  if (d->FInternalChg) {
    d->FInternalChg = false;
    return;
  }
  RunCheck(TCheckCaller::User);
}

void TNumIO::RunCheck(TCheckCaller caller) {
  const QString text = Text();
  const TNumIOVerdict verdict = Judge(text);
  switch (verdict.Kind) {
    case TNumIOVerdict::Accept:
      d->FOldText = verdict.Shown;
      WriteInternal(verdict.Shown);
      if (caller == TCheckCaller::User) TCustomEdit::Change();
      return;
    case TNumIOVerdict::Restore:
      WriteInternal(d->FOldText);
      SetSelStart(verdict.Caret);
      return;
    case TNumIOVerdict::Refuse: {
      const int caret = std::max(SelStart() - 1, 0);
      WriteInternal(d->FOldText);
      SetSelStart(caret);
      Update();
      if (caller == TCheckCaller::User && d->FBeep) Application().MessageBeep();
      return;
    }
  }
}

// A setter changed what passes: the text is checked afresh, with nothing
// accepted to fall back on but the empty text.
void TNumIO::ForgetAndCheck() {
  d->FOldText.clear();
  if (!IsLoading() && !IsDesigning()) RunCheck(TCheckCaller::Setter);
}

// A typed edit that the check would refuse is kept from landing at all.
bool TNumIO::RefuseEdit(const QString& text) {
  if (IsDesigning() || IsLoading() || d->FInternalChg) return false;
  if (Judge(text).Kind != TNumIOVerdict::Refuse) return false;
  if (d->FBeep) Application().MessageBeep();
  return true;
}

}  // namespace vyr
