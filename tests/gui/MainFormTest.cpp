// The main window driven through its real widgets: lists chosen, sliders dragged and released,
// check boxes clicked, keys pressed. Each test reads back the design state and the captions.

#include "MainFormFixture.h"
#include "rules/Tables.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QWheelEvent>

namespace vantrel::test {
namespace {

using MainFormTest = MainFormFixture;
using MainFormStartTest = MainFormHarness;

QStringList Entries(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

// The first `n` body slots, to compare movement layouts at a glance.
std::vector<int> BodyStart(const Design& d, int n = 4) {
    return {d.BodySlots.begin(), d.BodySlots.begin() + n};
}

TEST_F(MainFormTest, NewDesignAsTheUserFirstSeesIt) {
    EXPECT_EQ(Panels(), (QStringList{"Current Kg: 100 "_q, "Free Kg: 650 "_q, "Max Heat: 0 "_q,
                                     "Heat Dissipation: 1 "_q, "Free CSlots: 19 "_q, "Estimated BV: 11 "_q,
                                     "Cost: 47500 "_q}));
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(d().WeightClass, 1);
    EXPECT_FALSE(Combo("ComboTurret")->isVisible());
    EXPECT_FALSE(Box("ChkEnhanced")->isEnabled());
    EXPECT_EQ(Lab("MLab1")->text(), "10.8 Km/H"_q);
    EXPECT_EQ(Lab("NumHeatLab")->text(), "- 0"_q);
    EXPECT_EQ(Slider("HeatSinkSlide")->maximum(), 5);
    // The armor list was filled by the technology base and its first entry chosen by the armor page.
    EXPECT_EQ(Combo("ComboAType")->currentText(), "Standard"_q);
    // Only the ground movement is laid out; exactly the first page shows.
    std::vector<int> body(kBodySlotCount, kSlotFree);
    body[0] = kSlotGround;
    EXPECT_EQ(BodyStart(d(), kBodySlotCount), body);
    EXPECT_TRUE(Find<QFrame>(*form, "Frame1")->isVisible());
    EXPECT_FALSE(Find<QFrame>(*form, "Frame2")->isVisible());
}

// The menu's keys (Ctrl+A is Save As here, not select-all) and the face of the fixed captions.
TEST_F(MainFormTest, MenuAndFixedCaptions) {
    for (const auto& [name, keys] : {
             std::pair{"MNew",    "Ctrl+N"},
             std::pair{"MOpen",   "Ctrl+O"},
             std::pair{"MSave",   "Ctrl+S"},
             std::pair{"MSaveAs", "Ctrl+A"},
             std::pair{"MExport", "Ctrl+E"},
             std::pair{"MQuit",   "Ctrl+Q"}
    })
        EXPECT_EQ(Act(name)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    // Arial, or a face with Arial's metrics where Arial is missing; the face asked for is the one drawn.
    const QString family = Lab("CapType")->font().family();
    EXPECT_EQ(family,
              QFontDatabase::hasFamily("Arial"_q) ? "Arial"_q : QFontInfo(Lab("CapType")->font()).family());
    EXPECT_TRUE(QStringList({"Arial"_q, "Liberation Sans"_q, "Arimo"_q}).contains(family))
        << family.toStdString();
}

TEST_F(MainFormTest, ExoskeletonFromATurretedQuad) {
    Choose(Combo("ComboChassis"), 1);
    ASSERT_EQ(d().QuadSlots[0], kSlotGround);  // the movement moved to the quad body
    Choose(Combo("ComboTurret"), 3);
    Click(Box("ChkConfig"));
    ASSERT_TRUE(d().TurretConfig);
    DragTo(Slider("Slider1"), 5);
    // Something owned, and a heat sink placed in the quad body.
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().OwnedCount[item] = 2;
    d().QuadSlots[7] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;

    Choose(Combo("ComboType"), 0);
    EXPECT_EQ(Combo("ComboChassis")->currentIndex(), 0);
    EXPECT_FALSE(Combo("ComboChassis")->isEnabled());
    EXPECT_EQ(d().TurretSize, 0);
    EXPECT_FALSE(Box("ChkConfig")->isChecked());
    EXPECT_FALSE(Combo("ComboTurret")->isVisible());
    EXPECT_EQ(d().OwnedCount[item], 0);  // all equipment gone
    EXPECT_EQ(d().PlacedHeatSinks, 0);   // the heat sink went back to the unplaced ones
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(Slider("ArmorSlide")->maximum(), 2);
    EXPECT_EQ(d().GroundMP, 3);
    EXPECT_EQ(Lab("MLab1")->text(), "32.4 Km/H"_q);
    EXPECT_FALSE(Slider("Slider4")->isEnabled());
    // The humanoid body carries the movement now; the quad body is empty.
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotGround, kSlotGround, kSlotFree}));
    for (int i = 0; i < kQuadSlotCount; ++i) EXPECT_EQ(d().QuadSlots[i], kSlotFree) << i;
    EXPECT_FALSE(doc.Saved());

