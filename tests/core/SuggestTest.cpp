#include "equipment/Suggest.h"

#include "../support/SuggestDesigns.h"
#include "TestCatalog.h"
#include "equipment/DesignCheck.h"
#include "equipment/SlotView.h"
#include "rules/ArmorList.h"
#include "rules/Limits.h"
#include "rules/MainCalc.h"
#include "rules/Offer.h"
#include "rules/Tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::ShippedCatalog;

int Index(const std::string& name) { return FindIndex(ShippedCatalog(), name); }

struct Case {
    Context ctx;
    std::vector<int> items;  // the catalog records the case offers besides plain filler
    std::string label;
};

// A small random case: a plain catalog with a few records of the shipped one in their places (a
// weapon or two with ammunition, now and then a rule item), a suit of either chassis and any base and
// class with up to 300 kg and a few scattered slots left, sometimes a weapon owned but not placed.
Case RandomCaseOnce(std::mt19937& rng) {
    Case c;
    Context& ctx = c.ctx;
    const Catalog& shipped = ShippedCatalog();
    test::Editable(ctx, test::PlainCatalog());
    const auto pick = [&](int lo, int hi) {
        return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
    };
    while (c.items.size() < 5) {
        const int i = pick(0, 212);
        if (std::find(c.items.begin(), c.items.end(), i) == c.items.end()) c.items.push_back(i);
    }
    for (const char* rule : {"Camo System", "Mine Dispenser", "Vibro-Claws", "Magnetic Clamps"})
        if (rng() % 3 == 0) c.items.push_back(Index(rule));
    for (int i : c.items) test::Edited(ctx)[i] = shipped[i];

    Design& d = ctx.design;
    NewDesign(d);
    d.IsQuad = rng() % 2 == 1;
    d.WeightClass = pick(d.IsQuad ? 1 : 0, 4);
    d.TechBase = pick(0, 2);
    d.SuitSystems = pick(0, 2);
    if (d.IsQuad) {
        d.TurretSize = pick(0, 3);
        d.TurretConfig = d.TurretSize > 0 && rng() % 2 == 0;
    }
    d.GroundMP = 1;
    d.JumpMP = pick(0, 1);
    d.EnhancedImaging = rng() % 4 == 0;
    d.HeatSinks = pick(0, 2);
    static const char* const kArmors[] = {"Standard", "Basic Stealth", "Standard Stealth", "Mimetic"};
    std::string armor = kArmors[rng() % 4];
    if (test::ArmorIndex(d.TechBase, armor) < 0) armor = "Standard";
    const int owned = c.items[0];
    const bool ownOne = rng() % 3 == 0 && OfferedByTechBase(shipped[owned].Name, d.TechBase);
    if (ownOne) {
        test::FinishSuit(ctx, armor, pick(0, 3), {std::pair(shipped[owned].Name.c_str(), 1)});
    } else {
        test::FinishSuit(ctx, armor, pick(0, 3), {});
    }
    // Room: two to four free slots left, the others taken by heat sinks; then armor points, which take
    // no slot, bring the free weight down towards up to 300 kg.
    const int32_t kgLeft = pick(0, 300);
    std::vector<std::pair<int, int>> free;
    for (int location : PlaceOrder(d)) {
        const ConstSlotArrays a = Slots(static_cast<const Design&>(d), location);
        for (int j = 0; j < std::min(UsableSlots(d, location), a.count); ++j)
            if (a.codes[j] == kSlotFree) free.emplace_back(location, j);
    }
    std::shuffle(free.begin(), free.end(), rng);
    const int keep = pick(2, 4);
    for (std::size_t k = static_cast<std::size_t>(keep); k < free.size(); ++k) {
        Slots(d, free[k].first).codes[free[k].second] = kSlotHeatSink;
        ++d.PlacedHeatSinks;
    }
    MainCalc(ctx);
    int kgPerPoint = 0;
    ArmorKgPerPoint(d.TechBase, d.ArmorType, kgPerPoint);
    const int most = ArmorMaximum(d).value_or(0);
    while (kgPerPoint > 0 && d.FreeKg - kgPerPoint >= kgLeft && d.ArmorPoints + d.PlacedArmor < most) {
        ++d.ArmorPoints;
        d.ArmorWeight = ArmorWeightOf(d).value_or(d.ArmorWeight);
        MainCalc(ctx);
    }
    MainCalc(ctx);
    c.label = std::string(d.IsQuad ? "quad" : "humanoid") + " class " + std::to_string(d.WeightClass) +
              " base " + std::to_string(d.TechBase) + ", " + std::to_string(d.FreeKg) + " kg, " +
              std::to_string(d.FreeCSlots) + " slots, heat " + std::to_string(d.HeatDissipation - d.MaxHeat);
    return c;
}

// A case the check passes with a few hundred kilograms at most to fill.
Case RandomCase(std::mt19937& rng) {
    for (;;) {
        Case c = RandomCaseOnce(rng);
        const Design& d = c.ctx.design;
        if (d.FreeKg >= 0 && d.FreeKg <= 400 && !HasError(CheckDesign(c.ctx))) return c;
    }
}

