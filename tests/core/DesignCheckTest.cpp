#include "equipment/DesignCheck.h"

#include "TestCatalog.h"
#include "equipment/Placement.h"
#include "model/Context.h"
#include "rules/MainCalc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Strings = std::vector<std::string>;
using namespace test;

constexpr int kLaser = kMediumLaser, kSrm = kSrm4;

struct Check : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;

    void SetUp() override {
        Catalog& c = test::Editable(ctx, RulesCatalog());
        Put(c, kCamo, "Camo System", 100, 2);  // light enough for the legal design with every rule item
        Put(c, kLaser, "Laser", 150, 1, kEnergy).Heat = 2;
        Put(c, kSrm, "SRM", 60, 1, kMissile).AmmoWeight = 10;
        NewDesign(d);
        d.BodySlots[0] = kSlotGround;
        ctx.armorList.text = "Standard";
    }

    // A unit in a slot as a design file may hold it, whatever the rules say.
    void Put1(int location, int slot, int idx) {
        Slots(d, location).codes[slot] = kSlotItemBase + idx;
        ++d.PlacedCount[idx];
    }

    std::vector<std::string> Lines() {
        MainCalc(ctx);
        std::vector<std::string> out;
        for (const Finding& f : CheckDesign(ctx)) out.push_back(FindingLine(f));
        return out;
    }

    bool Has(const std::string& line) {
        const std::vector<std::string> lines = Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(Check, LegalDesignHasNoFindings) {
    EXPECT_TRUE(Lines().empty());
    // Every rule item placed the way the rules allow: jump for the foil and the dispenser, one clamp, a
    // Light suit with a booster and no wing, the camo on Standard armor; then VTOL (a Clan suit, jump
    // given up) for the rack and the dispenser.
    d.JumpMP = 1;
    d.BodySlots[1] = kSlotJump;
    Put1(kBody, 3, kParaFoil);
    Put1(kBody, 4, kMineDispenser);
    Put1(kBody, 5, kJumpBooster);
    Put1(kRightArm, 0, kClamps);
    Slots(d, kLeftArm).codes[0] = kSlotItemBase + kClamps;
    Put1(kBody, 7, kCamo);
    Put1(kBody, 8, kSpaceOps);
    d.RightArmSlots[1] = d.LeftArmSlots[1] = kSlotItemBase + kSpaceOps;
    std::vector<std::string> lines = Lines();
    EXPECT_TRUE(lines.empty()) << lines.front();
    EXPECT_FALSE(HasError(CheckDesign(ctx)));

    d.TechBase = 1;
    d.JumpMP = 0;
    d.VTOLMP = 1;
    d.BodySlots[1] = kSlotVTOL;
    d.BodySlots[3] = kSlotFree;
    d.PlacedCount[kParaFoil] = 0;
    Put1(kBody, 6, kBombRack);
    lines = Lines();
    EXPECT_TRUE(lines.empty()) << lines.front();
    EXPECT_FALSE(HasError(CheckDesign(ctx)));
}

TEST_F(Check, TotalsOverTheirLimits) {
    d.OwnedCount[kLaser] = 5;  // 750 kg more, heat 10
    d.HeatSinks = 2;
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "error: overweight by " + std::to_string(-d.FreeKg) + " kg");
    EXPECT_EQ(-d.FreeKg, 100 + 750 + 200 - 750);
    EXPECT_EQ(lines[1], "error: heat 7 above dissipation");
    EXPECT_TRUE(HasError(CheckDesign(ctx)));

    // Heat equal to the dissipation and weight at the limit are legal.
    d.OwnedCount[kLaser] = 1;
    d.HeatSinks = 1;
    d.ArmorType = 2;  // Prototype: 4 points weigh 400 kg
    d.ArmorPoints = 4;
    d.ArmorWeight = 750 - 100 - 150 - 100;
    EXPECT_EQ(Lines(), (Strings{"warning: not placed: Heat Sink (1)", "warning: not placed: Laser (1)"}));
    EXPECT_EQ(d.FreeKg, 0);

    for (int j = 0; j < kBodySlotCount; ++j) d.BodySlots[j] = kSlotHeatSink;
    for (int j = 0; j < kArmSlotCount; ++j) d.RightArmSlots[j] = d.LeftArmSlots[j] = kSlotArmor;
    d.QuadSlots[0] = kSlotArmor;  // left from a quad: still counted
    EXPECT_TRUE(Has("error: 21 critical slots used, the chassis has 20"));
}

