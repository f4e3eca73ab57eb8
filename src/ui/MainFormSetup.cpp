// Handlers of the design choices (page 1) and of the armor page (page 2). Each one checks nothing,
// writes the state, runs the refreshes its change touches in a fixed order and ends with the
// status line. Writing a different selection into a list runs that list's handler, so the resets
// cascade through the same handlers.

#include "model/Design.h"
#include "rules/ArmorList.h"
#include "rules/SpeedCaption.h"
#include "rules/Tables.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"

#include <QComboBox>
#include <QLabel>

namespace vantrel {

namespace {

const char* MoveSliderName(int k) {
    static const char* const names[4] = {"Ground Speed", "Jump Capability", "VTOL Speed", "Underwater Speed"};
    return k >= 1 && k <= 4 ? names[k - 1] : "Movement";
}

}  // namespace

void MainForm::ComboChassis_Click() {
    const GestureScope gesture(*gestures_, "Chassis Type");
    const int index = ComboChassis->currentIndex();
    if (index < 0) return;
    Design& d = ctx_.design;
    const bool changed = (index == 0) == d.IsQuad;
    if (changed) {
        // The rebuild runs on the chassis being left: its slots go back to the unplaced counts.
        ctx_.RebuildSlots = true;
        RefreshP4();
        RefreshP3();
        ComClear_Click();
    }
    if (index == 1) {
        d.IsQuad = true;
    } else {
        d.IsQuad = false;
        d.TurretSize = 0;
        d.TurretConfig = false;
    }
    // The slot page must show the movement of the chassis now chosen, so lay it out again there.
    if (changed) ctx_.RebuildSlots = true;
    RefreshP4();
    RefreshP1();
    RefreshMain();
}

void MainForm::ComboType_Click() {
    const GestureScope gesture(*gestures_, "Weight Class");
    const int index = ComboType->currentIndex();
    if (index < 0) return;
    Design& d = ctx_.design;
    d.WeightClass = index;
    if (d.WeightClass != 0) {
        ComboChassis->setEnabled(true);
    } else {
        d.IsQuad = false;  // an Exoskeleton is always Humanoid
        ComboChassis->setEnabled(false);
    }
    ClearCS_Click();
    ClearCST_Click();
    ComClear_Click();
    RefreshP1();
    RefreshP2();
    RefreshP3();
    ctx_.RebuildSlots = true;
    RefreshP4();
    RefreshMain();
}

void MainForm::ComboTechBase_Click() {
    const GestureScope gesture(*gestures_, "Technology Base");
    const int index = ComboTechBase->currentIndex();
    if (index < 0) return;
    ctx_.design.TechBase = index;
    RebuildAType();
    ctx_.design.ArmorType = 0;  // "Standard" heads every list
    ClearCS_Click();
    ClearCST_Click();
    ComClear_Click();
    RefreshP1();
    // Select the new list's entry at once rather than when the armor page is next opened: until then the
    // armor weight, armor price and armor-system slots would still be those of the old base's type, and the
    // status line would show them.
    RefreshP2();
    RefreshMain();
}

void MainForm::ComboSS_Click() {
    const GestureScope gesture(*gestures_, "Suit Systems");
    const int index = ComboSS->currentIndex();
    if (index < 0) return;
    ctx_.design.SuitSystems = index;
    RefreshP1();
    RefreshMain();
}

void MainForm::ComboTurret_Click() {
    const GestureScope gesture(*gestures_, "Turret");
    const int index = ComboTurret->currentIndex();
    if (index < 0) return;
    Design& d = ctx_.design;
    d.TurretSize = index;
    if (index == 0 && d.TurretConfig) d.TurretConfig = false;
    RefreshP1();
    RefreshMain();
}

void MainForm::ChkConfig_MouseUp() {
    const GestureScope gesture(*gestures_, "Configurable");
    Design& d = ctx_.design;
    if (d.TurretConfig)
        d.TurretConfig = false;
    else if (d.TurretSize > 0)
        d.TurretConfig = true;
    RefreshMain();
    RefreshP1();  // writes the tick back from the state
}

void MainForm::ChkEnhanced_MouseUp() {
    const GestureScope gesture(*gestures_, "Enhanced Imaging");
    ctx_.design.EnhancedImaging = !ctx_.design.EnhancedImaging;
    RefreshMain();
    RefreshP1();
}

// --- movement sliders ---

void MainForm::MoveSlider_Change(int k) {
    const GestureScope gesture(*gestures_, MoveSliderName(k), GestureKind::Continues);
    Design& d = ctx_.design;
    switch (k) {
        case 1:
            d.GroundMP = Slider1->value();
            MLab1->setText(QString::fromStdString(SpeedCaption(d.GroundMP)));
            break;
        case 2:
            d.JumpMP = Slider2->value();
            MLab2->setText(QString::fromStdString(JumpCaption(d.JumpMP)));
            break;
        case 3:
            d.VTOLMP = Slider3->value();
            MLab3->setText(QString::fromStdString(SpeedCaption(d.VTOLMP)));
            break;
        case 4:
            d.UMUMP = Slider4->value();
            MLab4->setText(QString::fromStdString(SpeedCaption(d.UMUMP)));
            break;
        default: break;
    }
}

void MainForm::MoveSlider_MouseUp(int k) {
    const GestureScope gesture(*gestures_, MoveSliderName(k), GestureKind::Ends);
    Design& d = ctx_.design;
    ctx_.RebuildSlots = true;
    // Jump, VTOL and underwater movement exclude each other; ground combines with any.
    if (k == 2) d.VTOLMP = d.UMUMP = 0;
    if (k == 3) d.JumpMP = d.UMUMP = 0;
    if (k == 4) d.JumpMP = d.VTOLMP = 0;
    RefreshP4();
    RefreshP1();
    RefreshMain();
}

void MainForm::Slider1_Change() { MoveSlider_Change(1); }
void MainForm::Slider2_Change() { MoveSlider_Change(2); }
void MainForm::Slider3_Change() { MoveSlider_Change(3); }
void MainForm::Slider4_Change() { MoveSlider_Change(4); }
void MainForm::Slider1_MouseUp() { MoveSlider_MouseUp(1); }
void MainForm::Slider2_MouseUp() { MoveSlider_MouseUp(2); }
void MainForm::Slider3_MouseUp() { MoveSlider_MouseUp(3); }
void MainForm::Slider4_MouseUp() { MoveSlider_MouseUp(4); }

// --- armor and heat sinks ---

void MainForm::ArmorSlide_Change() {
    const GestureScope gesture(*gestures_, "Armor Points", GestureKind::Continues);
    Design& d = ctx_.design;
    d.ArmorPoints = ArmorSlide->value() - ArmorSlide->minimum();
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.ArmorPoints + d.PlacedArmor) * kg;
    LabArmorP->setText(QStringLiteral("Armor Points: ") + QString::number(d.ArmorPoints + d.PlacedArmor));
    LabArmorW->setText(QStringLiteral("Armor Weight: ") + QString::number(d.ArmorWeight) +
                       QStringLiteral(" Kg"));
}

