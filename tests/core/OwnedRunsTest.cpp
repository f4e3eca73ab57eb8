// The owned lines as runs: the same lines in the same order as one line per unit, whatever the counts.
#include "TestCatalog.h"
#include "equipment/SlotView.h"
#include "model/Context.h"
#include "model/Design.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::string> Expand(const std::vector<OwnedRun>& runs) {
    std::vector<std::string> out;
    for (const OwnedRun& run : runs) out.insert(out.end(), static_cast<std::size_t>(run.count), run.text);
    return out;
}

TEST(OwnedRuns, SameLinesAsOneLinePerUnitAndNoEmptyRuns) {
    Context ctx;
    ctx.catalog = test::ShippedCatalog();
    ctx.armorList.text = "Standard";
    std::mt19937 rng(606);
    for (int round = 0; round < 30; ++round) {
        Design& d = ctx.design;
        NewDesign(d);
        // Sparse counts, and last the reader's limit for every kind.
        const bool full = round == 29;
        d.HeatSinks = full ? 1000 : static_cast<int>(rng() % 4);
        d.ArmorSlots = full ? 1000 : static_cast<int>(rng() % 3);
        for (int i = 0; i < kCatalogSize; ++i) {
            d.OwnedCount[i] = full ? 1000 : (rng() % 20 == 0 ? static_cast<int>(rng() % 3) : 0);
            d.OwnedAmmo[i] = full ? 1000 : (rng() % 30 == 0 ? static_cast<int>(rng() % 3) : 0);
        }
        const std::vector<OwnedRun> runs = OwnedRuns(ctx);
        for (const OwnedRun& run : runs) EXPECT_GT(run.count, 0) << run.text;
        ASSERT_EQ(Expand(runs), OwnedEntries(ctx)) << round;
        if (full) {
            EXPECT_EQ(Expand(runs).size(), 606000u);
        }
    }
    // Negative counts from a damaged design show nothing, as the line per unit does.
    ctx.design.HeatSinks = -3;
    ctx.design.OwnedCount[0] = -1;
    EXPECT_EQ(Expand(OwnedRuns(ctx)), OwnedEntries(ctx));
}

}  // namespace
}  // namespace vantrel
