#include "files/Readout.h"

#include "../support/ScratchFiles.h"
#include "TestCatalog.h"
#include "TestFiles.h"
#include "model/Context.h"
#include "rules/SpeedCaption.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

using Strings = std::vector<std::string>;
using test::Put;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return out;
}

// The four-blank entries that follow `heading`.
std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& heading) {
    auto it = std::find(lines.begin(), lines.end(), heading);
    std::vector<std::string> out;
    if (it == lines.end()) return out;
    for (++it; it != lines.end() && it->rfind("    ", 0) == 0; ++it) out.push_back(*it);
    return out;
}

struct ReadoutFixture : ::testing::Test {
    Context ctx;
    Catalog& cat = test::Editable(ctx, test::PlainCatalog());
    Design& d = ctx.design;
    void SetUp() override {
        NewDesign(d);
        d.BodySlots[0] = kSlotGround;
        d.EstimatedBV = 11;
        d.Cost = 47500;
    }
    std::vector<std::string> Run(const std::string& armor = "Standard") {
        ctx.armorList.text = armor;
        return Lines(Readout(ctx));
    }
};

TEST_F(ReadoutFixture, HeaderSpeedsArmorAndHistory) {
    d.Model = "";
    d.WeightClass = 4;
    d.TechBase = 2;
    d.GroundMP = 3;
    d.JumpMP = 2;
    d.UMUMP = 5;
    d.ArmorPoints = 2;
    d.PlacedArmor = 4;  // placed points count in the points line
    d.ArmorWeight = 300;
    d.History = "Line one, with comma\nLine two\r\nLine three\rEnd";
    const auto lines = Run("Mimetic");
    EXPECT_EQ(Strings(lines.begin() + 1, lines.begin() + 14),
              (Strings{"", "Chassis: Bipedal Assault (1900Kg)", "Tech Base: Mixed", "",  // no Model line
                       "Ground Speed: 32.4 Km/H", "Jump Capability: 60 Meters", "VTOL Speed: N/A",
                       "Underwater Speed: 54 Km/H", "", "Armor:", "  Type: Mimetic", "  Points: 6",
                       "  Weight: 300Kg"}));
    const auto h = std::find(lines.begin(), lines.end(), "History:");
    ASSERT_NE(h, lines.end());
    EXPECT_EQ(*(h - 1), "");
    EXPECT_EQ(Strings(h + 1, h + 6), (Strings{"Line one, with comma", "Line two", "Line three", "End", ""}));

    const char* speeds[] = {"0 Km/H",    "10.8 Km/H", "21.6 Km/H", "32.4 Km/H",
                            "43.2 Km/H", "54 Km/H",   "64.8 Km/H", "75.6 Km/H"};
    for (int p = 0; p <= 7; ++p) EXPECT_EQ(SpeedCaption(p), speeds[p]);
    EXPECT_EQ(JumpCaption(0), "0 Meters");
    EXPECT_EQ(JumpCaption(3), "90 Meters");

    d.History.clear();  // empty notes: no blank line, no heading
    const auto plain = Run();
    EXPECT_EQ(std::find(plain.begin(), plain.end(), "History:"), plain.end());
    EXPECT_EQ(plain.size(), 25u);
}

