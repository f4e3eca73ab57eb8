#pragma once

#include <string>

namespace vantrel {

// Speed captions of the movement sliders: "32.4 Km/H" for 3 ground, VTOL or underwater points,
// "60 Meters" for 2 jump points.
std::string SpeedCaption(int points);
std::string JumpCaption(int points);

}  // namespace vantrel
