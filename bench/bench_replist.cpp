// The report list against a QTableView over a QStandardItemModel with a
// QSortFilterProxyModel, on the same 1,000,000 rows x 8 columns: filling,
// sorting by a numeric and by a text column, painting one screen, scrolling
// to the end, selecting a range, toggling a radio column and filtering by a
// substring of a text column with a sort by a numeric column. Memory per row
// of both stores is printed after the ratios.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QImage>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <memory>

#include "BenchRatio.h"
#include "replist/Vyr_replist.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kSmallRows = 1000;
constexpr int kCols = 8;
constexpr int kNumberCol = 2;  // 1-based columns of the list
constexpr int kTextCol = 3;
constexpr int kRadioCol = 8;
constexpr int kWidth = 640, kHeight = 400;

QString CellText(int col, int row) {
  const quint32 h = quint32(row) * 2654435761u + quint32(col) * 40503u;
  switch (col) {
    case 1:
      return QString::number(row);
    case kNumberCol:
      return QString::number(double(h % 1000000) / 100.0, 'f', 2);
    case kTextCol:
      return QStringLiteral("sensor %1").arg(h % 9973);
    default:
      return QStringLiteral("v%1").arg(h % 97);
  }
}

// Alternating filter texts, so that every run filters anew.
QString FilterText(int k) { return k % 2 ? QStringLiteral("sensor 13") : QStringLiteral("sensor 12"); }

std::size_t HeapInUse() { return mallinfo2().uordblks; }

double gOursBytesPerRow = 0, gPeerBytesPerRow = 0;

// --- The report list

std::unique_ptr<vyr::TReportListView> MakeList(int rows) {
  auto v = std::make_unique<vyr::TReportListView>();
  v->SetBounds(0, 0, kWidth, kHeight);
  v->BeginUpdate();
  v->SetNrOfColumns(kCols);
  v->SetColumnCheckMode(kRadioCol, vyr::cmRadio);
  v->SetNrOfRows(rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= kCols; ++c) v->SetElem(c, r, CellText(c, r));
  v->EndUpdate();
  return v;
}

vyr::TReportListView& List(int rows) {
  static std::unique_ptr<vyr::TReportListView> big, small;
  auto& slot = rows == kRows ? big : small;
  if (!slot) slot = MakeList(rows);
  return *slot;
}

void BM_OursFill(benchmark::State& state) {
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto v = MakeList(int(state.range(0)));
    gOursBytesPerRow = double(HeapInUse() - before) / double(state.range(0));
    benchmark::DoNotOptimize(v.get());
  }
}

void BM_OursSort(benchmark::State& state) {
  vyr::TReportListView& v = List(kRows);
  bool ascending = true;
  for (auto _ : state) {
    v.Sort(int(state.range(0)), -1, ascending);
    ascending = !ascending;
  }
  v.UnSort();
}

void BM_OursPaint(benchmark::State& state) {
  vyr::TReportListView& v = List(int(state.range(0)));
  v.SetTopRow(1);
  for (auto _ : state) v.Paint();
}

void BM_OursScrollToEnd(benchmark::State& state) {
  vyr::TReportListView& v = List(kRows);
  for (auto _ : state) {
    v.SetTopRow(1);
    v.SetTopRow(kRows);
    v.Paint();
  }
}

void BM_OursSelectRange(benchmark::State& state) {
  vyr::TReportListView& v = List(kRows);
  v.SetRowSelectMode(2);
  for (auto _ : state) {
    v.SetTopRow(1);
    vyr::TRect c = v.CellRect(1, 1);
    v.MouseDown(vyr::mbLeft, 0, c.Left + 30, c.Top + 5);
    v.SetTopRow(kRows / 2);
    c = v.CellRect(1, v.CountHeadRows() + kRows / 2 - 1);
    v.MouseDown(vyr::mbLeft, vyr::ssShift, c.Left + 30, c.Top + 5);
    benchmark::DoNotOptimize(v.NumSelectedRows());
  }
  v.SetRowSelectMode(1);
}

