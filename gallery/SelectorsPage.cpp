// The "Selectors" tab: the small controls, each group's demos from its own
// file (see SelectorsDemos.h).
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "SelectorsDemos.h"

namespace gallery {
namespace {

class SelectorsPage : public GalleryPage {
 public:
  SelectorsPage() {
    auto* layout = new QVBoxLayout(this);
    AddColourDemos(layout, shots);
    AddMarkGradDemos(layout, shots);
    layout->addStretch(1);
  }

  std::vector<Shot> Shots() override { return shots; }

 private:
  std::vector<Shot> shots;
};

PageRegistration registration(57, QStringLiteral("Selectors"), [] { return new SelectorsPage; });

}  // namespace
}  // namespace gallery
