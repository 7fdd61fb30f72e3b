#include <algorithm>

#include "foundation/NumFloatMachine.h"

namespace vyr {
namespace {

bool IsSign(QChar c) { return c == u'+' || c == u'-'; }

// Non-empty and made of digits of the base only.
bool AllDigitsOfBase(const QString& text, unsigned base) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [base](QChar c) { return num::DigitValue(c.unicode()) < base; });
}

// The states of IsFixedText.
enum FixedState { kStart, kAfterSign, kBareSeparator, kIntegerDigits, kFractionDigits, kInvalid };

FixedState NextFixedState(FixedState state, QChar c, num::Separators separators) {
  const bool digit = num::IsDecimalDigit(c.unicode());
  const bool separator = separators.Contains(c.unicode());
  switch (state) {
    case kStart:
      return IsSign(c) ? kAfterSign : separator ? kBareSeparator : digit ? kIntegerDigits : kInvalid;
    case kAfterSign:
    case kIntegerDigits:
      return separator ? kBareSeparator : digit ? kIntegerDigits : kInvalid;
    case kBareSeparator:
    case kFractionDigits:
      return digit ? kFractionDigits : kInvalid;
    default:
      return kInvalid;
  }
}

}  // namespace

bool IsFloatText(const QString& Text, bool AllowExponent, TDecPSep Mode) {
  if (Text.isEmpty()) return false;
  return num::RunFloatMachine(Text.constData(), Text.size(), 1, AllowExponent, num::ResolveSeparators(Mode),
                              num::OverCap::Fail)
      .accepted;
}

bool IsFixedText(const QString& Text, TDecPSep Mode) {
  if (Text.isEmpty()) return false;
  const num::Separators separators = num::ResolveSeparators(Mode);
  FixedState state = kStart;
  for (qsizetype i = 0; i < Text.size() && state != kInvalid; ++i) state = NextFixedState(state, Text[i], separators);
  return state != kInvalid;
}

bool IsIntText(const QString& Text) {
  if (Text.isEmpty()) return false;
  const bool firstOk = num::IsDecimalDigit(Text[0].unicode()) || (Text.size() > 1 && IsSign(Text[0]));
  return firstOk && std::all_of(Text.begin() + 1, Text.end(), [](QChar c) { return num::IsDecimalDigit(c.unicode()); });
}

bool IsHexText(const QString& Text) { return AllDigitsOfBase(Text, 16); }

bool IsOctText(const QString& Text) { return AllDigitsOfBase(Text, 8); }

bool IsBinText(const QString& Text) { return AllDigitsOfBase(Text, 2); }

}  // namespace vyr
