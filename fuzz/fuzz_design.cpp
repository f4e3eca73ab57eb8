// Any bytes given to the design-file reader; whatever it accepts must then survive the calculation,
// the readout, the slot drawing and the clearing routines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "equipment/Clearing.h"
#include "equipment/SlotView.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Catalog.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

namespace {
const vantrel::Catalog& TheCatalog() {
    static const vantrel::Catalog catalog = [] {
        vantrel::Catalog c;
        vantrel::CatalogError e;
        if (!vantrel::LoadCatalog(VANTREL_CATALOG_PATH, c, e)) std::abort();
        return c;
    }();
    return catalog;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    Context ctx;
    ctx.catalog = TheCatalog();
    std::string error;
    int bad = 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!ParseDesignFile(bytes, ctx.design, error, bad)) return 0;
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
    // The selection of the last slot of the body stays for Clear Selected.
    ctx.SelLocation = 0;
    ctx.SelSlot = static_cast<int16_t>(size % kBodySlotCount);
    ClearSelected(ctx, true, armor);
    RebuildMovementSlots(ctx, armor);
    ClearAllHumanoid(ctx, armor);
    ClearAllQuad(ctx, armor);
    (void)DesignFileBytes(ctx.design);
    return 0;
}
