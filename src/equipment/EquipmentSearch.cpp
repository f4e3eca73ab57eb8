#include "equipment/EquipmentSearch.h"

#include "model/ValueReader.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace vantrel {

const char* const kFigureWords[kFigureCount] = {"weight", "slots", "damage", "min",   "short", "medium",
                                                "long",   "heat",  "bv",     "price", "ammo",  "shots"};

namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

EntryFigure Number(double v, bool none) {
    if (none) return {};
    return {FormatNumber(v), v, false};
}

// A text figure ("2.5", "6"; "-1" for none) counts as the number it starts with.
EntryFigure Text(const std::string& text) {
    if (text == "-1" || text.empty()) return {};
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    return {text, v, end == text.c_str() || !std::isfinite(v)};
}

// The number of a condition: a whole number or decimal, nothing after it.
std::optional<double> ConditionNumber(const std::string& number) {
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number[0])) || number[0] == '-'))
        return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(number.c_str(), &end);
    if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

// "long>=6": the figure's word, a comparison and a whole number or decimal, nothing else.
std::optional<FigureCondition> Condition(const std::string& word) {
    for (int f = 0; f < kFigureCount; ++f) {
        const std::string name = kFigureWords[f];
        if (word.compare(0, name.size(), name) != 0) continue;
        std::size_t at = name.size();
        using Op = FigureCondition::Op;
        Op op = Op::Equal;
        if (word.compare(at, 2, "<=") == 0 || word.compare(at, 2, ">=") == 0) {
            op = word[at] == '<' ? Op::LessOrEqual : Op::GreaterOrEqual;
            at += 2;
        } else if (at < word.size() && (word[at] == '<' || word[at] == '>' || word[at] == '=')) {
            op = word[at] == '<' ? Op::Less : word[at] == '>' ? Op::Greater : Op::Equal;
            at += 1;
        } else {
            continue;
        }
        const std::optional<double> v = ConditionNumber(word.substr(at));
        if (!v) return std::nullopt;
        return FigureCondition{f, op, *v};
    }
    return std::nullopt;
}

bool Holds(const FigureCondition& c, const EntryFigure& f) {
    if (f.none) return false;
    using Op = FigureCondition::Op;
    switch (c.op) {
        case Op::Less: return f.value < c.value;
        case Op::LessOrEqual: return f.value <= c.value;
        case Op::Equal: return f.value == c.value;
        case Op::GreaterOrEqual: return f.value >= c.value;
        case Op::Greater: return f.value > c.value;
    }
    return false;
}

}  // namespace

EntryFigures FiguresOf(const Catalog& catalog, const CatalogEntry& entry) {
    const CatalogItem& item = catalog[entry.index];
    EntryFigures f;
    const bool takesAmmo = item.AmmoWeight != -1;
    if (entry.ammo) {
        f[kFigureWeight] = Number(item.AmmoWeight, false);
        f[kFigureSlots] = Number(1, false);
        f[kFigurePrice] = Number(item.AmmoPrice, item.AmmoPrice <= 0);
    } else {
        f[kFigureWeight] = Number(item.Weight, item.Weight == -1);
        f[kFigureSlots] = Number(item.CSlots, item.CSlots == -1);
        f[kFigureDamage] = Text(item.Damage);
        f[kFigureMinimum] = Number(item.MinRange, item.MinRange == -1);
        f[kFigureShort] = Text(item.Short);
        f[kFigureMedium] = Text(item.Medium);
        f[kFigureLong] = Text(item.Long);
        f[kFigureHeat] = Number(item.Heat, item.Heat < 0);
        f[kFigureBattleValue] = Number(item.BV, item.BV == -1.0);
        f[kFigurePrice] = Number(item.Price, item.Price <= 0);
    }
    f[kFigureAmmoWeight] = Number(item.AmmoWeight, !takesAmmo);
    f[kFigureShots] = Number(item.Shots, !takesAmmo);
    return f;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

SearchQuery ParseSearch(const std::string& query) {
    SearchQuery q;
    auto take = [&q](std::string word) {
        word = LowerAscii(std::move(word));
        if (std::optional<FigureCondition> c = Condition(word))
            q.conditions.push_back(*c);
        else
            q.words.push_back(std::move(word));
    };
    std::string word;
    for (char c : query) {
        if (!Blank(c)) {
            word += c;
        } else if (!word.empty()) {
            take(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) take(std::move(word));
    return q;
}

bool Matches(const SearchQuery& query, const std::string& lowered, const EntryFigures& figures) {
    for (const std::string& w : query.words)
        if (lowered.find(w) == std::string::npos) return false;
    for (const FigureCondition& c : query.conditions)
        if (!Holds(c, figures[static_cast<std::size_t>(c.figure)])) return false;
    return true;
}

}  // namespace vantrel
