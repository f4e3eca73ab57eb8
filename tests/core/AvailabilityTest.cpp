#include "equipment/Availability.h"

#include "TestCatalog.h"
#include "equipment/EquipmentSearch.h"
#include "equipment/Placement.h"
#include "model/Context.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using namespace test;

constexpr int kClanLaser = 30, kIsLaser = 31, kClanSrm = 32;

struct Offered : ::testing::Test {
    Context ctx;
    Design& d = ctx.design;

    void SetUp() override {
        Catalog& c = test::Editable(ctx, RulesCatalog());
        Put(c, kClanLaser, "(C) ER Small Laser", 300, 1, kEnergy);
        Put(c, kIsLaser, "(I) ER Small Laser", 350, 1, kEnergy);
        Put(c, kClanSrm, "(C) SRM 2", 100, 1, kMissile).AmmoWeight = 20;
        NewDesign(d);
        ctx.armorList.text = "Standard";
    }

    std::string Why(int idx, bool ammo = false) { return WhyNotOffered(ctx, CatalogEntry{idx, ammo}); }
    void Place(int location, int slot, int idx) {
        Slots(d, location).codes[slot] = kSlotItemBase + idx;
        ++d.PlacedCount[idx];
    }
};

TEST_F(Offered, TechnologyBaseComesFirstAndMixedTakesBoth) {
    struct Case {
        int techBase;
        std::string clan, innerSphere, plain, clanAmmo;
    };
    const Case cases[] = {
        {0, kClanItemForInnerSphere, "",                      "", kClanItemForInnerSphere},
        {1, "",                      kInnerSphereItemForClan, "", kNoWeaponForAmmo       },
        {2, "",                      "",                      "", kNoWeaponForAmmo       },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.techBase);
        d.TechBase = c.techBase;
        EXPECT_EQ(Why(kClanLaser), c.clan);
        EXPECT_EQ(Why(kIsLaser), c.innerSphere);
        EXPECT_EQ(Why(kSmallLaser), c.plain);
        // The ammunition of a Clan weapon on an Inner Sphere suit is refused for its base, not its weapon.
        EXPECT_EQ(Why(kClanSrm, true), c.clanAmmo);
    }
    EXPECT_STREQ(TechnologyOf("(C) ER Small Laser"), "Clan");
    EXPECT_STREQ(TechnologyOf("(I) ER Small Laser"), "Inner Sphere");
    EXPECT_STREQ(TechnologyOf("Small Laser (C"), "Both");
}

TEST_F(Offered, AmmunitionNeedsAWeaponOwnedOrPlaced) {
    EXPECT_EQ(Why(kSrm4, true), kNoWeaponForAmmo);
    EXPECT_EQ(Why(kSrm4), "");  // the weapon itself is offered
    AddToStash(ctx.catalog, d, "SRM 4", 1);
    EXPECT_EQ(Why(kSrm4, true), "");
    AddToStash(ctx.catalog, d, "SRM 4", -1);
    Place(kBody, 0, kSrm4);
    EXPECT_EQ(Why(kSrm4, true), "");
    // Its own ammunition owned does not count as the weapon.
    d.PlacedCount[kSrm4] = 0;
    d.OwnedAmmo[kSrm4] = 3;
    EXPECT_EQ(Why(kSrm4, true), kNoWeaponForAmmo);
}

// A rule that refuses the drop on every location refuses the entry, with the rule's own message;
// a rule that one location escapes does not.
TEST_F(Offered, RulesThatRefuseEveryLocationGiveTheirMessage) {
    d.WeightClass = 2;
    EXPECT_EQ(Why(kJumpBooster), "Only Light Battle Armors may use a Jump Booster.");
    EXPECT_EQ(Why(kPartialWing), "Only Light Battle Armors may use a Partial Wing.");
    EXPECT_EQ(Why(kParaFoil), "A Battle Armor must be able to jump to equip a Para Foil.");
    EXPECT_EQ(Why(kMineDispenser), "You must have a Jump/VTOL MP of at least 1 to equip a Mine Dispenser.");
    // Rules after the room check count too: the room is there, every slot being free.
    EXPECT_EQ(Why(kBombRack), "Only Battle Armors equipped with VTOL may use Bomb Racks.");
    ctx.armorList.text = "Mimetic";
    EXPECT_EQ(Why(kCamo), "Camo System cannot be used in conjunction with Mimetic Armor.");

    d.WeightClass = 1;
    d.JumpMP = 1;
    d.VTOLMP = 1;
    ctx.armorList.text = "Standard";
    for (int idx :
         {kJumpBooster, kPartialWing, kParaFoil, kMineDispenser, kBombRack, kCamo, kClamps, kSpaceOps})
        EXPECT_EQ(Why(idx), "") << ctx.catalog[idx].Name;

    // What is placed already: a second rack, a wing beside a booster, a second clamp of either kind,
    // a second space adaptation (refused on the body without a word, so the check's text says why).
    Place(kBody, 0, kBombRack);
    Place(kBody, 2, kJumpBooster);
    Place(kRightArm, 0, kClamps);
    Place(kBody, 4, kSpaceOps);
    EXPECT_EQ(Why(kBombRack), "Only 1 Bomb Rack is allowed per Battle Armor.");
    EXPECT_EQ(Why(kPartialWing), "Jump Boosters cannot be used in conjunction with Partial Wings.");
    EXPECT_EQ(Why(kClamps), "Only one piece of clamp type equipment can be equipped at once.");
    EXPECT_EQ(Why(kClawClamps), "Only one piece of clamp type equipment can be equipped at once.");
    EXPECT_EQ(Why(kSpaceOps), kOneSpaceAdaptation);
    EXPECT_EQ(Why(kManipulator), "");
}

