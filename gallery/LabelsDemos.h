#pragma once
// The demos of the "Labels" tab, one function per source file; each adds
// its controls to the page's layout and the widgets to write as snapshots.
#include <QVBoxLayout>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

// Every display type of the numeric label and a rotated label driven by a
// slider (LabelsNumRot.cpp).
void AddNumRotDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

// A seven-segment clock ticking live, readouts of values, and dot-matrix
// banners scrolling in each direction (LabelsSegRaster.cpp).
void AddSegRasterDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

}  // namespace gallery
