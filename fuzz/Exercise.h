#pragma once
// What the fuzz targets and their regression test do with one input: read it, and run everything that
// draws on an accepted design. Shared so that a saved crash input replays exactly.

#include "equipment/Clearing.h"
#include "equipment/SlotView.h"
#include "files/BlkFile.h"
#include "files/DesignFile.h"
#include "files/MegaMekNames.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"

#include <cstdlib>
#include <string>

namespace vantrel::fuzz {

// The shipped catalog, read once for the whole run.
inline const CatalogRef& ShippedCatalog() {
    static const CatalogRef catalog = [] {
        CatalogRef c;
        CatalogError e;
        if (!LoadSharedCatalog(VANTREL_CATALOG_PATH, c, e)) std::abort();
        return c;
    }();
    return catalog;
}

inline void ExerciseCatalog(const std::string& bytes) {
    static Catalog catalog;
    CatalogError error;
    if (!ParseCatalog(bytes, catalog, error)) (void)FormatCatalogError("fuzz.plb", error);
}

inline void ExerciseDesign(const CatalogRef& catalog, const std::string& bytes) {
    Context ctx;
    ctx.catalog = catalog;
    std::string error;
    int bad = 0;
    if (!ParseDesignFile(bytes, ctx.design, error, bad)) {
        (void)FormatOpenError("fuzz.vnt", bad, error);
        return;
    }
    ctx.armorList = ArmorListFor(ctx.design);
    MainCalc(ctx);
    (void)Readout(ctx);
    (void)OwnedEntries(ctx);
    for (int loc = 0; loc < kLocationCount; ++loc) {
        const auto a = Slots(static_cast<const Design&>(ctx.design), loc);
        for (int i = 0; i < a.count; ++i) {
            (void)SlotCaption(ctx, a.codes[i]);
            ctx.SelLocation = static_cast<int16_t>(loc);
            ctx.SelSlot = static_cast<int16_t>(i);
            (void)SelectionHighlight(ctx);
        }
    }
    ctx.SelLocation = 0;
    ctx.SelSlot = static_cast<int16_t>(bytes.size() % kBodySlotCount);
    ClearSelected(ctx, true);
    ctx.SelLocation = 4;
    ctx.SelSlot = static_cast<int16_t>(bytes.size() % kTurretSlotCount);
    ClearSelected(ctx, false);
    RebuildMovementSlots(ctx);
    ClearAllHumanoid(ctx);
    ClearAllQuad(ctx);
    MainCalc(ctx);
    (void)DesignFileBytes(ctx.design);
}

// A unit file: whatever the reader accepts is written out again and read back, which must succeed.
inline void ExerciseBlk(const CatalogRef& catalog, const std::string& bytes) {
    static const MegaMekNameTable names = [&] {
        MegaMekNameTable t;
        std::string error;
        int line = 0;
        if (!ParseMegaMekNames(MegaMekNamesText(), catalog, t, error, line)) std::abort();
        return t;
    }();
    BlkImport imported;
    BlkRefusal refusal;
    if (!ParseBlkFile(bytes, catalog, names, imported, refusal)) {
        (void)FormatBlkLine("fuzz.blk", refusal.line, refusal.problem);
        return;
    }
    (void)BlkReportText("fuzz.blk", imported.report);
    Context ctx;
    ctx.catalog = catalog;
    ctx.design = imported.design;
    ctx.armorList = imported.armorList;
    MainCalc(ctx);
    (void)Readout(ctx);
    const std::string again = BlkFileBytes(ctx, names, {imported.troopers, kDefaultUnitYear});
    if (!ParseBlkFile(again, catalog, names, imported, refusal)) std::abort();
}

}  // namespace vantrel::fuzz
