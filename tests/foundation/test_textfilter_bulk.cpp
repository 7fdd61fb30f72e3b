// Testing many records at once: TTextFilter's leaves and MatchesInBulk
// against Matches, TDistinctTexts, and the distinct texts a string table
// keeps per column.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "foundation/DistinctTexts.h"
#include "foundation/StringArray.h"
#include "foundation/TextFilter.h"

using namespace vyr;

namespace {

// Pieces of cell texts and terms: mixed case, letters whose case folds
// differently (sharp s, dotless i, final sigma), a character outside the
// basic plane, blanks and digits.
const QStringList kPieces = {"a",  "A",  "b",  "B",  "ab", "AB", "é", "É",  "ß",  "SS", "ı",  "I",
                             "ς",  "Σ",  "σ",  " ",  "1",  "12", "𝒜", "x",  "pump", "PUMP", "Pü"};

QString RandomText(std::mt19937& rng, int maxPieces) {
  QString text;
  const int pieces = int(rng() % unsigned(maxPieces + 1));
  for (int i = 0; i < pieces; ++i) text += kPieces[qsizetype(rng() % kPieces.size())];
  return text;
}

QString RandomTerm(std::mt19937& rng) {
  if (rng() % 8 == 0) return QStringLiteral("\"%1\"").arg(RandomText(rng, 2));  // quoted, may be empty
  QString term = RandomText(rng, 2).remove(u' ');
  return term.isEmpty() ? QStringLiteral("a") : term;
}

// A Boolean expression of terms, AND, OR, NOT, juxtaposition and
// parentheses, at most depth levels deep.
QString RandomBoolean(std::mt19937& rng, int depth) {
  switch (depth > 0 ? rng() % 6 : 0) {
    case 1:
      return QStringLiteral("NOT ") + RandomBoolean(rng, depth - 1);
    case 2:
      return QStringLiteral("(%1)").arg(RandomBoolean(rng, depth - 1));
    case 3:
      return RandomBoolean(rng, depth - 1) + QStringLiteral(" and ") + RandomBoolean(rng, depth - 1);
    case 4:
      return RandomBoolean(rng, depth - 1) + QStringLiteral(" Or ") + RandomBoolean(rng, depth - 1);
    case 5:
      return RandomBoolean(rng, depth - 1) + u' ' + RandomBoolean(rng, depth - 1);
    default:
      return RandomTerm(rng);
  }
}

const QStringList kPatterns = {"^a", "b$", "é+", "^$", "[0-9]{2}", "s.s", "^(pump|ab)", "Σ", "𝒜$", "a|ß"};

TTextFilter RandomFilter(std::mt19937& rng, QString& described) {
  const bool ignoreCase = rng() % 2;
  switch (rng() % 3) {
    case 0:
      described = RandomText(rng, 3);
      return TTextFilter::Substring(described, ignoreCase);
    case 1:
      described = RandomBoolean(rng, 4);
      return TTextFilter::Boolean(described, ignoreCase);
    default:
      described = kPatterns[qsizetype(rng() % kPatterns.size())];
      return TTextFilter::RegularExpression(described, ignoreCase);
  }
}

}  // namespace

// Records of zero to three texts, more than one block of records, each
// filter tested both ways.
TEST(TextFilterBulk, AgreesWithMatchesOnGeneratedRecordsAndExpressions) {
  std::mt19937 rng(4711);
  std::vector<QStringList> records(5000);
  for (QStringList& record : records) {
    const int n = int(rng() % 4);
    for (int i = 0; i < n; ++i) record << RandomText(rng, 4);
  }
  for (int round = 0; round < 150; ++round) {
    QString described;
    const TTextFilter filter = RandomFilter(rng, described);
    std::vector<std::vector<std::uint8_t>> leaves(std::size_t(filter.LeafCount()),
                                                  std::vector<std::uint8_t>(records.size(), 0));
    for (std::size_t i = 0; i < records.size(); ++i)
      for (const QString& text : records[i])
        for (int k = 0; k < filter.LeafCount(); ++k) leaves[std::size_t(k)][i] |= filter.LeafHolds(k, text);
    const std::vector<std::uint8_t> bulk = filter.MatchesInBulk(leaves, records.size());
    ASSERT_EQ(bulk.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::vector<QStringView> views(records[i].begin(), records[i].end());
      ASSERT_EQ(bulk[i], filter.Matches(views) ? 1 : 0) << described.toStdString() << " on record " << i;
    }
  }
}

