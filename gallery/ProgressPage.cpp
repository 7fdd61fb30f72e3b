// The "Progress and switches" tab: progress bars and on/off buttons, each
// family's demos from its own file (see ProgressDemos.h).
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "ProgressDemos.h"

namespace gallery {
namespace {

class ProgressPage : public GalleryPage {
 public:
  ProgressPage() {
    auto* layout = new QVBoxLayout(this);
    AddProgBarDemos(layout, shots);
    AddOnOffDemos(layout, shots);
    layout->addStretch(1);
  }

  std::vector<Shot> Shots() override { return shots; }

 private:
  std::vector<Shot> shots;
};

PageRegistration registration(55, QStringLiteral("Progress and switches"), [] { return new ProgressPage; });

}  // namespace
}  // namespace gallery
