// The row editor's numeric fields: a TNumIO per numeric column, open to
// every value of its notation.
#include "numio/Vyr_NumIO.h"
#include "replist/RLColumnFormat.h"
#include "replist/RepListRowEditor.h"

namespace vyr {

namespace {

constexpr double kWidestRange = 1.7e308;

TInFormat InputFormatOf(QChar letter) {
  switch (letter.unicode()) {
    case u'f': return itFloat;
    case u'h': return itHex;
    case u'i': return itInt;
    default: return itDynamic;
  }
}

}  // namespace

QWidget* TRowEditor::MakeNumber(QDialog& form, TRowField& field) {
  auto* number = new TNumIO(&form);
  number->setObjectName(QStringLiteral("runtime_rlre_NumIO%1").arg(field.Column));
  number->SetRangeLow(-kWidestRange);
  number->SetRangeHigh(kWidestRange);
  number->SetInputFormat(InputFormatOf(field.Format.Letter));
  const QString shown = Shown(field.Column);
  number->SetEditText(shown.isEmpty() ? DefaultTextOfType(field.Format.Letter, field.Format.Default, FRow) : shown);
  if (field.Format.ReadOnly) {
    number->SetColor(0x00E0E0E0);
    TFont font = number->Font();
    font.Color = 0x00808080;
    number->SetFont(font);
  }
  field.StartText = number->Text();
  field.Proposed = shown.isEmpty() && StoredEmpty(field.Column) && !field.StartText.isEmpty();
  return number;
}

QString RowNumberText(const TRowField& field) {
  auto* number = qobject_cast<TNumIO*>(field.Widget.data());
  return number ? number->Text() : QString();
}

}  // namespace vyr
