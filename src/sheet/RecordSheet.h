#pragma once

#include "model/Context.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What the record sheet shows, worked out from the design before anything is painted, so the
// figures can be checked without a page.

enum class Paper { A4, Letter };

// The paper by the name the command line and the settings give, "A4" or "Letter" in any case; none
// for another name.
std::optional<Paper> PaperNamed(std::string_view name);
// The name the settings store: "A4" or "Letter".
const char* PaperName(Paper paper);

constexpr int kMinTroopers = 1;
constexpr int kMaxTroopers = 6;

// A squad of four for the Inner Sphere, five for Clan and Mixed.
int DefaultTroopers(const Design& design);

struct SheetMovement {
    std::string label;  // "Ground Speed"
    int points = 0;
    std::string caption;  // "10.8 Km/H", "N/A"
};

// One line of the weapons and equipment table: equal entries in one location are counted together.
struct SheetItem {
    int count = 0;  // units, or loads for ammunition
    std::string name;
    std::string location;  // where its first slot is, or "Unequipped"
    std::string damage, minRange, shortRange, mediumRange, longRange, heat;
    std::string shots;  // shots per load, ammunition only
};

struct SheetLocation {
    std::string name;                   // "Body", "Right Arm", ...
    std::vector<std::string> captions;  // one per usable slot; empty: the location has none
};

struct RecordSheet {
    std::string name;
    std::string model;
    std::string chassisLine;    // "Chassis: Bipedal Light (750Kg)"
    std::string techBaseLine;   // "Tech Base: Inner Sphere"
    std::string techLevelLine;  // "Technology Level: 2"
    std::vector<SheetMovement> movement;
    std::string armorType;
    int armorPoints = 0;
    int armorWeight = 0;
    std::vector<int> pips;  // per trooper: the armor points plus one for the operator
    std::vector<SheetItem> items;
    bool isQuad = false;
    std::vector<SheetLocation> locations;
    std::vector<std::string> totals;  // the seven status texts, then the maximum weight
    std::string warning;              // the save warning, empty when none applies
    std::string history;
};

// The armor is named as the armor type list shows it; run MainCalc first. `troopers` outside 1..6
// gives the default squad.
RecordSheet BuildRecordSheet(const Context& ctx, int troopers = 0);

extern const char* const kUnequipped;  // "Unequipped"

}  // namespace vantrel
