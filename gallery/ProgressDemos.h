#pragma once
// The demos of the "Progress and switches" tab, one function per source
// file; each adds its controls to the page's layout and the widgets to write
// as snapshots.
#include <QVBoxLayout>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

// Progress bars in every direction, plain and gradient in each mapping
// mode, with grid, rotated text and a live auto increment
// (ProgressBars.cpp).
void AddProgBarDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

// Every built-in on/off button style on and off, a radio group and a speed
// button (ProgressOnOff.cpp).
void AddOnOffDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

}  // namespace gallery
