#pragma once

#include "model/Design.h"

#include <string>

namespace vantrel {

// Recomputes the eight totals of the design. `armorTypeText` is the text the armor type list
// shows (it decides the armor price and the stealth bonus; an empty text costs nothing).
void MainCalc(const Catalog& catalog, Design& d, const std::string& armorTypeText);

// The speed factor of the Battle Value estimate; 1 for speeds without an entry.
double SpeedFactor(int speed);

}  // namespace vantrel
