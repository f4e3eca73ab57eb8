#include "ui/MainForm.h"

#include "model/Design.h"
#include "platform/AppPaths.h"
#include "rules/ArmorList.h"
#include "rules/Tables.h"
#include "ui/BreakdownForm.h"
#include "ui/ControlNames.h"
#include "ui/DibSection.h"
#include "ui/EditCommands.h"
#include "ui/Faces.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/RecentFiles.h"
#include "ui/SheetCommands.h"
#include "ui/SlotPage.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kFormWidth = 760;
constexpr int kFormHeight = 540;
constexpr int kFontPoints = 9;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A fixed-entry list that starts with no selection, so the first refresh that selects an entry
// runs the list's handler as it does for every later change.
QComboBox* FixedList(const QStringList& entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(entries);
    box->setCurrentIndex(-1);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

// The illustration of the armor page: the program's picture of a suit in the field.
QPixmap ArmorIllustration(qreal ratio) {
    InitArtwork();
    return ForRatio(QImage(QStringLiteral(":/art/about1.png")), ratio);
}

// Gives the armor page its picture when the page is first shown: decoding it was a tenth of the
// start-up time, spent on a page the user may never open.
class PictureOnFirstShow : public QObject {
public:
    PictureOnFirstShow(QLabel* label, QWidget* page) : QObject(page), label_(label) {
        page->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            label_->setPixmap(ArmorIllustration(label_->devicePixelRatioF()));
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
};

}  // namespace

MainForm::MainForm(Context& ctx, SettingsStore& settings, Dialogs& dialogs, Platform& platform,
                   QWidget* parent)
    : QMainWindow(parent),
      ctx_(ctx),
      settings_(settings),
      dialogs_(dialogs),
      platform_(platform),
      catalogPath_(CatalogPath()),
      gestures_(new GestureTracker(this)),
      files_(new FileCommands(ctx, *this, *gestures_, dialogs, settings, platform, this)),
      edits_(new EditCommands(
          ctx, *gestures_, [this](const DesignState& state) { ShowState(state); }, this)) {
    connect(files_, &FileCommands::designReplaced, edits_, &EditCommands::StartFresh);
    connect(files_, &FileCommands::designSaved, edits_, &EditCommands::MarkSaved);
    setFont(FixedFace(kFontPoints));
    setWindowTitle(QStringLiteral("Vantrel - "));
    setAcceptDrops(true);  // design files from the file manager

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 4);
    outer->setSpacing(6);

    // Name and model boxes. A double quote cannot be stored in a design file, so the boxes refuse it.
    auto* names = new QHBoxLayout;
    CapMechName = Caption(Q("Battle Armor Name:"), central);
    TextMechName = new QLineEdit(central);
    CapModel = Caption(Q("Model:"), central);
    TextModel = new QLineEdit(central);
    const QRegularExpression noQuote(QStringLiteral("[^\"]*"));
    TextMechName->setValidator(new QRegularExpressionValidator(noQuote, TextMechName));
    TextModel->setValidator(new QRegularExpressionValidator(noQuote, TextModel));
    auto* menuKeys = new MenuKeysFirst(this);
    TextMechName->installEventFilter(menuKeys);
    TextModel->installEventFilter(menuKeys);
    names->addWidget(CapMechName);
    names->addWidget(TextMechName, 3);
    names->addSpacing(12);
    names->addWidget(CapModel);
    names->addWidget(TextModel, 2);
    outer->addLayout(names);

    // Tab strip above the page area; the frames of the pages share one cell of the area.
    TabStrip1 = new QTabBar(central);
    for (const char* caption :
         {"Setup Battle Armor", "Allocate Armor", "Select Equipment", "Allocate Equipment"})
        TabStrip1->addTab(Q(caption));
    TabStrip1->setExpanding(false);
    TabStrip1->setDrawBase(false);
    auto* pageFrame = new QFrame(central);
    pageFrame->setFrameShape(QFrame::StyledPanel);
    pageFrame->setFrameShadow(QFrame::Raised);
    pageArea_ = pageFrame;
    auto* grid = new QGridLayout(pageArea_);
    grid->setContentsMargins(8, 8, 8, 8);
    auto* tabs = new QVBoxLayout;
    tabs->setSpacing(0);
    tabs->addWidget(TabStrip1);
    tabs->addWidget(pageArea_, 1);
    outer->addLayout(tabs, 1);

    BuildFrame1();
    BuildFrame2();
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame2, 0, 0);
    Frame2->hide();
    SetupEquipmentPages();

    setCentralWidget(central);
    BuildMenu();
    BuildStatusBar();
    ConnectHandlers();
    SetupDesignCheck();
    NameControls(*this);
    // Every page counts towards the window's minimum, not only the one on show.
    for (QWidget* frame :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2), Frame3, Frame4, Frame4B}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
    UpdateMinimumSize();
    resize(minimumSize());
    RestoreWindowGeometry();
}

