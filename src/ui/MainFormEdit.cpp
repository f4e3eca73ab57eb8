// Bringing a state of the design back into the window, for undo and redo.

#include "model/UndoHistory.h"
#include "ui/ArmorPage.h"
#include "ui/MainForm.h"

#include <QTabBar>

namespace vantrel {

namespace {

constexpr int kMaxRounds = 4;

}  // namespace

// The refreshes set the controls, and a control set to another value runs its handler, whose
// cascade may rewrite the state (a chassis change clears the turret). Each round starts again
// from the wanted state; once a round leaves it untouched, every control shows it.
void MainForm::ShowState(const DesignState& state) {
    SetRedraw(false);
    // Notes the user is typing in the history window stay there.
    const bool typingNotes = HistoryNotesPending();
    for (int round = 0; round < kMaxRounds; ++round) {
        ApplyState(ctx_, state);
        // The slot layout waiting for its rebuild keeps waiting: the rebuild clears slots.
        ctx_.RebuildSlots = false;
        RefreshP1();
        RefreshP2();
        RefreshP3();
        RefreshP4();
        RefreshMain();
        DesignState shown = CaptureState(ctx_);
        shown.rebuildSlots = state.rebuildSlots;
        if (!ChangesDesign(state, shown)) break;
    }
    ApplyState(ctx_, state);

    // The armor list as it was, without its handler: choosing an entry there is a gesture of its own.
    armorPage_->ShowArmorList(state.armorList);

    // The selection shows on the slot page, drawn from the restored state.
    ApplyState(ctx_, state);
    ctx_.RebuildSlots = false;
    RefreshP4();
    ShowFrameOf(TabStrip1->currentIndex() + 1);
    ApplyState(ctx_, state);
    if (!typingNotes) ReloadHistoryWindow();
    SetRedraw(true);
}

}  // namespace vantrel