    // Light again: the chassis list is usable, the chassis stays Humanoid until the user picks Quad.
    Choose(Combo("ComboType"), 1);
    EXPECT_TRUE(Combo("ComboChassis")->isEnabled());
    EXPECT_FALSE(d().IsQuad);
    EXPECT_EQ(Slider("Slider1")->maximum(), 3);
    EXPECT_EQ(Slider("ArmorSlide")->maximum(), 6);
}

TEST_F(MainFormTest, ChassisChangeReturnsTheOldLayoutAndLaysMovementInTheNew) {
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().BodySlots[4] = item + kSlotItemBase;
    d().BodySpan[4] = 1;
    d().PlacedCount[item] = 1;
    Choose(Combo("ComboChassis"), 1);
    EXPECT_EQ(d().PlacedCount[item], 0);
    EXPECT_EQ(d().OwnedCount[item], 0);  // returned, then the owned equipment is emptied
    EXPECT_EQ(d().BodySlots[4], kSlotFree);
    EXPECT_EQ(d().QuadSlots[0], kSlotGround);
    EXPECT_EQ(Panels()[4], "Free CSlots: 15 "_q);  // 16 quad slots, no turret, 1 used

    // The turret keeps its slots on suit-system and turret changes.
    Choose(Combo("ComboTurret"), 2);
    d().TurretSlots[0] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;
    d().HeatSinks = 0;
    Choose(Combo("ComboSS"), 2);
    Choose(Combo("ComboTurret"), 4);
    EXPECT_EQ(d().TurretSlots[0], kSlotHeatSink);
    EXPECT_EQ(d().PlacedHeatSinks, 1);

    // Back to Humanoid: the turret goes, the movement returns to the humanoid body.
    Choose(Combo("ComboChassis"), 0);
    EXPECT_EQ(d().TurretSize, 0);
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(d().BodySlots[0], kSlotGround);
}

TEST_F(MainFormTest, WeightClassClampsMovement) {
    // Medium with VTOL under Clan: the VTOL slider goes and its speed with it.
    Choose(Combo("ComboTechBase"), 1);
    EXPECT_EQ(Slider("Slider3")->maximum(), 7);
    DragTo(Slider("Slider3"), 4);
    EXPECT_EQ(Lab("MLab3")->text(), "43.2 Km/H"_q);
    Choose(Combo("ComboType"), 2);
    EXPECT_FALSE(Slider("Slider3")->isEnabled());
    EXPECT_EQ(d().VTOLMP, 0);
    EXPECT_EQ(Slider("Slider3")->value(), 0);
    EXPECT_EQ(Lab("MLab3")->text(), "0 Km/H"_q);

    // Heavy lowers a humanoid's ground speed from 3 to 2 ...
    DragTo(Slider("Slider1"), 3);
    Choose(Combo("ComboType"), 3);
    EXPECT_EQ(d().GroundMP, 2);
    EXPECT_EQ(Slider("Slider2")->maximum(), 2);
    EXPECT_EQ(Lab("MLab1")->text(), "21.6 Km/H"_q);

    // ... and a quad's from 5 to 4.
    Choose(Combo("ComboType"), 1);
    Choose(Combo("ComboChassis"), 1);
    DragTo(Slider("Slider1"), 5);
    ASSERT_EQ(d().GroundMP, 5);
    Choose(Combo("ComboType"), 3);
    EXPECT_EQ(d().GroundMP, 4);
    EXPECT_EQ(Slider("Slider1")->maximum(), 4);
    EXPECT_EQ(Lab("MLab1")->text(), "43.2 Km/H"_q);
    EXPECT_EQ(d().QuadSlots[4], kSlotFree);
}

TEST_F(MainFormTest, ConfigurableTurretAndEnhancedImaging) {
    // Configurable needs a turret.
    Choose(Combo("ComboChassis"), 1);
    Click(Box("ChkConfig"));
    EXPECT_FALSE(d().TurretConfig);
    EXPECT_FALSE(Box("ChkConfig")->isChecked());
    Choose(Combo("ComboTurret"), 2);
    Click(Box("ChkConfig"));
    EXPECT_TRUE(Box("ChkConfig")->isChecked());
    EXPECT_EQ(Panels()[0], "Current Kg: 130 "_q);  // 100 + 20 Kg turret + 10 Kg configurable
    // The keyboard does not toggle the box behind the state's back.
    Key(Box("ChkConfig"), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(Box("ChkConfig")->isChecked());
    EXPECT_TRUE(d().TurretConfig);
    Choose(Combo("ComboTurret"), 0);
    EXPECT_FALSE(d().TurretConfig);
    EXPECT_FALSE(Box("ChkConfig")->isChecked());

    // Enhanced Imaging: off limits under Inner Sphere, but kept when Clan goes back to it.
    Click(Box("ChkEnhanced"));
    EXPECT_FALSE(d().EnhancedImaging);
    Choose(Combo("ComboTechBase"), 1);
    Click(Box("ChkEnhanced"));
    EXPECT_TRUE(d().EnhancedImaging);
    Choose(Combo("ComboTechBase"), 0);
    EXPECT_FALSE(Box("ChkEnhanced")->isEnabled());
    EXPECT_TRUE(Box("ChkEnhanced")->isChecked());
    EXPECT_TRUE(d().EnhancedImaging);
    Choose(Combo("ComboTechBase"), 2);
    EXPECT_EQ(Lab("CapTechLevel")->text(), "Technology Level: 3"_q);
    Click(Box("ChkEnhanced"));
    EXPECT_FALSE(d().EnhancedImaging);
    EXPECT_FALSE(Box("ChkEnhanced")->isChecked());
}

TEST_F(MainFormTest, MovementReleasesRebuildAndExcludeEachOther) {
    Choose(Combo("ComboTechBase"), 1);
    DragTo(Slider("Slider3"), 3);
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotVTOL, kSlotVTOL, kSlotVTOL}));

    // Jump released at 2: VTOL goes to 0 and the body is laid out anew.
    DragTo(Slider("Slider2"), 2);
    EXPECT_EQ(d().VTOLMP, 0);
    EXPECT_EQ(Lab("MLab3")->text(), "0 Km/H"_q);
    EXPECT_EQ(Lab("MLab2")->text(), "60 Meters"_q);
    const std::vector<int> jumpLayout = {kSlotGround, kSlotJump, kSlotJump, kSlotFree};
    EXPECT_EQ(BodyStart(d()), jumpLayout);

    // A key released on a movement slider is a release too: the other kinds go, the body is laid
    // out anew (value changes alone left jump and UMU both above 0 and the slots stale).
    Slider("Slider4")->setFocus();
    Key(Slider("Slider4"), Qt::Key_Right);
    EXPECT_EQ(d().UMUMP, 1);
    EXPECT_EQ(Lab("MLab4")->text(), "10.8 Km/H"_q);
    EXPECT_EQ(d().JumpMP, 0);
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotUMU, kSlotFree, kSlotFree}));

    // A click on the UMU track is a release on that slider: jump goes.
    ClickTrackRight(Slider("Slider4"));
    EXPECT_EQ(d().UMUMP, 2);
    EXPECT_EQ(d().JumpMP, 0);
    EXPECT_EQ(Slider("Slider2")->value(), 0);
    const std::vector<int> umuLayout = {kSlotGround, kSlotUMU, kSlotUMU, kSlotFree};
    EXPECT_EQ(BodyStart(d()), umuLayout);

    // Releasing the ground slider without moving it still rebuilds: placed things come back.
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().BodySlots[6] = item + kSlotItemBase;
    d().BodySpan[6] = 1;
    d().PlacedCount[item] = 1;
    d().LeftArmSlots[0] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;
    DragTo(Slider("Slider1"), d().GroundMP);
    EXPECT_EQ(d().OwnedCount[item], 1);
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(d().BodySlots[6], kSlotFree);
    EXPECT_EQ(d().LeftArmSlots[0], kSlotFree);
    EXPECT_EQ(BodyStart(d()), umuLayout);  // ground combines with the others
}

