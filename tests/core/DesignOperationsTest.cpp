#include "equipment/DesignOperations.h"

#include "TestCatalog.h"
#include "rules/ArmorList.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using namespace test;

// A new Light Inner Sphere Humanoid on the rules catalog, its ground slot laid out.
struct Operations : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;

    void SetUp() override {
        test::Editable(ctx, RulesCatalog());
        NewDesign(d);
        ctx.armorList = ArmorListFor(d);
        ctx.RebuildSlots = true;
        ReleaseMovement(ctx, MoveKind::Ground);
    }

    // A unit of an item in a slot, as placing it leaves the design.
    void Place(int location, int slot, int idx) {
        Slots(d, location).codes[slot] = kSlotItemBase + idx;
        ++d.PlacedCount[idx];
    }

    int Count(int location, int code) const {
        const ConstSlotArrays a = Slots(std::as_const(d), location);
        int n = 0;
        for (int j = 0; j < a.count; ++j) n += a.codes[j] == code ? 1 : 0;
        return n;
    }
};

constexpr PagesToShow kAll{.chassis = true, .armor = true, .equipment = true, .slotLayouts = true};

TEST_F(Operations, WeightClassClearsAndBringsTheDesignWithinTheClass) {
    // A Light Quad with a configurable turret, 5 ground points, owned and placed equipment, 6 armor points.
    ChooseChassis(ctx, true);
    ChooseTurret(ctx, 3);
    ToggleConfigurableTurret(ctx);
    d.GroundMP = 5;
    d.ArmorPoints = 6;
    d.OwnedCount[kMediumLaser] = 2;
    Place(kQuadBody, 5, kSrm4);
    ASSERT_TRUE(d.TurretConfig);

    // Exoskeleton: Humanoid without a turret, everything cleared, within the class's 3 and 2.
    EXPECT_EQ(ChooseWeightClass(ctx, 0), kAll);
    EXPECT_FALSE(d.IsQuad);
    EXPECT_EQ(d.TurretSize, 0);
    EXPECT_FALSE(d.TurretConfig);
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 0);
    EXPECT_EQ(d.OwnedCount[kSrm4], 0);  // back from its slot, then emptied
    EXPECT_EQ(d.PlacedCount[kSrm4], 0);
    EXPECT_EQ(d.GroundMP, 3);
    EXPECT_EQ(d.ArmorPoints, 2);
    EXPECT_EQ(d.ArmorWeight, 100);
    EXPECT_EQ(Count(kBody, kSlotGround), 3);  // laid out again, on the Humanoid
    EXPECT_FALSE(ctx.RebuildSlots);

    // Light again: the chassis stays Humanoid. Heavy lowers a Humanoid's 3 ground points to 2.
    ChooseWeightClass(ctx, 1);
    EXPECT_FALSE(d.IsQuad);
    ChooseWeightClass(ctx, 3);
    EXPECT_EQ(d.GroundMP, 2);
    // A Quad Heavy keeps 4 of 5.
    ChooseWeightClass(ctx, 1);
    ChooseChassis(ctx, true);
    d.GroundMP = 5;
    ChooseWeightClass(ctx, 3);
    EXPECT_EQ(d.GroundMP, 4);

    // Medium under Clan takes the VTOL away; placed armor comes back and is cut to the class.
    ChooseTechBase(ctx, 1);
    ChooseWeightClass(ctx, 1);
    d.VTOLMP = 3;
    d.ArmorPoints = 2;
    d.PlacedArmor = 4;
    Slots(d, kQuadBody).codes[6] = kSlotArmor;  // four placed armor points, as the counts say
    Slots(d, kQuadBody).codes[7] = kSlotArmor;
    Slots(d, kQuadBody).codes[8] = kSlotArmor;
    Slots(d, kQuadBody).codes[9] = kSlotArmor;
    ChooseWeightClass(ctx, 2);
    EXPECT_EQ(d.VTOLMP, 0);
    EXPECT_EQ(d.PlacedArmor, 0);
    EXPECT_EQ(d.ArmorPoints, 6);
    EXPECT_EQ(d.ArmorWeight, 6 * 40);  // Clan Standard
}