// Every combination of the case's items and their ammunition with at most as many units as there
// are free slots, each placed and checked for real; the valid ones, best first.
std::vector<Proposal> BruteForce(const Case& c, Objective objective) {
    AdditionChecker checker(c.ctx, objective);
    std::vector<Addition> entries;
    for (int i : c.items) {
        entries.push_back({i, false, 0});
        if (c.ctx.catalog[i].AmmoWeight != -1) entries.push_back({i, true, 0});
    }
    const int room = std::max(0, static_cast<int>(checker.Placed().design.FreeCSlots));
    std::vector<Proposal> found;
    std::vector<int> counts(entries.size(), 0);
    const auto visit = [&](auto&& self, std::size_t k, int left) -> void {
        if (k == entries.size()) {
            std::vector<Addition> added;
            for (std::size_t e = 0; e < entries.size(); ++e)
                if (counts[e] > 0) added.push_back({entries[e].index, entries[e].ammo, counts[e]});
            if (added.empty()) return;
            if (std::optional<Proposal> p = checker.Try(added)) found.push_back(std::move(*p));
            return;
        }
        for (int n = 0; n <= left; ++n) {
            counts[k] = n;
            self(self, k + 1, left - n);
        }
        counts[k] = 0;
    };
    visit(visit, 0, room);
    std::sort(found.begin(), found.end(), ProposalBefore);
    return found;
}

// On random small cases of both chassis, every base and every objective, the search proves the same
// best proposals (value, added weight and cost) as trying every combination.
TEST(Suggest, AgreesWithTryingEveryCombination) {
    std::mt19937 rng(29);
    int cases = 0, withProposals = 0;
    for (int round = 0; round < 40; ++round) {
        const Case c = RandomCase(rng);
        for (Objective objective : kObjectives) {
            SCOPED_TRACE(c.label + ", " + ObjectiveName(objective));
            SuggestOptions options;
            options.objective = objective;
            options.top = 3;  // and the default time limit, which none of these cases reaches
            const SuggestResult result = Suggest(c.ctx, options);
            ASSERT_TRUE(result.proven);
            const std::vector<Proposal> expected = BruteForce(c, objective);
            ASSERT_EQ(result.proposals.size(), std::min<std::size_t>(3, expected.size()));
            for (std::size_t k = 0; k < result.proposals.size(); ++k) {
                const Proposal& got = result.proposals[k];
                EXPECT_DOUBLE_EQ(got.value, expected[k].value) << k;
                EXPECT_EQ(got.addedKg, expected[k].addedKg) << k;
                EXPECT_EQ(got.addedCost, expected[k].addedCost) << k;
            }
            EXPECT_EQ(result.problem.empty(), !expected.empty()) << result.problem;
            ++cases;
            withProposals += expected.empty() ? 0 : 1;
        }
    }
    // The cases must not be trivial.
    EXPECT_GT(withProposals, cases / 2);
}

// Each proposal, applied to the design as the window and --apply do, places everything it adds, passes
// the design check without an error, and has the value and the design it claims. Ammunition comes
// with its weapon, and for damage every weapon that needs a load has one.
TEST(Suggest, EveryProposalAppliedIsWhatItClaims) {
    for (const Context& suit : {test::MediumSuit(ShippedCatalog()), test::LargestSuit(ShippedCatalog())}) {
        for (Objective objective : kObjectives) {
            // The largest suit's longer searches belong to the benchmark.
            if (suit.design.WeightClass == 4 && objective != Objective::BattleValue &&
                objective != Objective::DamageShort)
                continue;
            SCOPED_TRACE(std::to_string(suit.design.WeightClass) + " " + ObjectiveName(objective));
            SuggestOptions options;
            options.objective = objective;
            options.timeLimitSeconds = 60;  // slow builds (sanitizers) too
            const SuggestResult result = Suggest(suit, options);
            EXPECT_TRUE(result.proven);
            ASSERT_EQ(result.proposals.size(), 5u);
            EXPECT_TRUE(std::is_sorted(result.proposals.begin(), result.proposals.end(), ProposalBefore));
            for (const Proposal& p : result.proposals) {
                Context applied = suit;
                EXPECT_TRUE(ApplyProposal(applied, p).empty());
                MainCalc(applied);
                EXPECT_FALSE(HasError(CheckDesign(applied)));
                EXPECT_EQ(ObjectiveValue(applied, objective), p.value);
                EXPECT_GT(p.value, result.baseValue - (objective == Objective::BvPerCost ? 1e9 : 0));
                EXPECT_TRUE(applied.design == p.design);
                EXPECT_EQ(applied.design.OwnedCount, suit.design.OwnedCount);
                EXPECT_EQ(applied.design.OwnedAmmo, suit.design.OwnedAmmo);
                EXPECT_EQ(applied.design.CurrentKg - suit.design.CurrentKg, p.addedKg);
                for (const Addition& a : p.added) {
                    const CatalogItem& item = suit.catalog[a.index];
                    EXPECT_TRUE(OfferedByTechBase(item.Name, suit.design.TechBase)) << item.Name;
                    const bool damage =
                        objective != Objective::BattleValue && objective != Objective::BvPerCost;
                    if (a.ammo) {
                        EXPECT_GT(applied.design.PlacedCount[a.index], 0) << item.Name;
                    } else if (damage && item.AmmoWeight != -1) {
                        EXPECT_EQ(applied.design.PlacedAmmo[a.index], 1) << item.Name;
                    }
                }
            }
        }
    }
}

