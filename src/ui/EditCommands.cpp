// The Edit menu: undo and redo of whole gestures, and the changed mark that follows from them.

#include "ui/EditCommands.h"

#include "model/Document.h"
#include "ui/Gesture.h"

#include <QAction>

#include <utility>

namespace vantrel {

namespace {

// "&Undo Weight Class"; the bare command when there is no step.
QString StepText(const QString& command, const std::string& step) {
    return step.empty() ? command : command + QLatin1Char(' ') + QString::fromStdString(step);
}

}  // namespace

EditCommands::EditCommands(Document& doc, GestureTracker& gestures, ShowState show, QObject* parent)
    : QObject(parent), doc_(doc), ctx_(doc.ctx), gestures_(gestures), show_(std::move(show)) {
    doc_.MarkSaved();
    connect(&gestures_, &GestureTracker::gestureStarted, this, [this] { GestureStarted(); });
    connect(&gestures_, &GestureTracker::gestureEnded, this,
            [this](const QString& name) { GestureEnded(name); });
}

const UndoHistory& EditCommands::History() const { return doc_.history; }

void EditCommands::SetActions(QAction* undo, QAction* redo) {
    undoAction_ = undo;
    redoAction_ = redo;
    UpdateActions();
}

void EditCommands::GestureStarted() {
    if (!replaying_) before_ = CaptureState(ctx_);
}

void EditCommands::GestureEnded(const QString& name) {
    if (!replaying_ && before_) {
        DesignState before = std::move(*before_);
        before_.reset();
        const GestureKind kind = gestures_.Kind();
        const bool goesOn = kind != GestureKind::Whole && openStep_ == name;
        // The design compared where it stands: a captured copy would copy the notes once more.
        const bool changed = !SameRecords(before.design, ctx_.design);
        if (changed && !goesOn) runStart_.reset();
        if (changed && !goesOn && kind == GestureKind::Continues) runStart_ = before.design;
        if (changed) {
            doc_.history.Record(name.toStdString(), std::move(before), goesOn);
            UpdateActions();
        }
        if (kind == GestureKind::Continues && (changed || goesOn))
            openStep_ = name;
        else
            openStep_.clear();
        // A run that comes back to where it began (a letter typed and deleted) leaves no step.
        if (goesOn && changed && runStart_ && SameRecords(*runStart_, ctx_.design)) {
            doc_.history.DropNewest();
            runStart_.reset();
            openStep_.clear();
            UpdateActions();
        }
    }
}

void EditCommands::StartFresh() {
    doc_.StartFresh();
    runStart_.reset();
    openStep_.clear();
    if (gestures_.Active()) before_ = CaptureState(ctx_);
    UpdateActions();
}

void EditCommands::MarkSaved() { doc_.MarkSaved(); }

void EditCommands::StartFrom(std::optional<Design> onDisk) {
    StartFresh();
    doc_.StartFrom(std::move(onDisk));
}

bool EditCommands::Changed() const { return doc_.Changed(); }

void EditCommands::MUndo_Click() { Replay(true); }
void EditCommands::MRedo_Click() { Replay(false); }

void EditCommands::Replay(bool undo) {
    if (undo ? !doc_.history.CanUndo() : !doc_.history.CanRedo()) return;
    // Runs as a gesture so that whatever follows gestures (the status line, the design check)
    // follows an undo too; it records nothing itself.
    const GestureScope gesture(gestures_, undo ? "Undo" : "Redo");
    replaying_ = true;
    before_.reset();
    const DesignState target =
        undo ? doc_.history.Undo(CaptureState(ctx_)) : doc_.history.Redo(CaptureState(ctx_));
    show_(target);
    ApplyState(ctx_, target);  // the controls' handlers may have touched it on the way
    openStep_.clear();
    replaying_ = false;
    UpdateActions();
}

void EditCommands::UpdateActions() {
    if (undoAction_) {
        undoAction_->setEnabled(doc_.history.CanUndo());
        undoAction_->setText(StepText(QStringLiteral("&Undo"), doc_.history.UndoName()));
    }
    if (redoAction_) {
        redoAction_->setEnabled(doc_.history.CanRedo());
        redoAction_->setText(StepText(QStringLiteral("&Redo"), doc_.history.RedoName()));
    }
    emit stepsChanged();
}

}  // namespace vantrel
