// TTextFilter: the substring and regular expression forms, and the test of
// a record against a parsed expression.
#include <algorithm>

#include "foundation/TextFilter.h"

namespace vyr {

int TTextFilter::AddNode(TKind kind, int term, std::vector<int> operands) {
  FNodes.push_back({kind, term, std::move(operands)});
  return int(FNodes.size()) - 1;
}

int TTextFilter::AddTerm(const QString& text, bool ignoreCase) {
  if (text.isEmpty()) return AddNode(TKind::Always);
  FTerms.emplace_back(text, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
  return AddNode(TKind::Term, int(FTerms.size()) - 1);
}

TTextFilter TTextFilter::Substring(const QString& pattern, bool ignoreCase) {
  TTextFilter filter;
  filter.FRoot = filter.AddTerm(pattern, ignoreCase);
  return filter;
}

TTextFilter TTextFilter::RegularExpression(const QString& pattern, bool ignoreCase) {
  TTextFilter filter;
  if (pattern.isEmpty()) {
    filter.FRoot = filter.AddNode(TKind::Always);
    return filter;
  }
  filter.FPattern.setPattern(pattern);
  if (ignoreCase) filter.FPattern.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
  if (!filter.FPattern.isValid())
    throw ETextFilterError(QStringLiteral("%1 at position %2")
                               .arg(filter.FPattern.errorString())
                               .arg(filter.FPattern.patternErrorOffset() + 1));
  filter.FPattern.optimize();
  filter.FRoot = filter.AddNode(TKind::Pattern);
  return filter;
}

bool TTextFilter::Holds(int index, std::span<const QStringView> texts) const {
  const TNode& node = FNodes[std::size_t(index)];
  const auto holds = [&](int operand) { return Holds(operand, texts); };
  switch (node.Kind) {
    case TKind::Always:
      return true;
    case TKind::Term: {
      const QStringMatcher& term = FTerms[std::size_t(node.Term)];
      return std::any_of(texts.begin(), texts.end(), [&](QStringView t) { return term.indexIn(t) >= 0; });
    }
    case TKind::Pattern:
      return std::any_of(texts.begin(), texts.end(), [&](QStringView t) { return FPattern.match(t).hasMatch(); });
    case TKind::Not:
      return !holds(node.Operands.front());
    case TKind::And:
      return std::all_of(node.Operands.begin(), node.Operands.end(), holds);
    case TKind::Or:
      return std::any_of(node.Operands.begin(), node.Operands.end(), holds);
  }
  return false;
}

}  // namespace vyr
