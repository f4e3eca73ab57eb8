#pragma once

#include "files/AtomicFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QWidget;

namespace vantrel {

struct Context;
class Document;
struct Design;
class Dialogs;
class GestureTracker;
class PageHost;
class Platform;
class RecentFiles;
class Recovery;
class SettingsStore;

// The commands of the File menu, the close request with its unsaved-changes question, and the
// start-up steps that read a design: the first-start registration and the command line.
// `window` is the parent of the messages and dialogs and is closed by Quit.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Document& doc, PageHost& host, GestureTracker& gestures, Dialogs& dialogs,
                 SettingsStore& settings, Platform& platform, QWidget* window);

    void MNew_Click();
    void MOpen_Click();
    void MSave_Click();
    void MSaveAs_Click();
    void MExport_Click();
    void MQuit_Click();
    // The close request: true when the window may close.
    bool Form_QueryUnload();

    void FirstStartRegistration();
    bool CommandLineOpen(const QStringList& args);  // true when it opened a design
    bool ShellDef(const QString& fileName);

    // The unsaved-changes question of New, Open and closing; true when the command goes on.
    bool UnsavedChangesCheck();
    // Whether the window holds changes not written to a file: the one rule every caller asks.
    bool HasUnsavedChanges() const;

    // The copy of the unsaved design kept against a crash.
    Recovery& RecoveryCopy() { return *recovery_; }
    // Start-up: a kept copy the user restores stands in the window, unsaved, with its file path.
    // `onDisk` is what that file holds, when it can be read.
    bool RestoreRecoveryCopy(std::optional<Design>& onDisk);

    // Open without the dialog, for a design file dropped on the window and for an entry of the
    // recent list (a missing one leaves the list with a message).
    void OpenDropped(const QString& path);
    void OpenRecent(const QString& path);
    // A design made elsewhere (an imported unit) stands in the window without a file.
    void LoadUnsaved(const Design& loaded);
    RecentFiles& Recent() { return *recent_; }
    // The Open dialog alone: the chosen design file (its folder remembered), or empty.
    QString AskDesignFile();
    // Where the Open and Save As dialogs start (see DialogFolder); the saves folder is looked for in
    // the program's folder, which tests point elsewhere.
    QString DialogFolder() const;
    QString programFolder_;

signals:
    // Another design now stands in the window (New, Open, the command line): a fresh start.
    void designReplaced();
    // The design as it stands was written to its file.
    void designSaved();

private:
    enum class SaveResult { Written, Cancelled, Failed };

    void Warn(const QString& text);
    void ShowSaveWarning();
    SaveResult WriteDesign(const QString& path);
    // What the design's file is like now, taken when it is read or written.
    void RememberFileState(const QString& path);
    // Whether the user lets a save replace `path`, which another program may have changed since.
    bool MayReplace(const QString& path);
    SaveResult SaveAsCommand();
    SaveResult SaveCommand();
    void RefreshAll();
    void LoadIntoWindow(const Design& loaded);
    bool ReadDesign(const QString& path, Design& out);
    void OpenChosen(const QString& path);
    void RememberFolder(const QString& chosen);

    Document& doc_;
    Context& ctx_;
    PageHost& host_;
    GestureTracker& gestures_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    Platform& platform_;
    QWidget* window_;
    Recovery* recovery_;
    RecentFiles* recent_;
    // The file last read or written, and what it was like then.
    std::string knownFile_;
    std::optional<FileStamp> knownStamp_;
};

}  // namespace vantrel
