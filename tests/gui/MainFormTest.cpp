// The main window driven through its real widgets: lists chosen, sliders dragged and released,
// check boxes clicked, keys pressed. Each test reads back the design state and the captions.

#include "FindWidget.h"
#include "MainFormFixture.h"
#include "rules/Tables.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
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
    EXPECT_EQ(form->windowTitle(), "Vantrel - Battle Armor"_q);
    EXPECT_EQ(vantrel::test::Find<QLineEdit>(*form, "TextModel")->text(), "0"_q);
    EXPECT_TRUE(ctx.Saved);
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboType")->currentText(), "Light - 750 Kg"_q);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "CapTechLevel")->text(), "Technology Level: 2"_q);
    EXPECT_FALSE(vantrel::test::Find<QComboBox>(*form, "ComboTurret")->isVisible());
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced")->isEnabled());
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab1")->text(), "10.8 Km/H"_q);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "NumHeatLab")->text(), "- 0"_q);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->maximum(), 5);
    // The armor list was filled by the technology base and its first entry chosen by the armor page.
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboAType")->currentText(), "Standard"_q);
    // Only the ground movement is laid out; exactly the first page shows.
    std::vector<int> body(kBodySlotCount, kSlotFree);
    body[0] = kSlotGround;
    EXPECT_EQ(BodyStart(d(), kBodySlotCount), body);
    EXPECT_TRUE(vantrel::test::Find<QFrame>(*form, "Frame1")->isVisible());
    EXPECT_FALSE(vantrel::test::Find<QFrame>(*form, "Frame2")->isVisible());
}

TEST_F(MainFormTest, MenuAndFixedCaptions) {
    EXPECT_EQ(QStringList({vantrel::test::Find<QMenu>(*form, "MFile")->title(),
                           vantrel::test::Find<QMenu>(*form, "MOptions")->title(),
                           vantrel::test::Find<QMenu>(*form, "MAbout")->title()}),
              (QStringList{"&File"_q, "&Options"_q, "&About"_q}));
    const std::vector<std::tuple<QAction*, const char*, const char*>> items = {
        {vantrel::test::Find<QAction>(*form, "MNew"),         "&New",                       "Ctrl+N"},
        {vantrel::test::Find<QAction>(*form, "MOpen"),        "&Open...",                   "Ctrl+O"},
        {vantrel::test::Find<QAction>(*form, "MSave"),        "&Save",                      "Ctrl+S"},
        {vantrel::test::Find<QAction>(*form, "MSaveAs"),      "Save &As...",                "Ctrl+A"},
        {vantrel::test::Find<QAction>(*form, "MExport"),      "&Export to Text...",         "Ctrl+E"},
        {vantrel::test::Find<QAction>(*form, "MQuit"),        "&Quit",                      "Ctrl+Q"},
        {vantrel::test::Find<QAction>(*form, "MHistory"),     "&History...",                ""      },
        {vantrel::test::Find<QAction>(*form, "MPreferences"), "&Preferences...",            ""      },
        {vantrel::test::Find<QAction>(*form, "MAbout2"),      "&About Vantrel Beta 0.1...", ""      }
    };
    for (const auto& [action, text, keys] : items) {
        EXPECT_EQ(action->text(), QString::fromUtf8(text));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(keys))) << text;
    }
    QStringList tabs;
    for (int i = 0; i < vantrel::test::Find<QTabBar>(*form, "TabStrip1")->count(); ++i)
        tabs << vantrel::test::Find<QTabBar>(*form, "TabStrip1")->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Setup Battle Armor"_q, "Allocate Armor"_q, "Select Equipment"_q,
                                 "Allocate Equipment"_q}));
    EXPECT_EQ(Entries(vantrel::test::Find<QComboBox>(*form, "ComboType")),
              (QStringList{"Exoskeleton - 400 Kg"_q, "Light - 750 Kg"_q, "Medium - 1,000 Kg"_q,
                           "Heavy - 1,500 Kg"_q, "Assault - 1,900 Kg"_q}));
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboTurret")->itemText(0), "None (0 Kg, 0 CSlot)"_q);
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboTurret")->itemText(9), "90 Kg (9 CSlot)"_q);
    EXPECT_EQ(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->text(),
              "Configurable (+10 Kg, -1 CSlot):"_q);
    EXPECT_EQ(
        vantrel::test::Find<QLabel>(*form, "Label10")->text(),
        "Note: All Battle Armor can take 1 point of damage. This represents the operator who is wearing the Armor."_q);
    // Arial, or a face with Arial's metrics where Arial is missing; the face asked for is the one drawn.
    const QString family = vantrel::test::Find<QLabel>(*form, "CapType")->font().family();
    EXPECT_EQ(family, QFontDatabase::hasFamily("Arial"_q)
                          ? "Arial"_q
                          : QFontInfo(vantrel::test::Find<QLabel>(*form, "CapType")->font()).family());
    EXPECT_TRUE(QStringList({"Arial"_q, "Liberation Sans"_q, "Arimo"_q}).contains(family))
        << family.toStdString();
}

