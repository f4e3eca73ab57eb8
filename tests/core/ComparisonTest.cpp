#include "rules/Comparison.h"

#include "TestCatalog.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantrel {
namespace {

std::unique_ptr<Context> Calculated(const std::function<void(Design&)>& change = {}) {
    auto ctx = std::make_unique<Context>();
    test::Editable(*ctx, test::RulesCatalog());
    NewDesign(ctx->design);
    if (change) change(ctx->design);
    ctx->armorList = ArmorListFor(ctx->design);
    MainCalc(*ctx);
    return ctx;
}

const ComparisonRow* Row(const std::vector<ComparisonRow>& rows, const std::string& label) {
    for (const ComparisonRow& row : rows)
        if (row.label == label) return &row;
    return nullptr;
}

std::vector<std::string> Differing(const std::vector<ComparisonRow>& rows) {
    std::vector<std::string> labels;
    for (const ComparisonRow& row : rows)
        if (row.differs) labels.push_back(row.label);
    return labels;
}

TEST(Comparison, RowsOfChoicesFiguresAndCarriedItems) {
    const auto a = Calculated();
    const auto same = Calculated();
    const std::vector<ComparisonRow> rows = CompareDesigns({a.get(), same.get()});
    EXPECT_TRUE(Differing(rows).empty());
    for (const char* label :
         {"Name",         "Model",        "Chassis",    "Weight Class", "Technology Base", "Suit Systems",
          "Turret",       "Ground MP",    "Jump MP",    "VTOL MP",      "UMU MP",          "Armor Type",
          "Armor Points", "Heat Sinks",   "Current Kg", "Free Kg",      "Max Heat",        "Heat Dissipation",
          "Free CSlots",  "Estimated BV", "Cost",       "Errors",       "Warnings"})
        EXPECT_NE(Row(rows, label), nullptr) << label;
    EXPECT_EQ(Row(rows, "Medium Laser"), nullptr) << "nothing carried, no item rows";

    // Items and ammunition carried by any of three designs get a row, in catalog order, items first.
    const auto laser = Calculated([](Design& d) {
        d.OwnedCount[test::kMediumLaser] = 1;
        d.PlacedCount[test::kMediumLaser] = 2;
    });
    const auto srm = Calculated([](Design& d) {
        d.OwnedCount[test::kSrm4] = 1;
        d.OwnedAmmo[test::kSrm4] = 2;
        d.JumpMP = 3;
    });
    const std::vector<ComparisonRow> three = CompareDesigns({a.get(), laser.get(), srm.get()});
    const std::vector<std::string> differing = Differing(three);
    const std::vector<std::string> tail(differing.end() - 3, differing.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Medium Laser", "SRM 4", "SRM 4 Ammo"}));
    const ComparisonRow* laserRow = Row(three, "Medium Laser");
    ASSERT_NE(laserRow, nullptr);
    EXPECT_EQ(laserRow->values, (std::vector<std::string>{"0 (0 placed)", "3 (2 placed)", "0 (0 placed)"}));
    EXPECT_EQ(ComparisonCell(*laserRow, 0), "0 (0 placed)");
    EXPECT_EQ(ComparisonCell(*laserRow, 1), "3 (2 placed) (+3)");
    EXPECT_EQ(ComparisonCell(*laserRow, 2), "0 (0 placed)");
    EXPECT_EQ(Row(three, "SRM 4 Ammo")->values,
              (std::vector<std::string>{"0 (0 placed)", "0 (0 placed)", "2 (0 placed)"}));

    // A row differs when any column differs from the first; text rows show no difference.
    const ComparisonRow* jump = Row(three, "Jump MP");
    EXPECT_TRUE(jump->differs);
    EXPECT_EQ(ComparisonCell(*jump, 1), "0");
    EXPECT_EQ(ComparisonCell(*jump, 2), "3 (+3)");
    const ComparisonRow* cost = Row(three, "Cost");
    EXPECT_EQ(cost->values[0], std::to_string(a->design.Cost));
    EXPECT_FALSE(Row(three, "Chassis")->differs);
    EXPECT_EQ(ComparisonCell(*Row(three, "Name"), 1), a->design.MechName);

    const auto lighter = Calculated([](Design& d) { d.GroundMP = 0; });
    const std::vector<ComparisonRow> less = CompareDesigns({a.get(), lighter.get()});
    ASSERT_GT(a->design.GroundMP, 0);
    EXPECT_EQ(ComparisonCell(*Row(less, "Ground MP"), 1), "0 (-" + std::to_string(a->design.GroundMP) + ")");
}

}  // namespace
}  // namespace vantrel
