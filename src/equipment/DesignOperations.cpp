#include "equipment/DesignOperations.h"

#include "equipment/Availability.h"
#include "equipment/Clearing.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Offer.h"
#include "rules/Tables.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vantrel {

namespace {

constexpr int64_t kMostUnits = std::numeric_limits<int32_t>::max();

// A rebuild asked for and not yet run is run now.
void RunRebuild(Context& ctx) {
    if (ctx.RebuildSlots) RebuildMovementSlots(ctx);
}

PagesToShow Done(Context& ctx, PagesToShow pages) {
    MainCalc(ctx);
    return pages;
}

// One owned count an entry text stands for: an item's units, or the loads of its ammunition.
struct CountOf {
    int index;
    bool ammo;
};

int32_t& Units(Design& d, CountOf c) { return c.ammo ? d.OwnedAmmo[c.index] : d.OwnedCount[c.index]; }
int32_t Units(const Design& d, CountOf c) { return c.ammo ? d.OwnedAmmo[c.index] : d.OwnedCount[c.index]; }

// The counts of every record whose name is the text, or whose ammunition it names ("<name> Ammo").
// Compared in place: a Remove of a long owned list asks this for hundreds of entries.
std::vector<CountOf> CountsOf(const Catalog& catalog, const std::string& text) {
    const std::string_view suffix = kAmmoSuffix;
    const bool ammoText = text.ends_with(suffix);
    const std::string_view ammoOf =
        std::string_view(text).substr(0, ammoText ? text.size() - suffix.size() : 0);
    std::vector<CountOf> out;
    for (int i = 0; i < kCatalogSize; ++i) {
        if (text == catalog[i].Name)
            out.push_back({i, false});
        else if (ammoText && ammoOf == catalog[i].Name)
            out.push_back({i, true});
    }
    return out;
}

// Entries of the sliders and the armor type. The heat sink is matched whole: a Heat Sensor shares its
// first six letters and is an item like any other.
bool KeptByRemove(const std::string& entry) {
    return entry.starts_with(kArmorPrefix) || entry == kHeatSinkEntry || entry.starts_with(kASysPrefix);
}

}  // namespace

void ClearOwned(Design& d) {
    d.OwnedCount.fill(0);
    d.OwnedAmmo.fill(0);
}

PagesToShow ClearEquipment(Context& ctx) {
    ClearOwned(ctx.design);
    return Done(ctx, {.equipment = true});
}

std::vector<std::string> AvailableEntries(const Context& ctx, int category, bool carriedOnly) {
    const Catalog& catalog = ctx.catalog;
    const int techBase = ctx.design.TechBase;
    std::vector<std::string> out;
    for (const CatalogItem& item : catalog)
        if (item.Category == category && OfferedByTechBase(item.Name, techBase)) out.push_back(item.Name);
    if (category != kAmmunition) return out;
    for (int i = 0; i < kCatalogSize; ++i) {
        const CatalogItem& item = catalog[i];
        if (item.AmmoWeight == -1 || !OfferedByTechBase(item.Name, techBase)) continue;
        if (carriedOnly && !CarriesWeapon(ctx.design, i)) continue;
        out.push_back(item.Name + kAmmoSuffix);
    }
    return out;
}

namespace {

// Whether `entry` may go onto `counts`, the counts its text stands for.
bool AddableTo(const Context& ctx, const OwnedRun& entry, const std::vector<CountOf>& counts) {
    if (entry.count < 1 || !OfferedByTechBase(entry.text, ctx.design.TechBase)) return false;
    // An item that fires no ammunition has none to carry; counts past their range would wrap round to
    // negative units.
    return !counts.empty() && std::all_of(counts.begin(), counts.end(), [&](CountOf c) {
        return (!c.ammo || ctx.catalog[c.index].AmmoWeight != -1) &&
               int64_t{Units(ctx.design, c)} + entry.count <= kMostUnits;
    });
}

}  // namespace

bool Addable(const Context& ctx, const OwnedRun& entry) {
    return AddableTo(ctx, entry, CountsOf(ctx.catalog, entry.text));
}

OwnedChange AddEquipment(Context& ctx, const std::vector<OwnedRun>& entries) {
    OwnedChange change;
    for (const OwnedRun& entry : entries) {
        const std::vector<CountOf> counts = CountsOf(ctx.catalog, entry.text);
        const bool addable = AddableTo(ctx, entry, counts);
        change.taken.push_back(addable);
        if (!addable) continue;
        for (CountOf c : counts) Units(ctx.design, c) += entry.count;
    }
    change.pages = Done(ctx, {});
    return change;
}

OwnedChange RemoveEquipment(Context& ctx, const std::vector<OwnedRun>& entries) {
    OwnedChange change;
    for (const OwnedRun& entry : entries) {
        const bool kept = KeptByRemove(entry.text);
        change.taken.push_back(!kept);
        if (kept || entry.count < 1) continue;
        // A list behind its counts cannot take them below none.
        for (CountOf c : CountsOf(ctx.catalog, entry.text)) {
            int32_t& units = Units(ctx.design, c);
            units = units > entry.count ? units - entry.count : 0;
        }
    }
    change.pages = Done(ctx, {});
    return change;
}

void SlideMovement(Context& ctx, MoveKind kind, int points) {
    Design& d = ctx.design;
    const int least = kind == MoveKind::Ground ? kGroundMinimum : 0;
    int value = std::max(points, least);
    if (const std::optional<int> most = MovementMaximum(d, kind))
        value = std::min(value, std::max(*most, least));
    MovementPoints(d, kind) = value;
}