TEST_F(MainFormTest, ArmorSliderFollowsTheMaximumAndThePlacedPoints) {
    ShowPage(1);
    DragTo(Slider("ArmorSlide"), 5);
    EXPECT_EQ(Lab("LabArmorP")->text(), "Armor Points: 5"_q);
    EXPECT_EQ(Lab("LabArmorW")->text(), "Armor Weight: 250 Kg"_q);
    EXPECT_EQ(Panels()[0], "Current Kg: 350 "_q);

    // Assault with 18 points, then Light: the total comes down to Light's 6.
    Choose(Combo("ComboType"), 4);
    DragTo(Slider("ArmorSlide"), 18);
    ASSERT_EQ(d().ArmorPoints, 18);
    Choose(Combo("ComboType"), 1);
    EXPECT_EQ(Slider("ArmorSlide")->value(), 6);
    EXPECT_EQ(d().ArmorWeight, 300);
    EXPECT_EQ(Lab("LabArmorP")->text(), "Armor Points: 6"_q);

    // A design read from a file with 4 points placed and 20 unplaced on a Light suit is shown as it
    // is: the slider at its end, the caption and the state at 24 points (the check names them).
    for (int i = 1; i <= 4; ++i) d().BodySlots[i] = kSlotArmor;
    d().PlacedArmor = 4;
    d().ArmorPoints = 20;
    form->RefreshP2();
    EXPECT_EQ(Slider("ArmorSlide")->minimum(), 4);
    EXPECT_EQ(Slider("ArmorSlide")->value(), 6);
    EXPECT_EQ(d().ArmorPoints, 20);
    EXPECT_EQ(Lab("LabArmorP")->text(), "Armor Points: 24"_q);
    // The placed points cannot be taken away with the slider.
    Slider("ArmorSlide")->setFocus();
    for (int i = 0; i < 4; ++i) Key(Slider("ArmorSlide"), Qt::Key_Left);
    EXPECT_EQ(Slider("ArmorSlide")->value(), 4);
    EXPECT_EQ(d().ArmorPoints, 0);
    EXPECT_EQ(d().PlacedArmor, 4);
}

