#include "rules/Limits.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Limits, MovementByClassChassisAndTechnology) {
    Design d;
    NewDesign(d);  // Light, Inner Sphere, Humanoid
    EXPECT_EQ(MovementMaximum(d, MoveKind::Ground), 3);
    EXPECT_EQ(MovementMaximum(d, MoveKind::Jump), 3);
    EXPECT_EQ(MovementMaximum(d, MoveKind::VTOL), 0);  // unusable: the top is 0 ...
    EXPECT_EQ(SliderMaximum(d, MoveKind::VTOL), 7);    // ... while the slider keeps its range
    EXPECT_EQ(MovementMaximum(d, MoveKind::UMU), 5);
    d.IsQuad = true;
    d.WeightClass = 3;
    EXPECT_EQ(MovementMaximum(d, MoveKind::Ground), 4);  // a Quad Heavy 4, a Humanoid Heavy 2
    d.IsQuad = false;
    EXPECT_EQ(MovementMaximum(d, MoveKind::Ground), 2);
    EXPECT_EQ(ArmorMaximum(d), 14);
    d.TechBase = 1;
    d.WeightClass = 0;
    EXPECT_TRUE(MovementUsable(d, MoveKind::VTOL));
    EXPECT_FALSE(MovementUsable(d, MoveKind::UMU));
    EXPECT_EQ(ArmorMaximum(d), 2);
    // A class outside the table has no limits to give.
    d.WeightClass = 5;
    EXPECT_EQ(SliderMaximum(d, MoveKind::Ground), std::nullopt);
    EXPECT_EQ(ArmorMaximum(d), std::nullopt);
    EXPECT_EQ(WeightClassShortName(5), "");
    EXPECT_EQ(WeightClassShortName(4), "Assault");
}

TEST(Limits, ArmorWeightByTechnologyListIndexAndPoints) {
    // Index 1 is Advanced under Inner Sphere and Mixed, Basic Stealth under Clan.
    EXPECT_EQ(ArmorWeightFor(0, 1, 10), 400);
    EXPECT_EQ(ArmorWeightFor(1, 1, 10), 450);
    EXPECT_EQ(ArmorWeightFor(2, 1, 10), 400);
    EXPECT_EQ(ArmorWeightFor(0, 4, 2), 230);           // Prototype Stealth
    EXPECT_EQ(ArmorWeightFor(1, 5, 2), std::nullopt);  // Clan offers five types
    EXPECT_EQ(ArmorWeightFor(3, 0, 2), std::nullopt);
    EXPECT_EQ(ArmorWeightFor(0, 4, 100000000), std::nullopt);  // beyond what a weight can hold
    Design d;
    NewDesign(d);
    d.ArmorPoints = 2;
    d.PlacedArmor = 3;  // placed points weigh too
    EXPECT_EQ(ArmorWeightOf(d), 250);
}

// What a gesture of the first two pages does to values beyond the new limits.
TEST(Limits, ClampingToTheClass) {
    Design d;
    NewDesign(d);
    d.WeightClass = 3;  // Heavy: a Humanoid 2 ground points, a Quad 4
    d.GroundMP = 3;
    ClampMovement(d);
    EXPECT_EQ(d.GroundMP, 2);
    d.IsQuad = true;
    d.GroundMP = 5;
    ClampMovement(d);
    EXPECT_EQ(d.GroundMP, 4);
    d.GroundMP = 0;  // the ground slider starts at 1
    d.WeightClass = 2;
    d.TechBase = 1;
    d.VTOLMP = 3;  // no VTOL on a Medium suit
    d.JumpMP = 9;
    d.UMUMP = 6;
    ClampMovement(d);
    EXPECT_EQ(d.GroundMP, 1);
    EXPECT_EQ(d.VTOLMP, 0);
    EXPECT_EQ(d.JumpMP, 3);
    EXPECT_EQ(d.UMUMP, 5);
    d.WeightClass = 0;
    ClampMovement(d);
    EXPECT_EQ(d.UMUMP, 0);

    // 4 placed and 20 unplaced armor points on a Light suit: 2 stay unplaced, 6 in all, and they weigh
    // what 6 points of the type weigh.
    NewDesign(d);
    d.PlacedArmor = 4;
    d.ArmorPoints = 20;
    ClampArmor(d);
    EXPECT_EQ(d.ArmorPoints, 2);
    EXPECT_EQ(d.ArmorWeight, 300);
    // Placed points are never taken away, even above the maximum.
    d.PlacedArmor = 8;
    ClampArmor(d);
    EXPECT_EQ(d.ArmorPoints, 0);
    EXPECT_EQ(d.PlacedArmor, 8);
}

}  // namespace
}  // namespace vantrel
