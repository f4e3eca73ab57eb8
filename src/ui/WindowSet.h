#pragma once

#include "model/Catalog.h"
#include "ui/MainForm.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace vantrel {

class Dialogs;
class Document;
class Platform;
class RecentList;
class SettingsStore;

// The program's main windows: each holds a document of its own (design, undo history, unsaved-changes
// question, recovery copy) over the one catalog; the recent-files list is shared. A closed window
// goes with its document; closing the last one ends the program (the toolkit's own rule).
class WindowSet : public QObject {
    Q_OBJECT
public:
    WindowSet(CatalogRef catalog, SettingsStore& settings, Dialogs& dialogs, Platform& platform,
              QObject* parent = nullptr);
    ~WindowSet() override;

    // The first window, started as the program starts: the catalog when the splash screen is off,
    // work kept from an ended session (each further kept design in a window of its own), else the
    // design named by `args`, else a new one. Null when start-up must stop.
    MainForm* Start(const QStringList& args);
    // A window with a new design, shown.
    MainForm* NewWindow();
    // A window with the design (or MegaMek unit) of `path`; none when it could not be read, which
    // has been said.
    MainForm* OpenInNewWindow(const QString& path);
    // File > Quit: every window closes in turn, each asking about its unsaved changes; false when
    // one was cancelled, and the windows after it stay.
    bool QuitAll();
    // A logout or shutdown: every window keeps its unsaved work as its recovery copy.
    void EndSession();

    std::vector<MainForm*> Windows() const;
    // Where the first window reads the catalog when the splash screen is off; empty: the program's.
    QString catalogPath;
    // Where the windows keep their recovery copies; empty: the user's data folder.
    QString recoveryFolder;
    // Whether a window builds every page at once or the first only, the others after it is drawn.
    MainForm::PagesAtStart pagesAtStart = MainForm::PagesAtStart::All;

private:
    struct Entry;
    MainForm* Create();
    void Show(MainForm* form, MainForm* besides);

    CatalogRef catalog_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    Platform& platform_;
    RecentList* recent_ = nullptr;
    std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace vantrel