// The store's work only, like the peer's hidden view: the repaint that
// follows each toggle is the paint measured above.
void BM_OursToggleRadio(benchmark::State& state) {
  vyr::TReportListView& v = List(kRows);
  v.SetSuppressPaint(true);
  v.SetElemChecked(kRadioCol, 1, true);  // the first toggle finds the marks: one pass
  int row = 1;
  for (auto _ : state) {
    v.SetElemChecked(kRadioCol, row, true);
    row = row % kRows + 7919;
  }
  v.SetSuppressPaint(false);
}

void BM_OursFilter(benchmark::State& state) {
  vyr::TReportListView& v = List(kRows);
  int k = 0;
  for (auto _ : state) v.FilterAndSort(FilterText(k++), {kTextCol}, false, vyr::fmSimple, kNumberCol, true);
  v.EnableAllRows();
  v.UnSort();
}

// --- The peer: QTableView over a proxy over a QStandardItemModel

struct Peer {
  QStandardItemModel model;
  QSortFilterProxyModel proxy;
  QTableView view;
  int checkedRow = -1;
};

std::unique_ptr<Peer> MakePeer(int rows) {
  auto p = std::make_unique<Peer>();
  p->model.setColumnCount(kCols);
  p->model.setRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) {
      auto* item = new QStandardItem;
      if (c + 1 == kNumberCol)
        item->setData(CellText(c + 1, r + 1).toDouble(), Qt::DisplayRole);
      else
        item->setText(CellText(c + 1, r + 1));
      if (c + 1 == kRadioCol) item->setCheckState(Qt::Unchecked);
      p->model.setItem(r, c, item);
    }
  p->proxy.setSourceModel(&p->model);
  p->view.setModel(&p->proxy);
  p->view.resize(kWidth, kHeight);
  return p;
}

Peer& PeerOf(int rows) {
  static std::unique_ptr<Peer> big, small;
  auto& slot = rows == kRows ? big : small;
  if (!slot) slot = MakePeer(rows);
  return *slot;
}

void BM_PeerFill(benchmark::State& state) {
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto p = MakePeer(int(state.range(0)));
    gPeerBytesPerRow = double(HeapInUse() - before) / double(state.range(0));
    benchmark::DoNotOptimize(p.get());
  }
}

void BM_PeerSort(benchmark::State& state) {
  Peer& p = PeerOf(kRows);
  bool ascending = true;
  for (auto _ : state) {
    p.proxy.sort(int(state.range(0)) - 1, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    ascending = !ascending;
  }
  p.proxy.sort(-1);
}

void BM_PeerPaint(benchmark::State& state) {
  Peer& p = PeerOf(int(state.range(0)));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  p.view.scrollToTop();
  for (auto _ : state) p.view.render(&image);
}

void BM_PeerScrollToEnd(benchmark::State& state) {
  Peer& p = PeerOf(kRows);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    p.view.scrollToTop();
    p.view.scrollToBottom();
    p.view.render(&image);
  }
}

