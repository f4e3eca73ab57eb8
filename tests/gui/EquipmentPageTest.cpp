// The equipment page driven through its widgets: the filters of the available list, the owned list
// and its three buttons, and the information panel.

#include "ui/EquipmentPage.h"

#include "MainFormFixture.h"
#include "ui/EntryList.h"
#include "ui/Gesture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace vantrel::test {
namespace {

using namespace Qt::StringLiterals;

class EquipmentPageTest : public MainFormFixture {
protected:
    EntryList* AvList() { return Find<EntryList>(*Equipment(), "AvList"); }
    EntryList* SelList() { return Find<EntryList>(*Equipment(), "SelList"); }
    QLabel* LPName() { return Find<QLabel>(*Equipment(), "LPName"); }

    // Selects exactly the given rows, as clicks with the control key held do.
    static void Select(EntryList* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int r : rows) list->SetSelected(r, true);
    }
    static void SelectText(EntryList* list, const QString& text) {
        list->clearSelection();
        const int found = list->FindRow(text);
        ASSERT_GE(found, 0) << text.toStdString();
        list->SetSelected(found, true);
    }
    static int CountPrefix(const QStringList& lines, const char* prefix) {
        return int(std::count_if(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.startsWith(QLatin1String(prefix)); }));
    }
    QStringList Panel() {
        QStringList out{LPName()->text()};
        for (const char* value : {"LDamage", "LWeight", "LCSlots", "LHeat", "LBV", "LMin", "LS", "LM", "LL"})
            out << Find<QLabel>(*Equipment(), value)->text();
        return out;
    }
};

TEST_F(EquipmentPageTest, TechnologyAndCategoryFilters) {
    ShowPage(2);
    EquipmentPage* p = Equipment();
    EXPECT_TRUE(FindAt<QRadioButton>(*p, "OptType", 0)->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(*p, "Check1")->isChecked());

    // Energy, Inner Sphere: the 5 unmarked and the 17 "(I" items of the shipped catalog, in catalog order.
    QStringList lines = AvList()->Lines();
    EXPECT_EQ(lines.size(), 22);
    EXPECT_EQ(CountPrefix(lines, "(I"), 17);
    EXPECT_EQ(lines.first(), u"(I) ER Flamer"_s);
    Combo("ComboTechBase")->setCurrentIndex(1);  // Clan
    ShowPage(2);
    lines = AvList()->Lines();
    EXPECT_EQ(lines.size(), 21);
    EXPECT_EQ(CountPrefix(lines, "(I"), 0);
    Combo("ComboTechBase")->setCurrentIndex(2);  // Mixed
    ShowPage(2);
    EXPECT_EQ(AvList()->count(), 38);
    FindAt<QRadioButton>(*p, "OptType", 1)->click();  // Ballistic: 9 + 9 + 17
    EXPECT_EQ(AvList()->count(), 35);
    FindAt<QRadioButton>(*p, "OptType", 3)->click();  // Equipment
    EXPECT_EQ(AvList()->count(), 41);

    // Ammunition for current weapons, none owned: only the 48 items of the category.
    FindAt<QRadioButton>(*p, "OptType", 4)->click();
    lines = AvList()->Lines();
    EXPECT_EQ(lines.size(), 48);
    for (const QString& l : lines) EXPECT_FALSE(l.endsWith(u" Ammo"_s)) << l.toStdString();

    // Owning a weapon offers its ammunition at the next rebuild, after the category items.
    AddToStash(ctx.catalog, d(), "(I) Light Machine Gun", 1);
    form->RefreshP3();
    lines = AvList()->Lines();
    EXPECT_EQ(lines.size(), 49);
    EXPECT_EQ(lines.last(), u"(I) Light Machine Gun Ammo"_s);
    // Placed, the weapon is still carried: its ammunition stays on offer.
    const int gun = FindIndex(ctx.catalog, "(I) Light Machine Gun");
    d().OwnedCount[gun] = 0;
    d().PlacedCount[gun] = 1;
    form->RefreshP3();
    EXPECT_EQ(AvList()->Lines().last(), u"(I) Light Machine Gun Ammo"_s);
    // Without "For current weapons": every ammunition of the technology base (89 ammunition users).
    Find<QCheckBox>(*p, "Check1")->click();
    EXPECT_EQ(AvList()->count(), 48 + 89);
}

