#pragma once

#include "model/Context.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// How a term enters its section's figure. Folding the terms in order from 0 (adding each added term,
// multiplying by each multiplier, passing over the shown ones) gives the total exactly.
enum class TermKind { Added, Multiplier, Shown };

struct Term {
    std::string name;
    double value = 0;
    TermKind kind = TermKind::Added;
};

struct BreakdownSection {
    const char* title;  // "Weight", "Battle Value", "Cost"
    std::vector<Term> terms;
    int64_t total = 0;  // the figure the status line shows
};

// Every term of MainCalc's weight, Battle Value and cost, in the order MainCalc sums them. The
// Battle Value ends with the unrounded total (shown) and the rounding (added).
struct Breakdown {
    BreakdownSection weight{"Weight", {}, 0};
    BreakdownSection battleValue{"Battle Value", {}, 0};
    BreakdownSection cost{"Cost", {}, 0};
};

Breakdown MakeBreakdown(const Context& ctx);

// The figure the terms come to, folded in order.
double Fold(const std::vector<Term>& terms);

// Whole numbers plain, fractions in the shortest text that reads back as the same number. Not
// FormatNumber's 15 digits: a reader adding the printed terms must come to the printed total.
std::string FormatTermValue(double value);

// The three sections as the command line prints them: a title line, "  name: value" per term and
// "  Total: figure".
std::string BreakdownText(const Breakdown& breakdown);

}  // namespace vantrel
