#include "equipment/Placement.h"

#include "TestCatalog.h"
#include "model/Context.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

using namespace test;
using Kind = DropResult::Kind;

const char* const kRoom = "Not enough room.";

int OwnedTotal(const Design& d) {
    return std::accumulate(d.OwnedCount.begin(), d.OwnedCount.end(), 0) +
           std::accumulate(d.OwnedAmmo.begin(), d.OwnedAmmo.end(), 0) + d.HeatSinks + d.ArmorPoints +
           d.ArmorSlots;
}
int PlacedTotal(const Design& d) {
    return std::accumulate(d.PlacedCount.begin(), d.PlacedCount.end(), 0) +
           std::accumulate(d.PlacedAmmo.begin(), d.PlacedAmmo.end(), 0) + d.PlacedHeatSinks + d.PlacedArmor +
           d.PlacedArmorSlots;
}

struct Placement : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;
    std::string& armor = ctx.armorList.text = "Standard";  // the armor type list's selection

    void SetUp() override {
        test::Editable(ctx, RulesCatalog());
        NewDesign(d);
        d.BodySlots[0] = kSlotGround;
    }

    // Owns one more of every entry, so drops have something to take from.
    void OwnPlenty() {
        for (int i = 0; i < kCatalogSize; ++i) d.OwnedCount[i] = d.OwnedAmmo[i] = 5;
        d.HeatSinks = d.ArmorPoints = d.ArmorSlots = 5;
    }

    DropResult Drop(int loc, int slot, const std::string& entry) {
        return DropOnSlot(ctx, loc, slot, entry, entry);
    }

    // Any refusal leaves the design exactly as it was; only NotPlaced refreshes the main panel.
    void ExpectRefusal(Kind kind, int loc, int slot, const std::string& entry,
                       const std::string& message = "", bool exclamation = false, bool hasText = true) {
        SCOPED_TRACE(entry);
        const Design before = d;
        const DropResult r = DropOnSlot(ctx, loc, slot, hasText ? std::optional(entry) : std::nullopt, entry);
        EXPECT_EQ(r.kind, kind);
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(r.exclamation, exclamation);
        EXPECT_EQ(r.refreshMain, kind == Kind::NotPlaced);
        EXPECT_EQ(d, before);
    }
    void ExpectRule(int loc, int slot, const std::string& entry, const std::string& message) {
        ExpectRefusal(Kind::Refused, loc, slot, entry, message, true);
    }
    void ExpectNoRoom(int loc, int slot, const std::string& e) {
        ExpectRefusal(Kind::Refused, loc, slot, e, kRoom);
    }
    void ExpectSilent(int loc, int slot, const std::string& e) {
        ExpectRefusal(Kind::SilentRefusal, loc, slot, e);
    }
    void ExpectNotPlaced(int loc, int slot, const std::string& entry, bool hasText = true) {
        ExpectRefusal(Kind::NotPlaced, loc, slot, entry, "", false, hasText);
    }
    void ExpectPlaced(int loc, int slot, const std::string& entry) {
        SCOPED_TRACE(entry);
        const int owned = OwnedTotal(d), placed = PlacedTotal(d);
        const DropResult r = Drop(loc, slot, entry);
        EXPECT_EQ(r.kind, Kind::Placed);
        EXPECT_TRUE(r.refreshMain);
        EXPECT_EQ(OwnedTotal(d), owned - 1);
        EXPECT_EQ(PlacedTotal(d), placed + 1);
    }
};

TEST_F(Placement, MovementAndClassRules) {
    OwnPlenty();
    d.BodySlots[3] = kSlotHeatSink;
    const char* foil = "A Battle Armor must be able to jump to equip a Para Foil.";
    ExpectRule(kBody, 1, "Para Foil", foil);
    ExpectRule(kBody, 3, "Para Foil", foil);  // the rules come before any look at the (occupied) target
    ExpectRule(kQuadBody, 0, "Para Foil", foil);

    const char* mine = "You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.";
    ExpectRule(kLeftArm, 0, "Mine Dispenser", mine);
    d.JumpMP = 1;
    ExpectPlaced(kLeftArm, 0, "Mine Dispenser");
    EXPECT_EQ(d.LeftArmSlots[1], kMineDispenser + 6);
    ExpectPlaced(kBody, 1, "Para Foil");
    d.JumpMP = 0;
    d.VTOLMP = 1;
    ExpectPlaced(kRightArm, 2, "Mine Dispenser");

    d.WeightClass = 2;
    ExpectRule(kBody, 5, "Jump Booster", "Only Light Battle Armors may use a Jump Booster.");
    ExpectRule(kBody, 5, "Partial Wing", "Only Light Battle Armors may use a Partial Wing.");
    const char* both = "Jump Boosters cannot be used in conjunction with Partial Wings.";
    d.PlacedCount[kPartialWing] = 1;
    // The class rule comes before the conjunction rule for the booster, after it for the wing.
    ExpectRule(kBody, 5, "Jump Booster", "Only Light Battle Armors may use a Jump Booster.");
    d.WeightClass = 1;
    ExpectRule(kRightArm, 0, "Jump Booster", both);
    d.PlacedCount[kPartialWing] = 0;
    ExpectPlaced(kBody, 5, "Jump Booster");
    d.WeightClass = 2;
    ExpectRule(kBody, 8, "Partial Wing", both);
}

