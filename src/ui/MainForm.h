#pragma once

#include "model/Document.h"
#include "ui/PageHost.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QScrollArea;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTabBar;

namespace vantrel {

class Dialogs;
class Platform;
class SettingsStore;
class ReleaseSlider;
class MouseUpCheckBox;
class ChassisPage;
class ArmorPage;
class EquipmentPage;
class SlotPage;
class OptionsForm;
class HistoryForm;
class AboutForm;
class HelpForm;
class DesignCheckForm;
class BreakdownForm;
class DesignLibraryForm;
class FindEquipmentForm;
class SuggestForm;
class GestureTracker;
class FileCommands;
class EditCommands;
class SheetCommands;
class BlkCommands;
struct DesignState;

// The main window: menu, name and model boxes, four pages on a tab strip and the status bar.
// The design state in Context is the only truth; the refresh routines write it into the controls,
// and the handlers write the controls' choices back into it. The pages own their controls and
// handlers; this window wires them and answers their calls into one another (PageHost). Tests find
// the controls by their object names.
class MainForm : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    // Which pages the window builds at once: all, or only the first, the others once the window has
    // been drawn (the program's start-up) or when something needs them first.
    enum class PagesAtStart { All, First };
    MainForm(Document& doc, SettingsStore& settings, Dialogs& dialogs, Platform& platform,
             QWidget* parent = nullptr, PagesAtStart pages = PagesAtStart::All);
    ~MainForm() override;

    Document& doc_;
    Context& ctx_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    Platform& platform_;

    // Every handler a gesture of the user starts runs inside one of its scopes.
    GestureTracker& Gestures() { return *gestures_; }

    // Start-up of the window; false when start-up must stop (the catalog could not be read).
    // `args` are the command-line arguments after the program name.
    bool Form_Load(const QStringList& args);
    // Whether Form_Load brought back work kept from an ended session (more may wait for windows of
    // their own).
    bool RestoredAtStart() const { return restoredAtStart_; }
    // A further window's start: a new design, nothing asked.
    void StartBlank();
    // Offers work kept from an ended session; true when one copy was restored into this window.
    bool RestoreKeptWork();
    // A design file opened, or a MegaMek unit file imported, as the library opens them; no
    // unsaved-changes question.
    void OpenOrImport(const QString& path);

    // What the program's set of windows does for File > New Window, Open in New Window and Quit.
    // A window without them (alone, as tests make it) hides the two entries and Quit closes it.
    struct WindowCommands {
        std::function<void()> newWindow;
        std::function<void(const QString& path)> openInNewWindow;
        std::function<void()> quitAll;  // asks each window with unsaved changes in turn
    };
    void SetWindowCommands(WindowCommands commands);
    void MNewWindow_Click();
    void MOpenNewWindow_Click();
    // Where Form_Load reads the catalog when the splash screen is off (CatalogPath() by default).
    QString catalogPath_;

    // Builds the pages left for later and shows the design on them; nothing when they are built.
    void BuildPages();
    bool PagesBuilt() const { return armorPage_ != nullptr; }

    // --- refreshes and the redraw lock ---
    void RefreshMain() override;
    void ShowTitle() override;
    void RefreshP1() override;
    void RefreshP2() override;
    void RefreshP3() override;
    void RefreshP4() override;
    void RunSlotRebuild() override;
    void RefreshCurrentPage() override;
    void TabStrip1_Click(int tab /*1..4*/);
    // Bracket around a refresh, nest-safe because it holds nothing: Qt already paints only from the
    // event loop, once, what changed, so a refresh never forces a repaint of the whole window.
    void SetRedraw(bool enable);

    // Position of the biped figure's line: 0 "Happy Biped" (480), anything else "Sad Biped" (360).
    void SetBipedLine(int biped);
    int BipedLine() const { return bipedLine_; }

    // --- the pages' calls into one another ---
    void SetArmorMaximum(int maximum) override;
    // The equipment page's Clear and the slot pages' Clear All, run on whichever page is built.
    void ComClear_Click();
    void ClearCS_Click();
    void ClearCST_Click();
    void ShowItemInfo(const QString& strName);
    void ResetItemPanel();  // LPName "None Selected", the value labels "-"

