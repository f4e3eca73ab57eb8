#pragma once

#include "model/Context.h"

#include <string>
#include <vector>

namespace vantrel {

// One line of the design check.
struct Finding {
    enum class Kind { Error, Warning, Note };
    Kind kind = Kind::Note;
    std::string text;
    bool operator==(const Finding&) const = default;
};

// What is wrong or unfinished with the design, errors first: overweight, too hot, more slots used
// than the chassis has; movement, armor and turret outside what the weight class, chassis and
// technology allow, items the technology base does not offer; placed equipment breaking a
// construction rule; then entries not yet placed
// (warnings); then slots filled on locations of the other chassis (notes). Reads the totals as
// MainCalc last wrote them.
std::vector<Finding> CheckDesign(const Context& ctx);

bool HasError(const std::vector<Finding>& findings);

// "error: ...", "warning: ...", "note: ...".
std::string FindingLine(const Finding& finding);

}  // namespace vantrel
