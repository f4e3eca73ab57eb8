#pragma once

#include "FakeDialogs.h"
#include "FindWidget.h"
#include "equipment/AutoPlace.h"
#include "equipment/SlotView.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "ui/EditCommands.h"
#include "ui/EquipmentPage.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/Recovery.h"
#include "ui/SlotLabel.h"
#include "ui/SlotPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <random>
#include <stdexcept>
#include <vector>

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vantrel::test {

// A hover entering `w` with `data`; true when the label offers the move effect.
inline bool DragEnter(QWidget* w, const QMimeData* data) {
    QDragEnterEvent e(QPoint(4, 4), Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted() && e.dropAction() == Qt::MoveAction;
}

// The whole drop as the toolkit delivers it: enter, then drop; then the events the drop posted
// (the window handles a drop after the drag has ended).
inline void DropOn(QWidget* w, const QMimeData* data) {
    DragEnter(w, data);
    QDropEvent e(QPointF(4, 4), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
    QCoreApplication::processEvents();
}

// UTF-8 text literal as a QString: "Armor Points: 6"_q.
inline QString operator""_q(const char* s, size_t n) {
    return QString::fromUtf8(s, static_cast<qsizetype>(n));
}

// Records the desktop calls instead of making them.
class RecordingPlatform : public Platform {
public:
    struct Registration {
        QString ext, programPath, typeName;
    };
    std::vector<Registration> registrations;
    QStringList opened;  // ShellDef calls
    bool viewerStarts = true;
    QString programPath = QStringLiteral("/opt/vantrel/vantrel");
    bool installed = false;
    QStringList unregistered;  // type names taken back

    void RegisterFileType(const QString& ext, const QString& path, const QString& typeName) override {
        registrations.push_back({ext, path, typeName});
    }
    bool ShellDef(const QString& fileName) override {
        opened << fileName;
        return viewerStarts;
    }
    QString ProgramPath() override { return programPath; }
    bool IsInstalled(const QString&) override { return installed; }
    void UnregisterFileType(const QString& typeName) override { unregistered << typeName; }
};

// The catalog shipped with the program, read once per test run.
inline const CatalogRef& GuiShippedCatalog() {
    static const CatalogRef catalog = [] {
        CatalogRef c;
        CatalogError e;
        if (!LoadSharedCatalog(VANTREL_CATALOG_PATH, c, e))
            throw std::runtime_error(FormatCatalogError(VANTREL_CATALOG_PATH, e));
        return c;
    }();
    return catalog;
}

// The pieces of a main window, not yet loaded: tests of start-up set the settings first.
// Settings live in an INI file in a temporary folder.
class MainFormHarness : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Document doc;
    Context& ctx = doc.ctx;
    FakeDialogs dialogs;
    RecordingPlatform platform;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<MainForm> form;

    MainFormHarness()
        : settings(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")))) {}

    void Create() {
        form = std::make_unique<MainForm>(doc, *settings, dialogs, platform);
        form->Files().RecoveryCopy().SetFolder(dir.filePath(QStringLiteral("recovery")));
        form->show();  // offscreen: laid out and visible, so geometry and visibility mean something
    }

    Design& d() { return ctx.design; }

    // --- the pages, found by name ---
    EquipmentPage* Equipment() const { return Find<EquipmentPage>(*form, "Frame3"); }
    SlotPage* Biped() const { return Find<SlotPage>(*form, "Frame4"); }
    SlotPage* Quad() const { return Find<SlotPage>(*form, "Frame4B"); }
    // The slot page of the design's chassis, and its owned list.
    SlotPage* Page() const { return ctx.design.IsQuad ? Quad() : Biped(); }
    OwnedList* Owned() const { return OwnedOf(*Page()); }
    static OwnedList* OwnedOf(const SlotPage& page) {
        return Find<OwnedList>(page,
                               page.chassis() == SlotPage::Chassis::Humanoid ? "BipedOwned" : "QuadOwned");
    }

    // --- the window's controls, found by name ---
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(*form, name); }
    ReleaseSlider* Slider(const char* name) const { return Find<ReleaseSlider>(*form, name); }
    MouseUpCheckBox* Box(const char* name) const { return Find<MouseUpCheckBox>(*form, name); }
    QLabel* Lab(const char* name) const { return Find<QLabel>(*form, name); }
    QLineEdit* Line(const char* name) const { return Find<QLineEdit>(*form, name); }
    QAction* Act(const char* name) const { return Find<QAction>(*form, name); }
    QTabBar* Strip() const { return Find<QTabBar>(*form, "TabStrip1"); }
    void ShowPage(int index) const { Strip()->setCurrentIndex(index); }
    static SlotLabel* SlotAt(const SlotPage& page, const char* column, int i) {
        return FindAt<SlotLabel>(page, column, i);
    }
    std::size_t Steps() const { return form->Edits().History().UndoCount(); }

    // The slot page of either layout on show (a quad with a turret of `turret` slots), from page 1.
    void UseLayout(bool quad, int page = 3, int turret = 9) {
        ShowPage(0);
        Combo("ComboChassis")->setCurrentIndex(quad ? 1 : 0);
        if (quad) Combo("ComboTurret")->setCurrentIndex(turret);
        ShowPage(page);
        QApplication::setActiveWindow(form.get());
    }

    // Takes units into the design as "Add >>" does, then redraws the slot page and the status line.
    void Own(std::initializer_list<std::string> entries, int times = 1) {
        for (const std::string& entry : entries)
            for (int i = 0; i < times; ++i) AddToStash(ctx.catalog, d(), entry, 1);
        form->RefreshP4();
        form->RefreshMain();
    }
    void Own(const std::string& entry, int times = 1) {
        Own(std::initializer_list<std::string>{entry}, times);
    }

    // "Add >>" of one entry of the equipment page's available list.
    void AddAvailable(const QString& entry) const {
        EntryList* available = Find<EntryList>(*Equipment(), "AvList");
        available->clearSelection();
        const int found = available->FindRow(entry);
        ASSERT_GE(found, 0) << entry.toStdString();
        available->SetSelected(found, true);
        Find<QPushButton>(*Equipment(), "ComAdd")->click();
    }

    // Heat sinks on about one in `oneIn` free slots, so the free ones have gaps.
    void ScatterHeatSinks(std::mt19937& rng, unsigned oneIn) {
        for (int location : PlaceOrder(d())) {
            SlotArrays a = Slots(d(), location);
            for (int s = 0; s < a.count; ++s)
                if (a.codes[s] == kSlotFree && rng() % oneIn == 0) a.codes[s] = kSlotHeatSink;
        }
    }

    // Makes `entry` the current owned entry of the design's slot page.
    void Select(const QString& entry) {
        const int found = Owned()->FindRow(entry);
        ASSERT_GE(found, 0) << entry.toStdString();
        Owned()->setCurrentRow(found);
    }
    // The drop of the selected owned entry on `target`, as the toolkit delivers it.
    void DropSelectedOn(SlotLabel* target) {
        std::unique_ptr<QMimeData> data(Owned()->MakeDragData());
        ASSERT_NE(data, nullptr);
        DropOn(target, data.get());
    }
    // The user's drag: press on the owned entry (which selects it), then the drop on the label.
    static void Drag(SlotPage* page, const QString& entry, SlotLabel* target) {
        OwnedList* list = OwnedOf(*page);
        const int found = list->FindRow(entry);
        ASSERT_GE(found, 0) << entry.toStdString();
        list->setCurrentRow(found);
        std::unique_ptr<QMimeData> data(list->MakeDragData());
        ASSERT_NE(data, nullptr);
        DropOn(target, data.get());
    }

    // What a gesture did from `start` with `entry` selected, to compare two ways of doing one thing.
    struct Outcome {
        Design design;
        std::vector<FakeDialogs::Shown> shown;
        QStringList panels, owned;
        bool changed = false;
    };
    template <typename F>
    Outcome Run(const Design& start, const QString& entry, F gesture) {
        d() = start;
        ctx.SelLocation = -1;
        form->RefreshP4();
        form->RefreshMain();
        dialogs.messages.clear();
        if (!entry.isEmpty()) Select(entry);
        const Design before = d();
        gesture();
        return {d(), dialogs.messages, Panels(), Owned()->Lines(), !(d() == before)};
    }
    static void ExpectSame(const Outcome& a, const Outcome& b) {
        EXPECT_TRUE(a.design == b.design);
        ASSERT_EQ(a.shown.size(), b.shown.size());
        for (std::size_t i = 0; i < a.shown.size(); ++i) {
            EXPECT_EQ(a.shown[i].text, b.shown[i].text);
            EXPECT_EQ(a.shown[i].icon, b.shown[i].icon);
            EXPECT_EQ(a.shown[i].title, b.shown[i].title);
        }
        EXPECT_EQ(a.panels, b.panels);
        EXPECT_EQ(a.owned, b.owned);
    }

    // --- the user's gestures on the real widgets ---

    // Picks an entry of a list, as a click in its drop-down does.
    static void Choose(QComboBox* box, int index) { box->setCurrentIndex(index); }

    static void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF local(at);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent e(type, local, w->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static QPoint Centre(QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }

    // A click on a check box: press and release over it.
    static void Click(QWidget* w) {
        Mouse(w, QEvent::MouseButtonPress, Centre(w));
        Mouse(w, QEvent::MouseButtonRelease, Centre(w));
    }

    // Grabs the handle, drags it to `value` and lets go.
    static void DragTo(ReleaseSlider* s, int value) {
        Mouse(s, QEvent::MouseButtonPress, s->HandleRect().center());
        s->setValue(value);  // what the pointer's moves do, step by step
        Mouse(s, QEvent::MouseButtonRelease, s->HandleRect().center());
    }

    // A click on the track at its far right end (not on the handle).
    static void ClickTrackRight(ReleaseSlider* s) {
        const QPoint at(s->width() - 2, s->HandleRect().center().y());
        Mouse(s, QEvent::MouseButtonPress, at);
        Mouse(s, QEvent::MouseButtonRelease, at);
    }

    static void Key(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }

    QStringList Panels() const {
        QStringList out;
        for (int i = 1; i <= 7; ++i) out << vantrel::test::FindAt<QLabel>(*form, "StatBar", i)->text();
        return out;
    }

    // First catalog item of `slots` critical slots whose name the placement rules do not treat
    // specially (no ammunition, no tech mark).
    int PlainItem(int slotCount) const {
        for (int i = 0; i < kCatalogSize; ++i) {
            const CatalogItem& it = ctx.catalog[i];
            if (it.CSlots == slotCount && it.AmmoWeight == -1 && it.Name.rfind("(", 0) != 0 &&
                it.Name.find("Clamps") == std::string::npos && it.Name.find("Space") == std::string::npos)
                return i;
        }
        return -1;
    }
};

// A main window started as a user sees it: the shipped catalog already read (as the splash screen
// does, "Splash" 1), then Form_Load with no command line, which starts a new design.
class MainFormFixture : public MainFormHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings->Write(kKeySplash, QStringLiteral("1"));
        ctx.catalog = GuiShippedCatalog();
        Create();
        ASSERT_TRUE(form->Form_Load({}));
    }
};

}  // namespace vantrel::test