TEST_F(EquipmentPageTest, AddRemoveAndClear) {
    ShowPage(2);
    EquipmentPage* p = Equipment();
    const QString before = FindAt<QLabel>(*form, "StatBar", 1)->text();
    for (int i = 0; i < 2; ++i) AddAvailable(u"Laser Rifle"_s);
    const int rifle = FindIndex(ctx.catalog, "Laser Rifle");
    EXPECT_EQ(SelList()->Lines(), (QStringList{u"Laser Rifle"_s, u"Laser Rifle"_s}));
    EXPECT_EQ(d().OwnedCount[rifle], 2);
    EXPECT_FALSE(AvList()->HasSelection());
    EXPECT_NE(FindAt<QLabel>(*form, "StatBar", 1)->text(),
              before);  // the status line was recalculated

    // Several at once, first to last.
    Select(AvList(), {0, 2});
    const QString first = AvList()->Text(0), third = AvList()->Text(2);
    Find<QPushButton>(*p, "ComAdd")->click();
    EXPECT_EQ(SelList()->Lines(), (QStringList{u"Laser Rifle"_s, u"Laser Rifle"_s, first, third}));

    // Heat sinks (and armor-system entries) stay when "<< Remove" meets them.
    d().HeatSinks = 3;
    d().ArmorSlots = 1;
    form->RefreshP3();
    const QString asys = u"ASys: "_s + Combo("ComboAType")->currentText();
    ASSERT_EQ(SelList()->Lines().mid(0, 4),
              (QStringList{u"Heat Sink"_s, u"Heat Sink"_s, u"Heat Sink"_s, asys}));
    const int rifleRow = SelList()->Lines().indexOf(u"Laser Rifle"_s);
    Select(SelList(), {0, 3, rifleRow});
    Find<QPushButton>(*p, "ComRemove")->click();
    const QStringList lines = SelList()->Lines();
    EXPECT_EQ(lines.count(u"Heat Sink"_s), 3);
    EXPECT_EQ(lines.count(asys), 1);
    EXPECT_EQ(d().OwnedCount[rifle], 1);

    // A Heat Sensor goes, though its name begins as the heat sink's does.
    const int sensor = FindIndex(ctx.catalog, "Heat Sensor");
    ASSERT_NE(sensor, -1);
    AddToStash(ctx.catalog, d(), "Heat Sensor", 1);
    form->RefreshP3();
    Select(SelList(), {static_cast<int>(SelList()->Lines().indexOf(u"Heat Sensor"_s))});
    Find<QPushButton>(*p, "ComRemove")->click();
    EXPECT_EQ(d().OwnedCount[sensor], 0);
    EXPECT_FALSE(SelList()->Lines().contains(u"Heat Sensor"_s));
    EXPECT_EQ(SelList()->Lines().count(u"Heat Sink"_s), 3);

    // Clear empties owned items and ammunition, not heat sinks or armor-system slots.
    AddToStash(ctx.catalog, d(), "(I) Light Machine Gun Ammo", 2);
    Find<QPushButton>(*p, "ComClear")->click();
    EXPECT_EQ(SelList()->Lines(), (QStringList{u"Heat Sink"_s, u"Heat Sink"_s, u"Heat Sink"_s, asys}));
    for (int i = 0; i < kCatalogSize; ++i) EXPECT_EQ(d().OwnedCount[i] + d().OwnedAmmo[i], 0) << i;
}