TEST_F(Placement, BombRackAndCamoRulesComeAfterTheRoomCheck) {
    OwnPlenty();
    d.BodySlots[6] = kSlotHeatSink;
    ExpectRule(kBody, 2, "Bomb Rack", "Only Battle Armors equipped with VTOL may use Bomb Racks.");
    ExpectNoRoom(kBody, 5, "Bomb Rack");  // slot 6 taken: the room check fires before the VTOL rule
    d.VTOLMP = 1;
    ExpectPlaced(kBody, 2, "Bomb Rack");
    d.VTOLMP = 0;
    // One per suit is tested before the VTOL rule, in any location.
    ExpectRule(kQuadBody, 0, "Bomb Rack", "Only 1 Bomb Rack is allowed per Battle Armor.");

    armor = "Mimetic";
    ExpectRule(kBody, 8, "Camo System", "Camo System cannot be used in conjunction with Mimetic Armor.");
    ExpectNoRoom(kBody, 11, "Camo System");
    armor = "Standard";
    ExpectPlaced(kBody, 8, "Camo System");
}

TEST_F(Placement, RoomCheck) {
    OwnPlenty();
    ExpectNoRoom(kBody, 10, "Medium Laser");  // only slots 10 and 11 lie inside
    ExpectPlaced(kBody, 9, "Medium Laser");
    for (int j = 9; j < 12; ++j) EXPECT_EQ(d.BodySlots[j], kMediumLaser + 6);
    EXPECT_EQ((std::vector<int>(d.BodySpan.begin() + 8, d.BodySpan.end())),
              (std::vector<int>{-1, 3, -2, -2}));

    d.BodySlots[5] = kSlotHeatSink;
    ExpectNoRoom(kBody, 4, "SRM 4");        // next slot taken
    ExpectNoRoom(kBody, 0, "Small Laser");  // the target itself holds ground movement
    ExpectNoRoom(kLeftArm, 2, "Medium Laser");
    ExpectPlaced(kLeftArm, 1, "Medium Laser");
    ExpectPlaced(kQuadBody, 13, "Medium Laser");
    ExpectNoRoom(kQuadBody, 14, "SRM 4");
}

TEST_F(Placement, AmmunitionAndFixedEntries) {
    OwnPlenty();
    d.BodySpan[4] = 7;  // left over from something older: single-slot entries write no span
    ExpectPlaced(kBody, 4, "SRM 4 Ammo");
    EXPECT_EQ(d.BodySlots[4], kSrm4 + 308);
    EXPECT_EQ(d.BodySlots[5], -1);  // one slot, whatever the weapon's size
    EXPECT_EQ(d.BodySpan[4], 7);
    EXPECT_EQ(d.PlacedAmmo[kSrm4], 1);
    EXPECT_EQ(d.PlacedCount[kSrm4], 0);       // a load, not a launcher
    ExpectNotPlaced(kBody, 4, "SRM 4 Ammo");  // occupied: no message
    ExpectPlaced(kBody, 11, "SRM 4 Ammo");    // the last slot is enough for a load

    ExpectPlaced(kBody, 1, "Heat Sink");
    ExpectPlaced(kLeftArm, 3, "ASys: Standard");
    ExpectPlaced(kQuadBody, 2, "Armor: Standard");
    EXPECT_EQ(d.BodySlots[1], kSlotHeatSink);
    EXPECT_EQ(d.LeftArmSlots[3], kSlotArmorSystem);
    EXPECT_EQ(d.QuadSlots[2], kSlotArmor);
    EXPECT_EQ(d.PlacedHeatSinks + d.PlacedArmorSlots + d.PlacedArmor, 3);

    // A movement text writes its code and takes nothing from the owned counts.
    const int owned = OwnedTotal(d);
    EXPECT_EQ(Drop(kBody, 2, "Jump Jets").kind, Kind::Placed);
    EXPECT_EQ(Drop(kBody, 3, "UMU (Underwater)").kind, Kind::Placed);
    EXPECT_EQ(d.BodySlots[2], kSlotJump);
    EXPECT_EQ(d.BodySlots[3], kSlotUMU);
    EXPECT_EQ(OwnedTotal(d), owned);

    ExpectNotPlaced(kBody, 6, "ASys: Advanced");  // another armor type's entry names nothing
    ExpectNotPlaced(kBody, 6, "Plasma Rifle");
    ExpectNotPlaced(kBody, 6, "Small Laser", false);  // the data carried no text
    ExpectNotPlaced(kBody, 1, "Heat Sink");           // occupied
}

