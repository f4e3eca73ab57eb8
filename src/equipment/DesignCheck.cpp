#include "equipment/DesignCheck.h"

#include "equipment/Placement.h"
#include "equipment/SlotView.h"
#include "rules/Tables.h"

#include <cstdint>
#include <span>

namespace vantrel {

namespace {

const char* LocationName(int location) {
    static const char* const kNames[kLocationCount] = {"Body", "Left Arm", "Right Arm", "Quad Body",
                                                       "Turret"};
    return kNames[location];
}

int FilledSlots(const Design& d, int location) {
    const ConstSlotArrays a = Slots(d, location);
    int n = 0;
    for (int j = 0; j < a.count; ++j) n += a.codes[j] != kSlotFree ? 1 : 0;
    return n;
}

// The location a placed item is asked about: where its first slot lies, the body before the arms so
// the space adaptation counts as on the body. A unit no slot shows is taken to be on the body.
int LocationOf(const Design& d, int idx) {
    for (int location : {kBody, kQuadBody, kRightArm, kLeftArm, kTurret}) {
        const ConstSlotArrays a = Slots(d, location);
        for (int j = 0; j < a.count; ++j)
            if (a.codes[j] == kSlotItemBase + idx) return location;
    }
    return kBody;
}

void Add(std::vector<Finding>& out, Finding::Kind kind, std::string text) {
    out.push_back({kind, std::move(text)});
}

void NotPlaced(std::vector<Finding>& out, const std::string& entry, int64_t count) {
    if (count > 0)
        Add(out, Finding::Kind::Warning, "not placed: " + entry + " (" + std::to_string(count) + ")");
}

}  // namespace

std::vector<Finding> CheckDesign(const Context& ctx) {
    const Design& d = ctx.design;
    const Catalog& catalog = ctx.catalog;
    std::vector<Finding> out;
    using K = Finding::Kind;

    if (d.FreeKg < 0) Add(out, K::Error, "overweight by " + std::to_string(-int64_t{d.FreeKg}) + " kg");
    if (d.MaxHeat > d.HeatDissipation)
        Add(out, K::Error,
            "heat " + std::to_string(int64_t{d.MaxHeat} - d.HeatDissipation) + " above dissipation");
    if (d.FreeCSlots < 0)
        Add(out, K::Error,
            std::to_string(d.UsedCSlots) + " critical slots used, the chassis has " +
                std::to_string(int64_t{d.UsedCSlots} + d.FreeCSlots));

    std::vector<const char*> broken;
    for (int i = 0; i < kCatalogSize; ++i)
        if (d.PlacedCount[i] > 0) BrokenRulesOfPlaced(ctx, LocationOf(d, i), i, broken);
    for (const char* message : broken) Add(out, K::Error, message);

    NotPlaced(out, kHeatSinkEntry, d.HeatSinks);
    NotPlaced(out, kASysPrefix + ctx.armorList.text, d.ArmorSlots);
    for (int i = 0; i < kCatalogSize; ++i) {
        NotPlaced(out, catalog[i].Name, d.OwnedCount[i]);
        if (d.OwnedAmmo[i] > 0) NotPlaced(out, catalog[i].Name + kAmmoSuffix, d.OwnedAmmo[i]);
    }

    // Slots of the other chassis still count as used; say where they are.
    const char* const chassis = kChassisNames[d.IsQuad ? 1 : 0];
    const char* const other = kChassisNames[d.IsQuad ? 0 : 1];
    static constexpr int kHumanoidOnly[] = {kBody, kLeftArm, kRightArm};
    static constexpr int kQuadOnly[] = {kQuadBody, kTurret};
    const std::span<const int> others =
        d.IsQuad ? std::span<const int>(kHumanoidOnly) : std::span<const int>(kQuadOnly);
    for (int location : others)
        if (const int n = FilledSlots(d, location); n > 0)
            Add(out, K::Note,
                std::string(LocationName(location)) + " of the " + other + " chassis holds " +
                    std::to_string(n) + (n == 1 ? " filled slot" : " filled slots") + "; the design is a " +
                    chassis);
    return out;
}

bool HasError(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.kind == Finding::Kind::Error) return true;
    return false;
}

std::string FindingLine(const Finding& finding) {
    static const char* const kPrefix[] = {"error: ", "warning: ", "note: "};
    return kPrefix[static_cast<int>(finding.kind)] + finding.text;
}

}  // namespace vantrel
