#include "rules/Breakdown.h"

#include "TestCatalog.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Context.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace vantrel {
namespace {

// A random design on the shipped catalog: every input MainCalc reads, within what a file may hold.
void RandomDesign(std::mt19937& rng, Context& ctx) {
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Design& d = ctx.design;
    NewDesign(d);
    d.WeightClass = pick(0, 4);
    d.TechBase = pick(0, 2);
    d.IsQuad = pick(0, 1) == 1;
    d.SuitSystems = pick(0, 2);
    d.TurretSize = pick(0, 4);
    d.TurretConfig = pick(0, 1) == 1;
    d.GroundMP = pick(0, 6);
    d.JumpMP = pick(0, 1) ? pick(0, 6) : 0;
    d.VTOLMP = pick(0, 3) == 0 ? pick(0, 7) : 0;
    d.UMUMP = pick(0, 3) == 0 ? pick(0, 5) : 0;
    d.HeatSinks = pick(0, 3);
    d.PlacedHeatSinks = pick(0, 3);
    d.ArmorPoints = pick(0, 14);
    d.PlacedArmor = pick(0, 4);
    d.ArmorWeight = pick(0, 900);
    d.EnhancedImaging = pick(0, 2) == 0;
    const int armor = pick(-1, 8);  // -1: no selection; else a type of the Mixed base, which has them all
    ctx.armorList.text = armor < 0 ? "" : ArmorTypeName(2, armor);
    for (int k = pick(0, 14); k > 0; --k) {
        const int i = pick(0, kCatalogSize - 1);
        d.OwnedCount[i] = pick(0, 3);
        d.PlacedCount[i] = pick(0, 3);
        d.OwnedAmmo[i] = pick(0, 2) ? 0 : pick(1, 4);
        d.PlacedAmmo[i] = pick(0, 2) ? 0 : pick(1, 4);
    }
    if (pick(0, 3) == 0) d.PlacedCount[FindIndex(ctx.catalog, "Camo System")] = 1;
}

TEST(Breakdown, TermsAddUpToTheTotalsOfManyDesigns) {
    Context ctx;
    ctx.catalog = test::ShippedCatalog();
    std::mt19937 rng(1402);
    for (int n = 0; n < 3000; ++n) {
        RandomDesign(rng, ctx);
        MainCalc(ctx);
        const Design& d = ctx.design;
        const Breakdown b = MakeBreakdown(ctx);
        SCOPED_TRACE("design " + std::to_string(n));
        EXPECT_EQ(b.weight.total, d.CurrentKg);
        EXPECT_EQ(b.battleValue.total, d.EstimatedBV);
        EXPECT_EQ(b.cost.total, d.Cost);
        EXPECT_EQ(static_cast<int32_t>(static_cast<int64_t>(Fold(b.weight.terms))), d.CurrentKg);
        EXPECT_EQ(static_cast<int64_t>(Fold(b.cost.terms)), d.Cost);
        // The Battle Value terms reach the unrounded total exactly, and the rounding the shown figure.
        const std::vector<Term>& bv = b.battleValue.terms;
        ASSERT_GE(bv.size(), 2u);
        EXPECT_EQ(bv[bv.size() - 2].name, "Total before rounding");
        EXPECT_EQ(bv.back().name, "Rounded to a whole number");
        const std::vector<Term> beforeRounding(bv.begin(), bv.end() - 2);
        EXPECT_EQ(Fold(beforeRounding), bv[bv.size() - 2].value);
        EXPECT_EQ(Fold(bv), static_cast<double>(d.EstimatedBV));
    }
}

TEST(Breakdown, TermsOfAWorkedDesign) {
    Context ctx;
    Catalog& c = test::Editable(ctx, test::PlainCatalog());
    test::Put(c, 0, "Gun", 100, 1, kBallistic).BV = 10;
    test::Put(c, 1, "SRM", 60, 1, kMissile).BV = 3;
    c[1].AmmoWeight = 20;
    c[1].AmmoPrice = 500;
    c[1].Price = 8000;
    test::Put(c, 2, "Camo System", 200, 2);
    Design& d = ctx.design;
    NewDesign(d);
    d.GroundMP = 2;
    d.ArmorPoints = 1;
    d.EnhancedImaging = true;
    d.OwnedCount[0] = 1;
    d.PlacedCount[0] = 2;
    d.PlacedCount[1] = 1;
    d.OwnedAmmo[1] = 2;
    d.PlacedCount[2] = 1;
    ctx.armorList.text = "Standard";
    MainCalc(ctx);
    const Breakdown b = MakeBreakdown(ctx);

    std::vector<std::string> names;
    for (const Term& t : b.battleValue.terms) names.push_back(t.name + "=" + FormatTermValue(t.value));
    // o = (10 + 20) * 0.66 + 3 * 3 = 28.8, imaging 1.44 more, speed factor 0.65; d = 1.2 * 4.5 + 1.
    const std::vector<std::string> expected = {"Defense: movement factor=1.2",
                                               "Defense: armor factor=4.5",
                                               "Defense: Camo System=1",
                                               "Gun, not placed=10",
                                               "Gun, placed=20",
                                               "Non-missile factor=0.66",
                                               "SRM with its ammunition=9",
                                               "Enhanced Imaging=1.44",
                                               "Speed number=2",
                                               "Speed factor=0.65",
                                               "Defensive value=6.4",
                                               "Tech base multiplier=4",
                                               "Total before rounding=104.224",
                                               "Rounded to a whole number=-0.224"};
    // Shortest forms of the floating-point steps may carry a last digit; compare the names and kinds
    // exactly and the values to a millionth.
    ASSERT_EQ(b.battleValue.terms.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const std::string& e = expected[k];
        const std::string name = e.substr(0, e.find('='));
        EXPECT_EQ(b.battleValue.terms[k].name, name);
        EXPECT_NEAR(b.battleValue.terms[k].value, std::stod(e.substr(e.find('=') + 1)), 1e-6) << name;
    }
    EXPECT_EQ(b.battleValue.terms[5].kind, TermKind::Multiplier);
    EXPECT_EQ(b.battleValue.terms[8].kind, TermKind::Shown);
    EXPECT_EQ(d.EstimatedBV, 104);

    const std::string text = BreakdownText(b);
    EXPECT_NE(text.find("Weight\n  Chassis: 60\n  Suit systems: 15\n  Ground movement: 50\n"),
              std::string::npos);
    EXPECT_NE(text.find("  Gun: 300\n  SRM: 60\n  SRM Ammo: 40\n  Camo System: 200\n  Total: 725\n"),
              std::string::npos);
    EXPECT_NE(text.find("  SRM: 8000\n  SRM Ammo: 1000\n  Total: " + std::to_string(d.Cost) + "\n"),
              std::string::npos);
    EXPECT_NE(text.find("Battle Value\n"), std::string::npos);
    EXPECT_NE(text.find("\nCost\n  Base price: 25000\n"), std::string::npos);
}

// Values as a person reads them: no floating-point tails, at most three decimals, and the shown
// total before rounding and the shown rounding add up to the shown total.
TEST(Breakdown, ValuesReadAsAPersonWritesThem) {
    EXPECT_EQ(FormatTermValue(0), "0");
    EXPECT_EQ(FormatTermValue(-0.0), "0");
    EXPECT_EQ(FormatTermValue(1900), "1900");
    EXPECT_EQ(FormatTermValue(-145), "-145");
    EXPECT_EQ(FormatTermValue(6521337500.0), "6521337500");
    EXPECT_EQ(FormatTermValue(0.66), "0.66");
    EXPECT_EQ(FormatTermValue(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatTermValue(-0.5), "-0.5");
    EXPECT_EQ(FormatTermValue(94.16000000000001), "94.16");
    EXPECT_EQ(FormatTermValue(-0.21600000000000819), "-0.216");
    EXPECT_EQ(FormatTermValue(2.0004), "2");
    EXPECT_EQ(FormatTermValue(-0.0004), "0");

    BreakdownSection bv{
        "Battle Value",
        {{"Weapons", 94.1234, TermKind::Added},
          {kBeforeRounding, 94.1234, TermKind::Shown},
          {kRounding, 94 - 94.1234, TermKind::Added}},
        94
    };
    EXPECT_EQ(ShownValues(bv), (std::vector<std::string>{"94.123", "94.123", "-0.123"}));
    bv.terms[0].value = bv.terms[1].value = 249.5449999;  // shown as 249.545, rounded down
    bv.terms[2].value = 249 - 249.5449999;
    bv.total = 249;
    EXPECT_EQ(ShownValues(bv), (std::vector<std::string>{"249.545", "249.545", "-0.545"}));

    // Every design of many: the two shown figures add up to the shown total, in thousandths.
    Context ctx;
    ctx.catalog = test::ShippedCatalog();
    std::mt19937 rng(77);
    for (int n = 0; n < 500; ++n) {
        RandomDesign(rng, ctx);
        MainCalc(ctx);
        const Breakdown b = MakeBreakdown(ctx);
        const std::vector<std::string> shown = ShownValues(b.battleValue);
        ASSERT_GE(shown.size(), 2u);
        const auto milli = [](const std::string& s) { return std::llround(std::stod(s) * 1000); };
        EXPECT_EQ(milli(shown[shown.size() - 2]) + milli(shown.back()), int64_t{b.battleValue.total} * 1000)
            << shown[shown.size() - 2] << " + " << shown.back();
        for (const std::string& s : shown) EXPECT_LE(s.size() - std::min(s.size(), s.find('.')), 4u) << s;
    }
}

// A design at the reader's limits costs billions: every place that shows the cost shows the sum of
// the prices, and the file's 32-bit record keeps its bound until reading works the figure out again.
TEST(Breakdown, CostBeyondThirtyTwoBitsShowsWhole) {
    Context ctx;
    ctx.catalog = test::ShippedCatalog();
    NewDesign(ctx.design);
    ctx.armorList = ArmorListFor(ctx.design);
    MainCalc(ctx);
    int64_t expected = ctx.design.Cost;
    Design& d = ctx.design;
    d.OwnedCount.fill(1000);
    d.OwnedAmmo.fill(1000);
    for (const CatalogItem& item : ctx.catalog) {
        if (item.Price > 0) expected += 1000 * int64_t{item.Price};
        if (item.AmmoPrice > 0) expected += 1000 * int64_t{item.AmmoPrice};
    }
    MainCalc(ctx);
    ASSERT_GT(expected, int64_t{INT32_MAX});
    EXPECT_EQ(d.Cost, expected);
    const std::string figure = std::to_string(expected);
    EXPECT_EQ(StatusTexts(d)[6], "Cost: " + figure);
    EXPECT_NE(Readout(ctx).find("Cost: " + figure + " C-Bills\r\n"), std::string::npos);
    const Breakdown b = MakeBreakdown(ctx);
    EXPECT_EQ(b.cost.total, expected);
    EXPECT_NE(BreakdownText(b).find("  Total: " + figure + "\n"), std::string::npos);

    const std::string bytes = DesignFileBytes(d);
    EXPECT_NE(bytes.find("\r\n2147483647\r\n"), std::string::npos);
    Design read;
    std::string error;
    int bad = 0;
    ASSERT_TRUE(ParseDesignFile(bytes, read, error, bad)) << error;
    EXPECT_EQ(read.Cost, INT32_MAX);
    ctx.design = read;
    MainCalc(ctx);
    EXPECT_EQ(ctx.design.Cost, expected);
}

}  // namespace
}  // namespace vantrel