TEST_F(MainFormTest, ExoskeletonFromATurretedQuad) {
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 1);
    ASSERT_EQ(d().QuadSlots[0], kSlotGround);  // the movement moved to the quad body
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTurret"), 3);
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig"));
    ASSERT_TRUE(d().TurretConfig);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider1"), 5);
    // Something owned, and a heat sink placed in the quad body.
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().OwnedCount[item] = 2;
    d().QuadSlots[7] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;

    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 0);
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboChassis")->currentIndex(), 0);
    EXPECT_FALSE(vantrel::test::Find<QComboBox>(*form, "ComboChassis")->isEnabled());
    EXPECT_EQ(d().TurretSize, 0);
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->isChecked());
    EXPECT_FALSE(vantrel::test::Find<QComboBox>(*form, "ComboTurret")->isVisible());
    EXPECT_EQ(d().OwnedCount[item], 0);  // all equipment gone
    EXPECT_EQ(d().PlacedHeatSinks, 0);   // the heat sink went back to the unplaced ones
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->maximum(), 2);
    EXPECT_EQ(d().GroundMP, 3);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab1")->text(), "32.4 Km/H"_q);
    EXPECT_FALSE(vantrel::test::Find<ReleaseSlider>(*form, "Slider4")->isEnabled());
    // The humanoid body carries the movement now; the quad body is empty.
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotGround, kSlotGround, kSlotFree}));
    for (int i = 0; i < kQuadSlotCount; ++i) EXPECT_EQ(d().QuadSlots[i], kSlotFree) << i;
    EXPECT_FALSE(ctx.Saved);

    // Light again: the chassis list is usable, the chassis stays Humanoid until the user picks Quad.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 1);
    EXPECT_TRUE(vantrel::test::Find<QComboBox>(*form, "ComboChassis")->isEnabled());
    EXPECT_FALSE(d().IsQuad);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider1")->maximum(), 3);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->maximum(), 6);
}

TEST_F(MainFormTest, ChassisChangeReturnsTheOldLayoutAndLaysMovementInTheNew) {
    const int item = PlainItem(1);
    ASSERT_GE(item, 0);
    d().BodySlots[4] = item + kSlotItemBase;
    d().BodySpan[4] = 1;
    d().PlacedCount[item] = 1;
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 1);
    EXPECT_EQ(d().PlacedCount[item], 0);
    EXPECT_EQ(d().OwnedCount[item], 0);  // returned, then the owned equipment is emptied
    EXPECT_EQ(d().BodySlots[4], kSlotFree);
    EXPECT_EQ(d().QuadSlots[0], kSlotGround);
    EXPECT_EQ(Panels()[4], "Free CSlots: 15 "_q);  // 16 quad slots, no turret, 1 used

    // The turret keeps its slots on suit-system and turret changes.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTurret"), 2);
    d().TurretSlots[0] = kSlotHeatSink;
    d().PlacedHeatSinks = 1;
    d().HeatSinks = 0;
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboSS"), 2);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTurret"), 4);
    EXPECT_EQ(d().TurretSlots[0], kSlotHeatSink);
    EXPECT_EQ(d().PlacedHeatSinks, 1);

    // Back to Humanoid: the turret goes, the movement returns to the humanoid body.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 0);
    EXPECT_EQ(d().TurretSize, 0);
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(d().BodySlots[0], kSlotGround);
}

