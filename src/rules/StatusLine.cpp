#include "rules/StatusLine.h"

namespace vantrel {

std::array<std::string, 7> StatusTexts(const Design& d) {
    return {
        "Current Kg: " + std::to_string(d.CurrentKg),
        "Free Kg: " + std::to_string(d.FreeKg),
        "Max Heat: " + std::to_string(d.MaxHeat),
        "Heat Dissipation: " + std::to_string(d.HeatDissipation),
        "Free CSlots: " + std::to_string(d.FreeCSlots),
        "Estimated BV: " + std::to_string(d.EstimatedBV),
        "Cost: " + std::to_string(d.Cost),
    };
}

}  // namespace vantrel
