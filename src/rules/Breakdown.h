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
// Battle Value ends with the total before rounding (shown) and the rounding (added).
struct Breakdown {
    BreakdownSection weight{"Weight", {}, 0};
    BreakdownSection battleValue{"Battle Value", {}, 0};
    BreakdownSection cost{"Cost", {}, 0};
};

Breakdown MakeBreakdown(const Context& ctx);

// The names of the two terms that end the Battle Value.
extern const char* const kBeforeRounding;  // "Total before rounding"
extern const char* const kRounding;        // "Rounded to a whole number"

// The figure the terms come to, folded in order.
double Fold(const std::vector<Term>& terms);

// Whole numbers plain, fractions to at most three decimals without trailing zeros ("0.66", "249.545"):
// the last digits of floating-point steps are noise to a reader.
std::string FormatTermValue(double value);

// Each term's value as the breakdown shows it. The rounding that ends the Battle Value is shown as
// the total less the unrounded total as shown, so the two printed figures add up to the printed total.
std::vector<std::string> ShownValues(const BreakdownSection& section);

// The three sections as the command line prints them: a title line, "  name: value" per term and
// "  Total: figure".
std::string BreakdownText(const Breakdown& breakdown);

}  // namespace vantrel
