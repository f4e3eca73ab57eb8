// The gesture bracket: one gesture per gesture of the user, however far its cascade runs.

#include "ui/Gesture.h"

#include "MainFormFixture.h"

#include <QSignalSpy>

namespace vantrel::test {
namespace {

TEST(GestureTracker, OnlyTheOutermostScopeOpensAndEndsTheGesture) {
    GestureTracker tracker;
    QStringList events;
    QObject::connect(&tracker, &GestureTracker::gestureStarted,
                     [&](const QString& name) { events << "start "_q + name; });
    QObject::connect(&tracker, &GestureTracker::gestureEnded, [&](const QString& name) {
        events << "end "_q + name;
        EXPECT_FALSE(tracker.Active());  // a listener sees the gesture over
    });
    {
        const GestureScope outer(tracker, "Weight Class");
        {
            const GestureScope inner(tracker, "Clear All CSlots");
            EXPECT_EQ(tracker.Depth(), 2);
            EXPECT_EQ(tracker.Current(), "Weight Class"_q);
        }
        EXPECT_TRUE(events == QStringList{"start Weight Class"_q});
    }
    { const GestureScope again(tracker, "Add"); }
    EXPECT_EQ(events,
              (QStringList{"start Weight Class"_q, "end Weight Class"_q, "start Add"_q, "end Add"_q}));
    EXPECT_EQ(tracker.Count(), 2);
    EXPECT_TRUE(tracker.Current().isEmpty());
}

using GestureTest = MainFormFixture;

TEST_F(GestureTest, WeightClassChangeWithPlacedEquipmentIsOneGesture) {
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().OwnedCount[item] = 1;
    d().PlacedCount[item] = 1;
    d().BodySlots[3] = item + kSlotItemBase;
    d().BodySpan[3] = 1;
    d().HeatSinks = 1;
    d().BodySlots[4] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;

    QSignalSpy started(&form->Gestures(), &GestureTracker::gestureStarted);
    QSignalSpy ended(&form->Gestures(), &GestureTracker::gestureEnded);
    Choose(Combo("ComboType"), 3);

    ASSERT_EQ(started.count(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toString(), "Weight Class"_q);
    EXPECT_EQ(ended.at(0).at(0).toString(), "Weight Class"_q);
    EXPECT_FALSE(form->Gestures().Active());
    // The cascade did run: equipment cleared, the heat sink back among the unplaced ones.
    EXPECT_EQ(d().OwnedCount[item], 0);
    EXPECT_EQ(d().PlacedHeatSinks, 0);
    EXPECT_EQ(d().WeightClass, 3);
}

// What the undo steps do not show: the drag's value changes and its release are gestures of one
// name, and a page switch is a gesture too (it makes no step).
TEST_F(GestureTest, EveryKindOfGestureIsBracketedOnce) {
    QSignalSpy started(&form->Gestures(), &GestureTracker::gestureStarted);
    DragTo(Slider("Slider1"), 2);
    ASSERT_FALSE(started.isEmpty());
    for (const QList<QVariant>& gesture : started) EXPECT_EQ(gesture.at(0).toString(), "Ground Speed"_q);
    ShowPage(3);
    EXPECT_EQ(started.last().at(0).toString(), "Page"_q);
    EXPECT_FALSE(form->Gestures().Active());
}

}  // namespace
}  // namespace vantrel::test
