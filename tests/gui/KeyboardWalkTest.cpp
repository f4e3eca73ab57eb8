// The main window by keyboard: every control found by its name with a spoken name, Tab walking each
// page round, mnemonics that pick one entry, and the slot labels' context menu against the drop it
// stands for.

#include "MainFormFixture.h"
#include "equipment/Placement.h"
#include "ui/BreakdownForm.h"
#include "ui/CompareForm.h"
#include "ui/DesignCheckForm.h"
#include "ui/DesignLibraryForm.h"
#include "ui/FindEquipmentForm.h"
#include "ui/HistoryForm.h"
#include "ui/OptionsForm.h"
#include "ui/RecentFiles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

// The name a screen reader speaks for the control: its accessible name where one is set, else what the
// toolkit derives (a label's or a button's text).
QString Spoken(QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The caption a control is labelled by, for readers that speak a list box by its value.
QString LabelledBy(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) return {};
    for (const auto& relation : iface->relations(QAccessible::Label))
        if (relation.first) return relation.first->text(QAccessible::Name);
    return {};
}

// Tab stops at the chosen option of a set of options only; the arrow keys move between them.
bool TakesTab(const QWidget* w, const QWidget* window) {
    if (const auto* option = qobject_cast<const QRadioButton*>(w); option && !option->isChecked())
        return false;
    return w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

QStringList Names(const QList<QWidget*>& widgets) {
    QStringList out;
    for (QWidget* w : widgets)
        out << (!w                          ? u"(none)"_s
                : w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                            : w->objectName());
    return out;
}

// The mnemonics of `texts` that occur more than once.
QStringList MnemonicClashes(const QStringList& texts) {
    QStringList clashes;
    QSet<QString> seen;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        const QString k = key.toString();
        if (seen.contains(k)) clashes << text;
        seen << k;
    }
    return clashes;
}

// Presses Tab on the focused control from `start` on until the focus is back at `start`.
QList<QWidget*> TabWalk(QWidget* start, int limit = 300) {
    QList<QWidget*> walk;
    start->setFocus(Qt::TabFocusReason);
    QWidget* at = QApplication::focusWidget();
    for (int i = 0; i < limit && at; ++i) {
        walk << at;
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == start) return walk;
    }
    walk << nullptr;  // never came round
    return walk;
}

class KeyboardWalk : public MainFormFixture {
protected:
    // The slot's context menu after a right-click on it; its entries as "text=enabled".
    QMenu* MenuOf(SlotLabel* label) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, Centre(label), label->mapToGlobal(Centre(label)));
        QApplication::sendEvent(label, &e);
        return Page()->findChild<QMenu*>(u"SlotMenu"_s);
    }
    static QStringList Entries(const QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << a->text() + (a->isEnabled() ? u"=on"_s : u"=off"_s);
        return out;
    }
    // Runs the menu's entry `name` as the person picking it would, and closes the menu.
    static void Pick(QMenu* menu, const char* name) {
        QAction* a = menu->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr);
        menu->hide();
        a->trigger();
    }
};

// --- names ---

