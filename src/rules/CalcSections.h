#pragma once

// The summed sections of MainCalc, written once for two callers: MainCalc runs them with NoRecorder
// (nothing kept, nothing slower), the breakdown with a recorder that keeps every term. So the
// breakdown cannot drift from the totals.

#include "model/Context.h"
#include "rules/Breakdown.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace vantrel::calc {

struct NoRecorder {
    void Fixed(TermKind, const char*, double) {}
    void Item(TermKind, const std::string&, const char*, double) {}
};

inline constexpr int kChassisKgInnerSphere[5] = {50, 60, 185, 300, 385};
inline constexpr int kChassisKgClan[5] = {20, 35, 100, 200, 300};
inline constexpr int kMaxKg[5] = {400, 750, 1000, 1500, 1900};
// Kg per point: ground, jump, VTOL, underwater.
inline constexpr int kMoveKg[5][4] = {
    {25,  25,  40, 25 },
    {25,  25,  40, 25 },
    {25,  50,  40, 50 },
    {50,  100, 40, 75 },
    {100, 200, 40, 150},
};
inline constexpr int kSuitKg[3] = {5, 15, 20};
inline constexpr int kBasePrice[5] = {20000, 25000, 50000, 100000, 150000};
inline constexpr int kMovePrice[5][4] = {
    {5000,  50000,  70000, 50000 },
    {20000, 50000,  70000, 75000 },
    {30000, 75000,  0,     100000},
    {60000, 150000, 0,     250000},
    {90000, 300000, 0,     250000},
};
inline constexpr const char* kMoveNames[4] = {"Ground movement", "Jump jets", "VTOL", "Underwater movement"};

int ArmorPrice(const std::string& text, int techBase);
int StealthBonus(const std::string& text);
double SpeedFactorOf(int speed);

// Tables are indexed by weight class; a class outside 0..4 (never produced by the program, refused
// by the file reader) gets nothing rather than reading out of bounds.
inline bool ValidClass(int c) { return c >= 0 && c < 5; }
inline int SuitOf(const Design& d) { return d.SuitSystems >= 0 && d.SuitSystems < 3 ? d.SuitSystems : -1; }

// Sums run in 64 bits so that absurd counts from a damaged file wrap on the way to 32 bits instead
// of overflowing.
template <class Rec>
int64_t WeightKg(const Context& ctx, Rec& rec) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    const int wc = d.WeightClass;
    const bool valid = ValidClass(wc);
    const int suit = SuitOf(d);
    int64_t kg = 0;
    const auto add = [&](const char* name, int64_t v) {
        rec.Fixed(TermKind::Added, name, static_cast<double>(v));
        kg += v;
    };
    add("Chassis", valid ? (d.TechBase == 0 ? kChassisKgInnerSphere[wc] : kChassisKgClan[wc]) : 0);
    add("Suit systems", suit >= 0 ? kSuitKg[suit] : 0);
    const int32_t mp[4] = {d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP};
    for (int k = 0; k < 4; ++k) add(kMoveNames[k], valid ? int64_t{mp[k]} * kMoveKg[wc][k] : 0);
    add("Turret", 10 * int64_t{d.TurretSize});
    add("Configurable turret", d.TurretConfig ? 10 : 0);
    add("Armor", d.ArmorWeight);
    add("Heat sinks, not placed", 100 * int64_t{d.HeatSinks});
    add("Heat sinks, placed", 100 * int64_t{d.PlacedHeatSinks});
    for (int i = 0; i < kCatalogSize; ++i) {
        const int64_t units = int64_t{d.OwnedCount[i]} + d.PlacedCount[i];
        const int64_t loads = int64_t{d.OwnedAmmo[i]} + d.PlacedAmmo[i];
        if (units != 0) {
            const int64_t v = units * catalog[i].Weight;
            rec.Item(TermKind::Added, catalog[i].Name, "", static_cast<double>(v));
            kg += v;
        }
        if (loads != 0) {
            const int64_t v = loads * catalog[i].AmmoWeight;
            rec.Item(TermKind::Added, catalog[i].Name, kAmmoSuffix, static_cast<double>(v));
            kg += v;
        }
    }
    return kg;
}

