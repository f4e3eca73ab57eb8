#pragma once

#include "equipment/Availability.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

// The figures of an entry the finder shows, sorts by and compares, in the order of its columns.
enum FigureIndex : int {
    kFigureWeight,
    kFigureSlots,
    kFigureDamage,
    kFigureMinimum,
    kFigureShort,
    kFigureMedium,
    kFigureLong,
    kFigureHeat,
    kFigureBattleValue,
    kFigurePrice,
    kFigureAmmoWeight,
    kFigureShots,
    kFigureCount
};

// A figure as the information panel shows it ("-" for none) and the number it stands for.
struct EntryFigure {
    std::string text = "-";
    double value = 0.0;
    bool none = true;
};
using EntryFigures = std::array<EntryFigure, kFigureCount>;

// An item's own figures, with the weight and price of one load of its ammunition beside them; a load
// shows its weight, price and shots and takes one slot.
EntryFigures FiguresOf(const Catalog& catalog, const CatalogEntry& entry);

// The words searched for in a figure condition: "weight", "slots", "damage", "min", "short", "medium",
// "long", "heat", "bv", "price", "ammo", "shots".
extern const char* const kFigureWords[kFigureCount];

// A word such as "long>=6" or "weight<300": the figure, the comparison and the number.
struct FigureCondition {
    int figure = 0;
    enum class Op { Less, LessOrEqual, Equal, GreaterOrEqual, Greater } op = Op::Equal;
    double value = 0.0;
    bool operator==(const FigureCondition&) const = default;
};

// A search typed into a box: its words, lower-cased (ASCII letters), and its figure conditions. Blanks
// of any kind separate words; an empty search has neither and matches everything.
struct SearchQuery {
    std::vector<std::string> words;
    std::vector<FigureCondition> conditions;
};
SearchQuery ParseSearch(const std::string& query);

// Lower-cases ASCII letters; other bytes (UTF-8 included) stay as they are.
std::string LowerAscii(std::string text);

// True when every word occurs somewhere in `lowered` (already lower-cased), in any order, and every
// condition holds of `figures`; a figure the entry lacks meets no condition.
bool Matches(const SearchQuery& query, const std::string& lowered, const EntryFigures& figures);

}  // namespace vantrel
