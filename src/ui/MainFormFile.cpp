// The File menu: new, open, save, save as, export, quit and the close request; the name and model
// boxes; the first-start registration and the design named on the command line.

#include "files/DesignFile.h"
#include "files/Readout.h"
#include "platform/AppPaths.h"
#include "platform/CommandLine.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/MainCalc.h"
#include "ui/Dialogs.h"
#include "ui/Gesture.h"
#include "ui/MainForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
const QString kDesignFilter = QStringLiteral("Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*");
const QString kExportFilter =
    QStringLiteral("Text Files (*.txt)|*.txt|Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*");
const QString kDesignExt = QStringLiteral("vnt");
const QString kExportExt = QStringLiteral("txt");

enum class SaveResult { Written, Cancelled, Failed };

std::string FileSystemName(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

void Warn(MainForm& f, const QString& text) {
    f.dialogs_.Message(&f, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

// Advice only: an overweight or overheating design is saved like any other.
void ShowSaveWarning(MainForm& f) {
    if (const char* warning = SaveWarning(f.ctx_.design)) Warn(f, QString::fromUtf8(warning));
}

QString SavesFolder() { return QDir(ProgramDirectory()).filePath(QStringLiteral("saves")); }

// Writes the design to `path` and refreshes; the old file survives a failure, which is reported.
bool WriteDesign(MainForm& f, const QString& path) {
    std::string error;
    if (!DoSaveAs(f.ctx_.design, FileSystemName(path), error)) {
        Warn(f, QStringLiteral("Could not save ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                    Q(error) + QLatin1Char('.'));
        return false;
    }
    // RefreshMain marks the design as changed, so the mark comes after it.
    f.RefreshMain();
    f.TabStrip1_Click(f.TabStrip1->currentIndex() + 1);
    f.ctx_.Saved = true;
    return true;
}

SaveResult SaveAsCommand(MainForm& f) {
    Context& ctx = f.ctx_;
    if (!ctx.WarnedOnSave) ShowSaveWarning(f);
    ctx.WarnedOnSave = false;

    Dialogs::FileRequest request;
    request.save = true;
    request.folder = SavesFolder();
    request.fileName =
        ctx.DesignFile.empty() ? Q(ctx.design.MechName) + QStringLiteral(".vnt") : Q(ctx.DesignFile);
    request.filter = kDesignFilter;
    request.defaultSuffix = kDesignExt;
    const QString path = f.dialogs_.File(&f, request);
    if (path.isEmpty()) return SaveResult::Cancelled;

    const std::string previous = ctx.DesignFile;
    ctx.DesignFile = path.toStdString();
    if (!WriteDesign(f, path)) {
        // The chosen file does not hold the design: keep naming the one that may.
        ctx.DesignFile = previous;
        return SaveResult::Failed;
    }
    f.dialogs_.Message(&f, QStringLiteral("Saved to: ") + path, QStringLiteral("Saved"),
                       Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    return SaveResult::Written;
}

SaveResult SaveCommand(MainForm& f) {
    Context& ctx = f.ctx_;
    ctx.WarnedOnSave = false;
    ShowSaveWarning(f);
    if (!ctx.DesignFile.empty())
        return WriteDesign(f, Q(ctx.DesignFile)) ? SaveResult::Written : SaveResult::Failed;
    ctx.WarnedOnSave = true;
    return SaveAsCommand(f);
}

// The unsaved-changes question of New, Open and closing; true when the command goes on.
// A cancelled Save As still goes on; a save that failed to write stops the command, so the
// design the user asked to keep is not thrown away after "Could not save".
bool UnsavedChangesCheck(MainForm& f) {
    if (f.ctx_.Saved) return true;
    const Dialogs::Answer answer = f.dialogs_.Message(
        &f, QStringLiteral("Save changes to ") + Q(f.ctx_.design.MechName) + QLatin1Char('?'), kTitle,
        Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNoCancel);
    switch (answer) {
        case Dialogs::Answer::No: return true;
        case Dialogs::Answer::Yes: return SaveCommand(f) != SaveResult::Failed;
        default: return false;
    }
}

void RefreshAll(MainForm& f) {
    f.RefreshP1();
    f.RefreshP2();
    f.RefreshP3();
    f.RefreshP4();
    f.RefreshMain();
}

// Brings a design read from a file into the window. The refreshes set the controls, whose change
// handlers rewrite parts of the state (a chassis change clears the turret, a slot rebuild clears
// the slots); assigning the file's design again after each round leaves the state exactly as the
// file holds it.
void LoadIntoWindow(MainForm& f, const Design& loaded) {
    f.ctx_.design = loaded;
    RefreshAll(f);
    f.ctx_.design = loaded;
    RefreshAll(f);
    f.ctx_.design = loaded;
    f.ctx_.Saved = true;
    f.ReloadHistoryWindow();
}

// Reads a design file; on failure says which file and record, and `out` is untouched.
bool ReadDesign(MainForm& f, const QString& path, Design& out) {
    std::string error;
    int badRecord = 0;
    if (DoOpen(FileSystemName(path), out, error, badRecord)) return true;
    Warn(f, Q(FormatOpenError(QDir::toNativeSeparators(path).toStdString(), badRecord, error)));
    return false;
}

// The texts cannot carry a double quote in a design file: the character is taken out of the box.
QString WithoutQuotes(QLineEdit* box) {
    QString text = box->text();
    if (!text.contains(QLatin1Char('"'))) return text;
    const int cursor = box->cursorPosition();
    const int removedBefore = box->text().left(cursor).count(QLatin1Char('"'));
    text.remove(QLatin1Char('"'));
    const QSignalBlocker block(box);
    box->setText(text);
    box->setCursorPosition(cursor - removedBefore);
    return text;
}

}  // namespace

void MainForm::MNew_Click() {
    const GestureScope gesture(*gestures_, "New");
    if (!UnsavedChangesCheck(*this)) return;
    ctx_.DesignFile.clear();
    NewDesign(ctx_.design);
    ctx_.RebuildSlots = true;
    RefreshAll(*this);
    ctx_.Saved = true;
    ReloadHistoryWindow();
}

void MainForm::MOpen_Click() {
    const GestureScope gesture(*gestures_, "Open");
    if (!UnsavedChangesCheck(*this)) return;

    Dialogs::FileRequest request;
    request.save = false;
    request.folder = SavesFolder();
    request.fileName = Q(ctx_.DesignFile);
    request.filter = kDesignFilter;
    request.defaultSuffix = kDesignExt;
    const QString path = dialogs_.File(this, request);
    if (path.isEmpty()) return;

    // The whole file is read and checked before anything changes: a refused file leaves the
    // design and DesignFile as they were.
    Design loaded;
    if (!ReadDesign(*this, path, loaded)) return;

    ctx_.DesignFile = path.toStdString();
    // The window is not disabled around the load: no input and no painting can come between the
    // refreshes of this one handler, and a disable and enable made every control repaint, the
    // larger part of the command's time.
    LoadIntoWindow(*this, loaded);
}

void MainForm::MSave_Click() {
    const GestureScope gesture(*gestures_, "Save");
    SaveCommand(*this);
}

void MainForm::MSaveAs_Click() {
    const GestureScope gesture(*gestures_, "Save As");
    SaveAsCommand(*this);
}

void MainForm::MExport_Click() {
    const GestureScope gesture(*gestures_, "Export");
    // Every request names its own default extension, so the design dialogs keep adding ".vnt"
    // whatever happens here.
    Dialogs::FileRequest request;
    request.save = true;
    request.folder = ProgramDirectory();
    request.fileName = QDir(ProgramDirectory()).filePath(Q(ctx_.design.MechName) + QStringLiteral(".txt"));
    request.filter = kExportFilter;
    request.defaultSuffix = kExportExt;
    const QString path = dialogs_.File(this, request);
    if (path.isEmpty()) return;

    RefreshP1();
    RefreshP2();
    RefreshP3();
    RefreshP4();
    MainCalc(ctx_);
    RefreshMain();

    std::string error;
    if (!WriteReadout(FileSystemName(path), Readout(ctx_), error)) {
        Warn(*this, QStringLiteral("Could not save ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(": ") + Q(error) + QLatin1Char('.'));
        return;
    }
    ShellDef(path);
}

void MainForm::MQuit_Click() {
    const GestureScope gesture(*gestures_, "Quit");
    close();
}

bool MainForm::Form_QueryUnload() { return UnsavedChangesCheck(*this); }

void MainForm::closeEvent(QCloseEvent* e) {
    const GestureScope gesture(*gestures_, "Close");
    if (Form_QueryUnload())
        e->accept();
    else
        e->ignore();
}

void MainForm::TextMechName_Change() {
    const GestureScope gesture(*gestures_, "Name");
    ctx_.design.MechName = WithoutQuotes(TextMechName).toStdString();
}

void MainForm::TextModel_Change() {
    const GestureScope gesture(*gestures_, "Model");
    ctx_.design.Model = WithoutQuotes(TextModel).toStdString();
}

void MainForm::FirstStartRegistration() {
    if (settings_.ReadNumber(kKeyFileAssoc, 0) != 0) return;
    // Whether the desktop took the registration is not looked at; it is not tried again.
    platform_.RegisterFileType(QStringLiteral("VNT"), platform_.ProgramPath(), QStringLiteral("Vantrel"));
    settings_.Write(kKeyFileAssoc, QStringLiteral("1"));
}

bool MainForm::CommandLineOpen(const QStringList& args) {
    const QString path = DesignPathFromArgs(args);
    if (path.isEmpty() || !IsDesignPath(path)) return false;
    Design loaded;
    if (!ReadDesign(*this, path, loaded)) return false;  // start-up goes on with a new design
    // DesignFile stays as it is (empty at start-up): the first Save asks for a name.
    LoadIntoWindow(*this, loaded);
    return true;
}

void MainForm::ShellDef(const QString& fileName) { platform_.ShellDef(fileName); }

}  // namespace vantrel