TEST_F(MainFormTest, HeatSinkReleaseCannotGoBelowThePlacedOnes) {
    d().BodySlots[3] = kSlotHeatSink;
    d().BodySlots[4] = kSlotHeatSink;
    d().PlacedHeatSinks = 2;
    d().HeatSinks = 1;
    form->RefreshP1();
    ASSERT_EQ(Lab("NumHeatLab")->text(), "- 3"_q);
    DragTo(Slider("HeatSinkSlide"), 1);
    EXPECT_EQ(d().HeatSinks, 0);
    EXPECT_EQ(d().PlacedHeatSinks, 2);
    EXPECT_EQ(Slider("HeatSinkSlide")->value(), 2);
    EXPECT_EQ(Lab("NumHeatLab")->text(), "- 2"_q);
    // A key released on the heat sink slider counts as a release.
    Slider("HeatSinkSlide")->setFocus();
    Key(Slider("HeatSinkSlide"), Qt::Key_Right);
    Key(Slider("HeatSinkSlide"), Qt::Key_Right);
    EXPECT_EQ(d().HeatSinks, 2);
    EXPECT_EQ(Lab("NumHeatLab")->text(), "- 4"_q);
    EXPECT_EQ(Panels()[3], "Heat Dissipation: 5 "_q);

    // A stored heat total far out of the ordinary keeps the slider's range sane (a maximum near
    // 2^31 froze the window painting its ticks).
    for (const int heat : {1000000000, -1000000000}) {
        d().MaxHeat = heat;
        form->RefreshP1();
        EXPECT_EQ(Slider("HeatSinkSlide")->minimum(), 0) << heat;
        EXPECT_LE(Slider("HeatSinkSlide")->maximum(), 1000) << heat;
        EXPECT_GE(Slider("HeatSinkSlide")->maximum(), 0) << heat;
    }
}

