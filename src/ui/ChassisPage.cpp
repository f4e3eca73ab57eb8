// The first page: the suit's chassis and technology, heat sinks and movement. Each handler opens its
// gesture, runs the choice's operation on the design (equipment/DesignOperations.h) and shows the pages
// it names, then the status line. A refresh only shows the state.

#include "ui/ChassisPage.h"

#include "equipment/DesignOperations.h"
#include "model/Design.h"
#include "rules/Limits.h"
#include "rules/SpeedCaption.h"
#include "rules/Tables.h"
#include "sheet/QtText.h"
#include "ui/Faces.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/PageHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

namespace vantrel {

namespace {

QString SpeedText(int points) { return QString::fromStdString(SpeedCaption(points)); }
QString JumpText(int points) { return QString::fromStdString(JumpCaption(points)); }

const char* MoveSliderName(int k) {
    static const char* const names[4] = {"Ground Speed", "Jump Capability", "VTOL Speed", "Underwater Speed"};
    return k >= 1 && k <= 4 ? names[k - 1] : "Movement";
}

}  // namespace

ChassisPage::ChassisPage(Context& ctx, GestureTracker& gestures, PageHost& host, QWidget* parent)
    : QFrame(parent), ctx_(ctx), gestures_(gestures), host_(host) {
    Build();
    Connect();
}

void ChassisPage::Build() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    CapType = CaptionLabel(ToQString("Weight Class:"), this);
    QStringList classes, bases, chassis, suits, turrets;
    for (const char* n : kWeightClassNames) classes << ToQString(n);
    for (const char* n : kTechBaseNames) bases << ToQString(n);
    for (const char* n : kChassisNames) chassis << ToQString(n);
    for (const char* n : kSuitSystemNames) suits << ToQString(n);
    for (int i = 0; i <= 9; ++i) turrets << QString::fromStdString(TurretCaption(i));
    ComboType = FixedList(classes, this);
    CapChassis = CaptionLabel(ToQString("Chassis Type:"), this);
    ComboChassis = FixedList(chassis, this);
    CapTechBase = CaptionLabel(ToQString("Technology Base:"), this);
    ComboTechBase = FixedList(bases, this);
    CapTechLevel = CaptionLabel(ToQString("Technology Level: 2"), this);
    CapSS = CaptionLabel(ToQString("Suit Systems:"), this);
    ComboSS = FixedList(suits, this);
    LabTurret = CaptionLabel(ToQString("Turret:"), this);
    ComboTurret = FixedList(turrets, this);
    ChkConfig = new MouseUpCheckBox(ToQString("Configurable (+10 Kg, -1 CSlot):"), this);
    ChkEnhanced = new MouseUpCheckBox(ToQString("Enhanced Imaging:"), this);
    LabHeatSink = CaptionLabel(ToQString("Heat Sinks:"), this);
    HeatSinkSlide = new ReleaseSlider(this);
    HeatSinkSlide->setRange(0, 5);
    NumHeatLab = CaptionLabel(ToQString("- 0"), this);

    // Left column: the suit; right column: technology.
    grid->addWidget(CapType, 0, 0);
    grid->addWidget(ComboType, 0, 1);
    grid->addWidget(CapChassis, 1, 0);
    grid->addWidget(ComboChassis, 1, 1);
    grid->addWidget(CapSS, 2, 0);
    grid->addWidget(ComboSS, 2, 1);
    grid->addWidget(LabTurret, 3, 0);
    grid->addWidget(ComboTurret, 3, 1);
    grid->addWidget(CapTechBase, 0, 3);
    grid->addWidget(ComboTechBase, 0, 4);
    grid->addWidget(CapTechLevel, 1, 3, 1, 2);
    grid->addWidget(ChkEnhanced, 2, 3, 1, 2);
    grid->addWidget(ChkConfig, 3, 3, 1, 2);
    grid->setColumnMinimumWidth(2, ScaledPx(40));
    grid->setColumnStretch(5, 1);
    // The lists of a column share one width.
    int left = 0;
    for (QComboBox* box : {ComboType, ComboChassis, ComboSS, ComboTurret})
        left = std::max(left, box->sizeHint().width());
    for (QComboBox* box : {ComboType, ComboChassis, ComboSS, ComboTurret}) box->setFixedWidth(left);

