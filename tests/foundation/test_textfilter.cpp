// TTextFilter: the three syntaxes tested on records of texts, and the
// refusal of malformed expressions.
#include <gtest/gtest.h>

#include <QStringList>

#include "foundation/TextFilter.h"

using namespace vyr;

namespace {

bool Match(const TTextFilter& f, const QStringList& texts) {
  const std::vector<QStringView> views(texts.begin(), texts.end());
  return f.Matches(views);
}

// The message of the error a Boolean expression raises, empty if none.
QString BooleanError(const QString& e) {
  try {
    TTextFilter::Boolean(e, false);
  } catch (const ETextFilterError& error) {
    return error.Message();
  }
  return {};
}

}  // namespace

TEST(TextFilterSubstring, SomeTextContainsThePattern) {
  const TTextFilter f = TTextFilter::Substring("ump", false);
  EXPECT_TRUE(Match(f, {"inlet", "pump 2"}));
  EXPECT_FALSE(Match(f, {"inlet", "PUMP"}));
  EXPECT_FALSE(Match(f, {}));
  EXPECT_TRUE(Match(TTextFilter::Substring("ump", true), {"PUMP"}));
}

TEST(TextFilterSubstring, EmptyPatternMatchesEveryRecord) {
  const TTextFilter f = TTextFilter::Substring("", false);
  EXPECT_TRUE(Match(f, {}));
  EXPECT_TRUE(Match(f, {""}));
}

TEST(TextFilterBoolean, TermsMayHoldInDifferentTexts) {
  const TTextFilter f = TTextFilter::Boolean("pump AND bar", false);
  EXPECT_TRUE(Match(f, {"pump", "2.5 bar"}));
  EXPECT_FALSE(Match(f, {"pump", "2.5 l/min"}));
}

TEST(TextFilterBoolean, NotBeforeAndBeforeOr) {
  // Read as: a OR (b AND (NOT c)).
  const TTextFilter f = TTextFilter::Boolean("a OR b AND NOT c", false);
  EXPECT_TRUE(Match(f, {"a"}));
  EXPECT_TRUE(Match(f, {"a c"}));
  EXPECT_TRUE(Match(f, {"b"}));
  EXPECT_FALSE(Match(f, {"b c"}));
  EXPECT_FALSE(Match(f, {"c"}));
  const TTextFilter g = TTextFilter::Boolean("(a OR b) AND NOT (c OR d)", false);
  EXPECT_TRUE(Match(g, {"b"}));
  EXPECT_FALSE(Match(g, {"b", "d"}));
  EXPECT_FALSE(Match(g, {"x"}));
}

TEST(TextFilterBoolean, NeighbouringTermsMeanAndAndKeywordsIgnoreCase) {
  // Read as: (tank AND x) OR (NOT valve).
  const TTextFilter f = TTextFilter::Boolean("tank x or Not valve", false);
  EXPECT_TRUE(Match(f, {"tank x"}));
  EXPECT_TRUE(Match(f, {"pump"}));
  EXPECT_FALSE(Match(f, {"valve"}));
  EXPECT_FALSE(Match(f, {"tank", "valve"}));
}

TEST(TextFilterBoolean, QuotedTermsHoldBlanksKeywordsAndParentheses) {
  const TTextFilter f = TTextFilter::Boolean("\"tank and (pump)\"", false);
  EXPECT_TRUE(Match(f, {"the tank and (pump) room"}));
  EXPECT_FALSE(Match(f, {"tank", "and", "pump"}));
  const TTextFilter g = TTextFilter::Boolean("\"OR\" \"a b\"", false);
  EXPECT_TRUE(Match(g, {"OR", "a b"}));
  EXPECT_FALSE(Match(g, {"OR", "ab"}));
}

TEST(TextFilterBoolean, IgnoreCaseAppliesToTermsOnly) {
  EXPECT_TRUE(Match(TTextFilter::Boolean("PUMP and NOT Tank", true), {"pump", "valve"}));
  EXPECT_FALSE(Match(TTextFilter::Boolean("PUMP", false), {"pump"}));
}

TEST(TextFilterBoolean, BlankExpressionAndEmptyQuotesMatchEverything) {
  EXPECT_TRUE(Match(TTextFilter::Boolean("   ", false), {}));
  EXPECT_TRUE(Match(TTextFilter::Boolean("\"\"", false), {}));
  EXPECT_FALSE(Match(TTextFilter::Boolean("NOT \"\"", false), {"x"}));
}

