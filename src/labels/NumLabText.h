#pragma once
// The texts of the numeric label's display types, as pure functions of the
// settings and the value (see Vyr_NumLab.h for each type's text).
#include <QString>
#include <optional>

#include "labels/Vyr_NumLab.h"

namespace vyr {

struct TNumLabFormat {
  TDisplay DisplayType = dtFixP;
  int Precision = 2;
  bool Comma = false;
  bool ForcePlusSign = false;
  QString StateText;
  QString DTFormat;
};

// The text of value, or nothing when the display type cannot show it.
std::optional<QString> NumLabText(const TNumLabFormat& format, double value);

// Value as days since 1899-12-30 (the fraction the time of day) in the
// pattern; nothing outside the years 1..9999 or for a non-finite value.
std::optional<QString> FormatDateTimeSerial(double value, const QString& pattern);

}  // namespace vyr