void SlideArmor(Context& ctx, int total) {
    Design& d = ctx.design;
    // The slider starts at the placed points: they are taken away only by clearing their slots.
    if (const std::optional<int> most = ArmorMaximum(d)) total = std::min(total, *most);
    total = std::max(total, d.PlacedArmor);
    // A file's negative placed points must not wrap the unplaced ones round.
    d.ArmorPoints = static_cast<int32_t>(std::min<int64_t>(int64_t{total} - d.PlacedArmor, kMostUnits));
    if (const std::optional<int> weight = ArmorWeightOf(d)) d.ArmorWeight = *weight;
}

PagesToShow ChooseChassis(Context& ctx, bool quad) {
    Design& d = ctx.design;
    const bool changed = quad != d.IsQuad;
    if (changed) {
        // The rebuild runs on the chassis being left: its slots go back to the unplaced counts.
        ctx.RebuildSlots = true;
        RunRebuild(ctx);
        ClearOwned(d);
    }
    d.IsQuad = quad;
    if (!quad) {
        d.TurretSize = 0;
        d.TurretConfig = false;
    }
    // The slot page must show the movement of the chassis now chosen, so it is laid out again there,
    // within the new chassis's limits so that the slots hold as many entries as the design has points.
    if (changed) ctx.RebuildSlots = true;
    ClampMovement(d);
    RunRebuild(ctx);
    return Done(ctx, {.chassis = true, .equipment = changed, .slotLayouts = true});
}

PagesToShow ChooseWeightClass(Context& ctx, int weightClass) {
    Design& d = ctx.design;
    d.WeightClass = weightClass;
    const bool wasQuad = d.IsQuad;
    if (weightClass == 0) d.IsQuad = false;  // an Exoskeleton is always Humanoid
    ClearAllHumanoid(ctx);
    ClearAllQuad(ctx);
    ClearOwned(d);
    if (wasQuad && !d.IsQuad) {
        d.TurretSize = 0;
        d.TurretConfig = false;
    }
    ClampMovement(d);
    ClampArmor(d);
    ctx.RebuildSlots = true;
    RunRebuild(ctx);
    return Done(ctx, {.chassis = true, .armor = true, .equipment = true, .slotLayouts = true});
}

PagesToShow ChooseTechBase(Context& ctx, int techBase) {
    Design& d = ctx.design;
    d.TechBase = techBase;
    RebuildArmorList(ctx.armorList, techBase);
    d.ArmorType = 0;  // "Standard" heads every list
    ClearAllHumanoid(ctx);
    ClearAllQuad(ctx);
    ClearOwned(d);
    ClampMovement(d);
    // The new list's entry is chosen at once rather than when the armor page is next opened: until then
    // the armor weight, price and armor-system slots would still be those of the old base's type.
    PagesToShow pages = ChooseArmorType(ctx, d.ArmorType);
    pages.chassis = pages.equipment = true;
    return pages;
}

PagesToShow ChooseSuitSystems(Context& ctx, int suitSystems) {
    ctx.design.SuitSystems = suitSystems;
    ClampMovement(ctx.design);
    return Done(ctx, {.chassis = true});
}

PagesToShow ChooseTurret(Context& ctx, int size) {
    Design& d = ctx.design;
    d.TurretSize = size;
    if (size == 0) d.TurretConfig = false;
    ClampMovement(d);
    return Done(ctx, {.chassis = true});
}

PagesToShow ToggleConfigurableTurret(Context& ctx) {
    Design& d = ctx.design;
    if (d.TurretConfig)
        d.TurretConfig = false;
    else if (d.TurretSize > 0)
        d.TurretConfig = true;
    ClampMovement(d);
    return Done(ctx, {.chassis = true});
}

PagesToShow ToggleEnhancedImaging(Context& ctx) {
    ctx.design.EnhancedImaging = !ctx.design.EnhancedImaging;
    ClampMovement(ctx.design);
    return Done(ctx, {.chassis = true});
}

PagesToShow ReleaseMovement(Context& ctx, MoveKind kind) {
    Design& d = ctx.design;
    ctx.RebuildSlots = true;
    // Jump, VTOL and underwater movement exclude each other; ground combines with any.
    if (kind == MoveKind::Jump) d.VTOLMP = d.UMUMP = 0;
    if (kind == MoveKind::VTOL) d.JumpMP = d.UMUMP = 0;
    if (kind == MoveKind::UMU) d.JumpMP = d.VTOLMP = 0;
    ClampMovement(d);  // a stored value beyond its slider is laid out only as far as the limit
    RunRebuild(ctx);
    return Done(ctx, {.chassis = true, .slotLayouts = true});
}

PagesToShow ReleaseHeatSinks(Context& ctx, int total) {
    Design& d = ctx.design;
    d.HeatSinks = total - d.PlacedHeatSinks >= 0 ? total - d.PlacedHeatSinks : 0;
    ClampMovement(d);
    return Done(ctx, {.chassis = true});
}

PagesToShow ChooseArmorType(Context& ctx, int index) {
    Design& d = ctx.design;
    SelectArmorEntry(ctx.armorList, index);
    if (d.IsQuad)
        ClearAllQuad(ctx);
    else
        ClearAllHumanoid(ctx);
    d.ArmorType = index;
    ctx.RebuildSlots = true;
    int count = 0;
    if (ArmorSlotCount(ctx.armorList.text, count)) d.ArmorSlots = count;
    RunRebuild(ctx);
    ClampArmor(d);
    return Done(ctx, {.armor = true, .slotLayouts = true});
}

}  // namespace vantrel
