#include "equipment/DesignOperations.h"

#include "TestCatalog.h"
#include "rules/ArmorList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

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

TEST_F(Operations, SlidersKeepTheirRanges) {
    // Light Inner Sphere Standard: 6 points at most, 50 kg each.
    SlideArmor(ctx, 4);
    EXPECT_EQ(d.ArmorPoints, 4);
    EXPECT_EQ(d.ArmorWeight, 200);
    SlideArmor(ctx, 9);
    EXPECT_EQ(d.ArmorPoints, 6);
    EXPECT_EQ(d.ArmorWeight, 300);
    // With 4 placed the total cannot go below them; the weight counts placed and unplaced points of
    // the type (Advanced: 40 kg a point).
    ChooseArmorType(ctx, 1);
    d.PlacedArmor = 4;
    SlideArmor(ctx, 2);
    EXPECT_EQ(d.ArmorPoints, 0);
    EXPECT_EQ(d.ArmorWeight, 4 * 40);
    SlideArmor(ctx, 7);
    EXPECT_EQ(d.ArmorPoints, 2);
    EXPECT_EQ(d.ArmorWeight, 6 * 40);
    // More placed than the class carries (a file's): none unplaced, whatever the slider says.
    d.PlacedArmor = 8;
    SlideArmor(ctx, 6);
    EXPECT_EQ(d.ArmorPoints, 0);
    EXPECT_EQ(d.ArmorWeight, 8 * 40);
    d.PlacedArmor = std::numeric_limits<int32_t>::min();
    SlideArmor(ctx, 3);
    EXPECT_EQ(d.ArmorPoints, std::numeric_limits<int32_t>::max());

    // Ground keeps 1..3 on a Light Humanoid, 5 on a Quad; VTOL has no room under Inner Sphere.
    SlideMovement(ctx, MoveKind::Ground, 5);
    EXPECT_EQ(d.GroundMP, 3);
    SlideMovement(ctx, MoveKind::Ground, 0);
    EXPECT_EQ(d.GroundMP, 1);
    SlideMovement(ctx, MoveKind::VTOL, 4);
    EXPECT_EQ(d.VTOLMP, 0);
    // A move changes only its own kind: the others and the slots wait for the release.
    d.UMUMP = 2;
    SlideMovement(ctx, MoveKind::Jump, 2);
    EXPECT_EQ(d.JumpMP, 2);
    EXPECT_EQ(d.UMUMP, 2);
    EXPECT_EQ(Count(kBody, kSlotJump), 0);
    ChooseChassis(ctx, true);
    SlideMovement(ctx, MoveKind::Ground, 5);
    EXPECT_EQ(d.GroundMP, 5);
}

TEST_F(Operations, AvailableEntriesFollowTheTechnologyAndTheWeaponsCarried) {
    test::Edited(ctx)[30].Name = "(C) ER Laser";
    test::Edited(ctx)[31].Name = "(I) ER Laser";
    const auto has = [](const std::vector<std::string>& entries, const std::string& entry) {
        return std::find(entries.begin(), entries.end(), entry) != entries.end();
    };
    std::vector<std::string> energy = AvailableEntries(ctx, kEnergy, true);
    EXPECT_TRUE(has(energy, "(I) ER Laser"));
    EXPECT_FALSE(has(energy, "(C) ER Laser"));
    EXPECT_TRUE(has(energy, "Medium Laser"));
    EXPECT_FALSE(has(energy, "SRM 4"));  // a missile
    ChooseTechBase(ctx, 1);
    energy = AvailableEntries(ctx, kEnergy, true);
    EXPECT_TRUE(has(energy, "(C) ER Laser"));
    EXPECT_FALSE(has(energy, "(I) ER Laser"));

    // Ammunition of the weapons carried, owned or placed; all of the base without the narrowing.
    EXPECT_TRUE(AvailableEntries(ctx, kAmmunition, true).empty());
    EXPECT_EQ(AvailableEntries(ctx, kAmmunition, false), std::vector<std::string>{"SRM 4 Ammo"});
    d.PlacedCount[kSrm4] = 1;
    EXPECT_EQ(AvailableEntries(ctx, kAmmunition, true), std::vector<std::string>{"SRM 4 Ammo"});
}

