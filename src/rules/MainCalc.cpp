#include "rules/MainCalc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vantrel {

namespace {

constexpr int kChassisKgInnerSphere[5] = {50, 60, 185, 300, 385};
constexpr int kChassisKgClan[5] = {20, 35, 100, 200, 300};
constexpr int kMaxKg[5] = {400, 750, 1000, 1500, 1900};
// Kg per point: ground, jump, VTOL, underwater.
constexpr int kMoveKg[5][4] = {
    {25,  25,  40, 25 },
    {25,  25,  40, 25 },
    {25,  50,  40, 50 },
    {50,  100, 40, 75 },
    {100, 200, 40, 150},
};
constexpr int kSuitKg[3] = {5, 15, 20};
constexpr int kBasePrice[5] = {20000, 25000, 50000, 100000, 150000};
constexpr int kMovePrice[5][4] = {
    {5000,  50000,  70000, 50000 },
    {20000, 50000,  70000, 75000 },
    {30000, 75000,  0,     100000},
    {60000, 150000, 0,     250000},
    {90000, 300000, 0,     250000},
};
constexpr double kSpeedFactor[13] = {1, 0.5, 0.65, 0.77, 0.88, 1, 1.12, 1.24, 1.37, 1.5, 1.63, 1.76, 1.89};

int ArmorPrice(const std::string& text, int techBase) {
    struct Entry {
        const char* name;
        int price;
    };
    static constexpr Entry kPrices[] = {
        {"Standard",          10000},
        {"Advanced",          15000},
        {"Prototype",         5000 },
        {"Basic Stealth",     12000},
        {"Prototype Stealth", 24000},
        {"Standard Stealth",  15000},
        {"Improved Stealth",  20000},
        {"Fire Resistant",    12000},
        {"Mimetic",           30000},
    };
    if (text == "Basic Stealth" && techBase == 2) return 15000;
    for (const auto& e : kPrices)
        if (text == e.name) return e.price;
    return 0;
}

int StealthBonus(const std::string& text) {
    if (text == "Basic Stealth" || text == "Prototype Stealth") return 1;
    if (text == "Standard Stealth") return 2;
    if (text == "Improved Stealth" || text == "Mimetic") return 3;
    return 0;
}

// Tables are indexed by weight class; a class outside 0..4 (never produced by the program, refused
// by the file reader) gets nothing rather than reading out of bounds.
bool ValidClass(int c) { return c >= 0 && c < 5; }

}  // namespace

double SpeedFactor(int speed) { return speed >= 1 && speed <= 12 ? kSpeedFactor[speed] : 1.0; }

