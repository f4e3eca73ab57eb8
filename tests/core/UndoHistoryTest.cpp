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

DesignState Noted(int points, char fill, std::size_t size) {
    DesignState s = WithGround(points);
    s.design.History.assign(size, fill);
    return s;
}

TEST(UndoHistory, StepsShareNotesThatDidNotChange) {
    constexpr std::size_t kMb = std::size_t{1} << 20;
    UndoHistory h;
    // A hundred gestures on a design with a megabyte of notes that none of them touches: the notes
    // are held once, each step costs about a design.
    for (int i = 0; i < 100; ++i) h.Record("Ground Speed", Noted(i, 'a', kMb));
    EXPECT_GE(h.MemoryBytes(), kMb);
    EXPECT_LT(h.MemoryBytes(), kMb + 100 * (2 * sizeof(Design) + 1000));

    // The notes change once; undo and redo across the change give each state its own notes back.
    h.Record("History Notes", Noted(100, 'b', kMb));
    h.Record("Ground Speed", Noted(101, 'b', kMb));
    EXPECT_LT(h.MemoryBytes(), 2 * kMb + 102 * (2 * sizeof(Design) + 1000));
    DesignState now = Noted(102, 'b', kMb);
    for (int expected = 101; expected >= 98; --expected) {
        DesignState back = h.Undo(now);
        EXPECT_EQ(back.design.GroundMP, expected);
        EXPECT_TRUE(back.design.History == std::string(kMb, expected >= 100 ? 'b' : 'a'));
        now = std::move(back);
    }
    // Steps moved to the redo list keep sharing.
    EXPECT_LT(h.MemoryBytes(), 2 * kMb + 103 * (2 * sizeof(Design) + 1000));
    for (int expected = 99; expected <= 102; ++expected) {
        DesignState forward = h.Redo(now);
        EXPECT_EQ(forward.design.GroundMP, expected);
        EXPECT_TRUE(forward.design.History == std::string(kMb, expected >= 100 ? 'b' : 'a'));
        now = std::move(forward);
    }
    EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, StepsThatEachChangedLongNotesAreBoundedInBytes) {
    constexpr std::size_t kMb = std::size_t{1} << 20;
    UndoHistory h(1000, 3 * kMb + kMb / 2);
    for (int i = 0; i < 10; ++i) h.Record("History Notes", Noted(i, static_cast<char>('a' + i), kMb));
    EXPECT_EQ(h.UndoCount(), 3u);
    EXPECT_LE(h.MemoryBytes(), 3 * kMb + kMb / 2);
    EXPECT_TRUE(h.Undo(WithGround(10)).design.History == std::string(kMb, 'j'));

    // The newest step stays even when it alone is over the bound.
    UndoHistory tight(1000, kMb / 2);
    tight.Record("History Notes", Noted(1, 'x', kMb));
    tight.Record("History Notes", Noted(2, 'y', kMb));
    EXPECT_EQ(tight.UndoCount(), 1u);
    EXPECT_TRUE(tight.Undo(WithGround(3)).design.History == std::string(kMb, 'y'));
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
