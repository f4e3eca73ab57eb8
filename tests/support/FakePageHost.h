#pragma once

#include "ui/PageHost.h"

namespace vantrel::test {

// A page host for a page built on its own: the other pages' refreshes and cascades do nothing.
class FakePageHost : public PageHost {
public:
    void RefreshMain() override {}
    void RefreshP1() override {}
    void RefreshP2() override {}
    void RefreshP3() override {}
    void RefreshP4() override {}
    void RunSlotRebuild() override {}
    void SetArmorMaximum(int) override {}
    void RefreshCurrentPage() override {}
    void ReloadHistoryWindow() override {}
    bool HistoryNotesPending() const override { return false; }
    void ApplyHistoryNotes() override {}
};

}  // namespace vantrel::test
