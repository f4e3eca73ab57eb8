#include "equipment/Clearing.h"

#include "TestCatalog.h"
#include "equipment/Placement.h"
#include "model/Context.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace vantrel {
namespace {

using namespace test;

struct Clearing : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;
    std::string& armor = ctx.armorList.text = "Standard";  // the armor type list's selection

    void SetUp() override {
        test::Editable(ctx, RulesCatalog());
        NewDesign(d);
        ctx.RebuildSlots = false;
        d.BodySlots[0] = kSlotGround;
        d.BodySlots[1] = kSlotJump;
    }

    // Places through the drop, as the user would, owning the entry first.
    void Place(int loc, int slot, const std::string& entry) {
        if (entry == "Heat Sink")
            ++d.HeatSinks;
        else if (entry == "ASys: " + armor)
            ++d.ArmorSlots;
        else if (entry == "Armor: " + armor)
            ++d.ArmorPoints;
        else
            AddToStash(ctx.catalog, d, entry, 1);
        ASSERT_EQ(DropOnSlot(ctx, loc, slot, entry, entry).kind, DropResult::Kind::Placed) << entry;
    }

    void Select(int loc, int slot) { ASSERT_TRUE(ClickSlot(ctx, loc, slot)); }

    // Owned and placed count of a catalog item.
    std::pair<int, int> Count(int i) const { return {d.OwnedCount[i], d.PlacedCount[i]}; }

    // `marked` lists location, slot, location, slot, ...
    void ExpectMarked(int loc, int slot, std::initializer_list<int> marked) {
        Select(loc, slot);
        Highlight want{};
        for (auto it = marked.begin(); it != marked.end(); it += 2) want[it[0]][it[1]] = true;
        EXPECT_EQ(SelectionHighlight(ctx), want) << "selected " << loc << "," << slot;
    }

    void ExpectFree(int loc, std::initializer_list<int> slots) {
        const auto a = Slots(d, loc);
        for (int j : slots) {
            EXPECT_EQ(a.codes[j], -1) << "location " << loc << " slot " << j;
            EXPECT_EQ(a.spans[j], -1) << "location " << loc << " slot " << j;
        }
    }
};

