// The step lists on their own: order, merging, the limit, and what counts as a change.

#include "model/UndoHistory.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

DesignState WithGround(int points) {
    DesignState s;
    NewDesign(s.design);
    s.design.GroundMP = points;
    return s;
}

TEST(UndoHistory, UndoAndRedoWalkTheStepsAndANewStepEndsTheRedoList) {
    UndoHistory h;
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.UndoName(), "");
    h.Record("Ground Speed", WithGround(1));
    h.Record("Jump Capability", WithGround(2));
    EXPECT_EQ(h.UndoName(), "Jump Capability");

    EXPECT_EQ(h.Undo(WithGround(3)).design.GroundMP, 2);
    EXPECT_EQ(h.RedoName(), "Jump Capability");
    EXPECT_EQ(h.Undo(WithGround(2)).design.GroundMP, 1);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.Redo(WithGround(1)).design.GroundMP, 2);
    EXPECT_EQ(h.UndoName(), "Ground Speed");

    h.Record("Add", WithGround(2));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.UndoCount(), 2u);
}

TEST(UndoHistory, MergingKeepsTheOlderStartOnlyForTheSameName) {
    UndoHistory h;
    h.Record("Name", WithGround(1));
    h.Record("Name", WithGround(2), true);
    EXPECT_EQ(h.UndoCount(), 1u);
    h.Record("Model", WithGround(3), true);  // another name: a step of its own
    EXPECT_EQ(h.UndoCount(), 2u);
    h.Undo(WithGround(4));
    EXPECT_EQ(h.Undo(WithGround(3)).design.GroundMP, 1);
}

TEST(UndoHistory, TheOldestStepsGoBeyondTheLimit) {
    UndoHistory h(3);
    for (int i = 1; i <= 5; ++i) h.Record("Step", WithGround(i));
    EXPECT_EQ(h.UndoCount(), 3u);
    EXPECT_EQ(h.Undo(WithGround(6)).design.GroundMP, 5);
    h.Undo(WithGround(5));
    EXPECT_EQ(h.Undo(WithGround(4)).design.GroundMP, 3);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_GE(UndoHistory().Limit(), 1000u);

    // Each step holds about one design; the notes' text counts on top.
    UndoHistory big;
    DesignState noted = WithGround(1);
    noted.design.History.assign(10000, 'x');
    big.Record("History Notes", noted);
    EXPECT_GE(big.MemoryBytes(), sizeof(Design) + 10000);
    EXPECT_LT(big.MemoryBytes(), 2 * sizeof(Design) + 12000);
}

TEST(UndoHistory, ChangesAreRecordsNotTotalsNorSelections) {
    const DesignState a = WithGround(1);
    DesignState b = a;
    b.design.CurrentKg = 999;
    b.design.EstimatedBV = 5;
    b.selLocation = 2;
    b.rebuildSlots = !a.rebuildSlots;
    EXPECT_FALSE(ChangesDesign(a, b));
    EXPECT_TRUE(SameRecords(a.design, b.design));
    b.armorList.text = "Standard";
    EXPECT_FALSE(ChangesDesign(a, b));
    b = a;
    b.design.History = "notes";
    EXPECT_TRUE(ChangesDesign(a, b));
    b = a;
    b.design.QuadSpan[3] = 1;
    EXPECT_FALSE(SameRecords(a.design, b.design));
}

}  // namespace
}  // namespace vantrel
