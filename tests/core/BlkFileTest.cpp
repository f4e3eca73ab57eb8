// MegaMek unit files: the name table against the shipped catalog, what an export writes, what an
// import refuses, carries over and reports, and the round trips both ways.

#include "files/BlkFile.h"

#include "../support/ScratchFiles.h"
#include "TestCatalog.h"
#include "TestFiles.h"
#include "equipment/AutoPlace.h"
#include "equipment/Clearing.h"
#include "files/DesignFile.h"
#include "files/MegaMekNames.h"
#include "model/RegularFile.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "rules/Tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const CatalogRef& Shipped() { return test::ShippedCatalog(); }

const MegaMekNameTable& Names() {
    static const MegaMekNameTable table = [] {
        MegaMekNameTable t;
        std::string error;
        int line = 0;
        if (!ParseMegaMekNames(MegaMekNamesText(), Shipped(), t, error, line))
            ADD_FAILURE() << "line " << line << ": " << error;
        return t;
    }();
    return table;
}

int Index(const std::string& name) { return FindIndex(Shipped(), name); }

std::unique_ptr<Context> NewContext() {
    auto ctx = std::make_unique<Context>();
    ctx->catalog = Shipped();
    NewDesign(ctx->design);
    ctx->armorList = ArmorListFor(ctx->design);
    return ctx;
}

// The design as the pages leave it: armor list, armor slots and weight, movement slots laid down.
void Settle(Context& ctx) {
    Design& d = ctx.design;
    ctx.armorList = ArmorListFor(d);
    int slots = 0;
    if (ArmorSlotCount(ctx.armorList.text, slots)) d.ArmorSlots = slots;
    ctx.RebuildSlots = true;
    RebuildMovementSlots(ctx);
}

void SetArmorWeight(Design& d) {
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.ArmorPoints + d.PlacedArmor) * kg;
}

// The lines of one block of a unit file.
std::vector<std::string> BlockLines(const std::string& file, const std::string& tag) {
    std::vector<std::string> out;
    std::istringstream in(file);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line == "<" + tag + ">") {
            inside = true;
        } else if (line == "</" + tag + ">") {
            return out;
        } else if (inside) {
            out.push_back(line);
        }
    }
    return out;
}

std::string Value(const std::string& file, const std::string& tag) {
    const std::vector<std::string> lines = BlockLines(file, tag);
    return lines.empty() ? std::string("<none>") : lines.front();
}

// The first value of each block, as "tag=value".
void ExpectValues(const std::string& file, std::initializer_list<std::string> wanted) {
    for (const std::string& w : wanted) {
        const size_t at = w.find('=');
        EXPECT_EQ(Value(file, w.substr(0, at)), w.substr(at + 1)) << w;
    }
}

BlkImport Import(const std::string& text, std::vector<BlkReportLine>* report = nullptr) {
    BlkImport out;
    BlkRefusal refusal;
    EXPECT_TRUE(ParseBlkFile(text, Shipped(), Names(), out, refusal))
        << "refused on line " << refusal.line << ": " << refusal.problem;
    if (report) *report = out.report;
    return out;
}

std::string ReportOf(const BlkImport& imp) { return BlkReportText("unit.blk", imp.report); }

// ---------------------------------------------------------------------------------------------

TEST(MegaMekNameTable, HoldsEveryCatalogEntryOnceAndNoNameTwiceWithoutAReason) {
    const MegaMekNameTable& t = Names();
    ASSERT_EQ(t.rows.size(), static_cast<size_t>(kCatalogSize));
    for (int i = 0; i < kCatalogSize; ++i) {
        const MegaMekName* row = t.ForIndex(i);
        ASSERT_NE(row, nullptr) << Shipped()[i].Name;
        EXPECT_EQ(row->entry, Shipped()[i].Name);
        if (row->name.empty()) {
            EXPECT_EQ(row->note.rfind("no equivalent: ", 0), 0u) << row->entry;
        }
        // Ammunition columns only where the catalog has ammunition.
        if (Shipped()[i].AmmoWeight <= 0) {
            EXPECT_TRUE(row->ammo.empty()) << row->entry;
        }
    }
    std::map<std::string, std::vector<const MegaMekName*>> byKey;
    for (const MegaMekName& row : t.rows) {
        if (!row.name.empty()) byKey[row.nameKey].push_back(&row);
        for (const std::string& a : row.alsoKeys) byKey[a].push_back(&row);
    }
    for (const auto& [key, rows] : byKey) {
        if (rows.size() == 1) continue;
        // A shared name: exactly one row leads, the others say why they share it.
        const auto quiet =
            std::count_if(rows.begin(), rows.end(), [](const MegaMekName* r) { return r->note.empty(); });
        EXPECT_EQ(quiet, 1) << key;
        EXPECT_TRUE(t.ForName(key).front()->note.empty()) << key;
    }
}