TEST_F(Operations, ChassisTechnologyAndTheSmallChoices) {
    // The chassis already chosen: nothing is cleared, but a Humanoid has no turret.
    d.OwnedCount[kMediumLaser] = 1;
    Place(kBody, 3, kSrm4);
    d.TurretSize = 2;
    EXPECT_EQ(ChooseChassis(ctx, false), (PagesToShow{.chassis = true, .slotLayouts = true}));
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 1);
    EXPECT_EQ(d.PlacedCount[kSrm4], 1);
    EXPECT_EQ(d.TurretSize, 0);
    // A change: the owned equipment goes, the new chassis gets its movement.
    EXPECT_EQ(ChooseChassis(ctx, true),
              (PagesToShow{.chassis = true, .equipment = true, .slotLayouts = true}));
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 0);
    EXPECT_EQ(d.OwnedCount[kSrm4], 0);
    EXPECT_EQ(Count(kQuadBody, kSlotGround), 1);

    // The configurable turret needs a turret; no turret takes it away.
    ToggleConfigurableTurret(ctx);
    EXPECT_FALSE(d.TurretConfig);
    ChooseTurret(ctx, 1);
    ToggleConfigurableTurret(ctx);
    EXPECT_TRUE(d.TurretConfig);
    EXPECT_EQ(ChooseTurret(ctx, 0), PagesToShow{.chassis = true});
    EXPECT_FALSE(d.TurretConfig);

    // Clan to Inner Sphere: Enhanced Imaging stays, the VTOL goes, the list's Standard is chosen.
    ChooseTechBase(ctx, 1);
    ToggleEnhancedImaging(ctx);
    d.VTOLMP = 4;
    d.ArmorType = 1;
    d.ArmorSlots = 3;
    EXPECT_EQ(ChooseTechBase(ctx, 0), kAll);
    EXPECT_TRUE(d.EnhancedImaging);
    EXPECT_EQ(d.VTOLMP, 0);
    EXPECT_EQ(d.ArmorType, 0);
    EXPECT_EQ(ctx.armorList, ArmorListFor(d));
    EXPECT_EQ(ctx.armorList.text, "Standard");
    EXPECT_EQ(d.ArmorSlots, 0);
    // Suit systems clear nothing.
    d.OwnedCount[kMediumLaser] = 1;
    EXPECT_EQ(ChooseSuitSystems(ctx, 2), PagesToShow{.chassis = true});
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 1);
}

TEST_F(Operations, SliderReleasesAndArmorType) {
    // Jump released while VTOL is 3: the VTOL goes; the slots hold both kinds' entries as the points say.
    ChooseTechBase(ctx, 1);
    d.VTOLMP = 3;
    d.JumpMP = 2;
    Place(kBody, 6, kSrm4);
    EXPECT_EQ(ReleaseMovement(ctx, MoveKind::Jump), (PagesToShow{.chassis = true, .slotLayouts = true}));
    EXPECT_EQ(d.VTOLMP, 0);
    EXPECT_EQ(Count(kBody, kSlotJump), 2);
    EXPECT_EQ(d.OwnedCount[kSrm4], 1);  // the rebuild returned it
    // Ground released without a move still lays the slots out; VTOL then excludes the jump.
    d.VTOLMP = 1;
    ReleaseMovement(ctx, MoveKind::VTOL);
    EXPECT_EQ(d.JumpMP, 0);
    EXPECT_EQ(Count(kBody, kSlotVTOL), 1);

    // Heat sinks: below the placed ones leaves none unplaced.
    d.PlacedHeatSinks = 2;
    ReleaseHeatSinks(ctx, 1);
    EXPECT_EQ(d.HeatSinks, 0);
    ReleaseHeatSinks(ctx, 5);
    EXPECT_EQ(d.HeatSinks, 3);

    // Basic Stealth after Advanced (Inner Sphere) with 5 armor-system slots placed: they are freed and 3
    // of Basic Stealth wait; the points weigh 55 kg each.
    ChooseTechBase(ctx, 0);
    ChooseArmorType(ctx, 1);
    ASSERT_EQ(ctx.armorList.text, "Advanced");
    ASSERT_EQ(d.ArmorSlots, 8);
    for (int j = 6; j < 11; ++j) Slots(d, kBody).codes[j] = kSlotArmorSystem;
    d.PlacedArmorSlots = 5;
    d.ArmorSlots = 3;
    d.ArmorPoints = 4;
    EXPECT_EQ(ChooseArmorType(ctx, 3), (PagesToShow{.armor = true, .slotLayouts = true}));
    EXPECT_EQ(ctx.armorList.text, "Basic Stealth");
    EXPECT_EQ(d.PlacedArmorSlots, 0);
    EXPECT_EQ(Count(kBody, kSlotArmorSystem), 0);
    EXPECT_EQ(d.ArmorSlots, 3);
    EXPECT_EQ(d.ArmorWeight, 4 * 55);
    ChooseArmorType(ctx, 2);  // Prototype: no armor-system slots
    EXPECT_EQ(d.ArmorSlots, 0);
}

}  // namespace
}  // namespace vantrel