TEST_F(Placement, ClampsAndManipulators) {
    OwnPlenty();
    for (int j = 0; j < 4; ++j) d.LeftArmSlots[j] = kSlotHeatSink;
    ExpectNoRoom(kRightArm, 1, "Magnetic Clamps");
    d.LeftArmSlots[2] = -1;
    d.LeftArmSpan[2] = 3;  // a stale span must not stay under a spanless unit
    d.LeftArmSlots[3] = -1;
    ExpectPlaced(kRightArm, 1, "Magnetic Clamps");
    EXPECT_EQ(d.RightArmSlots[1], kClamps + 6);
    EXPECT_EQ(d.LeftArmSlots[2], kClamps + 6);
    EXPECT_EQ(d.LeftArmSlots[3], -1);
    EXPECT_EQ(d.LeftArmSpan[2], -1);
    EXPECT_EQ(d.RightArmSpan[1], -1);

    const char* one = "Only one piece of clamp type equipment can be equipped at once.";
    ExpectRule(kLeftArm, 3, "Claws and Magnetic Clamps", one);
    ExpectRule(kRightArm, 2, "Magnetic Clamps", one);
    ExpectRule(kRightArm, 1, "Magnetic Clamps", one);  // occupied target: the rule still speaks first

    // Manipulators go in the arms only; the body refusal is silent (after the room check).
    ExpectSilent(kBody, 3, "Manipulator");
    ExpectSilent(kQuadBody, 3, "Manipulator");
    ExpectSilent(kBody, 3, "Claws and Magnetic Clamps");  // the clamp rule is for the arms only
    ExpectNoRoom(kBody, 0, "Manipulator");
    ExpectPlaced(kRightArm, 0, "Manipulator");

    // A clamp pair takes one slot in each arm whatever its slot count: no room check in the arms.
    d.PlacedCount[kClamps] = 0;
    test::Edited(ctx)[kClawClamps].CSlots = 2;
    ExpectPlaced(kLeftArm, 3, "Claws and Magnetic Clamps");
    EXPECT_EQ(d.LeftArmSlots[3], kClawClamps + 6);
    EXPECT_EQ(d.RightArmSlots[2], kClawClamps + 6);
    EXPECT_EQ(d.RightArmSlots[3], -1);
}

TEST_F(Placement, SpaceOperationsAdaptation) {
    OwnPlenty();
    const std::string soa = "Space Operations Adaptation";
    ExpectRule(kLeftArm, 0, soa, "Space Operation Adaptation should be placed on the body.");
    ExpectSilent(kRightArm, 0, soa);
    d.RightArmSlots[0] = kSlotHeatSink;
    d.LeftArmSlots[0] = d.LeftArmSlots[1] = kSlotHeatSink;
    ExpectNotPlaced(kBody, 0, soa);  // the body skips the room check; the occupied target places nothing
    ExpectPlaced(kBody, 5, soa);
    EXPECT_EQ(d.BodySlots[5], kSpaceOps + 6);
    EXPECT_EQ(d.RightArmSlots[1], kSpaceOps + 6);
    EXPECT_EQ(d.LeftArmSlots[2], kSpaceOps + 6);
    EXPECT_EQ(d.BodySpan[5], -1);
    ExpectSilent(kBody, 6, soa);  // one per suit, silently
    // On the quad body it is an ordinary item, room check and span included.
    ExpectPlaced(kQuadBody, 15, soa);
    EXPECT_EQ(d.QuadSpan[15], 1);

    d.PlacedCount[kSpaceOps] = 0;
    for (int j = 0; j < 4; ++j) d.RightArmSlots[j] = kSlotHeatSink;
    ExpectNoRoom(kBody, 6, soa);
}