TEST(MegaMekNameTable, RefusesRowsThatDoNotFitTheCatalog) {
    MegaMekNameTable t;
    std::string error;
    int line = 0;
    EXPECT_FALSE(ParseMegaMekNames("# head\nNo Such Thing\tX\t\t\t\n", Shipped(), t, error, line));
    EXPECT_EQ(line, 2);
    EXPECT_NE(error.find("No Such Thing"), std::string::npos);
    EXPECT_FALSE(
        ParseMegaMekNames("Machine Gun\tA\t\t\t\nMachine Gun\tB\t\t\t\n", Shipped(), t, error, line));
    EXPECT_EQ(line, 2);
    EXPECT_FALSE(ParseMegaMekNames("Machine Gun\tA\t\t\n", Shipped(), t, error, line));
    EXPECT_NE(error.find("five"), std::string::npos);
}

TEST(MegaMekNameTable, FindsNamesAsMegaMekSpellsThemLoosely) {
    const MegaMekNameTable& t = Names();
    ASSERT_FALSE(t.ForName("ISBAMediumLaser").empty());
    EXPECT_EQ(t.ForName("IS BA Medium Laser").front()->entry, "(I) Medium Laser");
    EXPECT_EQ(t.ForName("Clan BA ER Small Laser").front()->entry, "(C) ER Small Laser");
    EXPECT_EQ(t.ForName("clbamg").front()->entry, "Machine Gun");  // another base's name
    // A one-shot launcher leads over the detachable pack MegaMek calls the same.
    EXPECT_EQ(t.ForName("ISBASRM4OS").front()->entry, "(I) SRM 4 (OS)");
    EXPECT_EQ(t.ForAmmo("ba-srm4 ammo").size(), 2u);
}

// ---------------------------------------------------------------------------------------------

TEST(BlkExport, WritesTheUnitAsMegaMekReadsIt) {
    auto ctx = NewContext();
    Design& d = ctx->design;
    d.MechName = "Test Suit";
    d.Model = "A\nB";
    d.WeightClass = 2;
    d.GroundMP = 1;
    d.JumpMP = 3;
    d.ArmorType = 5;  // Standard Stealth on the Inner Sphere list
    d.ArmorPoints = 7;
    Settle(*ctx);
    AddToStash(ctx->catalog, d, "(I) Medium Laser", 1);
    AddToStash(ctx->catalog, d, "(I) SRM 2", 1);
    AddToStash(ctx->catalog, d, "(I) SRM 2 Ammo", 2);
    AddToStash(ctx->catalog, d, "Manipulator", 1);
    AddToStash(ctx->catalog, d, "Vibro-Shovel", 1);
    ASSERT_EQ(PlaceIn(*ctx, kRightArm, "(I) Medium Laser").kind, DropResult::Kind::Placed);
    ASSERT_EQ(PlaceIn(*ctx, kBody, "(I) SRM 2 Ammo").kind, DropResult::Kind::Placed);
    ASSERT_EQ(PlaceIn(*ctx, kLeftArm, "Manipulator").kind, DropResult::Kind::Placed);
    const std::string file = BlkFileBytes(*ctx, Names(), {});

    // The model on one line: a break would end the block for MegaMek.
    ExpectValues(file, {"UnitType=BattleArmor", "Name=Test Suit", "Model=A B", "year=3075", "type=IS Level 2",
                        "chassis=biped", "weightclass=2", "motion_type=Jump", "cruiseMP=1", "jumpingMP=3",
                        "armor_type=32", "armor=7", "Trooper Count=4", "turret=<none>"});
    d.MechName = "<Name>";
    EXPECT_EQ(Value(BlkFileBytes(*ctx, Names(), {}), "Name"), "(Name)");  // not read as a tag
    const std::vector<std::string> eq = BlockLines(file, "Squad Equipment");
    EXPECT_EQ(eq, (std::vector<std::string>{"ISBAMediumLaser:RA", "ISBASRM2", "BA-SRM2 Ammo:Body:Shots2#",
                                            "BA-SRM2 Ammo:Shots2#", "BABasicManipulator:LA"}));
    // What MegaMek has no name for travels as a comment it skips.
    EXPECT_NE(file.find("\n#vantrel item -\tVibro-Shovel\n"), std::string::npos);
    for (const std::string& l : eq) EXPECT_EQ(l.find("Vibro"), std::string::npos);
}