void MainForm::UpdateMinimumSize() {
    // An explicit minimum stops the layout from raising it, so the layout's own is taken in here.
    QSize wanted(kFormWidth, kFormHeight);
    if (layout()) wanted = wanted.expandedTo(layout()->totalMinimumSize());
    // The main window's layout leaves out the status bar's width; its panels must not overlap.
    if (StatBar) wanted.setWidth(std::max(wanted.width(), StatBar->minimumSizeHint().width()));
    if (minimumSize() != wanted) setMinimumSize(wanted);
}

bool MainForm::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::LayoutRequest) UpdateMinimumSize();
    return handled;
}

MainForm::~MainForm() = default;

void MainForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    MFile = bar->addMenu(Q("&File"));
    MNew = MFile->addAction(Q("&New"));
    MNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MOpen = MFile->addAction(Q("&Open..."));
    MOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MRecent = MFile->addMenu(Q("Recent &Files"));
    files_->Recent().Attach(MRecent);
    MSave = MFile->addAction(Q("&Save"));
    MSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MSaveAs = MFile->addAction(Q("Save &As..."));
    MSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    MExport = MFile->addAction(Q("&Export to Text..."));
    MExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    MPrintSheet = MFile->addAction(Q("&Print Record Sheet..."));
    MPrintSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MExportSheet = MFile->addAction(Q("Export Record Sheet to P&DF..."));
    MQuit = MFile->addAction(Q("&Quit"));
    MQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MEdit = bar->addMenu(Q("&Edit"));
    MUndo = MEdit->addAction(Q("&Undo"));
    MUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MRedo = MEdit->addAction(Q("&Redo"));
    MRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edits_->SetActions(MUndo, MRedo);
    MOptions = bar->addMenu(Q("&Options"));
    MHistory = MOptions->addAction(Q("&History..."));
    MPreferences = MOptions->addAction(Q("&Preferences..."));
    MCheck = MOptions->addAction(Q("Design &Check..."));
    MCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    MBreakdown = MOptions->addAction(Q("&Breakdown..."));
    MAbout = bar->addMenu(Q("&About"));
    MAbout2 = MAbout->addAction(Q("&About Vantrel Beta 0.1..."));
    // Menus are windows of their own and do not inherit the form's font.
    for (QMenu* m : {MFile, MEdit, MOptions, MAbout}) m->setFont(font());
    MRecent->setFont(font());
}