TEST(TextFilterBoolean, MalformedExpressionsNameTheFault) {
  EXPECT_EQ(BooleanError("(pump"), "\"(\" not closed at position 1");
  EXPECT_EQ(BooleanError("pump )"), "\")\" without \"(\" at position 6");
  EXPECT_EQ(BooleanError("pump AND"), "term expected at the end");
  EXPECT_EQ(BooleanError("OR pump"), "term expected before \"OR\" at position 1");
  EXPECT_EQ(BooleanError("a OR and b"), "term expected before \"and\" at position 6");
  EXPECT_EQ(BooleanError("NOT"), "term expected at the end");
  EXPECT_EQ(BooleanError("a ()"), "empty parentheses at position 3");
  EXPECT_EQ(BooleanError("a \"b c"), "unterminated quotation mark at position 3");
  EXPECT_EQ(BooleanError("a (b))"), "\")\" without \"(\" at position 6");
}

TEST(TextFilterBoolean, NestingIsBounded) {
  const QString deepest = QString(200, u'(') + "x" + QString(200, u')');
  EXPECT_TRUE(Match(TTextFilter::Boolean(deepest, false), {"x"}));
  EXPECT_EQ(BooleanError(QString(201, u'(') + "x" + QString(201, u')')),
            "nesting deeper than 200 levels at position 201");
  EXPECT_EQ(BooleanError(QString(100000, u'(')), "nesting deeper than 200 levels at position 201");
  EXPECT_EQ(BooleanError(QStringLiteral("NOT ").repeated(50000) + "x"),
            "nesting deeper than 200 levels at position 801");
}

TEST(TextFilterBoolean, LongChainsNeedNoNesting) {
  const QString chain = QStringLiteral("t0") + QStringLiteral(" OR t1").repeated(20000) + " OR hit";
  const TTextFilter f = TTextFilter::Boolean(chain, false);
  EXPECT_TRUE(Match(f, {"a hit"}));
  EXPECT_FALSE(Match(f, {"miss"}));
  const TTextFilter g = TTextFilter::Boolean(QStringLiteral("NOT (x) ").repeated(20000), false);
  EXPECT_TRUE(Match(g, {"y"}));
  EXPECT_FALSE(Match(g, {"x"}));
}

TEST(TextFilterRegularExpression, MatchesSomewhereInSomeText) {
  const TTextFilter f = TTextFilter::RegularExpression("^t[a-z]+ [AB]$", false);
  EXPECT_TRUE(Match(f, {"pump", "tank B"}));
  EXPECT_FALSE(Match(f, {"pump tank B"}));  // anchors refer to each text
  EXPECT_FALSE(Match(f, {"Tank B"}));
  EXPECT_TRUE(Match(TTextFilter::RegularExpression("^t[a-z]+ [ab]$", true), {"Tank B"}));
  EXPECT_TRUE(Match(TTextFilter::RegularExpression("", false), {}));
}

TEST(TextFilterRegularExpression, InvalidPatternIsRefused) {
  try {
    TTextFilter::RegularExpression("ab(c", false);
    FAIL() << "no error";
  } catch (const ETextFilterError& e) {
    EXPECT_TRUE(e.Message().endsWith(" at position 5")) << e.Message().toStdString();
  }
  EXPECT_THROW(TTextFilter::RegularExpression("[", true), ETextFilterError);
}

TEST(TextFilterSubstring, TermsWithSurrogatesIgnoringCaseFindWhatContainsFinds) {
  const QString texts[] = {QString::fromUtf16(u"x\U00010400y"), QString::fromUtf16(u"\U00010428"),
                           QString::fromUtf16(u"\xD801\xD801"), QString::fromUtf16(u"\xDC00" u"a")};
  const QString patterns[] = {QString::fromUtf16(u"\xDC00"), QString::fromUtf16(u"\xDC28"), QString::fromUtf16(u"\xD801"),
                              QString::fromUtf16(u"\U00010400"), QString::fromUtf16(u"\xDC00" u"A")};
  for (const QString& pattern : patterns)
    for (const QString& text : texts) {
      const QStringView view = text;
      EXPECT_EQ(vyr::TTextFilter::Substring(pattern, true).Matches({&view, 1}), text.contains(pattern, Qt::CaseInsensitive))
          << pattern.toStdU16String().size() << " in " << text.toStdU16String().size();
    }
}