TEST(BlkExport, MovementTechBaseTurretAndSquad) {
    auto ctx = NewContext();
    Design& d = ctx->design;
    d.TechBase = 1;
    d.WeightClass = 3;
    d.IsQuad = true;
    d.TurretSize = 4;
    d.TurretConfig = true;
    d.GroundMP = 2;
    d.UMUMP = 3;
    Settle(*ctx);
    std::string file = BlkFileBytes(*ctx, Names(), {});
    // A modular turret: the slots it offers, one going to the mechanism.
    ExpectValues(file, {"type=Clan Level 2", "chassis=quad", "turret=Modular:3", "motion_type=UMU",
                        "jumpingMP=3", "Trooper Count=5"});
    EXPECT_EQ(BlockLines(file, "Squad Equipment").size(), 0u);
    EXPECT_NE(file.find("<Point Equipment>"), std::string::npos);

    d.UMUMP = 0;
    d.VTOLMP = 4;
    d.TechBase = 2;
    d.TurretConfig = false;
    file = BlkFileBytes(*ctx, Names(), {6, 3080});
    ExpectValues(file, {"motion_type=VTOL", "jumpingMP=4", "type=Mixed (IS Chassis)", "turret=Standard:4",
                        "Trooper Count=6", "year=3080"});
}

TEST(BlkExport, WriteKeepsTheOldFileWhenItCannotWrite) {
    const test::TempDir dir;
    const fs::path target = dir.path / "unit.blk";
    std::string error;
    ASSERT_TRUE(WriteBlkFile(target.string(), "old", error)) << error;
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    const bool wrote = WriteBlkFile(target.string(), "new", error);
    fs::permissions(dir.path, fs::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(wrote);
        EXPECT_EQ(test::ReadBytes(target), "old");
    }
}

// ---------------------------------------------------------------------------------------------

const char* const kMinimal =
    "<UnitType>\nBattleArmor\n</UnitType>\n"
    "<Name>\nProbe\n</Name>\n"
    "<type>\nIS Level 2\n</type>\n"
    "<Trooper Count>\n4\n</Trooper Count>\n"
    "<weightclass>\n2\n</weightclass>\n"
    "<chassis>\nbiped\n</chassis>\n"
    "<motion_type>\nLeg\n</motion_type>\n"
    "<cruiseMP>\n1\n</cruiseMP>\n"
    "<armor>\n5\n</armor>\n";

std::string Minimal(const std::string& replace, const std::string& with) {
    std::string text = kMinimal;
    const size_t at = text.find(replace);
    if (at != std::string::npos) text.replace(at, replace.size(), with);
    return text;
}