TEST_F(MainFormTest, WeightClassClampsMovement) {
    // Medium with VTOL under Clan: the VTOL slider goes and its speed with it.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 1);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider3")->maximum(), 7);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider3"), 4);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab3")->text(), "43.2 Km/H"_q);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 2);
    EXPECT_FALSE(vantrel::test::Find<ReleaseSlider>(*form, "Slider3")->isEnabled());
    EXPECT_EQ(d().VTOLMP, 0);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider3")->value(), 0);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab3")->text(), "0 Km/H"_q);

    // Heavy lowers a humanoid's ground speed from 3 to 2 ...
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider1"), 3);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 3);
    EXPECT_EQ(d().GroundMP, 2);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider2")->maximum(), 2);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab1")->text(), "21.6 Km/H"_q);

    // ... and a quad's from 5 to 4.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 1);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 1);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider1"), 5);
    ASSERT_EQ(d().GroundMP, 5);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 3);
    EXPECT_EQ(d().GroundMP, 4);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider1")->maximum(), 4);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab1")->text(), "43.2 Km/H"_q);
    EXPECT_EQ(d().QuadSlots[4], kSlotFree);
}

TEST_F(MainFormTest, ConfigurableTurretAndEnhancedImaging) {
    // Configurable needs a turret.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 1);
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig"));
    EXPECT_FALSE(d().TurretConfig);
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->isChecked());
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTurret"), 2);
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig"));
    EXPECT_TRUE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->isChecked());
    EXPECT_EQ(Panels()[0], "Current Kg: 130 "_q);  // 100 + 20 Kg turret + 10 Kg configurable
    // The keyboard does not toggle the box behind the state's back.
    Key(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig"), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->isChecked());
    EXPECT_TRUE(d().TurretConfig);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTurret"), 0);
    EXPECT_FALSE(d().TurretConfig);
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkConfig")->isChecked());

    // Enhanced Imaging: off limits under Inner Sphere, but kept when Clan goes back to it.
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced"));
    EXPECT_FALSE(d().EnhancedImaging);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 1);
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced"));
    EXPECT_TRUE(d().EnhancedImaging);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 0);
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced")->isEnabled());
    EXPECT_TRUE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced")->isChecked());
    EXPECT_TRUE(d().EnhancedImaging);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 2);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "CapTechLevel")->text(), "Technology Level: 3"_q);
    Click(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced"));
    EXPECT_FALSE(d().EnhancedImaging);
    EXPECT_FALSE(vantrel::test::Find<MouseUpCheckBox>(*form, "ChkEnhanced")->isChecked());
}

