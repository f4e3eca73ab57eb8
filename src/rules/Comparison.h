#pragma once

#include "model/Context.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// One line of a side-by-side comparison: a label and one value a design.
struct ComparisonRow {
    std::string label;
    std::vector<std::string> values;
    // Whole numbers behind the values of a numeric row (movement, armor, totals, counts carried).
    bool numeric = false;
    std::vector<int64_t> numbers;
    bool differs = false;

    bool operator==(const ComparisonRow&) const = default;
};

// The rows comparing designs whose totals MainCalc has worked out: name and model, every choice
// (chassis, class, technology, suit systems, turret), every movement kind, armor, heat sinks, the
// status figures and the check's counts, then every item and ammunition any of them carries, in
// catalog order.
std::vector<ComparisonRow> CompareDesigns(const std::vector<const Context*>& designs);

// What a cell shows: the value, and for a numeric row after the first column its difference to the
// first column when there is one ("12 (+3)", "8 (-1)").
std::string ComparisonCell(const ComparisonRow& row, std::size_t column);

}  // namespace vantrel
