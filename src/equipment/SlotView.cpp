#include "equipment/SlotView.h"

#include <algorithm>
#include <utility>

namespace vantrel {

const char* const kHeatSinkEntry = "Heat Sink";
const char* const kArmorPrefix = "Armor: ";
const char* const kASysPrefix = "ASys: ";
const char* const kAvailable = "Available";
const char* const kMovementCaptions[5] = {"", "Ground Movement", "Jump Jets", "VTOL", "UMU (Underwater)"};
const char* const kSpaceAdaptation = "Space Operations Adaptation";
const char* const kClampTail = "Magnetic Clamps";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string SlotCaption(const Context& ctx, int code) {
    const Catalog& catalog = ctx.catalog;
    if (code == kSlotArmorSystem) return kASysPrefix + ctx.armorList.text;
    if (code == kSlotFree) return kAvailable;
    if (code == kSlotHeatSink) return kHeatSinkEntry;
    if (code >= kSlotGround && code <= kSlotUMU) return kMovementCaptions[code];
    if (code == kSlotArmor) return kArmorPrefix + ctx.armorList.text;
    if (code >= kSlotItemBase && code < kSlotItemBase + kCatalogSize)
        return catalog[code - kSlotItemBase].Name;
    if (code >= kSlotAmmoBase && code <= kSlotAmmoLast)
        return catalog[code - kSlotAmmoBase].Name + kAmmoSuffix;
    return {};
}

Rgb SlotColour(int code) {
    if (code == kSlotFree) return kColourFree;
    if (code == kSlotHeatSink) return kColourHeatSink;
    if (code >= kSlotGround && code <= kSlotUMU) return kColourMovement;
    if (code == kSlotArmor || code == kSlotArmorSystem) return kColourArmor;
    return kColourItem;
}

std::vector<std::string> OwnedEntries(const Context& ctx) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    std::vector<std::string> out(static_cast<std::size_t>(std::max(0, int{d.HeatSinks})), kHeatSinkEntry);
    out.insert(out.end(), static_cast<std::size_t>(std::max(0, int{d.ArmorSlots})),
               kASysPrefix + ctx.armorList.text);
    for (int i = 0; i < kCatalogSize; ++i) {
        for (int k = 0; k < d.OwnedCount[i]; ++k) out.push_back(catalog[i].Name);
        for (int k = 0; k < d.OwnedAmmo[i]; ++k) out.push_back(catalog[i].Name + kAmmoSuffix);
    }
    return out;
}

std::vector<OwnedRun> OwnedRuns(const Context& ctx) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    std::vector<OwnedRun> out;
    const auto add = [&out](std::string text, int count) {
        if (count > 0) out.push_back({std::move(text), count});
    };
    add(kHeatSinkEntry, d.HeatSinks);
    add(kASysPrefix + ctx.armorList.text, d.ArmorSlots);
    for (int i = 0; i < kCatalogSize; ++i) {
        add(catalog[i].Name, d.OwnedCount[i]);
        add(catalog[i].Name + kAmmoSuffix, d.OwnedAmmo[i]);
    }
    return out;
}

}  // namespace vantrel
