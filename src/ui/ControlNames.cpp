// Names, spoken names and tab order of every window's controls, in one place so that the code that
// lays the pages out stays about layout. Object names are the controls' established names, the same
// the design code and the tests use; spoken names are the captions a person reads beside them.

#include "ui/ControlNames.h"

#include "ui/AboutForm.h"
#include "ui/ArmorPage.h"
#include "ui/BreakdownForm.h"
#include "ui/ChassisPage.h"
#include "ui/CompareForm.h"
#include "ui/DesignCheckForm.h"
#include "ui/DesignLibraryForm.h"
#include "ui/EquipmentPage.h"
#include "ui/FindEquipmentForm.h"
#include "ui/HelpForm.h"
#include "ui/HistoryForm.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/OptionsForm.h"
#include "ui/SheetOptionsDialog.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"
#include "ui/SplashForm.h"
#include "ui/SuggestForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

void Keep(QObject* object, const QString& name) {
    if (object != nullptr && object->objectName().isEmpty()) object->setObjectName(name);
}

// The member's own spelling is its name, so a renamed member cannot leave a stale name behind.
#define VANTREL_KEEP_NAME(owner, member) Keep((owner).member, QStringLiteral(#member))

template <typename T, std::size_t N>
void KeepIndexed(const std::array<T*, N>& controls, const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        Keep(controls[i], QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i));
}

void Speak(QWidget* w, const char* name) {
    if (w != nullptr) w->setAccessibleName(QString::fromUtf8(name));
}

// Some desktops' screen readers speak a list box by its value and its caption through the label
// that names it, so each caption is tied to its control as well. A caption with a mnemonic takes
// the focus to its control.
void Caption(QLabel* caption, QWidget* control) {
    if (caption != nullptr && control != nullptr) caption->setBuddy(control);
}

// Tab goes from each control to the next in `chain`; controls missing from a layout are passed over.
void TabChain(const std::vector<QWidget*>& chain) {
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (w == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

// Ctrl+PgDown and Ctrl+PgUp turn to the next and the previous page from anywhere in the window, round
// at the ends; the focus goes to the tab strip, from where Tab enters the page.
void PageKeys(QWidget& f, QTabBar* strip) {
    for (const auto& [key, step] : {
             std::pair{Qt::Key_PageDown, 1 },
             std::pair{Qt::Key_PageUp,   -1}
    }) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), &f);
        shortcut->setObjectName(step > 0 ? QStringLiteral("NextPage") : QStringLiteral("PreviousPage"));
        const int by = step;
        QObject::connect(shortcut, &QShortcut::activated, strip, [strip, by] {
            const int count = strip->count();
            if (count == 0) return;
            strip->setCurrentIndex((strip->currentIndex() + by + count) % count);
            strip->setFocus(Qt::ShortcutFocusReason);
        });
    }
}

// Shift+F10 opens the context menu of the control with the focus, as the Menu key does; the toolkit
// makes no context menu of it here. The menu stands at the current entry of a list, else under the
// control.
void ContextMenuKey(QWidget& f) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &f);
    shortcut->setObjectName(QStringLiteral("ContextMenuKey"));
    QObject::connect(shortcut, &QShortcut::activated, &f, [] {
        QWidget* w = QApplication::focusWidget();
        if (w == nullptr) return;
        QPoint at(w->width() / 2, w->height());
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->currentIndex().isValid()) {
            w = view->viewport();
            at = view->visualRect(view->currentIndex()).center();
        }
        QContextMenuEvent e(QContextMenuEvent::Keyboard, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &e);
    });
}

}  // namespace

// The main window's own controls are private; this is the one friend that names them.
struct MainFormNaming {
    static void Menus(MainForm& f);
    static void Frame(MainForm& f);
    static void OrderTabs(MainForm& f);
    static void LaterPages(MainForm& f);
    static void All(MainForm& f);
};

