// The report list of 1,000,000 rows x 8 columns against two Qt set-ups
// holding the same random values:
//  - the strong peer: a hand-written QAbstractTableModel over typed columns
//    (integers, doubles, QStrings, check bytes) that sorts a permutation of
//    row indexes with std::stable_sort (text: each text case-folded once
//    per sort), filters by a substring and emits layoutChanged, shown in a
//    QTableView with the list's column widths and row height and no row
//    header;
//  - the item-model set-up: a QStandardItemModel behind a
//    QSortFilterProxyModel.
// Every comparison checks that both sides end with the same rows in the same
// order (or the same cells on screen) before it prints a ratio. Memory per
// row counts the heap in use plus the blocks malloc maps separately.
// "bench_replist typed" or "bench_replist items" runs one of the two parts.
#include <malloc.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "Alternate.h"
#include "replist/Vyr_replist.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;
constexpr int kRounds = 7;
constexpr int kWidth = 640, kHeight = 400;
constexpr int kPaints = 40;

enum class Kind { Integer, Double, Text, Check };
// 1-based columns of the list; index kind[c - 1].
constexpr Kind kKinds[kCols] = {Kind::Integer, Kind::Double, Kind::Text, Kind::Text,
                                Kind::Integer, Kind::Double, Kind::Text, Kind::Check};
constexpr int kNumberCol = 2;
constexpr int kTextCol = 3;    // random words of mixed case
constexpr int kFilterCol = 4;  // "sensor <n>"

QString Word(std::mt19937& rng) {
  QString word;
  const int length = 4 + int(rng() % 8);
  for (int i = 0; i < length; ++i) word += QChar(char16_t((rng() % 2 ? u'a' : u'A') + rng() % 26));
  return word;
}

// One typed column; only the vector of its kind is filled.
struct Column {
  Kind kind;
  std::vector<qint64> integers;
  std::vector<double> doubles;
  std::vector<QString> texts;
  std::vector<std::uint8_t> checks;

  QString Text(int row) const {
    switch (kind) {
      case Kind::Integer:
        return QString::number(integers[std::size_t(row)]);
      case Kind::Double:
        return QString::number(doubles[std::size_t(row)], 'f', 2);
      case Kind::Text:
        return texts[std::size_t(row)];
      case Kind::Check:
        break;
    }
    return {};
  }
};

using Columns = std::vector<Column>;

Columns RandomValues() {
  std::mt19937 rng(20261208);
  Columns columns;
  for (int c = 1; c <= kCols; ++c) {
    Column column{kKinds[c - 1], {}, {}, {}, {}};
    for (int r = 0; r < kRows; ++r) switch (column.kind) {
        case Kind::Integer:
          column.integers.push_back(qint64(rng() % 2000000) - 1000000);
          break;
        case Kind::Double:
          // Two decimals, so that the text and the value agree exactly.
          column.doubles.push_back(QString::number(double(rng() % 20000000) / 100.0 - 1e5, 'f', 2).toDouble());
          break;
        case Kind::Text:
          column.texts.push_back(c == kFilterCol ? QStringLiteral("sensor %1").arg(rng() % 10000) : Word(rng));
          break;
        case Kind::Check:
          column.checks.push_back(0);
          break;
      }
    columns.push_back(std::move(column));
  }
  return columns;
}

// A text of its own, not shared with the generated values, so that each
// side's memory holds its texts.
QString Own(const QString& text) {
  QString copy = text;
  copy.detach();
  return copy;
}

QString HeaderOf(int c) { return QStringLiteral("Column %1").arg(c); }

// Alternating filter texts, so that every run filters anew.
QString FilterText(int k) { return k % 2 ? QStringLiteral("sensor 13") : QStringLiteral("sensor 12"); }

std::size_t MemoryInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// A digest of the rows shown, in order (0-based storage rows).
struct Shown {
  std::size_t count = 0;
  std::uint64_t digest = 1469598103934665603ull;
  void Add(std::uint64_t row) {
    ++count;
    digest = (digest ^ row) * 1099511628211ull;
  }
  bool operator==(const Shown&) const = default;
};

