// Writing the design state into the status line and the first two pages, and page switching.

#include "rules/MainCalc.h"
#include "rules/SpeedCaption.h"
#include "rules/StatusLine.h"
#include "rules/Tables.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace vantrel {

namespace {

QString SpeedText(int points) { return QString::fromStdString(SpeedCaption(points)); }
QString JumpText(int points) { return QString::fromStdString(JumpCaption(points)); }

// Range changes must not let the slider's old position overwrite the design state through the
// value-change handler; the positions are written from the state afterwards.
// No count a design holds goes higher; a range of millions (a stored total from a file) takes a
// slider for ever to paint its ticks.
constexpr int kMaxSliderValue = 1000;

// The maximum stays between the minimum and that bound, so it never drags the minimum along.
void SetMaximumQuietly(QSlider* s, int maximum) {
    const QSignalBlocker block(s);
    s->setMaximum(std::clamp(maximum, s->minimum(), std::max(s->minimum(), kMaxSliderValue)));
}

}  // namespace

// Qt paints only from the event loop, into a back buffer, and merges every update asked for before
// then into one repaint of the changed widgets: a refresh can show no intermediate state. So the lock
// only counts. Turning the window's updates off and on instead repainted the whole window after every
// refresh, most of the cost of each user action.
void MainForm::SetRedraw(bool enable) {
    if (!enable) {
        ++redrawDepth_;
        return;
    }
    if (redrawDepth_ > 0) --redrawDepth_;  // an unbalanced release is harmless
}

void MainForm::RefreshMain() {
    SetRedraw(false);
    setWindowTitle(QStringLiteral("Vantrel - ") + TextMechName->text());
    TextMechName->setText(QString::fromStdString(ctx_.design.MechName));
    TextModel->setText(QString::fromStdString(ctx_.design.Model));
    MainCalc(ctx_);
    const Design& d = ctx_.design;
    const auto texts = StatusTexts(d);
    for (int i = 0; i < 7; ++i) {
        const QString text = QString::fromStdString(texts[i]) + QLatin1Char(' ');
        if (Panels[i]->text() != text) Panels[i]->setText(text);
    }
    MarkPanels();
    ctx_.Saved = false;
    // Changes made outside a gesture reach the open windows here; a gesture's at its end.
    if (!Gestures().Active()) RefreshLiveWindows();
    SetRedraw(true);
}

void MainForm::RefreshP1() {
    Design& d = ctx_.design;
    SetRedraw(false);
    // Each selection that differs from the list's current one runs that list's handler.
    ComboType->setCurrentIndex(d.WeightClass);
    ComboTechBase->setCurrentIndex(d.TechBase);
    if (d.TechBase != 0) {
        ChkEnhanced->setEnabled(true);
    } else {
        ChkEnhanced->setChecked(false);
        ChkEnhanced->setEnabled(false);
    }
    const bool quad = d.IsQuad;
    LabTurret->setVisible(quad);
    ComboTurret->setVisible(quad);
    ChkConfig->setVisible(quad);
    ComboChassis->setCurrentIndex(quad ? 1 : 0);
    ComboSS->setCurrentIndex(d.SuitSystems);

    SetMaximumQuietly(HeatSinkSlide, d.MaxHeat + 5);
    HeatSinkSlide->setValue(d.HeatSinks + d.PlacedHeatSinks);
    NumHeatLab->setText(QStringLiteral("- ") + QString::number(d.HeatSinks + d.PlacedHeatSinks));
    ChkEnhanced->setChecked(d.EnhancedImaging);
    ComboTurret->setCurrentIndex(d.TurretSize);
    ChkConfig->setChecked(d.TurretConfig);

    if (d.TechBase == 0 || d.WeightClass > 1) {
        d.VTOLMP = 0;
        Slider3->setEnabled(false);
    } else {
        Slider3->setEnabled(true);
    }
    if (d.WeightClass == 0) {
        d.UMUMP = 0;
        Slider4->setEnabled(false);
    } else {
        Slider4->setEnabled(true);
    }
    if (d.WeightClass >= 0 && d.WeightClass < kWeightClassCount) {
        const ClassLimit& lim = ClassLimits[d.WeightClass];
        SetMaximumQuietly(Slider1, d.IsQuad ? lim.groundMaxQuad : lim.groundMaxHumanoid);
        SetMaximumQuietly(Slider2, lim.jumpMax);
        SetMaximumQuietly(ArmorSlide, lim.armorMax);
    }
    int32_t* values[4] = {&d.GroundMP, &d.JumpMP, &d.VTOLMP, &d.UMUMP};
    ReleaseSlider* sliders[4] = {Slider1, Slider2, Slider3, Slider4};
    for (int k = 0; k < 4; ++k)
        if (*values[k] > sliders[k]->maximum()) *values[k] = sliders[k]->maximum();
    // Read each value before writing its slider: a position change runs the value-change handler.
    for (int k = 0; k < 4; ++k) sliders[k]->setValue(*values[k]);
    MLab1->setText(SpeedText(Slider1->value()));
    MLab2->setText(JumpText(Slider2->value()));
    MLab3->setText(SpeedText(Slider3->value()));
    MLab4->setText(SpeedText(Slider4->value()));
    CapTechLevel->setText(ComboTechBase->currentText() == QStringLiteral("Mixed")
                              ? QStringLiteral("Technology Level: 3")
                              : QStringLiteral("Technology Level: 2"));
    SetRedraw(true);
}