void MainFormNaming::Menus(MainForm& f) {
    VANTREL_KEEP_NAME(f, MFile);
    VANTREL_KEEP_NAME(f, MEdit);
    VANTREL_KEEP_NAME(f, MOptions);
    VANTREL_KEEP_NAME(f, MAbout);
    VANTREL_KEEP_NAME(f, MNew);
    VANTREL_KEEP_NAME(f, MOpen);
    VANTREL_KEEP_NAME(f, MNewWindow);
    VANTREL_KEEP_NAME(f, MOpenNewWindow);
    VANTREL_KEEP_NAME(f, MRecent);
    VANTREL_KEEP_NAME(f, MLibrary);
    VANTREL_KEEP_NAME(f, MCompare);
    VANTREL_KEEP_NAME(f, MSave);
    VANTREL_KEEP_NAME(f, MSaveAs);
    VANTREL_KEEP_NAME(f, MExport);
    VANTREL_KEEP_NAME(f, MPrintSheet);
    VANTREL_KEEP_NAME(f, MExportSheet);
    VANTREL_KEEP_NAME(f, MSheetsOfSeveral);
    VANTREL_KEEP_NAME(f, MQuit);
    VANTREL_KEEP_NAME(f, MUndo);
    VANTREL_KEEP_NAME(f, MRedo);
    VANTREL_KEEP_NAME(f, MHistory);
    VANTREL_KEEP_NAME(f, MPreferences);
    VANTREL_KEEP_NAME(f, MCheck);
    VANTREL_KEEP_NAME(f, MBreakdown);
    VANTREL_KEEP_NAME(f, MFind);
    VANTREL_KEEP_NAME(f, MSuggest);
    VANTREL_KEEP_NAME(f, MAbout2);
    VANTREL_KEEP_NAME(f, MHelp);
    VANTREL_KEEP_NAME(f, MHelpGuide);
}

void MainFormNaming::Frame(MainForm& f) {
    VANTREL_KEEP_NAME(f, CapMechName);
    VANTREL_KEEP_NAME(f, TextMechName);
    VANTREL_KEEP_NAME(f, CapModel);
    VANTREL_KEEP_NAME(f, TextModel);
    VANTREL_KEEP_NAME(f, TabStrip1);
    VANTREL_KEEP_NAME(f, StatBar);
    for (int i = 0; i < 7; ++i) Keep(f.Panels[i], QStringLiteral("StatBar_%1").arg(i + 1));
    Speak(f.TextMechName, "Battle Armor Name");
    Speak(f.TextModel, "Model");
    Speak(f.TabStrip1, "Design Pages");
    Speak(f.StatBar, "Status");
    Caption(f.CapMechName, f.TextMechName);
    Caption(f.CapModel, f.TextModel);
}

// Reading order: a group of controls top to bottom, groups left to right, then the next band of the
// page below. Pages that are hidden are passed over by Tab, so one chain serves every page.
void MainFormNaming::OrderTabs(MainForm& f) {
    std::vector<QWidget*> chain{f.TextMechName, f.TextModel, f.TabStrip1};
    const auto add = [&chain](const auto* page) {
        if (page == nullptr) return;  // not built yet
        const std::vector<QWidget*> order = page->TabOrder();
        chain.insert(chain.end(), order.begin(), order.end());
    };
    add(f.chassisPage_);
    add(f.armorPage_);
    add(f.equipmentPage_);
    add(f.bipedPage_);
    add(f.quadPage_);
    TabChain(chain);
}

// The pages after the first, which the window may build later than itself.
void MainFormNaming::LaterPages(MainForm& f) {
    NameControls(*f.armorPage_);
    Keep(f.equipmentPage_, QStringLiteral("Frame3"));
    Keep(f.bipedPage_, QStringLiteral("Frame4"));
    Keep(f.quadPage_, QStringLiteral("Frame4B"));
    NameControls(*f.equipmentPage_);
    NameControls(*f.bipedPage_);
    NameControls(*f.quadPage_);
}

void MainFormNaming::All(MainForm& f) {
    Menus(f);
    Frame(f);
    NameControls(*f.chassisPage_);
    if (f.PagesBuilt()) LaterPages(f);
    OrderTabs(f);
    PageKeys(f, f.TabStrip1);
    ContextMenuKey(f);
}

void NameControls(MainForm& f) { MainFormNaming::All(f); }

void NameLaterPages(MainForm& f) {
    MainFormNaming::LaterPages(f);
    MainFormNaming::OrderTabs(f);
}