double gOursBytesPerRow = 0;

// --- The report list

// A list of the first `rows` rows of the values.
std::unique_ptr<vyr::TReportListView> MakeList(const Columns& values, int rows = kRows) {
  auto v = std::make_unique<vyr::TReportListView>();
  v->SetBounds(0, 0, kWidth, kHeight);
  v->BeginUpdate();
  v->SetNrOfColumns(kCols);
  for (int c = 1; c <= kCols; ++c) v->SetHeader(c, HeaderOf(c));
  v->SetColumnCheckMode(kCols, vyr::cmRadio);
  v->SetNrOfRows(rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c < kCols; ++c) v->SetElem(c, r, values[std::size_t(c - 1)].Text(r - 1));
  v->EndUpdate();
  return v;
}

Shown ShownRows(const vyr::TReportListView& v, int rows) {
  Shown shown;
  const vyr::TStringArray& s = v.Data().Strings();
  for (int i = 1; i <= rows; ++i) shown.Add(std::uint64_t(s.GetSortOrder(i) - 1));
  return shown;
}

// Texts of the top displayed row.
QStringList TopRowTexts(const vyr::TReportListView& v) {
  QStringList texts;
  for (int c = 1; c <= kCols; ++c) texts << v.Elem(c, v.TopRow());
  return texts;
}

// Renders the list kPaints times; its top row's texts tell what was shown.
QStringList PaintScreens(vyr::TReportListView& v, QImage& image) {
  for (int i = 0; i < kPaints; ++i) v.render(&image);
  return TopRowTexts(v);
}

// --- The strong peer: typed columns, a permutation, layoutChanged

class TypedModel : public QAbstractTableModel {
 public:
  explicit TypedModel(Columns columns) : FColumns(std::move(columns)), FShown(std::size_t(kRows)) {
    for (Column& column : FColumns)
      for (QString& text : column.texts) text = Own(text);
    std::iota(FShown.begin(), FShown.end(), 0);
  }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(FShown.size()); }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kCols; }
  QVariant data(const QModelIndex& index, int role) const override {
    const Column& column = FColumns[std::size_t(index.column())];
    const int row = FShown[std::size_t(index.row())];
    if (role == Qt::DisplayRole) return column.Text(row);
    if (role == Qt::CheckStateRole && column.kind == Kind::Check)
      return column.checks[std::size_t(row)] ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return HeaderOf(section + 1);
    return {};
  }

  // Stable sort of all rows, from their stored order, by 0-based column col.
  void Sort(int col, bool ascending) {
    emit layoutAboutToBeChanged();
    FShown.resize(std::size_t(kRows));
    std::iota(FShown.begin(), FShown.end(), 0);
    SortShown(col, ascending);
    emit layoutChanged();
  }

  // Shows the rows whose text in column filterCol holds part, sorted by
  // sortCol ascending.
  void FilterAndSort(const QString& part, int filterCol, int sortCol) {
    emit layoutAboutToBeChanged();
    const std::vector<QString>& texts = FColumns[std::size_t(filterCol)].texts;
    FShown.clear();
    for (int r = 0; r < kRows; ++r)
      if (texts[std::size_t(r)].contains(part)) FShown.push_back(r);
    SortShown(sortCol, true);
    emit layoutChanged();
  }

  Shown ShownRows() const {
    Shown shown;
    for (int row : FShown) shown.Add(std::uint64_t(row));
    return shown;
  }

 private:
  void SortShown(int col, bool ascending) {
    const Column& column = FColumns[std::size_t(col)];
    const auto by = [&](auto key) {
      if (ascending)
        std::stable_sort(FShown.begin(), FShown.end(), [&](int a, int b) { return key(a) < key(b); });
      else
        std::stable_sort(FShown.begin(), FShown.end(), [&](int a, int b) { return key(b) < key(a); });
    };
    switch (column.kind) {
      case Kind::Integer:
        by([&](int r) { return column.integers[std::size_t(r)]; });
        break;
      case Kind::Double:
        by([&](int r) { return column.doubles[std::size_t(r)]; });
        break;
      case Kind::Text: {
        std::vector<QString> folded(column.texts.size());
        for (int r : FShown) folded[std::size_t(r)] = column.texts[std::size_t(r)].toCaseFolded();
        const auto less = [&](int a, int b) {
          const int f = folded[std::size_t(a)].compare(folded[std::size_t(b)]);
          return f != 0 ? f < 0 : column.texts[std::size_t(a)] < column.texts[std::size_t(b)];
        };
        if (ascending)
          std::stable_sort(FShown.begin(), FShown.end(), less);
        else
          std::stable_sort(FShown.begin(), FShown.end(), [&](int a, int b) { return less(b, a); });
        break;
      }
      case Kind::Check:
        break;
    }
  }

  Columns FColumns;
  std::vector<int> FShown;
};