TEST(BlkImport, RefusesWhatIsNoBattleArmorUnitNamingTheLine) {
    struct Case {
        std::string text;
        int line;
        std::string problem;
    };
    const Case cases[] = {
        {Minimal("BattleArmor",                                      "Mech"),                                       1,                                                                                           "not a Battle Armor unit"},
        {Minimal("<Name>\nProbe\n</Name>\n",                                                          ""),                                                                      0,                                                                                                     "<Name> is missing"},
        {Minimal("<cruiseMP>\n1\n</cruiseMP>\n",                                       ""),                                                                                    0,                                      "<cruiseMP> is missing"},
        {Minimal("</chassis>\n",                                                         ""),16,                                                  "<chassis> is not closed before line 18"},
        {std::string(kMinimal) + "<Squad Equipment>\nISBAMG:Body\n",28,                                               "<Squad Equipment> is not closed"                                                },
        {Minimal("</armor>", "</armour>"),                                              27,                                                          "closed by </armour>"},
        {Minimal("\n4\n</Trooper",                                         "\n7\n</Trooper"),                                                                          11,                                                                                                                      "from 1 to 6"},
        {Minimal("\n2\n</weightclass>",                                                          "\n-1\n</weightclass>"),                                                                                14,                                                                                                                  "from 0 to 4"},
        {Minimal("\n5\n</armor>",                                             "\n99999999999\n</armor>"),                                                                                          26,                                    "<armor> must be a whole number"},
        {Minimal("\n1\n</cruiseMP>",                                                        "\nfast\n</cruiseMP>"),         23,"\"fast\""},
        {Minimal("\n5\n</armor>","\n5\n6\n</armor>"),27,"one value"},
        {Minimal("biped",                                 "tripod"), 16,                                                                                  "unknown chassis"},
        {Minimal("Leg",                                                          "Hover"),                                                                                 19,                                                                                                                                                                      "unknown movement"},
        {Minimal("IS Level 2",                                               "Alien"),                                                                                            7,                                                                                                                                                                                                            "unknown technology base"},
        {std::string(kMinimal) + "<turret>\nBig\n</turret>\n",                                                        29,                                                                                    "<turret> must be"                                                                                             },
    };
    for (const Case& c : cases) {
        BlkImport out;
        out.troopers = 99;
        BlkRefusal refusal;
        EXPECT_FALSE(ParseBlkFile(c.text, Shipped(), Names(), out, refusal)) << c.problem;
        EXPECT_EQ(refusal.line, c.line) << c.problem << " / " << refusal.problem;
        EXPECT_NE(refusal.problem.find(c.problem), std::string::npos) << refusal.problem;
        EXPECT_EQ(out.troopers, 99) << "a refused file changes nothing";
    }
}

TEST(BlkImport, RefusesFilesThatAreNotRegularOrTooLarge) {
    BlkImport out;
    BlkRefusal refusal;
    const fs::path dir = fs::temp_directory_path();
    EXPECT_FALSE(ReadBlkFile(dir.string(), Shipped(), Names(), out, refusal));
    EXPECT_EQ(refusal.problem, kNotRegularFile);
    EXPECT_FALSE(ReadBlkFile((dir / "no-such-vantrel-unit.blk").string(), Shipped(), Names(), out, refusal));
    EXPECT_NE(refusal.problem.find("cannot be opened"), std::string::npos);
    std::string huge(kMaxBlkFileBytes + 1, '#');
    EXPECT_FALSE(ParseBlkFile(huge, Shipped(), Names(), out, refusal));
    EXPECT_NE(refusal.problem.find("larger than"), std::string::npos);
    EXPECT_EQ(FormatBlkLine("u.blk", 3, "bad"), "u.blk, line 3: bad");
    EXPECT_EQ(FormatBlkLine("u.blk", 0, "bad"), "u.blk: bad");
}

