#pragma once

#include "model/Design.h"

#include <array>
#include <string>

namespace vantrel {

// The seven status texts of a design's totals, label and value, without the trailing blank the
// status bar adds: "Current Kg: 100", "Free Kg: 650", ... "Cost: 47500".
std::array<std::string, 7> StatusTexts(const Design& d);

}  // namespace vantrel