TEST_F(MainFormTest, MovementReleasesRebuildAndExcludeEachOther) {
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 1);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider3"), 3);
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotVTOL, kSlotVTOL, kSlotVTOL}));

    // Jump released at 2: VTOL goes to 0 and the body is laid out anew.
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider2"), 2);
    EXPECT_EQ(d().VTOLMP, 0);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab3")->text(), "0 Km/H"_q);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab2")->text(), "60 Meters"_q);
    const std::vector<int> jumpLayout = {kSlotGround, kSlotJump, kSlotJump, kSlotFree};
    EXPECT_EQ(BodyStart(d()), jumpLayout);

    // A key released on a movement slider is a release too: the other kinds go, the body is laid
    // out anew (value changes alone left jump and UMU both above 0 and the slots stale).
    vantrel::test::Find<ReleaseSlider>(*form, "Slider4")->setFocus();
    Key(vantrel::test::Find<ReleaseSlider>(*form, "Slider4"), Qt::Key_Right);
    EXPECT_EQ(d().UMUMP, 1);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "MLab4")->text(), "10.8 Km/H"_q);
    EXPECT_EQ(d().JumpMP, 0);
    EXPECT_EQ(BodyStart(d()), (std::vector<int>{kSlotGround, kSlotUMU, kSlotFree, kSlotFree}));

    // A click on the UMU track is a release on that slider: jump goes.
    ClickTrackRight(vantrel::test::Find<ReleaseSlider>(*form, "Slider4"));
    EXPECT_EQ(d().UMUMP, 2);
    EXPECT_EQ(d().JumpMP, 0);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "Slider2")->value(), 0);
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
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "Slider1"), d().GroundMP);
    EXPECT_EQ(d().OwnedCount[item], 1);
    EXPECT_EQ(d().HeatSinks, 1);
    EXPECT_EQ(d().BodySlots[6], kSlotFree);
    EXPECT_EQ(d().LeftArmSlots[0], kSlotFree);
    EXPECT_EQ(BodyStart(d()), umuLayout);  // ground combines with the others
}

TEST_F(MainFormTest, ArmorSliderFollowsTheMaximumAndThePlacedPoints) {
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 5);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "LabArmorP")->text(), "Armor Points: 5"_q);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "LabArmorW")->text(), "Armor Weight: 250 Kg"_q);
    EXPECT_EQ(Panels()[0], "Current Kg: 350 "_q);

    // Assault with 18 points, then Light: the total comes down to Light's 6.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 4);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 18);
    ASSERT_EQ(d().ArmorPoints, 18);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 1);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->value(), 6);
    EXPECT_EQ(d().ArmorWeight, 300);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "LabArmorP")->text(), "Armor Points: 6"_q);

    // A design read from a file with 4 points placed and 20 unplaced on a Light suit: 2 stay unplaced.
    for (int i = 1; i <= 4; ++i) d().BodySlots[i] = kSlotArmor;
    d().PlacedArmor = 4;
    d().ArmorPoints = 20;
    form->RefreshP2();
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->minimum(), 4);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->value(), 6);
    EXPECT_EQ(d().ArmorPoints, 2);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "LabArmorW")->text(), "Armor Weight: 300 Kg"_q);
    // The placed points cannot be taken away with the slider.
    vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->setFocus();
    for (int i = 0; i < 4; ++i) Key(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), Qt::Key_Left);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide")->value(), 4);
    EXPECT_EQ(d().ArmorPoints, 0);
    EXPECT_EQ(d().PlacedArmor, 4);
}