TEST_F(Offered, TheChassisDecidesWhereNoRuleSpeaks) {
    d.IsQuad = true;
    d.TurretSize = 0;
    // Manipulators go on arms only, and a quad has none; the turret takes no equipment anyway.
    EXPECT_EQ(Why(kManipulator), "no location of a Quad takes it");
    EXPECT_EQ(Why(kClamps), "no location of a Quad takes it");
    d.TurretSize = 4;
    EXPECT_EQ(Why(kManipulator), "no location of a Quad takes it");
    // On the quad body the space adaptation is an item like any other.
    EXPECT_EQ(Why(kSpaceOps), "");
    EXPECT_EQ(Why(kEcm), "");
    d.IsQuad = false;
    EXPECT_EQ(Why(kManipulator), "");
}

// Slots taken, even every one, are no reason: the entry can be taken and placed once room is made.
TEST_F(Offered, FullSlotsAreNoReasonAndTheDesignStaysAsItWas) {
    for (int location = 0; location < kLocationCount; ++location) {
        SlotArrays a = Slots(d, location);
        for (int j = 0; j < a.count; ++j) a.codes[j] = kSlotHeatSink;
    }
    d.JumpMP = 1;
    d.History = "notes";
    const Design before = d;
    const std::vector<CatalogEntry> entries = CatalogEntries(ctx.catalog);
    const std::vector<std::string> reasons = WhyNotOffered(ctx, entries);
    ASSERT_EQ(reasons.size(), entries.size());
    EXPECT_TRUE(d == before);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const CatalogEntry& e = entries[k];
        if (e.index == kClanLaser || e.index == kClanSrm || (e.ammo && e.index == kSrm4) ||
            e.index == kBombRack)
            continue;
        EXPECT_EQ(reasons[k], "") << EntryText(ctx.catalog, e);
        EXPECT_EQ(reasons[k], Why(e.index, e.ammo));
    }
}

TEST_F(Offered, EntriesListItemsThenAmmunitionInCatalogOrder) {
    const std::vector<CatalogEntry> entries = CatalogEntries(ctx.catalog);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kCatalogSize + 2));
    EXPECT_EQ(entries[kCatalogSize], (CatalogEntry{kSrm4, true}));
    EXPECT_EQ(entries[kCatalogSize + 1], (CatalogEntry{kClanSrm, true}));
    EXPECT_EQ(EntryText(ctx.catalog, entries[kCatalogSize]), "SRM 4 Ammo");
    EXPECT_EQ(EntryCategory(ctx.catalog, entries[kCatalogSize]), kAmmunition);
    EXPECT_EQ(EntryCategory(ctx.catalog, entries[kSrm4]), kMissile);
    test::Edited(ctx)[0].Category = 9;  // a category no option lists
    EXPECT_EQ(EntryCategory(ctx.catalog, entries[0]), kEquipment);
}