void MainForm::RefreshP2() {
    Design& d = ctx_.design;
    SetRedraw(false);
    ComboAType->setCurrentIndex(d.ArmorType);
    int kg = 0;
    if (ArmorKgPerPoint(d.TechBase, d.ArmorType, kg)) d.ArmorWeight = (d.PlacedArmor + d.ArmorPoints) * kg;
    // The unplaced points are taken before the minimum moves: a minimum that pushes the slider up
    // runs the value-change handler, which would rewrite them.
    const int unplaced = d.ArmorPoints;
    {
        const QSignalBlocker block(ArmorSlide);
        ArmorSlide->setMinimum(d.PlacedArmor);
    }
    const int wanted = ArmorSlide->minimum() + unplaced;
    ArmorSlide->setValue(wanted <= ArmorSlide->maximum() ? wanted : ArmorSlide->maximum());
    // A position the slider already had emits nothing; the state must still follow the position,
    // or points above the maximum would stay on the design unseen.
    if (ArmorSlide->value() - ArmorSlide->minimum() != d.ArmorPoints) ArmorSlide_Change();
    LabArmorP->setText(QStringLiteral("Armor Points: ") + QString::number(d.ArmorPoints + d.PlacedArmor));
    LabArmorW->setText(QStringLiteral("Armor Weight: ") + QString::number(d.ArmorWeight) +
                       QStringLiteral(" Kg"));
    SetRedraw(true);
}

// The slot page on show follows the chassis.
void MainForm::ShowFrameOf(int tab) {
    QWidget* shown = nullptr;
    switch (tab) {
        case 1: shown = Frame1; break;
        case 2: shown = Frame2; break;
        case 3: shown = Frame3; break;
        case 4: shown = ctx_.design.IsQuad ? Frame4B : Frame4; break;
        default: break;
    }
    for (QWidget* frame :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2), Frame3, Frame4, Frame4B})
        if (frame && frame != shown) frame->hide();
    if (shown) shown->show();
}

void MainForm::RefreshCurrentPage() { TabStrip1_Click(TabStrip1->currentIndex() + 1); }

void MainForm::TabStrip1_Click(int tab) {
    const GestureScope gesture(*gestures_, "Page");
    RefreshMain();
    ShowFrameOf(tab);
    switch (tab) {
        case 1: RefreshP1(); break;
        case 2: RefreshP2(); break;
        case 3: RefreshP3(); break;
        case 4:
            ctx_.SelLocation = -1;
            ctx_.SelSlot = -1;
            RefreshP4();
            break;
        default: break;
    }
}

}  // namespace vantrel
