#pragma once
// What the fuzz targets and their regression test do with one input: read it, and run everything that
// draws on an accepted design. Shared so that a saved crash input replays exactly.

#include "equipment/Clearing.h"
#include "equipment/SlotView.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <string>

namespace vantrel::fuzz {

inline void ExerciseCatalog(const std::string& bytes) {
    static Catalog catalog;
    CatalogError error;
    if (!ParseCatalog(bytes, catalog, error)) (void)FormatCatalogError("fuzz.plb", error);
}

inline void ExerciseDesign(const Catalog& catalog, const std::string& bytes) {
    Context ctx;
    ctx.catalog = catalog;
    std::string error;
    int bad = 0;
    if (!ParseDesignFile(bytes, ctx.design, error, bad)) {
        (void)FormatOpenError("fuzz.vnt", bad, error);
        return;
    }
    const std::string armor = ArmorTypeName(ctx.design.TechBase, ctx.design.ArmorType);
    MainCalc(ctx.catalog, ctx.design, armor);
    (void)Readout(ctx.catalog, ctx.design, armor);
    (void)OwnedEntries(ctx.catalog, ctx.design, armor);
    for (int loc = 0; loc < kLocationCount; ++loc) {
        const auto a = Slots(static_cast<const Design&>(ctx.design), loc);
        for (int i = 0; i < a.count; ++i) {
            (void)SlotCaption(ctx.catalog, a.codes[i], armor);
            ctx.SelLocation = static_cast<int16_t>(loc);
            ctx.SelSlot = static_cast<int16_t>(i);
            (void)SelectionHighlight(ctx, armor);
        }
    }
    ctx.SelLocation = 0;
    ctx.SelSlot = static_cast<int16_t>(bytes.size() % kBodySlotCount);
    ClearSelected(ctx, true, armor);
    ctx.SelLocation = 4;
    ctx.SelSlot = static_cast<int16_t>(bytes.size() % kTurretSlotCount);
    ClearSelected(ctx, false, armor);
    RebuildMovementSlots(ctx, armor);
    ClearAllHumanoid(ctx, armor);
    ClearAllQuad(ctx, armor);
    MainCalc(ctx.catalog, ctx.design, armor);
    (void)DesignFileBytes(ctx.design);
}

}  // namespace vantrel::fuzz