struct TypedPeer {
  explicit TypedPeer(const Columns& values, const vyr::TReportListView& list) : model(values) {
    view.setModel(&model);
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(list.DefaultRowHeight());
    for (int c = 0; c < kCols; ++c) view.setColumnWidth(c, list.ColWidths(c + 1));
    view.resize(kWidth, kHeight);
  }
  TypedModel model;
  QTableView view;
};

QStringList TopRowTexts(const TypedModel& model) {
  QStringList texts;
  for (int c = 0; c < kCols; ++c) texts << model.data(model.index(0, c), Qt::DisplayRole).toString();
  return texts;
}

// --- The item-model set-up: QStandardItemModel behind a proxy

struct ItemPeer {
  explicit ItemPeer(const Columns& values) {
    model.setColumnCount(kCols);
    model.setRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        const Column& column = values[std::size_t(c)];
        auto* item = new QStandardItem;
        if (column.kind == Kind::Double)
          item->setData(column.doubles[std::size_t(r)], Qt::DisplayRole);
        else if (column.kind == Kind::Integer)
          item->setData(column.integers[std::size_t(r)], Qt::DisplayRole);
        else if (column.kind == Kind::Check)
          item->setCheckState(Qt::Unchecked);
        else
          item->setText(Own(column.texts[std::size_t(r)]));
        model.setItem(r, c, item);
      }
    proxy.setSourceModel(&model);
    view.setModel(&proxy);
    view.resize(kWidth, kHeight);
  }
  Shown ShownRows() const {
    Shown shown;
    for (int i = 0; i < proxy.rowCount(); ++i) shown.Add(std::uint64_t(proxy.mapToSource(proxy.index(i, 0)).row()));
    return shown;
  }
  QStandardItemModel model;
  QSortFilterProxyModel proxy;
  QTableView view;
};

// --- Comparisons

using vyrbench::Alternate;

template <typename Make>
double BytesPerRow(std::unique_ptr<Make>& slot, const std::function<std::unique_ptr<Make>()>& make) {
  const std::size_t before = MemoryInUse();
  slot = make();
  return double(MemoryInUse() - before) / kRows;
}

