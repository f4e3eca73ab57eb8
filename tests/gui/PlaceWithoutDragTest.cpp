// Placing without dragging in the running main window: the owned lists' actions, double-click and
// Enter, and Place All, each compared with the drop a user could have made instead.

#include "MainFormFixture.h"
#include "ui/Gesture.h"

#include <QSet>
#include <QTest>

#include <utility>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class PlaceWithoutDrag : public MainFormFixture {
protected:
    // The page's place actions, each with the location it places in, in menu order.
    static std::vector<std::pair<QAction*, int>> PlaceActionsOf(const SlotPage& page) {
        if (page.chassis() == SlotPage::Chassis::Humanoid)
            return {
                {Find<QAction>(page, "PlaceInBody"),     kBody    },
                {Find<QAction>(page, "PlaceInRightArm"), kRightArm},
                {Find<QAction>(page, "PlaceInLeftArm"),  kLeftArm }
            };
        return {
            {Find<QAction>(page, "PlaceInQuad"),   kQuadBody},
            {Find<QAction>(page, "PlaceInTurret"), kTurret  }
        };
    }
};

// Random owned entries on random partly filled designs of both layouts: every "Place in X" action
// leaves the design, the messages and the status line exactly as the drop on the slot the rule names.
TEST_F(PlaceWithoutDrag, EveryActionEqualsTheDropOnTheSlotItNames) {
    std::mt19937 rng(13);
    const char* const specials[] = {
        "Para Foil",   "Mine Dispenser", "Magnetic Clamps", "Space Operations Adaptation",
        "Battle Claw", "Bomb Rack",      "Jump Booster",    "Partial Wing"};
    int placed = 0, refused = 0;
    for (int round = 0; round < 16; ++round) {
        const bool quad = round % 2 == 1;
        UseLayout(quad, 3, 3);
        form->ClearCS_Click();
        form->ClearCST_Click();
        d().JumpMP = static_cast<int>(rng() % 2);
        d().HeatSinks = 2;
        Own(specials[rng() % std::size(specials)]);
        for (int k = 0; k < 4; ++k) Own(ctx.catalog[rng() % kCatalogSize].Name);
        ScatterHeatSinks(rng, 3);
        const Design start = d();
        form->RefreshP4();
        EntryList* list = Owned();
        ASSERT_GT(list->count(), 0);
        const QString entry = list->Text(static_cast<int>(rng() % list->count()));
        for (const auto& placeAction : PlaceActionsOf(*Page())) {
            // Named copies: clang 14 lets no lambda capture a structured binding.
            QAction* const action = placeAction.first;
            const int location = placeAction.second;
            SCOPED_TRACE(entry.toStdString() + " by " + action->objectName().toStdString());
            d() = start;
            const PlaceTarget t = FindPlaceSlot(ctx, location, entry.toStdString());
            SlotLabel* label = Page()->Crit(location, t.slot);
            ASSERT_NE(label, nullptr);
            const int gestures = form->Gestures().Count();
            const Outcome byAction = Run(start, entry, [&] { action->trigger(); });
            EXPECT_EQ(form->Gestures().Count(), gestures + 1);
            const Outcome byDrop = Run(start, entry, [&] { DropSelectedOn(label); });
            ExpectSame(byAction, byDrop);
            (byAction.changed ? placed : refused) += 1;
        }
    }
    // Both outcomes were met often enough to mean something.
    EXPECT_GT(placed, 5);
    EXPECT_GT(refused, 5);
}