void BM_PeerSelectRange(benchmark::State& state) {
  Peer& p = PeerOf(kRows);
  QItemSelectionModel* sel = p.view.selectionModel();
  for (auto _ : state) {
    sel->clearSelection();
    sel->select(QItemSelection(p.proxy.index(0, 0), p.proxy.index(kRows / 2 - 1, kCols - 1)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    benchmark::DoNotOptimize(sel->selectedRows().size());
  }
}

void BM_PeerToggleRadio(benchmark::State& state) {
  Peer& p = PeerOf(kRows);
  int row = 0;
  for (auto _ : state) {
    if (p.checkedRow >= 0) p.model.item(p.checkedRow, kRadioCol - 1)->setCheckState(Qt::Unchecked);
    p.model.item(row, kRadioCol - 1)->setCheckState(Qt::Checked);
    p.checkedRow = row;
    row = (row + 7919) % kRows;
  }
}

void BM_PeerFilter(benchmark::State& state) {
  Peer& p = PeerOf(kRows);
  p.proxy.setFilterKeyColumn(kTextCol - 1);
  int k = 0;
  for (auto _ : state) {
    p.proxy.setFilterFixedString(FilterText(k++));
    p.proxy.sort(kNumberCol - 1, Qt::AscendingOrder);
  }
  p.proxy.setFilterFixedString(QString());
  p.proxy.sort(-1);
}

constexpr auto kUnit = benchmark::kMillisecond;

}  // namespace

BENCHMARK(BM_OursFill)->Arg(kRows)->Iterations(1)->Unit(kUnit);
BENCHMARK(BM_PeerFill)->Arg(kRows)->Iterations(1)->Unit(kUnit);
BENCHMARK(BM_OursSort)->Arg(kNumberCol)->Arg(kTextCol)->Iterations(4)->Unit(kUnit);
BENCHMARK(BM_PeerSort)->Arg(kNumberCol)->Arg(kTextCol)->Iterations(2)->Unit(kUnit);
BENCHMARK(BM_OursPaint)->Arg(kSmallRows)->Arg(kRows)->Unit(kUnit);
BENCHMARK(BM_PeerPaint)->Arg(kRows)->Unit(kUnit);
BENCHMARK(BM_OursScrollToEnd)->Unit(kUnit);
BENCHMARK(BM_PeerScrollToEnd)->Unit(kUnit);
BENCHMARK(BM_OursSelectRange)->Iterations(5)->Unit(kUnit);
BENCHMARK(BM_PeerSelectRange)->Iterations(5)->Unit(kUnit);
BENCHMARK(BM_OursToggleRadio)->Iterations(50)->Unit(kUnit);
BENCHMARK(BM_PeerToggleRadio)->Iterations(50)->Unit(kUnit);
BENCHMARK(BM_OursFilter)->Iterations(2)->Unit(kUnit);
BENCHMARK(BM_PeerFilter)->Iterations(2)->Unit(kUnit);

int main(int argc, char** argv) {
  const int rc = vyrbench::RunWithRatios(
      argc, argv,
      {{"replist fill 1M x 8 vs item model", "BM_OursFill/1000000/iterations:1", "BM_PeerFill/1000000/iterations:1",
        1.0},
       {"replist numeric sort vs proxy model", "BM_OursSort/2/iterations:4", "BM_PeerSort/2/iterations:2", 0.2},
       {"replist text sort vs proxy model", "BM_OursSort/3/iterations:4", "BM_PeerSort/3/iterations:2", 0.2},
       {"replist paint at 1M vs at 1k rows", "BM_OursPaint/1000000", "BM_OursPaint/1000", 1.2},
       {"replist paint vs table view", "BM_OursPaint/1000000", "BM_PeerPaint/1000000", 1.0},
       {"replist scroll to end vs table view", "BM_OursScrollToEnd", "BM_PeerScrollToEnd", 1.0},
       {"replist select range vs selection model", "BM_OursSelectRange/iterations:5", "BM_PeerSelectRange/iterations:5",
        1.0},
       {"replist toggle radio vs check items", "BM_OursToggleRadio/iterations:50", "BM_PeerToggleRadio/iterations:50",
        1.0},
       {"replist filter and sort vs proxy model", "BM_OursFilter/iterations:2", "BM_PeerFilter/iterations:2", 1.0}});
  std::printf("memory per row: replist %.0f bytes, item model %.0f bytes (ratio %.3f, goal <= 0.333)\n",
              gOursBytesPerRow, gPeerBytesPerRow, gPeerBytesPerRow > 0 ? gOursBytesPerRow / gPeerBytesPerRow : 0.0);
  return rc;
}