void NameControls(ChassisPage& f) {
    Keep(&f, QStringLiteral("Frame1"));
    VANTREL_KEEP_NAME(f, CapType);
    VANTREL_KEEP_NAME(f, ComboType);
    VANTREL_KEEP_NAME(f, CapChassis);
    VANTREL_KEEP_NAME(f, ComboChassis);
    VANTREL_KEEP_NAME(f, CapTechBase);
    VANTREL_KEEP_NAME(f, ComboTechBase);
    VANTREL_KEEP_NAME(f, CapTechLevel);
    VANTREL_KEEP_NAME(f, CapSS);
    VANTREL_KEEP_NAME(f, ComboSS);
    VANTREL_KEEP_NAME(f, LabTurret);
    VANTREL_KEEP_NAME(f, ComboTurret);
    VANTREL_KEEP_NAME(f, ChkConfig);
    VANTREL_KEEP_NAME(f, ChkEnhanced);
    VANTREL_KEEP_NAME(f, LabHeatSink);
    VANTREL_KEEP_NAME(f, HeatSinkSlide);
    VANTREL_KEEP_NAME(f, NumHeatLab);
    VANTREL_KEEP_NAME(f, FrmMove);
    VANTREL_KEEP_NAME(f, CapGS);
    VANTREL_KEEP_NAME(f, Slider1);
    VANTREL_KEEP_NAME(f, MLab1);
    VANTREL_KEEP_NAME(f, CapJS);
    VANTREL_KEEP_NAME(f, Slider2);
    VANTREL_KEEP_NAME(f, MLab2);
    VANTREL_KEEP_NAME(f, CapVTOL);
    VANTREL_KEEP_NAME(f, Slider3);
    VANTREL_KEEP_NAME(f, MLab3);
    VANTREL_KEEP_NAME(f, Label5);
    VANTREL_KEEP_NAME(f, Slider4);
    VANTREL_KEEP_NAME(f, MLab4);
    Speak(&f, "Setup Battle Armor");
    Speak(f.ComboType, "Weight Class");
    Speak(f.ComboChassis, "Chassis Type");
    Speak(f.ComboTechBase, "Technology Base");
    Speak(f.ComboSS, "Suit Systems");
    Speak(f.ComboTurret, "Turret");
    Speak(f.ChkConfig, "Configurable (+10 Kg, -1 CSlot)");
    Speak(f.ChkEnhanced, "Enhanced Imaging");
    Speak(f.HeatSinkSlide, "Heat Sinks");
    Speak(f.Slider1, "Ground Speed");
    Speak(f.Slider2, "Jump Capability");
    Speak(f.Slider3, "VTOL Speed");
    Speak(f.Slider4, "Underwater Speed");
    Caption(f.CapType, f.ComboType);
    Caption(f.CapChassis, f.ComboChassis);
    Caption(f.CapTechBase, f.ComboTechBase);
    Caption(f.CapSS, f.ComboSS);
    Caption(f.LabTurret, f.ComboTurret);
    Caption(f.LabHeatSink, f.HeatSinkSlide);
    Caption(f.CapGS, f.Slider1);
    Caption(f.CapJS, f.Slider2);
    Caption(f.CapVTOL, f.Slider3);
    Caption(f.Label5, f.Slider4);
}

void NameControls(ArmorPage& f) {
    Keep(&f, QStringLiteral("Frame2"));
    VANTREL_KEEP_NAME(f, Label7);
    VANTREL_KEEP_NAME(f, ComboAType);
    VANTREL_KEEP_NAME(f, ArmorSlide);
    VANTREL_KEEP_NAME(f, LabArmorP);
    VANTREL_KEEP_NAME(f, LabArmorW);
    VANTREL_KEEP_NAME(f, Label10);
    VANTREL_KEEP_NAME(f, Picture1);
    Speak(&f, "Allocate Armor");
    Speak(f.ComboAType, "Armor Type");
    Speak(f.ArmorSlide, "Armor Points");
    Speak(f.Picture1, "Illustration");
    Caption(f.Label7, f.ComboAType);
}

