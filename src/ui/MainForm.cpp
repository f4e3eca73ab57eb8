#include "ui/MainForm.h"

#include "platform/AppPaths.h"
#include "sheet/QtText.h"
#include "ui/ArmorPage.h"
#include "ui/BlkCommands.h"
#include "ui/BreakdownForm.h"
#include "ui/ChassisPage.h"
#include "ui/ControlNames.h"
#include "ui/ControlTips.h"
#include "ui/EditCommands.h"
#include "ui/EquipmentPage.h"
#include "ui/Faces.h"
#include "ui/FileCommands.h"
#include "ui/Gesture.h"
#include "ui/MainFormControls.h"
#include "ui/RecentFiles.h"
#include "ui/SheetCommands.h"
#include "ui/SlotPage.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kFormWidth = 760;
constexpr int kFormHeight = 540;
// The least height the scrolled pages keep on a screen too low for them.
constexpr QSize kLeastScrolled(0, 200);
constexpr int kFontPoints = 9;

}  // namespace

MainForm::MainForm(Document& doc, SettingsStore& settings, Dialogs& dialogs, Platform& platform,
                   QWidget* parent, PagesAtStart pages)
    : QMainWindow(parent),
      doc_(doc),
      ctx_(doc.ctx),
      settings_(settings),
      dialogs_(dialogs),
      platform_(platform),
      catalogPath_(CatalogPath()),
      gestures_(new GestureTracker(this)),
      files_(new FileCommands(doc, *this, *gestures_, dialogs, settings, platform, this)),
      edits_(new EditCommands(
          doc, *gestures_, [this](const DesignState& state) { ShowState(state); }, this)) {
    connect(files_, &FileCommands::designReplaced, edits_, &EditCommands::StartFresh);
    connect(files_, &FileCommands::designSaved, edits_, &EditCommands::MarkSaved);
    setFont(FixedFace(kFontPoints));
    setAcceptDrops(true);  // design files from the file manager

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 4);
    outer->setSpacing(6);

    // Name and model boxes. A double quote cannot be stored in a design file, so the boxes refuse it.
    auto* names = new QHBoxLayout;
    CapMechName = CaptionLabel(ToQString("Battle Armor Name:"), central);
    TextMechName = new QLineEdit(central);
    ShowTitle();
    CapModel = CaptionLabel(ToQString("Model:"), central);
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
        TabStrip1->addTab(ToQString(caption));
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

    chassisPage_ = new ChassisPage(ctx_, *gestures_, *this, pageArea_);
    StackFrame(chassisPage_);
    if (pages == PagesAtStart::All) AddLaterPages();

    // The boxes, the tab strip and the pages scroll when the screen is smaller than they need (a
    // small screen at 2x); elsewhere the area is as large as they are and shows no scroll bar. The
    // menu and the status line stay outside it, always on show.
    content_ = central;
    pageScroll_ = new QScrollArea(this);
    pageScroll_->setObjectName(QStringLiteral("PageScroll"));
    pageScroll_->setFrameShape(QFrame::NoFrame);
    pageScroll_->setFocusPolicy(Qt::NoFocus);
    pageScroll_->setWidgetResizable(true);
    pageScroll_->setWidget(central);
    setCentralWidget(pageScroll_);
    BuildMenu();
    BuildStatusBar();
    ConnectHandlers();
    SetupDesignCheck();
    NameControls(*this);
    SetToolTips(*this);
    UpdateMinimumSize();
    resize(minimumSize());
    RestoreWindowGeometry();
}

std::array<QWidget*, 5> MainForm::Frames() const {
    return {chassisPage_, armorPage_, equipmentPage_, bipedPage_, quadPage_};
}

void MainForm::StackFrame(QWidget* frame) {
    static_cast<QGridLayout*>(pageArea_->layout())->addWidget(frame, 0, 0);
    if (frame != chassisPage_) frame->hide();
    // Every page counts towards the window's minimum, not only the one on show.
    QSizePolicy policy = frame->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    frame->setSizePolicy(policy);
}

