// The Edit menu: undo and redo of whole gestures, and the changed mark that follows from them.

#include "ui/EditCommands.h"

#include "model/Context.h"
#include "ui/Gesture.h"

#include <QAction>

#include <utility>

namespace vantrel {

namespace {

// Keystrokes in one of these boxes are one step until another gesture comes between.
bool IsTyping(const QString& name) { return name == QLatin1String("Name") || name == QLatin1String("Model"); }

}  // namespace

EditCommands::EditCommands(Context& ctx, GestureTracker& gestures, ShowState show, QObject* parent)
    : QObject(parent), ctx_(ctx), gestures_(gestures), show_(std::move(show)), baseline_(ctx.design) {
    connect(&gestures_, &GestureTracker::gestureStarted, this, [this] { GestureStarted(); });
    connect(&gestures_, &GestureTracker::gestureEnded, this,
            [this](const QString& name) { GestureEnded(name); });
}

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
        if (ChangesDesign(before, CaptureState(ctx_))) {
            const bool merge = IsTyping(name) && typingOnTop_ == name;
            history_.Record(name.toStdString(), std::move(before), merge);
            typingOnTop_ = IsTyping(name) ? name : QString();
            UpdateActions();
        } else {
            typingOnTop_.clear();
        }
    }
    ctx_.Saved = !Changed();
}

void EditCommands::StartFresh() {
    history_.Clear();
    baseline_ = ctx_.design;
    typingOnTop_.clear();
    if (gestures_.Active()) before_ = CaptureState(ctx_);
    ctx_.Saved = true;
    UpdateActions();
}

void EditCommands::MarkSaved() {
    baseline_ = ctx_.design;
    ctx_.Saved = true;
}

bool EditCommands::Changed() const { return !SameRecords(ctx_.design, baseline_); }

void EditCommands::MUndo_Click() { Replay(true); }
void EditCommands::MRedo_Click() { Replay(false); }

void EditCommands::Replay(bool undo) {
    if (undo ? !history_.CanUndo() : !history_.CanRedo()) return;
    // Runs as a gesture so that whatever follows gestures (the status line, the design check)
    // follows an undo too; it records nothing itself.
    const GestureScope gesture(gestures_, undo ? "Undo" : "Redo");
    replaying_ = true;
    before_.reset();
    const DesignState target = undo ? history_.Undo(CaptureState(ctx_)) : history_.Redo(CaptureState(ctx_));
    show_(target);
    ApplyState(ctx_, target);  // the controls' handlers may have touched it on the way
    typingOnTop_.clear();
    replaying_ = false;
    UpdateActions();
}

void EditCommands::UpdateActions() {
    if (undoAction_) {
        undoAction_->setEnabled(history_.CanUndo());
        undoAction_->setText(QStringLiteral("&Undo ") + QString::fromStdString(history_.UndoName()));
    }
    if (redoAction_) {
        redoAction_->setEnabled(history_.CanRedo());
        redoAction_->setText(QStringLiteral("&Redo ") + QString::fromStdString(history_.RedoName()));
    }
    emit stepsChanged();
}

}  // namespace vantrel
