#pragma once
// A row of buttons under a report list of the gallery: copy to the
// clipboard, save and load the list file, export CSV and HTML.
#include <QHBoxLayout>
#include <QLabel>

#include "replist/Vyr_replist.h"

namespace gallery {

// The buttons act on list and tell what they did (or the error) in
// message. File names are asked for only when a button is pressed.
QHBoxLayout* MakeRepListFileBar(vyr::TReportListView* list, QLabel* message);

}  // namespace gallery
