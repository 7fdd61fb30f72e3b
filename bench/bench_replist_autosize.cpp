// Auto-sizing a report list column of 1,000,000 rows (the double click on a
// header border) against the loop a Qt program would write: the largest
// QFontMetrics::horizontalAdvance over the same strings held in a
// std::vector<QString>. Once over a column of distinct numbers, once over a
// column of a few repeated names.
#include <QApplication>
#include <QFontMetrics>
#include <QRandomGenerator>
#include <algorithm>
#include <vector>

#include "Alternate.h"
#include "replist/Vyr_replist.h"

namespace {

constexpr int kRows = 1000000;
const char* const kNames[] = {"inlet", "outlet", "tank A", "tank B", "pump", "valve 3", "heater", "flow meter"};

struct Column {
  std::vector<QString> texts;
};

Column Numbers() {
  QRandomGenerator random(7);
  Column c;
  c.texts.reserve(kRows);
  for (int r = 0; r < kRows; ++r) c.texts.push_back(QString::number(random.bounded(1e6) - 5e5, 'f', 3));
  return c;
}

Column Names() {
  QRandomGenerator random(11);
  Column c;
  c.texts.reserve(kRows);
  for (int r = 0; r < kRows; ++r) c.texts.push_back(QString::fromLatin1(kNames[random.bounded(8)]));
  return c;
}

bool Compare(const char* subject, const Column& column) {
  vyr::TReportListView list;
  list.BeginUpdate();
  list.SetNrOfColumns(1);
  list.SetNrOfRows(kRows);
  for (int r = 1; r <= kRows; ++r) list.SetElem(1, r, column.texts[std::size_t(r) - 1]);
  list.EndUpdate();
  const QFont font = list.Font().ToQFont();
  // The list adds 10 pixels of margin to the widest text of a plain column.
  const std::function<int()> ours = [&list] { return list.DetermineMaxColWidth(1, false) - 10; };
  const std::function<int()> peer = [&column, &font] {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : column.texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
  };
  return vyrbench::Alternate<int>({subject, 1.5, 5}, ours, peer);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bool agreed = Compare("replist auto-size 1M distinct numbers vs horizontalAdvance loop", Numbers());
  agreed = Compare("replist auto-size 1M repeated names vs horizontalAdvance loop", Names()) && agreed;
  return agreed ? 0 : 1;
}
