#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
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
// Only one running program keeps the copy: the first to take the folder's lock. A second one keeps
// none and never touches the first one's copy.
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
    QString CopyPath() const;
    QString PathFilePath() const;

    // Time between the end of a gesture and the write (2 s).
    void SetDelay(int milliseconds) { timer_.setInterval(milliseconds); }
    bool Pending() const { return timer_.isActive(); }

    // Start-up: when a copy is there, asks whether to restore it. True with the design and its file
    // path in `out` and `path` when the user chose Restore; a copy that cannot be read is reported
    // and removed, as is one the user discards.
    bool Offer(Design& out, std::string& path);

    // Writes the copy now when the design is unsaved, removes it when it is saved.
    void Flush();
    // The design was saved, replaced or thrown away on purpose: the copy goes.
    void Remove();
    // The window closed cleanly: the copy goes and none is written any more.
    void Finish();
    // The session is ended from outside (SIGTERM, SIGHUP): keep what is unsaved, then leave the
    // event loop without any question.
    void EndSession();

private:
    bool Keeper();
    void GestureEnded();
    bool Write();

    Context& ctx_;
    GestureTracker& gestures_;
    Dialogs& dialogs_;
    std::function<bool()> unsaved_;
    QWidget* window_;
    QString folder_;
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
