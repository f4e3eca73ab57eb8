#include "equipment/AutoPlace.h"

#include "TestCatalog.h"
#include "equipment/SlotView.h"
#include "model/Context.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using namespace test;
using Kind = DropResult::Kind;

const char* const kMine = "You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.";

struct AutoPlace : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;

    void SetUp() override {
        ctx.armorList.text = "Standard";
        test::Editable(ctx, RulesCatalog());
        NewDesign(d);
        d.BodySlots[0] = kSlotGround;
    }

    void Own(int index, int n) { d.OwnedCount[index] = n; }

    // Whether a drop of `entry` on `slot` would be placed, tried on a copy.
    bool Accepts(int location, int slot, const std::string& entry) const {
        Context copy = ctx;
        return DropOnSlot(copy, location, slot, entry, entry).kind == Kind::Placed;
    }
};

// For random owned entries on random partly filled designs of both layouts, "Place in X" gives the state
// and the result of a drop on the slot named, and that slot is the lowest one a drop accepts.
TEST_F(AutoPlace, PlaceInEqualsTheDropOnTheSlotNamed) {
    std::mt19937 rng(13);
    for (int round = 0; round < 60; ++round) {
        SetUp();
        d.IsQuad = round % 2 == 1;
        d.TurretSize = 5;
        d.JumpMP = static_cast<int>(rng() % 2);
        d.HeatSinks = 2;
        d.ArmorSlots = 1;
        for (int i :
             {kParaFoil, kMineDispenser, kClamps, kSpaceOps, kManipulator, kMediumLaser, kSrm4, kSmallLaser})
            Own(i, static_cast<int>(rng() % 3));
        d.OwnedAmmo[kSrm4] = 2;
        // Scatter heat sinks so the free slots have gaps.
        for (int location : PlaceOrder(d)) {
            SlotArrays a = Slots(d, location);
            for (int s = 0; s < a.count; ++s)
                if (a.codes[s] == kSlotFree && rng() % 3 == 0) a.codes[s] = kSlotHeatSink;
        }
        const std::vector<std::string> entries = OwnedEntries(ctx);
        if (entries.empty()) continue;
        const std::string entry = entries[rng() % entries.size()];
        for (int location : PlaceOrder(d)) {
            SCOPED_TRACE(entry + " in " + std::to_string(location));
            const PlaceTarget t = FindPlaceSlot(ctx, location, entry);
            for (int s = 0; s < t.slot; ++s) EXPECT_FALSE(Accepts(location, s, entry)) << s;
            EXPECT_EQ(t.accepted, Accepts(location, t.slot, entry));
            for (int s = 0; s < UsableSlots(d, location) && !t.accepted; ++s) {
                EXPECT_FALSE(Accepts(location, s, entry)) << s;
            }

            Context placed = ctx, dropped = ctx;
            const DropResult a = PlaceIn(placed, location, entry);
            const DropResult b = DropOnSlot(dropped, location, t.slot, entry, entry);
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_EQ(a.message, b.message);
            EXPECT_EQ(a.exclamation, b.exclamation);
            EXPECT_EQ(a.refreshMain, b.refreshMain);
            EXPECT_TRUE(placed.design == dropped.design);
        }
    }
}

