#pragma once

// A real main window, headless, as the program builds it: settings in an INI file of a temporary
// folder, dialogs answered from queues, no desktop registration.

#include "FakeDialogs.h"
#include "files/DesignFile.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "ui/EditCommands.h"
#include "ui/FileCommands.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>

#include <string>

namespace vantrel::bench {

// Counts the paint events the application delivers, so a benchmark can show that its figure
// includes the repaint and not only the handler.
class PaintCounter : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct Window {
    QTemporaryDir dir;
    Document doc;
    Context& ctx = doc.ctx;
    test::FakeDialogs dialogs;
    NullPlatform platform;
    SettingsStore settings;
    MainForm form;
    PaintCounter counter;
    bool ok = false;  // Form_Load went through

    // With `catalog`, the catalog was already read (as the splash screen does); without, the
    // window reads it from the program directory as it does with the splash screen off.
    explicit Window(const CatalogRef* catalog)
        : settings(dir.filePath(QStringLiteral("settings.ini"))), form(doc, settings, dialogs, platform) {
        settings.Write(kKeyFileAssoc, QStringLiteral("1"));
        if (catalog) {
            settings.Write(kKeySplash, QStringLiteral("1"));
            ctx.catalog = *catalog;
        } else {
            settings.Write(kKeySplash, QStringLiteral("0"));
            form.catalogPath_ = QStringLiteral(VANTREL_CATALOG_PATH);
        }
        ok = form.Form_Load({});
        form.show();
        Settle();
    }

    // Saves `design` and opens it through File, Open..., as a user would; false on failure.
    bool OpenDesign(const Design& design, const QString& path) {
        std::string error;
        if (!DoSaveAs(design, path.toStdString(), error)) return false;
        form.Edits().MarkSaved();
        dialogs.fileNames.push_back(path);
        form.Files().MOpen_Click();
        Settle();
        return dialogs.messages.empty() && ctx.design.MechName == design.MechName;
    }

    // Runs the event loop until nothing more is painted: posted handlers, the layout requests they
    // post, then the repaints. A chain can take a quiet round (a layout request) before its last
    // paint, so it ends only after three quiet rounds in a row.
    void Settle() {
        for (int round = 0, quiet = 0; round < 16 && quiet < 3; ++round) {
            const long before = counter.paints;
            QCoreApplication::processEvents();
            quiet = counter.paints == before ? quiet + 1 : 0;
        }
    }
};

}  // namespace vantrel::bench
