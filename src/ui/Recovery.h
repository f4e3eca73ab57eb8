#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLockFile;
class QWidget;

namespace vantrel {

struct Context;
struct Design;
class Dialogs;
class GestureTracker;

// A copy of the unsaved design kept in the user's data folder, so that a crash, a kill or a power
// cut loses at most the last moments of work. The copy is written a moment after a gesture ends,
// never inside one: each end restarts one single-shot timer, so a run of gestures makes one write.
// Its file path goes into a side file beside it.
//
// Every running window keeps a copy of its own ("recovery-<id>.vnt", ".path" beside it), guarded by
// a lock file of the same name that it holds while it runs. At start-up, every copy whose lock no
// running program holds is offered, whichever program wrote it.
class Recovery : public QObject {
    Q_OBJECT
public:
    // `unsaved` says whether the window holds changes not saved to a file.
    Recovery(Context& ctx, GestureTracker& gestures, Dialogs& dialogs, std::function<bool()> unsaved,
             QWidget* window);
    ~Recovery() override;

    // VANTREL_RECOVERY_DIR when set, otherwise the application's folder in the user's data folder.
    static QString DefaultFolder();
    QString Folder() const { return folder_; }
    void SetFolder(const QString& folder);
    // This window's own copy and its side file.
    QString CopyPath() const;
    QString PathFilePath() const;

    // Time between the end of a gesture and the write (2 s).
    void SetDelay(int milliseconds) { timer_.setInterval(milliseconds); }
    bool Pending() const { return timer_.isActive(); }

    // Start-up: offers each kept copy no running program holds, newest first, until one is
    // restored. True with the design and its file path in `out` and `path` when the user chose
    // Restore; the window then keeps its work in that copy. A copy that cannot be read is reported
    // and removed, as is one the user discards; what cannot be removed is said. Then, when this
    // window can keep no copy, says so.
    bool Offer(Design& out, std::string& path);

    // The history notes typed but not applied yet, when there are; they go into the copy as Yes to
    // "Save changes" would apply them.
    void SetPendingNotes(std::function<std::optional<std::string>()> pending) {
        pendingNotes_ = std::move(pending);
    }
    // The notes box changed: a write follows as after a gesture.
    void NotesTyped() { GestureEnded(); }

    // Writes the copy now when the design is unsaved, removes it when it is saved.
    void Flush();
    // The design was saved, replaced or thrown away on purpose: the copy goes.
    void Remove();
    // The window closed cleanly: the copy goes and none is written any more.
    void Finish();
    // The session is ended from outside (SIGTERM, SIGHUP, SIGINT): keep what is unsaved, then leave the
    // event loop without any question.
    void EndSession();

private:
    struct Kept;
    bool Keeper();
    void GestureEnded();
    bool Write();
    QString FileOf(const QString& stem, const char* extension) const;
    // One kept copy offered: true when restored (and stop asking), false to go on.
    bool OfferOne(Kept& kept, Design& out, std::string& path);
    void SayNoCopyIsKept();
    void Say(const QString& text);

    Context& ctx_;
    GestureTracker& gestures_;
    Dialogs& dialogs_;
    std::function<bool()> unsaved_;
    QWidget* window_;
    std::function<std::optional<std::string>()> pendingNotes_;
    QString folder_;
    QString stem_;  // "recovery-<id>": this window's files
    QTimer timer_;
    std::unique_ptr<QLockFile> lock_;
    bool lockTried_ = false;
    bool finished_ = false;
    bool offering_ = false;
    bool warned_ = false;
    // What the files hold now, so an unchanged design is not written again.
    std::string writtenBytes_;
    std::string writtenPath_;
};

}  // namespace vantrel
