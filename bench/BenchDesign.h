#pragma once

// The designs the benchmarks work on: the shipped catalog and a busy humanoid design.

#include "equipment/Placement.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <cstdlib>
#include <string>

namespace vantrel::bench {

inline const CatalogRef& ShippedCatalog() {
    static const CatalogRef catalog = [] {
        CatalogRef c;
        CatalogError e;
        if (!LoadSharedCatalog(VANTREL_CATALOG_PATH, c, e)) std::abort();
        return c;
    }();
    return catalog;
}

// A busy humanoid design: movement, armor, heat sinks and a dozen owned and placed items.
inline Context FullDesign() {
    Context ctx;
    ctx.catalog = ShippedCatalog();
    NewDesign(ctx.design);
    Design& d = ctx.design;
    d.MechName = "Benchmark Suit";
    d.History = "Line one\r\nLine two, with a comma";
    d.JumpMP = 3;
    d.GroundMP = 3;
    d.ArmorPoints = 4;
    d.HeatSinks = 3;
    for (int i = 0; i < 3; ++i) d.BodySlots[i] = kSlotGround;
    for (int i = 3; i < 6; ++i) d.BodySlots[i] = kSlotJump;
    for (int i = 0; i < kCatalogSize; i += 25) {
        d.OwnedCount[i] = 1;
        if (ctx.catalog[i].AmmoWeight > 0) d.OwnedAmmo[i] = 2;
    }
    ctx.armorList = ArmorListFor(d);
    for (int i = 0; i < kCatalogSize; i += 25)
        DropOnSlot(ctx, kBody, 6, ctx.catalog[i].Name, ctx.catalog[i].Name);
    // The derived fields as the window leaves them, so a saved copy opens without the totals moving.
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.PlacedArmor + d.ArmorPoints) * kg;
    MainCalc(ctx);
    return ctx;
}

}  // namespace vantrel::bench
