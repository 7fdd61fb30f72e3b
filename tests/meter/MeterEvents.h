#pragma once
// Records the range events of a meter as words, in the order they come.
#include <string>
#include <vector>

#include "meter/Vyr_Meter.h"

namespace metertest {

struct RangeEvents {
  explicit RangeEvents(vyr::TMeter& meter) {
    meter.OnOverFlow = [this](vyr::TObject*) { seen.push_back("over"); };
    meter.OnUnderFlow = [this](vyr::TObject*) { seen.push_back("under"); };
    meter.OnNormalRange = [this](vyr::TObject*) { seen.push_back("normal"); };
  }
  // The events so far, then forgets them.
  std::vector<std::string> Take() { return std::exchange(seen, {}); }
  std::vector<std::string> seen;
};

}  // namespace metertest
