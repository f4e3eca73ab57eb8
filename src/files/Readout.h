#pragma once

#include "model/Context.h"

#include <array>
#include <string>

namespace vantrel {

// The chassis and technology base lines of the readout ("Chassis: Bipedal Light (750Kg)",
// "Tech Base: Inner Sphere"); empty for a value outside its list.
std::string ChassisLine(const Design& design);
std::string TechBaseLine(const Design& design);

// One movement line of the readout: "Ground Speed", its points and caption ("N/A" where the
// readout writes it). Ground, jump, VTOL, underwater in that order.
struct MovementLine {
    const char* label;
    int points;
    std::string caption;
};
std::array<MovementLine, 4> MovementLines(const Design& design);

// The plain-text readout of the design, UTF-8, CR LF after every line. The armor is named as the
// armor type list shows it. The totals are taken as they stand: run MainCalc first.
// A damage text that is not a number adds nothing to the combined damage.
std::string Readout(const Context& ctx);

// Writes the readout encoded to Windows-1252, replacing `path` in one step (the old file stays on failure).
bool WriteReadout(const std::string& path, const std::string& text, std::string& error);

}  // namespace vantrel
