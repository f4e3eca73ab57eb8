#pragma once

// Suits the loadout search is measured and tested on; standard C++ only, so the core tests, the window
// tests and the benchmarks share them.

#include "equipment/AutoPlace.h"
#include "equipment/Clearing.h"
#include "model/Context.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace vantrel::test {

// The armor list index of `name` under the design's technology base; -1 when not offered.
inline int ArmorIndex(int techBase, const std::string& name) {
    const auto& offered = ArmorTypesOffered(techBase);
    for (std::size_t k = 0; k < offered.size(); ++k)
        if (name == AllOrig[offered[k]]) return static_cast<int>(k);
    return -1;
}

// Movement laid out, the armor chosen with its armor-system slots owned, `owned` items owned, then
// everything placed by Place All and the totals worked out. Armor weighs what the table says.
inline void FinishSuit(Context& ctx, const std::string& armor, int armorPoints,
                       std::initializer_list<std::pair<const char*, int>> owned) {
    Design& d = ctx.design;
    d.ArmorType = ArmorIndex(d.TechBase, armor);
    d.ArmorPoints = armorPoints;
    ctx.armorList = ArmorListFor(d);
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = armorPoints * kg;
    int systemSlots = 0;
    d.ArmorSlots = ArmorSlotCount(ctx.armorList.text, systemSlots) ? systemSlots : 0;
    RebuildMovementSlots(ctx);
    for (const auto& [name, count] : owned) AddToStash(ctx.catalog, d, name, static_cast<int16_t>(count));
    PlaceAll(ctx);
    MainCalc(ctx);
}

// A new humanoid design of the class, base and suit systems given, ground movement `ground`.
inline Context NewSuit(const CatalogRef& catalog, int weightClass, int techBase, int suitSystems,
                       int ground) {
    Context ctx;
    ctx.catalog = catalog;
    NewDesign(ctx.design);
    ctx.design.WeightClass = weightClass;
    ctx.design.TechBase = techBase;
    ctx.design.SuitSystems = suitSystems;
    ctx.design.GroundMP = ground;
    return ctx;
}

// A Medium Inner Sphere humanoid with 600 kg and 8 slots free and no heat to spare: one ground and one
// jump point, two points of Standard Stealth armor (five armor-system slots), a laser microphone, and a
// glove and a manipulator on each arm.
inline Context MediumSuit(const CatalogRef& catalog) {
    Context ctx = NewSuit(catalog, 2, 0, 1, 1);
    ctx.design.JumpMP = 1;
    FinishSuit(ctx, "Standard Stealth", 2,
               {
                   {"Laser Microphone", 1},
                   {"Armored Glove",    2},
                   {"Manipulator",      2}
    });
    return ctx;
}

// The most room a suit offers: a Mixed-technology Assault humanoid with one ground point, Standard armor
// of one point and three heat sinks placed: 1,140 kg, 16 slots and 4 heat to spare.
inline Context LargestSuit(const CatalogRef& catalog) {
    Context ctx = NewSuit(catalog, 4, 2, 2, 1);
    ctx.design.HeatSinks = 3;
    FinishSuit(ctx, "Standard", 1, {});
    return ctx;
}

}  // namespace vantrel::test
