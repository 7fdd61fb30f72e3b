#pragma once
// The demos of the "Calendar, thumbnails, folders" tab. Each control's demo
// file registers one section; the page lays the sections out side by side in
// their order.
#include <QBoxLayout>
#include <functional>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

using SectionFactory = std::function<void(QBoxLayout* layout, std::vector<Shot>& shots)>;

struct CalendarSection {
  CalendarSection(int order, SectionFactory factory);
};

}  // namespace gallery
