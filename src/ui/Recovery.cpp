#include "ui/Recovery.h"

#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "model/Context.h"
#include "sheet/QtText.h"
#include "ui/Dialogs.h"
#include "ui/Gesture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtDebug>

#include <utility>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
constexpr int kDelayMs = 2000;
constexpr qint64 kMaxPathFileBytes = 65536;
const QString kStemPrefix = QStringLiteral("recovery");

// The file path of the design, as the side file holds it; empty when there is none or it is not a
// plain small file.
std::string ReadPathFile(const QString& name) {
    const QFileInfo info(name);
    if (!info.isFile() || info.size() > kMaxPathFileBytes) return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// Removes `name` if it is there; empty when it is gone, else why not.
QString RemoveFile(const QString& name) {
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink()) return {};
    QFile file(name);
    return file.remove() ? QString() : file.errorString();
}

// "recovery-<process>-<random>": unique among the programs running now and those before.
QString NewStem() {
    return kStemPrefix + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid()) +
           QLatin1Char('-') + QString::number(QRandomGenerator::global()->generate(), 16);
}

}  // namespace

// A copy found at start-up: its files' stem and, when it could be taken, its lock.
struct Recovery::Kept {
    QString stem;
    std::unique_ptr<QLockFile> lock;
};

Recovery::Recovery(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, std::function<bool()> unsaved,
                   QWidget* window)
    : QObject(nullptr),
      ctx_(ctx),
      gestures_(gestures),
      dialogs_(dialogs),
      unsaved_(std::move(unsaved)),
      window_(window),
      folder_(DefaultFolder()),
      stem_(NewStem()) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A dialog's own event loop may run inside a gesture; its end starts the timer again.
        if (gestures_.Active()) return;
        Flush();
    });
    connect(&gestures_, &GestureTracker::gestureEnded, this, [this] { GestureEnded(); });
}

Recovery::~Recovery() = default;

// The folder QStandardPaths::AppLocalDataLocation names for the organisation and application the
// settings are kept under. The application's own name is left alone: it is the window class the
// desktop matches the program's entry with.
QString Recovery::DefaultFolder() {
    QString overridden = qEnvironmentVariable("VANTREL_RECOVERY_DIR");
    if (!overridden.isEmpty()) return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillmoor/Quillmoor");
}

void Recovery::SetFolder(const QString& folder) {
    timer_.stop();
    lock_.reset();
    lockTried_ = false;
    folder_ = folder;
    writtenBytes_.clear();
    writtenPath_.clear();
}

QString Recovery::FileOf(const QString& stem, const char* extension) const {
    return QDir(folder_).filePath(stem + QLatin1String(extension));
}
QString Recovery::CopyPath() const { return FileOf(stem_, ".vnt"); }
QString Recovery::PathFilePath() const { return FileOf(stem_, ".path"); }

// The first call takes this window's lock for the rest of the session. Age alone never makes a
// lock stale: a lock is taken over only from a program that has ended (crashed, killed).
bool Recovery::Keeper() {
    if (!lockTried_) {
        lockTried_ = true;
        QDir().mkpath(folder_);
        lock_ = std::make_unique<QLockFile>(FileOf(stem_, ".lock"));
        lock_->setStaleLockTime(0);
        if (!lock_->tryLock(0))
            qWarning("Vantrel: no recovery copy is kept in %s",
                     qPrintable(QDir::toNativeSeparators(folder_)));
    }
    return lock_ && lock_->isLocked();
}

void Recovery::GestureEnded() {
    if (!finished_) timer_.start();
}

