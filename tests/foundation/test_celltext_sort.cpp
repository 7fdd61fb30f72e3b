#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "foundation/CellText.h"
#include "foundation/CellTextSort.h"

using namespace vyr;

namespace {

QString Q(const char16_t* text) { return QString::fromUtf16(text); }

std::vector<std::int32_t> OrderOf(const std::vector<QString>& texts, bool ascending) {
  return CellTextOrder(std::vector<QStringView>(texts.begin(), texts.end()), ascending);
}

// The order a stable comparison sort by CompareCellText gives.
std::vector<std::int32_t> ReferenceOrder(const std::vector<QString>& texts, bool ascending) {
  std::vector<std::int32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
    const int c = CompareCellText(texts[a], texts[b]);
    return ascending ? c < 0 : c > 0;
  });
  return order;
}

// Texts drawn from pieces that stress the folding: both cases, letters whose
// folded form is another letter or ASCII, surrogate pairs with and without
// case, lone surrogates, codes around the surrogate range, blanks, digits,
// and a long shared beginning.
std::vector<QString> RandomTexts(std::mt19937& rng, int count) {
  static const std::vector<QString> pieces = {
      Q(u"a"),      Q(u"A"),      Q(u"b"),      Q(u"Z"),      Q(u"z"),      Q(u" "),      Q(u"0"),
      Q(u"7"),      Q(u"\u00e9"), Q(u"\u00c9"), Q(u"\u00df"), Q(u"\u1e9e"), Q(u"\u03a3"), Q(u"\u03c3"),
      Q(u"\u03c2"), Q(u"\u212a"), Q(u"k"),      Q(u"K"),      Q(u"\u0130"), Q(u"i"),      Q(u"\uffff"),
      Q(u"\ue000"), Q(u"\U00010400"), Q(u"\U00010428"), Q(u"\U0001f600"), QString(QChar(0xD800)),
      QString(QChar(0xDC00)), QString(QChar(0)), Q(u"sensor "), Q(u"Sensor ")};
  std::vector<QString> texts;
  for (int i = 0; i < count; ++i) {
    const int kind = int(rng() % 10);
    if (kind == 0) {
      texts.emplace_back();
      continue;
    }
    if (kind == 1 && !texts.empty()) {  // an earlier text, maybe in the other case
      QString copy = texts[rng() % texts.size()];
      texts.push_back(rng() % 2 ? copy.toUpper() : copy);
      continue;
    }
    QString text = kind < 6 ? Q(u"sensor ") : QString();
    const int length = int(rng() % 6);
    for (int k = 0; k < length; ++k) text += pieces[rng() % pieces.size()];
    texts.push_back(text);
  }
  return texts;
}

}  // namespace

TEST(CellTextSort, SharedBeginningsCaseTiesEmptiesAndDuplicates) {
  const std::vector<QString> texts = {Q(u"sensor 77"), Q(u"Sensor 1234"), Q(u"sensor 1234"), QString(),
                                      Q(u"sensor 7"),  Q(u"SENSOR 77"),   Q(u"sensor 7")};
  EXPECT_EQ(OrderOf(texts, true), (std::vector<std::int32_t>{3, 1, 2, 4, 6, 5, 0}));
  EXPECT_EQ(OrderOf(texts, false), (std::vector<std::int32_t>{0, 5, 4, 6, 2, 1, 3}));
}

TEST(CellTextSort, FoldsNonAsciiLettersAsTheComparisonDoes) {
  // The Kelvin sign folds to "k"; among equal folds the codes decide.
  const std::vector<QString> kelvin = {Q(u"\u212a"), Q(u"k"), Q(u"K"), Q(u"l"), Q(u"j")};
  EXPECT_EQ(OrderOf(kelvin, true), (std::vector<std::int32_t>{4, 2, 1, 0, 3}));
  // "\u00c9" folds to "\u00e9", which comes after every ASCII letter.
  const std::vector<QString> accents = {Q(u"\u00e9"), Q(u"f"), Q(u"\u00c9"), Q(u"\u00e9a")};
  EXPECT_EQ(OrderOf(accents, true), (std::vector<std::int32_t>{1, 2, 0, 3}));
}

TEST(CellTextSort, SurrogatePairsCompareAsCodePoints) {
  const QString pair = QString::fromUtf16(u"\xd800\xdc00");    // U+10000
  const QString loneHigh = QString::fromUtf16(u"\xd800\xffff");  // a high surrogate, then U+FFFF
  const QString deseretCapital = Q(u"\U00010400");               // folds to U+10428
  const QString deseretSmall = Q(u"\U00010428");
  const std::vector<QString> texts = {pair, loneHigh, deseretSmall, deseretCapital, Q(u"\uffff")};
  // U+10000 is above U+FFFF although its low surrogate is below it.
  EXPECT_GT(CompareCellText(pair, loneHigh), 0);
  EXPECT_EQ(OrderOf(texts, true), (std::vector<std::int32_t>{1, 0, 3, 2, 4}));
  EXPECT_EQ(OrderOf(texts, false), (std::vector<std::int32_t>{4, 2, 3, 0, 1}));
}

TEST(CellTextSort, EqualLongTextsKeepTheirOrder) {
  const QString longText = QString(300, u'x') + Q(u"end");
  std::vector<QString> texts(500, longText);
  texts[100] = longText.toUpper();
  texts[400] = longText.toUpper();
  std::vector<std::int32_t> ascending = {100, 400};
  for (std::int32_t i = 0; i < 500; ++i)
    if (i != 100 && i != 400) ascending.push_back(i);
  EXPECT_EQ(OrderOf(texts, true), ascending);
  std::vector<std::int32_t> descending(ascending.begin() + 2, ascending.end());
  descending.push_back(100);
  descending.push_back(400);
  EXPECT_EQ(OrderOf(texts, false), descending);
}

TEST(CellTextSort, EmptyAndSingleInput) {
  EXPECT_TRUE(OrderOf({}, true).empty());
  EXPECT_EQ(OrderOf({Q(u"x")}, false), (std::vector<std::int32_t>{0}));
}

TEST(CellTextSort, MatchesStableSortByCompareCellTextOnRandomTexts) {
  for (const int count : {5, 30, 200, 5000}) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
      std::mt19937 rng(seed * 7919 + count);
      const std::vector<QString> texts = RandomTexts(rng, count);
      for (const bool ascending : {true, false})
        ASSERT_EQ(OrderOf(texts, ascending), ReferenceOrder(texts, ascending))
            << "count " << count << ", seed " << seed << (ascending ? ", ascending" : ", descending");
    }
  }
}

TEST(CellTextSort, MatchesTheComparisonForEverySingleUnit) {
  // All BMP units, each alone, in the order of the sort: every neighbouring
  // pair must compare as the comparison says.
  std::vector<QString> texts;
  for (char32_t c = 0; c <= 0xFFFF; ++c) texts.emplace_back(QChar(char16_t(c)));
  const std::vector<std::int32_t> order = OrderOf(texts, true);
  for (std::size_t i = 1; i < order.size(); ++i)
    ASSERT_LT(CompareCellText(texts[order[i - 1]], texts[order[i]]), 0)
        << std::hex << order[i - 1] << " before " << order[i];
}