TEST_F(Operations, AddRemoveAndClearTheOwnedEquipment) {
    constexpr int kClanLaser = 30;
    test::Edited(ctx)[kClanLaser].Name = "(C) ER Laser";
    const int before = d.CurrentKg;

    // Items and ammunition, the totals worked out; only the status line is shown again.
    OwnedChange added = AddEquipment(ctx, {
                                              {"SRM 4",        2},
                                              {"SRM 4 Ammo",   1},
                                              {"Medium Laser", 1}
    });
    EXPECT_EQ(added.taken, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(added.pages, PagesToShow{});
    EXPECT_EQ(d.OwnedCount[kSrm4], 2);
    EXPECT_EQ(d.OwnedAmmo[kSrm4], 1);
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 1);
    EXPECT_EQ(d.CurrentKg, before + 2 * 240 + 40 + 500);

    // Refused, each alone and nothing of it taken: a Clan item under Inner Sphere, a text the catalog
    // does not know, no units, ammunition of a weapon that fires none, a count past its range.
    d.OwnedCount[kSmallLaser] = std::numeric_limits<int32_t>::max() - 1;
    added = AddEquipment(ctx, {
                                  {"(C) ER Laser",      1},
                                  {"Gauss Rifle",       1},
                                  {"Medium Laser",      0},
                                  {"Medium Laser Ammo", 1},
                                  {"Small Laser",       2},
                                  {"Small Laser",       1}
    });
    EXPECT_EQ(added.taken, (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(d.OwnedCount[kClanLaser], 0);
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 1);
    EXPECT_EQ(d.OwnedAmmo[kMediumLaser], 0);
    EXPECT_EQ(d.OwnedCount[kSmallLaser], std::numeric_limits<int32_t>::max());
    d.OwnedCount[kSmallLaser] = 0;
    ChooseTechBase(ctx, 1);  // Clan offers it (and empties the owned equipment)
    EXPECT_TRUE(AddEquipment(ctx,
                             {
                                 {"(C) ER Laser", 1}
    })
                    .taken[0]);
    EXPECT_EQ(d.OwnedCount[kClanLaser], 1);

    // Remove leaves the heat sinks and the armor entries; an item whose name begins like the heat
    // sink's goes. The last unit leaves none, and a list behind its counts takes none below 0.
    test::Edited(ctx)[31].Name = "Heat Sensor";
    d.OwnedCount[31] = 1;
    d.OwnedCount[kSrm4] = 2;
    d.OwnedAmmo[kSrm4] = 1;
    d.HeatSinks = 3;
    d.ArmorSlots = 2;
    const OwnedChange removed = RemoveEquipment(ctx, {
                                                         {"Heat Sink",           3},
                                                         {"ASys: Basic Stealth", 2},
                                                         {"Armor: Standard",     1},
                                                         {"Heat Sensor",         1},
                                                         {"SRM 4",               1},
                                                         {"SRM 4 Ammo",          4},
                                                         {"(C) ER Laser",        1}
    });
    EXPECT_EQ(removed.taken, (std::vector<bool>{false, false, false, true, true, true, true}));
    EXPECT_EQ(removed.pages, PagesToShow{});
    EXPECT_EQ(d.HeatSinks, 3);
    EXPECT_EQ(d.ArmorSlots, 2);
    EXPECT_EQ(d.OwnedCount[31], 0);
    EXPECT_EQ(d.OwnedCount[kSrm4], 1);
    EXPECT_EQ(d.OwnedAmmo[kSrm4], 0);
    EXPECT_EQ(d.OwnedCount[kClanLaser], 0);

    // Clear empties items and ammunition and refills the lists; heat sinks and armor slots stay.
    d.OwnedAmmo[kSrm4] = 5;
    EXPECT_EQ(ClearEquipment(ctx), PagesToShow{.equipment = true});
    EXPECT_EQ(d.OwnedCount[kSrm4], 0);
    EXPECT_EQ(d.OwnedAmmo[kSrm4], 0);
    EXPECT_EQ(d.HeatSinks, 3);
    EXPECT_EQ(d.ArmorSlots, 2);
}

}  // namespace
}  // namespace vantrel