void MainForm::BuildFrame1() {
    Frame1 = new QFrame(pageArea_);
    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    CapType = Caption(Q("Weight Class:"), Frame1);
    QStringList classes, bases, chassis, suits, turrets;
    for (const char* n : kWeightClassNames) classes << Q(n);
    for (const char* n : kTechBaseNames) bases << Q(n);
    for (const char* n : kChassisNames) chassis << Q(n);
    for (const char* n : kSuitSystemNames) suits << Q(n);
    for (int i = 0; i <= 9; ++i) turrets << QString::fromStdString(TurretCaption(i));
    ComboType = FixedList(classes, Frame1);
    CapChassis = Caption(Q("Chassis Type:"), Frame1);
    ComboChassis = FixedList(chassis, Frame1);
    CapTechBase = Caption(Q("Technology Base:"), Frame1);
    ComboTechBase = FixedList(bases, Frame1);
    CapTechLevel = Caption(Q("Technology Level: 2"), Frame1);
    CapSS = Caption(Q("Suit Systems:"), Frame1);
    ComboSS = FixedList(suits, Frame1);
    LabTurret = Caption(Q("Turret:"), Frame1);
    ComboTurret = FixedList(turrets, Frame1);
    ChkConfig = new MouseUpCheckBox(Q("Configurable (+10 Kg, -1 CSlot):"), Frame1);
    ChkEnhanced = new MouseUpCheckBox(Q("Enhanced Imaging:"), Frame1);
    LabHeatSink = Caption(Q("Heat Sinks:"), Frame1);
    HeatSinkSlide = new ReleaseSlider(Frame1);
    HeatSinkSlide->setRange(0, 5);
    NumHeatLab = Caption(Q("- 0"), Frame1);

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

    FrmMove = new QGroupBox(Q("Movement"), Frame1);
    auto* move = new QGridLayout(FrmMove);
    move->setHorizontalSpacing(10);
    move->setVerticalSpacing(10);
    CapGS = Caption(Q("Ground Speed:"), FrmMove);
    Slider1 = new ReleaseSlider(FrmMove);
    Slider1->setRange(1, 3);
    MLab1 = Caption(Q("10.8 Km/H"), FrmMove);
    CapJS = Caption(Q("Jump Capability:"), FrmMove);
    Slider2 = new ReleaseSlider(FrmMove);
    Slider2->setRange(0, 3);
    MLab2 = Caption(Q("0 Meters"), FrmMove);
    CapVTOL = Caption(Q("VTOL Speed:"), FrmMove);
    Slider3 = new ReleaseSlider(FrmMove);
    Slider3->setRange(0, kVTOLMax);
    MLab3 = Caption(Q("0 Km/H"), FrmMove);
    Label5 = Caption(Q("Underwater Speed:"), FrmMove);
    Slider4 = new ReleaseSlider(FrmMove);
    Slider4->setRange(0, kUMUMax);
    MLab4 = Caption(Q("0 Km/H"), FrmMove);
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

void MainForm::BuildFrame2() {
    Frame2 = new QFrame(pageArea_);
    auto* grid = new QGridLayout(Frame2);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);

    Label7 = Caption(Q("Armor Type:"), Frame2);
    ComboAType = new QComboBox(Frame2);
    ComboAType->setMinimumWidth(ScaledPx(170));
    AllOrig = new QComboBox(Frame2);
    for (const char* name : vantrel::AllOrig) AllOrig->addItem(Q(name));
    AllOrig->hide();
    ArmorSlide = new ReleaseSlider(Frame2);
    ArmorSlide->setRange(0, ClassLimits[1].armorMax);
    LabArmorP = Caption(Q("Armor Points: 0"), Frame2);
    LabArmorW = Caption(Q("Armor Weight: 0 Kg"), Frame2);
    Label10 =
        Caption(Q("Note: All Battle Armor can take 1 point of damage. This represents the operator who is "
                  "wearing the Armor."),
                Frame2);
    Label10->setWordWrap(true);
    Picture1 = new QLabel(Frame2);
    new PictureOnFirstShow(Picture1, Frame2);
    Picture1->setAlignment(Qt::AlignCenter);

    auto* type = new QHBoxLayout;
    type->addWidget(Label7);
    type->addWidget(ComboAType);
    type->addStretch(1);
    grid->addLayout(type, 0, 0);
    grid->addWidget(ArmorSlide, 1, 0);
    grid->addWidget(LabArmorP, 2, 0);
    grid->addWidget(LabArmorW, 3, 0);
    grid->addWidget(Label10, 4, 0);
    grid->addWidget(Picture1, 0, 1, 6, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
}

void MainForm::BuildStatusBar() {
    StatBar = statusBar();
    StatBar->setSizeGripEnabled(false);
    // Each panel is wide enough for its label and a value of everyday size, so that no caption is
    // cut while the design changes; the cost gets room for millions.
    const char* const widest[7] = {"Current Kg: -8888 ",    "Free Kg: -8888 ",   "Max Heat: 888 ",
                                   "Heat Dissipation: 88 ", "Free CSlots: -88 ", "Estimated BV: 8888 ",
                                   "Cost: 88888888 "};
    const QFontMetrics metrics(font());
    for (int i = 0; i < 7; ++i) {
        QLabel*& panel = Panels[i];
        panel = new QLabel(StatBar);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        panel->setMinimumWidth(metrics.horizontalAdvance(Q(widest[i])) + 8);
        StatBar->addPermanentWidget(panel, 1);
    }
}

void MainForm::OnSelect(QComboBox* box, void (MainForm::*handler)()) {
    connect(box, &QComboBox::currentIndexChanged, this, [this, handler](int index) {
        if (filling_ || index < 0) return;
        (this->*handler)();
    });
}

void MainForm::ConnectHandlers() {
    auto* wheelGuard = new WheelGuard(this);
    for (QComboBox* box : {ComboType, ComboChassis, ComboTechBase, ComboSS, ComboTurret, ComboAType}) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(wheelGuard);
    }
    OnSelect(ComboType, &MainForm::ComboType_Click);
    OnSelect(ComboChassis, &MainForm::ComboChassis_Click);
    OnSelect(ComboTechBase, &MainForm::ComboTechBase_Click);
    OnSelect(ComboSS, &MainForm::ComboSS_Click);
    OnSelect(ComboTurret, &MainForm::ComboTurret_Click);
    // The selection reaches the armor list of the state before the handler reads it, inside the
    // same gesture, so that an undo of the choice takes the selection back with it.
    connect(ComboAType, &QComboBox::currentIndexChanged, this, [this](int index) {
        const GestureScope gesture(*gestures_, "Armor Type");
        SelectArmorEntry(ctx_.armorList, index);
        if (!filling_ && index >= 0) ComboAType_Click();
    });
    connect(ChkConfig, &MouseUpCheckBox::mouseUp, this, &MainForm::ChkConfig_MouseUp);
    connect(ChkEnhanced, &MouseUpCheckBox::mouseUp, this, &MainForm::ChkEnhanced_MouseUp);

    connect(Slider1, &QSlider::valueChanged, this, &MainForm::Slider1_Change);
    connect(Slider2, &QSlider::valueChanged, this, &MainForm::Slider2_Change);
    connect(Slider3, &QSlider::valueChanged, this, &MainForm::Slider3_Change);
    connect(Slider4, &QSlider::valueChanged, this, &MainForm::Slider4_Change);
    connect(Slider1, &ReleaseSlider::mouseReleased, this, &MainForm::Slider1_MouseUp);
    connect(Slider2, &ReleaseSlider::mouseReleased, this, &MainForm::Slider2_MouseUp);
    connect(Slider3, &ReleaseSlider::mouseReleased, this, &MainForm::Slider3_MouseUp);
    connect(Slider4, &ReleaseSlider::mouseReleased, this, &MainForm::Slider4_MouseUp);
    connect(ArmorSlide, &QSlider::valueChanged, this, &MainForm::ArmorSlide_Change);
    connect(ArmorSlide, &ReleaseSlider::mouseReleased, this, &MainForm::ArmorSlide_MouseUp);
    connect(HeatSinkSlide, &ReleaseSlider::mouseReleased, this, &MainForm::HeatSinkSlide_MouseUp);
    // A key released while a slider has the focus ends a move as a mouse release does.
    connect(Slider1, &ReleaseSlider::keyReleased, this, &MainForm::Slider1_MouseUp);
    connect(Slider2, &ReleaseSlider::keyReleased, this, &MainForm::Slider2_MouseUp);
    connect(Slider3, &ReleaseSlider::keyReleased, this, &MainForm::Slider3_MouseUp);
    connect(Slider4, &ReleaseSlider::keyReleased, this, &MainForm::Slider4_MouseUp);
    connect(ArmorSlide, &ReleaseSlider::keyReleased, this, &MainForm::ArmorSlide_MouseUp);
    connect(HeatSinkSlide, &ReleaseSlider::keyReleased, this, &MainForm::HeatSinkSlide_MouseUp);

    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) TabStrip1_Click(index + 1);
    });
    connect(TextMechName, &QLineEdit::textChanged, this, &MainForm::TextMechName_Change);
    connect(TextModel, &QLineEdit::textChanged, this, &MainForm::TextModel_Change);

    connect(MNew, &QAction::triggered, files_, &FileCommands::MNew_Click);
    connect(MOpen, &QAction::triggered, files_, &FileCommands::MOpen_Click);
    connect(MSave, &QAction::triggered, files_, &FileCommands::MSave_Click);
    connect(MSaveAs, &QAction::triggered, files_, &FileCommands::MSaveAs_Click);
    connect(MExport, &QAction::triggered, files_, &FileCommands::MExport_Click);
    sheets_ = new SheetCommands(
        ctx_, *gestures_, dialogs_, settings_, platform_, [this] { return files_->DialogFolder(); }, this);
    connect(MPrintSheet, &QAction::triggered, sheets_, &SheetCommands::MPrintSheet_Click);
    connect(MExportSheet, &QAction::triggered, sheets_, &SheetCommands::MExportSheet_Click);
    connect(MQuit, &QAction::triggered, files_, &FileCommands::MQuit_Click);
    connect(MUndo, &QAction::triggered, edits_, &EditCommands::MUndo_Click);
    connect(MRedo, &QAction::triggered, edits_, &EditCommands::MRedo_Click);
    connect(MHistory, &QAction::triggered, this, &MainForm::MHistory_Click);
    connect(MPreferences, &QAction::triggered, this, &MainForm::MPreferences_Click);
    connect(MAbout2, &QAction::triggered, this, &MainForm::MAbout_Click);
    connect(MBreakdown, &QAction::triggered, this, [this] { ShowBreakdown(BreakdownForm::kWeight); });
}

void MainForm::SetBipedLine(int biped) {
    bipedLine_ = biped;
    if (bipedPage_) bipedPage_->SetEmotLine(biped != 0);
}

}  // namespace vantrel
