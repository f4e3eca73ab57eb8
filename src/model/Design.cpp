#include "model/Design.h"

namespace vantrel {

const char* const kAmmoSuffix = " Ammo";

SlotArrays Slots(Design& d, int location) {
    switch (location) {
        case kBody: return {d.BodySlots.data(), d.BodySpan.data(), kBodySlotCount};
        case kLeftArm: return {d.LeftArmSlots.data(), d.LeftArmSpan.data(), kArmSlotCount};
        case kRightArm: return {d.RightArmSlots.data(), d.RightArmSpan.data(), kArmSlotCount};
        case kQuadBody: return {d.QuadSlots.data(), d.QuadSpan.data(), kQuadSlotCount};
        case kTurret: return {d.TurretSlots.data(), d.TurretSpan.data(), kTurretSlotCount};
        default: return {nullptr, nullptr, 0};
    }
}

ConstSlotArrays Slots(const Design& d, int location) {
    const SlotArrays a = Slots(const_cast<Design&>(d), location);
    return {a.codes, a.spans, a.count};
}

void NewDesign(Design& d) {
    d = Design{};
    d.MechName = "Battle Armor";
    d.Model = "0";
    d.WeightClass = 1;
    d.TechBase = 0;
    d.SuitSystems = 1;
    d.GroundMP = 1;
    d.Spare1 = 1;
    for (int loc = 0; loc < kLocationCount; ++loc) {
        SlotArrays a = Slots(d, loc);
        for (int i = 0; i < a.count; ++i) a.codes[i] = a.spans[i] = -1;
    }
    d.CurrentKg = 100;
    d.FreeKg = 650;
    d.MaxHeat = 0;
    d.HeatDissipation = 1;
    d.UsedCSlots = 1;
    d.FreeCSlots = 19;
    d.EstimatedBV = 0;
    d.Cost = 0;
}

namespace {
bool IsAmmoOf(const std::string& text, const std::string& name) {
    const size_t n = name.size();
    return text.size() == n + 5 && text.compare(0, n, name) == 0 && text.compare(n, 5, kAmmoSuffix) == 0;
}
}  // namespace

int TurretUsableSlots(const Design& d) {
    const int n = d.TurretConfig ? d.TurretSize - 1 : d.TurretSize;
    return n < 0 ? 0 : (n > kTurretSlotCount ? kTurretSlotCount : n);
}

int16_t FindIndex(const Catalog& catalog, const std::string& strName) {
    for (int i = 0; i < kCatalogSize; ++i)
        if (strName == catalog[i].Name || IsAmmoOf(strName, catalog[i].Name)) return static_cast<int16_t>(i);
    return -1;
}

void AddToStash(const Catalog& catalog, Design& d, const std::string& strName, int16_t intNum) {
    for (int i = 0; i < kCatalogSize; ++i) {
        if (strName == catalog[i].Name)
            d.OwnedCount[i] += intNum;
        else if (IsAmmoOf(strName, catalog[i].Name))
            d.OwnedAmmo[i] += intNum;
    }
}

}  // namespace vantrel