void NameControls(EquipmentPage& p) {
    VANTREL_KEEP_NAME(p, Label13);
    VANTREL_KEEP_NAME(p, AvList);
    VANTREL_KEEP_NAME(p, Label14);
    VANTREL_KEEP_NAME(p, SelList);
    VANTREL_KEEP_NAME(p, ComAdd);
    VANTREL_KEEP_NAME(p, ComRemove);
    VANTREL_KEEP_NAME(p, ComClear);
    KeepIndexed(p.OptType, "OptType");
    Keep(p.OptTypeGroup, QStringLiteral("OptType"));
    VANTREL_KEEP_NAME(p, Check1);
    VANTREL_KEEP_NAME(p, Label3);
    VANTREL_KEEP_NAME(p, WpnsFrame);
    VANTREL_KEEP_NAME(p, LPName);
    VANTREL_KEEP_NAME(p, Label15);
    VANTREL_KEEP_NAME(p, LDamage);
    VANTREL_KEEP_NAME(p, Label16);
    VANTREL_KEEP_NAME(p, LWeight);
    VANTREL_KEEP_NAME(p, Label17);
    VANTREL_KEEP_NAME(p, LCSlots);
    VANTREL_KEEP_NAME(p, Label18);
    VANTREL_KEEP_NAME(p, LHeat);
    VANTREL_KEEP_NAME(p, Label19);
    VANTREL_KEEP_NAME(p, LBV);
    VANTREL_KEEP_NAME(p, Label21);
    VANTREL_KEEP_NAME(p, LMin);
    VANTREL_KEEP_NAME(p, Label20);
    VANTREL_KEEP_NAME(p, Label22);
    VANTREL_KEEP_NAME(p, LS);
    VANTREL_KEEP_NAME(p, Label23);
    VANTREL_KEEP_NAME(p, LM);
    VANTREL_KEEP_NAME(p, Label24);
    VANTREL_KEEP_NAME(p, LL);
    Speak(&p, "Select Equipment");
    Speak(p.AvList, "Available Equipment");
    Speak(p.SelList, "Owned Equipment");
    Speak(p.ComAdd, "Add");
    Speak(p.ComRemove, "Remove");
    Speak(p.ComClear, "Clear");
    static const char* const kCategories[5] = {"Energy", "Ballistic", "Missile", "Equipment", "Ammunition"};
    for (std::size_t i = 0; i < p.OptType.size(); ++i) Speak(p.OptType[i], kCategories[i]);
    Speak(p.Check1, "For current weapons");
    Speak(p.WpnsFrame, "Item Information");
    Caption(p.Label13, p.AvList);
    Caption(p.Label14, p.SelList);
}

void NameControls(SlotPage& p) {
    KeepIndexed(p.BodyCrit, "BodyCrit");
    KeepIndexed(p.RightCrit, "RightCrit");
    KeepIndexed(p.LeftCrit, "LeftCrit");
    KeepIndexed(p.QuadCrit, "QuadCrit");
    KeepIndexed(p.TurretCrit, "TurretCrit");
    VANTREL_KEEP_NAME(p, BipedOwned);
    VANTREL_KEEP_NAME(p, ClearSel1);
    VANTREL_KEEP_NAME(p, ClearCS);
    VANTREL_KEEP_NAME(p, PlaceInBody);
    VANTREL_KEEP_NAME(p, PlaceInRightArm);
    VANTREL_KEEP_NAME(p, PlaceInLeftArm);
    VANTREL_KEEP_NAME(p, Label41);
    VANTREL_KEEP_NAME(p, Label1);
    VANTREL_KEEP_NAME(p, Figure);
    VANTREL_KEEP_NAME(p, EmotLine);
    VANTREL_KEEP_NAME(p, QuadOwned);
    VANTREL_KEEP_NAME(p, ClearSel2);
    VANTREL_KEEP_NAME(p, ClearCST);
    VANTREL_KEEP_NAME(p, PlaceInQuad);
    VANTREL_KEEP_NAME(p, PlaceInTurret);
    VANTREL_KEEP_NAME(p, Label40);
    VANTREL_KEEP_NAME(p, Label2);
    VANTREL_KEEP_NAME(p, TurretHeader);
    VANTREL_KEEP_NAME(p, TurretFramer);
    VANTREL_KEEP_NAME(p, PlaceAll);
    Speak(&p, "Allocate Equipment");
    Speak(p.Owned(), "Owned Equipment");
    Speak(p.ClearSelected(), "Clear Selected");
    Speak(p.ClearAll(), "Clear All CSlots");
    Speak(p.PlaceAll, "Place All");
    Speak(p.Figure, "Suit Figure");
    Caption(p.Label41, p.BipedOwned);
    Caption(p.Label40, p.QuadOwned);
    Speak(p.TurretFramer, "Usable Turret Slots");
}

