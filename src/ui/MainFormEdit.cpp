// Bringing a state of the design back into the window, for undo and redo.

#include "model/UndoHistory.h"
#include "rules/MainCalc.h"
#include "ui/MainForm.h"

#include <QTabBar>

namespace vantrel {

// The refreshes only show, so the state is assigned once and every page shows it as it stands. A slot
// layout waiting for its rebuild keeps waiting: the rebuild clears slots.
void MainForm::ShowState(const DesignState& state) {
    SetRedraw(false);
    // Notes the user is typing in the history window stay there.
    const bool typingNotes = HistoryNotesPending();
    ApplyState(ctx_, state);
    // The pages read totals (the heat sink slider's reach is the heat); a file's stored ones may be stale.
    MainCalc(ctx_);
    RefreshP1();
    RefreshP2();
    RefreshP3();
    RefreshP4();
    RefreshMain();
    ShowTitle();
    ShowFrameOf(TabStrip1->currentIndex() + 1);
    if (!typingNotes) ReloadHistoryWindow();
    SetRedraw(true);
}

}  // namespace vantrel