    auto* heat = new QHBoxLayout;
    heat->setSpacing(10);
    heat->addWidget(LabHeatSink);
    heat->addWidget(HeatSinkSlide, 1);
    heat->addWidget(NumHeatLab);
    NumHeatLab->setMinimumWidth(ScaledPx(50));
    grid->addLayout(heat, 4, 0, 1, 6);

    FrmMove = new QGroupBox(ToQString("Movement"), this);
    auto* move = new QGridLayout(FrmMove);
    move->setHorizontalSpacing(10);
    move->setVerticalSpacing(10);
    CapGS = CaptionLabel(ToQString("Ground Speed:"), FrmMove);
    Slider1 = new ReleaseSlider(FrmMove);
    Slider1->setRange(1, 3);
    MLab1 = CaptionLabel(ToQString("10.8 Km/H"), FrmMove);
    CapJS = CaptionLabel(ToQString("Jump Capability:"), FrmMove);
    Slider2 = new ReleaseSlider(FrmMove);
    Slider2->setRange(0, 3);
    MLab2 = CaptionLabel(ToQString("0 Meters"), FrmMove);
    CapVTOL = CaptionLabel(ToQString("VTOL Speed:"), FrmMove);
    Slider3 = new ReleaseSlider(FrmMove);
    Slider3->setRange(0, kVTOLMax);
    MLab3 = CaptionLabel(ToQString("0 Km/H"), FrmMove);
    Label5 = CaptionLabel(ToQString("Underwater Speed:"), FrmMove);
    Slider4 = new ReleaseSlider(FrmMove);
    Slider4->setRange(0, kUMUMax);
    MLab4 = CaptionLabel(ToQString("0 Km/H"), FrmMove);
    QLabel* rows[4][2] = {
        {CapGS,   MLab1},
        {CapJS,   MLab2},
        {CapVTOL, MLab3},
        {Label5,  MLab4}
    };
    ReleaseSlider* sliders[4] = {Slider1, Slider2, Slider3, Slider4};
    for (int r = 0; r < 4; ++r) {
        move->addWidget(rows[r][0], r, 0);
        move->addWidget(sliders[r], r, 1);
        move->addWidget(rows[r][1], r, 2);
        rows[r][1]->setMinimumWidth(ScaledPx(80));
    }
    move->setColumnStretch(1, 1);
    grid->addWidget(FrmMove, 5, 0, 1, 6);
    grid->setRowStretch(6, 1);
}

void ChassisPage::Connect() {
    auto* wheelGuard = new WheelGuard(this);
    for (QComboBox* box : {ComboType, ComboChassis, ComboTechBase, ComboSS, ComboTurret}) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(wheelGuard);
    }
    OnSelect(ComboType, this, [this] { ComboType_Click(); });
    OnSelect(ComboChassis, this, [this] { ComboChassis_Click(); });
    OnSelect(ComboTechBase, this, [this] { ComboTechBase_Click(); });
    OnSelect(ComboSS, this, [this] { ComboSS_Click(); });
    OnSelect(ComboTurret, this, [this] { ComboTurret_Click(); });
    connect(ChkConfig, &MouseUpCheckBox::mouseUp, this, &ChassisPage::ChkConfig_MouseUp);
    connect(ChkEnhanced, &MouseUpCheckBox::mouseUp, this, &ChassisPage::ChkEnhanced_MouseUp);

    connect(Slider1, &QSlider::valueChanged, this, &ChassisPage::Slider1_Change);
    connect(Slider2, &QSlider::valueChanged, this, &ChassisPage::Slider2_Change);
    connect(Slider3, &QSlider::valueChanged, this, &ChassisPage::Slider3_Change);
    connect(Slider4, &QSlider::valueChanged, this, &ChassisPage::Slider4_Change);
    connect(Slider1, &ReleaseSlider::mouseReleased, this, &ChassisPage::Slider1_MouseUp);
    connect(Slider2, &ReleaseSlider::mouseReleased, this, &ChassisPage::Slider2_MouseUp);
    connect(Slider3, &ReleaseSlider::mouseReleased, this, &ChassisPage::Slider3_MouseUp);
    connect(Slider4, &ReleaseSlider::mouseReleased, this, &ChassisPage::Slider4_MouseUp);
    connect(HeatSinkSlide, &ReleaseSlider::mouseReleased, this, &ChassisPage::HeatSinkSlide_MouseUp);
    // A key released while a slider has the focus ends a move as a mouse release does.
    connect(Slider1, &ReleaseSlider::keyReleased, this, &ChassisPage::Slider1_MouseUp);
    connect(Slider2, &ReleaseSlider::keyReleased, this, &ChassisPage::Slider2_MouseUp);
    connect(Slider3, &ReleaseSlider::keyReleased, this, &ChassisPage::Slider3_MouseUp);
    connect(Slider4, &ReleaseSlider::keyReleased, this, &ChassisPage::Slider4_MouseUp);
    connect(HeatSinkSlide, &ReleaseSlider::keyReleased, this, &ChassisPage::HeatSinkSlide_MouseUp);
}