TEST_F(ReadoutFixture, EquipmentOfAHumanoid) {
    Put(cat, 7, "Heavy Recoilless Rifle", 325, 3, kBallistic);
    Put(cat, 9, "Magnetic Clamps", 30, 1);
    d.BodySlots = {kSlotGround, kSlotHeatSink,    kSlotHeatSink, kSlotHeatSink, 13, 13,
                   13,          kSlotArmorSystem, kSlotArmor,    8 + 308,       -1, -1};
    d.BodySpan[4] = 3;
    d.BodySpan[5] = d.BodySpan[6] = kSpanFollow;
    d.RightArmSlots[2] = 15;
    d.RightArmSpan[2] = 1;
    d.LeftArmSlots[0] = 15;
    d.LeftArmSpan[0] = 1;
    d.QuadSlots[0] = 6;  // quad slots are not part of a humanoid's readout
    const auto lines = Run("Advanced");
    EXPECT_EQ(Section(lines, "  Body:"),
              (Strings{"    Ground Movement", "    Heat Sink", "    Heat Sink", "    Heat Sink",
                       "    Heavy Recoilless Rifle", "    ASys: Advanced", "    Armor: Advanced",
                       "    Item 8 Ammo"}));
    EXPECT_EQ(Section(lines, "  Right Arm:"), (Strings{"    Magnetic Clamps"}));
    EXPECT_EQ(Section(lines, "  Left Arm:"), (Strings{"    Magnetic Clamps"}));
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "  Unequipped:"), lines.end());

    d.HeatSinks = 2;
    d.ArmorSlots = 1;
    d.OwnedCount[7] = 1;
    d.OwnedAmmo[7] = 2;
    d.OwnedCount[3] = 1;
    const auto more = Run("Advanced");
    EXPECT_EQ(Section(more, "  Unequipped:"),
              (Strings{"    Heat Sink", "    Heat Sink", "    ASys: Advanced", "    Item 3",
                       "    Heavy Recoilless Rifle", "    Heavy Recoilless Rifle Ammo",
                       "    Heavy Recoilless Rifle Ammo"}));
    EXPECT_EQ(more[more.size() - 4], "All Weapons - Combined Damage: 0");
}

TEST_F(ReadoutFixture, QuadTurret) {
    d.IsQuad = true;
    d.BodySlots[0] = -1;
    d.QuadSlots[0] = kSlotGround;
    d.TurretSlots = {6, 7, 8, -1, -1, -1, -1, -1, -1};
    for (int s = 0; s < 3; ++s) d.TurretSpan[s] = 1;

    d.TurretSize = 1;  // a configurable one-slot turret has no slot left
    d.TurretConfig = true;
    auto lines = Run();
    EXPECT_EQ(lines[3], "Chassis: Quad Light (750Kg)");
    EXPECT_EQ(Section(lines, "  Body:"), (Strings{"    Ground Movement"}));
    EXPECT_EQ(Section(lines, "  Turret:"), (Strings{"    N/A"}));
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "  Right Arm:"), lines.end());

    d.TurretSize = 0;
    d.TurretConfig = false;
    EXPECT_EQ(Section(Run(), "  Turret:"), (Strings{"    N/A"}));

    d.TurretSize = 3;  // two usable slots: the third is not read
    d.TurretConfig = true;
    EXPECT_EQ(Section(Run(), "  Turret:"), (Strings{"    Item 0", "    Item 1"}));
    d.TurretConfig = false;
    EXPECT_EQ(Section(Run(), "  Turret:"), (Strings{"    Item 0", "    Item 1", "    Item 2"}));
}

TEST_F(ReadoutFixture, CombinedDamage) {
    Put(cat, 0, "Small Laser", 200, 1, kEnergy).Damage = "3";
    Put(cat, 1, "Flamer", 150, 1, kEnergy).Damage = "2.5";
    Put(cat, 2, "SRM 4", 240, 3, kMissile).Damage = " 8 ";
    Put(cat, 3, "Odd", 10, 1).Damage = "2/Shot";  // not a number: adds nothing
    Put(cat, 4, "Clamps", 30, 1).Damage = "-1";
    d.OwnedCount = {};
    d.OwnedCount[0] = 1;
    d.PlacedCount[0] = 1;
    d.OwnedCount[1] = 3;
    d.PlacedAmmo[2] = 4;  // ammunition deals no damage of its own
    d.PlacedCount[3] = 5;
    d.PlacedCount[4] = 2;
    const auto combined = [&] { return Run().end()[-4]; };
    EXPECT_EQ(combined(), "All Weapons - Combined Damage: 13.5");
    d.PlacedCount[2] = 2;
    EXPECT_EQ(combined(), "All Weapons - Combined Damage: 29.5");
    d.OwnedCount[1] = 2;
    EXPECT_EQ(combined(), "All Weapons - Combined Damage: 27");
}

TEST(Readout, WrittenInWindows1252) {
    const test::TempDir dir;
    const auto file = dir.path / "out.txt";
    std::string error;
    ASSERT_TRUE(WriteReadout(file.string(), "Name: Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD\r\n", error))
        << error;
    EXPECT_EQ(test::ReadBytes(file), "Name: Caf\xE9 \x80 ?\r\n");
    EXPECT_FALSE(WriteReadout(dir.path.string(), "x", error));  // a folder is not replaced
}

}  // namespace
}  // namespace vantrel
