#pragma once

#include "model/Context.h"

#include <string>

namespace vantrel {

// Recomputes the eight totals of the design. The text the armor type list shows decides the armor
// price and the stealth bonus; an empty text costs nothing.
void MainCalc(Context& ctx);

// The speed factor of the Battle Value estimate; 1 for speeds without an entry.
double SpeedFactor(int speed);

}  // namespace vantrel