std::vector<QWidget*> ChassisPage::TabOrder() const {
    // the suit, the technology, the heat sinks, the movement
    return {ComboType, ComboChassis,  ComboSS, ComboTurret, ComboTechBase, ChkEnhanced,
            ChkConfig, HeatSinkSlide, Slider1, Slider2,     Slider3,       Slider4};
}

void ChassisPage::ComboChassis_Click() {
    const GestureScope gesture(gestures_, "Chassis Type");
    const int index = ComboChassis->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseChassis(ctx_, index == 1));
}

void ChassisPage::ComboType_Click() {
    const GestureScope gesture(gestures_, "Weight Class");
    const int index = ComboType->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseWeightClass(ctx_, index));
}

void ChassisPage::ComboTechBase_Click() {
    const GestureScope gesture(gestures_, "Technology Base");
    const int index = ComboTechBase->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseTechBase(ctx_, index));
}

void ChassisPage::ComboSS_Click() {
    const GestureScope gesture(gestures_, "Suit Systems");
    const int index = ComboSS->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseSuitSystems(ctx_, index));
}

void ChassisPage::ComboTurret_Click() {
    const GestureScope gesture(gestures_, "Turret");
    const int index = ComboTurret->currentIndex();
    if (index >= 0) host_.ShowPages(ChooseTurret(ctx_, index));
}

void ChassisPage::ChkConfig_MouseUp() {
    const GestureScope gesture(gestures_, "Configurable");
    host_.ShowPages(ToggleConfigurableTurret(ctx_));  // the tick is written back from the state
}

void ChassisPage::ChkEnhanced_MouseUp() {
    const GestureScope gesture(gestures_, "Enhanced Imaging");
    host_.ShowPages(ToggleEnhancedImaging(ctx_));
}

// --- movement sliders ---

void ChassisPage::MoveSlider_Change(int k) {
    const GestureScope gesture(gestures_, MoveSliderName(k), GestureKind::Continues);
    if (k < 1 || k > kMoveKindCount) return;
    const ReleaseSlider* const sliders[kMoveKindCount] = {Slider1, Slider2, Slider3, Slider4};
    const auto kind = static_cast<MoveKind>(k - 1);
    SlideMovement(ctx_, kind, sliders[k - 1]->value());
    ShowMoveCaption(kind);
}

void ChassisPage::ShowMoveCaption(MoveKind kind) {
    QLabel* const labels[kMoveKindCount] = {MLab1, MLab2, MLab3, MLab4};
    const int points = MovementPoints(ctx_.design, kind);
    labels[static_cast<int>(kind)]->setText(kind == MoveKind::Jump ? JumpText(points) : SpeedText(points));
}

void ChassisPage::MoveSlider_MouseUp(int k) {
    const GestureScope gesture(gestures_, MoveSliderName(k), GestureKind::Ends);
    host_.ShowPages(ReleaseMovement(ctx_, static_cast<MoveKind>(k - 1)));
}

