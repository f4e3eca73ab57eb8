#include "rules/MainCalc.h"

#include "rules/CalcSections.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {

namespace calc {

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

double SpeedFactorOf(int speed) {
    static constexpr double kSpeedFactor[13] = {1,    0.5,  0.65, 0.77, 0.88, 1,   1.12,
                                                1.24, 1.37, 1.5,  1.63, 1.76, 1.89};
    return speed >= 1 && speed <= 12 ? kSpeedFactor[speed] : 1.0;
}

}  // namespace calc

double SpeedFactor(int speed) { return calc::SpeedFactorOf(speed); }

void MainCalc(Context& ctx) {
    Design& d = ctx.design;
    calc::NoRecorder none;

    const int64_t kg = calc::WeightKg(ctx, none);
    d.CurrentKg = static_cast<int32_t>(kg);
    d.FreeKg = static_cast<int32_t>((calc::ValidClass(d.WeightClass) ? calc::kMaxKg[d.WeightClass] : 0) - kg);

    // Heat.
    const Catalog& catalog = ctx.catalog;
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
    // Not the clamped usable count: a stored configurable flag without a turret has always cost a slot here.
    const int available = d.IsQuad ? 16 + d.TurretSize - (d.TurretConfig ? 1 : 0) : 20;
    d.FreeCSlots = available - used;

    d.EstimatedBV = calc::RoundBattleValue(calc::BattleValueUnrounded(ctx, none));
    d.Cost = calc::CostCBills(ctx, none);
}

}  // namespace vantrel