TEST_F(Check, PlacedEquipmentBreakingARule) {
    const std::string foil = "error: A Battle Armor must be able to jump to equip a Para Foil.";
    const std::string clamp = "error: Only one piece of clamp type equipment can be equipped at once.";
    const std::string rackVtol = "error: Only Battle Armors equipped with VTOL may use Bomb Racks.";
    const std::string oneRack = "error: Only 1 Bomb Rack is allowed per Battle Armor.";
    const std::string camo = "error: Camo System cannot be used in conjunction with Mimetic Armor.";
    const std::string boosterLight = "error: Only Light Battle Armors may use a Jump Booster.";
    const std::string wingLight = "error: Only Light Battle Armors may use a Partial Wing.";
    const std::string together = "error: Jump Boosters cannot be used in conjunction with Partial Wings.";
    const std::string lift = "error: You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.";

    Put1(kBody, 1, kParaFoil);
    EXPECT_EQ(Lines(), Strings{foil});
    d.JumpMP = 1;
    EXPECT_FALSE(Has(foil));

    Put1(kBody, 2, kMineDispenser);
    d.JumpMP = 0;
    EXPECT_TRUE(Has(lift));
    d.VTOLMP = 1;
    EXPECT_FALSE(Has(lift));

    // Two clamp units, of one kind or of both: one line.
    Put1(kRightArm, 0, kClamps);
    d.LeftArmSlots[0] = kSlotItemBase + kClamps;
    EXPECT_FALSE(Has(clamp));
    Put1(kRightArm, 1, kClawClamps);
    d.LeftArmSlots[1] = kSlotItemBase + kClawClamps;
    std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), clamp), 1);

    Put1(kBody, 4, kBombRack);
    d.VTOLMP = 0;
    EXPECT_TRUE(Has(rackVtol));
    EXPECT_FALSE(Has(oneRack));
    Put1(kBody, 6, kBombRack);
    EXPECT_TRUE(Has(oneRack));

    Put1(kBody, 8, kCamo);
    EXPECT_FALSE(Has(camo));
    ctx.armorList.text = "Mimetic";
    EXPECT_TRUE(Has(camo));

    Put1(kBody, 10, kJumpBooster);
    EXPECT_FALSE(Has(boosterLight));
    d.WeightClass = 2;
    EXPECT_TRUE(Has(boosterLight));
    d.WeightClass = 1;
    Put1(kBody, 11, kPartialWing);
    lines = Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), together), 1);
    EXPECT_FALSE(Has(wingLight));
    d.WeightClass = 0;
    EXPECT_TRUE(Has(wingLight));
}