TEST_F(Placement, Turret) {
    OwnPlenty();
    d.IsQuad = true;
    d.TurretSize = 4;
    d.TurretConfig = true;
    EXPECT_EQ(UsableSlots(d, kTurret), 3);
    ExpectNoRoom(kTurret, 2, "SRM 4");
    ExpectPlaced(kTurret, 1, "SRM 4");
    EXPECT_EQ(d.TurretSpan[1], 2);
    EXPECT_EQ(d.TurretSpan[2], -2);
    ExpectPlaced(kTurret, 0, "SRM 4 Ammo");
    EXPECT_EQ(d.TurretSlots[0], kSrm4 + 308);

    d.TurretConfig = false;
    d.TurretSize = 6;
    // Equipment: the room check speaks first, then the category refuses without a word.
    ExpectNoRoom(kTurret, 4, "Angel ECM Suite");
    ExpectNotPlaced(kTurret, 4, "ECM Suite");
    ExpectNotPlaced(kTurret, 4, "Para Foil");   // no construction rules here
    ExpectNotPlaced(kTurret, 4, "Heat Sink");   // nor fixed entries
    ExpectNotPlaced(kTurret, 0, "SRM 4 Ammo");  // occupied
    ExpectNoRoom(kTurret, 0, "Small Laser");
    ExpectPlaced(kTurret, 5, "Small Laser");

    // The turret takes the dragged text itself from the owned counts.
    EXPECT_EQ(DropOnSlot(ctx, kTurret, 3, "Small Laser", "Heat Sink").kind, Kind::Placed);
    EXPECT_EQ(d.OwnedCount[kSmallLaser], 3);
    EXPECT_EQ(d.HeatSinks, 5);

    d.TurretSize = 40;  // damaged value: never more than the array
    EXPECT_EQ(UsableSlots(d, kTurret), 9);
    d.TurretSize = 0;
    d.TurretConfig = true;
    EXPECT_EQ(UsableSlots(d, kTurret), 0);
    ExpectNoRoom(kTurret, 6, "Small Laser");
    ExpectNotPlaced(kTurret, 6, "SRM 4 Ammo");  // a hidden slot takes nothing
}

TEST_F(Placement, ClickSelectsOccupiedNonMovementSlots) {
    d.BodySlots[1] = kSlotJump;
    d.BodySlots[2] = kSlotHeatSink;
    d.TurretSlots[4] = kSlotArmorSystem;
    d.LeftArmSlots[3] = kSrm4 + 308;
    ctx.SelLocation = 3;
    ctx.SelSlot = 7;
    // Movement, a free slot and places outside the arrays select nothing.
    using P = std::pair<int, int>;
    for (auto [loc, slot] : {P(kBody, 0), P(kBody, 1), P(kBody, 3), P(kBody, 12), P(5, 0)})
        EXPECT_FALSE(ClickSlot(ctx, loc, slot)) << loc << "," << slot;
    const auto sel = [&] { return std::pair<int, int>{ctx.SelLocation, ctx.SelSlot}; };
    EXPECT_EQ(sel(), std::pair(3, 7));
    EXPECT_TRUE(ClickSlot(ctx, kBody, 2));
    EXPECT_EQ(sel(), std::pair(0, 2));
    EXPECT_TRUE(ClickSlot(ctx, kTurret, 4));
    EXPECT_EQ(sel(), std::pair(4, 4));
    EXPECT_TRUE(ClickSlot(ctx, kLeftArm, 3));
    EXPECT_EQ(sel(), std::pair(1, 3));
}

TEST_F(Placement, OddInputsStayInBounds) {
    OwnPlenty();
    using P = std::pair<int, int>;
    for (auto [loc, slot] : {P(kBody, 12), P(kBody, -1), P(7, 0)}) ExpectSilent(loc, slot, "Small Laser");
    ExpectSilent(kRightArm, 4, "Heat Sink");

    // Names the rules look up may be missing from a catalog: nothing is read outside it.
    test::Editable(ctx, test::PlainCatalog());
    Put(test::Edited(ctx), kJumpBooster, "Jump Booster", 125, 2);
    Put(test::Edited(ctx), kClamps, "Magnetic Clamps", 30, 1);
    Put(test::Edited(ctx), kBombRack, "Bomb Rack", 100, 2);
    d.VTOLMP = 1;
    ExpectPlaced(kBody, 1, "Jump Booster");
    ExpectPlaced(kLeftArm, 0, "Magnetic Clamps");
    ExpectPlaced(kBody, 3, "Bomb Rack");
    ExpectNotPlaced(kBody, 6, "Space Operations Adaptation");
    ExpectNotPlaced(kBody, 6, "Manipulator");

    // A record without a slot count still takes one slot, so that it can be cleared again.
    test::Edited(ctx)[30].CSlots = 0;
    ExpectPlaced(kBody, 6, "Item 30");
    EXPECT_EQ(d.BodySlots[6], 36);
    EXPECT_EQ(d.BodySpan[6], 1);
    test::Edited(ctx)[31].CSlots = 1000000;
    ExpectNoRoom(kBody, 7, "Item 31");
    test::Edited(ctx)[31].CSlots = 2147483647;
    ExpectNoRoom(kBody, 7, "Item 31");
}

}  // namespace
}  // namespace vantrel
