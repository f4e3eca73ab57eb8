// Undo and redo through the real window: every kind of gesture comes back whole with one Undo and
// goes again with one Redo; gestures that change nothing make no step; the changed mark follows
// the records, not the refreshes.

#include "MainFormFixture.h"
#include "model/UndoHistory.h"
#include "rules/Tables.h"
#include "ui/HistoryForm.h"

#include <QMenuBar>
#include <QRadioButton>

#include <functional>
#include <sstream>

namespace vantrel::test {
namespace {

std::string Differences(const DesignState& a, const DesignState& b) {
    std::ostringstream out;
    if (!SameRecords(a.design, b.design)) out << "records ";
    if (!(a.design == b.design)) out << "design ";
    if (a.armorList != b.armorList)
        out << "armor list (" << a.armorList.text << " / " << b.armorList.text << ") ";
    if (a.selLocation != b.selLocation || a.selSlot != b.selSlot) out << "selection ";
    if (a.rebuildSlots != b.rebuildSlots) out << "rebuild flag ";
    return out.str();
}

class UndoTest : public MainFormFixture {
protected:
    DesignState Now() const { return CaptureState(ctx); }
    void Undo() { Act("MUndo")->trigger(); }
    void Redo() { Act("MRedo")->trigger(); }

    // What the user sees of the state: the status line, the boxes and the page on show (the other
    // pages are written again when they are shown).
    QStringList Shown() {
        QStringList out = Panels();
        out << Line("TextMechName")->text() << Line("TextModel")->text();
        const auto box = [&](const char* name) {
            out << QString::number(Combo(name)->currentIndex()) + QLatin1Char(' ') +
                       Combo(name)->currentText();
        };
        switch (Strip()->currentIndex()) {
            case 0:
                for (const char* name :
                     {"ComboType", "ComboChassis", "ComboTechBase", "ComboSS", "ComboTurret"})
                    box(name);
                for (const char* name : {"Slider1", "Slider2", "Slider3", "Slider4", "HeatSinkSlide"})
                    out << QString::number(Slider(name)->value());
                out << QString::number(Box("ChkEnhanced")->isChecked())
                    << QString::number(Box("ChkConfig")->isChecked());
                break;
            case 1:
                box("ComboAType");
                out << QString::number(Slider("ArmorSlide")->value()) << Lab("LabArmorP")->text()
                    << Lab("LabArmorW")->text();
                break;
            case 2: out << Find<EntryList>(*Equipment(), "SelList")->Lines(); break;
            default: {
                SlotPage* page = d().IsQuad ? Quad() : Biped();
                out << OwnedOf(*page)->Lines();
                for (int location = 0; location < kLocationCount; ++location)
                    if (page->HasLocation(location))
                        for (int i = 0; i < SlotPage::CritCount(location); ++i)
                            out << page->Crit(location, i)->text();
            }
        }
        return out;
    }

    // `gesture` makes exactly one step named `name`: Undo gives back the state before it and Redo the
    // state after it, record for record, with the controls showing each.
    void ExpectOneStep(const QString& name, const std::function<void()>& gesture) {
        SCOPED_TRACE(name.toStdString());
        const DesignState before = Now();
        const QStringList shownBefore = Shown();
        const std::size_t steps = Steps();
        gesture();
        const DesignState after = Now();
        const QStringList shownAfter = Shown();
        ASSERT_EQ(Steps(), steps + 1);
        EXPECT_EQ(Act("MUndo")->text(), "&Undo "_q + name);
        EXPECT_TRUE(Act("MUndo")->isEnabled());
        EXPECT_FALSE(Act("MRedo")->isEnabled());

        Undo();
        EXPECT_TRUE(Now() == before) << Differences(Now(), before);
        EXPECT_EQ(Shown(), shownBefore);
        EXPECT_EQ(Act("MRedo")->text(), "&Redo "_q + name);
        Redo();
        EXPECT_TRUE(Now() == after) << Differences(Now(), after);
        EXPECT_EQ(Shown(), shownAfter);
        EXPECT_EQ(Steps(), steps + 1);
    }

    void ExpectNoStep(const std::function<void()>& gesture) {
        const std::size_t steps = Steps();
        const QString undoText = Act("MUndo")->text();
        gesture();
        EXPECT_EQ(Steps(), steps);
        EXPECT_EQ(Act("MUndo")->text(), undoText);
    }

