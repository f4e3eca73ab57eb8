// The File menu: new, open, save, save as, export, quit and the close request; the first-start
// registration and the design named on the command line.

#include "ui/FileCommands.h"

#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "files/Readout.h"
#include "model/Document.h"
#include "platform/AppPaths.h"
#include "platform/CommandLine.h"
#include "platform/FileAssociation.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"
#include "sheet/QtText.h"
#include "ui/Dialogs.h"
#include "ui/Gesture.h"
#include "ui/PageHost.h"
#include "ui/RecentFiles.h"
#include "ui/Recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
const QString kDesignFilter = QStringLiteral("Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*");
const QString kExportFilter =
    QStringLiteral("Text Files (*.txt)|*.txt|Vantrel Files (*.vnt)|*.vnt|All Files (*.*)|*.*");
const QString kDesignExt = QStringLiteral("vnt");
const QString kExportExt = QStringLiteral("txt");

}  // namespace

FileCommands::FileCommands(Document& doc, PageHost& host, GestureTracker& gestures, Dialogs& dialogs,
                           SettingsStore& settings, Platform& platform, QWidget* window)
    : QObject(window),
      doc_(doc),
      ctx_(doc.ctx),
      host_(host),
      gestures_(gestures),
      dialogs_(dialogs),
      settings_(settings),
      platform_(platform),
      window_(window),
      recovery_(new Recovery(
          doc.ctx, gestures, dialogs, [this] { return HasUnsavedChanges(); }, window)),
      recent_(new RecentFiles(settings, this)) {
    recovery_->setParent(this);
    programFolder_ = ProgramDirectory();
    connect(recent_, &RecentFiles::chosen, this, &FileCommands::OpenRecent);
}

