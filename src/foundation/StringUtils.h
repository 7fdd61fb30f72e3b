#pragma once
// Small text helpers used by the controls. Positions are 1-based; 0 means
// "not found".
#include <QChar>
#include <QString>
#include <QStringList>

namespace vyr {

// Fixed-point text of x with `decimals` digits after the point (clamped to
// 0..kMaxStrffDecimals), right-aligned in a field of at least `width`
// characters (clamped to 0..kMaxStrffWidth). Infinities and NaN give "Inf",
// "-Inf" and "NaN".
QString strff(double x, int width, int decimals);
constexpr int kMaxStrffDecimals = 255;
constexpr int kMaxStrffWidth = 255;

// Splits text at every delimiter into items and returns their count. A
// delimiter ends the item before it, so a trailing delimiter adds no empty
// item; empty items between two delimiters are kept. Empty text gives none.
int Tokenize(const QString& text, QChar delimiter, QStringList& items);

enum TSearchDirection { sdForward, sdBackward };

// Position of the n-th occurrence of sub in s counted from position start:
// forward, occurrences beginning at start or later; backward, occurrences
// beginning at start or earlier, nearest first. Occurrences may overlap.
// Returns 0 when there is none, when sub is empty or when n < 1.
int NumberedPos(const QString& sub, const QString& s, int start, TSearchDirection direction, int n);

// s cut to n characters, or padded with blanks to n; n below 0 counts as 0.
QString LeftString(const QString& s, int n);

// s without its control characters (codes 0..31 and 127..159).
QString RemoveControlChars(const QString& s);

// s with every oldChar replaced by newChar.
QString ReplaceCharInString(QString s, QChar oldChar, QChar newChar);

// s without the run of c at its start (or end).
QString StripLeadingChars(const QString& s, QChar c);
QString StripTrailingChars(const QString& s, QChar c);

// s with c appended unless it already ends with c (empty text gets c).
QString EnsureTrailingChar(const QString& s, QChar c);
QString EnsureTrailingBkSlash(const QString& s);

}  // namespace vyr
