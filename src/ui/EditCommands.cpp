// The Edit menu: undo and redo of whole gestures, and the changed mark that follows from them.

#include "ui/EditCommands.h"

#include "model/Context.h"
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

EditCommands::EditCommands(Context& ctx, GestureTracker& gestures, ShowState show, QObject* parent)
    : QObject(parent), ctx_(ctx), gestures_(gestures), show_(std::move(show)), baseline_(ctx.design) {
    ctx_.Saved.DeriveFrom([this] { return Changed(); });
    connect(&gestures_, &GestureTracker::gestureStarted, this, [this] { GestureStarted(); });
    connect(&gestures_, &GestureTracker::gestureEnded, this,
            [this](const QString& name) { GestureEnded(name); });
}

EditCommands::~EditCommands() { ctx_.Saved.DeriveFrom(nullptr); }

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
            history_.Record(name.toStdString(), std::move(before), goesOn);
            UpdateActions();
        }
        if (kind == GestureKind::Continues && (changed || goesOn))
            openStep_ = name;
        else
            openStep_.clear();
        // A run that comes back to where it began (a letter typed and deleted) leaves no step.
        if (goesOn && changed && runStart_ && SameRecords(*runStart_, ctx_.design)) {
            history_.DropNewest();
            runStart_.reset();
            openStep_.clear();
            UpdateActions();
        }
    }
}

void EditCommands::StartFresh() {
    history_.Clear();
    runStart_.reset();
    baseline_ = ctx_.design;
    openStep_.clear();
    if (gestures_.Active()) before_ = CaptureState(ctx_);
    UpdateActions();
}

void EditCommands::MarkSaved() { baseline_ = ctx_.design; }

void EditCommands::StartFrom(std::optional<Design> onDisk) {
    StartFresh();
    baseline_ = std::move(onDisk);
}

bool EditCommands::Changed() const { return !baseline_ || !SameRecords(ctx_.design, *baseline_); }

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
    openStep_.clear();
    replaying_ = false;
    UpdateActions();
}

void EditCommands::UpdateActions() {
    if (undoAction_) {
        undoAction_->setEnabled(history_.CanUndo());
        undoAction_->setText(StepText(QStringLiteral("&Undo"), history_.UndoName()));
    }
    if (redoAction_) {
        redoAction_->setEnabled(history_.CanRedo());
        redoAction_->setText(StepText(QStringLiteral("&Redo"), history_.RedoName()));
    }
    emit stepsChanged();
}

}  // namespace vantrel
