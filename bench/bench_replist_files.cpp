// The report list's files and clipboard text for a list of 1,000,000 rows x
// 8 columns of random texts, each against the same cells written or read
// with a plain std::ofstream / std::ifstream loop of tab-separated UTF-8
// text into a vector of std::string:
//  - SaveAsXMLFile and LoadFromXMLFile,
//  - ExportCSV and ImportCSV,
//  - the whole list as clipboard text (tabs) against writing the file.
// After each comparison the cells the list read back are checked equal to
// the peer's. Memory while loading: the peak of the heap in use (sampled)
// above what was in use before, against what the loaded list keeps.
// "bench_replist_files <rows>" runs a smaller list.
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "Alternate.h"
#include "host/Clipboard.h"
#include "replist/Vyr_replist.h"

namespace {

constexpr int kCols = 8;
constexpr int kRounds = 5;

using Cells = std::vector<std::string>;  // row by row, kCols per row

std::size_t MemoryInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Words, numbers and a few characters beyond ASCII, no tabs or line breaks.
Cells RandomCells(int rows) {
  static const char* words[] = {"pump", "valve", "tank", "sensor", "Grüße", "flow", "été", "ok"};
  std::mt19937 random(42);
  Cells cells;
  cells.reserve(std::size_t(rows) * kCols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) {
      if (c % 2)
        cells.push_back(std::to_string(random() % 1000000) + "." + std::to_string(random() % 100));
      else
        cells.push_back(std::string(words[random() % 8]) + " " + std::to_string(random() % 5000));
    }
  return cells;
}

std::unique_ptr<vyr::TRLData> MakeList(const Cells& cells, int rows) {
  auto list = std::make_unique<vyr::TRLData>();
  list->SetNrCols(kCols);
  list->SetNrRows(rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= kCols; ++c)
      list->SetElem(c, r, QString::fromStdString(cells[std::size_t(r - 1) * kCols + c - 1]));
  return list;
}

bool SameCells(const vyr::TRLData& list, const Cells& cells) {
  if (std::size_t(list.NrOfRows()) * kCols != cells.size() || list.NrOfColumns() != kCols) return false;
  for (int r = 1; r <= list.NrOfRows(); ++r)
    for (int c = 1; c <= kCols; ++c)
      if (list.GetElem(c, r).toStdString() != cells[std::size_t(r - 1) * kCols + c - 1]) return false;
  return true;
}

std::size_t PeerWrite(const Cells& cells, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    out << cells[i];
    out << ((i + 1) % kCols ? '\t' : '\n');
  }
  return cells.size();
}

Cells PeerRead(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  Cells cells;
  std::string line;
  while (std::getline(in, line)) {
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      cells.emplace_back(line, from, tab - from);
    cells.emplace_back(line, from);
  }
  return cells;
}

// Peak heap in use above the start while load runs, sampled every
// millisecond, and what stays in use after it.
struct LoadMemory {
  std::size_t peak = 0, kept = 0;
};

template <typename Load>
LoadMemory MeasureLoad(Load load) {
  const std::size_t before = MemoryInUse();
  std::atomic<bool> done{false};
  std::atomic<std::size_t> peak{before};
  std::thread sampler([&] {
    while (!done) {
      peak = std::max(peak.load(), MemoryInUse());
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  load();
  done = true;
  sampler.join();
  const std::size_t after = MemoryInUse();
  return {std::max(peak.load(), after) - before, after - before};
}

void PrintMemory(const char* what, const LoadMemory& m) {
  std::printf("memory %s: peak %.1f MB, list %.1f MB, peak / list %.2f (goal <= 2)\n", what, m.peak / 1e6,
              m.kept / 1e6, m.kept ? double(m.peak) / double(m.kept) : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000000;
  QTemporaryDir dir;
  const QString xml = dir.filePath("list.xml"), csv = dir.filePath("list.csv");
  const std::string tsv = dir.filePath("peer.tsv").toStdString();
  const Cells cells = RandomCells(rows);
  const std::unique_ptr<vyr::TRLData> list = MakeList(cells, rows);
  const std::size_t count = cells.size();
  bool agreed = true;
  using vyrbench::Alternate;

  agreed &= Alternate<std::size_t>(
      {"replist SaveAsXMLFile vs ofstream tab-separated", 3.0, kRounds},
      [&] {
        list->SaveAsXMLFile(xml, "bench");
        return count;
      },
      [&] { return PeerWrite(cells, tsv); });

  std::unique_ptr<vyr::TRLData> loaded;
  Cells peerCells;
  agreed &= Alternate<std::size_t>(
      {"replist LoadFromXMLFile vs ifstream tab-separated", 3.0, kRounds},
      [&] {
        loaded.reset();
        loaded = std::make_unique<vyr::TRLData>();
        loaded->LoadFromXMLFile(xml, "bench");
        return std::size_t(loaded->NrOfRows()) * kCols;
      },
      [&] {
        peerCells = PeerRead(tsv);
        return peerCells.size();
      });
  const bool xmlSame = SameCells(*loaded, peerCells) && peerCells == cells;
  std::printf("check XML cells read back equal: %s\n", xmlSame ? "yes" : "NO");
  loaded.reset();
  PrintMemory("LoadFromXMLFile", MeasureLoad([&] {
                loaded = std::make_unique<vyr::TRLData>();
                loaded->LoadFromXMLFile(xml, "bench");
              }));
  loaded.reset();

  agreed &= Alternate<std::size_t>(
      {"replist ExportCSV vs ofstream tab-separated", 3.0, kRounds},
      [&] { return std::size_t(list->ExportCSV(csv, vyr::csvComma, false, false, 1, 1, kCols, rows)) * kCols; },
      [&] { return PeerWrite(cells, tsv); });
  agreed &= Alternate<std::size_t>(
      {"replist ImportCSV vs ifstream tab-separated", 3.0, kRounds},
      [&] {
        loaded.reset();
        loaded = std::make_unique<vyr::TRLData>();
        return std::size_t(loaded->ImportCSV(csv, vyr::csvComma, false)) * kCols;
      },
      [&] {
        peerCells = PeerRead(tsv);
        return peerCells.size();
      });
  const bool csvSame = SameCells(*loaded, peerCells);
  std::printf("check CSV cells read back equal: %s\n", csvSame ? "yes" : "NO");
  loaded.reset();
  PrintMemory("ImportCSV", MeasureLoad([&] {
                loaded = std::make_unique<vyr::TRLData>();
                loaded->ImportCSV(csv, vyr::csvComma, false);
              }));
  loaded.reset();

  agreed &= Alternate<std::size_t>(
      {"replist clipboard text vs ofstream tab-separated", 2.0, kRounds},
      [&] {
        list->CopyToClipBoard(1, 1, kCols, rows, false, true);
        return count;
      },
      [&] { return PeerWrite(cells, tsv); });
  const QString text = vyr::Clipboard().AsText();
  std::ifstream peerFile(tsv, std::ios::binary);
  const std::string peerText{std::istreambuf_iterator<char>(peerFile), std::istreambuf_iterator<char>()};
  const bool clipSame = vyr::Clipboard().AsText().toStdString() == peerText;
  std::printf("check clipboard text equal to the peer's file: %s\n", clipSame ? "yes" : "NO");
  return agreed && xmlSame && csvSame && clipSame ? 0 : 1;
}
