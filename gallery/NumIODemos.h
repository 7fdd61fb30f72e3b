#pragma once
// The demos of the "Numeric input" tab kept apart from its page.
#include <QGroupBox>
#include <QLabel>

namespace gallery {

// Edit-based numeric fields in a few formats beside their settings (beep,
// range, separator), reporting accepted changes on readout
// (NumIOEditDemo.cpp).
QGroupBox* BuildNumIOEditDemo(QLabel* readout);

}  // namespace gallery