    // The File menu's commands and the close request.
    FileCommands& Files() { return *files_; }
    // The Edit menu's undo and redo, and whether the design counts as changed.
    EditCommands& Edits() { return *edits_; }
    // The record sheet's print and PDF export.
    SheetCommands& Sheets() { return *sheets_; }
    // Brings a state of the design into the window: the state, then every page and the status line
    // showing it, the page on show unchanged.
    void ShowState(const DesignState& state);
    void TextMechName_Change();
    void TextModel_Change();

    // The window's minimum: the size the pages were laid out for, or more when the desktop's font
    // needs it. Kept up to date as the layout changes.
    void UpdateMinimumSize();
    // The room the screen offers the window; by default the available part of its screen. A room
    // smaller than the window's least size makes the pages scroll.
    void SetScreenRoom(QSize room);
    // The window's place and size from the last session (settings key "MainWindowGeometry").
    void RestoreWindowGeometry();
    void KeepOnScreen();
    void SaveWindowGeometry();

    // --- auxiliary windows (MainFormWindows.cpp): created on first use, at most one of each; null
    // until then ---
    void MHistory_Click();
    void MPreferences_Click();
    void MAbout_Click();      // "&About Vantrel Beta 0.1..." (MAbout2)
    void MHelpGuide_Click();  // Help > "Vantrel &Help", F1
    HelpForm* HelpWindow() const { return helpForm_; }
    OptionsForm* OptionsWindow() const { return optionsForm_; }
    HistoryForm* HistoryWindow() const { return historyForm_; }
    AboutForm* AboutWindow() const { return aboutForm_; }
    // An open history window shows the notes of the design now held (after New or Open).
    void ReloadHistoryWindow() override;
    bool HistoryNotesPending() const override;
    void ApplyHistoryNotes() override;

    // --- the design check and the breakdown (MainFormCheck.cpp), live while open ---
    void MCheck_Click();
    // Opens the breakdown window on section 0 weight, 1 Battle Value, 2 cost.
    void ShowBreakdown(int section);
    // A double-click on status panel `panel`: its breakdown for "Current Kg", "Estimated BV" and
    // "Cost", the design check for any other panel shown in red.
    void Panel_DblClick(int panel);
    // Open check and breakdown windows read the design again, once the event loop next turns.
    void RefreshLiveWindows();
    DesignCheckForm* CheckWindow() const { return checkForm_; }
    BreakdownForm* BreakdownWindow() const { return breakdownForm_; }

