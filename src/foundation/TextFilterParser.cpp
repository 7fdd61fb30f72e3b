// TTextFilter: the Boolean syntax. The expression is split into tokens and
// read by recursive descent (OR over AND over NOT and operands); AND and OR
// chains become one node each, so only parentheses and NOTs nest, and their
// depth is bounded.
#include "foundation/TextFilter.h"

namespace vyr {

namespace {

enum class TTok : std::uint8_t { Term, And, Or, Not, Open, Close, End };

struct TToken {
  TTok Kind;
  QString Text;
  int Pos;  // 1-based character position
};

bool EndsWord(QChar c) { return c.isSpace() || c == u'(' || c == u')' || c == u'"'; }

TTok WordKind(const QString& word) {
  if (word.compare(QLatin1String("AND"), Qt::CaseInsensitive) == 0) return TTok::And;
  if (word.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0) return TTok::Or;
  if (word.compare(QLatin1String("NOT"), Qt::CaseInsensitive) == 0) return TTok::Not;
  return TTok::Term;
}

std::vector<TToken> Tokenize(const QString& e) {
  std::vector<TToken> tokens;
  const int n = int(e.size());
  int i = 0;
  while (i < n) {
    const QChar c = e[i];
    if (c.isSpace()) {
      ++i;
    } else if (c == u'(' || c == u')') {
      tokens.push_back({c == u'(' ? TTok::Open : TTok::Close, QString(c), i + 1});
      ++i;
    } else if (c == u'"') {
      const int close = int(e.indexOf(u'"', i + 1));
      if (close < 0) throw ETextFilterError(QStringLiteral("unterminated quotation mark at position %1").arg(i + 1));
      tokens.push_back({TTok::Term, e.mid(i + 1, close - i - 1), i + 1});
      i = close + 1;
    } else {
      const int start = i;
      while (i < n && !EndsWord(e[i])) ++i;
      const QString word = e.mid(start, i - start);
      tokens.push_back({WordKind(word), word, start + 1});
    }
  }
  tokens.push_back({TTok::End, QString(), n + 1});
  return tokens;
}

bool StartsOperand(TTok kind) { return kind == TTok::Term || kind == TTok::Not || kind == TTok::Open; }

}  // namespace

class TTextFilter::TParser {
 public:
  TParser(TTextFilter& filter, const QString& expression, bool ignoreCase)
      : FFilter(filter), FTokens(Tokenize(expression)), FIgnoreCase(ignoreCase) {}

  int Parse() {
    if (Peek().Kind == TTok::End) return FFilter.AddNode(TKind::Always);
    const int root = ParseOr(0);
    if (Peek().Kind == TTok::Close) Fail(QStringLiteral("\")\" without \"(\""), Peek());
    return root;
  }

 private:
  const TToken& Peek() const { return FTokens[FNext]; }
  const TToken& Take() { return FTokens[FNext++]; }

  [[noreturn]] static void Fail(const QString& what, const TToken& at) {
    if (at.Kind == TTok::End) throw ETextFilterError(what + QStringLiteral(" at the end"));
    throw ETextFilterError(QStringLiteral("%1 at position %2").arg(what).arg(at.Pos));
  }

  // Operands joined into one node of kind, or the single operand itself.
  int Join(TKind kind, std::vector<int> operands) {
    if (operands.size() == 1) return operands.front();
    return FFilter.AddNode(kind, -1, std::move(operands));
  }

  int ParseOr(int depth) {
    std::vector<int> operands{ParseAnd(depth)};
    while (Peek().Kind == TTok::Or) {
      Take();
      operands.push_back(ParseAnd(depth));
    }
    return Join(TKind::Or, std::move(operands));
  }

  int ParseAnd(int depth) {
    std::vector<int> operands{ParseUnary(depth)};
    for (;;) {
      if (Peek().Kind == TTok::And)
        Take();
      else if (!StartsOperand(Peek().Kind))
        break;
      operands.push_back(ParseUnary(depth));
    }
    return Join(TKind::And, std::move(operands));
  }

  int ParseUnary(int depth) {
    const TToken& token = Peek();
    switch (token.Kind) {
      case TTok::Term:
        Take();
        return FFilter.AddTerm(token.Text, FIgnoreCase);
      case TTok::Not: {
        Nest(depth, token);
        Take();
        const int operand = ParseUnary(depth + 1);
        return FFilter.AddNode(TKind::Not, -1, {operand});
      }
      case TTok::Open: {
        Nest(depth, token);
        Take();
        if (Peek().Kind == TTok::Close) Fail(QStringLiteral("empty parentheses"), token);
        const int inner = ParseOr(depth + 1);
        if (Peek().Kind != TTok::Close) Fail(QStringLiteral("\"(\" not closed"), token);
        Take();
        return inner;
      }
      default:
        Fail(token.Kind == TTok::End ? QStringLiteral("term expected")
                                     : QStringLiteral("term expected before \"%1\"").arg(token.Text),
             token);
    }
  }

  static void Nest(int depth, const TToken& at) {
    if (depth >= kMaxNesting) Fail(QStringLiteral("nesting deeper than %1 levels").arg(kMaxNesting), at);
  }

  TTextFilter& FFilter;
  std::vector<TToken> FTokens;
  std::size_t FNext = 0;
  bool FIgnoreCase;
};

TTextFilter TTextFilter::Boolean(const QString& expression, bool ignoreCase) {
  TTextFilter filter;
  filter.FRoot = TParser(filter, expression, ignoreCase).Parse();
  return filter;
}

}  // namespace vyr