void NameControls(OptionsForm& f) {
    VANTREL_KEEP_NAME(f, Label1);
    VANTREL_KEEP_NAME(f, SplashChk);
    Keep(f.Biped[0], QStringLiteral("Biped_0"));
    Keep(f.Biped[1], QStringLiteral("Biped_1"));
    VANTREL_KEEP_NAME(f, cmdOK);
    VANTREL_KEEP_NAME(f, cmdCancel);
    VANTREL_KEEP_NAME(f, picOptions);
    VANTREL_KEEP_NAME(f, fraSample2);
    VANTREL_KEEP_NAME(f, fraSample3);
    VANTREL_KEEP_NAME(f, fraSample4);
    Speak(f.SplashChk, "Show long, annoying splash screen");
    Speak(f.Biped[0], "Happy Biped");
    Speak(f.Biped[1], "Sad Biped");
    Speak(f.cmdOK, "OK");
    Speak(f.cmdCancel, "Cancel");
    TabChain({f.SplashChk, f.Biped[0], f.Biped[1], f.cmdOK, f.cmdCancel});
}

void NameControls(HistoryForm& f) {
    VANTREL_KEEP_NAME(f, TextHistory);
    VANTREL_KEEP_NAME(f, ComChange);
    VANTREL_KEEP_NAME(f, ComCancel);
    Speak(f.TextHistory, "History Notes");
    Speak(f.ComChange, "Change");
    Speak(f.ComCancel, "Cancel");
    TabChain({f.TextHistory, f.ComChange, f.ComCancel});
}

void NameControls(AboutForm& f) {
    VANTREL_KEEP_NAME(f, Picture2);
    VANTREL_KEEP_NAME(f, PresLabel);
    VANTREL_KEEP_NAME(f, PresLabel2);
    VANTREL_KEEP_NAME(f, Timer1);
    Speak(f.Picture2, "Picture");
    Speak(f.PresLabel, "Credits");
}

void NameControls(SplashForm& f) {
    VANTREL_KEEP_NAME(f, Picture2);
    VANTREL_KEEP_NAME(f, LabContinue);
    VANTREL_KEEP_NAME(f, ProgressBar1);
    VANTREL_KEEP_NAME(f, Timer1);
    Speak(f.Picture2, "Picture");
}

void NameControls(HelpForm& f) {
    Keep(&f, QStringLiteral("HelpForm"));
    VANTREL_KEEP_NAME(f, TextGuide);
    Speak(f.TextGuide, "User Guide");
}

void NameControls(DesignCheckForm& f) {
    VANTREL_KEEP_NAME(f, LabSummary);
    VANTREL_KEEP_NAME(f, GridFindings);
    VANTREL_KEEP_NAME(f, ComClose);
    Speak(f.GridFindings, "Findings");
    // Tab leaves the table for the button; the arrow keys still move between its cells.
    f.GridFindings->setTabKeyNavigation(false);
    Speak(f.ComClose, "Close");
    TabChain({f.GridFindings, f.ComClose});
}

void NameControls(SuggestForm& f) {
    VANTREL_KEEP_NAME(f, ComboObjective);
    VANTREL_KEEP_NAME(f, LabStatus);
    VANTREL_KEEP_NAME(f, GridProposals);
    VANTREL_KEEP_NAME(f, ComSearch);
    VANTREL_KEEP_NAME(f, ComCancel);
    VANTREL_KEEP_NAME(f, ComApply);
    VANTREL_KEEP_NAME(f, ComClose);
    Speak(f.ComboObjective, "Objective");
    Speak(f.GridProposals, "Proposals");
    f.GridProposals->setTabKeyNavigation(false);
    TabChain({f.ComboObjective, f.ComSearch, f.ComCancel, f.GridProposals, f.ComApply, f.ComClose});
}

void NameControls(BreakdownForm& f) {
    VANTREL_KEEP_NAME(f, TabSections);
    VANTREL_KEEP_NAME(f, GridTerms);
    VANTREL_KEEP_NAME(f, LabNote);
    Speak(f.TabSections, "Sections");
    Speak(f.GridTerms, "Terms");
    f.GridTerms->setTabKeyNavigation(false);
    TabChain({f.TabSections, f.GridTerms});
}

