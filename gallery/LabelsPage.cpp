// The "Labels" tab: the display labels, each family's demos from its own
// file (see LabelsDemos.h).
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "LabelsDemos.h"

namespace gallery {
namespace {

class LabelsPage : public GalleryPage {
 public:
  LabelsPage() {
    auto* layout = new QVBoxLayout(this);
    AddNumRotDemos(layout, shots);
    AddSegRasterDemos(layout, shots);
    layout->addStretch(1);
  }

  std::vector<Shot> Shots() override { return shots; }

 private:
  std::vector<Shot> shots;
};

PageRegistration registration(30, QStringLiteral("Labels"), [] { return new LabelsPage; });

}  // namespace
}  // namespace gallery