void MainForm::ArmorSlide_MouseUp() {
    const GestureScope gesture(*gestures_, "Armor Points", GestureKind::Ends);
    RefreshMain();
}

void MainForm::HeatSinkSlide_MouseUp() {
    const GestureScope gesture(*gestures_, "Heat Sinks");
    Design& d = ctx_.design;
    const int total = HeatSinkSlide->value();
    d.HeatSinks = total - d.PlacedHeatSinks >= 0 ? total - d.PlacedHeatSinks : 0;
    RefreshP1();  // puts the slider back on HeatSinks + PlacedHeatSinks
    RefreshMain();
}

// --- armor type list ---

void MainForm::RebuildAType() {
    // Filling an empty box makes Qt select its first entry; the list must end with no selection
    // and without running its handler.
    const bool wasFilling = filling_;
    filling_ = true;
    ComboAType->clear();
    RebuildArmorList(ctx_.armorList, ctx_.design.TechBase);
    for (const std::string& entry : ctx_.armorList.entries)
        ComboAType->addItem(QString::fromStdString(entry));
    ComboAType->setCurrentIndex(-1);
    ctx_.armorList.text.clear();
    filling_ = wasFilling;
}

void MainForm::ComboAType_Click() {
    const GestureScope gesture(*gestures_, "Armor Type");
    const int index = ComboAType->currentIndex();
    if (index < 0) return;
    Design& d = ctx_.design;
    if (d.IsQuad)
        ClearCST_Click();
    else
        ClearCS_Click();
    d.ArmorType = index;
    ctx_.RebuildSlots = true;
    int count = 0;
    if (ArmorSlotCount(ctx_.armorList.text, count)) d.ArmorSlots = count;
    RefreshP4();
    RefreshP2();
    RefreshMain();
}

}  // namespace vantrel