TEST_F(MainFormTest, ArmorTypeListPerTechnologyBase) {
    EXPECT_EQ(Entries(Combo("ComboAType")),
              (QStringList{"Standard"_q, "Advanced"_q, "Prototype"_q, "Basic Stealth"_q,
                           "Prototype Stealth"_q, "Standard Stealth"_q, "Improved Stealth"_q, "Mimetic"_q}));
    // Two points of Inner Sphere Mimetic: 100 kg and 8 armor-system slots to place.
    ShowPage(1);
    Choose(Combo("ComboAType"), 7);
    DragTo(Slider("ArmorSlide"), 2);
    ASSERT_EQ(d().ArmorWeight, 100);
    ASSERT_EQ(d().ArmorSlots, 8);
    ShowPage(0);

    Choose(Combo("ComboTechBase"), 1);
    EXPECT_EQ(Entries(Combo("ComboAType")),
              (QStringList{"Standard"_q, "Basic Stealth"_q, "Standard Stealth"_q, "Improved Stealth"_q,
                           "Fire Resistant"_q}));
    // The new base's first entry is chosen at once, so the totals shown are those of Clan Standard armor
    // (40 kg and 10000 C-Bills a point, no armor-system slots), not of the old base's type.
    EXPECT_EQ(Combo("ComboAType")->currentText(), "Standard"_q);
    EXPECT_EQ(d().ArmorSlots, 0);
    EXPECT_EQ(Panels()[0], "Current Kg: 155 "_q);  // 35 + 15 + 25 + 80
    EXPECT_EQ(Panels()[6], "Cost: 67500 "_q);      // 47500 + 2 x 10000
    ShowPage(1);
    DragTo(Slider("ArmorSlide"), 0);

    // Basic Stealth, 2 points: 15000 a point under Mixed, 12000 under Inner Sphere.
    for (const auto& [base, weight, cost] : {
             std::tuple{2, 90,  "Cost: 77500 "},
             std::tuple{0, 110, "Cost: 71500 "}
    }) {
        Choose(Combo("ComboTechBase"), base);
        if (base == 2) {
            EXPECT_EQ(Combo("ComboAType")->count(), 9);
        }
        ShowPage(0);
        ShowPage(1);
        Choose(Combo("ComboAType"), 3);
        ASSERT_EQ(Combo("ComboAType")->currentText(), "Basic Stealth"_q);
        EXPECT_EQ(d().ArmorSlots, 3);
        DragTo(Slider("ArmorSlide"), 2);
        EXPECT_EQ(d().ArmorWeight, weight);
        EXPECT_EQ(Panels()[6], QString::fromUtf8(cost));
    }
}

TEST_F(MainFormTest, ArmorTypeChoiceFreesTheArmorSystemSlots) {
    ShowPage(1);
    Choose(Combo("ComboAType"), 1);
    ASSERT_EQ(d().ArmorSlots, 8);  // Advanced
    for (int i = 1; i <= 5; ++i) d().BodySlots[i] = kSlotArmorSystem;
    d().PlacedArmorSlots = 5;
    d().ArmorSlots = 3;
    Choose(Combo("ComboAType"), 3);
    EXPECT_EQ(d().PlacedArmorSlots, 0);
    EXPECT_EQ(d().ArmorSlots, 3);  // Basic Stealth's three wait to be placed
    EXPECT_EQ(BodyStart(d(), 6),
              (std::vector<int>{kSlotGround, kSlotFree, kSlotFree, kSlotFree, kSlotFree, kSlotFree}));
    Choose(Combo("ComboAType"), 2);
    EXPECT_EQ(d().ArmorSlots, 0);  // Prototype
}

TEST_F(MainFormTest, PagesTitleAndRedrawLock) {
    // Typing changes the name at once and the title at the next status refresh.
    Line("TextMechName")->setText(QStringLiteral("Elemental"));
    EXPECT_EQ(d().MechName, "Elemental");
    EXPECT_EQ(form->windowTitle(), "Vantrel - Battle Armor"_q);
    form->RefreshMain();
    EXPECT_EQ(form->windowTitle(), "Vantrel - Elemental"_q);
    // A name set in the state (as New or a file read does) reaches the box at once but the title
    // only at the refresh after: the title is taken from the box before the name is written into it.
    d().MechName = "Toad";
    form->RefreshMain();
    EXPECT_EQ(Line("TextMechName")->text(), "Toad"_q);
    EXPECT_EQ(form->windowTitle(), "Vantrel - Elemental"_q);
    form->RefreshMain();
    EXPECT_EQ(form->windowTitle(), "Vantrel - Toad"_q);
    // A double quote cannot be typed into the boxes.
    Line("TextModel")->setFocus();
    Key(Line("TextModel"), Qt::Key_QuoteDbl, QStringLiteral("\""));
    EXPECT_FALSE(Line("TextModel")->text().contains(QLatin1Char('"')));

    // Opening the slot page on a quad shows the quad frame and drops the selection.
    Choose(Combo("ComboChassis"), 1);
    ctx.SelLocation = 3;
    ShowPage(3);
    EXPECT_TRUE(Find<QWidget>(*form, "Frame4B")->isVisible());
    EXPECT_FALSE(Find<QWidget>(*form, "Frame4")->isVisible());
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_FALSE(doc.Saved());  // the chassis differs from the new design's, whatever page is on show

    // Nested locks and an unbalanced release leave the window painting, and a refresh inside them shows.
    for (bool on : {false, false, true}) form->SetRedraw(on);
    ctx.design.MechName = "Locked";
    form->RefreshMain();
    for (bool on : {true, true, false}) form->SetRedraw(on);
    form->SetRedraw(true);
    EXPECT_TRUE(form->updatesEnabled());
    EXPECT_EQ(Line("TextMechName")->text(), QStringLiteral("Locked"));
}

