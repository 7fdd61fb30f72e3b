#pragma once
// The demos of the "Selectors" tab, one function per source file; each adds
// its controls to the page's layout and the widgets to write as snapshots.
#include <QVBoxLayout>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

// Colour selectors with editable entries, colour buttons with a shared
// colour dialog, and repeating buttons counting (SelectorsColour.cpp).
void AddColourDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

// Mark selectors and gradient fills (SelectorsMarkGrad.cpp).
void AddMarkGradDemos(QVBoxLayout* layout, std::vector<Shot>& shots);

}  // namespace gallery