TEST_F(MainFormTest, HeatSinkReleaseCannotGoBelowThePlacedOnes) {
    d().BodySlots[3] = kSlotHeatSink;
    d().BodySlots[4] = kSlotHeatSink;
    d().PlacedHeatSinks = 2;
    d().HeatSinks = 1;
    form->RefreshP1();
    ASSERT_EQ(vantrel::test::Find<QLabel>(*form, "NumHeatLab")->text(), "- 3"_q);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide"), 1);
    EXPECT_EQ(d().HeatSinks, 0);
    EXPECT_EQ(d().PlacedHeatSinks, 2);
    EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->value(), 2);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "NumHeatLab")->text(), "- 2"_q);
    // A key released on the heat sink slider counts as a release.
    vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->setFocus();
    Key(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide"), Qt::Key_Right);
    Key(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide"), Qt::Key_Right);
    EXPECT_EQ(d().HeatSinks, 2);
    EXPECT_EQ(vantrel::test::Find<QLabel>(*form, "NumHeatLab")->text(), "- 4"_q);
    EXPECT_EQ(Panels()[3], "Heat Dissipation: 5 "_q);

    // A stored heat total far out of the ordinary keeps the slider's range sane (a maximum near
    // 2^31 froze the window painting its ticks).
    for (const int heat : {1000000000, -1000000000}) {
        d().MaxHeat = heat;
        form->RefreshP1();
        EXPECT_EQ(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->minimum(), 0) << heat;
        EXPECT_LE(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->maximum(), 1000) << heat;
        EXPECT_GE(vantrel::test::Find<ReleaseSlider>(*form, "HeatSinkSlide")->maximum(), 0) << heat;
    }
}

TEST_F(MainFormTest, ArmorTypeListPerTechnologyBase) {
    EXPECT_EQ(Entries(vantrel::test::Find<QComboBox>(*form, "ComboAType")),
              (QStringList{"Standard"_q, "Advanced"_q, "Prototype"_q, "Basic Stealth"_q,
                           "Prototype Stealth"_q, "Standard Stealth"_q, "Improved Stealth"_q, "Mimetic"_q}));
    // Two points of Inner Sphere Mimetic: 100 kg and 8 armor-system slots to place.
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboAType"), 7);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 2);
    ASSERT_EQ(d().ArmorWeight, 100);
    ASSERT_EQ(d().ArmorSlots, 8);
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(0);

    Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), 1);
    EXPECT_EQ(Entries(vantrel::test::Find<QComboBox>(*form, "ComboAType")),
              (QStringList{"Standard"_q, "Basic Stealth"_q, "Standard Stealth"_q, "Improved Stealth"_q,
                           "Fire Resistant"_q}));
    // The new base's first entry is chosen at once, so the totals shown are those of Clan Standard armor
    // (40 kg and 10000 C-Bills a point, no armor-system slots), not of the old base's type.
    EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboAType")->currentText(), "Standard"_q);
    EXPECT_EQ(d().ArmorSlots, 0);
    EXPECT_EQ(Panels()[0], "Current Kg: 155 "_q);  // 35 + 15 + 25 + 80
    EXPECT_EQ(Panels()[6], "Cost: 67500 "_q);      // 47500 + 2 x 10000
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 0);

    // Basic Stealth, 2 points: 15000 a point under Mixed, 12000 under Inner Sphere.
    for (const auto& [base, weight, cost] : {
             std::tuple{2, 90,  "Cost: 77500 "},
             std::tuple{0, 110, "Cost: 71500 "}
    }) {
        Choose(vantrel::test::Find<QComboBox>(*form, "ComboTechBase"), base);
        if (base == 2) {
            EXPECT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboAType")->count(), 9);
        }
        vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(0);
        vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
        Choose(vantrel::test::Find<QComboBox>(*form, "ComboAType"), 3);
        ASSERT_EQ(vantrel::test::Find<QComboBox>(*form, "ComboAType")->currentText(), "Basic Stealth"_q);
        EXPECT_EQ(d().ArmorSlots, 3);
        DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 2);
        EXPECT_EQ(d().ArmorWeight, weight);
        EXPECT_EQ(Panels()[6], QString::fromUtf8(cost));
    }
}

TEST_F(MainFormTest, ArmorTypeChoiceFreesTheArmorSystemSlots) {
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboAType"), 1);
    ASSERT_EQ(d().ArmorSlots, 8);  // Advanced
    for (int i = 1; i <= 5; ++i) d().BodySlots[i] = kSlotArmorSystem;
    d().PlacedArmorSlots = 5;
    d().ArmorSlots = 3;
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboAType"), 3);
    EXPECT_EQ(d().PlacedArmorSlots, 0);
    EXPECT_EQ(d().ArmorSlots, 3);  // Basic Stealth's three wait to be placed
    EXPECT_EQ(BodyStart(d(), 6),
              (std::vector<int>{kSlotGround, kSlotFree, kSlotFree, kSlotFree, kSlotFree, kSlotFree}));
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboAType"), 2);
    EXPECT_EQ(d().ArmorSlots, 0);  // Prototype
}