TEST_F(Check, SecondSpaceAdaptationOnTheBody) {
    Put1(kBody, 1, kSpaceOps);
    d.RightArmSlots[0] = d.LeftArmSlots[0] = kSlotItemBase + kSpaceOps;
    EXPECT_TRUE(Lines().empty());
    Put1(kBody, 2, kSpaceOps);
    d.RightArmSlots[1] = d.LeftArmSlots[1] = kSlotItemBase + kSpaceOps;
    EXPECT_EQ(Lines(), Strings{std::string("error: ") + kOneSpaceAdaptation});

    // A quad places it like any other item.
    NewDesign(d);
    d.IsQuad = true;
    d.QuadSlots[0] = kSlotGround;
    Put1(kQuadBody, 1, kSpaceOps);
    Put1(kQuadBody, 2, kSpaceOps);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(Check, EntriesNotYetPlacedAndSlotsOfTheOtherChassis) {
    d.WeightClass = 4;
    d.HeatSinks = 3;
    d.ArmorSlots = 1;
    d.OwnedCount[kSrm] = 3;
    d.OwnedAmmo[kSrm] = 2;
    d.OwnedCount[kLaser] = 1;
    d.PlacedCount[kLaser] = 1;  // placed units are not listed
    d.BodySlots[3] = kSlotItemBase + kLaser;
    d.QuadSlots[4] = kSlotHeatSink;
    d.TurretSlots[0] = kSlotItemBase + kSrm;
    d.TurretSlots[1] = kSlotAmmoBase + kSrm;
    EXPECT_EQ(Lines(),
              (Strings{
                  "warning: not placed: Heat Sink (3)",
                  "warning: not placed: ASys: Standard (1)",
                  "warning: not placed: Laser (1)",
                  "warning: not placed: SRM (3)",
                  "warning: not placed: SRM Ammo (2)",
                  "note: Quad Body of the Quad chassis holds 1 filled slot; the design is a Humanoid",
                  "note: Turret of the Quad chassis holds 2 filled slots; the design is a Humanoid",
              }));
    EXPECT_FALSE(HasError(CheckDesign(ctx)));

    d.IsQuad = true;
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines.back(), "note: Body of the Humanoid chassis holds 2 filled slots; the design is a Quad");
}