TEST_F(MainFormTest, UnfocusedWheelAndOverweight) {
    // A wheel over an unfocused list chooses nothing.
    Line("TextMechName")->setFocus();
    const QPointF at(Combo("ComboType")->width() / 2.0, Combo("ComboType")->height() / 2.0);
    QWheelEvent wheel(at, Combo("ComboType")->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Combo("ComboType"), &wheel);
    EXPECT_EQ(d().WeightClass, 1);

    // Overweight shows the minus sign.
    Choose(Combo("ComboType"), 0);
    ShowPage(1);
    DragTo(Slider("ArmorSlide"), 2);
    // Exoskeleton, Inner Sphere: 50 chassis + 25 ground + 15 suit + 100 armor = 190 of 400.
    EXPECT_EQ(Panels()[0], "Current Kg: 190 "_q);
    d().HeatSinks = 3;
    form->RefreshMain();
    EXPECT_EQ(Panels()[1], "Free Kg: -90 "_q);
}

// The name box keeps the menu's Ctrl keys for the menu: Save As (Ctrl+A) and Export (Ctrl+E) while typing.
TEST_F(MainFormTest, MenuShortcutsWinOverTheNameBox) {
    for (int key : {Qt::Key_A, Qt::Key_E, Qt::Key_S}) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        QApplication::sendEvent(Line("TextMechName"), &override);
        EXPECT_FALSE(override.isAccepted()) << key;
    }
    QKeyEvent plain(QEvent::ShortcutOverride, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(Line("TextMechName"), &plain);
    EXPECT_TRUE(plain.isAccepted());  // ordinary typing stays with the box
}

// --- start-up ---

TEST_F(MainFormStartTest, SplashSettingDecidesWhoReadsTheCatalog) {
    // "Splash" missing counts as 1: the window leaves the catalog to the splash and does not read it.
    Create();
    form->catalogPath_ = dir.filePath(QStringLiteral("missing.plb"));
    ASSERT_TRUE(form->Form_Load({}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(ctx.catalog[0].Name.empty());
    EXPECT_EQ(form->BipedLine(), 0);

    settings->Write(kKeySplash, QStringLiteral("0"));
    settings->Write(kKeyBiped, QStringLiteral("1"));
    Create();
    form->catalogPath_ = QStringLiteral(VANTREL_CATALOG_PATH);
    ASSERT_TRUE(form->Form_Load({}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ctx.catalog[301].Name, GuiShippedCatalog()[301].Name);
    EXPECT_EQ(form->BipedLine(), 1);
    EXPECT_EQ(Panels()[6], "Cost: 47500 "_q);
    EXPECT_TRUE(doc.Saved());
}

TEST_F(MainFormStartTest, UnreadableCatalogStopsStartUp) {
    settings->Write(kKeySplash, QStringLiteral("0"));
    Create();
    form->catalogPath_ = dir.filePath(QStringLiteral("missing.plb"));
    EXPECT_FALSE(form->Form_Load({}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Vantrel"_q);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("missing.plb")))
        << dialogs.messages[0].text.toStdString();

    // A catalog whose third record has a weight that is no number: file, record and field named.
    QFile shipped(QStringLiteral(VANTREL_CATALOG_PATH)), out(dir.filePath(QStringLiteral("bad.plb")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    QList<QByteArray> lines = shipped.readAll().split('\n');
    QList<QByteArray> fields = lines[2].split(',');
    fields[2] = "heavy";
    lines[2] = fields.join(',');
    out.write(lines.join('\n'));
    out.close();
    dialogs.messages.clear();
    const std::string before = ctx.catalog[0].Name;
    form->catalogPath_ = out.fileName();
    EXPECT_FALSE(form->Form_Load({}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString text = dialogs.messages[0].text;
    for (const char* part : {"bad.plb", "record 3", "field 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << text.toStdString();
    EXPECT_EQ(ctx.catalog[0].Name, before);  // no partial catalog left behind
}

}  // namespace
}  // namespace vantrel::test
