#pragma once
// TTextFilter: a search expression, parsed once and then tested against the
// texts of many records. A record is a set of texts (for example the cells
// of a table row); a term holds for a record when some of its texts contain
// it, so "pump AND bar" matches a row with "pump" in one cell and "bar" in
// another. Three syntaxes:
//  - Substring: the whole expression is one term.
//  - Boolean: terms combined with AND, OR, NOT and parentheses. Keywords
//    are recognised in any case; two operands side by side mean AND; NOT
//    binds tighter than AND, AND tighter than OR. A term is a run of
//    characters without blanks, parentheses and quotation marks, or any
//    text between two quotation marks (blanks, parentheses and keywords
//    included; a quoted term cannot hold a quotation mark).
//  - RegularExpression: the pattern must match somewhere in some text
//    (anchors such as ^ and $ refer to each text on its own).
// An empty expression (empty pattern, only blanks in Boolean syntax, or an
// empty quoted term) holds for every record, even one without texts.
// Malformed expressions raise ETextFilterError whose message says what is
// wrong and where (1-based character position).
#include <QRegularExpression>
#include <QString>
#include <QStringMatcher>
#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

#include "foundation/Errors.h"

namespace vyr {

class ETextFilterError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

class TTextFilter {
 public:
  // Parentheses and NOTs nested deeper than this are refused.
  static constexpr int kMaxNesting = 200;

  static TTextFilter Substring(const QString& pattern, bool ignoreCase);
  static TTextFilter Boolean(const QString& expression, bool ignoreCase);
  static TTextFilter RegularExpression(const QString& pattern, bool ignoreCase);

  bool Matches(std::span<const QStringView> texts) const { return Holds(FRoot, texts); }

  // Testing many records at once. The leaves of the expression (its terms,
  // or the regular expression) are tested on single texts; MatchesInBulk
  // turns, for records 0..records - 1, whether each leaf holds in some text
  // of the record (leaves[k][i] non-zero for leaf k and record i) into the
  // expression's result per record (1 or 0), the same as Matches gives. A
  // caller can thus test each distinct text once.
  int LeafCount() const { return int(FTerms.size()) + (FHasPattern ? 1 : 0); }
  bool LeafHolds(int leaf, QStringView text) const;
  std::vector<std::uint8_t> MatchesInBulk(const std::vector<std::vector<std::uint8_t>>& leaves,
                                          std::size_t records) const;

 private:
  class TParser;
  enum class TKind : std::uint8_t { Always, Term, Pattern, Not, And, Or };
  struct TNode {
    TKind Kind;
    int Term = -1;               // index into FTerms for a Term
    std::vector<int> Operands;   // node indices for Not, And, Or
  };

  TTextFilter() = default;
  int AddNode(TKind kind, int term = -1, std::vector<int> operands = {});
  // A Term node, or Always for an empty text.
  int AddTerm(const QString& text, bool ignoreCase);
  bool Holds(int node, std::span<const QStringView> texts) const;
  // The result of node for records first .. first + out.size() - 1 into out.
  void HoldsInBulk(int node, const std::vector<std::vector<std::uint8_t>>& leaves, std::size_t first,
                   std::span<std::uint8_t> out) const;

  std::vector<TNode> FNodes;
  std::vector<QStringMatcher> FTerms;
  // Terms that hold a surrogate and ignore case: QStringMatcher folds such
  // a term unit by unit, but a text's surrogate pairs by character, so
  // these are searched as QStringView::contains searches.
  std::vector<bool> FTermsByCharacter;
  QRegularExpression FPattern;
  bool FHasPattern = false;  // the pattern is the leaf after the terms
  int FRoot = 0;
};

}  // namespace vyr
