#pragma once

#include "model/Context.h"

#include <map>
#include <string>
#include <vector>

namespace vantrel {

// What a squad needs at the table, worked out from the design before anything is painted: the
// figures of the play sheet, without the designer's slots and weights.

// The design sheet first: a value left as it is keeps the sheet the command line has always drawn.
enum class SheetKind { Design, Play };

// The to-hit modifiers of weapons and the play effects of equipment, keyed by catalog name. A name
// marked "(C) " or "(I) " that has no line of its own takes the line of the unmarked name.
struct PlayTables {
    std::map<std::string, std::string> toHit;    // "-2", or "-3/-2/-1" by short, medium, long range
    std::map<std::string, std::string> effects;  // a few words on what the item changes in play

    std::string ToHit(const std::string& catalogName) const;
    std::string Effect(const std::string& catalogName) const;
};

// Lines of "name<TAB>text"; blank lines and lines starting with '#' are skipped, and so is a line
// without a tab.
std::map<std::string, std::string> ParsePlayTable(const std::string& text);

struct PlayMovement {
    std::string kind;  // "Ground", "Jump", "VTOL", "Underwater"
    int points = 0;
};

struct PlayWeapon {
    int count = 0;  // units each trooper carries
    std::string name, damage, minRange, shortRange, mediumRange, longRange, toHit;
    int shots = 0;          // per trooper, all loads together; 0 when the weapon fires without ammunition
    bool usesAmmo = false;  // true with shots 0: it needs ammunition and carries none
};

struct PlayEquipment {
    int count = 0;
    std::string name;
    std::string effect;  // empty when it changes nothing in play
};

// The skills written on the sheet; empty ones are left as lines to fill in.
struct PlaySkills {
    std::string gunnery, antiMech;
};

struct PlaySheet {
    std::string name, model;
    std::string chassis;                 // "Humanoid" or "Quad"
    std::string weightClass;             // "Light (750Kg)"
    std::string technology;              // "Inner Sphere, level 2"
    std::vector<PlayMovement> movement;  // ground always, the other kinds when the suit has them
    int troopers = 0;
    int armorPips = 0;  // per trooper; the trooper's own pip is drawn apart
    PlaySkills skills;
    std::vector<PlayWeapon> weapons;
    std::vector<PlayEquipment> equipment;
    int bvPerTrooper = 0;
    int bvSquad = 0;
    std::vector<std::string> errors;  // what the design check finds wrong, so nobody plays it by mistake
};

// From a design with its totals worked out (run MainCalc first). `troopers` outside 1..6 gives the
// squad of the technology base.
PlaySheet BuildPlaySheet(const Context& ctx, const PlayTables& tables, int troopers = 0,
                         const PlaySkills& skills = {});

}  // namespace vantrel
