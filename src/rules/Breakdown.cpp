#include "rules/Breakdown.h"

#include "rules/CalcSections.h"

#include <charconv>
#include <cmath>

namespace vantrel {

namespace {

struct Recorder {
    std::vector<Term>& terms;
    void Fixed(TermKind kind, const char* name, double value) { terms.push_back({name, value, kind}); }
    void Item(TermKind kind, const std::string& name, const char* suffix, double value) {
        terms.push_back({name + suffix, value, kind});
    }
};

void AppendSection(std::string& out, const BreakdownSection& section) {
    out += section.title;
    out += '\n';
    for (const Term& t : section.terms) {
        out += "  ";
        out += t.name;
        out += ": ";
        out += FormatTermValue(t.value);
        out += '\n';
    }
    out += "  Total: ";
    out += std::to_string(section.total);
    out += '\n';
}

}  // namespace

Breakdown MakeBreakdown(const Context& ctx) {
    Breakdown b;
    b.weight.terms.reserve(16);
    b.battleValue.terms.reserve(24);
    b.cost.terms.reserve(20);

    Recorder weight{b.weight.terms};
    b.weight.total = static_cast<int32_t>(calc::WeightKg(ctx, weight));

    Recorder bv{b.battleValue.terms};
    const double unrounded = calc::BattleValueUnrounded(ctx, bv);
    b.battleValue.total = calc::RoundBattleValue(unrounded);
    bv.Fixed(TermKind::Shown, "Unrounded total", unrounded);
    // Exact: a whole number within one half of the total differs from it by a representable amount.
    bv.Fixed(TermKind::Added, "Rounding", b.battleValue.total - unrounded);

    Recorder cost{b.cost.terms};
    b.cost.total = calc::CostCBills(ctx, cost);
    return b;
}

double Fold(const std::vector<Term>& terms) {
    double value = 0;
    for (const Term& t : terms) {
        if (t.kind == TermKind::Added)
            value += t.value;
        else if (t.kind == TermKind::Multiplier)
            value *= t.value;
    }
    return value;
}

std::string FormatTermValue(double value) {
    if (value == 0) return "0";  // also -0
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::string BreakdownText(const Breakdown& breakdown) {
    std::string out;
    out.reserve(2048);
    AppendSection(out, breakdown.weight);
    AppendSection(out, breakdown.battleValue);
    AppendSection(out, breakdown.cost);
    return out;
}

}  // namespace vantrel