void Recovery::Say(const QString& text) {
    dialogs_.Message(window_, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

bool Recovery::Offer(Design& out, std::string& path) {
    // This window's own lock first: from now on no other program takes its copy for an ended one's.
    Keeper();
    // Every stem with a file in the folder: copies, side files left alone and locks of programs
    // that ended, newest copy first.
    QFileInfoList found = QDir(folder_).entryInfoList(
        {kStemPrefix + QStringLiteral(".*"), kStemPrefix + QStringLiteral("-*")},
        QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Time);
    QStringList stems;
    for (const QFileInfo& info : found) {
        const QString stem = info.completeBaseName();
        const QString ext = info.suffix();
        if ((ext == QLatin1String("vnt") || ext == QLatin1String("path") || ext == QLatin1String("lock")) &&
            (stem == kStemPrefix || stem.startsWith(kStemPrefix + QLatin1Char('-'))) && stem != stem_ &&
            !stems.contains(stem))
            stems << stem;
    }
    bool restored = false;
    for (const QString& stem : stems) {
        if (finished_) break;
        Kept kept{stem, std::make_unique<QLockFile>(FileOf(stem, ".lock"))};
        kept.lock->setStaleLockTime(0);
        if (!kept.lock->tryLock(0)) {
            // A running program's copy is its own; one that cannot be locked (a folder that cannot
            // be written) is still read and offered.
            if (kept.lock->error() == QLockFile::LockFailedError) continue;
            kept.lock.reset();
        }
        if (OfferOne(kept, out, path)) {
            restored = true;
            break;
        }
    }
    SayNoCopyIsKept();
    return restored;
}

bool Recovery::OfferOne(Kept& kept, Design& out, std::string& path) {
    const QString copy = FileOf(kept.stem, ".vnt");
    const QString shown = QDir::toNativeSeparators(copy);
    const QFileInfo info(copy);
    if (!info.exists() && !info.isSymLink()) {
        // What a program that ended without a copy left: its side file and its lock.
        if (kept.lock) RemoveFile(FileOf(kept.stem, ".path"));
        return false;
    }
    if (info.isDir()) {
        Say(QStringLiteral("The recovery copy ") + shown +
            QStringLiteral(" is a folder, not a file: it holds no unsaved work and was left as it is."));
        return false;
    }

    Design loaded;
    std::string error;
    int badRecord = 0;
    if (!DoOpen(FileSystemName(copy), loaded, error, badRecord)) {
        const QString why = ToQString(FormatOpenError(shown.toStdString(), badRecord, error));
        QString left = RemoveFile(copy);
        if (left.isEmpty()) RemoveFile(FileOf(kept.stem, ".path"));
        Say(left.isEmpty() ? QStringLiteral("The recovery copy of unsaved work could not be read and was "
                                            "discarded. ") +
                                 why
                           : QStringLiteral("The recovery copy of unsaved work could not be read. ") + why +
                                 QStringLiteral(" It could not be removed either (") + left +
                                 QStringLiteral(") and will be reported again at the next start."));
        return false;
    }
    const std::string file = ReadPathFile(FileOf(kept.stem, ".path"));
    // The question's event loop may see the session end; the copy must outlive that.
    offering_ = true;
    const QString where =
        file.empty() ? QString() : QStringLiteral(" (") + ToQString(file) + QLatin1Char(')');
    const Dialogs::Answer answer =
        dialogs_.Message(window_,
                         QStringLiteral("Unsaved changes to ") + ToQString(loaded.MechName) + where +
                             QStringLiteral(" were kept when Vantrel last ended. Restore them?"),
                         kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::RestoreDiscard);
    offering_ = false;
    if (finished_) return false;
    // Only Discard throws the copy away; a box closed without an answer keeps the work.
    if (answer == Dialogs::Answer::Discard) {
        const QString left = RemoveFile(copy);
        if (left.isEmpty())
            RemoveFile(FileOf(kept.stem, ".path"));
        else
            Say(QStringLiteral("The recovery copy ") + shown + QStringLiteral(" could not be removed (") +
                left + QStringLiteral(") and will be offered again at the next start."));
        return false;
    }
    if (kept.lock) {
        // The restored work goes on in the copy it came from, under its lock; this window's own
        // lock, unused, goes.
        lock_ = std::move(kept.lock);
        lockTried_ = true;
        stem_ = kept.stem;
        writtenBytes_ = DesignFileBytes(loaded);
        writtenPath_ = file;
    }
    out = std::move(loaded);
    path = file;
    return true;
}

// A window that can keep no copy says so once, when it starts: a kill or a crash would lose its
// work, and the standard error is seen by nobody.
void Recovery::SayNoCopyIsKept() {
    if (finished_ || Keeper()) return;
    const QString why = !QFileInfo(folder_).isDir()
                            ? QStringLiteral("it is not a folder and cannot be made one")
                        : lock_ && lock_->error() == QLockFile::PermissionError
                            ? QStringLiteral("the folder cannot be written")
                            : QStringLiteral("no file can be written there");
    Say(QStringLiteral("No recovery copy of unsaved work can be kept in ") +
        QDir::toNativeSeparators(folder_) + QStringLiteral(": ") + why +
        QStringLiteral(". A crash or the end of the session would lose unsaved changes: save your work to "
                       "keep it."));
}

bool Recovery::Write() {
    std::optional<std::string> notes = pendingNotes_ ? pendingNotes_() : std::nullopt;
    std::string bytes;
    if (notes) {
        Design withNotes = ctx_.design;
        withNotes.History = std::move(*notes);
        bytes = DesignFileBytes(withNotes);
    } else {
        bytes = DesignFileBytes(ctx_.design);
    }
    const QFileInfo copy(CopyPath());
    if (bytes == writtenBytes_ && ctx_.DesignFile == writtenPath_ && copy.exists()) return true;

    std::string error;
    bool ok = WriteFileAtomically(FileSystemName(PathFilePath()), ctx_.DesignFile, error) &&
              WriteFileAtomically(FileSystemName(CopyPath()), bytes, error);
    if (ok) {
        writtenBytes_ = std::move(bytes);
        writtenPath_ = ctx_.DesignFile;
        return true;
    }
    writtenBytes_.clear();
    const QString text = QStringLiteral("The recovery copy of unsaved work could not be written to ") +
                         QDir::toNativeSeparators(CopyPath()) + QStringLiteral(": ") + ToQString(error) +
                         QStringLiteral(". Save your work to keep it.");
    qWarning("Vantrel: %s", qPrintable(text));
    // Said once a session: the copy is tried again after every change, silently.
    if (!warned_ && !finished_) {
        warned_ = true;
        Say(text);
    }
    return false;
}

void Recovery::Flush() {
    timer_.stop();
    if (finished_ || offering_ || !Keeper()) return;
    if (unsaved_())
        Write();
    else
        Remove();
}

void Recovery::Remove() {
    timer_.stop();
    if (!Keeper()) return;
    RemoveFile(CopyPath());
    RemoveFile(PathFilePath());
    writtenBytes_.clear();
    writtenPath_.clear();
}

void Recovery::Finish() {
    Remove();
    finished_ = true;
    lock_.reset();
}

void Recovery::EndSession() {
    if (!finished_) {
        // No question may be asked now: the session is ending.
        warned_ = true;
        Flush();
        finished_ = true;
    }
    // exit, not quit: quit would ask every window to close, and the main window would ask about
    // the unsaved changes. exit leaves every loop running now, a dialog's included.
    QCoreApplication::exit(0);
}

}  // namespace vantrel