    // "Add >>" of a catalog item, from its category of the equipment page.
    void Add(int item) {
        ShowPage(2);
        Category(ctx.catalog[item].Category);
        AddAvailable(Name(item));
    }
    void Category(int category) { FindAt<QRadioButton>(*Equipment(), "OptType", category)->click(); }

    QString Name(int item) const { return QString::fromStdString(ctx.catalog[item].Name); }
    // The first armor type of the list that needs slots of its own.
    int ArmorWithSlots() const {
        for (std::size_t i = 0; i < ctx.armorList.entries.size(); ++i) {
            int count = 0;
            if (ArmorSlotCount(ctx.armorList.entries[i], count) && count > 0) return int(i);
        }
        return -1;
    }
};

TEST_F(UndoTest, EditMenuSitsBetweenFileAndOptionsAndStartsEmpty) {
    EXPECT_EQ(form->menuBar()->actions().indexOf(Find<QMenu>(*form, "MEdit")->menuAction()), 1);
    EXPECT_EQ(Act("MUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Act("MRedo")->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                              QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_EQ(Find<QMenu>(*form, "MEdit")->font(), form->font());
    EXPECT_FALSE(Act("MUndo")->isEnabled() || Act("MRedo")->isEnabled());
    EXPECT_EQ(Act("MUndo")->text(), "&Undo"_q);
    Undo();  // nothing to undo: nothing happens
    EXPECT_TRUE(doc.Saved());
}

TEST_F(UndoTest, ListsCheckBoxesAndSlidersOfTheFirstTwoPages) {
    // A weight class change with placed equipment clears slots, owned items and armor: one step.
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    Add(item);
    ShowPage(3);
    Drag(Biped(), Name(item), SlotAt(*Biped(), "BodyCrit", 5));
    ASSERT_EQ(d().PlacedCount[item], 1);
    ShowPage(0);
    ExpectOneStep("Weight Class"_q, [&] { Choose(Combo("ComboType"), 3); });
    EXPECT_EQ(d().PlacedCount[item], 0);  // redone: the cascade cleared it again
    Undo();
    EXPECT_EQ(d().PlacedCount[item], 1);
    EXPECT_EQ(SlotAt(*Biped(), "BodyCrit", 5)->text(), Name(item));
    Redo();

    ExpectOneStep("Technology Base"_q, [&] { Choose(Combo("ComboTechBase"), 1); });
    ExpectOneStep("Suit Systems"_q,
                  [&] { Choose(Combo("ComboSS"), Combo("ComboSS")->currentIndex() == 1 ? 2 : 1); });
    ExpectOneStep("Enhanced Imaging"_q, [&] { Click(Box("ChkEnhanced")); });
    ExpectOneStep("Heat Sinks"_q, [&] { DragTo(Slider("HeatSinkSlide"), 2); });
    Choose(Combo("ComboType"), 1);  // VTOL and underwater both open
    ExpectOneStep("Ground Speed"_q, [&] { DragTo(Slider("Slider1"), 2); });
    ExpectOneStep("Jump Capability"_q, [&] { DragTo(Slider("Slider2"), 2); });
    ExpectOneStep("VTOL Speed"_q, [&] { DragTo(Slider("Slider3"), 3); });  // takes the jump away too
    EXPECT_EQ(d().JumpMP, 0);
    ExpectOneStep("Underwater Speed"_q, [&] { DragTo(Slider("Slider4"), 1); });
    // Moved by the keyboard: the key press moves it and the release finishes the step.
    Slider("Slider1")->setFocus();
    ExpectOneStep("Ground Speed"_q, [&] { Key(Slider("Slider1"), Qt::Key_Right); });
    ExpectOneStep("Chassis Type"_q, [&] { Choose(Combo("ComboChassis"), 1); });
    ExpectOneStep("Turret"_q, [&] { Choose(Combo("ComboTurret"), 2); });
    ExpectOneStep("Configurable"_q, [&] { Click(Box("ChkConfig")); });

    ShowPage(1);
    const int stealth = ArmorWithSlots();
    ASSERT_GE(stealth, 0);
    ExpectOneStep("Armor Type"_q, [&] { Choose(Combo("ComboAType"), stealth); });
    EXPECT_FALSE(ctx.armorList.text.empty());
    ExpectOneStep("Armor Points"_q, [&] { DragTo(Slider("ArmorSlide"), 3); });
}

TEST_F(UndoTest, EquipmentButtonsDropsAndClears) {
    const int item = PlainItem(1);
    const int big = PlainItem(2);
    ASSERT_GE(item, 0);
    ASSERT_GE(big, 0);
    DragTo(Slider("HeatSinkSlide"), 1);
    ShowPage(1);
    Choose(Combo("ComboAType"), ArmorWithSlots());
    ShowPage(2);
    ExpectOneStep("Add"_q, [&] { Add(item); });
    Add(item);
    Add(big);
    ExpectOneStep("Remove"_q, [&] {
        EquipmentPage* p = Equipment();
        EntryList* owned = Find<EntryList>(*p, "SelList");
        owned->clearSelection();
        owned->SetSelected(owned->FindRow(Name(item)), true);
        Find<QPushButton>(*p, "ComRemove")->click();
    });
    ExpectOneStep("Clear"_q, [&] { Find<QPushButton>(*Equipment(), "ComClear")->click(); });
    Undo();

    ShowPage(3);
    SlotPage* p = Biped();
    const QString armorEntry = QString::fromStdString(OwnedEntries(ctx)[1]);  // after the heat sink
    ExpectOneStep("Drop on Body"_q, [&] { Drag(p, Name(item), SlotAt(*p, "BodyCrit", 5)); });
    ExpectOneStep("Drop on Right Arm"_q, [&] { Drag(p, "Heat Sink"_q, SlotAt(*p, "RightCrit", 0)); });
    ExpectOneStep("Drop on Left Arm"_q, [&] { Drag(p, armorEntry, SlotAt(*p, "LeftCrit", 0)); });
    ExpectOneStep("Drop on Body"_q, [&] { Drag(p, Name(big), SlotAt(*p, "BodyCrit", 7)); });

    // A click on a placed item selects it (no step); Clear Selected is one and gives the selection back.
    Click(SlotAt(*p, "BodyCrit", 7));
    ASSERT_GE(ctx.SelLocation, 0);
    const DesignState selected = Now();
    ExpectOneStep("Clear Selected"_q, [&] { Find<QPushButton>(*p, "ClearSel1")->click(); });
    Undo();
    EXPECT_TRUE(Now() == selected) << Differences(Now(), selected);
    EXPECT_TRUE(Find<QPushButton>(*p, "ClearSel1")->isEnabled());
    Redo();
    ExpectOneStep("Clear All CSlots"_q, [&] { Find<QPushButton>(*p, "ClearCS")->click(); });

    // On the quad page: a drop into the turret.
    UseLayout(true, 0, 2);
    Add(item);
    ShowPage(3);
    ExpectOneStep("Drop on Turret"_q, [&] { Drag(Quad(), Name(item), SlotAt(*Quad(), "TurretCrit", 0)); });
    // Undone to a humanoid design while the slot page is on show: the humanoid layout shows.
    while (d().IsQuad) Undo();
    EXPECT_TRUE(Find<QWidget>(*form, "Frame4")->isVisible());
    EXPECT_FALSE(Find<QWidget>(*form, "Frame4B")->isVisible());
}

TEST_F(UndoTest, GesturesThatChangeNothingMakeNoStep) {
    const int item = PlainItem(1);
    Add(item);
    const std::size_t steps = Steps();
    ExpectNoStep([&] { ShowPage(3); });
    SlotPage* p = Biped();
    ExpectNoStep([&] { Click(SlotAt(*p, "BodyCrit", 6)); });  // a free slot
    ExpectNoStep(
        [&] { Drag(p, Name(item), SlotAt(*p, "BodyCrit", 0)); });  // the ground movement's slot: refused
    ExpectNoStep([&] { form->Files().MOpen_Click(); });            // the dialog cancelled
    ExpectNoStep([&] { Choose(Combo("ComboType"), Combo("ComboType")->currentIndex()); });
    EXPECT_EQ(Steps(), steps);
    EXPECT_FALSE(Act("MRedo")->isEnabled());
}

TEST_F(UndoTest, TypingInOneBoxIsOneStepUntilAnotherGestureComes) {
    Line("TextMechName")->setFocus();
    Line("TextMechName")->end(false);
    const DesignState start = Now();
    for (const char* c : {"a", "b", "c"})
        Key(Line("TextMechName"), Qt::Key_A + (c[0] - 'a'), QString::fromLatin1(c));
    EXPECT_EQ(d().MechName, "Battle Armorabc");
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(Act("MUndo")->text(), "&Undo Name"_q);
    ShowPage(1);  // a gesture between
    Key(Line("TextMechName"), Qt::Key_D, "d"_q);
    Line("TextModel")->setText("X-1"_q);
    EXPECT_EQ(Steps(), 3u);

    // Ctrl+Z in the box is the design's undo, not the box's own.
    QKeyEvent ctrlZ(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::sendEvent(Line("TextMechName"), &ctrlZ));
    EXPECT_FALSE(ctrlZ.isAccepted());
    Undo();
    EXPECT_EQ(Line("TextModel")->text(), QString::fromStdString(start.design.Model));
    Undo();
    EXPECT_EQ(Line("TextMechName")->text(), "Battle Armorabc"_q);
    EXPECT_EQ(form->windowTitle(), "Vantrel - Battle Armorabc"_q);
    Undo();
    EXPECT_TRUE(Now() == start) << Differences(Now(), start);
    EXPECT_EQ(Line("TextMechName")->text(), "Battle Armor"_q);
    EXPECT_TRUE(doc.Saved());  // back to the design as it started
    // Typing after an undo ends the redo list.
    Key(Line("TextMechName"), Qt::Key_Z, "z"_q);
    EXPECT_FALSE(Act("MRedo")->isEnabled());
}

// Typing that comes back to the text it started from leaves no step, so the next Ctrl+Z undoes
// the gesture before; typing on afterwards is a step of its own again.
TEST_F(UndoTest, TypingThatNetsToNothingMakesNoStep) {
    const QString model = Line("TextModel")->text();
    Line("TextModel")->setText("X-1"_q);
    ASSERT_EQ(Steps(), 1u);
    QLineEdit* name = Line("TextMechName");
    name->setFocus();
    name->end(false);
    Key(name, Qt::Key_A, "a"_q);
    Key(name, Qt::Key_Backspace, QString());
    EXPECT_EQ(d().MechName, "Battle Armor");
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(Act("MUndo")->text(), "&Undo Model"_q);

    Key(name, Qt::Key_B, "b"_q);
    Key(name, Qt::Key_C, "c"_q);
    Key(name, Qt::Key_Backspace, QString());  // "Battle Armorb": still a change
    EXPECT_EQ(Steps(), 2u);
    EXPECT_EQ(Act("MUndo")->text(), "&Undo Name"_q);
    Key(name, Qt::Key_Backspace, QString());  // back to the start of this run
    EXPECT_EQ(Steps(), 1u);
    Key(name, Qt::Key_D, "d"_q);
    EXPECT_EQ(Steps(), 2u);
    Undo();
    EXPECT_EQ(name->text(), "Battle Armor"_q);
    Undo();
    EXPECT_EQ(Line("TextModel")->text(), model);
    EXPECT_TRUE(doc.Saved());
}

TEST_F(UndoTest, HistoryNotesAreAStep) {
    form->MHistory_Click();
    HistoryForm* history = form->HistoryWindow();
    ASSERT_NE(history, nullptr);
    Find<NoQuoteTextEdit>(*history, "TextHistory")->setPlainText("Raid notes"_q);
    EXPECT_EQ(Steps(), 0u);  // typed, not applied
    ExpectOneStep("History Notes"_q, [&] { Find<QPushButton>(*history, "ComChange")->click(); });
    Undo();
    EXPECT_TRUE(d().History.empty());
    form->MHistory_Click();
    EXPECT_TRUE(Find<NoQuoteTextEdit>(*history, "TextHistory")->toPlainText().isEmpty());
}

TEST_F(UndoTest, NewAndOpenStartAFreshHistorySaveKeepsIt) {
    const QString path = dir.filePath("saved.vnt"_q);
    Choose(Combo("ComboType"), 2);
    Choose(Combo("ComboTechBase"), 1);
    dialogs.fileNames.push_back(path);
    form->Files().MSaveAs_Click();
    ASSERT_TRUE(doc.Saved());
    EXPECT_EQ(Steps(), 2u);  // the save is no step and keeps the steps

    // Undone away from the saved state and back again: changed, then unchanged.
    Undo();
    EXPECT_FALSE(doc.Saved());
    Redo();
    EXPECT_TRUE(doc.Saved());
    dialogs.messages.clear();
    EXPECT_TRUE(form->Files().Form_QueryUnload());
    EXPECT_TRUE(dialogs.messages.empty());

    // New after changes: the question, then nothing to undo.
    Choose(Combo("ComboTechBase"), 2);
    dialogs.answers.push_back(Dialogs::Answer::No);
    form->Files().MNew_Click();
    EXPECT_EQ(Steps(), 0u);
    EXPECT_FALSE(Act("MUndo")->isEnabled());
    EXPECT_FALSE(Act("MRedo")->isEnabled());
    EXPECT_TRUE(doc.Saved());

    Choose(Combo("ComboType"), 1);
    dialogs.answers.push_back(Dialogs::Answer::No);
    dialogs.fileNames.push_back(path);
    form->Files().MOpen_Click();
    EXPECT_EQ(d().WeightClass, 2);
    EXPECT_EQ(Steps(), 0u);
    EXPECT_TRUE(doc.Saved());
}

// A long random run of gestures, undone to the start and redone to the end.
TEST_F(UndoTest, RandomGesturesUndoneToTheStartAndRedoneToTheEnd) {
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    // Compared on the slot page, which shows the most.
    ShowPage(3);
    const DesignState start = Now();
    const QStringList shownAtStart = Shown();
    for (int round = 0; round < 120; ++round) {
        switch (pick(10)) {
            case 0: Choose(Combo("ComboType"), pick(4)); break;
            case 1: Choose(Combo("ComboTechBase"), pick(3)); break;
            case 2: Choose(Combo("ComboChassis"), pick(2)); break;
            case 3: DragTo(Slider("Slider1"), pick(Slider("Slider1")->maximum() + 1)); break;
            case 4: DragTo(Slider("HeatSinkSlide"), pick(4)); break;
            case 5:
                ShowPage(1);
                if (Combo("ComboAType")->count() > 0)
                    Choose(Combo("ComboAType"), pick(Combo("ComboAType")->count()));
                DragTo(Slider("ArmorSlide"), pick(Slider("ArmorSlide")->maximum() + 1));
                break;
            case 6:
            case 7: {
                ShowPage(2);
                Category(pick(4));
                EntryList* av = Find<EntryList>(*Equipment(), "AvList");
                if (av->count() == 0) break;
                av->clearSelection();
                av->SetSelected(pick(av->count()), true);
                Find<QPushButton>(*Equipment(), "ComAdd")->click();
                break;
            }
            default: {
                ShowPage(3);
                SlotPage* page = d().IsQuad ? Quad() : Biped();
                OwnedList* owned = OwnedOf(*page);
                if (owned->count() == 0) break;
                const QString entry = owned->Text(pick(owned->count()));
                const int location = d().IsQuad ? kQuadBody + pick(2) : pick(3);
                SlotLabel* target = page->Crit(location, pick(SlotPage::CritCount(location)));
                if (target && target->isVisible()) Drag(page, entry, target);
                dialogs.messages.clear();
                break;
            }
        }
    }
    ShowPage(3);
    const DesignState end = Now();
    const QStringList shownAtEnd = Shown();
    const std::size_t steps = Steps();
    ASSERT_GT(steps, 40u);
    while (Act("MUndo")->isEnabled()) Undo();
    EXPECT_TRUE(Now() == start) << Differences(Now(), start);
    EXPECT_EQ(Shown(), shownAtStart);
    EXPECT_TRUE(doc.Saved());
    while (Act("MRedo")->isEnabled()) Redo();
    EXPECT_TRUE(Now() == end) << Differences(Now(), end);
    EXPECT_EQ(Shown(), shownAtEnd);
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(dialogs.messages.empty());  // replaying never shows a refusal
}

}  // namespace
}  // namespace vantrel::test