TEST(BlkImport, ReadsLooseSpellingsAndReportsWhatItLeavesOut) {
    const std::string text =
        "<unittype>\nbattlearmor\n</UNITTYPE>\n"       // 1-3: tags in any case
        "<Name>\nLoose\n</Name>\n<Model>\n</Model>\n"  // 4-8: an empty optional value
        "<type>\nIS Level 3\n</type>\n<TROOPER COUNT>\n6\n</trooper count>\n"
        "<weightclass>\n2\n</weightclass>\n<chassis>\nBiped\n</chassis>\n"
        "<motion_type>\nLeg\n</motion_type>\n<cruiseMP>\n1\n</cruiseMP>\n<jumpingMP>\n</jumpingMP>\n"  // 21-29
        "<armor_type>\n37\n</armor_type>\n<armor>\n12\n</armor>\n"  // 30-35
        "<Squad Equipment>\n"                                       // 36
        "IS BA Medium Laser:RA\n"                                   // 37
        "BA-SRM2 Ammo:Shots5#:Body\n"                               // 38
        "SwarmMek\nLegAttack\n"                                     // 39-40
        "InfantryAssaultRifle:LA:APM\n"                             // 41
        "ISBAWarpDrive:Body\n"                                      // 42
        "ISBAMediumLaser:LA:Shiny\n"                                // 43
        "BABasicManipulator:Body\n"                                 // 44
        "BABasicManipulator:TU\n"                                   // 45
        "</Squad Equipment>\n"
        "<Trooper 2 Equipment>\nISBAFlamer:RA\n</Trooper 2 Equipment>\n";  // 47-49
    const BlkImport imp = Import(text);
    const Design& d = imp.design;
    EXPECT_EQ(d.MechName, "Loose");
    EXPECT_EQ(d.Model, "");
    EXPECT_EQ(imp.troopers, 6);
    EXPECT_EQ(d.JumpMP, 0);
    // The armor points above the Medium's 10 stay as read.
    EXPECT_EQ(d.ArmorPoints, 12);
    EXPECT_EQ(d.PlacedCount[Index("(I) Medium Laser")], 2);
    EXPECT_EQ(d.RightArmSlots[0], kSlotItemBase + Index("(I) Medium Laser"));
    EXPECT_EQ(d.PlacedAmmo[Index("(I) SRM 2")] + d.OwnedAmmo[Index("(I) SRM 2")], 3);
    EXPECT_EQ(d.OwnedCount[Index("Manipulator")], 2);  // refused on the body and on a turret it lacks
    EXPECT_EQ(d.OwnedCount[Index("Auto-Rifle")] + d.PlacedCount[Index("Auto-Rifle")], 1);

    const std::string report = ReportOf(imp);
    for (const char* expected : {
             "line 24: Armor 12 is more than this suit allows (10)",  // the limits are named on cruiseMP's
                                                                      // block
             "line 29: laser reflective armor (armor_type 37) has no equivalent; Standard used",
             "line 37: 5 shots of \"BA-SRM2 Ammo\" are not whole loads of 2; 3 loads taken",
             "line 41: \"ISBAWarpDrive\" has no equivalent in the catalog; left out",
             "line 42: the flag \":Shiny\" of \"ISBAMediumLaser\" is not understood",
             "line 43: Manipulator cannot be placed in the Body",
             "line 44: Manipulator: a humanoid has no mount \"TU\"; it stays unplaced",
             "line 47: per-trooper equipment is not carried over: \"ISBAFlamer:RA\" (Trooper 2 Equipment)",
         })
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
    EXPECT_EQ(report.find("SwarmMek"), std::string::npos);
    EXPECT_EQ(report.find("LegAttack"), std::string::npos);
}

TEST(BlkImport, MovementModesAndOlderSpellings) {
    struct Case {
        const char* motion;
        int jump, vtol, umu;
    };
    for (const Case& c : {
             Case{"Jump",      2, 0, 0},
             Case{"inf_jump",  2, 0, 0},
             Case{"VTOL",      0, 2, 0},
             Case{"UMU",       0, 0, 2},
             Case{"Submarine", 0, 0, 2}
    }) {
        const BlkImport imp = Import(Minimal(
            "Leg\n</motion_type>", std::string(c.motion) + "\n</motion_type>\n<jumpingMP>\n2\n</jumpingMP>"));
        EXPECT_EQ(imp.design.JumpMP, c.jump) << c.motion;
        EXPECT_EQ(imp.design.VTOLMP, c.vtol) << c.motion;
        EXPECT_EQ(imp.design.UMUMP, c.umu) << c.motion;
        EXPECT_EQ(imp.design.GroundMP, 1);
    }
    // A Medium suit of the Inner Sphere has no VTOL: kept, and reported.
    std::vector<BlkReportLine> report;
    const BlkImport imp =
        Import(Minimal("Leg\n</motion_type>", "VTOL\n</motion_type>\n<jumpingMP>\n5\n</jumpingMP>"), &report);
    EXPECT_EQ(imp.design.VTOLMP, 5);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].text.find("VTOL MP 5 is more than this suit allows (0)"), std::string::npos);
}