TEST_F(AutoPlace, RefusalsGiveTheDropsMessageOnTheFallbackSlot) {
    Own(kMineDispenser, 1);
    Own(kMediumLaser, 1);
    Own(kManipulator, 1);
    d.BodySlots[1] = kSlotHeatSink;
    // A rule refuses everywhere: the drop runs on the lowest free slot and says why.
    EXPECT_EQ(FindPlaceSlot(ctx, kBody, "Mine Dispenser").slot, 2);
    const Design before = d;
    DropResult r = PlaceIn(ctx, kBody, "Mine Dispenser");
    EXPECT_EQ(r.kind, Kind::Refused);
    EXPECT_EQ(r.message, kMine);
    EXPECT_TRUE(r.exclamation);
    EXPECT_TRUE(d == before);

    // A full arm: no free slot, so slot 0, and the room check's words without the icon.
    d.RightArmSlots.fill(kSlotHeatSink);
    EXPECT_EQ(FindPlaceSlot(ctx, kRightArm, "Medium Laser").slot, 0);
    r = PlaceIn(ctx, kRightArm, "Medium Laser");
    EXPECT_EQ(r.kind, Kind::Refused);
    EXPECT_EQ(r.message, "Not enough room.");
    EXPECT_FALSE(r.exclamation);

    // Two free arm slots with a gap: the laser needs three together and fits nowhere in the arm.
    d.LeftArmSlots[1] = kSlotHeatSink;
    EXPECT_FALSE(FindPlaceSlot(ctx, kLeftArm, "Medium Laser").accepted);
    // PlaceAnywhere goes on to the body, which has room.
    r = PlaceAnywhere(ctx, "Medium Laser");
    EXPECT_EQ(r.kind, Kind::Placed);
    EXPECT_EQ(d.BodySlots[2], kMediumLaser + 6);
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 0);

    // A manipulator is refused silently on the body and goes to the first arm in the order.
    r = PlaceAnywhere(ctx, "Manipulator");
    EXPECT_EQ(r.kind, Kind::Placed);
    EXPECT_EQ(d.LeftArmSlots[0], kManipulator + 6);
}

TEST_F(AutoPlace, PlaceAllPlacesWhatFitsAndNamesTheRest) {
    Own(kMineDispenser, 1);  // refused by a rule: no jump
    Own(kMediumLaser, 3);    // three slots together: the body takes one, the arms none
    Own(kSmallLaser, 2);
    d.HeatSinks = 2;
    d.OwnedAmmo[kSrm4] = 1;
    // A busy design: body slots 5..11 and two slots of each arm are free.
    for (int s = 1; s < 5; ++s) d.BodySlots[s] = kSlotArmor;
    d.RightArmSlots[0] = d.RightArmSlots[1] = d.LeftArmSlots[0] = d.LeftArmSlots[1] = kSlotArmor;
    const std::vector<Unplaced> left = PlaceAll(ctx);

    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].entry, "Mine Dispenser");
    EXPECT_EQ(left[0].reason, kMine);
    EXPECT_EQ(left[1].entry, "Medium Laser");
    EXPECT_EQ(left[1].count, 2);
    EXPECT_EQ(left[1].reason, "Not enough room.");
    // In list order: heat sinks in body 5 and 6, one laser in 7..9, the ammunition in 10, the small
    // lasers in 11 and the right arm.
    EXPECT_EQ(d.BodySlots[5], kSlotHeatSink);
    EXPECT_EQ(d.BodySlots[7], kMediumLaser + 6);
    EXPECT_EQ(d.BodySlots[10], kSrm4 + 308);
    EXPECT_EQ(d.BodySlots[11], kSmallLaser + 6);
    EXPECT_EQ(d.RightArmSlots[2], kSmallLaser + 6);
    EXPECT_EQ(d.PlacedHeatSinks, 2);
    EXPECT_EQ(d.OwnedCount[kMediumLaser], 2);
    EXPECT_EQ(d.OwnedAmmo[kSrm4], 0);

    const std::string m = PlaceAllMessage(left);
    EXPECT_NE(m.find("Mine Dispenser: " + std::string(kMine)), std::string::npos);
    EXPECT_NE(m.find("2 x Medium Laser: Not enough room."), std::string::npos);
    EXPECT_EQ(PlaceAllMessage({}), "");
    // Nothing more fits: a second run places nothing and names the same entries.
    const Design after = d;
    EXPECT_EQ(PlaceAll(ctx).size(), 2u);
    EXPECT_TRUE(d == after);
}

}  // namespace
}  // namespace vantrel
