// TTextFilter: the substring and regular expression forms, and the test of
// a record against a parsed expression.
#include "foundation/TextFilter.h"

#include <algorithm>

namespace vyr {

int TTextFilter::AddNode(TKind kind, int term, std::vector<int> operands) {
  FNodes.push_back({kind, term, std::move(operands)});
  return int(FNodes.size()) - 1;
}

int TTextFilter::AddTerm(const QString& text, bool ignoreCase) {
  if (text.isEmpty()) return AddNode(TKind::Always);
  FTerms.emplace_back(text, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
  FTermsByCharacter.push_back(ignoreCase && std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); }));
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
  filter.FHasPattern = true;
  filter.FRoot = filter.AddNode(TKind::Pattern);
  return filter;
}

bool TTextFilter::Holds(int index, std::span<const QStringView> texts) const {
  const TNode& node = FNodes[std::size_t(index)];
  const auto holds = [&](int operand) { return Holds(operand, texts); };
  switch (node.Kind) {
    case TKind::Always:
      return true;
    case TKind::Term:
      return std::any_of(texts.begin(), texts.end(), [&](QStringView t) { return LeafHolds(node.Term, t); });
    case TKind::Pattern:
      return std::any_of(texts.begin(), texts.end(), [&](QStringView t) { return LeafHolds(int(FTerms.size()), t); });
    case TKind::Not:
      return !holds(node.Operands.front());
    case TKind::And:
      return std::all_of(node.Operands.begin(), node.Operands.end(), holds);
    case TKind::Or:
      return std::any_of(node.Operands.begin(), node.Operands.end(), holds);
  }
  return false;
}

bool TTextFilter::LeafHolds(int leaf, QStringView text) const {
  if (leaf < int(FTerms.size())) {
    const QStringMatcher& term = FTerms[std::size_t(leaf)];
    if (FTermsByCharacter[std::size_t(leaf)]) return text.contains(term.pattern(), Qt::CaseInsensitive);
    return term.indexIn(text) >= 0;
  }
  return FPattern.match(text).hasMatch();
}

void TTextFilter::HoldsInBulk(int index, const std::vector<std::vector<std::uint8_t>>& leaves, std::size_t first,
                              std::span<std::uint8_t> out) const {
  const TNode& node = FNodes[std::size_t(index)];
  const auto leaf = [&](int k) {
    const std::uint8_t* holds = leaves[std::size_t(k)].data() + first;
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = holds[i] != 0;
  };
  // And and Or fold their operands in one by one through a second buffer.
  const auto fold = [&](auto op) {
    HoldsInBulk(node.Operands.front(), leaves, first, out);
    std::vector<std::uint8_t> operand(out.size());
    for (std::size_t j = 1; j < node.Operands.size(); ++j) {
      HoldsInBulk(node.Operands[j], leaves, first, operand);
      for (std::size_t i = 0; i < out.size(); ++i) out[i] = op(out[i], operand[i]);
    }
  };
  switch (node.Kind) {
    case TKind::Always:
      std::fill(out.begin(), out.end(), std::uint8_t{1});
      return;
    case TKind::Term:
      return leaf(node.Term);
    case TKind::Pattern:
      return leaf(int(FTerms.size()));
    case TKind::Not:
      HoldsInBulk(node.Operands.front(), leaves, first, out);
      for (std::uint8_t& v : out) v ^= 1;
      return;
    case TKind::And:
      return fold([](std::uint8_t a, std::uint8_t b) { return std::uint8_t(a & b); });
    case TKind::Or:
      return fold([](std::uint8_t a, std::uint8_t b) { return std::uint8_t(a | b); });
  }
}

std::vector<std::uint8_t> TTextFilter::MatchesInBulk(const std::vector<std::vector<std::uint8_t>>& leaves,
                                                     std::size_t records) const {
  // Records go in blocks, so that the buffers of nested operands stay small
  // however deep the expression nests.
  constexpr std::size_t kBlock = 4096;
  std::vector<std::uint8_t> result(records);
  for (std::size_t first = 0; first < records; first += kBlock)
    HoldsInBulk(FRoot, leaves, first, std::span(result).subspan(first, std::min(kBlock, records - first)));
  return result;
}

}  // namespace vyr