void MainForm::AddLaterPages() {
    armorPage_ = new ArmorPage(ctx_, *gestures_, *this, pageArea_);
    equipmentPage_ = new EquipmentPage(ctx_, *gestures_, *this, pageArea_);
    bipedPage_ = new SlotPage(SlotPage::Chassis::Humanoid, ctx_, *gestures_, *this, dialogs_, pageArea_);
    quadPage_ = new SlotPage(SlotPage::Chassis::Quad, ctx_, *gestures_, *this, dialogs_, pageArea_);
    bipedPage_->SetEmotLine(bipedLine_ != 0);
    for (QWidget* frame : {static_cast<QWidget*>(armorPage_), static_cast<QWidget*>(equipmentPage_),
                           static_cast<QWidget*>(bipedPage_), static_cast<QWidget*>(quadPage_)})
        StackFrame(frame);
}

void MainForm::BuildPages() {
    if (PagesBuilt()) return;
    AddLaterPages();
    NameLaterPages(*this);
    SetToolTips(*pageArea_);
    // What start-up and every gesture since would have shown on them.
    RefreshP2();
    RefreshP3();
    RefreshP4();
    ResetItemPanel();
    // The window takes the least size of every page now, as if they had been there from the start.
    // The layouts would learn of the new pages only from posted requests, which stop at the scroll
    // area, so they are worked out again here.
    pageArea_->updateGeometry();
    content_->layout()->invalidate();
    content_->layout()->activate();
    const QSize before = minimumSize();
    UpdateMinimumSize();
    if (minimumSize() != before) KeepOnScreen();
}

void MainForm::UpdateMinimumSize() {
    // An explicit minimum stops the layout from raising it, so the layout's own is taken in here.
    QSize wanted(kFormWidth, kFormHeight);
    const QSize content = content_ && content_->layout() ? content_->layout()->totalMinimumSize() : QSize();
    if (pageScroll_ && layout() && content.isValid()) {
        // The scroll area keeps the whole of its content unless the screen cannot hold the window.
        const QSize now = pageScroll_->minimumSize();
        const QSize around = layout()->totalMinimumSize() - now;  // the menu bar's height
        QSize full = wanted.expandedTo(content + around);
        if (StatBar) full.setWidth(std::max(full.width(), StatBar->minimumSizeHint().width()));
        QSize target = content;
        const QSize room = Room();
        // Only the height gives way: the status panels need their width side by side.
        if (room.isValid() && full.height() > room.height())
            target.setHeight(
                std::max(kLeastScrolled.height(), content.height() - (full.height() - room.height())));
        if (now != target) {
            pageScroll_->setMinimumSize(target);
            layout()->invalidate();
        }
    }
    if (layout()) wanted = wanted.expandedTo(layout()->totalMinimumSize());
    // The main window's layout leaves out the status bar's width; its panels must not overlap.
    if (StatBar) wanted.setWidth(std::max(wanted.width(), StatBar->minimumSizeHint().width()));
    const QSize room = Room();
    // On a screen smaller than the least size the window takes the screen and its pages scroll.
    if (room.isValid() && pageScroll_ && pageScroll_->minimumSize() != content)
        wanted.setHeight(std::min(wanted.height(), room.height()));
    if (minimumSize() != wanted) setMinimumSize(wanted);
}

void MainForm::SetScreenRoom(QSize room) {
    screenRoom_ = room;
    UpdateMinimumSize();
    KeepOnScreen();
}

QSize MainForm::Room() const {
    if (screenRoom_.isValid()) return screenRoom_;
    const QScreen* s = screen();
    if (s == nullptr) return {};
    // The window's frame takes its part of the room as well.
    return s->availableGeometry().size() - (frameGeometry().size() - size());
}

bool MainForm::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::LayoutRequest) UpdateMinimumSize();
    // The pages left for later are built once the window has been drawn, so it shows that much sooner.
    if (e->type() == QEvent::Paint && !PagesBuilt() && !pagesPosted_) {
        pagesPosted_ = true;
        QTimer::singleShot(0, this, &MainForm::BuildPages);
    }
    return handled;
}

MainForm::~MainForm() = default;

void MainForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    MFile = bar->addMenu(ToQString("&File"));
    MNew = MFile->addAction(ToQString("&New"));
    MNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MOpen = MFile->addAction(ToQString("&Open..."));
    MOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MNewWindow = MFile->addAction(ToQString("New &Window"));
    MNewWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    MOpenNewWindow = MFile->addAction(ToQString("Open in New Window..."));
    MOpenNewWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    // Shown once the window belongs to the program's set of windows.
    MNewWindow->setVisible(false);
    MOpenNewWindow->setVisible(false);
    MRecent = MFile->addMenu(ToQString("Recent &Files"));
    files_->Recent().Attach(MRecent);
    MLibrary = MFile->addAction(ToQString("Design &Library..."));
    MLibrary->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    MCompare = MFile->addAction(ToQString("Compa&re With..."));
    MSave = MFile->addAction(ToQString("&Save"));
    MSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MSaveAs = MFile->addAction(ToQString("Save &As..."));
    MSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    MExport = MFile->addAction(ToQString("&Export to Text..."));
    MExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    MPrintSheet = MFile->addAction(ToQString("&Print Record Sheet..."));
    MPrintSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MExportSheet = MFile->addAction(ToQString("Export Record Sheet to P&DF..."));
    MSheetsOfSeveral = MFile->addAction(ToQString("Record Sheets of Se&veral Designs..."));
    MQuit = MFile->addAction(ToQString("&Quit"));
    MQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MEdit = bar->addMenu(ToQString("&Edit"));
    MUndo = MEdit->addAction(ToQString("&Undo"));
    MUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MRedo = MEdit->addAction(ToQString("&Redo"));
    MRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edits_->SetActions(MUndo, MRedo);
    MOptions = bar->addMenu(ToQString("&Options"));
    MHistory = MOptions->addAction(ToQString("&History..."));
    MPreferences = MOptions->addAction(ToQString("&Preferences..."));
    MCheck = MOptions->addAction(ToQString("Design &Check..."));
    MCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    MBreakdown = MOptions->addAction(ToQString("&Breakdown..."));
    MFind = MOptions->addAction(ToQString("&Find Equipment..."));
    MFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    MSuggest = MOptions->addAction(ToQString("&Suggest Equipment..."));
    MAbout = bar->addMenu(ToQString("&About"));
    MAbout2 = MAbout->addAction(ToQString("&About Vantrel Beta 0.1..."));
    blk_ = new BlkCommands(ctx_, *gestures_, dialogs_, settings_, *files_, *edits_, this);
    blk_->AddTo(MFile, MQuit, MEdit);
    MHelp = bar->addMenu(ToQString("&Help"));
    MHelpGuide = MHelp->addAction(ToQString("Vantrel &Help"));
    MHelpGuide->setShortcut(QKeySequence(Qt::Key_F1));
    // Menus are windows of their own and do not inherit the form's font.
    for (QMenu* m : {MFile, MEdit, MOptions, MAbout, MHelp}) m->setFont(font());
    MRecent->setFont(font());
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
        panel->setMinimumWidth(metrics.horizontalAdvance(ToQString(widest[i])) + 8);
        StatBar->addPermanentWidget(panel, 1);
    }
}

void MainForm::ConnectHandlers() {
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
    connect(MSheetsOfSeveral, &QAction::triggered, sheets_, &SheetCommands::MSheetsOfSeveral_Click);
    connect(MQuit, &QAction::triggered, this, [this] {
        if (windowCommands_.quitAll)
            windowCommands_.quitAll();
        else
            files_->MQuit_Click();
    });
    connect(MNewWindow, &QAction::triggered, this, &MainForm::MNewWindow_Click);
    connect(MOpenNewWindow, &QAction::triggered, this, &MainForm::MOpenNewWindow_Click);
    connect(MUndo, &QAction::triggered, edits_, &EditCommands::MUndo_Click);
    connect(MRedo, &QAction::triggered, edits_, &EditCommands::MRedo_Click);
    connect(MHistory, &QAction::triggered, this, &MainForm::MHistory_Click);
    connect(MPreferences, &QAction::triggered, this, &MainForm::MPreferences_Click);
    connect(MAbout2, &QAction::triggered, this, &MainForm::MAbout_Click);
    connect(MLibrary, &QAction::triggered, this, &MainForm::MLibrary_Click);
    connect(MCompare, &QAction::triggered, this, &MainForm::MCompare_Click);
    connect(MHelpGuide, &QAction::triggered, this, &MainForm::MHelpGuide_Click);
    connect(MBreakdown, &QAction::triggered, this, [this] { ShowBreakdown(BreakdownForm::kWeight); });
    connect(MFind, &QAction::triggered, this, &MainForm::MFind_Click);
    connect(MSuggest, &QAction::triggered, this, &MainForm::MSuggest_Click);
}

void MainForm::SetBipedLine(int biped) {
    bipedLine_ = biped;
    if (bipedPage_) bipedPage_->SetEmotLine(biped != 0);
}

}  // namespace vantrel
