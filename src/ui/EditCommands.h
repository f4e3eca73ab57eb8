#pragma once

#include "model/UndoHistory.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;

namespace vantrel {

class Document;
class GestureTracker;

// Undo and redo of whole gestures. The state is taken when a gesture begins; when it ends having
// changed the design, that state becomes one step named after the gesture. The same watch decides
// whether the design counts as changed: its records differ from those of the last Open, Save or New.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // `show` brings a state into the window: the state itself and every control showing it.
    using ShowState = std::function<void(const DesignState&)>;
    // Steps go into the document's history; its last opened or saved records start as it stands.
    EditCommands(Document& doc, GestureTracker& gestures, ShowState show, QObject* parent = nullptr);

    // Keeps the menu entries' texts ("Undo Weight Class") and enabled states up to date.
    void SetActions(QAction* undo, QAction* redo);

    void MUndo_Click();
    void MRedo_Click();

    // The design as it stands is a new start: no steps, and it counts as unchanged (start-up, New,
    // Open). Inside a gesture, that gesture makes no step.
    void StartFresh();
    // As StartFresh, for a design restored from a recovery copy: it counts as changed unless its
    // records equal `onDisk`, what its file holds (none: no file, or one that cannot be read).
    void StartFrom(std::optional<Design> onDisk);
    // The design as it stands is the one on disk.
    void MarkSaved();
    // The records differ from the last start or save.
    bool Changed() const;

    const UndoHistory& History() const;

signals:
    void stepsChanged();

private:
    void GestureStarted();
    void GestureEnded(const QString& name);
    void Replay(bool undo);
    void UpdateActions();

    Document& doc_;
    Context& ctx_;
    GestureTracker& gestures_;
    ShowState show_;
    std::optional<DesignState> before_;
    bool replaying_ = false;
    // The step on top that the next gesture of its name goes on with (typing, a slider held).
    QString openStep_;
    std::optional<Design> runStart_;  // the design the open step's run started from
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

}  // namespace vantrel