// The saves folder beside the program where there is one; else (always once installed, where the
// program's folder is not the user's) the folder last used, else the user's documents folder.
QString FileCommands::DialogFolder() const {
    QString saves = QDir(programFolder_).filePath(QStringLiteral("saves"));
    if (QFileInfo(saves).isDir()) return saves;
    QString last = settings_.Read(kKeyLastFolder, QString());
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void FileCommands::RememberFolder(const QString& chosen) {
    const QString folder = QFileInfo(chosen).absolutePath();
    if (settings_.Read(kKeyLastFolder, QString()) != folder) settings_.Write(kKeyLastFolder, folder);
}

void FileCommands::Warn(const QString& text) {
    dialogs_.Message(window_, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

// Advice only: an overweight or overheating design is saved like any other.
void FileCommands::ShowSaveWarning() {
    if (const char* warning = SaveWarning(ctx_.design)) Warn(QString::fromUtf8(warning));
}

void FileCommands::RememberFileState(const QString& path) {
    knownFile_ = FileSystemName(path);
    knownStamp_ = StampOf(knownFile_);
}

// Another program's version of the file would be lost without a word: the user decides.
bool FileCommands::MayReplace(const QString& path) {
    if (!knownStamp_ || !SameFile(FileSystemName(path), knownFile_)) return true;
    const std::optional<FileStamp> now = StampOf(knownFile_);
    if (!now || *now == *knownStamp_) return true;
    return dialogs_.Message(
               window_,
               QDir::toNativeSeparators(path) +
                   QStringLiteral(" was changed by another program since it was opened. Replace it?"),
               kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

// Writes the design to `path` and refreshes; the old file survives a failure, which is reported.
FileCommands::SaveResult FileCommands::WriteDesign(const QString& path) {
    if (!MayReplace(path)) return SaveResult::Cancelled;
    std::string error;
    if (!DoSaveAs(ctx_.design, FileSystemName(path), error)) {
        Warn(CouldNotSave(path, ToQString(error)));
        return SaveResult::Failed;
    }
    RememberFileState(path);
    recovery_->Remove();
    host_.RefreshMain();
    host_.RefreshCurrentPage();
    emit designSaved();
    recent_->Add(path);
    return SaveResult::Written;
}

FileCommands::SaveResult FileCommands::SaveAsCommand() {
    if (!ctx_.WarnedOnSave) ShowSaveWarning();
    ctx_.WarnedOnSave = false;

    Dialogs::FileRequest request;
    request.save = true;
    request.folder = DialogFolder();
    request.fileName = ctx_.DesignFile.empty() ? ToQString(ctx_.design.MechName) + QStringLiteral(".vnt")
                                               : FileNameFromSystem(ctx_.DesignFile);
    request.filter = kDesignFilter;
    request.defaultSuffix = kDesignExt;
    const QString path = dialogs_.File(window_, request);
    if (path.isEmpty()) return SaveResult::Cancelled;
    RememberFolder(path);

    const std::string previous = ctx_.DesignFile;
    ctx_.DesignFile = FileSystemName(path);
    if (const SaveResult result = WriteDesign(path); result != SaveResult::Written) {
        // The chosen file does not hold the design: keep naming the one that may.
        ctx_.DesignFile = previous;
        return result;
    }
    dialogs_.Message(window_, QStringLiteral("Saved to: ") + path, QStringLiteral("Saved"),
                     Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    return SaveResult::Written;
}

FileCommands::SaveResult FileCommands::SaveCommand() {
    ctx_.WarnedOnSave = false;
    ShowSaveWarning();
    if (!ctx_.DesignFile.empty()) return WriteDesign(FileNameFromSystem(ctx_.DesignFile));
    ctx_.WarnedOnSave = true;
    return SaveAsCommand();
}

bool FileCommands::HasUnsavedChanges() const { return doc_.Changed() || host_.HistoryNotesPending(); }

// After Yes the command goes on only when the design was written: a cancelled Save As or a failed
// write stops it, so the design the user asked to keep is never thrown away.
bool FileCommands::UnsavedChangesCheck() {
    if (!HasUnsavedChanges()) return true;
    const Dialogs::Answer answer = dialogs_.Message(
        window_, QStringLiteral("Save changes to ") + ToQString(ctx_.design.MechName) + QLatin1Char('?'),
        kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNoCancel);
    switch (answer) {
        case Dialogs::Answer::No: return true;
        case Dialogs::Answer::Yes:
            // Notes typed but not applied go into the design that is saved.
            if (host_.HistoryNotesPending()) host_.ApplyHistoryNotes();
            return SaveCommand() == SaveResult::Written;
        default: return false;
    }
}

void FileCommands::RefreshAll() {
    // The pages read totals (the heat sink slider's reach is the heat); a file's stored ones may be stale.
    MainCalc(ctx_);
    host_.RefreshP1();
    host_.RefreshP2();
    host_.RefreshP3();
    host_.RefreshP4();
    host_.RefreshMain();
    host_.ShowTitle();
}

// Brings a design read from a file into the window: the state as the file holds it, shown once. The
// refreshes write nothing back, so values outside what the sliders allow stay as they are (the design
// check names them) and the design counts as unchanged.
void FileCommands::LoadIntoWindow(const Design& loaded) {
    ctx_.design = loaded;
    ctx_.armorList = ArmorListFor(loaded);
    ctx_.RebuildSlots = false;
    RefreshAll();
    // The status line shows the totals worked out afresh; the state keeps those the file stored until
    // the next gesture works them out again.
    Design& d = ctx_.design;
    d.CurrentKg = loaded.CurrentKg;
    d.FreeKg = loaded.FreeKg;
    d.MaxHeat = loaded.MaxHeat;
    d.HeatDissipation = loaded.HeatDissipation;
    d.UsedCSlots = loaded.UsedCSlots;
    d.FreeCSlots = loaded.FreeCSlots;
    d.EstimatedBV = loaded.EstimatedBV;
    d.Cost = loaded.Cost;
    host_.ReloadHistoryWindow();
    emit designReplaced();
}

// Reads a design file; on failure says which file and record, and `out` is untouched.
bool FileCommands::ReadDesign(const QString& path, Design& out) {
    std::string error;
    int badRecord = 0;
    if (DoOpen(FileSystemName(path), out, error, badRecord)) return true;
    Warn(ToQString(FormatOpenError(QDir::toNativeSeparators(path).toStdString(), badRecord, error)));
    return false;
}

void FileCommands::MNew_Click() {
    const GestureScope gesture(gestures_, "New");
    if (!UnsavedChangesCheck()) return;
    recovery_->Remove();
    ctx_.DesignFile.clear();
    knownStamp_.reset();
    NewDesign(ctx_.design);
    ctx_.armorList = ArmorListFor(ctx_.design);
    ctx_.RebuildSlots = true;
    host_.RunSlotRebuild();
    RefreshAll();
    host_.ReloadHistoryWindow();
    emit designReplaced();
}

void FileCommands::MOpen_Click() {
    const GestureScope gesture(gestures_, "Open");
    if (!UnsavedChangesCheck()) return;

    const QString path = AskDesignFile();
    if (!path.isEmpty()) OpenChosen(path);
}

QString FileCommands::AskDesignFile() {
    Dialogs::FileRequest request;
    request.save = false;
    request.folder = DialogFolder();
    request.fileName = FileNameFromSystem(ctx_.DesignFile);
    request.filter = kDesignFilter;
    request.defaultSuffix = kDesignExt;
    QString path = dialogs_.File(window_, request);
    if (!path.isEmpty()) RememberFolder(path);
    return path;
}

// What Open does once the file is chosen, whichever way it was.
void FileCommands::OpenChosen(const QString& path) {
    // The whole file is read and checked before anything changes: a refused file leaves the
    // design and DesignFile as they were.
    Design loaded;
    if (!ReadDesign(path, loaded)) return;

    ctx_.DesignFile = FileSystemName(path);
    RememberFileState(path);
    recovery_->Remove();
    // The window is not disabled around the load: no input and no painting can come between the
    // refreshes of this one handler, and a disable and enable made every control repaint, the
    // larger part of the command's time.
    LoadIntoWindow(loaded);
    recent_->Add(path);
}

void FileCommands::LoadUnsaved(const Design& loaded) {
    recovery_->Remove();
    ctx_.DesignFile.clear();
    LoadIntoWindow(loaded);
}

void FileCommands::OpenDropped(const QString& path) {
    const GestureScope gesture(gestures_, "Open");
    if (!UnsavedChangesCheck()) return;
    OpenChosen(path);
}

void FileCommands::OpenRecent(const QString& path) {
    const GestureScope gesture(gestures_, "Open");
    // Asked before the unsaved-changes question: there is nothing to open.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(FileSystemName(path)), error)) {
        recent_->Remove(path);
        Warn(QDir::toNativeSeparators(path) +
             QStringLiteral(" no longer exists. It has been removed from the recent files."));
        return;
    }
    if (!UnsavedChangesCheck()) return;
    OpenChosen(path);
}

void FileCommands::MSave_Click() {
    const GestureScope gesture(gestures_, "Save");
    SaveCommand();
}

void FileCommands::MSaveAs_Click() {
    const GestureScope gesture(gestures_, "Save As");
    SaveAsCommand();
}

void FileCommands::MExport_Click() {
    const GestureScope gesture(gestures_, "Export");
    // Every request names its own default extension, so the design dialogs keep adding ".vnt"
    // whatever happens here.
    Dialogs::FileRequest request;
    request.save = true;
    request.folder = ProgramDirectory();
    request.fileName =
        QDir(ProgramDirectory()).filePath(ToQString(ctx_.design.MechName) + QStringLiteral(".txt"));
    request.filter = kExportFilter;
    request.defaultSuffix = kExportExt;
    const QString path = dialogs_.File(window_, request);
    if (path.isEmpty()) return;

    host_.RefreshP1();
    host_.RefreshP2();
    host_.RefreshP3();
    host_.RefreshP4();
    MainCalc(ctx_);
    host_.RefreshMain();

    std::string error;
    // The design's own file chosen by mistake would lose the design for its readout.
    if (SameFile(FileSystemName(path), FileSystemName(ToQString(ctx_.DesignFile))))
        error = kTargetIsTheDesign;
    if (!error.empty() || !WriteReadout(FileSystemName(path), Readout(ctx_), error)) {
        Warn(CouldNotSave(path, ToQString(error)));
        return;
    }
    // Without a program for text files the user would see nothing at all: say where it went.
    if (!ShellDef(path))
        dialogs_.Message(window_,
                         QStringLiteral("The readout was written to ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(", but no program could be started to show it."),
                         kTitle, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void FileCommands::MQuit_Click() {
    const GestureScope gesture(gestures_, "Quit");
    window_->close();
}

bool FileCommands::Form_QueryUnload() {
    const GestureScope gesture(gestures_, "Close");
    if (!UnsavedChangesCheck()) return false;
    recovery_->Finish();
    return true;
}

// The registration follows the program: a program run from another folder than the one registered
// registers again, and the installed program leaves it to the installed files.
void FileCommands::FirstStartRegistration() {
    const QString program = platform_.ProgramPath();
    switch (NextRegistrationStep(settings_.ReadNumber(kKeyFileAssoc, 0),
                                 settings_.Read(kKeyFileAssocPath, {}), program,
                                 platform_.IsInstalled(program))) {
        case RegistrationStep::None: return;
        case RegistrationStep::Register:
            // Whether the desktop took the registration is not looked at; it is not tried again.
            platform_.RegisterFileType(QStringLiteral("VNT"), program, QStringLiteral("Vantrel"));
            settings_.Write(kKeyFileAssoc, QStringLiteral("1"));
            break;
        case RegistrationStep::TakeBack: platform_.UnregisterFileType(QStringLiteral("Vantrel")); break;
    }
    settings_.Write(kKeyFileAssocPath, program);
}

bool FileCommands::CommandLineOpen(const QStringList& args) {
    const QString path = DesignPathFromArgs(args);
    if (path.isEmpty() || !IsDesignPath(path)) return false;
    Design loaded;
    if (!ReadDesign(path, loaded)) return false;  // start-up goes on with a new design
    // DesignFile stays as it is (empty at start-up): the first Save asks for a name.
    RememberFileState(path);
    LoadIntoWindow(loaded);
    recent_->Add(path);
    return true;
}

bool FileCommands::RestoreRecoveryCopy(std::optional<Design>& onDisk) {
    Design restored;
    std::string path;
    if (!recovery_->Offer(restored, path)) return false;
    onDisk.reset();
    Design file;
    std::string error;
    int badRecord = 0;
    if (!path.empty() && DoOpen(path, file, error, badRecord)) onDisk = std::move(file);
    LoadIntoWindow(restored);
    ctx_.DesignFile = path;
    return true;
}

bool FileCommands::ShellDef(const QString& fileName) { return platform_.ShellDef(fileName); }

}  // namespace vantrel