void ChassisPage::Slider1_Change() { MoveSlider_Change(1); }
void ChassisPage::Slider2_Change() { MoveSlider_Change(2); }
void ChassisPage::Slider3_Change() { MoveSlider_Change(3); }
void ChassisPage::Slider4_Change() { MoveSlider_Change(4); }
void ChassisPage::Slider1_MouseUp() { MoveSlider_MouseUp(1); }
void ChassisPage::Slider2_MouseUp() { MoveSlider_MouseUp(2); }
void ChassisPage::Slider3_MouseUp() { MoveSlider_MouseUp(3); }
void ChassisPage::Slider4_MouseUp() { MoveSlider_MouseUp(4); }

void ChassisPage::HeatSinkSlide_MouseUp() {
    const GestureScope gesture(gestures_, "Heat Sinks");
    // Showing the page puts the slider back on HeatSinks + PlacedHeatSinks.
    host_.ShowPages(ReleaseHeatSinks(ctx_, HeatSinkSlide->value()));
}

void ChassisPage::RefreshP1() {
    const Design& d = ctx_.design;
    // Only shows: no control's handler runs, nothing of the state is written. A stored value outside a
    // slider's range leaves the slider at its end while the caption shows the value itself.
    const QSignalBlocker blocks[] = {
        QSignalBlocker(ComboType), QSignalBlocker(ComboTechBase), QSignalBlocker(ComboChassis),
        QSignalBlocker(ComboSS),   QSignalBlocker(ComboTurret),   QSignalBlocker(ChkEnhanced),
        QSignalBlocker(ChkConfig), QSignalBlocker(HeatSinkSlide), QSignalBlocker(Slider1),
        QSignalBlocker(Slider2),   QSignalBlocker(Slider3),       QSignalBlocker(Slider4),
    };
    ComboType->setCurrentIndex(d.WeightClass);
    ComboTechBase->setCurrentIndex(d.TechBase);
    ChkEnhanced->setEnabled(d.TechBase != 0);
    const bool quad = d.IsQuad;
    LabTurret->setVisible(quad);
    ComboTurret->setVisible(quad);
    ChkConfig->setVisible(quad);
    ComboChassis->setCurrentIndex(quad ? 1 : 0);
    ComboChassis->setEnabled(d.WeightClass != 0);
    ComboSS->setCurrentIndex(d.SuitSystems);

    SetMaximumQuietly(HeatSinkSlide, d.MaxHeat + 5);
    HeatSinkSlide->setValue(d.HeatSinks + d.PlacedHeatSinks);
    NumHeatLab->setText(QStringLiteral("- ") + QString::number(d.HeatSinks + d.PlacedHeatSinks));
    ChkEnhanced->setChecked(d.EnhancedImaging);
    ComboTurret->setCurrentIndex(d.TurretSize);
    ChkConfig->setChecked(d.TurretConfig);

    Slider3->setEnabled(MovementUsable(d, MoveKind::VTOL));
    Slider4->setEnabled(MovementUsable(d, MoveKind::UMU));
    ReleaseSlider* sliders[kMoveKindCount] = {Slider1, Slider2, Slider3, Slider4};
    for (int k = 0; k < kMoveKindCount; ++k) {
        const auto kind = static_cast<MoveKind>(k);
        if (const std::optional<int> top = SliderMaximum(d, kind)) SetMaximumQuietly(sliders[k], *top);
        sliders[k]->setValue(MovementPoints(d, kind));
    }
    if (const std::optional<int> armor = ArmorMaximum(d)) host_.SetArmorMaximum(*armor);
    for (int k = 0; k < kMoveKindCount; ++k) ShowMoveCaption(static_cast<MoveKind>(k));
    CapTechLevel->setText(ComboTechBase->currentText() == QStringLiteral("Mixed")
                              ? QStringLiteral("Technology Level: 3")
                              : QStringLiteral("Technology Level: 2"));
}

}  // namespace vantrel