TEST(BlkImport, HostileInputNeverHangsOrOverflows) {
    // A load count that would run for ever is bounded, and counts stay within the design file's limits.
    std::string many =
        Minimal("<armor>", "<Squad Equipment>\nBA-SRM2 Ammo:Shots10000#\n</Squad Equipment>\n<armor>");
    BlkImport imp = Import(many);
    EXPECT_EQ(imp.design.OwnedAmmo[Index("(I) SRM 2")], kMaxCount);
    std::string lines = "<Squad Equipment>\n";
    for (int i = 0; i < 1001; ++i) lines += "ISBAMG:Body\n";
    BlkImport out;
    BlkRefusal refusal;
    EXPECT_FALSE(ParseBlkFile(Minimal("<armor>", lines + "</Squad Equipment>\n<armor>"), Shipped(), Names(),
                              out, refusal));
    EXPECT_NE(refusal.problem.find("too many equipment lines"), std::string::npos);
    // Comments that do not parse are reported, not trusted.
    std::vector<BlkReportLine> report;
    imp = Import(std::string(kMinimal) +
                     "#vantrel slots Body 1,2,99999\n#vantrel movement 1 x\n#vantrel heatsinks 3\n",
                 &report);
    EXPECT_EQ(imp.design.HeatSinks, 3);
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0].line, 28);
}

// ---------------------------------------------------------------------------------------------
// Round trips

// A random design of the shipped catalog whose items all have a MegaMek name, placed as Place All
// places it.
std::unique_ptr<Context> RandomDesign(std::mt19937& rng) {
    auto ctx = NewContext();
    Design& d = ctx->design;
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    d.MechName = "Random " + std::to_string(pick(0, 999));
    d.Model = "R-" + std::to_string(pick(0, 99));
    d.WeightClass = pick(0, 4);
    d.TechBase = pick(0, 2);
    d.IsQuad = d.WeightClass > 0 && pick(0, 2) == 0;
    if (d.IsQuad) {
        d.TurretSize = pick(0, 4);
        d.TurretConfig = d.TurretSize > 0 && pick(0, 1) == 1;
    }
    d.SuitSystems = pick(0, 2);
    d.EnhancedImaging = pick(0, 1) == 1;
    if (pick(0, 1)) d.History = "Built in a test.\r\nSecond line \\ with a backslash.";
    const ClassLimit& lim = ClassLimits[d.WeightClass];
    d.GroundMP = pick(1, d.IsQuad ? lim.groundMaxQuad : lim.groundMaxHumanoid);
    switch (pick(0, 3)) {
        case 1: d.JumpMP = pick(1, lim.jumpMax); break;
        case 2: d.VTOLMP = pick(1, 3); break;
        case 3: d.UMUMP = pick(1, 3); break;
        default: break;
    }
    if (pick(0, 4) == 0) d.UMUMP = 1;  // a second mode MegaMek has no field for
    d.ArmorType = pick(0, static_cast<int>(ArmorTypesOffered(d.TechBase).size()) - 1);
    d.ArmorPoints = pick(0, lim.armorMax);
    d.HeatSinks = pick(0, 2);
    Settle(*ctx);
    for (int n = pick(0, 8); n > 0; --n) {
        const MegaMekName& row = Names().rows[pick(0, kCatalogSize - 1)];
        if (row.name.empty()) continue;
        AddToStash(ctx->catalog, d, row.entry, 1);
        if (ctx->catalog[row.index].AmmoWeight > 0)
            AddToStash(ctx->catalog, d, row.entry + kAmmoSuffix, pick(0, 2));
    }
    PlaceAll(*ctx);
    SetArmorWeight(d);
    MainCalc(*ctx);
    return ctx;
}

TEST(BlkRoundTrip, ExportThenImportGivesTheSameDesign) {
    std::mt19937 rng(2501);
    for (int round = 0; round < 300; ++round) {
        const auto ctx = RandomDesign(rng);
        const std::string file = BlkFileBytes(*ctx, Names(), {});
        std::vector<BlkReportLine> report;
        const BlkImport imp = Import(file, &report);
        EXPECT_EQ(DesignFileBytes(imp.design), DesignFileBytes(ctx->design)) << "round " << round << "\n"
                                                                             << file;
        EXPECT_TRUE(imp.design == ctx->design) << "round " << round;
        EXPECT_EQ(imp.armorList, ctx->armorList);
        // Reported only what the sliders would not allow (random VTOL and UMU points may exceed them).
        for (const BlkReportLine& r : report)
            EXPECT_NE(r.text.find("more than this suit allows"), std::string::npos) << r.text << "\n" << file;
        if (HasFailure()) break;
    }
}