void MainCalc(Context& ctx) {
    const Catalog& catalog = ctx.catalog;
    Design& d = ctx.design;
    const std::string& armorTypeText = ctx.armorList.text;
    const int wc = d.WeightClass;
    const bool validClass = ValidClass(wc);
    const int suit = d.SuitSystems >= 0 && d.SuitSystems < 3 ? d.SuitSystems : -1;

    // Weight.
    // Sums run in 64 bits so that absurd counts from a damaged file wrap instead of overflowing.
    int64_t kg = 0;
    if (validClass) {
        kg += d.TechBase == 0 ? kChassisKgInnerSphere[wc] : kChassisKgClan[wc];
        kg += int64_t{d.GroundMP} * kMoveKg[wc][0] + int64_t{d.JumpMP} * kMoveKg[wc][1] +
              int64_t{d.VTOLMP} * kMoveKg[wc][2] + int64_t{d.UMUMP} * kMoveKg[wc][3];
    }
    if (suit >= 0) kg += kSuitKg[suit];
    kg += 10 * int64_t{d.TurretSize} + (d.TurretConfig ? 10 : 0) + d.ArmorWeight;
    kg += 100 * int64_t{d.HeatSinks};
    for (int i = 0; i < kCatalogSize; ++i)
        kg += int64_t{d.OwnedCount[i]} * catalog[i].Weight + int64_t{d.OwnedAmmo[i]} * catalog[i].AmmoWeight;
    kg += 100 * int64_t{d.PlacedHeatSinks};
    for (int i = 0; i < kCatalogSize; ++i)
        kg +=
            int64_t{d.PlacedCount[i]} * catalog[i].Weight + int64_t{d.PlacedAmmo[i]} * catalog[i].AmmoWeight;
    d.CurrentKg = static_cast<int32_t>(kg);
    d.FreeKg = static_cast<int32_t>((validClass ? kMaxKg[wc] : 0) - kg);

    // Heat.
    int64_t heat = 0;
    for (int i = 0; i < kCatalogSize; ++i)
        if (catalog[i].Heat >= 0) heat += (int64_t{d.OwnedCount[i]} + d.PlacedCount[i]) * catalog[i].Heat;
    d.MaxHeat = static_cast<int32_t>(heat);
    d.HeatDissipation = static_cast<int32_t>(int64_t{d.HeatSinks} + d.PlacedHeatSinks + 1);

    // Slots.
    int used = 0;
    for (int loc : {kRightArm, kLeftArm, kBody, kQuadBody, kTurret}) {
        const auto a = Slots(static_cast<const Design&>(d), loc);
        used += static_cast<int>(std::count_if(a.codes, a.codes + a.count, [](int v) { return v != -1; }));
    }
    d.UsedCSlots = used;
    const int available = d.IsQuad ? 16 + d.TurretSize - (d.TurretConfig ? 1 : 0) : 20;
    d.FreeCSlots = available - used;

    // Battle Value.
    const int m = std::max({d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP});
    double def = (m / 10.0 + 1) * (2.0 * d.ArmorPoints + 2.5);
    const int camo = FindIndex(catalog, "Camo System");
    if (camo >= 0 && d.PlacedCount[camo] != 0)
        def += 1;
    else
        def += StealthBonus(armorTypeText);
    double off = 0;
    for (int i = 0; i < kCatalogSize; ++i)
        if (catalog[i].Category != kMissile && catalog[i].BV != -1.0)
            off = off + d.OwnedCount[i] * catalog[i].BV + d.PlacedCount[i] * catalog[i].BV;
    off *= 0.66;
    for (int i = 0; i < kCatalogSize; ++i)
        if (catalog[i].Category == kMissile && catalog[i].BV != -1.0)
            off +=
                (static_cast<double>(d.OwnedCount[i]) + d.PlacedCount[i] + d.OwnedAmmo[i] + d.PlacedAmmo[i]) *
                catalog[i].BV;
    if (d.EnhancedImaging) off = off * 0.05 + off;
    const int speed = d.UMUMP != 0 ? m : d.GroundMP + d.JumpMP + d.VTOLMP;
    off *= SpeedFactor(speed);
    const double total = (off + def) * (d.TechBase == 0 ? 4 : 5);
    const double rounded = std::nearbyint(total);  // default rounding mode: half to even
    d.EstimatedBV = rounded >= -2147483648.0 && rounded <= 2147483647.0 ? static_cast<int32_t>(rounded) : 0;

    // Cost.
    int64_t cost = 0;
    if (validClass) cost += kBasePrice[wc];
    if (suit == 0)
        cost += d.TechBase == 2 ? 2500 : 1000;
    else if (suit == 1)
        cost += 2500;
    else if (suit == 2)
        cost += 5000;
    if (validClass)
        cost += int64_t{d.GroundMP} * kMovePrice[wc][0] + int64_t{d.JumpMP} * kMovePrice[wc][1] +
                int64_t{d.VTOLMP} * kMovePrice[wc][2] + int64_t{d.UMUMP} * kMovePrice[wc][3];
    cost += (int64_t{d.ArmorPoints} + d.PlacedArmor) * ArmorPrice(armorTypeText, d.TechBase);
    if (d.TurretConfig) cost += 5000;
    cost += 1000 * int64_t{d.TurretSize} + 2000 * int64_t{d.HeatSinks} + 2000 * int64_t{d.PlacedHeatSinks};
    if (d.EnhancedImaging) cost += 400000;
    for (int i = 0; i < kCatalogSize; ++i) {
        if (catalog[i].Price > 0) cost += (int64_t{d.OwnedCount[i]} + d.PlacedCount[i]) * catalog[i].Price;
        if (catalog[i].AmmoPrice > 0)
            cost += (int64_t{d.OwnedAmmo[i]} + d.PlacedAmmo[i]) * catalog[i].AmmoPrice;
    }
    d.Cost = static_cast<int32_t>(cost);
}

}  // namespace vantrel
