// The table editor against its peers, in one run:
//  - painting one screen of a 10 x 10 and a 1,000 x 1,000 table against a
//    QTableView over a QAbstractTableModel that reads the same
//    std::vector<double> and formats with QString::number(v, 'f', 3);
//  - copying the whole 1,000 x 1,000 table as text against a std::to_chars
//    loop writing the same cells;
//  - reading it back from the clipboard text against a std::from_chars loop;
//  - inserting and removing a middle column against per-row vectors, with
//    painting suppressed (the paint of a screen is measured above).
#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "Alternate.h"
#include "host/Clipboard.h"
#include "ntabed/Vyr_ntabed.h"

namespace {

using vyrbench::Alternate;

constexpr int kWidth = 800, kHeight = 500, kPaints = 20, kRounds = 5;

struct Table {
  int n = 0;
  std::vector<double> v;  // row-major
  double At(int c, int r) const { return v[std::size_t(r) * std::size_t(n) + std::size_t(c)]; }
};

Table Measurements(int n) {
  Table t{n, std::vector<double>(std::size_t(n) * std::size_t(n))};
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) t.v[std::size_t(r) * std::size_t(n) + std::size_t(c)] = 20 + c * 0.01 + 5 * std::sin(r * 0.05 + c);
  return t;
}

class Model : public QAbstractTableModel {
 public:
  explicit Model(const Table& t) : FTable(t) {}
  int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : FTable.n; }
  int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : FTable.n; }
  QVariant data(const QModelIndex& i, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return QString::number(FTable.At(i.column(), i.row()), 'f', 3);
  }

 private:
  const Table& FTable;
};

std::unique_ptr<vyr::TNTabEd> MakeEditor(const Table& t) {
  auto ed = std::make_unique<vyr::TNTabEd>();
  ed->SetSuppressPaint(true);
  ed->Redimension(t.n, t.n);
  for (int r = 0; r < t.n; ++r)
    for (int c = 0; c < t.n; ++c) ed->Data().SetElem(c + 1, r + 1, t.At(c, r));
  ed->SetSuppressPaint(false);
  ed->resize(kWidth, kHeight);
  return ed;
}

bool ComparePaint(const Table& t, const char* subject) {
  auto ed = MakeEditor(t);
  Model model(t);
  QTableView view;
  view.setModel(&model);
  view.resize(kWidth, kHeight);
  QImage a(kWidth, kHeight, QImage::Format_RGB32), b(kWidth, kHeight, QImage::Format_RGB32);
  return Alternate<QString>(
      {subject, 1.0, kRounds},
      [&] {
        for (int i = 0; i < kPaints; ++i) {
          ed->Paint();
          ed->render(&a);
        }
        return ed->CellText(1, 1);
      },
      [&] {
        for (int i = 0; i < kPaints; ++i) view.render(&b);
        return model.data(model.index(0, 0), Qt::DisplayRole).toString();
      });
}

// The peer writes the same text: a blank before the first cell of a row, a
// tab before the others, 17 significant digits with a four-digit exponent,
// CR LF after each row, then the QString a clipboard takes.
bool CompareClipboard(const Table& t) {
  auto ed = MakeEditor(t);
  ed->SetSelection({2, 1, t.n + 1, t.n});
  std::string peerText;
  bool agreed = Alternate<QString>(
      {"ntabed copy whole table vs to_chars loop", 2.0, kRounds},
      [&] {
        ed->PopupMenuClickCopy();
        return vyr::Clipboard().AsText();
      },
      [&] {
        peerText.clear();
        peerText.reserve(std::size_t(t.n) * std::size_t(t.n) * 26);
        char buf[40];
        for (int r = 0; r < t.n; ++r) {
          for (int c = 0; c < t.n; ++c) {
            peerText.push_back(c == 0 ? ' ' : '\t');
            auto res = std::to_chars(buf, buf + sizeof buf, t.At(c, r), std::chars_format::scientific, 16);
            const std::string_view number(buf, std::size_t(res.ptr - buf));
            const std::size_t e = number.find('e');
            peerText.append(number.substr(0, e));
            peerText.push_back('E');
            peerText.push_back(number[e + 1]);
            peerText.append(4 - (number.size() - e - 2), '0');
            peerText.append(number.substr(e + 2));
          }
          peerText.append("\r\n");
        }
        return QString::fromLatin1(peerText.data(), qsizetype(peerText.size()));
      });
  auto sum = [&] {
    double s = 0;
    for (int r = 1; r <= t.n; ++r)
      for (double x : ed->Data().RowValues(r)) s += x;
    return s;
  };
  agreed &= Alternate<double>(
      {"ntabed extract whole table from clipboard vs from_chars loop", 2.0, kRounds},
      [&] {
        ed->SetSelection({2, 1, 2, 1});
        ed->PopupMenuClickExtClip();
        return sum();
      },
      [&] {
        std::vector<double> v(std::size_t(t.n) * std::size_t(t.n));
        const char* p = peerText.data();
        const char* end = p + peerText.size();
        std::size_t k = 0;
        while (p < end && k < v.size()) {
          while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
          auto res = std::from_chars(p, end, v[k++]);
          p = res.ptr;
        }
        double s = 0;
        for (double x : v) s += x;
        return s;
      });
  return agreed;
}

bool CompareInsertRemove(const Table& t) {
  auto ed = MakeEditor(t);
  std::vector<std::vector<double>> rows(std::size_t(t.n));
  for (int r = 0; r < t.n; ++r) rows[std::size_t(r)].assign(t.v.begin() + r * t.n, t.v.begin() + (r + 1) * t.n);
  ed->SetSuppressPaint(true);
  return Alternate<int>(
      {"ntabed insert and remove a middle column (paint suppressed) vs per-row vectors", 2.0, kRounds},
      [&] {
        ed->InsertColumn(t.n / 2);
        ed->RemoveColumn(t.n / 2);
        return ed->NrOfColumns();
      },
      [&] {
        for (auto& row : rows) row.insert(row.begin() + t.n / 2, 0.0);
        for (auto& row : rows) row.erase(row.begin() + t.n / 2);
        return int(rows[0].size());
      });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const Table small = Measurements(10), big = Measurements(1000);
  bool agreed = ComparePaint(small, "ntabed paint 10 x 10 vs table view (render)");
  agreed &= ComparePaint(big, "ntabed paint 1000 x 1000 vs table view (render)");
  agreed &= CompareClipboard(big);
  agreed &= CompareInsertRemove(big);
  return agreed ? 0 : 1;
}