std::vector<fs::path> Fixtures() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(test::kData))
        if (e.path().filename().string().rfind("blk-", 0) == 0 && fs::exists(e.path() / "unit.blk"))
            out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

// Equipment lines with their flags in a fixed order, so that "X:Shots2#:Body" and "X:Body:Shots2#" match.
std::string Canonical(const std::string& line) {
    std::vector<std::string> parts;
    std::stringstream in(line);
    std::string part;
    while (std::getline(in, part, ':')) parts.push_back(part);
    std::sort(parts.begin() + 1, parts.end());
    std::string out = parts.empty() ? "" : MegaMekNameKey(parts[0]);
    for (size_t i = 1; i < parts.size(); ++i) out += ":" + LowerAscii(parts[i]);
    return out;
}

// imported.vnt, not design.vnt: the design-file goldens are totalled with the test catalog, these
// with the shipped one.
TEST(BlkGolden, FixturesImportToTheirDesignAndReport) {
    const std::vector<fs::path> fixtures = Fixtures();
    ASSERT_GE(fixtures.size(), 3u);
    for (const fs::path& dir : fixtures) {
        BlkImport imp;
        BlkRefusal refusal;
        ASSERT_TRUE(ReadBlkFile((dir / "unit.blk").string(), Shipped(), Names(), imp, refusal))
            << dir << ": " << refusal.problem;
        const std::string design = DesignFileBytes(imp.design);
        const std::string report = BlkReportText("unit.blk", imp.report);
        if (std::getenv("VANTREL_WRITE_GOLDEN")) {
            std::ofstream(dir / "imported.vnt", std::ios::binary) << design;
            std::ofstream(dir / "report.txt", std::ios::binary) << report;
        }
        EXPECT_EQ(design, test::ReadBytes(dir / "imported.vnt")) << dir;
        EXPECT_EQ(report, test::ReadBytes(dir / "report.txt")) << dir;
    }
}

TEST(BlkRoundTrip, ImportThenExportGivesTheFixturesEquipmentLines) {
    for (const fs::path& dir : Fixtures()) {
        const std::string text = test::ReadBytes(dir / "unit.blk");
        BlkImport imp;
        BlkRefusal refusal;
        ASSERT_TRUE(ParseBlkFile(text, Shipped(), Names(), imp, refusal)) << dir;
        std::set<int> reported, unplaced;
        for (const BlkReportLine& r : imp.report) {
            reported.insert(r.line);
            if (r.text.find("stays unplaced") != std::string::npos) unplaced.insert(r.line);
        }
        // The lines carried over, as the fixture has them...
        std::multiset<std::string> expected;
        std::istringstream in(text);
        std::string line;
        bool inside = false;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line == "<Squad Equipment>" || line == "<Point Equipment>") {
                inside = true;
            } else if (line.rfind("</", 0) == 0) {
                inside = false;
            } else if (inside && line.rfind("Swarm", 0) != 0 && line != "LegAttack" && line != "StopSwarm") {
                if (!reported.count(number)) {
                    expected.insert(Canonical(line));
                } else if (unplaced.count(number)) {
                    // Kept, but owned: written back without its mount.
                    expected.insert(Canonical(line.substr(0, line.find(':'))));
                }
            }
        }
        // ...are the lines the export writes for the imported design.
        auto ctx = NewContext();
        ctx->design = imp.design;
        ctx->armorList = imp.armorList;
        const std::string file = BlkFileBytes(*ctx, Names(), {imp.troopers, kDefaultUnitYear});
        std::vector<std::string> written =
            BlockLines(file, imp.design.TechBase == 1 ? "Point Equipment" : "Squad Equipment");
        std::multiset<std::string> got;
        for (const std::string& l : written) got.insert(Canonical(l));
        EXPECT_EQ(got, expected) << dir << "\n" << file;
        EXPECT_EQ(Value(file, "Trooper Count"), std::to_string(imp.troopers));
    }
}

}  // namespace
}  // namespace vantrel