TEST_F(PlaceWithoutDrag, ActionsSitInTheContextMenusAndRefusalsGiveTheDropsMessage) {
    // In the order Enter tries them.
    for (const SlotPage* page : {Biped(), Quad()}) {
        QList<QAction*> inOrder;
        for (const auto& [action, location] : PlaceActionsOf(*page)) inOrder << action;
        EXPECT_EQ(OwnedOf(*page)->actions(), inOrder);
        EXPECT_EQ(OwnedOf(*page)->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    ShowPage(3);
    SlotPage* p = Page();
    Own({"Para Foil", "Manipulator"});
    // A rule: the message with the exclamation icon, nothing placed.
    Select(u"Para Foil"_s);
    Find<QAction>(*p, "PlaceInBody")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, u"A Battle Armor must be able to jump to equip a Para Foil."_s);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    // A manipulator on the body is refused without a word, as its drop is.
    Select(u"Manipulator"_s);
    Find<QAction>(*p, "PlaceInBody")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    // Full arm: the room check's words without an icon.
    d().RightArmSlots.fill(kSlotHeatSink);
    Select(u"Manipulator"_s);
    Find<QAction>(*p, "PlaceInRightArm")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, u"Not enough room."_s);
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::None);
    EXPECT_EQ(OwnedOf(*p)->count(), 2);

    // Enter and double-click take the first location that accepts: the left arm for the manipulator.
    Select(u"Manipulator"_s);
    Key(OwnedOf(*p), Qt::Key_Return);
    EXPECT_EQ(SlotAt(*p, "LeftCrit", 0)->text(), u"Manipulator"_s);
    d().JumpMP = 1;
    form->RefreshP4();
    Select(u"Para Foil"_s);
    const QModelIndex item = OwnedOf(*p)->currentIndex();
    QTest::mouseDClick(OwnedOf(*p)->viewport(), Qt::LeftButton, Qt::NoModifier,
                       OwnedOf(*p)->visualRect(item).center());
    EXPECT_EQ(SlotAt(*p, "BodyCrit", 1)->text(), u"Para Foil"_s);
    EXPECT_EQ(OwnedOf(*p)->count(), 0);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// A busy humanoid design: Place All fills what it can in one gesture and names the rest once, each
