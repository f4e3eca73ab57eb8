// Bringing a state of the design back into the window, for undo and redo.

#include "model/UndoHistory.h"
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