// The estimate before its rounding. The floating-point steps are those of the rule, one by one: the
// recorded terms replay them exactly.
template <class Rec>
double BattleValueUnrounded(const Context& ctx, Rec& rec) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    const int m = std::max({d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP});
    const double moveFactor = m / 10.0 + 1;
    const double armorFactor = 2.0 * d.ArmorPoints + 2.5;
    rec.Fixed(TermKind::Shown, "Defense: movement factor", moveFactor);
    rec.Fixed(TermKind::Shown, "Defense: armor factor", armorFactor);
    double def = moveFactor * armorFactor;
    const int camo = FindIndex(catalog, "Camo System");
    if (camo >= 0 && d.PlacedCount[camo] != 0) {
        rec.Fixed(TermKind::Shown, "Defense: Camo System", 1);
        def += 1;
    } else {
        const int bonus = StealthBonus(ctx.armorList.text);
        rec.Fixed(TermKind::Shown, "Defense: stealth bonus", bonus);
        def += bonus;
    }
    double off = 0;
    for (int i = 0; i < kCatalogSize; ++i) {
        if (catalog[i].Category == kMissile || catalog[i].BV == -1.0) continue;
        const double owned = d.OwnedCount[i] * catalog[i].BV;
        const double placed = d.PlacedCount[i] * catalog[i].BV;
        off = off + owned + placed;
        // Two terms only when both are there: the sum is taken in two steps.
        if (d.OwnedCount[i] != 0 && d.PlacedCount[i] != 0) {
            rec.Item(TermKind::Added, catalog[i].Name, ", not placed", owned);
            rec.Item(TermKind::Added, catalog[i].Name, ", placed", placed);
        } else if (d.OwnedCount[i] != 0 || d.PlacedCount[i] != 0) {
            rec.Item(TermKind::Added, catalog[i].Name, "", owned + placed);
        }
    }
    rec.Fixed(TermKind::Multiplier, "Non-missile factor", 0.66);
    off *= 0.66;
    for (int i = 0; i < kCatalogSize; ++i) {
        if (catalog[i].Category != kMissile || catalog[i].BV == -1.0) continue;
        const double count =
            static_cast<double>(d.OwnedCount[i]) + d.PlacedCount[i] + d.OwnedAmmo[i] + d.PlacedAmmo[i];
        const double v = count * catalog[i].BV;
        off += v;
        if (count != 0) rec.Item(TermKind::Added, catalog[i].Name, " with its ammunition", v);
    }
    if (d.EnhancedImaging) {
        const double extra = off * 0.05;
        rec.Fixed(TermKind::Added, "Enhanced Imaging", extra);
        off = extra + off;
    }
    const int speed = d.UMUMP != 0 ? m : d.GroundMP + d.JumpMP + d.VTOLMP;
    const double factor = SpeedFactorOf(speed);
    rec.Fixed(TermKind::Shown, "Speed number", speed);
    rec.Fixed(TermKind::Multiplier, "Speed factor", factor);
    off *= factor;
    rec.Fixed(TermKind::Added, "Defensive value", def);
    const int tech = d.TechBase == 0 ? 4 : 5;
    rec.Fixed(TermKind::Multiplier, "Tech base multiplier", tech);
    return (off + def) * tech;
}

// Half to even (the default rounding mode); a figure beyond 32 bits shows as 0.
inline int32_t RoundBattleValue(double total) {
    const double rounded = std::nearbyint(total);
    return rounded >= -2147483648.0 && rounded <= 2147483647.0 ? static_cast<int32_t>(rounded) : 0;
}

template <class Rec>
int64_t CostCBills(const Context& ctx, Rec& rec) {
    const Catalog& catalog = ctx.catalog;
    const Design& d = ctx.design;
    const int wc = d.WeightClass;
    const bool valid = ValidClass(wc);
    const int suit = SuitOf(d);
    int64_t cost = 0;
    const auto add = [&](const char* name, int64_t v) {
        rec.Fixed(TermKind::Added, name, static_cast<double>(v));
        cost += v;
    };
    add("Base price", valid ? kBasePrice[wc] : 0);
    add("Suit systems", suit == 0   ? (d.TechBase == 2 ? 2500 : 1000)
                        : suit == 1 ? 2500
                        : suit == 2 ? 5000
                                    : 0);
    const int32_t mp[4] = {d.GroundMP, d.JumpMP, d.VTOLMP, d.UMUMP};
    for (int k = 0; k < 4; ++k) add(kMoveNames[k], valid ? int64_t{mp[k]} * kMovePrice[wc][k] : 0);
    add("Armor", (int64_t{d.ArmorPoints} + d.PlacedArmor) * ArmorPrice(ctx.armorList.text, d.TechBase));
    add("Configurable turret", d.TurretConfig ? 5000 : 0);
    add("Turret", 1000 * int64_t{d.TurretSize});
    add("Heat sinks, not placed", 2000 * int64_t{d.HeatSinks});
    add("Heat sinks, placed", 2000 * int64_t{d.PlacedHeatSinks});
    add("Enhanced Imaging", d.EnhancedImaging ? 400000 : 0);
    for (int i = 0; i < kCatalogSize; ++i) {
        const int64_t units = int64_t{d.OwnedCount[i]} + d.PlacedCount[i];
        const int64_t loads = int64_t{d.OwnedAmmo[i]} + d.PlacedAmmo[i];
        if (catalog[i].Price > 0 && units != 0) {
            const int64_t v = units * catalog[i].Price;
            rec.Item(TermKind::Added, catalog[i].Name, "", static_cast<double>(v));
            cost += v;
        }
        if (catalog[i].AmmoPrice > 0 && loads != 0) {
            const int64_t v = loads * catalog[i].AmmoPrice;
            rec.Item(TermKind::Added, catalog[i].Name, kAmmoSuffix, static_cast<double>(v));
            cost += v;
        }
    }
    return cost;
}

}  // namespace vantrel::calc
