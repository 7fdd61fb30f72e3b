// TNumIO's value model: construction, properties, the reading of a text as
// a number of the format, and Value.
#include <QEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "foundation/Constants.h"
#include "host/ControlRegistry.h"
#include "numio/NumIOPrivate.h"

VYR_REGISTER_CONTROL(TNumIO, "numio/Vyr_NumIO.h")

namespace vyr {
namespace {

// The most significant digits a 32-bit value has in base 16, 8 and 2.
int MaxDigitsOfBase(int base) { return base == 16 ? 8 : base == 8 ? 11 : 32; }

// Digits of the base that fit 32 bits, read as TNumIO2 reads them (a
// 32-bit signed value). No digits at all (a prefix alone) read 0.
bool ReadBased(const QString& digits, int base, double& value) {
  if (digits.isEmpty()) return true;
  const bool valid = base == 16 ? IsHexText(digits) : base == 8 ? IsOctText(digits) : IsBinText(digits);
  if (!valid) return false;
  qsizetype first = 0;
  while (first < digits.size() - 1 && digits[first] == u'0') ++first;
  const qsizetype count = digits.size() - first;
  if (count > MaxDigitsOfBase(base) || (base == 8 && count == 11 && digits[first] > u'3')) return false;
  value = InFormatValue(digits, base == 16 ? itHex : base == 8 ? itOct : itBin);
  return true;
}

// A signed decimal integer of the 32-bit range; a sign alone reads 0.
bool ReadDecimal(const QString& text, double& value) {
  qsizetype pos = 1;
  ScanDecimalInt(text, pos);
  if (pos != text.size() + 1) return false;
  if (text == u"-" || text == u"+") return true;
  bool ok = false;
  const int v = text.toInt(&ok);
  if (ok) value = v;
  return ok;
}

bool ReadFloat(const QString& text, bool allowExponent, TDecPSep mode, double& value) {
  qsizetype pos = 1;
  value = ScanFloat(text, allowExponent, mode, pos);
  return pos == text.size() + 1;
}

// An exponent still being typed ("1.5e", "1.5e-") is left out.
QString WithoutOpenExponent(QString text) {
  const qsizetype e = text.indexOf(u'e');
  const qsizetype n = text.size();
  if (e >= 0 && (e == n - 1 || (e == n - 2 && (text[n - 1] == u'-' || text[n - 1] == u'+')))) text.truncate(e);
  return text;
}

}  // namespace

TNumIO::TNumIO(QWidget* AOwner) : TCustomEdit(AOwner), d(std::make_unique<Private>()) { SetEditText(QString()); }

TNumIO::~TNumIO() = default;

bool TNumIO::ConvertNumString(const QString& Text, double& Value) const {
  if (Text.isEmpty()) return false;
  Value = 0;
  const TDecPSep mode = ResolvedSepMode(d->FDecPSep);
  qsizetype start = 0;
  while (start < Text.size() && Text[start] == u' ') ++start;
  QString t = Text.mid(start);
  if (t.contains(u' ')) return false;
  t = t.toLower();
  if (t.isEmpty()) return true;
  TInFormat format = d->FInFormat;
  if (format == itDynamic) {
    switch (t[0].unicode()) {
      case u'$': return ReadBased(t.mid(1), 16, Value);
      case u'%': return ReadBased(t.mid(1), 2, Value);
      case u'&': return ReadBased(t.mid(1), 8, Value);
      default: format = itExp;
    }
  }
  switch (format) {
    case itExp: return ReadFloat(WithoutOpenExponent(t), true, mode, Value);
    case itFloat:
    case itFixPoint: return ReadFloat(t, false, mode, Value);
    case itInt: return ReadDecimal(t, Value);
    case itHex: return ReadBased(t, 16, Value);
    case itOct: return ReadBased(t, 8, Value);
    default: return ReadBased(t, 2, Value);
  }
}

// A text ending in its separator reads as if a 0 followed.
double TNumIO::Value() const {
  QString text = Text();
  if (!text.isEmpty() && (text.back() == u'.' || text.back() == u',')) text += u'0';
  double v = 0;
  return ConvertNumString(text, v) ? v : 0.0;
}

void TNumIO::SetValue(double value) {
  if (!std::isfinite(value)) return;
  TInTextStyle style{d->FInFormat, d->FDecPSep, d->FFixPDecPl, 6};
  switch (d->FInFormat) {
    case itExp:
    case itDynamic: style.format = itExp; break;
    case itFloat: style.decimals = 8; break;
    // Kept within what the format reads back.
    case itInt:
      value = std::clamp(value, double(std::numeric_limits<std::int32_t>::min()),
                         double(std::numeric_limits<std::int32_t>::max()));
      break;
    default: break;
  }
  SetEditText(InFormatText(value, style));
}

TInFormat TNumIO::InputFormat() const { return d->FInFormat; }
void TNumIO::SetInputFormat(TInFormat value) {
  if (value == d->FInFormat || value > itDynamic) return;
  d->FInFormat = value;
  ForgetAndCheck();
}

int TNumIO::FixPointDecPlaces() const { return d->FFixPDecPl; }
void TNumIO::SetFixPointDecPlaces(int value) { d->FFixPDecPl = std::clamp(value, 1, kMaxFixPointDecPlaces); }

TDecPSep TNumIO::DecPlaceSep() const { return d->FDecPSep; }
void TNumIO::SetDecPlaceSep(TDecPSep value) {
  if (value == d->FDecPSep || value > dsBoth) return;
  d->FDecPSep = value;
  ForgetAndCheck();
}

double TNumIO::RangeLow() const { return d->FMinimum; }
void TNumIO::SetRangeLow(double value) {
  if (!std::isfinite(value) || value == d->FMinimum) return;
  d->FRangeSet = true;
  if (!IsLoading() && value >= d->FMaximum) {
    d->FMinimum = d->FMaximum;
    d->FMaximum = value;
  } else {
    d->FMinimum = value;
  }
  ForgetAndCheck();
}

double TNumIO::RangeHigh() const { return d->FMaximum; }
void TNumIO::SetRangeHigh(double value) {
  if (!std::isfinite(value) || value == d->FMaximum) return;
  d->FRangeSet = true;
  if (IsLoading() || value > d->FMinimum) {
    d->FMaximum = value;
  } else {
    d->FMaximum = d->FMinimum;
    d->FMinimum = value;
  }
  ForgetAndCheck();
}

bool TNumIO::Beep() const { return d->FBeep; }
void TNumIO::SetBeep(bool value) { d->FBeep = value; }

// A field the designer makes takes any number until a range is set. The
// designer switches design mode on only after construction, so the range
// follows when the field is first polished, before it shows.
bool TNumIO::event(QEvent* e) {
  if (e->type() == QEvent::Polish && IsDesigning() && !d->FRangeSet) {
    d->FMinimum = -uc_MaxDouble;
    d->FMaximum = uc_MaxDouble;
  }
  return TCustomEdit::event(e);
}

void TNumIO::Loaded() {
  TCustomEdit::Loaded();
  if (d->FMinimum > d->FMaximum) std::swap(d->FMinimum, d->FMaximum);
  ForgetAndCheck();
}

std::optional<TAccessibleNumber> TNumIO::AccessibleNumber() const {
  return TAccessibleNumber{Value(), d->FMinimum, d->FMaximum};
}

// Assistive technology may set only what the user could type.
void TNumIO::SetAccessibleNumber(double value) {
  if (!ReadOnly() && InRange(value)) SetValue(value);
}

}  // namespace vyr
