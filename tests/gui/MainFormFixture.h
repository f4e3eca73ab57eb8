#pragma once

#include "FakeDialogs.h"
#include "FindWidget.h"
#include "model/Catalog.h"
#include "model/Context.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "ui/EquipmentPage.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"
#include "ui/MainFormControls.h"
#include "ui/Recovery.h"
#include "ui/SlotPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
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
inline const Catalog& GuiShippedCatalog() {
    static const std::unique_ptr<Catalog> catalog = [] {
        auto c = std::make_unique<Catalog>();
        CatalogError e;
        if (!LoadCatalog(VANTREL_CATALOG_PATH, *c, e))
            throw std::runtime_error(FormatCatalogError(VANTREL_CATALOG_PATH, e));
        return c;
    }();
    return *catalog;
}

// The pieces of a main window, not yet loaded: tests of start-up set the settings first.
// Settings live in an INI file in a temporary folder.
class MainFormHarness : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Context ctx;
    FakeDialogs dialogs;
    RecordingPlatform platform;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<MainForm> form;

    MainFormHarness()
        : settings(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")))) {}

    void Create() {
        form = std::make_unique<MainForm>(ctx, *settings, dialogs, platform);
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
