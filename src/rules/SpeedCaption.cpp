#include "rules/SpeedCaption.h"

#include "model/ValueReader.h"

namespace vantrel {

std::string SpeedCaption(int points) { return FormatNumber(points * 10.8) + " Km/H"; }
std::string JumpCaption(int points) { return FormatNumber(points * 30.0) + " Meters"; }

}  // namespace vantrel