TEST_F(MainFormTest, PagesTitleAndRedrawLock) {
    // Typing changes the name at once and the title at the next status refresh.
    vantrel::test::Find<QLineEdit>(*form, "TextMechName")->setText(QStringLiteral("Elemental"));
    EXPECT_EQ(d().MechName, "Elemental");
    EXPECT_EQ(form->windowTitle(), "Vantrel - Battle Armor"_q);
    form->RefreshMain();
    EXPECT_EQ(form->windowTitle(), "Vantrel - Elemental"_q);
    // A name set in the state (as New or a file read does) reaches the box at once but the title
    // only at the refresh after: the title is taken from the box before the name is written into it.
    d().MechName = "Toad";
    form->RefreshMain();
    EXPECT_EQ(vantrel::test::Find<QLineEdit>(*form, "TextMechName")->text(), "Toad"_q);
    EXPECT_EQ(form->windowTitle(), "Vantrel - Elemental"_q);
    form->RefreshMain();
    EXPECT_EQ(form->windowTitle(), "Vantrel - Toad"_q);
    // A double quote cannot be typed into the boxes.
    vantrel::test::Find<QLineEdit>(*form, "TextModel")->setFocus();
    Key(vantrel::test::Find<QLineEdit>(*form, "TextModel"), Qt::Key_QuoteDbl, QStringLiteral("\""));
    EXPECT_FALSE(vantrel::test::Find<QLineEdit>(*form, "TextModel")->text().contains(QLatin1Char('"')));

    // Opening the slot page on a quad shows the quad frame and drops the selection.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboChassis"), 1);
    ctx.SelLocation = 3;
    ctx.Saved = true;
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(3);
    EXPECT_TRUE(vantrel::test::Find<QWidget>(*form, "Frame4B")->isVisible());
    EXPECT_FALSE(vantrel::test::Find<QWidget>(*form, "Frame4")->isVisible());
    EXPECT_EQ(ctx.SelLocation, -1);
    EXPECT_FALSE(ctx.Saved);  // the chassis differs from the new design's, whatever page is on show

    // Nested locks release at the outermost release only; an unbalanced release is harmless.
    for (bool on : {false, false, true}) form->SetRedraw(on);
    EXPECT_TRUE(form->RedrawLocked());
    for (bool on : {true, true, false}) form->SetRedraw(on);
    EXPECT_TRUE(form->RedrawLocked());
    form->SetRedraw(true);
    EXPECT_TRUE(form->updatesEnabled());
}

TEST_F(MainFormTest, UnfocusedWheelAndOverweight) {
    // A wheel over an unfocused list chooses nothing.
    vantrel::test::Find<QLineEdit>(*form, "TextMechName")->setFocus();
    const QPointF at(vantrel::test::Find<QComboBox>(*form, "ComboType")->width() / 2.0,
                     vantrel::test::Find<QComboBox>(*form, "ComboType")->height() / 2.0);
    QWheelEvent wheel(at, vantrel::test::Find<QComboBox>(*form, "ComboType")->mapToGlobal(at), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vantrel::test::Find<QComboBox>(*form, "ComboType"), &wheel);
    EXPECT_EQ(d().WeightClass, 1);

    // Overweight shows the minus sign.
    Choose(vantrel::test::Find<QComboBox>(*form, "ComboType"), 0);
    vantrel::test::Find<QTabBar>(*form, "TabStrip1")->setCurrentIndex(1);
    DragTo(vantrel::test::Find<ReleaseSlider>(*form, "ArmorSlide"), 2);
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
        QApplication::sendEvent(vantrel::test::Find<QLineEdit>(*form, "TextMechName"), &override);
        EXPECT_FALSE(override.isAccepted()) << key;
    }
    QKeyEvent plain(QEvent::ShortcutOverride, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(vantrel::test::Find<QLineEdit>(*form, "TextMechName"), &plain);
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
    EXPECT_TRUE(ctx.Saved);
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