// Each page of both layouts: the named controls are found where they stand, and every control that
// takes the focus has its name and a spoken name no other control of the page has.
TEST_F(KeyboardWalk, EveryControlIsFoundByItsNameAndSpeaksOnEachPage) {
    struct Walk {
        bool quad;
        int tab;
        const char* names;
    };
    const Walk walks[] = {
        {true,  0, "ComboType ComboTurret ChkConfig HeatSinkSlide Slider1 MLab4"                    },
        {false, 1, "ComboAType ArmorSlide LabArmorP"                                                },
        {false, 2, "AvList SelList ComAdd OptType_0 OptType_4 LPName LL"                            },
        {false, 3, "BipedOwned ClearSel1 ClearCS BodyCrit_0 BodyCrit_11 RightCrit_3 LeftCrit_0"     },
        {true,  3, "QuadOwned ClearSel2 ClearCST QuadCrit_15 TurretCrit_0 TurretCrit_8 TurretHeader"},
    };
    for (const Walk& w : walks) {
        SCOPED_TRACE("page " + std::to_string(w.tab) + (w.quad ? " quad" : ""));
        UseLayout(w.quad, w.tab);
        for (const QString& name :
             (u"TextMechName TextModel TabStrip1 StatBar_1 StatBar_7 "_s + QString::fromLatin1(w.names))
                 .split(u' ')) {
            QWidget* found = form->findChild<QWidget*>(name);
            ASSERT_NE(found, nullptr) << name.toStdString();
            EXPECT_TRUE(found->isVisibleTo(form.get())) << name.toStdString();
            EXPECT_FALSE(Spoken(found).isEmpty()) << name.toStdString();
        }
        QHash<QString, QString> said;
        for (QWidget* x : form->findChildren<QWidget*>()) {
            if (!x->isVisibleTo(form.get()) || !(x->focusPolicy() & Qt::TabFocus) || x->focusProxy())
                continue;
            const QString spoken = Spoken(x);
            EXPECT_FALSE(x->objectName().isEmpty())
                << x->metaObject()->className() << " " << spoken.toStdString();
            EXPECT_FALSE(spoken.isEmpty()) << x->objectName().toStdString();
            EXPECT_FALSE(said.contains(spoken))
                << spoken.toStdString() << ": " << x->objectName().toStdString() << " and "
                << said.value(spoken).toStdString();
            said.insert(spoken, x->objectName());
        }
    }
    // Captions, not values; and tied to their lists for readers that speak a list by its value.
    EXPECT_EQ(Spoken(Combo("ComboType")), u"Weight Class"_s);
    EXPECT_EQ(LabelledBy(Combo("ComboType")), u"Weight Class:"_s);
    EXPECT_EQ(LabelledBy(Combo("ComboAType")), u"Armor Type:"_s);
    for (const char* name :
         {"MFile", "MEdit", "MOptions", "MAbout", "MRecent", "MNew", "MSaveAs", "MQuit", "MUndo", "MCheck"})
        EXPECT_NE(form->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

// --- tab order ---

// From the name box Tab reaches every control of the page that takes the focus, in reading order,
// and comes back round to the name box.
TEST_F(KeyboardWalk, TabWalksEveryPageRound) {
    const std::pair<bool, int> walks[] = {
        {true,  0},
        {false, 1},
        {false, 2},
        {false, 3},
        {true,  3}
    };
    for (const auto& [quad, tab] : walks) {
        SCOPED_TRACE("page " + std::to_string(tab) + (quad ? " quad" : ""));
        UseLayout(quad, tab);
        const QList<QWidget*> walk = TabWalk(Line("TextMechName"));
        ASSERT_FALSE(walk.contains(nullptr)) << Names(walk).join(u' ').toStdString();
        QSet<QWidget*> wanted;
        for (QWidget* x : form->findChildren<QWidget*>())
            if (TakesTab(x, form.get())) wanted << x;
        for (QWidget* x : wanted) EXPECT_TRUE(walk.contains(x)) << x->objectName().toStdString();
        // Each control once, and only controls of the window.
        EXPECT_EQ(QSet<QWidget*>(walk.begin(), walk.end()).size(), walk.size());
        ASSERT_GE(walk.size(), 3);
        EXPECT_EQ(Names(walk.mid(0, 3)), (QStringList{u"TextMechName"_s, u"TextModel"_s, u"TabStrip1"_s}));
        if (tab == 0) {
            // The suit's column, then technology, heat sinks and the movement (of those open to this design).
            QStringList reading;
            for (const char* name :
                 {"ComboType", "ComboChassis", "ComboSS", "ComboTurret", "ComboTechBase", "ChkEnhanced",
                  "ChkConfig", "HeatSinkSlide", "Slider1", "Slider2", "Slider3", "Slider4"}) {
                QWidget* x = form->findChild<QWidget*>(QString::fromLatin1(name));
                ASSERT_NE(x, nullptr) << name;
                if (TakesTab(x, form.get())) reading << x->objectName();
            }
            EXPECT_GE(reading.size(), 9);
            EXPECT_EQ(Names(walk.mid(3)), reading);
        }
        if (tab == 3) {
            // The slots column by column, then the owned list and its buttons.
            SlotPage* p = Page();
            SlotLabel* firstSlot = SlotAt(*p, quad ? "QuadCrit" : "BodyCrit", 0);
            const QPushButton* clearSelected = Find<QPushButton>(*p, quad ? "ClearSel2" : "ClearSel1");
            const QPushButton* clearAll = Find<QPushButton>(*p, quad ? "ClearCST" : "ClearCS");
            const int first = static_cast<int>(walk.indexOf(firstSlot));
            ASSERT_EQ(first, 3);
            const qsizetype owned = walk.indexOf(Owned());
            ctx.SelLocation = quad ? kQuadBody : kBody;
            ctx.SelSlot = 0;
            form->RefreshP4();  // Clear Selected opens with a selection
            EXPECT_EQ(Names(TabWalk(Owned()).mid(0, 5)),
                      (QStringList{Owned()->objectName(), clearSelected->objectName(), clearAll->objectName(),
                                   u"PlaceAll"_s, u"TextMechName"_s}));
            EXPECT_EQ(Names(walk.mid(owned)),
                      (QStringList{Owned()->objectName(), clearAll->objectName(), u"PlaceAll"_s}));
            ctx.SelLocation = -1;
            form->RefreshP4();
            if (!quad) {
                EXPECT_EQ(walk.indexOf(SlotAt(*p, "RightCrit", 0)), 3 + 12);
                EXPECT_EQ(walk.indexOf(SlotAt(*p, "LeftCrit", 0)), 3 + 16);
            }
        }
    }
}

// Ctrl+PgDown and Ctrl+PgUp turn the pages from inside a page, round at both ends, and leave the
// focus on the tab strip; the breakdown opens from the menu.
TEST_F(KeyboardWalk, PagesAndBreakdownWithoutTheMouse) {
    UseLayout(false, 0);
    Slider("Slider1")->setFocus();
    QTest::keyClick(Slider("Slider1"), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Strip()->currentIndex(), 1);
    EXPECT_TRUE(Find<QFrame>(*form, "Frame2")->isVisible());
    EXPECT_TRUE(Strip()->hasFocus());
    EXPECT_EQ(Slider("Slider1")->value(), d().GroundMP);
    Slider("ArmorSlide")->setFocus();
    QTest::keyClick(Slider("ArmorSlide"), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(Strip(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Strip()->currentIndex(), 3);
    EXPECT_TRUE(Find<QWidget>(*form, "Frame4")->isVisible());
    QTest::keyClick(Strip(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Strip()->currentIndex(), 0);

    // The breakdown, otherwise opened by a double-click on a total, has a menu entry.
    Act("MBreakdown")->trigger();
    ASSERT_NE(form->BreakdownWindow(), nullptr);
    EXPECT_TRUE(form->BreakdownWindow()->isVisible());
    EXPECT_EQ(form->BreakdownWindow()->CurrentSection(), BreakdownForm::kWeight);
}

TEST_F(KeyboardWalk, AuxiliaryWindowsWalkRoundAndSpeak) {
    QApplication::setActiveWindow(form.get());
    form->MPreferences_Click();
    form->MHistory_Click();
    form->MCheck_Click();
    form->ShowBreakdown(0);
    form->MLibrary_Click();
    form->OpenCompare({QString(), QString()});
    auto* compare = form->findChild<CompareForm*>();
    ASSERT_NE(compare, nullptr);
    form->MFind_Click();
    struct Window {
        QWidget* window;
        QStringList order;
    };
    for (const Window& w : {
             Window{form->OptionsWindow(),   {u"SplashChk"_s, u"Biped_0"_s, u"cmdOK"_s, u"cmdCancel"_s}},
             Window{form->HistoryWindow(),   {u"TextHistory"_s, u"ComChange"_s, u"ComCancel"_s}        },
             Window{form->CheckWindow(),     {u"GridFindings"_s, u"ComClose"_s}                        },
             Window{form->BreakdownWindow(), {u"TabSections"_s, u"GridTerms"_s}                        },
 // Open and Compare wait for a selection.
             Window{form->LibraryWindow(),
                    {u"TextFolder"_s, u"ComFolder"_s, u"TextFind"_s, u"ComboChassis"_s, u"ComboClass"_s,
                     u"ComboTech"_s, u"ChkErrors"_s, u"GridDesigns"_s, u"ComClose"_s}                  },
             Window{compare,                 {u"ChkDifferences"_s, u"GridCompare"_s, u"ComClose"_s}    },
             Window{form->FindWindow(),
                    {u"TextSearch"_s, u"ComboCategory"_s, u"ChkOffered"_s, u"GridEquipment"_s, u"SpinCount"_s,
                     u"ComAddFound"_s, u"ComClose"_s}                                                  }
    }) {
        SCOPED_TRACE(w.window->windowTitle().toStdString());
        w.window->activateWindow();
        QApplication::setActiveWindow(w.window);
        QWidget* first = w.window->findChild<QWidget*>(w.order.first());
        ASSERT_NE(first, nullptr);
        const QList<QWidget*> walk = TabWalk(first, 40);
        EXPECT_EQ(Names(walk), w.order);
        for (QWidget* x : walk)
            EXPECT_TRUE(!x || !Spoken(x).isEmpty()) << Names({x}).join(u' ').toStdString();
        if (w.window == form->OptionsWindow()) {
            // The arrow keys lead from the chosen option to the other.
            FindAt<QRadioButton>(*form->OptionsWindow(), "Biped", 0)->setFocus();
            QTest::keyClick(FindAt<QRadioButton>(*form->OptionsWindow(), "Biped", 0), Qt::Key_Down);
            EXPECT_TRUE(FindAt<QRadioButton>(*form->OptionsWindow(), "Biped", 1)->hasFocus());
        }
        // Mnemonics of a window pick one control each.
        QStringList texts;
        for (QAbstractButton* b : w.window->findChildren<QAbstractButton*>()) texts << b->text();
        for (QLabel* l : w.window->findChildren<QLabel*>()) texts << l->text();
        EXPECT_TRUE(MnemonicClashes(texts).isEmpty()) << MnemonicClashes(texts).join(u", "_s).toStdString();
    }
}

// Within each menu and each page no mnemonic picks two entries.
TEST_F(KeyboardWalk, MnemonicsAreUniquePerMenuAndPage) {
    form->Files().Recent().Add(dir.filePath(u"a.vnt"_s));
    form->Files().Recent().Add(dir.filePath(u"b&c.vnt"_s));
    UseLayout(false);
    Own("Manipulator");
    Select(u"Manipulator"_s);
    MenuOf(SlotAt(*Page(), "BodyCrit", 3))->hide();
    QStringList bar;
    for (QAction* a : form->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, (QStringList{u"&File"_s, u"&Edit"_s, u"&Options"_s, u"&About"_s, u"&Help"_s}));
    EXPECT_TRUE(MnemonicClashes(bar).isEmpty());
    int menus = 0;
    for (QMenu* menu : form->findChildren<QMenu*>()) {
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text();
        EXPECT_TRUE(MnemonicClashes(texts).isEmpty())
            << menu->objectName().toStdString() << ": " << MnemonicClashes(texts).join(u", "_s).toStdString();
        ++menus;
    }
    EXPECT_GE(menus, 6);
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame4B"}) {
        const QWidget* page = Find<QWidget>(*form, name);
        QStringList texts;
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) texts << b->text();
        for (QLabel* l : page->findChildren<QLabel*>()) texts << l->text();
        EXPECT_TRUE(MnemonicClashes(texts).isEmpty()) << name;
    }
    // The clash finder itself: a doubled mnemonic is named, an escaped ampersand is none.
    EXPECT_EQ(MnemonicClashes({u"&Save"_s, u"&Sort"_s, u"Fish && Chips"_s, u"&Chips"_s}),
              QStringList{u"&Sort"_s});
}

// --- the slot's context menu ---

TEST_F(KeyboardWalk, SlotMenuOffersPlaceAndClearWhereTheyApply) {
    UseLayout(false);
    SlotPage* p = Page();
    d().BodySlots[5] = kSlotHeatSink;
    d().HeatSinks = 1;
    form->RefreshP4();
    QMenu* menu = MenuOf(SlotAt(*p, "BodyCrit", 4));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Entries(menu), (QStringList{u"&Place here=off"_s, u"&Clear=off"_s}));
    menu->hide();

    Own("Manipulator");
    Select(u"Manipulator"_s);
    // A movement slot (0) cannot be selected, so Clear would clear whatever else is selected: shut.
    const std::pair<int, const char*> menus[] = {
        {4, "off"},
        {5, "on" },
        {0, "off"}
    };
    for (const auto& [slot, clear] : menus) {
        EXPECT_EQ(Entries(MenuOf(SlotAt(*p, "BodyCrit", slot))),
                  (QStringList{u"&Place Manipulator here=on"_s, u"&Clear="_s + QLatin1String(clear)}));
        menu->hide();
    }

    // By keyboard: the Menu key and Shift+F10 on the focused label, under the label.
    SlotLabel* seventh = SlotAt(*p, "BodyCrit", 7);
    seventh->setFocus();
    QTest::keyClick(seventh, Qt::Key_Menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(
        menu->geometry().contains(seventh->mapToGlobal(QPoint(seventh->width() / 2, seventh->height() + 2))));
    menu->hide();
    SlotAt(*p, "BodyCrit", 5)->setFocus();
    QTest::keyClick(SlotAt(*p, "BodyCrit", 5), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Entries(menu), (QStringList{u"&Place Manipulator here=on"_s, u"&Clear=on"_s}));
    menu->hide();

    // Clear on a taken slot: the click's selection, then Clear Selected; an older selection elsewhere
    // is left alone by a Clear on a slot the click cannot select.
    const Design start = d();
    const std::size_t steps = Steps();
    Pick(MenuOf(SlotAt(*p, "BodyCrit", 5)), "ClearSlot");
    EXPECT_EQ(d().BodySlots[5], kSlotFree);
    EXPECT_EQ(SlotAt(*p, "BodyCrit", 5)->text(), u"Available"_s);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(Act("MUndo")->text(), u"&Undo Clear Selected"_s);
    d() = start;
    form->RefreshP4();
    ASSERT_TRUE(ClickSlot(ctx, kBody, 5));
    Pick(MenuOf(SlotAt(*p, "BodyCrit", 0)), "ClearSlot");
    EXPECT_EQ(d().BodySlots[5], kSlotHeatSink);

    // Shift+F10 on the owned list opens its menu of place actions too.
    Select(u"Manipulator"_s);
    Owned()->setFocus();
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (QAction* a : popup->actions()) shown << a->objectName();
            popup->close();
        }
    });
    QTest::keyClick(Owned(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shown, (QStringList{u"PlaceInBody"_s, u"PlaceInRightArm"_s, u"PlaceInLeftArm"_s}));
}

// Random owned entries on random slots of both layouts, free and taken: "Place <entry> here" leaves
// the design, the messages, the status line and the owned list exactly as the drop of that entry on
// that slot, as one undo step.
TEST_F(KeyboardWalk, PlaceHereEqualsTheDropOnThatSlot) {
    std::mt19937 rng(1310);
    int placed = 0, refused = 0;
    for (int round = 0; round < 14; ++round) {
        const bool quad = round % 2 == 1;
        UseLayout(quad);
        form->ClearCS_Click();
        form->ClearCST_Click();
        d().JumpMP = static_cast<int>(rng() % 2);
        d().HeatSinks = 2;
        for (int k = 0; k < 4; ++k) Own(ctx.catalog[rng() % kCatalogSize].Name);
        Own(round % 3 == 0 ? "Manipulator" : "Para Foil");
        ScatterHeatSinks(rng, 3);
        const Design start = d();
        form->RefreshP4();
        const QStringList owned = Owned()->Lines();
        ASSERT_FALSE(owned.isEmpty());
        for (int pick = 0; pick < 4; ++pick) {
            const QString entry = owned[static_cast<int>(rng() % owned.size())];
            const std::vector<int> order = PlaceOrder(d());
            const int location = order[rng() % order.size()];
            const int slot = static_cast<int>(rng() % static_cast<unsigned>(UsableSlots(start, location)));
            SlotLabel* label = Page()->Crit(location, slot);
            ASSERT_NE(label, nullptr);
            SCOPED_TRACE(entry.toStdString() + " on " + label->objectName().toStdString());
            const std::size_t steps = Steps();
            const Outcome byMenu = Run(start, entry, [&] { Pick(MenuOf(label), "PlaceHere"); });
            const bool changed = byMenu.changed;
            EXPECT_EQ(Steps(), steps + (changed ? 1 : 0));
            if (changed) {
                EXPECT_TRUE(Act("MUndo")->text().startsWith(u"&Undo Place in "_s));
            }
            const Outcome byDrop = Run(start, entry, [&] { DropSelectedOn(label); });
            ExpectSame(byMenu, byDrop);
            (changed ? placed : refused) += 1;
        }
    }
    EXPECT_GT(placed, 5);
    EXPECT_GT(refused, 5);
}

}  // namespace
}  // namespace vantrel::test
