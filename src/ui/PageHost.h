#pragma once

#include "equipment/DesignOperations.h"

namespace vantrel {

// What a page or the file commands may ask of the main window: the refreshes of the other pages
// that a cascade runs, and the status line that ends every handler.
class PageHost {
public:
    virtual void RefreshMain() = 0;
    // The window's title for the design on show. RefreshMain takes the title from the name box before
    // writing the box, so a design put back whole (Open, Undo) needs this after its one refresh.
    virtual void ShowTitle() {}
    virtual void RefreshP1() = 0;
    virtual void RefreshP2() = 0;
    virtual void RefreshP3() = 0;
    virtual void RefreshP4() = 0;
    // The slot layout's rebuild a cascade asked for (RebuildSlots), then the status line; nothing
    // when none is asked for. The refreshes only show, so the cascade runs it before RefreshP4.
    virtual void RunSlotRebuild() = 0;
    // The cascades' call into the armor page: the armor slider's range.
    virtual void SetArmorMaximum(int maximum) = 0;
    // Shows again the page the tab strip has chosen, refreshing it.
    virtual void RefreshCurrentPage() = 0;
    // An open history window shows the notes of the design now held (after New or Open).
    virtual void ReloadHistoryWindow() = 0;
    // Notes typed in the open history window and not yet applied: they count as a change.
    virtual bool HistoryNotesPending() const = 0;
    virtual void ApplyHistoryNotes() = 0;

    // The end of an operation's gesture: the pages it names, then the status line.
    void ShowPages(const PagesToShow& pages) {
        if (pages.slotLayouts) RefreshP4();
        if (pages.chassis) RefreshP1();
        if (pages.armor) RefreshP2();
        if (pages.equipment) RefreshP3();
        RefreshMain();
    }

protected:
    ~PageHost() = default;
};

}  // namespace vantrel
