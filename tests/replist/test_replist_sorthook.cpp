// The sort hook of the list and of its store: asked for every compared text
// while set, and no longer once cleared, however often the same column is
// sorted in between (the store keeps number keys between sorts).
#include <gtest/gtest.h>

#include <QStringList>

#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

const QStringList kValues{"1", "3", "2"};

// The hook that sorts numbers backwards.
void Negate(const QString& s, QString& t) { t = QString::number(-s.toInt()); }

QStringList Column1(const TReportListView& v) {
  QStringList out;
  for (int r = 1; r <= v.NrOfRows(); ++r) out << v.Elem(1, r);
  return out;
}

QStringList Column1(const TRLData& d) {
  QStringList out;
  for (int r = 1; r <= d.NrOfRows(); ++r) out << d.GetElem(1, r);
  return out;
}

}  // namespace

TEST(RepListSortHook, ViewHookIsAskedWhileSetAndNotAfter) {
  TReportListView v;
  v.SetNrOfColumns(1);
  v.SetNrOfRows(3);
  for (int r = 1; r <= 3; ++r) v.SetElem(1, r, kValues[r - 1]);
  v.Sort(1, -1, true);
  EXPECT_EQ(Column1(v), (QStringList{"1", "2", "3"}));

  QObject* sender = nullptr;
  v.OnBeforeSortExchange = [&](TObject* s, const QString& text, QString& t) {
    sender = s;
    Negate(text, t);
  };
  v.Sort(1, -1, true);
  EXPECT_EQ(Column1(v), (QStringList{"3", "2", "1"}));
  EXPECT_EQ(sender, &v);
  v.SortEnabledState(1, -1, true);
  EXPECT_EQ(Column1(v), (QStringList{"3", "2", "1"}));

  v.OnBeforeSortExchange = nullptr;
  v.Sort(1, -1, true);
  EXPECT_EQ(Column1(v), (QStringList{"1", "2", "3"}));
}

TEST(RepListSortHook, StoreHookIsAskedWhileSetAndNotAfter) {
  TRLData d;
  d.SetNrCols(1);
  d.SetNrRows(3);
  for (int r = 1; r <= 3; ++r) d.SetElem(1, r, kValues[r - 1]);
  d.Sort(1, -1, true);
  d.OnBeforeSortExchange = [](QObject*, const QString& s, QString& t) { Negate(s, t); };
  d.Sort(1, -1, true);
  EXPECT_EQ(Column1(d), (QStringList{"3", "2", "1"}));
  d.OnBeforeSortExchange = nullptr;
  d.Sort(1, -1, true);
  EXPECT_EQ(Column1(d), (QStringList{"1", "2", "3"}));
}