void NameControls(FindEquipmentForm& f) {
    VANTREL_KEEP_NAME(f, LabSearch);
    VANTREL_KEEP_NAME(f, TextSearch);
    VANTREL_KEEP_NAME(f, LabCategory);
    VANTREL_KEEP_NAME(f, ComboCategory);
    VANTREL_KEEP_NAME(f, ChkOffered);
    VANTREL_KEEP_NAME(f, GridEquipment);
    VANTREL_KEEP_NAME(f, LabShown);
    VANTREL_KEEP_NAME(f, LabReason);
    VANTREL_KEEP_NAME(f, LabCount);
    VANTREL_KEEP_NAME(f, SpinCount);
    VANTREL_KEEP_NAME(f, ComAddFound);
    VANTREL_KEEP_NAME(f, ComClose);
    Speak(f.TextSearch, "Search");
    Speak(f.ComboCategory, "Category");
    Speak(f.ChkOffered, "Offered to this design only");
    Speak(f.GridEquipment, "Equipment");
    Speak(f.LabShown, "Entries shown");
    Speak(f.SpinCount, "Count");
    Speak(f.ComAddFound, "Add");
    Speak(f.ComClose, "Close");
    Caption(f.LabSearch, f.TextSearch);
    Caption(f.LabCategory, f.ComboCategory);
    Caption(f.LabCount, f.SpinCount);
    f.GridEquipment->setTabKeyNavigation(false);
    TabChain({f.TextSearch, f.ComboCategory, f.ChkOffered, f.GridEquipment, f.SpinCount, f.ComAddFound,
              f.ComClose});
}

void NameControls(SheetOptionsDialog& d) {
    VANTREL_KEEP_NAME(d, Kind);
    VANTREL_KEEP_NAME(d, Squad);
    VANTREL_KEEP_NAME(d, PaperBox);
    VANTREL_KEEP_NAME(d, Buttons);
    Speak(d.Kind, "Sheet");
    Speak(d.Squad, "Squad size");
    Speak(d.PaperBox, "Paper");
    TabChain({d.Kind, d.Squad, d.PaperBox});  // the button box's own buttons follow
}

void NameControls(DesignLibraryForm& f) {
    VANTREL_KEEP_NAME(f, TextFolder);
    VANTREL_KEEP_NAME(f, ComFolder);
    VANTREL_KEEP_NAME(f, TextFind);
    VANTREL_KEEP_NAME(f, ComboChassis);
    VANTREL_KEEP_NAME(f, ComboClass);
    VANTREL_KEEP_NAME(f, ComboTech);
    VANTREL_KEEP_NAME(f, ChkErrors);
    VANTREL_KEEP_NAME(f, GridDesigns);
    VANTREL_KEEP_NAME(f, ProgressRead);
    VANTREL_KEEP_NAME(f, LabCount);
    VANTREL_KEEP_NAME(f, ComOpen);
    VANTREL_KEEP_NAME(f, ComCompare);
    VANTREL_KEEP_NAME(f, ComClose);
    VANTREL_KEEP_NAME(f, ActOpen);
    VANTREL_KEEP_NAME(f, ActOpenNew);
    VANTREL_KEEP_NAME(f, ActCompare);
    VANTREL_KEEP_NAME(f, ActShowInFolder);
    VANTREL_KEEP_NAME(f, ActCopy);
    VANTREL_KEEP_NAME(f, ActSheets);
    Speak(f.TextFolder, "Folder");
    Speak(f.ComFolder, "Choose Folder");
    Speak(f.TextFind, "Find in name or model");
    Speak(f.ComboChassis, "Chassis");
    Speak(f.ComboClass, "Weight Class");
    Speak(f.ComboTech, "Technology Base");
    Speak(f.ChkErrors, "Errors only");
    Speak(f.GridDesigns, "Designs");
    Speak(f.ProgressRead, "Reading");
    Speak(f.LabCount, "Designs shown");
    Speak(f.ComOpen, "Open");
    Speak(f.ComCompare, "Compare");
    Speak(f.ComClose, "Close");
    Caption(f.LabFolder, f.TextFolder);
    TabChain({f.TextFolder, f.ComFolder, f.TextFind, f.ComboChassis, f.ComboClass, f.ComboTech, f.ChkErrors,
              f.GridDesigns, f.ComOpen, f.ComCompare, f.ComClose});
}

void NameControls(CompareForm& f) {
    VANTREL_KEEP_NAME(f, LabHint);
    VANTREL_KEEP_NAME(f, ChkDifferences);
    VANTREL_KEEP_NAME(f, GridCompare);
    VANTREL_KEEP_NAME(f, ComClose);
    Speak(f.ChkDifferences, "Differences only");
    Speak(f.GridCompare, "Comparison");
    Speak(f.ComClose, "Close");
    TabChain({f.ChkDifferences, f.GridCompare, f.ComClose});
}

#undef VANTREL_KEEP_NAME

}  // namespace vantrel
