// The "Calendar, thumbnails, folders" tab: each control's demo comes from
// its own file and registers itself as a section (see CalendarDemos.h).
#include <QHBoxLayout>
#include <algorithm>
#include <utility>

#include "CalendarDemos.h"

namespace gallery {
namespace {

struct SectionEntry {
  int order;
  SectionFactory factory;
};

std::vector<SectionEntry>& Sections() {
  static std::vector<SectionEntry> sections;
  return sections;
}

class CalendarPage : public GalleryPage {
 public:
  CalendarPage() {
    auto* layout = new QHBoxLayout(this);
    auto entries = Sections();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SectionEntry& a, const SectionEntry& b) { return a.order < b.order; });
    for (const auto& entry : entries) {
      auto* column = new QVBoxLayout;
      entry.factory(column, shots);
      column->addStretch(1);
      layout->addLayout(column, 1);
    }
  }

  std::vector<Shot> Shots() override { return shots; }

 private:
  std::vector<Shot> shots;
};

PageRegistration registration(75, QStringLiteral("Calendar, thumbnails, folders"), [] { return new CalendarPage; });

}  // namespace

CalendarSection::CalendarSection(int order, SectionFactory factory) {
  Sections().push_back({order, std::move(factory)});
}

}  // namespace gallery