// Each limit the first two pages keep, broken alone on a new Light Inner Sphere Humanoid: exactly its
// error, naming the value and the limit; the same design at the limit has none.
TEST_F(Check, MovementArmorAndTurretOutsideTheirLimits) {
    struct Case {
        const char* label;
        std::function<void()> set;
        std::string error;  // empty: the design is legal
    };
    const std::string oneKind = " together: a suit uses one of jump, VTOL and underwater movement at most";
    const std::vector<Case> cases = {
        {"no ground",                          [&] { d.GroundMP = 0; },                                                       "ground movement 0 is below the minimum of 1"      },
        {"ground on a Heavy",                  [&] { d.WeightClass = 3, d.GroundMP = 3; },
         "ground movement 3 is above the maximum of 2 for a Humanoid Heavy suit"                                                                                                 },
        {"ground on a Heavy quad",             [&] { d.WeightClass = 3, d.IsQuad = true, d.GroundMP = 4; },                   ""                                                 },
        {"ground on a Light quad",             [&] { d.IsQuad = true, d.GroundMP = 6; },
         "ground movement 6 is above the maximum of 5 for a Quad Light suit"                                                                                                     },
        {"jump at the top",                    [&] { d.JumpMP = 3; },                                                         ""                                                 },
        {"jump",                               [&] { d.JumpMP = 4; },                                                         "jump 4 is above the maximum of 3 for a Light suit"},
        {"jump on an Assault",                 [&] { d.WeightClass = 4, d.JumpMP = 3; },
         "jump 3 is above the maximum of 2 for an Assault suit"                                                                                                                  },
        {"VTOL, Inner Sphere",                 [&] { d.VTOLMP = 2; },
         "VTOL movement 2 is above the maximum of 0: Inner Sphere suits cannot use VTOL"                                                                                         },
        {"VTOL, Clan Medium",                  [&] { d.TechBase = 1, d.WeightClass = 2, d.VTOLMP = 1; },
         "VTOL movement 1 is above the maximum of 0: only Exoskeleton and Light suits can use VTOL"                                                                              },
        {"VTOL, Mixed Exoskeleton at the top", [&] { d.TechBase = 2, d.WeightClass = 0, d.VTOLMP = 7; },                      ""                                                 },
        {"VTOL, Clan Light",                   [&] { d.TechBase = 1, d.VTOLMP = 8; },
         "VTOL movement 8 is above the maximum of 7"                                                                                                                             },
        {"underwater, Exoskeleton",            [&] { d.WeightClass = 0, d.UMUMP = 1; },
         "underwater movement 1 is above the maximum of 0: an Exoskeleton cannot move underwater"                                                                                },
        {"underwater at the top",              [&] { d.UMUMP = 5; },                                                          ""                                                 },
        {"underwater",                         [&] { d.UMUMP = 6; },                                                          "underwater movement 6 is above the maximum of 5"  },
        {"jump and underwater",                [&] { d.JumpMP = 1, d.UMUMP = 2; },
         "jump 1 and underwater movement 2" + oneKind                                                                                                                            },
        {"all three",                          [&] { d.TechBase = 1, d.JumpMP = 1, d.VTOLMP = 1, d.UMUMP = 1; },
         "jump 1, VTOL movement 1 and underwater movement 1" + oneKind                                                                                                           },
        {"armor at the top",                   [&] { d.ArmorPoints = 2, d.PlacedArmor = 4, d.ArmorWeight = 300; },            ""                                                 },
        {"armor",                              [&] { d.ArmorPoints = 3, d.PlacedArmor = 4, d.ArmorWeight = 350; },
         "armor points 7 are above the maximum of 6 for a Light suit"                                                                                                            },
        {"armor weight",                       [&] { d.ArmorPoints = 2, d.ArmorWeight = 90; },
         "armor weight 90 kg does not match 2 points of Standard armor, which weigh 100 kg"                                                                                      },
        {"armor weight of the type",           // list index 1 is Basic Stealth under Clan: 45 kg a point
         [&] { d.TechBase = 1, d.ArmorType = 1, d.ArmorPoints = 2, d.ArmorWeight = 80; },
         "armor weight 80 kg does not match 2 points of Basic Stealth armor, which weigh 90 kg"                                                                                  },
        {"turret on a quad",                   [&] { d.IsQuad = true, d.TurretSize = 3, d.TurretConfig = true; },             ""                                                 },
        {"turret on a humanoid",               [&] { d.TurretSize = 3; },
         "a turret of 3 slots on a Humanoid: only a Quad carries a turret"                                                                                                       },
        {"configurable, no turret",            [&] { d.IsQuad = true, d.TurretConfig = true; },
         "a configurable turret without a turret"                                                                                                                                },
        {"quad Exoskeleton",                   [&] { d.WeightClass = 0, d.IsQuad = true; },
         "a Quad Exoskeleton: an Exoskeleton is always Humanoid"                                                                                                                 },
    };
    for (const Case& c : cases) {
        SetUp();
        c.set();
        Strings errors;
        for (const std::string& line : Lines())
            if (line.starts_with("error: ")) errors.push_back(line);
        EXPECT_EQ(errors, c.error.empty() ? Strings{} : Strings{"error: " + c.error}) << c.label;
    }
}

// Owned or placed, an item or its ammunition: the technology base must offer it.
TEST_F(Check, ItemsTheTechnologyBaseDoesNotOffer) {
    Put(test::Edited(ctx), 30, "(C) Flamer", 100, 1, kEnergy);
    Put(test::Edited(ctx), 31, "(I) Gun", 100, 1, kBallistic).AmmoWeight = 10;
    d.OwnedCount[30] = 1;
    d.OwnedCount[31] = 1;
    EXPECT_EQ(Lines(), (Strings{"error: (C) Flamer is not offered to an Inner Sphere design",
                                "warning: not placed: (C) Flamer (1)", "warning: not placed: (I) Gun (1)"}));
    d.TechBase = 2;  // Mixed takes both
    EXPECT_FALSE(HasError(CheckDesign(ctx)));

    d.TechBase = 1;
    d.OwnedCount = d.OwnedAmmo = Counts{};
    Put1(kBody, 1, 30);
    d.BodySlots[2] = kSlotAmmoBase + 31;
    d.PlacedAmmo[31] = 1;
    EXPECT_EQ(Lines(), Strings{"error: (I) Gun Ammo is not offered to a Clan design"});
}

}  // namespace
}  // namespace vantrel
