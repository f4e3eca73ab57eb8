#include "rules/MainCalc.h"

#include "TestCatalog.h"
#include "model/Context.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace vantrel {
namespace {

using test::Put;

struct Calc : ::testing::Test {
    Context ctx;
    Catalog& cat = test::Editable(ctx, test::PlainCatalog());
    Design& d = ctx.design;
    void SetUp() override {
        NewDesign(d);
        d.BodySlots[0] = kSlotGround;  // what the first slot rebuild lays down
    }
    void Run(const std::string& armor = "Standard") {
        ctx.armorList.text = armor;
        MainCalc(ctx);
    }
};

TEST_F(Calc, NewDesignTotals) {
    Run();
    EXPECT_EQ((std::array{d.CurrentKg, d.FreeKg, d.MaxHeat, d.HeatDissipation, d.UsedCSlots, d.FreeCSlots,
                          d.EstimatedBV}),
              (std::array{100, 650, 0, 1, 1, 19, 11}));
    EXPECT_EQ(d.Cost, 47500);

    d.TechBase = 1;  // Clan: lighter chassis, BV 13.75 shown as 14
    Run();
    EXPECT_EQ(d.CurrentKg, 75);
    EXPECT_EQ(d.EstimatedBV, 14);
}

TEST_F(Calc, VTOLWeightAndPriceByClass) {
    d.TechBase = 1;
    d.VTOLMP = 3;
    Run();
    EXPECT_EQ(d.CurrentKg, 35 + 15 + 25 + 120);
    EXPECT_EQ(d.Cost, 25000 + 2500 + 20000 + 210000);

    d.WeightClass = 2;  // a Medium suit from a file: weight charged, no VTOL price
    Run();
    EXPECT_EQ(d.CurrentKg, 100 + 15 + 25 + 120);
    EXPECT_EQ(d.Cost, 50000 + 2500 + 30000);
}

TEST_F(Calc, SpeedNumberAndFactor) {
    // One non-missile weapon of BV 100: o = 66 before the speed factor.
    Put(cat, 0, "Gun", 0, 1, kBallistic).BV = 100;
    d.OwnedCount[0] = 1;
    d.GroundMP = 3;
    d.UMUMP = 1;  // speed number is the largest (3), not the sum (4)
    Run();
    const double def = (3 / 10.0 + 1) * 2.5;
    EXPECT_EQ(d.EstimatedBV, static_cast<int>(std::nearbyint((66 * 0.77 + def) * 4)));

    d.UMUMP = 0;
    d.GroundMP = 5;  // factor 1 at 5
    Run();
    EXPECT_EQ(d.EstimatedBV, static_cast<int>(std::nearbyint((66 + 1.5 * 2.5) * 4)));
    EXPECT_DOUBLE_EQ(SpeedFactor(0), 1.0);
    EXPECT_DOUBLE_EQ(SpeedFactor(13), 1.0);
    EXPECT_DOUBLE_EQ(SpeedFactor(12), 1.89);
}

TEST_F(Calc, BattleValueOfItemsAndRounding) {
    Put(cat, 0, "None", 0, 1, kEquipment).BV = -1.0;   // exactly -1 adds nothing
    Put(cat, 1, "Minus", 0, 1, kEquipment).BV = -0.5;  // any other negative subtracts
    d.OwnedCount[0] = 5;
    Run();
    EXPECT_EQ(d.EstimatedBV, 11);
    d.GroundMP = 0;  // speed 0: factor 1; d = 2.5
    d.BodySlots[0] = -1;
    d.OwnedCount[1] = 1;
    // (-0.5 * 0.66 + 2.5) * 4 = 8.68
    Run();
    EXPECT_EQ(d.EstimatedBV, 9);

    // Missile launchers count their ammunition and skip the 0.66.
    Put(cat, 2, "SRM", 0, 1, kMissile).BV = 10;
    d.OwnedCount[1] = 0;
    d.OwnedCount[2] = 1;
    d.PlacedAmmo[2] = 2;
    Run();
    EXPECT_EQ(d.EstimatedBV, (30 + 2.5) * 4);

    // Half goes to the even neighbour: total 2.625 * 4 = 10.5 -> 10.
    d.OwnedCount[2] = 0;
    d.PlacedAmmo[2] = 0;
    Put(cat, 3, "Half", 0, 1, kMissile).BV = 0.125;
    d.OwnedCount[3] = 1;
    Run();
    EXPECT_EQ(d.EstimatedBV, 10);
}

TEST_F(Calc, CamoOwnedVersusPlacedAndStealth) {
    Put(cat, 7, "Camo System", 200, 2, kEquipment);
    d.OwnedCount[7] = 1;
    Run("Improved Stealth");  // only owned: the armor bonus (+3) applies
    EXPECT_EQ(d.EstimatedBV, static_cast<int>(std::nearbyint((1.1 * 2.5 + 3) * 4)));
    d.OwnedCount[7] = 0;
    d.PlacedCount[7] = 1;
    Run("Improved Stealth");  // placed: +1 whatever the armor
    EXPECT_EQ(d.EstimatedBV, static_cast<int>(std::nearbyint((1.1 * 2.5 + 1) * 4)));
}

TEST_F(Calc, QuadSlotsPricesAndArmor) {
    d.IsQuad = true;
    d.TurretSize = 3;
    d.TurretConfig = true;
    d.BodySlots[0] = -1;
    d.QuadSlots[0] = kSlotGround;
    Run();
    EXPECT_EQ(d.FreeCSlots, 18 - 1);
    EXPECT_EQ(d.CurrentKg, 100 + 30 + 10);

    Put(cat, 0, "Free", 40, 1).Price = -1;
    Put(cat, 1, "Zero", 60, 1).Price = 0;
    d.OwnedCount[0] = d.OwnedCount[1] = 1;
    const auto before = d.Cost;
    Run();
    EXPECT_EQ(d.Cost, before);
    EXPECT_EQ(d.CurrentKg, 240);

    d.ArmorPoints = 2;
    d.PlacedArmor = 1;
    d.TechBase = 2;  // Basic Stealth is dearer under Mixed
    Run("Basic Stealth");
    const auto mixed = d.Cost;
    d.TechBase = 1;
    Run("Basic Stealth");
    EXPECT_EQ(mixed - d.Cost, 3 * 3000);
}

}  // namespace
}  // namespace vantrel