TEST_F(Clearing, ClearAllHumanoidReturnsEachUnitOnce) {
    Place(kBody, 4, "SRM 4");
    Place(kBody, 9, "Medium Laser");
    Place(kBody, 6, "Space Operations Adaptation");    // with right arm 0 and left arm 0
    Place(kRightArm, 2, "Claws and Magnetic Clamps");  // with left arm 1
    Place(kBody, 2, "SRM 4 Ammo");
    Place(kBody, 3, "SRM 4 Ammo");
    Place(kLeftArm, 3, "SRM 4 Ammo");
    Place(kBody, 7, "Heat Sink");
    Place(kBody, 8, "Heat Sink");
    Place(kRightArm, 3, "ASys: Standard");
    Place(kRightArm, 1, "Armor: Standard");
    d.LeftArmSlots[2] = kSlotVTOL;  // a movement text dropped in an arm is freed without return
    ctx.SelLocation = kBody;

    ClearAllHumanoid(ctx);
    EXPECT_EQ(ctx.SelLocation, -1);
    for (int i : {kSrm4, kMediumLaser, kSpaceOps, kClawClamps}) EXPECT_EQ(Count(i), std::pair(1, 0)) << i;
    EXPECT_EQ((std::array{d.OwnedAmmo[kSrm4], d.HeatSinks, d.ArmorSlots, d.ArmorPoints}),
              (std::array{3, 2, 1, 1}));
    EXPECT_EQ(d.PlacedAmmo[kSrm4] + d.PlacedHeatSinks + d.PlacedArmorSlots + d.PlacedArmor, 0);
    ExpectFree(kLeftArm, {0, 1, 2, 3});
    ExpectFree(kRightArm, {0, 1, 2, 3});
    ExpectFree(kBody, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(d.BodySlots[0], kSlotGround);
    EXPECT_EQ(d.BodySlots[1], kSlotJump);
}

TEST_F(Clearing, ClearAllQuadSweepsTurretAndQuadBodyOnly) {
    d.IsQuad = true;
    d.TurretSize = 5;
    d.QuadSlots[0] = kSlotGround;
    Place(kQuadBody, 3, "Medium Laser");
    Place(kQuadBody, 7, "Space Operations Adaptation");  // an ordinary item on the quad body
    Place(kTurret, 1, "SRM 4");
    Place(kTurret, 0, "SRM 4 Ammo");
    Place(kQuadBody, 15, "Heat Sink");
    Place(kBody, 5, "Small Laser");  // a humanoid location: untouched
    ClearAllQuad(ctx);
    EXPECT_EQ((std::array{d.OwnedCount[kMediumLaser], d.OwnedCount[kSpaceOps], d.OwnedCount[kSrm4],
                          d.OwnedAmmo[kSrm4], d.HeatSinks, d.PlacedCount[kSmallLaser]}),
              (std::array{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(d.BodySlots[5], kSmallLaser + 6);
    EXPECT_EQ(d.QuadSlots[0], kSlotGround);
    ExpectFree(kQuadBody, {3, 4, 5, 7, 15});
    ExpectFree(kTurret, {0, 1, 2});
}

TEST_F(Clearing, ArmorEntriesAreRecognisedByCode) {
    armor = "Advanced";
    Place(kBody, 4, "ASys: Advanced");
    Place(kBody, 5, "ASys: Advanced");
    Place(kLeftArm, 0, "Armor: Advanced");
    d.ArmorSlots = 3;  // the new type's count comes later; the returned slots add to what stands
    armor = "Basic Stealth";
    ClearAllHumanoid(ctx);
    EXPECT_EQ((std::array{d.ArmorSlots, d.PlacedArmorSlots, d.ArmorPoints, d.PlacedArmor}),
              (std::array{5, 0, 1, 0}));
    ExpectFree(kBody, {4, 5});
    ExpectFree(kLeftArm, {0});

    armor = "Advanced";
    Place(kQuadBody, 2, "ASys: Advanced");
    Select(kQuadBody, 2);
    armor = "Mimetic";
    ClearSelected(ctx, false);
    EXPECT_EQ(std::pair(d.ArmorSlots, d.PlacedArmorSlots), std::pair(6, 0));
    ExpectFree(kQuadBody, {2});
}

TEST_F(Clearing, ClearSelectedFreesTheMarkedItem) {
    Place(kBody, 3, "Medium Laser");
    Place(kBody, 6, "Medium Laser");  // the same item right behind: stays
    Select(kBody, 4);
    ClearSelected(ctx, true);
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_EQ(Count(kMediumLaser), std::pair(1, 1));
    ExpectFree(kBody, {3, 4, 5});
    EXPECT_EQ(d.BodySlots[6], kMediumLaser + 6);
    EXPECT_EQ(d.BodySpan[6], 3);

    Place(kLeftArm, 0, "SRM 4 Ammo");
    Place(kLeftArm, 1, "SRM 4 Ammo");
    Place(kLeftArm, 2, "SRM 4 Ammo");
    Select(kLeftArm, 1);
    ClearSelected(ctx, true);
    EXPECT_EQ(std::pair(d.OwnedAmmo[kSrm4], d.PlacedAmmo[kSrm4]), std::pair(1, 2));
    ExpectFree(kLeftArm, {1});
    EXPECT_EQ(d.LeftArmSlots[0], kSrm4 + 308);
    EXPECT_EQ(d.LeftArmSlots[2], kSrm4 + 308);

    Place(kBody, 10, "Heat Sink");
    Place(kBody, 11, "Heat Sink");
    Select(kBody, 11);
    ClearSelected(ctx, true);
    EXPECT_EQ(std::pair(d.HeatSinks, d.PlacedHeatSinks), std::pair(1, 1));
    EXPECT_EQ(d.BodySlots[10], kSlotHeatSink);
    ExpectFree(kBody, {11});
}

TEST_F(Clearing, ClearSelectedSpaceAdaptationFromAnyOfItsSlots) {
    for (int loc : {kBody, kLeftArm, kRightArm}) {
        SCOPED_TRACE(loc);
        d.RightArmSlots[0] = kSlotHeatSink;  // the unit takes right arm 1 and left arm 0
        ++d.PlacedHeatSinks;
        Place(kBody, 5, "Space Operations Adaptation");
        Select(loc, loc == kBody ? 5 : loc == kRightArm ? 1 : 0);
        ClearSelected(ctx, true);
        EXPECT_EQ(Count(kSpaceOps), std::pair(1, 0));
        ExpectFree(kBody, {5});
        ExpectFree(kRightArm, {1});
        ExpectFree(kLeftArm, {0});
        EXPECT_EQ(d.RightArmSlots[0], kSlotHeatSink);
        d.OwnedCount[kSpaceOps] = 0;
    }
}

TEST_F(Clearing, ClampsFromEitherArm) {
    for (int loc : {kLeftArm, kRightArm}) {
        d.OwnedCount[kClawClamps] = 0;
        Place(kRightArm, 3, "Claws and Magnetic Clamps");  // with left arm 0
        Select(loc, loc == kLeftArm ? 0 : 3);
        ClearSelected(ctx, true);
        EXPECT_EQ(Count(kClawClamps), std::pair(1, 0));
        ExpectFree(kLeftArm, {0});
        ExpectFree(kRightArm, {3});
    }
}

TEST_F(Clearing, ClearSelectedOnlyForItsOwnPage) {
    Place(kBody, 4, "Small Laser");
    Place(kQuadBody, 4, "Small Laser");
    const Design placed = d;
    const auto expectUntouched = [&](bool humanoid) {
        ClearSelected(ctx, humanoid);
        EXPECT_EQ(d, placed);
        EXPECT_EQ(ctx.SelLocation, -1);
    };
    expectUntouched(true);  // nothing selected
    Select(kQuadBody, 4);
    expectUntouched(true);  // the humanoid button ignores a quad selection
    Select(kBody, 4);
    expectUntouched(false);
    ctx.SelLocation = kBody;
    ctx.SelSlot = 40;  // damaged selection
    expectUntouched(true);
}

TEST_F(Clearing, SelectionHighlight) {
    Place(kBody, 3, "Medium Laser");
    Place(kBody, 6, "Medium Laser");
    Place(kBody, 9, "Heat Sink");
    EXPECT_EQ(SelectionHighlight(ctx), Highlight{});  // nothing selected
    ExpectMarked(kBody, 4, {kBody, 3, kBody, 4, kBody, 5});
    ExpectMarked(kBody, 8, {kBody, 6, kBody, 7, kBody, 8});
    ExpectMarked(kBody, 9, {kBody, 9});

    Place(kLeftArm, 1, "Magnetic Clamps");  // with right arm 0
    d.RightArmSlots[2] = kClawClamps + 6;   // any name ending in the clamp text is marked
    ExpectMarked(kRightArm, 0, {kRightArm, 0, kLeftArm, 1});
    ExpectMarked(kLeftArm, 1, {kRightArm, 0, kLeftArm, 1, kRightArm, 2});

    Place(kBody, 11, "Space Operations Adaptation");  // with right arm 1 and left arm 0
    ExpectMarked(kBody, 11, {kBody, 11, kRightArm, 1, kLeftArm, 0});
    ExpectMarked(kRightArm, 1, {kBody, 11, kRightArm, 1, kLeftArm, 0});
    ExpectMarked(kLeftArm, 0, {kBody, 11, kRightArm, 1, kLeftArm, 0});
    // On the quad body it is an ordinary item.
    d.QuadSlots[2] = kSpaceOps + 6;
    d.QuadSpan[2] = 1;
    ExpectMarked(kQuadBody, 2, {kQuadBody, 2});
}

TEST_F(Clearing, DamagedSpansStayInBounds) {
    // Spans as a damaged file might hold them: the mark never leaves the item or the location.
    d.QuadSlots[0] = d.QuadSlots[1] = kSmallLaser + 6;
    d.QuadSpan[0] = d.QuadSpan[1] = -2;
    d.QuadSlots[14] = d.QuadSlots[15] = kMediumLaser + 6;
    d.QuadSpan[14] = 90;
    d.QuadSpan[15] = -2;
    d.QuadSlots[13] = kSlotHeatSink;
    d.QuadSpan[13] = -2;
    d.PlacedCount[kSmallLaser] = d.PlacedCount[kMediumLaser] = 1;
    ExpectMarked(kQuadBody, 1, {kQuadBody, 0, kQuadBody, 1});
    ExpectMarked(kQuadBody, 15, {kQuadBody, 14, kQuadBody, 15});
    ClearSelected(ctx, false);
    EXPECT_EQ(d.QuadSlots[13], kSlotHeatSink);
    ExpectFree(kQuadBody, {14, 15});

    // Codes naming nothing are freed without touching any count.
    d.TurretSlots[2] = 9000;
    d.TurretSlots[3] = -7;
    d.TurretSpan[4] = 50;
    d.TurretSlots[4] = kMediumLaser + 6;
    test::Edited(ctx)[kMediumLaser].CSlots = 40;
    ClearAllQuad(ctx);
    ExpectFree(kTurret, {2, 3, 4});
    EXPECT_EQ(d.PlacedCount[kMediumLaser], -1);  // no floor: counts follow what the slots held
}

TEST_F(Clearing, CatalogSlotCountChangedSincePlacing) {
    // A two-slot item placed before its record grew to three slots: the heat sink after it is
    // still returned by the sweep.
    Place(kBody, 4, "SRM 4");
    Place(kBody, 6, "Heat Sink");
    test::Edited(ctx)[kSrm4].CSlots = 3;
    ClearAllHumanoid(ctx);
    EXPECT_EQ(d.OwnedCount[kSrm4], 1);
    EXPECT_EQ(std::pair(d.HeatSinks, d.PlacedHeatSinks), std::pair(1, 0));
    ExpectFree(kBody, {4, 5, 6});
}

TEST_F(Clearing, RebuildMovementSlots) {
    ctx.RebuildSlots = true;
    d.GroundMP = 2;
    d.JumpMP = 3;
    d.VTOLMP = 1;
    d.UMUMP = 1;
    Place(kBody, 4, "Heat Sink");
    Place(kLeftArm, 0, "Small Laser");
    d.QuadSlots[7] = kSlotGround;
    d.QuadSpan[7] = 4;
    ctx.SelLocation = kLeftArm;
    RebuildMovementSlots(ctx);
    EXPECT_FALSE(ctx.RebuildSlots);
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_EQ(d.HeatSinks, 1);
    EXPECT_EQ(d.OwnedCount[kSmallLaser], 1);
    EXPECT_EQ(d.BodySlots, (decltype(d.BodySlots){1, 1, 2, 2, 2, 3, 4, -1, -1, -1, -1, -1}));
    ExpectFree(kQuadBody, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    ExpectFree(kLeftArm, {0});

    // Quad: the quad body gets the movement; more points than slots fill the array and stop.
    d.IsQuad = true;
    d.GroundMP = 10;
    d.JumpMP = 10;
    d.VTOLMP = -3;
    d.UMUMP = 0;
    d.TurretSize = 3;
    Place(kTurret, 2, "Small Laser");
    const auto rightArm = d.RightArmSlots;
    RebuildMovementSlots(ctx);
    for (int j = 0; j < 16; ++j) EXPECT_EQ(d.QuadSlots[j], j < 10 ? 1 : 2) << j;
    ExpectFree(kBody, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(d.RightArmSlots, rightArm);
    EXPECT_EQ(d.OwnedCount[kSmallLaser], 2);
    ExpectFree(kTurret, {2});
}

}  // namespace
}  // namespace vantrel