// with the first rule that refused it.
TEST_F(PlaceWithoutDrag, PlaceAllPlacesWhatFitsAndNamesTheRest) {
    ShowPage(3);
    SlotPage* p = Page();
    d().HeatSinks = 3;
    Own("Para Foil");
    Own("Battle Claw", 2);
    Own("Myomer Booster", 2);
    Own("Magnetic Clamps");
    Own("(I) Light Machine Gun Ammo", 2);
    const int free = ctx.design.HeatSinks;
    ASSERT_EQ(free, 3);
    const int gestures = form->Gestures().Count();
    Find<QPushButton>(*p, "PlaceAll")->click();
    EXPECT_EQ(form->Gestures().Count(), gestures + 1);
    ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.texts().join(u'|').toStdString();
    const QString text = dialogs.messages[0].text;
    EXPECT_TRUE(text.startsWith(u"These entries could not be placed:"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Para Foil: A Battle Armor must be able to jump to equip a Para Foil."_s))
        << text.toStdString();
    // What is left is exactly what the message names; everything else went into slots.
    for (const QString& entry : OwnedOf(*p)->Lines())
        EXPECT_TRUE(text.contains(entry + u": "_s)) << entry.toStdString();
    EXPECT_EQ(d().PlacedHeatSinks, 3);
    EXPECT_EQ(d().PlacedCount[FindIndex(ctx.catalog, "Magnetic Clamps")], 1);
    EXPECT_FALSE(doc.Saved());

    // Nothing left to place: no message at all.
    form->ClearCS_Click();
    d().OwnedCount[FindIndex(ctx.catalog, "Para Foil")] = 0;
    form->RefreshP4();
    dialogs.messages.clear();
    d().OwnedCount[FindIndex(ctx.catalog, "Myomer Booster")] = 1;
    form->RefreshP4();
    Find<QPushButton>(*p, "PlaceAll")->click();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(OwnedOf(*p)->count(), 0);
}

// Enter on each body slot of a partly filled design does what a drop of the selected entry there
// does; on a taken slot it selects as a click does; Delete clears the selection; arrows move the focus.
TEST_F(PlaceWithoutDrag, KeysOnSlotLabelsEqualDropsClicksAndClearing) {
    ShowPage(3);
    SlotPage* p = Page();
    d().HeatSinks = 1;
    Own({"Myomer Booster", "Para Foil"});
    d().BodySlots[4] = kSlotHeatSink;
    const Design start = d();
    for (const QString& entry : {u"Myomer Booster"_s, u"Para Foil"_s, u"Heat Sink"_s}) {
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(entry.toStdString() + " on " + std::to_string(i));
            SlotLabel* label = SlotAt(*p, "BodyCrit", i);
            if (start.BodySlots[static_cast<std::size_t>(i)] != kSlotFree) continue;
            const Outcome byKey = Run(start, entry, [&] { Key(label, Qt::Key_Return); });
            const Outcome byDrop = Run(start, entry, [&] { DropSelectedOn(label); });
            ExpectSame(byKey, byDrop);
        }
    }
    d() = start;
    form->RefreshP4();
    EXPECT_EQ(SlotAt(*p, "BodyCrit", 0)->accessibleName(), u"Body slot 1: Ground Movement"_s);
    EXPECT_EQ(SlotAt(*p, "BodyCrit", 4)->accessibleName(), u"Body slot 5: Heat Sink"_s);
    // Space on a taken slot selects it; Delete runs Clear Selected.
    Key(SlotAt(*p, "BodyCrit", 4), Qt::Key_Space);
    EXPECT_EQ(ctx.SelLocation, kBody);
    EXPECT_EQ(ctx.SelSlot, 4);
    Key(SlotAt(*p, "BodyCrit", 4), Qt::Key_Delete);
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_EQ(SlotAt(*p, "BodyCrit", 4)->accessibleName(), u"Body slot 5: Available"_s);

    // Arrows: down within the body, right to the right arm's nearest slot, off the edge nothing.
    QApplication::setActiveWindow(form.get());
    SlotAt(*p, "BodyCrit", 5)->setFocus();
    Key(SlotAt(*p, "BodyCrit", 5), Qt::Key_Down);
    EXPECT_TRUE(SlotAt(*p, "BodyCrit", 6)->hasFocus());
    Key(SlotAt(*p, "BodyCrit", 6), Qt::Key_Right);
    EXPECT_TRUE(SlotAt(*p, "RightCrit", 3)->hasFocus());
    Key(SlotAt(*p, "RightCrit", 3), Qt::Key_Right);
    EXPECT_TRUE(SlotAt(*p, "LeftCrit", 3)->hasFocus());
    Key(SlotAt(*p, "LeftCrit", 3), Qt::Key_Right);
    EXPECT_TRUE(SlotAt(*p, "LeftCrit", 3)->hasFocus());
    Key(SlotAt(*p, "LeftCrit", 0), Qt::Key_Up);
    EXPECT_TRUE(SlotAt(*p, "LeftCrit", 3)->hasFocus());
}

// Every slot label and every control of the page that takes the focus is reached by Tab.
TEST_F(PlaceWithoutDrag, TabReachesEveryFocusableControlOfBothPages) {
    for (const bool quad : {false, true}) {
        UseLayout(quad);
        SlotPage* p = Page();
        QSet<QWidget*> wanted;
        for (QWidget* w : p->findChildren<QWidget*>())
            if (w->isVisibleTo(form.get()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                wanted << w;
        ASSERT_GE(wanted.size(), quad ? 25 + 3 : 20 + 3);
        QWidget* w = form->centralWidget();
        QSet<QWidget*> reached;
        for (int step = 0; step < 200 && w; ++step) {
            reached << w;
            w = w->nextInFocusChain();
        }
        for (QWidget* x : wanted) EXPECT_TRUE(reached.contains(x)) << x->metaObject()->className();
    }
}

// Enter on random entries of both layouts does what the action of the first accepting location does,
// else what the first location's action does, and the undo step carries that action's name.
TEST_F(PlaceWithoutDrag, EnterRunsTheFirstAcceptingLocationsAction) {
    std::mt19937 rng(1313);
    int elsewhere = 0;
    for (int round = 0; round < 12; ++round) {
        const bool quad = round % 2 == 1;
        UseLayout(quad, 3, 3);
        form->ClearCS_Click();
        form->ClearCST_Click();
        d().JumpMP = static_cast<int>(rng() % 2);
        for (int k = 0; k < 3; ++k) Own(ctx.catalog[rng() % kCatalogSize].Name);
        // An arm-only entry now and then, so the arms' turn comes too.
        const bool armOnly = !quad && round % 4 == 0;
        if (armOnly) Own("Manipulator");
        ScatterHeatSinks(rng, 2);
        const Design start = d();
        form->RefreshP4();
        EntryList* list = Owned();
        ASSERT_GT(list->count(), 0);
        const QString entry =
            armOnly ? u"Manipulator"_s : list->Text(static_cast<int>(rng() % list->count()));
        SCOPED_TRACE(entry.toStdString());

        d() = start;
        const std::vector<std::pair<QAction*, int>> actions = PlaceActionsOf(*Page());
        QAction* expected = actions.front().first;
        for (const auto& [action, location] : actions) {
            if (FindPlaceSlot(ctx, location, entry.toStdString()).accepted) {
                expected = action;
                break;
            }
        }
        if (expected != actions.front().first) ++elsewhere;
        const Outcome byEnter = Run(start, entry, [&] { Key(list, Qt::Key_Return); });
        if (byEnter.changed) {
            EXPECT_EQ(Act("MUndo")->text(), u"&Undo "_s + expected->text());
        }
        const Outcome byAction = Run(start, entry, [&] { expected->trigger(); });
        ExpectSame(byEnter, byAction);
    }
    EXPECT_GT(elsewhere, 0);
}

// Without a selected entry the actions are shut and Enter does nothing: no message, no undo step.
TEST_F(PlaceWithoutDrag, NothingSelectedPlacesNothing) {
    for (bool quad : {false, true}) {
        UseLayout(quad, 3, 3);
        Own("Magnetic Clamps");
        form->RefreshP4();
        SlotPage* p = Page();
        for (const auto& [action, location] : PlaceActionsOf(*p)) EXPECT_FALSE(action->isEnabled());
        const Design before = d();
        const std::size_t steps = Steps();
        for (const auto& [action, location] : PlaceActionsOf(*p)) action->trigger();
        Key(OwnedOf(*p), Qt::Key_Return);
        EXPECT_TRUE(d() == before);
        EXPECT_EQ(Steps(), steps);
        EXPECT_TRUE(dialogs.messages.empty());
        Select(u"Magnetic Clamps"_s);
        for (const auto& [action, location] : PlaceActionsOf(*p)) EXPECT_TRUE(action->isEnabled());
        d().OwnedCount[FindIndex(ctx.catalog, "Magnetic Clamps")] = 0;
    }
}

// Place All on a crowded design of each layout: one undo step named for it, and one Undo gives back
// the design and the owned list as they were before, one Redo the placements again.
TEST_F(PlaceWithoutDrag, OneUndoTakesPlaceAllBackWhole) {
    for (bool quad : {false, true}) {
        SCOPED_TRACE(quad ? "quad" : "humanoid");
        UseLayout(quad, 3, 3);
        form->ClearCS_Click();
        form->ClearCST_Click();
        d().HeatSinks = 2;
        Own("Para Foil");
        Own("Magnetic Clamps");
        Own("(I) Light Machine Gun Ammo", 3);
        Own("Battle Claw", 2);
        Own("Mine Dispenser", 4);
        const Design before = d();
        const QStringList ownedBefore = Owned()->Lines();
        dialogs.messages.clear();
        const std::size_t steps = Steps();

        Find<QPushButton>(*Page(), "PlaceAll")->click();
        const Design after = d();
        ASSERT_FALSE(after == before);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(u"These entries could not be placed:"_s));
        EXPECT_EQ(Steps(), steps + 1);
        EXPECT_EQ(Act("MUndo")->text(), u"&Undo Place All"_s);

        Act("MUndo")->trigger();
        EXPECT_TRUE(d() == before);
        EXPECT_EQ(Owned()->Lines(), ownedBefore);
        Act("MRedo")->trigger();
        EXPECT_TRUE(d() == after);
        dialogs.messages.clear();
    }
}

}  // namespace
}  // namespace vantrel::test