// The shipped catalog on a new Inner Sphere suit: what a player sees first.
TEST(OfferedShipped, NewInnerSphereSuit) {
    Context ctx;
    ctx.catalog = ShippedCatalog();
    NewDesign(ctx.design);
    ctx.armorList.text = "Standard";
    const std::vector<CatalogEntry> entries = CatalogEntries(ctx.catalog);
    const std::vector<std::string> reasons = WhyNotOffered(ctx, entries);
    auto reasonOf = [&](const std::string& text) {
        for (std::size_t k = 0; k < entries.size(); ++k)
            if (EntryText(ctx.catalog, entries[k]) == text) return reasons[k];
        return std::string("(not listed)");
    };
    EXPECT_EQ(reasonOf("(C) ER Medium Laser"), kClanItemForInnerSphere);
    EXPECT_EQ(reasonOf("(I) ER Medium Laser"), "");
    EXPECT_EQ(reasonOf("Jump Booster"), "");
    EXPECT_EQ(reasonOf("Para Foil"), "A Battle Armor must be able to jump to equip a Para Foil.");
    EXPECT_EQ(reasonOf("Manipulator"), "");
    int offered = 0;
    for (const std::string& r : reasons) offered += r.empty() ? 1 : 0;
    // Every Clan item and every ammunition is refused; no item escapes both the base and the rules.
    EXPECT_GT(offered, 150);
    EXPECT_LT(offered, kCatalogSize);
}

TEST(EquipmentSearch, WordsInAnyOrderCaseIgnored) {
    const std::string row = LowerAscii("(I) ER Medium Laser Energy Inner Sphere");
    const EntryFigures none{};
    for (const char* query : {"", "   ", "laser", "LASER medium", "  medium\tER  ", "(i) er", "sphere las"})
        EXPECT_TRUE(Matches(ParseSearch(query), row, none)) << query;
    for (const char* query : {"clan", "laser small", "lasers", "medium-laser"})
        EXPECT_FALSE(Matches(ParseSearch(query), row, none)) << query;
    EXPECT_EQ(ParseSearch(" Er  MEDium\n").words, (std::vector<std::string>{"er", "medium"}));
    // Bytes beyond ASCII are kept, so a UTF-8 word still finds itself.
    EXPECT_TRUE(Matches(ParseSearch("GAUß"), LowerAscii("Gauß Rifle"), none));
}

TEST(EquipmentSearch, FigureConditionsCompareTheEntrysFigures) {
    Catalog c = PlainCatalog();
    CatalogItem& srm = Put(c, 0, "SRM 4", 240, 2, kMissile);
    srm.Long = "9";
    srm.Damage = "2/Msl";
    srm.AmmoWeight = 40;
    srm.Shots = 2;
    srm.AmmoPrice = 500;
    Put(c, 1, "Claw", 50, 1, kEquipment);  // no range, no damage
    const EntryFigures weapon = FiguresOf(c, {0, false});
    const EntryFigures load = FiguresOf(c, {0, true});
    const EntryFigures claw = FiguresOf(c, {1, false});
    EXPECT_EQ(weapon[kFigureDamage].text, "2/Msl");
    EXPECT_EQ(weapon[kFigureDamage].value, 2.0);
    EXPECT_EQ(load[kFigureWeight].text, "40");
    EXPECT_EQ(load[kFigureSlots].text, "1");
    EXPECT_EQ(load[kFigurePrice].text, "500");
    EXPECT_TRUE(load[kFigureLong].none);
    EXPECT_EQ(claw[kFigureLong].text, "-");

    struct Case {
        const char* query;
        bool weapon, load, claw;
    };
    const Case cases[] = {
        {"long>=6",             true,  false, false},
        {"LONG>9",              false, false, false},
        {"long=9 weight<300",   true,  false, false},
        {"weight<=50",          false, true,  true },
        {"weight>=50 slots=1",  false, false, true },
        {"damage>1.5",          true,  false, false},
        {"ammo=40 shots>=2",    true,  true,  false},
        {"price>400 weight<41", false, true,  false},
        {"srm slots>1",         true,  false, false},
    };
    for (const Case& k : cases) {
        const SearchQuery q = ParseSearch(k.query);
        EXPECT_EQ(Matches(q, "srm 4 missile both", weapon), k.weapon) << k.query;
        EXPECT_EQ(Matches(q, "srm 4 ammo ammunition both", load), k.load) << k.query;
        EXPECT_EQ(Matches(q, "claw equipment both", claw), k.claw) << k.query;
    }
    // What is not a whole condition is a word like any other.
    for (const char* word : {"long>", "long>=x", "long>=6km", "longer>6", "range>6", "weight<<3"}) {
        const SearchQuery q = ParseSearch(word);
        EXPECT_TRUE(q.conditions.empty()) << word;
        EXPECT_EQ(q.words.size(), 1u) << word;
    }
    EXPECT_EQ(ParseSearch("Weight<=-1.5").conditions,
              (std::vector<FigureCondition>{
                  {kFigureWeight, FigureCondition::Op::LessOrEqual, -1.5}
    }));
}

}  // namespace
}  // namespace vantrel