TEST(TextFilterBulk, LeavesAreTheTermsOrThePattern) {
  EXPECT_EQ(TTextFilter::Boolean("a OR \"\" OR NOT b", false).LeafCount(), 2);  // the empty term always holds
  EXPECT_EQ(TTextFilter::Substring("", true).LeafCount(), 0);
  EXPECT_EQ(TTextFilter::RegularExpression("^x", false).LeafCount(), 1);
  const TTextFilter f = TTextFilter::Boolean("pump AND NOT bar", true);
  EXPECT_TRUE(f.LeafHolds(0, u"a PUMP"));
  EXPECT_FALSE(f.LeafHolds(1, u"a PUMP"));
  // No leaves: every record matches, also in bulk.
  EXPECT_EQ(TTextFilter::Boolean("  ", false).MatchesInBulk({}, 3), std::vector<std::uint8_t>(3, 1));
}

TEST(DistinctTexts, EveryPositionFindsItsTextAgain) {
  std::mt19937 rng(99);
  QStringList texts;
  for (int i = 0; i < 3000; ++i) texts << RandomText(rng, 2);
  TDistinctTexts distinct(std::size_t(texts.size()), std::size_t(texts.size()));
  for (const QString& text : texts) ASSERT_TRUE(distinct.Add(text));
  ASSERT_EQ(distinct.Indexes().size(), std::size_t(texts.size()));
  QSet<QString> seen;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(distinct.Text(distinct.Indexes()[std::size_t(i)]), texts[i]);
    seen.insert(texts[i]);
  }
  EXPECT_EQ(distinct.Count(), std::size_t(seen.size()));
}

TEST(DistinctTexts, RefusesANewTextBeyondTheLimit) {
  TDistinctTexts distinct(4, 2);
  EXPECT_TRUE(distinct.Add(u"x"));
  EXPECT_TRUE(distinct.Add(u""));
  EXPECT_TRUE(distinct.Add(u"x"));
  EXPECT_FALSE(distinct.Add(u"y"));
  EXPECT_EQ(distinct.Count(), 2u);
  EXPECT_EQ(distinct.Indexes(), (std::vector<std::uint32_t>{0, 1, 0}));
}

namespace {

// Rows 1..rows of column 1 hold "v" + row % values.
void FillRepeating(TStringArray& a, int rows, int values) {
  a.Resize(2, rows);
  for (int r = 1; r <= rows; ++r) a.SetString(1, r, QStringLiteral("v%1").arg(r % values));
}

// The list of column col, asked for until it is gathered (the first
// request after a change only notes the column's version).
const TDistinctTexts* Gathered(TStringArray& a, int col) {
  const TDistinctTexts* distinct = a.DistinctTexts(col);
  return distinct ? distinct : a.DistinctTexts(col);
}

// The texts the list says column col holds, by storage row.
QStringList ListedTexts(TStringArray& a, int col) {
  QStringList result;
  const TDistinctTexts* distinct = Gathered(a, col);
  for (std::uint32_t index : distinct->Indexes()) result << distinct->Text(index).toString();
  return result;
}

QStringList StoredTexts(const TStringArray& a, int col) {
  QStringList result;
  for (int r = 1; r <= a.NrOfRows(); ++r) result << a.GetStoredStringView(col, r).toString();
  return result;
}

}  // namespace

TEST(StringArrayDistinctTexts, KeptForARepeatingColumnOnly) {
  TStringArray a;
  FillRepeating(a, 40, 10);
  EXPECT_EQ(a.DistinctTexts(1), nullptr);  // searched once: not gathered yet
  ASSERT_NE(a.DistinctTexts(1), nullptr);
  EXPECT_EQ(a.DistinctTexts(1)->Count(), 10u);
  EXPECT_EQ(a.DistinctTexts(1), a.DistinctTexts(1));
  a.SetString(1, 1, "v2");
  EXPECT_EQ(a.DistinctTexts(1), nullptr);
  FillRepeating(a, 40, 11);  // fewer than four rows per text
  EXPECT_EQ(Gathered(a, 1), nullptr);
  EXPECT_EQ(Gathered(a, 3), nullptr);
  EXPECT_EQ(a.DistinctTexts(-1), nullptr);
}

TEST(StringArrayDistinctTexts, FollowWritesSortsAndRowChanges) {
  TStringArray a;
  FillRepeating(a, 40, 5);
  a.SetString(2, 3, "other column");
  EXPECT_EQ(ListedTexts(a, 1), StoredTexts(a, 1));
  a.SetString(1, 7, "new");
  EXPECT_EQ(ListedTexts(a, 1), StoredTexts(a, 1));
  a.Sort(1, -1, false);
  a.SetString(1, 2, "v3");  // displayed row 2, some other storage row
  EXPECT_EQ(ListedTexts(a, 1), StoredTexts(a, 1));
  a.CommitSorting();
  EXPECT_EQ(ListedTexts(a, 1), StoredTexts(a, 1));
  a.RemoveRow(1);
  a.InsertRow(5);
  EXPECT_EQ(ListedTexts(a, 1), StoredTexts(a, 1));
  a.InsertColumn(1);  // the texts move to column 2
  EXPECT_EQ(Gathered(a, 1)->Count(), 1u);
  EXPECT_EQ(ListedTexts(a, 2), StoredTexts(a, 2));
}