    // --- the design library and comparisons (MainFormLibrary.cpp) ---
    void MLibrary_Click();
    void MCompare_Click();
    // A comparison window of two or three designs (file paths, an empty one for the open design).
    void OpenCompare(const QStringList& sources);
    DesignLibraryForm* LibraryWindow() const { return libraryForm_; }
    // Options > Find Equipment... (MainFormFind.cpp): the finder over the whole catalog, which adds
    // through the equipment page's own add; it follows the design while open.
    void MFind_Click();
    FindEquipmentForm* FindWindow() const { return findForm_; }
    // --- Options > Suggest Equipment... (MainFormSuggest.cpp) ---
    void MSuggest_Click();
    SuggestForm* SuggestWindow() const { return suggestForm_; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;  // asks Files().Form_QueryUnload
    // A design file dropped from the file manager opens as File > Open does; other drops are ignored.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    friend struct MainFormNaming;
    void StackFrame(QWidget* frame);
    void AddLaterPages();
    void BuildMenu();
    void BuildStatusBar();
    void SetupDesignCheck();
    void MarkPanels();
    void ConnectHandlers();
    void ShowFrameOf(int tab /*1..4*/);
    // The five page frames, stacked in one cell of the page area.
    std::array<QWidget*, 5> Frames() const;

    GestureTracker* gestures_ = nullptr;
    FileCommands* files_ = nullptr;
    EditCommands* edits_ = nullptr;
    SheetCommands* sheets_ = nullptr;
    BlkCommands* blk_ = nullptr;
    int bipedLine_ = 0;

    // --- controls outside the pages ---
    QMenu* MFile = nullptr;
    QMenu* MEdit = nullptr;
    QMenu* MOptions = nullptr;
    QMenu* MAbout = nullptr;
    QAction* MNew = nullptr;
    QAction* MOpen = nullptr;
    QAction* MNewWindow = nullptr;      // "New &Window", Ctrl+Shift+N
    QAction* MOpenNewWindow = nullptr;  // "Open in New Window...", Ctrl+Shift+O
    QMenu* MRecent = nullptr;           // "Recent &Files", filled by Files().Recent()
    QAction* MLibrary = nullptr;        // "Design &Library...", Ctrl+L
    QAction* MCompare = nullptr;        // "Compa&re With..."
    QAction* MSave = nullptr;
    QAction* MSaveAs = nullptr;
    QAction* MExport = nullptr;
    QAction* MPrintSheet = nullptr;   // "&Print Record Sheet..."
    QAction* MExportSheet = nullptr;  // "Export Record Sheet to P&DF..."
    // "Record Sheets of Se&veral Designs..."
    QAction* MSheetsOfSeveral = nullptr;
    QAction* MQuit = nullptr;
    QAction* MUndo = nullptr;
    QAction* MRedo = nullptr;
    QAction* MHistory = nullptr;
    QAction* MPreferences = nullptr;
    QAction* MCheck = nullptr;      // "Design &Check...", Ctrl+K
    QAction* MBreakdown = nullptr;  // "&Breakdown...": the breakdown without a double-click on a panel
    QAction* MFind = nullptr;       // "&Find Equipment...", Ctrl+F
    QAction* MSuggest = nullptr;    // "&Suggest Equipment..."
    QAction* MAbout2 = nullptr;
    QMenu* MHelp = nullptr;
    QAction* MHelpGuide = nullptr;  // "Vantrel &Help", F1
    QLabel* CapMechName = nullptr;
    QLineEdit* TextMechName = nullptr;
    QLabel* CapModel = nullptr;
    QLineEdit* TextModel = nullptr;
    QTabBar* TabStrip1 = nullptr;
    QStatusBar* StatBar = nullptr;
    QLabel* Panels[7] = {};
    // Panels of a broken limit (overweight, too hot, more slots used than the chassis has).
    bool panelRed_[7] = {};
    QWidget* pageArea_ = nullptr;  // the frames are its children, stacked in one cell
    QWidget* content_ = nullptr;   // the boxes, the tab strip and the pages
    QScrollArea* pageScroll_ = nullptr;
    QSize screenRoom_;  // set by SetScreenRoom; invalid: the screen's own
    QSize Room() const;

    // --- the pages ---
    ChassisPage* chassisPage_ = nullptr;      // Frame1
    ArmorPage* armorPage_ = nullptr;          // Frame2
    EquipmentPage* equipmentPage_ = nullptr;  // Frame3
    SlotPage* bipedPage_ = nullptr;           // Frame4, the humanoid layout
    SlotPage* quadPage_ = nullptr;            // Frame4B, the quad layout

    // --- the auxiliary windows ---
    OptionsForm* optionsForm_ = nullptr;
    HistoryForm* historyForm_ = nullptr;
    AboutForm* aboutForm_ = nullptr;
    HelpForm* helpForm_ = nullptr;
    DesignCheckForm* checkForm_ = nullptr;
    BreakdownForm* breakdownForm_ = nullptr;
    DesignLibraryForm* libraryForm_ = nullptr;
    FindEquipmentForm* findForm_ = nullptr;
    SuggestForm* suggestForm_ = nullptr;
    bool liveReloadPosted_ = false;
    bool restoredAtStart_ = false;
    WindowCommands windowCommands_;
    bool pagesPosted_ = false;  // the build of the pages left for later is on its way
};

}  // namespace vantrel