// The finder's Add: a taken entry's lines at the end of the owned list; one Add refuses changes nothing
// and is no gesture at all, so nothing that follows gestures hears of it.
TEST_F(EquipmentPageTest, AddOfTheFinderTakesOnlyWhatAddTakes) {
    ShowPage(2);
    int ended = 0;
    QObject::connect(&form->Gestures(), &GestureTracker::gestureEnded, form.get(), [&] { ++ended; });
    const auto before = d().OwnedCount;
    for (const auto& [entry, count] : {
             std::pair{u"(C) ER Small Laser"_s, 1}, // Clan only, on an Inner Sphere design
             std::pair{u"No Such Thing"_s,      1},
             std::pair{u"Laser Rifle"_s,        0},
             std::pair{u"Laser Rifle Ammo"_s,   1}, // the rifle fires none
    }) {
        Equipment()->AddEntry(entry, count);
        EXPECT_EQ(SelList()->count(), 0) << entry.toStdString();
    }
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(d().OwnedCount, before);
    EXPECT_EQ(Steps(), 0u);

    Equipment()->AddEntry(u"(I) Light Machine Gun Ammo"_s, 2);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(SelList()->Lines(),
              (QStringList{u"(I) Light Machine Gun Ammo"_s, u"(I) Light Machine Gun Ammo"_s}));
    EXPECT_EQ(d().OwnedAmmo[FindIndex(ctx.catalog, "(I) Light Machine Gun")], 2);
    EXPECT_EQ(Steps(), 1u);
}

TEST_F(EquipmentPageTest, InformationPanel) {
    ShowPage(2);
    EquipmentPage* p = Equipment();
    // A name and a dash for each value.
    const auto dashes = [](const QString& name) {
        QStringList out(10, u"-"_s);
        out[0] = name;
        return out;
    };
    EXPECT_EQ(Panel(), dashes(u"None Selected"_s));

    // (I) ER Flamer: damage 2, 200 kg, 1 slot, heat 4, BV 16, no minimum, ranges 3/5/7.
    SelectText(AvList(), u"(I) ER Flamer"_s);
    EXPECT_EQ(Panel(), (QStringList{u"(I) ER Flamer"_s, u"2"_s, u"200 Kg"_s, u"1"_s, u"4"_s, u"16"_s, u"-"_s,
                                    u"3"_s, u"5"_s, u"7"_s}));

    // Several selected: the panel ends on the last in list order.
    Select(AvList(), {3, 1});
    EXPECT_EQ(LPName()->text(), AvList()->Text(3));
    // A fractional Battle Value in the general number format; an item without weight shows "-".
    form->ShowItemInfo(u"Claws and Magnetic Clamps"_s);
    EXPECT_EQ(Find<QLabel>(*p, "LBV")->text(), u"1.5"_s);
    Catalog edited = ctx.catalog;
    edited[FindIndex(ctx.catalog, "Laser Rifle")].Weight = -1;
    ctx.catalog = ShareCatalog(edited);
    form->ShowItemInfo(u"Laser Rifle"_s);
    EXPECT_EQ(Find<QLabel>(*p, "LWeight")->text(), u"-"_s);
    // Ammunition: one load's weight and its shots.
    FindAt<QRadioButton>(*p, "OptType", 4)->click();
    Find<QCheckBox>(*p, "Check1")->click();
    SelectText(AvList(), u"(I) Light Machine Gun Ammo"_s);
    QStringList ammo = dashes(u"(I) Light Machine Gun Ammo"_s);
    ammo[2] = u"10 Kg / 20"_s;
    EXPECT_EQ(Panel(), ammo);

    // An "ASys: " line leaves the panel; "Heat Sink" shows its name and dashes.
    d().HeatSinks = 1;
    d().ArmorSlots = 1;
    form->RefreshP3();
    const QStringList shown = Panel();
    SelList()->SetSelected(1, true);
    EXPECT_EQ(Panel(), shown);
    Select(SelList(), {0});
    EXPECT_EQ(Panel(), dashes(u"Heat Sink"_s));

    // A click on the entry a list already has selected still shows it: after looking at an owned line,
    // clicking the available entry again must bring that entry back to the panel.
    auto clickRow = [](EntryList* list, int row) {
        list->scrollTo(list->Index(row));
        const QPoint at = list->visualRect(list->Index(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    const QString first = AvList()->Text(0);
    clickRow(AvList(), 0);
    ASSERT_EQ(LPName()->text(), first);
    clickRow(SelList(), 0);
    ASSERT_EQ(LPName()->text(), u"Heat Sink"_s);
    clickRow(AvList(), 0);
    EXPECT_TRUE(AvList()->IsSelected(0));
    EXPECT_EQ(LPName()->text(), first);
}

}  // namespace
}  // namespace vantrel::test