// A search cut short says so and never claims a proof; a cancelled one says it was cancelled.
TEST(Suggest, StopsAtItsTimeLimitOrWhenCancelled) {
    const Context suit = test::LargestSuit(ShippedCatalog());
    SuggestOptions options;
    options.objective = Objective::BvPerCost;
    options.timeLimitSeconds = 0.05;
    SuggestResult r = Suggest(suit, options);
    EXPECT_FALSE(r.proven);
    EXPECT_FALSE(r.cancelled);
    for (const Proposal& p : r.proposals) {
        Context applied = suit;
        ApplyProposal(applied, p);
        MainCalc(applied);
        EXPECT_FALSE(HasError(CheckDesign(applied)));
    }

    std::atomic<bool> cancel{true};
    options.cancel = &cancel;
    options.timeLimitSeconds = 60;
    r = Suggest(suit, options);
    EXPECT_FALSE(r.proven);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.proposals.empty());
    EXPECT_EQ(r.problem, "The search was cancelled before it found a proposal.");
}

// A design that already breaks a limit gets nothing and is told why; so is one without room. Neither
// is changed.
TEST(Suggest, SaysWhyNothingCanBeAdded) {
    // Prototype Stealth armor takes the same five armor-system slots at 115 kg a point.
    Context suit = test::MediumSuit(ShippedCatalog());
    Design& d = suit.design;
    d.ArmorType = test::ArmorIndex(d.TechBase, "Prototype Stealth");
    suit.armorList = ArmorListFor(d);
    d.ArmorPoints = 7;
    d.ArmorWeight = 805;
    MainCalc(suit);
    const Design before = suit.design;
    SuggestResult r = Suggest(suit, {});
    EXPECT_TRUE(r.proposals.empty());
    EXPECT_EQ(r.problem, "The design has an error to mend first: overweight by 85 kg.");
    EXPECT_TRUE(suit.design == before);

    // Six heat sinks take the last 600 kg.
    suit = test::MediumSuit(ShippedCatalog());
    suit.design.HeatSinks = 6;
    MainCalc(suit);
    r = Suggest(suit, {});
    EXPECT_TRUE(r.proposals.empty());
    EXPECT_TRUE(r.proven);
    EXPECT_EQ(r.problem,
              "No equipment that adds to the Estimated BV can be added: 0 kg, 2 free slots and 7 heat "
              "to spare.");
}

// Missile ammunition adds its launcher's Battle Value, but none comes without the launcher; a load
// alone makes a weapon already carried count for damage.
TEST(Suggest, AmmunitionOnlyWithItsWeapon) {
    Context ctx;
    test::Editable(ctx, test::PlainCatalog());
    const int srm = Index("(I) SRM 6");
    test::Edited(ctx)[srm] = ShippedCatalog()[srm];
    test::Edited(ctx)[srm].Heat = 0;
    NewDesign(ctx.design);
    ctx.design.WeightClass = 2;
    test::FinishSuit(ctx, "Standard", 0, {});
    const Addition weapon{srm, false, 1}, load{srm, true, 1}, twoLoads{srm, true, 2};
    AdditionChecker bv(ctx, Objective::BattleValue);
    EXPECT_FALSE(bv.Try({load}));
    EXPECT_TRUE(bv.Try({weapon, load}));
    AdditionChecker damage(ctx, Objective::DamageShort);
    EXPECT_FALSE(damage.Try({weapon}));
    EXPECT_FALSE(damage.Try({weapon, twoLoads}));
    EXPECT_EQ(damage.Try({weapon, load})->value, 12);

    test::FinishSuit(ctx, "Standard", 0, {std::pair("(I) SRM 6", 2)});
    SuggestOptions options;
    options.objective = Objective::DamageLong;
    const SuggestResult r = Suggest(ctx, options);
    ASSERT_FALSE(r.proposals.empty());
    EXPECT_EQ(r.baseValue, 0);
    EXPECT_EQ(r.proposals[0].value, 24);
    EXPECT_EQ(r.proposals[0].added, std::vector<Addition>{load});
}

TEST(Suggest, ObjectivesByName) {
    for (Objective o : kObjectives) EXPECT_EQ(ObjectiveByName(ObjectiveName(o)), o);
    EXPECT_FALSE(ObjectiveByName("BV"));
    EXPECT_EQ(FormatObjectiveValue(Objective::BattleValue, 598), "598");
    EXPECT_EQ(FormatObjectiveValue(Objective::DamageShort, 7.5), "7.5");
    EXPECT_EQ(FormatObjectiveValue(Objective::BvPerCost, 2520.5462), "2520.55");
}

}  // namespace
}  // namespace vantrel
