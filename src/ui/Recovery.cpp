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
#include <QStandardPaths>
#include <QtDebug>

#include <utility>

namespace vantrel {

namespace {

const QString kTitle = QStringLiteral("Vantrel");
constexpr int kDelayMs = 2000;
constexpr qint64 kMaxPathFileBytes = 65536;

// The file path of the design, as the side file holds it; empty when there is none or it is not a
// plain small file.
std::string ReadPathFile(const QString& name) {
    const QFileInfo info(name);
    if (!info.isFile() || info.size() > kMaxPathFileBytes) return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace

Recovery::Recovery(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, std::function<bool()> unsaved,
                   QWidget* window)
    : QObject(nullptr),
      ctx_(ctx),
      gestures_(gestures),
      dialogs_(dialogs),
      unsaved_(std::move(unsaved)),
      window_(window),
      folder_(DefaultFolder()) {
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

QString Recovery::CopyPath() const { return QDir(folder_).filePath(QStringLiteral("recovery.vnt")); }
QString Recovery::PathFilePath() const { return QDir(folder_).filePath(QStringLiteral("recovery.path")); }

// The first call takes the folder's lock for the rest of the session. A lock left by a program
// that has ended (crashed, killed) is taken over; age alone never makes a lock stale, so a
// second program never takes it from a first one that has been running for long.
bool Recovery::Keeper() {
    if (!lockTried_) {
        lockTried_ = true;
        QDir().mkpath(folder_);
        lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(QStringLiteral("recovery.lock")));
        lock_->setStaleLockTime(0);
        if (!lock_->tryLock(0))
            qWarning("Vantrel: no recovery copy is kept in %s: %s",
                     qPrintable(QDir::toNativeSeparators(folder_)),
                     lock_->error() == QLockFile::LockFailedError ? "another Vantrel keeps its copy there"
                                                                  : "the folder cannot be written");
    }
    return lock_ && lock_->isLocked();
}

void Recovery::GestureEnded() {
    if (!finished_) timer_.start();
}

bool Recovery::Offer(Design& out, std::string& path) {
    if (!Keeper()) return false;
    const QString copy = CopyPath();
    const QFileInfo info(copy);
    if (!info.exists() && !info.isSymLink()) return false;

    Design loaded;
    std::string error;
    int badRecord = 0;
    if (!DoOpen(FileSystemName(copy), loaded, error, badRecord)) {
        dialogs_.Message(
            window_,
            QStringLiteral("The recovery copy of unsaved work could not be read and was discarded. ") +
                ToQString(FormatOpenError(QDir::toNativeSeparators(copy).toStdString(), badRecord, error)),
            kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        Remove();
        return false;
    }
    const std::string file = ReadPathFile(PathFilePath());
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
    // Only Discard throws the copy away; a box closed without an answer keeps the work.
    if (answer == Dialogs::Answer::Discard && !finished_) {
        Remove();
        return false;
    }
    writtenBytes_ = DesignFileBytes(loaded);
    writtenPath_ = file;
    out = std::move(loaded);
    path = file;
    return true;
}

bool Recovery::Write() {
    std::string bytes = DesignFileBytes(ctx_.design);
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
        dialogs_.Message(window_, text, kTitle, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
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
    QFile::remove(CopyPath());
    QFile::remove(PathFilePath());
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
