#include "equipment/DesignOperations.h"

#include "equipment/Clearing.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

namespace vantrel {

namespace {

// A rebuild asked for and not yet run is run now.
void RunRebuild(Context& ctx) {
    if (ctx.RebuildSlots) RebuildMovementSlots(ctx);
}

PagesToShow Done(Context& ctx, PagesToShow pages) {
    MainCalc(ctx);
    return pages;
}

}  // namespace

void ClearOwned(Design& d) {
    d.OwnedCount.fill(0);
    d.OwnedAmmo.fill(0);
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
