#include "rules/Breakdown.h"

#include "rules/CalcSections.h"

#include <charconv>
#include <cmath>
#include <cstddef>

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
    const std::vector<std::string> values = ShownValues(section);
    for (std::size_t i = 0; i < section.terms.size(); ++i) {
        out += "  ";
        out += section.terms[i].name;
        out += ": ";
        out += values[i];
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
    bv.Fixed(TermKind::Shown, kBeforeRounding, unrounded);
    // Exact: a whole number within one half of the total differs from it by a representable amount.
    bv.Fixed(TermKind::Added, kRounding, static_cast<double>(b.battleValue.total) - unrounded);

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

namespace {

constexpr double kMilli = 1000;

// A count of thousandths as a decimal text: "-0.455", "94.16", "12".
std::string FormatMilli(long long milli) {
    if (milli == 0) return "0";
    const bool negative = milli < 0;
    const unsigned long long m = negative ? 0ULL - static_cast<unsigned long long>(milli) : milli;
    std::string text = (negative ? "-" : "") + std::to_string(m / 1000);
    if (unsigned long long fraction = m % 1000; fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 3 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += '.' + digits;
    }
    return text;
}

}  // namespace

const char* const kBeforeRounding = "Total before rounding";
const char* const kRounding = "Rounded to a whole number";

std::string FormatTermValue(double value) {
    if (!std::isfinite(value)) return std::to_string(value);
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return value == 0 ? "0" : std::to_string(static_cast<long long>(value));  // also -0
    }
    if (std::fabs(value) >= 1e15) {
        char buffer[64];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, r.ptr);
    }
    return FormatMilli(std::llround(value * kMilli));
}

std::vector<std::string> ShownValues(const BreakdownSection& section) {
    const std::vector<Term>& terms = section.terms;
    std::vector<std::string> out;
    out.reserve(terms.size());
    for (const Term& t : terms) out.push_back(FormatTermValue(t.value));
    const std::size_t n = terms.size();
    if (n >= 2 && terms[n - 1].name == kRounding && terms[n - 2].name == kBeforeRounding &&
        std::fabs(terms[n - 2].value) < 1e12) {
        const long long before = std::llround(terms[n - 2].value * kMilli);
        out[n - 1] = FormatMilli(static_cast<long long>(section.total) * 1000 - before);
    }
    return out;
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