bool CompareTyped(vyr::TReportListView& list, const Columns& values) {
  bool agreed = true;
  std::unique_ptr<TypedPeer> peer;
  const double peerBytes =
      BytesPerRow<TypedPeer>(peer, [&] { return std::make_unique<TypedPeer>(values, list); });

  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32), peerImage(kWidth, kHeight, QImage::Format_RGB32);
  agreed &= Alternate<QStringList>(
      {"replist paint vs typed model table view (render)", 1.0, kRounds},
      [&] { return PaintScreens(list, oursImage); },
      [&] {
        for (int i = 0; i < kPaints; ++i) peer->view.render(&peerImage);
        return TopRowTexts(peer->model);
      });

  // One screen costs the same whatever the number of rows behind it.
  const auto thousand = MakeList(values, 1000);
  agreed &= Alternate<QStringList>(
      {"paint at 1M vs 1k", 1.2, kRounds},
      [&] { return PaintScreens(list, oursImage); },
      [&] { return PaintScreens(*thousand, peerImage); });

  // Each side sorts ascending, then descending; the digest covers both.
  const auto sortBoth = [&](int col) {
    return std::pair<std::function<Shown()>, std::function<Shown()>>{
        [&list, col] {
          list.Sort(col, -1, true);
          Shown shown = ShownRows(list, kRows);
          list.Sort(col, -1, false);
          shown.Add(ShownRows(list, kRows).digest);
          return shown;
        },
        [&peer, col] {
          peer->model.Sort(col - 1, true);
          Shown shown = peer->model.ShownRows();
          peer->model.Sort(col - 1, false);
          shown.Add(peer->model.ShownRows().digest);
          return shown;
        }};
  };
  auto [oursNumber, peerNumber] = sortBoth(kNumberCol);
  agreed &= Alternate<Shown>({"replist numeric sort vs typed model", 0.5, kRounds}, oursNumber, peerNumber);
  auto [oursText, peerText] = sortBoth(kTextCol);
  agreed &= Alternate<Shown>({"replist text sort vs typed model", 0.5, kRounds}, oursText, peerText);

  int oursK = 0, peerK = 0;
  agreed &= Alternate<Shown>(
      {"replist filter and sort vs typed model", 1.0, kRounds},
      [&] {
        list.FilterAndSort(FilterText(oursK++), {kFilterCol}, false, vyr::fmSimple, kNumberCol, true);
        return ShownRows(list, list.NumEnabledRows());
      },
      [&] {
        peer->model.FilterAndSort(FilterText(peerK++), kFilterCol - 1, kNumberCol - 1);
        return peer->model.ShownRows();
      });
  list.EnableAllRows();
  list.UnSort();

  agreed &= Alternate<int>(
      {"replist fill 1M x 8 vs typed model", 1.0, 3},
      [&] { return MakeList(values)->NrOfRows(); },
      [&] { return TypedPeer(values, list).model.rowCount(); });

  std::printf("memory per row: replist %.0f bytes, typed model and view %.0f bytes (ratio %.3f, goal <= 0.33)\n",
              gOursBytesPerRow, peerBytes, gOursBytesPerRow / peerBytes);
  return agreed;
}

bool CompareItemModel(vyr::TReportListView& list, const Columns& values) {
  bool agreed = true;
  std::unique_ptr<ItemPeer> peer;
  const double peerBytes = BytesPerRow<ItemPeer>(peer, [&] { return std::make_unique<ItemPeer>(values); });

  agreed &= Alternate<Shown>(
      {"replist numeric sort vs item model proxy", 0.2, kRounds},
      [&] {
        list.Sort(kNumberCol, -1, true);
        return ShownRows(list, kRows);
      },
      [&] {
        peer->proxy.sort(-1);
        peer->proxy.sort(kNumberCol - 1, Qt::AscendingOrder);
        return peer->ShownRows();
      });
  list.UnSort();

  peer->proxy.setFilterKeyColumn(kFilterCol - 1);
  int oursK = 0, peerK = 0;
  agreed &= Alternate<Shown>(
      {"replist filter and sort vs item model proxy", 1.0, kRounds},
      [&] {
        list.FilterAndSort(FilterText(oursK++), {kFilterCol}, false, vyr::fmSimple, kNumberCol, true);
        return ShownRows(list, list.NumEnabledRows());
      },
      [&] {
        peer->proxy.setFilterFixedString(FilterText(peerK++));
        peer->proxy.sort(kNumberCol - 1, Qt::AscendingOrder);
        return peer->ShownRows();
      });
  list.EnableAllRows();
  list.UnSort();

  std::printf("memory per row: replist %.0f bytes, item model, proxy and view %.0f bytes (ratio %.3f)\n",
              gOursBytesPerRow, peerBytes, gOursBytesPerRow / peerBytes);
  return agreed;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const Columns values = RandomValues();
  std::unique_ptr<vyr::TReportListView> list;
  gOursBytesPerRow = BytesPerRow<vyr::TReportListView>(list, [&] { return MakeList(values); });
  const QString part = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  bool agreed = true;
  if (part != QLatin1String("items")) agreed = CompareTyped(*list, values);
  if (part != QLatin1String("typed")) agreed = CompareItemModel(*list, values) && agreed;
  return agreed ? 0 : 1;
}
